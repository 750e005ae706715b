#include "skin/data/SkinModelDump.h"

#include <cstdio>

#include "skin/data/SkinModel.h"

namespace tavra {
namespace {

class Writer {
 public:
  void line(const std::string& text) { out_ += text + "\n"; }
  void field(const char* name, const std::string& value) { line("  " + std::string(name) + " " + value); }
  void field(const char* name, long long value) { field(name, std::to_string(value)); }
  void flag(const char* name, bool value) { field(name, std::string(value ? "TRUE" : "FALSE")); }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string color(Color c) {
  if (c == kNoColor) return "-1";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%08X", c);
  return buffer;
}

std::string colors(const FontColors& set) {
  std::string out;
  for (Color c : set) out += (out.empty() ? "" : " ") + color(c);
  return out;
}

std::string steps(const TsGradArray& array) {
  std::string out = std::to_string(array.size());
  for (const GradientStep& step : array) {
    out += " [" + color(step.Color1) + " " + color(step.Color2) + " " + std::to_string(step.Percent) + " " +
           std::to_string(step.Mode) + "]";
  }
  return out;
}

std::string size(const Bitmap& bitmap) {
  return std::to_string(bitmap.width()) + "x" + std::to_string(bitmap.height()) +
         (bitmap.format() == PixelFormat::Bits32 ? " 32-bit" : " 24-bit");
}

std::string number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return buffer;
}

}  // namespace

std::string dumpSkinModel(const SkinModel& model) {
  Writer w;
  const TsSkinData& h = model.SkinData;
  w.line("header");
  w.field("Version", number(h.Version));
  w.field("Author", quoted(h.Author));
  w.field("Description", quoted(h.Description));
  w.field("Shadow1Color", color(static_cast<Color>(h.Shadow1Color)));
  w.field("Shadow1Offset", h.Shadow1Offset);
  w.field("Shadow1Blur", h.Shadow1Blur);
  w.field("Shadow1Transparency", h.Shadow1Transparency);
  w.field("BorderColor", color(h.BorderColor));
  w.field("BISpace", h.BISpace);
  w.field("BIVAlign", h.BIVAlign);
  w.field("BIRight", h.BIRight);
  w.field("BILeft", h.BILeft);
  w.field("BICloseGlow", h.BICloseGlow);
  w.field("BICloseGlowMargin", h.BICloseGlowMargin);
  w.field("BIMaxGlow", h.BIMaxGlow);
  w.field("BIMaxGlowMargin", h.BIMaxGlowMargin);
  w.field("BIMinGlow", h.BIMinGlow);
  w.field("BIMinGlowMargin", h.BIMinGlowMargin);
  w.line("master " + size(model.MasterBitmap));

  for (size_t i = 0; i < model.Sections.size(); ++i) {
    const TsGeneralData& s = model.Sections[i];
    w.line("section " + std::to_string(i) + " " + quoted(s.SectionName));
    w.field("ParentClass", quoted(s.ParentClass));
    w.field("Color", color(s.Color));
    w.field("FontColor", colors(s.FontColor));
    w.field("HotFontColor", colors(s.HotFontColor));
    w.flag("GiveOwnFont", s.GiveOwnFont);
    w.field("GlowCount", s.GlowCount);
    w.field("GlowMargin", s.GlowMargin);
    w.flag("ReservedBoolean", s.ReservedBoolean);
    w.field("Transparency", s.Transparency);
    w.field("GradientPercent", s.GradientPercent);
    w.field("GradientData", quoted(s.GradientData));
    w.field("GradientSteps", steps(s.GradientSteps));
    w.field("ImagePercent", s.ImagePercent);
    w.flag("ShowFocus", s.ShowFocus);
    w.flag("FadingEnabled", s.FadingEnabled);
    w.field("FadingIterations", s.FadingIterations);
    w.field("HotColor", color(s.HotColor));
    w.field("HotTransparency", s.HotTransparency);
    w.field("HotGradientPercent", s.HotGradientPercent);
    w.field("HotGradientData", quoted(s.HotGradientData));
    w.field("HotGradientSteps", steps(s.HotGradientSteps));
    w.field("HotImagePercent", s.HotImagePercent);
    w.field("BorderMask", s.BorderMask);
    w.field("CornerTopLeft", s.CornerTopLeft);
    w.field("CornerTopRight", s.CornerTopRight);
    w.field("CornerBottomLeft", s.CornerBottomLeft);
    w.field("CornerBottomRight", s.CornerBottomRight);
  }

  static const char* const kImgTypes[] = {"itisaBorder", "itisaTexture", "itisaGlyph", "itisaGlow"};
  for (size_t i = 0; i < model.Masks.size(); ++i) {
    const TsMaskData& m = model.Masks[i];
    w.line("mask " + std::to_string(i) + " " + quoted(m.SectionName) + " " + quoted(m.PropertyName));
    w.field("Image", m.Image ? size(*m.Image) : std::string("none"));
    w.field("Rect", std::to_string(m.Rect.left) + " " + std::to_string(m.Rect.top) + " " + std::to_string(m.Rect.right) + " " +
                        std::to_string(m.Rect.bottom));
    w.field("ImageCount", m.ImageCount);
    w.field("MaskType", m.MaskType);
    w.field("BorderWidth", m.BorderWidth);
    w.field("StretchMode", m.StretchMode);
    w.field("ImgType", std::string(kImgTypes[static_cast<int>(m.ImgType) & 3]));
    w.field("WL", m.WL);
    w.field("WT", m.WT);
    w.field("WR", m.WR);
    w.field("WB", m.WB);
  }

  for (size_t i = 0; i < model.Patterns.size(); ++i) {
    const TsPatternData& p = model.Patterns[i];
    w.line("pattern " + std::to_string(i) + " " + quoted(p.SectionName) + " " + quoted(p.PropertyName));
    w.field("Image", p.Image ? size(*p.Image) : std::string("none"));
  }

  w.line("CommonIndices");
#define TAVRA_DUMP_INDEX(type, name) w.field(#name, model.CommonIndices.name);
  TAVRA_COMMON_INDICES(TAVRA_DUMP_INDEX)
#undef TAVRA_DUMP_INDEX
  return w.take();
}

}  // namespace tavra
