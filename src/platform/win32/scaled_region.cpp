// Scaling a shape from layout pixels to a window's own.
#include "platform/win32/scaled_region.h"

#include "platform/win32/dpi.h"

#include <vector>

namespace kesto::platform::win32 {

Region ScaledRegion(HRGN layout, UINT dpi) {
    const DWORD size = GetRegionData(layout, 0, nullptr);
    if (size == 0) {
        return {};
    }
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(layout, size, data) == 0) {
        return {};
    }
    auto* parts = reinterpret_cast<RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        parts[i] = ToDevice(parts[i], dpi);
    }
    data->rdh.rcBound = ToDevice(data->rdh.rcBound, dpi);
    return Region(ExtCreateRegion(nullptr, size, data));
}

} // namespace kesto::platform::win32
