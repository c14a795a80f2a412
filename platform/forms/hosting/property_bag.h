#pragma once
// The property bag: named values that the container keeps for one of our own controls. A
// control's ReadProperties reads each key with its read default (a missing key gives that
// default); its WriteProperties writes each key with its write default, and a value equal to
// the write default is not stored (the key is removed), so the next read gives the read
// default. Writing without a default stores every value. Keys compare without regard to case.
//
// A bag filled from a form design holds the design's values as written; each read converts
// the value to the type of the default it is given and throws DesignError for a value of the
// wrong form (a text where a number belongs).
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/forms/design.h"
#include "platform/forms/picture.h"
#include "platform/forms/types.h"

namespace qv::forms {

class PropertyBag {
public:
    PropertyBag() = default;
    // Every property of a design entry, in order.
    explicit PropertyBag(const DesignEntry& entry);

    bool contains(std::string_view key) const { return find(key) != nullptr; }
    // The stored keys in the order they were first written.
    std::vector<std::string> keys() const;
    bool empty() const { return items_.empty(); }
    // The stored value as it would stand in a design file (a text quoted), "" when absent.
    std::string designText(std::string_view key) const;

    // Reads: the stored value in the type of the default, or the default for a missing key.
    template <class T>
    T ReadProperty(std::string_view key, const T& defaultValue) const {
        const Item* it = find(key);
        if (it == nullptr) return defaultValue;
        return convert<T>(*it, defaultValue);
    }
    std::string ReadProperty(std::string_view key, const char* defaultValue) const {
        return ReadProperty<std::string>(key, std::string(defaultValue));
    }

    // Writes: stores the value, or removes the key when it equals the write default.
    template <class T>
    void WriteProperty(std::string_view key, const T& value, const T& writeDefault) {
        if (value == writeDefault)
            erase(key);
        else
            WriteProperty(key, value);
    }
    void WriteProperty(std::string_view key, const std::string& value, const char* writeDefault) {
        WriteProperty<std::string>(key, value, std::string(writeDefault));
    }
    // Stores every value ("no write default").
    void WriteProperty(std::string_view key, bool value);
    void WriteProperty(std::string_view key, int32_t value);
    void WriteProperty(std::string_view key, int16_t value) { WriteProperty(key, int32_t{value}); }
    void WriteProperty(std::string_view key, uint32_t value);  // a colour, written &HXXXXXXXX
    void WriteProperty(std::string_view key, double value);
    void WriteProperty(std::string_view key, float value) { WriteProperty(key, double{value}); }
    void WriteProperty(std::string_view key, const std::string& value);
    void WriteProperty(std::string_view key, const char* value) { WriteProperty(key, std::string(value)); }
    void WriteProperty(std::string_view key, const StdFont& value);
    void WriteProperty(std::string_view key, const PictureRef& value);

    void erase(std::string_view key);

private:
    struct Item {
        std::string key;
        DesignValue value;
        PictureRef picture;  // a picture written at run time (the value then holds no path)
        bool hasPicture = false;
    };
    const Item* find(std::string_view key) const;
    Item& slot(std::string_view key);

    static bool readBool(const Item& it);
    static int32_t readLong(const Item& it);
    static double readNumber(const Item& it);
    static std::string readText(const Item& it);
    static StdFont readFont(const Item& it, const StdFont& base);
    static PictureRef readPicture(const Item& it);

    template <class T>
    static T convert(const Item& it, const T& def) {
        if constexpr (std::is_same_v<T, bool>) return readBool(it);
        else if constexpr (std::is_same_v<T, std::string>) return readText(it);
        else if constexpr (std::is_same_v<T, StdFont>) return readFont(it, def);
        else if constexpr (std::is_same_v<T, PictureRef>) return readPicture(it);
        else if constexpr (std::is_floating_point_v<T>) return static_cast<T>(readNumber(it));
        else if constexpr (std::is_same_v<T, int16_t>) return narrowInteger(readLong(it), it);
        else if constexpr (std::is_integral_v<T>) return static_cast<T>(readLong(it));
        else static_assert(sizeof(T) == 0, "no property bag conversion for this type");
    }
    static int16_t narrowInteger(int32_t v, const Item& it);

    std::vector<Item> items_;
};

}  // namespace qv::forms
