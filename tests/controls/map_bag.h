#pragma once
// A property bag over a map, as a host keeps a control's persisted values: a missing key reads
// as the default given; a value equal to the write default is not stored.
#include <any>
#include <map>
#include <string>

namespace qv::controls::testing {

struct MapBag {
    std::map<std::string, std::any> values;
    std::vector<std::string> writes;  // keys in the order written

    template <class T>
    T ReadProperty(const std::string& key, T fallback) const {
        auto it = values.find(key);
        return it == values.end() ? fallback : std::any_cast<T>(it->second);
    }
    template <class T>
    void WriteProperty(const std::string& key, const T& value) {
        writes.push_back(key);
        values[key] = value;
    }
    template <class T, class D>
    void WriteProperty(const std::string& key, const T& value, const D& writeDefault) {
        writes.push_back(key);
        if (value == T(writeDefault)) values.erase(key);
        else values[key] = value;
    }
    bool has(const std::string& key) const { return values.count(key) != 0; }
};

}  // namespace qv::controls::testing
