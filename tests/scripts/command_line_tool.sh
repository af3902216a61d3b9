#!/usr/bin/env bash
# velmora-cli: help, version, and the checks of the program folder.
source "$(dirname "$0")/script_setup.bash"

"$bin/velmora-cli" --help | grep -q "^Usage: velmora-cli" || fail "--help"
"$bin/velmora-cli" --version | grep -q "Velmora 2001" || fail "--version"
set +e
"$bin/velmora-cli" 2>/dev/null; [[ $? == 2 ]] || fail "no command should be a usage error"
"$bin/velmora-cli" frobnicate 2>/dev/null; [[ $? == 2 ]] || fail "an unknown command should be a usage error"
"$bin/velmora-cli" --data-dir 2>/dev/null; [[ $? == 2 ]] || fail "--data-dir without a folder"
for option in --data-dir --program-dir; do
  "$bin/velmora-cli" "$option" "" check > /dev/null 2> "$scratch/err"
  [[ $? == 2 ]] && grep -qx "velmora-cli: $option needs a folder" "$scratch/err" || fail "an empty $option: $(cat "$scratch/err")"
done

# Deal numbers run from 1: 0 is refused wherever a deal number is read, and
# nothing is dealt or recorded.
for command in "deal --game 1 --deal 0" "deal --game 1 --deal 0000000000000" "deck --deal 0" \
  "play --game 1 --deal 0 --end" "hint --game 1 --deal 0" "demo --game 1 --deal 00"; do
  # shellcheck disable=SC2086
  "$bin/velmora-cli" --data-dir "$scratch/data" $command < /dev/null > "$scratch/out" 2> "$scratch/err"
  [[ $? == 2 ]] || fail "$command: a usage error"
  grep -qF "a deal number from 1 to 9999999999999" "$scratch/err" || fail "$command: $(cat "$scratch/err")"
  [[ ! -s "$scratch/out" && ! -e "$scratch/data" ]] || fail "$command: dealt or recorded"
done

# Every command line the parser cannot take: exit code 2, a message that
# names the command and what is wrong (what was typed escaped), nothing
# printed, nothing written.
usage_errors=(
  "frobnicate|velmora-cli: unknown command 'frobnicate'"
  "--frobnicate|velmora-cli: unknown option '--frobnicate'"
  "--frobnicate check|velmora-cli check: The following argument was not expected: --frobnicate"
  "deal --deal 1|velmora-cli deal: --game is required"
  "deal --game 1 --deal 1 --colour|velmora-cli deal: The following argument was not expected: --colour"
  "deck --deal 1 --cards 53|velmora-cli deck: --cards: 53 not in {52,104}"
  "deck --deal 1 --jokers 5|velmora-cli deck: --jokers: Value 5 not in range 0 to 4"
  "layout --game 1 --size X|velmora-cli layout: --size: X not in {S,B,M,L}"
  "layout --game 1 --width 99|velmora-cli layout: --width: Value 99 not in range 100 to 10000"
  "demo --game 1 --deal 1 --max-moves many|velmora-cli demo: --max-moves: Value many not in range 0 to 999999"
  "rules|velmora-cli rules: GAME is required"
  "rules 1 2|velmora-cli rules: The following argument was not expected: 2"
  "games all|velmora-cli games: The following argument was not expected: all"
  "play --game 1 --deal 1 --end --moves|velmora-cli play: --moves: 1 required FILE missing"
  "play --deal 1 --end|velmora-cli play: needs --game GAME and --deal D (a deal number from 1 to 9999999999999), or --open FILE"
  "hint --game  --deal 1|velmora-cli hint: --game: needs a value"
  $'stats --\e[2J|velmora-cli stats: The following argument was not expected: --\\x1b[2J'
)
for entry in "${usage_errors[@]}"; do
  IFS='|' read -r command message <<< "$entry"
  IFS=' ' read -r -a words <<< "$command"
  [[ $command == *"--game  "* ]] && words=(hint --game "" --deal 1)
  "$bin/velmora-cli" --data-dir "$scratch/data" "${words[@]}" < /dev/null > "$scratch/out" 2> "$scratch/err"
  code=$?
  [[ $code == 2 ]] || fail "$command: exit code $code"
  grep -qxF -e "$message" -e "$message (see ${message%%:*} --help)" "$scratch/err" || fail "$command: $(cat "$scratch/err")"
  [[ ! -s "$scratch/out" && ! -e "$scratch/data" ]] || fail "$command: printed or wrote something"
done
set -e

"$bin/velmora-cli" --data-dir "$scratch/data" check >/dev/null || fail "check on the build's program folder"
[[ ! -e "$scratch/data" ]] || fail "check must not create the data folder"

mkdir "$scratch/empty"
set +e
"$bin/velmora-cli" --program-dir "$scratch/empty" --data-dir "$scratch/data" check >"$scratch/out" 2>"$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "a program folder without its files must fail, got $code"
grep -qF "velmora-cli: Can't find/load $scratch/empty/SOL.RGF" "$scratch/err" || fail "message: $(cat "$scratch/err")"
for file in GAMES.DAT SOL.RGF; do
  grep -A1 "^$file: MISSING ($scratch/empty/$file)$" "$scratch/out" | grep -qx "  the program cannot start without it" ||
    fail "$file is missing: $(cat "$scratch/out")"
done

cp "$bin/SOL.RGF" "$scratch/empty/"
set +e
"$bin/velmora-cli" --program-dir "$scratch/empty" check >/dev/null 2>"$scratch/err"
set -e
grep -q "^velmora-cli: Cannot find file:$" "$scratch/err" || fail "missing GAMES.DAT: $(cat "$scratch/err")"
echo "command-line tool: all checks passed"
