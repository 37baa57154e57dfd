#!/usr/bin/env bash
# Builds the engine throughput benchmark (Release, in build-bench) and runs it
# on 10 000 and 400 000 names, then sets the time per name of the long list
# against the short one: the cost of a name must not grow with the list.
#
#   bench/run-engine-bench.sh [--limit SECONDS]
#
# Exits non-zero when a run fails its own check (every name judged once).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${QM_BENCH_BUILD_DIR:-$root/build-bench}
sizes=(10000 400000)

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target qm_engine_bench
bench="$build/bench/qm_engine_bench"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

status=0
for n in "${sizes[@]}"; do
    echo "== qm_engine_bench $n"
    "$bench" "$n" "$@" | tee "$out/$n.txt" || status=1
    echo
done

# The number after a label such as "engine us/name:".
figure() { sed -n "s|^$2:[[:space:]]*\([0-9.]*\).*|\1|p" "$out/$1.txt"; }

short=${sizes[0]}
long=${sizes[1]}
echo "== summary"
printf '%-8s %14s %16s %8s %12s %16s %10s\n' names "engine names/s" "bare exchanges/s" ratio "us/name" "cpu us/name" "peak RSS"
for n in "${sizes[@]}"; do
    printf '%-8s %14s %16s %8s %12s %16s %10s\n' "$n" "$(figure "$n" 'engine names/s')" \
        "$(figure "$n" 'bare exchanges/s')" "$(figure "$n" 'ratio engine\/bare')" \
        "$(figure "$n" 'engine us\/name')" "$(figure "$n" 'engine cpu us\/name')" \
        "$(figure "$n" 'peak RSS, engine phase') MiB"
done
growth() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0) printf "%.3f", b / a; else print "n/a" }'
}
wall=$(growth "$(figure "$short" 'engine us\/name')" "$(figure "$long" 'engine us\/name')")
cpu=$(growth "$(figure "$short" 'engine cpu us\/name')" "$(figure "$long" 'engine cpu us\/name')")
bare=$(growth "$(figure "$short" 'bare us\/exchange')" "$(figure "$long" 'bare us\/exchange')")
verdict=$(awk -v r="$wall" 'BEGIN { print (r != "n/a" && r <= 1.2) ? "met" : "MISSED" }')
echo "time per name, $long vs $short names: $wall (target <= 1.2: $verdict); by cpu time $cpu;" \
    "bare loop $bare"
echo "load average now: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
exit $status
