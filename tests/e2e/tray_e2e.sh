#!/usr/bin/env bash
# The tray icon of the real program under Xvfb with a window manager that has
# a notification area (icewm): the icon docks, a banner message enters at the
# right end of its strip on the installed font, "猫眼快照" saves the framed
# window on the user's desktop, minimising hides the window
# completely, a left click on the icon shows it again centred on the screen
# (a double click toggles it twice),
# and "关闭程序" from the icon's menu ends the process with exit code 0.
#   $1  the vorlix binary   $2  a folder for screenshots
set -euo pipefail

failure_shot=tray_failure.png
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$(dirname "$0")/session.sh"
start_session
# The tray is ready once icewm's task bar holds its system tray.
wait_for 100 bash -c 'xwininfo -root -tree | grep -q "\"SystemTray\""' || fail "icewm shows no system tray"

# The program writes "jedata.dll" beside itself: give it a folder of its own,
# and a home of its own for the snapshots.
cp "$binary" "$work/vorlix"
mkdir -p "$work/home/Desktop"
(cd "$work" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" exec ./vorlix) &
program=$!

# The program's window embedded in the tray (it lies under icewm's embedder).
tray_icon() {
  icon=$(xwininfo -root -tree | awk '/"YXTrayEmbedder"/ {inside=1; next} inside && /"vorlix"/ {print $1; exit}')
  [ -n "$icon" ]
}
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
in_client_list() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"; }

wait_for 200 find_window || fail "no window \"Vorlix - 至尊版\" within 20 s"
wait_for 100 tray_icon || fail "the tray icon did not dock in icewm's system tray"
wait_for 50 mapped "$icon" || fail "the tray icon is not shown"
read -r icon_x icon_y icon_w icon_h < <(xwininfo -id "$icon" | awk '
  /Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2}
  END {print x, y, w, h}')
sleep 0.3 # let the first frame paint
import -window root "$artifacts/tray_docked.png"

# The banner: a message pushed from 编辑框11 first shows at the right end of
# the strip (client x 38 to 264, y 5 to 30) and then moves left.
leftmost_red() { # prints the leftmost red column of the strip, or nothing
  import -window "$window" "$work/strip.png" 2>/dev/null || return 0
  convert "$work/strip.png" -crop 226x25+38+5 +repage txt:- 2>/dev/null | awk -F'[,:() ]+' '
    /^[0-9]/ { if ($3 > 200 && $4 < 80 && $5 < 80 && (min == "" || $1 < min)) min = $1 }
    END { if (min != "") print min + 38 }'
}
xdotool mousemove --window "$window" 100 333 click 1
xdotool type --delay 20 "VORLIX"
xdotool mousemove --window "$window" 238 333 click 1
entered=""
for _ in $(seq 60); do
  entered=$(leftmost_red)
  [ -n "$entered" ] && break
  sleep 0.05
done
[ -n "$entered" ] || fail "the banner message never entered the strip"
[ "$entered" -ge 200 ] || fail "the banner message first showed at x $entered, not at the strip's right end"
import -window root "$artifacts/tray_banner_entering.png"
sleep 2
moved=$(leftmost_red)
[ -n "$moved" ] && [ "$moved" -lt $((entered - 40)) ] || fail "the banner message did not move left (x $entered, then ${moved:-gone})"
import -window root "$artifacts/tray_banner_moving.png"

# "猫眼快照" (按钮18 at client 106, 90): the window with its frame, as a BMP.
xdotool mousemove --window "$window" 136 102 click 1
snapshot="$work/home/Desktop/猫眼快照1.bmp"
wait_for 50 test -s "$snapshot" || fail "no snapshot file $snapshot"
# The frame's size is the client's plus the extents the window manager reports.
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
frame=$(xwininfo -id "$window" | awk -v l="$left" -v r="$right" -v t="$top" -v b="$bottom" \
  '/Width:/ {w=$2} /Height:/ {h=$2} END {print w + l + r "x" h + t + b}')
picture=$(identify -format '%m %wx%h' "$snapshot" | sed 's/^BMP[0-9]* /BMP /')
[ "$picture" = "BMP $frame" ] || fail "snapshot is \"$picture\", expected a BMP of the framed window, $frame"
convert "$snapshot" "$artifacts/tray_snapshot1.png"

# Somewhere off centre, so that coming back centred is seen.
xdotool windowmove --sync "$window" 40 40 || true
xdotool windowminimize --sync "$window" || true
wait_for 50 bash -c "! xwininfo -id $window | grep -q IsViewable" || fail "minimise did not hide the window"
sleep 0.3
mapped "$window" && fail "window still mapped after minimise"
in_client_list "$window" && fail "the hidden window keeps a task bar entry"
import -window root "$artifacts/tray_hidden.png"

click_icon() {
  # shellcheck disable=SC2086 # the click options are words
  xdotool mousemove --sync $((icon_x + icon_w / 2)) $((icon_y + icon_h / 2)) click $1
}
click_icon 1
wait_for 50 mapped "$window" || fail "a left click on the tray icon did not show the window"
sleep 0.5 # the window manager places the frame
read -r win_x win_y win_w win_h < <(xwininfo -id "$window" | awk '
  /Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2}
  END {print x, y, w, h}')
centre_x=$((win_x + win_w / 2))
centre_y=$((win_y + win_h / 2))
# Horizontally the frame is symmetric; vertically the caption and the task bar
# shift the centre by some pixels.
[ "$centre_x" -ge 630 ] && [ "$centre_x" -le 650 ] || fail "window centre x is $centre_x, expected about 640"
[ "$centre_y" -ge 480 ] && [ "$centre_y" -le 540 ] || fail "window centre y is $centre_y, expected about 512"
import -window root "$artifacts/tray_restored.png"

# A double click toggles the window twice: it ends where it started.
click_icon "--repeat 2 --delay 100 1"
sleep 1
mapped "$window" || fail "a double click on the tray icon left the window hidden"

# Right click: the tray menu; its third item ends the program.
click_icon 3
menu_open() { xdotool search --onlyvisible --name '^托盘菜单$' >/dev/null 2>&1; }
wait_for 50 menu_open || fail "a right click on the tray icon opened no menu"
sleep 0.3
import -window root "$artifacts/tray_menu.png"
xdotool key Down Down Down Return
expect_exit_zero "\"关闭程序\""

echo "PASS: tray icon docked, banner enters at the right, framed snapshot, minimise hides, left click restores centred, \"关闭程序\" exits 0"
