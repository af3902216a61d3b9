#!/usr/bin/env bash
# velmora-cli check: every file of the program and data folders is read and
# checked as the program reads it - the rule file and each of its games, the
# resource bundle, the preferences, the custom games, the statistics - and
# each damaged one is named with what is wrong. Nothing is ever changed,
# moved aside or created; any fault fails the run.
source "$(dirname "$0")/script_setup.bash"

# Every entry of the folder with its kind, size, time and inode, and the
# checksums of the small files: a file created, moved aside or written shows.
# A folder that does not exist is left out.
snapshot() {
  find "$@" -printf '%p %y %s %T@ %i\n' 2>/dev/null || true
  find "$@" -type f -size -1M -exec sha256sum {} + 2>/dev/null || true
}

# check PROGRAM DATA: runs check; its exit code in $code, its report in $scratch/out.
check() {
  local before
  before=$(snapshot "$1" "$2")
  set +e
  "$bin/velmora-cli" --program-dir "$1" --data-dir "$2" check > "$scratch/out" 2> "$scratch/err"
  code=$?
  set -e
  [[ $(snapshot "$1" "$2") == "$before" ]] || fail "check changed the folders"
}

program="$scratch/program"
mkdir "$program"
cp "$bin/GAMES.DAT" "$bin/SOL.RGF" "$program/"
sound="$scratch/sound"
"$bin/velmora-cli" --program-dir "$program" --data-dir "$sound" play --game 1 --deal 1 --end < /dev/null > /dev/null
printf '[Preference]\r\nUserDefault=Player 1\r\n' > "$sound/Cfg.dat"
# One custom game: number, name and base game, its rule changes, 28 reserved lines.
{ printf '[R-0301]\r\n8000%-50s0001\r\n00300020100102003\r\n' "My Klondike"; printf '\r\n%.0s' {1..28}; } \
  > "$sound/GAM_CUST.DAT"

check "$program" "$sound"
[[ $code == 0 ]] || fail "a sound data folder: $code $(cat "$scratch/out" "$scratch/err")"
for file in GAMES.DAT SOL.RGF Cfg.dat GAM_CUST.DAT STAT_LOG.DAT STAT.DAT STAT_SCR.DAT STAT_GLO.DAT STAT_UNI.DAT; do
  grep -q "^$file: sound (" "$scratch/out" || fail "$file is sound: $(cat "$scratch/out")"
done
check "$program" "$scratch/new-player"
[[ $code == 0 ]] || fail "a new player's data folder: $(cat "$scratch/out")"
grep -qx "data folder: $scratch/new-player (not created yet)" "$scratch/out" || fail "no data folder: $(cat "$scratch/out")"
[[ ! -e "$scratch/new-player" ]] || fail "check created the data folder"

# A GAMES.DAT with LF line ends reads as the same catalogue.
tr -d '\r' < "$bin/GAMES.DAT" > "$scratch/lf"
mkdir "$scratch/lf-program"
cp "$scratch/lf" "$scratch/lf-program/GAMES.DAT"
cp "$bin/SOL.RGF" "$scratch/lf-program/"
check "$scratch/lf-program" "$sound"
[[ $code == 0 ]] || fail "a rule file with LF line ends: $(cat "$scratch/out" "$scratch/err")"
diff <("$bin/velmora-cli" --program-dir "$scratch/lf-program" --data-dir "$sound" games) \
  <("$bin/velmora-cli" --program-dir "$program" --data-dir "$sound" games) > /dev/null ||
  fail "a rule file with LF line ends gives another catalogue"

# Each case: the file, how it is damaged, the state it is reported in, the
# first fault told under it.
cases=(
  "Cfg.dat|printf 'a\\0b' > Cfg.dat|DAMAGED|it holds binary data"
  "Cfg.dat|truncate -s 2M Cfg.dat|DAMAGED|it is far too large to be a preference file"
  "Cfg.dat|rm Cfg.dat; mkdir Cfg.dat|UNREADABLE|the file cannot be read"
  "GAM_CUST.DAT|printf '[R-0301]\\r\\n8000Mine\\r\\n' > GAM_CUST.DAT|DAMAGED|line 2: custom game 8000: the base game \"\" is not a built-in game"
  "STAT.DAT|rm STAT.DAT; mkdir STAT.DAT|UNREADABLE|the file cannot be read"
  "STAT.DAT|truncate -s 100M STAT.DAT|DAMAGED|the file is larger than 64 MiB, too large to be read"
  "STAT.DAT|sed -i 's/^Player 1=000000/Player 1=0000x0/' STAT.DAT|DAMAGED|game 0001, player \"Player 1\": the record is not seven numbers in their fixed places"
  "STAT_LOG.DAT|printf '20261210 12:00' >> STAT_LOG.DAT|DAMAGED|1 line(s) are not 147 characters long (cut short?); every reader skips them"
  "STAT_SCR.DAT|sed -i 's/^01-01=00/01-01=0x/' STAT_SCR.DAT|DAMAGED|game 0001, entry 01-01: the score is not a number"
  "STAT_GLO.DAT|printf '[Bob]\\r\\nT01=abc\\r\\n' > STAT_GLO.DAT|DAMAGED|player \"Bob\": the overall score fails its check"
  "STAT_UNI.DAT|printf '[Bob]\\r\\nGW-0003=abc\\r\\n' > STAT_UNI.DAT|DAMAGED|player \"Bob\", game 0003: the games won and lost fail their check"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r file damage state fault <<< "$entry"
  rm -rf "$scratch/data"
  cp -r "$sound" "$scratch/data"
  (cd "$scratch/data" && eval "$damage")
  check "$program" "$scratch/data"
  [[ $code == 1 ]] || fail "$file ($damage): exit code $code"
  grep -A1 "^$file: " "$scratch/out" > "$scratch/report" || true
  [[ $(head -1 "$scratch/report") == "$file: $state ($scratch/data/$file)" ]] || fail "$file ($damage): $(cat "$scratch/out")"
  [[ $(tail -1 "$scratch/report") == "  $fault" ]] || fail "$file ($damage): $(cat "$scratch/report")"
  [[ $(grep -c -v -E '^  |: (sound|none yet) \(|^(program|data) folder: ' "$scratch/out") == 1 ]] ||
    fail "$file ($damage): only it is wrong: $(cat "$scratch/out")"
done

# The program folder: a game whose rules leave it without tableau piles, a
# game with a building code the engine does not know, a rule file cut short, a resource bundle cut short. Each case: the file, how
# it is damaged, the first fault told under it, what is said of the custom
# games, which build on the rule file.
damaged="$scratch/damaged-program"
program_cases=(
  "GAMES.DAT|sed -i 's/^\\(0368 .\\{11\\}\\)g/\\1\`/' GAMES.DAT|game 1 (Klondike (draw one)): tableau_cards[1] is set, but tableau_piles is 0|GAM_CUST.DAT: sound"
  "GAMES.DAT|sed -i 's/^\\(0212 .\\{11\\}\\)cPP/\\1b\`\`/' GAMES.DAT|game 1 (Klondike (draw one)): This game cannot be played: its rule tableau_building[1] has the unknown building code 200.|GAM_CUST.DAT: sound"
  "GAMES.DAT|truncate -s 60000 GAMES.DAT|line |GAM_CUST.DAT: not checked (its games build on the rule file)"
  "SOL.RGF|truncate -s 5000000 SOL.RGF|it is not a whole, well-formed resource bundle|GAM_CUST.DAT: sound"
)
for entry in "${program_cases[@]}"; do
  IFS='|' read -r file damage fault custom <<< "$entry"
  rm -rf "$damaged"
  cp -r "$program" "$damaged"
  (cd "$damaged" && eval "$damage")
  check "$damaged" "$sound"
  [[ $code == 1 ]] || fail "$file ($damage): exit code $code"
  grep -qx "$file: DAMAGED ($damaged/$file)" "$scratch/out" || fail "$file ($damage): $(cat "$scratch/out")"
  grep -A1 "^$file: " "$scratch/out" | tail -1 | grep -qF "  $fault" || fail "$file ($damage): $(cat "$scratch/out")"
  grep -q "^$custom" "$scratch/out" || fail "$file ($damage): custom games: $(cat "$scratch/out")"
done

# A data folder that is a file is no data folder.
touch "$scratch/file"
check "$program" "$scratch/file"
[[ $code == 1 ]] && grep -qx "data folder: $scratch/file (NOT A FOLDER)" "$scratch/out" || fail "a file: $(cat "$scratch/out")"
echo "check command: all checks passed"
