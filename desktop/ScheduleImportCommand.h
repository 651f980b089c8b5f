#pragma once

class QWidget;

namespace kavrin {
class StationListOwner;
}

namespace kavrin::orvale {

// The import of a broadcast schedule file (CSV, text, or the older column layout) into the list
// of `owner`, with `parent` owning the prompts. The user chooses the file, which is read whole
// under the wait cursor; the lines it could not read are told one by one (skippedLineMessages).
// Then, before anything changes, a summary gives the file's stations and the skipped lines by
// reason, and asks: "Replace the list" makes the base hold exactly the schedule's stations, "Add to
// the list" merges them in (mergeSchedule), Cancel leaves everything as it is. Replace and Add go
// through the owner's replaceBase, so the list is refilled and counts as modified afterwards,
// except an Add that changed nothing, which leaves the list as it was; a message then gives the
// counts. A file that cannot be opened, that is no schedule, or that holds no station it can read
// is reported, and nothing changes.
void importBroadcastSchedule(QWidget& parent, StationListOwner& owner);

} // namespace kavrin::orvale
