#pragma once

class QTreeWidget;

namespace EntryLists {

// Keeps a list at least as tall as its header and this many rows of its font, so that it shows
// them whatever the size of the font; the list grows with the room it is given.
void showRows(QTreeWidget* list, int rows);

} // namespace EntryLists
