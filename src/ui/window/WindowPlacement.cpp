#include "ui/window/WindowPlacement.h"

#include <algorithm>

WindowPlacement WindowPlacement::fit(const std::optional<AppSettings::StoredPlacement>& stored,
                                     int screenWidth, int workHeight)
{
    const AppSettings::StoredPlacement value = stored.value_or(AppSettings::StoredPlacement{});
    // The standard size, or the screen's when that is smaller (a large scale on a small screen).
    const int standardWidth = std::min(kMinWidth, screenWidth);
    const int standardHeight = std::min(kMinHeight, workHeight);
    int left = value.left;
    int top = value.top;
    int width = value.width;
    int height = value.height;
    if (left + width == 0) {
        width = standardWidth;
        left = (screenWidth - standardWidth) / 2;
    }
    if (top + height == 0) {
        height = standardHeight;
        top = (workHeight - standardHeight) / 2;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (screenWidth - left < width) {
        width = standardWidth;
        left = std::max(screenWidth - standardWidth, 0);
    }
    if (workHeight - top < height) {
        height = standardHeight;
        top = std::max(workHeight - standardHeight, 0);
    }
    // The window is never smaller than its minimum size.
    width = std::max(width, standardWidth);
    height = std::max(height, standardHeight);
    return WindowPlacement{QRect(left, top, width, height), value.maximised};
}
