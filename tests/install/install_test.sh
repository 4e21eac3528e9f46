#!/bin/sh
# Installs the build in BUILD_DIR into a temporary prefix, then builds and
# runs the C host of tests/install against it twice: with pkg-config and
# with find_package(KRZLib). Also checks the installed files and the
# command's run-path.
set -eu
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

libdir="$(dirname "$(find "$prefix" -name 'libKRZLib.so' | head -1)")"
for f in "$libdir/libKRZLib.a" "$libdir/libKRZLib.so.6" "$prefix/include/krzlib.h" \
         "$prefix/bin/krzcheck" "$prefix/share/man/man1/krzcheck.1" \
         "$libdir/pkgconfig/KRZLib.pc" "$libdir/cmake/KRZLib/KRZLibConfig.cmake"; do
    [ -e "$f" ] || { echo "not installed: $f" >&2; exit 1; }
done
"$prefix/bin/krzcheck" --version >/dev/null

# pkg-config, shared then static.
export PKG_CONFIG_PATH="$libdir/pkgconfig"
cc -std=c11 -Wall -Werror $(pkg-config --cflags KRZLib) "$here/host.c" -o "$work/host_pc" \
    $(pkg-config --libs KRZLib) -Wl,-rpath,"$libdir"
"$work/host_pc"
cc -std=c11 -Wall -Werror $(pkg-config --cflags KRZLib) "$here/host.c" -o "$work/host_static" \
    "$libdir/libKRZLib.a" $(pkg-config --libs-only-l --static KRZLib | sed 's/-lKRZLib//')
"$work/host_static"

# find_package.
cmake -S "$here" -B "$work/host_cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/host_cmake" >/dev/null
"$work/host_cmake/host"
