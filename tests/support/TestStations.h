#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kavrin {

class StationRowModel;

// One station for a test file: name, receive frequency, modulation, optional working hours (GMT)
// and location.
struct TestStation {
    std::u16string name;
    double mhz;
    int modulation;
    int fromHour = -1; // -1: on the air around the clock
    int toHour = -1;
    std::u16string location = {};
};

void writeTestStations(const std::filesystem::path& file, const std::vector<TestStation>& stations);

// Fixes the program's clock at Tuesday 2026-12-08 12:00 UTC, the local time three hours ahead,
// while it lives.
class TuesdayNoon {
public:
    TuesdayNoon();
    ~TuesdayNoon();
    TuesdayNoon(const TuesdayNoon&) = delete;
    TuesdayNoon& operator=(const TuesdayNoon&) = delete;
};

// `count` stations S1000, S1001, … with falling frequencies, so frequency and name order are
// opposite.
std::vector<TestStation> manyStations(int count);

// The names in `rows`, top to bottom.
QStringList namesIn(const StationRowModel& rows);
// The names of the stations in the station file `file`, in file order; empty when it cannot be
// read.
QStringList namesInFile(const std::filesystem::path& file);

// Scripted station dialogs, for ScriptedPrompts::dialogs.
// The properties dialog: sets name, receive list and modulation, then saves.
std::function<int(QDialog&)> saveStation(const QString& name, const QString& rx, int modulation);
// The search dialog: sets the text and the case rule, then OK.
std::function<int(QDialog&)> search(const QString& text, bool matchCase);

} // namespace kavrin
