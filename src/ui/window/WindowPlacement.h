#pragma once

#include "ui/window/AppSettings.h"

#include <QRect>
#include <optional>

// Where the main window first appears: the stored placement fitted to the screen. The standard
// size is 800 x 571, or the screen's when that is smaller; a window is never placed beyond the
// screen.
struct WindowPlacement
{
    static constexpr int kMinWidth = 800;
    static constexpr int kMinHeight = 571;

    QRect geometry;
    bool maximised = false;

    // screenWidth is the whole screen's width, workHeight the height of its work area.
    static WindowPlacement fit(const std::optional<AppSettings::StoredPlacement>& stored,
                               int screenWidth, int workHeight);
};
