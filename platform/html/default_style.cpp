#include "platform/html/default_style.h"

namespace qv::html {

const char* defaultStyleSheet() {
    return R"css(
html { display: block; background-color: #FFFFFF; color: #000000; }
head, title, meta, link, style, script, base, noscript, template { display: none; }
body { display: block; margin: 8px; font-family: sans-serif; font-size: 16px; line-height: normal; }

div, section, article, header, footer, nav, main, aside, address, form, fieldset,
figure, figcaption, center, dl, dt, dd, blockquote, pre, p, ul, ol, menu,
h1, h2, h3, h4, h5, h6, hr { display: block; }

p, dl, pre, blockquote, figure { margin-top: 1em; margin-bottom: 1em; }
blockquote, figure { margin-left: 40px; margin-right: 40px; }
dd { margin-left: 40px; }
center { text-align: center; }
address { font-style: italic; }

h1 { font-size: 2em; margin-top: 0.67em; margin-bottom: 0.67em; font-weight: bold; }
h2 { font-size: 1.5em; margin-top: 0.83em; margin-bottom: 0.83em; font-weight: bold; }
h3 { font-size: 1.17em; margin-top: 1em; margin-bottom: 1em; font-weight: bold; }
h4 { margin-top: 1.33em; margin-bottom: 1.33em; font-weight: bold; }
h5 { font-size: 0.83em; margin-top: 1.67em; margin-bottom: 1.67em; font-weight: bold; }
h6 { font-size: 0.67em; margin-top: 2.33em; margin-bottom: 2.33em; font-weight: bold; }

b, strong, th { font-weight: bold; }
i, em, cite, var, dfn { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
small { font-size: smaller; }
big { font-size: larger; }
sub { vertical-align: sub; font-size: smaller; }
sup { vertical-align: super; font-size: smaller; }
code, kbd, samp, tt, pre { font-family: monospace; }
pre { white-space: pre; }
nobr { white-space: nowrap; }

a:link, a[href] { color: #0000EE; text-decoration: underline; cursor: pointer; }

ul, ol, menu { margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ul, menu { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul, ol ul { list-style-type: circle; margin-top: 0; margin-bottom: 0; }
ul ol, ol ol { margin-top: 0; margin-bottom: 0; }
li { display: list-item; }

table { display: table; border-collapse: separate; border-spacing: 2px; }
caption { display: table-caption; text-align: center; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
col { display: table-column; }
colgroup { display: table-column-group; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { text-align: center; }

hr { border-style: inset; border-width: 1px; border-color: #A0A0A0; margin-top: 0.5em; margin-bottom: 0.5em; }
br { display: block; }
img { display: inline-block; }
)css";
}

}  // namespace qv::html
