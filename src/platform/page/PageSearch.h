#pragma once
// Finding text in a page as a reader types it: letter case is ignored (Latin and Cyrillic), Ё
// reads as Е, and any white space in the query matches the space or line end between words.
// A match may run over several runs of the page's text (a word and its subscript, two words).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/page/PageText.h"

namespace tavra {

class PageSearch {
 public:
  // A part of a match within one run: bytes [from, to) of the run's text.
  struct Piece {
    int run = 0;
    size_t from = 0;
    size_t to = 0;
  };
  struct Match {
    std::vector<Piece> pieces;
  };
  // A page has at most this many matches found (a one-letter query on a long page).
  static constexpr size_t kMaxMatches = 10000;

  // Every match of `query` in reading order; none for an empty or blank query.
  static std::vector<Match> find(const PageText& text, std::string_view query);
  // The text with its letters folded for comparison: lower case, ё as е. Every character
  // keeps its length in bytes, so offsets into the result are offsets into the text.
  static std::string fold(std::string_view text);
};

}  // namespace tavra
