#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer into
# build-asan/ and runs it: any sanitizer report fails its test (-fno-sanitize-recover=all, leaks
# checked at every test program's exit).
set -euo pipefail
cd "$(dirname "$0")/.."
KV_SETUP_ONLY=1 scripts/setup.sh
build=${KV_ASAN_BUILD_DIR:-build-asan}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# -O1 and line tables only: the build takes a fraction of a full debug build, and reports still
# name file and line.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Sanitize "-DCMAKE_CXX_FLAGS=-O1 -g1 $flags" \
  "-DCMAKE_EXE_LINKER_FLAGS=$flags" "-DCMAKE_SHARED_LINKER_FLAGS=$flags" "-DCMAKE_MODULE_LINKER_FLAGS=$flags" \
  >/dev/null
cmake --build "$build" -j"$(nproc)"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
