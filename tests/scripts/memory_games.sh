#!/usr/bin/env bash
# velmora-cli play: Concentration won without a miss by a player who knows
# where every card lies (read from the deal), and the cost of a miss.
set -euo pipefail
bin=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cli() { "$bin/velmora-cli" --data-dir "$scratch/data" "$@"; }

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

# A card already face up does nothing.
printf 'press %s\npress %s\n' "$first" "$first" > "$scratch/twice"
set +e
cli play --game Concentration --deal $deal --moves "$scratch/twice" > /dev/null 2> "$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "a second press on a face-up card was taken"
grep -q "does nothing" "$scratch/err" || fail "the refusal: $(cat "$scratch/err")"
