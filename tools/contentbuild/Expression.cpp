#include "contentbuild/Expression.h"

#include <cctype>
#include <cmath>
#include <numbers>

namespace tavra::content {

namespace {
constexpr std::size_t kMaxLength = 1000;
constexpr int kMaxDepth = 40;
}  // namespace

struct Expression::Node {
  enum class Kind { Number, Variable, Negate, Add, Subtract, Multiply, Divide, Power, Call };
  Kind kind = Kind::Number;
  double number = 0;
  std::string name;  // variable or function
  std::vector<std::shared_ptr<const Node>> args;
};

namespace {

using Node = Expression::Node;
using NodePtr = std::shared_ptr<const Node>;

struct FunctionInfo {
  std::string_view name;
  int arity;
};
constexpr FunctionInfo kFunctions[] = {
    {"sin", 1}, {"cos", 1},  {"tan", 1}, {"exp", 1},  {"log", 1},  {"sqrt", 1},
    {"abs", 1}, {"sign", 1}, {"step", 1}, {"atan", 1}, {"sinh", 1}, {"cosh", 1},
    {"tanh", 1}, {"erf", 1}, {"min", 2}, {"max", 2},  {"J", 2},
};

const FunctionInfo* findFunction(std::string_view name) {
  for (const auto& f : kFunctions) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Result<NodePtr> parseAll() {
    auto node = parseSum(0);
    if (!node) return node;
    skipBlanks();
    if (pos_ != text_.size()) return fail("unexpected '" + std::string(1, text_[pos_]) + "'");
    return node;
  }

 private:
  Error fail(const std::string& what) const {
    return Error{"expression \"" + std::string(text_) + "\": " + what + " at position " +
                 std::to_string(pos_ + 1)};
  }

  void skipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }

  bool accept(char c) {
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }

  static NodePtr binary(Node::Kind kind, NodePtr a, NodePtr b) {
    auto n = std::make_shared<Node>();
    n->kind = kind;
    n->args = {std::move(a), std::move(b)};
    return n;
  }

  Result<NodePtr> parseSum(int depth) {
    auto left = parseProduct(depth);
    if (!left) return left;
    NodePtr acc = *left;
    for (;;) {
      Node::Kind kind;
      if (accept('+')) kind = Node::Kind::Add;
      else if (accept('-')) kind = Node::Kind::Subtract;
      else return acc;
      auto right = parseProduct(depth);
      if (!right) return right;
      acc = binary(kind, acc, *right);
    }
  }

  Result<NodePtr> parseProduct(int depth) {
    auto left = parseUnary(depth);
    if (!left) return left;
    NodePtr acc = *left;
    for (;;) {
      Node::Kind kind;
      if (accept('*')) kind = Node::Kind::Multiply;
      else if (accept('/')) kind = Node::Kind::Divide;
      else return acc;
      auto right = parseUnary(depth);
      if (!right) return right;
      acc = binary(kind, acc, *right);
    }
  }

  Result<NodePtr> parseUnary(int depth) {
    if (depth > kMaxDepth) return fail("nested too deeply");
    if (accept('-')) {
      auto operand = parseUnary(depth + 1);
      if (!operand) return operand;
      auto n = std::make_shared<Node>();
      n->kind = Node::Kind::Negate;
      n->args = {*operand};
      return NodePtr(n);
    }
    if (accept('+')) return parseUnary(depth + 1);
    return parsePower(depth);
  }

  // '^' binds tighter than unary minus on its left and is right-associative: -x^2 = -(x^2).
  Result<NodePtr> parsePower(int depth) {
    auto base = parsePrimary(depth);
    if (!base) return base;
    if (!accept('^')) return base;
    auto exponent = parseUnary(depth + 1);
    if (!exponent) return exponent;
    return binary(Node::Kind::Power, *base, *exponent);
  }

  Result<NodePtr> parsePrimary(int depth) {
    skipBlanks();
    if (pos_ >= text_.size()) return fail("unexpected end");
    const char c = text_[pos_];
    if (c == '(') {
      ++pos_;
      auto inner = parseSum(depth + 1);
      if (!inner) return inner;
      if (!accept(')')) return fail("missing ')'");
      return inner;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') return parseNumber();
    if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return parseName(depth);
    return fail("unexpected '" + std::string(1, c) + "'");
  }

  Result<NodePtr> parseNumber() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.')) {
      ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      std::size_t p = pos_ + 1;
      if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
      if (p < text_.size() && std::isdigit(static_cast<unsigned char>(text_[p]))) {
        pos_ = p;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
      }
    }
    const std::string literal(text_.substr(start, pos_ - start));
    char* end = nullptr;
    const double value = std::strtod(literal.c_str(), &end);
    if (end != literal.c_str() + literal.size()) {
      pos_ = start;
      return fail("bad number \"" + literal + "\"");
    }
    auto n = std::make_shared<Node>();
    n->number = value;
    return NodePtr(n);
  }

  Result<NodePtr> parseName(int depth) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() &&
           (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
      ++pos_;
    }
    const std::string name(text_.substr(start, pos_ - start));
    auto n = std::make_shared<Node>();
    n->name = name;
    if (!accept('(')) {
      if (name == "pi") {
        n->number = std::numbers::pi;
      } else {
        n->kind = Node::Kind::Variable;
      }
      return NodePtr(n);
    }
    const FunctionInfo* info = findFunction(name);
    if (!info) return fail("unknown function \"" + name + "\"");
    n->kind = Node::Kind::Call;
    for (int i = 0; i < info->arity; ++i) {
      if (i > 0 && !accept(',')) return fail("\"" + name + "\" needs " + std::to_string(info->arity) + " arguments");
      auto arg = parseSum(depth + 1);
      if (!arg) return arg;
      n->args.push_back(*arg);
    }
    if (!accept(')')) return fail("missing ')' after the arguments of \"" + name + "\"");
    return NodePtr(n);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

double call(const std::string& name, double a, double b) {
  if (name == "sin") return std::sin(a);
  if (name == "cos") return std::cos(a);
  if (name == "tan") return std::tan(a);
  if (name == "exp") return std::exp(a);
  if (name == "log") return std::log(a);
  if (name == "sqrt") return std::sqrt(a);
  if (name == "abs") return std::fabs(a);
  if (name == "sign") return a > 0 ? 1.0 : (a < 0 ? -1.0 : 0.0);
  if (name == "step") return a >= 0 ? 1.0 : 0.0;
  if (name == "atan") return std::atan(a);
  if (name == "sinh") return std::sinh(a);
  if (name == "cosh") return std::cosh(a);
  if (name == "tanh") return std::tanh(a);
  if (name == "erf") return std::erf(a);
  if (name == "min") return std::fmin(a, b);
  if (name == "max") return std::fmax(a, b);
  if (name == "J") {
    // J_n(-x) = (-1)^n J_n(x); the library function takes x >= 0 only.
    const double order = std::round(a);
    if (order < 0 || order > 50) return std::nan("");
    const double value = std::cyl_bessel_j(order, std::fabs(b));
    return (b < 0 && static_cast<int>(order) % 2 == 1) ? -value : value;
  }
  return std::nan("");
}

double eval(const Node& n, const Variables& vars) {
  switch (n.kind) {
    case Node::Kind::Number: return n.number;
    case Node::Kind::Variable: {
      auto it = vars.find(n.name);
      return it == vars.end() ? std::nan("") : it->second;
    }
    case Node::Kind::Negate: return -eval(*n.args[0], vars);
    case Node::Kind::Add: return eval(*n.args[0], vars) + eval(*n.args[1], vars);
    case Node::Kind::Subtract: return eval(*n.args[0], vars) - eval(*n.args[1], vars);
    case Node::Kind::Multiply: return eval(*n.args[0], vars) * eval(*n.args[1], vars);
    case Node::Kind::Divide: return eval(*n.args[0], vars) / eval(*n.args[1], vars);
    case Node::Kind::Power: return std::pow(eval(*n.args[0], vars), eval(*n.args[1], vars));
    case Node::Kind::Call:
      return call(n.name, eval(*n.args[0], vars), n.args.size() > 1 ? eval(*n.args[1], vars) : 0.0);
  }
  return std::nan("");
}

}  // namespace

Result<Expression> Expression::parse(std::string_view text) {
  if (text.size() > kMaxLength) return Error{"expression longer than 1000 characters"};
  Parser parser(text);
  auto root = parser.parseAll();
  if (!root) return Error{root.error()};
  return Expression(*root);
}

double Expression::evaluate(const Variables& variables) const {
  return eval(*root_, variables);
}

}  // namespace tavra::content
