#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts Vorlix.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target vorlix
exec build/release/src/shell/vorlix "$@"
