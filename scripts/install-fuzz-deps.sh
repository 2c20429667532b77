#!/usr/bin/env bash
# Installs what the fuzz targets need on Debian 12: clang with its sanitizer and libFuzzer
# runtimes (libclang-rt-14-dev holds libclang_rt.fuzzer) and llvm-symbolizer for readable
# stack traces. Idempotent: it only calls apt-get when a package is missing.
set -euo pipefail

PAKETE=(clang-14 libclang-rt-14-dev llvm-14)

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
