#!/usr/bin/env bash
# kalodaya-chart for 64-bit Windows: installs what is missing (Debian 12), cross-builds the
# Qt-free layers and kalodaya-chart with mingw-w64, runs their tests and the golden charts under
# wine, and writes build/windows/kalodaya-windows-x64.zip (kalodaya-chart.exe, the atlas beside
# it, a README for Windows users and the licences). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
started=$SECONDS

packages=(
  g++-mingw-w64-x86-64-posix wine64 cmake ninja-build
  nlohmann-json3-dev libcli11-dev googletest xz-utils zip
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm and python3 may come from elsewhere than Debian's packages: any on the PATH will do.
for tool in npm python3; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# SQLite's amalgamation (public domain) as better-sqlite3 ships it: the package is pinned by
# version and checksum, and only its two SQLite files are used.
sqlite_package=better-sqlite3@12.4.1
sqlite_sha256=14398acbf00d1e8fe0a2753df7d4f15c13138e4b874f4e6e96791f65b4536d0d
deps="$root/build/windows-deps"
if [[ ! -f "$deps/sqlite/sqlite3.c" ]]; then
  mkdir -p "$deps/sqlite"
  (cd "$deps" && npm pack --silent "$sqlite_package" >/dev/null)
  tarball="$deps/better-sqlite3-12.4.1.tgz"
  echo "$sqlite_sha256  $tarball" | sha256sum -c --quiet
  tar -xzf "$tarball" -C "$deps/sqlite" --strip-components=3 \
    package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
fi
echo "== SQLite $(sed -nE 's/^#define SQLITE_VERSION +"(.*)"/\1/p' "$deps/sqlite/sqlite3.h") from $sqlite_package"

# The Swiss Ephemeris sources (2.10.03, as Debian's libswe), pinned in tools/swisseph's
# package-lock.json; its install scripts are not run, only its C files are compiled.
if [ ! -f tools/swisseph/node_modules/.package-lock.json ] ||
   [ tools/swisseph/package-lock.json -nt tools/swisseph/node_modules/.package-lock.json ]; then
  (cd tools/swisseph && npm ci --ignore-scripts --no-audit --no-fund)
fi

cmake --preset windows-cli >/dev/null
cmake --build --preset windows-cli -j2
out="$root/build/windows"

# wine in a prefix of its own, quiet, without its desktop or Mono and Gecko installers.
wine="$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)"
export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[[ -d "$WINEPREFIX" ]] || "$wine" wineboot --init >/dev/null 2>&1 || true

echo "== the layers' tests under wine"
passed=0
failed=0
for suite in base astro atlas lagna profile records request chart cli; do
  exe="$out/tests/$suite/kalodaya_${suite}_tests.exe"
  log="$out/tests/$suite/wine.log"
  if "$wine" "$exe" --gtest_brief=1 >"$log" 2>&1; then status=ok; else status=FAILED; fi
  ran=$(sed -nE 's/.*\[==========\] ([0-9]+) tests? from .* ran.*/\1/p' "$log" | tail -1)
  bad=$(sed -nE 's/.*\[  FAILED  \] ([0-9]+) tests?, listed below.*/\1/p' "$log" | tail -1)
  ran=${ran:-0}
  bad=${bad:-0}
  # A run that failed, or that ran no test (wine ended it), counts as a failure.
  [[ $status == ok && $ran -gt 0 ]] || ((bad > 0)) || bad=1
  echo "  $suite: $((ran - bad)) of $ran passed"
  passed=$((passed + ran - bad))
  failed=$((failed + bad))
  [[ $status == ok ]] || grep -E '^\[  FAILED  \]|Failure|error' "$log" | head -20 || true
done

echo "== the golden charts through kalodaya-chart.exe"
chart="$out/src/cli/kalodaya-chart.exe"
expected="$out/golden-expected.jsonl"
actual="$out/golden-actual.jsonl"
xz -dc tests/golden/charts.jsonl.xz >"$expected"
golden=ok
for jobs in 1 2; do
  if "$wine" "$chart" --batch --jobs "$jobs" <tests/golden/requests.jsonl >"$actual" &&
     python3 tools/golden/compare_charts.py "$expected" "$actual"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    golden=failed
  fi
done

# The same commands through the Windows exe and the Linux one (when built: scripts/setup.sh),
# with a place and a records file whose names are not ASCII.
linux_chart="$root/build/default/src/cli/kalodaya-chart"
if [[ -x "$linux_chart" ]]; then
  echo "== the same answers as on Linux"
  compact='import json, sys; print(json.dumps(json.load(sys.stdin), ensure_ascii=False))'
  same() {  # same NAME COMMAND...: the exe and the Linux program give equal charts
    local name="$1"; shift
    if "$wine" "$chart" "$@" | python3 -c "$compact" >"$out/windows-$name.jsonl" &&
       "$linux_chart" "$@" | python3 -c "$compact" >"$out/linux-$name.jsonl" &&
       python3 tools/golden/compare_charts.py "$out/linux-$name.jsonl" "$out/windows-$name.jsonl" >/dev/null; then
      echo "  $name: equal"
      passed=$((passed + 1))
    else
      echo "  $name: DIFFERENT"
      failed=$((failed + 1))
    fi
  }
  same krakow --place "Kraków, Poland" --name A --date 1990-08-15 --time 10:30:00
  same worked-example --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E --zone 34
  same worked-example-modern --name RAMA --date 1990-08-15 --time 10:30:00 --lat 28:39N --lon 77:13E \
    --zone 34 --ephemeris modern
  # Records import and export through a folder named Kraków.
  records="$out/records-test/Kraków"
  rm -rf "$out/records-test" "$out/records-linux"
  mkdir -p "$records" "$out/records-linux"
  head -n 40 tests/golden/requests.jsonl >"$out/records-test/in.jsonl"
  (cd "$out/records-test" &&
   "$wine" "$chart" --records-db "Kraków/records.sqlite" --records-import in.jsonl >/dev/null 2>&1 || true
   "$wine" "$chart" --records-db "Kraków/records.sqlite" --records-export >"$out/windows-export.jsonl" 2>/dev/null || true)
  "$linux_chart" --records-db "$out/records-linux/records.sqlite" --records-import "$out/records-test/in.jsonl" >/dev/null 2>&1 || true
  "$linux_chart" --records-db "$out/records-linux/records.sqlite" --records-export >"$out/linux-export.jsonl" 2>/dev/null || true
  if [[ -s "$out/linux-export.jsonl" && -f "$records/records.sqlite" ]] &&
     cmp -s "$out/linux-export.jsonl" "$out/windows-export.jsonl"; then
    echo "  records import and export in Kraków/: equal ($(wc -l <"$out/linux-export.jsonl") records)"
    passed=$((passed + 1))
  else
    echo "  records import and export in Kraków/: DIFFERENT"
    failed=$((failed + 1))
  fi
fi

echo "== the zip"
package="$out/package/kalodaya"
rm -rf "$out/package" "$out/kalodaya-windows-x64.zip"
mkdir -p "$package/atlas" "$package/licences"
x86_64-w64-mingw32-strip -o "$package/kalodaya-chart.exe" "$chart"
cp src/astro/atlas/data/places.tsv src/astro/atlas/data/regions.tsv src/astro/atlas/data/zones.tsv \
  "$package/atlas/"
cp packaging/windows/README.txt "$package/"
cp LICENSE "$package/licences/Kalodaya.txt"
# Every file's terms (the place and zone data, CLI11, JSON for Modern C++), SQLite's, and the
# runtime libraries' that the static link puts into the exe, from their Debian packages.
swiss_ephemeris_note=' .\n  The Swiss Ephemeris 2.10, Copyright 1997-2022 Astrodienst AG, Switzerland;\n  licensed under the GNU Affero General Public License version 3 (Kalodaya.txt).'
sed "s|^@SWISS_EPHEMERIS@\$|$swiss_ephemeris_note|" packaging/copyright >"$package/licences/copyright.txt"
cp packaging/windows/licences/*.txt "$package/licences/"
cp /usr/share/doc/mingw-w64-common/copyright "$package/licences/MinGW-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$package/licences/GCC-runtime.txt"
# Windows readers of the texts expect CR LF.
for text in "$package/README.txt" "$package"/licences/*.txt; do sed -i 's/\r\?$/\r/' "$text"; done
(cd "$out/package" && zip -qr9 ../kalodaya-windows-x64.zip kalodaya)
echo "  $(du -k "$out/kalodaya-windows-x64.zip" | cut -f1) KB: build/windows/kalodaya-windows-x64.zip"
echo "  kalodaya-chart.exe $(du -k "$package/kalodaya-chart.exe" | cut -f1) KB stripped"

echo "windows: $((SECONDS - started)) s"
echo "windows: $passed passed, $failed failed"
((failed == 0))
