# One static library per source folder, one test program per test folder.
# Sources are globbed so that adding a file needs no edit here.

# Our code: no warnings, and narrow string literals in Windows-1251, the
# program's one text encoding (sources are UTF-8). clang knows only UTF-8
# literals; it builds just the fuzz targets, where message texts do not matter.
set(VED_CXX_OPTIONS -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    list(APPEND VED_CXX_OPTIONS -finput-charset=UTF-8 -fexec-charset=CP1251)
endif()

# ved_library(NAME [EXCLUDE file...] [DEPS lib...]): every .cpp in the current
# folder but the excluded ones.
function(ved_library name)
    cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    foreach(excluded IN LISTS ARG_EXCLUDE)
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    target_compile_options(${name} PRIVATE ${VED_CXX_OPTIONS})
    set_property(GLOBAL APPEND PROPERTY VED_LIBRARIES ${name})
endfunction()

# ved_test(NAME [LIBS lib...]): every .cpp in the current folder, one GoogleTest program.
function(ved_test name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_executable(${name} ${sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ved_testsupport GTest::gtest)
    target_compile_options(${name} PRIVATE ${VED_CXX_OPTIONS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VED_SOURCE_DIR=${PROJECT_SOURCE_DIR};VED_BINARY_DIR=${PROJECT_BINARY_DIR};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1"
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
