#include "core/station/Modulation.h"

namespace kavrin {

namespace {

struct ModulationTexts {
    std::u16string_view name;
    std::u16string_view token;
};

// Indexed by code 0–7.
constexpr ModulationTexts kTexts[] = {
    {u"AM", u"AM; "}, {u"FM", u"FM; "},       {u"USB", u"USB; "}, {u"LSB", u"LSB; "},
    {u"CW", u"CW; "}, {u"Digital", u"Dig; "}, {u"NFM", u"NFM; "}, {u"DRM", u"DRM; "},
};

bool isNamedCode(int code)
{
    return code >= MOD_AM && code <= MOD_DRM;
}

} // namespace

std::u16string_view modulationName(int code)
{
    return isNamedCode(code) ? kTexts[code].name : u"Unknown";
}

std::u16string_view modulationToken(int code)
{
    return isNamedCode(code) ? kTexts[code].token : std::u16string_view{};
}

} // namespace kavrin
