#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs it as a new user would,
# with an empty home folder: the installed files are complete and valid, and
# neither program writes beside its executable.
# Usage: install_test.sh BUILD-FOLDER VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }
# Qt's own allocations that live to the end would fail a sanitizer build's run.
export ASAN_OPTIONS=detect_leaks=0

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/nimbrel bin/nimbrel-batch share/man/man1/nimbrel.1 share/man/man1/nimbrel-batch.1 \
         share/applications/org.nimbrel.Nimbrel.desktop share/metainfo/org.nimbrel.Nimbrel.metainfo.xml \
         share/icons/hicolor/scalable/apps/nimbrel.svg share/bash-completion/completions/nimbrel-batch \
         share/doc/nimbrel/LICENSE share/doc/nimbrel/README.md; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/nimbrel.png
  [ -f "$png" ] || fail "no $size pixel icon"
  # Width and height sit at bytes 16..23 of a PNG.
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ')" = " $size $size" ] || fail "icon $size has the wrong size"
done
[ "$(ls "$prefix/share/nimbrel/styles"/*.ini | wc -l)" -ge 6 ] || fail "fewer than six example styles"

desktop-file-validate "$prefix/share/applications/org.nimbrel.Nimbrel.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.nimbrel.Nimbrel.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$prefix/share/metainfo/org.nimbrel.Nimbrel.metainfo.xml" >&2 ||
  fail "metainfo does not validate"
bash -n "$prefix/share/bash-completion/completions/nimbrel-batch" || fail "completion script"

# Help and version without any display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/nimbrel" --version)
[ "$out" = "nimbrel $version" ] || fail "nimbrel --version printed '$out'"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/nimbrel" --help | grep -q STYLE-FILE ||
  fail "nimbrel --help"

# A new user: empty home, no XDG variables.
home=$work/home
mkdir -p "$home"
export HOME=$home
unset NIMBREL_HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_PICTURES_DIR
before=$(ls -A "$prefix/bin")

out=$("$prefix/bin/nimbrel-batch" --format bmp Home)
[ "$out" = "$home/Pictures/Nimbrel/home.bmp" ] || fail "nimbrel-batch wrote '$out'"

QT_QPA_PLATFORM=offscreen "$prefix/bin/nimbrel" 2>/dev/null &
window=$!
for _ in $(seq 50); do
  [ -f "$home/.local/share/nimbrel/Styles/classic-raised.ini" ] && break
  sleep 0.2
done
kill -TERM "$window"
wait "$window" || fail "the window did not end cleanly on SIGTERM"

[ "$(ls -A "$prefix/bin")" = "$before" ] || fail "something was written into bin/: $(ls -A "$prefix/bin")"
[ -f "$home/.config/nimbrel/Nimbrel.ini" ] || fail "no settings in ~/.config/nimbrel"
[ -f "$home/.config/nimbrel/Nimbrel_captions.ini" ] || fail "no caption list in ~/.config/nimbrel"
[ -f "$home/.local/share/nimbrel/Styles/corner-tl.bmp" ] || fail "example bitmaps not copied"
[ -d "$home/.local/share/nimbrel/Captions" ] || fail "no Captions folder"
grep -q "OutputDir=$home/Pictures/Nimbrel" "$home/.config/nimbrel/Nimbrel.ini" || fail "output folder setting"

# An installed example style draws with nimbrel-batch once the window has laid the styles out.
"$prefix/bin/nimbrel-batch" --check --style "$home/.local/share/nimbrel/Styles/rounded-corners.ini" Home ||
  fail "an example style does not draw cleanly"

# Settings an older version left beside the executable are still read.
rm -rf "$home/.config"
printf '[Strings]\r\nOutputDir=%s\r\n' "$work/old-output" >"$prefix/bin/Nimbrel.ini"
out=$("$prefix/bin/nimbrel-batch" --format bmp Home)
[ "$out" = "$work/old-output/home.bmp" ] || fail "old settings not read: '$out'"
echo "install tree OK"
