#!/usr/bin/env bash
# Fails when a file under src/ includes a header of a layer above its own or beside it, when
# a layer's CMakeLists.txt links the library of such a layer, or when code outside
# src/base/platform/ calls the operating system itself. The layers, lowest first (a layer
# may use its own code and that of the layers it names):
#   base
#   astro    base
#   lagna    base astro
#   profile  base
#   records  base
#   request  base astro records
#   chart    base astro lagna profile records request
#   cli      base astro lagna profile records request chart
#   ui       base astro lagna profile records request chart
# The two front ends, cli and ui, are siblings: neither uses the other.
set -euo pipefail
src="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

declare -A allowed=(
  [base]="base"
  [astro]="base astro"
  [lagna]="base astro lagna"
  [profile]="base profile"
  [records]="base records"
  [request]="base astro records request"
  [chart]="base astro lagna profile records request chart"
  [cli]="base astro lagna profile records request chart cli"
  [ui]="base astro lagna profile records request chart ui"
)

# The layer of each library the CMake files define.
declare -A libraryLayer=(
  [kalodaya_base]=base
  [kalodaya_astro]=astro
  [kalodaya_atlas]=astro
  [kalodaya_atlas_index]=astro  # the build-time program that writes the places' compact index
  [kalodaya_swisseph]=astro  # the Swiss Ephemeris built from its sources (Windows, web)
  [kalodaya_lagna]=lagna
  [kalodaya_profile]=profile
  [kalodaya_records]=records
  [kalodaya_request]=request
  [kalodaya_chart]=chart
  [kalodaya_cli_lib]=cli
  [kalodaya_ui]=ui
)

status=0
for dir in "$src"/*/; do
  layer="$(basename "$dir")"
  if [[ -z "${allowed[$layer]+x}" ]]; then
    echo "layers: src/$layer is no known layer (add it to tools/check_layers.sh)"
    status=1
    continue
  fi
  while IFS=: read -r file line include; do
    target="$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$include")"
    [[ "$target" == "$include" ]] && continue  # a header without a folder
    if [[ " ${allowed[$layer]} " != *" $target "* ]]; then
      echo "layers: ${file#"$src"/}:$line includes \"$target/...\": $layer may include only ${allowed[$layer]}"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$dir" --include='*.h' --include='*.cpp' || true)

  # Every kalodaya library named in the layer's target_link_libraries calls, which may span
  # several lines.
  while IFS= read -r cmake; do
    while read -r library; do
      linked="${libraryLayer[$library]:-}"
      if [[ -z "$linked" ]]; then
        echo "layers: ${cmake#"$src"/} links $library, which is no known library (add it to tools/check_layers.sh)"
        status=1
      elif [[ " ${allowed[$layer]} " != *" $linked "* ]]; then
        echo "layers: ${cmake#"$src"/} links $library ($linked): $layer may link only ${allowed[$layer]}"
        status=1
      fi
    done < <(tr '\n' ' ' < "$cmake" | grep -oE 'target_link_libraries\([^)]*\)' |
             grep -oE '\bkalodaya_[A-Za-z0-9_]+' | sort -u || true)
  done < <(find "$dir" -name CMakeLists.txt)
done

# Every call into the operating system goes through src/base/platform/, so that the layers
# below the desktop program and kalodaya-chart build on other systems: no system header and no
# system call elsewhere. The desktop program's own calls (a Linux program for now) are the
# files listed; a new one is refused.
os_headers='#[[:space:]]*include[[:space:]]*<(unistd|fcntl|poll|sched|signal|dirent|pwd|dlfcn|windows|io|direct|shlobj|shellapi)\.h>|#[[:space:]]*include[[:space:]]*<(sys/|csignal>)'
os_calls='\b(localtime_r|localtime_s|localtime|gmtime_r|memmem|getenv|_wgetenv|setenv|unsetenv|sched_getaffinity|make_unique_for_overwrite|GetModuleFileNameW|GetCommandLineW)\b|/proc/|(^|[^A-Za-z0-9_])::(open|close|read|write|stat|lstat|fstat|mkdir|chmod|fsync|rename|unlink|link|poll|getpid|kill)\('
desktop_system_files=" ui/single_instance.cpp ui/display_check.cpp ui/main.cpp ui/print/paper_size.cpp "
while IFS=: read -r file line text; do
  relative="${file#"$src"/}"
  [[ "$relative" == base/platform/* ]] && continue
  [[ "$desktop_system_files" == *" $relative "* ]] && continue
  echo "layers: $relative:$line calls the operating system outside base/platform/: ${text#"${text%%[![:space:]]*}"}"
  status=1
done < <(grep -rnE "$os_headers|$os_calls" "$src" --include='*.h' --include='*.cpp' || true)

# A thread_local object with a destructor is freed out of order at thread exit by mingw-w64's
# emulated thread-local storage (a use after free in the Windows build): per-thread state that
# owns memory lives in a scratch the thread's caller owns. Plain values and arrays of them are
# fine. The desktop program (ui/) is not built for Windows with mingw.
plain_thread_local='thread_local[[:space:]]+(const[[:space:]]+)?(char|signed char|unsigned char|bool|int|unsigned|long|double|float|std::size_t|std::u?int[0-9]+_t)[[:space:]*]'
while IFS=: read -r file line text; do
  relative="${file#"$src"/}"
  [[ "$relative" == ui/* || "$text" =~ ^[[:space:]]*// ]] && continue
  grep -qE "$plain_thread_local" <<<"$text" && continue
  echo "layers: $relative:$line has a thread_local object that may need a destructor (mingw-w64 frees its memory before the destructor runs): ${text#"${text%%[![:space:]]*}"}"
  status=1
done < <(grep -rnE '\bthread_local\b' "$src" --include='*.h' --include='*.cpp' || true)

[[ $status -eq 0 ]] && echo "layers: every include and link points to its own layer or one below; only base/platform/ calls the system"
exit $status
