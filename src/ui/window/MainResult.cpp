// The main window's result strip, the window "Расчёт налога" and the way from a line of it to the
// section where its data is entered.
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/result/ResultStrip.h"
#include "ui/result/TaxResultWindow.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/sections/russian_income/FrameRussianIncome.h"
#include "ui/window/Main.h"

#include <QScopeGuard>
#include <QStatusBar>
#include <QToolButton>

namespace {

// The section of a place and its sub-frame (-1: the section has none).
struct SectionPlace
{
    Section section;
    int subFrame;
};

std::optional<SectionPlace> sectionOf(EntryPlace place)
{
    switch (place) {
    case EntryPlace::Taxpayer:
        return SectionPlace{Section::PersonInfo, 0};
    case EntryPlace::RussianIncome13:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirteenPercent};
    case EntryPlace::Dividends:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirtyPercent};
    case EntryPlace::RussianIncome35:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirtyFivePercent};
    case EntryPlace::RussianIncome13NR:
        return SectionPlace{Section::RussianIncome, TfrRussianIncome::ThirteenPercentNR};
    case EntryPlace::ForeignIncome:
        return SectionPlace{Section::ForeignIncome, -1};
    case EntryPlace::BusinessIncome:
        return SectionPlace{Section::BusinessIncome, -1};
    case EntryPlace::StandardDeductions:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Standard};
    case EntryPlace::PropertyDeduction:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Property};
    case EntryPlace::SocialDeductions:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Social};
    case EntryPlace::SecuritiesLosses:
        return SectionPlace{Section::Deduction, TfrFrameDeductData::Securities};
    case EntryPlace::Computed:
    case EntryPlace::Several:
    case EntryPlace::PrivatePractice:
    case EntryPlace::TaxNotices:
        break;
    }
    return std::nullopt;
}

} // namespace

void TFormMain::buildResultStrip()
{
    m_resultStrip = new ResultStrip(this, [this] { return screenDeclaration(); });
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(m_resultStrip, 1);
    m_resultStrip->watch(m_container);
    connect(m_resultStrip, &ResultStrip::openRequested, this, &TFormMain::ShowTaxResult);
}

mTDeclaration TFormMain::screenDeclaration()
{
    auto screen = std::make_unique<mTDeclaration>(*m_document);
    if (m_frame != nullptr) {
        // The frame stores into whatever document() gives it: for this moment the copy, and
        // whatever it reports is no change of the document.
        std::swap(m_document, screen);
        const bool building = std::exchange(m_building, true);
        const auto restore = qScopeGuard([&] {
            std::swap(m_document, screen);
            m_building = building;
        });
        m_frame->StoreData();
    }
    return std::move(*screen);
}

void TFormMain::ShowTaxResult()
{
    m_resultStrip->updateNow();
    TfmTaxResult window(this, m_resultStrip->summary(), *m_interaction);
    if (m_interaction->execDialog(window) != QDialog::Accepted)
        return;
    if (const std::optional<EntryPlace> place = window.chosenPlace())
        goToPlace(*place);
}

void TFormMain::goToPlace(EntryPlace place)
{
    const std::optional<SectionPlace> target = sectionOf(place);
    if (!target || !m_sectionButtons.at(target->section)->isEnabled())
        return;
    // What the frame shows goes into the document before it is replaced, as for the check.
    if (m_frame != nullptr)
        m_frame->StoreData();
    if (target->section != Section::Deduction || target->subFrame <= TfrFrameDeductData::Property) {
        showPlace(target->section, target->subFrame, 0);
        return;
    }
    // The social and securities sub-frames are none of the check's places.
    showPlace(target->section, -1, 0);
    if (auto* deductions = qobject_cast<TfrFrameDeductData*>(m_frame))
        deductions->showSubFrame(TfrFrameDeductData::SubFrame(target->subFrame));
}
