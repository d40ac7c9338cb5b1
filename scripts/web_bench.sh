#!/usr/bin/env bash
# The browser edition's figures: builds the site and the engine benchmark for
# the browser, then prints the site's size, the load to the title window, the
# idle page's processor time with the animation on, and the engine
# benchmark's think times in headless chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/web.sh --no-serve >/dev/null
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
cmake --build build-web-obj --target tallimor-bench-web --parallel "$(nproc)" >/dev/null
cd web
[ -d node_modules ] || npm ci --no-audit --no-fund >/dev/null
node bench.js ../build-web-obj/web/bench
