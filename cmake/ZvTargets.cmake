# Helpers that keep every folder's CMakeLists.txt short and alike.

# zv_add_subfolders([EXCLUDE name ...]): add each direct sub-folder that has a
# CMakeLists.txt, so that new sub-folders join the build without touching
# their parent.
function(zv_add_subfolders)
  cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(child IN_LIST ARG_EXCLUDE)
      continue()
    endif()
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# zv_library(name SOURCES ... DEPS ... [PRIVATE_DEPS ...])
# A static library whose headers are included as "folder/file.h" from the
# repository root.
function(zv_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
endfunction()

# zv_test(name SOURCES ... DEPS ... [GUI])
# A GoogleTest program; every test case runs in its own process with HOME,
# ZAVEDIZ_HOME and the ODBC files in a fresh temporary folder (see
# tests/support/test_main.cpp). GUI tests get a QApplication on the
# offscreen platform.
function(zv_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE zv_test_main_gui)
  else()
    target_link_libraries(${name} PRIVATE zv_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${ARG_DEPS})
  target_compile_definitions(${name} PRIVATE ZV_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZV_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
               TIMEOUT 300)
endfunction()

# zv_fuzz(name SOURCES ... DEPS ... CORPUS dir)
# A fuzz target defines LLVMFuzzerTestOneInput. `make test` replays its
# committed corpus (and crash cases) through an ordinary test; `make fuzz`
# builds the libFuzzer program with clang.
function(zv_fuzz name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPS" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_CORPUS})
  if(ZV_FUZZ)
    add_executable(fuzz_${name} ${ARG_SOURCES})
    target_compile_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(fuzz_${name} PRIVATE ${ARG_DEPS})
  else()
    add_executable(replay_${name} ${ARG_SOURCES})
    target_link_libraries(replay_${name} PRIVATE zv_fuzz_replay ${ARG_DEPS})
    add_test(NAME fuzz_replay.${name} COMMAND replay_${name} ${corpus})
    set_tests_properties(fuzz_replay.${name} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
  endif()
endfunction()

# zv_bench(name SOURCES ... DEPS ...)
function(zv_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE benchmark::benchmark ${ARG_DEPS})
endfunction()
