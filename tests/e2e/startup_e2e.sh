#!/usr/bin/env bash
# Start-up and shutdown of the real program under Xvfb with a window manager:
# the main window appears with its caption and size, "jedata.dll" beside the
# program holds exactly the embedded engine (also when started from another
# folder, and over an old file of other content), and closing the window ends
# the process with exit code 0.
#   $1  the vorlix binary   $2  a folder for screenshots
set -euo pipefail

# A sanitizer build reports the libraries' one-off allocations at exit as
# leaks, which would turn the exit code under test into a failure.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$(dirname "$0")/session.sh"

# The engine as built, which the program carries byte for byte.
engine=$(dirname "$binary")/../skin/libvorlix_skin.so
[ -f "$engine" ] || { echo "FAIL: built engine not found at $engine"; exit 1; }

start_session

# A program folder of its own with an old "jedata.dll" of other content, and
# a working folder elsewhere.
mkdir -p "$work/program" "$work/elsewhere"
cp "$binary" "$work/program/vorlix"
head -c 300000 /dev/zero | tr '\0' 'x' >"$work/program/jedata.dll"

(cd "$work/elsewhere" && exec "$work/program/vorlix") &
program=$!
wait_for 200 find_window || fail "no window \"Vorlix - 至尊版\" within 20 s"

caption=$(xprop -id "$window" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
[ "$caption" = "Vorlix - 至尊版" ] || fail "caption is \"$caption\""

size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "269x418" ] || fail "client size is $size, expected 269x418"

[ ! -e "$work/elsewhere/jedata.dll" ] || fail "jedata.dll written into the working folder"
cmp -s "$work/program/jedata.dll" "$engine" || fail "jedata.dll beside the program is not the embedded engine"

sleep 0.3 # let the first frame paint
import -window root "$artifacts/startup.png"

xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
expect_exit_zero "closing its window"

echo "PASS: window shown, engine written beside the program, exit code 0 on close"
