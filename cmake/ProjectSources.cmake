# Source collection shared by every build: each folder's .cpp files, and the Windows-free ones under logic/.
function(collect_sources out)
  set(files)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

collect_sources(COMMON_LOGIC_SOURCES common/logic)
collect_sources(SETUP_LOGIC_SOURCES setup/core/logic setup/engine/logic setup/wizard/logic)
collect_sources(PURGEKIT_LOGIC_SOURCES purgekit/logic)
collect_sources(LOGIC_TEST_SOURCES tests/logic)

set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")

# Every test program links GoogleTest; on Windows builds it runs under Wine through the emulator.
function(add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gtest gmock)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(T_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${T_ENV}")
  endif()
endfunction()
