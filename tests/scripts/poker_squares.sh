#!/usr/bin/env bash
# velmora-cli play: a deal of Poker Squares placed card by card into the
# grid, row by row; the score is the sum of the hands of its ten lines, the
# last card's line is announced on the result panel, undo and redo count the
# grid again.
source "$(dirname "$0")/script_setup.bash"

# Deal 1 turns these cards in this order; each goes to the next place.
cards="001 036 050 020 031 047 029 008 028 051 038 037 022 052 023 019 009 033 013 017 044 014 005 042 003"
# The grid they make and the hands of its lines:
#   Ah Tc Js 7d 5c   row 1 nothing          columns: 1 Ah 8s Qc 6d 5s nothing
#   8s 3c 8h 2c Qs   row 2 one pair     2            2 Tc 3c Jc 9h Ad nothing
#   Qc Jc 9d Ks Td   row 3 straight    15            3 Js 8h 9d 7c 5h nothing
#   6d 9h 7c Kh 4d   row 4 nothing                   4 7d 2c Ks Kh 3s one pair 2
#   5s Ad 5h 3s 3h   row 5 two pair     5            5 5c Qs Td 4d 3h nothing
total=24
before=""  # every card but the last placed
place=1
for card in $cards; do
  [ "$place" -lt 25 ] && before+="move $card Fila$place"$'\n'"stock"$'\n'
  place=$((place + 1))
done
script="${before}move 003 Fila25"$'\n'

out=$(printf '%s' "$script" | cli play --game "Poker Squares" --deal 1)
grep -qx "score $total" <<<"$out" || fail "the filled grid scores $total: $out"
grep -qx "state won" <<<"$out" || fail "a filled grid is won: $out"
grep -qx "panel Two Pair | 5 points | Total: $total points" <<<"$out" \
  || fail "the last card announces the fifth row: $out"

# Before the last card: the fifth row is not complete, its two pairs count nothing.
out=$(printf '%s' "$before" | cli play --game "Poker Squares" --deal 1)
grep -qx "score $((total - 5))" <<<"$out" || fail "a row of four cards scores nothing: $out"

# Taken back, the grid is counted again without an announcement; done again, the same.
out=$(printf '%sundo\n' "$script" | cli play --game "Poker Squares" --deal 1 --end)
grep -qx "score $((total - 5))" <<<"$out" || fail "undo counts the grid again: $out"
grep -qx "panel  |  | Total: $((total - 5)) points" <<<"$out" || fail "undo announces nothing: $out"
out=$(printf '%sundo\nredo\n' "$script" | cli play --game "Poker Squares" --deal 1)
grep -qx "score $total" <<<"$out" || fail "redo counts the grid again: $out"
grep -qx "panel  |  | Total: $total points" <<<"$out" || fail "redo announces nothing: $out"
# Saved before the last card and opened again: the total is shown as it stands.
printf '%s' "$before" | cli play --game "Poker Squares" --deal 1 --save "$scratch/grid.gam" > /dev/null
out=$(printf '' | cli play --open "$scratch/grid.gam")
grep -qx "panel  |  | Total: $((total - 5)) points" <<<"$out" || fail "an opened game shows its total: $out"
# A placed card stays where it was put.
if printf 'move 001 Fila1\nmove 001 Fila2\n' | cli play --game "Poker Squares" --deal 1 > "$scratch/out" 2>&1; then
  fail "a placed card moved on: $(cat "$scratch/out")"
fi
grep -q '^refused move 001 Fila2' "$scratch/out" || fail "the second move is refused: $(cat "$scratch/out")"
echo "ok"
