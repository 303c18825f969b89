// The brush cache: brushes made once per colour and deleted with the cache.
#include "platform/win32/brush_cache.h"

#include <utility>

namespace kesto::platform::win32 {

HBRUSH BrushCache::Get(COLORREF color) {
    auto found = brushes_.find(color);
    if (found == brushes_.end()) {
        OwnedBrush brush(CreateSolidBrush(color));
        if (!brush) {
            return nullptr;
        }
        found = brushes_.emplace(color, std::move(brush)).first;
    }
    return found->second.get();
}

} // namespace kesto::platform::win32
