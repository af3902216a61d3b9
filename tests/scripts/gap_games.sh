#!/usr/bin/env bash
# velmora-cli play: a Gaps deal won by filling the gaps, with one redeal of
# the cards not yet in order, and a Maze deal won by ordering its line, every
# step taken back to the deal and done again; a listed fill and a refused
# one; the demonstration fills gaps.
source "$(dirname "$0")/script_setup.bash"

# Gaps, deal 2: 104 fills and one redeal.
line="
move 041 Fila1;move 037 Fila4;move 023 Fila4;move 022 Fila4;move 015 Fila4;move 004 Fila3;move 019 Fila3;
move 030 Fila1;move 033 Fila3;move 045 Fila4;move 006 Fila3;move 039 Fila2;move 018 Fila1;move 003 Fila3;
move 002 Fila3;move 005 Fila3;move 020 Fila3;move 048 Fila1;move 025 Fila2;move 029 Fila1;move 044 Fila2;
move 024 Fila4;move 026 Fila2;move 009 Fila4;move 007 Fila3;move 052 Fila2;move 019 Fila1;move 047 Fila3;
move 020 Fila1;move 036 Fila1;move 004 Fila3;move 003 Fila3;move 005 Fila3;move 004 Fila3;move 005 Fila3;
move 006 Fila3;move 007 Fila3;move 008 Fila3;move 009 Fila3;move 023 Fila4;move 016 Fila4;move 051 Fila4;
move 012 Fila2;move 024 Fila4;move 017 Fila4;move 018 Fila4;move 042 Fila1;move 043 Fila1;move 035 Fila2;
move 019 Fila4;move 044 Fila1;move 032 Fila1;move 048 Fila3;move 037 Fila1;move 052 Fila4;move 013 Fila2;
move 034 Fila3;stock;move 028 Fila2;move 020 Fila4;move 048 Fila4;move 010 Fila3;move 029 Fila2;
move 045 Fila1;move 038 Fila2;move 037 Fila2;move 052 Fila3;move 030 Fila2;move 031 Fila2;move 021 Fila4;
move 036 Fila1;move 025 Fila2;move 049 Fila4;move 035 Fila2;move 036 Fila2;move 050 Fila4;move 024 Fila1;
move 034 Fila1;move 012 Fila2;move 046 Fila1;move 038 Fila2;move 032 Fila2;move 051 Fila4;move 025 Fila1;
move 026 Fila1;move 033 Fila2;move 047 Fila1;move 013 Fila2;move 022 Fila4;move 011 Fila3;move 034 Fila2;
move 012 Fila3;move 048 Fila1;move 023 Fila4;move 049 Fila1;move 024 Fila4;move 035 Fila2;move 050 Fila1;
move 025 Fila4;move 051 Fila1;move 026 Fila4;move 052 Fila1;move 013 Fila3;move 036 Fila2;move 039 Fila2;
"
tr ';' '\n' <<< "$line" | sed '/^$/d' > "$scratch/line"
count=$(wc -l < "$scratch/line")
[[ $(grep -c '^stock$' "$scratch/line") == 1 ]] || fail "the line redeals once"

# The table without the score, moves and state lines.
table() { grep -v -E '^(score|moves|state) ' "$1"; }

cli deal --game Gaps --deal 2 > "$scratch/dealt"
cli play --game Gaps --deal 2 --moves "$scratch/line" > "$scratch/won" || fail "the line was refused"
grep -qx "state won" "$scratch/won" || fail "not won: $(tail -3 "$scratch/won")"
grep -qx "moves $count" "$scratch/won" || fail "every fill and the redeal is a step: $(grep '^moves' "$scratch/won")"
# Each row runs from the 2 up to the King in one suit, then the gap.
for row in 1 2 3 4; do
  cards=$(grep "^Fila$row " "$scratch/won" | awk '{print $2}')
  [[ ${#cards} == 52 && ${cards:48:4} == 0000 ]] || fail "row $row does not end with its gap: $cards"
  first=$((10#${cards:0:3}))
  (((first - 1) % 13 == 1)) || fail "row $row does not start with a 2: $cards"
  for ((k = 1; k < 12; k++)); do
    [[ $((10#${cards:$((4 * k)):3})) == $((first + k)) ]] || fail "row $row breaks at place $((k + 1)): $cards"
  done
done

# Every step back restores the deal; every step forward the won table.
check_undo_redo() {
  local game=$1 deal=$2 count
  count=$(wc -l < "$scratch/line")
  { cat "$scratch/line"; for ((i = 0; i < count; i++)); do echo undo; done; } > "$scratch/back"
  cli play --game "$game" --deal "$deal" --moves "$scratch/back" > "$scratch/undone" || fail "$game: undo refused"
  diff <(table "$scratch/undone") "$scratch/dealt" > /dev/null || fail "$game: undo does not restore the deal"
  grep -qx "moves 0" "$scratch/undone" || fail "$game: steps left after undoing everything"
  { cat "$scratch/back"; for ((i = 0; i < count; i++)); do echo redo; done; } > "$scratch/again"
  cli play --game "$game" --deal "$deal" --moves "$scratch/again" > "$scratch/redone" || fail "$game: redo refused"
  diff "$scratch/redone" "$scratch/won" > /dev/null || fail "$game: redo does not return to the won table"
}
check_undo_redo Gaps 2

# The first fill of the line is listed; a card that fits no gap of the row
# is refused.
first_move=$(head -1 "$scratch/line")
: > "$scratch/none"
cli play --game Gaps --deal 2 --moves "$scratch/none" --list > "$scratch/listed" || fail "the deal does not list"
grep -qx "legal $first_move" "$scratch/listed" || fail "the first fill is not listed: $(grep '^legal' "$scratch/listed")"
grep -qx "state playing" "$scratch/listed" || fail "the deal is not in play"
echo "move 013 Fila1" > "$scratch/king"
set +e
cli play --game Gaps --deal 2 --moves "$scratch/king" > /dev/null 2> "$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "a King fits no gap but was taken"
grep -q "does not take card 013" "$scratch/err" || fail "the refusal: $(cat "$scratch/err")"

# Maze, deal 6: 208 fills order the line round the six rows.
maze="
move 024 Fila5;move 032 Fila1;move 015 Fila6;move 040 Fila4;move 049 Fila6;move 030 Fila4;move 008 Fila5;
move 045 Fila1;move 016 Fila1;move 002 Fila3;move 046 Fila6;move 010 Fila2;move 036 Fila2;move 051 Fila6;
move 017 Fila1;move 040 Fila2;move 021 Fila3;move 009 Fila6;move 006 Fila5;move 042 Fila4;move 031 Fila4;
move 031 Fila1;move 040 Fila4;move 027 Fila2;move 028 Fila2;move 022 Fila5;move 019 Fila1;move 025 Fila5;
move 012 Fila2;move 004 Fila3;move 048 Fila6;move 004 Fila3;move 037 Fila2;move 043 Fila4;move 031 Fila4;
move 005 Fila3;move 006 Fila3;move 031 Fila1;move 007 Fila3;move 007 Fila5;move 027 Fila5;move 028 Fila4;
move 006 Fila5;move 001 Fila2;move 031 Fila4;move 033 Fila3;move 032 Fila3;move 032 Fila4;move 006 Fila3;
move 002 Fila2;move 027 Fila5;move 002 Fila3;move 017 Fila1;move 037 Fila5;move 002 Fila2;move 017 Fila1;
move 003 Fila2;move 018 Fila1;move 018 Fila1;move 017 Fila1;move 017 Fila1;move 017 Fila1;move 009 Fila2;
move 016 Fila1;move 015 Fila1;move 003 Fila3;move 015 Fila6;move 003 Fila2;move 004 Fila3;move 004 Fila3;
move 015 Fila1;move 004 Fila3;move 005 Fila3;move 014 Fila1;move 006 Fila3;move 007 Fila3;move 008 Fila3;
move 045 Fila6;move 044 Fila5;move 028 Fila5;move 014 Fila6;move 044 Fila4;move 044 Fila5;move 044 Fila4;
move 044 Fila5;move 020 Fila1;move 028 Fila4;move 021 Fila1;move 028 Fila5;move 035 Fila3;move 036 Fila3;
move 028 Fila4;move 015 Fila6;move 022 Fila2;move 028 Fila5;move 023 Fila2;move 033 Fila5;move 034 Fila5;
move 016 Fila1;move 044 Fila4;move 034 Fila3;move 023 Fila5;move 008 Fila2;move 029 Fila5;move 045 Fila4;
move 017 Fila1;move 045 Fila6;move 017 Fila1;move 016 Fila1;move 015 Fila1;move 033 Fila3;move 008 Fila3;
move 008 Fila2;move 015 Fila6;move 008 Fila3;move 045 Fila4;move 022 Fila5;move 015 Fila1;move 008 Fila2;
move 008 Fila3;move 045 Fila6;move 045 Fila4;move 030 Fila6;move 015 Fila6;move 046 Fila4;move 008 Fila2;
move 032 Fila3;move 016 Fila1;move 031 Fila6;move 016 Fila1;move 047 Fila4;move 016 Fila1;move 032 Fila6;
move 022 Fila2;move 022 Fila5;move 032 Fila3;move 047 Fila6;move 016 Fila1;move 007 Fila2;move 007 Fila3;
move 007 Fila2;move 031 Fila3;move 016 Fila1;move 046 Fila6;move 021 Fila4;move 046 Fila4;move 006 Fila1;
move 017 Fila1;move 018 Fila1;move 047 Fila4;move 006 Fila3;move 047 Fila6;move 031 Fila6;move 007 Fila3;
move 018 Fila1;move 021 Fila1;move 047 Fila4;move 018 Fila1;move 047 Fila6;move 019 Fila1;move 047 Fila4;
move 048 Fila4;move 032 Fila6;move 048 Fila6;move 022 Fila2;move 019 Fila1;move 008 Fila3;move 048 Fila4;
move 049 Fila5;move 033 Fila6;move 009 Fila3;move 018 Fila1;move 017 Fila1;move 016 Fila1;move 009 Fila2;
move 049 Fila6;move 016 Fila1;move 023 Fila2;move 033 Fila3;move 023 Fila5;move 023 Fila2;move 049 Fila5;
move 023 Fila5;move 016 Fila1;move 008 Fila2;move 008 Fila3;move 033 Fila6;move 034 Fila6;move 009 Fila3;
move 010 Fila3;move 015 Fila1;move 023 Fila2;move 024 Fila2;move 025 Fila2;move 050 Fila5;move 051 Fila5;
move 040 Fila5;move 035 Fila6;move 036 Fila6;move 014 Fila1;move 011 Fila3;move 012 Fila3;move 040 Fila4;
move 014 Fila5;move 014 Fila1;move 001 Fila2;move 037 Fila6;move 038 Fila6;

"
tr ';' '\n' <<< "$maze" | sed '/^$/d' > "$scratch/line"
count=$(wc -l < "$scratch/line")
cli deal --game Maze --deal 6 > "$scratch/dealt"
cli play --game Maze --deal 6 --moves "$scratch/line" > "$scratch/won" || fail "Maze: the line was refused"
grep -qx "state won" "$scratch/won" || fail "Maze: not won: $(tail -3 "$scratch/won")"
grep -qx "score 188" "$scratch/won" || fail "Maze: every card follows the one before it: $(grep '^score' "$scratch/won")"
grep -qx "moves $count" "$scratch/won" || fail "Maze: every fill is a step: $(grep '^moves' "$scratch/won")"
check_undo_redo Maze 6

# The demonstration fills gaps.
cli demo --game Gaps --deal 2 --max-moves 10 > "$scratch/demo" || fail "the demonstration failed"
[[ $(grep -c '^move [0-9]* Fila[1-4]$' "$scratch/demo") -ge 5 ]] || fail "the demonstration fills no gaps: $(head "$scratch/demo")"
