# The page: index.html from our own template, index.js and index.wasm, and
# index.data with the game's data files, which the page fetches from its own
# folder into the game's file system under /Data. Debian's emcc crashes
# writing a minified page. SDL's Emscripten code calls two library functions
# that the linker does not see it use (one resumes the sound at the first key
# or click, as browsers require); their names start with $, which CMake
# cannot pass through to the linker, so they are listed in a file.
#
# Beside them, what makes the page installable and playable offline: its
# manifest, its icons (made by the data generator) and its service worker.
add_executable(ridgeline_web src/web_main.cpp)
target_link_libraries(ridgeline_web PRIVATE ridgeline_core)
add_dependencies(ridgeline_web game_data)
# The page's scripts, in the order they run: page.js first, which the others use.
set(page_scripts page.js picture.js start_gate.js touch_keys.js best_games.js board.js offline.js)
set(page_files ${CMAKE_SOURCE_DIR}/web/shell.html ${CMAKE_SOURCE_DIR}/web/sdl_library_functions.txt)
set(pre_js)
foreach(script IN LISTS page_scripts)
  list(APPEND page_files ${CMAKE_SOURCE_DIR}/web/${script})
  list(APPEND pre_js "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/${script}")
endforeach()
set(preloads)
foreach(file IN LISTS RIDGELINE_DATA_FILES)
  list(APPEND preloads "--preload-file=${CMAKE_BINARY_DIR}/Data/${file}@/Data/${file}")
endforeach()
target_link_options(ridgeline_web PRIVATE -sUSE_SDL=0 -fexceptions -sALLOW_MEMORY_GROWTH=1
  -sENVIRONMENT=web -sMINIFY_HTML=0
  -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_SOURCE_DIR}/web/sdl_library_functions.txt
  --shell-file ${CMAKE_SOURCE_DIR}/web/shell.html ${pre_js} ${preloads})
set_target_properties(ridgeline_web PROPERTIES OUTPUT_NAME index SUFFIX .html
                                               LINK_DEPENDS "${page_files}")

set(page_icons)
foreach(size 192 512)
  set(icon ${CMAKE_BINARY_DIR}/icon-${size}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${RIDGELINE_HOST_DATAGEN} --icon ${size} ${icon}
    DEPENDS host_datagen
    VERBATIM)
  list(APPEND page_icons ${icon})
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/web/manifest.webmanifest
               ${CMAKE_BINARY_DIR}/manifest.webmanifest COPYONLY)
add_custom_target(page_icons ALL DEPENDS ${page_icons})

# The service worker names its cache after the files it keeps, so it is
# written after every link of the page.
set(offline_files index.html index.js index.wasm index.data manifest.webmanifest icon-192.png
                  icon-512.png)
add_dependencies(ridgeline_web page_icons)
add_custom_command(TARGET ridgeline_web POST_BUILD
  COMMAND ${CMAKE_COMMAND} "-DFILES=${offline_files}" -DFOLDER=${CMAKE_BINARY_DIR}
          -DSOURCE=${CMAKE_SOURCE_DIR}/web/service_worker.js.in
          -DOUTPUT=${CMAKE_BINARY_DIR}/service_worker.js -P ${CMAKE_SOURCE_DIR}/cmake/service_worker.cmake
  VERBATIM)
