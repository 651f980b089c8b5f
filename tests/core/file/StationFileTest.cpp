#include "core/base/ORVImpl.h"
#include "core/file/LoadProgress.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

using namespace kavrin;

namespace {

FreqInfo station(const std::u16string& name)
{
    FreqInfo r;
    r.stName = name;
    return r;
}

class StationFile : public ::testing::Test {
protected:
    Result<> load(const std::string& xml)
    {
        writeBytes(m_path, xml);
        return m_base.Load(m_path);
    }

    // Loads the document element's content wrapped in a declaration and FREQS_LIST.
    Result<> loadStations(const std::string& elements)
    {
        return load("<?xml version=\"1.0\"?><FREQS_LIST>" + elements + "</FREQS_LIST>");
    }

    std::string save()
    {
        EXPECT_TRUE(m_base.Save(m_path));
        return readBytes(m_path);
    }

    TempFolder m_folder;
    std::filesystem::path m_path = m_folder.file("Stations.xml");
    ORVImpl m_base;
};

} // namespace

TEST_F(StationFile, ReadsTheTwoStationExample)
{
    ASSERT_TRUE(load(
        "<?xml version=\"1.0\"?><FREQS_LIST><Freq-0 StName=\"Radio A\" StFreqRX=\"5.95; 9.58\" "
        "StModulation=\"0\" UsePattern=\"0\"/><Freq-1 StName=\"Beacon\" StLoc=\"Coast\" "
        "StFreqTX=\"3.5\" StModulation=\"4\" UsePattern=\"1\" ShowPropGMT=\"1\" "
        "WorkHours=\"22-00--06-30\" Days=\"62\"/></FREQS_LIST>"));
    ASSERT_EQ(m_base.GetCount(), 2);
    const FreqInfo& a = m_base[0];
    EXPECT_EQ(a.stName, u"Radio A");
    EXPECT_EQ(a.freqRX[0], 5.95);
    EXPECT_EQ(a.freqRX[1], 9.58);
    EXPECT_EQ(a.modulation, 0);
    EXPECT_EQ(a.usePattern, 0);
    const FreqInfo& b = m_base[1];
    EXPECT_EQ(b.stLoc, u"Coast");
    EXPECT_EQ(b.freqTX[0], 3.5);
    EXPECT_EQ(b.modulation, 4);
    EXPECT_EQ(b.usePattern, 1);
    EXPECT_EQ(b.fromHour, 22);
    EXPECT_EQ(b.toHour, 6);
    EXPECT_EQ(b.toMin, 30);
    const int expectedDays[7] = {0, 1, 1, 1, 1, 1, 0};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(b.days[i], expectedDays[i]);

    // Written back, it is the same document, one element a line.
    EXPECT_EQ(save(),
              "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n"
              "\t<Freq-0 StName=\"Radio A\" StFreqRX=\"5.95; 9.58\" StModulation=\"0\" "
              "UsePattern=\"0\"/>\n"
              "\t<Freq-1 StName=\"Beacon\" StLoc=\"Coast\" StFreqTX=\"3.5\" StModulation=\"4\" "
              "UsePattern=\"1\" ShowPropGMT=\"1\" WorkHours=\"22-00--06-30\" Days=\"62\"/>\n"
              "</FREQS_LIST>\n");
}

TEST_F(StationFile, EveryFieldSurvivesARoundTrip)
{
    FreqInfo r = station(u"Радио \"Маяк\" <&>");
    r.stComment = u"line one\nline two\ttab\r";
    r.stLoc = u"Москва";
    r.soundsFld = u"/home/me/rec";
    r.ParseFreqLists(u"0.198 9.58 17.775", u"145.5");
    r.modulation = 6;
    r.usePattern = 1;
    r.showPropGMT = 0;
    r.fromHour = 6;
    r.fromMin = 5;
    r.toHour = 23;
    r.toMin = 58;
    r.days[3] = 0;
    m_base.Add(r);
    save();
    ASSERT_TRUE(m_base.Load(m_path));
    ASSERT_EQ(m_base.GetCount(), 1);
    const FreqInfo& back = m_base[0];
    EXPECT_EQ(back.stName, r.stName);
    EXPECT_EQ(back.stComment, r.stComment);
    EXPECT_EQ(back.stLoc, r.stLoc);
    EXPECT_EQ(back.soundsFld, r.soundsFld);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(back.freqRX[i], r.freqRX[i]);
        EXPECT_EQ(back.freqTX[i], r.freqTX[i]);
    }
    EXPECT_EQ(back.modulation, 6);
    EXPECT_EQ(back.showPropGMT, 0);
    EXPECT_EQ(back.fromMin, 5);
    EXPECT_EQ(back.toMin, 58);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(back.days[i], i == 3 ? 0 : 1);
}

TEST_F(StationFile, UnusedRecordsAreDroppedAndNumberingHasNoGaps)
{
    m_base.Add(station(u"Alpha"));
    m_base.Add(station(u""));
    m_base.Add(station(u"Gamma"));
    const std::string xml = save();
    EXPECT_NE(xml.find("<Freq-0 StName=\"Alpha\""), std::string::npos);
    EXPECT_NE(xml.find("<Freq-1 StName=\"Gamma\""), std::string::npos);
    ASSERT_TRUE(m_base.Load(m_path));
    EXPECT_EQ(m_base.GetCount(), 2);
}

TEST_F(StationFile, HoursAndDaysOnlyTravelWithUsePattern)
{
    FreqInfo r = station(u"A");
    r.showPropGMT = 0;
    r.fromHour = 5;
    r.days[0] = 0;
    m_base.Add(r);
    const std::string xml = save();
    EXPECT_EQ(xml.find("ShowPropGMT"), std::string::npos);
    EXPECT_EQ(xml.find("WorkHours"), std::string::npos);
    ASSERT_TRUE(m_base.Load(m_path));
    EXPECT_EQ(m_base[0].showPropGMT, 1);
    EXPECT_EQ(m_base[0].fromHour, 0);
    EXPECT_EQ(m_base[0].days[0], 1);

    ASSERT_TRUE(
        loadStations("<S StName=\"A\" UsePattern=\"0\" WorkHours=\"22-00--06-30\" Days=\"1\"/>"));
    EXPECT_EQ(m_base[0].fromHour, 0);
    EXPECT_EQ(m_base[0].days[1], 1);
}

TEST_F(StationFile, ReadsAttributesByTheirRules)
{
    struct Case {
        std::string attributes;
        std::function<void(const FreqInfo&)> check;
    };
    const Case cases[] = {
        {"StName=\"\"", [](const FreqInfo& r) { EXPECT_EQ(r.stName, u"Unknown"); }},
        {"StLoc=\"x\"", [](const FreqInfo& r) { EXPECT_TRUE(r.stName.empty()); }},
        {"StName=\"A\" StModulation=\"x\"", [](const FreqInfo& r) { EXPECT_EQ(r.modulation, 0); }},
        {"StName=\"A\"", [](const FreqInfo& r) { EXPECT_EQ(r.modulation, 1024); }},
        {"StName=\"A\" StModulation=\" 99z\"",
         [](const FreqInfo& r) { EXPECT_EQ(r.modulation, 99); }},
        {"StName=\"A\" UsePattern=\"7\" ShowPropGMT=\"-2\"",
         [](const FreqInfo& r) {
             EXPECT_EQ(r.usePattern, 1);
             EXPECT_EQ(r.showPropGMT, 1);
         }},
        {"StName=\"A\" ShowPropGMT=\"0\"", [](const FreqInfo& r) { EXPECT_EQ(r.showPropGMT, 0); }},
        {"StName=\"A\" UsePattern=\"1\" WorkHours=\"6-00--23-59\"",
         [](const FreqInfo& r) {
             EXPECT_EQ(r.fromHour, 0);
             EXPECT_EQ(r.toHour, 23);
             EXPECT_EQ(r.toMin, 59);
         }},
        {"StName=\"A\" UsePattern=\"1\" WorkHours=\"22-00--06-30\"",
         [](const FreqInfo& r) {
             EXPECT_EQ(r.fromHour, 22);
             EXPECT_EQ(r.toMin, 30);
         }},
        {"StName=\"A\" UsePattern=\"1\" WorkHours=\"24-30--99-99\"",
         [](const FreqInfo& r) {
             EXPECT_EQ(r.fromHour, 24);
             EXPECT_EQ(r.fromMin, 30);
             EXPECT_EQ(r.toHour, 99);
         }},
        {"StName=\"A\" UsePattern=\"1\" WorkHours=\"06-00--23-590\"",
         [](const FreqInfo& r) {
             EXPECT_EQ(r.fromHour, 0);
             EXPECT_EQ(r.toMin, 59);
         }},
        {"StName=\"A\" UsePattern=\"1\" Days=\"65\"",
         [](const FreqInfo& r) {
             for (int i = 0; i < 7; ++i)
                 EXPECT_EQ(r.days[i], i == 0 || i == 6 ? 1 : 0);
         }},
        {"StName=\"A\" UsePattern=\"1\" Days=\"255\"",
         [](const FreqInfo& r) {
             for (int d : r.days)
                 EXPECT_EQ(d, 1);
         }},
        {"StName=\"A\" StFreq=\"7.1\" StFreqRX=\"9\" StFreqTX=\"5\"",
         [](const FreqInfo& r) {
             EXPECT_EQ(r.freqRX[0], 7.099999904632568);
             EXPECT_EQ(r.freqRX[1], 0);
             EXPECT_EQ(r.freqTX[0], 0);
         }},
        {"StName=\"A\" StFreq=\"200000\"",
         [](const FreqInfo& r) { EXPECT_EQ(r.freqRX[0], 200000); }},
        {"StName=\"A\" Unknown=\"1\" x:StLoc=\"no\" xmlns:x=\"urn:x\"",
         [](const FreqInfo& r) { EXPECT_TRUE(r.stLoc.empty()); }},
        {"StName=\"a&#10;b &amp; &#x41e;\"",
         [](const FreqInfo& r) { EXPECT_EQ(r.stName, u"a\nb & О"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attributes);
        ASSERT_TRUE(loadStations("<Station " + c.attributes + "/>"));
        ASSERT_EQ(m_base.GetCount(), 1);
        c.check(m_base[0]);
    }
}

TEST_F(StationFile, OnlyElementsDirectlyInFreqsListAreStations)
{
    ASSERT_TRUE(
        load("<?xml version=\"1.0\"?>\n<!-- mine -->\n<FREQS_LIST>\n  <Freq-0 StName=\"A\"/>\n"
             "  <!-- note -->\n  text\n  <Station StName=\"B\"><Inner StName=\"C\"/></Station>\n"
             "</FREQS_LIST>\n"));
    ASSERT_EQ(m_base.GetCount(), 2);
    EXPECT_EQ(m_base[1].stName, u"B");
}

TEST_F(StationFile, EmptyBaseRoundTrips)
{
    save();
    ASSERT_TRUE(m_base.Load(m_path));
    EXPECT_EQ(m_base.GetCount(), 0);
}

TEST_F(StationFile, ReadsEveryEncodingXmlAllows)
{
    const std::string body = "<FREQS_LIST><F StName=\"";
    const std::string tail = "\"/></FREQS_LIST>";
    struct Case {
        std::string name;
        std::string bytes;
        std::u16string expected;
    };
    auto utf16le = [](const std::u16string& s, bool bom) {
        std::string out = bom ? "\xFF\xFE" : "";
        for (char16_t c : s) {
            out.push_back(static_cast<char>(c & 0xFF));
            out.push_back(static_cast<char>(c >> 8));
        }
        return out;
    };
    auto utf16be = [](const std::u16string& s) {
        std::string out = "\xFE\xFF";
        for (char16_t c : s) {
            out.push_back(static_cast<char>(c >> 8));
            out.push_back(static_cast<char>(c & 0xFF));
        }
        return out;
    };
    const std::u16string doc16 =
        u"<?xml version=\"1.0\"?><FREQS_LIST><F StName=\"Ж\"/></FREQS_LIST>";
    const Case cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF<?xml version=\"1.0\"?>" + body + "\xD0\x96" + tail, u"Ж"},
        {"UTF-16LE with BOM", utf16le(doc16, true), u"Ж"},
        {"UTF-16BE with BOM", utf16be(doc16), u"Ж"},
        {"UTF-16LE without BOM", utf16le(doc16, false), u"Ж"},
        {"ISO-8859-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body + "\xE9" + tail,
         u"é"},
        {"windows-1251", "<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + body + "\xC6" + tail,
         u"Ж"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<> loaded = load(c.bytes);
        ASSERT_TRUE(loaded) << loaded.reason();
        ASSERT_EQ(m_base.GetCount(), 1);
        EXPECT_EQ(m_base[0].stName, c.expected);
    }
}

TEST_F(StationFile, BrokenFilesFailWithAReasonAndAnEmptyBase)
{
    struct Case {
        std::string name;
        std::string bytes;
        std::string reasonPart;
    };
    const Case cases[] = {
        {"empty file", "", ""},
        {"not XML", "hello", "line 1"},
        {"unclosed", "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n<F StName=\"A\"/>\n", "line"},
        {"wrong root", "<STATIONS><F StName=\"A\"/></STATIONS>", "FREQS_LIST"},
        {"list nested deeper", "<ROOT><FREQS_LIST><F StName=\"A\"/></FREQS_LIST></ROOT>",
         "FREQS_LIST"},
        {"bad attribute", "<FREQS_LIST>\n\n<F StName=A/></FREQS_LIST>", "line 3"},
        {"invalid UTF-8", "<FREQS_LIST><F StName=\"\xFF\xFE\"/></FREQS_LIST>", "line 1"},
        {"undefined entity", "<FREQS_LIST><F StName=\"&nope;\"/></FREQS_LIST>", "nope"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_base.Add(station(u"old"));
        const Result<> loaded = load(c.bytes);
        const std::string& why = loaded.reason();
        EXPECT_FALSE(loaded);
        EXPECT_EQ(m_base.GetCount(), 0);
        EXPECT_FALSE(why.empty());
        EXPECT_NE(why.find(c.reasonPart), std::string::npos) << why;
    }
    const Result<> missing = m_base.Load(m_folder.file("missing.xml"));
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.reason().empty());
}

TEST_F(StationFile, NeverReadsEntitiesOrDtdsFromOutside)
{
    const auto secret = m_folder.file("secret.txt");
    writeBytes(secret, "SECRET");
    const std::string external =
        "<?xml version=\"1.0\"?><!DOCTYPE FREQS_LIST [<!ENTITY x SYSTEM \"file://" +
        secret.string() + "\">]><FREQS_LIST><F StName=\"&x;\"/></FREQS_LIST>";
    EXPECT_FALSE(load(external));
    EXPECT_EQ(m_base.GetCount(), 0);
    std::string inContent = external;
    inContent.replace(inContent.find("StName=\"&x;\"/>"), 15, "StName=\"A\">&x;</F>");
    EXPECT_FALSE(load(inContent));

    const auto dtd = m_folder.file("evil.dtd");
    writeBytes(dtd, "<!ENTITY y \"FROM-DTD\">");
    EXPECT_FALSE(load("<?xml version=\"1.0\"?><!DOCTYPE FREQS_LIST SYSTEM \"" + dtd.string() +
                      "\"><FREQS_LIST><F StName=\"&y;\"/></FREQS_LIST>"));
    ASSERT_TRUE(
        load("<?xml version=\"1.0\"?><!DOCTYPE FREQS_LIST SYSTEM \"http://127.0.0.1:9/x.dtd\">"
             "<FREQS_LIST><F StName=\"A\"/></FREQS_LIST>"));
    EXPECT_EQ(m_base[0].stName, u"A");
}

TEST_F(StationFile, BillionLaughsFailsQuickly)
{
    std::string doc = "<?xml version=\"1.0\"?><!DOCTYPE FREQS_LIST [<!ENTITY l0 \"ha\">";
    for (int i = 1; i < 10; ++i) {
        doc += "<!ENTITY l" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k)
            doc += "&l" + std::to_string(i - 1) + ";";
        doc += "\">";
    }
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(load(doc + "]><FREQS_LIST><F StName=\"&l9;\"/></FREQS_LIST>"));
    EXPECT_FALSE(load(doc + "]><FREQS_LIST><F StName=\"A\">&l9;</F></FREQS_LIST>"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

namespace {

struct Notices {
    std::vector<int> percents;
    ProgressNotify notify()
    {
        return [this](int command) {
            EXPECT_EQ(command, 130);
            percents.push_back(g_loadProgress);
        };
    }
};

std::string stationsXml(int count)
{
    std::string xml = "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n";
    for (int i = 0; i < count; ++i)
        xml += "<Freq-" + std::to_string(i) + " StName=\"S" + std::to_string(i) + "\"/>\n";
    return xml + "</FREQS_LIST>\n";
}

} // namespace

TEST_F(StationFile, LoadAnnouncesProgressByTheStepRule)
{
    Notices notices;
    writeBytes(m_path, stationsXml(120));
    ASSERT_TRUE(m_base.Load(m_path, notices.notify(), 130));
    ASSERT_EQ(notices.percents.size(), 41u);
    for (int k = 0; k < 40; ++k)
        EXPECT_EQ(notices.percents[k], (2 + 3 * k) * 100 / 120);
    EXPECT_EQ(notices.percents.front(), 1);
    EXPECT_EQ(notices.percents[39], 99);
    EXPECT_EQ(notices.percents.back(), 100);

    Notices ten;
    writeBytes(m_path, stationsXml(10));
    ASSERT_TRUE(m_base.Load(m_path, ten.notify(), 130));
    EXPECT_EQ(ten.percents, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST_F(StationFile, SaveAnnouncesProgressOverEveryRecord)
{
    for (int i = 0; i < 10; ++i)
        m_base.Add(station(i == 4 ? u"" : u"S"));
    Notices notices;
    ASSERT_TRUE(m_base.Save(m_path, notices.notify(), 130));
    EXPECT_EQ(notices.percents, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(g_loadProgress, 100);
}

TEST_F(StationFile, CommentLineBreaksSurviveAndUnwritableCharactersAreReplaced)
{
    FreqInfo r = station(u"A\u0001B\uFFFE");
    r.stComment = u"first\r\nsecond";
    m_base.Add(r);
    save();
    const Result<> loaded = m_base.Load(m_path);
    ASSERT_TRUE(loaded) << loaded.reason();
    EXPECT_EQ(m_base[0].stName, u"A\uFFFDB\uFFFD");
    EXPECT_EQ(m_base[0].stComment, u"first\r\nsecond");
}
