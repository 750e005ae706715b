#include "selftest/ResultWindow.h"

#include "program/HandOver.h"
#include "base/NumberText.h"
#include "framework/core/Application.h"

namespace tavra {
namespace {

const char* const kCountdownHint =
    "чтобы остановить счетчить щелкните по нему 1 раз и 2 раза чтобы продолжить отсчет";

}  // namespace

ResultWindow::ResultWindow(TComponent* owner) : TForm(owner) {
  setName("Form3");
  setCaption("Результат тестирования");
  setBorderStyle(TFormBorderStyle::bsDialog);
  setBorderIcons(biSystemMenu);
  setBounds(329, 302, width(), height());
  setClientSize(420, 189);

  auto fxLabel = [this](const char* name, Font font) {
    TsLabelFX& l = make<TsLabelFX>();
    l.setName(name);
    l.setParent(this);
    l.setFont(font);
    l.setAlignment(TAlignment::taCenter);
    l.setTransparent(true);
    return &l;
  };
  // The skin's text colour (the desktop colour without one) over a grey shadow.
  auto greyShadow = [](TsLabelFX& l) {
    l.kind().setKindType(TsKindType::ktSkin);
    l.kind().setColor(systemColor(SysColor::Desktop));
    l.shadow().setMode(TsShadowMode::smCustom);
    l.shadow().setColor(rgb(128, 128, 128));
    l.shadow().setBlurCount(4);
    l.shadow().setDistance(1);
  };
  sl1 = fxLabel("sl1", Font{"Times New Roman", 21, fsNone, clBlack, FontCharset::Russian});
  greyShadow(*sl1);
  sl1->setLeft(8);
  sl1->setTop(16);
  sLabelFX1 = fxLabel("sLabelFX1", Font{"Times New Roman", 19, fsNone, clBlack, FontCharset::Russian});
  greyShadow(*sLabelFX1);
  sLabelFX1->setBounds(184, 32, 188, 29);
  sLabelFX1->setCaption("Окно закроется через:");
  sl2 = fxLabel("sl2", Font{"Times New Roman", 27, fsItalic, clBlack, FontCharset::Russian});
  // White text (or the skin's) over the skin's first shadow, black without one.
  sl2->kind().setKindType(TsKindType::ktSkin);
  sl2->kind().setColor(clWhite);
  sl2->shadow().setMode(TsShadowMode::smSkin1);
  sl2->shadow().setColor(clBlack);
  sl2->shadow().setBlurCount(4);
  sl2->shadow().setDistance(1);
  sl2->SkinData.setSkinSection("BUTTON_HUGE");
  sl2->setAutoSize(false);
  sl2->setBounds(376, 24, 36, 39);
  sl2->setCaption("10");
  sl2->setHint(kCountdownHint);
  sl2->setShowHint(true);
  sl2->OnClick = [this](TComponent& s) { sl2Click(s); };
  sl2->OnDblClick = [this](TComponent& s) { sl2DblClick(s); };

  Label16 = &make<TLabel>();
  Label16->setName("Label16");
  Label16->setParent(this);
  Label16->setWordWrap(true);
  Label16->setBounds(256, 64, 157, 39);
  Label16->setCaption(kCountdownHint);

  std::array<TLabel**, 15> report = {&Label1, &Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7, &Label8,
                                     &Label9, &Label10, &Label11, &Label12, &Label13, &Label14, &Label15};
  for (int i = 0; i < 15; ++i) {
    TLabel& l = make<TLabel>();
    l.setName("Label" + std::to_string(i + 1));
    l.setParent(this);
    if (i < 5) l.setBounds(8, 72 + 16 * i, l.width(), l.height());
    else l.setBounds(8 + 40 * (i - 5), 160, l.width(), l.height());
    *report[static_cast<size_t>(i)] = &l;
  }

  t5 = &make<TTimer>();
  t5->setName("t5");
  t5->setEnabled(false);
  t5->setInterval(1000);
  t5->setOnTimer([this](TComponent& s) { t5Timer(s); });

  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
}

std::array<TLabel*, 15> ResultWindow::reportLabels() const {
  return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label15};
}

void ResultWindow::FormClose(TComponent&, TCloseAction&) {
  t5->setEnabled(false);
  handover::closeResult();
}

void ResultWindow::t5Timer(TComponent&) {
  auto value = textToFloat(sl2->caption());
  if (!value) throw Exception("'" + sl2->caption() + "' is not a valid floating point value");
  sl2->setCaption(floatToText(*value - 1));
  if (sl2->caption() == "0") {
    t5->setEnabled(false);
    handover::resultDone();
  }
}

void ResultWindow::sl2Click(TComponent&) { t5->setEnabled(false); }

void ResultWindow::sl2DblClick(TComponent&) { t5->setEnabled(true); }

}  // namespace tavra
