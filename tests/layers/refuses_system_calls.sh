#!/usr/bin/env bash
# tools/check_layers.sh refuses a call into the operating system outside src/base/platform/:
# each line below, put into a copy of the tree, must be reported, and the copy as it is passes.
set -euo pipefail
src="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp -r "$src" "$scratch/src"
check="$(dirname "$0")/../../tools/check_layers.sh"
bash "$check" "$scratch/src" >/dev/null

status=0
while IFS= read -r line; do
  printf '%s\n' "$line" >"$scratch/src/chart/system_call.cpp"
  if out="$(bash "$check" "$scratch/src")" || [[ "$out" != *"chart/system_call.cpp:1 calls the operating system"* ]]; then
    echo "not refused: $line"
    status=1
  fi
done <<'LINES'
#include <unistd.h>
#  include <sys/stat.h>
#include <windows.h>
#include <csignal>
const int fd = ::open(path, O_RDONLY);
localtime_r(&now, &local);
const char* home = std::getenv("HOME");
auto self = read_symlink("/proc/self/exe");
void* hit = memmem(a, n, b, m);
auto bytes = std::make_unique_for_overwrite<char[]>(n);
LINES
# What only looks like one: a member function and the standard library's rename.
printf '%s\n' 'in.read(buffer, n); fs::rename(a, b, ec); out.write(p, n);' >"$scratch/src/chart/system_call.cpp"
bash "$check" "$scratch/src" >/dev/null || { echo "refused a portable line"; status=1; }
# Per-thread objects that own memory are refused; plain per-thread values pass.
while IFS= read -r line; do
  printf '%s\n' "$line" >"$scratch/src/chart/system_call.cpp"
  if out="$(bash "$check" "$scratch/src")" || [[ "$out" != *"chart/system_call.cpp:1 has a thread_local object"* ]]; then
    echo "not refused: $line"
    status=1
  fi
done <<'LINES'
thread_local std::string remembered;
static thread_local Buffer buffer;
LINES
printf '%s\n' 'static thread_local char version[256]; thread_local int depth = 0;' >"$scratch/src/chart/system_call.cpp"
bash "$check" "$scratch/src" >/dev/null || { echo "refused a plain thread_local value"; status=1; }
[[ $status -eq 0 ]] && echo "layers: every system call outside base/platform/ and every thread_local object with a destructor is refused"
exit $status
