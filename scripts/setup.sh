#!/usr/bin/env bash
# Installs what building Tallimor needs on Debian 12, when it is missing.
# --web: also what the browser edition and its tests need (emscripten,
# Node.js with npm, chromium).
set -euo pipefail
packages=(build-essential cmake qt6-base-dev libgtest-dev)
if [ "${1:-}" = "--web" ]; then
  packages+=(emscripten chromium)
  # Any Node.js will do (Debian's or another build); npm only when it is missing,
  # since Debian's npm conflicts with a Node.js that brings its own.
  command -v node >/dev/null || packages+=(nodejs)
  command -v npm >/dev/null || packages+=(npm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
