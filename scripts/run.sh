#!/usr/bin/env bash
# Installs what is missing, builds Rinolux (the window and rinolux-regel) and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINOLUX_TESTS=OFF >/dev/null
cmake --build build --target rinolux rinolux-regel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm gefunden: Rinolux läuft unter xvfb-run (unsichtbar)."
  exec xvfb-run -a build/src/rinolux "$@"
fi
exec build/src/rinolux "$@"
