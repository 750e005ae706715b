#include "about/AboutWindow.h"

#include "gfx/ImageCodec.h"
#include "program/ContentPaths.h"

namespace tavra::assets {
extern const std::span<const std::uint8_t> kAboutMembrane;
extern const std::span<const std::uint8_t> kAboutHeat;
}  // namespace tavra::assets

namespace tavra {
namespace {

// The look the three links share: bold green, and plain window text under the pointer.
void setUpLink(TsWebLabel& link, const std::string& caption, const std::string& url) {
  link.setFont(Font{"MS Sans Serif", 13, fsBold, rgb(0, 128, 0), FontCharset::Russian});
  link.setHoverFont(Font{"MS Sans Serif", 11, fsNone, clWindowText, FontCharset::Russian});
  link.setLayout(TTextLayout::tlCenter);
  link.setTransparent(true);
  link.setCaption(caption);
  link.setUrl(url);
}

// The credits and the tools: white text in a white glow, or the skin's text colour.
void setUpEffectLabel(TsLabelFX& label, int fontHeight, const std::string& caption) {
  label.setFont(Font{"Verdana", fontHeight, fsNone, clWindowText, FontCharset::Russian});
  label.setWordWrap(true);
  label.kind().setKindType(TsKindType::ktSkin);
  label.kind().setColor(clWhite);
  label.shadow().setMode(TsShadowMode::smCustom);
  label.shadow().setColor(clWhite);
  label.shadow().setBlurCount(4);
  label.shadow().setDistance(1);
  label.setCaption(caption);
}

// A picture frame: the picture as a glyph of a disabled flat button, which never reacts.
void setUpPictureFrame(TsSpeedButton& frame, std::span<const std::uint8_t> png) {
  frame.SkinData.setSkinSection("SPEEDBUTTON");
  frame.setFlat(true);
  frame.setEnabled(false);
  if (auto picture = decodeImage(png)) frame.setGlyph(std::move(picture).value());
}

}  // namespace

AboutWindow::AboutWindow(TComponent* owner) : TForm(owner) {
  setName("Form6");
  setCaption("О программе");
  setBorderStyle(TFormBorderStyle::bsSizeable);
  setBorderIcons(biSystemMenu);
  setBounds(281, 161, 480, 427);
  setAlphaBlend(true);
  setAlphaBlendValue(210);
  setFont(Font{"MS Sans Serif", 11, fsNone, clWindowText, FontCharset::Default});

  sPanel1 = &make<TsPanel>();
  sPanel1->setName("sPanel1");
  sPanel1->setParent(this);
  sPanel1->setBounds(0, 0, 472, 102);
  sPanel1->setAlign(TAlign::alTop);
  sPanel1->setBorderStyle(TBorderStyle::bsSingle);
  sPanel1->SkinData.setSkinSection("PANEL");

  sf1 = &make<TShockwaveFlash>();
  sf1->setName("sf1");
  sf1->setParent(sPanel1);
  sf1->setAlign(TAlign::alClient);
  sf1->setPlaying(true);
  sf1->setLoop(true);

  sLabelFX1 = &make<TsLabelFX>();
  sLabelFX1->setName("sLabelFX1");
  sLabelFX1->setParent(this);
  sLabelFX1->setBounds(8, 104, 432, 152);
  setUpEffectLabel(*sLabelFX1, 15, about::kCredits);

  sWebLabel1 = &make<TsWebLabel>();
  sWebLabel1->setName("sWebLabel1");
  sWebLabel1->setParent(this);
  sWebLabel1->setBounds(8, 216, 114, 16);
  setUpLink(*sWebLabel1, about::kFirstAuthorMail, "mailto:" + about::kFirstAuthorMail);
  sWebLabel1->setHint(about::kMailHint);
  sWebLabel1->setShowHint(true);

  sWebLabel2 = &make<TsWebLabel>();
  sWebLabel2->setName("sWebLabel2");
  sWebLabel2->setParent(this);
  sWebLabel2->setBounds(8, 256, 119, 16);
  setUpLink(*sWebLabel2, about::kSecondAuthorMail, "mailto:" + about::kSecondAuthorMail);
  sWebLabel2->setHint(about::kMailHint);
  sWebLabel2->setShowHint(true);

  sLabelFX2 = &make<TsLabelFX>();
  sLabelFX2->setName("sLabelFX2");
  sLabelFX2->setParent(this);
  sLabelFX2->setBounds(24, 304, 415, 72);
  setUpEffectLabel(*sLabelFX2, 13, about::kTools);

  sWebLabel3 = &make<TsWebLabel>();
  sWebLabel3->setName("sWebLabel3");
  sWebLabel3->setParent(this);
  sWebLabel3->setBounds(224, 360, 109, 16);
  setUpLink(*sWebLabel3, about::kMakerCaption, about::kMakerUrl);

  sSpeedButton1 = &make<TsSpeedButton>();
  sSpeedButton1->setName("sSpeedButton1");
  sSpeedButton1->setParent(this);
  sSpeedButton1->setBounds(160, 160, 145, 145);
  setUpPictureFrame(*sSpeedButton1, assets::kAboutMembrane);

  sSpeedButton2 = &make<TsSpeedButton>();
  sSpeedButton2->setName("sSpeedButton2");
  sSpeedButton2->setParent(this);
  sSpeedButton2->setBounds(312, 160, 145, 145);
  setUpPictureFrame(*sSpeedButton2, assets::kAboutHeat);

  OnCreate = [this](TComponent& s) { FormCreate(s); };
}

void AboutWindow::FormCreate(TComponent&) { sf1->setMovie(content::path(content::kBanner)); }

}  // namespace tavra
