#pragma once

#include "ui/widgets/MyFrame.h"

// The section buttons' captions and hints, and the frame of each section. Sections whose entry
// screens are not built yet show a placeholder frame that keeps the frame contract.
namespace SectionFrames {

inline constexpr Section kAll[] = {Section::InitialData,    Section::PersonInfo,
                                   Section::RussianIncome,  Section::ForeignIncome,
                                   Section::BusinessIncome, Section::Deduction};

QString caption(Section section);
QString hint(Section section);
QString buttonName(Section section);
TThinkingFrame* create(Section section, QWidget* parent, FrameHost& host);

} // namespace SectionFrames

// A section that has no entry screen yet: it stores nothing, finds nothing and remembers where it
// was asked to show an error.
class TPlaceholderFrame : public TContainerFrame
{
    Q_OBJECT

public:
    TPlaceholderFrame(QWidget* parent, FrameHost& host, const QString& title);

    void StoreData() override {}
    quint16 CheckData() override { return 0; }
    void FocusError(quint16 code) override;
    void FocusSubError(int index, quint16 code) override;

    int lastSubFrame() const { return m_subFrame; }
    int lastCode() const { return m_code; }

private:
    int m_subFrame = -1;
    int m_code = -1;
};
