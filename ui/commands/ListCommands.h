#pragma once

#include "ui/commands/ViewCommand.h"

namespace kavrin {

class StationListOwner;

// What each command of a station list does, whatever id a program gives it. Both programs offer
// these; each maps them onto its own ids and adds what is its own (prompts, toolbar pictures).
enum class ListAction {
    StationNew,
    StationEdit,
    StationDelete,
    SearchStart,
    SearchReset,
    ModulationAll,
    ModulationAM,
    ModulationFM,
    ModulationNFM,
    ModulationUSB,
    ModulationLSB,
    ModulationCW,
    ModulationDRM,
    ModulationDigital,
    RangeAll,
    RangeLF,
    RangeMW,
    RangeSW,
    RangeVHF,
    RangeFM,
    RangeUHF,
    RangeUser,
    TimeAll,
    TimeActive,
    TimeToggleActive, // no menu item: the toolbar's switch between all and active stations
    TimeLocal,
    TimeGmt,
    TimeRefresh,
    SortFrequency,
    SortName,
    SortModulation,
    SortLocation,
};

// The command `id` that does `action` on `owner`: its menu text, its handler, and its check and
// enable rules, which read the owner's state alone (Edit and Delete need a selected row). The
// prompt and the toolbar picture are left to the program.
ViewCommand listCommand(int id, ListAction action, StationListOwner& owner);

} // namespace kavrin
