# Catalogues are compiled from the .ts files at build time and embedded under :/i18n.
set(ORVANTA_LANGUAGES de_DE en_US fr_FR ja_JP ko_KR ru_RU)
set(ORVANTA_TS_FILES)
foreach(lang ${ORVANTA_LANGUAGES})
  list(APPEND ORVANTA_TS_FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/i18n/orvanta_${lang}.ts)
endforeach()
set(ORVANTA_QM_DIR ${CMAKE_CURRENT_BINARY_DIR}/i18n)
set_source_files_properties(${ORVANTA_TS_FILES} PROPERTIES OUTPUT_LOCATION ${ORVANTA_QM_DIR})
qt_add_lrelease(orvanta_gui TS_FILES ${ORVANTA_TS_FILES} QM_FILES_OUTPUT_VARIABLE ORVANTA_QM_FILES)
# On the export library, so the command line prints its quotations in the same language.
qt_add_resources(orvanta_export_gui "orvanta_translations" PREFIX /i18n BASE ${ORVANTA_QM_DIR} FILES ${ORVANTA_QM_FILES})

# The texts live in both libraries, so lupdate scans the source folders rather than one target.
get_target_property(ORVANTA_LUPDATE Qt6::lupdate IMPORTED_LOCATION)
set(ORVANTA_SOURCE_DIRS)
foreach(dir app documents analysis pricing storage settings_dialog quote_history export zip cli)
  if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
    list(APPEND ORVANTA_SOURCE_DIRS ${dir})
  endif()
endforeach()
add_custom_target(update_translations
  COMMAND ${ORVANTA_LUPDATE} -no-obsolete -locations none -extensions cpp,h ${ORVANTA_SOURCE_DIRS} -ts ${ORVANTA_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
  VERBATIM)
