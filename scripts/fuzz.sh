#!/usr/bin/env bash
# Runs each libFuzzer target of the design and card readers for a number of seconds, seeded
# with the test fixtures. Builds the fuzz configuration first unless ZELK_FUZZ_NO_BUILD=1.
#   scripts/fuzz.sh [SECONDS] [TARGET...]      (default 60 s each; targets: dyn_card
#                                               legacy_design keyed_design)
# Corpora and crash files go to fuzz-out/<target>/. Exits non-zero when a fuzzer finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(dyn_card legacy_design keyed_design)
fi

if [ "${ZELK_FUZZ_NO_BUILD:-0}" != "1" ]; then
    ZELK_JOBS="${ZELK_JOBS:-2}" bash scripts/build.sh fuzz >/dev/null
fi

seeds_for() {
    case "$1" in
        dyn_card) echo tests/data/dyn ;;
        legacy_design) echo tests/data/legacy ;;
        keyed_design) echo tests/data/design tests/data/legacy ;;
    esac
}

status=0
for target in "${targets[@]}"; do
    binary="build/fuzz/bin/fuzz_${target}"
    if [ ! -x "$binary" ]; then
        echo "no fuzzer $binary" >&2
        exit 2
    fi
    out="fuzz-out/$target"
    mkdir -p "$out/corpus" "$out/artifacts"
    for dir in $(seeds_for "$target"); do
        [ -d "$dir" ] && find "$dir" -type f ! -name '*.json' -exec cp -n {} "$out/corpus/" \;
    done
    echo "== $target: ${seconds} s"
    if ! "$binary" "$out/corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=1024 -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
        2>"$out/log.txt"; then
        status=1
        echo "   FAULT found; see $out/log.txt and $out/artifacts/" >&2
    fi
    grep -E "^stat::number_of_executed_units|^#[0-9]+ +DONE" "$out/log.txt" | tail -2 || true
done
exit $status
