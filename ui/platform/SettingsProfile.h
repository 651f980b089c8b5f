#pragma once

#include "core/system/Profile.h"

class QSettings;

namespace kavrin {

// A program's profile over QSettings: sections are groups, values keep their names.
class SettingsProfile : public Profile {
public:
    explicit SettingsProfile(QSettings& settings) : m_settings(settings) {}

    int readInt(const std::string& section, const std::string& name,
                int defaultValue) const override;
    void writeInt(const std::string& section, const std::string& name, int value) override;
    std::u16string readString(const std::string& section, const std::string& name,
                              const std::u16string& defaultValue) const override;
    void writeString(const std::string& section, const std::string& name,
                     const std::u16string& value) override;

private:
    QSettings& m_settings;
};

} // namespace kavrin
