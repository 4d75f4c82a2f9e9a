#pragma once

#include "ui/widgets/MyFrame.h"

// The section buttons' captions and hints, and the frame of each section.
namespace SectionFrames {

inline constexpr Section kAll[] = {Section::InitialData,    Section::PersonInfo,
                                   Section::RussianIncome,  Section::ForeignIncome,
                                   Section::BusinessIncome, Section::Deduction};

QString caption(Section section);
QString hint(Section section);
QString buttonName(Section section);
TThinkingFrame* create(Section section, QWidget* parent, FrameHost& host);

} // namespace SectionFrames
