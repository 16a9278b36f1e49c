# Target helpers shared by every folder.
#
# Three kinds of build use this tree:
#   Windows (cross-compiled): every library, both programs and every test, run under Wine.
#   Host tests (QUILLON_SANITIZE): the platform-free libraries and their tests.
#   Host fuzzing (QUILLON_FUZZ) or benchmarks (QUILLON_BENCH): platform-free libraries plus
#   the fuzz targets or the benchmark programs only.

if(WIN32)
  set(QUILLON_HOST_BUILD OFF)
else()
  set(QUILLON_HOST_BUILD ON)
endif()

if(QUILLON_FUZZ OR QUILLON_BENCH)
  set(QUILLON_WITH_TESTS OFF)
else()
  set(QUILLON_WITH_TESTS ON)
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(WIN32)
  # ANSI Win32 throughout: paths and texts are 8-bit strings.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0600 WINVER=0x0600 _WIN32_IE=0x0600)
endif()

if(QUILLON_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QUILLON_FUZZ)
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QUILLON_WITH_TESTS)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

if(QUILLON_BENCH)
  find_package(benchmark REQUIRED)
endif()

# A library of platform-free code (no windows.h): built for every kind of build.
function(quillon_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A library that needs Win32: built for Windows only.
function(quillon_windows_library name)
  if(WIN32)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# quillon_test(<name> [WINDOWS_ONLY] [ISOLATED [LOG_PIXELS <n>]] [FROM_PREFIX] SOURCES ... LIBS ...)
# A GoogleTest program, run by scripts/lib/run-gtest. Portable tests run on the host with sanitizers and under Wine;
# WINDOWS_ONLY tests run under Wine only. ISOLATED tests get a fresh copy of the Wine prefix, with the
# screen's logical pixels per inch set to LOG_PIXELS when given (96 otherwise);
# FROM_PREFIX tests run from a copy inside the prefix (for programs that write beside themselves).
function(quillon_test name)
  cmake_parse_arguments(T "WINDOWS_ONLY;ISOLATED;FROM_PREFIX" "TIMEOUT;LOG_PIXELS" "SOURCES;LIBS" ${ARGN})
  if(T_LOG_PIXELS AND NOT T_ISOLATED)
    message(FATAL_ERROR "quillon_test(${name}): LOG_PIXELS changes the Wine prefix and needs ISOLATED")
  endif()
  if(NOT QUILLON_WITH_TESTS)
    return()
  endif()
  if(T_WINDOWS_ONLY AND NOT WIN32)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} quillon_test_main GTest::gmock)
  # The source folder too, so that resource scripts find the files they name.
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  # Passes only when the program finished its run (it wrote its report) and its exit code
  # says so: a program that ends early never passes.
  set(runner ${PROJECT_SOURCE_DIR}/scripts/lib/run-gtest)
  if(WIN32)
    list(APPEND runner --wine)
  endif()
  add_test(NAME ${name}
           COMMAND ${runner} ${CMAKE_BINARY_DIR}/test-reports/${name}.xml $<TARGET_FILE:${name}> --gtest_brief=1)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  if(T_ISOLATED)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT QUILLON_ISOLATED_PREFIX=1)
  endif()
  if(T_LOG_PIXELS)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT QUILLON_LOG_PIXELS=${T_LOG_PIXELS})
  endif()
  if(T_FROM_PREFIX)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT QUILLON_RUN_FROM_PREFIX=1)
  endif()
endfunction()

# quillon_fuzzer(<name> SOURCES ... LIBS ... [SEEDS <dir>])
# A libFuzzer target; as a test it runs for QUILLON_FUZZ_SECONDS over a copy of its seeds.
function(quillon_fuzzer name)
  cmake_parse_arguments(F "" "SEEDS" "SOURCES;LIBS" ${ARGN})
  if(NOT QUILLON_FUZZ)
    return()
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}_corpus)
  set(seed_args "")
  if(F_SEEDS)
    set(seed_args ${F_SEEDS})
  endif()
  add_test(NAME ${name}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/lib/run-fuzzer $<TARGET_FILE:${name}> ${QUILLON_FUZZ_SECONDS} ${corpus} ${seed_args})
  set_tests_properties(${name} PROPERTIES TIMEOUT 3600)
endfunction()

# quillon_benchmark(<name> SOURCES ... LIBS ...)
function(quillon_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT QUILLON_BENCH)
    return()
  endif()
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# A GUI program for Windows (no console window).
function(quillon_windows_program name)
  if(WIN32)
    add_executable(${name} WIN32 ${ARGN})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
endfunction()

if(WIN32)
  enable_language(RC)
endif()
