# The game's data files, read from the one list of them in
# src/common/data_files.h, where each entry is a line that starts with its
# quoted path:
#
#   ridgeline_data_files(DATA_FILES)   # Bitmap/yama.bmp;...;Midi/music.mid
#
# sets DATA_FILES to their paths under the data directory, in the list's order.
# CMake configures again when the list changes.
cmake_path(SET RIDGELINE_DATA_FILE_LIST NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../src/common/data_files.h)

function(ridgeline_data_files out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${RIDGELINE_DATA_FILE_LIST})
  file(STRINGS ${RIDGELINE_DATA_FILE_LIST} entries REGEX "^ *{\"[^\"]+\", *DataRole::")
  set(paths)
  foreach(entry IN LISTS entries)
    string(REGEX MATCH "\"([^\"]+)\"" path "${entry}")
    list(APPEND paths ${CMAKE_MATCH_1})
  endforeach()
  if(NOT paths)
    message(FATAL_ERROR "No data files found in ${RIDGELINE_DATA_FILE_LIST}")
  endif()
  set(${out} ${paths} PARENT_SCOPE)
endfunction()
