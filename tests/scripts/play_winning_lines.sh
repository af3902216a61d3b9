#!/usr/bin/env bash
# velmora-cli play: a winning line of Klondike (draw one) and of FreeCell
# played to the last card, every step taken back to the deal and done again;
# refused lines and the command line's mistakes.
source "$(dirname "$0")/script_setup.bash"

# Klondike (draw one), deal 1: 150 actions.
klondike="
move 001 Dest1;stock;stock;stock;stock;stock;stock;stock;move 027 Dest2;stock;stock;stock;stock;stock;stock;
stock;stock;stock;stock;stock;stock;stock;stock;stock;stock;stock;move 040 Dest3;move 041 Dest3;
move 002 Dest1;move 052 Fila2;stock;stock;stock;stock;move 048 Fila5;move 008 Fila5;move 028 Dest2;
move 051 Fila4;stock;stock;stock;stock;move 024 Fila4;move 036 Fila4;move 023 Fila7;stock;move 025 Fila2;
move 050 Fila2;stock;stock;stock;stock;stock;stock;stock;move 045 Fila7;move 005 Fila7;move 042 Dest3;
move 003 Dest1;move 013 Fila3;stock;stock;stock;stock;stock;move 043 Dest3;stock;move 004 Dest1;
move 005 Dest1;stock;stock;stock;stock;stock;move 046 Fila1;move 019 Fila1;move 009 Fila3;move 033 Fila2;
stock;move 026 Fila5;move 038 Fila5;stock;stock;stock;stock;move 034 Fila3;move 020 Fila3;move 017 Fila7;
move 044 Dest3;move 031 Fila1;move 045 Dest3;move 014 Dest4;stock;stock;stock;stock;move 006 Dest1;stock;
move 015 Dest4;move 016 Dest4;move 017 Dest4;move 018 Dest4;stock;move 039 Fila4;stock;stock;move 012 Fila4;
move 037 Fila4;move 047 Fila6;move 029 Dest2;stock;stock;move 030 Dest2;move 031 Dest2;move 019 Dest4;
move 046 Dest3;move 020 Dest4;move 021 Dest4;move 047 Dest3;move 022 Dest4;stock;move 011 Fila5;
move 010 Fila4;move 032 Dest2;move 033 Dest2;move 034 Dest2;stock;stock;move 007 Dest1;move 008 Dest1;
move 048 Dest3;move 049 Dest3;move 023 Dest4;move 050 Dest3;move 009 Dest1;move 010 Dest1;move 011 Dest1;
stock;move 035 Dest2;move 036 Dest2;move 024 Dest4;move 025 Dest4;move 051 Dest3;move 052 Dest3;
move 037 Dest2;move 012 Dest1;move 013 Dest1;move 038 Dest2;move 039 Dest2;move 026 Dest4;
"
# FreeCell, deal 1: 113 single-card moves.
freecell="
move 001 Dest1;move 016 Appogg1;move 006 Appogg2;move 003 Appogg3;move 015 Fila7;move 041 Appogg4;
move 002 Dest1;move 003 Dest1;move 048 Appogg3;move 016 Fila3;move 039 Appogg1;move 041 Fila3;
move 043 Appogg4;move 004 Dest1;move 040 Dest2;move 041 Dest2;move 048 Fila1;move 021 Fila1;move 036 Fila2;
move 022 Fila2;move 032 Appogg3;move 012 Fila6;move 010 Fila8;move 043 Fila4;move 016 Fila4;move 030 Appogg4;
move 046 Fila1;move 027 Dest3;move 006 Fila1;move 010 Appogg2;move 050 Fila6;move 032 Fila8;move 013 Appogg3;
move 010 Fila6;move 017 Appogg2;move 044 Fila1;move 014 Dest4;move 015 Dest4;move 005 Fila8;move 042 Dest2;
move 030 Fila5;move 016 Fila5;move 043 Fila8;move 029 Fila4;move 008 Appogg4;move 028 Dest3;move 029 Dest3;
move 043 Fila4;move 016 Fila4;move 030 Dest3;move 005 Dest1;move 013 Fila5;move 044 Appogg3;move 006 Dest1;
move 051 Fila3;move 038 Fila5;move 010 Fila7;move 016 Dest4;move 017 Dest4;move 043 Appogg2;move 039 Fila4;
move 050 Appogg1;move 012 Fila4;move 050 Fila4;move 052 Appogg1;move 023 Fila4;move 044 Fila6;
move 022 Appogg3;move 043 Dest2;move 044 Dest2;move 036 Appogg2;move 011 Fila3;move 049 Fila3;move 007 Dest1;
move 008 Dest1;move 022 Fila3;move 034 Fila3;move 035 Fila4;move 018 Dest4;move 019 Dest4;move 032 Appogg3;
move 020 Dest4;move 045 Dest2;move 046 Dest2;move 021 Dest4;move 031 Dest3;move 032 Dest3;move 009 Dest1;
move 033 Dest3;move 034 Dest3;move 035 Dest3;move 036 Dest3;move 010 Dest1;move 047 Dest2;move 048 Dest2;
move 022 Fila1;move 049 Dest2;move 011 Dest1;move 023 Fila2;move 050 Dest2;move 051 Dest2;move 052 Dest2;
move 012 Dest1;move 037 Dest3;move 038 Dest3;move 039 Dest3;move 013 Dest1;move 022 Dest4;move 023 Dest4;
move 026 Fila1;move 024 Dest4;move 025 Dest4;move 026 Dest4;
"

# The table without the score, moves and state lines.
table() { grep -v -E '^(score|moves|state) ' "$1"; }

check_line() {
  local game=$1 actions=$2
  tr ';' '\n' <<< "$actions" | sed '/^$/d' > "$scratch/line"
  local count
  count=$(wc -l < "$scratch/line")
  cli deal --game "$game" --deal 1 > "$scratch/dealt"

  cli play --game "$game" --deal 1 --moves "$scratch/line" > "$scratch/won" || fail "game $game: the line was refused"
  grep -qx "state won" "$scratch/won" || fail "game $game: not won: $(tail -3 "$scratch/won")"
  grep -qx "score 208" "$scratch/won" || fail "game $game: score of every card up: $(grep '^score' "$scratch/won")"
  grep -qx "moves $count" "$scratch/won" || fail "game $game: every action is a step: $(grep '^moves' "$scratch/won")"
  for k in 1 2 3 4; do
    [[ $(grep "^Dest$k " "$scratch/won" | awk '{print length($2)}') == 52 ]] || fail "game $game: Dest$k is not full"
  done
  [[ -z $(grep -E '^(Mazzo|Mazzo_Vis|Fila[0-9]+|Appogg[0-9]+) ' "$scratch/won") ]] || fail "game $game: cards left off the foundations"

  # Every step back restores the deal; every step forward the won table.
  { cat "$scratch/line"; for ((i = 0; i < count; i++)); do echo undo; done; } > "$scratch/back"
  cli play --game "$game" --deal 1 --moves "$scratch/back" > "$scratch/undone" || fail "game $game: undo refused"
  diff <(table "$scratch/undone") "$scratch/dealt" > /dev/null || fail "game $game: undo does not restore the deal"
  grep -qx "score -52" "$scratch/undone" || fail "game $game: score after undoing everything"
  grep -qx "moves 0" "$scratch/undone" || fail "game $game: steps left after undoing everything"
  { cat "$scratch/back"; for ((i = 0; i < count; i++)); do echo redo; done; } > "$scratch/again"
  cli play --game "$game" --deal 1 --moves "$scratch/again" > "$scratch/redone" || fail "game $game: redo refused"
  diff "$scratch/redone" "$scratch/won" > /dev/null || fail "game $game: redo does not return to the won table"
  { cat "$scratch/back"; echo undo; } > "$scratch/toofar"
  set +e
  cli play --game "$game" --deal 1 --moves "$scratch/toofar" > /dev/null 2> "$scratch/err"
  local code=$?
  set -e
  [[ $code == 1 ]] || fail "game $game: an undo past the deal must be refused"
  grep -qx "refused undo: nothing to undo" "$scratch/err" || fail "game $game: $(cat "$scratch/err")"
}

check_line 1 "$klondike"
check_line 3 "$freecell"

# A double click sends a top card to the first foundation that takes it:
# the FreeCell line with every foundation move made by "send" wins alike.
tr ';' '\n' <<< "$freecell" | sed '/^$/d; s/^move \([0-9]*\) Dest[0-9]*$/send \1/' > "$scratch/sends"
grep -q '^send' "$scratch/sends" || fail "no sends in the line"
cli play --game 3 --deal 1 --moves "$scratch/sends" > "$scratch/sent" || fail "a send was refused"
diff "$scratch/sent" "$scratch/won" > /dev/null || fail "sends do not reach the same won table"

# The statistics of the data folder: a won game is recorded once, as won;
# --end records a game left in progress as lost; a game left in progress
# without --end, and a script with a refused line, record nothing.
records="$scratch/records"
rec() { "$bin/velmora-cli" --data-dir "$records" "$@"; }
freecell_record() { tr -d '\r' < "$records/STAT.DAT" | grep -A1 -x '\[0003\]' | grep '^Player 1=' | cut -c10-22; }
tr ';' '\n' <<< "$freecell" | sed '/^$/d' > "$scratch/line"
rec play --game 3 --deal 1 --moves "$scratch/line" > "$scratch/out" || fail "records: the FreeCell line was refused"
grep -qx "state won" "$scratch/out" || fail "records: the line does not win"
[[ $(freecell_record) == "000001 000000" ]] || fail "records: one won game expected: $(cat "$records/STAT.DAT")"
[[ $(grep -c ' Won  ' "$records/STAT_LOG.DAT") == 1 ]] || fail "records: one won line in the results log"
head -3 "$scratch/line" > "$scratch/opening"
cp "$records/STAT.DAT" "$scratch/stat-before"
rec play --game 3 --deal 1 --moves "$scratch/opening" > "$scratch/out" || fail "records: the opening was refused"
grep -qx "state playing" "$scratch/out" || fail "records: the opening leaves the game in progress"
cmp -s "$records/STAT.DAT" "$scratch/stat-before" || fail "records: a game in progress was recorded"
{ cat "$scratch/opening"; echo "move 021 Dest1"; } > "$scratch/refused-opening"
rec play --game 3 --deal 1 --moves "$scratch/refused-opening" --end > /dev/null 2>&1 && fail "records: the refused line passed"
cmp -s "$records/STAT.DAT" "$scratch/stat-before" || fail "records: a refused script was recorded"
rec play --game 3 --deal 1 --moves "$scratch/opening" --end > "$scratch/out" || fail "records: --end was refused"
grep -qx "state lost" "$scratch/out" || fail "records: --end ends the game as lost"
[[ $(freecell_record) == "000001 000001" ]] || fail "records: a lost game expected: $(cat "$records/STAT.DAT")"

# A refused line leaves the table as it was and fails the run; the rest of
# the script is not played.
printf 'move 001 Dest1\nmove 021 Dest1\nstock\n' > "$scratch/refused"
set +e
cli play --game 1 --deal 1 --moves "$scratch/refused" > "$scratch/out" 2> "$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "a refused move must fail the run, got $code"
grep -qx "refused move 021 Dest1: Dest1 does not take card 021" "$scratch/err" || fail "refusal: $(cat "$scratch/err")"
grep -qx "moves 1" "$scratch/out" || fail "the moves before the refusal stand, nothing after"
grep -qx "Dest1 0011" "$scratch/out" || fail "the table after a refusal: $(grep ^Dest1 "$scratch/out")"

refusals=(
  "move 999 Dest1|CARD is a card id of 3 digits"
  "move 1 Dest1|CARD is a card id of 3 digits"
  "move 021 Dest9|Dest9 is not a pile of this game that takes cards"
  "move 021 Mazzo|Mazzo is not a pile of this game that takes cards"
  "move 001 Dest01|Dest01 is not a pile name; the pile is Dest1"
  "move 001 Dest+1|Dest+1 is not a pile name; the pile is Dest1"
  "move 001 Dest1x|Dest1x is not a pile of this game that takes cards"
  "move 040 Dest1|card 040 cannot be taken from Mazzo"
  "send 040|card 040 is not in reach"
  "redo|nothing to redo"
  "shuffle|expected move CARD PILE, send CARD, press CARD, stock, undo or redo"
  "stock now|expected move CARD PILE, send CARD, press CARD, stock, undo or redo"
)
for entry in "${refusals[@]}"; do
  line=${entry%%|*} reason=${entry#*|}
  set +e
  echo "$line" | cli play --game 1 --deal 1 > "$scratch/out" 2> "$scratch/err"
  code=$?
  set -e
  [[ $code == 1 ]] || fail "'$line' must be refused, got $code"
  grep -qxF "refused $line: $reason" "$scratch/err" || fail "'$line': $(cat "$scratch/err")"
  diff <(table "$scratch/out") <(cli deal --game 1 --deal 1) > /dev/null || fail "'$line' changed the table"
done

set +e
cli play --game 1 < /dev/null > /dev/null 2>&1; [[ $? == 2 ]] || fail "no deal number is a usage error"
cli play --game 1 --deal 1 --moves "$scratch/none" > /dev/null 2>&1; [[ $? == 1 ]] || fail "a missing moves file"
cli play --game NoSuchGame --deal 1 < /dev/null > /dev/null 2>&1; [[ $? == 1 ]] || fail "an unknown game"
set -e
echo "play: all checks passed"
