// The main window's command "Декларация за следующий год...": next year's declaration made from
// the one on the screen replaces it, unnamed and not yet saved.
#include "calc/NextYear.h"
#include "ui/dialogs/Announce.h"
#include "ui/dialogs/Interaction.h"
#include "ui/window/DocumentRecovery.h"
#include "ui/window/Main.h"

void TFormMain::NextYearDoc()
{
    NextYearDeclaration next = MakeNextYearDeclaration(screenDeclaration());
    if (!next.declaration) {
        m_interaction->showError(this, next.refusal);
        return;
    }
    if (!askToSave())
        return;
    // The notice the conditions frame shows when 2014 is chosen for a 3-NDFL.
    if (next.declaration->TaxYear == 2014 &&
        next.declaration->DeclForm != DeclarationForm::EstimatedIncome) {
        TfmAnnounce notice(this);
        if (m_interaction->execDialog(notice) != QDialog::Accepted)
            return;
    }
    // The old frame goes with the old document.
    delete m_frame;
    m_frame = nullptr;
    m_document = std::make_unique<mTDeclaration>(std::move(*next.declaration));
    m_fileName.clear();
    m_fileStamp = FileStamp();
    // The copy of the declaration given up goes; the new one, not saved yet, gets a copy of its
    // own.
    m_recovery->track(QString());
    updateTitle();
    replaceFrame(Section::InitialData);
    m_saved = false;
    m_recovery->changed();
    applyButtonRule();
}
