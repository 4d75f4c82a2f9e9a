#pragma once

#include "check/CheckAnswerer.h"
#include "check/SectionRules.h"

#include <QString>

// One run of a section check with its one error dialog: rules are tested while the last answer was
// neither "Исправить" nor "Пропустить все"; "Исправить" makes the failed rule's code the result,
// any other answer sets the result to 0. A rule that disables "Пропустить" leaves it disabled for
// the rest of the run; closing the dialog (Escape) then stops the run with kClosedCode: nothing may
// be skipped, and no field is to be fixed, so nothing opens and the focus stays where it was.
class SectionCheckRun
{
public:
    // The result of a run the person ended by closing a message that could not be skipped. It is
    // no field's code: the screen stays as it is and nothing is accepted.
    static constexpr quint16 kClosedCode = 0xFFFF;

    SectionCheckRun(CheckAnswerer& answerer, QString title, bool skipEnabled = true,
                    bool skipAllEnabled = true);

    // Whether the next rule is to be tested.
    bool active() const { return !m_stopped; }

    // Reports a failed rule: shows message and records the answer.
    void fail(const QString& message, quint16 code, bool disableSkip = false);

    // Puts every failed rule of a section in turn, while the run goes on.
    void failEach(const RuleFailures& failures);
    // Puts only the first failed rule, if any.
    void failFirst(const RuleFailures& failures);

    void disableSkip() { m_skipEnabled = false; }

    // 0, or the code of the rule at which "Исправить" was chosen.
    quint16 result() const { return m_result; }
    // The last answer given, if any question was asked.
    bool answered() const { return m_answered; }
    SectionAnswer lastAnswer() const { return m_lastAnswer; }

private:
    CheckAnswerer& m_answerer;
    QString m_title;
    bool m_skipEnabled;
    bool m_skipAllEnabled;
    bool m_stopped = false;
    bool m_answered = false;
    SectionAnswer m_lastAnswer = SectionAnswer::Closed;
    quint16 m_result = 0;
};
