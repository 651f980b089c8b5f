#include "ui/commands/ListCommands.h"

#include "core/station/Modulation.h"
#include "ui/list/StationListOwner.h"

#include <QCoreApplication>

namespace kavrin {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ListCommands", text);
}

struct ModulationAction {
    ListAction action;
    int code;
};

constexpr ModulationAction kModulations[] = {
    {ListAction::ModulationAM, MOD_AM},   {ListAction::ModulationFM, MOD_FM},
    {ListAction::ModulationNFM, MOD_NFM}, {ListAction::ModulationUSB, MOD_USB},
    {ListAction::ModulationLSB, MOD_LSB}, {ListAction::ModulationCW, MOD_CW},
    {ListAction::ModulationDRM, MOD_DRM}, {ListAction::ModulationDigital, MOD_DIGITAL},
};

struct RangeAction {
    ListAction action;
    RangeKind kind;
    const char* text;
};

constexpr RangeAction kRanges[] = {
    {ListAction::RangeAll, RangeKind::All, "Show all frequencies"},
    {ListAction::RangeLF, RangeKind::LF, "Low Frequency (less than 300 kHz)"},
    {ListAction::RangeMW, RangeKind::MW, "Medium Waves (300 - 3000 kHz)"},
    {ListAction::RangeSW, RangeKind::SW, "Short Waves (3 - 30 MHz)"},
    {ListAction::RangeVHF, RangeKind::VHF, "Very High Frequency (30 - 300 MHz)"},
    {ListAction::RangeFM, RangeKind::FMBroadcast, "FM radio broadcast (88 – 108 MHz)"},
    {ListAction::RangeUHF, RangeKind::UHF, "Ultra High Frequency (300 MHz and more)"},
};

struct SortAction {
    ListAction action;
    SortKey key;
    const char* text;
};

constexpr SortAction kSorts[] = {
    {ListAction::SortFrequency, SortKey::Frequency, "Sort by frequency"},
    {ListAction::SortName, SortKey::Name, "Sort by name"},
    {ListAction::SortModulation, SortKey::Modulation, "Sort by modulation"},
    {ListAction::SortLocation, SortKey::Location, "Sort by location"},
};

// A command that changes the filter and refills; checked when `checked` holds for the filter.
ViewCommand filterCommand(int id, const QString& text, StationListOwner& owner,
                          std::function<void(StationFilter&)> change,
                          std::function<bool(const StationFilter&)> checked)
{
    ViewCommand c = makeCommand(
        id, text, {}, [&owner, change = std::move(change)] { owner.changeFilter(change); });
    c.checked = [&owner, checked = std::move(checked)] { return checked(owner.filter()); };
    return c;
}

ViewCommand plainCommand(int id, const QString& text, std::function<void()> run)
{
    return makeCommand(id, text, {}, std::move(run));
}

} // namespace

ViewCommand listCommand(int id, ListAction action, StationListOwner& owner)
{
    for (const ModulationAction& m : kModulations) {
        if (m.action == action) {
            const int code = m.code;
            return filterCommand(
                id, QString::fromStdU16String(std::u16string(modulationName(code))), owner,
                [code](StationFilter& f) { f.toggleModulation(code); },
                [code](const StationFilter& f) { return f.modulationChecked(code); });
        }
    }
    for (const RangeAction& r : kRanges) {
        if (r.action == action) {
            const RangeKind kind = r.kind;
            return filterCommand(
                id, tr(r.text), owner, [kind](StationFilter& f) { f.chooseRange(kind); },
                [kind](const StationFilter& f) { return f.rangeChecked(kind); });
        }
    }
    for (const SortAction& s : kSorts) {
        if (s.action == action) {
            const SortKey key = s.key;
            ViewCommand c = plainCommand(id, tr(s.text), [&owner, key] { owner.sortBy(key); });
            c.checked = [&owner, key] { return owner.filter().sortChecked(key); };
            return c;
        }
    }

    const auto selected = [&owner] { return owner.hasSelection(); };
    switch (action) {
    case ListAction::StationNew:
        return plainCommand(id, tr("New station..."), [&owner] { owner.newStation(); });
    case ListAction::StationEdit: {
        ViewCommand c = plainCommand(id, tr("Edit station..."), [&owner] { owner.editStation(); });
        c.enabled = selected;
        return c;
    }
    case ListAction::StationDelete: {
        ViewCommand c =
            plainCommand(id, tr("Delete station..."), [&owner] { owner.deleteStation(); });
        c.enabled = selected;
        return c;
    }
    case ListAction::SearchStart:
        return plainCommand(id, tr("Start search..."), [&owner] { owner.startSearch(); });
    case ListAction::SearchReset:
        return plainCommand(id, tr("Reset search"), [&owner] { owner.refill(); });
    case ListAction::ModulationAll:
        return filterCommand(id, tr("Show all modulations"), owner,
                             &StationFilter::showAllModulations,
                             &StationFilter::allModulationsChecked);
    case ListAction::RangeUser: {
        ViewCommand c =
            plainCommand(id, tr("User defined range..."), [&owner] { owner.chooseUserRange(); });
        c.checked = [&owner] { return owner.filter().rangeChecked(RangeKind::User); };
        return c;
    }
    case ListAction::TimeAll:
        return filterCommand(id, tr("Show all stations"), owner, &StationFilter::showAllStations,
                             &StationFilter::allStationsChecked);
    case ListAction::TimeActive:
        return filterCommand(id, tr("Show active stations"), owner,
                             &StationFilter::showActiveStations,
                             &StationFilter::activeStationsChecked);
    case ListAction::TimeToggleActive:
        return filterCommand(id, {}, owner, &StationFilter::toggleActive,
                             &StationFilter::activeStationsChecked);
    case ListAction::TimeLocal:
        return filterCommand(id, tr("Use local time"), owner, &StationFilter::chooseLocalTime,
                             &StationFilter::localTimeChecked);
    case ListAction::TimeGmt:
        return filterCommand(id, tr("Use GMT time"), owner, &StationFilter::chooseGmtTime,
                             &StationFilter::gmtTimeChecked);
    case ListAction::TimeRefresh:
        return plainCommand(id, tr("Refresh list"), [&owner] { owner.refill(); });
    default:
        break;
    }
    return plainCommand(id, {}, {});
}

} // namespace kavrin
