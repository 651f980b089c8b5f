#include "core/schedule/ScheduleFile.h"
#include "core/schedule/ScheduleMerge.h"
#include "core/station/Modulation.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kavrin;

namespace {

const std::string kCsvHeader = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                               "Remarks:135;P:35;Start:60;Stop:60;";

// A text schedule's header: kHz at 0, Time(UTC) 8, Days 18, ITU 24, Station 28, Lang. 50,
// Target 56, Remarks 63.
const std::string kTextHeader =
    "kHz     Time(UTC) Days  ITU Station               Lang. Target Remarks";
const std::string kTextRule(72, '=');

// The fields of a schedule line, written as a CSV or a text line.
struct Fields {
    std::string khz, time, days, itu, station, language, target, remarks, start = "", stop = "";

    std::string csv() const
    {
        return khz + ";" + time + ";" + days + ";" + itu + ";" + station + ";" + language + ";" +
               target + ";" + remarks + ";1;" + start + ";" + stop + ";";
    }

    std::string text() const
    {
        std::string line(63, ' ');
        const std::pair<std::size_t, const std::string*> columns[] = {
            {0, &khz},      {8, &time},      {18, &days},  {24, &itu},
            {28, &station}, {50, &language}, {56, &target}};
        for (const auto& [at, field] : columns)
            line.replace(at, field->size(), *field);
        return (line + remarks).substr(0, (line + remarks).find_last_not_of(' ') + 1);
    }
};

// What a test expects of a station; days from Sunday as '0'/'1'.
struct Expected {
    std::u16string name;
    double mhz;
    int modulation;
    int from, to; // HHMM
    std::string days;
    std::u16string location;
    std::u16string comment;
};

std::string daysOf(const FreqInfo& r)
{
    std::string days;
    for (int day = 0; day < 7; ++day)
        days += r.days[day] ? '1' : '0';
    return days;
}

void expectStation(const FreqInfo& r, const Expected& e)
{
    EXPECT_EQ(r.stName, e.name);
    EXPECT_EQ(r.freqRX[0], e.mhz);
    EXPECT_EQ(r.CountRX(), 1);
    EXPECT_EQ(r.CountTX(), 0);
    EXPECT_EQ(r.modulation, e.modulation);
    EXPECT_EQ(r.usePattern, 1);
    EXPECT_EQ(r.showPropGMT, 1);
    EXPECT_EQ(r.fromHour * 100 + r.fromMin, e.from);
    EXPECT_EQ(r.toHour * 100 + r.toMin, e.to);
    EXPECT_EQ(daysOf(r), e.days);
    EXPECT_EQ(r.stLoc, e.location);
    EXPECT_EQ(r.stComment, e.comment);
}

class ScheduleFileTest : public ::testing::Test {
protected:
    // Reads `bytes` as a schedule file into m_schedule, which is empty when the read fails.
    Result<> read(const std::string& bytes)
    {
        writeBytes(m_path, bytes);
        Result<ScheduleFile> schedule = readScheduleFile(m_path);
        m_schedule = schedule ? std::move(*schedule) : ScheduleFile();
        return schedule ? Result<>::success() : Result<>(schedule.error());
    }

    Result<> readCsv(const std::vector<std::string>& lines, const std::string& eol = "\r\n")
    {
        std::string bytes = kCsvHeader + eol;
        for (const std::string& line : lines)
            bytes += line + eol;
        return read(bytes);
    }

    Result<> readText(const std::vector<std::string>& lines, const std::string& eol = "\r\n")
    {
        std::string bytes = "Broadcast schedule B-25" + eol + "sorted by frequency" + eol + eol +
                            kTextHeader + eol + kTextRule + eol;
        for (const std::string& line : lines)
            bytes += line + eol;
        return read(bytes);
    }

    TempFolder m_folder;
    std::filesystem::path m_path = m_folder.file("schedule");
    ScheduleFile m_schedule;
};

} // namespace

TEST_F(ScheduleFileTest, CsvLinesBecomeStations)
{
    struct Case {
        Fields line;
        Expected station;
    };
    const std::u16string relay = u"Lng: E; Target: ME; /CYP; valid 0103-2903";
    const Case cases[] = {
        {{"5955", "0100-0200", "Mo-Fr", "G", "Radio Kestrel", "E", "ME", "/CYP", "0103", "2903"},
         {u"Radio Kestrel", 5.955, MOD_AM, 100, 200, "0111110", u"G/CYP", relay}},
        {{"16.4", "0000-2400", "", "NOR", "Kestrel Time", "-TS", "Eu", "", "", ""},
         {u"Kestrel Time", 0.0164, MOD_AM, 0, 2359, "1111111", u"NOR",
          u"Mode: time signal; Target: Eu"}},
        {{"11780.5", "2330-0450", "We-Mo", "B",
          "R\xE1"
          "dio Clube do Par\xE1",
          "POR", "SAm", "b", "", "2903[0122]"},
         {u"R\u00E1dio Clube do Par\u00E1", 11.7805, MOD_AM, 2330, 450, "1101111", u"B-b",
          u"Lng: POR; Target: SAm; b; valid until 2903; last logged 0122"}},
        {{"9420", "1800-1900", "Th-Tu", "GRC", "Voice of St. Mary\x92s", "A,F", "", "/ROU-t",
          "0103", ""},
         {u"Voice of St. Mary\u2019s", 9.42, MOD_AM, 1800, 1900, "1110111", u"GRC/ROU-t",
          u"Lng: A,F; /ROU-t; valid from 0103"}},
        {{"7325", "0600-0700", "Tu,Fr", "F",
          "R\xC3\xA1"
          "dio",
          "F", "", "", "", ""},
         {u"R\u00E1dio", 7.325, MOD_AM, 600, 700, "0010010", u"F", u"Lng: F"}},
        {{"6070", "0800-0900", "SaSu", "F", "A", "", "", "", "", ""},
         {u"A", 6.07, MOD_AM, 800, 900, "1000001", u"F", u""}},
        {{"6070", "0800-0900", "1357", "F", "A", "", "", "", "", ""},
         {u"A", 6.07, MOD_AM, 800, 900, "1101010", u"F", u""}},
        {{"6070", "0800-0900", "7", "F", "A", "", "", "", "", ""},
         {u"A", 6.07, MOD_AM, 800, 900, "1000000", u"F", u""}},
        {{"6070", "0800-0900", "irr", "F", "A", "", "", "", "", ""},
         {u"A", 6.07, MOD_AM, 800, 900, "1111111", u"F", u"Days: irr"}},
        {{"6070", "0800-0900", "1.Sa", "F", "A", "", "", "", "", ""},
         {u"A", 6.07, MOD_AM, 800, 900, "1111111", u"F", u"Days: 1.Sa"}},
        {{"6070", "0800-0900", "24Dec", "F", "A", "", "", "", "", ""},
         {u"A", 6.07, MOD_AM, 800, 900, "1111111", u"F", u"Days: 24Dec"}},
        {{"8992", "0000-2400", "USB", "USA", "Air Net", "E", "", "", "", ""},
         {u"Air Net", 8.992, MOD_USB, 0, 2359, "1111111", u"USA", u"Lng: E"}},
        {{"4583", "0000-2400", "LSB", "D", "Navy", "", "", "", "", ""},
         {u"Navy", 4.583, MOD_LSB, 0, 2359, "1111111", u"D", u""}},
        {{"4583", "0000-2400", "", "D", "Beacon", "-CW", "", "", "", ""},
         {u"Beacon", 4.583, MOD_CW, 0, 2359, "1111111", u"D", u"Mode: Morse"}},
        {{"4583", "0000-2400", "", "D", "Weather", "-TY", "", "", "", ""},
         {u"Weather", 4.583, MOD_DIGITAL, 0, 2359, "1111111", u"D", u"Mode: teletype"}},
        {{"4583", "0000-2400", "", "D", "Data", "-HF", "", "", "", ""},
         {u"Data", 4.583, MOD_DIGITAL, 0, 2359, "1111111", u"D", u"Mode: HF data"}},
        {{"3965", "0700-1800", "", "F", "Kestrel DRM", "F", "", "i", "", ""},
         {u"Kestrel DRM", 3.965, MOD_DRM, 700, 1800, "1111111", u"F-i", u"Lng: F; i"}},
        {{"3965", "0700-1800", "", "F", "Kestrel", "F", "", "DRM", "", ""},
         {u"Kestrel", 3.965, MOD_DRM, 700, 1800, "1111111", u"F", u"Lng: F; DRM"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.csv());
        ASSERT_TRUE(readCsv({c.line.csv()}));
        EXPECT_EQ(m_schedule.format, ScheduleFormat::Csv);
        EXPECT_TRUE(m_schedule.skipped.empty());
        ASSERT_EQ(m_schedule.stations.size(), 1u);
        expectStation(m_schedule.stations[0], c.station);
    }
}

TEST_F(ScheduleFileTest, TextLinesAreCutAtTheColumnsOfTheHeader)
{
    const std::vector<Fields> lines = {
        {"5955", "0100-0200", "Mo-Fr", "G", "Radio Kestrel", "E", "ME", "/CYP"},
        {"   16.4", "0000-2400", "", "NOR", "Kestrel Time Signal 1", "-TS", "Eu", ""},
        {"11780.5", "2330-0450", "LSB", "B",
         "R\xE1"
         "dio",
         "POR", "SAm", "b DRM since May"},
    };
    std::vector<std::string> csv, text;
    for (const Fields& line : lines) {
        csv.push_back(line.csv());
        text.push_back(line.text());
    }
    text.push_back("End of the schedule.");
    ASSERT_TRUE(readCsv(csv));
    const std::vector<FreqInfo> fromCsv = m_schedule.stations;
    ASSERT_TRUE(readText(text));
    EXPECT_EQ(m_schedule.format, ScheduleFormat::Text);
    EXPECT_EQ(m_schedule.firstDataLine, 6);
    ASSERT_EQ(m_schedule.stations.size(), fromCsv.size());
    for (std::size_t i = 0; i < fromCsv.size(); ++i) {
        const FreqInfo& r = fromCsv[i];
        expectStation(m_schedule.stations[i],
                      {r.stName, r.freqRX[0], r.modulation, r.fromHour * 100 + r.fromMin,
                       r.toHour * 100 + r.toMin, daysOf(r), r.stLoc, r.stComment});
    }
    EXPECT_EQ(m_schedule.stations[1].stName, u"Kestrel Time Signal 1");
    EXPECT_EQ(m_schedule.stations[2].stComment, u"Lng: POR; Target: SAm; b DRM since May");
    ASSERT_EQ(m_schedule.skipped.size(), 1u);
    EXPECT_EQ(m_schedule.skipped[0].lineNumber, 9);

    // In UTF-8 the columns count characters; one cut in two halves becomes U+FFFD on both sides,
    // as a save would store it.
    ASSERT_TRUE(readText({"5955    0100-0200       G   Radio Kestrel Example\xF0\x9F\x98\x80"
                          "E"}));
    ASSERT_EQ(m_schedule.stations.size(), 1u);
    EXPECT_EQ(m_schedule.stations[0].stName, u"Radio Kestrel Example\uFFFD");
    EXPECT_EQ(m_schedule.stations[0].stComment, u"Lng: \uFFFDE");
}

TEST_F(ScheduleFileTest, TheFormatIsRecognisedFromTheContent)
{
    const std::string csvLine = "5955;0100-0200;;G;Radio;E;ME;;1;;;";
    const std::string textLine = Fields{"5955", "0100-0200", "", "G", "Radio", "", "", ""}.text();
    const std::string columns =
        "Schedule\n"
        "kHz   STATION                 UTC       Su-W    Language    Pow Location            "
        "ADM Azi\n"
        " 9580 Radio Example           0600-0800 23456   English     250 Shepparton          "
        "AUS 340\n";
    struct Case {
        std::string name;
        std::string bytes;
        Result<>::Kind kind;
        ScheduleFormat format;
    };
    const auto ok = Result<>::Kind::Ok;
    const auto unknown = Result<>::Kind::UnknownFormat;
    const auto csv = ScheduleFormat::Csv;
    const Case cases[] = {
        {"csv", kCsvHeader + "\n" + csvLine + "\n", ok, csv},
        {"csv with a byte order mark, CR LF, no widths",
         "\xEF\xBB\xBFkHz;Time(UTC);Days;ITU;Station;Lng;Target;Remarks;P;Start;Stop\r\n" +
             csvLine + "\r\n",
         ok, csv},
        {"text", "Title\n\n" + kTextHeader + "\n" + kTextRule + "\n" + textLine + "\n", ok,
         ScheduleFormat::Text},
        {"older columns", columns, ok, ScheduleFormat::Columns},
        {"csv header with a title missing",
         "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;"
         "Start:60;\n" +
             csvLine + "\n",
         unknown, csv},
        {"csv header not first", "Title\n" + kCsvHeader + "\n" + csvLine + "\n", unknown, csv},
        {"text header without its rule", kTextHeader + "\n" + textLine + "\n", unknown, csv},
        {"rule without a header", "Title\n" + kTextRule + "\n" + textLine + "\n", unknown, csv},
        {"empty", "", unknown, csv},
        {"binary", std::string("\0\xFF\x01\n\x80\xFE;;;\n", 10) + kTextRule, unknown, csv},
        {"data lines only", csvLine + "\n" + csvLine + "\n", unknown, csv},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<> result = read(c.bytes);
        EXPECT_EQ(result.kind(), c.kind);
        if (result) {
            EXPECT_EQ(m_schedule.format, c.format);
            EXPECT_EQ(m_schedule.stations.size(), 1u);
        } else {
            EXPECT_TRUE(m_schedule.stations.empty());
        }
    }
    for (const auto& path : {m_folder.file("missing"), m_folder.path()})
        EXPECT_EQ(readScheduleFile(path).kind(), Result<>::Kind::CannotOpen);
}

TEST_F(ScheduleFileTest, BadLinesAreSkippedWithTheirNumberAndReason)
{
    const std::string good = "5955;0100-0200;Mo-Fr;G;Radio;E;ME;;1;;";
    const std::string overlong = "5955;0100-0200;;G;" + std::string(5000, 'x') + ";E;;;1;;";
    struct Case {
        std::string line;
        std::string reason; // empty: a station, or no data line at all
    };
    const Case cases[] = {
        {good, ""},
        {"", ""},
        {"  \t", ""},
        {"\r", ""},
        {"5955;0100-0200;Mo-Fr;G;Radio;E;ME", "11 fields expected, 7 found"},
        {good + ";x", "11 fields expected, 12 found"},
        {";0100-0200;;G;Radio;E;ME;;1;;", "no frequency"},
        {"59x5;0100-0200;;G;Radio;E;ME;;1;;", "frequency is not a number of kHz"},
        {"-5955;0100-0200;;G;Radio;E;ME;;1;;", "frequency is not a number of kHz"},
        {"0;0100-0200;;G;Radio;E;ME;;1;;", "frequency out of range"},
        {"100000000;0100-0200;;G;Radio;E;ME;;1;;", "frequency out of range"},
        {"5955;2500-0100;;G;Radio;E;ME;;1;;", "time out of range"},
        {"5955;0100-0260;;G;Radio;E;ME;;1;;", "time out of range"},
        {"5955;2400-0100;;G;Radio;E;ME;;1;;", "time out of range"},
        {"5955;100-200;;G;Radio;E;ME;;1;;", "time is not HHMM-HHMM"},
        {"5955;0100 0200;;G;Radio;E;ME;;1;;", "time is not HHMM-HHMM"},
        {"5955;0100-0200;;G;;E;ME;;1;;", "no station name"},
        {overlong, "line too long"},
        {std::string("\0\x01\xFF;\x80", 5), "11 fields expected, 2 found"},
        {good, ""},
    };
    std::vector<std::string> lines;
    for (const Case& c : cases)
        lines.push_back(c.line);
    ASSERT_TRUE(readCsv(lines, "\n"));

    std::size_t skipped = 0;
    int dataLines = 0;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const int lineNumber = static_cast<int>(i) + 2;
        SCOPED_TRACE(lineNumber);
        if (cases[i].line.find_first_not_of(" \t\r") != std::string::npos)
            ++dataLines;
        if (cases[i].reason.empty())
            continue;
        ASSERT_LT(skipped, m_schedule.skipped.size());
        EXPECT_EQ(m_schedule.skipped[skipped].lineNumber, lineNumber);
        EXPECT_EQ(m_schedule.skipped[skipped].reason, cases[i].reason);
        EXPECT_LE(m_schedule.skipped[skipped].text.size(), kShownScheduleLineLength);
        ++skipped;
    }
    EXPECT_EQ(m_schedule.skipped.size(), skipped);
    EXPECT_EQ(m_schedule.skippedLines, static_cast<int>(skipped));
    EXPECT_EQ(m_schedule.stations.size(), 2u);
    EXPECT_EQ(static_cast<int>(m_schedule.stations.size()) + m_schedule.skippedLines, dataLines);
}

TEST_F(ScheduleFileTest, MergeMatchesEachStationAtMostOnceAndLeavesTheOthers)
{
    const std::vector<std::string> lines = {
        "16.4;0000-2400;;NOR;Kestrel Time;-TS;Eu;;1;;",
        "11780.5;2330-0450;We-Mo;B;Twin;POR;SAm;b;1;;",
        "5955;0100-0200;Mo-Fr;G;Radio Kestrel;E;ME;/CYP;1;;",
        "5955;0100-0200;Mo-Fr;G;Radio Kestrel;A;ME;/CYP;1;;",
    };
    ASSERT_TRUE(readCsv(lines));
    const std::vector<FreqInfo>& stations = m_schedule.stations;

    ORVImpl base;
    FreqInfo mine;
    mine.stName = u"Mine";
    mine.freqRX[0] = 5.955;
    base.Add(mine);
    base.Add(FreqInfo());
    FreqInfo twin = stations[1];
    twin.stComment = u"my own note";
    twin.freqTX[0] = 11.78;
    twin.soundsFld = u"/sounds";
    base.Add(twin);
    base.Add(twin);

    const auto expectCounts = [&base, &stations](ScheduleMergeCounts expected) {
        const ScheduleMergeCounts counts = mergeSchedule(base, stations);
        EXPECT_EQ(counts.added, expected.added);
        EXPECT_EQ(counts.updated, expected.updated);
        EXPECT_EQ(counts.unchanged, expected.unchanged);
    };
    expectCounts({3, 1, 0});
    // Mine, the unused slot, the twins, then Kestrel Time and both Radio Kestrel lines.
    ASSERT_EQ(base.GetCount(), 7);
    EXPECT_EQ(base[0].stName, u"Mine");
    EXPECT_EQ(base[0].modulation, MOD_UNKNOWN);
    EXPECT_TRUE(base[1].stName.empty());
    EXPECT_EQ(base[2].stComment, stations[1].stComment);
    EXPECT_EQ(base[2].freqTX[0], 11.78);
    EXPECT_EQ(base[2].soundsFld, u"/sounds");
    EXPECT_EQ(base[3].stComment, u"my own note");
    EXPECT_EQ(base[4].stName, u"Kestrel Time");
    EXPECT_EQ(base[5].stComment, stations[2].stComment);
    EXPECT_EQ(base[6].stComment, stations[3].stComment);

    expectCounts({0, 0, 4});
    EXPECT_EQ(base.GetCount(), 7);
    ASSERT_TRUE(base.Save(m_folder.file("Stations.xml")));
    ASSERT_TRUE(base.Load(m_folder.file("Stations.xml")));
    expectCounts({0, 0, 4});
    EXPECT_EQ(base.GetCount(), 6);

    EXPECT_EQ(replaceWithSchedule(base, stations), 4);
    ASSERT_EQ(base.GetCount(), 4);
    EXPECT_EQ(base[3].stComment, stations[3].stComment);
}
