#pragma once
// RichTextBox: a multi-line text box, as the program uses it for plain text: Text with Change,
// the selection (SelStart, SelLength, SelText) and appending by placing the caret at the end
// and setting SelText. Reading and editing work as in TextBox.
#include <string>
#include <vector>

#include "platform/forms/intrinsic/text_box.h"

namespace qv::forms {

class RichTextBox : public TextBox {
public:
    RichTextBox(Form& f, std::string name, int index = -1) : TextBox(f, std::move(name), index) {
        MultiLine(true);
        Width(2400);
        Height(1800);
    }
    std::string_view kind() const override { return "RichTextBox"; }

    // Adds text at the end, the caret after it (SelStart := Len(Text); SelText := s).
    void append(const std::string& s) {
        SelStart(static_cast<int>(Text().size()));
        SelText(s);
    }
    // The text's lines, split at CR LF, CR or LF (for drawing).
    std::vector<std::string> lines() const;
};

}  // namespace qv::forms
