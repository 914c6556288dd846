# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the program as a desktop application (binary, desktop entry, file type, icons,
# AppStream metadata, manual page, copyright and changelog) and describes its Debian package for
# CPack.
include(GNUInstallDirs)

# One id names the desktop entry, the file type package, the metadata and the icon.
set(TALLIMER_APP_ID org.tallimer.Calculator)

install(TARGETS tallimer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tallimer_print LIBRARY DESTINATION ${TALLIMER_PRINT_LIBRARY_DIR})

install(FILES data/${TALLIMER_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${TALLIMER_APP_ID}.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

configure_file(data/${TALLIMER_APP_ID}.metainfo.xml.in ${TALLIMER_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${TALLIMER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

configure_file(data/tallimer.1.in tallimer.1 @ONLY)

# The theme's icons are rendered from the window's icon at build time.
add_executable(tallimer_render_icons tools/render_icons.cpp)
target_link_libraries(tallimer_render_icons PRIVATE tallimer_window)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(icon_files ${icon_dir}/hicolor/scalable/apps/${TALLIMER_APP_ID}.svg)
foreach(size 32 48 128)
  list(APPEND icon_files ${icon_dir}/hicolor/${size}x${size}/apps/${TALLIMER_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND tallimer_render_icons ${icon_dir} ${TALLIMER_APP_ID}
  DEPENDS tallimer_render_icons
  COMMENT "Rendering the theme icons")
add_custom_target(tallimer_icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${icon_dir}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# The Debian package. Its library dependencies come from the binary; Liberation Sans stands in
# for Arial with the same metrics. The desktop, MIME, icon and manual databases refresh through
# the dpkg file triggers of the packages that own them, so no maintainer scripts are needed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallimer)
set(CPACK_PACKAGE_VENDOR "Tallimer")
set(CPACK_PACKAGE_CONTACT "Tallimer developers <tallimer@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop adding machine with an editable paper tape")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Tallimer Calculator is a desktop adding machine with a paper tape. Every\n"
  "number typed becomes a line of the tape with its own operator, and the total\n"
  "is worked out again from the whole tape after every change, in exact 28-digit\n"
  "decimal arithmetic. It keeps a one-value memory, shows fixed or variable\n"
  "decimals and the average, median or mode of the tape, sorts, copies and\n"
  "pastes the tape, and saves it to calculation files (.Clc).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# Glyphs for the Arabic, Hebrew and Persian texts, for the Chinese, Japanese and Korean, and
# for the Hindi and Thai ones with their shaping.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-dejavu-core, fonts-wqy-microhei, fonts-lohit-deva, fonts-tlwg-garuda-ttf")

# The manual page and the changelog go compressed, as Debian ships them; -n leaves the time out.
include(cmake/debian_docs.cmake)
set(docs_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(man_page ${CMAKE_CURRENT_BINARY_DIR}/tallimer.1)
set(gzipped ${man_page}.gz ${TALLIMER_DEBIAN_CHANGELOG}.gz)
add_custom_command(OUTPUT ${gzipped}
  COMMAND gzip -9nkf ${man_page} ${TALLIMER_DEBIAN_CHANGELOG}
  DEPENDS ${man_page} ${TALLIMER_DEBIAN_CHANGELOG}
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(tallimer_gzipped_docs ALL DEPENDS ${gzipped})
install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TALLIMER_DEBIAN_COPYRIGHT} ${TALLIMER_DEBIAN_CHANGELOG}.gz DESTINATION ${docs_dir})
include(CPack)
