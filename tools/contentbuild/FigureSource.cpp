#include "contentbuild/FigureSource.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tavra::content {
namespace {

constexpr std::size_t kMaxItems = 200;
constexpr std::size_t kMaxCoordinates = 400;

struct Token {
  std::string text;
  bool quoted = false;
  std::string key;  // for key=value tokens
};

Result<std::vector<Token>> tokenize(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < line.size()) {
    if (std::isspace(static_cast<unsigned char>(line[i]))) { ++i; continue; }
    if (line[i] == '#') break;
    Token token;
    // key=value or key="quoted value"
    std::size_t start = i;
    while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])) && line[i] != '"' &&
           line[i] != '=') {
      ++i;
    }
    if (i < line.size() && line[i] == '=' && i > start) {
      token.key = std::string(line.substr(start, i - start));
      ++i;
      start = i;
    } else {
      i = start;
    }
    if (i < line.size() && line[i] == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) return Error{"unterminated quoted text"};
      token.text = std::string(line.substr(i + 1, close - i - 1));
      token.quoted = true;
      i = close + 1;
    } else {
      while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
      token.text = std::string(line.substr(start, i - start));
    }
    tokens.push_back(std::move(token));
  }
  return tokens;
}

std::optional<double> toNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(v)) {
    // Allow expressions such as pi/2 where a number is expected.
    auto e = Expression::parse(text);
    if (!e) return std::nullopt;
    const double value = e->evaluate({});
    if (!std::isfinite(value)) return std::nullopt;
    return value;
  }
  return v;
}

std::optional<FigureColor> toColor(const std::string& text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  FigureColor c;
  double* parts[] = {&c.r, &c.g, &c.b};
  for (int k = 0; k < 3; ++k) {
    const std::string hex = text.substr(1 + 2 * k, 2);
    if (!std::isxdigit(static_cast<unsigned char>(hex[0])) || !std::isxdigit(static_cast<unsigned char>(hex[1]))) {
      return std::nullopt;
    }
    *parts[k] = std::strtol(hex.c_str(), nullptr, 16) / 255.0;
  }
  return c;
}

class SpecParser {
 public:
  Result<FigureSource> run(std::string_view text) {
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      ++lineNumber_;
      std::string_view line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      auto tokens = tokenize(line);
      if (!tokens) return fail(tokens.error());
      if (!tokens->empty()) {
        if (auto error = command(*tokens)) return fail(*error);
      }
      start = end + 1;
    }
    if (!(spec_.x.max > spec_.x.min) || !(spec_.y.max > spec_.y.min)) {
      return Error{"figure: the axis ranges must be given as min < max"};
    }
    return spec_;
  }

 private:
  Error fail(const std::string& what) const {
    return Error{"figure line " + std::to_string(lineNumber_) + ": " + what};
  }

  std::optional<std::string> command(const std::vector<Token>& t) {
    const std::string& name = t[0].text;
    if (name == "size") return size(t);
    if (name == "x") return axis(t, spec_.x);
    if (name == "y") return axis(t, spec_.y);
    if (name == "xticks") return ticks(t, spec_.x);
    if (name == "yticks") return ticks(t, spec_.y);
    if (name == "grid") { spec_.grid = true; return std::nullopt; }
    if (name == "equal") { spec_.equalScale = true; return std::nullopt; }
    if (name == "noaxes") { spec_.axes = false; return std::nullopt; }
    if (name == "map") return map(t);
    if (spec_.items.size() >= kMaxItems) return "more than 200 items";
    if (name == "plot") return item(t, FigureShape::Plot, 1, 0);
    if (name == "curve") return item(t, FigureShape::Curve, 2, 0);
    if (name == "line") return item(t, FigureShape::Line, 0, 4);
    if (name == "arrow") return item(t, FigureShape::Arrow, 0, 4);
    if (name == "polygon") return item(t, FigureShape::Polygon, 0, -1);
    if (name == "point") return item(t, FigureShape::Point, 0, 2);
    if (name == "text") return item(t, FigureShape::Text, 0, 2);
    return "unknown command \"" + name + "\"";
  }

  std::optional<std::string> size(const std::vector<Token>& t) {
    if (t.size() != 3) return "size needs width and height";
    auto w = toNumber(t[1].text), h = toNumber(t[2].text);
    if (!w || !h || *w < 50 || *h < 50 || *w > 2000 || *h > 2000) return "size must be 50 to 2000 pixels";
    spec_.width = static_cast<int>(*w);
    spec_.height = static_cast<int>(*h);
    return std::nullopt;
  }

  std::optional<std::string> axis(const std::vector<Token>& t, FigureAxis& a) {
    if (t.size() < 3 || t.size() > 4) return t[0].text + " needs min, max and an optional label";
    auto lo = toNumber(t[1].text), hi = toNumber(t[2].text);
    if (!lo || !hi || !(*hi > *lo)) return t[0].text + ": bad range";
    a.min = *lo;
    a.max = *hi;
    if (t.size() == 4) a.label = t[3].text;
    return std::nullopt;
  }

  std::optional<std::string> ticks(const std::vector<Token>& t, FigureAxis& a) {
    if (t.size() == 2) {
      auto step = toNumber(t[1].text);
      if (!step || *step <= 0) return "tick step must be positive";
      if ((a.max - a.min) / *step > 100) return "more than 100 ticks";
      a.tickStep = *step;
      return std::nullopt;
    }
    if (t.size() < 3 || (t.size() - 1) % 2 != 0) return "ticks: a step, or pairs of position and \"label\"";
    for (std::size_t i = 1; i + 1 < t.size(); i += 2) {
      auto at = toNumber(t[i].text);
      if (!at || !t[i + 1].quoted) return "ticks: a position and a quoted label expected";
      a.ticks.emplace_back(*at, t[i + 1].text);
    }
    return std::nullopt;
  }

  std::optional<std::string> map(const std::vector<Token>& t) {
    if (t.size() < 2 || !t[1].quoted) return "map needs a quoted expression";
    auto e = Expression::parse(t[1].text);
    if (!e) return e.error();
    spec_.map.expression = *e;
    for (std::size_t i = 2; i < t.size(); ++i) {
      if (t[i].text == "disk") spec_.map.disk = true;
      else return "map: unknown option \"" + t[i].text + "\"";
    }
    return std::nullopt;
  }

  // expressionCount quoted expressions, then coordinateCount numbers (-1: any even count >= 6),
  // then key=value options.
  std::optional<std::string> item(const std::vector<Token>& t, FigureShape shape, std::size_t expressionCount,
                                  int coordinateCount) {
    FigureItem item;
    item.shape = shape;
    item.line = lineNumber_;
    std::size_t i = 1;
    for (; i < t.size() && item.expressions.size() < expressionCount; ++i) {
      if (!t[i].quoted || !t[i].key.empty()) return t[0].text + ": a quoted expression expected";
      auto e = Expression::parse(t[i].text);
      if (!e) return e.error();
      item.expressions.push_back(*e);
    }
    if (item.expressions.size() != expressionCount) return t[0].text + ": missing expression";
    if (shape == FigureShape::Text) {
      // text x y "label"
      for (; i < t.size() && t[i].key.empty() && !t[i].quoted; ++i) {
        auto v = toNumber(t[i].text);
        if (!v) return "bad number \"" + t[i].text + "\"";
        item.coordinates.push_back(*v);
      }
      if (i >= t.size() || !t[i].quoted) return "text needs x, y and a quoted text";
      item.label = t[i++].text;
    } else {
      for (; i < t.size() && t[i].key.empty() && !t[i].quoted && t[i].text != "dash"; ++i) {
        if (item.coordinates.size() >= kMaxCoordinates) return "too many coordinates";
        auto v = toNumber(t[i].text);
        if (!v) return "bad number \"" + t[i].text + "\"";
        item.coordinates.push_back(*v);
      }
    }
    const std::size_t n = item.coordinates.size();
    if (coordinateCount >= 0 && n != static_cast<std::size_t>(coordinateCount)) {
      return t[0].text + " needs " + std::to_string(coordinateCount) + " numbers";
    }
    if (coordinateCount < 0 && (n < 6 || n % 2 != 0)) return "polygon needs at least three points";
    for (; i < t.size(); ++i) {
      if (auto error = option(t[i], item)) return error;
    }
    spec_.items.push_back(std::move(item));
    return std::nullopt;
  }

  std::optional<std::string> option(const Token& token, FigureItem& item) {
    const std::string& key = token.key;
    const std::string& value = token.text;
    if (key.empty()) {
      if (value == "dash") { item.dashed = true; return std::nullopt; }
      return "unexpected \"" + value + "\"";
    }
    if (key == "label") { item.label = value; return std::nullopt; }
    if (key == "anchor") {
      static const char* kAnchors[] = {"c", "n", "s", "e", "w", "ne", "nw", "se", "sw"};
      for (const char* a : kAnchors) {
        if (value == a) { item.anchor = value; return std::nullopt; }
      }
      return "anchor must be one of c n s e w ne nw se sw";
    }
    if (key == "color" || key == "fill") {
      auto c = toColor(value);
      if (!c) return key + " must be #rrggbb";
      (key == "color" ? item.color : item.fill) = c;
      return std::nullopt;
    }
    auto number = toNumber(value);
    if (!number) return key + ": a number expected";
    if (key == "from") item.from = number;
    else if (key == "to") item.to = number;
    else if (key == "at") item.labelAt = number;
    else if (key == "width") {
      if (*number <= 0 || *number > 20) return "width must be 0 to 20";
      item.width = *number;
    } else {
      item.variables[key] = *number;
    }
    return std::nullopt;
  }

  FigureSource spec_;
  int lineNumber_ = 0;
};

}  // namespace

Result<FigureSource> FigureSource::parse(std::string_view text) {
  if (text.size() > 256 * 1024) return Error{"figure file larger than 256 KB"};
  return SpecParser().run(text);
}

}  // namespace tavra::content
