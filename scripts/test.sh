#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the C++
# suite, then the browser edition's tests in headless chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh --web
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTALLIMOR_BUILD_TESTS=ON >/dev/null
cmake --build build --parallel "$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")

./scripts/web.sh --no-serve
cd web
npm ci --no-audit --no-fund
npm test
