// Fuzz target: painting a skin. The input (SkinPaintInput.h) is an options text and a small picture
// that, enlarged, is the master bitmap; every other picture file the options name is the same
// picture in that file's format (BMP, PNG or JPEG). The package made of them becomes the skin of a
// headless program's skin manager through the manager's own load. From the loaded model every
// section is painted in every state at 0 × 0, 1 × 1, 7 × 5 and 300 × 40, every border mask drawn
// plain and shaping and every other mask as an image; then a framed form is painted with its
// caption buttons normal, hot and pressed at several sizes, a popup menu's items are drawn in
// their states and a hint drawn from the skin is shown.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "SkinPaintInput.h"
#include "driver/harness/HeadlessDriver.h"
#include "framework/controls/Button.h"
#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"
#include "gfx/Canvas.h"
#include "gfx/ImageCodec.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/SkinWarnings.h"
#include "skin/data/TsStoredSkins.h"
#include "skin/frames/FramesHandOver.h"
#include "skin/hints/TsHintManager.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/menus/MenuBackgroundCache.h"
#include "skin/menus/MenuSkinning.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/SectionPainting.h"

namespace {

using namespace tavra;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxPictureFiles = 16;

std::string upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

Bytes jpegFile(const Bitmap& bitmap) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&cinfo, &buffer, &length);
  cinfo.image_width = static_cast<JDIMENSION>(bitmap.width());
  cinfo.image_height = static_cast<JDIMENSION>(bitmap.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 60, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(bitmap.width()) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const int y = static_cast<int>(cinfo.next_scanline);
    for (int x = 0; x < bitmap.width(); ++x) {
      const Color c = bitmap.colorAt(x, y);
      row[3 * x] = static_cast<JSAMPLE>(c), row[3 * x + 1] = static_cast<JSAMPLE>(c >> 8);
      row[3 * x + 2] = static_cast<JSAMPLE>(c >> 16);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + length);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

// The value of the first "MASTERBITMAP=" line, or the name skins usually give it.
std::string masterName(const std::string& options) {
  const std::string text = upper(options);
  for (std::size_t at = text.find("MASTERBITMAP="); at != std::string::npos; at = text.find("MASTERBITMAP=", at + 1)) {
    if (at != 0 && text[at - 1] != '\n') continue;
    const std::size_t start = at + 13;
    std::string value = text.substr(start, text.find_first_of("\r\n", start) - start);
    while (!value.empty() && value.back() == ' ') value.pop_back();
    return value;
  }
  return "MASTER.BMP";
}

// The package: "Options.dat", the master bitmap, and a stand-in for every picture file the
// options name (the words ending in .bmp, .png, .jpg or .jpeg, ignoring case).
Bytes package(const fuzz::SkinPaintInput& input) {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(input.options));
  const Bitmap master = input.master();
  const std::string masterFile = masterName(input.options);
  writer.add(masterFile, fuzz::bmpFile(master));
  std::vector<std::string> added = {masterFile};
  const std::string text = input.options;
  std::size_t start = 0;
  while (start < text.size() && added.size() < kMaxPictureFiles) {
    std::size_t end = text.find_first_of("=;,@^ \t\r\n\"", start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    const std::string name = upper(word);
    if (std::find(added.begin(), added.end(), name) != added.end()) continue;
    if (endsWith(name, ".BMP")) writer.add(word, fuzz::bmpFile(input.picture));
    else if (endsWith(name, ".PNG")) writer.add(word, encodePng(input.picture));
    else if (endsWith(name, ".JPG") || endsWith(name, ".JPEG")) writer.add(word, jpegFile(master));
    else continue;
    added.push_back(name);
  }
  return writer.build();
}

// The headless program the skin is applied to: a sizeable form with every caption button, a
// button with a hint drawn from the skin, and a popup menu of every kind of item.
class PaintedForm : public TForm {
 public:
  explicit PaintedForm(TComponent* owner) : TForm(owner) {
    setBorderStyle(TFormBorderStyle::bsSizeable);
    setBorderIcons(biSystemMenu | biMinimize | biMaximize | biHelp);
    setCaption("Обложка");
    setBounds(100, 100, 300, 140);
    button = &make<TButton>();
    button->setParent(this);
    button->setBounds(10, 10, 120, 25);
    button->setCaption("Кнопка");
    button->setHint("Подсказка из обложки");
    button->setShowHint(true);
    hints = &make<TsHintManager>();
    hints->Animated = false;
    hints->setUseSkinData(true);
    popup = &make<TPopupMenu>();
    for (const char* caption : {"Пункт", "-", "-Раздел-", "&Отмеченный", "Недоступный"}) {
      TMenuItem& item = make<TMenuItem>();
      item.setCaption(caption);
      popup->Items().Add(item);
      items.push_back(&item);
    }
    items[3]->setChecked(true);
    items[4]->setEnabled(false);
  }
  TButton* button = nullptr;
  TsHintManager* hints = nullptr;
  TPopupMenu* popup = nullptr;
  std::vector<TMenuItem*> items;
};

struct Program {
  Program() {
    installFramesHandOver();
    installMenuSkinning();
    // The application's main form stays hidden, so the painted form never ends the program.
    driver.app().CreateForm<TForm>();
    manager = &driver.app().make<TsSkinManager>();
    manager->AnimEffects.SkinChanging.Active = false;
    form = &driver.app().CreateForm<PaintedForm>();
    form->Show();
    driver.settle();
  }
  HeadlessDriver driver;
  TsSkinManager* manager = nullptr;
  PaintedForm* form = nullptr;
};

Program& program() {
  static Program instance;  // made at the first input, kept for all
  return instance;
}

constexpr std::array<Rect, 4> kRects = {Rect{3, 3, 3, 3}, Rect{5, 6, 6, 7}, Rect{2, 4, 9, 9}, Rect{-120, 8, 180, 48}};
constexpr int kStates = 4;

void paintModel(const SkinModel& model) {
  Bitmap parent(96, 64);
  parent.fill(pixelFromColor(rgb(90, 120, 150)));
  Bitmap target(64, 56);
  const std::array<TsCacheView, 2> views = {
      TsCacheView{.Bitmap = &parent, .X = 7, .Y = 3, .FillColor = clFuchsia, .Ready = true},
      TsCacheView{.FillColor = rgb(200, 200, 200)}};
  for (std::size_t i = 0; i < model.Sections.size(); ++i) {
    for (int state = 0; state < kStates; ++state) {
      for (std::size_t r = 0; r < kRects.size(); ++r) {
        const TsCacheView& view = views[(i + r) % views.size()];
        PaintSection(model, static_cast<int>(i), view, -1, -1, target, {r == 3 ? 4 : 0, 0}, kRects[r], state,
                     state % 2 ? CentreFill::Yes : CentreFill::No);
      }
    }
  }
  for (std::size_t i = 0; i < model.Masks.size(); ++i) {
    const int mask = static_cast<int>(i);
    const bool border = model.Masks[i].ImgType == TacImgType::itisaBorder;
    for (int state = 0; state < kStates; ++state) {
      for (std::size_t r = 0; r < kRects.size(); ++r) {
        const TsCacheView& view = views[(i + r + state) % views.size()];
        if (border) {
          DrawBorderMask(target, kRects[r], state % 2 ? CentreFill::Yes : CentreFill::No,
                         r % 2 ? CornersFromParent::Yes : CornersFromParent::No, state, model, mask, view);
          Region shape(Rect{0, 0, target.width(), target.height()});
          DrawBorderMaskShaping(target, kRects[r], CentreFill::Yes, state, model, mask, shape);
        } else {
          DrawMaskImage(target, kRects[r].topLeft(), state, view, model, mask,
                        r % 2 ? MaskOpacity::Opaque : MaskOpacity::Blended);
        }
      }
    }
  }
}

// The caption buttons normal, hot (the pointer along the caption) and pressed (pressed on the
// right of the caption and released off the form, which does nothing), at several form sizes.
void paintFrame(Program& p) {
  HeadlessDriver& d = p.driver;
  PaintedForm& form = *p.form;
  for (const Size size : {Size{300, 140}, Size{7, 5}, Size{1, 1}, Size{0, 0}, Size{300, 140}}) {
    form.setBounds(100, 100, size.width, size.height);
    d.settle();
  }
  const Point origin = form.window()->screenOrigin();
  for (int x = form.width() - 6; x > form.width() - 100; x -= 9) d.moveTo(origin + Point{x, 9});
  d.mouseDown(origin + Point{form.width() - 12, 9});
  d.moveTo({2, 2});
  d.mouseUp({2, 2});
  (void)d.screenshot();
}

void paintMenu(Program& p) {
  MenuBackgroundCache::instance().clear();
  Bitmap scratch(1, 1);
  Canvas measuring(scratch);
  for (TMenuItem* item : p.form->items) {
    int width = 0, height = 0;
    item->MeasureItem(measuring, width, height, false);
    for (const Size size : {Size{std::clamp(width, 0, 400), std::clamp(height, 0, 200)}, Size{7, 5}, Size{1, 1}, Size{0, 0}}) {
      for (const TOwnerDrawState state : {TOwnerDrawState{0}, TOwnerDrawState{odSelected}, TOwnerDrawState{odSelected | odChecked},
                                          TOwnerDrawState{odDisabled | odGrayed}}) {
        Bitmap b(std::max(size.width, 1), std::max(size.height, 1));
        Canvas c(b);
        item->DrawItem(c, Rect{0, 0, size.width, size.height}, state, false);
        c.syncPixels();
      }
    }
  }
}

void showHint(Program& p) {
  HeadlessDriver& d = p.driver;
  d.moveTo(d.centreOf(*p.form->button));
  d.advance(TsHintManager::kHintPause);
  d.moveTo({2, 2});
  d.advance(50);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SkinWarnings::Scope quiet([](SkinNoticeKind, const std::string&) {});
  Program& p = program();
  const fuzz::SkinPaintInput input = fuzz::SkinPaintInput::parse({data, size});

  TsStoredSkins skins;
  TsStoredSkin& skin = skins.add();
  skin.Name = "Fuzzed";
  skin.Data = package(input);
  p.manager->setInternalSkins(std::move(skins));
  p.driver.boxes.clear();
  try {
    p.manager->setSkinName("Fuzzed");
  } catch (const Exception&) {
    // A load error is raised for the application to show in its error box; the model in use
    // stays as it was, and this skin is never painted.
    return 0;
  }
  p.driver.settle();
  // A skin the manager refused is never painted.
  if (!p.manager->model().SkinData.Active) return 0;

  paintModel(p.manager->model());
  paintFrame(p);
  paintMenu(p);
  showHint(p);
  return 0;
}
