#!/usr/bin/env bash
# Builds the Debian source and binary packages the way a distribution or a school's own repository
# does: from a clean copy of the source tree (what git tracks, plus new files not ignored), with
# dpkg-buildpackage and debhelper. The suites are left out (nocheck): the test command runs them itself.
#   scripts/build-package.sh [output directory]   (default build-deb; the packages land in it)
# Prints the path of the .changes file last.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build-deb}"
version=$(dpkg-parsechangelog -S Version)
# Every date the package records is the changelog's (dpkg-buildpackage would take the same).
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -S Timestamp)
export SOURCE_DATE_EPOCH

rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
source_dir="$out/orvane-$version"
mkdir "$source_dir"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    # Files deleted but not yet committed are left out.
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do if [[ -e "$file" ]]; then printf '%s\0' "$file"; fi; done |
        tar --null --files-from=- -cf - | tar -xf - -C "$source_dir"
else
    tar --exclude='./build*' --exclude=./.git -cf - . | tar -xf - -C "$source_dir"
fi

(cd "$source_dir" &&
    DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc -Pnocheck >"$out/build.log" 2>&1) || {
    tail -n 60 "$out/build.log" >&2
    echo "package build failed; the whole log is $out/build.log" >&2
    exit 1
}
ls "$out"/orvane_"$version"_*.changes
