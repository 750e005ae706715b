#pragma once
// Components: objects with an owner that frees them, a name, a tag and the lifecycle flags
// (loading, reading, destroying). An owner keeps its components in creation order and frees
// them last first.
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavra {

enum ComponentStateFlag : unsigned {
  csLoading = 0x1,
  csReading = 0x2,
  csWriting = 0x4,
  csDestroying = 0x8,
  csDesigning = 0x10,
};

class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* owner() const { return owner_; }
  const std::string& name() const { return name_; }
  void setName(const std::string& name) { name_ = name; }
  // The class name without namespace ("MainWindow"), as window class names and hooks use it.
  std::string ClassName() const;
  unsigned componentState() const { return state_; }
  bool isLoading() const { return (state_ & csLoading) != 0; }
  bool isDestroying() const { return (state_ & csDestroying) != 0; }
  bool isDesigning() const { return (state_ & csDesigning) != 0; }

  const std::vector<TComponent*>& components() const { return componentList_; }
  int componentCount() const { return static_cast<int>(componentList_.size()); }
  TComponent* findComponent(const std::string& name) const;

  // Builds a component owned by this one: `make<TLabel>(args...)` calls TLabel(this, args...).
  template <typename T, typename... Args>
  T& make(Args&&... args) {
    auto c = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *c;
    adopt(std::move(c));
    return ref;
  }
  // Takes ownership of a component whose owner is this one.
  void adopt(std::unique_ptr<TComponent> c);
  // Frees an owned component now.
  void destroyComponent(TComponent& c);

  int Tag = 0;

  // Called once for every component after its owner's stored layout has been built.
  virtual void Loaded() { state_ &= ~(csLoading | csReading); }

  // Starts loading: every owned component created from now on starts in the loading state too.
  void beginLoading() { state_ |= csLoading | csReading; }
  // Ends loading: Loaded for this component and every owned component, in creation order.
  void endLoading();

 protected:
  void setState(unsigned flags) { state_ |= flags; }
  void clearState(unsigned flags) { state_ &= ~flags; }
  // Frees every owned component (last created first); derived destructors call it while they
  // are still whole.
  void destroyComponents();

 private:
  TComponent* owner_ = nullptr;
  std::string name_;
  unsigned state_ = 0;
  std::vector<std::unique_ptr<TComponent>> owned_;
  std::vector<TComponent*> componentList_;
};

}  // namespace tavra
