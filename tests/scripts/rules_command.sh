#!/usr/bin/env bash
# velmora-cli rules GAME: the rules by name, their values by name with what
# they mean, a rule per pile on one line (a named 0 shown for the piles in
# use); plain numbers where no name exists.
source "$(dirname "$0")/script_setup.bash"

"$bin/velmora-cli" --data-dir "$scratch/data" rules FreeCell > "$scratch/freecell" || fail "rules FreeCell"
head -n 1 "$scratch/freecell" | grep -qx "game 3: FreeCell (type 4)" || fail "heading: $(head -n 1 "$scratch/freecell")"
expected_lines=(
  " 212  tableau_building[1-8] = alternate_colours  (in alternating colours)"
  " 132  tableau_fill[1-8] = any_card  (any card)"
  "  13  tableau_unit_size = free_cells_doubled  (one card more than the free cells, doubled for each empty pile other than the target)"
  "  52  foundation_base_rank[1-4] = ace  (an Ace)"
  " 172  tableau_direction[1-8] = down  (down)"
  " 375  tableau_cards[1-8] = 7 7 7 7 6 6 6 6"
  " 371  deck_cards = 52"
)
for line in "${expected_lines[@]}"; do
  grep -qxF -e "$line" "$scratch/freecell" || fail "FreeCell lacks \"$line\":
$(cat "$scratch/freecell")"
done

# Different values on the piles of one rule: each by name, each meaning once.
"$bin/velmora-cli" --data-dir "$scratch/data" rules "Picture Patience" > "$scratch/picture" || fail "rules Picture Patience"
grep -qxF "  52  foundation_base_rank[1-8] = ace ace ace ace king king king king  (an Ace; a King)" "$scratch/picture" ||
  fail "Picture Patience: $(grep foundation_base_rank "$scratch/picture")"

set +e
"$bin/velmora-cli" --data-dir "$scratch/data" rules "No Such Game" > "$scratch/out" 2> "$scratch/err"
[[ $? == 1 && ! -s "$scratch/out" ]] || fail "an unknown game is an error"
grep -qF 'no game "No Such Game"' "$scratch/err" || fail "unknown game: $(cat "$scratch/err")"
