#include "check/SectionCheckRun.h"

SectionCheckRun::SectionCheckRun(CheckAnswerer& answerer, QString title, bool skipEnabled,
                                 bool skipAllEnabled)
    : m_answerer(answerer), m_title(std::move(title)), m_skipEnabled(skipEnabled),
      m_skipAllEnabled(skipAllEnabled)
{}

void SectionCheckRun::fail(const QString& message, quint16 code, bool disableSkip)
{
    if (m_stopped)
        return;
    if (disableSkip)
        m_skipEnabled = false;
    m_lastAnswer = m_answerer.askSection({m_title, message, m_skipEnabled, m_skipAllEnabled});
    m_answered = true;
    // Closing the dialog (Escape) may only skip what "Пропустить" could skip; otherwise it ends the
    // run without a field to fix.
    if (m_lastAnswer == SectionAnswer::Closed && !m_skipEnabled) {
        m_result = kClosedCode;
        m_stopped = true;
        return;
    }
    switch (m_lastAnswer) {
    case SectionAnswer::Fix:
        m_result = code;
        m_stopped = true;
        break;
    case SectionAnswer::SkipAll:
        m_result = 0;
        m_stopped = true;
        break;
    case SectionAnswer::Skip:
    case SectionAnswer::Closed:
        m_result = 0;
        break;
    }
}

void SectionCheckRun::failEach(const RuleFailures& failures)
{
    for (const RuleFailure& failure : failures) {
        if (!active())
            break;
        fail(failure.message, failure.code, failure.disablesSkip);
    }
}

void SectionCheckRun::failFirst(const RuleFailures& failures)
{
    if (!failures.isEmpty())
        fail(failures.first().message, failures.first().code, failures.first().disablesSkip);
}
