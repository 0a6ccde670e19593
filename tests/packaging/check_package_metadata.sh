#!/usr/bin/env bash
# The package's documents agree with the sources: the AppStream metadata is valid, names the
# desktop file and screenshots that exist, and the release that the changelog and the project
# version name; every path of the copyright file names files that exist, and every licence it
# names has its text.
#   check_package_metadata.sh SOURCE_DIR BUILT_COPYRIGHT_FILE VERSION
set -uo pipefail
source_dir=$1 copyright=$2 version=$3
packaging=$source_dir/packaging
metainfo=$packaging/org.kalodaya.Kalodaya.metainfo.xml
failures=0
fail() {
  echo "$*"
  failures=$((failures + 1))
}

# AppStream: what software centres read.
if ! appstreamcli validate --no-net --strict "$metainfo"; then
  fail "appstreamcli does not accept $metainfo"
fi
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$packaging/$launchable" ] || fail "the launchable desktop file '$launchable' is not in packaging/"
release=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$release" = "$version" ] || fail "the metainfo's latest release is '$release', the project's version $version"
for image in $(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$metainfo"); do
  [ -f "$source_dir/docs/screenshots/$(basename "$image")" ] ||
    fail "screenshot $image is not one of docs/screenshots"
done

# The changelog's latest entry is this version.
entry=$(sed -n '1s/^kalodaya (\([^)]*\)).*/\1/p' "$packaging/changelog")
[ "$entry" = "$version" ] || fail "the changelog's latest entry is '$entry', the project's version $version"

# The copyright file: each Files pattern (where * also crosses folders) matches a file.
while read -r pattern; do
  [ "$pattern" = "*" ] && continue
  [ -n "$(cd "$source_dir" && find . -path "./$pattern" -type f -print -quit)" ] ||
    fail "copyright: 'Files: $pattern' matches no file"
done < <(sed -n 's/^Files: //p' "$copyright" | tr ' ' '\n' | sed '/^$/d')

# Every licence a paragraph names (each name of an "A and B" expression) has its text: in the
# paragraph itself, or in a paragraph of its own that starts "License: NAME" followed by text.
awk '
  /^License: / {
    name = substr($0, 10)
    count = split(name, parts, / (and|or) /)
    for (i = 1; i <= count; ++i) named[parts[i]] = 1
    getline nextline
    if (nextline ~ /^ /) text[name] = 1
  }
  END {
    for (name in named) if (!(name in text)) { print "copyright: no text of licence " name; bad = 1 }
    exit bad
  }' "$copyright" || failures=$((failures + 1))

if ((failures)); then
  echo "$failures problem(s)"
  exit 1
fi
echo "the package's metadata agrees with the sources"
