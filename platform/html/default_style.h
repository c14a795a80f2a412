#pragma once
// The style every page starts from: how each element displays before the page's own styles
// (blocks, lists, tables, headings, links), in the look of a plain desktop browser.
namespace qv::html {

const char* defaultStyleSheet();

}  // namespace qv::html
