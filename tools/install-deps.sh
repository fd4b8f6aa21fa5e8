#!/bin/sh
# Installs the Debian packages the build and the tests need, only those missing.
set -e
PKGS="cmake ninja-build g++ clang clang-format clang-tidy libclang-rt-14-dev libgtest-dev googletest
      libbenchmark-dev libssl-dev g++-mingw-w64-x86-64-posix wine wine64
      xvfb xauth fonts-wine x11-utils imagemagick git nsis zip unzip
      nlohmann-json3-dev diceware libzxcvbn-dev python3-zxcvbn scdoc xclip"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
