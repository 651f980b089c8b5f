#pragma once

#include "core/FrequencyLimits.h"
#include "core/Result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kavrin {

// Delivers a progress notice: `command` is the notice id the caller chose. The station file
// code sets g_loadProgress first; the function must not return before the user interface has
// handled the notice (a blocking call into the UI thread when called from a worker).
using ProgressNotify = std::function<void(int command)>;

// The station base: every station a program knows, in file order. A record's identity is its
// index; deleting a station empties its name in place so indices stay valid while a program runs.
// Not thread-safe: one thread at a time (a load or save worker has it to itself until it ends).
class ORVImpl {
public:
    // One station. A plain value type; a record with an empty name is an unused slot.
    struct FreqInfo {
        std::u16string stName;
        double freqRX[10]; // MHz, 0 = empty slot
        double freqTX[10];
        std::int32_t modulation;
        std::u16string soundsFld;
        std::u16string stLoc;
        std::u16string stComment;
        std::int32_t usePattern;  // 1: the working hours and days apply
        std::int32_t showPropGMT; // how the properties dialog shows the hours (stored in GMT)
        std::int32_t fromHour;
        std::int32_t fromMin;
        std::int32_t toHour;
        std::int32_t toMin;
        std::int32_t days[7]; // 0 Sunday … 6 Saturday, on the UTC date

        FreqInfo() { Reset(); }

        // Every field to its default: empty texts and slots, modulation 1024, usePattern 0,
        // showPropGMT 1, hours 00:00–23:59, all days set.
        void Reset();

        // Number of usable frequencies (isUsableFreq) among the ten slots, wherever they stand.
        int CountRX() const;
        int CountTX() const;

        // The frequency sort key: slot 0 of the receive list, or of the transmit list when that is
        // non-zero and smaller (or the receive slot is 0); 0 when both are 0.
        double LowestFreq() const;

        // "1; 1.2; 3" for each list: every non-zero slot in slot order as "%.9g".
        void FormatFreqLists(std::u16string& rxText, std::u16string& txText) const;

        // Parses both texts (tokens split at spaces and semicolons, at most ten values in
        // 0 … 99999.8984375, sorted ascending) into the slots; slots past the parsed values are
        // left as they are. Returns the number of values stored into freqTX.
        int ParseFreqLists(const std::u16string& rxText, const std::u16string& txText);
    };

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
    Result Load(const std::filesystem::path& path, const ProgressNotify& notify = {},
                int notifyCommand = 0);

    // Writes every record that has a name to `path`. The file is replaced only once the whole
    // document is safely on disk: on failure whatever was at `path` before is left byte for byte
    // as it was. The version replaced is kept in the "Backups" folder beside the file
    // (core/StationBackups.h); a save that cannot keep it fails. A `path` that is a symbolic link
    // stays one: the file it points to is replaced. Reports progress like Load.
    Result Save(const std::filesystem::path& path, const ProgressNotify& notify = {},
                int notifyCommand = 0) const;

    // The two list columns of a station: its name, and the one-line summary of frequencies,
    // modulation, working hours (GMT, or local time when `localTime`), location and comment.
    static void MakeSummary(const FreqInfo& record, std::u16string& nameOut,
                            std::u16string& summaryOut, bool localTime);

private:
    std::vector<FreqInfo> m_records;
};

// A slot value is a usable frequency when 0 < v < kFreqLimit.
constexpr bool isUsableFreq(double v)
{
    return v > 0 && v < kFreqLimit;
}

} // namespace kavrin
