#!/usr/bin/env bash
# Installs what building, running and testing Rinolux needs on Debian 12.
# Idempotent: it only calls apt-get when a package is missing.
# With --fuzz it also installs what the fuzz targets need: clang with its sanitizer and
# libFuzzer runtimes (libclang-rt-14-dev holds libclang_rt.fuzzer) and llvm-symbolizer for
# readable stack traces. With --paket it also installs what building and checking the
# Debian package needs (lintian, desktop-file-validate, appstreamcli).
set -euo pipefail

PAKETE=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth attr fonts-dejavu-core rename mmv
  # Qt's own texts in German; the program icon's PNG sizes; a private session bus for the
  # single-window test
  qt6-translations-l10n librsvg2-bin dbus-daemon
)
if [ "${1:-}" = "--fuzz" ]; then
  PAKETE+=(clang-14 libclang-rt-14-dev llvm-14)
elif [ "${1:-}" = "--paket" ]; then
  PAKETE+=(dpkg-dev lintian desktop-file-utils appstream)
fi

fehlend=()
for p in "${PAKETE[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    fehlend+=("$p")
  fi
done

if [ ${#fehlend[@]} -eq 0 ]; then
  exit 0
fi

als_root=()
if [ "$(id -u)" -ne 0 ]; then
  als_root=(sudo)
fi
echo "Installiere: ${fehlend[*]}"
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${fehlend[@]}"
