#!/usr/bin/env bash
# Builds the program and takes pictures of its windows under Xvfb, into
# screenshots/ (or the folder given): the main window, the whois lookup, the
# generator, the extension settings and the about window.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
build_dir=${BUILD_DIR:-build}
bash scripts/build.sh
mkdir -p "$out"
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1400x900x24" "$build_dir/tests/qm_screenshots" "$out"
echo "Pictures in $out/" >&2
