#pragma once

#include <array>
#include <string_view>

namespace kavrin {

// Modulation codes as stored in a record and in the station file. The numbering is not the
// display order; 1024 marks a modulation that was never chosen, and any code outside 0–7 is
// treated like it wherever a code becomes text.
enum Modulation : int {
    MOD_AM = 0,
    MOD_FM = 1,
    MOD_USB = 2,
    MOD_LSB = 3,
    MOD_CW = 4,
    MOD_DIGITAL = 5,
    MOD_NFM = 6,
    MOD_DRM = 7,
    MOD_UNKNOWN = 1024,
};

// "AM", "FM", … "Digital"; "Unknown" for any code outside 0–7.
std::u16string_view modulationName(int code);

// What the summary line prints for the code ("AM; ", "Dig; ", …); empty outside 0–7.
std::u16string_view modulationToken(int code);

// The order of the properties dialogs' modulation list.
inline constexpr std::array<int, 9> kDialogModulationOrder = {
    MOD_UNKNOWN, MOD_AM, MOD_FM, MOD_NFM, MOD_USB, MOD_LSB, MOD_CW, MOD_DRM, MOD_DIGITAL};

// The order of the Modulation menus.
inline constexpr std::array<int, 8> kMenuModulationOrder = {MOD_AM,  MOD_FM, MOD_NFM, MOD_USB,
                                                            MOD_LSB, MOD_CW, MOD_DRM, MOD_DIGITAL};

} // namespace kavrin
