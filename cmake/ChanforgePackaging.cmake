# Installs the programs as a desktop program (menu entry, icon, file type, manual pages,
# samples) and packages them as a .deb. The libraries install themselves (cf_add_library).

set(packaging_dir ${CMAKE_SOURCE_DIR}/packaging)
set(generated_dir ${CMAKE_BINARY_DIR}/packaging)
set(CHANFORGE_PROGRAMS chanforge chanforge-cli chanforge-stbsim)
cf_install_programs(${CHANFORGE_PROGRAMS})

# Manual pages: the command-line programs' pages are written from their --help on every build
# of the program; Debian wants them compressed without a timestamp.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_pages)
function(cf_man_page name)
  cmake_parse_arguments(M "SUBCOMMANDS" "PROGRAM" "" ${ARGN})
  set(page ${generated_dir}/${name}.1)
  if(M_PROGRAM)
    add_custom_command(
      OUTPUT ${page}.gz
      # A sanitizer build's leak report at exit is no business of the manual page.
      COMMAND ${CMAKE_COMMAND} -E env CHANFORGE_SETTINGS=${generated_dir}/help-settings.ini ASAN_OPTIONS=detect_leaks=0
              ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${M_PROGRAM}> -DTEMPLATE=${packaging_dir}/${name}.1.in
              -DOUTPUT=${page} -DPROJECT_VERSION=${PROJECT_VERSION} -DSUBCOMMANDS=${M_SUBCOMMANDS}
              -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
      COMMAND ${GZIP_PROGRAM} -9nf ${page}
      DEPENDS ${M_PROGRAM} ${packaging_dir}/${name}.1.in ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
      COMMENT "Writing the ${name}(1) manual page from its --help")
  else()
    configure_file(${packaging_dir}/${name}.1.in ${page} @ONLY)
    add_custom_command(OUTPUT ${page}.gz COMMAND ${GZIP_PROGRAM} -9nkf ${page} DEPENDS ${page})
  endif()
  set(man_pages ${man_pages} ${page}.gz PARENT_SCOPE)
endfunction()
cf_man_page(chanforge)
cf_man_page(chanforge-cli PROGRAM chanforge-cli SUBCOMMANDS)
cf_man_page(chanforge-stbsim PROGRAM chanforge-stbsim)

configure_file(${packaging_dir}/changelog.in ${generated_dir}/changelog @ONLY)
add_custom_command(
  OUTPUT ${generated_dir}/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nkf ${generated_dir}/changelog
  DEPENDS ${generated_dir}/changelog)
add_custom_target(chanforge-packaging ALL DEPENDS ${man_pages} ${generated_dir}/changelog.gz)

install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/chanforge.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_dir}/chanforge-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME chanforge.xml)
install(FILES ${packaging_dir}/chanforge.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging_dir}/chanforge.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes
        RENAME application-x-chanforge-channels.svg)
install(FILES ${packaging_dir}/copyright ${generated_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/chanforge)
install(DIRECTORY ${CMAKE_BINARY_DIR}/samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/chanforge/samples
        FILES_MATCHING PATTERN "*.bin")

set(CPACK_PACKAGE_NAME chanforge)
set(CPACK_PACKAGE_VENDOR "Chanforge")
set(CPACK_PACKAGE_CONTACT "Chanforge maintainers <maintainers@chanforge.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel list editor for digital TV receivers")
set(CPACK_PACKAGE_DESCRIPTION [=[
Shows and edits the channel database of digital TV receivers: satellites,
transponders, multiplexes, providers, TV and radio channels and favourite
groups. It receives the database over a serial line or opens it from a channel
file, exchanges the channel table with workbooks and sends it back. A
command-line program does the same for scripts, and a virtual receiver lets one
try the transfers without hardware.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own catalogues translate the standard buttons and file dialogs of the window.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Update transponders offers the system's scan table of a satellite's position.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS dtv-scan-tables)
# dpkg-shlibdeps finds the private libraries in the package's own tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/lib)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)

if(CHANFORGE_BUILD_TESTS)
  add_test(NAME InstallTest COMMAND ${packaging_dir}/install-test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(InstallTest PROPERTIES LABELS install)
endif()
