#include "skin/frames/CaptionButtons.h"

#include "skin/data/SkinModel.h"
#include "skin/primitives/MaskFrames.h"

namespace tavra {

void CaptionButtonSet::decide(const CaptionButtonTraits& t) {
  for (CaptionButton& b : buttons) {
    b.exists = false;
    b.enabled = true;
  }
  if (!t.hadSystemMenu) return;
  buttons[cbClose].exists = true;
  buttons[cbMax].exists = t.minimized || (t.largeSet && t.iconMaximize);
  buttons[cbMin].exists = t.minimized || (t.largeSet && t.iconMinimize);
  buttons[cbHelp].exists = t.iconHelp;
  const bool canRestore = (t.iconMaximize && (t.maximized || t.minimized)) || t.minimized;
  buttons[cbMax].enabled = (t.iconMaximize && t.largeSet && !t.maximized) || canRestore;
  buttons[cbMin].enabled = t.iconMinimize && !t.minimized;
}

std::string_view CaptionButtonSet::pictureKey(int index, bool largeSet) {
  switch (index) {
    case cbClose: return largeSet ? "BICONCLOSE" : "SICONCLOSE";
    case cbMax: return largeSet ? "BICONMAX" : "SICONMAX";
    case cbMin: return largeSet ? "BICONMIN" : "SICONMIN";
    default: return largeSet ? "BICONHELP" : "SICONHELP";
  }
}

void CaptionButtonSet::findPictures(const SkinModel& model, bool largeSet, const CaptionButtonTraits& t, int formSection) {
  const int info = model.FindSection("GLOBALINFO");
  auto find = [&](std::string_view key) { return model.FindMask(info, "GLOBALINFO", key); };
  bool large = largeSet;
  if (!large && !model.IsValidMask(find("SICONCLOSE"))) large = true;
  for (int i = 0; i < kCaptionButtonCount; ++i) {
    CaptionButton& b = buttons[static_cast<size_t>(i)];
    b.LargeSet = large;
    b.MaskIndex = find(pictureKey(i, large));
    if (i == cbHelp && !large && b.MaskIndex < 0) b.MaskIndex = find("BICONHELP");
  }
  // A minimised window shows the maximise picture on its maximise button whatever its set.
  if (t.minimized) {
    buttons[cbMax].MaskIndex = find("BICONMAX");
    int restore = find("BICONNORM");
    if (!model.IsValidMask(restore) && model.IsValidSection(formSection)) {
      restore = model.FindMask(formSection, model.Sections[static_cast<size_t>(formSection)].SectionName, "BICONNORM");
    }
    buttons[cbMin].MaskIndex = restore;
  }
}

int CaptionButtonSet::buttonWidth(const SkinModel* model, int index) const {
  if (!model) return kDefaultSize;
  const MaskFrame f = maskFrame(*model, buttons[static_cast<size_t>(index)].MaskIndex, 0);
  return f.valid() ? f.frameWidth : kDefaultSize;
}

int CaptionButtonSet::buttonHeight(const SkinModel* model) const {
  if (!model) return kDefaultSize;
  const MaskFrame f = maskFrame(*model, buttons[cbClose].MaskIndex, 0);
  return f.valid() ? f.frameHeight : kDefaultSize;
}

std::pair<int, int> CaptionButtonSet::hitBand(const CaptionLayout& l, int h) {
  if (l.largeSet && l.biVAlign == 1) return {1, h};
  const int t = (l.captionHeight + l.frameHeight - h) / 2;
  return {t, t + h};
}

int CaptionButtonSet::layout(const SkinModel* model, const CaptionLayout& l) {
  const int spacing = l.largeSet ? l.biSpace : 0;
  const int h = buttonHeight(model);
  int x = l.windowWidth - l.frameWidth - spacing - l.biRight;
  int total = l.biRight;
  // Right to left: close, maximise, minimise, help.
  for (int i : {cbClose, cbMax, cbMin, cbHelp}) {
    CaptionButton& b = buttons[static_cast<size_t>(i)];
    if (!b.exists) {
      b.rect = {};
      continue;
    }
    const int w = buttonWidth(model, i);
    int top = b.rect.top;
    if (b.LargeSet) {
      if (l.biVAlign == -1 || l.biVAlign == 0) top = (l.captionHeight + l.frameHeight - h) / 2 + (h < 16 ? 2 : 0);
      else if (l.biVAlign == 1) top = l.maximized ? l.frameHeight - 1 : 0;
    } else {
      top = (l.captionHeight + l.frameHeight - h) / 2 + (l.largeSet && h < 16 ? 2 : 0);
    }
    b.rect = {x - w, top, x, top + h};
    x = b.rect.left - spacing;
    total += w + spacing;
  }
  totalWidth_ = total;
  return total;
}

int CaptionButtonSet::buttonAtX(int x) const {
  for (int i = 0; i < kCaptionButtonCount; ++i) {
    const CaptionButton& b = buttons[static_cast<size_t>(i)];
    if (b.exists && x >= b.rect.left && x < b.rect.right) return i;
  }
  return -1;
}

int CaptionButtonSet::hotCodeOf(int index) {
  switch (index) {
    case cbClose: return kHotClose;
    case cbMax: return kHotMax;
    case cbMin: return kHotMin;
    case cbHelp: return kHotHelp;
    default: return 0;
  }
}

int CaptionButtonSet::indexOfHotCode(int code) {
  switch (code) {
    case kHotClose: return cbClose;
    case kHotMax: return cbMax;
    case kHotMin: return cbMin;
    case kHotHelp: return cbHelp;
    default: return -1;
  }
}

}  // namespace tavra
