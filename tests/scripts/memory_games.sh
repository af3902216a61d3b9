#!/usr/bin/env bash
# velmora-cli play: Concentration, Memory and Ace To King won without a miss
# by a player who knows where every card lies (read from the deal), with
# their result pages; the cost of a miss; the demonstration's result.
source "$(dirname "$0")/script_setup.bash"

deal=5
cli deal --game Concentration --deal $deal > "$scratch/dealt"
cards=$(grep '^Fila1 ' "$scratch/dealt" | awk '{print $2}')
[[ ${#cards} == 208 ]] || fail "the deal does not hold 52 cards in one pile: $cards"

# The cards of each rank, in the order they lie, pressed two by two.
declare -A of_rank
for ((k = 0; k < 52; k++)); do
  id=$((10#${cards:$((4 * k)):3}))
  [[ ${cards:$((4 * k + 3)):1} == 0 ]] || fail "card $id lies face up at the deal"
  rank=$(((id - 1) % 13))
  of_rank[$rank]+="$(printf '%03d' "$id") "
done
: > "$scratch/line"
for ((rank = 0; rank < 13; rank++)); do
  for id in ${of_rank[$rank]}; do echo "press $id" >> "$scratch/line"; done
done
[[ $(wc -l < "$scratch/line") == 52 ]] || fail "52 presses expected"

cli play --game Concentration --deal $deal --moves "$scratch/line" > "$scratch/won" || fail "the presses were refused"
grep -qx "state won" "$scratch/won" || fail "not won: $(tail -3 "$scratch/won")"
grep -qx "score 130" "$scratch/won" || fail "26 pairs and no miss: $(grep '^score' "$scratch/won")"
grep -qx "moves 52" "$scratch/won" || fail "every turn is a step: $(grep '^moves' "$scratch/won")"
[[ $(grep '^Mazzo_Waste ' "$scratch/won" | awk '{print length($2)}') == 208 ]] || fail "the pairs are not on the discard pile"
grep -qx "result Concentration | Cards: 52 | Matches 26 x 7 = 182 | Misses 0 x -1 = 0 | Start -52 | Total 130 | To win 50" \
  "$scratch/won" || fail "the result page: $(grep '^result' "$scratch/won")"

# A miss costs a point and turns both cards back; the next press turns again.
first=$(head -1 "$scratch/line" | awk '{print $2}')
other=$(sed -n 5p "$scratch/line" | awk '{print $2}')
[[ $(((10#$first - 1) % 13)) != $(((10#$other - 1) % 13)) ]] || fail "the miss needs two ranks"
printf 'press %s\npress %s\n' "$first" "$other" > "$scratch/miss"
cli play --game Concentration --deal $deal --moves "$scratch/miss" --list > "$scratch/missed" || fail "the miss was refused"
grep -qx "score -53" "$scratch/missed" || fail "a miss costs one point: $(grep '^score' "$scratch/missed")"
diff <(grep '^Fila1 ' "$scratch/missed") <(grep '^Fila1 ' "$scratch/dealt") > /dev/null || fail "the missed cards stay face up"
grep -qx "state playing" "$scratch/missed" || fail "the game goes on after a miss"
[[ $(grep -c '^legal press ' "$scratch/missed") == 52 ]] || fail "every face-down card may be pressed"

# The clock may run on in a script; in Concentration it changes nothing.
printf 'press %s\nwait 10\n' "$first" | cli play --game Concentration --deal $deal --list > "$scratch/waited" \
  || fail "wait refused"
grep -qx "moves 1" "$scratch/waited" || fail "waiting is no move: $(grep '^moves' "$scratch/waited")"
for bad in "wait" "wait 0" "wait 3601" "wait ten" "wait 5 5"; do
  if echo "$bad" | cli play --game Concentration --deal $deal > /dev/null 2> "$scratch/err"; then fail "$bad was taken"; fi
  grep -q "^refused $bad" "$scratch/err" || fail "$bad: $(cat "$scratch/err")"
done

# A card already face up does nothing.
printf 'press %s\npress %s\n' "$first" "$first" > "$scratch/twice"
set +e
cli play --game Concentration --deal $deal --moves "$scratch/twice" > /dev/null 2> "$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "a second press on a face-up card was taken"
grep -q "does nothing" "$scratch/err" || fail "the refusal: $(cat "$scratch/err")"

# The cards of the first tableau pile of a deal, as ids, in the order they lie.
pile_ids() {
  local cards=$1 k
  for ((k = 0; k < ${#cards} / 4; k++)); do echo $((10#${cards:$((4 * k)):3})); done
}

# Memory on its three grids: whole pairs of identical cards, rows of the
# grid's width; each card pressed with its double.
while IFS='|' read -r game rows per_row result; do
  cli deal --game "$game" --deal $deal > "$scratch/memory-dealt"
  unset seen
  declare -A seen
  : > "$scratch/memory-line"
  for ((pile = 1; pile <= rows; pile++)); do
    cards=$(grep "^Fila$pile " "$scratch/memory-dealt" | awk '{print $2}')
    [[ ${#cards} == $((4 * per_row)) ]] || fail "$game: row $pile does not hold $per_row cards: $cards"
    for id in $(pile_ids "$cards"); do
      face=$(((id - 1) % 52))
      seen[$face]+="$(printf '%03d' "$id") "
    done
  done
  [[ ${#seen[@]} == $((rows * per_row / 2)) ]] || fail "$game: ${#seen[@]} faces dealt"
  for face in "${!seen[@]}"; do
    pair=(${seen[$face]})
    [[ ${#pair[@]} == 2 && ${pair[0]} != "${pair[1]}" ]] || fail "$game: card $face is not dealt with its double"
    printf 'press %s\npress %s\n' "${pair[0]}" "${pair[1]}" >> "$scratch/memory-line"
  done
  cli play --game "$game" --deal $deal --moves "$scratch/memory-line" > "$scratch/memory-won" || fail "$game: refused"
  grep -qx "state won" "$scratch/memory-won" || fail "$game not won: $(tail -3 "$scratch/memory-won")"
  grep -qx "result $result" "$scratch/memory-won" || fail "$game's result page: $(grep '^result' "$scratch/memory-won")"
done <<'GAMES'
Memory|5|8|Pairs | Grid: 8 x 5 | Matches 20 x 10 = 200 | Misses 0 x -2 = 0 | Start -52 | Total 148 | To win 96
Memory (24 cards)|4|6|Pairs | Grid: 6 x 4 | Matches 12 x 10 = 120 | Misses 0 x -2 = 0 | Start -52 | Total 68 | To win 36
Memory (12 cards)|3|4|Pairs | Grid: 4 x 3 | Matches 6 x 10 = 60 | Misses 0 x -2 = 0 | Start -52 | Total 8 | To win -8
GAMES

# Ace To King: four rounds from an Ace up to a King, any suit; then a first
# card that is not an Ace is a miss.
cli deal --game "Ace To King" --deal $deal > "$scratch/run-dealt"
cards=$(grep '^Fila1 ' "$scratch/run-dealt" | awk '{print $2}')
declare -A by_rank
for id in $(pile_ids "$cards"); do by_rank[$(((id - 1) % 13))]+="$(printf '%03d' "$id") "; done
: > "$scratch/run-line"
for ((round = 0; round < 4; round++)); do
  for ((rank = 0; rank < 13; rank++)); do
    of=(${by_rank[$rank]})
    echo "press ${of[$round]}" >> "$scratch/run-line"
  done
done
cli play --game "Ace To King" --deal $deal --moves "$scratch/run-line" > "$scratch/run-won" || fail "Ace To King: presses refused"
grep -qx "state won" "$scratch/run-won" || fail "Ace To King not won: $(tail -3 "$scratch/run-won")"
grep -qx "result Ace-To-King | Matches 52 x 15 = 780 | Misses 0 x -1 = 0 | Start -52 | Total 728 | To win 628" \
  "$scratch/run-won" || fail "Ace To King's result page: $(grep '^result' "$scratch/run-won")"
two=(${by_rank[1]})
printf 'press %s\n' "${two[0]}" | cli play --game "Ace To King" --deal $deal > "$scratch/run-miss" \
  || fail "Ace To King: a Two refused"
grep -qx "score -53" "$scratch/run-miss" || fail "a first card that is not an Ace is a miss: $(grep '^score' "$scratch/run-miss")"
grep -qx "state playing" "$scratch/run-miss" || fail "the game goes on after a miss"
! grep -q '^result' "$scratch/run-miss" || fail "a game in progress shows no result"

# A run saved and opened again goes on where it was left.
head -2 "$scratch/run-line" | cli play --game "Ace To King" --deal $deal --save "$scratch/run.sav" > /dev/null \
  || fail "the run was not saved"
sed -n 3p "$scratch/run-line" | cli play --open "$scratch/run.sav" > "$scratch/run-opened" || fail "the saved run"
grep -qx "score -7" "$scratch/run-opened" || fail "three cards of the run: $(grep '^score' "$scratch/run-opened")"

# The demonstration turns the cards as the table says and ends with the page.
cli demo --game "Ace To King" --deal $deal > "$scratch/run-demo"
grep -qx "state won" "$scratch/run-demo" || fail "the demonstration lost: $(tail -3 "$scratch/run-demo")"
grep -q "^result Ace-To-King | .* | Total 728 | To win 628$" "$scratch/run-demo" \
  || fail "the demonstration's result: $(grep '^result' "$scratch/run-demo")"

# Forget Me Not: the demonstration waits for the ten cards to turn down and
# moves every double to its place; played back, the same. Two doubles
# swapped cost their two matches.
cli demo --game "Forget Me Not" --deal $deal > "$scratch/remember-demo"
grep -qx "wait 10" "$scratch/remember-demo" || fail "the demonstration does not wait: $(head -3 "$scratch/remember-demo")"
grep -qx "result Forget me not | Cards: 10 | Matches 10 x 10 = 100 | Misses 0 x 0 = 0 | Start -52 | Total 48 | To win 28" \
  "$scratch/remember-demo" || fail "the demonstration's result: $(grep '^result' "$scratch/remember-demo")"
grep -E '^(wait|move) ' "$scratch/remember-demo" > "$scratch/remember-line"
[[ $(grep -c '^move ' "$scratch/remember-line") == 10 ]] || fail "ten doubles to move: $(cat "$scratch/remember-line")"
cli play --game "Forget Me Not" --deal $deal --moves "$scratch/remember-line" > "$scratch/remember-won" \
  || fail "the demonstration's moves were refused"
grep -qx "state won" "$scratch/remember-won" || fail "Forget Me Not not won: $(tail -3 "$scratch/remember-won")"
awk 'BEGIN { n = 0 } /^move / && n < 2 { pile[n] = $3; card[n] = $2; n++; next } { print }
     END { print "move " card[0] " " pile[1]; print "move " card[1] " " pile[0] }' \
  "$scratch/remember-line" > "$scratch/remember-swapped"
cli play --game "Forget Me Not" --deal $deal --moves "$scratch/remember-swapped" > "$scratch/remember-eight" \
  || fail "the swapped doubles were refused"
grep -qx "result Forget me not | Cards: 10 | Matches 8 x 10 = 80 | Misses 2 x 0 = 0 | Start -52 | Total 28 | To win 28" \
  "$scratch/remember-eight" || fail "two doubles swapped: $(grep '^result' "$scratch/remember-eight")"
# Before the ten seconds are over no double lies on the table.
if sed -n 2p "$scratch/remember-line" | cli play --game "Forget Me Not" --deal $deal > /dev/null 2>&1; then
  fail "a double was moved before the cards turned down"
fi
echo "ok"
