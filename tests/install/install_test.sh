#!/bin/sh
# Installs the build into a temporary prefix and runs the installed programs:
# gridcode-data's four commands round-trip a grid through DATA lines and a
# picture, and the window, its desktop entry, metadata, icon and manual pages
# are where the desktop looks for them, carrying the project's version.
# Usage: install_test.sh BUILD_DIR VERSION APP_ID WINDOW(ON|OFF)
set -eu
build=$1 version=$2 app_id=$3 window=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
program=$prefix/bin/gridcode-data
cd "$prefix"

[ "$("$program" --version)" = "gridcode-data $version" ] || fail "gridcode-data --version"

# Row 1 is the example of the README; the other rows differ from each other,
# so that a lost or swapped row shows.
printf '%s' 01233210000000 33333333333333 00000000000003 30000000000000 \
  12121212121212 21212121212121 00112233001122 32103210321032 00000000000000 \
  11111111111111 >grid.dat
printf '\r\n' >>grid.dat
"$program" encode grid.dat >data.txt
head -n 1 data.txt | grep -qx 'DATA 1BE4000,FFFFFFF,0000003,C000000,6666666' ||
  fail "encode gave: $(cat data.txt)"
"$program" decode data.txt -o decoded.dat
cmp -s grid.dat decoded.dat || fail "decode does not give back the grid"
"$program" render --scale 3 grid.dat -o grid.png
"$program" import grid.png -o imported.dat
cmp -s grid.dat imported.dat || fail "import does not give back the rendered grid"

pages="gridcode-data"
if [ "$window" = ON ]; then
  pages="$pages gridcode"
  [ -x bin/gridcode ] || fail "bin/gridcode is not installed"
  for file in "share/applications/$app_id.desktop" \
    "share/icons/hicolor/scalable/apps/$app_id.svg"; do
    [ -s "$file" ] || fail "$file is not installed"
  done
  grep -q "<release version=\"$version\"" "share/metainfo/$app_id.metainfo.xml" ||
    fail "the metadata does not carry version $version"
  # A file manager opens a file with gridcode; the program answers as Qt programs do.
  grep -qx 'Exec=gridcode %f' "share/applications/$app_id.desktop" ||
    fail "the desktop entry does not pass the file"
  [ "$(QT_QPA_PLATFORM=offscreen timeout 20 bin/gridcode --version)" = "gridcode $version" ] ||
    fail "gridcode --version"
  QT_QPA_PLATFORM=offscreen timeout 20 bin/gridcode --help | grep -q FILE || fail "gridcode --help"
fi
for page in $pages; do
  gzip -dc "share/man/man1/$page.1.gz" | head -n 1 | grep -q "\"gridcode $version\"" ||
    fail "manual page $page does not carry version $version"
done
