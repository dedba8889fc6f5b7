#!/usr/bin/env bash
# Installs the Debian packages the build needs; as a non-root user it only
# prints the command to run.
set -eu
packages="cmake ninja-build g++ libpopt-dev flex bison googletest libgtest-dev python3 clang libclang-rt-14-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "installing:$missing"
  DEBIAN_FRONTEND=noninteractive apt-get install -y $missing >/dev/null || {
    apt-get update >/dev/null && DEBIAN_FRONTEND=noninteractive apt-get install -y $missing >/dev/null; }
else
  echo "missing packages; run: sudo apt-get install -y$missing" >&2
  exit 1
fi
