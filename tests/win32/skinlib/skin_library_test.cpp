// SkinH_EL.dll loaded as the program loads it, restyling real windows under
// Wine; pixels are read back from the windows' DCs.
//
// Attaching hooks the thread and redirects this executable's GetSysColor
// imports for the rest of the process, so the restyling tests run in a child
// process of their own (SkinInProcess.*) and leave the other suites alone.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "skinlib/format/skin_format.h"
#include "tests/win32/skinlib/skin_kit.h"
#include "tests/win32/support/build_machine.h"
#include "tests/win32/support/pump.h"

namespace {

using lornel::skin::SkinData;
using namespace lornel::test::skin;
namespace sk = lornel::skin;

// ---------------------------------------------------------------------------
// The file itself: what the program's loader and the embedding rely on.

struct PeImage {
  Bytes file;
  const IMAGE_NT_HEADERS* nt = nullptr;

  explicit PeImage(Bytes bytes) : file(std::move(bytes)) {
    if (file.size() < sizeof(IMAGE_DOS_HEADER)) return;
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE ||
        static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS) > file.size())
      return;
    nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(file.data() + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) nt = nullptr;
  }
  // File pointer for a relative virtual address, or null.
  const unsigned char* At(DWORD rva) const {
    const IMAGE_SECTION_HEADER* s = IMAGE_FIRST_SECTION(nt);
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++s) {
      if (rva >= s->VirtualAddress && rva < s->VirtualAddress + s->SizeOfRawData) {
        const std::size_t offset = rva - s->VirtualAddress + s->PointerToRawData;
        return offset < file.size() ? file.data() + offset : nullptr;
      }
    }
    return nullptr;
  }
};

TEST(SkinLibrary, ExportTableNamesTheLibraryAndExportsOnlyTheUndecoratedEntry) {
  PeImage pe(ReadWhole(ExeDir() + L"\\SkinH_EL.dll"));
  ASSERT_NE(pe.nt, nullptr) << "SkinH_EL.dll missing beside the test binary";
  EXPECT_EQ(pe.nt->FileHeader.Machine, test::kBuildMachine);
  EXPECT_TRUE(pe.nt->FileHeader.Characteristics & IMAGE_FILE_DLL);
  const IMAGE_DATA_DIRECTORY& dir =
      pe.nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(pe.At(dir.VirtualAddress));
  ASSERT_NE(exports, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(pe.At(exports->Name)), "SkinH_EL.dll");
  ASSERT_EQ(exports->NumberOfNames, 1u);
  auto* names = reinterpret_cast<const DWORD*>(pe.At(exports->AddressOfNames));
  ASSERT_NE(names, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(pe.At(names[0])), "SkinH_AttachRes");
  // Small enough to embed.
  EXPECT_LT(pe.file.size(), 150u * 1024);
}

TEST(SkinLibrary, RestylesWindowsInAProcessOfItsOwn) { RunSuiteInChild(L"SkinInProcess"); }

// ---------------------------------------------------------------------------
// Inside the child process: one test window with a control of each kind.

enum : int { kButton, kStates, kRadio, kGroup, kInner, kEdit, kProgress, kPaint, kCheck, kCount };

HWND g_top = nullptr;
HWND g_controls[kCount];
HFONT g_font = nullptr;
HBRUSH g_white = nullptr;
constexpr COLORREF kRadioText = RGB(0, 0, 0x80);
constexpr COLORREF kGroupText = RGB(0, 0x80, 0x80);

// A painter half-way through (asking its parent for colours) while another
// thread attaches a skin.
struct Handover {
  bool armed = false;
  HANDLE painting = nullptr;
  HANDLE attached = nullptr;
} g_handover;

LRESULT CALLBACK TopProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORBTN:
      if (g_handover.armed) {
        g_handover.armed = false;
        SetEvent(g_handover.painting);
        WaitForSingleObject(g_handover.attached, 10000);
      }
      return DefWindowProcW(hwnd, message, wParam, lParam);
    case WM_CTLCOLORSTATIC: {  // as the program colours its captions
      HDC dc = reinterpret_cast<HDC>(wParam);
      HWND child = reinterpret_cast<HWND>(lParam);
      SetTextColor(dc, child == g_controls[kGroup] ? kGroupText : kRadioText);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CTLCOLOREDIT:
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(g_white);
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// Paints itself in the "default" colour, looked up at paint time, as the
// program's labels and picture boxes do.
LRESULT CALLBACK PaintProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    EndPaint(hwnd, &ps);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND MakeChild(const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, HWND parent,
               DWORD ex = 0) {
  HWND hwnd =
      CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, r.left, r.top,
                      r.right, r.bottom, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
  return hwnd;
}

constexpr DWORD kPush = BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER;

void BuildWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = TopProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"SkinTestTop";
  RegisterClassW(&wc);
  wc.lpfnWndProc = PaintProc;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = L"SkinTestPaint";
  RegisterClassW(&wc);
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  g_white = CreateSolidBrush(RGB(255, 255, 255));
  g_font = CreateFontW(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, L"");
  g_top = CreateWindowExW(WS_EX_TOPMOST, L"SkinTestTop", L"皮肤",
                          WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 480, 300, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  g_controls[kButton] = MakeChild(L"Button", L"按钮", kPush, {10, 10, 120, 60}, g_top);
  g_controls[kStates] = MakeChild(L"Button", L"态", kPush, {140, 10, 120, 60}, g_top);
  g_controls[kRadio] =
      MakeChild(L"Button", L"第一组", BS_AUTORADIOBUTTON | BS_MULTILINE, {10, 80, 150, 30}, g_top);
  g_controls[kGroup] =
      MakeChild(L"Button", L"信息", BS_GROUPBOX | WS_CLIPCHILDREN, {170, 80, 220, 100}, g_top);
  g_controls[kInner] = MakeChild(L"Button", L"内", kPush, {20, 40, 80, 40}, g_controls[kGroup]);
  g_controls[kEdit] =
      MakeChild(L"Edit", L"答案", ES_AUTOHSCROLL, {10, 190, 150, 30}, g_top, WS_EX_CLIENTEDGE);
  g_controls[kProgress] =
      MakeChild(PROGRESS_CLASSW, L"", 0, {170, 190, 200, 20}, g_top, WS_EX_STATICEDGE);
  SendMessageW(g_controls[kProgress], PBM_SETRANGE32, 0, 100);
  SendMessageW(g_controls[kProgress], PBM_SETPOS, 50, 0);
  g_controls[kPaint] = MakeChild(L"SkinTestPaint", L"", 0, {400, 10, 60, 60}, g_top);
  g_controls[kCheck] = MakeChild(L"Button", L"选", BS_AUTOCHECKBOX, {10, 120, 100, 30}, g_top);
  ShowWindow(g_top, SW_SHOWNOACTIVATE);
}

void Repaint() {
  RedrawWindow(g_top, nullptr, nullptr,
               RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  lornel::test::Pump(30);
}

COLORREF FramePixel(HWND hwnd, int x, int y) {  // window coordinates, frame included
  HDC dc = GetWindowDC(hwnd);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return c;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

COLORREF Lerp(COLORREF a, COLORREF b, double t) {
  auto ch = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
             ch(GetBValue(a), GetBValue(b)));
}

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

#define EXPECT_COLOUR_NEAR(actual, expected, tolerance) \
  EXPECT_PRED3(Near, actual, expected, tolerance) << Hex(actual) << " vs " << Hex(expected)

// Any pixel of exactly this colour in the rectangle of hwnd's client area.
bool HasPixel(HWND hwnd, RECT r, COLORREF colour) {
  HDC dc = GetDC(hwnd);
  bool found = false;
  for (int y = r.top; y < r.bottom && !found; ++y)
    for (int x = r.left; x < r.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
  ReleaseDC(hwnd, dc);
  return found;
}

// Live GDI objects of the process. Wine's GetGuiResources is a stub that
// answers 0; its handle table takes a bare index, so the table is counted.
int GdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported) return static_cast<int>(reported);
  int live = 0;
  for (ULONG_PTR index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
  return live;
}

DWORD RealSysColour(int index) {
  using Fn = DWORD(WINAPI*)(int);
  static Fn fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSysColor")));
  return fn(index);
}

// Calls the entry as a caller that leaves the cleaning to the callee, and
// gives how far the stack pointer moved (0 when the callee popped its six
// arguments).
#ifndef _WIN64
int StackDelta(void* entry) {
  int delta;
  static const char kEmpty[] = "";
  asm volatile(
      "movl %%esp, %%esi\n\t"
      "pushl $0\n\t"
      "pushl $0\n\t"
      "pushl $0\n\t"
      "pushl %2\n\t"
      "pushl $0\n\t"
      "pushl $0\n\t"
      "call *%1\n\t"
      "movl %%esp, %0\n\t"
      "subl %%esi, %0\n\t"
      "movl %%esi, %%esp\n\t"
      : "=&D"(delta)
      : "b"(entry), "i"(kEmpty)
      : "eax", "ecx", "edx", "esi", "memory", "cc");
  return delta;
}
#endif

class SkinInProcess : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!InSkinChild()) return;
    attach_ = LoadAttach();
    skin12_ = SkinBytes(12);
    skin1_ = SkinBytes(1);
    BuildWindow();
    Repaint();
  }
  void SetUp() override {
    if (!InSkinChild())
      GTEST_SKIP() << "runs in the child process of SkinLibrary.RestylesWindowsInAProcessOfItsOwn";
    ASSERT_NE(attach_, nullptr) << "SkinH_EL.dll or its entry not found";
    ASSERT_FALSE(skin12_.empty());
    ASSERT_FALSE(skin1_.empty());
  }
  int Attach(const Bytes& bytes) {
    return attach_(bytes.empty() ? nullptr : bytes.data(), static_cast<int>(bytes.size()), "", 0, 0,
                   0);
  }

  // Button face half-way down, at the left, clear of border, corner and caption.
  static COLORREF ButtonFace(HWND button) { return Pixel(button, 8, 30); }
  static COLORREF ExpectedFace(const SkinData& s, sk::Colour top, sk::Colour bottom) {
    return Lerp(s.colour[top], s.colour[bottom], 30.0 / 59.0);
  }

  static inline AttachFn attach_ = nullptr;
  static inline Bytes skin12_, skin1_;
};

TEST_F(SkinInProcess, BadDataBeforeAnyAttachIsRefusedAndChangesNothing) {
  const COLORREF button = ButtonFace(g_controls[kButton]);
  const COLORREF paint = Pixel(g_controls[kPaint], 30, 30);
  void* importBefore = reinterpret_cast<void*>(&GetSysColorBrush);

  EXPECT_NE(attach_(nullptr, 0, "", 0, 0, 0), 0);
  EXPECT_NE(attach_(nullptr, 100, "", 0, 0, 0), 0);
  EXPECT_NE(attach_(skin12_.data(), 0, "", 0, 0, 0), 0);
  EXPECT_NE(attach_(skin12_.data(), -5, "", 0, 0, 0), 0);
  EXPECT_NE(attach_(skin12_.data(), 6, "", 0, 0, 0), 0);
  Bytes garbage(skin12_.begin(), skin12_.begin() + 10);
  garbage.resize(300, 0x5A);
  EXPECT_NE(Attach(garbage), 0);
#ifndef _WIN64
  EXPECT_EQ(StackDelta(reinterpret_cast<void*>(attach_)), 0);
#endif

  Repaint();
  EXPECT_EQ(ButtonFace(g_controls[kButton]), button);
  EXPECT_EQ(Pixel(g_controls[kPaint], 30, 30), paint);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RealSysColour(COLOR_BTNFACE));
  EXPECT_EQ(reinterpret_cast<void*>(&GetSysColorBrush), importBefore);
}

TEST_F(SkinInProcess, Skin12RestylesTheControlsThatExist) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  const COLORREF face = s.colour[sk::kFace];
  ASSERT_NE(face, RealSysColour(COLOR_BTNFACE));

  // What the program paints in the default colour, and the window background.
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face);
  EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), s.colour[sk::kFaceText]);
  EXPECT_EQ(GetSysColor(COLOR_CAPTIONTEXT), RealSysColour(COLOR_CAPTIONTEXT));
  EXPECT_EQ(Pixel(g_controls[kPaint], 30, 30), face);
  EXPECT_EQ(Pixel(g_top, 470, 250), face);

  // Push buttons: the skin's gradient, border line at the edge.
  EXPECT_COLOUR_NEAR(ButtonFace(g_controls[kButton]),
                     ExpectedFace(s, sk::kButtonTop, sk::kButtonBottom), 4);
  EXPECT_EQ(Pixel(g_controls[kButton], 0, 30), s.colour[sk::kButtonBorder]);
  EXPECT_COLOUR_NEAR(ButtonFace(g_controls[kInner]),
                     Lerp(s.colour[sk::kButtonTop], s.colour[sk::kButtonBottom], 30.0 / 39.0), 4);

  // Radio: the parent's background and the parent's caption colour.
  EXPECT_EQ(Pixel(g_controls[kRadio], 145, 15), face);
  EXPECT_TRUE(HasPixel(g_controls[kRadio], {20, 0, 150, 30}, kRadioText));

  // The marks of radio buttons and check boxes appear only when checked.
  const COLORREF mark = s.colour[sk::kMark];
  for (int id : {kRadio, kCheck}) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(HasPixel(g_controls[id], {0, 0, 30, 30}, mark));
    SendMessageW(g_controls[id], BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(HasPixel(g_controls[id], {0, 0, 30, 30}, mark));
    SendMessageW(g_controls[id], BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(HasPixel(g_controls[id], {0, 0, 30, 30}, mark));
  }

  // Group box: filled inside, frame in the skin's colour, caption in the parent's.
  EXPECT_EQ(Pixel(g_controls[kGroup], 150, 60), face);
  EXPECT_EQ(Pixel(g_controls[kGroup], 0, 60), s.colour[sk::kFrame]);
  EXPECT_TRUE(HasPixel(g_controls[kGroup], {0, 0, 120, 24}, kGroupText));

  // Edit box: skin frame, the parent's white inside.
  EXPECT_EQ(FramePixel(g_controls[kEdit], 0, 15), s.colour[sk::kFrame]);
  EXPECT_EQ(Pixel(g_controls[kEdit], 140, 12), RGB(255, 255, 255));

  // Progress bar at 50 of 100: blocks on the left, the empty track on the right.
  RECT bar;
  GetClientRect(g_controls[kProgress], &bar);
  const int mid = bar.bottom / 2;
  const COLORREF block = Pixel(g_controls[kProgress], 3, mid);  // inside the first block
  EXPECT_COLOUR_NEAR(block,
                     Lerp(s.colour[sk::kProgressTop], s.colour[sk::kProgressBottom],
                          static_cast<double>(mid - 1) / (bar.bottom - 3)),
                     8);
  EXPECT_EQ(Pixel(g_controls[kProgress], bar.right * 7 / 8, mid), s.colour[sk::kProgressTrack]);
  EXPECT_EQ(FramePixel(g_controls[kProgress], 0, 5), s.colour[sk::kFrame]);
}

TEST_F(SkinInProcess, HotPressedDisabledAndFocusedLooksDiffer) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  HWND b = g_controls[kStates];
  const COLORREF normal = ButtonFace(b);

  RECT r;
  GetWindowRect(b, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageW(b, WM_MOUSEMOVE, 0, MAKELPARAM(60, 30));
  const COLORREF hot = ButtonFace(b);
  SendMessageW(b, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(ButtonFace(b), normal);

  SendMessageW(b, BM_SETSTATE, TRUE, 0);
  const COLORREF pressed = ButtonFace(b);
  SendMessageW(b, BM_SETSTATE, FALSE, 0);

  EnableWindow(b, FALSE);
  const COLORREF disabled = ButtonFace(b);
  EnableWindow(b, TRUE);
  EXPECT_EQ(ButtonFace(b), normal);

  EXPECT_COLOUR_NEAR(hot, ExpectedFace(s, sk::kHotTop, sk::kHotBottom), 4);
  EXPECT_COLOUR_NEAR(pressed, ExpectedFace(s, sk::kPressedTop, sk::kPressedBottom), 4);
  EXPECT_EQ(disabled, s.colour[sk::kDisabledFace]);
  const COLORREF looks[] = {normal, hot, pressed, disabled};
  for (int i = 0; i < 4; ++i)
    for (int j = i + 1; j < 4; ++j) EXPECT_NE(looks[i], looks[j]) << i << " " << j;

  SetForegroundWindow(g_top);
  SetFocus(b);
  lornel::test::Pump(20);
  if (GetFocus() == b) {
    EXPECT_EQ(Pixel(b, 0, 30), s.colour[sk::kAccent]);
  }
  SetFocus(nullptr);
  lornel::test::Pump(20);
  EXPECT_EQ(Pixel(b, 0, 30), s.colour[sk::kButtonBorder]);
  SetCursorPos(900, 700);
}

TEST_F(SkinInProcess, OnlyOneButtonIsHotWhenALeaveMessageIsLost) {
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  HWND first = g_controls[kButton], second = g_controls[kStates];
  const COLORREF normal = ButtonFace(first);
  SendMessageW(first, WM_MOUSEMOVE, 0, MAKELPARAM(60, 30));
  ASSERT_NE(ButtonFace(first), normal);
  // The pointer reaches the next button without the first one hearing it leave.
  SendMessageW(second, WM_MOUSEMOVE, 0, MAKELPARAM(60, 30));
  EXPECT_EQ(ButtonFace(first), normal);
  EXPECT_NE(ButtonFace(second), normal);
  SendMessageW(second, WM_MOUSELEAVE, 0, 0);
}

TEST_F(SkinInProcess, Skin1ReplacesTheLookOfSkin12) {
  ASSERT_EQ(Attach(skin12_), 0);
  const SkinData s = Parsed(skin1_);
  ASSERT_EQ(Attach(skin1_), 0);
  Repaint();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), s.colour[sk::kFace]);
  EXPECT_EQ(Pixel(g_controls[kPaint], 30, 30), s.colour[sk::kFace]);
  EXPECT_EQ(Pixel(g_top, 470, 250), s.colour[sk::kFace]);
  EXPECT_COLOUR_NEAR(ButtonFace(g_controls[kButton]),
                     ExpectedFace(s, sk::kButtonTop, sk::kButtonBottom), 4);
  EXPECT_EQ(Pixel(g_controls[kGroup], 150, 60), s.colour[sk::kFace]);
}

TEST_F(SkinInProcess, AHundredAttachesKeepTheGdiObjectCountFlat) {
  // The counter itself sees one brush come and go.
  const int empty = GdiObjects();
  HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(GdiObjects(), empty + 1);
  DeleteObject(probe);
  EXPECT_EQ(GdiObjects(), empty);

  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  const int before = GdiObjects();
  const DWORD usersBefore = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  const LONG_PTR procBefore = GetWindowLongPtrW(g_controls[kButton], GWLP_WNDPROC);
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(Attach(i % 2 ? skin12_ : skin1_), 0);
    Repaint();
  }
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  const int after = GdiObjects();
  std::printf("GDI objects before 100 attaches: %d, after: %d\n", before, after);
  EXPECT_EQ(after, before);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), usersBefore);  // no new hooks
  EXPECT_EQ(GetWindowLongPtrW(g_controls[kButton], GWLP_WNDPROC), procBefore);
}

TEST_F(SkinInProcess, WindowsCreatedAfterAttachingAreRestyled) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  HWND late = MakeChild(L"Button", L"后", kPush, {270, 10, 120, 60}, g_top);
  HWND top = CreateWindowExW(WS_EX_TOPMOST, L"SkinTestTop", L"后", WS_CAPTION | WS_VISIBLE, 0, 320,
                             200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  Repaint();
  RedrawWindow(top, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_COLOUR_NEAR(ButtonFace(late), ExpectedFace(s, sk::kButtonTop, sk::kButtonBottom), 4);
  EXPECT_EQ(Pixel(top, 100, 40), s.colour[sk::kFace]);
  DestroyWindow(late);
  DestroyWindow(top);
}

// What the probe saw in the message box, filled in while the box is open.
struct BoxProbe {
  HHOOK hook = nullptr;
  HWND box = nullptr;
  bool boxSubclassed = false;
  bool buttonSubclassed = false;
  COLORREF background = CLR_INVALID;
  COLORREF buttonFace = CLR_INVALID;
  RECT buttonRect{};
} g_probe;

bool Subclassed(HWND hwnd) {
  return GetWindowLongPtrW(hwnd, GWLP_WNDPROC) !=
         static_cast<LONG_PTR>(GetClassLongPtrW(hwnd, GCLP_WNDPROC));
}

void CALLBACK ProbeBox(HWND box, UINT, UINT_PTR id, DWORD) {
  KillTimer(box, id);
  UpdateWindow(box);
  HWND ok = GetDlgItem(box, IDOK);
  if (!ok) ok = FindWindowExW(box, nullptr, L"Button", nullptr);
  g_probe.boxSubclassed = Subclassed(box);
  g_probe.background = Pixel(box, 2, 2);
  if (ok) {
    g_probe.buttonSubclassed = Subclassed(ok);
    UpdateWindow(ok);
    GetClientRect(ok, &g_probe.buttonRect);
    g_probe.buttonFace = Pixel(ok, 5, g_probe.buttonRect.bottom / 2);
  }
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

// Closes the box from the hook as soon as it has been painted.
LRESULT CALLBACK WatchForBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && !g_probe.box) {
    wchar_t cls[16];
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (GetClassNameW(hwnd, cls, 16) && lstrcmpW(cls, L"#32770") == 0) {
      g_probe.box = hwnd;
      SetTimer(hwnd, 77, 100, ProbeBox);
    }
  }
  return CallNextHookEx(g_probe.hook, code, wParam, lParam);
}

TEST_F(SkinInProcess, AMessageBoxCreatedAfterAttachingIsRestyled) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  g_probe.hook = SetWindowsHookExW(WH_CBT, WatchForBox, nullptr, GetCurrentThreadId());
  ASSERT_NE(g_probe.hook, nullptr);
  const int pressed = MessageBoxW(nullptr, L"回答正确！", L"信息：", MB_OK | MB_TASKMODAL);
  UnhookWindowsHookEx(g_probe.hook);
  EXPECT_EQ(pressed, IDOK);
  ASSERT_NE(g_probe.box, nullptr);
  EXPECT_TRUE(g_probe.boxSubclassed);
  EXPECT_TRUE(g_probe.buttonSubclassed);
  EXPECT_EQ(g_probe.background, s.colour[sk::kFace]);
  EXPECT_COLOUR_NEAR(g_probe.buttonFace,
                     Lerp(s.colour[sk::kButtonTop], s.colour[sk::kButtonBottom],
                          (g_probe.buttonRect.bottom / 2) / double(g_probe.buttonRect.bottom - 1)),
                     4);
}

TEST_F(SkinInProcess, BadDataAfterAttachingKeepsTheLook) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  const COLORREF button = ButtonFace(g_controls[kButton]);

  Bytes truncated(skin12_.begin(), skin12_.end() - 5);
  Bytes badChecksum = skin12_;
  badChecksum[7] ^= 0x40;
  Bytes oversized = skin12_;
  oversized[11] = 0xFF;  // the first record's length
  oversized[12] = 0xFF;
  const std::uint32_t crc = sk::Crc32(oversized.data() + 10, oversized.size() - 10);
  std::memcpy(oversized.data() + 6, &crc, 4);
  Bytes foreign = skin1_;  // skin 1's data under an unknown tag
  foreign[10] = 0x77;
  for (const Bytes* bad : {&truncated, &badChecksum, &oversized, &foreign})
    EXPECT_NE(Attach(*bad), 0);
  EXPECT_NE(attach_(nullptr, 0, "", 0, 0, 0), 0);

  Repaint();
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), s.colour[sk::kFace]);
  EXPECT_EQ(ButtonFace(g_controls[kButton]), button);
  EXPECT_EQ(Pixel(g_controls[kPaint], 30, 30), s.colour[sk::kFace]);
}

// The library keeps which procedure each window had in a table of its own
// (not in window properties, a server round trip each under Wine): hundreds of
// windows come and go in any order and every live one still paints the skin.
COLORREF PrintedFace(HWND button) {
  RECT r;
  GetClientRect(button, &r);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  const COLORREF c = GetPixel(dc, 8, 30);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return c;
}

TEST_F(SkinInProcess, HundredsOfWindowsComeAndGoAndKeepTheirLook) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  const COLORREF face = ExpectedFace(s, sk::kButtonTop, sk::kButtonBottom);
  std::vector<HWND> live;
  auto make = [&](int n) {
    for (int i = 0; i < n; ++i)
      live.push_back(CreateWindowExW(0, L"Button", L"x", WS_CHILD | kPush, 0, 0, 120, 60, g_top,
                                     nullptr, GetModuleHandleW(nullptr), nullptr));
  };
  make(700);  // past the table's first growths
  // Every third one goes, then every other of the rest: holes all along the probe runs.
  for (int round : {3, 2}) {
    std::vector<HWND> kept;
    for (std::size_t i = 0; i < live.size(); ++i) {
      if (i % round == 0)
        DestroyWindow(live[i]);
      else
        kept.push_back(live[i]);
    }
    live = kept;
  }
  make(300);
  for (HWND b : live) {
    ASSERT_TRUE(Subclassed(b));
    EXPECT_COLOUR_NEAR(PrintedFace(b), face, 4);
  }
  for (HWND b : live) DestroyWindow(b);
}

WNDPROC g_below = nullptr;
int g_seenAbove = 0;

LRESULT CALLBACK Above(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ++g_seenAbove;
  return CallWindowProcW(g_below, hwnd, message, wParam, lParam);
}

TEST_F(SkinInProcess, ASubclassOnTopOfOursKeepsWorkingToTheEnd) {
  const SkinData s = Parsed(skin12_);
  ASSERT_EQ(Attach(skin12_), 0);
  HWND b = CreateWindowExW(0, L"Button", L"x", WS_CHILD | kPush, 0, 0, 120, 60, g_top, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(Subclassed(b));
  g_below = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(b, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Above)));
  EXPECT_COLOUR_NEAR(PrintedFace(b), ExpectedFace(s, sk::kButtonTop, sk::kButtonBottom), 4);
  EXPECT_GT(g_seenAbove, 0);
  // Ours leaves the procedure on top in place when the window goes.
  EXPECT_TRUE(DestroyWindow(b));
  EXPECT_FALSE(IsWindow(b));
}

TEST_F(SkinInProcess, WindowTextsAreLeftAlone) {
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  const std::pair<int, const wchar_t*> expected[] = {
      {kButton, L"按钮"}, {kRadio, L"第一组"}, {kGroup, L"信息"}, {kEdit, L"答案"}};
  for (auto [id, text] : expected) {
    wchar_t buffer[64] = {};
    SendMessageW(g_controls[id], WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, text);
  }
  // A caption set after attaching is read back unchanged too, and drawn.
  SetWindowTextW(g_controls[kButton], L"第二\r\n行");
  wchar_t buffer[64] = {};
  GetWindowTextW(g_controls[kButton], buffer, 64);
  EXPECT_STREQ(buffer, L"第二\r\n行");
  SetWindowTextW(g_controls[kButton], L"按钮");
}

struct AttachJob {
  AttachFn attach;
  const Bytes* skin;
  int result = -1;
};

DWORD WINAPI AttachWhilePainting(LPVOID data) {
  auto* job = static_cast<AttachJob*>(data);
  WaitForSingleObject(g_handover.painting, 10000);
  job->result = job->attach(job->skin->data(), static_cast<int>(job->skin->size()), "", 0, 0, 0);
  SetEvent(g_handover.attached);
  return 0;
}

TEST_F(SkinInProcess, ALookReplacedFromAnotherThreadLastsToTheEndOfThePaintUsingIt) {
  const SkinData old = Parsed(skin12_), next = Parsed(skin1_);
  ASSERT_EQ(Attach(skin12_), 0);
  Repaint();
  HWND b = g_controls[kButton];
  g_handover.painting = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  g_handover.attached = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  AttachJob job{attach_, &skin1_};
  HANDLE thread = CreateThread(nullptr, 0, AttachWhilePainting, &job, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  g_handover.armed = true;
  RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  CloseHandle(g_handover.painting);
  CloseHandle(g_handover.attached);
  g_handover = {};
  ASSERT_EQ(job.result, 0);
  // The corner outside the rounded face shows the brush of the look the paint
  // began with; a destroyed brush would have left it unpainted.
  EXPECT_EQ(Pixel(b, 0, 0), old.colour[sk::kFace]);
  EXPECT_COLOUR_NEAR(ButtonFace(b), ExpectedFace(old, sk::kButtonTop, sk::kButtonBottom), 4);
  Repaint();
  EXPECT_EQ(Pixel(b, 0, 0), next.colour[sk::kFace]);
}

}  // namespace
