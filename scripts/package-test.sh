#!/usr/bin/env bash
# Builds the Debian package from a configured build directory, installs it, starts the installed program
# under the offscreen platform and checks what the installation put in place; then removes it again.
# Skipped (with a note) where the machine gives no root rights.
#   scripts/package-test.sh [build directory]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
else
    echo "package test: skipped, installing a package needs root or sudo"
    exit 0
fi

(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/orvane_*_*.deb | head -n 1)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -qq "./$package" >/dev/null
trap '"${sudo[@]}" apt-get remove -y -qq orvane >/dev/null' EXIT

for file in /usr/bin/orvane /usr/share/applications/orvane.desktop \
    /usr/share/icons/hicolor/scalable/apps/orvane.svg /usr/share/icons/hicolor/48x48/apps/orvane.png; do
    [[ -f "$file" ]] || { echo "package test: $file is missing" >&2; exit 1; }
done
grep -q '^Categories=Education;Science;' /usr/share/applications/orvane.desktop

# Installed under /usr, the program keeps its parameter file in the user's data directory.
home=$(mktemp -d)
status=0
HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/orvane >/dev/null 2>&1 || status=$?
if [[ $status -ne 124 ]]; then
    echo "package test: the installed program ended by itself (status $status) instead of running" >&2
    exit 1
fi
[[ -d "$home/.local/share/orvane" ]] || { echo "package test: no user data directory was made" >&2; exit 1; }
rm -rf "$home"
echo "package test: $(basename "$package") installed, started and removed: ok"
