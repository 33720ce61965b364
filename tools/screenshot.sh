#!/usr/bin/env bash
# Starts the real game on a virtual X screen, plays one round with the mouse
# and writes PNGs of the table: after start-up, during the player's turn and
# after the round is settled; then a round by keys with the hints on, and in
# high contrast. Then leaves with F12, as a player would. Then the player's
# turn again at screen scales 1.5 and 2, in a window filling the screen, and
# in English.
#   tools/screenshot.sh [output folder]   (default: build/screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/screenshots}")

# Run ourselves again inside a private virtual screen.
if [ -z "${TWENTYONE_SCREENSHOT_SCREEN:-}" ]; then
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
  done
  "$root/tools/build.sh" >/dev/null
  exec env TWENTYONE_SCREENSHOT_SCREEN=1 xvfb-run -a -s "-screen 0 1920x1200x24" "$0" "$out"
fi

mkdir -p "$out"
"$root/build/bin/twentyone" &
game=$!
trap 'kill "$game" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --name '^21$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y, WIDTH, HEIGHT
table_top=$((Y + HEIGHT - 548))                          # the table lies below the menu bar

# A click at table pixel (x, y).
click() {
  xdotool mousemove $((X + $1)) $((table_top + $2)) click 1
  sleep 0.3
}
shot() {
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"
  echo "wrote $out/$1.png"
}

sleep 2                        # the opening deal lands
shot 1-start-up
click 520 326; click 520 326   # stake 2 with the up arrow
click 660 336                  # Зробити ставку
click 720 400                  # Тягнути: one more card
sleep 1
xdotool mousemove $((X + 720)) $((table_top + 400))   # the pointer rests on Тягнути
sleep 0.3
shot 2-player-turn
click 720 456                  # Досить: the banker plays
sleep 3
xdotool mousemove $((X + 400)) $((table_top + 200))   # over the bare table
sleep 0.3
shot 3-round-settled

# The next round by keys, with hints, then in high contrast.
xdotool key Return             # Далі
sleep 2                        # the deal lands
xdotool key Return             # the bet, the same stake
sleep 0.5
xdotool key F8                 # Підказки
sleep 0.5
shot 4-hints
xdotool key F9                 # Висока контрастність
sleep 0.5
shot 5-high-contrast
xdotool key F9 F8              # both off again: the settings file remembers them
sleep 0.3

xdotool key F12                # Вихід
for _ in $(seq 50); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$game" 2>/dev/null; then
  echo "the game did not exit on F12" >&2
  exit 1
fi
wait "$game" || true
trap - EXIT
echo "the game exited on F12"

# One more game in the given environment, up to the player's turn with the
# hints on; "fill" first makes the window as large as the screen.
turn_shot() {
  local name=$1 fill=$2
  shift 2
  env "$@" "$root/build/bin/twentyone" &
  game=$!
  trap 'kill "$game" 2>/dev/null || true' EXIT
  window=$(xdotool search --sync --onlyvisible --name '^21$' | head -1)
  if [ "$fill" = fill ]; then
    xdotool windowmove "$window" 0 0 windowsize "$window" 100% 100%
  fi
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1   # the bare table takes the keys
  sleep 3                      # the opening deal lands
  xdotool key Up Up Return     # stake 2, the bet
  sleep 1
  xdotool key F8               # Підказки
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  shot "$name"
  xdotool key F8 F12
  for _ in $(seq 50); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  kill "$game" 2>/dev/null && echo "the game did not exit on F12" >&2
  wait "$game" || true
  trap - EXIT
}
turn_shot 6-scale-1.5 no QT_SCALE_FACTOR=1.5
turn_shot 7-scale-2 no QT_SCALE_FACTOR=2
turn_shot 8-filling-the-screen fill QT_SCALE_FACTOR=1
turn_shot 9-english no LANG=en_US.UTF-8 LANGUAGE=en
