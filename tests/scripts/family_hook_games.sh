#!/usr/bin/env bash
# velmora-cli play: games of families with routines of their own played to
# the end - Accordion (cards covering their neighbours in one row) and
# Ninety-One (won by the sum of the top cards) - every step of the Accordion
# line taken back to the deal and done again; the demonstration plays
# Accordion and Black Hole by their own moves.
source "$(dirname "$0")/script_setup.bash"

# Accordion, deal 2: 100 actions, found by a search over the stock and the
# moves the command line makes (the nearer place when both take a card).
accordion="
stock;stock;stock;stock;stock;stock;stock;stock;move 025 Fila1;stock;stock;stock;stock;stock;stock;
move 009 Fila1;move 009 Fila1;move 032 Fila1;move 023 Fila1;stock;stock;stock;stock;stock;stock;stock;
move 002 Fila1;stock;move 015 Fila1;stock;move 003 Fila1;stock;move 016 Fila1;stock;stock;stock;stock;stock;
move 048 Fila1;stock;move 043 Fila1;stock;move 007 Fila1;stock;move 040 Fila1;move 040 Fila1;stock;
move 039 Fila1;move 038 Fila1;stock;stock;move 051 Fila1;stock;move 011 Fila1;stock;move 049 Fila1;
move 011 Fila1;stock;stock;move 047 Fila1;stock;stock;move 031 Fila1;stock;move 006 Fila1;stock;stock;
move 019 Fila1;move 028 Fila1;move 019 Fila1;stock;move 029 Fila1;move 029 Fila1;move 029 Fila1;
move 047 Fila1;move 003 Fila1;move 003 Fila1;move 003 Fila1;move 026 Fila1;move 003 Fila1;move 026 Fila1;
move 046 Fila1;move 046 Fila1;move 044 Fila1;move 026 Fila1;move 047 Fila1;move 047 Fila1;move 032 Fila1;
move 019 Fila1;move 026 Fila1;stock;move 052 Fila1;move 026 Fila1;stock;stock;stock;move 001 Fila1;
move 004 Fila1;move 017 Fila1;move 017 Fila1;
"
# Ninety-One, deal 1: the top cards come to 81 as dealt.
ninety_one="move 039 Fila2;move 022 Fila13"

table() { grep -v -E '^(score|moves|state) ' "$1"; }

# Plays a line to the won state; every step back gives the deal, every step
# forward the won table again.
check_line() {
  local game=$1 deal=$2 actions=$3
  tr ';' '\n' <<< "$actions" | sed '/^$/d' > "$scratch/line"
  local count
  count=$(wc -l < "$scratch/line")
  cli deal --game "$game" --deal "$deal" > "$scratch/dealt"
  cli play --game "$game" --deal "$deal" --moves "$scratch/line" > "$scratch/won" 2> /dev/null ||
    fail "$game: the line was refused"
  grep -qx "state won" "$scratch/won" || fail "$game: not won: $(tail -3 "$scratch/won")"
  grep -qx "moves $count" "$scratch/won" || fail "$game: every action is a step: $(grep '^moves' "$scratch/won")"
  { cat "$scratch/line"; for ((i = 0; i < count; i++)); do echo undo; done; } > "$scratch/back"
  cli play --game "$game" --deal "$deal" --moves "$scratch/back" > "$scratch/undone" 2> /dev/null ||
    fail "$game: undo refused"
  diff <(table "$scratch/undone") "$scratch/dealt" > /dev/null || fail "$game: undo does not restore the deal"
  { cat "$scratch/back"; for ((i = 0; i < count; i++)); do echo redo; done; } > "$scratch/again"
  cli play --game "$game" --deal "$deal" --moves "$scratch/again" > "$scratch/redone" 2> /dev/null ||
    fail "$game: redo refused"
  diff "$scratch/redone" "$scratch/won" > /dev/null || fail "$game: redo does not return to the won table"
}

check_line Accordion 2 "$accordion"
[[ $(grep -c '^Fila1 ....$' "$scratch/won") == 1 ]] || fail "Accordion: more than one card left"
[[ -z $(grep '^Mazzo ' "$scratch/won" | awk '{print $2}') ]] || fail "Accordion: the stock is not used up"

check_line Ninety-One 1 "$ninety_one"
cli play --game Ninety-One --deal 1 --moves "$scratch/line" > /dev/null 2> "$scratch/said"
grep -q "Your sequence is equal to 91." "$scratch/said" || fail "Ninety-One: the won message"

# The demonstration moves cards of the row and presses cards onto the
# discard pile, not only the stock.
cli demo --game Accordion --deal 1 --max-moves 30 > "$scratch/demo"
grep -q '^move ... Fila1$' "$scratch/demo" || fail "Accordion: the demo moves no card"
cli demo --game "Black Hole" --deal 1 --max-moves 30 > "$scratch/demo"
grep -q '^press ' "$scratch/demo" || fail "Black Hole: the demo presses no card"
echo "family hook games: all checks passed"
