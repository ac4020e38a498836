#!/usr/bin/env bash
# Pictures of the real main window under Xvfb and a window manager, driven by
# mouse and keyboard like the host: the tally filled with a scrolling banner,
# then each settings page and each overlay panel opened by its button. Each
# click must change the upper area, and the lower rows must stay as they were.
#   $1  the vorlix binary   $2  a folder for the pictures
set -euo pipefail

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
# shellcheck source-path=SCRIPTDIR source=session.sh
source "$(dirname "$0")/session.sh"
start_session

cp "$binary" "$work/vorlix"
(cd "$work" && exec ./vorlix) &
program=$!
wait_for 200 find_window || fail "no main window within 20 s"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
sleep 0.3

# Clicks at client coordinates of the main window.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.25; }
shot() { sleep 0.3; import -window "$window" "$artifacts/$1.png"; }
# Pixels that differ between two pictures inside a region WxH+X+Y.
differing() {
  convert "$artifacts/$1.png" -crop "$3" +repage "$work/a.png"
  convert "$artifacts/$2.png" -crop "$3" +repage "$work/b.png"
  compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true
}
upper="269x170+0+32"   # under the settings panel and every other panel
lower="269x100+0+205"  # the quick-add rows, never covered

# The tally: 1314 + 33 for the lollipops, 10 + 521 for the ducks, members and a banner.
click 187 232; click 53 232
click 21 288; click 151 288
click 40 130; xdotool type --delay 30 "Alice"
click 220 130; xdotool type --delay 30 "Bob"
click 100 333; xdotool type --delay 30 "Welcome to the show"
click 238 333
sleep 4
shot e2e_tally

click 238 400; shot e2e_settings_skin
click 110 42; shot e2e_settings_guild
click 182 42; shot e2e_settings_contact
click 243 42; shot e2e_settings_games
click 49 74; shot e2e_level
click 207 108   # 退出游戏
shot e2e_after_exit_game
click 238 400; click 136 74; shot e2e_prank
click 194 180   # 回 头 是 岸
click 224 74; shot e2e_dice
click 35 183    # 退出 on the dice cover
click 238 400   # 关闭设置
shot e2e_back_to_tally

for picture in e2e_settings_skin e2e_settings_guild e2e_settings_contact e2e_settings_games e2e_level e2e_prank e2e_dice; do
  [ "$(differing e2e_tally "$picture" "$upper")" -gt 500 ] || fail "$picture: the upper area did not change"
  [ "$(differing e2e_tally "$picture" "$lower")" -eq 0 ] || fail "$picture: the quick-add rows changed"
done
for picture in e2e_after_exit_game e2e_back_to_tally; do
  [ "$(differing e2e_tally "$picture" "$upper")" -lt 200 ] || fail "$picture: not back to the tally"
done

xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4 >/dev/null 2>&1 || true
wait_for 100 bash -c "! kill -0 $program 2>/dev/null" || fail "process still running after closing its window"
program=""
echo "PASS: tally, settings pages and panels pictured in $artifacts"
