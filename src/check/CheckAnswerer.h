#pragma once

#include <QString>

// Answers of the section error dialog ("Исправить", "Пропустить", "Пропустить все"); closing the
// dialog without a button (Escape) is Closed, which the checks treat like Skip where "Пропустить"
// is enabled; where it is not, the check stops without naming a field (SectionCheckRun).
enum class SectionAnswer
{
    Fix,
    Skip,
    SkipAll,
    Closed
};

// Answers of the whole-declaration error dialog ("Исправить", "Отмена"); closing it is Cancel.
enum class DeclarationAnswer
{
    Fix,
    Cancel
};

// One message of the section error dialog. The window title is "Проверка: " followed by title.
struct SectionQuestion
{
    QString title;
    QString message;
    bool skipEnabled = true;
    bool skipAllEnabled = true;

    QString windowTitle() const { return QStringLiteral("Проверка: ") + title; }
};

// One message of the whole-declaration error dialog, titled "Проверка: " followed by the title of
// the group.
struct DeclarationQuestion
{
    QString title;
    QString message;

    QString windowTitle() const { return QStringLiteral("Проверка: ") + title; }
};

// Whoever answers the questions of the checks: the dialogs of the desktop program, a script in the
// tests, a fixed answer in the command-line tool. A check run asks its questions one after another
// on one answerer, as the one dialog of that run would show them.
class CheckAnswerer
{
public:
    virtual ~CheckAnswerer() = default;

    virtual SectionAnswer askSection(const SectionQuestion& question) = 0;
    virtual DeclarationAnswer askDeclaration(const DeclarationQuestion& question) = 0;
};
