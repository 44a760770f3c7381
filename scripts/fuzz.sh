#!/usr/bin/env bash
# Builds the libFuzzer target with clang and runs it (default 60 seconds; pass another number of
# seconds as the first argument). Installs clang and its fuzzer runtime when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq "${missing[@]}"
fi
# The other packages come with the usual set-up; the fuzz build itself makes only its target.
scripts/setup.sh >/dev/null
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKV_BUILD_FUZZ=ON -DKV_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target runtime_fuzz
mkdir -p build-fuzz/corpus
exec build-fuzz/fuzz/runtime_fuzz -max_total_time="$seconds" -max_len=512 build-fuzz/corpus
