#include "ui/window/PrinterIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawnPrinter(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    const QPen outline(QColor(0x40, 0x40, 0x40), 1.2);
    painter.setPen(outline);
    // The sheet going in at the back.
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(9, 3, 14, 10));
    // The body.
    painter.setBrush(QColor(0x8a, 0x93, 0x9e));
    painter.drawRoundedRect(QRectF(3, 12, 26, 11), 2.5, 2.5);
    painter.setBrush(QColor(0x5d, 0xb8, 0x4f));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(25, 15.5), 1.3, 1.3);
    // The printed sheet coming out at the front.
    painter.setPen(outline);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(8, 19, 16, 10));
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    for (qreal y : {22.5, 25.0})
        painter.drawLine(QPointF(11, y), QPointF(21, y));
    return picture;
}

} // namespace

QIcon PrinterIcon()
{
    QIcon drawn;
    for (int size : {16, 24, 32, 48})
        drawn.addPixmap(drawnPrinter(size));
    return QIcon::fromTheme(QStringLiteral("document-print"), drawn);
}
