#include "ui/window/WindowPlacement.h"

#include <algorithm>

WindowPlacement WindowPlacement::fit(const std::optional<AppSettings::StoredPlacement>& stored,
                                     int screenWidth, int workHeight)
{
    const AppSettings::StoredPlacement value = stored.value_or(AppSettings::StoredPlacement{});
    int left = value.left;
    int top = value.top;
    int width = value.width;
    int height = value.height;
    if (left + width == 0) {
        width = kMinWidth;
        left = (screenWidth - kMinWidth) / 2;
    }
    if (top + height == 0) {
        height = kMinHeight;
        top = (workHeight - kMinHeight) / 2;
    }
    left = std::max(left, 0);
    top = std::max(top, 0);
    if (screenWidth - left < width) {
        width = kMinWidth;
        left = std::max(screenWidth - kMinWidth, 0);
    }
    if (workHeight - top < height) {
        height = kMinHeight;
        top = std::max(workHeight - kMinHeight, 0);
    }
    // The window is never smaller than its minimum size.
    width = std::max(width, kMinWidth);
    height = std::max(height, kMinHeight);
    return WindowPlacement{QRect(left, top, width, height), value.maximised};
}
