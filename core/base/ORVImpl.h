#pragma once

#include "core/file/LoadProgress.h"
#include "core/station/FreqInfo.h"
#include "core/system/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kavrin {

// The station base: every station a program knows, in file order. A record's identity is its
// index; deleting a station empties its name in place so indices stay valid while a program runs.
// Not thread-safe: one thread at a time (a load or save worker has it to itself until it ends).
class ORVImpl {
public:
    // One station (core/station/FreqInfo.h).
    using FreqInfo = kavrin::FreqInfo;

    ORVImpl() = default;
    ORVImpl(const ORVImpl&) = delete;
    ORVImpl& operator=(const ORVImpl&) = delete;
    virtual ~ORVImpl();

    // Number of records, unused ones included.
    int GetCount() const;

    // The record at `index`. An index outside 0 … GetCount() − 1 is a programming error: the
    // process stops with an internal error instead of touching memory outside the base.
    FreqInfo& operator[](int index);
    const FreqInfo& operator[](int index) const;

    // Appends a copy and returns its index (the previous count).
    int Add(const FreqInfo& record);

    // Removes every record and frees the storage.
    void Clear();

    // Replaces the base with the stations of the file at `path`. Succeeds when the whole file was
    // read; on failure the base is empty and the reason is short (with the line number where the
    // parser gives one). Reports progress through g_loadProgress and `notify` (if set) with
    // `notifyCommand`. Never loads external entities or DTDs, never touches the network.
    Result<> Load(const std::filesystem::path& path, const ProgressNotify& notify = {},
                  int notifyCommand = 0);

    // Writes every record that has a name to `path`. The file is replaced only once the whole
    // document is safely on disk: on failure whatever was at `path` before is left byte for byte
    // as it was. The version replaced is kept in the "Backups" folder beside the file
    // (core/file/StationBackups.h); a save that cannot keep it fails. A `path` that is a symbolic
    // link stays one: the file it points to is replaced. Reports progress like Load.
    Result<> Save(const std::filesystem::path& path, const ProgressNotify& notify = {},
                  int notifyCommand = 0) const;

    // The two list columns of a station: its name, and the one-line summary of frequencies,
    // modulation, working hours (GMT, or local time when `localTime`), location and comment.
    static void MakeSummary(const FreqInfo& record, std::u16string& nameOut,
                            std::u16string& summaryOut, bool localTime);

private:
    std::vector<FreqInfo> m_records;
};

} // namespace kavrin
