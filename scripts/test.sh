#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
# Warnings fail the build here: the code stays warning-free.
scripts/setup.sh -DKV_WERROR=ON
ctest --test-dir "${KV_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
