#pragma once

#include "cli/CommandLine.h"
#include "core/system/Result.h"

#include <optional>
#include <string_view>

namespace kavrin::cli {

// How the value of each option of the tool goes into CliOptions (CliReference.h names which
// option uses which). Each fails with why the value is wrong; a switch ignores its empty value.
Result<> setModulation(CliOptions& o, std::string_view value);
Result<> setRange(CliOptions& o, std::string_view value);
Result<> setSort(CliOptions& o, std::string_view value);
Result<> setAt(CliOptions& o, std::string_view value);
Result<> setActive(CliOptions& o, std::string_view value);
Result<> setGmt(CliOptions& o, std::string_view value);
Result<> setSearch(CliOptions& o, std::string_view value);
Result<> setMatchCase(CliOptions& o, std::string_view value);
Result<> setTolerance(CliOptions& o, std::string_view value);
Result<> setMode(CliOptions& o, std::string_view value);
Result<> setStation(CliOptions& o, std::string_view value);
Result<> setReceiver(CliOptions& o, std::string_view value);
Result<> setDevice(CliOptions& o, std::string_view value);
Result<> setRig(CliOptions& o, std::string_view value);
Result<> setAdd(CliOptions& o, std::string_view value);

// A whole argument as a frequency in MHz: a decimal number above 0 and below kFreqLimit.
std::optional<double> parseMegahertz(std::string_view text);

} // namespace kavrin::cli
