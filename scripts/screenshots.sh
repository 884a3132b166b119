#!/usr/bin/env bash
# Starts the real application under Xvfb, with fresh preferences in English and then in Spanish,
# shows the default design, calculates it (Enter) and writes screenshots of the main window into
# docs/screenshots/, then has the dialog tests write the pictures of the dialogs and report
# previews beside them. Usage: scripts/screenshots.sh [path/to/zelk]
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${1:-}
if [ -z "$bin" ]; then
    for candidate in build/release/bin/zelk build/dev/bin/zelk build/ci/bin/zelk; do
        if [ -x "$candidate" ]; then bin=$candidate; break; fi
    done
fi
[ -n "$bin" ] && [ -x "$bin" ] || { echo "zelk not built; run scripts/build.sh release" >&2; exit 1; }
out=docs/screenshots
mkdir -p "$out"

display=:$(( (RANDOM % 400) + 100 ))
Xvfb "$display" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
sleep 1

# "Lang" holds the language's four digits as the bytes of an integer (1033 -> 31 30 33 33).
for lang in en es; do
    case $lang in en) code=33333031 ;; es) code=38353032 ;; esac
    home="$work/$lang"
    mkdir -p "$home/.config/Brantwick Company"
    printf '[General]\nLang=dword:%s\nAdvertNumber=dword:00000030\n' "$code" \
        > "$home/.config/Brantwick Company/Zelk.conf"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" DISPLAY="$display" "$bin" &
    app=$!
    window=$(DISPLAY="$display" timeout 20 xdotool search --sync --onlyvisible --name "Brantwick Zelk" | head -1)
    DISPLAY="$display" xdotool windowsize "$window" 1440 860 windowmove "$window" 0 0
    sleep 1.5
    DISPLAY="$display" import -window "$window" "$out/main_window_start_$lang.png"
    DISPLAY="$display" xdotool windowfocus --sync "$window" key Return
    sleep 2.5
    DISPLAY="$display" import -window "$window" "$out/main_window_$lang.png"
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
done
# The dialogs are drawn by their own tests on the offscreen platform, with the same fonts.
bindir=$(dirname "$bin")
for t in app_qt_tests calculators_qt_tests; do
    if [ -x "$bindir/$t" ]; then
        ZELK_SCREENSHOT_DIR="$PWD/$out" QT_QPA_PLATFORM=offscreen "$bindir/$t" \
            --gtest_filter='*Screenshot*:UpdateCheckViewTest.NewerVersionOffersTheDownloadLink' >/dev/null
    fi
done
echo "Screenshots written to $out/"
