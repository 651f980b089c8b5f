#pragma once

#include "core/station/FrequencyLimits.h"

#include <cstdint>

namespace kavrin {

// The fixed frequency ranges of the range filter; User is the range the user typed in.
enum class RangeKind : std::int32_t {
    All = 0,
    LF = 1,
    MW = 2,
    SW = 3,
    VHF = 4,
    FMBroadcast = 5,
    UHF = 6,
    User = 7,
};

// The primary order of a station list (see compareStations for the tie-breaking fields).
enum class SortKey : std::int32_t {
    Frequency = 0,
    Name = 1,
    Modulation = 2,
    Location = 3,
    Comment = 4,
};

// The filter and sort settings of one station list. Never stored: every run starts with the
// defaults below. The settings change only through the operations; each of them (except sortBy)
// is meant to be followed by a refill of the list. The check-mark queries compute every menu
// item's check state from the settings alone, so both programs' menus agree.
struct StationFilter {
    SortKey sortKey = SortKey::Frequency;
    std::int32_t useLocalTime = 1; // summary hours in local time (1) or GMT (0); not a filter
    std::int32_t activeOnly = 0;   // list only stations on the air
    bool allModulations = true;    // every modulation; the eight flags are then all false
    bool modAM = false;
    bool modFM = false;
    bool modNFM = false;
    bool modUSB = false;
    bool modLSB = false;
    bool modDigital = false;
    bool modDRM = false;
    bool modCW = false;
    RangeKind rangeKind = RangeKind::All;
    float rangeLow = 0.0f;               // MHz, inclusive; not tested while rangeKind is All
    float rangeHigh = kHighestFrequency; // MHz, inclusive

    // The flag that selects modulation `code` (0–7), or nullptr for any other code. The one place
    // that ties modulation codes to the eight flags.
    static bool StationFilter::*modulationFlag(int code);

    // "Show all modulations": allModulations set, the eight flags cleared.
    void showAllModulations();

    // Inverts the flag of `code` and leaves the all state (so, from the all state, that modulation
    // alone is shown). Switching on the last missing one returns to "Show all modulations" with
    // every flag cleared. Switching off the only remaining one leaves no modulation selected.
    // A code outside 0–7 changes nothing.
    void toggleModulation(int code);

    // rangeKind = `kind` with the bounds of that range (All resets them to 0 and
    // kHighestFrequency). Choosing User keeps the present bounds.
    void chooseRange(RangeKind kind);

    // rangeKind = User with the given bounds.
    void setUserRange(float low, float high);

    void showAllStations();
    void showActiveStations();
    void toggleActive();

    // "Use local time" / "Use GMT time".
    void chooseLocalTime();
    void chooseGmtTime();

    // Only the order changes: the rows are re-sorted, not refilled.
    void sortBy(SortKey key);

    // Whether a record of modulation `code` passes the modulation test: always in the all state;
    // otherwise Unknown (1024) fails, codes 0–7 pass when their flag is set, and any other code
    // passes.
    bool acceptsModulation(int code) const;

    // Whether the slot value `mhz` lies in the range: non-zero and rangeLow ≤ mhz ≤ rangeHigh with
    // the bounds widened to double. Does not look at rangeKind.
    bool inRange(double mhz) const;

    // Check marks.
    bool allModulationsChecked() const { return allModulations; }
    bool modulationChecked(int code) const;
    bool rangeChecked(RangeKind kind) const { return rangeKind == kind; }
    bool allStationsChecked() const { return activeOnly == 0; }
    bool activeStationsChecked() const { return activeOnly != 0; }
    bool localTimeChecked() const { return useLocalTime != 0; }
    bool gmtTimeChecked() const { return useLocalTime == 0; }
    bool sortChecked(SortKey key) const { return sortKey == key; }
};

} // namespace kavrin
