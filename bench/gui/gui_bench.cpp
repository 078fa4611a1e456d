// The GUI benchmark's driver: a console program run in the same Wine session as the
// program it measures (scripts/bench-gui.sh). One measurement per invocation; the
// figures go to stdout, exit code 0 when measured, 3 when the measurement failed.
//
//   pointer CLASS CHILD N           N mouse moves over the child window (CHILD a class,
//                                   or "-" for the window itself), each followed by the
//                                   repaint of the whole top-level window; then checks
//                                   that the pointer is drawn where the mouse is, and
//                                   presents an 8-bit picture of the child's size N
//                                   times in a window of its own (the bare present)
//   standin WIDTH HEIGHT ZOOM       a minimal canvas, until it is closed: a window of
//                                   class "bench stand-in" that draws only the pointer
//                                   into an 8-bit picture and presents it at ZOOM
//   watch CLASS CHILD X Y MS        watches the screen pixel at client point X, Y of
//                                   the child for MS milliseconds and prints the times
//                                   between its changes (a playback's frames)
//   time-start DIR EXE CLASS [ARG]  starts EXE in DIR and prints the milliseconds until
//                                   its window of CLASS is shown and painted
//   time-drop CLASS TEXT MS PATH    drops PATH on the window and prints the milliseconds
//                                   until its title contains TEXT and it has painted
//   time-keys CLASS CHILD KEY N     posts KEY (tab, add, ...) N times, each time waiting
//                                   until the title changes and the child has painted;
//                                   prints milliseconds per key
//
// Arguments that are not plain ASCII come as "utf8hex:" and the hex digits of their
// UTF-8 bytes, as for the end-to-end driver.

#include "driver_common.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * double(now.QuadPart) / double(frequency.QuadPart);
}

template <typename Test>
bool WaitFor(double milliseconds, int pollMs, Test test) {
  const double start = Now();
  for (;;) {
    if (test()) return true;
    if (Now() - start > milliseconds) return false;
    Sleep(static_cast<DWORD>(pollMs));
  }
}

// Paints whatever the program has left to paint in the whole top-level window, and
// waits for it: the update is sent to the program and answered once painted.
void PaintNow(HWND window) {
  RedrawWindow(GetAncestor(window, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- Screen pixels -------------------------------------------------------------------

// Reads a screen rectangle as the display shows it, again and again: the device
// contexts and the bitmap are made once, so a read costs one copy from the screen.
class ScreenReader {
 public:
  ScreenReader(int width, int height) : width_(width), height_(height) {
    screen_ = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(memory_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    if (bitmap_ != nullptr) old_ = SelectObject(memory_, bitmap_);
  }
  ~ScreenReader() {
    if (bitmap_ != nullptr) {
      SelectObject(memory_, old_);
      DeleteObject(bitmap_);
    }
    DeleteDC(memory_);
    ReleaseDC(nullptr, screen_);
  }
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // The pixels at screen point x, y (0x00RRGGBB), row by row.
  std::vector<uint32_t> read(int x, int y) {
    std::vector<uint32_t> out(static_cast<size_t>(width_) * height_, 0);
    if (bitmap_ == nullptr) return out;
    BitBlt(memory_, 0, 0, width_, height_, screen_, x, y, SRCCOPY);
    GdiFlush();
    for (size_t i = 0; i < out.size(); ++i) out[i] = bits_[i] & 0xFFFFFF;
    return out;
  }

 private:
  int width_, height_;
  HDC screen_ = nullptr;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

std::vector<uint32_t> ScreenPixels(int x, int y, int width, int height) {
  return ScreenReader(width, height).read(x, y);
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  return point;
}

// ---- Pointer -------------------------------------------------------------------------

void MoveTo(HWND window, int x, int y) {
  SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  PaintNow(window);
}

// Milliseconds per mouse move over `window`, each with the repaint it asks for.
double TimeMoves(HWND window, int count) {
  RECT client;
  GetClientRect(window, &client);
  const double start = Now();
  for (int i = 0; i < count; ++i)
    MoveTo(window, 20 + (i * 7) % std::max<LONG>(1, client.right - 40),
           20 + (i * 5) % std::max<LONG>(1, client.bottom - 40));
  return (Now() - start) / count;
}

// Whether the window draws a pointer at the mouse: the pixels there change when the
// mouse goes elsewhere. The real pointer goes along, so no leave check interferes.
bool PointerDrawn(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  const int x = client.right / 3, y = client.bottom / 3;
  auto look = [&](int mx, int my) {
    const POINT at = ScreenPoint(window, mx, my);
    SetCursorPos(at.x, at.y);
    MoveTo(window, mx, my);
    Sleep(300);  // the display follows the program's drawing a little later
    const POINT corner = ScreenPoint(window, x, y);
    return ScreenPixels(corner.x, corner.y, 8, 8);
  };
  const std::vector<uint32_t> with = look(x, y);
  const std::vector<uint32_t> without = look(x + client.right / 3, y + client.bottom / 3);
  return with != without;
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

struct Dib256 {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

Dib256 TestDib(int width, int height) {
  Dib256 dib{};
  dib.header = {sizeof(BITMAPINFOHEADER), width, -height, 1, 8, BI_RGB, 0, 0, 0, 256, 0};
  for (int i = 0; i < 256; ++i)
    dib.colours[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), 7, 0};
  return dib;
}

// Milliseconds per present of an 8-bit width x height picture into a window of the
// driver's own: the floor that the programs' repaints are measured against.
double TimeBarePresent(int width, int height, int count) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"bench bare present";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"bench bare present", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  Dib256 dib = TestDib(width, height);
  std::vector<uint8_t> pixels(static_cast<size_t>((width + 3) & ~3) * height);
  const double start = Now();
  for (int i = 0; i < count; ++i) {
    pixels[static_cast<size_t>(i) % pixels.size()] ^= 0x55;
    HDC dc = GetDC(window);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(),
                      reinterpret_cast<const BITMAPINFO*>(&dib), DIB_RGB_COLORS);
    ReleaseDC(window, dc);
    GdiFlush();
  }
  const double perPresent = (Now() - start) / count;
  DestroyWindow(window);
  return perPresent;
}

// ---- The stand-in canvas -------------------------------------------------------------

struct StandIn {
  int zoom = 1;
  int width = 0, height = 0;  // of the picture, before zooming
  int mouseX = -100, mouseY = -100;
  std::vector<uint8_t> pixels;
  Dib256 dib;
};
StandIn g_standIn;

void PaintStandIn(HWND window) {
  StandIn& s = g_standIn;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const int stride = (s.width + 3) & ~3;
  std::fill(s.pixels.begin(), s.pixels.end(), uint8_t{255});
  // The pointer: a 12 x 20 wedge at the mouse.
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x <= y * 12 / 20; ++x) {
      const int px = s.mouseX + x, py = s.mouseY + y;
      if (px >= 0 && py >= 0 && px < s.width && py < s.height) s.pixels[size_t(py) * stride + px] = 0;
    }
  }
  const auto* info = reinterpret_cast<const BITMAPINFO*>(&s.dib);
  if (s.zoom == 1) {
    SetDIBitsToDevice(dc, 0, 0, s.width, s.height, 0, 0, 0, s.height, s.pixels.data(), info, DIB_RGB_COLORS);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, s.width * s.zoom, s.height * s.zoom, 0, 0, s.width, s.height, s.pixels.data(),
                  info, DIB_RGB_COLORS, SRCCOPY);
  }
  EndPaint(window, &paint);
}

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      g_standIn.mouseX = static_cast<short>(LOWORD(lParam)) / g_standIn.zoom;
      g_standIn.mouseY = static_cast<short>(HIWORD(lParam)) / g_standIn.zoom;
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT:
      PaintStandIn(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int RunStandIn(int width, int height, int zoom) {
  StandIn& s = g_standIn;
  s.zoom = std::clamp(zoom, 1, 4);
  s.width = width / s.zoom;
  s.height = height / s.zoom;
  s.pixels.assign(size_t((s.width + 3) & ~3) * s.height, 255);
  s.dib = TestDib(s.width, s.height);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"bench stand-in";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"bench stand-in", L"stand-in", WS_POPUP | WS_VISIBLE, 40, 40,
                                width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) return Fail("cannot create the stand-in window");
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

// ---- Playback ------------------------------------------------------------------------

int Watch(HWND window, int x, int y, int milliseconds) {
  const POINT at = ScreenPoint(window, x, y);
  ScreenReader pixel(1, 1);
  std::vector<double> times;
  std::vector<uint32_t> colours;
  uint32_t last = pixel.read(at.x, at.y)[0];
  int reads = 0;
  const double start = Now();
  while (Now() - start < milliseconds) {
    const uint32_t colour = pixel.read(at.x, at.y)[0];
    ++reads;
    if (colour != last) {
      times.push_back(Now());
      colours.push_back(colour);
      last = colour;
    }
  }
  if (times.size() < 3) return Fail(Format("%d changes seen", static_cast<int>(times.size())));
  std::vector<double> gaps;
  for (size_t i = 1; i < times.size(); ++i) gaps.push_back(times[i] - times[i - 1]);
  double sum = 0, squares = 0;
  for (double gap : gaps) sum += gap;
  const double mean = sum / double(gaps.size());
  for (double gap : gaps) squares += (gap - mean) * (gap - mean);
  // Each colour is always followed by the same one unless a motion was skipped.
  std::map<uint32_t, uint32_t> next;
  int broken = 0;
  for (size_t i = 1; i < colours.size(); ++i) {
    auto [it, added] = next.emplace(colours[i - 1], colours[i]);
    if (!added && it->second != colours[i]) ++broken;
  }
  Print(Format(
      "changes %d mean %.2f ms sd %.2f min %.2f max %.2f colours %d out-of-order %d read every %.2f ms",
      static_cast<int>(gaps.size()), mean, std::sqrt(squares / double(gaps.size())),
      *std::min_element(gaps.begin(), gaps.end()), *std::max_element(gaps.begin(), gaps.end()),
      static_cast<int>(next.size()), broken, double(milliseconds) / std::max(reads, 1)));
  return 0;
}

// ---- Start, open, keys ---------------------------------------------------------------

int TimeStart(const std::wstring& dir, const std::wstring& exe, const std::wstring& className,
              const std::wstring& arg) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!arg.empty()) commandLine += L" " + arg;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                      &startup, &process))
    return Fail("cannot start the program");
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  HWND window = nullptr;
  if (!WaitFor(30000, 1, [&] { return (window = FindTopLevel(className)) != nullptr; }))
    return Fail("no window");
  PaintNow(window);
  Print(Format("%.1f", Now() - start));
  return 0;
}

int TimeDrop(HWND window, const std::wstring& text, int milliseconds, const std::wstring& path) {
  const double start = Now();  // writing the block into the program takes well under a millisecond
  const std::string failure = DropFiles(window, {path});
  if (!failure.empty()) return Fail(failure);
  if (!WaitFor(milliseconds, 1, [&] { return TitleOf(window).find(text) != std::wstring::npos; }))
    return Fail("the title never showed the file");
  PaintNow(window);
  Print(Format("%.1f", Now() - start));
  return 0;
}

double TimeKeys(HWND window, HWND child, WORD key, int count) {
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  const double start = Now();
  for (int i = 0; i < count; ++i) {
    const std::wstring before = TitleOf(window);
    PostMessageW(window, WM_KEYDOWN, key, scan | 1);
    PostMessageW(window, WM_KEYUP, key, scan | 1 | (3u << 30));
    WaitFor(10000, 0, [&] { return TitleOf(window) != before; });
    PaintNow(child);
  }
  return (Now() - start) / count;
}

int Run(const std::vector<std::wstring>& args) {
  if (args.size() < 2) return 2;
  const std::wstring& verb = args[0];
  auto number = [&](size_t index) { return index < args.size() ? _wtoi(args[index].c_str()) : 0; };
  if (verb == L"standin" && args.size() == 4) return RunStandIn(number(1), number(2), number(3));
  if (verb == L"time-start" && (args.size() == 4 || args.size() == 5))
    return TimeStart(args[1], args[2], args[3], args.size() == 5 ? args[4] : L"");

  HWND window = FindTopLevel(args[1]);
  if (window == nullptr) return Fail("no window");
  if (verb == L"pointer" && args.size() == 4) {
    HWND aim = ChildOf(window, args[2]);
    if (aim == nullptr) return Fail("no child window");
    const int count = std::max(1, number(3));
    RECT client;
    GetClientRect(aim, &client);
    MoveTo(aim, 20, 20);  // the first repaint may set things up
    const double moves = TimeMoves(aim, count);
    const bool drawn = PointerDrawn(aim);
    const double bare = TimeBarePresent(client.right, client.bottom, count);
    Print(Format("moves %.3f bare %.3f pointer %s client %ldx%ld", moves, bare, drawn ? "drawn" : "missing",
                 client.right, client.bottom));
    return drawn ? 0 : 3;
  }
  if (verb == L"watch" && args.size() == 6) {
    HWND aim = ChildOf(window, args[2]);
    if (aim == nullptr) return Fail("no child window");
    return Watch(aim, number(3), number(4), number(5));
  }
  if (verb == L"time-drop" && args.size() == 5) return TimeDrop(window, args[2], number(3), args[4]);
  if (verb == L"time-keys" && args.size() == 5) {
    HWND aim = ChildOf(window, args[2]);
    const WORD key = VirtualKeyOf(args[3]);
    if (aim == nullptr || key == 0) return Fail("no child window or unknown key");
    Print(Format("%.3f", TimeKeys(window, aim, key, std::max(1, number(4)))));
    return 0;
  }
  return 2;
}

}  // namespace

int main() {
  std::vector<std::wstring> args;
  const int result = DecodedArguments(args) ? Run(args) : 2;
  if (result == 2) Print("usage: gui_bench VERB ARGS (see the source)");
  return result;
}
