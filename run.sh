#!/usr/bin/env bash
# Builds Orvane2.0 and starts it. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh app
cmake -S . -B build-app -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build build-app --target orvane

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    cat >&2 <<'MSG'
Нет графического дисплея: программе нужен экран.
There is no display to show the program's windows on (DISPLAY is not set).
Run it under a virtual X server instead:
    sudo apt-get install xvfb xauth && xvfb-run -a ./run.sh
MSG
    exit 1
fi
exec ./build-app/orvane "$@"
