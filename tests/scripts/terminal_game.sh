#!/usr/bin/env bash
# velmora-cli tty on a pseudo-terminal of 80 x 24: the dealt table is drawn
# with every pile; a move typed on the command line is played and a refused
# one shows the engine's reason; quit after a move records the game as
# lost, as play --end records it, and quit before any move records nothing;
# a saved game opened goes on where it was left.
source "$(dirname "$0")/script_setup.bash"
command -v script > /dev/null || fail "script (bsdutils) is needed to give the game a terminal"

# in_terminal DATA KEYS ARGUMENTS...: velmora-cli ARGUMENTS on a terminal of
# $columns x $rows, KEYS typed into it; what it drew in $scratch/screen, its
# exit code in $code.
columns=80 rows=24
in_terminal() {
  local data=$1 keys=$2
  shift 2
  local command
  command=$(printf '%q ' "$bin/velmora-cli" --data-dir "$data" "$@")
  set +e
  # The pause after the keys keeps the terminal open until the game has read them.
  { printf '%b' "$keys"; sleep 0.5; } |
    TERM=xterm LINES=$rows COLUMNS=$columns LC_ALL=C.UTF-8 timeout 30 script -qfec "$command" /dev/null > "$scratch/screen"
  code=$?
  set -e
}

# The first legal move of the deal, its card written as the table shows it.
move=$("$bin/velmora-cli" --data-dir "$scratch/probe" play --game 1 --deal 1 --list < /dev/null | grep -m1 '^legal move ')
read -r _ _ id pile <<< "$move"
ranks=(A 2 3 4 5 6 7 8 9 10 J Q K)
suits=(H D C S)
card=${ranks[$(((10#$id - 1) % 13))]}${suits[$(((10#$id - 1) / 13 % 4))]}

in_terminal "$scratch/played" "move $card $pile\rmove $card Mazzo\rquit\r" tty --game 1 --deal 1
[[ $code == 0 ]] || fail "tty exit code $code: $(tail -c 500 "$scratch/screen")"
for name in Mazzo Mazzo_Vis Dest1 Dest4 Fila1 Fila7 0000000000001; do
  grep -qF "$name" "$scratch/screen" || fail "the table does not show $name"
done
grep -qF "Refused: Mazzo is not a pile of this game that takes cards" "$scratch/screen" ||
  fail "a refused move does not show the reason"
"$bin/velmora-cli" --data-dir "$scratch/played" stats --game 1 > "$scratch/stats"
printf 'move %s %s\n' "$id" "$pile" | "$bin/velmora-cli" --data-dir "$scratch/script" play --game 1 --deal 1 --end > /dev/null
"$bin/velmora-cli" --data-dir "$scratch/script" stats --game 1 > "$scratch/expected"
grep -E '^ +1 ' "$scratch/stats" | grep -qE '^ +1 +0 +1 ' || fail "the game is not recorded as lost: $(cat "$scratch/stats")"
diff <(grep -v '^Overall' "$scratch/stats") <(grep -v '^Overall' "$scratch/expected") ||
  fail "the terminal game is recorded otherwise than play records it"

in_terminal "$scratch/untouched" "hint\rquit\r" tty --game 1 --deal 1
[[ $code == 0 ]] || fail "quit without a move: exit code $code"
grep -qF "Hint: " "$scratch/screen" || fail "hint shows no move"
[[ ! -e $scratch/untouched/STAT.DAT && ! -e $scratch/untouched/STAT_LOG.DAT ]] || fail "a game left without a move was recorded"

# A terminal too small for the table says so.
rows=8 in_terminal "$scratch/small" "quit\r" tty --game 1 --deal 1
[[ $code == 0 ]] && grep -qF "too small for this table" "$scratch/screen" || fail "a small terminal: $code"
! grep -qF "Fila7" "$scratch/screen" || fail "a small terminal shows part of the table"

# play on a terminal without a script is the terminal game too.
in_terminal "$scratch/play" "quit\r" play --game 1 --deal 1
[[ $code == 0 ]] && grep -qF "Fila7" "$scratch/screen" || fail "play on a terminal: $code"

# A saved game opened on a terminal goes on there, with its undo history:
# FreeCell with a card in a free cell, taken back by undo.
echo "move 016 Appogg1" | "$bin/velmora-cli" --data-dir "$scratch/saving" play --game 3 --deal 1 \
  --save "$scratch/freecell.gam" > /dev/null
for command in "play --open" "tty --open"; do
  # shellcheck disable=SC2086
  in_terminal "$scratch/opened" "undo\rundo\rquit\r" $command "$scratch/freecell.gam"
  [[ $code == 0 ]] || fail "$command: exit code $code"
  grep -qF "FreeCell   Game number 0000000000001" "$scratch/screen" || fail "$command: not the saved game"
  grep -qF "Refused: nothing to undo" "$scratch/screen" || fail "$command: the second undo was not refused"
done

# Without a terminal the terminal game says what it needs.
set +e
"$bin/velmora-cli" --data-dir "$scratch/none" tty < /dev/null > /dev/null 2> "$scratch/err"
code=$?
set -e
[[ $code == 1 ]] && grep -qF "needs a terminal" "$scratch/err" || fail "tty without a terminal: $code $(cat "$scratch/err")"
echo "terminal game: all checks passed"
