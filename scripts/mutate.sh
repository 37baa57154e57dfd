#!/usr/bin/env bash
# Mutation check: applies each fault of scripts/mutations.txt in turn to a
# scratch copy of the working tree, rebuilds, runs the tests and says which
# faults no test caught.
#
#   bash scripts/mutate.sh              every fault
#   bash scripts/mutate.sh ID...        only these
#   MUTATE_DIR=DIR                      scratch folder, kept between runs
#                                       (default: quillmark-mutate beside
#                                       the checkout, so ccache can share)
#
# A fault names its file and a snippet that must stand there exactly once, so
# the list survives edits elsewhere. A fault whose snippet is gone is "stale";
# one that no longer compiles is "not built" (fix its replacement). Exit
# status 1 when a fault was missed or stale.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=${MUTATE_DIR:-$(dirname "$(pwd)")/quillmark-mutate}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$scratch")}
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox

mkdir -p "$scratch/main"
# The working tree as it stands, uncommitted changes included.
# Only files whose bytes differ are written, so the scratch build stays
# incremental and never keeps an object of an older source.
git ls-files -co --exclude-standard -z | python3 -c '
import os, shutil, sys
target = sys.argv[1]
for path in sys.stdin.read().split("\0"):
    if not path or not os.path.isfile(path):
        continue
    copy = os.path.join(target, path)
    with open(path, "rb") as source:
        data = source.read()
    if os.path.isfile(copy) and open(copy, "rb").read() == data:
        continue
    os.makedirs(os.path.dirname(copy), exist_ok=True)
    with open(copy, "wb") as out:
        out.write(data)
    shutil.copymode(path, copy)
' "$scratch/main"
configure=()
if command -v ccache >/dev/null; then configure+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$scratch/main" -B "$scratch/build" -G Ninja -DQUILLMARK_BENCH=OFF "${configure[@]}" >/dev/null

exec python3 - "scripts/mutations.txt" "$scratch" "$@" <<'PY'
import os, pathlib, subprocess, sys

listing, scratch, wanted = sys.argv[1], pathlib.Path(sys.argv[2]), set(sys.argv[3:])
build = scratch / "build"
jobs = str(2 * os.cpu_count())


def outcome():
    """0: every test passed, 1: a test failed, 2: the tree did not build.

    The unit tests build and run in seconds and catch most faults, so they go
    first; the rest of the suite runs only when they pass."""
    unit = build / "tests" / "qm_unit_tests"
    with open(scratch / "build.log", "w") as log:
        if subprocess.call(["ninja", "-C", str(build), "qm_unit_tests"], stdout=log, stderr=log):
            return 2
    with open(scratch / "test.log", "w") as log:
        if subprocess.call([str(unit), "--gtest_brief=1"], stdout=log, stderr=log, cwd=build):
            return 1
    with open(scratch / "build.log", "a") as log:
        targets = ["quillmark", "qm_integration_tests", "qm_browser_tests", "qm_screenshots", "qm_data"]
        if subprocess.call(["ninja", "-C", str(build), *targets], stdout=log, stderr=log):
            return 2
    with open(scratch / "test.log", "a") as log:
        tests = ["ctest", "--test-dir", str(build), "-j", jobs, "--timeout", "120", "--stop-on-failure",
                 "-E", "InstallGivesAWorkingProgram"]
        return 1 if subprocess.call(tests, stdout=log, stderr=log) else 0


def read_faults():
    faults, current = [], None
    for line in open(listing, encoding="utf-8").read().splitlines():
        if line.startswith("## "):
            ident, _, what = line[3:].partition(":")
            current = {"id": ident.strip(), "what": what.strip()}
            faults.append(current)
        elif current is not None and line[:1] not in ("", "#"):
            key, _, value = line.partition(": ")
            current[key.strip()] = value.replace("{NL}", "\n")
    return [f for f in faults if not wanted or f["id"] in wanted]


print("baseline: the unchanged tree", file=sys.stderr, flush=True)
if outcome() != 0:
    sys.exit(f"mutate: the unchanged tree does not build or pass; see {scratch}/build.log and test.log")

results = {}
for fault in read_faults():
    path = scratch / "main" / fault["file"]
    original = path.read_text(encoding="utf-8")
    if original.count(fault["find"]) != 1:
        verdict = "stale"
    else:
        path.write_text(original.replace(fault["find"], fault["replace"]), encoding="utf-8")
        try:
            verdict = ("MISSED", "caught", "not built")[outcome()]
        finally:
            path.write_text(original, encoding="utf-8")
    results[fault["id"]] = verdict
    print(f"{verdict:>9}  {fault['id']}: {fault['what']}", flush=True)

count = lambda kind: sum(1 for v in results.values() if v == kind)
print(f"{count('caught')} caught, {count('MISSED')} missed, {count('stale')} stale, "
      f"{count('not built')} not built, of {len(results)}")
uncaught = [k for k, v in results.items() if v in ("MISSED", "stale")]
if uncaught:
    print("not caught: " + " ".join(uncaught))
sys.exit(1 if uncaught else 0)
PY
