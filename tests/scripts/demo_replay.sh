#!/usr/bin/env bash
# velmora-cli demo and hint: the demonstration's moves, fed to velmora-cli
# play, reach the same table, score and state in games of every kind of
# stock; the hint names a move that play carries out.
source "$(dirname "$0")/script_setup.bash"
is_move() { grep -E '^(move [0-9]{3} [A-Za-z_]+[0-9]*|press [0-9]{3}|stock)$'; }

# Klondike draw one and three, FreeCell, Canfield (its tableau filled from
# the reserve), Golf, Pyramid, Spider one and four suits.
for game in 1 2 3 5 8 9 14 15; do
  for deal in 42 7 1234; do
    cli demo --game "$game" --deal "$deal" >"$scratch/demo"
    is_move <"$scratch/demo" >"$scratch/moves" || true
    grep -vE '^(move |press |stock$)' "$scratch/demo" >"$scratch/demo-table"
    [[ -s $scratch/moves ]] || fail "game $game deal $deal: the demonstration made no move"
    cli play --game "$game" --deal "$deal" --moves "$scratch/moves" >"$scratch/play" \
      || fail "game $game deal $deal: play refused the demonstration's moves"
    diff -u "$scratch/demo-table" "$scratch/play" >&2 || fail "game $game deal $deal: another table after the replay"
  done
done

# --max-moves stops the demonstration after that many moves.
cli demo --game 1 --deal 42 --max-moves 3 >"$scratch/demo"
[[ $(is_move <"$scratch/demo" | wc -l) == 3 ]] || fail "--max-moves 3 made $(is_move <"$scratch/demo" | wc -l) moves"

# The hint after a few moves is a move play accepts.
cli demo --game 3 --deal 42 --max-moves 5 | is_move >"$scratch/start"
cli hint --game 3 --deal 42 --moves "$scratch/start" >"$scratch/hint"
[[ $(wc -l <"$scratch/hint") == 1 ]] || fail "hint printed: $(cat "$scratch/hint")"
cat "$scratch/start" "$scratch/hint" >"$scratch/script"
cli play --game 3 --deal 42 --moves "$scratch/script" >/dev/null || fail "play refused the hint $(cat "$scratch/hint")"

# Mistakes of the command line.
set +e
cli demo --game 1 >/dev/null 2>&1; [[ $? == 2 ]] || fail "demo without --deal must fail with 2"
cli demo --game 1 --deal 1 --max-moves x >/dev/null 2>&1; [[ $? == 2 ]] || fail "--max-moves x must fail with 2"
cli hint --game 1 --deal 1 --moves "$scratch/none" >/dev/null 2>&1; [[ $? == 1 ]] || fail "a missing script must fail with 1"
cli hint --game "No such game" --deal 1 >/dev/null 2>&1; [[ $? == 1 ]] || fail "an unknown game must fail with 1"
set -e
echo ok
