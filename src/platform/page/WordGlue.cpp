#include "platform/page/WordGlue.h"

#include <cctype>
#include <optional>
#include <vector>

namespace tavra {
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// Inline elements a cluster may run through; any other tag ends it.
bool isGluable(std::string_view name) {
  static constexpr std::string_view kInline[] = {"i", "b", "em", "strong", "sub", "sup", "span", "font", "a", "u", "s",
                                                 "small", "big", "tt", "code", "var", "cite", "dfn", "strike", "nobr"};
  for (std::string_view n : kInline) {
    if (n == name) return true;
  }
  return false;
}

struct Tag {
  std::string name;  // lower case
  bool closing = false;
  size_t end = 0;  // just after '>'
};

// The tag at `pos` (html[pos] == '<'), or an empty name when it is not a tag.
Tag readTag(std::string_view html, size_t pos) {
  Tag tag;
  size_t i = pos + 1;
  if (i < html.size() && html[i] == '/') {
    tag.closing = true;
    ++i;
  }
  while (i < html.size() && (std::isalnum(static_cast<unsigned char>(html[i])) || html[i] == '-' || html[i] == ':')) {
    tag.name.push_back(lower(html[i++]));
  }
  char quote = 0;
  for (; i < html.size(); ++i) {
    if (quote) {
      if (html[i] == quote) quote = 0;
    } else if (html[i] == '"' || html[i] == '\'') {
      quote = html[i];
    } else if (html[i] == '>') {
      break;
    }
  }
  tag.end = i < html.size() ? i + 1 : html.size();
  return tag;
}

constexpr unsigned kSub = 1;
constexpr unsigned kSup = 2;

struct GlueSpan {
  size_t from = 0;
  size_t to = 0;
  unsigned scripts = 0;  // kSub, kSup
};

// The run of text and inline tags being read, with what its balanced prefix holds.
class Cluster {
 public:
  void start(size_t at) {
    *this = Cluster();
    open_ = true;
    start_ = at;
  }
  bool open() const { return open_; }
  void text(size_t end) {
    if (!open_) return;
    if (!inText_) ++pieces_;
    inText_ = true;
    balance(end);
  }
  void openTag(std::string_view name, size_t end) {
    inText_ = false;
    if (name == "sub") scripts_ |= kSub;
    if (name == "sup") scripts_ |= kSup;
    stack_.emplace_back(name);
    balance(end);
  }
  // False when the tag closes an element opened before the cluster.
  bool closeTag(std::string_view name, size_t end) {
    inText_ = false;
    if (stack_.empty() || stack_.back() != name) return false;
    stack_.pop_back();
    balance(end);
    return true;
  }
  // The part worth gluing, if any: from the start to the last point where every tag it opened
  // was closed again, holding a script or text on both sides of a tag.
  std::optional<GlueSpan> finish() {
    open_ = false;
    if (balancedEnd_ > start_ && (balancedScripts_ != 0 || balancedPieces_ >= 2)) return GlueSpan{start_, balancedEnd_, balancedScripts_};
    return std::nullopt;
  }

 private:
  void balance(size_t end) {
    if (!stack_.empty()) return;
    balancedEnd_ = end;
    balancedScripts_ = scripts_;
    balancedPieces_ = pieces_;
  }

  bool open_ = false;
  unsigned scripts_ = 0;
  bool inText_ = false;
  int pieces_ = 0;
  size_t start_ = 0;
  size_t balancedEnd_ = 0;
  unsigned balancedScripts_ = 0;
  int balancedPieces_ = 0;
  std::vector<std::string> stack_;
};

}  // namespace

std::string glueWords(std::string_view html) {
  std::vector<GlueSpan> spans;
  Cluster cluster;
  auto finish = [&] {
    if (!cluster.open()) return;
    if (auto span = cluster.finish()) spans.push_back(*span);
  };
  size_t i = 0;
  while (i < html.size()) {
    char c = html[i];
    if (c != '<') {
      if (isSpace(c)) {
        finish();
        ++i;
        continue;
      }
      // A run of text up to the next space or tag is one piece.
      size_t end = i + 1;
      while (end < html.size() && html[end] != '<' && !isSpace(html[end])) ++end;
      if (!cluster.open()) cluster.start(i);
      cluster.text(end);
      i = end;
      continue;
    }
    if (html.compare(i, 4, "<!--") == 0) {
      finish();
      size_t end = html.find("-->", i + 4);
      i = end == std::string_view::npos ? html.size() : end + 3;
      continue;
    }
    Tag tag = readTag(html, i);
    if (tag.name.empty()) {
      // A lone '<' is text.
      if (!cluster.open()) cluster.start(i);
      cluster.text(i + 1);
      ++i;
      continue;
    }
    if (!tag.closing && (tag.name == "style" || tag.name == "script" || tag.name == "title" || tag.name == "textarea")) {
      finish();
      std::string closer = "</" + tag.name;
      size_t close = tag.end;
      while (close < html.size()) {
        close = html.find("</", close);
        if (close == std::string_view::npos) break;
        bool match = true;
        for (size_t k = 0; k < closer.size() && match; ++k) match = close + k < html.size() && lower(html[close + k]) == closer[k];
        if (match) break;
        close += 2;
      }
      i = close == std::string_view::npos ? html.size() : close;
      if (i == html.size()) break;
      i = readTag(html, i).end;
      continue;
    }
    bool selfClosing = tag.end >= 2 && html[tag.end - 2] == '/';
    if (!isGluable(tag.name) || selfClosing) {
      finish();
    } else if (tag.closing) {
      if (cluster.open() && !cluster.closeTag(tag.name, tag.end)) finish();
    } else {
      if (!cluster.open()) cluster.start(i);
      cluster.openTag(tag.name, tag.end);
    }
    i = tag.end;
  }
  finish();
  if (spans.empty()) return std::string(html);

  // The wrapper's name says which scripts it holds, so that one rule of the master style sheet
  // gives all of its style.
  auto name = [](unsigned scripts) {
    std::string n(kWordGlueTag);
    if (scripts == (kSub | kSup)) return n + "-subsup";
    if (scripts & kSub) return n + "-sub";
    if (scripts & kSup) return n + "-sup";
    return n;
  };
  std::string out;
  out.reserve(html.size() + spans.size() * (2 * kWordGlueTag.size() + 20));
  size_t copied = 0;
  for (const GlueSpan& span : spans) {
    const std::string tag = name(span.scripts);
    out.append(html.substr(copied, span.from - copied));
    out += '<';
    out += tag;
    out += '>';
    out.append(html.substr(span.from, span.to - span.from));
    out += "</";
    out += tag;
    out += '>';
    copied = span.to;
  }
  out.append(html.substr(copied));
  return out;
}

}  // namespace tavra
