#!/usr/bin/env bash
# Makes the README's pictures of the three windows again, under Qt's offscreen platform.
#   scripts/screenshots.sh [output directory] [ticks of the experiment run]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh app
cmake -S . -B build-app -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build build-app --target orvane_screenshots orvane_measurements_picture orvane_english_pictures
QT_QPA_PLATFORM=offscreen ./build-app/tools/orvane_screenshots "${1:-docs}" "${2:-1100}"
QT_QPA_PLATFORM=offscreen ./build-app/tools/orvane_measurements_picture "${1:-docs}"
QT_QPA_PLATFORM=offscreen ./build-app/tools/orvane_english_pictures "${1:-docs}"
