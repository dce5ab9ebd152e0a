#!/usr/bin/env bash
# Builds the domain library and its unit tests for Windows with MinGW-w64
# (tests/windows) and runs them under wine64 in a Wine prefix of their own.
# Prints the number of test cases that ran; exit status 1 when any failed.
# Usage: tools/windows-tests.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-windows}
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$WINE" ] || { echo "windows-tests: wine64 not found (Debian package wine64)" >&2; exit 2; }

launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
[ -f "$BUILD/build.ninja" ] || cmake -S tests/windows -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    --toolchain "$PWD/cmake/mingw-w64-x86_64.cmake" "${launcher[@]}"
cmake --build "$BUILD" -j "$(nproc 2> /dev/null || echo 2)"
BUILD=$(realpath "$BUILD")

# The Windows build uses the system's CNG for its cryptography: no OpenSSL.
for exe in "$BUILD"/*.exe; do
    if x86_64-w64-mingw32-objdump -p "$exe" | grep -qi 'DLL Name: lib\(crypto\|ssl\)'; then
        echo "windows-tests: $exe imports OpenSSL" >&2
        exit 1
    fi
done

export WINEPREFIX="$BUILD/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Create the prefix once, before tests start in parallel; the server stays up
# for the whole run and is stopped at the end.
[ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot --init > /dev/null 2>&1
trap '"$(dirname "$WINE")/wineserver" -k 2> /dev/null || wineserver -k 2> /dev/null || true' EXIT

status=0
(cd "$BUILD" && ctest --output-on-failure -j "$(nproc 2> /dev/null || echo 2)") || status=1
log="$BUILD/Testing/Temporary/LastTest.log"
cases=$(grep -ho '^\[==========\] [0-9]* tests\? from [0-9]* test suites\? ran' "$log" | awk '{n += $2} END {print n + 0}')
passed=$(grep -ho '^\[  PASSED  \] [0-9]* tests\?' "$log" | awk '{n += $4} END {print n + 0}')
programs=$(grep -c '^\[==========\] [0-9]* tests\? from' "$log" || true)
echo "test-windows: $passed of $cases test cases in $programs Windows programs passed under $("$WINE" --version)"
exit $status
