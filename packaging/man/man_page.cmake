# Writes the manual page of one program from its help, with help2man, as OUTPUT (roff) and
# OUTPUT.gz (what is installed). Run by the build (cmake -P) with:
#   PROGRAM   the program built
#   HELP      the arguments that make it print its help: alternatives separated by "|", the
#             first it answers with status 0 is used ("--help|--export --help")
#   INCLUDE   help2man's include file: the sections the help does not hold
#   NAME_LINE the text of the NAME section after the program's name (empty: INCLUDE has it)
#   VERSION, EPOCH (the release's date, as seconds since 1970, for the page's date)
#   HELP2MAN, GZIP, OUTPUT

# The programs are asked without a display, so a desktop program that does not know an option
# refuses at once rather than opening its window.
set(quiet_env ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
              --unset=QT_QPA_PLATFORM SOURCE_DATE_EPOCH=${EPOCH})

string(REPLACE "|" ";" alternatives "${HELP}")
unset(help_option)
foreach(alternative IN LISTS alternatives)
  separate_arguments(arguments UNIX_COMMAND "${alternative}")
  execute_process(COMMAND ${quiet_env} ${PROGRAM} ${arguments}
                  RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_QUIET TIMEOUT 60)
  if(status STREQUAL "0" AND help MATCHES "--help")
    set(help_option "${alternative}")
    break()
  endif()
endforeach()
if(NOT DEFINED help_option)
  message(FATAL_ERROR "${PROGRAM} prints no help for any of: ${HELP}")
endif()

set(name_argument)
if(NAME_LINE)
  set(name_argument "--name=${NAME_LINE}")
endif()
execute_process(
  COMMAND ${quiet_env} ${HELP2MAN} --no-info "--version-string=${VERSION}"
          "--help-option=${help_option}" "--include=${INCLUDE}" ${name_argument} ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE page ERROR_VARIABLE errors TIMEOUT 120)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "help2man failed on ${PROGRAM}: ${status}\n${errors}")
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
