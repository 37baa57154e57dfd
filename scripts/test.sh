#!/usr/bin/env bash
# Builds and runs every test. With QUILLMARK_SANITIZERS=1 it then runs them
# all again built with AddressSanitizer and UndefinedBehaviorSanitizer (in
# build-asan): worth doing now and then, too slow for every run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox

# Most tests spend their time waiting on sockets, timers and the browser:
# twice as many at once as there are processors keeps the machine busy.
jobs=$(($(nproc) * 2))

bash scripts/build.sh
ctest --test-dir "$build_dir" --output-on-failure -j "$jobs" --timeout 300

if [[ "${QUILLMARK_SANITIZERS:-0}" == 1 ]]; then
    sanitized=${SANITIZER_BUILD_DIR:-build-asan}
    # Unoptimised and with line tables only: the quickest to build, still
    # precise in its reports. Qt keeps globals alive at exit, so leaks are
    # not counted; the browser engine's own prebuilt code frees with sized
    # deletes of another size, which is its business; a small quarantine
    # keeps the memory bounds of the tests meaningful. Every other finding
    # fails the test that made it.
    BUILD_DIR="$sanitized" bash scripts/build.sh -DQUILLMARK_SANITIZE=ON -DQUILLMARK_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g1"
    ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0:quarantine_size_mb=16:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$sanitized" --output-on-failure -j "$jobs" --timeout 600
fi
