#!/usr/bin/env bash
# The real program under Xvfb: a first start on an empty data folder shows the
# game selection; typing a game's name and pressing Return deals it.
# Pictures of both moments are left in $VELMORA_SCREENSHOTS when it is set.
set -euo pipefail
bin=$1
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"; fi

data=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$data"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
shots=${VELMORA_SCREENSHOTS:-$data}
snap() { QT_QPA_PLATFORM=xcb "$bin/screen_grab" "$shots/$1.png"; }

"$bin/velmora" --data-dir "$data/velmora" &
program=$!
dialog=$(timeout 30 xdotool search --sync --name '^Open a game$' | head -n1) || fail "no game selection at the first start"
sleep 1
snap selection-first-start
[[ -z $(grep -s '^Game=' "$data/velmora/Cfg.dat") ]] || fail "a game was chosen before the player chose one"

xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool type --delay 80 "FreeCell"
sleep 0.5
snap selection-typed
xdotool key Return
timeout 20 xdotool search --sync --name 'FreeCell' >/dev/null || fail "the caption does not name the game dealt"
for _ in $(seq 50); do grep -q $'^Game_Name=FreeCell\r$' "$data/velmora/Cfg.dat" && break; sleep 0.1; done
grep -q $'^Game_Name=FreeCell\r$' "$data/velmora/Cfg.dat" || fail "the chosen game was not stored"
grep -q $'^Game=3\r$' "$data/velmora/Cfg.dat" || fail "the chosen game's number was not stored"
grep -q $'^Game001=[0-9]\{13\}\r$' "$data/velmora/Cfg.dat" || fail "the deal number was not remembered"
sleep 1
snap freecell-dealt
kill -0 "$program" || fail "the program died"
echo "game selection: all checks passed"
