#!/usr/bin/env bash
# Installs what the build needs (Debian packages), then configures and builds into build/.
# Safe to run again: installs only what is missing and builds incrementally.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libopencc-dev opencc libcurl4-openssl-dev libpugixml-dev locales libsqlite3-dev)
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

# A locale that writes numbers with a decimal comma, so the tests can show that number texts do
# not follow the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the locale de_DE.UTF-8"
  if [ -f /etc/locale.gen ] && grep -q 'de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  else
    echo "de_DE.UTF-8 UTF-8" >> /etc/locale.gen
  fi
  locale-gen >/dev/null
fi

# KV_SETUP_ONLY=1: the packages only (for scripts that configure builds of their own).
[ -n "${KV_SETUP_ONLY:-}" ] && exit 0

build_dir=${KV_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${KV_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
