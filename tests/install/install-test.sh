#!/bin/sh
# Installs the build tree into a temporary DESTDIR and runs the installed
# programs from there: they must find their libraries through the run path
# and their shipped files in share/mosk.
#   install-test.sh BUILD_DIR
set -eu
BUILD=$1
TMP=$(mktemp -d "${TMPDIR:-/tmp}/mosk-install-XXXXXX")
trap 'rm -rf "$TMP"' EXIT INT TERM
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$TMP/root" cmake --install "$BUILD" --prefix /usr >"$TMP/install.log" 2>&1 || { cat "$TMP/install.log"; fail "cmake --install"; }
ROOT=$TMP/root/usr
for f in bin/mosk bin/mosk-tool share/mosk/tips.txt share/mosk/keyboard.txt share/mosk/classes.zip share/mosk/Subwright.class \
         share/mosk/subwright.jar share/applications/mosk.desktop share/mime/packages/mosk-project.xml \
         share/icons/hicolor/48x48/apps/mosk.png share/icons/hicolor/scalable/apps/mosk.svg \
         share/man/man1/mosk.1 share/man/man1/mosk-tool.1; do
  [ -e "$ROOT/$f" ] || fail "missing $f"
done
ls "$ROOT"/lib/mosk/libtincto.so* >/dev/null 2>&1 || fail "missing libtincto"
ls "$ROOT"/lib/mosk/libsubwright.so* >/dev/null 2>&1 || fail "missing libsubwright"
grep -q '^Categories=Development;IDE;$' "$ROOT/share/applications/mosk.desktop" || fail "desktop categories"
grep -q 'application/x-mosk-project' "$ROOT/share/applications/mosk.desktop" || fail "desktop MIME type"
grep -q '<glob pattern="\*.mosk"/>' "$ROOT/share/mime/packages/mosk-project.xml" || fail "MIME glob"

# Nothing of the build tree may be reached: the libraries come from the
# installed tree alone.
mkdir -p "$TMP/elsewhere"
cd "$TMP/elsewhere"
if ldd "$ROOT/bin/mosk-tool" | grep -q "$BUILD"; then fail "mosk-tool loads a library of the build tree"; fi
if ldd "$ROOT/bin/mosk-tool" | grep -q "not found"; then ldd "$ROOT/bin/mosk-tool"; fail "mosk-tool misses a library"; fi

printf 'public class A { int n = 1; } // done\n' > A.java
"$ROOT/bin/mosk-tool" rtf A.java > out.rtf || fail "installed mosk-tool rtf"
grep -q '{\\rtf1' out.rtf || fail "mosk-tool rtf printed no rich text"
grep -q 'public' out.rtf || fail "mosk-tool rtf lost the text"
"$ROOT/bin/mosk-tool" --version | grep -q '^mosk-tool [0-9]' || fail "mosk-tool --version"
"$ROOT/bin/mosk-tool" --help | grep -q '^usage: mosk-tool' || fail "mosk-tool --help"

QT_QPA_PLATFORM=offscreen "$ROOT/bin/mosk" --version | grep -q '^mosk [0-9]' || fail "installed mosk --version"
QT_QPA_PLATFORM=offscreen "$ROOT/bin/mosk" --help | grep -q '^Usage: mosk' || fail "installed mosk --help"
man -l "$ROOT/share/man/man1/mosk.1" >/dev/null 2>&1 || command -v man >/dev/null 2>&1 || true
echo "installed tree works"
