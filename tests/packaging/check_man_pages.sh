#!/usr/bin/env bash
# Each manual page names every option its program's help lists, and man reads it without a
# warning. Arguments: pairs of program and page (roff).
#   check_man_pages.sh build/src/cli/kalodaya-chart build/packaging/man/kalodaya-chart.1 ...
set -uo pipefail

# The help of a program: every form it answers (the desktop program has a second one for
# --export), asked without a display so that a window can never open.
help_texts() {
  local program=$1
  for option in "--help" "--export --help"; do
    # shellcheck disable=SC2086  # the option is one or two words
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$program" $option 2>/dev/null
  done
}

# The page as text with roff's escapes taken out: \- is a hyphen, \fB...\fR a font change.
page_text() {
  sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' -e 's/\\f([A-Z][A-Z]//g' -e 's/\\[,/]//g' "$1"
}

failures=0
while (($# >= 2)); do
  program=$1 page=$2
  shift 2
  name=$(basename "$program")
  if [ ! -s "$page" ]; then
    echo "$name: no manual page at $page"
    failures=$((failures + 1))
    continue
  fi
  # Options are the lines of the help that start with blanks and a dash.
  options=$(help_texts "$program" | grep -E '^[[:space:]]+-' | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
  if [ -z "$options" ]; then
    echo "$name: its help lists no options"
    failures=$((failures + 1))
  fi
  text=$(page_text "$page")
  for option in $options; do
    if ! grep -qE -- "${option}([^a-z0-9-]|\$)" <<<"$text"; then
      echo "$name: $option is in the help but not in the manual page"
      failures=$((failures + 1))
    fi
  done
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "$name: man warns about the page:"
    echo "$warnings"
    failures=$((failures + 1))
  fi
done
if ((failures)); then
  echo "$failures problem(s)"
  exit 1
fi
echo "every option is in its manual page"
