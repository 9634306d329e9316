#include "toolkit/Placement.h"

#include <algorithm>

namespace toolkit {
namespace {

bool isKnown(const Window::Geometry& area) {
    return area.width > 0 && area.height > 0;
}

// The start of a span of `length` moved into [low, high); a span longer than
// that starts at `low`.
int keptInside(int start, int length, int low, int high) {
    return std::clamp(start, low, std::max(low, high - length));
}

}  // namespace

Window::Geometry centredIn(Window::Size size, const Window::Geometry& workArea) {
    if (!isKnown(workArea)) return {0, 0, size.width, size.height};
    const int width = std::min(size.width, workArea.width);
    const int height = std::min(size.height, workArea.height);
    return {workArea.left + (workArea.width - width) / 2,
            workArea.top + (workArea.height - height) / 2, width, height};
}

Window::Geometry dockBeside(const Window::Geometry& main, Window::Size size,
                            const Window::Geometry& workArea) {
    const int right = main.left + main.width;
    if (!isKnown(workArea)) return {right, main.top, size.width, size.height};
    const int workRight = workArea.left + workArea.width;
    int left = right;
    if (right + size.width > workRight) {
        const int besideLeft = main.left - size.width;
        left = besideLeft >= workArea.left ? besideLeft : workArea.left;
    }
    return {keptInside(left, size.width, workArea.left, workRight),
            keptInside(main.top, size.height, workArea.top, workArea.top + workArea.height),
            size.width, size.height};
}

}  // namespace toolkit
