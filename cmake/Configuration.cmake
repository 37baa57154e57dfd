# Build-time configuration: the product's identity and every outside address the
# program uses. Change them here or with -D on the cmake command line.
set(QM_PRODUCT_NAME "Quillmark" CACHE STRING "Product name")
set(QM_PUBLISHER_NAME "Quillmark Software" CACHE STRING "Publisher name")
set(QM_WEB_ADDRESS "www.quillmark.example" CACHE STRING "Product web address")
set(QM_PRODUCT_DETAILS_ADDRESS "https://www.quillmark.example/details.html" CACHE STRING
    "Product details page")
set(QM_REGISTRAR_HOST "www.secureserver.net" CACHE STRING "Registrar shop host for purchases")
set(QM_REGISTRAR_PROGRAM_ID "quillmark" CACHE STRING "Registrar affiliate program id")
set(QM_DEFAULT_SERVERS_FILE "${CMAKE_SOURCE_DIR}/data/DefaultServers.txt" CACHE FILEPATH
    "The default whois server table")

# The default server table becomes a string in the generated header, so no host
# name stands in the program's logic.
file(READ "${QM_DEFAULT_SERVERS_FILE}" QM_DEFAULT_SERVERS_TEXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QM_DEFAULT_SERVERS_FILE}")

configure_file(${CMAKE_SOURCE_DIR}/cmake/QuillmarkConfig.h.in
               ${CMAKE_BINARY_DIR}/generated/QuillmarkConfig.h @ONLY)
add_library(qm_config INTERFACE)
target_include_directories(qm_config INTERFACE ${CMAKE_BINARY_DIR}/generated)
