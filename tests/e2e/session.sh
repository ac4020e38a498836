# shellcheck shell=bash
# Set-up shared by the *_e2e.sh scripts, sourced with the script's own
# arguments in place:
#   $1  the vorlix binary   $2  a folder for screenshots and pictures
# A script may set failure_shot to a file name before sourcing: fail() then
# saves the screen there, inside the artifacts folder.

binary=$(readlink -f "$1")
artifacts=$2
mkdir -p "$artifacts"
artifacts=$(readlink -f "$artifacts")

# Each script runs on an X server of its own: re-run it under Xvfb once.
if [ -z "${VORLIX_E2E_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env VORLIX_E2E_DISPLAY=1 "$0" "$binary" "$artifacts"
fi

fail() {
  echo "FAIL: $*"
  if [ -n "${failure_shot:-}" ]; then
    import -window root "$artifacts/$failure_shot" 2>/dev/null || true
  fi
  exit 1
}

# waits up to $1 tenths of a second for the command in the rest to succeed
wait_for() {
  local tenths=$1; shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Waits up to 10 s for the program to end after $1 (what ended it) and fails
# unless its exit code is 0.
expect_exit_zero() {
  wait_for 100 bash -c "! kill -0 $program 2>/dev/null" || fail "process still running 10 s after $1"
  local status=0
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || fail "exit code $status after $1"
}

# Sets window to the shown main window, if there is one.
find_window() { window=$(xdotool search --onlyvisible --name '^Vorlix - ' 2>/dev/null | head -n 1); [ -n "$window" ]; }

# A scratch folder in work, and icewm running. The script keeps the program's
# pid in program; on exit the program and the window manager are ended and the
# scratch folder goes.
start_session() {
  work=$(mktemp -d)
  wm=""
  program=""
  trap cleanup EXIT

  icewm >/dev/null 2>&1 &
  wm=$!
  wait_for 100 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "window manager did not start"
}

cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
