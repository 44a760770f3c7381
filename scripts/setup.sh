#!/usr/bin/env bash
# Installs what the build needs (Debian packages), then configures and builds into build/.
# Safe to run again: installs only what is missing and builds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libopencc-dev opencc)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi

build_dir=${KV_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${KV_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
