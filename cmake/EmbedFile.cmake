# Writes OUT, a C++ source that holds the bytes of IN as the array SYMBOL and its size as
# SYMBOLSize. Run as a script: cmake -DIN=... -DOUT=... -DSYMBOL=... -P EmbedFile.cmake
file(READ "${IN}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUT}.tmp"
  "// Generated from ${IN}; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char ${SYMBOL}[] = {${bytes}};\n"
  "extern const std::size_t ${SYMBOL}Size = sizeof(${SYMBOL});\n")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
