#pragma once

#include <string>
#include <vector>

namespace kavrin {

// One radio model hamlib can drive.
struct RigModel {
    int number = 0;       // hamlib's model number (ReceiverSettings::model)
    std::string maker;    // "Hamlib", "Icom", …
    std::string name;     // "NET rigctl", "IC-R75", …
    bool network = false; // reached by HOST:PORT rather than by a device path
};

// Every model of hamlib's own list, sorted by maker, then name (both ignoring ASCII letter case),
// then number. The first hamlib call of the process loads all of hamlib's backends (some
// milliseconds); may be called from any thread.
std::vector<RigModel> rigModels();

} // namespace kavrin
