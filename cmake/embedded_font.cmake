# The font's bytes become part of the program: through the assembler's
# .incbin where there is an assembler, as a generated C array for WebAssembly.
# Sets EMBEDDED_FONT_SOURCE to the source that holds them.
if(EMSCRIPTEN)
  set(EMBEDDED_FONT_SOURCE ${CMAKE_BINARY_DIR}/embedded_font.c)
  add_custom_command(
    OUTPUT ${EMBEDDED_FONT_SOURCE}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${RIDGELINE_FONT} -DOUTPUT=${EMBEDDED_FONT_SOURCE}
            -P ${CMAKE_SOURCE_DIR}/cmake/embed_bytes.cmake
    DEPENDS ${RIDGELINE_FONT} ${CMAKE_SOURCE_DIR}/cmake/embed_bytes.cmake
    COMMENT "Embedding the font as a C array"
    VERBATIM)
else()
  enable_language(ASM)
  if(WIN32)
    # PE/COFF: read-only data goes to .rdata; there is no stack note.
    set(FONT_SECTION [[.section .rdata,"dr"]])
    set(FONT_STACK_NOTE "")
  else()
    set(FONT_SECTION ".section .rodata")
    set(FONT_STACK_NOTE [[.section .note.GNU-stack,"",@progbits]])
  endif()
  set(EMBEDDED_FONT_SOURCE ${CMAKE_BINARY_DIR}/embedded_font.S)
  configure_file(cmake/embedded_font.S.in ${EMBEDDED_FONT_SOURCE} @ONLY)
  set_source_files_properties(${EMBEDDED_FONT_SOURCE} PROPERTIES OBJECT_DEPENDS ${RIDGELINE_FONT})
endif()
