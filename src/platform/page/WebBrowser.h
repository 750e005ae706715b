#pragma once
// The page viewer control: shows a web archive (.mht) page in its rectangle. Navigate returns
// at once; the page is loaded, laid out and shown by itself when the event loop next runs, and
// a request made before that replaces the one waiting (the latest request wins). A missing or
// damaged file shows a page of the viewer's own that says so; the caller is never told and
// never gets an error.
//   Scrolling: the vertical scroll bar, the wheel (three lines a notch), Up/Down, PgUp/PgDn,
//   Space and Shift+Space, Home/End. A page wider than the view also gets a horizontal bar
//   (shown only then), Left/Right and Shift+wheel.
//   Selection: dragging over the text selects it (the view scrolls when the pointer leaves it),
//   a double click selects a word, Ctrl+A all; Ctrl+C or Ctrl+Insert copies it.
//   Links: anchors scroll to their target, local pages open here, web and mail links go to the
//   desktop's open action.
//   History: Alt+Left, Backspace or the mouse's back button goes back over the pages this viewer
//   showed (links and the program's requests alike), Alt+Right or the forward button forward;
//   each page comes back where it was scrolled to.
//   Finding: Ctrl+F opens a find bar at the bottom; matches are marked as the text is typed
//   (letter case ignored, Ё as Е), Enter or F3 goes to the next, Shift+F3 to the previous, Esc
//   closes it.
//   A context menu on the page: back, forward, copy, select all, find, zoom; its items show their
//   keys (Alt+Left, Alt+Right, Ctrl+C, Ctrl+A, Ctrl+F, and Ctrl+0 on "100 %"), and those keys
//   reach the viewer's actions through the menu's items.
//   Zoom: Ctrl+wheel, Ctrl+plus, Ctrl+minus and Ctrl+0 lay the page out again enlarged or
//   reduced, keeping the text at the top of the view in place.
// Loading is split in two: decoding the archive (the page loader, which touches no shared
// state and may run elsewhere) and building the document on the GUI thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "framework/core/BorderStyle.h"
#include "framework/core/CustomControl.h"
#include "framework/controls/ScrollBar.h"
#include "framework/menus/PopupMenu.h"
#include "platform/page/PageDocument.h"
#include "platform/page/PageFindBar.h"
#include "platform/page/PageHistory.h"
#include "platform/page/PageLoader.h"

namespace tavra {

class TWebBrowser : public TCustomControl {
 public:
  using PageLoaderFunction = std::function<LoadedPage(const std::string& path)>;
  using TBeforeNavigateEvent = std::function<void(TComponent& sender, const std::string& url)>;

  explicit TWebBrowser(TComponent* owner);
  ~TWebBrowser() override;

  // Asks for the page at a full file path. Returns at once.
  void Navigate(const std::string& path);
  // The last path asked for, and the page being shown (null until the first has loaded).
  const std::string& requestedPath() const { return requestedPath_; }
  const PageDocument* document() const { return document_.get(); }
  // A request waits to be shown.
  bool Busy() const { return pending_; }
  // Pages shown so far.
  int documentsShown() const { return documentsShown_; }

  int scrollY() const { return scrollY_; }
  void scrollTo(int y);
  const ScrollBar& scrollBar() const { return scrollBar_; }
  int scrollX() const { return scrollX_; }
  void scrollToX(int x);
  const ScrollBar& horizontalScrollBar() const { return hScrollBar_; }
  // The selected text ("" when nothing is selected).
  std::string selectedText();
  void SelectAll();
  void CopyToClipboard();

  // Back and forward over the pages shown. A viewer whose pages its window chooses (the testing
  // window's questions) keeps no history: going back would show a page its window did not choose.
  bool keepsHistory() const { return keepsHistory_; }
  void setKeepsHistory(bool keeps) { keepsHistory_ = keeps; }
  bool canGoBack() const { return keepsHistory_ && history_.canGoBack(); }
  bool canGoForward() const { return keepsHistory_ && history_.canGoForward(); }
  void GoBack();
  void GoForward();

  // Finding: opens the find bar (focused); marks the matches of a text and goes to the first
  // at or below the top of the view; steps to the next or previous match (wrapping around).
  void ShowFind();
  void CloseFind();
  void Find(const std::string& text);
  void FindNext(bool backwards = false);
  int findMatchCount() const { return static_cast<int>(matches_.size()); }
  int currentFindMatch() const { return currentMatch_; }
  const PageFindBar* findBar() const { return findBar_; }

  // The context menu, shown at a screen point (the right button, the menu key, Shift+F10).
  void ShowContextMenu(Point screen);
  TPopupMenu& contextMenu() { return *contextMenu_; }

  // Zoom in percent (100: as laid out); the steps go from kZoomSteps' first to its last.
  int zoom() const { return zoom_; }
  void setZoom(int percent);
  void ZoomIn();
  void ZoomOut();
  static constexpr int kZoomSteps[] = {50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

  // The decoding step (tests count loads; a worker could run it).
  void setPageLoader(PageLoaderFunction loader) { loader_ = std::move(loader); }
  TBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle style);

  // Each request, as it is made (before anything is loaded), and each page once it is shown.
  TBeforeNavigateEvent OnBeforeNavigate2;
  TNotifyEvent OnDocumentComplete;

  void WndProc(TMessage& msg) override;

  static constexpr int kLineStep = 20;
  static constexpr int kWheelLines = 3;

 protected:
  void CreateParams(WindowParams& params) override;
  void Paint() override;
  bool KeyDown(unsigned& key, TShiftState shift) override;
  LResult DialogCode() override { return DLGC_WANTARROWS; }
  bool takesFocusOnClick() const override { return true; }

 private:
  enum class HistoryStep { Open, Revisit };
  void request(const std::string& path, const std::string& fragment, HistoryStep step = HistoryStep::Open);
  void revisit(const PageHistory::Entry& entry);
  void loadPending();
  void show(std::unique_ptr<PageDocument> document, const std::string& fragment);
  void relayout();
  void layoutDocument();
  void updateScrollBars();
  void scrollRequest(unsigned code);
  void horizontalScrollRequest(unsigned code);
  void paintCorner(const TMessage& m);
  void follow(const PageDocument::Link& link);
  void setSelection(int first, int last);
  Point toDocument(Point client) const;
  int scaled(int pagePixels) const { return (pagePixels * zoom_ + 50) / 100; }
  void pressed(Point client, bool doubleClick);
  void dragged(Point client);
  void released(Point client);
  void autoScroll();
  void buildContextMenu();
  void markMatches();
  void showMatch(int index);
  void placeFindBar();

  PageLoaderFunction loader_;
  std::unique_ptr<Window> loaderWindow_;  // takes the posted load requests
  std::unique_ptr<PageDocument> document_;
  ScrollBar scrollBar_;
  ScrollBar hScrollBar_;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  std::string requestedPath_;
  std::string pendingPath_;
  std::string pendingFragment_;
  bool pending_ = false;
  int documentsShown_ = 0;
  int scrollY_ = 0;
  int scrollX_ = 0;
  int zoom_ = 100;
  PageHistory history_;
  bool keepsHistory_ = true;
  PageFindBar* findBar_ = nullptr;
  TPopupMenu* contextMenu_ = nullptr;
  std::string findQuery_;
  std::vector<PageSearch::Match> matches_;
  int currentMatch_ = -1;
  int restoreScrollY_ = -1;  // page pixels to scroll to once the requested page shows
  // Selection: runs of the page's text, in reading order.
  int selectionFirst_ = -1;
  int selectionLast_ = -1;
  int anchorRun_ = -1;
  bool selecting_ = false;
  bool dragging_ = false;
  Point pressPoint_;
  Point lastPointer_;
  PageDocument::Link pressLink_;
};

}  // namespace tavra
