#pragma once
// A label's skin section name, written as SkinData.SkinSection like every skinned control's.
// Assigning a different name repaints the label.
#include <ostream>
#include <string>
#include <string_view>

namespace tavra {

class TControl;

class SkinSectionName {
 public:
  explicit SkinSectionName(TControl& owner) : owner_(owner) {}
  SkinSectionName(const SkinSectionName&) = delete;
  SkinSectionName& operator=(const SkinSectionName&) = delete;

  SkinSectionName& operator=(std::string name);
  const std::string& str() const { return name_; }
  operator const std::string&() const { return name_; }
  bool empty() const { return name_.empty(); }

  friend bool operator==(const SkinSectionName& a, std::string_view b) { return a.name_ == b; }
  friend std::ostream& operator<<(std::ostream& out, const SkinSectionName& n) { return out << n.name_; }

 private:
  TControl& owner_;
  std::string name_;
};

// What a label publishes of its skin binding: the section painted behind its text.
struct LabelSkinData {
  SkinSectionName SkinSection;
};

}  // namespace tavra
