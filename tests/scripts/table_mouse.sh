#!/usr/bin/env bash
# The mouse and keyboard tests of the table widget again, in a real X window
# under Xvfb, where the table is fitted to its window at a scale above 1.
set -euo pipefail
bin=$1
if [[ -z "${DISPLAY:-}" ]]; then exec xvfb-run -a -s "-screen 0 1600x1000x24" bash "$0" "$@"; fi
QT_QPA_PLATFORM=xcb "$bin/app_tests" --gtest_filter='TableMouseTest.*:TableKeysTest.*'
