#!/usr/bin/env bash
# Builds Orvane2.0 and runs every test: the suites in a normal build; the Debian package built from
# source with dpkg-buildpackage, checked by lintian, appstreamcli and desktop-file-validate, installed,
# started and purged (scripts/package-test.sh); the fuzzers for a minute each, a short soak run of the
# whole program, and the suites again with AddressSanitizer and UndefinedBehaviorSanitizer. Installs
# missing Debian packages first. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/package-test.sh build-deb
scripts/fuzz.sh "${ORVANE_FUZZ_SECONDS:-60}"
QT_QPA_PLATFORM=offscreen ./build/tools/orvane_soak --ticks "${ORVANE_SOAK_TICKS:-20000}"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_BENCH=OFF -DORVANE_WERROR=ON >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
