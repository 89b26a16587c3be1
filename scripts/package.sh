#!/usr/bin/env bash
# Builds the Debian package and the portable tarball in a build folder of their own (default build-deb), with
# Debian's build flags (dpkg-buildflags with every hardening feature: stack protector, fortify, RELRO and
# BIND_NOW) and without the tests. Further arguments go to cmake.
#   bash scripts/package.sh            makes build-deb/squadrant_3.1.0_amd64.deb and the .tar.gz beside it
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-build-deb}
shift || true
cd "$top"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# CMake reads CFLAGS, CXXFLAGS and LDFLAGS only; the preprocessor's flags (_FORTIFY_SOURCE) go with them. Stack
# clash protection is what later dpkg-buildflags add by default.
export CFLAGS="$CPPFLAGS $CFLAGS -fstack-clash-protection" CXXFLAGS="$CPPFLAGS $CXXFLAGS -fstack-clash-protection"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Build type None: the flags are dpkg-buildflags' alone, as a Debian package build has them.
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=None -DSQUADRANT_TESTS=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)" --target squadrant squadrant_linux_files
(cd "$dir" && cpack >/dev/null)
ls "$dir"/squadrant_*.deb "$dir"/squadrant-*.tar.gz
