# Build-time configuration: the product's identity and every outside address the
# program uses. Change them here or with -D on the cmake command line.
set(QM_PRODUCT_NAME "Quillmark" CACHE STRING "Product name")
set(QM_PUBLISHER_NAME "Quillmark Software" CACHE STRING "Publisher name")
set(QM_WEB_ADDRESS "www.quillmark.example" CACHE STRING "Product web address")
set(QM_PRODUCT_DETAILS_ADDRESS "https://www.quillmark.example/details.html" CACHE STRING
    "Product details page")
set(QM_REGISTRAR_HOST "www.secureserver.net" CACHE STRING "Registrar shop host for purchases")
set(QM_REGISTRAR_PROGRAM_ID "quillmark" CACHE STRING "Registrar affiliate program id")
set(QM_WHOIS_WINDOW_SERVER "whois.internic.net:43" CACHE STRING
    "Whois server (HOST:PORT) of the single-lookup window; it answers for com and net names")
# Checked here, so the program can take it as it is.
set(qm_whois_window_port 43)
if(QM_WHOIS_WINDOW_SERVER MATCHES ":([0-9]+)$")
  set(qm_whois_window_port "${CMAKE_MATCH_1}")
endif()
if(NOT QM_WHOIS_WINDOW_SERVER MATCHES "^[^:]+(:[0-9]+)?$" OR qm_whois_window_port LESS 1 OR
   qm_whois_window_port GREATER 65535)
  message(FATAL_ERROR "QM_WHOIS_WINDOW_SERVER must be HOST or HOST:PORT, the port from 1 to 65535")
endif()
set(QM_DEFAULT_SERVERS_FILE "${CMAKE_SOURCE_DIR}/data/DefaultServers.txt" CACHE FILEPATH
    "The default whois server table")

set(QM_REPLY_RULES_FILE "${CMAKE_SOURCE_DIR}/data/replyrules.txt" CACHE FILEPATH
    "The shipped whois reply rules")
set(QM_ZONES_FILE "${CMAKE_SOURCE_DIR}/data/zones.tsv" CACHE FILEPATH
    "Every zone's whois server and RDAP base address")

# The default server table becomes a string in the generated header, so no host
# name stands in the program's logic.
file(READ "${QM_DEFAULT_SERVERS_FILE}" QM_DEFAULT_SERVERS_TEXT)
file(READ "${QM_REPLY_RULES_FILE}" QM_REPLY_RULES_TEXT)
file(READ "${QM_ZONES_FILE}" QM_ZONES_TEXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QM_DEFAULT_SERVERS_FILE}"
             "${QM_REPLY_RULES_FILE}" "${QM_ZONES_FILE}")

configure_file(${CMAKE_SOURCE_DIR}/cmake/QuillmarkConfig.h.in
               ${CMAKE_BINARY_DIR}/generated/QuillmarkConfig.h @ONLY)
add_library(qm_config INTERFACE)
target_include_directories(qm_config INTERFACE ${CMAKE_BINARY_DIR}/generated)
