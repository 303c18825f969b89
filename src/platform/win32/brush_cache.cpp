// The brush cache: brushes made once per colour and deleted with the cache.
#include "platform/win32/brush_cache.h"

namespace kesto::platform::win32 {

BrushCache::~BrushCache() {
    for (const auto& [color, brush] : brushes_) {
        DeleteObject(brush);
    }
}

HBRUSH BrushCache::Get(COLORREF color) {
    auto found = brushes_.find(color);
    if (found == brushes_.end()) {
        found = brushes_.emplace(color, CreateSolidBrush(color)).first;
    }
    return found->second;
}

} // namespace kesto::platform::win32
