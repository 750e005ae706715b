#pragma once
// The component that owns the current skin: it finds a skin by name (a package file, an unpacked
// skin folder or a skin stored inside it), has it loaded into its model, and tells every window
// and skinned control about the change through SM_SKINCMD. Skinned controls that name no manager
// use the default manager: the first one created in the process.
//
// A load that fails (a package the reader rejects, a damaged package, a value that does not
// convert, a file that cannot be read) changes nothing: the skin in use stays loaded and painted,
// the name, the flags and the settings are as before, OnAfterChange is not called, and the error
// is raised as an Exception for the application's error box (while the component is still being
// loaded from its stored settings it goes to the error box directly).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Control.h"
#include "skin/data/SkinModel.h"
#include "skin/data/TsStoredSkins.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinManagerSettings.h"
#include "skin/manager/SkinModelCache.h"
#include "skin/manager/ThirdPartyList.h"
#include "winsys/Window.h"

namespace tavra {

class Bitmap;
class TCustomForm;
class SkinApplicationWindow;
struct SkinChoice;
class SkinHooks;
class SkinMenuSkinner;
class SkinNoticeBoxes;

enum class Repaint { No, Yes };
enum class SkinListKind { Folders = 0, Packages = 1, Both = 2 };

// Asks the application for a menu's extra line: its section, caption, glyph and visibility.
using TacGetExtraLineData = std::function<void(TComponent* firstItem, std::string& skinSection, std::string& caption,
                                               Bitmap& glyph, bool& lineVisible)>;

// A number no model of this process has had yet.
std::uint64_t NextModelGeneration();

class TsSkinManager : public TComponent {
 public:
  static constexpr std::string_view kVersion = "6.23";
  static constexpr std::string_view kDefaultSkinDirectory = "c:\\Skins";
  static constexpr std::string_view kNoSkinInfo = "N/A";

  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;

  // Published properties. Setters run their algorithm at once.
  bool active() const { return active_; }
  void setActive(bool active);
  const std::string& skinName() const { return skinName_; }
  void setSkinName(const std::string& name);
  const std::string& skinDirectory() const { return skinDirectory_; }
  void setSkinDirectory(const std::string& directory);
  TsStoredSkins& internalSkins() { return internalSkins_; }
  const TsStoredSkins& internalSkins() const { return internalSkins_; }
  void setInternalSkins(TsStoredSkins skins) { internalSkins_ = std::move(skins); }
  // The loaded skin's VERSION ("6.14"), or "N/A" while no skin data are active. Writes are ignored.
  std::string skinInfo() const;
  void setSkinInfo(const std::string&) {}
  std::string version() const { return std::string(kVersion); }
  void setVersion(const std::string&) {}
  const std::vector<std::string>& commonSections() const { return commonSections_; }
  void setCommonSections(const std::vector<std::string>& lines);
  int hueOffset() const { return hueOffset_; }
  void setHueOffset(int degrees);
  int saturation() const { return saturation_; }
  void setSaturation(int amount);
  bool isDefault() const { return DefaultManager() == this; }
  void setIsDefault(bool value);
  bool skinnedPopups() const { return skinnedPopups_; }
  void setSkinnedPopups(bool value);
  bool AllowGlowing = true;
  TacSkinningRules SkinningRules = kAllSkinningRules;
  TacMenuSupport MenuSupport;
  TacAnimEffects AnimEffects;
  ThirdPartyList ThirdParty;

  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnAfterChange;
  TacGetExtraLineData OnGetMenuExtraLineData;

  // The skin in use, with the lookups, colour accessors and geometry helpers.
  SkinModel& model() { return *model_; }
  const SkinModel& model() const { return *model_; }
  // Names the model in use: a new number on every load (hue and saturation reloads too) and when
  // the skin is removed. Numbers are unique in the process, across managers, so a binding that
  // compares it knows its indices belong to another model even when a new manager took the
  // address of a destroyed one.
  std::uint64_t modelGeneration() const { return modelGeneration_; }
  // The skin's files came from a package (a file or an internal skin's).
  bool IsPacked() const { return isPacked_; }
  // The skins loaded lately, kept decoded for switching back.
  const SkinModelCache& modelCache() const { return modelCache_; }

  // The absolute skin folder (no final separator).
  std::string ResolveSkinDirectory() const;
  // Fills `list` with the names of every available skin, sorted, and returns the first name
  // found: the first internal skin's, else the first folder or package met.
  std::string ListSkins(std::vector<std::string>& list, SkinListKind kind) const;

  // Announces the loaded skin (SKC_REFRESH), with repaint also SKC_FADEDONE and SKC_SETSKIN.
  void ApplySkin(Repaint repaint);
  void RefreshForms();
  // Drops the skin: SKC_REMOVESKIN, then the model is emptied.
  void RemoveSkin();
  void Broadcast(SkinCommand command);

  // A skinned window reports that the mouse is over it (null: over no skinned window).
  void ReportHotWindow(Window* window);
  Window* HotWindow() const;

  // The class names of each ThirdParty entry, in the table's order.
  const std::vector<std::vector<std::string>>& ThirdPartyClassLists() const { return classLists_; }
  bool HooksInstalled() const { return hooks_ != nullptr; }
  SkinMenuSkinner* menuSkinner() const { return menuSkinner_.get(); }
  // The application's hidden window the menu skinning posts to (default-at-creation manager).
  Window* applicationWindow() const;

  // The default manager of the process, or null.
  static TsSkinManager* DefaultManager();
  // The value this manager sends as lParam of its commands.
  LParam commandParam() const { return reinterpret_cast<LParam>(this); }

 protected:
  void Loaded() override;

 private:
  // What a failed load gives back.
  struct Settings {
    std::string skinName;
    bool active = false;
    bool headerActive = false;
    bool isPacked = false;
    int hueOffset = 0;
    int saturation = 0;
    std::vector<std::string> commonSections;
  };
  Settings settings() const;
  void restore(const Settings& before);

  enum class LoadOutcome { Loaded, NoSkin, Failed };
  // Changing to the skin named SkinName (its assignment, and the re-runs of it).
  void changeSkin(const Settings& before);
  // Loads the skin named SkinName into a new model that replaces the one in use: the package
  // file if there is one, else the unpacked folder or an internal skin. NoSkin: there is none
  // (Active is off now). Failed: `before` is back and the error has been raised or reported.
  LoadOutcome loadSkin(const Settings& before);
  LoadOutcome LoadPackedSkin(const Settings& before, const std::string& packagePath);
  LoadOutcome LoadUnpackedOrInternalSkin(const Settings& before);
  LoadOutcome installSkin(const Settings& before, const SkinChoice& choice);
  void reloadSkin(const Settings& before);
  // Gives back `before`, then raises the error (while loading: reports it).
  void fail(const Settings& before, const std::string& message);

  // Freezes the visible forms of this manager for its lifetime (and raises the animation flag);
  // gives them back on every path: with the skin-change animation after release(), at once
  // when the work in between failed.
  class FrozenForms {
   public:
    explicit FrozenForms(TsSkinManager& manager) : manager_(manager) { manager_.freezeProviderForms(); }
    ~FrozenForms();
    FrozenForms(const FrozenForms&) = delete;
    FrozenForms& operator=(const FrozenForms&) = delete;
    void release();
    // Someone else released the forms already.
    void dismiss() { held_ = false; }

   private:
    TsSkinManager& manager_;
    bool held_ = true;
  };
  enum class ReleaseAnimation { No, Yes };
  void freezeProviderForms();
  void releaseProviderForms(ReleaseAnimation animation);
  std::vector<TCustomForm*> providerFormsOfThis();
  void dropGlowEffects();
  void installHooks();
  void removeHooks();
  void refreshClassLists();

  bool active_ = true;
  std::string skinName_;
  std::string skinDirectory_;
  TsStoredSkins internalSkins_;
  std::vector<std::string> commonSections_;
  int hueOffset_ = 0;
  int saturation_ = 0;
  bool skinnedPopups_ = true;
  bool isPacked_ = false;
  std::unique_ptr<SkinModel> model_ = std::make_unique<SkinModel>();
  std::uint64_t modelGeneration_ = NextModelGeneration();
  SkinModelCache modelCache_;
  WindowHandle hotWindow_ = 0;
  std::vector<std::vector<std::string>> classLists_;
  std::unique_ptr<SkinNoticeBoxes> noticeBoxes_;
  std::unique_ptr<SkinMenuSkinner> menuSkinner_;
  std::unique_ptr<SkinHooks> hooks_;
  std::unique_ptr<SkinApplicationWindow> applicationWindow_;
};

}  // namespace tavra
