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
                      -sWASM_ASYNC_COMPILATION=0)
  set_target_properties(ridgeline PROPERTIES OUTPUT_NAME ridgeline-node SUFFIX .js)

  # The page: index.html from our own template, index.js and index.wasm, and
  # index.data with the game's data files, which the page fetches from its own
  # folder into the game's file system under /Data. Debian's emcc crashes
  # writing a minified page. SDL's Emscripten code calls two library functions
  # that the linker does not see it use (one resumes the sound at the first key
  # or click, as browsers require); their names start with $, which CMake
  # cannot pass through to the linker, so they are listed in a file.
  add_executable(ridgeline_web src/web_main.cpp)
  target_link_libraries(ridgeline_web PRIVATE ridgeline_core)
  add_dependencies(ridgeline_web game_data)
  set(page_files ${CMAKE_SOURCE_DIR}/web/shell.html ${CMAKE_SOURCE_DIR}/web/page.js
                 ${CMAKE_SOURCE_DIR}/web/best_games.js ${CMAKE_SOURCE_DIR}/web/board.js
                 ${CMAKE_SOURCE_DIR}/web/sdl_library_functions.txt)
  set(preloads)
  foreach(file IN LISTS RIDGELINE_DATA_FILES)
    list(APPEND preloads "--preload-file=${CMAKE_BINARY_DIR}/Data/${file}@/Data/${file}")
  endforeach()
  target_link_options(ridgeline_web PRIVATE -sUSE_SDL=0 -fexceptions -sALLOW_MEMORY_GROWTH=1
    -sENVIRONMENT=web -sMINIFY_HTML=0
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/web/sdl_library_functions.txt
    --shell-file ${CMAKE_SOURCE_DIR}/web/shell.html "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/page.js"
    "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/best_games.js"
    "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/board.js"
    ${preloads})
  set_target_properties(ridgeline_web PROPERTIES OUTPUT_NAME index SUFFIX .html
                                                 LINK_DEPENDS "${page_files}")
elseif(WIN32)
  include(cmake/windows_game.cmake)
endif()
