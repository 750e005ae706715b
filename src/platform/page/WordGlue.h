#pragma once
// Keeps a word whole when its pieces differ in style. The layout engine may break a line
// between any two pieces of text, even with no space between them, so "f<sub>1</sub>" could end
// one line with "f" and start the next with "1", and "<i>a</i>." leave the full stop alone on a
// line. Every run of text and inline tags with no white space in it that holds a <sub> or <sup>,
// or text on both sides of a tag, is wrapped in a <glue> element, which the master style
// sheet lays out as one inline block. The wrapper's name says which scripts it holds
// (<glue-sub>, <glue-sup>, <glue-subsup>) and it makes room for them in the line.
#include <string>
#include <string_view>

namespace tavra {

// The element name the wrapper uses, with "-sub", "-sup" or "-subsup" added when it holds
// scripts (styled by the master style sheet). Short: the HTML parser's time grows with every
// character of the page.
inline constexpr std::string_view kWordGlueTag = "glue";

std::string glueWords(std::string_view html);

}  // namespace tavra
