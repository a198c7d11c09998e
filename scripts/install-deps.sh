#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
#   scripts/install-deps.sh app    what building and running the program needs
#   scripts/install-deps.sh test   that, plus the test and benchmark libraries and the fuzzing compiler
set -euo pipefail

purpose="${1:-app}"
# The build compiles the translations (lrelease, from Qt's Linguist tools: qt6-l10n-tools, and their CMake
# functions in qt6-tools-dev); the translation test runs lupdate from the same package. Qt's own dialogs and
# buttons speak the program's language through Qt's translations (qt6-translations-l10n).
packages=(cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2
          fonts-dejavu-core)
if [[ "$purpose" == "test" ]]; then
    # The window-manager test runs the real program on a virtual X server (xvfb, xauth) under a real
    # window manager (openbox) and drives it like a user (xdotool, wmctrl); the second run of the window
    # and file suites needs the Russian locale (locales).
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xauth openbox xdotool
               wmctrl locales)
    # The package test builds the Debian package as a distribution does (dpkg-dev, debhelper, fakeroot,
    # build-essential), checks it (lintian, appstream, desktop-file-utils) and finds its window on the
    # virtual X server (x11-utils: xprop).
    packages+=(dpkg-dev debhelper fakeroot build-essential lintian appstream desktop-file-utils x11-utils)
    # The CSV test opens the measurements file in a real spreadsheet, LibreOffice Calc without its GUI.
    packages+=(libreoffice-calc-nogui)
fi

# Generates the Russian locale the tests run under, once, when the system lacks it.
generate_russian_locale() {
    [[ "$purpose" == "test" ]] || return 0
    locale -a 2>/dev/null | grep -qix 'ru_RU.utf-\?8' && return 0
    echo "Создаю локаль ru_RU.UTF-8 / generating the ru_RU.UTF-8 locale"
    "${sudo[@]}" sed -i -E 's/^# *(ru_RU\.UTF-8 UTF-8)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    generate_russian_locale
    exit 0
fi

echo "Устанавливаю недостающие пакеты / installing missing packages: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "Нужны права root или sudo, чтобы установить: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
generate_russian_locale
