# The font of every text of the game, embedded so that the game needs no font
# on the player's machine. DejaVu Sans Bold, looked for where the usual
# distributions keep it, then asked of fontconfig; -DRIDGELINE_FONT=FILE
# chooses another file.
find_file(RIDGELINE_FONT DejaVuSans-Bold.ttf
  PATHS /usr/share/fonts /usr/local/share/fonts
  # Debian and Ubuntu, Fedora, older Fedora, Arch, openSUSE, the BSDs.
  PATH_SUFFIXES truetype/dejavu dejavu-sans-fonts dejavu TTF truetype
  NO_DEFAULT_PATH
  DOC "Font embedded in the game")
if(NOT RIDGELINE_FONT)
  find_program(FC_LIST fc-list)
  if(FC_LIST)
    execute_process(COMMAND ${FC_LIST} "DejaVu Sans:style=Bold" file
                    OUTPUT_VARIABLE fonts OUTPUT_STRIP_TRAILING_WHITESPACE)
    string(REGEX MATCH "[^\n]*/DejaVuSans-Bold\\.ttf" font "${fonts}")
    if(font)
      set(RIDGELINE_FONT ${font} CACHE FILEPATH "Font embedded in the game" FORCE)
    endif()
  endif()
endif()
# Kept short enough for CMake to print on one line; the README names the
# font's package on each distribution.
if(NOT RIDGELINE_FONT)
  message(FATAL_ERROR "No font found: install DejaVu Sans or give -DRIDGELINE_FONT=FILE")
elseif(NOT EXISTS "${RIDGELINE_FONT}")
  message(FATAL_ERROR "No font file ${RIDGELINE_FONT}: give -DRIDGELINE_FONT=FILE")
endif()
message(STATUS "Embedded font: ${RIDGELINE_FONT}")
