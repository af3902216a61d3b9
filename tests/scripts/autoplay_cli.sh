#!/usr/bin/env bash
# velmora-cli play: an emptied tableau pile of Canfield is filled from the
# reserve and Picture Patience's from the stock, within the move's undo step;
# with --autoplay the dealt Ace and King go up before the first command, and
# in every game a walk of legal actions with autoplay is taken back step by
# step to the table autoplay left after the deal.
source "$(dirname "$0")/script_setup.bash"
pile() { awk -v name="$1" '$1 == name {print $2}' "$2"; }

# Canfield, deal 1: the Six of diamonds leaves Fila3 for Fila1; the reserve's
# top card, the Ten of clubs, fills Fila3 and the next card shows.
cli deal --game Canfield --deal 1 > "$scratch/dealt"
echo "move 019 Fila1" | cli play --game Canfield --deal 1 > "$scratch/moved"
[[ $(pile Fila3 "$scratch/moved") == 0361 ]] || fail "Canfield: Fila3 is $(pile Fila3 "$scratch/moved")"
[[ $(pile Appogg1 "$scratch/moved") == 052102210371038105110281008102910471031102010501 ]] ||
  fail "Canfield: reserve $(pile Appogg1 "$scratch/moved")"
grep -qx "moves 1" "$scratch/moved" || fail "Canfield: the fill is not part of the move's step"
printf 'move 019 Fila1\nundo\n' | cli play --game Canfield --deal 1 | grep -v -E '^(score|moves|state) ' > "$scratch/undone"
diff "$scratch/undone" "$scratch/dealt" > /dev/null || fail "Canfield: one undo does not give the deal back"

# Picture Patience, deal 1: the King of hearts goes up and the stock's top
# card fills its place.
echo "move 013 Dest5" | cli play --game "Picture Patience" --deal 1 > "$scratch/moved"
[[ $(pile Fila4 "$scratch/moved") == 1021 ]] || fail "Picture Patience: Fila4 is $(pile Fila4 "$scratch/moved")"

# With autoplay the deal itself sends what may go up; nothing to undo yet.
: | cli play --game "Picture Patience" --deal 1 --autoplay > "$scratch/auto"
[[ $(pile Dest1 "$scratch/auto") == 0141 ]] || fail "autoplay: Dest1 is $(pile Dest1 "$scratch/auto")"
[[ $(pile Dest5 "$scratch/auto") == 01310641 ]] || fail "autoplay: Dest5 is $(pile Dest5 "$scratch/auto")"
grep -qx "moves 0" "$scratch/auto" || fail "autoplay after the deal made undo steps"
for game in $(cli games | awk 'NR > 1 {print $1}'); do
  : > "$scratch/walk"
  for ((actions = 0; actions < 20; actions++)); do
    cli play --game "$game" --deal 7 --moves "$scratch/walk" --list --autoplay > "$scratch/out" 2> "$scratch/err" ||
      fail "game $game with autoplay: $(cat "$scratch/err")"
    mapfile -t legal < <(sed -n 's/^legal //p' "$scratch/out")
    ((${#legal[@]})) || break
    echo "${legal[$(((actions * 7919 + 13) % ${#legal[@]}))]}" >> "$scratch/walk"
  done
  { cat "$scratch/walk"; for ((i = 0; i < actions; i++)); do echo undo; done; } > "$scratch/back"
  cli play --game "$game" --deal 7 --moves "$scratch/back" --autoplay | grep -v -E '^(score|moves|state) ' > "$scratch/undone" ||
    fail "game $game with autoplay: undoing the walk was refused"
  : | cli play --game "$game" --deal 7 --autoplay | grep -v -E '^(score|moves|state) ' > "$scratch/start"
  diff "$scratch/undone" "$scratch/start" > /dev/null || fail "game $game with autoplay: undo does not restore the deal"
done
echo "autoplay from the command line: all checks passed"
