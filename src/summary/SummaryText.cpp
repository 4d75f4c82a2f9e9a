#include "summary/SummaryText.h"

#include "summary/TaxSummary.h"

namespace SummaryText {

namespace {

void addLine(QStringList& out, const SummaryLine& line, const TaxSummary& summary, int depth)
{
    QString text = QString(depth * 2, QLatin1Char(' ')) + line.caption + QStringLiteral(": ") +
                   roubles(line.amount);
    if (!line.note.isEmpty())
        text += QStringLiteral(" (") + line.note + QLatin1Char(')');
    if (const QString place = summary.placeName(line.place); !place.isEmpty())
        text += QStringLiteral(" [") + place + QLatin1Char(']');
    out << text;
    for (const SummaryLine& part : line.parts)
        addLine(out, part, summary, depth + 1);
}

} // namespace

QString amount(Money value)
{
    const bool negative = value < Money();
    const qint64 kopecks = (negative ? -value : value).roundKop().units() / 100;
    const QString whole = QString::number(kopecks / 100);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += whole.at(i);
    }
    if (kopecks % 100 != 0)
        grouped +=
            QLatin1Char(',') + QStringLiteral("%1").arg(kopecks % 100, 2, 10, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + grouped : grouped;
}

QString paymentKind(SummaryPayment::Kind kind)
{
    switch (kind) {
    case SummaryPayment::Pay:
        return QStringLiteral("К уплате");
    case SummaryPayment::Refund:
        return QStringLiteral("К возврату");
    case SummaryPayment::NothingDue:
        break;
    }
    return QStringLiteral("Нет суммы к уплате или к возврату");
}

QString roubles(Money value)
{
    return amount(value) + QStringLiteral(" руб.");
}

QStringList headline(const TaxSummary& summary)
{
    switch (summary.outcome) {
    case TaxSummary::Fault:
        return {QStringLiteral("Расчёт налога: — ") + summary.faultMessage};
    case TaxSummary::NotComputed:
        return {QStringLiteral("Форма 4-НДФЛ: сумма налога к уплате или к возврату не "
                               "рассчитывается")};
    case TaxSummary::Computed:
        break;
    }
    QStringList phrases;
    if (!summary.toPay.isZero())
        phrases << QStringLiteral("К уплате: ") + roubles(summary.toPay);
    if (!summary.toRefund.isZero())
        phrases << QStringLiteral("К возврату: ") + roubles(summary.toRefund);
    if (phrases.isEmpty())
        phrases << QStringLiteral("Налог не доплачивается и не возвращается");
    return phrases;
}

QString report(const TaxSummary& summary)
{
    QStringList out = headline(summary);
    if (summary.outcome == TaxSummary::Computed) {
        out << QString() << QStringLiteral("Раздел 1. Суммы налога к уплате и к возврату");
        for (const SummaryPayment& payment : summary.payments)
            out << QStringLiteral("  ") + paymentKind(payment.kind) + QStringLiteral(": ") +
                       roubles(payment.amount) + QStringLiteral(" (КБК ") + payment.kbk +
                       QStringLiteral(", ОКТМО ") + payment.oktmo + QLatin1Char(')');
        for (const SummarySection& section : summary.sections) {
            out << QString() << section.title;
            for (const SummaryLine& line : section.lines)
                addLine(out, line, summary, 1);
        }
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace SummaryText
