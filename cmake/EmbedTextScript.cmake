# Writes the bytes of IN as a C++ string_view named SYMBOL into OUT.
file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_len)
math(EXPR size "${hex_len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "((('\\\\x[0-9a-f][0-9a-f]',)){16})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUT}" "// Generated from ${IN}; do not edit.\n#include <string_view>\n"
  "namespace kalodaya::embedded {\n"
  "static const char ${SYMBOL}_bytes[] = {\n${bytes}'\\0'};\n"
  "extern const std::string_view ${SYMBOL};\n"
  "const std::string_view ${SYMBOL}(${SYMBOL}_bytes, ${size});\n}\n")
