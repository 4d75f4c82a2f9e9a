// The main window's result strip, the window "Расчёт налога" and the way from a line of it to the
// section where its data is entered.
#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"
#include "ui/result/ResultStrip.h"
#include "ui/result/TaxResultWindow.h"
#include "ui/sections/deductions/FrameDeductData.h"
#include "ui/window/EntryPlaceSections.h"
#include "ui/window/Main.h"

#include <QScopeGuard>
#include <QStatusBar>
#include <QToolButton>

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
    const std::optional<SectionPlace> target = SectionOfPlace(place);
    if (!target || !m_sectionButtons.at(target->section)->isEnabled())
        return;
    // What the frame shows goes into the document before it is replaced, as for the check.
    if (m_frame != nullptr)
        m_frame->StoreData();
    if (target->section != Section::Deduction || target->subFrame <= TfrFrameDeductData::Property) {
        showPlace(*target, 0);
        return;
    }
    // The social and securities sub-frames are none of the check's places.
    showPlace({target->section, -1}, 0);
    if (auto* deductions = qobject_cast<TfrFrameDeductData*>(m_frame))
        deductions->showSubFrame(TfrFrameDeductData::SubFrame(target->subFrame));
}
