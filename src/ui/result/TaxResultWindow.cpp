#include "ui/result/TaxResultWindow.h"

#include "storage/AtomicFile.h"
#include "summary/SummaryText.h"
#include "ui/dialogs/Interaction.h"
#include "ui/result/IncomeBarPicture.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

enum Column
{
    CaptionColumn,
    AmountColumn,
    PlaceColumn,
    NoteColumn,
};

constexpr int kPlaceRole = Qt::UserRole;

QString paymentCaption(const SummaryPayment& payment)
{
    return SummaryText::paymentKind(payment.kind) + QStringLiteral(", КБК ") + payment.kbk +
           QStringLiteral(", ОКТМО ") + payment.oktmo;
}

} // namespace

// The list of lines asks for the room its columns and lines take, whole.
class TaxResultLines : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

    // The width a column needs for its widest line and its header.
    int neededWidth(int column) const
    {
        return std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
    }

    QSize sizeHint() const override
    {
        int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
        for (int column = 0; column < columnCount(); ++column)
            width += neededWidth(column);
        int rows = 0;
        for (QTreeWidgetItemIterator it(const_cast<TaxResultLines*>(this)); *it != nullptr; ++it)
            ++rows;
        const int height = 2 * frameWidth() + header()->sizeHint().height() +
                           rows * std::max(sizeHintForRow(0), fontMetrics().height());
        return {width, height};
    }
};

QTreeWidgetItem* heading(QTreeWidget* tree, const QString& title)
{
    auto* item = new QTreeWidgetItem(tree, {title});
    QFont bold = item->font(CaptionColumn);
    bold.setBold(true);
    item->setFont(CaptionColumn, bold);
    item->setFirstColumnSpanned(true);
    return item;
}

TfmTaxResult::TfmTaxResult(QWidget* parent, TaxSummary summary, Interaction& interaction)
    : QDialog(parent), m_summary(std::move(summary)), m_interaction(interaction)
{
    setObjectName(QStringLiteral("TfmTaxResult"));
    setWindowTitle(QStringLiteral("Расчёт налога"));

    auto* headline =
        new QLabel(SummaryText::headline(m_summary).join(QStringLiteral("    ")), this);
    headline->setObjectName(QStringLiteral("lbTaxResultHeadline"));
    QFont bold = headline->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    headline->setFont(bold);
    headline->setWordWrap(true);

    m_tree = new TaxResultLines(this);
    m_tree->setObjectName(QStringLiteral("lvTaxResult"));
    m_tree->setAccessibleName(QStringLiteral("Разделы декларации"));
    m_tree->setHeaderLabels({QStringLiteral("Показатель"), QStringLiteral("Сумма, руб."),
                             QStringLiteral("Откуда данные"), QStringLiteral("Пояснение")});
    m_tree->setAlternatingRowColors(true);
    m_tree->setExpandsOnDoubleClick(false);
    // Every column as wide as its longest line: no amount, code or caption is cut; a window too
    // narrow for them all scrolls the list.
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    // A double click or Enter on a line.
    connect(m_tree, &QTreeWidget::itemActivated, this, &TfmTaxResult::lineChosen);
    fillTree();

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabTaxResult"));
    tabs->addTab(m_tree, QStringLiteral("&Разделы декларации"));
    tabs->addTab(new IncomeBarPicture(tabs, m_summary),
                 QStringLiteral("Р&исунок: доходы по ставке 13 %"));

    auto* print = new QPushButton(QStringLiteral("Печать рисунка..."), this);
    print->setObjectName(QStringLiteral("bnPrintPicture"));
    connect(print, &QPushButton::clicked, this, &TfmTaxResult::printPicture);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
    close->setObjectName(QStringLiteral("bnClose"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);
    // As large as the lines need, within the screen.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen != nullptr ? screen->availableSize() * 9 / 10 : QSize(1024, 700);
    resize(sizeHint().boundedTo(room));
    fitCaptionColumn();
}

void TfmTaxResult::fitCaptionColumn()
{
    // Where the window cannot show the captions and the amounts whole side by side, the captions
    // give way, down to the width the lines of Section 1 need; a caption cut shows whole in its
    // tooltip, and the explanations further right are reached by scrolling.
    QHeaderView* header = m_tree->header();
    // The list is what makes the window wide: what the window has less than it asks for, the
    // list has less.
    const int room = m_tree->sizeHint().width() - (sizeHint().width() - width()) -
                     2 * m_tree->frameWidth() - m_tree->verticalScrollBar()->sizeHint().width();
    const int amounts = m_tree->neededWidth(AmountColumn);
    const int captions = m_tree->neededWidth(CaptionColumn);
    if (captions + amounts <= room)
        return;
    int section1 = 0;
    if (const QTreeWidgetItem* heading = m_tree->topLevelItem(0)) {
        for (int line = 0; line < heading->childCount(); ++line)
            section1 = std::max(section1, 2 * m_tree->indentation() +
                                              fontMetrics().horizontalAdvance(
                                                  heading->child(line)->text(CaptionColumn)) +
                                              2 * fontMetrics().averageCharWidth());
    }
    header->setSectionResizeMode(CaptionColumn, QHeaderView::Interactive);
    header->resizeSection(CaptionColumn, std::min(captions, std::max(section1, room - amounts)));
}

void TfmTaxResult::fillTree()
{
    if (m_summary.outcome != TaxSummary::Computed) {
        heading(m_tree, SummaryText::headline(m_summary).join(QLatin1Char(' ')));
        return;
    }
    QTreeWidgetItem* section1 =
        heading(m_tree, QStringLiteral("Раздел 1. Суммы налога к уплате и к возврату"));
    for (const SummaryPayment& payment : m_summary.payments) {
        auto* item = new QTreeWidgetItem(
            section1, {paymentCaption(payment), SummaryText::amount(payment.amount)});
        item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const SummarySection& section : m_summary.sections) {
        QTreeWidgetItem* item = heading(m_tree, section.title);
        for (const SummaryLine& line : section.lines)
            addLine(item, line);
    }
    m_tree->expandAll();
}

void TfmTaxResult::addLine(QTreeWidgetItem* parent, const SummaryLine& line)
{
    const QString place = m_summary.placeName(line.place);
    auto* item = new QTreeWidgetItem(parent, {line.caption, SummaryText::amount(line.amount),
                                              place.isEmpty() ? QStringLiteral("расчёт") : place,
                                              line.note});
    item->setTextAlignment(AmountColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setToolTip(CaptionColumn, line.caption);
    item->setToolTip(NoteColumn, line.note);
    // A line leads to the section of its data only when there is data.
    if (EntryPlaceHasSection(line.place) && !line.amount.isZero()) {
        item->setData(CaptionColumn, kPlaceRole, int(line.place));
        item->setToolTip(PlaceColumn,
                         QStringLiteral("Двойной щелчок или Enter: перейти к разделу"));
    }
    for (const SummaryLine& part : line.parts)
        addLine(item, part);
}

void TfmTaxResult::lineChosen(QTreeWidgetItem* item)
{
    const QVariant place = item != nullptr ? item->data(CaptionColumn, kPlaceRole) : QVariant();
    if (!place.isValid())
        return;
    m_chosen = EntryPlace(place.toInt());
    accept();
}

bool TfmTaxResult::printPicture()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (m_interaction.execDialog(dialog) != QDialog::Accepted)
        return false;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return writePicturePdf(printer.outputFileName(), printer.pageLayout());
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_interaction.showError(this, QStringLiteral("Не удалось начать печать рисунка."));
        return false;
    }
    const QRect page(QPoint(), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    IncomeBarPicture::paint(painter, page, m_summary);
    return painter.end();
}

// A PDF file is written like every other file of the program: whole or not at all, so a full
// disk neither leaves a cut picture nor costs the file it was to replace.
bool TfmTaxResult::writePicturePdf(const QString& fileName, const QPageLayout& layout)
{
    AtomicFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setResolution(600);
        writer.setTitle(windowTitle());
        QPainter painter;
        written = painter.begin(&writer);
        if (written) {
            const QRect page(QPoint(), layout.paintRectPixels(writer.resolution()).size());
            IncomeBarPicture::paint(painter, page, m_summary);
            written = painter.end();
        }
    }
    // Nothing replaces the old file unless the whole picture was written.
    if (written && file.commit())
        return true;
    if (file.committed()) {
        // In place; only the system's confirmation of the write is missing.
        m_interaction.message(this, QMessageBox::Warning, Interaction::programCaption(),
                              file.unconfirmedMessage(), QMessageBox::Ok);
        return true;
    }
    file.cancelWriting();
    m_interaction.showError(this, file.writeFailedMessage());
    return false;
}
