#!/usr/bin/env bash
# The package as a distribution, a school's administrator and a software centre judge it:
#  1. builds the Debian source and binary packages with dpkg-buildpackage (scripts/build-package.sh);
#  2. lintian on the .changes, the .dsc and the .deb files: any error or warning fails;
#  3. the AppStream entry (appstreamcli validate --pedantic: no error, no warning) and the menu entry
#     (desktop-file-validate: not even a hint);
#  4. installs the package, checks what it put in place, runs `orvane --version` and `--help` without a
#     display and the real window on a virtual X server (its class must be the menu entry's
#     StartupWMClass), reads the AppStream entry back;
#  5. purges it and checks that no file is left behind (the file lists before and after are compared).
# Steps 4 and 5 need root or sudo and are skipped (with a note) without them.
#   scripts/package-test.sh [output directory]    (default build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build-deb}"
app_id=invalid.orvane.orvane
fail() {
    echo "package test: $*" >&2
    exit 1
}

changes=$(scripts/build-package.sh "$out" | tail -n 1)
version=$(dpkg-parsechangelog -S Version)
dsc="$out/orvane_$version.dsc"
deb=$(ls "$out"/orvane_"$version"_*.deb)
echo "package test: built $(cd "$out" && ls ./*.deb ./*.dsc | tr '\n' ' ')"

# --- lintian ---------------------------------------------------------------------------------------
# lintian refuses to be trusted with root's rights (it unpacks what it checks), so as root it runs as
# the unprivileged user nobody, on copies that user may read.
lint_dir=$(mktemp -d)
trap 'rm -rf "$lint_dir"' EXIT
chmod 755 "$lint_dir"
mkdir -m 777 "$lint_dir/home"
cp "$out"/orvane_"$version"* "$out"/orvane-dbgsym_"$version"_* "$lint_dir"/ 2>/dev/null || true
chmod 644 "$lint_dir"/*.*
lintian_command=(lintian --fail-on error,warning --display-info --show-overrides)
if [[ $(id -u) -eq 0 ]]; then
    lintian_command=(setpriv --reuid=nobody --regid=nogroup --clear-groups --
        env HOME="$lint_dir/home" TMPDIR="$lint_dir/home" "${lintian_command[@]}")
fi
lint_files=("$lint_dir/$(basename "$changes")" "$lint_dir/$(basename "$dsc")" "$lint_dir/$(basename "$deb")")
if ! "${lintian_command[@]}" "${lint_files[@]}" >"$lint_dir/report" 2>&1; then
    cat "$lint_dir/report" >&2
    fail "lintian found errors or warnings"
fi
sed 's/^/lintian: /' "$lint_dir/report"
echo "package test: lintian on the .changes, .dsc and .deb: no error, no warning"

# --- AppStream and the menu entry, as shipped ------------------------------------------------------
validate_entries() { # <metainfo file> <desktop file>
    local report
    report=$(appstreamcli validate --no-net --pedantic "$1" 2>&1) || {
        echo "$report" >&2
        fail "appstreamcli rejects $1"
    }
    if grep -qE '^[EW]: ' <<<"$report"; then
        echo "$report" >&2
        fail "appstreamcli warns about $1"
    fi
    report=$(desktop-file-validate "$2" 2>&1) || true
    [[ -z "$report" ]] || {
        echo "$report" >&2
        fail "desktop-file-validate complains about $2"
    }
}
validate_entries "packaging/$app_id.metainfo.xml" "packaging/$app_id.desktop"
echo "package test: appstreamcli validate --pedantic and desktop-file-validate: clean"

# --- install, run, purge ---------------------------------------------------------------------------
if [[ $(id -u) -eq 0 ]]; then
    sudo=()
elif sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
else
    echo "package test: installing skipped, it needs root or sudo"
    exit 0
fi
if dpkg-query -W -f='${Status}' orvane 2>/dev/null | grep -q "installed"; then
    fail "orvane is installed already; remove it first (apt-get purge orvane)"
fi

# Every file and folder where packages install (merged /usr: /bin, /lib and /sbin are in /usr), less
# what changes by itself (logs, caches, apt's and dpkg's own records; dpkg's per-package files stay in
# the list).
system_files() {
    find /usr /etc /opt /srv /var -xdev \( -path /var/log -o -path /var/cache -o -path /var/tmp \
        -o -path /var/lib/apt -o -path /var/lib/dpkg/updates -o -path /var/lib/dpkg/triggers \) -prune \
        -o -print 2>/dev/null | grep -v -e '^/var/lib/dpkg/[^/]*$' | LC_ALL=C sort
}
system_files >"$lint_dir/before"

export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -qq "./$deb" >/dev/null
trap '"${sudo[@]}" apt-get purge -y -qq orvane >/dev/null 2>&1 || true; rm -rf "$lint_dir"' EXIT

for file in /usr/bin/orvane "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml" \
    /usr/share/icons/hicolor/scalable/apps/orvane.svg /usr/share/icons/hicolor/48x48/apps/orvane.png \
    /usr/share/man/man1/orvane.1.gz /usr/share/man/ru/man1/orvane.1.gz /usr/share/doc/orvane/copyright \
    /usr/share/doc/orvane/changelog.gz; do
    [[ -f "$file" ]] || fail "$file is missing"
done
validate_entries "/usr/share/metainfo/$app_id.metainfo.xml" "/usr/share/applications/$app_id.desktop"
# The file lists see the installation, so that their equality after the purge means something.
system_files >"$lint_dir/installed"
grep -qx /usr/bin/orvane "$lint_dir/installed" && ! grep -qx /usr/bin/orvane "$lint_dir/before" ||
    fail "the file lists do not show the installed program"
for page in /usr/share/man/man1/orvane.1.gz /usr/share/man/ru/man1/orvane.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [[ -z "$warnings" ]] || fail "man reports on $page: $warnings"
done
# appstreamcli reads the installed entry back: its release becomes a NEWS entry of this version.
appstreamcli metainfo-to-news "/usr/share/metainfo/$app_id.metainfo.xml" "$lint_dir/NEWS" >/dev/null
grep -q "^Version $version" "$lint_dir/NEWS" || fail "appstreamcli did not read release $version back"

# The command line answers without any display.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb /usr/bin/orvane --version)
[[ "$answer" == "orvane (Orvane2.0) $version"* ]] || fail "orvane --version says: $answer"
env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/orvane --help | grep -q -- '--lang' || fail "orvane --help says no --lang"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/orvane --no-such-option 2>/dev/null || status=$?
[[ $status -eq 2 ]] || fail "an unknown option ended with status $status, not 2"

# The real window on a virtual X server: it appears with the class the menu entry names, and the
# installed program keeps its parameter file in the user's data directory.
wm_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$app_id.desktop")
cat >"$lint_dir/window.sh" <<EOF
#!/usr/bin/env bash
HOME="$lint_dir/home" XDG_DATA_HOME= QT_QPA_PLATFORM=xcb /usr/bin/orvane >/dev/null 2>&1 &
program=\$!
window=\$(timeout 20 xdotool search --sync --onlyvisible --class "^$wm_class\\\$" | head -n 1)
xprop -id "\$window" WM_CLASS _NET_WM_NAME
kill \$program
EOF
chmod +x "$lint_dir/window.sh"
window=$(timeout 60 xvfb-run -a "$lint_dir/window.sh" 2>/dev/null) || true
grep -q "WM_CLASS(STRING) = \"orvane\", \"$wm_class\"" <<<"$window" ||
    fail "no window of class $wm_class appeared under Xvfb: $window"
grep -q '"Orvane2.0"' <<<"$window" || fail "the window is not captioned Orvane2.0: $window"
[[ -d "$lint_dir/home/.local/share/orvane" ]] || fail "no user data directory was made"

"${sudo[@]}" apt-get purge -y -qq orvane >/dev/null
system_files >"$lint_dir/after"
if ! diff "$lint_dir/before" "$lint_dir/after" >"$lint_dir/left"; then
    cat "$lint_dir/left" >&2
    fail "installing and purging the package changed the files above"
fi
trap 'rm -rf "$lint_dir"' EXIT
echo "package test: $(basename "$deb") installed, started (a window of class $wm_class under Xvfb) and purged without a trace: ok"
