#pragma once

#include "model/file/RecoveryStore.h"
#include "model/file/RecoveryWriter.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

class Interaction;
class QWidget;

// Nothing typed is lost: while the declaration on screen has unsaved changes, a copy of it is
// written into the recovery folder a few seconds after the last change (and never later than
// kLongestWait after the first change not yet copied). The declaration is copied on the window's
// thread and written on the writer's; the window waits only for a write in flight, and only where
// a copy is removed or given up. When the declaration is saved, or given up without saving, its
// copy goes. A program that ended without either leaves the copy behind, and offer() brings it
// back when the file (or, for a new declaration, the program) is opened again.
class DocumentRecovery : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kLongestWait{10000};
    // While a dialog is open the frame behind it may be half way through a change: the copy waits.
    static constexpr std::chrono::milliseconds kDialogRetry{1000};

    // snapshot gives the declaration as the screen shows it. An empty folder keeps no copies.
    DocumentRecovery(const QString& folder, std::function<mTDeclaration()> snapshot,
                     std::chrono::milliseconds delay, QObject* parent = nullptr);
    // Waits for the write in flight; the copy stays, as when the program ends unexpectedly.
    ~DocumentRecovery() override;

    // The declaration on screen now belongs to this file (empty: a new declaration) and has no
    // unsaved changes: the copy of the declaration shown before is removed.
    void track(const QString& fileName);
    // The declaration on screen changed.
    void changed();
    // Offers the copies of the tracked file's declaration that are newer than the file (for a new
    // declaration: every copy of one), newest first. "Восстановить" returns the copy's declaration,
    // whose copy the window then keeps writing; "Не восстанавливать" removes the copy; "Позже"
    // keeps it. A copy that cannot be read is named in a message and set aside.
    std::unique_ptr<mTDeclaration> offer(QWidget* parent, Interaction& interaction);

    // Copies the declaration now and hands it to the writer.
    void writeNow();
    // Waits until the copy handed over is written.
    void waitForWrites();
    // The copy of the declaration on screen; empty while there is none.
    QString copyPath() const;
    bool copyDue() const { return m_timer.isActive(); }
    const RecoveryWriter& writer() const { return m_writer; }

private:
    void timeout();
    void dropCopy();

    RecoveryStore m_store;
    std::function<mTDeclaration()> m_snapshot;
    std::chrono::milliseconds m_delay;
    QString m_fileName;
    QTimer m_timer;
    // Runs from the first change not copied yet.
    QElapsedTimer m_waiting;
    // Declared before the writer, which uses it and goes first.
    std::unique_ptr<RecoveryCopy> m_copy;
    RecoveryWriter m_writer;
};
