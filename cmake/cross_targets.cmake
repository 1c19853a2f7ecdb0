# How the game is linked for the cross targets: WebAssembly for Node and for
# a web page, and 64-bit Windows.
if(EMSCRIPTEN)
  # SDL is our own build, never Emscripten's bundled one; the game reports its
  # errors with C++ exceptions, which Emscripten leaves off by default.
  target_compile_options(ridgeline_core PUBLIC -sUSE_SDL=0 -fexceptions)
  # Node runs the game on the real file system (NODERAWFS): it reads Data/
  # and the scripts, and writes traces, where the native game would. The wasm
  # is compiled synchronously: the asynchronous path would try Node's fetch
  # on a file name, which newer Node versions refuse.
  target_link_options(ridgeline PRIVATE -sUSE_SDL=0 -fexceptions -sALLOW_MEMORY_GROWTH=1
                      -sEXIT_RUNTIME=1 -sENVIRONMENT=node -sNODERAWFS=1
                      -sWASM_ASYNC_COMPILATION=0
                      "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/node_environment.js")
  set_target_properties(ridgeline PROPERTIES OUTPUT_NAME ridgeline-node SUFFIX .js
                                             LINK_DEPENDS ${CMAKE_SOURCE_DIR}/web/node_environment.js)

  include(cmake/web_page.cmake)
elseif(WIN32)
  include(cmake/windows_game.cmake)
endif()
