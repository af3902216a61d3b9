#!/usr/bin/env bash
# velmora-cli play: Poker Shuffle deals its whole grid; a card moved onto
# another card of the grid changes places with it, by a move or by two
# presses, and the lines of both cards are scored again; undo puts both
# back. The demonstration makes rising exchanges until none is left, and its
# moves played back give its score.
source "$(dirname "$0")/script_setup.bash"
game="Poker Shuffle"

# Deal 1 lays this grid (Fila1 to Fila25, row by row):
#   3h 3s 5h Ad 5s   row 1 two pair     5    column 2 3s Kh Ks 2c 7d one pair 2
#   4d Kh 7c 9h 6d   row 2 nothing
#   Td Ks 9d Jc Qc   row 3 straight    15
#   Qs 2c 8h 3c 8s   row 4 one pair     2
#   5c 7d Js Tc Ah   row 5 nothing           every other column nothing: 24
# The Ace of diamonds (014, Fila4) and the 5 of clubs (031, Fila21) changing
# places make row 1 a full house (25) and row 5 a pair of Aces (2): 46.
out=$(printf '' | cli play --game "$game" --deal 1)
grep -qx "score 24" <<<"$out" || fail "the dealt grid scores 24: $out"
grep -qx "state playing" <<<"$out" || fail "a dealt grid is not won: $out"

for script in 'move 014 Fila21' $'press 014\npress 031'; do
  out=$(printf '%s\n' "$script" | cli play --game "$game" --deal 1)
  grep -qx "Fila4 0311" <<<"$out" && grep -qx "Fila21 0141" <<<"$out" || fail "the two cards changed places: $out"
  grep -qx "score 46" <<<"$out" || fail "both lines are scored again: $out"
  grep -qx "moves 1" <<<"$out" || fail "an exchange is one step: $out"
  grep -qx "panel One Pair | 2 points | Total: 46 points" <<<"$out" || fail "row 5 is announced last: $out"
done

out=$(printf 'move 014 Fila21\nundo\n' | cli play --game "$game" --deal 1)
grep -qx "Fila4 0141" <<<"$out" && grep -qx "Fila21 0311" <<<"$out" || fail "undo puts both cards back: $out"
grep -qx "score 24" <<<"$out" || fail "undo counts the grid again: $out"

# A card goes nowhere but onto another card of the grid.
for refused in 'move 014 Fila4' 'move 014 Mazzo'; do
  if printf '%s\n' "$refused" | cli play --game "$game" --deal 1 > "$scratch/out" 2>&1; then
    fail "$refused was played: $(cat "$scratch/out")"
  fi
done

# The demonstration ends: won once it reaches the score to win (deal 34
# reaches 120), lost when no exchange raises the score any more.
for deal in 1 2 34; do
  demo=$(cli demo --game "$game" --deal "$deal")
  state=$(sed -n 's/^state //p' <<<"$demo")
  score=$(sed -n 's/^score //p' <<<"$demo")
  case "$deal:$state" in
    34:won | [12]:lost) ;;
    *) fail "the demonstration of deal $deal ended $state: $demo" ;;
  esac
  moves=$(grep '^move ' <<<"$demo") || fail "the demonstration of deal $deal made no exchange: $demo"
  out=$(printf '%s\n' "$moves" | cli play --game "$game" --deal "$deal")
  grep -qx "score $score" <<<"$out" || fail "the demonstration's moves of deal $deal score $score: $out"
  listed=$(printf '%s\n' "$moves" | cli play --game "$game" --deal "$deal" --list)
  if [ "$state" = lost ] && grep -q "^legal move" <<<"$listed"; then
    fail "an exchange that raises the score is left after the demonstration of deal $deal: $listed"
  fi
done
echo "ok"
