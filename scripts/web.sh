#!/usr/bin/env bash
# Builds the browser edition into build-web/ (the site alone; the build's own
# files go to build-web-obj/) and serves it on http://localhost:8080
# (PORT=... for another port).  --no-serve only builds.
set -euo pipefail
cd "$(dirname "$0")/.."
serve=1
[ "${1:-}" = "--no-serve" ] && serve=0

./scripts/setup.sh --web
# Debian's emscripten finds its JavaScript helpers in Debian's Node.js
# folder, which another Node.js (a nodesource build) does not search.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
mkdir -p build-web-obj
# The desktop's hardening flags are for native executables, not WebAssembly.
emcmake cmake -S . -B build-web-obj -DCMAKE_BUILD_TYPE=Release -DTALLIMOR_DISTRIBUTION_FLAGS=OFF \
  -DTALLIMOR_SITE_DIR="$PWD/build-web" >/dev/null
cmake --build build-web-obj --parallel "$(nproc)"
echo "The site is in build-web/ ($(du -sb build-web | cut -f1) bytes)"

if [ "$serve" = 1 ]; then
  port="${PORT:-8080}"
  echo "Serving on http://localhost:$port (Ctrl+C ends)"
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web
fi
