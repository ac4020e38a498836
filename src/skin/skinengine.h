#pragma once
// The theming engine's one operation, exported by name with C linkage so the
// program can bind it from whatever file holds the engine.
#include <cstdint>

#if defined(_WIN32)
#define VORLIX_SKIN_EXPORT __declspec(dllexport)
#else
#define VORLIX_SKIN_EXPORT __attribute__((visibility("default")))
#endif

namespace skin {

// A skin description starts with these four bytes.
inline constexpr char descriptionMagic[4] = {'.', 'S', 'H', 'E'};

enum Result : std::int32_t {
    Applied = 0,
    NoDescription = 1,      // null, or shorter than its magic
    NotADescription = 2,    // does not start with ".SHE"
    ValueOutOfRange = 3,    // hue outside -180..360, saturation or brightness outside 0..10
    ThemingUnavailable = 4, // valid arguments, but this engine cannot restyle windows yet
};

} // namespace skin

// Meant to restyle the program's windows after the skin description and three
// colour values; text may be null. This engine checks its arguments only and
// answers ThemingUnavailable for valid ones: it restyles nothing yet.
// Returns a skin::Result.
extern "C" VORLIX_SKIN_EXPORT std::int32_t SkinH_AttachRes(const unsigned char* skin, std::int32_t size,
                                                           const char* text, std::int32_t hue,
                                                           std::int32_t saturation, std::int32_t brightness);
