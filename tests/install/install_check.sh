#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR as the package does (prefix
# /usr), validates the desktop entry and the metainfo, makes the install
# read-only and starts the installed program from it with a home of its own.
#   install_check.sh CMAKE BUILD_DIR TST_INSTALLED VERSION APP_ID
set -euo pipefail
cmake=$1 build=$2 tst=$3 version=$4 id=$5
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
root=$work/root
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }
usr=$root/usr

expected=(
  bin/twentyone bin/twentyone-sim
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man6/twentyone.6.gz share/man/man6/twentyone-sim.6.gz
  share/twentyone/gamedata/sounds/click.wav share/twentyone/gamedata/sounds/draw.wav
  share/twentyone/gamedata/sounds/dist.wav
)
for px in 16 24 32 48 64 128 256 512; do expected+=("share/icons/hicolor/${px}x$px/apps/$id.png"); done
for n in 1 2 3 4 5 6 7 8; do expected+=("share/twentyone/gamedata/music/0$n.mp3"); done
for f in "${expected[@]}"; do [ -s "$usr/$f" ] || fail "not installed: $f"; done
for px in 16 256 512; do
  size=$(identify -format '%wx%h' "$usr/share/icons/hicolor/${px}x$px/apps/$id.png")
  [ "$size" = "${px}x$px" ] || fail "icon ${px}x$px is $size"
done
# Nothing but these: no gamedata beside the program, no tests, no build files.
unexpected=$(cd "$usr" && find . -type f | sed 's|^\./||' | grep -v -e '^share/twentyone/gamedata/' -e '^share/icons/hicolor/' \
  -e '^bin/twentyone' -e '^share/applications/' -e '^share/metainfo/' -e '^share/man/man6/' || true)
[ -z "$unexpected" ] || fail "installed unexpectedly: $unexpected"

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
grep -q '^[EWIP]:' "$work/appstream.log" && { cat "$work/appstream.log"; fail "appstreamcli reports issues"; }
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" || fail "no release $version in the metainfo"

# Read-only, and checked afterwards: root writes through the permissions.
chmod -R a-w "$root"
snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(snapshot)

mkdir "$work/home"
export HOME=$work/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
# --help and --version answer on a console, without any display.
console=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[ "$("${console[@]}" "$usr/bin/twentyone" --version)" = "twentyone $version" ] || fail "twentyone --version"
"${console[@]}" "$usr/bin/twentyone" --help | grep -q -- '--version' || fail "twentyone --help"
[ "$("${console[@]}" "$usr/bin/twentyone-sim" --version)" = "twentyone-sim $version" ] || fail "twentyone-sim --version"
"${console[@]}" "$usr/bin/twentyone-sim" --help | grep -q 'twentyone-sim simulate' || fail "twentyone-sim --help"
"$usr/bin/twentyone" --no-such-option 2>/dev/null && fail "twentyone took an unknown option"

# The installed executable itself: up, with its files in the fresh home.
"$usr/bin/twentyone" >"$work/run.log" 2>&1 &
game=$!
statistics=$HOME/.local/share/twentyone/gamedata/statistics.sqlite
for _ in $(seq 200); do
  [ -f "$statistics" ] && break
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game" 2>/dev/null || { cat "$work/run.log"; fail "the installed game did not stay up"; }
kill "$game"; wait "$game" 2>/dev/null || true
[ -f "$statistics" ] || fail "the installed game kept no statistics in the user's data folder"
[ -d "$HOME/.config/twentyone/gamedata" ] || fail "the installed game made no config folder"

# Then played, saved and left through the application object, as main() starts it.
TWENTYONE_INSTALLED_BIN=$usr/bin "$tst" || fail "the installed program"

[ "$(snapshot)" = "$before" ] || fail "something was written into the install folder"
echo "installed, validated and played from a read-only install"
