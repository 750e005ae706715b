#include "platform/page/PageSearch.h"

#include "base/Text.h"

namespace tavra {

std::string PageSearch::fold(std::string_view text) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c + ('a' - 'A'));
      continue;
    }
    if ((c != 0xD0 && c != 0xD1) || i + 1 >= out.size()) continue;
    unsigned code = ((c & 0x1F) << 6) | (static_cast<unsigned char>(out[i + 1]) & 0x3F);
    if (code >= 0x410 && code <= 0x42F) code += 0x20;       // А..Я → а..я
    else if (code >= 0x400 && code <= 0x40F) code += 0x50;  // Ѐ..Џ → ѐ..џ
    if (code == 0x451) code = 0x435;                        // ё → е
    out[i] = static_cast<char>(0xC0 | (code >> 6));
    out[i + 1] = static_cast<char>(0x80 | (code & 0x3F));
    ++i;
  }
  return out;
}

std::vector<PageSearch::Match> PageSearch::find(const PageText& text, std::string_view query) {
  // The query: folded, its white space runs as single spaces, trimmed.
  std::string needle;
  for (char c : fold(trimmed(query))) {
    bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
    if (blank && !needle.empty() && needle.back() == ' ') continue;
    needle.push_back(blank ? ' ' : c);
  }
  std::vector<Match> matches;
  if (needle.empty()) return matches;

  // The page's text in reading order, a space between words, with each byte's run and offset.
  struct Origin {
    int run;
    size_t offset;
  };
  std::string haystack;
  std::vector<Origin> origins;
  const auto& runs = text.runs();
  for (size_t r = 0; r < runs.size(); ++r) {
    const PageText::Run& run = runs[r];
    bool blankRun = trimmed(run.text).empty();
    if (r > 0 && (!run.separator.empty() || blankRun) && (haystack.empty() || haystack.back() != ' ')) {
      haystack.push_back(' ');
      origins.push_back({-1, 0});
    }
    if (blankRun) continue;
    std::string folded = fold(run.text);
    for (size_t k = 0; k < folded.size(); ++k) {
      haystack.push_back(folded[k] == '\n' || folded[k] == '\t' ? ' ' : folded[k]);
      origins.push_back({static_cast<int>(r), k});
    }
  }

  for (size_t at = haystack.find(needle); at != std::string::npos && matches.size() < kMaxMatches;
       at = haystack.find(needle, at + needle.size())) {
    Match match;
    for (size_t k = at; k < at + needle.size(); ++k) {
      const Origin& o = origins[k];
      if (o.run < 0) continue;
      if (!match.pieces.empty() && match.pieces.back().run == o.run && match.pieces.back().to == o.offset) {
        ++match.pieces.back().to;
      } else {
        match.pieces.push_back({o.run, o.offset, o.offset + 1});
      }
    }
    if (!match.pieces.empty()) matches.push_back(std::move(match));
  }
  return matches;
}

}  // namespace tavra
