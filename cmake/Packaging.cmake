# What `cmake --install` and the Debian package put on a machine: both programs, the icon in every
# size the menus ask for, the desktop entry, the AppStream metainfo, manual pages and the files
# Debian expects under share/doc.
set(ORVANTA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/orvanta)
set(ORVANTA_PACKAGING_DIR ${PROJECT_BINARY_DIR}/packaging)
string(TIMESTAMP ORVANTA_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP ORVANTA_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

install(TARGETS orvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/org.orvanta.Orvanta.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 24 32 48 64 128)
  install(FILES resources/icons/orvanta-${size}.png RENAME orvanta.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES resources/app-icon.png RENAME orvanta.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES resources/icons/orvanta.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(packaging/org.orvanta.Orvanta.metainfo.xml.in ${ORVANTA_PACKAGING_DIR}/org.orvanta.Orvanta.metainfo.xml @ONLY)
install(FILES ${ORVANTA_PACKAGING_DIR}/org.orvanta.Orvanta.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants its documents compressed without a time stamp (gzip -n).
configure_file(packaging/changelog.in ${ORVANTA_PACKAGING_DIR}/changelog @ONLY)
set(_gzipped ${ORVANTA_PACKAGING_DIR}/changelog.gz)
add_custom_command(OUTPUT ${_gzipped}
  COMMAND gzip -9n -c ${ORVANTA_PACKAGING_DIR}/changelog > ${_gzipped}
  DEPENDS ${ORVANTA_PACKAGING_DIR}/changelog VERBATIM)
install(FILES ${_gzipped} packaging/copyright DESTINATION ${ORVANTA_DOC_DIR})

# Manual pages made from each program's own --help, so they cannot drift from it.
find_program(HELP2MAN_EXE help2man)
set(ORVANTA_MANUAL_NAME_orvanta "price documents for printing")
set(ORVANTA_MANUAL_NAME_orvanta-cli "analyse and price documents for printing without a window")
if(HELP2MAN_EXE)
  foreach(program orvanta orvanta-cli)
    set(_page ${ORVANTA_PACKAGING_DIR}/${program}.1)
    add_custom_command(OUTPUT ${_page}.gz
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
              ${HELP2MAN_EXE} --no-info --no-discard-stderr --name=${ORVANTA_MANUAL_NAME_${program}}
              --output=${_page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${_page}
      DEPENDS ${program} VERBATIM)
    list(APPEND _gzipped ${_page}.gz)
    install(FILES ${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(STATUS "help2man not found: the manual pages are left out (apt-get install help2man)")
endif()
add_custom_target(packaging_files ALL DEPENDS ${_gzipped})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Orvanta")
set(CPACK_PACKAGE_CONTACT "Orvanta developers <orvanta@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "price documents for printing")
set(CPACK_PACKAGE_INSTALL_DIRECTORY orvanta)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Plugins are loaded at run time, so dpkg-shlibdeps cannot see them: the price database's SQLite
# driver, the stylesheet's SVG arrows, WebP and TIFF pictures, and a Chinese face for the interface.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6, qt6-image-formats-plugins, fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libreoffice-writer-nogui | libreoffice-writer, qt6-translations-l10n")
# CPack puts the summary above this and indents it as a Debian description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orvanta turns a pile of documents into a priced print quotation. Documents,
images or whole folders dropped on its window each become a row with the
detected page count and paper size, priced from the active price profile;
the quotation is exported as a PDF and as an Excel workbook.

It reads PDF, DOCX, DOC, WPS and common image files. LibreOffice, when
installed, counts the pages of Word files that do not store their count.
The orvanta-cli program analyses and prices documents without a window.")
include(CPack)
