#!/usr/bin/env bash
# The real program in a real X window (under Xvfb): a first start on an empty
# data folder, and a second copy on the same folder refused.
set -euo pipefail
bin=$1
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"; fi

data=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$data"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(timeout 60 "$bin/velmora" --data-dir "$data/velmora" --quit-after-first-paint)
[[ $out == painted ]] || fail "the window was not painted: '$out'"
grep -q $'^UserDefault=Player 1\r$' "$data/velmora/Cfg.dat" || fail "no current player"
grep -q $'^User003=Player 3\r$' "$data/velmora/Cfg.dat" || fail "no third player"
grep -q $'^Run_Exe=1\r$' "$data/velmora/Cfg.dat" || fail "start not counted"
[[ -f "$data/velmora/SOLV0600.DAT" ]] || fail "no version marker"

# A first copy keeps running; a second one on the same folder is refused.
"$bin/velmora" --data-dir "$data/velmora" &
first=$!
for _ in $(seq 100); do grep -q $'^Run_Exe=2\r$' "$data/velmora/Cfg.dat" && break; sleep 0.1; done
grep -q $'^Run_Exe=2\r$' "$data/velmora/Cfg.dat" || fail "the first copy did not start"
set +e
timeout 10 "$bin/velmora" --data-dir "$data/velmora" 2>"$data/second.err" >/dev/null
set -e
grep -q "already running" "$data/second.err" || fail "the second copy was not refused: $(cat "$data/second.err")"
grep -q $'^Run_Exe=2\r$' "$data/velmora/Cfg.dat" || fail "the refused copy changed the preferences"
kill -0 "$first" || fail "the first copy died"
echo "window program: all checks passed"
