#pragma once
// The windows the default manager's hook took over, with what it attached to each: program forms
// (a provider holder), native dialogs and popup menus (window adapters). The list owns the
// attachments; an entry whose window no longer exists is dropped at the next look.
#include <memory>
#include <vector>

#include "skin/manager/SkinHandOver.h"
#include "winsys/Window.h"

namespace tavra {

enum class TakenOverKind { Form, Dialog, PopupMenu };

struct TakenOverWindow {
  TakenOverKind kind = TakenOverKind::Dialog;
  WindowHandle window = 0;
  TCustomForm* form = nullptr;  // the form of a Form entry, valid while its window exists
  std::unique_ptr<SkinWindowAdapter> adapter;
};

class TakenOverWindows {
 public:
  void add(TakenOverWindow entry);
  bool contains(WindowHandle window);
  // Frees every attachment.
  void clear();
  const std::vector<TakenOverWindow>& entries();
  // Whether any taken-over window is visible.
  bool anyVisible();
  // The visible dialog windows, in the order they were taken.
  std::vector<Window*> visibleDialogs();
  // The forms taken over that still have their window.
  std::vector<TCustomForm*> forms();

 private:
  void prune();
  std::vector<TakenOverWindow> entries_;
};

}  // namespace tavra
