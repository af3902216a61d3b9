#!/usr/bin/env bash
# velmora-cli stats: a player's records read from a data folder, unchanged.
source "$(dirname "$0")/script_setup.bash"

mkdir -p "$scratch/data"
printf '[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nBobby=000009 000009 000009 000009 000009 000009 000000000999 000000000000\r\nBob=000003 000001 000003 000001 000000 000001 000000000055 000000000000\r\n' \
  >"$scratch/data/STAT.DAT"
printf '[0001]\r\n01-01=000099 000010 20261210 12:00:00 Bobby                          0000000012345   Won  x\r\n01-02=000052 000260 20261210 12:00:00 Bob                            0000000012345   Won  x\r\n' \
  >"$scratch/data/STAT_SCR.DAT"
before=$(cd "$scratch/data" && sha256sum *)

out=$("$bin/velmora-cli" --data-dir "$scratch/data" stats --player Bob)
grep -q "^Player: Bob$" <<<"$out" || fail "player line: $out"
grep -q "^Overall score: 0 " <<<"$out" || fail "overall score: $out"
grep -Eq "^   1      3      1     3/0         1/1              55    2  " <<<"$out" || fail "game line: $out"
[[ $(grep -c "^ *[0-9]" <<<"$out") == 1 ]] || fail "Bobby's record must not be read as Bob's: $out"

out=$("$bin/velmora-cli" --data-dir "$scratch/data" stats --player Nobody)
grep -q "^No games recorded.$" <<<"$out" || fail "a player without records: $out"

set +e
"$bin/velmora-cli" --data-dir "$scratch/data" stats --game "no such game" 2>/dev/null; [[ $? == 1 ]] || fail "unknown game"
"$bin/velmora-cli" --data-dir "$scratch/data" stats --colour 2>/dev/null; [[ $? == 2 ]] || fail "unknown option"
set -e
[[ $(cd "$scratch/data" && sha256sum *) == "$before" ]] || fail "stats must not change the files"

# A file that cannot be read stops stats with the file named, and nothing is
# shown as if there were no records; damage in a file it reads is named after
# what could be shown. Each case: how the folder is damaged, the arguments,
# the message, whether Bob's game line is shown.
cases=(
  "rm STAT.DAT; mkdir STAT.DAT|--player Bob|STAT.DAT: the file cannot be read|no"
  "truncate -s 100M STAT.DAT|--player Bob|STAT.DAT: the file is larger than 64 MiB, too large to be read|no"
  "mkdir STAT_GLO.DAT|--player Bob|STAT_GLO.DAT: the file cannot be read|no"
  "mkdir Cfg.dat||Cfg.dat: the file cannot be read|no"
  "printf 'Al=0000x3\\r\\n' >> STAT.DAT|--player Bob|STAT.DAT: game 0001, player \"Al\": the record is not seven numbers in their fixed places|yes"
  "printf '[Bob]\\r\\nT01=abc\\r\\n' > STAT_GLO.DAT|--player Bob|STAT_GLO.DAT: player \"Bob\": the overall score fails its check|yes"
)
for entry in "${cases[@]}"; do
  IFS='|' read -r damage arguments message shown <<< "$entry"
  rm -rf "$scratch/damaged"
  cp -r "$scratch/data" "$scratch/damaged"
  (cd "$scratch/damaged" && eval "$damage")
  set +e
  # shellcheck disable=SC2086
  "$bin/velmora-cli" --data-dir "$scratch/damaged" stats $arguments > "$scratch/out" 2> "$scratch/err"
  code=$?
  set -e
  [[ $code == 1 ]] || fail "$damage: exit code $code"
  grep -qxF "velmora-cli stats: $scratch/damaged/$message" "$scratch/err" || fail "$damage: $(cat "$scratch/err")"
  if [[ $shown == yes ]]; then
    grep -Eq "^   1      3      1 " "$scratch/out" || fail "$damage: Bob's game is still shown: $(cat "$scratch/out")"
  else
    [[ ! -s "$scratch/out" ]] || fail "$damage: nothing may be shown: $(cat "$scratch/out")"
  fi
done
echo "statistics command: all checks passed"
