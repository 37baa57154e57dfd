#!/usr/bin/env bash
# Builds the program and starts it with any arguments given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/app/quillmark "$@"
