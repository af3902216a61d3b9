#!/usr/bin/env bash
# velmora-cli play: every game of the collection played through the engine
# for at least twenty actions, each chosen among the legal ones it lists
# (a fixed walk, the same at every run). Undoing the whole walk must give the
# deal back.
source "$(dirname "$0")/script_setup.bash"

# Games whose walk may run out of moves before twenty actions (a deal lost
# early, or Poker Shuffle once no exchange raises its score): the walk must
# then end with the game lost.
declare -A may_run_out=([21]="Monte Carlo" [22]="Baker's Game" [51]="Black Hole" [59]="Poker Shuffle" [60]="Citadel")

wanted=20
for game in $(cli games | awk 'NR > 1 {print $1}'); do
  : > "$scratch/walk"
  actions=0
  while ((actions < wanted)); do
    cli play --game "$game" --deal 7 --moves "$scratch/walk" --list > "$scratch/out" 2> "$scratch/err" ||
      fail "game $game: $(cat "$scratch/err")"
    mapfile -t legal < <(sed -n 's/^legal //p' "$scratch/out")
    ((${#legal[@]})) || break
    echo "${legal[$(((actions * 7919 + 13) % ${#legal[@]}))]}" >> "$scratch/walk"
    actions=$((actions + 1))
  done
  if [[ -n ${may_run_out[$game]+set} ]] && ((actions < wanted)); then
    grep -q '^state lost$' "$scratch/out" || fail "game $game: no move left after $actions actions, yet not lost"
  else
    ((actions == wanted)) || fail "game $game: stuck after $actions actions: $(grep '^state' "$scratch/out")"
  fi
  steps=$(grep -c . "$scratch/walk" || true)
  { cat "$scratch/walk"; for ((i = 0; i < steps; i++)); do echo undo; done; } > "$scratch/back"
  cli play --game "$game" --deal 7 --moves "$scratch/back" | grep -v -E '^(score|moves|state|panel) ' > "$scratch/undone" ||
    fail "game $game: undoing the walk was refused"
  diff "$scratch/undone" <(cli deal --game "$game" --deal 7) > /dev/null || fail "game $game: undo does not restore the deal"
done
echo "play every game: all checks passed"
