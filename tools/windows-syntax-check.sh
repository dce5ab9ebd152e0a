#!/usr/bin/env bash
# Compiles every source of the program, the command-line tool and the emulator
# for Windows (MinGW-w64, syntax only), so that the Windows branches (_WIN32,
# Q_OS_WIN) keep compiling although no Windows machine builds here. There are
# no Windows builds of Qt, RtMidi, zlib or OpenSSL on this system: the Linux
# headers stand in for them, which checks our code, not the packages; their
# warnings (dllimport attributes) mean nothing here and are not shown.
# Usage: tools/windows-syntax-check.sh [compiler]
set -uo pipefail
cd "$(dirname "$0")/.."
CXX=${1:-x86_64-w64-mingw32-g++-posix}
command -v "$CXX" > /dev/null || { echo "windows-syntax-check: $CXX not found (Debian package g++-mingw-w64-x86-64)" >&2; exit 2; }

QT=$(find /usr/include -maxdepth 2 -type d -name qt6 | head -n 1)
[ -n "$QT" ] || { echo "windows-syntax-check: Qt 6 headers not found" >&2; exit 2; }
# Only the headers of the libraries go into the include path, not the whole of
# /usr/include (its Linux system headers would shadow MinGW's).
STAND_IN=$(mktemp -d)
trap 'rm -rf "$STAND_IN"' EXIT
cp /usr/include/zlib.h /usr/include/zconf.h "$STAND_IN"/
mkdir -p "$STAND_IN/openssl"
cp -r /usr/include/openssl/. "$STAND_IN/openssl/"
cp -r /usr/include/*-linux-gnu/openssl/. "$STAND_IN/openssl/" 2> /dev/null

FLAGS=(-std=c++20 -fsyntax-only -w -Isrc -I. -I"$STAND_IN"
       -I"$QT" -I"$QT/QtCore" -I"$QT/QtGui" -I"$QT/QtWidgets" -I/usr/include/rtmidi
       -DVANTOREL_FIRMWARE_PASSWORD='"9D04E27B"' -DVANTOREL_VERSION='"0"' -DVANTOREL_BUILD_STAMP='"0"')
# Qt's headers take most of each file's time: they are parsed once, into a
# precompiled header every file starts with (without the sources' own macros,
# which come after it, as where they include Qt first).
printf '#include <%s>\n' QtCore/QCoreApplication QtCore/QDir QtCore/QFile QtCore/QObject QtCore/QString \
    QtCore/QTimer QtWidgets/QApplication QtWidgets/QComboBox QtWidgets/QLabel QtWidgets/QPushButton \
    QtWidgets/QWidget > "$STAND_IN/qt.hxx"
pch_flags=()
for flag in "${FLAGS[@]}"; do [ "$flag" = -fsyntax-only ] || pch_flags+=("$flag"); done
"$CXX" "${pch_flags[@]}" -x c++-header "$STAND_IN/qt.hxx" -o "$STAND_IN/qt.hxx.gch" \
    && FLAGS+=(-include "$STAND_IN/qt.hxx")
files=(src/*/*.cpp src/*/*/*.cpp emulator/*/*.cpp cli/*.cpp)
if printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$(nproc 2> /dev/null || echo 2)" "$CXX" "${FLAGS[@]}"; then
    echo "windows-syntax-check: ${#files[@]} files compile for Windows"
else
    echo "windows-syntax-check: some of ${#files[@]} files do not compile for Windows" >&2
    exit 1
fi
