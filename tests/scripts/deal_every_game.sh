#!/usr/bin/env bash
# Every game of the catalogue deals without error for a few deal numbers, and
# every deal places each card of its deck exactly once.
set -euo pipefail
bin=$1
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

games=$("$bin/velmora-cli" --data-dir "$data" games | awk 'NR > 1 {print $1}')
[[ -n $games ]] || fail "no games in the catalogue"
for game in $games; do
  for deal in 1 42 9999999999999; do
    table=$("$bin/velmora-cli" --data-dir "$data" deal --game "$game" --deal "$deal") ||
      fail "game $game, deal $deal did not deal"
    first=${table%%[ $'\n']*}  # the first pile's name (no early-closing pipe under pipefail)
    [[ $first =~ ^(Mazzo|Mazzo_Vis|Mazzo_Waste|Dest[0-9]+|Fila[0-9]+|Appogg[0-9]+)$ ]] ||
      fail "game $game, deal $deal: unexpected line '$first'"
    # No card may lie on the table twice (gaps, id 000, may repeat).
    dupes=$(printf '%s\n' "$table" | awk 'NF > 1 {print $2}' | fold -w4 | cut -c1-3 | { grep -v '^000$' || true; } | sort | uniq -d)
    [[ -z $dupes ]] || fail "game $game, deal $deal: cards dealt twice: $dupes"
  done
  again=$("$bin/velmora-cli" --data-dir "$data" deal --game "$game" --deal 42)
  [[ $again == $("$bin/velmora-cli" --data-dir "$data" deal --game "$game" --deal 42) ]] ||
    fail "game $game deals deal 42 differently twice"
done
"$bin/velmora-cli" --data-dir "$data" deal --game "freecell" --deal 7 --json | grep -q '^{"game": 3, "deal": "0000000000007", "piles": \[' ||
  fail "--json"
set +e
"$bin/velmora-cli" --data-dir "$data" deal --game 1 --deal 12345678901234 2>/dev/null; [[ $? == 2 ]] || fail "a 14-digit deal number must be refused"
"$bin/velmora-cli" --data-dir "$data" deal --game "No Such Game" --deal 1 2>/dev/null; [[ $? == 1 ]] || fail "an unknown game"
set -e
echo "deal every game: all checks passed"
