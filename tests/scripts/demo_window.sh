#!/usr/bin/env bash
# The demonstration plays a deal of Klondike to its last card in a real X
# window under Xvfb; pictures of the screen are kept in $VELMORA_SCREENSHOTS
# when that is set.
set -euo pipefail
bin=$1
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"; fi
QT_QPA_PLATFORM=xcb "$bin/app_tests" --gtest_filter='DemoWindowTest.*'
