#pragma once
// Form designs: the designer values of a form and its controls, authored as text files in the
// repository and read when a form loads.
//
//   # a comment
//   form frmTest
//     Caption = "Test form"
//     Width = 4800
//   control CheckBox chkAct(0)
//     Container = Frame1
//     Caption = "Active \"filter\""
//     Value = 1
//   control PictureBox PicHiddenData
//     Data = hex:30000000 01000000
//
// A value is a quoted text (escapes \\ \" \n \r \t \xHH for any byte), a bare word or number
// (True, False, 120, &HC0C0C0, -1), or hex: followed by bytes in hexadecimal (blanks allowed).
// A key may repeat: list-like properties (List, Column, Tab, Item) take every value in order.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv::forms {

class DesignError : public std::runtime_error {
public:
    DesignError(int line, const std::string& what);
    int line() const { return line_; }

private:
    int line_;
};

struct DesignValue {
    enum class Kind { Text, Word, Bytes };
    Kind kind = Kind::Word;
    std::string text;            // the text, the bare word, or the bytes
    std::vector<std::string> parts;  // the comma-separated pieces of a list value (Column = "A", 1200)
    int line = 0;

    // Conversions; each throws DesignError for a value of the wrong form.
    std::string asText() const;
    int32_t asLong() const;
    double asNumber() const;
    bool asBool() const;  // True/False, or a number (non-zero is true)
    std::vector<uint8_t> asBytes() const;
};

struct DesignProperty {
    std::string key;
    DesignValue value;
};

struct DesignEntry {
    std::string kind;  // "form" for the form itself, else the control kind
    std::string name;
    int index = -1;    // a control-array element's index
    int line = 0;
    std::vector<DesignProperty> properties;

    // The last value of a key (keys compare without regard to case), or nothing.
    const DesignValue* find(std::string_view key) const;
};

struct Design {
    DesignEntry form;
    std::vector<DesignEntry> controls;
};

Design parseDesign(std::string_view text);
// Reads and parses a design file; throws DesignError (line 0) when it cannot be read.
Design loadDesign(const std::string& path);

// Writes a text value in the design's quoted form (the inverse of the reader).
std::string quoteDesignText(std::string_view s);

}  // namespace qv::forms
