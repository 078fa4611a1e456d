# Options every target of ours gets: warnings, CP949 string literals, sanitizers.
# Third-party code (GoogleTest built from source) does not use this function.
function(plyk_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  # User-visible texts are CP949 bytes at run time. clang cannot convert literals; it
  # only builds the fuzz targets, which never look at texts.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fexec-charset=CP949)
  endif()
  if(PLYK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

if(PLYK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained executable: no libgcc, libstdc++ or winpthread DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# GoogleTest: the installed package natively, Debian's sources for the Windows build.
function(plyk_find_gtest)
  if(TARGET GTest::gtest_main)
    return()
  endif()
  if(WIN32)
    set(src /usr/src/googletest/googletest)
    add_library(gtest_win STATIC ${src}/src/gtest-all.cc)
    target_include_directories(gtest_win SYSTEM PUBLIC ${src}/include PRIVATE ${src})
    add_library(gtest_main_win STATIC ${src}/src/gtest_main.cc)
    target_link_libraries(gtest_main_win PUBLIC gtest_win)
    add_library(GTest::gtest ALIAS gtest_win)
    add_library(GTest::gtest_main ALIAS gtest_main_win)
  else()
    find_package(GTest REQUIRED)
  endif()
endfunction()

# A unit-test binary of one library. Natively it is registered with CTest; in the
# Windows build it is registered to run under Wine when PLYK_WINE_TESTS is set.
function(plyk_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT PLYK_TESTS)
    return()
  endif()
  plyk_find_gtest()
  add_executable(${name} ${T_SOURCES})
  plyk_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE PLYK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # Helpers more than one test binary uses live in tests/support.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(WIN32)
    if(PLYK_WINE_TESTS)
      add_test(NAME ${name} COMMAND wine $<TARGET_FILE:${name}>)
    endif()
  else()
    add_test(NAME ${name} COMMAND ${name})
  endif()
endfunction()

if(PLYK_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A libFuzzer target over one reader. Its corpus lives in tests/fuzz/corpus/<name>/;
# the replay test runs every corpus file through the same entry point in the normal
# suite, so inputs that once found a fault stay checked.
function(plyk_fuzzer name)
  cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
  if(WIN32)
    return()
  endif()
  if(PLYK_TESTS)
    add_executable(${name}_replay ${F_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    plyk_target(${name}_replay)
    target_link_libraries(${name}_replay PRIVATE ${F_LIBS})
    target_include_directories(${name}_replay PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${name})
  endif()
  if(PLYK_FUZZ)
    add_executable(${name}_fuzz ${F_SOURCES})
    plyk_target(${name}_fuzz)
    target_link_libraries(${name}_fuzz PRIVATE ${F_LIBS})
    target_include_directories(${name}_fuzz PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer)
  endif()
endfunction()
