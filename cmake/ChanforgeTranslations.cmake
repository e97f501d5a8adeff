# The translation catalogue: lupdate over the sources of the window and the dialogs, so a
# translator always starts from the texts the program shows today. The translations are checked
# in under translations/ and compiled with the program; the target chanforge_lupdate merges new
# catalogue texts into them.

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

# The libraries below the window mark their messages with CF_TR_NOOP (utils/Translatable.h).
set(translated_targets chanforge ChanforgeApp QPUI ChanforgeTransfer ChanforgeFleet QParser Widgetry ChanforgeEditing
                       ChanforgeTransponders ChanforgeMerge
                       ChanforgeDocument ChanforgeReference ChanforgeListPrint ChanforgeCheck ChanforgeConvert
                       ChanforgeWorkbook Utils)
set(translated_sources)
set(ts_includes)
foreach(target IN LISTS translated_targets)
  # lupdate follows the includes to learn each class's namespace, which is part of its context.
  get_target_property(includes ${target} INCLUDE_DIRECTORIES)
  foreach(include IN LISTS includes)
    if(include AND NOT include MATCHES "\\$<")
      list(APPEND ts_includes -I${include})
    endif()
  endforeach()
  get_target_property(files ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  foreach(file IN LISTS files)
    if(file MATCHES "\\.(cpp|h)$")
      cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY ${dir} NORMALIZE)
      list(APPEND translated_sources ${file})
    endif()
  endforeach()
endforeach()

set(CHANFORGE_TS ${CMAKE_BINARY_DIR}/translations/chanforge.ts)
set(ts_sources_list ${CMAKE_BINARY_DIR}/translations/sources.lst)
string(REPLACE ";" "\n" ts_lines "${translated_sources}")
file(CONFIGURE OUTPUT ${ts_sources_list} CONTENT "${ts_lines}\n")
add_custom_command(
  OUTPUT ${CHANFORGE_TS}
  COMMAND Qt6::lupdate -silent -no-obsolete -locations relative -source-language en
          -tr-function-alias QT_TRANSLATE_NOOP+=CF_TR_NOOP,QT_TRANSLATE_N_NOOP+=CF_TR_N_NOOP ${ts_includes}
          @${ts_sources_list} -ts ${CHANFORGE_TS}
  DEPENDS ${translated_sources} ${ts_sources_list}
  COMMENT "Collecting the texts to translate")
add_custom_target(chanforge-translations ALL DEPENDS ${CHANFORGE_TS})

# Compiled beside the programs' share/ folder, where the window looks for them in the build tree
# and once installed.
set(CHANFORGE_QM_DIR ${CMAKE_BINARY_DIR}/share/chanforge/translations)
set(language_ts)
foreach(language IN LISTS CHANFORGE_LANGUAGES)
  list(APPEND language_ts ${CMAKE_SOURCE_DIR}/translations/chanforge_${language}.ts)
endforeach()
set_source_files_properties(${language_ts} PROPERTIES OUTPUT_LOCATION ${CHANFORGE_QM_DIR})
list(REMOVE_DUPLICATES ts_includes)
string(REPLACE "-I" "" lupdate_includes "${ts_includes}")
qt_add_translations(chanforge
  TS_FILES ${language_ts}
  SOURCES ${translated_sources}
  INCLUDE_DIRECTORIES ${lupdate_includes}
  LUPDATE_OPTIONS -no-obsolete -locations none -source-language en
                  -tr-function-alias QT_TRANSLATE_NOOP+=CF_TR_NOOP,QT_TRANSLATE_N_NOOP+=CF_TR_N_NOOP
  LRELEASE_OPTIONS -silent
  QM_FILES_OUTPUT_VARIABLE chanforge_qm_files)
install(FILES ${chanforge_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/chanforge/translations)

if(CHANFORGE_BUILD_TESTS)
  # Texts must sit under their class's full name, the context tr() looks them up by at run time.
  set(check_catalogue [=[
for entry in "chanforge::app::CRightView|TV channels" "qpui::CDlgConfiguration|Product type :" \
             "EditResult|Name string is empty!"; do
  context=${entry%%|*}; text=${entry#*|}
  sed -n "/<name>$context<\/name>/,/<\/context>/p" "$1" | grep -qF "<source>$text</source>" ||
    { echo "catalogue lacks \"$text\" in $context"; exit 1; }
done]=])
  add_test(NAME TranslationCatalogueTest COMMAND sh -c "${check_catalogue}" sh ${CHANFORGE_TS})

  list(JOIN CHANFORGE_LANGUAGES "," shipped_languages)
  cf_add_test(ChanforgeTranslationTests SOURCES ${CMAKE_SOURCE_DIR}/translations/tests/CatalogueTest.cpp
              LIBS Qt6::Core)
  add_dependencies(ChanforgeTranslationTests chanforge-translations)
  target_compile_definitions(ChanforgeTranslationTests PRIVATE CHANFORGE_CATALOGUE="${CHANFORGE_TS}"
                             CHANFORGE_TRANSLATIONS="${CMAKE_SOURCE_DIR}/translations"
                             CHANFORGE_LANGUAGES="${shipped_languages}")
endif()
