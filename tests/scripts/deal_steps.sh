#!/usr/bin/env bash
# velmora-cli deal: the deal steps that send dealt cards up. Citadel's deal
# sends up, after the Aces, every card that fitted its foundation as it was
# dealt: each foundation holds its suit from the Ace up, face up, every card
# of the deck lies on the table once, and the opening score counts the cards
# sent up as moves to a foundation. Congress sends up the Aces of its tableau.
source "$(dirname "$0")/script_setup.bash"

: > "$scratch/nothing"
for deal in 1 42 9999999999999; do
  cli deal --game Citadel --deal "$deal" > "$scratch/table"
  up=0
  for k in 1 2 3 4; do
    cards=$(awk -v pile="Dest$k" '$1 == pile {print $2}' "$scratch/table")
    [[ -n $cards ]] || fail "deal $deal: foundation $k holds no Ace"
    for ((i = 0; i < ${#cards}; i += 4)); do
      expected=$(printf '%03d1' $((13 * (k - 1) + i / 4 + 1)))
      [[ ${cards:i:4} == "$expected" ]] || fail "deal $deal: foundation $k is not its suit from the Ace up, face up: $cards"
      up=$((up + 1))
    done
  done
  ((up > 4)) || fail "deal $deal: only the Aces went up"
  ids=$(awk 'NF > 1 {print $2}' "$scratch/table" | fold -w4 | cut -c1-3 | sort)
  [[ $(wc -l <<< "$ids") == 52 && -z $(uniq -d <<< "$ids") ]] || fail "deal $deal: the deck is not on the table once"
  cli play --game Citadel --deal "$deal" --moves "$scratch/nothing" > "$scratch/played"
  grep -qx "score $((5 * up - 52))" "$scratch/played" ||
    fail "deal $deal: $up cards up, but $(grep '^score' "$scratch/played")"
done

# Beleaguered Castle deals the same rows without sending anything up.
cli deal --game "Beleaguered Castle" --deal 1 > "$scratch/castle"
[[ $(grep -c '^Dest[1-4] ...1$' "$scratch/castle") == 4 ]] || fail "Beleaguered Castle's foundations hold more than the Aces"
# Congress sends the Aces dealt to its tableau up and fills their places from
# the stock, so the tableau starts with eight cards and no Ace among them.
rank() { echo $(((10#$1 - 1) % 13 + 1)); }
aces_up=0
for deal in 1 2 3 4 5 6 7 8 9 10; do
  cli deal --game Congress --deal "$deal" > "$scratch/congress"
  for i in 1 2 3 4 5 6 7 8; do
    card=$(awk -v pile="Fila$i" '$1 == pile {print $2}' "$scratch/congress")
    [[ ${#card} == 4 && ${card:3:1} == 1 ]] || fail "Congress deal $deal: pile $i is not one face-up card: $card"
    (($(rank "${card:0:3}") != 1)) || fail "Congress deal $deal: an Ace stayed on pile $i"
  done
  for k in 1 2 3 4 5 6 7 8; do
    card=$(awk -v pile="Dest$k" '$1 == pile {print $2}' "$scratch/congress")
    [[ -z $card ]] && continue
    [[ ${#card} == 4 && $(rank "${card:0:3}") == 1 ]] || fail "Congress deal $deal: foundation $k holds $card"
    aces_up=$((aces_up + 1))
  done
  ids=$(awk 'NF > 1 {print $2}' "$scratch/congress" | fold -w4 | cut -c1-3 | sort)
  [[ $(wc -l <<< "$ids") == 104 && -z $(uniq -d <<< "$ids") ]] || fail "Congress deal $deal: the decks are not on the table once"
done
((aces_up > 0)) || fail "Congress: no deal sent an Ace up"
echo "deal steps: all checks passed"
