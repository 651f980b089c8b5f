#include "tests/support/TestStations.h"

#include "core/base/ORVImpl.h"
#include "core/system/Clock.h"
#include "ui/dialogs/CSearchParamsDlg.h"
#include "ui/dialogs/CStationPPg1.h"
#include "ui/dialogs/CStationPropDlg.h"
#include "ui/list/StationRowModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <stdexcept>

namespace kavrin {

namespace {

ClockReading tuesdayNoon()
{
    return {1796731200, 3 * 3600}; // 2026-12-08 12:00:00 UTC
}

} // namespace

void writeTestStations(const std::filesystem::path& file, const std::vector<TestStation>& stations)
{
    ORVImpl base;
    for (const TestStation& s : stations) {
        ORVImpl::FreqInfo r;
        r.stName = s.name;
        r.freqRX[0] = s.mhz;
        r.modulation = s.modulation;
        r.stLoc = s.location;
        if (s.fromHour >= 0) {
            r.usePattern = 1;
            r.fromHour = s.fromHour;
            r.toHour = s.toHour;
            r.toMin = 0;
        }
        base.Add(r);
    }
    if (const Result<> saved = base.Save(file); !saved)
        throw std::runtime_error("cannot write the test stations: " + saved.reason());
}

TuesdayNoon::TuesdayNoon()
{
    setClockSource(&tuesdayNoon);
}

TuesdayNoon::~TuesdayNoon()
{
    setClockSource(nullptr);
}

std::vector<TestStation> manyStations(int count)
{
    std::vector<TestStation> many;
    for (int i = 0; i < count; ++i) {
        const std::string name = "S" + std::to_string(1000 + i);
        many.push_back({std::u16string(name.begin(), name.end()), 1000.0 - i, 0});
    }
    return many;
}

QStringList namesIn(const StationRowModel& rows)
{
    QStringList names;
    for (int row = 0; row < rows.rowCount(); ++row)
        names << rows.nameAt(row);
    return names;
}

QStringList namesInFile(const std::filesystem::path& file)
{
    ORVImpl saved;
    if (!saved.Load(file))
        return {};
    QStringList names;
    for (int i = 0; i < saved.GetCount(); ++i)
        names << QString::fromStdU16String(saved[i].stName);
    return names;
}

std::function<int(QDialog&)> saveStation(const QString& name, const QString& rx, int modulation)
{
    return [=](QDialog& d) {
        auto& dialog = static_cast<CStationPropDlg&>(d);
        dialog.m_name->setText(name);
        dialog.m_page1->m_rx->setText(rx);
        QComboBox* list = dialog.m_page1->m_modulation;
        list->setCurrentIndex(list->findData(modulation));
        dialog.save();
        return dialog.result();
    };
}

std::function<int(QDialog&)> search(const QString& text, bool matchCase)
{
    return [=](QDialog& d) {
        auto& dialog = static_cast<CSearchParamsDlg&>(d);
        dialog.m_findWhat->setText(text);
        dialog.m_matchCase->setChecked(matchCase);
        dialog.accept();
        return dialog.result();
    };
}

} // namespace kavrin
