#include "print/PagePainter.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace {

// Page geometry in layout units (0.1 mm).
constexpr qreal left = 150;
constexpr qreal right = 1950;
constexpr qreal top = 80;
constexpr qreal bodyTop = 300;
constexpr qreal bodyBottom = 2720;
constexpr qreal footerTop = 2760;
constexpr qreal captionRight = 840;
constexpr qreal codeLeft = 850;
constexpr qreal codeRight = 940;
constexpr qreal cellWidth = 50;
constexpr qreal cellHeight = 60;
constexpr qreal cellsLeft = right - PagePainter::RowCells * cellWidth;
constexpr qreal cellRowGap = 10;
constexpr qreal rowGap = 14;
constexpr qreal headingGap = 24;
constexpr qreal unbounded = 1.0e6;
// Integer places of an amount on the form; the kopecks follow the point in two more cells.
constexpr int amountCells = 13;

constexpr int captionFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont makeFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

qreal textHeight(const QFont& font, qreal width, int flags, const QString& text)
{
    return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, unbounded), flags, text).height();
}

QString declarationTitle(const PrintForm& form)
{
    if (form.formName == QStringLiteral("4-НДФЛ"))
        return QStringLiteral("Налоговая декларация о предполагаемом доходе физического лица\n"
                              "(форма 4-НДФЛ)");
    return QStringLiteral("Налоговая декларация по налогу на доходы физических лиц\n"
                          "(форма 3-НДФЛ)");
}

// The title of a sheet's first page; the title page names the declaration.
QString sheetTitleText(const PrintForm& form, const PrintSheet& sheet)
{
    return sheet.key == QLatin1String("T") ? declarationTitle(form) : sheet.title;
}

// The number of cells of the codes the form gives a fixed width.
int fixedCells(const QString& attribute)
{
    static const QHash<QString, int> widths = {
        {QStringLiteral("ИННФЛ"), 12},       {QStringLiteral("ИННЮЛ"), 10},
        {QStringLiteral("КПП"), 9},          {QStringLiteral("КБК"), 20},
        {QStringLiteral("ОКТМО"), 11},       {QStringLiteral("КодНО"), 4},
        {QStringLiteral("ОтчетГод"), 4},     {QStringLiteral("Период"), 2},
        {QStringLiteral("НомКорр"), 3},      {QStringLiteral("ДокПредст"), 3},
        {QStringLiteral("ОКСМ"), 3},         {QStringLiteral("КодРегион"), 2},
        {QStringLiteral("Индекс"), 6},       {QStringLiteral("КодВидДок"), 2},
        {QStringLiteral("Ставка"), 2},       {QStringLiteral("ПрУплВозв"), 1},
        {QStringLiteral("ПрПодп"), 1},       {QStringLiteral("Статус"), 1},
        {QStringLiteral("ПрАдр"), 1},        {QStringLiteral("ПрГражд"), 1},
        {QStringLiteral("ПрИст"), 1},        {QStringLiteral("КодВалют"), 3},
        {QStringLiteral("КодНаимОб"), 1},    {QStringLiteral("ВидСобствОб"), 1},
        {QStringLiteral("ПризнакНП"), 2},    {QStringLiteral("ГодНачИспВыч"), 4},
        {QStringLiteral("ГодРегКФХ"), 4},    {QStringLiteral("КолМес40000"), 2},
        {QStringLiteral("КолМес280000"), 2}, {QStringLiteral("Месяц"), 2},
        {QStringLiteral("КодВД"), 1},        {QStringLiteral("ПрДогНПО"), 1},
        {QStringLiteral("Тлф"), 20},         {QStringLiteral("ОКВЭД"), 8}};
    return widths.value(attribute, 0);
}

QString padded(const QString& text, int cells)
{
    return text + QString(std::max<qsizetype>(cells - text.size(), 0), QLatin1Char('-'));
}

// A text in rows of cells, broken between words where a word fits a row.
QStringList wrapped(const QString& text)
{
    QStringList rows;
    QString row;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString rest = word;
        if (!row.isEmpty() && row.size() + 1 + rest.size() <= PagePainter::RowCells) {
            row += QLatin1Char(' ') + rest;
            continue;
        }
        if (!row.isEmpty())
            rows << row;
        row.clear();
        while (rest.size() > PagePainter::RowCells) {
            rows << rest.left(PagePainter::RowCells);
            rest = rest.mid(PagePainter::RowCells);
        }
        row = rest;
    }
    if (!row.isEmpty() || rows.isEmpty())
        rows << row;
    return rows;
}

} // namespace

QStringList PagePainter::cellRows(const QString& source, const QString& value)
{
    const QString attribute = source.section(QLatin1Char('/'), -1);
    static const QRegularExpression amount(QStringLiteral("^(-?\\d+)\\.(\\d+)$"));
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    QString cells;
    const int fixed = fixedCells(attribute);
    if (fixed > 0 && value.size() <= fixed) {
        cells = padded(value, fixed);
    } else if (attribute.startsWith(QStringLiteral("Дата")) && value.size() == 10) {
        cells = value;
    } else if (const auto match = amount.match(value);
               match.hasMatch() && match.capturedLength(1) <= amountCells) {
        cells = padded(match.captured(1), amountCells) + QLatin1Char('.') + match.captured(2);
    } else if (digits.match(value).hasMatch() && value.size() <= amountCells) {
        cells = padded(value, amountCells);
    } else {
        QStringList rows = wrapped(value);
        for (QString& row : rows)
            row = padded(row, RowCells);
        return rows;
    }
    QStringList rows;
    for (qsizetype at = 0; at < cells.size(); at += RowCells)
        rows << cells.mid(at, RowCells);
    return rows;
}

PagePainter::PagePainter(PrintForm form)
    : m_form(std::move(form)), m_text(makeFont(QStringLiteral("DejaVu Sans"), 28)),
      m_bold(makeFont(QStringLiteral("DejaVu Sans"), 30, true)),
      m_title(makeFont(QStringLiteral("DejaVu Sans"), 38, true)),
      m_small(makeFont(QStringLiteral("DejaVu Sans"), 24)),
      m_cell(makeFont(QStringLiteral("DejaVu Sans"), 38))
{
    paginate();
}

qreal PagePainter::sheetTitleHeight(const QString& title) const
{
    return textHeight(m_title, right - left, Qt::AlignHCenter | Qt::TextWordWrap, title) + 30;
}

qreal PagePainter::rowHeight(const PrintRow& row) const
{
    if (row.kind == PrintRow::Kind::Heading)
        return headingGap + textHeight(m_bold, right - left, captionFlags, row.caption) + rowGap;
    const qreal caption = textHeight(m_text, captionRight - left, captionFlags, row.caption);
    const qsizetype lines =
        row.kind == PrintRow::Kind::Signature ? 2 : cellRows(row.source, row.value).size();
    const qreal cells = qreal(lines) * (cellHeight + cellRowGap) - cellRowGap;
    return std::max(caption, cells) + rowGap;
}

void PagePainter::paginate()
{
    for (int sheet = 0; sheet < m_form.sheets.size(); ++sheet) {
        const PrintSheet& current = m_form.sheets[sheet];
        Page page{sheet, false, {}};
        qreal y = bodyTop + sheetTitleHeight(sheetTitleText(m_form, current));
        for (qsizetype row = 0; row < current.rows.size(); ++row) {
            const qreal height = rowHeight(current.rows[row]);
            // A heading stays on the page of the line that follows it.
            const bool heading =
                current.rows[row].kind == PrintRow::Kind::Heading && row + 1 < current.rows.size();
            const qreal needed = heading ? height + rowHeight(current.rows[row + 1]) : height;
            if (y + needed > bodyBottom && !page.rows.isEmpty()) {
                m_pages.append(page);
                page = Page{sheet, true, {}};
                y = bodyTop + sheetTitleHeight(current.title + QStringLiteral(" (продолжение)"));
            }
            page.rows.append(row);
            y += height;
        }
        m_pages.append(page);
    }
}

bool PagePainter::carriesSignature(const Page& page) const
{
    const PrintSheet& sheet = m_form.sheets[page.sheet];
    return std::any_of(page.rows.cbegin(), page.rows.cend(), [&sheet](qsizetype row) {
        return sheet.rows[row].kind == PrintRow::Kind::Signature;
    });
}

void PagePainter::paintCells(QPainter& painter, qreal x, qreal y, const QString& cells) const
{
    painter.setFont(m_cell);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QRectF cell(x + qreal(i) * cellWidth, y, cellWidth, cellHeight);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(cell);
        if (cells[i] != QLatin1Char(' '))
            painter.drawText(cell, Qt::AlignCenter, QString(cells[i]));
    }
}

void PagePainter::paintHeader(QPainter& painter, int index) const
{
    painter.setPen(Qt::black);
    painter.setFont(m_text);
    painter.drawText(QRectF(left, top, 110, cellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ИНН"));
    paintCells(painter, left + 110, top, padded(m_form.inn, 12));
    painter.setPen(Qt::black);
    painter.setFont(m_text);
    painter.drawText(QRectF(left + 760, top, 100, cellHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Стр."));
    paintCells(painter, left + 880, top,
               QStringLiteral("%1").arg(index + 1, 3, 10, QLatin1Char('0')));
    painter.setPen(Qt::black);
    painter.setFont(m_bold);
    painter.drawText(QRectF(left + 1100, top, right - left - 1100, cellHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Форма ") + m_form.formName);
    painter.setFont(m_small);
    painter.drawText(QRectF(left + 1100, top + cellHeight, right - left - 1100, 40),
                     Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Форма по КНД ") + m_form.knd);

    // The taxpayer's surname and initials, in as many cells as the name needs.
    const qreal nameTop = top + 110;
    painter.setFont(m_text);
    painter.drawText(QRectF(left, nameTop, 300, cellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Фамилия И. О."));
    const QString name = padded(m_form.taxpayer, 24);
    const qreal room = right - (left + 300);
    const qreal width = std::min(cellWidth, room / qreal(name.size()));
    painter.save();
    painter.translate(left + 300, nameTop);
    painter.scale(width / cellWidth, 1);
    paintCells(painter, 0, 0, name);
    painter.restore();
    painter.setPen(QPen(Qt::black, 6));
    painter.drawLine(QPointF(left, top + 200), QPointF(right, top + 200));
}

void PagePainter::paintFooter(QPainter& painter) const
{
    painter.setPen(QPen(Qt::black, 4));
    painter.drawLine(QPointF(left, footerTop), QPointF(right, footerTop));
    painter.setFont(m_small);
    painter.drawText(QRectF(left, footerTop + 15, right - left, 40), Qt::AlignLeft,
                     QStringLiteral("Достоверность и полноту сведений, указанных на данной "
                                    "странице, подтверждаю:"));
    painter.drawText(QRectF(left, footerTop + 90, right - left, 40), Qt::AlignLeft,
                     QStringLiteral("______________________ (подпись)       "
                                    "______________________ (дата)"));
}

qreal PagePainter::paintRow(QPainter& painter, const PrintRow& row, qreal y) const
{
    const qreal height = rowHeight(row);
    painter.setPen(Qt::black);
    if (row.kind == PrintRow::Kind::Heading) {
        painter.setFont(m_bold);
        painter.drawText(QRectF(left, y + headingGap, right - left, height), captionFlags,
                         row.caption);
        return y + height;
    }
    if (row.kind == PrintRow::Kind::Signature) {
        painter.setFont(m_text);
        painter.drawText(QRectF(left, y, captionRight - left, cellHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Подпись"));
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(QPointF(cellsLeft, y + cellHeight), QPointF(right, y + cellHeight));
        const qreal dateTop = y + cellHeight + cellRowGap;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(left, dateTop, captionRight - left, cellHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, row.caption);
        paintCells(painter, cellsLeft, dateTop,
                   row.value.isEmpty() ? QStringLiteral("  .  .    ") : row.value);
        return y + height;
    }
    painter.setFont(m_text);
    painter.drawText(QRectF(left, y, captionRight - left, height), captionFlags, row.caption);
    if (!row.code.isEmpty()) {
        painter.setFont(m_small);
        painter.drawText(QRectF(codeLeft, y, codeRight - codeLeft, cellHeight), Qt::AlignCenter,
                         row.code);
    }
    qreal cellTop = y;
    for (const QString& cells : cellRows(row.source, row.value)) {
        paintCells(painter, cellsLeft, cellTop, cells);
        cellTop += cellHeight + cellRowGap;
    }
    return y + height;
}

void PagePainter::paintPage(QPainter& painter, const QRectF& target, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    const Page& page = m_pages[index];
    const PrintSheet& sheet = m_form.sheets[page.sheet];
    painter.save();
    const qreal scale = std::min(target.width() / PageWidth, target.height() / PageHeight);
    painter.translate(target.left() + (target.width() - PageWidth * scale) / 2,
                      target.top() + (target.height() - PageHeight * scale) / 2);
    painter.scale(scale, scale);
    painter.fillRect(QRectF(0, 0, PageWidth, PageHeight), Qt::white);
    painter.setBrush(Qt::NoBrush);

    paintHeader(painter, index);
    const QString title = page.continued ? sheet.title + QStringLiteral(" (продолжение)")
                                         : sheetTitleText(m_form, sheet);
    painter.setFont(m_title);
    painter.setPen(Qt::black);
    const qreal titleHeight = sheetTitleHeight(title);
    painter.drawText(QRectF(left, bodyTop, right - left, titleHeight),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title);
    qreal y = bodyTop + titleHeight;
    for (const qsizetype row : page.rows)
        y = paintRow(painter, sheet.rows[row], y);
    if (!carriesSignature(page))
        paintFooter(painter);
    painter.restore();
}

bool PagePainter::paint(QPagedPaintDevice& device) const
{
    return paint(device, Selection{1, pageCount(), 1});
}

bool PagePainter::paint(QPagedPaintDevice& device, const Selection& selection) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRectF target(0, 0, device.width(), device.height());
    bool first = true;
    for (int copy = 0; copy < selection.copies; ++copy) {
        for (int page = selection.fromPage; page <= selection.toPage; ++page) {
            if (!first && !device.newPage())
                return false;
            first = false;
            paintPage(painter, target, page - 1);
        }
    }
    return painter.end();
}
