// One tooltip window per form, holding a tip for each control that has a text.
#pragma once

#include "platform/win32/win32_api.h"

#include <set>
#include <string>

namespace kesto::platform::win32 {

class ToolTip {
  public:
    explicit ToolTip(HWND owner) : owner_(owner) {}

    // An empty text takes the tip away.
    void SetForWindow(HWND control, const std::wstring& text);
    // Painted controls have no window: their tip covers an area of the form.
    void SetForArea(UINT_PTR id, const RECT& area, const std::wstring& text);
    void MoveArea(UINT_PTR id, const RECT& area);

  private:
    HWND Window();
    void Set(TOOLINFOW& tool, const std::wstring& text);

    HWND owner_;
    // Created on the first tip; destroyed with its owner.
    HWND tip_ = nullptr;
    std::set<UINT_PTR> tools_;
};

} // namespace kesto::platform::win32
