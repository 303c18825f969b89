// Rectangles in pixels, as the layout table writes them: left, top, width, height.
#pragma once

#include <ostream>

namespace kesto::uidriver {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
    int CenterX() const { return left + width / 2; }
    int CenterY() const { return top + height / 2; }
};

inline std::ostream& operator<<(std::ostream& out, const Rect& rect) {
    return out << "{" << rect.left << ", " << rect.top << ", " << rect.width << ", " << rect.height
               << "}";
}

} // namespace kesto::uidriver
