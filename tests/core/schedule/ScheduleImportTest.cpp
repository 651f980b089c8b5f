#include "core/schedule/ScheduleImport.h"
#include "core/station/Modulation.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

using namespace kavrin;
using Days = std::array<int, 7>;

namespace {

// The columns of kHeader: STATION 6, UTC 30, Su-W 40, Language 48, Pow 60, Location 64, ADM 84,
// Azi 88, remarks from 92.
const std::string kHeader = "kHz   STATION                 UTC       Su-W    Language    Pow "
                            "Location            ADM Azi Remarks";

// One station line laid out under kHeader; trailing blanks are cut like an editor would.
struct Line {
    std::string freq = " 9580";
    std::string name = "Radio Test";
    std::string time = "0100-0230";
    std::string days = "1234567";
    std::string language = "English";
    std::string power = "250";
    std::string location = "Woofferton";
    std::string remarks = "";

    std::string text() const
    {
        std::string s(92, ' ');
        const std::pair<std::size_t, const std::string*> columns[] = {
            {0, &freq},      {6, &name},   {30, &time},    {40, &days},
            {48, &language}, {60, &power}, {64, &location}};
        for (const auto& [at, field] : columns)
            s.replace(at, field->size(), *field);
        s += remarks;
        return s.substr(0, s.find_last_not_of(' ') + 1);
    }
};

Days daysOf(const FreqInfo& r)
{
    return {r.days[0], r.days[1], r.days[2], r.days[3], r.days[4], r.days[5], r.days[6]};
}

FreqInfo station(const std::u16string& name)
{
    FreqInfo r;
    r.stName = name;
    return r;
}

class ScheduleImport : public ::testing::Test {
protected:
    void SetUp() override { m_base.Add(station(u"Kept")); }

    // The import's kind of failure, or Ok; its counts are in m_counts.
    Result<>::Kind importFile(const std::filesystem::path& path)
    {
        const Result<ScheduleImportCounts> imported = importSchedule(path, m_base, m_sink);
        m_counts = imported ? *imported : ScheduleImportCounts();
        return imported.kind();
    }

    Result<>::Kind importBytes(const std::string& bytes)
    {
        writeBytes(m_path, bytes);
        return importFile(m_path);
    }

    // A schedule of a title line, kHeader and `lines`, each ended by `eol`.
    Result<>::Kind importLines(const std::vector<std::string>& lines, const std::string& eol = "\n")
    {
        std::string bytes = "Broadcast schedule" + eol + kHeader + eol;
        for (const std::string& line : lines)
            bytes += line + eol;
        return importBytes(bytes);
    }

    // The one station a one-line schedule gives.
    const FreqInfo& importOne(const Line& line)
    {
        importLines({line.text()});
        EXPECT_EQ(m_counts.stationsImported, 1);
        EXPECT_EQ(m_base.GetCount(), 1);
        return m_base[0];
    }

    void expectBaseUntouched()
    {
        ASSERT_EQ(m_base.GetCount(), 1);
        EXPECT_EQ(m_base[0].stName, u"Kept");
    }

    TempFolder m_folder;
    std::filesystem::path m_path = m_folder.file("schedule.txt");
    ORVImpl m_base;
    ScheduleImportCounts m_counts;
    std::vector<ScheduleLineMessage> m_messages;
    ScheduleMessageSink m_sink = [this](const ScheduleLineMessage& message) {
        m_messages.push_back(message);
        return ScheduleMessageReply::Continue;
    };
};

} // namespace

TEST_F(ScheduleImport, UnrecognisedHeadersLeaveTheBaseUntouched)
{
    std::vector<std::string> files = {"", "Broadcast schedule\n", kHeader + "\n",
                                      "Broadcast schedule\n" + std::string("kHz   station") +
                                          kHeader.substr(13) + "\n"};
    for (const std::string title :
         {"STATION", "UTC", "Language", "Pow", "Location", "ADM", "Azi"}) {
        std::string header = kHeader;
        header.replace(header.find(title), title.size(), title.size(), '-');
        files.push_back("Broadcast schedule\n" + header + "\n" + Line{}.text() + "\n");
    }
    for (const std::string& bytes : files) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(importBytes(bytes), Result<>::Kind::UnknownFormat);
        expectBaseUntouched();
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(ScheduleImport, UnreadableFilesLeaveTheBaseUntouched)
{
    for (const auto& path : {m_folder.file("missing.txt"), m_folder.path()}) {
        EXPECT_EQ(importFile(path), Result<>::Kind::CannotOpen);
        expectBaseUntouched();
    }
}

TEST_F(ScheduleImport, AHeaderWithoutStationsEmptiesTheBase)
{
    EXPECT_EQ(importLines({}), Result<>::Kind::Ok);
    EXPECT_EQ(m_counts.stationsImported, 0);
    EXPECT_EQ(m_base.GetCount(), 0);
}

TEST_F(ScheduleImport, TitlesAreFoundInsideLongerWords)
{
    std::string header = kHeader;
    header.replace(header.find("STATION "), 8, "STATIONS");
    importBytes("Broadcast schedule\n" + header + "\n" + Line{}.text() + "\n");
    ASSERT_EQ(m_base.GetCount(), 1);
    EXPECT_EQ(m_base[0].stName, u"Radio Test");
}

TEST_F(ScheduleImport, BuildsTheStationFromTheColumns)
{
    const FreqInfo& r = importOne({.remarks = "via relay"});
    EXPECT_EQ(r.stName, u"Radio Test");
    EXPECT_DOUBLE_EQ(r.freqRX[0], 9.58);
    EXPECT_EQ(r.freqRX[1], 0);
    EXPECT_EQ(r.CountTX(), 0);
    EXPECT_EQ(r.stLoc, u"Woofferton");
    EXPECT_EQ(r.stComment, u"PWR: 250; English");
    EXPECT_EQ(r.modulation, MOD_AM);
    EXPECT_EQ(r.usePattern, 1);
    EXPECT_EQ(r.showPropGMT, 1);
    EXPECT_TRUE(r.soundsFld.empty());
}

TEST_F(ScheduleImport, ReadsTheTimeColumn)
{
    struct Case {
        std::string time;
        int fromHour, fromMin, toHour, toMin;
    };
    for (const Case& c : {Case{"0100-0230", 1, 0, 2, 30}, Case{"2200-2400", 22, 0, 23, 59},
                          Case{"2000-2430", 20, 0, 24, 30}, Case{"2400-0100", 24, 0, 1, 0},
                          Case{"xx00-0199", 0, 0, 1, 99}}) {
        SCOPED_TRACE(c.time);
        const FreqInfo& r = importOne({.time = c.time});
        EXPECT_EQ(r.fromHour, c.fromHour);
        EXPECT_EQ(r.fromMin, c.fromMin);
        EXPECT_EQ(r.toHour, c.toHour);
        EXPECT_EQ(r.toMin, c.toMin);
    }
    for (const std::string time : {"2500-0100", "0100-2500", "-100-0200"}) {
        importLines({Line{.time = time}.text()});
        EXPECT_EQ(m_counts.linesRefused, 1) << time;
        EXPECT_EQ(m_base.GetCount(), 0) << time;
    }
}

TEST_F(ScheduleImport, RefusedLinesAreReportedWithTheirNumberInTheFile)
{
    const std::string bad = Line{.time = "2500-0100"}.text();
    importLines(
        {"; comment", "", Line{}.text(), Line{.freq = "", .time = "2500-0100"}.text(), bad});
    EXPECT_EQ(m_counts.stationsImported, 1);
    EXPECT_EQ(m_counts.linesSkipped, 3);
    EXPECT_EQ(m_counts.linesRefused, 1);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].lineNumber, 7);
    EXPECT_EQ(m_messages[0].title, u"Cannot parse string: 7");
    EXPECT_EQ(m_messages[0].text, std::u16string(bad.begin(), bad.end()));
}

TEST_F(ScheduleImport, CrLfLinesReadLikeLfLines)
{
    const std::vector<std::string> lines = {Line{}.text(), Line{.days = "1"}.text(),
                                            Line{.time = "2500-0100"}.text(), "; comment", ""};
    importLines(lines, "\n");
    const auto lfMessages = m_messages;
    ASSERT_TRUE(m_base.Save(m_folder.file("lf.xml")));
    m_messages.clear();
    importLines(lines, "\r\n");
    ASSERT_TRUE(m_base.Save(m_folder.file("crlf.xml")));

    EXPECT_EQ(readBytes(m_folder.file("crlf.xml")), readBytes(m_folder.file("lf.xml")));
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].lineNumber, lfMessages[0].lineNumber);
    EXPECT_EQ(m_messages[0].text, lfMessages[0].text);
}

TEST_F(ScheduleImport, DrmOnlyWhenItFirstOccursPastByte90)
{
    const auto withDrmAt = [](std::size_t at) {
        std::string line = Line{}.text();
        line.resize(at, ' ');
        return line + "DRM";
    };
    struct Case {
        std::string line;
        int modulation;
    };
    for (const Case& c : {Case{withDrmAt(90), MOD_AM}, Case{withDrmAt(91), MOD_DRM},
                          Case{Line{.name = "Radio DRM", .remarks = "DRM"}.text(), MOD_AM}}) {
        SCOPED_TRACE(c.line);
        importLines({c.line});
        ASSERT_EQ(m_base.GetCount(), 1);
        EXPECT_EQ(m_base[0].modulation, c.modulation);
    }
}

TEST_F(ScheduleImport, DaysDigitsOneToSevenAreSundayToSaturday)
{
    struct Case {
        std::string days;
        Days expected;
    };
    for (const Case& c :
         {Case{"1     7", {1, 0, 0, 0, 0, 0, 1}}, Case{"1234567", {1, 1, 1, 1, 1, 1, 1}},
          Case{"23456", {0, 1, 1, 1, 1, 1, 0}}, Case{"0 8 9", {}}, Case{"", {}}}) {
        SCOPED_TRACE(c.days);
        EXPECT_EQ(daysOf(importOne({.days = c.days})), c.expected);
    }
}

TEST_F(ScheduleImport, WithoutADaysColumnEveryDayIsSet)
{
    std::string header = kHeader;
    header.replace(header.find("Su-W"), 4, "    ");
    importBytes("Broadcast schedule\n" + header + "\n" + Line{.days = "1"}.text() + "\n");
    ASSERT_EQ(m_base.GetCount(), 1);
    EXPECT_EQ(daysOf(m_base[0]), (Days{1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(ScheduleImport, FieldsAreClampedToTheLineAndToTheirColumns)
{
    const FreqInfo& shortLine =
        importOne({.time = "", .days = "", .language = "", .power = "", .location = ""});
    EXPECT_EQ(shortLine.stName, u"Radio Test");
    EXPECT_EQ(shortLine.stComment, u"PWR: ; ");
    EXPECT_EQ(daysOf(shortLine), Days{});

    // An "ADM" before "Location" leaves no room for the location.
    importBytes("Broadcast schedule\nADM" + kHeader.substr(3) + "\n" + Line{}.text() + "\n");
    ASSERT_EQ(m_base.GetCount(), 1);
    EXPECT_TRUE(m_base[0].stLoc.empty());
}

TEST_F(ScheduleImport, FieldsThatAreNotUtf8AreReadAsLatin1)
{
    const FreqInfo& utf8 = importOne({.name = "R\xC3\xA1"
                                              "dio Test"});
    EXPECT_EQ(utf8.stName, u"R\u00E1dio Test");
    const FreqInfo& latin1 = importOne({.name = "Radio Espa\xF1"
                                                "a",
                                        .location = "S\xE3o Paulo"});
    EXPECT_EQ(latin1.stName, u"Radio Espa\u00F1a");
    EXPECT_EQ(latin1.stLoc, u"S\u00E3o Paulo");

    importLines({Line{.name = "Espa\xF1"
                              "a",
                      .time = "2500-0100"}
                     .text()});
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].text.find(u"Espa\u00F1a"), std::u16string::npos);
}

TEST_F(ScheduleImport, TheMessageCallbackCanDeclineFurtherMessages)
{
    m_sink = [this](const ScheduleLineMessage& message) {
        m_messages.push_back(message);
        return m_messages.size() == 2 ? ScheduleMessageReply::SkipRemaining
                                      : ScheduleMessageReply::Continue;
    };
    std::vector<std::string> lines(5, Line{.time = "9900-0100"}.text());
    lines.push_back(Line{}.text());
    importLines(lines);
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_EQ(m_counts.linesRefused, 5);
    EXPECT_EQ(m_counts.stationsImported, 1);
}

TEST_F(ScheduleImport, ImportsTheSampleSchedule)
{
    EXPECT_EQ(importFile(KAVRIN_TEST_DATA_DIR "/schedule-sample.txt"), Result<>::Kind::Ok);
    EXPECT_EQ(m_counts.stationsImported, 37);
    EXPECT_EQ(m_counts.linesSkipped, 6);
    EXPECT_EQ(m_counts.linesRefused, 1);
    ASSERT_EQ(m_base.GetCount(), 37);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].title, u"Cannot parse string: 22");

    const FreqInfo& drm = m_base[6];
    EXPECT_EQ(drm.stName, u"Radio Kestrel Digital");
    EXPECT_DOUBLE_EQ(drm.freqRX[0], 3.965);
    EXPECT_EQ(drm.modulation, MOD_DRM);
    EXPECT_EQ(drm.stLoc, u"Issoudun");
    EXPECT_EQ(drm.stComment, u"PWR: 10; French");
    EXPECT_EQ(drm.fromHour, 7);
    EXPECT_EQ(drm.toHour, 18);
    EXPECT_EQ(daysOf(drm), (Days{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(daysOf(m_base[5]), (Days{1, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(m_base[1].toHour * 100 + m_base[1].toMin, 2359);
}
