# Helpers shared by every library directory.

include(GNUInstallDirs)
# The libraries are private to the programs: they install into a folder of their own, found
# through a relative RPATH so the installed tree works under any prefix or DESTDIR. Under a
# multiarch folder they stay out of the linker cache, so installing needs no ldconfig run.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(CHANFORGE_INSTALL_PRIVATE_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/chanforge)
else()
  set(CHANFORGE_INSTALL_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/chanforge)
endif()
file(RELATIVE_PATH CHANFORGE_BIN_TO_LIBS /${CMAKE_INSTALL_BINDIR} /${CHANFORGE_INSTALL_PRIVATE_LIBDIR})

# cf_add_library(NAME SOURCES...): a shared library whose public headers sit in include/.
function(cf_add_library name)
  add_library(${name} SHARED ${ARGN})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/include)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET default INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${name} LIBRARY DESTINATION ${CHANFORGE_INSTALL_PRIVATE_LIBDIR}
          PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

# cf_install_programs(TARGETS...): programs into bin/, finding the private libraries.
function(cf_install_programs)
  set_target_properties(${ARGN} PROPERTIES INSTALL_RPATH "$ORIGIN/${CHANFORGE_BIN_TO_LIBS}")
  install(TARGETS ${ARGN} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
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

# cf_add_qt_test(NAME SOURCES... [LIBS ...] [LABELS ...] [STBSIM] [CLI] [BACKUPS] [DEPENDS ...]): a
# QtTest program that drives widgets offscreen with a settings store of its own. STBSIM and CLI
# hand it the path of the virtual receiver or the command-line program (and build them first);
# BACKUPS gives it a backup folder of its own.
function(cf_add_qt_test name)
  cmake_parse_arguments(T "STBSIM;CLI;BACKUPS" "" "SOURCES;LIBS;LABELS;DEPENDS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  set(env "QT_QPA_PLATFORM=offscreen" "CHANFORGE_SETTINGS=${CMAKE_BINARY_DIR}/test-settings/${name}.ini")
  if(T_BACKUPS)
    list(APPEND env "CHANFORGE_BACKUP_DIR=${CMAKE_BINARY_DIR}/test-backups/${name}")
  endif()
  foreach(program IN ITEMS STBSIM CLI)
    if(T_${program})
      string(TOLOWER "chanforge-${program}" target)
      target_compile_definitions(${name} PRIVATE CHANFORGE_${program}="$<TARGET_FILE:${target}>")
      target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/testing) # StbSimProcess.h
      list(APPEND T_DEPENDS ${target})
    endif()
  endforeach()
  if(T_DEPENDS)
    add_dependencies(${name} ${T_DEPENDS})
  endif()
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" LABELS "${T_LABELS}")
endfunction()
