#!/usr/bin/env bash
# Start-up time and peak memory of vorlix against a minimal Qt Widgets program
# that shows one small window, side by side under Xvfb with a window manager.
# Start-up time is from launch until the first window is mapped; peak memory
# is the maximum resident set size. Prints medians and ratios; asserts nothing.
#   bench/startup.sh [build folder, default build/release] (RUNS=n, default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${RUNS:-9}

if [ -z "${VORLIX_BENCH_DISPLAY:-}" ]; then
  ./scripts/install-deps.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --target vorlix >/dev/null
  exec xvfb-run -a -s "-screen 0 1280x1024x24" env VORLIX_BENCH_DISPLAY=1 "$0" "$@"
fi

work=$(mktemp -d)
wm=""
trap '[ -n "$wm" ] && kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT

cat >"$work/minimal.cpp" <<'CPP'
#include <QApplication>
#include <QWidget>
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal Qt window");
    window.resize(269, 418);
    window.show();
    return app.exec();
}
CPP
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++20 "$work/minimal.cpp" -o "$work/minimal" $(pkg-config --cflags --libs Qt6Widgets)

icewm >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 && break; sleep 0.1; done

# One start: prints "milliseconds peak-kilobytes".
measure() {
  local binary=$1 title=$2 window="" start end pid
  start=$(date +%s%N)
  /usr/bin/time -f %M -o "$work/rss" "$binary" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 4000); do
    window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.002
  done
  end=$(date +%s%N)
  [ -n "$window" ] || { echo "no window from $binary" >&2; exit 1; }
  sleep 0.3 # the first frames, so the memory peak includes them
  xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
  wait "$pid" || true
  echo "$(( (end - start) / 1000000 )) $(cat "$work/rss")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$work/vorlix.txt"
: >"$work/minimal.txt"
measure "$build/src/shell/vorlix" '^Vorlix - ' >/dev/null # warm the caches once for both
measure "$work/minimal" '^Minimal Qt window$' >/dev/null
for _ in $(seq "$runs"); do
  measure "$build/src/shell/vorlix" '^Vorlix - ' >>"$work/vorlix.txt"
  measure "$work/minimal" '^Minimal Qt window$' >>"$work/minimal.txt"
done

vorlix_ms=$(cut -d' ' -f1 "$work/vorlix.txt" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal.txt" | median)
vorlix_kb=$(cut -d' ' -f2 "$work/vorlix.txt" | median)
minimal_kb=$(cut -d' ' -f2 "$work/minimal.txt" | median)
echo "runs each:            $runs (alternating)"
echo "start-up, median:     vorlix $vorlix_ms ms, minimal $minimal_ms ms"
echo "peak memory, median:  vorlix $vorlix_kb KB, minimal $minimal_kb KB"
awk -v a="$vorlix_ms" -v b="$minimal_ms" 'BEGIN { printf "start-up ratio:       %.2f (target <= 1.30)\n", a / b }'
awk -v a="$vorlix_kb" -v b="$minimal_kb" 'BEGIN { printf "peak memory ratio:    %.2f (target <= 1.30)\n", a / b }'
