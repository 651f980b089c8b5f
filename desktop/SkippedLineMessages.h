#pragma once

#include "core/schedule/ScheduleImport.h"

class QWidget;

namespace kavrin::orvale {

// The messages of an import about the lines it could not read, of which a file may hold
// thousands: each in a warning box of its own over `parent` (its title as caption, its text as
// text), and after the tenth a question whether to skip the messages about the remaining ones.
// The sink answers SkipRemaining once the user chose to skip them, Continue otherwise. Each sink
// counts its own messages.
ScheduleMessageSink skippedLineMessages(QWidget& parent);

} // namespace kavrin::orvale
