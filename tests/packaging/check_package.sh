#!/bin/sh
# Builds the Debian package into a scratch folder, unpacks it and checks that it installs like
# a desktop program: programs, desktop entry, icons, file types, man pages and the instructions.
# usage: check_package.sh BUILD_DIR MIME_QUERY
set -eu
build=$1
mime_query=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/korvanta-planner_*.deb) || fail "no .deb made"
dpkg-deb -f "$deb" Package | grep -qx korvanta-planner || fail "package name"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "Qt runtime not in Depends"

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
for f in usr/bin/korvanta-planner usr/bin/kvt usr/bin/korvanta-machine-sim \
         usr/share/applications/korvanta-planner.desktop \
         usr/share/mime/packages/korvanta-planner.xml \
         usr/share/icons/hicolor/scalable/apps/korvanta-planner.svg \
         usr/share/icons/hicolor/48x48/apps/korvanta-planner.png \
         usr/share/icons/hicolor/256x256/apps/korvanta-planner.png \
         usr/share/man/man1/kvt.1.gz usr/share/man/man1/korvanta-planner.1.gz \
         usr/share/man/man1/korvanta-machine-sim.1.gz \
         "usr/share/korvanta-planner/Korvanta Planner Instructions.pdf"; do
    [ -s "$root/$f" ] || fail "missing $f"
done
file "$share/icons/hicolor/48x48/apps/korvanta-planner.png" | grep -q "48 x 48" || fail "48 px icon size"
zcat "$share/man/man1/kvt.1.gz" | grep -q "kvt resave IN OUT" || fail "kvt man page lacks commands"
head -c 5 "$share/korvanta-planner/Korvanta Planner Instructions.pdf" | grep -q "%PDF-" || fail "not a PDF"
desktop-file-validate "$share/applications/korvanta-planner.desktop" || fail "desktop entry"

# File types in a private data home, as a user's desktop would see them once installed.
data=$work/data
mkdir -p "$data/mime/packages" "$data/applications"
cp "$share/mime/packages/korvanta-planner.xml" "$data/mime/packages/"
cp "$share/applications/korvanta-planner.desktop" "$data/applications/"
update-mime-database "$data/mime" >/dev/null
update-desktop-database "$data/applications"
printf 'KORVANTA-DAT100\001rest' >"$work/shop.kvt"
cp "$work/shop.kvt" "$work/renamed.dat"
printf 'KVT-PRICES100\000\000' >"$work/coins.kvtprices"
cp "$work/coins.kvtprices" "$work/coins.bin"
types=$(XDG_DATA_HOME=$data XDG_DATA_DIRS=/usr/share "$mime_query" \
        "$work/shop.kvt" "$work/renamed.dat" "$work/coins.kvtprices" "$work/coins.bin" | tr '\n' ' ')
[ "$types" = "application/x-korvanta-washdata application/x-korvanta-washdata application/x-korvanta-prices application/x-korvanta-prices " ] \
    || fail "MIME types: $types"
handler=$(XDG_DATA_HOME=$data XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME=$work/config \
          xdg-mime query default application/x-korvanta-washdata)
[ "$handler" = "korvanta-planner.desktop" ] || fail "handler of .kvt: '$handler'"

# The installed planner starts without a display and stays up; --version answers at once.
"$root/usr/bin/kvt" --version | grep -qx "kvt 2.04" || fail "kvt --version"
mkdir -m 700 "$work/run"
rc=0
TMPDIR=$work HOME=$work XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/korvanta-planner" >/dev/null 2>&1 || rc=$?
[ "$rc" = 124 ] || fail "installed planner ended early with status $rc"
# Help of the installed planner finds the installed instructions (a user without a copy of
# their own in the documents folder).
help=$(HOME=$work QT_QPA_PLATFORM=offscreen "$root/usr/bin/korvanta-planner" --help-file) \
    || fail "Help of the installed planner finds no document"
[ "$help" = "$(realpath "$share/korvanta-planner/Korvanta Planner Instructions.pdf")" ] \
    || fail "Help opens '$help'"
echo "package checks passed"
