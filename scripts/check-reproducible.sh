#!/usr/bin/env bash
# Builds the Debian package twice from the same source, in two folders of different names and depths,
# under different time zones and file-creation masks, and checks that the .deb files are the same to the
# byte (cmp; diffoscope shows where they differ, where it is installed). The packages' dates come from
# debian/changelog (SOURCE_DATE_EPOCH). Takes two package builds' time.
#   scripts/check-reproducible.sh [work directory]    (default build-repro)
set -euo pipefail
cd "$(dirname "$0")/.."
work="${1:-build-repro}"
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

(umask 022 && TZ=UTC scripts/build-package.sh "$work/first" >/dev/null)
(umask 002 && TZ=Asia/Kamchatka scripts/build-package.sh "$work/second/built-again" >/dev/null)

status=0
for first in "$work"/first/*.deb; do
    second="$work/second/built-again/$(basename "$first")"
    if cmp "$first" "$second"; then
        echo "reproducible: $(basename "$first") ($(sha256sum <"$first" | cut -c1-16)…)"
    else
        status=1
        echo "NOT reproducible: $(basename "$first")" >&2
        if command -v diffoscope >/dev/null; then
            diffoscope "$first" "$second" >&2 || true
        fi
    fi
done
exit $status
