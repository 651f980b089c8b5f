#pragma once

#include <string>

namespace kavrin {

// One row of a station list. `index` is the station's identity: its index in the station base.
struct StationRow {
    int index = 0;
    std::u16string name;    // stName
    std::u16string summary; // the summary line (MakeSummary) in the list's time display
    bool onAir = false;     // drawn normally when true, greyed when false
};

} // namespace kavrin
