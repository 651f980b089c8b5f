#pragma once

#include "core/system/Profile.h"

#include <map>
#include <string>
#include <utility>

using namespace kavrin;

// A Profile kept in two maps, for tests. The maps are public so tests can seed and inspect them.
class MapProfile : public Profile {
public:
    using Key = std::pair<std::string, std::string>; // section, value name

    std::map<Key, int> ints;
    std::map<Key, std::u16string> strings;

    int readInt(const std::string& section, const std::string& name,
                int defaultValue) const override
    {
        const auto it = ints.find({section, name});
        return it == ints.end() ? defaultValue : it->second;
    }

    void writeInt(const std::string& section, const std::string& name, int value) override
    {
        ints[{section, name}] = value;
    }

    std::u16string readString(const std::string& section, const std::string& name,
                              const std::u16string& defaultValue) const override
    {
        const auto it = strings.find({section, name});
        return it == strings.end() ? defaultValue : it->second;
    }

    void writeString(const std::string& section, const std::string& name,
                     const std::u16string& value) override
    {
        strings[{section, name}] = value;
    }
};
