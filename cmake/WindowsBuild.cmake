# Windows builds: the two deliverables, the tools, and (in the test build) the tests run under Wine.
enable_language(RC)
# No runtime DLLs: every module of every build links the compiler runtime statically.
add_link_options(-static -static-libgcc -static-libstdc++)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -DRC_INVOKED")

# Every Windows target: the oldest API level the deliverables support, no exceptions or RTTI.
add_library(winflags INTERFACE)
target_compile_definitions(winflags INTERFACE WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0400)
target_compile_options(winflags INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fno-threadsafe-statics>
  $<$<COMPILE_LANGUAGE:C,CXX>:-Wall -Wextra -ffunction-sections -fdata-sections>)
target_include_directories(winflags INTERFACE ${CMAKE_SOURCE_DIR})
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  # Nothing unwinds the stack without exceptions; 32-bit code needs no unwind tables.
  target_compile_options(winflags INTERFACE -fno-asynchronous-unwind-tables)
endif()

# A statically linked module that imports nothing but system DLLs.
function(make_standalone target)
  target_link_options(${target} PRIVATE -Wl,--gc-sections
    $<$<CONFIG:MinSizeRel,Release>:-s>)
endfunction()

if(BUILD_TESTS)
  configure_file(${CMAKE_SOURCE_DIR}/tools/wine/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
endif()

collect_sources(COMMON_SOURCES common)
add_library(common STATIC ${COMMON_SOURCES} ${COMMON_LOGIC_SOURCES})
target_link_libraries(common PUBLIC winflags advapi32 user32 gdi32 comctl32 comdlg32 shell32 ole32 oleaut32 uuid)

# Replacements for the C++ runtime pieces the deliverables need (operator new/delete without throwing).
collect_sources(RUNTIME_SOURCES common/runtime)
add_library(runtime_lite OBJECT ${RUNTIME_SOURCES})
target_link_libraries(runtime_lite PRIVATE winflags)

collect_sources(SETUP_SOURCES setup/core setup/engine setup/wizard)
add_library(setup_objs OBJECT ${SETUP_SOURCES} ${SETUP_LOGIC_SOURCES})
target_link_libraries(setup_objs PUBLIC common)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(SETUP_DEF ${CMAKE_SOURCE_DIR}/setup/Setup32.def)
else()
  set(SETUP_DEF ${CMAKE_SOURCE_DIR}/setup/Setup64.def)
endif()
file(GLOB SETUP_RC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/setup/resources/*.rc)
add_library(Setup SHARED $<TARGET_OBJECTS:setup_objs> $<TARGET_OBJECTS:runtime_lite> ${SETUP_RC} ${SETUP_DEF})
set_target_properties(Setup PROPERTIES PREFIX "" OUTPUT_NAME Setup)
target_link_libraries(Setup PRIVATE common)
target_include_directories(Setup PRIVATE ${CMAKE_SOURCE_DIR}/setup/resources)
make_standalone(Setup)

collect_sources(PURGEKIT_SOURCES purgekit)
if(PURGEKIT_SOURCES)
  add_library(purgekit_objs OBJECT ${PURGEKIT_SOURCES} ${PURGEKIT_LOGIC_SOURCES})
  target_link_libraries(purgekit_objs PUBLIC common newdev setupapi)
  # The uninstaller reads no raw registry bytes; its sources do not even see that operation.
  target_compile_definitions(purgekit_objs PRIVATE REGISTRY_NO_BYTES)
  file(GLOB PURGEKIT_RC CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/purgekit/*.rc)
  add_executable(purgekit WIN32 $<TARGET_OBJECTS:purgekit_objs> $<TARGET_OBJECTS:runtime_lite> ${PURGEKIT_RC})
  target_link_libraries(purgekit PRIVATE purgekit_objs)
  target_include_directories(purgekit PRIVATE ${CMAKE_SOURCE_DIR}/purgekit)
  make_standalone(purgekit)
endif()

foreach(dir sample tools/assets)
  if(EXISTS ${CMAKE_SOURCE_DIR}/${dir}/CMakeLists.txt)
    add_subdirectory(${dir})
  endif()
endforeach()
# The resource scripts include the generated pictures; a new picture rebuilds them.
if(TARGET assets)
  add_dependencies(Setup assets)
  target_include_directories(Setup PRIVATE ${ASSETS_DIR})
  set_source_files_properties(${SETUP_RC} PROPERTIES OBJECT_DEPENDS
    "${ASSETS_DIR}/setup_icon.ico;${ASSETS_DIR}/setup_frame.bmp;${ASSETS_DIR}/progress.avi")
  if(TARGET purgekit)
    add_dependencies(purgekit assets)
    target_include_directories(purgekit PRIVATE ${ASSETS_DIR})
    set_source_files_properties(${PURGEKIT_RC} PROPERTIES OBJECT_DEPENDS
      "${ASSETS_DIR}/purgekit_icon.ico;${ASSETS_DIR}/purgekit_side.bmp")
  endif()
endif()
file(GLOB TOOL_LISTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/CMakeLists.txt)
list(REMOVE_ITEM TOOL_LISTS ${CMAKE_SOURCE_DIR}/tools/assets/CMakeLists.txt)
foreach(list ${TOOL_LISTS})
  get_filename_component(dir ${list} DIRECTORY)
  add_subdirectory(${dir})
endforeach()

if(BUILD_TESTS)
  enable_testing()
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(LOGIC_TEST_SOURCES)
    add_gtest(logic_tests SOURCES ${LOGIC_TEST_SOURCES} ${SETUP_LOGIC_SOURCES} ${PURGEKIT_LOGIC_SOURCES}
              LIBS common gtest_main)
  endif()
  file(GLOB TEST_LISTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*/CMakeLists.txt)
  foreach(list ${TEST_LISTS})
    get_filename_component(dir ${list} DIRECTORY)
    add_subdirectory(${dir})
  endforeach()
endif()
