# Settings shared by every target of the project.

set(TARVIKA_WARNINGS -Wall -Wextra -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual
    -Wshadow)

# A library of the core: Qt Core only, every conversion between bytes and text explicit.
function(tarvika_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    tarvika_target_defaults(${name})
    target_compile_definitions(${name} PUBLIC QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                               QT_NO_CAST_FROM_BYTEARRAY)
    # The fuzz targets see the code they test: the core is built with the fuzzer's coverage, and
    # every program that links it gets the coverage runtime.
    if(TARVIKA_FUZZ)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer-no-link)
        target_link_options(${name} INTERFACE -fsanitize=fuzzer-no-link)
    endif()
endfunction()

# A library of the windows: one folder of src/ui. Usage: tarvika_ui_library(name sources... LIBS ...)
function(tarvika_ui_library name)
    cmake_parse_arguments(U "" "" "LIBS" ${ARGN})
    add_library(${name} STATIC ${U_UNPARSED_ARGUMENTS})
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${U_LIBS} Qt6::Widgets Qt6::PrintSupport)
    tarvika_target_defaults(${name})
endfunction()

function(tarvika_target_defaults name)
    target_compile_options(${name} PRIVATE ${TARVIKA_WARNINGS})
    if(TARVIKA_WERROR)
        target_compile_options(${name} PRIVATE -Werror)
    endif()
endfunction()

# A Qt Test program run by CTest. Usage: tarvika_test(name SOURCES ... LIBS ...)
function(tarvika_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    tarvika_target_defaults(${name})
    target_compile_definitions(${name} PRIVATE
        TARVIKA_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
        TARVIKA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
    # Tests that show windows or paint pages carry the label gui.
    if(CMAKE_CURRENT_SOURCE_DIR MATCHES "/tests/(ui|print)(/|$)")
        set_tests_properties(${name} PROPERTIES LABELS gui)
    endif()
endfunction()
