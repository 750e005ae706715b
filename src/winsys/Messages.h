#pragma once
// Window messages, hit-test codes and style bits, with the numbers of the platform the window
// system stands in for: the skin engine's protocol is built on these numbers.
#include <cstdint>

namespace tavra {

using MessageId = std::uint32_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

constexpr WParam makeWParam(unsigned low, unsigned high) { return (static_cast<WParam>(high & 0xFFFF) << 16) | (low & 0xFFFF); }
constexpr LParam makeLParam(int low, int high) {
  return static_cast<LParam>(static_cast<std::uint32_t>((static_cast<std::uint32_t>(high) & 0xFFFF) << 16 | (static_cast<std::uint32_t>(low) & 0xFFFF)));
}
constexpr unsigned loWord(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFF); }
constexpr unsigned hiWord(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFF); }
// Signed 16-bit coordinates packed into an lParam.
constexpr int xFromLParam(LParam l) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(l & 0xFFFF)); }
constexpr int yFromLParam(LParam l) { return static_cast<std::int16_t>(static_cast<std::uint16_t>((l >> 16) & 0xFFFF)); }

enum : MessageId {
  WM_NULL = 0x0000,
  WM_CREATE = 0x0001,
  WM_DESTROY = 0x0002,
  WM_MOVE = 0x0003,
  WM_SIZE = 0x0005,
  WM_ACTIVATE = 0x0006,
  WM_SETFOCUS = 0x0007,
  WM_KILLFOCUS = 0x0008,
  WM_ENABLE = 0x000A,
  WM_SETREDRAW = 0x000B,
  WM_SETTEXT = 0x000C,
  WM_PAINT = 0x000F,
  WM_CLOSE = 0x0010,
  WM_QUIT = 0x0012,
  WM_ERASEBKGND = 0x0014,
  WM_SYSCOLORCHANGE = 0x0015,
  WM_SHOWWINDOW = 0x0018,
  WM_FONTCHANGE = 0x001D,
  WM_SETCURSOR = 0x0020,
  WM_MOUSEACTIVATE = 0x0021,
  WM_DRAWITEM = 0x002B,
  WM_MEASUREITEM = 0x002C,
  WM_SETFONT = 0x0030,
  WM_WINDOWPOSCHANGING = 0x0046,
  WM_WINDOWPOSCHANGED = 0x0047,
  WM_CONTEXTMENU = 0x007B,
  WM_NCCREATE = 0x0081,
  WM_NCDESTROY = 0x0082,
  WM_NCCALCSIZE = 0x0083,
  WM_NCHITTEST = 0x0084,
  WM_NCPAINT = 0x0085,
  WM_NCACTIVATE = 0x0086,
  WM_GETDLGCODE = 0x0087,
  WM_NCMOUSEMOVE = 0x00A0,
  WM_NCLBUTTONDOWN = 0x00A1,
  WM_NCLBUTTONUP = 0x00A2,
  WM_NCLBUTTONDBLCLK = 0x00A3,
  WM_NCRBUTTONDOWN = 0x00A4,
  WM_NCRBUTTONUP = 0x00A5,
  WM_KEYDOWN = 0x0100,
  WM_KEYUP = 0x0101,
  WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104,
  WM_SYSKEYUP = 0x0105,
  WM_SYSCHAR = 0x0106,
  WM_COMMAND = 0x0111,
  WM_SYSCOMMAND = 0x0112,
  WM_TIMER = 0x0113,
  WM_HSCROLL = 0x0114,
  WM_VSCROLL = 0x0115,
  WM_INITMENUPOPUP = 0x0117,
  WM_MENUSELECT = 0x011F,
  WM_ENTERIDLE = 0x0121,
  WM_UPDATEUISTATE = 0x0128,
  WM_MOUSEMOVE = 0x0200,
  WM_LBUTTONDOWN = 0x0201,
  WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203,
  WM_RBUTTONDOWN = 0x0204,
  WM_RBUTTONUP = 0x0205,
  WM_RBUTTONDBLCLK = 0x0206,
  WM_MBUTTONDOWN = 0x0207,
  WM_MBUTTONUP = 0x0208,
  WM_MBUTTONDBLCLK = 0x0209,
  WM_MOUSEWHEEL = 0x020A,
  WM_XBUTTONDOWN = 0x020B,  // the mouse's side buttons; high word of wParam: XBUTTON1 or XBUTTON2
  WM_XBUTTONUP = 0x020C,
  WM_XBUTTONDBLCLK = 0x020D,
  WM_PARENTNOTIFY = 0x0210,
  WM_ENTERMENULOOP = 0x0211,
  WM_EXITMENULOOP = 0x0212,
  WM_CAPTURECHANGED = 0x0215,
  WM_ENTERSIZEMOVE = 0x0231,
  WM_EXITSIZEMOVE = 0x0232,
  WM_MOUSEHOVER = 0x02A1,
  WM_NCMOUSELEAVE = 0x02A2,
  WM_MOUSELEAVE = 0x02A3,
  WM_PRINT = 0x0317,
  WM_PRINTCLIENT = 0x0318,
  WM_THEMECHANGED = 0x031A,
  WM_USER = 0x0400,
  WM_APP = 0x8000,
};

// Hit-test results of WM_NCHITTEST.
enum : LResult {
  HTERROR = -2,
  HTTRANSPARENT = -1,
  HTNOWHERE = 0,
  HTCLIENT = 1,
  HTCAPTION = 2,
  HTSYSMENU = 3,
  HTMENU = 5,
  HTHSCROLL = 6,
  HTVSCROLL = 7,
  HTMINBUTTON = 8,
  HTMAXBUTTON = 9,
  HTLEFT = 10,
  HTRIGHT = 11,
  HTTOP = 12,
  HTTOPLEFT = 13,
  HTTOPRIGHT = 14,
  HTBOTTOM = 15,
  HTBOTTOMLEFT = 16,
  HTBOTTOMRIGHT = 17,
  HTBORDER = 18,
  HTCLOSE = 20,
  HTHELP = 21,
};

// System commands of WM_SYSCOMMAND.
enum : WParam {
  SC_SIZE = 0xF000,
  SC_MOVE = 0xF010,
  SC_MINIMIZE = 0xF020,
  SC_MAXIMIZE = 0xF030,
  SC_CLOSE = 0xF060,
  SC_MOUSEMENU = 0xF090,
  SC_KEYMENU = 0xF100,
  SC_RESTORE = 0xF120,
};

// WM_ACTIVATE states, WM_MOUSEACTIVATE answers, WM_SIZE kinds, WM_PRINT flags.
enum : WParam { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };
enum : LResult { MA_ACTIVATE = 1, MA_NOACTIVATE = 3 };
enum : WParam { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1 };
enum : LParam {
  PRF_CHECKVISIBLE = 0x1,
  PRF_NONCLIENT = 0x2,
  PRF_CLIENT = 0x4,
  PRF_ERASEBKGND = 0x8,
  PRF_CHILDREN = 0x10,
  PRF_OWNED = 0x20,
};
// Scroll bar requests of WM_VSCROLL and WM_HSCROLL (low word of wParam).
enum : unsigned {
  SB_LINEUP = 0,
  SB_LINEDOWN = 1,
  SB_PAGEUP = 2,
  SB_PAGEDOWN = 3,
  SB_THUMBPOSITION = 4,
  SB_THUMBTRACK = 5,
  SB_TOP = 6,
  SB_BOTTOM = 7,
  SB_ENDSCROLL = 8,
  // The same requests, as a horizontal bar names them.
  SB_LINELEFT = SB_LINEUP,
  SB_LINERIGHT = SB_LINEDOWN,
  SB_PAGELEFT = SB_PAGEUP,
  SB_PAGERIGHT = SB_PAGEDOWN,
  SB_LEFT = SB_TOP,
  SB_RIGHT = SB_BOTTOM,
};
// Mouse key state bits in the wParam of mouse messages.
enum : WParam { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10, MK_XBUTTON1 = 0x20, MK_XBUTTON2 = 0x40 };
// Which side button a WM_XBUTTON message is about (high word of wParam): back and forward.
enum : unsigned { XBUTTON1 = 1, XBUTTON2 = 2 };

// Window styles.
enum : std::uint32_t {
  WS_OVERLAPPED = 0x00000000,
  WS_POPUP = 0x80000000,
  WS_CHILD = 0x40000000,
  WS_MINIMIZE = 0x20000000,
  WS_VISIBLE = 0x10000000,
  WS_DISABLED = 0x08000000,
  WS_CLIPSIBLINGS = 0x04000000,
  WS_CLIPCHILDREN = 0x02000000,
  WS_MAXIMIZE = 0x01000000,
  WS_CAPTION = 0x00C00000,
  WS_BORDER = 0x00800000,
  WS_DLGFRAME = 0x00400000,
  WS_VSCROLL = 0x00200000,
  WS_HSCROLL = 0x00100000,
  WS_SYSMENU = 0x00080000,
  WS_THICKFRAME = 0x00040000,
  WS_MINIMIZEBOX = 0x00020000,
  WS_MAXIMIZEBOX = 0x00010000,
  WS_TABSTOP = 0x00010000,
};

// Extended window styles.
enum : std::uint32_t {
  WS_EX_DLGMODALFRAME = 0x00000001,
  WS_EX_TOPMOST = 0x00000008,
  WS_EX_TRANSPARENT = 0x00000020,
  WS_EX_TOOLWINDOW = 0x00000080,
  WS_EX_WINDOWEDGE = 0x00000100,
  WS_EX_CLIENTEDGE = 0x00000200,
  WS_EX_STATICEDGE = 0x00020000,
  WS_EX_APPWINDOW = 0x00040000,
  WS_EX_LAYERED = 0x00080000,
  WS_EX_NOACTIVATE = 0x08000000,
};

// Class styles.
enum : std::uint32_t { CS_DBLCLKS = 0x0008, CS_DROPSHADOW = 0x00020000 };

}  // namespace tavra
