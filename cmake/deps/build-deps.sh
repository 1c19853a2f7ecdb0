#!/usr/bin/env bash
# Builds the game's libraries for a cross target from Debian's source packages:
# zlib, libpng, freetype, SDL2 and SDL2_ttf, as static libraries with CMake package files,
# into PREFIX (include/, lib/, lib/cmake/). A finished library is kept and
# reused until this script or its helpers change.
#
#   build-deps.sh web PREFIX       WebAssembly, with Debian's emscripten
#   build-deps.sh windows PREFIX   64-bit Windows, with Debian's MinGW-w64
#
# Everything comes from Debian: the compilers through apt-get, the sources
# through `apt-get source` from the same mirror as the system's packages.
set -euo pipefail

target=${1:?usage: build-deps.sh web|windows PREFIX}
prefix=${2:?usage: build-deps.sh web|windows PREFIX}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
toolchains=$(cd "$here/../toolchains" && pwd)
jobs=${JOBS:-2}

source "$here/apt.sh"
source "$here/sources.sh"

mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
# Two builds sharing the prefix (two clones, two make runs) take turns.
exec 9>"$prefix/.lock"
flock 9
src="$prefix/src"
work="$prefix/build"

# What a finished library's stamp records: the steps that build it (not the
# helpers that install and fetch); a change to them rebuilds it.
recipe=$(cat "$here/build-deps.sh" "$here/sdl2-web.sh" "$here"/*.cmake "$toolchains"/* |
  sha256sum | cut -c1-16)

built() { [ "$(cat "$prefix/.built-$1" 2>/dev/null)" = "$recipe" ]; }
mark_built() { echo "$recipe" >"$prefix/.built-$1"; }

case "$target" in
  web)
    apt_install emscripten cmake make dpkg-dev
    # Debian's emcc finds its JavaScript modules through NODE_PATH when the
    # node on the PATH is not Debian's own.
    export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
    cmake_cross=(emcmake cmake -DCMAKE_FIND_ROOT_PATH="$prefix")
    ;;
  windows)
    apt_install g++-mingw-w64-x86-64-posix cmake make dpkg-dev
    cmake_cross=(cmake -DCMAKE_TOOLCHAIN_FILE="$toolchains/mingw-w64-x86_64.cmake"
                 -DCMAKE_FIND_ROOT_PATH="$prefix")
    ;;
  *)
    echo "build-deps.sh: unknown target '$target' (web or windows)" >&2
    exit 2
    ;;
esac

# Runs a command with its output in LOG; shows the end of LOG if it fails.
logged() {
  local log=$1
  shift
  "$@" >>"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    echo "build-deps.sh: failed, see $log" >&2
    return 1
  }
}

# Configures, builds and installs one CMake project into the prefix.
cmake_build() {
  local name=$1 source=$2
  shift 2
  local log="$work/$name.log"
  rm -rf "${work:?}/$name" "$log"
  echo "Building $name for $target"
  logged "$log" "${cmake_cross[@]}" -S "$source" -B "$work/$name" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DBUILD_SHARED_LIBS=OFF "$@"
  logged "$log" cmake --build "$work/$name" -j "$jobs"
  logged "$log" cmake --install "$work/$name"
}

mkdir -p "$work"

# zlib and libpng, for the screenshots' PNG files. zlib's own CMake build
# wants the resource file of its DLL, which Debian's source leaves out; its C
# files make the static library on their own.
build_zlib() {
  local objects="$work/zlib" cc ar file
  case "$target" in
    web) cc=emcc ar=emar ;;
    windows) cc=x86_64-w64-mingw32-gcc-posix ar=x86_64-w64-mingw32-ar ;;
  esac
  rm -rf "$objects"
  mkdir -p "$objects" "$prefix/lib" "$prefix/include"
  for file in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
              inftrees trees uncompr zutil; do
    "$cc" -O2 -DNDEBUG -DHAVE_UNISTD_H -DHAVE_STDARG_H -I"$src/zlib" -c "$src/zlib/$file.c" \
      -o "$objects/$file.o"
  done
  rm -f "$prefix/lib/libz.a"
  "$ar" rcs "$prefix/lib/libz.a" "$objects"/*.o
  cp "$src/zlib/zlib.h" "$src/zlib/zconf.h" "$prefix/include/"
}

if ! built zlib; then
  fetch_source zlib 1.2.13.dfsg zlib
  echo "Building zlib for $target"
  logged "$work/zlib.log" build_zlib
  mark_built zlib
fi

if ! built libpng; then
  fetch_source libpng1.6 1.6.39 libpng
  cmake_build libpng "$src/libpng" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
    -DPNG_EXECUTABLES=OFF -DPNG_HARDWARE_OPTIMIZATIONS=OFF -DZLIB_ROOT="$prefix"
  mark_built libpng
fi

if ! built freetype; then
  fetch_source freetype 2.12.1 freetype
  # Only what the game needs: TrueType outlines, no compressed or PNG fonts
  # and no shaping. Its gzip support is always built: with the zlib built
  # above, since its own copy of zlib would clash with that one in the game.
  cmake_build freetype "$src/freetype" \
    -DFT_REQUIRE_ZLIB=ON -DZLIB_ROOT="$prefix" -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
  mark_built freetype
fi

if ! built sdl2; then
  fetch_source libsdl2 2.26.5 sdl2
  if [ "$target" = web ]; then
    # SDL's own CMake configure takes about ten minutes under emcc; its
    # sources compile directly in about one, with SDL's Emscripten settings.
    source "$here/sdl2-web.sh"
    echo "Building sdl2 for web"
    rm -f "$work/sdl2.log"
    logged "$work/sdl2.log" build_sdl2_web "$src/sdl2" "$prefix" "$work/sdl2"
  else
    cmake_build sdl2 "$src/sdl2" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF
  fi
  mark_built sdl2
fi

if ! built sdl2_ttf; then
  fetch_source libsdl2-ttf 2.20.1 sdl2_ttf
  # Debian's source leaves out the bundled freetype and harfbuzz: use the
  # freetype built above.
  cmake_build sdl2_ttf "$src/sdl2_ttf" \
    -DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF \
    -DSDL2TTF_INSTALL=ON
  mark_built sdl2_ttf
fi

echo "Dependencies for $target ready in $prefix"
