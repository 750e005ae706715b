#pragma once
// The skin manager's tests: a headless application, small skins (an options text naming its
// origin in AUTHOR, as a package, a folder or an internal skin), and probe forms and controls
// that log every skin command they receive.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/CustomControl.h"
#include "framework/core/Form.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinPaths.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/manager/TsSkinManager.h"
#include "skin_data/SkinFixtures.h"

namespace tavra::test {

// The options of a small skin: version, author and one red BUTTON section.
inline std::string skinOptions(const std::string& author, const std::string& version = "6.14") {
  return "[GLOBALINFO]\nVERSION=" + version + "\nAUTHOR=" + author + "\n[BUTTON]\nCOLOR=255\nTRANSPARENCY=0\n";
}

inline Bytes skinPackage(const std::string& author, const std::string& version = "6.14") {
  SkinFiles files;
  files.options = skinOptions(author, version);
  return files.package();
}

inline void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void writeSkinFolder(const std::filesystem::path& folder, const std::string& author) {
  SkinFiles files;
  files.options = skinOptions(author);
  files.writeFolder(folder);
}

// Internal skins named "<name>", each a package whose AUTHOR is its name.
inline TsStoredSkins internalSkins(const std::vector<std::string>& names) {
  TsStoredSkins skins;
  for (const std::string& name : names) {
    TsStoredSkin& skin = skins.add();
    skin.Name = name;
    skin.Data = skinPackage(name);
  }
  return skins;
}

// What probes received: "<name>:<command>", queries (SKC_ISSKINNED, SKC_GETPROVIDER) left out.
struct CommandLog {
  struct Entry {
    std::string receiver;
    SkinCommand command;
    LParam lParam;
    bool throughWindow;
  };
  std::vector<Entry> entries;
  std::function<void(const Entry&)> onEntry;  // runs as each entry is recorded

  void record(const std::string& receiver, WParam wParam, LParam lParam, bool throughWindow) {
    const SkinCommand command = skinCommandOf(wParam);
    if (command == SKC_ISSKINNED || command == SKC_GETPROVIDER) return;
    entries.push_back({receiver, command, lParam, throughWindow});
    if (onEntry) onEntry(entries.back());
  }
  // "receiver:SKC_NAME" for every entry, or only those of `command`.
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (const Entry& e : entries) out.push_back(e.receiver + ":" + std::string(skinCommandName(e.command)));
    return out;
  }
  std::vector<std::string> receiversOf(SkinCommand command) const {
    std::vector<std::string> out;
    for (const Entry& e : entries) {
      if (e.command == command) out.push_back(e.receiver);
    }
    return out;
  }
  std::vector<SkinCommand> commandsOf(const std::string& receiver) const {
    std::vector<SkinCommand> out;
    for (const Entry& e : entries) {
      if (e.receiver == receiver) out.push_back(e.command);
    }
    return out;
  }
  void clear() { entries.clear(); }
};

// Marks the skin commands that arrive through the window system (not by a direct dispatch).
class ThroughWindowMark {
 public:
  void wrap(Window& window) {
    WindowProc previous = window.setProc(nullptr);
    window.setProc([this, previous](Window& w, MessageId msg, WParam wParam, LParam lParam) {
      const bool outer = through_;
      through_ = msg == SM_SKINCMD;
      const LResult result = previous(w, msg, wParam, lParam);
      through_ = outer;
      return result;
    });
  }
  bool through() const { return through_; }

 private:
  bool through_ = false;
};

// A windowed control; `skinned` ones answer SKC_ISSKINNED with 1.
class ProbeWinControl : public TCustomControl {
 public:
  ProbeWinControl(TComponent* owner, CommandLog& log, bool skinned) : TCustomControl(owner), log_(log), skinned_(skinned) {
    controlStyle_ |= csAcceptsControls;
  }
  void placeIn(TWinControl& parent, const std::string& name) {
    setName(name);
    setParent(&parent);
    setBounds(0, 0, 40, 20);
    mark_.wrap(handle());
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD) {
      log_.record(name(), m.WParam_, m.LParam_, mark_.through());
      if (skinCommandOf(m.WParam_) == SKC_ISSKINNED && skinned_) m.Result = 1;
      return;
    }
    TCustomControl::WndProc(m);
  }

 private:
  CommandLog& log_;
  bool skinned_;
  ThroughWindowMark mark_;
};

class ProbeControl : public TGraphicControl {
 public:
  ProbeControl(TComponent* owner, CommandLog& log) : TGraphicControl(owner), log_(log) {}
  void placeIn(TWinControl& parent, const std::string& name) {
    setName(name);
    setParent(&parent);
    setBounds(0, 0, 30, 10);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD) {
      log_.record(name(), m.WParam_, m.LParam_, false);
      return;
    }
    TGraphicControl::WndProc(m);
  }

 private:
  CommandLog& log_;
};

// A provider as a form's skinning provider reports itself to the manager. Its animation part
// records the steps it is given ("k/n") in `steps`, shared with the other fakes of a test so
// their order shows.
class FakeProvider : public SkinFormProvider {
 public:
  TsSkinManager* manager = nullptr;
  bool drawsFrame = true;
  std::string name = "provider";
  int prepared = 0;
  std::shared_ptr<std::vector<std::string>> steps = std::make_shared<std::vector<std::string>>();
  std::function<void()> whileAnimating;  // runs at every step
  TsSkinManager* skinManager() const override { return manager; }
  bool drawsNonClientArea() const override { return drawsFrame; }
  std::unique_ptr<SkinChangeAnimation> prepareSkinChange() override {
    ++prepared;
    return std::make_unique<Part>(*this);
  }

 private:
  class Part : public SkinChangeAnimation {
   public:
    explicit Part(FakeProvider& provider) : provider_(provider) {}
    void step(int k, int n) override {
      provider_.steps->push_back(provider_.name + " " + std::to_string(k) + "/" + std::to_string(n));
      if (provider_.whileAnimating) provider_.whileAnimating();
    }

   private:
    FakeProvider& provider_;
  };
};

// A form that logs skin commands; with a provider it answers SKC_ISSKINNED and SKC_GETPROVIDER
// as a form whose provider is attached does.
class ProbeForm : public TForm {
 public:
  ProbeForm(TComponent* owner, CommandLog& log) : TForm(owner), log_(log) {}
  FakeProvider* provider = nullptr;
  bool answersSkinned = false;
  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD) {
      log_.record(name(), m.WParam_, m.LParam_, true);
      const SkinCommand command = skinCommandOf(m.WParam_);
      if (command == SKC_ISSKINNED && (answersSkinned || provider)) m.Result = 1;
      if (command == SKC_GETPROVIDER && provider) m.Result = reinterpret_cast<LResult>(static_cast<SkinFormProvider*>(provider));
      return;
    }
    TForm::WndProc(m);
  }

 private:
  CommandLog& log_;
};

class ManagerTest : public ::testing::Test {
 protected:
  // The log outlives the application: managers broadcast while they are destroyed.
  CommandLog log;
  TempDir temp;
  HeadlessDriver driver;

  void TearDown() override { SkinHandOver::slots() = SkinHandOver{}; }

  // A created form (layout, Loaded, creation handler done), owned by the application.
  ProbeForm& makeForm(const std::string& name) {
    auto owned = std::make_unique<ProbeForm>(&driver.app(), log);
    ProbeForm& form = *owned;
    driver.app().adopt(std::move(owned));
    form.setName(name);
    form.finishCreation();
    return form;
  }
  // A manager owned by the application, reading its skins from the temporary folder.
  TsSkinManager& makeManager(TsStoredSkins skins = {}) {
    auto& manager = driver.app().make<TsSkinManager>();
    manager.setInternalSkins(std::move(skins));
    manager.setSkinDirectory(temp.str());
    return manager;
  }
  std::string author(const TsSkinManager& manager) const { return manager.model().SkinData.Author; }
};

}  // namespace tavra::test
