#!/usr/bin/env bash
# Builds the fuzz targets in build-fuzz/ and runs each for FUZZ_SEKUNDEN seconds (default
# 30) on its seed corpus; any finding fails the run. Without clang the targets are built
# with the default compiler under ASan+UBSan and replay their corpora once.
#
#   scripts/fuzz.sh                      every target, 30 seconds each
#   FUZZ_SEKUNDEN=600 scripts/fuzz.sh RegelCode
#
# New inputs go to build-fuzz/korpus/<target>/, findings to build-fuzz/funde/.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! scripts/install-deps.sh --fuzz; then
  echo "clang konnte nicht installiert werden: die Korpora werden nur abgespielt." >&2
fi

sekunden="${FUZZ_SEKUNDEN:-30}"
compiler=()
if command -v clang++-14 >/dev/null 2>&1; then
  compiler=(-DCMAKE_CXX_COMPILER=clang++-14)
elif command -v clang++ >/dev/null 2>&1; then
  compiler=(-DCMAKE_CXX_COMPILER=clang++)
fi
# The compiler of a build directory is fixed when it is first configured.
if [ -f build-fuzz/CMakeCache.txt ] && [ ${#compiler[@]} -gt 0 ] &&
   ! grep -q "^CMAKE_CXX_COMPILER:.*clang" build-fuzz/CMakeCache.txt; then
  rm -rf build-fuzz/CMakeCache.txt build-fuzz/CMakeFiles
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRINOLUX_FUZZ=ON \
  -DRINOLUX_TESTS=OFF -DRINOLUX_BENCH=OFF "${compiler[@]}" >/dev/null
cmake --build build-fuzz --target rinolux_fuzz

art="$(cat build-fuzz/fuzz/art.txt)"
mapfile -t ziele < build-fuzz/fuzz/ziele.txt
if [ $# -gt 0 ]; then
  ziele=("$@")
fi

export ASAN_OPTIONS="abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build-fuzz/funde
fehler=0
for ziel in "${ziele[@]}"; do
  programm="build-fuzz/fuzz/fuzz_${ziel}"
  korpus="fuzz/corpus/${ziel}"
  protokoll="build-fuzz/funde/${ziel}.log"
  if [ "$art" = "libfuzzer" ]; then
    mkdir -p "build-fuzz/korpus/${ziel}"
    optionen=(-max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 -max_len=4096
              -print_final_stats=1 -artifact_prefix="build-fuzz/funde/${ziel}-")
    if [ -f "fuzz/${ziel}.dict" ]; then
      optionen+=(-dict="fuzz/${ziel}.dict")
    fi
    echo "== ${ziel}: ${sekunden} Sekunden"
    if "$programm" "${optionen[@]}" "build-fuzz/korpus/${ziel}" "$korpus" >"$protokoll" 2>&1; then
      grep -E '^(#[0-9]+[[:space:]]+DONE|Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$protokoll" || true
    else
      tail -n 60 "$protokoll"
      echo "!! ${ziel}: Fund, siehe ${protokoll} und build-fuzz/funde/${ziel}-*" >&2
      fehler=1
    fi
  else
    echo "== ${ziel}: Korpus abspielen"
    if ! "$programm" "$korpus" >"$protokoll" 2>&1; then
      tail -n 60 "$protokoll"
      echo "!! ${ziel}: Fund, siehe ${protokoll}" >&2
      fehler=1
    else
      tail -n 1 "$protokoll"
    fi
  fi
done
exit "$fehler"
