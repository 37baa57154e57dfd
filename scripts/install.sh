#!/usr/bin/env bash
# Builds the program and installs it under $PREFIX (/usr/local by default).
# Extra arguments go to cmake, as with scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
prefix=${PREFIX:-/usr/local}
bash scripts/build.sh "$@"
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
cat <<DONE
Installed Quillmark under $prefix:
  program       $prefix/bin/quillmark
  shipped files $prefix/share/quillmark/ (copied into the program folder on first use)
  menu entry    $prefix/share/applications/quillmark.desktop
  icons         $prefix/share/icons/hicolor/scalable/apps/quillmark.svg
                $prefix/share/icons/hicolor/256x256/apps/quillmark.png
DONE
