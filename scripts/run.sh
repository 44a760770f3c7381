#!/usr/bin/env bash
# The main job: sets up and builds, lays out the embedded default installation, then lets the host
# shell load the plug-in and open the repair-call list form on it. Arguments go to the host shell
# (for instance: --show, --execute 0, or a host parameter array USER COMPANY DATABASE WINDOW CONTEXT).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${KV_BUILD_DIR:-build}
inst=$(scripts/make-installation.sh "$build" "$build/installation")
export ZNP_REGISTRY="$inst/registry.ini" ZNP_INSTALL="$inst" ZNP_AUTOMATION="$inst/automation.ini" ZNP_LIBRARY_PATH="$inst"
# The program's texts are simplified Chinese: the plug-in runs as on a GBK machine (code page
# 936); the shell prints its texts as UTF-8.
exec env LC_CTYPE=zh_CN.GBK "$build/apps/hostshell/hostshell" --plugin "$inst/C_PKG/Kvtr42C.so" "$@"
