# Turns one binary file into a C++ source holding its bytes, so the program
# carries its pictures inside the executable and never opens a file.
# Run as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P EmbedFile.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the initialiser into lines of 32 bytes to keep compilers and diffs sane.
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.
#include <cstddef>
alignas(16) extern const unsigned char ${SYMBOL}[] = {
${bytes}
};
extern const std::size_t ${SYMBOL}Size = ${size};
")
