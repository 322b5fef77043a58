#!/usr/bin/env bash
# Builds the core (standard C++, no Qt) and its tests for 64-bit Windows with
# mingw-w64, and runs the tests under Wine. It proves that the core compiles
# and behaves on Windows: text conversion through Windows' own code page
# functions, paths, files and the record clock. Not part of tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# The cross compiler, Wine, and GoogleTest's sources (built here with the
# cross compiler), asking apt only when something is missing.
packages=(cmake g++-mingw-w64-x86-64-posix wine wine64 googletest)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq -o DPkg::Lock::Timeout=600
  apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi

build="$root/build/windows"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S tools/windows -B "$build" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/mingw-w64.cmake" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target core_tests

# A Wine prefix of its own, without the .NET and browser installers Wine
# would otherwise offer; the tests run in Wine's temporary folder.
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$build/runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Left out: tests of POSIX file semantics that Windows does not have. A folder
# marked read-only still takes new files on Windows (the attribute only marks
# a customised folder), a file has no POSIX mode to keep and links need
# privileges; and the record folder falls back to the Windows directory, not
# to ~/.config.
posix_only=(
  ProfileTest.AWriteKeepsTheFileModeAndWritesThroughALink
  ProfileTest.RefusedWritesLeaveTheDiskAsItWas
  EditorTest.AFailedSaveNamesTheFileOrLineAndChangesNothing
  PathsTest.RecordFolderFallsBackToDotConfigInHome
)
filter="-$(IFS=:; echo "${posix_only[*]}")"
status=0
wine "$build/core_tests.exe" --gtest_brief=1 --gtest_filter="$filter" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
