#pragma once

#include "summary/TaxSummary.h"
#include "ui/widgets/MyFrame.h"

#include <optional>

// Where the main window shows a place of the declaration: the section, and the sub-frame of a
// section made of sub-sections (-1: the section itself).
struct SectionPlace
{
    Section section;
    int subFrame;

    bool operator==(const SectionPlace&) const = default;
};

// The section and sub-frame of a place; none for the places no section shows (computed lines,
// lines of several places, private practice, payments on tax notices).
std::optional<SectionPlace> SectionOfPlace(EntryPlace place);

// The place a group of the whole check leads to; none for private practice, which no section
// shows.
std::optional<EntryPlace> PlaceOfCheckGroup(int group);
