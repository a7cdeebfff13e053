# The WebAssembly build (Emscripten toolchain, see scripts/compilar-web.sh): the same core libraries and
# command-line tools, compiled to WebAssembly; the tools run under Node.

# The core reports faults with C++ exceptions (and CLI11 its argument errors): catching them must work.
# WebAssembly's own exceptions, not Emscripten's JavaScript emulation: every call that may throw would
# otherwise leave the module through JavaScript, and the engine ran some 20 % slower (Node 20, and browsers
# since 2022, have them).
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# CLI11 and nlohmann-json are header-only and come from the host's Debian packages. Their CMake files would
# put /usr/include on the include path, where the host's C library headers break every standard header of
# the WebAssembly one; so they get a folder of their own, and find_package() is answered from here.
set(_velmo_cabeceras ${PROJECT_BINARY_DIR}/cabeceras-externas)
foreach(_cabecera CLI/CLI.hpp nlohmann/json.hpp)
    string(MAKE_C_IDENTIFIER ${_cabecera} _variable)
    find_path(VELMO_${_variable} ${_cabecera} PATHS /usr/include /usr/local/include NO_DEFAULT_PATH
        NO_CMAKE_FIND_ROOT_PATH)
    if(NOT VELMO_${_variable})
        message(FATAL_ERROR "Falta ${_cabecera} (paquetes libcli11-dev y nlohmann-json3-dev)")
    endif()
    get_filename_component(_carpeta ${_cabecera} DIRECTORY)
    file(COPY ${VELMO_${_variable}}/${_carpeta} DESTINATION ${_velmo_cabeceras})
endforeach()

function(velmo_paquete_de_cabeceras paquete objetivo)
    string(TOLOWER ${paquete} _nombre)
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${_nombre}-config.cmake
        "if(NOT TARGET ${objetivo})\n"
        "    add_library(${objetivo} INTERFACE IMPORTED)\n"
        "    set_target_properties(${objetivo} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES \"${_velmo_cabeceras}\")\n"
        "endif()\n")
endfunction()
velmo_paquete_de_cabeceras(CLI11 CLI11::CLI11)
velmo_paquete_de_cabeceras(nlohmann_json nlohmann_json::nlohmann_json)

# A command-line tool run as `node herramienta.js ARGUMENTOS`: real files, standard streams and environment,
# the exit status of main(), and the WebAssembly compiled synchronously from the file beside it (the
# asynchronous loader would try fetch(), which Node cannot use on a file path).
function(velmo_herramienta_node objetivo)
    set(_entorno ${PROJECT_SOURCE_DIR}/cmake/entorno-node.js)
    target_link_options(${objetivo} PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1
        -sALLOW_MEMORY_GROWTH=1 -sWASM_ASYNC_COMPILATION=0 "SHELL:--pre-js ${_entorno}")
    set_property(TARGET ${objetivo} APPEND PROPERTY LINK_DEPENDS ${_entorno})
endfunction()
