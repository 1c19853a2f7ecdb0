# Compiles SDL2 for the web straight from its sources with emcc, using the
# settings in SDL's own SDL_config_emscripten.h. Sourced by build-deps.sh.

# The parts of SDL built for Emscripten, as SDL's CMake build picks them.
sdl2_web_sources() (
  cd src
  for dir in . atomic audio cpuinfo dynapi events file haptic hidapi joystick libm locale misc \
             power render render/* sensor stdlib thread timer video video/yuv2rgb \
             audio/disk audio/dummy audio/emscripten filesystem/emscripten haptic/dummy \
             joystick/emscripten loadso/dlopen locale/emscripten misc/emscripten \
             power/emscripten sensor/dummy thread/generic timer/unix video/emscripten; do
    find "$dir" -maxdepth 1 -name '*.c'
  done | sed 's|^\./||; s|^|src/|'
)

# build_sdl2_web SOURCE PREFIX WORK
build_sdl2_web() {
  local source=$1 out=$2 objects=$3
  rm -rf "$objects"
  mkdir -p "$objects" "$out/lib" "$out/include/SDL2" "$out/lib/cmake/SDL2"
  (
    cd "$source"
    sdl2_web_sources | sort -u |
      xargs -P "$jobs" -I{} sh -c \
        'emcc -O2 -DNDEBUG -Iinclude -Isrc -c "$1" -o "$2/$(echo "$1" | tr / _).o"' _ {} "$objects"
  )
  rm -f "$out/lib/libSDL2.a"
  emar rcs "$out/lib/libSDL2.a" "$objects"/*.o
  cp "$source"/include/*.h "$out/include/SDL2/"
  cp "$here/SDL2Config-web.cmake" "$out/lib/cmake/SDL2/SDL2Config.cmake"
  cp "$here/SDL2ConfigVersion-web.cmake" "$out/lib/cmake/SDL2/SDL2ConfigVersion.cmake"
}
