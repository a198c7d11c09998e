#!/usr/bin/env bash
# Builds the program the way others do, to catch what only another compiler or optimisation level
# finds: a Release build (-O3) with every test, run in full, and a clang build of the program and the
# suites. Warnings stay warnings here (ORVANE_WERROR off), as in a user's or a distribution's build:
# the point is that the build succeeds and the suites pass; the compilers' warnings are printed.
#   scripts/other-builds.sh [release|clang|both]    (default both; build dirs build-release, build-clang)
set -euo pipefail
cd "$(dirname "$0")/.."
which="${1:-both}"
jobs=$(nproc)
scripts/install-deps.sh test
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

if [[ "$which" == release || "$which" == both ]]; then
    cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BENCH=OFF "${launcher[@]}" >/dev/null
    cmake --build build-release -j "$jobs"
    ctest --test-dir build-release --output-on-failure -j "$jobs"
fi
if [[ "$which" == clang || "$which" == both ]]; then
    cmake -S . -B build-clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DORVANE_BENCH=OFF "${launcher[@]}" >/dev/null
    cmake --build build-clang -j "$jobs"
    ctest --test-dir build-clang --output-on-failure -j "$jobs"
fi
