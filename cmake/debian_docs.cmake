# SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The package's copyright file, in Debian's machine-readable format, and its changelog, both
# made from what the project already states: the header of .reuse/dep5, the copyright and
# license set in CMakeLists.txt, and the releases of the AppStream metadata. Sets
# TALLIMER_DEBIAN_COPYRIGHT and TALLIMER_DEBIAN_CHANGELOG to the files made.

set(dep5 ${CMAKE_SOURCE_DIR}/.reuse/dep5)
set(metainfo_in ${CMAKE_SOURCE_DIR}/data/${TALLIMER_APP_ID}.metainfo.xml.in)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${dep5} ${metainfo_in})

# Debian's texts of both licenses are in common-licenses, which the file points to.
string(CONCAT license_GPL-3.0-or-later
  " This program is free software: you can redistribute it and/or modify it under\n"
  " the terms of the GNU General Public License as published by the Free Software\n"
  " Foundation, either version 3 of the License, or (at your option) any later\n"
  " version.\n"
  " .\n"
  " This program is distributed in the hope that it will be useful, but WITHOUT ANY\n"
  " WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A\n"
  " PARTICULAR PURPOSE. See the GNU General Public License for more details.\n"
  " .\n"
  " On Debian systems, the complete text of the GNU General Public License version 3\n"
  " can be found in \"/usr/share/common-licenses/GPL-3\".\n")
string(CONCAT license_CC0-1.0
  " To the extent possible under law, the authors have dedicated all copyright and\n"
  " related and neighboring rights to this metadata to the public domain worldwide.\n"
  " It is distributed without any warranty.\n"
  " .\n"
  " On Debian systems, the complete text of the CC0 1.0 Universal license can be\n"
  " found in \"/usr/share/common-licenses/CC0-1.0\".\n")

file(READ ${dep5} dep5_text)
string(REGEX REPLACE "\n\n.*" "\n" copyright "${dep5_text}")
string(APPEND copyright "\nFiles: *\nCopyright: ${TALLIMER_COPYRIGHT}\n"
  "License: ${TALLIMER_LICENSE}\n"
  "\nFiles: data/${TALLIMER_APP_ID}.metainfo.xml.in\nCopyright: ${TALLIMER_COPYRIGHT}\n"
  "License: ${TALLIMER_METADATA_LICENSE}\n")
foreach(license IN ITEMS ${TALLIMER_LICENSE} ${TALLIMER_METADATA_LICENSE})
  if(NOT DEFINED license_${license})
    message(FATAL_ERROR "debian_docs.cmake has no text for the license ${license}")
  endif()
  string(APPEND copyright "\nLicense: ${license}\n${license_${license}}")
endforeach()
set(TALLIMER_DEBIAN_COPYRIGHT ${CMAKE_CURRENT_BINARY_DIR}/debian/copyright)
file(CONFIGURE OUTPUT ${TALLIMER_DEBIAN_COPYRIGHT} CONTENT "${copyright}" @ONLY)

# One changelog entry per release, newest first, as the metadata lists them; the newest must be
# this version, so that the history is kept.
file(READ ${metainfo_in} metainfo)
# Semicolons would split CMake's lists: kept as their XML reference until the end.
string(REPLACE ";" "&#59;" metainfo "${metainfo}")
string(REGEX MATCHALL "<release [^>]*>.*</release>" releases "${metainfo}")
string(REGEX MATCHALL "<release [^<]*<description>([^/]|/[^r])*" releases "${releases}")
set(changelog "")
set(first TRUE)
foreach(release IN LISTS releases)
  string(REGEX MATCH "version=\"([^\"]+)\"" _ "${release}")
  set(version ${CMAKE_MATCH_1})
  string(REGEX MATCH "date=\"([^\"]+)\"" _ "${release}")
  set(date ${CMAKE_MATCH_1})
  if(first AND NOT version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The newest release in ${metainfo_in} is ${version}, not "
      "${PROJECT_VERSION}: add this version's release there")
  endif()
  set(first FALSE)
  execute_process(COMMAND date -u -R -d ${date} OUTPUT_VARIABLE stamp
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  # The description's paragraphs, each one bullet wrapped to 80 columns.
  string(REGEX MATCHALL "<p>[^<]*</p>" paragraphs "${release}")
  set(items "")
  foreach(paragraph IN LISTS paragraphs)
    string(REGEX REPLACE "</?p>" "" paragraph "${paragraph}")
    string(STRIP "${paragraph}" paragraph)
    string(REGEX REPLACE "[ \n\t]+" ";" words "${paragraph}")
    set(line "  *")
    foreach(word IN LISTS words)
      string(LENGTH "${line} ${word}" length)
      if(length GREATER 80)
        string(APPEND items "${line}\n")
        set(line "   ")
      endif()
      string(APPEND line " ${word}")
    endforeach()
    string(APPEND items "${line}\n")
  endforeach()
  string(REPLACE "&#59;" ";" items "${items}")
  string(APPEND changelog "${CPACK_PACKAGE_NAME} (${version}) unstable; urgency=medium\n\n"
    "${items}\n -- ${CPACK_PACKAGE_CONTACT}  ${stamp}\n\n")
endforeach()
if(first)
  message(FATAL_ERROR "${metainfo_in} lists no release with a description")
endif()
set(TALLIMER_DEBIAN_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog)
file(CONFIGURE OUTPUT ${TALLIMER_DEBIAN_CHANGELOG} CONTENT "${changelog}" @ONLY)
