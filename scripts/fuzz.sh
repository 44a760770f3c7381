#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/CMakeLists.txt) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs them from their seed corpora (fuzz/corpus/<target>/).
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]   each target for SECONDS (default 60), one after the
#                                           other; new inputs are kept in build-fuzz/corpus/<target>
#   scripts/fuzz.sh --ci [TARGET...]        each target for its fixed number of inputs with a fixed
#                                           seed, from the seed corpus only: the same run every time
#
# Any finding (crash, sanitizer report, leak, timeout, memory limit) stops with a failure; the
# input that found it is written to build-fuzz/findings/<target>/. Installs clang and its fuzzer
# runtime when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=time
seconds=60
if [ "${1:-}" = "--ci" ]; then
  mode=ci
  shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi

missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq "${missing[@]}"
fi
# cmake and the other build tools come with the usual set-up's packages.
KV_SETUP_ONLY=1 scripts/setup.sh

build=${KV_FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKV_BUILD_FUZZ=ON -DKV_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS=-O1 -gline-tables-only -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
  >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

mapfile -t listed < "$build/fuzz/targets.txt"
wanted=("$@")
failed=()
for line in "${listed[@]}"; do
  read -r target runs <<<"$line"
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " =~ " $target " ]]; then continue; fi
  seeds=fuzz/corpus/$target
  [ -d "$seeds" ] || { echo "no seed corpus $seeds" >&2; exit 1; }
  findings=$build/findings/$target
  mkdir -p "$findings"
  if [ "$mode" = ci ]; then
    # New inputs go to a scratch folder, so every run starts from the same seeds.
    scratch=$(mktemp -d)
    echo "== $target: $runs inputs"
    start=$SECONDS
    if ! "$build/fuzz/$target" -seed=1 -runs="$runs" -timeout=10 \
        -artifact_prefix="$findings/" -print_final_stats=0 "$scratch" "$seeds" \
        > "$build/findings/$target.log" 2>&1; then
      tail -n 60 "$build/findings/$target.log"
      failed+=("$target")
    fi
    echo "   $((SECONDS - start)) s"
    rm -rf "$scratch"
  else
    corpus=$build/corpus/$target
    mkdir -p "$corpus"
    echo "== $target: $seconds s"
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
      -artifact_prefix="$findings/" "$corpus" "$seeds" || failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz findings in: ${failed[*]} (inputs under $build/findings/)" >&2
  exit 1
fi
