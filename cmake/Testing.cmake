# GoogleTest: Debian's package natively; built from Debian's sources when cross-compiling.
if(NOT ASR_BUILD_TESTS)
    return()
endif()
enable_testing()
if(CMAKE_CROSSCOMPILING)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    # Newer GoogleTest sources define these aliases themselves.
    if(NOT TARGET GTest::gtest)
        add_library(GTest::gtest ALIAS gtest)
        add_library(GTest::gtest_main ALIAS gtest_main)
        add_library(GTest::gmock ALIAS gmock)
    endif()
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# asr_add_test(NAME sources... LIBS libs... [WAITING FILTER]): one test program, its cases
# discovered by ctest. The cases of the GoogleTest filter WAITING wait on real time for
# most of a minute: ctest starts them first, so that they wait beside the other tests.
function(asr_add_test name)
    cmake_parse_arguments(ARG "" "WAITING" "SOURCES;LIBS;PROPERTIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    if(NOT ARG_WAITING)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
            PROPERTIES LABELS ${name} ${ARG_PROPERTIES})
        return()
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        TEST_FILTER "-${ARG_WAITING}" PROPERTIES LABELS ${name} ${ARG_PROPERTIES})
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
        TEST_FILTER "${ARG_WAITING}"
        PROPERTIES LABELS ${name} COST 10000 TIMEOUT 90 ${ARG_PROPERTIES})
endfunction()
