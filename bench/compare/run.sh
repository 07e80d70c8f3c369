#!/usr/bin/env bash
# Side-by-side timing of the library and the pinned open-source JavaScript
# parsers on tests/data/real-world.jsonl.
#
#   bench/compare/run.sh [BUILD-DIR] [DRIVER OPTIONS...]
#
# BUILD-DIR (default build-compare in the source tree) is configured as a
# Release build with the benchmarks if it is new; an existing build tree
# keeps its settings and only gains -DTAVRIX_BENCH=ON. The script builds the
# timing child there, installs the parsers pinned in package-lock.json with
# `npm ci` into BUILD-DIR/compare (never into the source tree), builds our
# npm package (the WebAssembly build of js/) in BUILD-DIR/wasm when
# Emscripten is there, and runs the driver. Driver options: --rounds N (11),
# --batch SECONDS (0.5), --warmup SECONDS (1), --kinds aamva,stripe,mrz.
# Needs CMake, a C++20 compiler, Google Benchmark (for -DTAVRIX_BENCH=ON),
# Node 20 or later and npm; for the package, Emscripten (emcmake, em++).
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$source_dir/build-compare
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  build_dir=$1
  shift
fi
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)

fail() { echo "run.sh: $*" >&2; exit 1; }
for tool in cmake node npm; do
  command -v "$tool" >/dev/null || fail "needs $tool"
done
node_major=$(node -p 'process.versions.node.split(".")[0]')
[ "$node_major" -ge 20 ] || fail "needs Node 20 or later (found $(node --version))"

if [ -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build_dir" -DTAVRIX_BENCH=ON >/dev/null
else
  cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DTAVRIX_BENCH=ON -DTAVRIX_TESTS=OFF >/dev/null
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
sanitize=$(sed -n 's/^TAVRIX_SANITIZE:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
[ "$build_type" = Release ] || echo "run.sh: warning: $build_dir is a $build_type build, not Release" >&2
case "$sanitize" in OFF | "") ;; *) echo "run.sh: warning: $build_dir is built with sanitizers" >&2 ;; esac
cmake --build "$build_dir" -j2 --target tavrix_compare_timer >/dev/null

# The pinned parsers, installed afresh whenever the lock file changed.
modules_dir=$build_dir/compare
mkdir -p "$modules_dir"
if ! cmp -s "$source_dir/bench/compare/package-lock.json" "$modules_dir/package-lock.json" ||
   [ ! -f "$modules_dir/node_modules/.package-lock.json" ]; then
  cp "$source_dir/bench/compare/package.json" "$source_dir/bench/compare/package-lock.json" "$modules_dir/"
  (cd "$modules_dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error >/dev/null)
fi

# Our npm package, timed in the same Node process as the JavaScript parsers.
package_args=()
if command -v emcmake >/dev/null && command -v em++ >/dev/null; then
  wasm_dir=$build_dir/wasm
  [ -f "$wasm_dir/CMakeCache.txt" ] ||
    emcmake cmake -S "$source_dir/js" -B "$wasm_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$wasm_dir" -j2 --target tavrix_wasm >/dev/null
  package_args=(--package "$wasm_dir/package")
else
  echo "run.sh: warning: no Emscripten (emcmake, em++): the npm package is left out" >&2
fi

exec node "$source_dir/bench/compare/compare.mjs" \
  --timer "$build_dir/bench/tavrix_compare_timer" \
  --samples "$source_dir/tests/data/real-world.jsonl" \
  --modules "$modules_dir" "${package_args[@]}" "$@"
