#!/usr/bin/env bash
# velmora-cli play and hint: a script of moves is read whole and held to its
# bounds (4096 characters a line, 16 MiB in all) before the deal, so endless
# or oversized input is refused at once with nothing played or recorded; a
# refused line is echoed with its control characters escaped; and a finished
# game whose result could not be written fails the run.
source "$(dirname "$0")/script_setup.bash"
data="$scratch/data"

# run ARGUMENTS...: velmora-cli on the data folder; its exit code in $code,
# its output in $scratch/out and $scratch/err. Input that is never refused
# would run until the time limit.
run() {
  set +e
  timeout 60 "$bin/velmora-cli" --data-dir "$data" "$@" > "$scratch/out" 2> "$scratch/err"
  code=$?
  set -e
}

# A comment line of exactly 4096 characters is a line like any other.
comment=$(printf '#%4095s' '')
printf '%s\n%s\r\nmove 001 Dest1\n' "$comment" "$comment" > "$scratch/longest"
run play --game 1 --deal 1 --moves "$scratch/longest"
[[ $code == 0 ]] || fail "lines of 4096 characters: $(cat "$scratch/err")"
grep -qx "moves 1" "$scratch/out" || fail "lines of 4096 characters: the move after them"

printf '%s\n' "$comment" "$comment" "x$comment" > "$scratch/too-long"
head -c $((16 * 1024 * 1024 + 1)) < <(yes "stock") > "$scratch/too-large" || true
too_long="line 3 of the script is longer than 4096 characters"
endless="line 1 of the script is longer than 4096 characters"
too_large="the script is longer than 16 MiB"
# Each case: the input, the command, what it says. Played with --end, a script
# that ran would record a lost game.
cases=(
  "$scratch/too-long|play --end --moves $scratch/too-long|velmora-cli play: $too_long; nothing was played or recorded"
  "/dev/zero|play --end --moves /dev/zero|velmora-cli play: $endless; nothing was played or recorded"
  "/dev/zero|play --end|velmora-cli play: $endless; nothing was played or recorded"
  "$scratch/too-large|play --end|velmora-cli play: $too_large; nothing was played or recorded"
  "/dev/null|play --end --moves $scratch|velmora-cli play: $scratch is a folder, not a script; nothing was played or recorded"
  "/dev/null|hint --moves /dev/zero|velmora-cli hint: $endless"
  "/dev/null|hint --moves $scratch/too-large|velmora-cli hint: $too_large"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r input command message <<< "$entry"
  # shellcheck disable=SC2086
  run $command --game 1 --deal 1 < "$input"
  [[ $code == 1 ]] || fail "$command < $input: exit code $code"
  grep -qxF "$message" "$scratch/err" || fail "$command < $input: $(head -c 300 "$scratch/err")"
  [[ ! -s "$scratch/out" ]] || fail "$command < $input: nothing may be dealt or printed"
  [[ ! -e "$data" ]] || fail "$command < $input: the data folder was written: $(ls "$data")"
done

# Input without an end: a pipe that never closes is refused at the bound and
# the writer is left to its broken pipe.
run play --game 1 --deal 1 --end < <(yes stock)
[[ $code == 1 ]] && grep -qxF "velmora-cli play: $too_large; nothing was played or recorded" "$scratch/err" ||
  fail "endless lines: $code $(head -c 300 "$scratch/err")"
[[ ! -e "$data" ]] || fail "endless lines: the data folder was written"

# A refused line is shown with its control characters, backslashes and
# bytes beyond ASCII escaped, so it cannot drive the terminal.
printf 'move\033[2J 001\tDest1\\ \001\377\r\n' > "$scratch/controls"
run play --game 1 --deal 1 --moves "$scratch/controls"
[[ $code == 1 ]] || fail "control characters: exit code $code"
expected='refused move\x1b[2J 001\tDest1\\ \x01\xff: '
grep -qF "$expected" "$scratch/err" || fail "control characters: $(od -c "$scratch/err" | head -5)"
LC_ALL=C grep -q '[[:cntrl:]]' <(tr -d '\n' < "$scratch/err") && fail "a raw control character reached the terminal"
run hint --game 1 --deal 1 --moves "$scratch/controls"
grep -qF "$expected" "$scratch/err" || fail "hint, control characters: $(od -c "$scratch/err" | head -5)"

# A finished game whose result cannot be written fails the run with the
# program's message: a folder stands where a file of the result belongs.
run play --game 1 --deal 1 --end < /dev/null
[[ $code == 0 ]] || fail "recording a lost game: $(cat "$scratch/err")"
for file in STAT_LOG.DAT STAT.DAT STAT_SCR.DAT; do
  rm -rf "$data"
  mkdir -p "$data/$file"
  run play --game 1 --deal 1 --end < /dev/null
  [[ $code == 1 ]] || fail "$file cannot be written: exit code $code"
  grep -qxF "velmora-cli play: the result of the game was not saved in $data" "$scratch/err" ||
    fail "$file cannot be written: $(cat "$scratch/err")"
  grep -q "$file" "$scratch/err" || fail "$file cannot be written: the file is not named: $(cat "$scratch/err")"
  grep -qx "state lost" "$scratch/out" || fail "$file cannot be written: the table is still shown"
done
# A current player whose name the records cannot hold is never cut to fit:
# the game is not recorded and the run fails, naming why.
rm -rf "$data"
mkdir -p "$data"
long_name=$(printf 'Ж%.0s' {1..31})
printf '[Preference]\r\nUserDefault=%s\r\n' "$long_name" > "$data/Cfg.dat"
run play --game 1 --deal 1 --end < /dev/null
[[ $code == 1 ]] || fail "a 31-character player: exit code $code"
grep -q "cannot keep statistics: .*30 characters" "$scratch/err" || fail "a 31-character player: $(cat "$scratch/err")"
[[ ! -e $data/STAT.DAT && ! -e $data/STAT_LOG.DAT ]] || fail "a 31-character player's game was recorded"
echo "play input: all checks passed"
