#include "tests/support/FakeReceiver.h"
#include "tests/support/Rigctld.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>
#include <sys/wait.h>

using namespace kavrin;

namespace {

// Tuesday 2026-12-08 21:30 UTC: the beacon (22:00–06:30) is off the air, the rest works 24 hours.
const std::string kEvening = "--at=2026-12-08T21:30:00Z";

const std::string kStations = R"(<?xml version="1.0"?>
<FREQS_LIST>
  <Freq-0 StName="Radio A" StLoc="London TOWER" StFreqRX="5.95; 9.58" StModulation="0" UsePattern="0"/>
  <Freq-1 StName="Beacon" StFreqTX="3.5" StModulation="4" UsePattern="1" ShowPropGMT="1" WorkHours="22-00--06-30" Days="127"/>
  <Freq-2 StName="Репитер" StLoc="Москва" StFreqRX="145.6" StFreqTX="145" StModulation="6" UsePattern="0"/>
  <Freq-3 StName="Mystery" StFreqRX="7.1" StComment="first line&#10;second&#9;tab" StModulation="1024" UsePattern="0"/>
  <Freq-4 StLoc="an unused record"/>
</FREQS_LIST>
)";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text)
{
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override { writeBytes(m_folder.file("Stations.xml"), kStations); }

    // Runs the tool in the temporary folder with the time zone `tz`.
    ToolRun run(const std::vector<std::string>& args, const std::string& tz = "UTC0")
    {
        std::string command =
            "cd " + quoted(m_folder.path().string()) + " && TZ=" + tz + " " + quoted(KAVRIN_TOOL);
        for (const std::string& arg : args)
            command += " " + quoted(arg);
        command += " >out.txt 2>err.txt";
        const int raw = std::system(command.c_str());
        ToolRun r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readBytes(m_folder.file("out.txt"));
        r.err = readBytes(m_folder.file("err.txt"));
        return r;
    }

    std::filesystem::path file(const std::string& name) const { return m_folder.file(name); }

private:
    TempFolder m_folder;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// The first column of every row, and the status line last.
std::vector<std::string> namesAndStatus(const std::string& output)
{
    std::vector<std::string> out;
    for (const std::string& line : lines(output))
        out.push_back(line.substr(0, line.find('\t')));
    return out;
}

} // namespace

TEST_F(Cli, ListPrintsTheDisplayedSetInFrequencyOrder)
{
    const ToolRun r = run({"list", "--gmt", kEvening});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Beacon\tTX: 3.5 MHz, CW; 22:00-06:30 GMT;\toff\n"
                     "Radio A\t5.95, 9.58 MHz, AM; 24h; London TOWER;\ton\n"
                     "Mystery\t7.1 MHz, 24h; first line second tab;\ton\n"
                     "Репитер\tRX: 145.6 MHz; TX: 145 MHz NFM; 24h; Москва;\ton\n"
                     "4 items in base, 4 displayed\n");
}

TEST_F(Cli, FiltersAndSortKeys)
{
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"--modulation", "cw"}, {"Beacon", "4 items in base, 1 displayed"}},
        {{"--modulation=AM,nfm,AM"}, {"Radio A", "Репитер", "4 items in base, 2 displayed"}},
        {{"--modulation", "all"},
         {"Beacon", "Radio A", "Mystery", "Репитер", "4 items in base, 4 displayed"}},
        {{"--range", "sw"}, {"Beacon", "Radio A", "Mystery", "4 items in base, 3 displayed"}},
        {{"--range=VHF"}, {"Репитер", "4 items in base, 1 displayed"}},
        {{"--range", "145-145.6"}, {"Репитер", "4 items in base, 1 displayed"}},
        {{"--range", "3.6-5.9"}, {"4 items in base, 0 displayed"}},
        {{"--active", kEvening}, {"Radio A", "Mystery", "Репитер", "4 items in base, 3 displayed"}},
        {{"--active", "--at", "2026-12-08T23:00:00Z"},
         {"Beacon", "Radio A", "Mystery", "Репитер", "4 items in base, 4 displayed"}},
        {{"--sort", "name"},
         {"Beacon", "Mystery", "Radio A", "Репитер", "4 items in base, 4 displayed"}},
        {{"--sort", "location"},
         {"Beacon", "Mystery", "Radio A", "Репитер", "4 items in base, 4 displayed"}},
        {{"--sort", "modulation"},
         {"Radio A", "Beacon", "Репитер", "Mystery", "4 items in base, 4 displayed"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"list", "Stations.xml"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 0) << c.options[0];
        EXPECT_EQ(namesAndStatus(r.out), c.expected) << c.options[0] << " " << r.err;
    }
}

TEST_F(Cli, HoursAreLocalUnlessGmtIsAsked)
{
    const ToolRun local = run({"list", "--modulation", "CW"}, "XXX-2");
    EXPECT_EQ(lines(local.out).at(0).substr(0, 37), "Beacon\tTX: 3.5 MHz, CW; 00:00-08:30;\t");
    const ToolRun gmt = run({"list", "--modulation", "CW", "--gmt"}, "XXX-2");
    EXPECT_EQ(lines(gmt.out).at(0).substr(0, 41), "Beacon\tTX: 3.5 MHz, CW; 22:00-06:30 GMT;\t");
}

TEST_F(Cli, SearchResults)
{
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> expected;
        std::string err;
    };
    const Case cases[] = {
        {{"--search", "tower"}, {"Radio A", "Search results"}, ""},
        {{"--search", "TOWER", "--match-case"}, {"Radio A", "Search results"}, ""},
        {{"--search", "tower", "--match-case"},
         {"Search results"},
         "Search results list is empty\n"},
        {{"--search", "москва"}, {"Репитер", "Search results"}, ""},
        {{"--search", "second"}, {"Mystery", "Search results"}, ""},
        {{"--search", "tower", "--modulation", "fm"}, {"Search results"}, ""},
        {{"--search", "", "--range", "sw"}, {"Beacon", "Radio A", "Mystery", "Search results"}, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"list"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 0) << c.options[1];
        EXPECT_EQ(namesAndStatus(r.out), c.expected) << c.options[1];
        EXPECT_EQ(r.err, c.err) << c.options[1];
    }
}

TEST_F(Cli, CheckCountsStationsOrSaysWhyNot)
{
    const ToolRun good = run({"check", "Stations.xml"});
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out, "4\n");

    writeBytes(file("broken.xml"),
               "<?xml version=\"1.0\"?>\n<FREQS_LIST>\n<Freq-0 StName=\"A\">\n");
    std::filesystem::create_directory(file("folder.xml"));
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const Case cases[] = {
        {{"check", "broken.xml"}, "broken.xml"},
        {{"check", "missing.xml"}, "no such file"},
        {{"check", "folder.xml"}, "not a file"},
        {{"list", "missing.xml"}, "no such file"},
        {{"list", "broken.xml", "--search", "x"}, "broken.xml"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.args[1];
        EXPECT_EQ(r.out, "") << c.args[1];
        EXPECT_NE(r.err.find("kavrin: cannot read"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
}

const std::string kSchedule =
    "Schedule B-24\n"
    "kHz   STATION                 UTC       Su-W    Language    Pow Location            ADM Azi "
    "Remarks\n"
    " 9580 Radio Example           0600-0800 23456   English     250 Shepparton          AUS 340\n"
    " 7325 Radio Kestrel           2530-0030 1234567 French      500 Issoudun            F   170\n";

TEST_F(Cli, ImportScheduleWritesTheStationsAndReportsBadLines)
{
    writeBytes(file("schedule.txt"), kSchedule);
    const ToolRun good = run({"import-schedule", "schedule.txt", "out.xml"});
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out, "1 stations imported\n");
    EXPECT_NE(good.err.find("Cannot parse string: 4: "), std::string::npos) << good.err;
    EXPECT_NE(good.err.find("Radio Kestrel"), std::string::npos) << good.err;
    const ToolRun listed = run({"list", "out.xml", "--gmt"});
    EXPECT_NE(listed.out.find("Radio Example\t9.58 MHz, AM; 06:00-08:00 GMT; Shepparton; "
                              "PWR: 250; English;"),
              std::string::npos)
        << listed.out;

    writeBytes(file("notes.txt"), "just\nnotes\n");
    const std::string before = readBytes(file("Stations.xml"));
    const ToolRun unknown = run({"import-schedule", "notes.txt", "Stations.xml"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Cannot import data - unknown format"), std::string::npos);
    EXPECT_EQ(readBytes(file("Stations.xml")), before);
    const ToolRun missing = run({"import-schedule", "none.txt", "Stations.xml"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot open file"), std::string::npos);
    EXPECT_EQ(run({"import-schedule", "schedule.txt"}).status, 2);
}

TEST_F(Cli, BackupsListsTheVersionsImportsReplacedNewestFirst)
{
    writeBytes(file("schedule.txt"), kSchedule);
    ASSERT_EQ(run({"import-schedule", "schedule.txt", "Stations.xml"}).status, 0);
    const std::string firstImport = readBytes(file("Stations.xml"));
    ASSERT_EQ(run({"import-schedule", "schedule.txt", "Stations.xml"}).status, 0);

    const ToolRun listed = run({"backups"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    const std::vector<std::string> rows = lines(listed.out);
    ASSERT_EQ(rows.size(), 2u) << listed.out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string expected = i == 0 ? firstImport : kStations;
        const std::size_t tab = rows[i].find('\t');
        const std::size_t secondTab = rows[i].find('\t', tab + 1);
        EXPECT_EQ(tab, std::string("2026-12-08 21:30:00").size()) << rows[i];
        EXPECT_EQ(rows[i].substr(tab + 1, secondTab - tab - 1), std::to_string(expected.size()));
        EXPECT_EQ(readBytes(file(rows[i].substr(secondTab + 1))), expected) << rows[i];
    }

    const ToolRun none = run({"backups", "Other.xml"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("no backups of"), std::string::npos) << none.err;
}

TEST_F(Cli, ImportScheduleReplacesOrAddsToTheStationFile)
{
    // Windows-1252, CR LF; line 4 cannot be read.
    writeBytes(file("sked.csv"),
               "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;"
               "Start:60;Stop:60;\r\n"
               "5955;0100-0200;Mo-Fr;G;Radio Kestrel;E;ME;/CYP;1;0103;2903\r\n"
               "11780.5;2330-0450;;B;R\xE1"
               "dio Clube do Par\xE1;POR;SAm;;1;;\r\n"
               "7325;2500-0100;;F;Late;F;Eu;;1;;\r\n"
               "16.4;0000-2400;;NOR;Kestrel Time;-TS;Eu;;1;;\r\n");
    writeBytes(file("sked.txt"),
               "Broadcast schedule\n\n"
               "kHz     Time(UTC) Days  ITU Station                  Lang. Target Remarks\n"
               "===========================================================================\n"
               "5955    0100-0200 Mo-Fr G   Radio Kestrel            E     ME     /CYP\n"
               "11780.5 2330-0450       B   R\xE1"
               "dio Clube do Par\xE1      POR   SAm\n"
               "16.4    0000-2400       NOR Kestrel Time             -TS   Eu\n");
    struct Case {
        std::vector<std::string> args;
        std::string out;
        std::string err; // a part of it
    };
    const std::string badLine = "Cannot parse string: 4: time out of range: 7325;2500-0100;";
    const Case cases[] = {
        {{"import-schedule", "sked.csv", "new.xml"}, "3 stations imported\n", badLine},
        {{"import-schedule", "--add", "sked.csv", "Stations.xml"},
         "3 added, 0 updated, 0 unchanged\n",
         badLine},
        {{"import-schedule", "sked.csv", "Stations.xml", "--add"},
         "0 added, 0 updated, 3 unchanged\n",
         badLine},
        // The text has no validity dates, so one comment changes.
        {{"import-schedule", "--add", "sked.txt", "Stations.xml"},
         "0 added, 1 updated, 2 unchanged\n",
         ""},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[1] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"check", "new.xml"}).out, "3\n");
    const ToolRun listed = run({"list", "Stations.xml", "--gmt", "--sort", "name"});
    EXPECT_EQ(namesAndStatus(listed.out),
              (std::vector<std::string>{"Beacon", "Kestrel Time", "Mystery", "Radio A",
                                        "Radio Kestrel", "Rádio Clube do Pará", "Репитер",
                                        "7 items in base, 7 displayed"}));

    const std::string before = readBytes(file("Stations.xml"));
    const ToolRun noBase = run({"import-schedule", "--add", "sked.csv", "missing.xml"});
    EXPECT_EQ(noBase.status, 1);
    EXPECT_NE(noBase.err.find("kavrin: cannot read"), std::string::npos) << noBase.err;
    const ToolRun notSchedule = run({"import-schedule", "--add", "new.xml", "Stations.xml"});
    EXPECT_EQ(notSchedule.status, 1);
    EXPECT_EQ(readBytes(file("Stations.xml")), before);
}

TEST_F(Cli, WrongCommandLinesGiveTheUsageAndStatusTwo)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"show"},
        {"list", "--colour"},
        {"list", "-x"},
        {"list", "--range"},
        {"list", "--range", "7-"},
        {"list", "--range", "8-7"},
        {"list", "--range", "-1-7"},
        {"list", "--range", "7-200000"},
        {"list", "--range", "inf-inf"},
        {"list", "--modulation", "AM,XYZ"},
        {"list", "--modulation", "Unknown"},
        {"list", "--modulation", "AM,"},
        {"list", "--sort", "size"},
        {"list", "--at", "2026-12-08 21:30:00"},
        {"list", "--at", "2026-02-29T00:00:00Z"},
        {"list", "--at", "2026-12-08T24:00:00Z"},
        {"list", "--active=yes"},
        {"list", "--match-case"},
        {"list", "a.xml", "b.xml"},
        {"check"},
        {"check", "Stations.xml", "--gmt"},
        {"backups", "a.xml", "b.xml"},
        {"backups", "--gmt"},
        {"import-schedule", "--add", "sked.csv"},
        {"import-schedule", "--replace", "sked.csv", "out.xml"},
    };
    for (const auto& args : cases) {
        const ToolRun r = run(args);
        const std::string what = args.empty() ? "(none)" : args.back();
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_EQ(r.err.rfind("kavrin: ", 0), 0u) << what;
        EXPECT_NE(r.err.find("usage: kavrin"), std::string::npos) << what;
    }
}

TEST_F(Cli, HelpDocumentsEveryOption)
{
    const ToolRun r = run({"list", "--gmt", "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"list",        "check",  "import-schedule", "--add",        "backups",
          "on",          "tune",   "--modulation",    "--range",      "--active",
          "--sort",      "--gmt",  "--search",        "--match-case", "--at",
          "--tolerance", "--mode", "--station",       "--receiver",   "--rig",
          "--device",    "--help", "--version"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

// The help and the manual page are both written from the tool's table: whatever the help names,
// the page names too.
TEST_F(Cli, TheManualPageNamesEveryCommandAndOptionOfTheHelp)
{
    const ToolRun help = run({"--help"});
    ASSERT_EQ(help.status, 0);
    // The page as it reads: roff's minus signs and font changes taken out.
    const std::string page = std::regex_replace(
        std::regex_replace(readBytes(KAVRIN_MANUAL_PAGE), std::regex(R"(\\f[BIRP]|\\&)"), ""),
        std::regex(R"(\\-)"), "-");
    std::set<std::string> named;
    const std::string usage = help.out.substr(0, help.out.find('\n'));
    const std::regex command(R"(kavrin ([a-z][a-z-]*))");
    for (auto m = std::sregex_iterator(usage.begin(), usage.end(), command);
         m != std::sregex_iterator(); ++m)
        named.insert("kavrin " + (*m)[1].str());
    const std::regex option(R"(--[a-z][a-z-]*)");
    for (auto m = std::sregex_iterator(help.out.begin(), help.out.end(), option);
         m != std::sregex_iterator(); ++m)
        named.insert(m->str());
    EXPECT_GE(named.size(), 6u + 17u); // the six commands and the options, at least
    for (const std::string& name : named)
        EXPECT_NE(page.find(name), std::string::npos) << name;
}

TEST_F(Cli, VersionIsTheBuildsVersion)
{
    const ToolRun r = run({"check", "--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "kavrin " KAVRIN_VERSION "\n");
}

TEST_F(Cli, ListUsesTheStationFileOfTheCurrentFolderAndTheClock)
{
    const ToolRun r = run({"list"});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(lines(r.out).size(), 5u);
    EXPECT_EQ(lines(r.out).back(), "4 items in base, 4 displayed");
}

TEST_F(Cli, OnListsTheStationsNearAFrequency)
{
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"on", "9.5802", kEvening}, {"Radio A", "4 items in base, 1 displayed"}},
        {{"on", "9.59", kEvening}, {"4 items in base, 0 displayed"}},
        {{"on", "9.59", "--tolerance", "10", kEvening},
         {"Radio A", "4 items in base, 1 displayed"}},
        {{"on", "145.65", "Stations.xml", kEvening}, {"Репитер", "4 items in base, 1 displayed"}},
        {{"on", "3.5", kEvening}, {"4 items in base, 0 displayed"}}, // a transmit frequency
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.args[1];
        EXPECT_EQ(namesAndStatus(r.out), c.expected) << c.args[1] << " " << r.err;
    }
    EXPECT_EQ(run({"on", "5.95", "--gmt", kEvening}).out,
              "Radio A\t5.95, 9.58 MHz, AM; 24h; London TOWER;\ton\n"
              "4 items in base, 1 displayed\n");
}

TEST_F(Cli, TuneSetsTheReceiver)
{
    DummyRigctld rigctld;
    ASSERT_TRUE(rigctld.running());
    const std::vector<std::string> at = {"--receiver", rigctld.address()};
    struct Case {
        std::vector<std::string> args;
        std::string out;
        std::string frequency; // as rigctl prints it
        std::string mode;      // the first line rigctl prints for the mode
    };
    const Case cases[] = {
        {{"9.91", "--mode", "usb"}, "Tuned to 9.910 MHz, USB\n", "9910000", "USB"},
        {{"7.1"}, "Tuned to 7.100 MHz\n", "7100000", "USB"},
        {{"--station", "radio a"}, "Tuned to 5.950 MHz, AM\n", "5950000", "AM"},
        {{"--station", "Репитер", "Stations.xml"}, "Tuned to 145.600 MHz, FM\n", "145600000", "FM"},
        {{"--station", "Radio A", "--mode", "LSB"}, "Tuned to 5.950 MHz, LSB\n", "5950000", "LSB"},
        {{"--station", "Mystery"}, "Tuned to 7.100 MHz\n", "7100000", "LSB"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"tune", "--rig", "2"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.insert(args.end(), at.begin(), at.end());
        const ToolRun r = run(args);
        EXPECT_EQ(r.status, 0) << c.out << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(lines(rigctld.ask("f")).at(0), c.frequency) << c.out;
        EXPECT_EQ(lines(rigctld.ask("m")).at(0), c.mode) << c.out;
    }
}

TEST_F(Cli, TuneFailuresAreStatusOneWithTheReasonWithinTheLimit)
{
    FakeReceiver silent(FakeReceiver::Behaviour::Silent);
    FakeReceiver unreachable(FakeReceiver::Behaviour::Unreachable);
    const std::string nobody = "127.0.0.1:" + std::to_string(freeLoopbackPort());
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    };
    const Case cases[] = {
        {{"9.91", "--receiver", nobody}, "nothing is listening at " + nobody},
        {{"9.91", "--receiver", silent.address()}, "did not answer"},
        {{"9.91", "--receiver", unreachable.address()}, "did not answer within 3 seconds"},
        {{"--station", "Nobody", "--receiver", nobody}, "no station named 'Nobody'"},
        {{"--station", "Beacon", "--receiver", nobody}, "'Beacon' has no receive frequency"},
        {{"--station", "Radio A", "missing.xml"}, "cannot read missing.xml: no such file"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"tune"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto start = std::chrono::steady_clock::now();
        const ToolRun r = run(args);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(3500))
            << c.reason;
        EXPECT_EQ(r.status, 1) << c.reason;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("kavrin: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
    }
}
