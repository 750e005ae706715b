#include "selftest/TestingWindow.h"

#include <map>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "base/Text.h"
#include "framework/core/MessageBoxes.h"
#include "gfx/ImageCodec.h"
#include "selftest/Grading.h"
#include "selftest/ResultWindow.h"
#include "program/ContentPaths.h"

namespace tavra::assets {
extern const std::span<const std::uint8_t> kReturnGlyph;
extern const std::span<const std::uint8_t> kClearGlyph;
extern const std::span<const std::uint8_t> kStatusBlank;
}  // namespace tavra::assets

namespace tavra {
namespace {

const char* const kNoSurname = "Вы не ввели свою фамилию";
const char* const kNoName = "Вы не ввели своё имя";
const char* const kNoPatronymic = "Вы не ввели свое отчество";
const char* const kNoVariant = "Выберите вариант";
const char* const kBadSurnameChar = "Поле Фамилия не может содержать таких символов!";
const char* const kBadNameChar = "Поле Имя не может содержать таких символов!";
const char* const kBadPatronymicChar = "Поле Отчество не может содержать таких символов!";
const char* const kClearHint = "Нажмите что бы очистить поле";
constexpr const char* kNoAnswerCode = "-1";

Bitmap picture(std::span<const std::uint8_t> png) {
  auto decoded = decodeImage(png);
  return decoded ? std::move(decoded).value() : Bitmap();
}

}  // namespace

TestingWindow::TestingWindow(TComponent* owner) : TForm(owner) {
  setName("Form2");
  setCaption("Проверочное тестирование");
  setBorderStyle(TFormBorderStyle::bsSingle);
  setBorderIcons(biSystemMenu | biMinimize);
  setBounds(158, 79, width(), height());
  setClientSize(755, 600);

  auto place = [this]<typename T>(T*& field, const char* name, TWinControl* parent, Rect bounds) {
    field = &make<T>();
    field->setName(name);
    field->setParent(parent);
    field->setBounds(bounds.left, bounds.top, bounds.width(), bounds.height());
  };

  place(tc1, "tc1", this, Rect::fromSize(0, 0, 755, 600));
  tc1->setAlign(TAlign::alClient);
  tc1->setMultiLine(true);
  tc1->Tabs().Assign({"Вариант 1", "Вариант 2", "Вариант 3"});
  tc1->setShowHint(false);

  // Personal data.
  place(gb1, "gb1", tc1, Rect::fromSize(0, 32, 305, 137));
  gb1->setCaption("Ввод данных");
  gb1->setCaptionLayout(TsCaptionLayout::clTopCenter);
  gb1->setCaptionSkin("TABBOTTOM");
  gb1->setHint("Поле ввода личных данных");
  gb1->setShowHint(true);
  const Font labelFont{"MS Sans Serif", 16, fsNone, clBlack, FontCharset::Default};
  const std::array<TsLabelFX**, 3> labels = {&sLabelFX1, &sLabelFX2, &sLabelFX3};
  const std::array<TsEdit**, 3> edits = {&e1, &e2, &e3};
  const std::array<TsSpeedButton**, 3> clears = {&sb1, &sb2, &sb3};
  const std::array<TImage**, 3> marks = {&im1, &im2, &im3};
  const char* labelCaptions[3] = {"Фамилия", "Имя", "Отчество"};
  const char* labelHints[3] = {"Введите свою фамилию в поле ввода", "Введите свое имя в поле ввода",
                               "Введите свое отчество в поле ввода"};
  const char* editHints[3] = {"Введите свою фамилию", "Введите свое имя", "Введите свое отчество"};
  const Point labelAt[3] = {{0, 16}, {8, 56}, {0, 96}};
  const Bitmap clearGlyph = picture(assets::kClearGlyph);
  const Bitmap blank = picture(assets::kStatusBlank);
  for (int i = 0; i < 3; ++i) {
    std::string n = std::to_string(i + 1);
    int y = 24 + 40 * i;
    TsLabelFX*& label = *labels[static_cast<size_t>(i)];
    place(label, ("sLabelFX" + n).c_str(), gb1, Rect::fromSize(labelAt[i].x, labelAt[i].y, 65, 17));
    label->setFont(labelFont);
    label->setTransparent(true);
    // Black text over a sky-blue glow of ten passes, or the skin's first shadow.
    label->kind().setKindType(TsKindType::ktCustom);
    label->kind().setColor(clBlack);
    label->shadow().setMode(TsShadowMode::smSkin1);
    label->shadow().setColor(rgb(166, 202, 240));
    label->shadow().setBlurCount(10);
    label->shadow().setDistance(1);
    label->setCaption(labelCaptions[i]);
    label->setHint(labelHints[i]);
    TsEdit*& edit = *edits[static_cast<size_t>(i)];
    place(edit, ("e" + n).c_str(), gb1, Rect::fromSize(88, y, 145, 21));
    edit->setColor(clWhite);
    edit->setFont(Font{"MS Sans Serif", 11, fsNone, clBlack, FontCharset::Default});
    edit->setHint(editHints[i]);
    TsSpeedButton*& clear = *clears[static_cast<size_t>(i)];
    place(clear, ("sb" + n).c_str(), gb1, Rect::fromSize(240, y, 23, 22));
    clear->setGlyph(clearGlyph);
    clear->setHint(kClearHint);
    TImage*& mark = *marks[static_cast<size_t>(i)];
    place(mark, ("im" + n).c_str(), gb1, Rect::fromSize(272, y, 25, 25));
    mark->picture().assign(blank);
  }
  e2->setTabOrder(0);
  e3->setTabOrder(1);
  e1->setTabOrder(2);
  e1->OnKeyPress = [this](TComponent& s, char32_t& k) { e1KeyPress(s, k); };
  e2->OnKeyPress = [this](TComponent& s, char32_t& k) { e2KeyPress(s, k); };
  e3->OnKeyPress = [this](TComponent& s, char32_t& k) { e3KeyPress(s, k); };
  sb1->OnClick = [this](TComponent& s) { sb1Click(s); };
  sb2->OnClick = [this](TComponent& s) { sb2Click(s); };
  sb3->OnClick = [this](TComponent& s) { sb3Click(s); };

  // Questions and answers.
  place(gb2, "gb2", tc1, Rect::fromSize(312, 32, 433, 105));
  gb2->setCaption("Вопросы");
  gb2->setCaptionLayout(TsCaptionLayout::clTopCenter);
  gb2->setCaptionSkin("TABBOTTOM");
  gb2->OnClick = [this](TComponent& s) { gb2Click(s); };
  place(tc2, "tc2", gb2, Rect::fromSize(2, 15, 429, 88));
  tc2->setAlign(TAlign::alClient);
  tc2->Tabs().Assign({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  tc2->OnChange = [this](TComponent& s) { tc2Change(s); };
  place(rg1, "rg1", tc2, Rect::fromSize(4, 41, 421, 43));
  rg1->setAlign(TAlign::alBottom);
  rg1->setCaption("Варианты ответов");
  rg1->setCaptionLayout(TsCaptionLayout::clTopCenter);
  rg1->setCaptionYOffset(1);
  rg1->setCaptionSkin("TABBOTTOM");
  rg1->setColumns(5);
  rg1->Items().Assign({"A", "B", "C", "D", "E"});
  rg1->OnClick = [this](TComponent& s) { rg1Click(s); };

  place(f2b1, "f2b1", tc1, Rect::fromSize(312, 136, 153, 33));
  f2b1->setCaption("Вернуться к учебнику");
  f2b1->setGlyph(picture(assets::kReturnGlyph));
  f2b1->OnClick = [this](TComponent& s) { f2b1Click(s); };
  place(f2b2, "f2b2", tc1, Rect::fromSize(464, 136, 129, 33));
  f2b2->setCaption("Сдать тест");
  f2b2->OnClick = [this](TComponent& s) { f2b2Click(s); };
  place(f2b3, "f2b3", tc1, Rect::fromSize(592, 136, 153, 33));
  f2b3->setCaption("Посмотреть результат");
  f2b3->setEnabled(false);
  f2b3->OnClick = [this](TComponent& s) { f2b3Click(s); };

  // The question pages.
  place(gb3, "gb3", tc1, Rect::fromSize(4, 176, 747, 420));
  gb3->setAlign(TAlign::alBottom);
  gb3->setCaption("Тестовое задание");
  gb3->setCaptionLayout(TsCaptionLayout::clTopCenter);
  gb3->setCaptionSkin("TABBOTTOM");
  place(sPanel1, "sPanel1", gb3, Rect::fromSize(2, 15, 743, 403));
  sPanel1->setAlign(TAlign::alClient);
  sPanel1->setBevelOuter(TBevelCut::bvLowered);
  std::array<TLabel**, 15> report = {&Label1, &Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7, &Label8,
                                     &Label9, &Label10, &Label11, &Label12, &Label13, &Label14, &Label15};
  for (int i = 0; i < 15; ++i) {
    TLabel*& l = *report[static_cast<size_t>(i)];
    place(l, ("Label" + std::to_string(i + 1)).c_str(), sPanel1, Rect::fromSize(8, 8 + 16 * i, 32, 13));
  }

  // The page viewer fills the panel, over the report labels.
  place(wb2, "wb2", sPanel1, Rect::fromSize(1, 1, 741, 401));
  wb2->setAlign(TAlign::alClient);
  // The question tabs choose its page; going back would show a question the tabs do not.
  wb2->setKeepsHistory(false);

  place(m1, "m1", tc1, Rect::fromSize(0, 0, 185, 89));
  m1->setVisible(false);
  m1->setReadOnly(true);
  m1->setBorderStyle(TBorderStyle::bsNone);

  Timer1 = &make<TTimer>();
  Timer1->setName("Timer1");
  Timer1->setInterval(1);
  Timer1->setOnTimer([this](TComponent& s) { Timer1Timer(s); });
  // Nobody sees the mark pictures of a hidden window: the tick runs only while the window shows,
  // and showing it brings the pictures up to date before its first paint.
  Timer1->setEnabled(false);
  OnShow = [this](TComponent& s) {
    Timer1Timer(s);
    Timer1->setEnabled(true);
  };
  OnHide = [this](TComponent&) { Timer1->setEnabled(false); };

  // The application's one hint manager: it draws every hint of every window.
  sHintManager1 = &make<TsHintManager>();
  sHintManager1->setName("sHintManager1");
  TsHintKind& hk = sHintManager1->HintKind();
  hk.setStyle(hsSimply);
  hk.ExOffset = 41;
  hk.GradientData =
      "16744512;16777215;24;2;0;16777215;16760960;24;2;0;16760960;16777215;24;2;0;16777215;15562754;24;2;0;"
      "15562754;15562754;0;2;0";
  hk.TexturePercent = 76;
  hk.Bevel = 1;
  hk.Color = clBlack;
  hk.ColorBorderTop = clWhite;
  hk.ColorBorderBottom = clBlack;
  hk.Transparency = 28;
  hk.ShadowBlur = 8;
  hk.setShadowEnabled(true);
  hk.ShadowOffset = 22;
  hk.ShadowTransparency = 69;
  hk.MarginH = 6;
  hk.MarginV = 3;
  hk.MaxWidth = 240;
  hk.setFont(Font{.name = "Arial", .height = 12, .style = fsNone, .color = clBlack, .charset = FontCharset::Russian});
  sHintManager1->setPredefinitions(shCustom);
  sHintManager1->setSkinSection("HINT");

  OnCreate = [this](TComponent& s) { FormCreate(s); };
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
}

std::array<TLabel*, 15> TestingWindow::reportLabels() const {
  return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label15};
}

void TestingWindow::openPage(const std::string& relativePath) { wb2->Navigate(content::path(relativePath)); }

void TestingWindow::resetAnswerRecord() {
  m1->Lines().Clear();
  for (int i = 0; i < grading::kQuestions; ++i) m1->Lines().Add(kNoAnswerCode);
}

int TestingWindow::answerCode(int question) const {
  const std::string& line = m1->Lines()[question];
  try {
    size_t used = 0;
    int code = std::stoi(line, &used);
    if (used == line.size()) return code;
  } catch (const std::exception&) {
  }
  throw Exception("'" + line + "' is not a valid integer value");
}

void TestingWindow::FormCreate(TComponent&) {
  openPage(std::string(content::kTestStart));
  tc1->setTabIndex(-1);
  tc2->setTabIndex(-1);
  rg1->setItemIndex(-1);
  resetAnswerRecord();
}

void TestingWindow::ResetTest() {
  openPage(std::string(content::kTestStart));
  e1->Clear();
  e2->Clear();
  e3->Clear();
  resetAnswerRecord();
  tc1->setTabIndex(-1);
  tc2->setTabIndex(-1);
  rg1->setItemIndex(-1);
  gb1->setEnabled(true);
  f2b2->setEnabled(true);
  f2b3->setEnabled(false);
}

void TestingWindow::FormClose(TComponent&, TCloseAction&) { handover::returnFromTesting(); }

void TestingWindow::tc2Change(TComponent&) {
  if (e1->text().empty()) {
    ShowMessage(kNoSurname);
    tc2->setTabIndex(-1);
  }
  if (e2->text().empty()) {
    ShowMessage(kNoName);
    tc2->setTabIndex(-1);
  }
  if (e3->text().empty()) {
    ShowMessage(kNoPatronymic);
    tc2->setTabIndex(-1);
  }
  if (!e1->text().empty() && !e2->text().empty() && !e3->text().empty()) gb1->setEnabled(false);
  if (tc1->TabIndex() == -1) {
    ShowMessage(kNoVariant);
    tc2->setTabIndex(-1);
  }
  int q = tc2->TabIndex();
  if (q >= 0 && q < grading::kQuestions) rg1->setItemIndex(answerCode(q));
  int v = tc1->TabIndex();
  if (v >= 0 && v < grading::kVariants && q >= 0 && q < grading::kQuestions) openPage(content::testQuestion(v + 1, q + 1));
}

void TestingWindow::rg1Click(TComponent&) {
  int q = tc2->TabIndex();
  int a = rg1->ItemIndex();
  if (q >= 0 && q < grading::kQuestions && a >= 0 && a <= 4) m1->Lines().setString(q, std::to_string(a));
}

// Each tick shows the mark file of every field's state. The files are decoded again only when
// they change on disk, and a picture is handed to its image only when it is another one, so an
// idle window neither decodes nor repaints.
void TestingWindow::Timer1Timer(TComponent&) {
  const std::array<TsEdit*, 3> fields = {e1, e2, e3};
  const std::array<TImage*, 3> images = {im1, im2, im3};
  // Each file is looked at once a tick, however many fields show it.
  std::map<std::string_view, std::shared_ptr<const Bitmap>> thisTick;
  for (size_t i = 0; i < 3; ++i) {
    std::string_view path = fields[i]->text().empty() ? content::kMarkNo : content::kMarkOk;
    auto known = thisTick.find(path);
    if (known == thisTick.end()) known = thisTick.emplace(path, marks_.load(std::string(path))).first;
    std::shared_ptr<const Bitmap> mark = known->second;
    if (marksLoaded_[i] && mark == shownMarks_[i]) continue;
    marksLoaded_[i] = true;
    shownMarks_[i] = mark;
    if (mark) images[i]->picture().assign(*mark);
    else images[i]->picture().clear();
  }
}

bool TestingWindow::acceptsPersonalDataChar(char32_t ch) {
  if (ch == 8) return true;
  auto code = cp1251FromCodePoint(ch);
  if (!code) return false;
  int c = *code;
  return (c >= 65 && c <= 90) || (c >= 97 && c <= 122) || (c >= 192 && c <= 255);
}

void TestingWindow::filterKey(char32_t& key, const char* message) {
  if (acceptsPersonalDataChar(key)) return;
  key = 0;
  ShowMessage(message);
}

void TestingWindow::e1KeyPress(TComponent&, char32_t& key) { filterKey(key, kBadSurnameChar); }
void TestingWindow::e2KeyPress(TComponent&, char32_t& key) { filterKey(key, kBadNameChar); }
void TestingWindow::e3KeyPress(TComponent&, char32_t& key) { filterKey(key, kBadPatronymicChar); }

void TestingWindow::clearField(TsEdit& field) {
  field.Clear();
  rg1->setItemIndex(-1);
  openPage(std::string(content::kTestStart));
}

void TestingWindow::sb1Click(TComponent&) { clearField(*e1); }
void TestingWindow::sb2Click(TComponent&) { clearField(*e2); }
void TestingWindow::sb3Click(TComponent&) { clearField(*e3); }

void TestingWindow::gb2Click(TComponent&) {
  if (e1->text().empty()) ShowMessage(kNoSurname);
}

void TestingWindow::f2b1Click(TComponent&) { handover::returnFromTesting(); }

void TestingWindow::f2b2Click(TComponent&) {
  bool unanswered = false;
  for (int i = 0; i < grading::kQuestions; ++i) {
    if (m1->Lines()[i] == kNoAnswerCode) {
      MessageDlg(grading::unansweredMessage(i + 1), TMsgDlgType::mtInformation);
      unanswered = true;
    }
  }
  if (unanswered) {
    f2b3->setEnabled(false);
    f2b2->setEnabled(true);
    return;
  }
  int variant = tc1->TabIndex();
  // Ten answers can only be given under a chosen variant; nothing is graded without one.
  if (variant < 0 || variant >= grading::kVariants) {
    ShowMessage(kNoVariant);
    return;
  }
  grading::Answers answers{};
  for (int i = 0; i < grading::kQuestions; ++i) answers[static_cast<size_t>(i)] = answerCode(i);
  grading::Outcome outcome = grading::grade(answers, variant);
  auto lines = grading::reportLines({e1->text(), e2->text(), e3->text()}, outcome);
  auto labels = reportLabels();
  for (size_t i = 0; i < lines.size(); ++i) labels[i]->setCaption(lines[i]);
  f2b3->setEnabled(true);
  f2b2->setEnabled(false);
}

void TestingWindow::f2b3Click(TComponent&) {
  ResultWindow& result = *programWindows().resultWindow;
  result.sl1->setCaption(grading::variantLine(tc1->TabIndex()));
  handover::openResult();
  result.sl2->setCaption("10");
  result.t5->setEnabled(true);
  auto from = reportLabels();
  auto to = result.reportLabels();
  for (size_t i = 0; i < from.size(); ++i) to[i]->setCaption(from[i]->caption());
}

}  // namespace tavra
