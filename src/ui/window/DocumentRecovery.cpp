#include "ui/window/DocumentRecovery.h"

#include "model/Declaration.h"
#include "ui/dialogs/Interaction.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

namespace {

enum class Offer
{
    Restore,
    Discard,
    Later
};

Offer askToRestore(const RecoveryCopy& copy, QWidget* parent, Interaction& interaction)
{
    const QString name =
        copy.origin().isEmpty() ? QStringLiteral("Без имени") : QFileInfo(copy.origin()).fileName();
    const QString text =
        QStringLiteral("Найдены несохранённые изменения декларации «%1» от %2. "
                       "Восстановить?")
            .arg(name, copy.written().toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    QMessageBox box(QMessageBox::Question, Interaction::programCaption(), text,
                    QMessageBox::NoButton, parent);
    QPushButton* restore = box.addButton(QStringLiteral("Восстановить"), QMessageBox::AcceptRole);
    restore->setObjectName(QStringLiteral("bnRestore"));
    QPushButton* discard =
        box.addButton(QStringLiteral("Не восстанавливать"), QMessageBox::DestructiveRole);
    discard->setObjectName(QStringLiteral("bnDiscard"));
    QPushButton* later = box.addButton(QStringLiteral("Позже"), QMessageBox::RejectRole);
    later->setObjectName(QStringLiteral("bnLater"));
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    interaction.execDialog(box);
    if (box.clickedButton() == restore)
        return Offer::Restore;
    return box.clickedButton() == discard ? Offer::Discard : Offer::Later;
}

QString damagedMessage(const RecoveryCopy& copy, const QString& aside, const QString& failure)
{
    const QString name = copy.origin().isEmpty() ? QStringLiteral("Без имени") : copy.origin();
    return QStringLiteral("Копия несохранённых изменений декларации «%1» повреждена и не будет "
                          "восстановлена. Она отложена в файл «%2».\r%3")
        .arg(name, aside, failure);
}

} // namespace

DocumentRecovery::DocumentRecovery(const QString& folder, std::function<mTDeclaration()> snapshot,
                                   std::chrono::milliseconds delay, QObject* parent)
    : QObject(parent), m_store(folder), m_snapshot(std::move(snapshot)), m_delay(delay)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &DocumentRecovery::timeout);
}

DocumentRecovery::~DocumentRecovery()
{
    m_writer.settle();
}

void DocumentRecovery::dropCopy()
{
    m_timer.stop();
    m_waiting.invalidate();
    m_writer.settle();
    if (m_copy != nullptr)
        m_copy->remove();
    m_copy.reset();
}

void DocumentRecovery::track(const QString& fileName)
{
    dropCopy();
    m_fileName = fileName;
}

void DocumentRecovery::changed()
{
    if (m_store.folder().isEmpty())
        return;
    if (!m_waiting.isValid())
        m_waiting.start();
    const auto waited = std::chrono::milliseconds(m_waiting.elapsed());
    m_timer.start(std::clamp(kLongestWait - waited, std::chrono::milliseconds(0), m_delay));
}

void DocumentRecovery::timeout()
{
    if (QApplication::activeModalWidget() != nullptr) {
        m_timer.start(kDialogRetry);
        return;
    }
    writeNow();
}

void DocumentRecovery::writeNow()
{
    m_timer.stop();
    m_waiting.invalidate();
    if (m_store.folder().isEmpty())
        return;
    if (m_copy == nullptr)
        m_copy = std::make_unique<RecoveryCopy>(m_store.create(m_fileName));
    m_writer.write(*m_copy, std::make_unique<const mTDeclaration>(m_snapshot()));
}

void DocumentRecovery::waitForWrites()
{
    m_writer.flush();
}

QString DocumentRecovery::copyPath() const
{
    return m_copy != nullptr ? m_copy->path() : QString();
}

std::unique_ptr<mTDeclaration> DocumentRecovery::offer(QWidget* parent, Interaction& interaction)
{
    if (m_store.folder().isEmpty())
        return nullptr;
    const QDateTime fileWritten =
        m_fileName.isEmpty() ? QDateTime() : QFileInfo(m_fileName).lastModified();
    for (RecoveryCopy& copy : m_store.find(m_fileName)) {
        // A copy older than the file holds nothing the file lacks; it stays as it is.
        if (fileWritten.isValid() && copy.written() <= fileWritten)
            continue;
        auto restored = std::make_unique<mTDeclaration>();
        if (const std::optional<QString> failure = copy.read(*restored)) {
            const QString aside = copy.setAside();
            interaction.showError(parent, damagedMessage(copy, aside, *failure));
            continue;
        }
        switch (askToRestore(copy, parent, interaction)) {
        case Offer::Restore:
            dropCopy();
            m_copy = std::make_unique<RecoveryCopy>(std::move(copy));
            return restored;
        case Offer::Discard:
            copy.remove();
            break;
        case Offer::Later:
            break;
        }
    }
    return nullptr;
}
