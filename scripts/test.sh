#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTALLIMOR_BUILD_TESTS=ON >/dev/null
cmake --build build --parallel "$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
