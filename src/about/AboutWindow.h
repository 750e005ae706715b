#pragma once
// The About window: who wrote the textbook and with what, mail links to the two authors, a link
// to the maker of the look's components, two pictures and the banner across the top. Half
// transparent, not modal; its close box only hides it.
#include "framework/core/Form.h"
#include "platform/banner/TShockwaveFlash.h"
#include "skin/labels/sLabel.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpeedButton.h"

namespace tavra {

class AboutWindow : public TForm {
 public:
  explicit AboutWindow(TComponent* owner);

  TsPanel* sPanel1 = nullptr;
  TShockwaveFlash* sf1 = nullptr;
  TsLabelFX* sLabelFX1 = nullptr;
  TsWebLabel* sWebLabel1 = nullptr;
  TsWebLabel* sWebLabel2 = nullptr;
  TsLabelFX* sLabelFX2 = nullptr;
  TsWebLabel* sWebLabel3 = nullptr;
  TsSpeedButton* sSpeedButton1 = nullptr;
  TsSpeedButton* sSpeedButton2 = nullptr;

  void FormCreate(TComponent& sender);
};

// The texts the window shows; names and addresses are placeholders.
namespace about {
inline const std::string kCredits =
    "Электронный учебник разработан студентами четвертого курса специальности «Математика»\n"
    "Примерный государственный университет (название условное)\n"
    "\n"
    "Иванов И. И.\n"
    "\n"
    "Петров П. П.";
inline const std::string kFirstAuthorMail = "ivanov@example.org";
inline const std::string kSecondAuthorMail = "petrov@example.org";
inline const std::string kMailHint = "Чтобы отправить письмо авторам нажмите ссылку";
inline const std::string kTools =
    "Учебник написан на C++20 с CMake, cairo, pango, litehtml, SDL2, zlib, libpng, libjpeg, баннер в формате Flash и др.\n"
    "Внешний вид был изменен при помощи дополнительных компонентов CorvexKit";
inline const std::string kMakerCaption = "www.example.com";
inline const std::string kMakerUrl = "http://www.example.com/ru/";
}  // namespace about

}  // namespace tavra
