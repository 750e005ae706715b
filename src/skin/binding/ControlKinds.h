#pragma once
// The kind codes skinned control classes write into their binding, the section each kind binds
// when it names none, and the three kind sets the binding's reactions depend on.
#include <optional>
#include <string_view>

namespace tavra {

namespace ControlKind {
constexpr int Edit = 3;
constexpr int FrameBar = 19;
constexpr int FrameBarTitle = 20;
constexpr int RadioButton = 33;
constexpr int Panel = 51;
constexpr int ScrollBox = 58;
constexpr int GroupBox = 74;
constexpr int SpeedButton = 92;
constexpr int BitBtn = 94;
constexpr int TreeView = 96;
constexpr int TabControl = 143;
constexpr int SkinProvider = 224;
constexpr int FrameAdapter = 226;
constexpr int AdapterItem = 227;
constexpr int Label = 0;  // labels name their section themselves and bind nothing by default
}  // namespace ControlKind

// The section a kind binds when its control names none; nothing for kinds that take their owner's
// class name instead.
std::optional<std::string_view> defaultSectionOfKind(int kind);

// Kinds that never record the mouse over them nor look hot because of it.
bool isNoHoverKind(int kind);
// Kinds whose window frame is repainted on focus and hover changes.
bool isEditLikeKind(int kind);
// Kinds that show no glow under the mouse.
bool isNoGlowKind(int kind);
// Button kinds (their hover is a cross-fade, not a glow).
constexpr bool isButtonKind(int kind) { return kind >= 92 && kind <= 94; }

}  // namespace tavra
