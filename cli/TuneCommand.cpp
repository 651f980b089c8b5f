#include "cli/TuneCommand.h"

#include "cli/StationFileInput.h"
#include "core/text/CaseFold.h"
#include "core/text/TextCodec.h"
#include "core/tuning/ReceiverText.h"
#include "receiver/ReceiverLink.h"

namespace kavrin::cli {

namespace {

struct Target {
    double mhz = 0;
    std::optional<ReceiverMode> mode;
};

// The first station of `base` named `name` (letter case folded as search folds it).
const ORVImpl::FreqInfo* findStation(const ORVImpl& base, const std::u16string& name)
{
    const std::u16string wanted = foldCase(name);
    for (int i = 0; i < base.GetCount(); ++i) {
        if (!base[i].stName.empty() && foldCase(base[i].stName) == wanted)
            return &base[i];
    }
    return nullptr;
}

// The frequency and mode to tune to, or why there are none.
Result<Target> chooseTarget(const CliOptions& options)
{
    if (!options.station)
        return Target{options.mhz, options.mode};
    ORVImpl base;
    if (const Result<> loaded = loadStationFile(options.file, base); !loaded)
        return Failure{"cannot read " + options.file.string() + ": " + loaded.reason()};
    const std::string name = utf16ToUtf8(*options.station);
    const ORVImpl::FreqInfo* station = findStation(base, *options.station);
    if (!station)
        return Failure{"no station named '" + name + "' in " + options.file.string()};
    for (double slot : station->freqRX) {
        if (isUsableFreq(slot))
            return Target{slot, options.mode ? options.mode
                                             : modeForModulation(station->modulation, slot)};
    }
    return Failure{"the station '" + name + "' has no receive frequency"};
}

} // namespace

int runTune(const CliOptions& options, std::ostream& out, std::ostream& err)
{
    const Result<Target> target = chooseTarget(options);
    if (!target) {
        err << "kavrin: " << target.reason() << '\n';
        return 1;
    }
    ReceiverLink link;
    Result<> tuned = link.open(options.receiver);
    if (tuned)
        tuned = link.tune(target->mhz, target->mode);
    if (!tuned) {
        err << "kavrin: cannot tune the receiver: " << tuned.reason() << '\n';
        return 1;
    }
    out << utf16ToUtf8(tunedText(target->mhz, target->mode)) << '\n';
    return 0;
}

} // namespace kavrin::cli
