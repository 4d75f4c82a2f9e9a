#pragma once

#include <QRect>
#include <optional>

// The program's settings, kept per user under organisation "Кронверт", application
// "Тарвика 2013". Every key and its default is declared here and nowhere else.
namespace AppSettings {

// The stored window placement; absent when the settings store does not exist yet.
struct StoredPlacement
{
    bool maximised = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

bool showStdToolbar();
void setShowStdToolbar(bool show);
bool textLabels();
void setTextLabels(bool labels);

std::optional<StoredPlacement> placement();
void setPlacement(const QRect& geometry, bool maximised);

} // namespace AppSettings
