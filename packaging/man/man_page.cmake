# Writes the manual page of one program from its help, with help2man, as OUTPUT (roff) and
# OUTPUT.gz (what is installed). Run by the build (cmake -P) with:
#   PROGRAM     the program built
#   INCLUDE     help2man's include file: the sections the help does not hold
#   NAME_LINE   the text of the NAME section after the program's name
#   EXTRA_HELP  optional: the arguments of a second help (the desktop program's --export has
#               its own options), whose options go into a section of their own, EXTRA_TITLE
#   VERSION, EPOCH (the release's date, as seconds since 1970, for the page's date)
#   HELP2MAN, GZIP, OUTPUT

# The programs are asked without a display, so that no window can open.
set(quiet_env ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
              --unset=QT_QPA_PLATFORM SOURCE_DATE_EPOCH=${EPOCH})

# The page help2man makes from the help that `help_option` prints.
function(help_page help_option include out_var)
  set(include_argument)
  if(include)
    set(include_argument "--include=${include}")
  endif()
  execute_process(
    COMMAND ${quiet_env} ${HELP2MAN} --no-info "--version-string=${VERSION}"
            "--help-option=${help_option}" "--name=${NAME_LINE}" ${include_argument} ${PROGRAM}
    RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE errors TIMEOUT 120)
  if(NOT status STREQUAL "0")
    message(FATAL_ERROR "help2man failed on ${PROGRAM} ${help_option}: ${status}\n${errors}")
  endif()
  set(${out_var} "${page}" PARENT_SCOPE)
endfunction()

# Where the OPTIONS section's text starts in a page, and where the next section starts (the
# page's length when none follows).
function(options_bounds page start_var end_var)
  string(FIND "${page}" "\n.SH OPTIONS\n" heading)
  if(heading EQUAL -1)
    message(FATAL_ERROR "${PROGRAM}: help2man found no options")
  endif()
  math(EXPR start "${heading} + 13")
  string(SUBSTRING "${page}" ${start} -1 rest)
  string(FIND "${rest}" "\n.SH " next)
  if(next EQUAL -1)
    string(LENGTH "${page}" end)
  else()
    math(EXPR end "${start} + ${next} + 1")
  endif()
  set(${start_var} ${start} PARENT_SCOPE)
  set(${end_var} ${end} PARENT_SCOPE)
endfunction()

help_page("--help" "${INCLUDE}" page)

if(EXTRA_HELP)
  # The second help's options and the text after them, as a section after OPTIONS.
  help_page("${EXTRA_HELP}" "" extra)
  options_bounds("${extra}" start end)
  math(EXPR length "${end} - ${start}")
  string(SUBSTRING "${extra}" ${start} ${length} extra_options)
  string(STRIP "${extra_options}" extra_options)
  options_bounds("${page}" start end)
  string(SUBSTRING "${page}" 0 ${end} head)
  string(SUBSTRING "${page}" ${end} -1 tail)
  string(STRIP "${head}" head)
  set(page "${head}\n.SH \"${EXTRA_TITLE}\"\n${extra_options}\n${tail}")
endif()

# kalodaya-chart's help names the core count of the machine it runs on ("one per core, 2
# here"), which would be wrong on the reader's.
string(REGEX REPLACE ", [0-9]+ here\\)" ")" page "${page}")
# help2man starts a new paragraph at the continuation of an example's command line that ends
# in a backslash; it stays in the example's paragraph, on a line of its own.
string(REPLACE "\\e\n.HP\n" "\\e\n.br\n" page "${page}")

file(WRITE "${OUTPUT}" "${page}")
# Debian wants manual pages compressed to the maximum, without a name or time in the header.
execute_process(COMMAND ${GZIP} -9n -c "${OUTPUT}" OUTPUT_FILE "${OUTPUT}.gz" RESULT_VARIABLE status)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${GZIP} failed on ${OUTPUT}: ${status}")
endif()
