# Helpers shared by every library directory.

# cf_add_library(NAME SOURCES...): a shared library whose public headers sit in include/.
function(cf_add_library name)
  add_library(${name} SHARED ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET default)
endfunction()

# cf_add_test(NAME SOURCES... LIBS ...): a GoogleTest binary registered with CTest; each test
# process gets a settings store of its own (testing/TestMain.cpp).
function(cf_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} ChanforgeTestMain)
  set(properties ENVIRONMENT "CHANFORGE_SETTINGS=${CMAKE_BINARY_DIR}/test-settings/${name}.ini")
  if(T_LABELS)
    list(APPEND properties LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
