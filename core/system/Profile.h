#pragma once

#include <string>

namespace kavrin {

// A program's settings store, addressed by section and value name (the registry profile of the
// programs, a map in tests). Section and value names are ASCII identifiers and are passed as
// std::string; string values are user texts and are passed as UTF-16. Writes report nothing: a
// store that cannot write loses the value silently.
class Profile {
public:
    virtual ~Profile() = default;

    // The integer stored under section/name, or `defaultValue` when there is none.
    virtual int readInt(const std::string& section, const std::string& name,
                        int defaultValue) const = 0;
    virtual void writeInt(const std::string& section, const std::string& name, int value) = 0;

    // The string stored under section/name, or `defaultValue` when there is none.
    virtual std::u16string readString(const std::string& section, const std::string& name,
                                      const std::u16string& defaultValue) const = 0;
    virtual void writeString(const std::string& section, const std::string& name,
                             const std::u16string& value) = 0;
};

} // namespace kavrin
