#!/usr/bin/env bash
# End-to-end checks of the design file commands of zelk-cli: exit statuses, one-line messages,
# and that converting a design changes none of its results.
#   cli_file_commands_test.sh ZELK_CLI DATA_DIR
set -uo pipefail
cli="$1"
data="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS PATTERN -- ARGS...: runs the program, checks its exit status and that its
# output (stdout and stderr together) matches the pattern.
expect() {
    local status="$1" pattern="$2"
    shift 3
    local output actual
    output="$("$cli" "$@" 2>&1)"
    actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -Eq -- "$pattern" <<<"$output"; then
        echo "FAIL: zelk-cli $* -> status $actual (want $status), output:"
        sed 's/^/    /' <<<"$output" | head -20
        failures=$((failures + 1))
    fi
}

# expect_one_line ARGS...: the command fails with status 2 and says why in one line.
expect_one_line() {
    local output actual
    output="$("$cli" "$@" 2>&1)"
    actual=$?
    if [ "$actual" -ne 2 ] || [ "$(wc -l <<<"$output")" -ne 1 ] || [ -z "$output" ]; then
        echo "FAIL: zelk-cli $* -> status $actual (want 2 and one line), output:"
        sed 's/^/    /' <<<"$output" | head -20
        failures=$((failures + 1))
    fi
}

keyed="$data/design/oilfield.zlk"
legacy="$data/legacy/legacy-full.zlk"
card="$data/dyn/counted-100.dyn"
tabbed="$data/dyn/tabbed-100.txt"
printf 'just some text\n' >"$work/text.zlk"
head -c 300 "$legacy" >"$work/cut.zlk"

expect 0 'PPRL|Peak' -- calculate "$keyed"
expect 0 '"PPRL"' -- calculate "$keyed" --json
expect 0 '"PPRL"' -- calculate "$legacy" --json
expect 3 'unit type' -- calculate "$data/legacy/legacy-unittype7.zlk"
expect_one_line calculate "$work/missing.zlk"
expect_one_line calculate "$work/text.zlk"
expect_one_line calculate "$work"

expect 0 'wrote' -- convert "$legacy" "$work/converted.zlk"
expect 0 '' -- convert "$keyed" "$work/keyed-again.zlk"
head -1 "$work/converted.zlk" | grep -q '^Version:Zelk3\.' || {
    echo "FAIL: converted file has no version line"
    failures=$((failures + 1))
}
# The same design gives the same results in either format.
for pair in "$legacy:$work/converted.zlk" "$keyed:$work/keyed-again.zlk"; do
    a="$("$cli" calculate "${pair%%:*}" --json 2>&1)"
    b="$("$cli" calculate "${pair##*:}" --json 2>&1)"
    if [ "$a" != "$b" ]; then
        echo "FAIL: results differ after convert of ${pair%%:*}"
        failures=$((failures + 1))
    fi
done
expect_one_line convert "$work/missing.zlk" "$work/out.zlk"
expect_one_line convert "$legacy" "$work/no/such/folder/out.zlk"

expect 0 'Peak Load.*' -- compare "$keyed" "$card"
expect 0 'SV Load' -- compare "$keyed" "$tabbed"
expect 0 '"PeakLoad":\{"difference"' -- compare "$keyed" "$card" --json
expect 0 '"ImportedTVLoad":7200' -- compare "$keyed" "$card" --json
expect_one_line compare "$keyed" "$work/missing.dyn"
expect_one_line compare "$keyed" "$work/text.zlk"
expect_one_line compare "$work/text.zlk" "$card"
expect 3 'unit type' -- compare "$data/legacy/legacy-unittype7.zlk" "$card"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all design file command checks passed"
