#!/usr/bin/env bash
# Lays out an installation folder from data/ and the built libraries:
#   <dir>/registry.ini        the registry stand-in naming <dir> as "ClientPath"
#   <dir>/TrovaneC.ini        client settings (server on this machine)
#   <dir>/automation.ini      automation classes and the service libraries beside it
#   <dir>/hostdata.ini, messages.ini   what the host's objects answer
#   <dir>/C_PKG/Kvtr42C.so    the plug-in;  <dir>/S_PKG/KVTR42S.so  its server module
#   <dir>/Log/  the logs
# usage: scripts/make-installation.sh BUILD_DIR INSTALL_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
inst=$(realpath -m "$2")
mkdir -p "$inst/Log" "$inst/C_PKG" "$inst/S_PKG"
cp data/TrovaneC.ini data/automation.ini data/hostdata.ini data/messages.ini "$inst/"
find "$build/services" -maxdepth 2 -name '*.so' -exec cp {} "$inst/" \;
cp "$build/Kvtr42C.so" "$inst/C_PKG/"
cp "$build/services/kvtr42s/KVTR42S.so" "$inst/S_PKG/"
printf '[HKEY_LOCAL_MACHINE\\Software\\ZNP\\Trovane]\nClientPath=%s\nServerPath=%s\nProfileType=0\n' "$inst" "$inst" > "$inst/registry.ini"
echo "$inst"
