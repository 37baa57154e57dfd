#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 60) from a copy of its seeds. Crashing inputs land in a scratch folder;
# keep the ones worth keeping in tests/fuzz/regressions/<target>/.
# Exits non-zero when any target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${BUILD_DIR:-build-fuzz}

packages=(clang libclang-rt-14-dev cmake ninja-build)
missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}" >&2
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DQUILLMARK_FUZZ=ON -DQUILLMARK_TESTS=OFF \
  -DQUILLMARK_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

# Longest input each target takes: a page of markup is longer than a name.
declare -A max_len=(
  [correct_name]=512
  [list_names]=4096
  [page_names]=4096
  [load_servers]=2048
  [name_list]=2048
  [whois_reply]=1024
  [rdap_reply]=4096
)
targets=(correct_name list_names page_names load_servers name_list whois_reply rdap_reply)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-fuzz-run.XXXXXX")
echo "Scratch folder: $scratch"
failed=0
for target in "${targets[@]}"; do
  corpus="$scratch/corpus/$target"
  artifacts="$scratch/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  cp tests/fuzz/regressions/"$target"/* "$corpus"/ 2>/dev/null || true
  log="$scratch/$target.log"
  status=0
  "$build_dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
    -timeout=20 -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  found=$(find "$artifacts" -type f | wc -l)
  if ((status != 0 || found > 0)); then
    failed=1
    echo "$target: ${runs:-?} executions, FOUND a problem (exit $status); see $log and $artifacts"
    grep -m 3 -E 'ERROR|broken invariant|runtime error' "$log" || true
  else
    echo "$target: ${runs:-?} executions, nothing found"
  fi
done
exit "$failed"
