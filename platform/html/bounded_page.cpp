#include "platform/html/bounded_page.h"

#include <gumbo.h>

#include <memory>

namespace qv::html {
namespace {

bool isVoid(GumboTag t) {
    switch (t) {
        case GUMBO_TAG_AREA: case GUMBO_TAG_BASE: case GUMBO_TAG_BR: case GUMBO_TAG_COL:
        case GUMBO_TAG_EMBED: case GUMBO_TAG_HR: case GUMBO_TAG_IMG: case GUMBO_TAG_INPUT:
        case GUMBO_TAG_KEYGEN: case GUMBO_TAG_LINK: case GUMBO_TAG_META: case GUMBO_TAG_PARAM:
        case GUMBO_TAG_SOURCE: case GUMBO_TAG_TRACK: case GUMBO_TAG_WBR:
            return true;
        default:
            return false;
    }
}

// Elements whose content is never shown: scripts run nowhere here, frames and objects would
// need pages or programs of their own.
bool isDropped(GumboTag t) {
    switch (t) {
        case GUMBO_TAG_SCRIPT: case GUMBO_TAG_NOSCRIPT: case GUMBO_TAG_TEMPLATE: case GUMBO_TAG_IFRAME:
        case GUMBO_TAG_OBJECT: case GUMBO_TAG_APPLET: case GUMBO_TAG_FRAMESET: case GUMBO_TAG_FRAME:
        case GUMBO_TAG_NOFRAMES: case GUMBO_TAG_SVG: case GUMBO_TAG_MATH:
            return true;
        default:
            return false;
    }
}

void escaped(std::string& out, const char* text, bool attribute) {
    for (const char* p = text; *p; ++p) {
        switch (*p) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += attribute ? "&quot;" : "\""; break;
            default: out += *p;
        }
    }
}

class Writer {
public:
    std::string out;

    void node(const GumboNode* n, int depth, int tables, bool raw) {
        switch (n->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_CDATA:
            case GUMBO_NODE_WHITESPACE:
                if (raw) out += n->v.text.text;
                else escaped(out, n->v.text.text, false);
                return;
            case GUMBO_NODE_ELEMENT:
                element(n->v.element, depth, tables);
                return;
            default:  // comments, templates
                return;
        }
    }

private:
    void element(const GumboElement& e, int depth, int tables) {
        if (e.tag_namespace != GUMBO_NAMESPACE_HTML || isDropped(e.tag)) return;
        const bool table = e.tag == GUMBO_TAG_TABLE;
        if (depth >= kMaxNesting || (table && tables >= kMaxTableNesting) || elements_ >= kMaxElements) return;
        ++elements_;
        // Tags the parser does not know (custom elements) leave their content in place.
        const bool known = e.tag != GUMBO_TAG_UNKNOWN;
        const char* name = gumbo_normalized_tagname(e.tag);
        if (known) {
            out += '<';
            out += name;
            for (unsigned i = 0; i < e.attributes.length; ++i) {
                const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
                out += ' ';
                out += a->name;
                out += "=\"";
                escaped(out, a->value, true);
                out += '"';
            }
            out += '>';
            if (isVoid(e.tag)) return;
            // The parser drops a line break that opens a pre block; keep the one the text has.
            if (e.tag == GUMBO_TAG_PRE || e.tag == GUMBO_TAG_TEXTAREA || e.tag == GUMBO_TAG_LISTING) out += '\n';
        }
        const bool raw = e.tag == GUMBO_TAG_STYLE;
        for (unsigned i = 0; i < e.children.length; ++i)
            node(static_cast<const GumboNode*>(e.children.data[i]), depth + 1, tables + (table ? 1 : 0), raw);
        if (!known) return;
        out += "</";
        out += name;
        out += '>';
    }

    int elements_ = 0;
};

// The text up to the start tag after which no element can be kept any more, so that the
// parser (whose cost grows with the square of the nesting, too) never reads far past it.
std::string_view upToTagBudget(std::string_view text) {
    int tags = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (text[i] == '<' && ((next | 0x20) >= 'a' && (next | 0x20) <= 'z') && ++tags > 2 * kMaxElements)
            return text.substr(0, i);
    }
    return text;
}

}  // namespace

std::string boundedPage(std::string_view utf8) {
    utf8 = upToTagBudget(utf8.substr(0, kMaxPageBytes));
    std::unique_ptr<GumboOutput, void (*)(GumboOutput*)> parsed(
        gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size()),
        [](GumboOutput* o) { gumbo_destroy_output(&kGumboDefaultOptions, o); });
    Writer w;
    if (parsed && parsed->root) w.node(parsed->root, 0, 0, false);
    return w.out;
}

}  // namespace qv::html
