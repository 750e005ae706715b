// The page viewer control: requests and the latest one winning, the viewer's own pages for
// missing and damaged files, letter case, scrolling to the end (down, and right on a page wider
// than the viewer), links, selection and copying, the pointer's shape over links and text.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PageTestArchives.h"
#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "platform/page/WebBrowser.h"
#include "winsys/HeadlessBackend.h"
#include "winsys/Keys.h"
#include "winsys/Shell.h"

namespace tavra {
namespace {

using testing_pages::wordArchive;

class ViewerForm : public TForm {
 public:
  explicit ViewerForm(TComponent* owner) : TForm(owner) {
    setBounds(50, 50, 500, 400);
    viewer = &make<TWebBrowser>();
    viewer->setParent(this);
    viewer->setBounds(10, 10, 400, 300);
  }
  TWebBrowser* viewer = nullptr;
};

class WebBrowserTest : public ::testing::Test {
 protected:
  WebBrowserTest() {
    auto backend = std::make_unique<HeadlessBackend>();
    backend_ = backend.get();
    ws_ = std::make_unique<WindowSystem>(std::move(backend));
    app_ = std::make_unique<TApplication>();
    form_ = &app_->CreateForm<ViewerForm>();
    form_->Show();
    ws_->processMessages();
    dir_ = std::filesystem::temp_directory_path() / ("tavra_viewer_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  ~WebBrowserTest() override {
    setShellOpenHandler(nullptr);
    std::filesystem::remove_all(dir_);
    app_.reset();
    ws_.reset();
  }

  TWebBrowser& viewer() { return *form_->viewer; }
  std::string write(const std::string& name, const std::string& html) {
    std::filesystem::path p = dir_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << wordArchive(html, {});
    return p.string();
  }
  void settle() { ws_->processMessages(); }
  void inject(const InputEvent& ev) {
    backend_->inject(ev);
    settle();
  }
  void key(unsigned vk, unsigned mods = 0) {
    inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, vk, mods));
    inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, vk, mods));
  }
  Point screenOf(Point client) { return viewer().clientToScreen(client); }
  // The client point in the middle of the first word run with this text.
  Point runPoint(const std::string& text) {
    auto* doc = const_cast<PageDocument*>(viewer().document());
    for (const auto& run : doc->textRuns()) {
      if (run.text == text) return {(run.box.left + run.box.right) / 2 - viewer().scrollX(), (run.box.top + run.box.bottom) / 2 - viewer().scrollY()};
    }
    ADD_FAILURE() << "no run " << text;
    return {};
  }
  void click(Point client) {
    Point s = screenOf(client);
    inject(InputEvent::mouse(InputEvent::Kind::MouseMove, s));
    inject(InputEvent::mouse(InputEvent::Kind::MouseDown, s));
    inject(InputEvent::mouse(InputEvent::Kind::MouseUp, s));
  }
  std::string shownText() {
    auto* doc = const_cast<PageDocument*>(viewer().document());
    if (!doc) return {};
    return doc->textOfRuns(0, static_cast<int>(doc->textRuns().size()) - 1);
  }

  HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<WindowSystem> ws_;
  std::unique_ptr<TApplication> app_;
  ViewerForm* form_ = nullptr;
  std::filesystem::path dir_;
};

TEST_F(WebBrowserTest, NavigateReturnsAtOnceAndTheLatestRequestWins) {
  std::string first = write("first.mht", "<p>Первая страница</p>");
  std::string second = write("second.mht", "<p>Вторая страница</p>");
  std::vector<std::string> loaded;
  viewer().setPageLoader([&](const std::string& path) {
    loaded.push_back(path);
    return loadPage(path);
  });
  viewer().Navigate(first);
  viewer().Navigate(second);
  EXPECT_TRUE(viewer().Busy());
  EXPECT_EQ(viewer().document(), nullptr) << "nothing is loaded inside the call";
  EXPECT_TRUE(loaded.empty());
  settle();
  EXPECT_FALSE(viewer().Busy());
  EXPECT_EQ(loaded, (std::vector<std::string>{second})) << "the first request is dropped unread";
  ASSERT_NE(viewer().document(), nullptr);
  EXPECT_EQ(viewer().document()->status(), PageStatus::Loaded);
  EXPECT_EQ(shownText(), "Вторая страница");
  EXPECT_EQ(viewer().documentsShown(), 1);
  // The same page asked for again is loaded again.
  viewer().Navigate(second);
  settle();
  EXPECT_EQ(loaded.size(), 2u);
  EXPECT_EQ(viewer().documentsShown(), 2);
}

TEST_F(WebBrowserTest, AMissingFileShowsTheViewersOwnPageWithThePath) {
  std::string missing = (dir_ / "mat" / "нет.mht").string();
  viewer().Navigate(missing);
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  EXPECT_EQ(viewer().document()->status(), PageStatus::NotFound);
  std::string text = shownText();
  EXPECT_NE(text.find("Страница не найдена"), std::string::npos) << text;
  EXPECT_NE(text.find("нет.mht"), std::string::npos) << text;
}

TEST_F(WebBrowserTest, DamagedFilesAndFailingLoadsShowAPageAndNeverReachTheCaller) {
  std::filesystem::path damaged = dir_ / "damaged.mht";
  std::ofstream(damaged, std::ios::binary) << "Content-Type: multipart/related; boundary=\"x\"\r\n\r\n--x\r\nContent-Type: image/png\r\n\r\n\x89PNG";
  viewer().Navigate(damaged.string());
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  EXPECT_NE(viewer().document()->status(), PageStatus::NotFound);
  viewer().setPageLoader([](const std::string&) -> LoadedPage { throw std::runtime_error("disk on fire"); });
  EXPECT_NO_THROW(viewer().Navigate("/anything.mht"));
  EXPECT_NO_THROW(settle());
  ASSERT_NE(viewer().document(), nullptr);
  EXPECT_EQ(viewer().document()->status(), PageStatus::Unreadable);
  EXPECT_NE(shownText().find("disk on fire"), std::string::npos);
}

TEST_F(WebBrowserTest, APathIsOpenedWhateverTheLetterCaseOfItsFile) {
  write("Mat/Page.MHT", "<p>Найдена</p>");
  viewer().Navigate((dir_ / "mat" / "page.mht").string());
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  EXPECT_EQ(viewer().document()->status(), PageStatus::Loaded);
  EXPECT_EQ(shownText(), "Найдена");
}

TEST_F(WebBrowserTest, ScrollingReachesTheEndOfALongPage) {
  std::string html;
  for (int i = 1; i <= 120; ++i) html += "<p>Строка " + std::to_string(i) + "</p>";
  viewer().Navigate(write("long.mht", html));
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  int end = viewer().document()->height() - viewer().clientHeight();
  ASSERT_GT(end, 1000);
  EXPECT_EQ(viewer().scrollBar().maxPosition(), end);
  viewer().setFocus();
  key(VK_DOWN);
  EXPECT_EQ(viewer().scrollY(), TWebBrowser::kLineStep);
  key(VK_NEXT);
  EXPECT_EQ(viewer().scrollY(), TWebBrowser::kLineStep + viewer().clientHeight() - TWebBrowser::kLineStep);
  for (int i = 0; i < 100 && viewer().scrollY() < end; ++i) key(VK_SPACE);
  EXPECT_EQ(viewer().scrollY(), end) << "page by page to the end, and no further";
  EXPECT_NE(shownText().find("Строка 120"), std::string::npos);
  key(VK_HOME);
  EXPECT_EQ(viewer().scrollY(), 0);
  key(VK_END);
  EXPECT_EQ(viewer().scrollY(), end);
  key(VK_SPACE, kModShift);
  EXPECT_EQ(viewer().scrollY(), end - (viewer().clientHeight() - TWebBrowser::kLineStep));
  InputEvent wheel = InputEvent::mouse(InputEvent::Kind::MouseWheel, screenOf({50, 50}));
  wheel.wheelDelta = 120;
  inject(wheel);
  EXPECT_EQ(viewer().scrollY(), end - (viewer().clientHeight() - TWebBrowser::kLineStep) - 3 * TWebBrowser::kLineStep);
  // Dragging the thumb to the bottom of the bar shows the end as well.
  Rect thumb = viewer().scrollBar().partRect(ScrollBar::Part::Thumb);
  Point grab = viewer().window()->screenOrigin() + Point{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, grab));
  inject(InputEvent::mouse(InputEvent::Kind::MouseMove, grab + Point{0, 1000}));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, grab + Point{0, 1000}));
  EXPECT_EQ(viewer().scrollY(), end);
  // A narrower viewer lays the page out again and keeps within the new range.
  form_->viewer->setWidth(200);
  EXPECT_EQ(viewer().document()->layoutWidth(), viewer().clientWidth());
  EXPECT_LE(viewer().scrollY(), viewer().scrollBar().maxPosition());
}

TEST_F(WebBrowserTest, AltKeysOtherThanTheArrowsAreLeftToTheWindow) {
  std::string html;
  for (int i = 1; i <= 120; ++i) html += "<p>Строка " + std::to_string(i) + "</p>";
  viewer().Navigate(write("long.mht", html));
  settle();
  viewer().setFocus();
  std::vector<LParam> menuKeys;
  Window& top = *form_->window();
  auto previous = std::make_shared<WindowProc>();
  *previous = top.setProc([&menuKeys, previous](Window& w, MessageId msg, WParam wp, LParam lp) {
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_KEYMENU) menuKeys.push_back(lp);
    return (*previous)(w, msg, wp, lp);
  });
  // Alt+Space as the display reports it: the keys, and a typed blank with Alt held.
  inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_MENU, kModAlt));
  inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_SPACE, kModAlt));
  InputEvent blank = InputEvent::typed(" ");
  blank.modifiers = kModAlt;
  inject(blank);
  inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, VK_SPACE, kModAlt));
  inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, VK_MENU, 0));
  EXPECT_EQ(viewer().scrollY(), 0) << "Alt+Space does not page down";
  EXPECT_EQ(menuKeys, (std::vector<LParam>{' '})) << "the window is asked for its system menu";
  key(VK_END, kModAlt);
  key(VK_NEXT, kModAlt);
  EXPECT_EQ(viewer().scrollY(), 0);
  top.setProc(std::move(*previous));
}

TEST_F(WebBrowserTest, APageWiderThanTheViewerScrollsSidewaysAndOnlyThen) {
  viewer().Navigate(write("narrow.mht", "<p>Узкая страница</p>"));
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  EXPECT_FALSE(viewer().horizontalScrollBar().shown()) << "a page that fits has no horizontal bar";
  int narrowHeight = viewer().clientHeight();
  viewer().setFocus();
  key(VK_RIGHT);
  EXPECT_EQ(viewer().scrollX(), 0);

  viewer().Navigate(write("wide.mht",
                          "<div style=\"width:1200px\"><a href=\"http://example.org/left\">слева</a>"
                          "<div style=\"margin-left:1100px\"><a href=\"http://example.org/right\">справа</a></div></div>"));
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  const ScrollBar& bar = viewer().horizontalScrollBar();
  ASSERT_TRUE(bar.shown());
  EXPECT_EQ(viewer().clientHeight(), narrowHeight - bar.barRect().height()) << "the bar takes a row at the bottom";
  EXPECT_EQ(bar.barRect().top, viewer().window()->clientRect().bottom);
  EXPECT_EQ(bar.barRect().right, viewer().scrollBar().barRect().left) << "it ends where the vertical bar begins";
  Rect corner = ScrollBar::cornerRect(viewer().scrollBar(), bar);
  EXPECT_EQ(corner, (Rect{viewer().scrollBar().barRect().left, bar.barRect().top, viewer().scrollBar().barRect().right, bar.barRect().bottom}));
  int end = viewer().document()->width() - viewer().clientWidth();
  ASSERT_GT(end, 700);
  EXPECT_EQ(bar.maxPosition(), end);
  EXPECT_EQ(viewer().scrollBar().maxPosition(), std::max(0, viewer().document()->height() - viewer().clientHeight())) << "the vertical range is unchanged by the row";

  // Keys, the wheel with Shift, and the bar's requests.
  key(VK_RIGHT);
  EXPECT_EQ(viewer().scrollX(), TWebBrowser::kLineStep);
  EXPECT_EQ(viewer().scrollY(), 0);
  key(VK_LEFT);
  EXPECT_EQ(viewer().scrollX(), 0);
  InputEvent wheel = InputEvent::mouse(InputEvent::Kind::MouseWheel, screenOf({50, 20}), MouseButton::Left, kModShift);
  wheel.wheelDelta = -120;
  inject(wheel);
  EXPECT_EQ(viewer().scrollX(), 3 * TWebBrowser::kLineStep);
  EXPECT_EQ(viewer().scrollY(), 0) << "Shift+wheel does not scroll down";
  viewer().window()->send(WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_EQ(viewer().scrollX(), 3 * TWebBrowser::kLineStep + viewer().clientWidth() - TWebBrowser::kLineStep);
  viewer().window()->send(WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(viewer().scrollX(), end) << "the right end and no further";
  viewer().window()->send(WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(viewer().scrollX(), end);
  EXPECT_EQ(bar.position(), end);

  // A link hit after scrolling right opens the link drawn there.
  std::vector<std::string> opened;
  setShellOpenHandler([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  click(runPoint("справа"));
  EXPECT_EQ(opened, (std::vector<std::string>{"http://example.org/right"}));

  // The bar itself: its left arrow, its track left of the thumb, and the thumb dragged right.
  Point origin = viewer().window()->screenOrigin();
  auto middle = [&](ScrollBar::Part part) {
    Rect r = bar.partRect(part);
    return origin + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  Point leftArrow = middle(ScrollBar::Part::LineBack);
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, leftArrow));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, leftArrow));
  EXPECT_EQ(viewer().scrollX(), end - TWebBrowser::kLineStep);
  Point track = middle(ScrollBar::Part::PageBack);
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, track));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, track));
  EXPECT_EQ(viewer().scrollX(), end - TWebBrowser::kLineStep - (viewer().clientWidth() - TWebBrowser::kLineStep));
  viewer().window()->send(WM_HSCROLL, SB_LEFT, 0);
  EXPECT_EQ(viewer().scrollX(), 0);
  Point grab = middle(ScrollBar::Part::Thumb);
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, grab));
  inject(InputEvent::mouse(InputEvent::Kind::MouseMove, grab + Point{1000, 0}));
  EXPECT_EQ(viewer().scrollX(), end) << "the thumb tracks as it is dragged";
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, grab + Point{1000, 0}));
  EXPECT_EQ(viewer().scrollX(), end);
  EXPECT_EQ(viewer().scrollY(), 0);

  // Back to a page that fits: no bar, the full height, scrolled to the left edge.
  viewer().Navigate(write("narrow.mht", "<p>Узкая страница</p>"));
  settle();
  EXPECT_FALSE(bar.shown());
  EXPECT_EQ(viewer().clientHeight(), narrowHeight);
  EXPECT_EQ(viewer().scrollX(), 0);
}

// A skinned program paints the viewer's bars through the process's bar painter; the viewer itself
// knows nothing of it.
TEST_F(WebBrowserTest, BothBarsArePaintedByTheInstalledPainter) {
  struct Uninstall {
    ~Uninstall() { ScrollBar::setPainter(nullptr); }
  } uninstall;
  const Color blue = rgb(0, 0, 255);
  std::vector<const ScrollBar*> painted;
  ScrollBar::setPainter([&](Canvas& canvas, const ScrollBar& bar) {
    painted.push_back(&bar);
    canvas.fillRect(bar.barRect(), blue);
    return true;
  });
  std::string html = "<div style=\"width:1200px\">";
  for (int i = 1; i <= 80; ++i) html += "<p>Строка " + std::to_string(i) + "</p>";
  viewer().Navigate(write("big.mht", html + "</div>"));
  settle();
  ASSERT_TRUE(viewer().scrollBar().shown());
  ASSERT_TRUE(viewer().horizontalScrollBar().shown());
  const Bitmap shot = ws_->captureScreen(Rect::fromSize(0, 0, 1024, 768));
  for (const ScrollBar* bar : {&viewer().scrollBar(), &viewer().horizontalScrollBar()}) {
    EXPECT_NE(std::find(painted.begin(), painted.end(), bar), painted.end());
    const Rect thumb = bar->partRect(ScrollBar::Part::Thumb).offsetBy(viewer().window()->screenOrigin());
    const Point middle{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    EXPECT_EQ(shot.colorAt(middle.x, middle.y), blue);
  }
}

TEST_F(WebBrowserTest, LinksScrollToAnchorsOpenPagesHereAndSendTheWebToTheShell) {
  write("other.mht", "<p>Другая страница</p>");
  std::string filler;
  for (int i = 0; i < 60; ++i) filler += "<p>Текст " + std::to_string(i) + "</p>";
  std::string page = write("links.mht",
                           "<p><a href=\"#target\">вниз</a> <a href=\"other.mht\">другая</a> <a href=\"http://example.org/x\">сеть</a> "
                           "<a href=\"mailto:author@example.org\">почта</a> <a href=\"javascript:void(0)\">скрипт</a></p>" +
                               filler + "<p><a name=\"target\"></a>Цель</p>" + filler);
  std::vector<std::string> opened;
  setShellOpenHandler([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  viewer().Navigate(page);
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  auto target = viewer().document()->anchorY("target");
  ASSERT_TRUE(target.has_value());
  click(runPoint("вниз"));
  EXPECT_EQ(viewer().scrollY(), std::min(*target, viewer().scrollBar().maxPosition()));
  key(VK_HOME);
  click(runPoint("сеть"));
  click(runPoint("почта"));
  click(runPoint("скрипт"));
  EXPECT_EQ(opened, (std::vector<std::string>{"http://example.org/x", "mailto:author@example.org"}));
  click(runPoint("другая"));
  settle();
  EXPECT_EQ(shownText(), "Другая страница") << "a local page opens in the same viewer";
  EXPECT_EQ(viewer().requestedPath(), (dir_ / "other.mht").string());
}

TEST_F(WebBrowserTest, PointerIsAHandOverLinksAnIBeamOverTextAndAnArrowElsewhere) {
  viewer().Navigate(write("pointer.mht", "<p>Слово <a href=\"other.mht\">ссылка</a></p>"));
  settle();
  ASSERT_NE(viewer().document(), nullptr);
  struct Case {
    Point client;
    CursorShape shape;
  };
  const Case cases[] = {
      {runPoint("ссылка"), CursorShape::HandPoint},
      {runPoint("Слово"), CursorShape::IBeam},
      {{200, 280}, CursorShape::Arrow},  // below the page's text
      {runPoint("ссылка"), CursorShape::HandPoint},
      {{420, 200}, CursorShape::Arrow},  // the form beside the viewer
  };
  for (const Case& c : cases) {
    inject(InputEvent::mouse(InputEvent::Kind::MouseMove, screenOf(c.client)));
    EXPECT_EQ(backend_->cursorShape(), c.shape) << c.client.x << "," << c.client.y;
  }
}

TEST_F(WebBrowserTest, DraggingSelectsTextAndCtrlCCopiesIt) {
  viewer().Navigate(write("text.mht", "<p>Первое второе третье</p><p>Четвёртое пятое</p>"));
  settle();
  Point from = runPoint("второе"), to = runPoint("Четвёртое");
  inject(InputEvent::mouse(InputEvent::Kind::MouseMove, screenOf(from)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, screenOf(from)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseMove, screenOf(to)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, screenOf(to)));
  EXPECT_EQ(viewer().selectedText(), "второе третье\nЧетвёртое");
  key(VK_C, kModControl);
  EXPECT_EQ(ws_->clipboardText(), "второе третье\nЧетвёртое");
  backend_->virtualClock()->advance(600);  // past the double-click time
  click(from);
  EXPECT_EQ(viewer().selectedText(), "") << "a click clears the selection";
  key(VK_A, kModControl);
  EXPECT_EQ(viewer().selectedText(), "Первое второе третье\nЧетвёртое пятое");
  Point s = screenOf(runPoint("пятое"));
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, s));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, s));
  backend_->virtualClock()->advance(50);
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, s));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, s));
  EXPECT_EQ(viewer().selectedText(), "пятое") << "a double click selects a word";
}

TEST_F(WebBrowserTest, DraggingIntoTheRightMarginSelectsToTheLinesEndAndCopiesWrappedLinesJoined) {
  viewer().Navigate(write("margin.mht",
                          "<body style='margin: 8px 60px 8px 8px'><p>Начало длинного абзаца, который не помещается в "
                          "одну строку окна и потому переносится на следующие строки просмотра.</p>"
                          "<p>Другой абзац</p><p>И ещё один абзац</p></body>"));
  settle();
  const auto& runs = const_cast<PageDocument*>(viewer().document())->textRuns();
  const auto& lines = const_cast<PageDocument*>(viewer().document())->text().lines();
  ASSERT_GE(lines.size(), 4u);
  const Rect& secondLine = lines[1].box;
  Point from = runPoint("Начало");
  Point margin{viewer().clientWidth() - 25, (secondLine.top + secondLine.bottom) / 2};
  ASSERT_GT(margin.x, secondLine.right);
  inject(InputEvent::mouse(InputEvent::Kind::MouseMove, screenOf(from)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, screenOf(from)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseMove, screenOf(margin)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, screenOf(margin)));
  const std::string paragraph =
      "Начало длинного абзаца, который не помещается в одну строку окна и потому переносится на следующие строки просмотра.";
  std::string selected = viewer().selectedText();
  const std::string& lineEnd = runs[static_cast<size_t>(lines[1].lastRun)].text;
  EXPECT_EQ(paragraph.rfind(selected, 0), 0u) << selected;  // two lines of the paragraph, nothing after it
  ASSERT_GE(selected.size(), lineEnd.size());
  EXPECT_EQ(selected.substr(selected.size() - lineEnd.size()), lineEnd);
  EXPECT_LT(selected.size(), paragraph.size());
  key(VK_A, kModControl);
  key(VK_C, kModControl);
  EXPECT_EQ(ws_->clipboardText(),
            "Начало длинного абзаца, который не помещается в одну строку окна и потому переносится на следующие строки "
            "просмотра.\nДругой абзац\nИ ещё один абзац");
}

std::string longPage(const std::string& title, int paragraphs) {
  std::string html = "<h1>" + title + "</h1>";
  for (int i = 1; i <= paragraphs; ++i) {
    html += "<p>Абзац" + std::to_string(i) + " с текстом, который занимает строку или две в окне просмотра.</p>";
  }
  return html;
}

TEST_F(WebBrowserTest, BackAndForwardGoOverLinksAndTheProgramsRequestsAndKeepEachPlace) {
  std::string second = write("second.mht", "<p>Вторая страница</p>" + longPage("Вторая", 40));
  std::string first = write("first.mht", longPage("Первая", 40) + "<p><a href='second.mht'>дальше</a></p>");
  std::string third = write("third.mht", "<p>Третья страница</p>");
  viewer().Navigate(first);
  settle();
  EXPECT_FALSE(viewer().canGoBack());
  viewer().scrollTo(viewer().scrollBar().maxPosition());
  int firstPlace = viewer().scrollY();
  ASSERT_GT(firstPlace, 200);
  click(runPoint("дальше"));  // a link
  settle();
  EXPECT_EQ(viewer().requestedPath(), second);
  viewer().scrollTo(120);
  viewer().Navigate(third);  // the program's request, as a tree selection makes
  settle();
  backend_->virtualClock()->advance(600);

  struct Step {
    unsigned key;
    unsigned modifiers;
    std::string path;
    int scrollY;
  };
  const Step steps[] = {
      {VK_LEFT, kModAlt, second, 120},      {VK_BACK, 0, first, firstPlace}, {VK_BACK, 0, first, firstPlace},
      {VK_RIGHT, kModAlt, second, 120},     {VK_RIGHT, kModAlt, third, 0},   {VK_RIGHT, kModAlt, third, 0},
      {VK_BACK, kModShift, third, 0},
  };
  for (const Step& step : steps) {
    key(step.key, step.modifiers);
    settle();
    EXPECT_EQ(viewer().requestedPath(), step.path) << step.key << "+" << step.modifiers;
    EXPECT_EQ(viewer().scrollY(), step.scrollY) << step.path;
  }
  // The mouse's side buttons do the same: back (X1), then forward (X2).
  auto sideClick = [&](MouseButton button) {
    Point s = screenOf({50, 50});
    inject(InputEvent::mouse(InputEvent::Kind::MouseDown, s, button));
    inject(InputEvent::mouse(InputEvent::Kind::MouseUp, s, button));
    settle();
  };
  sideClick(MouseButton::X1);
  EXPECT_EQ(viewer().requestedPath(), second);
  sideClick(MouseButton::X2);
  EXPECT_EQ(viewer().requestedPath(), third);
  // Going back then opening a page drops what lay ahead.
  key(VK_LEFT, kModAlt);
  viewer().Navigate(first);
  settle();
  EXPECT_FALSE(viewer().canGoForward());
  EXPECT_TRUE(viewer().canGoBack());
  key(VK_LEFT, kModAlt);
  EXPECT_EQ(viewer().requestedPath(), second);
}

TEST_F(WebBrowserTest, ZoomLaysThePageOutAgainAndKeepsTheReadingPosition) {
  viewer().Navigate(write("long.mht", longPage("Длинная", 60)));
  settle();
  int baseHeight = viewer().scrollBar().maxPosition() + viewer().clientHeight();
  auto* doc = const_cast<PageDocument*>(viewer().document());
  auto topOf = [&](const std::string& text) {
    for (const auto& run : doc->textRuns()) {
      if (run.text == text) return run.box.top;
    }
    ADD_FAILURE() << text;
    return 0;
  };
  viewer().scrollTo(topOf("Абзац30"));
  auto atTop = [&](const std::string& text) {
    int y = topOf(text) * viewer().zoom() / 100;
    return std::abs(y - viewer().scrollY()) <= 2;
  };
  ASSERT_TRUE(atTop("Абзац30"));
  key(VK_OEM_PLUS, kModControl);
  EXPECT_EQ(viewer().zoom(), 110);
  EXPECT_TRUE(atTop("Абзац30")) << viewer().scrollY();
  InputEvent wheel = InputEvent::mouse(InputEvent::Kind::MouseWheel, screenOf({50, 50}), MouseButton::Left, kModControl);
  wheel.wheelDelta = 240;
  inject(wheel);
  EXPECT_EQ(viewer().zoom(), 150) << "a step a notch";
  EXPECT_TRUE(atTop("Абзац30"));
  int zoomedHeight = viewer().scrollBar().maxPosition() + viewer().clientHeight();
  EXPECT_GT(zoomedHeight, baseHeight * 14 / 10) << "the page is laid out narrower and drawn larger";
  // What the pointer hits follows the zoom: a double click on the word's place selects it.
  Point word{(topOf("Абзац30") >= 0 ? 20 : 0) * 3 / 2, 8};
  backend_->virtualClock()->advance(600);
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, screenOf(word)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, screenOf(word)));
  backend_->virtualClock()->advance(50);
  inject(InputEvent::mouse(InputEvent::Kind::MouseDown, screenOf(word)));
  inject(InputEvent::mouse(InputEvent::Kind::MouseUp, screenOf(word)));
  EXPECT_EQ(viewer().selectedText(), "Абзац30");
  key(VK_SUBTRACT, kModControl);
  EXPECT_EQ(viewer().zoom(), 125);
  key(VK_0, kModControl);
  EXPECT_EQ(viewer().zoom(), 100);
  EXPECT_TRUE(atTop("Абзац30"));
  EXPECT_EQ(viewer().scrollBar().maxPosition() + viewer().clientHeight(), baseHeight);
  for (int i = 0; i < 20; ++i) key(VK_SUBTRACT, kModControl);
  EXPECT_EQ(viewer().zoom(), 50);
}

TEST_F(WebBrowserTest, FindBarMarksMatchesIgnoringCaseAndYoAndStepsThroughThem) {
  viewer().Navigate(write("find.mht", "<p>Ёлка у дома.</p>" + longPage("Поиск", 30) +
                                          "<p>ЕЛКА в лесу, ёлочка, и ещё ёлка-ель.</p><p>Конец про ЕлКу.</p>"));
  settle();
  viewer().setFocus();
  settle();
  key(0x46, kModControl);  // Ctrl+F
  ASSERT_TRUE(viewer().findBar()->visible());
  inject(InputEvent::typed("ЁЛК"));
  EXPECT_EQ(viewer().findMatchCount(), 4) << "Ёлка, ЕЛКА, ёлка-ель, ЕлКу (not ёлочка)";
  EXPECT_EQ(viewer().currentFindMatch(), 0);
  EXPECT_EQ(viewer().findBar()->resultText(), "1 из 4");
  EXPECT_EQ(viewer().scrollY(), 0) << "the first match is in view already";
  key(VK_RETURN);
  EXPECT_EQ(viewer().currentFindMatch(), 1);
  EXPECT_GT(viewer().scrollY(), 0) << "the view moves to a match below it";
  key(0x72);  // F3
  key(0x72);
  EXPECT_EQ(viewer().currentFindMatch(), 3);
  EXPECT_EQ(viewer().findBar()->resultText(), "4 из 4");
  key(0x72);
  EXPECT_EQ(viewer().currentFindMatch(), 0) << "wraps around";
  key(0x72, kModShift);
  EXPECT_EQ(viewer().currentFindMatch(), 3);
  inject(InputEvent::typed("ё"));  // "ЁЛКё": no such text
  EXPECT_EQ(viewer().findMatchCount(), 0);
  EXPECT_EQ(viewer().findBar()->resultText(), "Не найдено");
  key(VK_ESCAPE);
  EXPECT_FALSE(viewer().findBar()->visible());
  EXPECT_EQ(viewer().findMatchCount(), 0);
}

TEST_F(WebBrowserTest, ContextMenuOffersHistoryCopyFindAndZoom) {
  std::string first = write("one.mht", "<p>Первая страница</p>");
  viewer().Navigate(first);
  settle();
  viewer().Navigate(write("two.mht", "<p>Вторая страница</p>"));
  settle();
  TPopupMenu& menu = viewer().contextMenu();
  ASSERT_TRUE(menu.OnPopup);
  menu.OnPopup(menu);
  std::vector<std::string> captions;
  for (int i = 0; i < menu.Items().count(); ++i) captions.push_back(menu.Items().items(i)->caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"Назад", "Вперёд", "-", "Копировать", "Выделить всё", "-", "Найти…", "Масштаб"}));
  EXPECT_TRUE(menu.Items().items(0)->enabled());
  EXPECT_FALSE(menu.Items().items(1)->enabled());
  EXPECT_FALSE(menu.Items().items(3)->enabled()) << "nothing selected to copy";
  TMenuItem& zoom = *menu.Items().items(7);
  ASSERT_EQ(zoom.count(), static_cast<int>(std::size(TWebBrowser::kZoomSteps)));
  EXPECT_TRUE(zoom.items(5)->checked());
  EXPECT_EQ(zoom.items(8)->caption(), "150 %");
  zoom.items(8)->Click();
  EXPECT_EQ(viewer().zoom(), 150);
  menu.Items().items(4)->Click();
  menu.OnPopup(menu);
  EXPECT_TRUE(menu.Items().items(3)->enabled());
  menu.Items().items(3)->Click();
  EXPECT_EQ(ws_->clipboardText(), "Вторая страница");
  menu.Items().items(0)->Click();
  settle();
  EXPECT_EQ(viewer().requestedPath(), first);
  menu.Items().items(6)->Click();
  EXPECT_TRUE(viewer().findBar()->visible());
}

TEST_F(WebBrowserTest, EveryShortCutTheContextMenuShowsChoosesItsItem) {
  std::string first = write("one.mht", "<p>Первая страница</p>");
  viewer().Navigate(first);
  settle();
  std::string second = write("two.mht", "<p>Вторая страница</p>");
  viewer().Navigate(second);
  settle();
  viewer().setZoom(150);
  viewer().setFocus();
  // Each row's key, pressed in the viewer, chooses the item that shows it; the order makes every
  // item enabled when its turn comes (back before forward, select before copy, find last: it
  // takes the focus).
  struct Row {
    const char* caption;
    const char* shown;
    unsigned key;
    unsigned modifiers;
  };
  const Row rows[] = {{"Назад", "Alt+Left", VK_LEFT, kModAlt},        {"Вперёд", "Alt+Right", VK_RIGHT, kModAlt},
                      {"Выделить всё", "Ctrl+A", VK_A, kModControl},  {"Копировать", "Ctrl+C", VK_C, kModControl},
                      {"100 %", "Ctrl+0", VK_0, kModControl},         {"Найти…", "Ctrl+F", 0x46, kModControl}};
  std::vector<TMenuItem*> withShortCuts;
  std::function<void(TMenuItem&)> collect = [&](TMenuItem& parent) {
    for (int i = 0; i < parent.count(); ++i) {
      if (!parent.items(i)->shortCut().empty()) withShortCuts.push_back(parent.items(i));
      collect(*parent.items(i));
    }
  };
  collect(viewer().contextMenu().Items());
  ASSERT_EQ(withShortCuts.size(), std::size(rows)) << "every shown shortcut is in the table";
  std::vector<std::string> chosen;
  for (TMenuItem* item : withShortCuts) {
    item->OnClick = [&chosen, item, click = item->OnClick](TComponent& sender) {
      chosen.push_back(item->caption());
      click(sender);
    };
  }
  for (const Row& row : rows) {
    auto it = std::find_if(withShortCuts.begin(), withShortCuts.end(), [&](TMenuItem* i) { return i->caption() == row.caption; });
    ASSERT_NE(it, withShortCuts.end()) << row.caption;
    EXPECT_EQ((*it)->shortCutText(), row.shown);
    chosen.clear();
    key(row.key, row.modifiers);
    settle();
    EXPECT_EQ(chosen, (std::vector<std::string>{row.caption})) << row.shown;
  }
  // What the items did.
  EXPECT_EQ(viewer().requestedPath(), second);
  EXPECT_EQ(ws_->clipboardText(), "Вторая страница");
  EXPECT_EQ(viewer().zoom(), 100);
  EXPECT_TRUE(viewer().findBar()->visible());
}

}  // namespace
}  // namespace tavra
