// Any bytes after the header of a CSV schedule, or of a text schedule when the build defines
// KAVRIN_TEXT_SCHEDULE:
// the file is always read; every data line gives a station or a skipped line, in order, with
// its own number; every station is one the station list can use; and merging the stations into
// a base twice, also across a save and load, changes nothing the second time.

#include "core/base/ORVImpl.h"
#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleMerge.h"
#include "core/station/Summary.h"
#include "fuzz/FuzzFiles.h"
#include "tests/support/TestFiles.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

using namespace kavrin;

namespace {

#ifdef KAVRIN_TEXT_SCHEDULE
constexpr std::string_view kHead =
    "Broadcast schedule\n\n"
    "kHz     Time(UTC) Days  ITU Station               Lang. Target Remarks\n"
    "========================================================================\n";
#else
constexpr std::string_view kHead =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
    "Remarks:135;P:35;Start:60;Stop:60;\r\n";
#endif

// Lines holding more than blanks, counted the plain way: split at line feeds.
int dataLines(std::string_view input)
{
    int count = 0;
    while (!input.empty()) {
        const std::string_view line = input.substr(0, input.find('\n'));
        if (line.find_first_not_of(" \t\r") != std::string_view::npos)
            ++count;
        input.remove_prefix(std::min(input.size(), line.size() + 1));
    }
    return count;
}

void checkStations(const std::vector<ORVImpl::FreqInfo>& stations)
{
    for (const ORVImpl::FreqInfo& r : stations) {
        if (r.stName.empty() || r.CountRX() != 1 || !isUsableFreq(r.freqRX[0]) ||
            r.usePattern != 1 || r.fromHour < 0 || r.fromHour > 23 || r.toHour < 0 ||
            r.toHour > 23 || r.fromMin < 0 || r.fromMin > 59 || r.toMin < 0 || r.toMin > 59)
            propertyBroken("a station the list cannot use");
        std::u16string name, summary;
        MakeSummaryAt(r, name, summary, true, -(9 * 3600 + 30 * 60));
    }
}

void expectUnchanged(ORVImpl& base, const std::vector<ORVImpl::FreqInfo>& stations)
{
    const int before = base.GetCount();
    const ScheduleMergeCounts again = mergeSchedule(base, stations);
    if (again.added != 0 || again.updated != 0 ||
        again.unchanged != static_cast<int>(stations.size()) || base.GetCount() != before)
        propertyBroken("merging the same schedule again changed the base");
}

void checkMerges(const std::vector<ORVImpl::FreqInfo>& stations)
{
    ORVImpl base;
    ORVImpl::FreqInfo mine;
    mine.stName = u"mine";
    mine.freqRX[0] = 5.955;
    base.Add(mine);
    if (!stations.empty()) {
        ORVImpl::FreqInfo edited = stations.front();
        edited.stComment = u"edited";
        base.Add(edited);
    }
    const int before = base.GetCount();
    const ScheduleMergeCounts first = mergeSchedule(base, stations);
    if (first.added + first.updated + first.unchanged != static_cast<int>(stations.size()) ||
        base.GetCount() != before + first.added || base[0].stName != u"mine")
        propertyBroken("the counts of a merge disagree with the base");
    expectUnchanged(base, stations);

    static TempFolder folder; // scripts/fuzz points TMPDIR at a folder in memory
    const auto path = folder.file("Stations.xml");
    if (const Result<> saved = base.Save(path); !saved)
        propertyBroken(("a save in a scratch folder failed: " + saved.reason()).c_str());
    if (const Result<> loaded = base.Load(path); !loaded)
        propertyBroken(("a load in a scratch folder failed: " + loaded.reason()).c_str());
    expectUnchanged(base, stations);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string bytes = std::string(kHead) + std::string(input);
    file.fill(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());

    const Result<ScheduleFile> read = readScheduleFile(file.path());
    if (!read)
        propertyBroken("a file with a schedule header was not read");
    const ScheduleFile& schedule = *read;
    if (schedule.firstDataLine !=
        static_cast<int>(std::count(kHead.begin(), kHead.end(), '\n')) + 1)
        propertyBroken("the data does not start after the header");
    if (static_cast<int>(schedule.stations.size()) + schedule.skippedLines != dataLines(input) ||
        schedule.skipped.size() !=
            std::min<std::size_t>(static_cast<std::size_t>(schedule.skippedLines),
                                  kListedSkippedLines))
        propertyBroken("stations and skipped lines are not the data lines");
    int lastLine = schedule.firstDataLine - 1;
    for (const SkippedScheduleLine& line : schedule.skipped) {
        if (line.lineNumber <= lastLine || line.reason.empty() ||
            line.text.size() > kShownScheduleLineLength)
            propertyBroken("a skipped line out of order, without a reason or shown too long");
        lastLine = line.lineNumber;
    }
    checkStations(schedule.stations);
    checkMerges(schedule.stations);
    return 0;
}
