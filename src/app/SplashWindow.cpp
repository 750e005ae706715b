#include "app/SplashWindow.h"

#include <string>

#include "program/HandOver.h"
#include "gfx/ImageCodec.h"

namespace tavra::assets {
extern const std::span<const std::uint8_t> kTitlePicture;
}

namespace tavra {

SplashWindow::SplashWindow(TComponent* owner) : TForm(owner) {
  setName("Form5");
  setBorderStyle(TFormBorderStyle::bsNone);
  setBounds(207, 131, 640, 480);
  setAlphaBlend(true);
  setAlphaBlendValue(0);

  ll1 = &make<TLabel>();
  ll1->setName("ll1");
  ll1->setParent(this);
  ll1->setBounds(80, 104, 6, 13);
  ll1->setCaption("3");

  sPanel1 = &make<TsPanel>();
  sPanel1->setName("sPanel1");
  sPanel1->setParent(this);
  sPanel1->setAlign(TAlign::alClient);
  sPanel1->SkinData.setSkinSection("PANEL");

  Image1 = &make<TImage>();
  Image1->setName("Image1");
  Image1->setParent(sPanel1);
  Image1->setBounds(1, 1, 638, 478);
  if (auto picture = decodeImage(assets::kTitlePicture)) Image1->picture().assign(std::move(picture).value());

  zagr = &make<TsLabelFX>();
  zagr->setName("zagr");
  zagr->setParent(sPanel1);
  zagr->setBounds(16, 432, 133, 37);
  zagr->setTransparent(true);
  zagr->setFont(Font{"Verdana", 24, fsBold | fsItalic, clBlack, FontCharset::Russian});
  zagr->setCaption("Загрузка");

  auto timer = [this](const char* name, int interval, void (SplashWindow::*handler)(TComponent&)) {
    TTimer& t = make<TTimer>();
    t.setName(name);
    t.setEnabled(false);
    t.setInterval(interval);
    t.setOnTimer([this, handler](TComponent& s) { (this->*handler)(s); });
    return &t;
  };
  tt1 = timer("tt1", 1, &SplashWindow::tt1Timer);
  tt2 = timer("tt2", 1000, &SplashWindow::tt2Timer);
  tt3 = timer("tt3", 1, &SplashWindow::tt3Timer);
  tt4 = timer("tt4", 500, &SplashWindow::tt4Timer);

  OnCreate = [this](TComponent& s) { FormCreate(s); };
}

void SplashWindow::FormCreate(TComponent&) {
  tt1->setEnabled(true);
  tt4->setEnabled(true);
}

void SplashWindow::tt1Timer(TComponent&) {
  setAlphaBlendValue(static_cast<std::uint8_t>(alphaBlendValue() + 3));
  if (alphaBlendValue() > 250) {
    tt1->setEnabled(false);
    tt2->setEnabled(true);
  }
}

void SplashWindow::tt2Timer(TComponent&) {
  ll1->setCaption(std::to_string(std::stoi(ll1->caption()) - 1));
  if (ll1->caption() == "0") {
    tt2->setEnabled(false);
    tt3->setEnabled(true);
    tt4->setEnabled(false);
  }
}

void SplashWindow::tt3Timer(TComponent&) {
  setAlphaBlendValue(static_cast<std::uint8_t>(alphaBlendValue() - 2));
  if (alphaBlendValue() < 10) {
    tt3->setEnabled(false);
    handover::splashDone();
  }
}

void SplashWindow::tt4Timer(TComponent&) { zagr->setCaption(zagr->caption() + "*"); }

}  // namespace tavra
