#!/usr/bin/env bash
# velmora-cli play --save and --open: a saved game opens with the table, the
# score, the passes through the stock and the undo history it was saved with,
# saves back into the same file, and undoing every step gives the dealt table,
# in games with a stock and with free cells; hint, demo and the terminal game
# go on from it; the seeds of the reader's fuzzer in every older layout open
# as the newest; a file that cannot be used is refused with its fault, and
# nothing is played, recorded or written.
set -euo pipefail
bin=$1
corpus=$(cd "$(dirname "$0")/../fuzz/corpus/saved_game" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
data="$scratch/data"
cli() { "$bin/velmora-cli" --data-dir "$data" "$@"; }
is_move() { grep -E '^(move [0-9]{3} [A-Za-z_]+[0-9]*|press [0-9]{3}|stock)$' || true; }
# A saved game without its clock (columns 76-81 of the first line), which
# runs on between two commands.
without_clock() { sed '1s/^\(.\{75\}\).\{6\}/\1....../' "$1"; }
# The pass counter: columns 90-95 of the first line.
passes() { head -n 1 "$1" | cut -c90-95; }
# repeat LINE N: the line N times.
repeat() { for ((i = 0; i < $2; i++)); do echo "$1"; done; }

# run ARGUMENTS...: velmora-cli on the data folder; its exit code in $code,
# its output in $scratch/out and $scratch/err.
run() {
  set +e
  cli "$@" > "$scratch/out" 2> "$scratch/err"
  code=$?
  set -e
}

# Each case: a name, the game, the deal, and the script played before saving:
# Klondike's stock turned and cards moved, FreeCell with a card in a free
# cell, Pyramid past its first pass through the stock.
cli demo --game 1 --deal 42 --max-moves 12 | is_move > "$scratch/klondike"
grep -qx stock "$scratch/klondike" || fail "the Klondike script turns no stock"
printf 'move 016 Appogg1\n' > "$scratch/freecell"
repeat stock 30 > "$scratch/pyramid"
cases=(
  "klondike 1 42"
  "freecell 3 1"
  "pyramid 9 1"
)
for entry in "${cases[@]}"; do
  read -r name game deal <<< "$entry"
  saved="$scratch/$name.gam"
  cli play --game "$game" --deal "$deal" --moves "$scratch/$name" --save "$saved" > "$scratch/before" ||
    fail "$name: play --save failed"
  head -c 8 "$saved" | grep -qx '\[S-0530\]' || fail "$name: the file does not begin with [S-0530]"
  head -n 1 "$saved" | grep -q $'\r$' || fail "$name: lines do not end in CR LF"

  # Opened, it is the game that was saved: table, score, moves that undo
  # takes back, state; and saved again it is the same file.
  cli play --open "$saved" --save "$scratch/again.gam" < /dev/null > "$scratch/after" || fail "$name: play --open failed"
  diff -u "$scratch/before" "$scratch/after" >&2 || fail "$name: another game after opening"
  diff -u <(without_clock "$saved") <(without_clock "$scratch/again.gam") >&2 || fail "$name: saved again, another file"

  # Undoing every step gives the dealt table.
  steps=$(sed -n 's/^moves //p' "$scratch/before")
  [[ $steps -gt 0 ]] || fail "$name: nothing to undo"
  repeat undo "$steps" | cli play --open "$saved" > "$scratch/undone" || fail "$name: undo refused"
  cli deal --game "$game" --deal "$deal" > "$scratch/dealt"
  diff -u "$scratch/dealt" <(grep -vE '^(score|moves|state) ' "$scratch/undone") >&2 ||
    fail "$name: undoing every step does not give the dealt table"
  grep -qx "moves 0" "$scratch/undone" || fail "$name: steps left after undoing all"
done

# FreeCell's free cell holds its card in the file.
grep -qx "Appogg1 0161" <(cli play --open "$scratch/freecell.gam" < /dev/null) || fail "the free cell lost its card"

# The passes through the stock go on from the file: Pyramid deal 1 takes 72
# presses of the stock in its three passes, 30 before saving and 42 after.
[[ $(passes "$scratch/pyramid.gam") == 000002 ]] || fail "Pyramid after 30 presses: passes $(passes "$scratch/pyramid.gam")"
repeat stock 42 > "$scratch/rest"
cli play --open "$scratch/pyramid.gam" --moves "$scratch/rest" --list > "$scratch/out" || fail "Pyramid: the last pass refused"
# Pairs may still be left to remove, but the stock has no pass left.
grep -qx "legal stock" "$scratch/out" && fail "Pyramid: a pass too many after opening"

# A game opened is recorded for the data folder's current player, whoever
# played it before, and the preferences are left as they were.
mkdir -p "$scratch/players"
printf '[Preference]\r\nUserDefault=Bob\r\n[Users]\r\nUser001=Bob\r\nUser002=Player 1\r\n' > "$scratch/players/Cfg.dat"
cp "$scratch/players/Cfg.dat" "$scratch/preferences"
head -n 2 "$scratch/klondike.gam" | grep -q '^Player 1 ' || fail "the saved game is not Player 1's"
"$bin/velmora-cli" --data-dir "$scratch/players" play --open "$scratch/klondike.gam" --end < /dev/null > /dev/null
"$bin/velmora-cli" --data-dir "$scratch/players" stats --player Bob | grep -qE '^ +1 +0 +1 ' ||
  fail "the opened game is not recorded for Bob"
cmp -s "$scratch/preferences" "$scratch/players/Cfg.dat" || fail "opening a game changed the preferences"

# hint and demo go on from the saved game as from the deal played to it.
cli hint --game 1 --deal 42 --moves "$scratch/klondike" > "$scratch/expected"
cli hint --open "$scratch/klondike.gam" > "$scratch/hint"
diff "$scratch/expected" "$scratch/hint" >&2 || fail "hint --open shows another move"
cli demo --open "$scratch/klondike.gam" --max-moves 5 > "$scratch/demo"
is_move < "$scratch/demo" > "$scratch/demo-moves"
[[ $(wc -l < "$scratch/demo-moves") == 5 ]] || fail "demo --open made $(wc -l < "$scratch/demo-moves") moves"
cli play --open "$scratch/klondike.gam" --moves "$scratch/demo-moves" > "$scratch/replayed"
diff <(grep -vE '^(move |press |stock$)' "$scratch/demo") "$scratch/replayed" >&2 ||
  fail "the demonstration from the saved game, replayed, gives another table"

# The seeds of the fuzzer: every older layout of a game opens as its newest.
for newest in "$corpus"/*_0530; do
  cli play --open "$newest" < /dev/null > "$scratch/expected" || fail "seed $(basename "$newest") refused"
  for older in "${newest%_0530}"_0[0-9][0-9][0-9]; do
    cli play --open "$older" < /dev/null > "$scratch/out" || fail "seed $(basename "$older") refused"
    diff -u "$scratch/expected" "$scratch/out" >&2 || fail "seed $(basename "$older") opens otherwise than its newest layout"
  done
done
# A file of the oldest layout whose undo history does not convert keeps its
# table and goes on without the history, saying so.
cli play --open "$corpus/klondike_0530" < /dev/null | grep -v '^moves ' > "$scratch/expected"
run play --open "$corpus/dropped_history_0300" < /dev/null
[[ $code == 0 ]] || fail "dropped_history_0300 refused: $(cat "$scratch/err")"
diff -u "$scratch/expected" <(grep -v '^moves ' "$scratch/out") >&2 || fail "dropped_history_0300 opens another table"
grep -qx "moves 0" "$scratch/out" && grep -qF "undo history cannot be read" "$scratch/err" ||
  fail "dropped_history_0300: $(tail -1 "$scratch/out") $(cat "$scratch/err")"

# Files that cannot be used: each refused with its fault named after the
# file, exit status 1, nothing printed, nothing recorded, nothing saved.
good="$scratch/klondike.gam"
head -n 40 "$good" > "$scratch/truncated.gam"
sed '1s/^\[S-/[X-/' "$good" > "$scratch/bad-tag.gam"
sed '1s/^\(.\{8\}\).\{4\}/\17777/' "$good" > "$scratch/unknown-game.gam"
# The top card of the first tableau pile (line 32) also on the second (line 33).
awk 'NR == 32 { card = substr($0, length($0) - 4, 4) } NR == 33 { sub(/\r$/, ""); $0 = $0 card "\r" } { print }' \
  "$good" > "$scratch/card-twice.gam"
mkdir "$scratch/folder.gam"
damaged=(
  "truncated.gam|shorter than a game file"
  "bad-tag.gam|header"
  "unknown-game.gam|7777"
  "card-twice.gam|twice"
  "missing.gam|there is no such file"
  "folder.gam|it cannot be read"
)
for entry in "${damaged[@]}"; do
  IFS='|' read -r file fault <<< "$entry"
  for command in "play --end --save $scratch/written.gam" "hint" "demo"; do
    # shellcheck disable=SC2086
    run $command --open "$scratch/$file" < /dev/null
    [[ $code == 1 ]] || fail "$command --open $file: exit code $code"
    grep -qF "velmora-cli ${command%% *}: $scratch/$file cannot be opened: " "$scratch/err" ||
      fail "$command --open $file: $(cat "$scratch/err")"
    grep -qF "$fault" "$scratch/err" || fail "$command --open $file: the fault is not named: $(cat "$scratch/err")"
    [[ ! -s "$scratch/out" ]] || fail "$command --open $file: something was played"
    [[ ! -e "$data" && ! -e "$scratch/written.gam" ]] || fail "$command --open $file: something was written"
  done
done

# A file that cannot be written fails the run; a script with a refused
# line saves nothing.
run play --game 1 --deal 42 --save "$scratch/no-folder/k.gam" < /dev/null
[[ $code == 1 ]] && grep -qxF "velmora-cli play: the game was not saved: $scratch/no-folder/k.gam: No such file or directory" "$scratch/err" ||
  fail "a save into a missing folder: $code $(cat "$scratch/err")"
printf 'stock\nmove 001 Mazzo\n' > "$scratch/refused"
run play --game 1 --deal 42 --moves "$scratch/refused" --save "$scratch/refused.gam"
[[ $code == 1 && ! -e "$scratch/refused.gam" ]] || fail "a refused script was saved"
grep -qxF "velmora-cli play: the game was not saved: a line of the script was refused" "$scratch/err" || fail "a refused script: $(cat "$scratch/err")"

# A game the script wins is recorded, not saved: it is over. A save that
# fails leaves the result of the game recorded all the same.
cli demo --game 3 --deal 3 > "$scratch/demo"
grep -qx "state won" "$scratch/demo" || fail "the demonstration no longer wins FreeCell deal 3"
is_move < "$scratch/demo" > "$scratch/won"
rm -rf "$data"
run play --game 3 --deal 3 --moves "$scratch/won" --save "$scratch/won.gam"
[[ $code == 1 && ! -e "$scratch/won.gam" ]] || fail "a won game: exit code $code, saved: $(ls "$scratch")"
grep -qxF "velmora-cli play: the game was not saved: it is over" "$scratch/err" || fail "a won game: $(cat "$scratch/err")"
grep -qx "state won" "$scratch/out" && [[ -s "$data/STAT_LOG.DAT" ]] || fail "the won game was not recorded"
rm -rf "$data"
run play --game 1 --deal 42 --end --save "$scratch/no-folder/k.gam" < /dev/null
[[ $code == 1 ]] && grep -qx "state lost" "$scratch/out" && [[ -s "$data/STAT_LOG.DAT" ]] ||
  fail "a game ended by --end whose save failed: $code, recorded: $(ls "$data" 2>&1)"

# --open takes the place of --game and --deal.
usage_errors=(
  "play --open $good --game 1 --end|velmora-cli play: --game excludes --open"
  "hint --open $good --deal 1|velmora-cli hint: --deal excludes --open"
  "demo --game 1|velmora-cli demo: needs --game GAME and --deal D (a deal number from 1 to 9999999999999), or --open FILE"
  "hint|velmora-cli hint: needs --game GAME and --deal D (a deal number from 1 to 9999999999999), or --open FILE"
)
for entry in "${usage_errors[@]}"; do
  IFS='|' read -r command message <<< "$entry"
  # shellcheck disable=SC2086
  run $command < /dev/null
  [[ $code == 2 ]] || fail "$command: exit code $code"
  grep -qF "$message" "$scratch/err" || fail "$command: $(cat "$scratch/err")"
done
echo "saved games: all checks passed"
