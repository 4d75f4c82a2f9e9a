// The main window's document commands: create, open, save, save as, the question about unsaved
// changes and the question before a file that another program changed is overwritten.
#include "model/Declaration.h"
#include "model/file/DeclarationFile.h"
#include "storage/StorageErrors.h"
#include "ui/dialogs/Interaction.h"
#include "ui/window/DocumentRecovery.h"
#include "ui/window/Main.h"

#include <QDir>

namespace {

FileDialogRequest openRequest()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Открыть");
    request.defaultSuffix = QStringLiteral("tv3");
    request.filters = {
        QStringLiteral("Тарвика 2013 (*.tv3)"), QStringLiteral("Тарвика 2012 (*.tv2)"),
        QStringLiteral("Тарвика 2011 (*.tv1)"), QStringLiteral("Тарвика 2010 (*.tv0)"),
        QStringLiteral("Тарвика 2009 (*.tv9)"), QStringLiteral("Тарвика 2008 (*.tv8)"),
        QStringLiteral("Тарвика 2007 (*.tv7)"), QStringLiteral("Тарвика 2006 (*.tv6)"),
        QStringLiteral("Тарвика 2005 (*.tv5)"), QStringLiteral("Тарвика 200* (*.tvl)")};
    return request;
}

} // namespace

bool TFormMain::loadInto(mTDeclaration& target, const QString& fileName)
{
    // On a failure the caller replaces the document by a new one. The stamp is taken first: a
    // change made while the file is read counts as a change by another program.
    const FileStamp stamp = FileStamp::of(fileName);
    const std::optional<QString> failure = LoadDeclarationFile(target, fileName);
    m_fileStamp = failure ? FileStamp() : stamp;
    if (failure)
        m_interaction->showError(this, *failure);
    return !failure;
}

void TFormMain::openAtStartup()
{
    auto loaded = std::make_unique<mTDeclaration>();
    if (loadInto(*loaded, m_fileName)) {
        m_document = std::move(loaded);
        return;
    }
    m_fileName.clear();
    m_document = std::make_unique<mTDeclaration>();
    m_document->SetInteractiveDefaults();
}

void TFormMain::resetDocument()
{
    m_document = std::make_unique<mTDeclaration>();
    m_document->SetInteractiveDefaults();
    m_fileName.clear();
    m_fileStamp = FileStamp();
    m_recovery->track(QString());
}

bool TFormMain::offerRecovery()
{
    std::unique_ptr<mTDeclaration> restored = m_recovery->offer(this, *m_interaction);
    if (restored == nullptr)
        return false;
    m_document = std::move(restored);
    return true;
}

QString TFormMain::askSaveName()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Сохранить как");
    request.directory = m_fileName.isEmpty() ? QDir::homePath() : m_fileName;
    request.filters = {QStringLiteral("Тарвика 2013 (*.tv3)")};
    request.defaultSuffix = QStringLiteral("tv3");
    return m_interaction->saveFileName(this, request);
}

bool TFormMain::confirmOverwrite(const QString& fileName)
{
    if (fileName != m_fileName || !m_fileStamp.exists())
        return true;
    const FileStamp now = FileStamp::of(fileName);
    if (!now.exists() || now == m_fileStamp)
        return true;
    const QString question =
        QStringLiteral("Файл «%1» изменён другой программой после того, как декларация была "
                       "открыта или сохранена. Если сохранить декларацию, эти изменения будут "
                       "потеряны.\n\nЗаменить файл?")
            .arg(QDir::toNativeSeparators(fileName));
    return m_interaction->message(this, QMessageBox::Warning, Interaction::programCaption(),
                                  question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool TFormMain::saveTo(const QString& fileName)
{
    if (!confirmOverwrite(fileName))
        return false;
    if (m_frame != nullptr)
        m_frame->StoreData();
    std::optional<QString> warning;
    try {
        warning = m_document->SaveToFile(fileName);
    } catch (const mEPrivBase& error) {
        m_interaction->showError(this, error.message());
        return false;
    } catch (const std::bad_alloc&) {
        m_interaction->showError(this, StorageMessage::outOfMemory());
        return false;
    }
    // Saved, also when the system did not confirm the write: the file in place is this window's.
    m_fileName = fileName;
    m_fileStamp = FileStamp::of(fileName);
    updateTitle();
    m_saved = true;
    m_recovery->track(fileName);
    if (warning)
        m_interaction->message(this, QMessageBox::Warning, Interaction::programCaption(), *warning,
                               QMessageBox::Ok);
    return true;
}

bool TFormMain::askToSave()
{
    if (m_saved)
        return true;
    const QMessageBox::StandardButton answer =
        m_interaction->message(this, QMessageBox::Question, Interaction::programCaption(),
                               QStringLiteral("Вы хотите сохранить декларацию?"),
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer != QMessageBox::Yes)
        return true;
    QString name = m_fileName;
    if (name.isEmpty())
        name = askSaveName();
    // A cancelled save dialog cancels the command; a save that fails keeps the window and the
    // document as they are.
    return !name.isEmpty() && saveTo(name);
}

void TFormMain::CreateDoc()
{
    if (!askToSave())
        return;
    resetDocument();
    replaceFrame(Section::InitialData);
    m_saved = true;
    updateTitle();
    applyButtonRule();
}

void TFormMain::OpenDoc()
{
    if (!askToSave())
        return;
    // A cancelled dialog keeps the declaration on screen.
    const QString chosen = m_interaction->openFileName(this, openRequest());
    if (chosen.isEmpty())
        return;
    // The old frame goes with the old document.
    delete m_frame;
    m_frame = nullptr;
    m_document = std::make_unique<mTDeclaration>();
    m_fileName = chosen;
    bool restored = false;
    if (loadInto(*m_document, m_fileName)) {
        m_recovery->track(m_fileName);
        restored = offerRecovery();
    } else {
        resetDocument();
    }
    updateTitle();
    replaceFrame(Section::InitialData);
    m_saved = !restored;
    applyButtonRule();
}

void TFormMain::SaveDoc()
{
    QString name = m_fileName;
    if (name.isEmpty()) {
        name = askSaveName();
        if (name.isEmpty())
            return;
    }
    // A file of an earlier year is saved as a file of this year beside it.
    if (!name.endsWith(QLatin1Char('3'))) {
        name.chop(1);
        name += QLatin1Char('3');
    }
    saveTo(name);
}

void TFormMain::SaveAsDoc()
{
    const QString name = askSaveName();
    if (!name.isEmpty())
        saveTo(name);
}
