# Flags shared by every target of the project. Each target links
# project_options privately so the flags never leak into consumers.
option(WARNINGS_AS_ERRORS "Treat compiler warnings as errors (CI turns this on)" OFF)
set(SANITIZE "" CACHE STRING "Sanitizers, e.g. address,undefined")
option(ZELK_FUZZ "Build libFuzzer targets (clang only)" OFF)

add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_17)
target_compile_options(project_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
    -Woverloaded-virtual -Wfloat-conversion
    $<$<BOOL:${WARNINGS_AS_ERRORS}>:-Werror>)
if(SANITIZE)
    target_compile_options(project_options INTERFACE
        -fsanitize=${SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(project_options INTERFACE -fsanitize=${SANITIZE})
endif()

# Qt targets: no deprecated API, explicit string conversions.
add_library(project_qt_options INTERFACE)
target_compile_definitions(project_qt_options INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x060400 QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
