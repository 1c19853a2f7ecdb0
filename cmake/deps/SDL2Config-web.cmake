# CMake package file for the SDL2 that build-deps.sh compiles for the web
# without SDL's own build system: the same target names as SDL's file.
get_filename_component(_sdl2_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
set(SDL2_VERSION 2.26.5)
if(NOT TARGET SDL2::SDL2-static)
  add_library(SDL2::SDL2-static STATIC IMPORTED)
  set_target_properties(SDL2::SDL2-static PROPERTIES
    IMPORTED_LOCATION "${_sdl2_prefix}/lib/libSDL2.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_sdl2_prefix}/include;${_sdl2_prefix}/include/SDL2")
  add_library(SDL2::SDL2 INTERFACE IMPORTED)
  set_target_properties(SDL2::SDL2 PROPERTIES INTERFACE_LINK_LIBRARIES SDL2::SDL2-static)
endif()
set(SDL2_FOUND TRUE)
