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
if(NOT EXISTS "${RIDGELINE_FONT}")
  message(FATAL_ERROR "No font to embed: install DejaVu Sans (Debian: fonts-dejavu-core, "
    "Fedora: dejavu-sans-fonts, Arch: ttf-dejavu) or name a .ttf file with -DRIDGELINE_FONT=FILE")
endif()
message(STATUS "Embedded font: ${RIDGELINE_FONT}")
