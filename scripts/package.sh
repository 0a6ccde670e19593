#!/usr/bin/env bash
# Builds the Debian package with the package preset (a hardened release build installed under
# /usr) and checks it with lintian: any error or warning fails. Run scripts/setup.sh first.
# The package: build/package/kalodaya_<version>_<architecture>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in lintian help2man dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

cmake --workflow --preset package
deb=$(ls -t build/package/kalodaya_*.deb | head -n1)
echo "Checking $deb"
lintian --allow-root --fail-on error,warning --display-level ">=info" "$deb"
echo "lintian: no errors or warnings"
