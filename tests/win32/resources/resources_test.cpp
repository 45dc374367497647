// What windres linked into the binary, read back the way the program reads it:
// the pictures through lornel::resources::Get, the icon through LoadImage, the
// version block through the version API, and the manifest through its effect.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/embedded.h"
#include "tests/unit/resources/image_headers.h"
#include "tests/win32/support/build_machine.h"

namespace {

namespace res = lornel::resources;
using lornel::testing::ReadJpeg;

// The committed file beside this test's sources; under Wine the Unix root is Z:.
std::vector<std::uint8_t> SourceFile(const std::string& relative) {
  std::ifstream in(std::string("Z:") + LORNEL_SOURCE_DIR + relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::wstring BesideExecutable(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + name;
}

std::vector<std::uint8_t> ReadWide(const std::wstring& path) {
  std::vector<std::uint8_t> bytes;
  HANDLE f =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return bytes;
  bytes.resize(GetFileSize(f, nullptr));
  DWORD got = 0;
  if (!ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
  bytes.resize(got);
  CloseHandle(f);
  return bytes;
}

// GetProcAddress's FARPROC through void*, which GCC accepts without a cast warning.
template <typename Function>
Function Proc(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct Picture {
  res::Blob blob;
  const char* file;
  int width;
  int height;
};

class LinkedPicture : public ::testing::TestWithParam<Picture> {};

TEST_P(LinkedPicture, IsTheCommittedJpegUnderItsId) {
  const Picture& p = GetParam();
  const res::Bytes linked = res::Get(p.blob);
  ASSERT_FALSE(linked.empty()) << "RCDATA " << static_cast<int>(p.blob) << " missing";
  const std::uint8_t signature[] = {0xFF, 0xD8, 0xFF, 0xE0};
  ASSERT_GE(linked.size(), sizeof signature);
  EXPECT_TRUE(std::equal(signature, signature + 4, linked.begin()));
  const auto info = ReadJpeg(linked);
  EXPECT_EQ(info.error, "");
  EXPECT_TRUE(info.baseline && !info.other_frame && info.components == 3);
  EXPECT_EQ(info.width, p.width);
  EXPECT_EQ(info.height, p.height);

  const auto committed = SourceFile(std::string("resources/") + p.file);
  ASSERT_FALSE(committed.empty()) << p.file;
  EXPECT_EQ(linked.size(), committed.size());
  EXPECT_TRUE(std::equal(linked.begin(), linked.end(), committed.begin(), committed.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Resources, LinkedPicture,
    ::testing::Values(Picture{res::Blob::AnswerCover, "answer_cover.jpg", 1018, 192},
                      Picture{res::Blob::NoticeBubbles, "notice_bubbles.jpg", 400, 300},
                      Picture{res::Blob::NoticeInfo, "notice_info.jpg", 626, 626}),
    [](const auto& param) {
      std::string name = param.param.file;
      return name.substr(0, name.find('.'));
    });

// The skin library and skins join the script only once skinlib/ builds them;
// whenever the DLL stands beside this binary, the embedded copy must be that file.
TEST(LinkedSkinData, MatchesWhatSkinlibBuilt) {
  const res::Bytes dll = res::Get(res::Blob::SkinLibrary);
  const auto built = ReadWide(BesideExecutable(L"SkinH_EL.dll"));
  if (!built.empty()) {
    ASSERT_FALSE(dll.empty()) << "SkinH_EL.dll was built but is not embedded (RCDATA 200)";
    EXPECT_TRUE(std::equal(dll.begin(), dll.end(), built.begin(), built.end()))
        << "embedded skin library differs from the built one: windres did not run again";
  }
  if (!dll.empty()) {
    ASSERT_GT(dll.size(), 0x100u);
    EXPECT_EQ(dll[0], 'M');
    EXPECT_EQ(dll[1], 'Z');
    std::uint32_t pe = 0;
    std::memcpy(&pe, dll.data() + 0x3C, 4);
    ASSERT_LT(pe + 24u, dll.size());
    EXPECT_EQ(std::memcmp(dll.data() + pe, "PE\0\0", 4), 0);
    std::uint16_t machine = 0, characteristics = 0;
    std::memcpy(&machine, dll.data() + pe + 4, 2);
    std::memcpy(&characteristics, dll.data() + pe + 22, 2);
    EXPECT_EQ(machine, test::kBuildMachine);
    EXPECT_TRUE(characteristics & IMAGE_FILE_DLL);
  }

  int present = 0;
  for (int n = 1; n <= res::kSkinCount; ++n) {
    const res::Bytes skin = res::Get(res::Blob::Skin, n);
    if (skin.empty()) continue;
    ++present;
    const std::uint8_t magic[] = {0x2E, 0x53, 0x48, 0x45, 0x00, 0x03};
    ASSERT_GE(skin.size(), sizeof magic) << "skin " << n;
    EXPECT_TRUE(std::equal(magic, magic + 6, skin.begin())) << "skin " << n;
  }
  EXPECT_TRUE(present == 0 || present == res::kSkinCount) << present << " of 33 skins embedded";
  if (!built.empty()) {
    EXPECT_EQ(present, res::kSkinCount) << "skin library built, skins not embedded";
  }
}

TEST(LinkedIcon, LoadsAt256AndAtTheSmallIconSize) {
  HINSTANCE self = GetModuleHandleW(nullptr);
  HICON big = static_cast<HICON>(LoadImageW(self, MAKEINTRESOURCEW(res::kIconResource), IMAGE_ICON,
                                            256, 256, LR_DEFAULTCOLOR));
  ASSERT_NE(big, nullptr) << GetLastError();
  ICONINFO ii{};
  ASSERT_TRUE(GetIconInfo(big, &ii));
  BITMAP bm{};
  ASSERT_TRUE(GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm));
  EXPECT_EQ(bm.bmWidth, 256);
  EXPECT_EQ(bm.bmHeight, ii.hbmColor ? 256 : 512);
  if (ii.hbmColor) DeleteObject(ii.hbmColor);
  DeleteObject(ii.hbmMask);

  // Drawn, the PNG must have been decoded: green board, white bubble, purple mark.
  // (Red and blue are equal in every colour of it; Wine swaps them in RGB PNG icons.)
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = 256;
  bi.bmiHeader.biHeight = -256;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  HGDIOBJ old = SelectObject(dc, dib);
  PatBlt(dc, 0, 0, 256, 256, BLACKNESS);
  ASSERT_TRUE(DrawIconEx(dc, 0, 0, big, 256, 256, 0, nullptr, DI_NORMAL));
  GdiFlush();
  const auto* px = static_cast<const std::uint32_t*>(bits);
  auto r = [&](int x, int y) { return int(px[y * 256 + x] >> 16 & 0xFF); };
  auto g = [&](int x, int y) { return int(px[y * 256 + x] >> 8 & 0xFF); };
  auto b = [&](int x, int y) { return int(px[y * 256 + x] & 0xFF); };
  EXPECT_GT(g(4, 4), r(4, 4) + 60) << "corner should be green";
  EXPECT_GT(g(4, 4), b(4, 4) + 60) << "corner should be green";
  EXPECT_GT(std::min({r(40, 100), g(40, 100), b(40, 100)}), 230) << "bubble should be white";
  int purple = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) purple += r(x, y) > 130 && b(x, y) > 130 && g(x, y) < 80;
  EXPECT_GT(purple, 1000) << "question mark missing";
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
  DestroyIcon(big);

  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  HICON small = static_cast<HICON>(
      LoadImageW(self, MAKEINTRESOURCEW(res::kIconResource), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
  ASSERT_NE(small, nullptr);
  DestroyIcon(small);
}

// version.dll is loaded by hand: the test binary's link line is not ours to change.
struct VersionApi {
  HMODULE dll = LoadLibraryW(L"version.dll");
  decltype(&GetFileVersionInfoSizeW) size = nullptr;
  decltype(&GetFileVersionInfoW) info = nullptr;
  decltype(&VerQueryValueW) query = nullptr;
  VersionApi() {
    if (!dll) return;
    size = Proc<decltype(size)>(dll, "GetFileVersionInfoSizeW");
    info = Proc<decltype(info)>(dll, "GetFileVersionInfoW");
    query = Proc<decltype(query)>(dll, "VerQueryValueW");
  }
  ~VersionApi() {
    if (dll) FreeLibrary(dll);
  }
};

TEST(LinkedVersionInfo, ReadsBackAsLornel11815823InChinese) {
  VersionApi api;
  ASSERT_TRUE(api.size && api.info && api.query);
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  const DWORD size = api.size(path, &ignored);
  ASSERT_GT(size, 0u) << "no VERSIONINFO";
  std::vector<std::uint8_t> block(size);
  ASSERT_TRUE(api.info(path, 0, size, block.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(api.query(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, (1u << 16) | 1u);
  EXPECT_EQ(fixed->dwFileVersionLS, (15u << 16) | 823u);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

  WORD* translation = nullptr;
  ASSERT_TRUE(api.query(block.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translation), &len));
  ASSERT_GE(len, 4u);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);

  auto text = [&](const wchar_t* key) {
    std::wstring query = std::wstring(L"\\StringFileInfo\\080404B0\\") + key;
    wchar_t* value = nullptr;
    UINT n = 0;
    if (!api.query(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &n) || !value)
      return std::wstring(L"<missing>");
    return std::wstring(value);  // n counts the terminator on Windows, not on every Wine
  };
  EXPECT_EQ(text(L"FileVersion"), L"1.1.15.823");
  EXPECT_EQ(text(L"ProductVersion"), L"1.1.15.823");
  EXPECT_EQ(text(L"ProductName"), L"Lornel");
  EXPECT_EQ(text(L"InternalName"), L"lornel.exe");
  EXPECT_EQ(text(L"OriginalFilename"), L"lornel.exe");
  // Wide literal: UTF-16 whatever the narrow execution charset is.
  EXPECT_EQ(text(L"FileDescription"), L"Lornel 课堂抢答");
  EXPECT_NE(text(L"CompanyName"), L"<missing>");
  EXPECT_NE(text(L"LegalCopyright"), L"<missing>");
}

TEST(LinkedManifest, DeclaresPerMonitorDpiAwarenessAndClassicControls) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(found, nullptr) << "no RT_MANIFEST 1";
  const char* xml = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
  const std::string manifest(xml, SizeofResource(nullptr, found));
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  EXPECT_NE(manifest.find("name=\"Lornel\" version=\"1.1.15.823\" processorArchitecture=\"x86\""),
            std::string::npos);
  for (const char* os :
       {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
        "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
        "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
    EXPECT_NE(manifest.find(os), std::string::npos) << os;
  }
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
  EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);

  // The effect, where the system reports it: the thread is per-monitor aware
  // (Wine 8 calls every thread so, whatever the manifest says) ...
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  using GetContext = HANDLE(WINAPI*)();
  using Awareness = int(WINAPI*)(HANDLE);
  auto get_context = Proc<GetContext>(user32, "GetThreadDpiAwarenessContext");
  auto awareness = Proc<Awareness>(user32, "GetAwarenessFromDpiAwarenessContext");
  if (!wine && get_context && awareness) {
    EXPECT_EQ(awareness(get_context()), 2) << "DPI_AWARENESS_PER_MONITOR_AWARE";
  }

  // ... and comctl32 is the classic one from system32, not version 6 from WinSxS.
  HMODULE comctl = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(comctl, path, MAX_PATH);
  std::wstring loaded(path, n);
  for (auto& c : loaded) c = towlower(c);
  EXPECT_FALSE(loaded.find(L"common-controls") != std::wstring::npos &&
               loaded.find(L"_6.0.") != std::wstring::npos)
      << "themed Common Controls 6 loaded: the program's text colours would be ignored";
  FreeLibrary(comctl);
}

}  // namespace
