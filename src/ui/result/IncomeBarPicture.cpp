#include "ui/result/IncomeBarPicture.h"

#include "summary/SummaryText.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

// The picture is laid out on a canvas of this size and scaled into its target.
constexpr int kWidth = 720;
constexpr int kHeight = 420;
constexpr double kBarTop = 70;
constexpr double kBarBottom = 350;

const QColor kExemptColour(0x9b, 0xbb, 0x59);
const QColor kDeductionColour(0x4f, 0x81, 0xbd);
const QColor kBaseColour(0xe8, 0xa3, 0x3d);
const QColor kComputedColour(0xc0, 0x50, 0x4d);
const QColor kPaidColour(0x80, 0x64, 0xa2);
const QColor kCreditColour(0xb3, 0xa2, 0xc7);
const QColor kRefundColour(0x2e, 0x8b, 0x57);
const QColor kPayColour(0xc0, 0x50, 0x4d);

QFont canvasFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The height on the canvas of an amount out of a whole shown as the full bar.
double heightOf(Money amount, Money whole)
{
    if (whole <= Money() || amount <= Money())
        return 0;
    return (kBarBottom - kBarTop) * double(amount.units()) / double(whole.units());
}

void legendEntry(QPainter& painter, double y, const QColor& colour, const QString& caption,
                 Money amount)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRect(QRectF(180, y, 14, 14));
    painter.setPen(Qt::black);
    painter.setFont(canvasFont(13));
    painter.drawText(QRectF(202, y - 3, 230, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     caption + QStringLiteral(": ") + SummaryText::roubles(amount));
}

// A bar segment from the bottom at baseline, height h, with its colour.
double stack(QPainter& painter, double x, double width, double baseline, double h,
             const QColor& colour)
{
    if (h > 0) {
        painter.setPen(QPen(Qt::white, 1));
        painter.setBrush(colour);
        painter.drawRect(QRectF(x, baseline - h, width, h));
    }
    return baseline - h;
}

void paintIncome(QPainter& painter, const IncomeBar13& bar)
{
    const double x = 60;
    const double width = 100;
    double top = stack(painter, x, width, kBarBottom, heightOf(bar.base, bar.income), kBaseColour);
    top = stack(painter, x, width, top, heightOf(bar.deductions, bar.income), kDeductionColour);
    stack(painter, x, width, top, heightOf(bar.exempt, bar.income), kExemptColour);

    painter.setPen(Qt::black);
    painter.setFont(canvasFont(13, true));
    painter.drawText(QRectF(20, kBarBottom + 8, 180, 40), Qt::AlignHCenter | Qt::TextWordWrap,
                     QStringLiteral("Доход ") + SummaryText::roubles(bar.income));
    legendEntry(painter, kBarTop + 10, kExemptColour, QStringLiteral("Не облагается"), bar.exempt);
    legendEntry(painter, kBarTop + 40, kDeductionColour, QStringLiteral("Вычеты"), bar.deductions);
    legendEntry(painter, kBarTop + 70, kBaseColour, QStringLiteral("Налоговая база"), bar.base);
}

// The gap between the tax computed and the tax paid, hatched, with what it means.
void paintGap(QPainter& painter, const QRectF& gap, const QColor& colour, const QString& text)
{
    if (gap.height() > 0) {
        painter.setPen(QPen(colour, 2, Qt::DashLine));
        painter.setBrush(QBrush(colour, Qt::BDiagPattern));
        painter.drawRect(gap);
    }
    painter.setPen(colour);
    painter.setFont(canvasFont(15, true));
    painter.drawText(QRectF(430, 20, 280, 40), Qt::AlignCenter, text);
}

void paintTax(QPainter& painter, const IncomeBar13& bar)
{
    // The foreign tax credit counts only against a tax computed above what was paid.
    const Money credit = bar.taxComputed > bar.taxPaid
                             ? std::min(bar.foreignCredit, bar.taxComputed - bar.taxPaid)
                             : Money();
    const Money paidWithCredit = bar.taxPaid + credit;
    const Money whole = std::max(bar.taxComputed, paidWithCredit);
    const double computedX = 460;
    const double paidX = 590;
    const double width = 90;

    const double computedTop = stack(painter, computedX, width, kBarBottom,
                                     heightOf(bar.taxComputed, whole), kComputedColour);
    const double paidTop =
        stack(painter, paidX, width, kBarBottom, heightOf(bar.taxPaid, whole), kPaidColour);
    const double creditTop =
        stack(painter, paidX, width, paidTop, heightOf(credit, whole), kCreditColour);

    painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
    painter.drawLine(QPointF(computedX, computedTop), QPointF(paidX + width, computedTop));
    painter.setPen(Qt::black);
    painter.setFont(canvasFont(13));
    painter.drawText(QRectF(computedX - 25, kBarBottom + 8, width + 50, 40),
                     Qt::AlignHCenter | Qt::TextWordWrap,
                     QStringLiteral("Исчислено\n") + SummaryText::roubles(bar.taxComputed));
    QString paid = QStringLiteral("Удержано и уплачено\n") + SummaryText::roubles(bar.taxPaid);
    if (!credit.isZero())
        paid += QStringLiteral("\nзачёт ") + SummaryText::roubles(credit);
    painter.drawText(QRectF(paidX - 35, kBarBottom + 8, width + 70, 60),
                     Qt::AlignHCenter | Qt::TextWordWrap, paid);

    if (!bar.toRefund.isZero()) {
        paintGap(painter, QRectF(QPointF(paidX, paidTop), QPointF(paidX + width, computedTop)),
                 kRefundColour,
                 QStringLiteral("К возврату: ") + SummaryText::roubles(bar.toRefund));
    } else if (!bar.toPay.isZero()) {
        paintGap(painter, QRectF(QPointF(paidX, computedTop), QPointF(paidX + width, creditTop)),
                 kPayColour, QStringLiteral("К уплате: ") + SummaryText::roubles(bar.toPay));
    } else {
        paintGap(painter, QRectF(), Qt::black, QStringLiteral("Налог уплачен полностью"));
    }
}

QString emptyText(const TaxSummary& summary)
{
    switch (summary.outcome) {
    case TaxSummary::Fault:
        return QStringLiteral("— ") + summary.faultMessage;
    case TaxSummary::NotComputed:
        return SummaryText::headline(summary).join(QLatin1Char(' '));
    case TaxSummary::Computed:
        break;
    }
    return QStringLiteral("Доходов по ставке 13 % нет");
}

} // namespace

IncomeBarPicture::IncomeBarPicture(QWidget* parent, const TaxSummary& summary)
    : QWidget(parent), m_summary(summary)
{
    setObjectName(QStringLiteral("pbIncomeBar"));
    setMinimumSize(kWidth / 2, kHeight / 2);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

void IncomeBarPicture::paint(QPainter& painter, const QRect& target, const TaxSummary& summary)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The canvas scaled into the target without distortion, centred.
    const double scale =
        std::min(double(target.width()) / kWidth, double(target.height()) / kHeight);
    painter.translate(target.x() + (target.width() - kWidth * scale) / 2,
                      target.y() + (target.height() - kHeight * scale) / 2);
    painter.scale(scale, scale);

    painter.setPen(Qt::black);
    painter.setFont(canvasFont(16, true));
    painter.drawText(QRectF(20, 20, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Доходы по ставке 13 % и налог"));
    if (summary.outcome == TaxSummary::Computed && summary.hasBar13) {
        paintIncome(painter, summary.bar13);
        paintTax(painter, summary.bar13);
    } else {
        painter.setFont(canvasFont(14));
        painter.drawText(QRectF(40, 80, kWidth - 80, kHeight - 160),
                         Qt::AlignCenter | Qt::TextWordWrap, emptyText(summary));
    }
    painter.restore();
}

void IncomeBarPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paint(painter, rect(), m_summary);
}
