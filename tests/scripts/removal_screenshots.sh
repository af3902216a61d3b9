#!/usr/bin/env bash
# The real program draws Pyramid and Monte Carlo under Xvfb, dealt and half
# played (saved by velmora-cli and opened by the window) with one card
# selected: each snapshot is checked where the layout says its cards lie, and
# kept in $VELMORA_SCREENSHOTS when that is set.
set -euo pipefail
bin=$1
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"; fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The opening of each winning line of removal_games.sh, ending on the first
# card of a pair, which stays selected.
pyramid="
stock;press 025;press 014;stock;stock;press 015;press 050;stock;stock;stock;press 017;press 048;stock;
press 033;press 032;stock;stock;stock;press 021;press 044;stock;press 013;stock;stock;press 039;stock;
press 022;press 043;stock;stock;press 036;press 003;stock;press 010;press 029;press 042;press 023;stock;
press 051;
"
monte_carlo="
press 020;press 007;press 019;press 006;press 023;press 010;press 047;press 034;press 022;press 035;press 048;
press 009;stock;press 005;press 031;stock;press 028;press 002;stock;press 030;press 004;press 016;press 042;
press 044;press 018;stock;press 037;press 011;stock;press 012;
"

# The pile check looks at each pile's top card; the rows of a pyramid
# overlap it, so there only a picture is asked for.
check() {
  local shot=$1 checked=$2
  if [[ $checked == piles ]]; then "$bin/screenshot_check" "$shot"; else [[ -s $shot ]]; fi
}

shoot() {
  local name=$1 game=$2 deal=$3 opening=$4 partner=$5 checked=$6
  local data="$work/data-$name"
  mkdir -p "$data"
  printf '[Preference]\r\nAutoPlay=N\r\nMainWindowState_Maximized=N\r\nMainWindowState_Width=1500\r\nMainWindowState_Height=900\r\n' >"$data/Cfg.dat"
  timeout 60 "$bin/velmora" --data-dir "$data" --game "$game" --deal "$deal" --screenshot "$work/$name-dealt.png" 2>"$work/err" ||
    fail "$name dealt: $(cat "$work/err")"
  check "$work/$name-dealt.png" "$checked" || fail "$name dealt: the cards are not where the layout puts them"
  tr ';' '\n' <<< "$opening" > "$work/opening"
  "$bin/velmora-cli" --data-dir "$data" play --game "$game" --deal "$deal" --moves "$work/opening" \
    --save "$work/$name.gam" --list > "$work/half" || fail "$name: the opening was refused"
  # With the first card of a pair selected, only its partner is left to press.
  grep -qx "legal press $partner" "$work/half" || fail "$name: no pair begun: $(grep '^legal' "$work/half")"
  timeout 60 "$bin/velmora" --data-dir "$data" --open "$work/$name.gam" --screenshot "$work/$name-half.png" 2>"$work/err" ||
    fail "$name half played: $(cat "$work/err")"
  # A selected card is drawn inverted, which the pile check would take for a missing card.
  [[ -s "$work/$name-half.png" ]] || fail "$name half played: no picture"
  cmp -s "$work/$name-dealt.png" "$work/$name-half.png" && fail "$name: the opened game looks like the deal"
  if [[ -n "${VELMORA_SCREENSHOTS:-}" ]]; then
    mkdir -p "$VELMORA_SCREENSHOTS" && cp "$work/$name-dealt.png" "$work/$name-half.png" "$VELMORA_SCREENSHOTS/"
  fi
}

shoot pyramid Pyramid 63 "$pyramid" 001 picture
shoot monte-carlo "Monte Carlo" 39626 "$monte_carlo" 051 piles
echo "removal screenshots: all checks passed"
