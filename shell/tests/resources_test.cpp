// Checks the resources compiled into a program: loads every one of them the
// way the programs do and compares them with what the windows rely on.
// Built twice, once with each program's resource script; RESOURCES_TEST_VORNA
// selects VORNA's expectations.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "shell/resources/shell_resources.h"
#if RESOURCES_TEST_VORNA
#include "vorna/resources/vorna_ids.h"
#else
#include "heftrak/resources/heftrak_ids.h"
#endif

namespace {

HINSTANCE Self() {
  return GetModuleHandleA(nullptr);
}

// The raw bytes of a resource, or an empty span when it is missing.
struct ResourceBytes {
  const unsigned char* data = nullptr;
  DWORD size = 0;
};

ResourceBytes Find(const char* name, const char* type) {
  HRSRC info = FindResourceA(Self(), name, type);
  if (info == nullptr)
    return {};
  HGLOBAL handle = LoadResource(Self(), info);
  if (handle == nullptr)
    return {};
  return {static_cast<const unsigned char*>(LockResource(handle)), SizeofResource(Self(), info)};
}

// --- Bitmaps ---------------------------------------------------------------

struct BitmapSize {
  int width;
  int height;
};

BitmapSize SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof info, &info) != sizeof info)
    return {-1, -1};
  return {info.bmWidth, info.bmHeight};
}

// The colours of every pixel of a loaded bitmap, row by row from the top.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap) {
  BitmapSize size = SizeOf(bitmap);
  std::vector<COLORREF> pixels;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < size.height; ++y)
    for (int x = 0; x < size.width; ++x)
      pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, old);
  DeleteDC(dc);
  return pixels;
}

const BITMAPINFOHEADER* DibHeader(const ResourceBytes& res) {
  if (res.size < sizeof(BITMAPINFOHEADER))
    return nullptr;
  return reinterpret_cast<const BITMAPINFOHEADER*>(res.data);
}

// The dots of "Male Only" are black, in the colour depths the marks are
// drawn from; the logo is a picture, not a blank (several colours in it).
TEST(Bitmaps, EachHasItsSizeDepthAndInk) {
  const struct {
    const char* name;
    int width, height;
    WORD bitCount;
    bool allBlack;
  } cases[] = {
      {RES_BITMAP_DOT11, 1, 1, 1, true},
      {RES_BITMAP_DOT22, 2, 2, 4, true},
      {RES_BITMAP_QUENROW, 104, 43, 4, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HBITMAP bitmap = LoadBitmapA(Self(), c.name);
    ASSERT_NE(bitmap, nullptr);
    const BitmapSize size = SizeOf(bitmap);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
    const std::vector<COLORREF> pixels = PixelsOf(bitmap);
    DeleteObject(bitmap);
    std::vector<COLORREF> distinct;
    for (COLORREF colour : pixels)
      if (std::find(distinct.begin(), distinct.end(), colour) == distinct.end())
        distinct.push_back(colour);
    if (c.allBlack) {
      EXPECT_EQ(distinct, std::vector<COLORREF>{RGB(0, 0, 0)});
    } else {
      EXPECT_GE(distinct.size(), 4u);
    }

    const BITMAPINFOHEADER* dib = DibHeader(Find(c.name, RT_BITMAP));
    ASSERT_NE(dib, nullptr);
    EXPECT_EQ(dib->biBitCount, c.bitCount);
    EXPECT_EQ(dib->biCompression, static_cast<DWORD>(BI_RGB));
  }
}

// --- Icon ------------------------------------------------------------------

#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved, type, count;
};
#pragma pack(pop)

TEST(Icon, ArmyIsOne32By32SixteenColourImage) {
  ResourceBytes group = Find(RES_ICON_ARMY, RT_GROUP_ICON);
  ASSERT_GE(group.size, sizeof(GroupIconHeader) + sizeof(GroupIconEntry));
  GroupIconHeader header;
  std::memcpy(&header, group.data, sizeof header);
  EXPECT_EQ(header.type, 1);
  ASSERT_EQ(header.count, 1);
  GroupIconEntry entry;
  std::memcpy(&entry, group.data + sizeof header, sizeof entry);
  EXPECT_EQ(entry.width, 32);
  EXPECT_EQ(entry.height, 32);
  EXPECT_EQ(entry.colours, 16);
  EXPECT_EQ(entry.bit_count, 4);

  ResourceBytes image = Find(MAKEINTRESOURCEA(entry.id), RT_ICON);
  const BITMAPINFOHEADER* dib = DibHeader(image);
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(dib->biWidth, 32);
  EXPECT_EQ(dib->biHeight, 64);  // colour bits and mask
  EXPECT_EQ(dib->biBitCount, 4);

  // Layout: header, 16 palette entries, 32 rows of 16 bytes of colour, then
  // 32 rows of 4 bytes of mask; rows are stored bottom first.
  const DWORD mask_offset = dib->biSize + 16 * 4 + 32 * 16;
  ASSERT_EQ(image.size, mask_offset + 32 * 4);
  auto transparent = [&](int x, int y) {
    const unsigned char* row = image.data + mask_offset + (31 - y) * 4;
    return ((row[x / 8] >> (7 - x % 8)) & 1) != 0;
  };
  // The picture does not fill the square: the background shows at the
  // corners, and the middle is drawn.
  EXPECT_TRUE(transparent(0, 0));
  EXPECT_TRUE(transparent(31, 0));
  EXPECT_TRUE(transparent(0, 31));
  EXPECT_TRUE(transparent(31, 31));
  EXPECT_FALSE(transparent(16, 16));
}

// --- Accelerators ----------------------------------------------------------

struct Key {
  char key;
  WORD command;
};

#if RESOURCES_TEST_VORNA
const char* const kAccelName = "VornaAccel";
const std::vector<Key> kAccelKeys = {
    {'C', 11}, {'c', 11}, {'L', 12},  {'l', 12},  {'M', 15},  {'m', 15},
    {'P', 16}, {'p', 16}, {'P', 200}, {'p', 200}, {'X', 201}, {'x', 201},
};
#else
const char* const kAccelName = "HeftrakAccel";
const std::vector<Key> kAccelKeys = {
    {'C', 100}, {'c', 100}, {'R', 101}, {'r', 101}, {'M', 102}, {'m', 102},
    {'P', 103}, {'p', 103}, {'K', 105}, {'k', 105}, {'L', 106}, {'l', 106},
};
#endif

// Hands the accelerator table a key message for a window and reports the
// command it produced, or -1 when it produced none.
class AcceleratorWindow : public ::testing::Test {
 protected:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_COMMAND) {
      last_command_ = LOWORD(wparam);
      return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }

  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = Self();
    wc.lpszClassName = "ResourcesTestWindow";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                              nullptr, Self(), nullptr);
    ASSERT_NE(window_, nullptr);
    table_ = LoadAcceleratorsA(Self(), kAccelName);
    ASSERT_NE(table_, nullptr);
  }

  void TearDown() override {
    if (table_ != nullptr)
      DestroyAcceleratorTable(table_);
    if (window_ != nullptr)
      DestroyWindow(window_);
  }

  // The table matches a character message against the keyboard state of the
  // thread, so Alt is pressed (or released) there as well as in the message.
  static void SetAlt(bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = keys[VK_LMENU] = down ? 0x80 : 0x00;
    SetKeyboardState(keys);
  }

  int Translate(UINT message, char ch, bool alt) {
    SetAlt(alt);
    last_command_ = -1;
    MSG msg{};
    msg.hwnd = window_;
    msg.message = message;
    msg.wParam = static_cast<WPARAM>(static_cast<unsigned char>(ch));
    msg.lParam = alt ? 0x20000001 : 0x00000001;  // context code bit: Alt held
    BOOL translated = TranslateAcceleratorA(window_, table_, &msg);
    SetAlt(false);
    return translated ? last_command_ : -1;
  }

  HWND window_ = nullptr;
  HACCEL table_ = nullptr;
  static inline int last_command_ = -1;
};

TEST_F(AcceleratorWindow, AltLetterSendsItsCommandInEitherCase) {
  for (const Key& k : kAccelKeys) {
    SCOPED_TRACE(k.key);
    int command = Translate(WM_SYSCHAR, k.key, true);
    // Where a key is listed twice the first entry wins.
    WORD expected = 0;
    for (const Key& first : kAccelKeys) {
      if (first.key == k.key) {
        expected = first.command;
        break;
      }
    }
    EXPECT_EQ(command, expected);
  }
}

TEST_F(AcceleratorWindow, LettersWithoutAcceleratorPassThrough) {
  EXPECT_EQ(Translate(WM_SYSCHAR, 'Q', true), -1);
  EXPECT_EQ(Translate(WM_SYSCHAR, 'q', true), -1);
}

// The letters typed into a field (M and F into Sex, names into the dialogs)
// must reach the field, not run a command.
TEST_F(AcceleratorWindow, LettersWithoutAltReachTheField) {
  for (const Key& k : kAccelKeys) {
    SCOPED_TRACE(k.key);
    EXPECT_EQ(Translate(WM_CHAR, k.key, false), -1);
  }
}

// --- Dialog templates ------------------------------------------------------

INT_PTR CALLBACK NoDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The platform accepts every template and builds the dialog the programs
// fill in: its caption, no close box, no sizing border, no minimize or
// maximize box, and no control of its own but the About box's note.
TEST(Dialogs, EveryTemplateCreatesItsDialog) {
  struct Expect {
    const char* name;
    const char* caption;
  };
  std::vector<Expect> dialogs = {{RES_DIALOG_ABOUT, "About..."}, {RES_DIALOG_PRINT, "Print"}};
#if !RESOURCES_TEST_VORNA
  dialogs.push_back({RES_DIALOG_CHART_MALE, "Male Charts"});
  dialogs.push_back({RES_DIALOG_CHART_FEMALE, "Female Charts"});
#endif
  for (const Expect& d : dialogs) {
    SCOPED_TRACE(d.name);
    HWND dialog = CreateDialogParamA(Self(), d.name, nullptr, NoDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    char caption[64] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, d.caption);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    if (std::strcmp(d.name, RES_DIALOG_ABOUT) == 0) {
      HWND note = GetDlgItem(dialog, IDC_ABOUT_Y2K);
      ASSERT_NE(note, nullptr);
      char text[32] = {};
      GetWindowTextA(note, text, sizeof text);
      EXPECT_STREQ(text, "Y2K Compliant");
      // A note, not a command source.
      EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(note, GWL_STYLE)) & SS_NOTIFY, 0u);
    } else {
      EXPECT_EQ(GetWindow(dialog, GW_CHILD), nullptr);
    }
    DestroyWindow(dialog);
  }
}

// --- Version ---------------------------------------------------------------

TEST(Version, CarriesTheVersionText) {
  char path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> data(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));
  char* text = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\040904E4\\FileVersion",
                             reinterpret_cast<void**>(&text), &length));
  EXPECT_STREQ(text, CALC_VERSION_TEXT);
}

}  // namespace
