#!/usr/bin/env bash
# Soak run: the engine over the whole four-letter list (456 976 names)
# against a whois server inside the benchmark. Reports names per second,
# peak memory and whether every name was judged exactly once.
#
#   bench/soak.sh [--limit SECONDS]
#
# Exits non-zero when the run fails its own check.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QM_BENCH_BUILD_DIR:-$root/build-bench}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target qm_engine_bench qm_data
list="$build/share/quillmark/wordlists/AllFourLetter.txt"

echo "== soak: $(grep -c . "$list") names from $list"
status=0
"$build/bench/qm_engine_bench" --list "$list" --engine-only --limit 3600 "$@" || status=$?
echo "load average now: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
exit $status
