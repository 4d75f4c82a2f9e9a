#pragma once

#include <QList>
#include <QString>

// A rule of a section that fails: what the person is told and the code of the field to fix (a
// field code of the section, or the 1-based position of an entry in a list). A rule that must not
// be skipped disables "Пропустить" for the rest of its run.
struct RuleFailure
{
    QString message;
    quint16 code = 0;
    bool disablesSkip = false;

    bool operator==(const RuleFailure&) const = default;
};

// The failed rules of a section, in the order they are put to the person.
using RuleFailures = QList<RuleFailure>;

// Where a section's rules run: in the section's own check when the person leaves its frame, or in
// the check of the whole declaration before print and export. A few rules say more, or less, in
// one of the two.
enum class CheckScope
{
    Section,
    Declaration
};

// Collects the failed rules of a section: `fail(condition, message, code)` records a rule when its
// condition holds.
class RuleCollector
{
public:
    void fail(bool condition, const QString& message, quint16 code, bool disablesSkip = false)
    {
        if (condition)
            m_failures.append({message, code, disablesSkip});
    }
    void add(const RuleFailures& failures) { m_failures.append(failures); }
    RuleFailures take() { return std::move(m_failures); }

private:
    RuleFailures m_failures;
};
