#include "skin/skinengine.h"

#include <cstring>

extern "C" std::int32_t SkinH_AttachRes(const unsigned char* skin, std::int32_t size, const char* /*text*/,
                                        std::int32_t hue, std::int32_t saturation, std::int32_t brightness)
{
    if (!skin || size < std::int32_t(sizeof skin::descriptionMagic))
        return skin::NoDescription;
    if (std::memcmp(skin, skin::descriptionMagic, sizeof skin::descriptionMagic) != 0)
        return skin::NotADescription;
    if (hue < -180 || hue > 360 || saturation < 0 || saturation > 10 || brightness < 0 || brightness > 10)
        return skin::ValueOutOfRange;
    return skin::ThemingUnavailable;
}
