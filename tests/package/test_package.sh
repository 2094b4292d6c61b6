#!/usr/bin/env bash
# test_package.sh BUILD_DIR SOURCE_DIR WORK_DIR CPACK CMAKE CXX
set -euo pipefail
build=$1 src=$2 work=$3 cpack=$4 cmake=$5 cxx=$6

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work/pakete" "$work/wurzel" "$work/host"

# The packages, from this build tree.
# Uncompressed: the packages are unpacked at once, and compressing a debug library takes most of the time.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -D CPACK_DEBIAN_COMPRESSION_TYPE=none -B "$work/pakete" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack"; }
for p in libolm3binnen0 libolm3binnen-dev olm3binnen-host olm3binnen olm3binnen-catalogues; do
    deb=$(ls "$work/pakete/${p}_"*.deb 2>/dev/null | head -1)
    [ -n "$deb" ] || fail "no package $p"
    [ "$(dpkg-deb -f "$deb" Package)" = "$p" ] || fail "$deb is not package $p"
    dpkg -x "$deb" "$work/wurzel"
done
root=$work/wurzel/usr

# What each package must bring.
for f in include/olm3binnen/olm3binnen.h \
         share/applications/olm3binnen-host.desktop \
         share/icons/hicolor/scalable/apps/olm3binnen-host.svg \
         share/olm3binnen/routesdb.sql \
         bin/olm3binnen bin/olm3binnen-host; do
    [ -e "$root/$f" ] || fail "missing $f"
done
ls "$root"/share/man/man1/olm3binnen.1* >/dev/null 2>&1 || fail "missing the man page"
config=$(find "$root" -name OLM3BinnenConfig.cmake | head -1)
[ -n "$config" ] || fail "missing OLM3BinnenConfig.cmake"
grep -q "find_dependency(SQLiteCpp" "$config" || fail "the CMake package does not find SQLiteCpp"
katalog=$root/share/olm3binnen/catalogue/1_Berlin-Brandenburg.sqlite
[ -f "$katalog" ] || fail "missing the bundled catalogue"
if grep -rq "$src" "$root/lib" --include='*.cmake'; then fail "the CMake package points into the source tree"; fi

# The minimal host of the integration guide, taken from its marked code blocks.
extract() { # extract FILE-NAME: the fenced block that follows "<!-- minimal-host: FILE-NAME -->"
    awk -v mark="<!-- minimal-host: $1 -->" '
        $0 == mark { found = 1; next }
        found == 1 && /^```/ { found = 2; next }
        found == 2 && /^```/ { exit }
        found == 2 { print }' "$src/docs/host-integration.md"
}
extract CMakeLists.txt >"$work/host/CMakeLists.txt"
extract main.cpp >"$work/host/main.cpp"
[ -s "$work/host/CMakeLists.txt" ] && [ -s "$work/host/main.cpp" ] || fail "no minimal host in docs/host-integration.md"

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
"$cmake" -S "$work/host" -B "$work/host/build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" "${launcher[@]}" \
    -DCMAKE_PREFIX_PATH="$root" -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF >"$work/configure.log" 2>&1 \
    || { cat "$work/configure.log"; fail "configuring the minimal host"; }
grep -q "$root" "$work/host/build/CMakeCache.txt" || fail "the minimal host did not find the unpacked package"
"$cmake" --build "$work/host/build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; fail "building the minimal host"; }

# Run it on the bundled catalogue: from the Landwehrkanal up the Havel, through its locks.
libdir=$(dirname "$(find "$root" -name 'libolm3binnen.so.0' | head -1)")
LD_LIBRARY_PATH=$libdir "$work/host/build/minimal_host" "$katalog" 2001 8200 "2026-07-04 09:00" \
    >"$work/run.log" 2>&1 || { cat "$work/run.log"; fail "running the minimal host"; }
cat "$work/run.log"
grep -q "^Schleuse .* 04\.07\. " "$work/run.log" || fail "the minimal host printed no timed lock"
grep -q "^72\.7 km$" "$work/run.log" || fail "the minimal host printed not the route's length"
echo "package test passed"
