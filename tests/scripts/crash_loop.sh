#!/usr/bin/env bash
# Programs killed at random moments while they record won games: no count of
# any statistics file ever goes backwards, every file stays readable, and the
# next start leaves no temporary file behind.
set -euo pipefail
bin=$1
kills=${CRASH_LOOP_KILLS:-150}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
data=$scratch/data
cli() { "$bin/velmora-cli" --data-dir "$data" "$@"; }

# A winning line of the demonstration for Klondike deal 20.
"$bin/velmora-cli" --data-dir "$scratch/demo" demo --game 1 --deal 20 | grep -E '^(move|send|press|stock|undo|redo)( |$)' \
  >"$scratch/moves"
cli play --game 1 --deal 20 --moves "$scratch/moves" | grep -q '^state won$' || fail "the demo's line does not win"
# The shortest of a few whole runs, in milliseconds: the kills fall in its
# first two thirds: the process itself ends sooner than the shell sees it end.
run_ms=1000000
for ((i = 0; i < 3; ++i)); do
  started=$(date +%s%N)
  cli play --game 1 --deal 20 --moves "$scratch/moves" >/dev/null
  elapsed=$((($(date +%s%N) - started) / 1000000 + 1))
  ((elapsed < run_ms)) && run_ms=$elapsed
done

# Wins of Player 1 in Klondike as the statistics command reads them, and the
# number of lines of the results log.
wins() { cli stats --player "Player 1" | awk '$1 == 1 { print $2; found = 1 } END { if (!found) print 0 }'; }
log_lines() { [[ -f $data/STAT_LOG.DAT ]] && tr -cd '\n' <"$data/STAT_LOG.DAT" | wc -c || echo 0; }

previous_wins=$(wins)
previous_log=$(log_lines)
for ((i = 0; i < kills; ++i)); do
  "$bin/velmora-cli" --data-dir "$data" play --game 1 --deal 20 --moves "$scratch/moves" >/dev/null 2>&1 &
  pid=$!
  delay_ms=$((RANDOM % (2 * run_ms / 3 + 1)))
  sleep "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  now_wins=$(wins) || fail "statistics unreadable after kill $i"
  now_log=$(log_lines)
  ((now_wins >= previous_wins)) || fail "wins went back from $previous_wins to $now_wins after kill $i"
  ((now_log >= previous_log)) || fail "the log lost lines after kill $i"
  previous_wins=$now_wins
  previous_log=$now_log
done
cli check >/dev/null || fail "check finds a damaged file: $(cli check 2>&1)"

# The next start clears what the kills left.
cli play --game 1 --deal 20 --moves "$scratch/moves" >/dev/null
leftovers=$(find "$data" -name '.*.tmp-*')
[[ -z $leftovers ]] || fail "temporary files left: $leftovers"
echo "crash loop: $kills kills, $((kills + 4 - previous_wins)) of them before the game was recorded; all checks passed"
