# Writes the bytes of INPUT as a C++ byte array behind shell::embeddedSkinEngine()
# into OUTPUT. Run with cmake -P at build time, after the engine is linked.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from the built theming engine; do not edit.
#include \"shell/embeddedskin.h\"

namespace shell {

namespace {
constexpr unsigned char engine[${size} + 1] = {
${bytes}
0};
} // namespace

std::string_view embeddedSkinEngine()
{
    return std::string_view(reinterpret_cast<const char*>(engine), ${size});
}

} // namespace shell
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
