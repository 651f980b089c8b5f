// Any bytes as a broadcast schedule text file: the import either recognises it and replaces the
// base with exactly the stations it reports, or leaves the base as it was; every refused line is
// reported with its own number; and every imported station can be summarised.

#include "core/base/ORVImpl.h"
#include "core/schedule/ScheduleImport.h"
#include "core/station/Summary.h"
#include "core/text/NumberText.h"
#include "fuzz/FuzzFiles.h"

#include <algorithm>
#include <string>

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static MemoryFile file;
    file.fill(data, size);

    ORVImpl base;
    ORVImpl::FreqInfo before;
    before.stName = u"before";
    base.Add(before);

    int messages = 0;
    int lastLine = 2;
    const auto onMessage = [&](const ScheduleLineMessage& m) {
        if (m.lineNumber <= lastLine ||
            m.title != u"Cannot parse string: " + widenAscii(std::to_string(m.lineNumber)))
            propertyBroken("a message for a line out of order or with a wrong title");
        lastLine = m.lineNumber;
        return ++messages < 3 ? ScheduleMessageReply::Continue
                              : ScheduleMessageReply::SkipRemaining;
    };
    const Result<ScheduleImportCounts> imported = importSchedule(file.path(), base, onMessage);
    if (!imported) {
        if (base.GetCount() != 1 || base[0].stName != u"before")
            propertyBroken("an import that failed changed the base");
        return 0;
    }
    if (base.GetCount() != imported->stationsImported)
        propertyBroken("the base does not hold exactly the imported stations");
    if (messages != std::min(imported->linesRefused, 3))
        propertyBroken("refused lines and messages disagree");
    for (int i = 0; i < base.GetCount(); ++i) {
        const ORVImpl::FreqInfo& r = base[i];
        if (r.usePattern != 1 || r.showPropGMT != 1 || r.fromHour < 0 || r.fromHour > 24 ||
            r.toHour < 0 || r.toHour > 24)
            propertyBroken("an imported station has hours the import refuses");
        std::u16string name, summary;
        MakeSummaryAt(r, name, summary, false, 0);
        MakeSummaryAt(r, name, summary, true, -(9 * 3600 + 30 * 60));
        MakeSummaryAt(r, name, summary, true, 14 * 3600);
    }
    return 0;
}
