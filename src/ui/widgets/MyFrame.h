#pragma once

#include <QFrame>

class ActivityDirectory;
class CurrencyDirectory;
class Interaction;
class TfmGrazhd;
class TfmInputInspectionNumber;
class mTDeclaration;

// The six sections of the main window, in the order of their buttons.
enum class Section
{
    InitialData,
    PersonInfo,
    RussianIncome,
    ForeignIncome,
    BusinessIncome,
    Deduction,
};

// What a section frame needs from the window that hosts it. The document is looked up each time,
// so a frame always edits the document that is current when it runs.
class FrameHost
{
public:
    virtual ~FrameHost() = default;

    virtual mTDeclaration& document() = 0;
    // The user changed something in the document.
    virtual void NotifyDocumentChanged() = 0;
    virtual Interaction& interaction() = 0;
    // The conditions frame drives the enabled state of the section buttons directly.
    virtual void setSectionEnabled(Section section, bool enabled) = 0;
    // The tax-office picker built at start-up, or null when its directory was not loaded.
    virtual TfmInputInspectionNumber* inspectionPicker() = 0;
    // The country picker built at start-up, or null when its directory was not loaded.
    virtual TfmGrazhd* countryPicker() = 0;
    // The activity and currency directories kept from start-up, or null when absent.
    virtual const ActivityDirectory* activities() const = 0;
    virtual const CurrencyDirectory* currencies() const = 0;
    // The folder of the directory files and the help pages.
    virtual QString programFolder() const = 0;
};

// A section of the declaration shown in the main window's working area. It loads its controls
// from the document when built, writes them back in StoreData, runs the section's own rules in
// CheckData (0 to go on, otherwise the code of the field the user chose to fix) and moves the
// focus to a field in FocusError (an unknown code does nothing).
class TThinkingFrame : public QFrame
{
    Q_OBJECT

public:
    TThinkingFrame(QWidget* parent, FrameHost& host);

    virtual void StoreData() = 0;
    virtual quint16 CheckData() = 0;
    virtual void FocusError(quint16 code) = 0;

protected:
    FrameHost& host() const { return m_host; }
    mTDeclaration& document() const;

private:
    FrameHost& m_host;
};

// A section made of sub-sections, of which it shows one at a time. FocusSubError shows the
// sub-frame with the given index (without storing or checking the one shown) and focuses the
// field with the given code on it.
class TContainerFrame : public TThinkingFrame
{
    Q_OBJECT

public:
    using TThinkingFrame::TThinkingFrame;

    virtual void FocusSubError(int index, quint16 code) = 0;
};
