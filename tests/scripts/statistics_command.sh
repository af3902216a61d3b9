#!/usr/bin/env bash
# velmora-cli stats: a player's records read from a data folder, unchanged.
set -euo pipefail
bin=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

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
echo "statistics command: all checks passed"
