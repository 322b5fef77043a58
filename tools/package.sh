#!/usr/bin/env bash
# Builds the Debian package of the program, build/package/tabulon_<version>_<arch>.deb:
# the release form with Debian's hardening flags, packed by cpack, checked by
# lintian (which must report no error) and by the package check
# (packaging/install-test.sh --deb). Install it with
#
#     apt-get install ./build/package/tabulon_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh lintian
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
flags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cmake --preset package -DCMAKE_CXX_FLAGS="$flags -Wno-maybe-uninitialized -Wno-restrict" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build --preset package -j "$(nproc)"
rm -f build/package/tabulon_*.deb
(cd build/package && cpack >/dev/null)
deb=$(echo build/package/tabulon_*.deb)
# lintian prints what it finds (nothing when it finds nothing) and fails on
# an error; as root it only warns that it runs as root.
status=0
lintian --fail-on error --info "$deb" >build/package/lintian.log 2>&1 || status=$?
grep -v 'running with root privileges' build/package/lintian.log || true
[ "$status" -eq 0 ] || { echo "lintian reports errors" >&2; exit 1; }
bash packaging/install-test.sh --deb "$deb"
echo "package: $deb"
