# Every target of ours is made here, so none misses the warning flags.
#
#   quillmark_library(NAME [QT] SOURCES file... [LINKS target...])
#   quillmark_executable(NAME [QT] SOURCES file... [LINKS target...])
#
# QT turns on the toolkit's code generators (moc, rcc); LINKS are public for a
# library and private for an executable.
add_library(qm_warnings INTERFACE)
target_compile_options(qm_warnings INTERFACE -Wall -Wextra)

function(quillmark_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "SOURCES;LINKS")
  add_library(${name} STATIC ${arg_SOURCES})
  target_link_libraries(${name} PUBLIC ${arg_LINKS} PRIVATE qm_warnings)
  if(arg_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
endfunction()

function(quillmark_executable name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "QT" "" "SOURCES;LINKS")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINKS} qm_warnings)
  if(arg_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
endfunction()
