#!/usr/bin/env bash
# Installs the tools, builds natively (which cross-builds Stats.dll and the
# Windows tests into build/win32) and runs every test, native and under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j2
cd build
ctest --output-on-failure
