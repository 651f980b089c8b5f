#include "ui/platform/LocaleHourText.h"

#include "core/text/HourText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace kavrin {

namespace {

// `format` without the fields written with `letter` ("s" for seconds, "m" for minutes) and the
// separator before them.
QString withoutFields(QString format, QChar letter)
{
    format.remove(QRegularExpression(QStringLiteral("[:.]?%1+").arg(letter)));
    return format.trimmed();
}

// The locale's short time format without seconds: the lists show whole minutes.
QString minutesFormat()
{
    return withoutFields(QLocale().timeFormat(QLocale::ShortFormat), QLatin1Char('s'));
}

std::u16string localeHourText(int hour, int minute)
{
    static const QString format = minutesFormat();
    return QLocale().toString(QTime(hour, minute), format).toStdU16String();
}

} // namespace

void installLocaleHourFormat()
{
    setHourFormatter(&localeHourText);
}

QString localeHourOnlyText(int hour)
{
    static const QString format = withoutFields(minutesFormat(), QLatin1Char('m'));
    return QLocale().toString(QTime(hour, 0), format);
}

} // namespace kavrin
