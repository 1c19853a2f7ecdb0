# cmake -DINPUT=file -DOUTPUT=file.c -P embed_bytes.cmake
# Writes INPUT's bytes as the C array ridgeline_font_data, with its length in
# ridgeline_font_size: the same symbols as embedded_font.S.in.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes to a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
  "/* Generated from ${INPUT}. */\n"
  "#include <stdint.h>\n"
  "const unsigned char ridgeline_font_data[] = {\n${bytes}\n};\n"
  "const uint64_t ridgeline_font_size = ${size};\n")
