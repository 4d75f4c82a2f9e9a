#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

class mTDeclaration;

// One recovery copy: the unsaved state of a declaration, written as a declaration file of its own
// into the recovery folder, beside a note that names the file the declaration belongs to (an
// empty name for a new declaration). While a program works with a copy it holds a lock on the
// note, so another running program neither offers it nor removes it; the system releases the lock
// when the program ends, however it ends.
class RecoveryCopy
{
public:
    RecoveryCopy(QString path, QString origin);
    ~RecoveryCopy();
    RecoveryCopy(RecoveryCopy&& other) noexcept;
    RecoveryCopy& operator=(RecoveryCopy&& other) noexcept;
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // The copy, a declaration file.
    const QString& path() const { return m_path; }
    // The declaration file the copy belongs to; empty for a new declaration.
    const QString& origin() const { return m_origin; }
    // When the copy was last written; invalid while it has not been written.
    QDateTime written() const;

    // Writes the declaration over the copy through the declaration's own checked, synced save; the
    // note is written and locked first. Failures are mEPrivBase errors.
    void write(const mTDeclaration& declaration);
    // Reads the copy into target; on a failure the message of the file comes back.
    std::optional<QString> read(mTDeclaration& target) const;
    // Removes the copy and its note.
    void remove();
    // Renames the copy and its note with ".damaged", so that they are neither offered again nor
    // lost; returns the copy's new name.
    QString setAside();

private:
    friend class RecoveryStore;

    QString notePath() const;
    void writeNote();
    void unlock();

    QString m_path;
    QString m_origin;
    // The note, open and locked while this program holds the copy.
    int m_note = -1;
};

// The folder of the recovery copies. A copy is named after the file it belongs to: the file's
// name without its folder, a hash of its full name and a part of its own (one file may have a
// copy kept for later besides the copy of the declaration on screen), e.g.
// "declaration-3f2a9c01b4de-7c41d2e0.tv3" with its note "declaration-3f2a9c01b4de-7c41d2e0.origin".
class RecoveryStore
{
public:
    explicit RecoveryStore(QString folder);

    const QString& folder() const { return m_folder; }
    // The name a declaration file is known by here: its full name, symbolic links resolved.
    static QString originOf(const QString& fileName);

    // A copy for the declaration of this file (empty: a new declaration), not written yet.
    RecoveryCopy create(const QString& fileName) const;
    // The copies of this file's declaration (empty: of new declarations) that no other running
    // program holds, newest first; each is held until it is destroyed. A note left without its
    // copy is removed.
    std::vector<RecoveryCopy> find(const QString& fileName) const;

private:
    QString m_folder;
};
