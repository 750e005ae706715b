#pragma once
// A small arithmetic expression for the figures of the appendices: numbers, variables, + - * / ^,
// unary minus, parentheses and the functions sin, cos, tan, exp, log, sqrt, abs, sign, step,
// atan, sinh, cosh, tanh, erf, min(a,b), max(a,b) and J(n,x) (Bessel function of the first kind).
// The constant pi is built in. Parsing bounds the text length and the nesting depth.
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace tavra::content {

using Variables = std::map<std::string, double, std::less<>>;

class Expression {
 public:
  static Result<Expression> parse(std::string_view text);

  // The value for the given variables; a variable that is not given evaluates to NaN.
  double evaluate(const Variables& variables) const;

  struct Node;

 private:
  explicit Expression(std::shared_ptr<const Node> root) : root_(std::move(root)) {}
  std::shared_ptr<const Node> root_;
};

}  // namespace tavra::content
