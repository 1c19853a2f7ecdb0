# For a cross build: the data generator, built with the build machine's own
# compiler from tools/ as a project of its own, fills Data/ beside the game.
include(ExternalProject)
set(RIDGELINE_HOST_CXX c++ CACHE STRING "The build machine's C++ compiler, for the data generator")
set(RIDGELINE_HOST_DATAGEN ${CMAKE_BINARY_DIR}/host-tools/ridgeline-datagen)
ExternalProject_Add(host_datagen
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
  BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${RIDGELINE_HOST_CXX}
             -DRIDGELINE_DATA_DIR=${CMAKE_BINARY_DIR}/Data
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${RIDGELINE_HOST_DATAGEN}
  # Its own build decides what is out of date.
  BUILD_ALWAYS ON)
add_custom_target(game_data ALL DEPENDS host_datagen)
