# What a Debian package documents beside the programs: the machine-readable copyright file, the
# changelog, the manual pages and the AppStream metadata. Included from packaging/CMakeLists.txt
# once the programs' targets exist.
set(kalodaya_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/kalodaya)
set(package_docs_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${package_docs_dir})

# The copyright file: packaging/copyright, a sentence on the Swiss Ephemeris where the programs
# use it, and the project's licence with the full text of LICENSE (Debian keeps no copy of the
# AGPL). Lines of a field's text start with a blank, and an empty line is written " .".
set(copyright_sources ${CMAKE_CURRENT_SOURCE_DIR}/copyright ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${copyright_sources})
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/copyright copyright_text)
if(KALODAYA_WITH_SWISS_EPHEMERIS)
  string(CONCAT swiss_ephemeris_note
         " .\n  The Swiss Ephemeris 2.10, Copyright 1997-2022 Astrodienst AG, Switzerland;\n"
         "  licensed under the GNU Affero General Public License version 3 below.\n")
else()
  set(swiss_ephemeris_note "")
endif()
string(REPLACE "@SWISS_EPHEMERIS@\n" "${swiss_ephemeris_note}" copyright_text "${copyright_text}")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE licence_lines)
set(licence_text "")
foreach(line IN LISTS licence_lines)
  string(REGEX REPLACE "[ \t]+$" "" line "${line}")
  if(line STREQUAL "")
    string(APPEND licence_text " .\n")
  else()
    string(APPEND licence_text " ${line}\n")
  endif()
endforeach()
string(APPEND copyright_text "
License: AGPL-3.0-or-later
 This program is free software: you can redistribute it and/or modify it
 under the terms of the GNU Affero General Public License as published by the
 Free Software Foundation, either version 3 of the License, or (at your
 option) any later version.
 .
 This program is distributed in the hope that it will be useful, but WITHOUT
 ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS
 FOR A PARTICULAR PURPOSE. See the GNU Affero General Public License for more
 details.
 .
${licence_text}")
file(WRITE ${package_docs_dir}/copyright.new "${copyright_text}")
file(COPY_FILE ${package_docs_dir}/copyright.new ${package_docs_dir}/copyright ONLY_IF_DIFFERENT)
install(FILES ${package_docs_dir}/copyright DESTINATION ${kalodaya_doc_dir})

# The changelog, compressed as Debian wants it: to the maximum, without a name or time.
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(changelog ${package_docs_dir}/changelog COPYONLY)
add_custom_command(OUTPUT ${package_docs_dir}/changelog.gz
                   COMMAND ${GZIP_PROGRAM} -9nkf ${package_docs_dir}/changelog
                   DEPENDS ${package_docs_dir}/changelog VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${package_docs_dir}/changelog.gz)
install(FILES ${package_docs_dir}/changelog.gz DESTINATION ${kalodaya_doc_dir})

# The manual pages, made from each program's help when it is built; the packaging tests compare
# them with the help (the global property KALODAYA_MAN_PAGES lists program;page pairs).
find_program(HELP2MAN_PROGRAM help2man)
set(man_page_dir ${CMAKE_CURRENT_BINARY_DIR}/man)
function(kalodaya_man_page target name_line)
  # Optional: the arguments of a second help and the title of the section its options go in.
  set(extra_help "${ARGV2}")
  set(extra_title "${ARGV3}")
  set(page ${man_page_dir}/${target}.1)
  set(include ${CMAKE_CURRENT_SOURCE_DIR}/man/${target}.h2m)
  add_custom_command(
    OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> "-DNAME_LINE=${name_line}"
            "-DEXTRA_HELP=${extra_help}" "-DEXTRA_TITLE=${extra_title}" -DINCLUDE=${include}
            -DVERSION=${PROJECT_VERSION} -DEPOCH=${release_epoch} -DHELP2MAN=${HELP2MAN_PROGRAM}
            -DGZIP=${GZIP_PROGRAM} -DOUTPUT=${page}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/man/man_page.cmake
    DEPENDS ${target} ${include} ${CMAKE_CURRENT_SOURCE_DIR}/man/man_page.cmake
    COMMENT "Manual page of ${target}" VERBATIM)
  add_custom_target(${target}_man_page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set_property(GLOBAL APPEND PROPERTY KALODAYA_MAN_PAGES $<TARGET_FILE:${target}> ${page})
endfunction()

if(CMAKE_CROSSCOMPILING)
  message(STATUS "Cross-compiling: no manual pages (they are made by running the programs)")
elseif(NOT HELP2MAN_PROGRAM)
  message(WARNING "help2man not found: the programs get no manual pages")
else()
  # The release's date, the changelog's latest, dates the pages (so the same sources give the
  # same pages on any day).
  file(STRINGS changelog trailer_lines REGEX "^ -- ")
  list(GET trailer_lines 0 latest_trailer)
  string(REGEX REPLACE "^ -- .*>  " "" release_date "${latest_trailer}")
  execute_process(COMMAND date -u -d "${release_date}" +%s OUTPUT_VARIABLE release_epoch
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY ${man_page_dir})
  kalodaya_man_page(kalodaya-chart "compute ghati lagna charts as JSON")
  if(TARGET kalodaya)
    kalodaya_man_page(kalodaya "ghati lagna calculator with a Vedic birth chart"
                      "--export --help" "EXPORT OPTIONS")
  endif()
endif()

# A stripped install (the package's) also drops the compiler's version notes, as Debian's own
# packages do. This runs after src/ has installed the programs.
install(CODE "set(kalodaya_objcopy \"${CMAKE_OBJCOPY}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP AND kalodaya_objcopy)
    foreach(program kalodaya kalodaya-chart)
      set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/${program}")
      if(EXISTS "${file}")
        execute_process(COMMAND "${kalodaya_objcopy}" --remove-section=.comment "${file}"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endif()
]])

# What lintian is told not to hold against the package, with the reasons.
install(FILES lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME kalodaya)

# The AppStream metadata, for software centres.
install(FILES org.kalodaya.Kalodaya.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
