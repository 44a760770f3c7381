#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir "${KV_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"
