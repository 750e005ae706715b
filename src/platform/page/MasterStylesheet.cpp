#include "platform/page/MasterStylesheet.h"

namespace tavra {

const char* pageMasterStylesheet() {
  return R"CSS(
html { display: block; }
head, script, style, title, meta, link, base, noscript, template, xml, param, area, map { display: none; }
body { display: block; margin: 8px; }

/* The engine tries every selector on every element and parses a rule's text again for each
   element it matches: each common element has one rule holding all its defaults. Pages that
   authors put beside the course may be HTML5: its sections are blocks too. */
div, dt, legend, article, aside, details, dialog, figcaption, figure, footer, header, main, nav, section, summary { display: block; }

p { display: block; margin-top: 1em; margin-bottom: 1em; }
blockquote { display: block; margin: 1em 40px; }
address { display: block; font-style: italic; }
center { display: block; text-align: center; }
dl { display: block; margin-top: 1em; margin-bottom: 1em; }
dd { display: block; margin-left: 40px; }
form { display: block; margin-bottom: 1em; }

h1 { display: block; font-size: 2em; font-weight: bold; margin-top: 0.67em; margin-bottom: 0.67em; }
h2 { display: block; font-size: 1.5em; font-weight: bold; margin-top: 0.83em; margin-bottom: 0.83em; }
h3 { display: block; font-size: 1.17em; font-weight: bold; margin-top: 1em; margin-bottom: 1em; }
h4 { display: block; font-size: 1em; font-weight: bold; margin-top: 1.33em; margin-bottom: 1.33em; }
h5 { display: block; font-size: 0.83em; font-weight: bold; margin-top: 1.67em; margin-bottom: 1.67em; }
h6 { display: block; font-size: 0.67em; font-weight: bold; margin-top: 2.33em; margin-bottom: 2.33em; }

ul, menu, dir { display: block; list-style-type: disc; margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ol { display: block; list-style-type: decimal; margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
li { display: list-item; }
ul ul, ol ul { margin-top: 0; margin-bottom: 0; list-style-type: circle; }
ul ol, ol ol { margin-top: 0; margin-bottom: 0; }
ul ul ul, ul ol ul, ol ul ul, ol ol ul { list-style-type: square; }

pre, listing, xmp, plaintext { display: block; white-space: pre; font-family: monospace; margin-top: 1em; margin-bottom: 1em; }
tt, code, kbd, samp { font-family: monospace; }
hr { display: block; border-style: inset; border-width: 1px; border-color: #a0a0a0; margin: 0.5em auto; color: gray; }

b, strong { font-weight: bold; }
i, em, cite, var, dfn { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
small { font-size: 13px; }
big { font-size: 19px; }
/* Subscripts and superscripts one size smaller (a browser's "smaller"), shifted by a fifth and
   a third of the parent's size plus a pixel. The layout engine shifts neither by vertical-align
   nor lets the line grow for them: they move by relative positioning, and the preprocessor's
   glue around them (an inline block) carries padding of the same amount, so the line makes
   room as a browser's does. */
sub { font-size: 0.833em; position: relative; top: 0.31em; }
sup { font-size: 0.833em; position: relative; top: -0.47em; }
/* A script inside a script: the engine does not add the outer shift to the inner one, so the
   inner one carries both (the outer shift measured in the inner, smaller font). */
sup sup { top: -1.03em; }
sup sub { top: -0.25em; }
sub sub { top: 0.68em; }
sub sup { top: -0.1em; }
/* The engine inherits vertical-align: the glue states its own. */
glue { display: inline-block; vertical-align: baseline; }
glue-sub { display: inline-block; vertical-align: baseline; padding-bottom: 0.3em; }
glue-sup { display: inline-block; vertical-align: baseline; padding-top: 0.41em; }
glue-subsup { display: inline-block; vertical-align: baseline; padding-top: 0.41em; padding-bottom: 0.3em; }
nobr { white-space: nowrap; }
br { display: inline-block; }

a:link { color: #0000ee; text-decoration: underline; cursor: pointer; }
a:visited { color: #551a8b; text-decoration: underline; cursor: pointer; }

img { display: inline-block; }

table { display: table; border-collapse: separate; border-spacing: 2px; }
table[border] { border-style: outset; border-width: 1px; border-color: #808080; }
table[border] > tr > td, table[border] > tr > th, table[border] > * > tr > td, table[border] > * > tr > th {
  border-style: inset; border-width: 1px; border-color: #808080; }
table[border="0"], table[border="0"] > tr > td, table[border="0"] > tr > th, table[border="0"] > * > tr > td,
table[border="0"] > * > tr > th { border-width: 0; }
table[align=left] { float: left; }
table[align=right] { float: right; }
table[align=center] { margin-left: auto; margin-right: auto; }
caption { display: table-caption; text-align: center; }
colgroup { display: table-column-group; }
col { display: table-column; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { font-weight: bold; text-align: center; }
td[nowrap], th[nowrap] { white-space: nowrap; }

input, select, textarea, button { display: inline-block; }
fieldset { display: block; margin-left: 2px; margin-right: 2px; padding: 0.35em 0.75em 0.625em; border: 2px groove #c0c0c0; }
)CSS";
}

}  // namespace tavra
