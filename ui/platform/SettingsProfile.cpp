#include "ui/platform/SettingsProfile.h"

#include <QSettings>

namespace kavrin {

namespace {

QString key(const std::string& section, const std::string& name)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

} // namespace

int SettingsProfile::readInt(const std::string& section, const std::string& name,
                             int defaultValue) const
{
    bool isNumber = false;
    const int value = m_settings.value(key(section, name)).toInt(&isNumber);
    return isNumber ? value : defaultValue;
}

void SettingsProfile::writeInt(const std::string& section, const std::string& name, int value)
{
    m_settings.setValue(key(section, name), value);
}

std::u16string SettingsProfile::readString(const std::string& section, const std::string& name,
                                           const std::u16string& defaultValue) const
{
    const QVariant value = m_settings.value(key(section, name));
    return value.isValid() ? value.toString().toStdU16String() : defaultValue;
}

void SettingsProfile::writeString(const std::string& section, const std::string& name,
                                  const std::u16string& value)
{
    m_settings.setValue(key(section, name), QString::fromStdU16String(value));
}

} // namespace kavrin
