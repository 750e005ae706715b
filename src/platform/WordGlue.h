#pragma once
// Keeps a word whole when its pieces differ in style. The layout engine may break a line
// between any two pieces of text, even with no space between them, so "f<sub>1</sub>" could end
// one line with "f" and start the next with "1", and "<i>a</i>." leave the full stop alone on a
// line. Every run of text and inline tags with no white space in it that holds a <sub> or <sup>,
// or text on both sides of a tag, is wrapped in a <tavra-glue> element, which the master style
// sheet lays out as one inline block. The wrapper's name says which scripts it holds
// (<tavra-glue-sub>, <tavra-glue-sup>, <tavra-glue-subsup>) and it makes room for them in the line.
#include <string>
#include <string_view>

namespace tavra {

// The element name the wrapper uses, with "-sub", "-sup" or "-subsup" added when it holds
// scripts (styled by the master style sheet).
inline constexpr std::string_view kWordGlueTag = "tavra-glue";

std::string glueWords(std::string_view html);

}  // namespace tavra
