#!/usr/bin/env bash
# Configures and builds one configuration into build/<config>.
#   release  optimised build of the programs, tests and benchmarks (default)
#   ci       as release, with warnings as errors
#   asan     debug build with AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz     clang build of the libFuzzer targets
set -euo pipefail
cd "$(dirname "$0")/.."

config="${1:-release}"
shift || true
case "$config" in
    release) args=(-DCMAKE_BUILD_TYPE=Release) ;;
    ci) args=(-DCMAKE_BUILD_TYPE=Release -DWARNINGS_AS_ERRORS=ON) ;;
    asan) args=(-DCMAKE_BUILD_TYPE=Debug -DSANITIZE=address,undefined -DZELK_BUILD_BENCH=OFF) ;;
    fuzz) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DZELK_FUZZ=ON
                -DZELK_BUILD_TESTS=OFF -DZELK_BUILD_BENCH=OFF -DZELK_BUILD_QT=OFF) ;;
    *) echo "usage: $0 [release|ci|asan|fuzz] [extra cmake args]" >&2; exit 2 ;;
esac

jobs="${ZELK_JOBS:-$(nproc)}"
cmake -S . -B "build/$config" -G Ninja "${args[@]}" "$@"
cmake --build "build/$config" -j "$jobs"
