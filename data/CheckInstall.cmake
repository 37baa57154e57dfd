# Installs the build tree BUILD_DIR into a fresh prefix under WORK_DIR and checks
# that the installed program runs and finds the files installed beside it.
# Run with: cmake -DBUILD_DIR=... -DWORK_DIR=... -P CheckInstall.cmake
foreach(required BUILD_DIR WORK_DIR)
  if(NOT ${required})
    message(FATAL_ERROR "${required} must be given")
  endif()
endforeach()

set(prefix ${WORK_DIR}/prefix)
set(folder ${WORK_DIR}/folder)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
# Keeps the installed program away from the user's own settings.
set(ENV{XDG_CONFIG_HOME} ${WORK_DIR}/config)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

set(program ${prefix}/bin/quillmark)
# Cleaning keeps the letter case.
execute_process(COMMAND ${program} clean WWW.Example.COM
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT output STREQUAL "WWW.Example.COM\n")
  message(FATAL_ERROR "installed 'quillmark clean' gave status ${status}, output [${output}], errors [${errors}]")
endif()

foreach(file share/applications/quillmark.desktop
             share/icons/hicolor/scalable/apps/quillmark.svg
             share/icons/hicolor/256x256/apps/quillmark.png
             share/quillmark/Help.html
             share/quillmark/wordlists/FullWordList.txt)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "the install lacks ${file}")
  endif()
endforeach()

# A command that prepares a new program folder copies the installed files into it.
file(WRITE ${WORK_DIR}/page.html "")
execute_process(COMMAND ${program} extract --folder ${folder} ${WORK_DIR}/page.html
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "installed 'quillmark extract' gave status ${status}, errors [${errors}]")
endif()
foreach(file Help.html wordlists/FullWordList.txt wordlists/AllTwoLetter.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${prefix}/share/quillmark/${file} ${folder}/${file}
                  RESULT_VARIABLE different OUTPUT_QUIET ERROR_QUIET)
  if(different)
    message(FATAL_ERROR "the program folder's ${file} is not the installed one")
  endif()
endforeach()

# Left in place on failure, for a look; removed only when everything passed.
file(REMOVE_RECURSE ${WORK_DIR})
