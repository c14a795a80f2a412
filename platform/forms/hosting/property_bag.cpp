#include "platform/forms/hosting/property_bag.h"

#include <charconv>
#include <cstdio>

#include "platform/base/convert.h"
#include "platform/base/text.h"

namespace qv::forms {
namespace {

DesignValue word(std::string text) {
    DesignValue v;
    v.kind = DesignValue::Kind::Word;
    v.parts = {text};
    v.text = std::move(text);
    return v;
}

std::string boolWord(bool b) { return b ? "True" : "False"; }

}  // namespace

PropertyBag::PropertyBag(const DesignEntry& entry) {
    for (auto& p : entry.properties) slot(p.key).value = p.value;
}

const PropertyBag::Item* PropertyBag::find(std::string_view key) const {
    for (auto& it : items_)
        if (base::equalsNoCase(it.key, key)) return &it;
    return nullptr;
}

PropertyBag::Item& PropertyBag::slot(std::string_view key) {
    for (auto& it : items_)
        if (base::equalsNoCase(it.key, key)) {
            it.picture = nullptr;
            it.hasPicture = false;
            return it;
        }
    items_.push_back(Item{std::string(key), {}, nullptr, false});
    return items_.back();
}

std::vector<std::string> PropertyBag::keys() const {
    std::vector<std::string> out;
    for (auto& it : items_) out.push_back(it.key);
    return out;
}

void PropertyBag::erase(std::string_view key) {
    std::erase_if(items_, [&](const Item& it) { return base::equalsNoCase(it.key, key); });
}

std::string PropertyBag::designText(std::string_view key) const {
    const Item* it = find(key);
    if (it == nullptr) return "";
    const DesignValue& v = it->value;
    if (v.kind == DesignValue::Kind::Bytes) {
        static const char* digits = "0123456789ABCDEF";
        std::string out = "hex:";
        for (unsigned char c : v.text) {
            out += digits[c >> 4];
            out += digits[c & 15];
        }
        return out;
    }
    std::string out;
    for (size_t i = 0; i < v.parts.size() || i == 0; ++i) {
        if (i > 0) out += ", ";
        const std::string& part = i < v.parts.size() ? v.parts[i] : v.text;
        out += (i == 0 && v.kind == DesignValue::Kind::Text) ? quoteDesignText(part) : part;
    }
    return out;
}

void PropertyBag::WriteProperty(std::string_view key, bool value) { slot(key).value = word(boolWord(value)); }

void PropertyBag::WriteProperty(std::string_view key, int32_t value) {
    slot(key).value = word(std::to_string(value));
}

void PropertyBag::WriteProperty(std::string_view key, uint32_t value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X", static_cast<unsigned>(value));
    slot(key).value = word(buf);
}

void PropertyBag::WriteProperty(std::string_view key, double value) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    slot(key).value = word(std::string(buf, r.ptr));
}

void PropertyBag::WriteProperty(std::string_view key, const std::string& value) {
    DesignValue v;
    v.kind = DesignValue::Kind::Text;
    v.text = value;
    v.parts = {value};
    slot(key).value = std::move(v);
}

void PropertyBag::WriteProperty(std::string_view key, const StdFont& f) {
    DesignValue v;
    v.kind = DesignValue::Kind::Text;
    v.text = f.Name;
    char size[32];
    auto r = std::to_chars(size, size + sizeof size, f.Size);
    v.parts = {f.Name, std::string(size, r.ptr), boolWord(f.Bold), boolWord(f.Italic), boolWord(f.Underline),
               boolWord(f.Strikethrough)};
    slot(key).value = std::move(v);
}

void PropertyBag::WriteProperty(std::string_view key, const PictureRef& value) {
    Item& it = slot(key);
    it.value = DesignValue{};
    it.value.kind = DesignValue::Kind::Text;
    it.picture = value;
    it.hasPicture = true;
}

bool PropertyBag::readBool(const Item& it) { return it.value.asBool(); }

int32_t PropertyBag::readLong(const Item& it) {
    const DesignValue& v = it.value;
    if (v.kind == DesignValue::Kind::Word) {
        if (base::equalsNoCase(v.text, "True")) return -1;
        if (base::equalsNoCase(v.text, "False")) return 0;
    }
    return v.asLong();
}

int16_t PropertyBag::narrowInteger(int32_t v, const Item& it) {
    if (v < -32768 || v > 32767) throw DesignError(it.value.line, it.key + ": number out of range");
    return static_cast<int16_t>(v);
}

double PropertyBag::readNumber(const Item& it) { return it.value.asNumber(); }

std::string PropertyBag::readText(const Item& it) {
    // A bare number or word reads as its text, as a number read into a text does.
    if (it.hasPicture) throw DesignError(it.value.line, it.key + " holds a picture, not a text");
    return it.value.asText();
}

StdFont PropertyBag::readFont(const Item& it, const StdFont& base) {
    const DesignValue& v = it.value;
    if (v.kind != DesignValue::Kind::Text) throw DesignError(v.line, it.key + ": a font starts with its quoted name");
    StdFont f = base;
    f.Name = v.text;
    auto flag = [&](size_t i, bool& out) {
        if (i >= v.parts.size()) return;
        DesignValue p = word(v.parts[i]);
        p.line = v.line;
        out = p.asBool();
    };
    if (v.parts.size() > 1) {
        DesignValue p = word(v.parts[1]);
        p.line = v.line;
        f.Size = p.asNumber();
        if (f.Size <= 0) throw DesignError(v.line, it.key + ": a font size must be above 0");
    }
    flag(2, f.Bold);
    flag(3, f.Italic);
    flag(4, f.Underline);
    flag(5, f.Strikethrough);
    return f;
}

PictureRef PropertyBag::readPicture(const Item& it) {
    if (it.hasPicture) return it.picture;
    return loadDesignPicture(it.value);
}

}  // namespace qv::forms
