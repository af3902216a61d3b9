#!/usr/bin/env bash
# The real program draws dealt games under Xvfb: a tableau game, FreeCell,
# Spider and a grid game at the large, normal and medium card sizes. Each
# snapshot is checked where the layout says its cards lie, and kept in
# $VELMORA_SCREENSHOTS when that is set.
set -euo pipefail
bin=$1
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for size in S B M; do
  for game in 1 3 15 10; do
    data="$work/data-$size"
    mkdir -p "$data"
    printf '[Preference]\r\nCard_Size=%s\r\nMainWindowState_Maximized=N\r\nMainWindowState_Width=1500\r\nMainWindowState_Height=900\r\n' \
      "$size" >"$data/Cfg.dat"
    shot="$work/game$game-$size.png"
    timeout 60 "$bin/velmora" --data-dir "$data" --game "$game" --deal 1 --screenshot "$shot" 2>"$work/err" ||
      fail "game $game at size $size: $(cat "$work/err")"
    "$bin/screenshot_check" "$shot" || fail "game $game at size $size: the cards are not where the layout puts them"
    if [[ -n "${VELMORA_SCREENSHOTS:-}" ]]; then mkdir -p "$VELMORA_SCREENSHOTS" && cp "$shot" "$VELMORA_SCREENSHOTS/"; fi
  done
done
echo "table screenshots: all checks passed"
