// Owners of GDI handles and device-context state: what a scope creates or changes, it undoes.
#pragma once

#include "platform/win32/win32_api.h"

#include <memory>
#include <type_traits>

namespace kesto::platform::win32 {

struct GdiObjectDelete {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
// One GDI object (region, bitmap, brush, font), deleted with its owner unless released first
// (to the system, for instance).
template <class Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDelete>;

using Region = GdiObject<HRGN>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;

// Gives `shape` to `window` (null: no shape). The system owns a region it took; one it refused
// is deleted here.
int SetWindowShape(HWND window, Region shape, bool redraw);

// The state of a device context (selected objects, colours, modes, clipping, origins) as it was
// when the scope began, back when it ends.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_ != 0) {
            RestoreDC(dc_, saved_);
        }
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// An object selected into a device context for the scope; the one it replaced is back after.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), replaced_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (replaced_ != nullptr && replaced_ != HGDI_ERROR) {
            SelectObject(dc_, replaced_);
        }
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ replaced_;
};

// BeginPaint and EndPaint of one WM_PAINT: however the painting ends, the window is validated.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC Dc() const { return dc_; }
    const RECT& Part() const { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A device context given back when its owner ends: a window's (null: the screen's) is
// released, a memory one deleted.
struct DcRelease {
    HWND window = nullptr;
    bool memory = false;
    void operator()(HDC dc) const { memory ? DeleteDC(dc) : ReleaseDC(window, dc); }
};
using ScopedDc = std::unique_ptr<HDC__, DcRelease>;

inline ScopedDc WindowDc(HWND window) {
    return ScopedDc(GetDC(window), DcRelease{window, false});
}
inline ScopedDc MemoryDcLike(HDC like) {
    return ScopedDc(CreateCompatibleDC(like), DcRelease{nullptr, true});
}

} // namespace kesto::platform::win32
