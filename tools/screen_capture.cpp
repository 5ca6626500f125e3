#include "tools/screen_capture.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <type_traits>

#include "tools/bmp_file.h"

namespace host {
namespace {

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() {
        if (dc != nullptr) ReleaseDC(nullptr, dc);
    }
};
struct DeleteDcOf {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteObjectOf {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDcOf>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteObjectOf>;

// The screen's pixels in the layout of a bottom-up 24-bit BMP; empty when
// the copy fails.
std::string ScreenPixels(int left, int top, int width, int height) {
    ScreenDc screen;
    if (screen.dc == nullptr) return {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up, as the file keeps it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap dib(CreateDIBSection(screen.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc memory(CreateCompatibleDC(screen.dc));
    if (!dib || !memory || bits == nullptr) return {};
    // The bitmap goes back out of the memory DC before either is deleted.
    HGDIOBJ previous = SelectObject(memory.get(), dib.get());
    BOOL copied = BitBlt(memory.get(), 0, 0, width, height, screen.dc, left, top, SRCCOPY);
    SelectObject(memory.get(), previous);
    GdiFlush();  // the DIB's bits are read directly below
    if (!copied) return {};
    return std::string(static_cast<const char*>(bits), bmp::RowStride(width) * height);
}

}  // namespace

bool CaptureScreen(const std::string& path) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width < 1 || width > bmp::kMaxSide || height < 1 || height > bmp::kMaxSide) return false;
    const std::string pixels = ScreenPixels(left, top, width, height);
    const std::string file = bmp::Encode24(width, height, pixels);
    return !file.empty() && bmp::WriteFile(path, file);
}

ScreenshotSeries::ScreenshotSeries(const std::string& folder) : m_folder(folder) {
    if (!m_folder.empty() && m_folder.back() != '\\' && m_folder.back() != '/') m_folder += '\\';
    CreateDirectoryA(m_folder.c_str(), nullptr);
}

void ScreenshotSeries::Take() {
    char name[32];
    std::snprintf(name, sizeof name, "step_%04d.bmp", m_taken + m_failed + 1);
    const std::string path = m_folder + name;
    const bool ok = CaptureScreen(path);
    (ok ? m_taken : m_failed)++;
    std::printf("screenshot: %s%s\n", path.c_str(), ok ? "" : " (failed)");
    std::fflush(stdout);
}

}  // namespace host
