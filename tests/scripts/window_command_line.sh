#!/usr/bin/env bash
# The window program answers --help and --version, and refuses a bad command
# line, on a machine without any display: before a window system is touched.
set -euo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# No display of any kind, and no platform chosen for Qt.
velmora() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$work/xdg" timeout 20 "$bin/velmora" "$@"; }

velmora --help >"$work/out" 2>"$work/err" || fail "--help failed: $(cat "$work/err")"
grep -q -- "--data-dir <DIR>" "$work/out" || fail "--help lists no options: $(cat "$work/out")"
velmora --version >"$work/out" 2>"$work/err" || fail "--version failed: $(cat "$work/err")"
grep -q "^Velmora 2001 [0-9]" "$work/out" || fail "--version: $(cat "$work/out")"

# A refused line: a message on standard error and a non-zero exit.
refuses() {
  local message=$1
  shift
  set +e
  velmora "$@" >/dev/null 2>"$work/err"
  local code=$?
  set -e
  [[ $code != 0 && $code != 124 ]] || fail "$*: exit code $code"
  grep -qF "velmora: $message" "$work/err" || fail "$*: $(cat "$work/err")"
}
refuses "--data-dir needs a folder name" --data-dir ""
refuses "--program-dir needs a folder name" --program-dir ""
refuses "--deal 0 is not a deal number" --game FreeCell --deal 0
refuses "Unknown option: --bogus" --bogus
[[ ! -e "$work/xdg" ]] || fail "a refused start created the data folder"
echo "window command line: all checks passed"
