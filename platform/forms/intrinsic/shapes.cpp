#include "platform/forms/intrinsic/shapes.h"

#include "platform/base/text.h"

namespace qv::forms {

using base::equalsNoCase;

bool Frame::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "Caption")) Caption(v.asText());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

bool Image::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "Picture")) Picture(loadDesignPicture(v));
    else if (equalsNoCase(key, "Stretch")) Stretch(v.asBool());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

bool Shape::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "Shape")) Style(v.asLong());
    else if (equalsNoCase(key, "BackStyle")) BackStyle(v.asLong());
    else if (equalsNoCase(key, "FillColor")) FillColor(static_cast<OleColor>(v.asLong()));
    else if (equalsNoCase(key, "FillStyle")) FillStyle(v.asLong());
    else if (equalsNoCase(key, "BorderColor")) BorderColor(static_cast<OleColor>(v.asLong()));
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else if (equalsNoCase(key, "BorderWidth")) BorderWidth(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

bool Line::applyDesign(const std::string& key, const DesignValue& v) {
    if (equalsNoCase(key, "X1")) X1(v.asLong());
    else if (equalsNoCase(key, "Y1")) Y1(v.asLong());
    else if (equalsNoCase(key, "X2")) X2(v.asLong());
    else if (equalsNoCase(key, "Y2")) Y2(v.asLong());
    else if (equalsNoCase(key, "BorderColor")) BorderColor(static_cast<OleColor>(v.asLong()));
    else if (equalsNoCase(key, "BorderWidth")) BorderWidth(v.asLong());
    else if (equalsNoCase(key, "BorderStyle")) BorderStyle(v.asLong());
    else return Control::applyDesign(key, v);
    return true;
}

}  // namespace qv::forms
