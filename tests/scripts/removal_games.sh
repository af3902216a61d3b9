#!/usr/bin/env bash
# velmora-cli play: a Pyramid deal and a Monte Carlo deal played to the last
# card by pressing cards and the stock, every step taken back to the deal and
# done again; the groups that complete are listed at the deal.
source "$(dirname "$0")/script_setup.bash"

# The table without the score, moves and state lines.
table() { grep -v -E '^(score|moves|state) ' "$1"; }

check_line() {
  local game=$1 deal=$2 actions=$3
  tr ';' '\n' <<< "$actions" | sed '/^$/d' > "$scratch/line"
  cli deal --game "$game" --deal "$deal" > "$scratch/dealt"
  cli play --game "$game" --deal "$deal" --moves "$scratch/line" > "$scratch/won" || fail "$game: the line was refused"
  grep -qx "state won" "$scratch/won" || fail "$game: not won: $(tail -3 "$scratch/won")"
  [[ $(grep '^Mazzo_Waste ' "$scratch/won" | awk '{print length($2)}') == 208 ]] || fail "$game: not every card discarded"
  # A press that only selects is no step: undo counts the discards and stock presses.
  local steps
  steps=$(sed -n 's/^moves //p' "$scratch/won")
  { cat "$scratch/line"; for ((i = 0; i < steps; i++)); do echo undo; done; } > "$scratch/back"
  cli play --game "$game" --deal "$deal" --moves "$scratch/back" > "$scratch/undone" || fail "$game: undo refused"
  diff <(table "$scratch/undone") "$scratch/dealt" > /dev/null || fail "$game: undo does not restore the deal"
  grep -qx "moves 0" "$scratch/undone" || fail "$game: steps left after undoing everything"
  { cat "$scratch/back"; for ((i = 0; i < steps; i++)); do echo redo; done; } > "$scratch/again"
  cli play --game "$game" --deal "$deal" --moves "$scratch/again" > "$scratch/redone" || fail "$game: redo refused"
  diff "$scratch/redone" "$scratch/won" > /dev/null || fail "$game: redo does not return to the won table"
}

# Pyramid, deal 63: free pairs, Kings alone, the waste card and three passes.
pyramid="
stock;press 025;press 014;stock;stock;press 015;press 050;stock;stock;stock;press 017;press 048;stock;
press 033;press 032;stock;stock;stock;press 021;press 044;stock;press 013;stock;stock;press 039;stock;
press 022;press 043;stock;stock;press 036;press 003;stock;press 010;press 029;press 042;press 023;stock;
press 051;press 001;stock;press 012;press 027;press 052;press 005;press 008;stock;stock;press 028;press 024;
stock;stock;stock;press 019;press 007;stock;stock;press 040;press 038;stock;press 002;press 011;stock;stock;
press 031;press 034;stock;stock;press 030;press 035;stock;press 020;press 045;press 009;press 004;press 037;
press 041;press 026;stock;press 047;press 018;stock;press 016;press 049;stock;press 006;press 046;
"
# Monte Carlo, deal 39626: touching pairs, the gaps closed by the stock.
monte_carlo="
press 020;press 007;press 019;press 006;press 023;press 010;press 047;press 034;press 022;press 035;press 048;
press 009;stock;press 005;press 031;stock;press 028;press 002;stock;press 030;press 004;press 016;press 042;
press 044;press 018;stock;press 037;press 011;stock;press 012;press 051;press 039;press 052;press 013;
press 026;stock;press 027;press 040;stock;press 021;press 008;press 001;press 014;stock;press 015;press 041;
stock;press 029;press 003;stock;press 025;press 038;press 045;press 032;stock;press 046;press 033;press 036;
press 049;press 017;press 043;press 050;press 024;
"

check_line Pyramid 63 "$pyramid"
check_line "Monte Carlo" 39626 "$monte_carlo"

# The groups that complete are offered at the deal, and a click on a covered
# pyramid card does nothing.
cli play --game Pyramid --deal 1 --moves /dev/null --list > "$scratch/list"
grep -q '^legal select ' "$scratch/list" || grep -q '^legal press ' "$scratch/list" || fail "Pyramid: no group listed"
grep -qx 'legal stock' "$scratch/list" || fail "Pyramid: the stock is not listed"
cli play --game "Monte Carlo" --deal 39626 --moves /dev/null --list | grep -q '^legal select ' ||
  fail "Monte Carlo: no pair listed"
covered=$(grep '^Fila1 ' "$scratch/list" | cut -c7-9)
echo "press $covered" > "$scratch/covered"
set +e
cli play --game Pyramid --deal 1 --moves "$scratch/covered" > /dev/null 2> "$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "Pyramid: a press on the covered top card must be refused"
echo "removal games: all checks passed"
