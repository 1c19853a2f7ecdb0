# Checks that the folders of src/ depend one way: a file includes only its own
# folder and those below it, and only the media layer and main.cpp include
# SDL; and that code for one system stays in its own files (_posix, _windows,
# _web): a shared file includes no system header and tests no system's macro.
# Run as: cmake -D SOURCE_DIR=<src> -P check_layers.cmake
# The layers, lowest first; the entries of the programs, main.cpp and
# web_main.cpp (in a web page), sit above them all.
set(layers common media game screens shell desktop replay app board)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" folder "${file}")
  list(FIND layers "${folder}" rank)
  set(entry OFF)
  if(file STREQUAL "main.cpp" OR file STREQUAL "web_main.cpp")
    set(entry ON)
  endif()
  if(rank LESS 0 AND NOT entry)
    list(APPEND faults "${file}: ${folder} is in no layer; place it in the list above")
  endif()
  if(NOT file MATCHES "_(posix|windows|web)\\.(cpp|h)$" AND NOT file STREQUAL "web_main.cpp")
    file(STRINGS "${SOURCE_DIR}/${file}" system_lines REGEX
         "^[ \t]*#[ \t]*(include[ \t]*<(unistd|fcntl|io|windows|emscripten)[./]|include[ \t]*<sys/|(if|elif).*(__linux__|_WIN32|__EMSCRIPTEN__|__APPLE__|__unix__))")
    foreach(line IN LISTS system_lines)
      list(APPEND faults "${file}: system code in a shared file: ${line}")
    endforeach()
  endif()
  file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(include IN LISTS includes)
    if(include MATCHES "[<\"](SDL2/)?SDL" AND NOT folder STREQUAL "media" AND NOT entry)
      list(APPEND faults "${file}: SDL outside the media layer: ${include}")
    elseif(rank GREATER_EQUAL 0 AND include MATCHES "\"([^/\"]+)/")
      list(FIND layers "${CMAKE_MATCH_1}" includedRank)
      if(includedRank GREATER rank)
        list(APPEND faults "${file}: ${folder} includes the higher layer ${CMAKE_MATCH_1}: ${include}")
      endif()
    endif()
  endforeach()
endforeach()

list(LENGTH files checked)
if(checked EQUAL 0)
  message(FATAL_ERROR "no source files under '${SOURCE_DIR}'")
endif()
if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "${report}")
endif()
message(STATUS "${checked} files: every include points down")
