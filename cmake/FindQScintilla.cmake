# Debian ships QScintilla for Qt 6 without a CMake package: find the header and library by hand.
find_package(Qt6 REQUIRED COMPONENTS Core Widgets)
get_target_property(_velmo_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
set(_velmo_qt_include_roots "")
foreach(_dir IN LISTS _velmo_qt_core_includes)
    get_filename_component(_parent "${_dir}" DIRECTORY)
    list(APPEND _velmo_qt_include_roots "${_dir}" "${_parent}")
endforeach()

find_path(QScintilla_INCLUDE_DIR Qsci/qsciscintilla.h
    HINTS ${_velmo_qt_include_roots} /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6)
find_library(QScintilla_LIBRARY NAMES qscintilla2_qt6)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
    add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
    set_target_properties(QScintilla::QScintilla PROPERTIES
        IMPORTED_LOCATION "${QScintilla_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${QScintilla_INCLUDE_DIR}"
        INTERFACE_COMPILE_DEFINITIONS QSCINTILLA_DLL
        INTERFACE_LINK_LIBRARIES "Qt6::Widgets")
endif()
