#include "core/list/BandsStore.h"

#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace kavrin {

namespace {

const std::string kSection = "Bands";

std::string numbered(const char* name, int n)
{
    return name + std::to_string(n);
}

// Halves go up, computed in single precision. Edges the dialogs never produce (NaN, beyond the
// integer range) are written as 0, which drops the band on the next load rather than storing an
// undefined value.
int toKHz(float mhz)
{
    const float kHz = std::floor(mhz * 1000.0f + 0.5f);
    if (!(kHz > -2147483648.0f && kHz < 2147483648.0f))
        return 0;
    return static_cast<int>(kHz);
}

float toMHz(int kHz)
{
    return static_cast<float>(kHz * 0.001);
}

std::u16string fixed(float value, int decimals)
{
    return widenAscii(formatFixed(value, decimals));
}

const BandInfo kDefaultBands[] = {
    {u"160 Meters", 1.8f, 2.0f},      {u"80 Meters", 3.5f, 4.0f},
    {u"60 Meters", 5.33f, 5.41f},     {u"40 Meters", 7.0f, 7.3f},
    {u"30 Meters", 10.1f, 10.15f},    {u"20 Meters", 14.0f, 14.35f},
    {u"17 Meters", 18.068f, 18.168f}, {u"15 Meters", 21.0f, 21.45f},
    {u"12 Meters", 24.89f, 24.99f},   {u"10 Meters", 28.0f, 29.7f},
    {u"6 Meters", 50.0f, 54.0f},      {u"2 Meters", 144.0f, 148.0f},
    {u"1.25 Meters", 219.0f, 225.0f}, {u"0.7 Meters", 420.0f, 450.0f},
    {u"0.33 Meters", 902.0f, 928.0f}, {u"0.23 Meters", 1270.0f, 1300.0f},
};

} // namespace

void BandsStore::Load(const Profile& profile)
{
    m_bands.clear();
    const int count = profile.readInt(kSection, "Count", -1);
    if (count == -1) {
        loadDefaults();
        return;
    }
    // A damaged "Count" must not keep the range dialog reading the profile for minutes: no user
    // keeps this many bands, and numbers past the real ones hold nothing to load anyway.
    constexpr int kMostBands = 10000;
    for (int n = 0; n < std::min(count, kMostBands); ++n) {
        const int low = profile.readInt(kSection, numbered("FreqMin-", n), 0);
        const int high = profile.readInt(kSection, numbered("FreqMax-", n), 0);
        std::u16string name = profile.readString(kSection, numbered("FreqName-", n), u"");
        if (!name.empty() && low != 0 && high != 0)
            m_bands.push_back({std::move(name), toMHz(low), toMHz(high)});
    }
}

void BandsStore::Save(Profile& profile) const
{
    int written = 0;
    for (const BandInfo& band : m_bands) {
        if (band.name.empty())
            continue;
        profile.writeInt(kSection, numbered("FreqMin-", written), toKHz(band.low));
        profile.writeInt(kSection, numbered("FreqMax-", written), toKHz(band.high));
        profile.writeString(kSection, numbered("FreqName-", written), band.name);
        ++written;
    }
    profile.writeInt(kSection, "Count", written);
}

void BandsStore::loadDefaults()
{
    m_bands.insert(m_bands.end(), std::begin(kDefaultBands), std::end(kDefaultBands));
}

void BandsStore::reset()
{
    m_bands.clear();
    loadDefaults();
}

int BandsStore::append(const BandInfo& band)
{
    m_bands.push_back(band);
    return static_cast<int>(m_bands.size()) - 1;
}

bool BandsStore::remove(int data)
{
    const std::optional<std::size_t> i = namedIndex(data);
    if (!i)
        return false;
    m_bands[*i].name.clear();
    return true;
}

std::vector<BandListItem> BandsStore::listItems() const
{
    std::vector<BandListItem> items;
    items.push_back({u" None", kNoBand});
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const BandInfo& band = m_bands[i];
        if (!band.name.empty())
            items.push_back(
                {band.name + u" (" + fixed(band.low, 3) + u"-" + fixed(band.high, 3) + u")",
                 static_cast<int>(i)});
    }
    return items;
}

std::optional<BandEdges> BandsStore::edgesFor(int data) const
{
    if (data == kNoBand)
        return BandEdges{u"0.00", u"99999.99"};
    const std::optional<std::size_t> i = namedIndex(data);
    if (!i)
        return std::nullopt;
    return BandEdges{fixed(m_bands[*i].low, 3), fixed(m_bands[*i].high, 3)};
}

std::optional<std::size_t> BandsStore::namedIndex(int data) const
{
    if (data < 0 || static_cast<std::size_t>(data) >= m_bands.size() ||
        m_bands[static_cast<std::size_t>(data)].name.empty())
        return std::nullopt;
    return static_cast<std::size_t>(data);
}

} // namespace kavrin
