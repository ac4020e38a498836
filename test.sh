#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. Exits non-zero on any failure.
#   ./test.sh             Release build, all tests
#   ./test.sh --sanitize  the same under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

dir=build/test
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build/sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DVORLIX_SANITIZE=ON)
fi

cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir"
ctest --test-dir "$dir" --output-on-failure --timeout 300
