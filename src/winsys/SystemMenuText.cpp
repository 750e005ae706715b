#include "winsys/SystemMenuText.h"

namespace tavra {

std::optional<std::string_view> systemCommandCaption(WParam command) {
  switch (command) {
    case SC_RESTORE: return "&Восстановить";
    case SC_MOVE: return "&Переместить";
    case SC_SIZE: return "&Размер";
    case SC_MINIMIZE: return "&Свернуть";
    case SC_MAXIMIZE: return "Р&азвернуть";
    case SC_CLOSE: return "&Закрыть";
    default: return std::nullopt;
  }
}

}  // namespace tavra
