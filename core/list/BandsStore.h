#pragma once

#include "core/system/Profile.h"

#include <optional>
#include <string>
#include <vector>

namespace kavrin {

// One named frequency band. An empty name marks a deleted entry.
struct BandInfo {
    std::u16string name;
    float low = 0.0f;  // MHz
    float high = 0.0f; // MHz
};

// One item of the popular-bands list box: its label and its item data.
struct BandListItem {
    std::u16string label;
    int data = 0; // the band's index in the store, or BandsStore::kNoBand for " None"
};

// The texts the two range edits take when a list item is selected.
struct BandEdges {
    std::u16string low;
    std::u16string high;
};

// The user's list of named bands, held while a range dialog is open. Entries keep their index
// for the store's whole life: deleting only blanks the name, and the index is the item data of
// the entry's list-box item. The list is neither sorted nor checked for duplicates.
//
// In the profile the list lives in section "Bands": "Count", and for n = 0 … Count − 1
// "FreqMin-n" and "FreqMax-n" (edges in whole kHz) and "FreqName-n".
class BandsStore {
public:
    // Item data of the " None" item: no band, the whole frequency range.
    static constexpr int kNoBand = 0x3FFF;

    const std::vector<BandInfo>& bands() const { return m_bands; }

    // Replaces the list with the one in `profile`. Without a "Count" value (never saved) the list
    // is the sixteen default bands; a Count of 0 or less gives an empty list. Otherwise every
    // band n with a name and two non-zero edges is taken, edges × 0.001 as MHz; the rest are
    // skipped.
    void Load(const Profile& profile);

    // Writes the named bands densely numbered from 0, edges rounded to whole kHz
    // (floor(MHz × 1000 + 0.5) in single precision), then "Count". Values numbered at or above
    // the new Count that an earlier save left stay in the profile, unread.
    void Save(Profile& profile) const;

    // Appends the sixteen default amateur bands, "160 Meters" (1.8–2.0) to "0.23 Meters".
    void loadDefaults();

    // Empties the list and loads the defaults.
    void reset();

    // Appends `band` and returns its index.
    int append(const BandInfo& band);

    // Deletes the band of list-box item data `data` by blanking its name. Returns false, with
    // nothing changed, for kNoBand or data that names no band (out of range or already deleted):
    // the dialog answers that with the default beep.
    bool remove(int data);

    // " None" (data kNoBand), then "%s (%.3f-%.3f)" of every named band in index order (data =
    // its index), e.g. "40 Meters (7.000-7.300)".
    std::vector<BandListItem> listItems() const;

    // For the item with data `data`: "0.00" and "99999.99" for kNoBand, the band's edges as
    // "%.3f" otherwise; nothing for data that names no band.
    std::optional<BandEdges> edgesFor(int data) const;

private:
    // The index of the named band that item data `data` stands for, if any.
    std::optional<std::size_t> namedIndex(int data) const;

    std::vector<BandInfo> m_bands;
};

} // namespace kavrin
