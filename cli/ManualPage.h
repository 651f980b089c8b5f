#pragma once

#include "core/system/Result.h"

#include <string>
#include <string_view>

namespace kavrin::cli {

// The tool's manual page, written from its table of commands and options (CliReference.h) into a
// roff template: each line `.\" generated: PART` of `page` becomes that part, "synopsis",
// "commands", "options" or "exit status"; the rest of the template (the prose: description,
// files, examples) stays as it is. In the parts, option names are bold and the names of values
// and files (FILE, FREQ_MHZ) italic. Fails naming a part it does not know, or one the template
// lacks.
Result<std::string> manualPage(std::string_view page);

} // namespace kavrin::cli
