#!/usr/bin/env bash
# Non-blank lines of test code against non-blank lines of program code
# (C++ outside tests/ and bench/); we keep the ratio at most 0.40.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=$(git ls-files -co --exclude-standard tests | grep -E '\.(cpp|h)$' | xargs cat |
    grep -cv '^[[:space:]]*$')
code=$(git ls-files -co --exclude-standard | grep -E '\.(cpp|h)$' | grep -vE '^(tests|bench)/' | xargs cat | grep -cv '^[[:space:]]*$')
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d, code %d: %.2f x code\n", t, c, t / c }'
