# Sourced by the scripts that test the programs: strict mode, the programs'
# folder from the script's first argument, a scratch folder removed on exit,
# `fail` to stop with a message, and `cli` to run velmora-cli on a data
# folder of the scratch's own.
set -euo pipefail
bin=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cli() { "$bin/velmora-cli" --data-dir "$scratch/data" "$@"; }
