#!/usr/bin/env bash
# velmora-cli: help, version, and the checks of the program folder.
set -euo pipefail
bin=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$bin/velmora-cli" --help | grep -q "^Usage: velmora-cli" || fail "--help"
"$bin/velmora-cli" --version | grep -q "Velmora 2001" || fail "--version"
set +e
"$bin/velmora-cli" 2>/dev/null; [[ $? == 2 ]] || fail "no command should be a usage error"
"$bin/velmora-cli" frobnicate 2>/dev/null; [[ $? == 2 ]] || fail "an unknown command should be a usage error"
"$bin/velmora-cli" --data-dir 2>/dev/null; [[ $? == 2 ]] || fail "--data-dir without a folder"
set -e

"$bin/velmora-cli" --data-dir "$scratch/data" check >/dev/null || fail "check on the build's program folder"
[[ ! -e "$scratch/data" ]] || fail "check must not create the data folder"

mkdir "$scratch/empty"
set +e
"$bin/velmora-cli" --program-dir "$scratch/empty" --data-dir "$scratch/data" check >/dev/null 2>"$scratch/err"
code=$?
set -e
[[ $code == 1 ]] || fail "a program folder without its files must fail, got $code"
grep -qF "velmora-cli: Can't find/load $scratch/empty/SOL.RGF" "$scratch/err" || fail "message: $(cat "$scratch/err")"

cp "$bin/SOL.RGF" "$scratch/empty/"
set +e
"$bin/velmora-cli" --program-dir "$scratch/empty" check >/dev/null 2>"$scratch/err"
set -e
grep -q "^velmora-cli: Cannot find file:$" "$scratch/err" || fail "missing GAMES.DAT: $(cat "$scratch/err")"
echo "command-line tool: all checks passed"
