#!/usr/bin/env bash
# mkgames: the definitions of games/ compile to the build's GAMES.DAT; written
# back out as definitions and compiled again they give the same file byte for
# byte; and every definition writes its values by name where they have one.
set -euo pipefail
mkgames=$1 games=$2 built=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$mkgames" compile "$games" "$scratch/first.dat" || fail "games/ does not compile"
cmp -s "$built" "$scratch/first.dat" || fail "games/ compiles to another file than the build's GAMES.DAT"
"$mkgames" decompile "$scratch/first.dat" "$scratch/decompiled" || fail "decompile"
grep -q "^tableau_building\[1-8\] = alternate_colours$" "$scratch/decompiled/003-freecell.game" ||
  fail "the decompiler writes no names: $(grep tableau_building "$scratch/decompiled/003-freecell.game")"
"$mkgames" compile "$scratch/decompiled" "$scratch/second.dat" || fail "the decompiled definitions do not compile"
cmp -s "$scratch/first.dat" "$scratch/second.dat" || fail "the round trip changes the rule file"

cp -r "$games" "$scratch/named"
"$mkgames" names "$scratch/named"
diff -r "$games" "$scratch/named" >&2 || fail "values written as numbers that have names (mkgames names games)"
