// Draws the program's pictures: the splash and About banners (JPEG, 460 x 104) and the
// application icon (PNG). Run once after changing the drawing; the results are kept in the
// repository:  make-pictures OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A sheet of paper with a folded corner, lines of text and a rouble sign.
void drawDocument(QPainter& painter, const QRectF& box)
{
    const qreal fold = box.width() * 0.28;
    QPainterPath sheet;
    sheet.moveTo(box.left(), box.top());
    sheet.lineTo(box.right() - fold, box.top());
    sheet.lineTo(box.right(), box.top() + fold);
    sheet.lineTo(box.right(), box.bottom());
    sheet.lineTo(box.left(), box.bottom());
    sheet.closeSubpath();
    painter.setPen(QPen(QColor(20, 60, 110), box.width() * 0.03));
    painter.setBrush(QColor(250, 252, 255));
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(box.right() - fold, box.top());
    corner.lineTo(box.right() - fold, box.top() + fold);
    corner.lineTo(box.right(), box.top() + fold);
    corner.closeSubpath();
    painter.setBrush(QColor(200, 215, 235));
    painter.drawPath(corner);
    painter.setPen(QPen(QColor(120, 150, 190), box.width() * 0.05, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 4; ++line) {
        const qreal y = box.top() + box.height() * (0.38 + 0.1 * line);
        const qreal right = box.right() - box.width() * (line == 3 ? 0.45 : 0.15);
        painter.drawLine(QPointF(box.left() + box.width() * 0.15, y), QPointF(right, y));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(box.height() * 0.3));
    painter.setFont(font);
    painter.setPen(QColor(200, 40, 40));
    painter.drawText(QRectF(box.left() + box.width() * 0.45, box.top() + box.height() * 0.62,
                            box.width() * 0.5, box.height() * 0.36),
                     Qt::AlignCenter, QString(QChar(0x20BD)));
}

QImage banner(const QString& subtitle)
{
    QImage image(460, 104, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 460, 104);
    sky.setColorAt(0, QColor(16, 62, 122));
    sky.setColorAt(0.6, QColor(32, 112, 170));
    sky.setColorAt(1, QColor(70, 160, 190));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawEllipse(QPointF(420, -20), 120, 90);
    painter.drawEllipse(QPointF(330, 130), 90, 60);
    drawDocument(painter, QRectF(18, 12, 62, 80));

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(34);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(100, 10, 350, 46), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Тарвика 2013"));
    QFont text(QStringLiteral("DejaVu Sans"));
    text.setPixelSize(13);
    painter.setFont(text);
    painter.setPen(QColor(225, 238, 250));
    painter.drawText(QRectF(102, 56, 350, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Декларация о доходах физических лиц"));
    painter.drawText(QRectF(102, 76, 350, 20), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    return image;
}

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 0, size, size);
    tile.setColorAt(0, QColor(16, 62, 122));
    tile.setColorAt(1, QColor(60, 150, 185));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92), size * 0.16,
                            size * 0.16);
    drawDocument(painter, QRectF(size * 0.22, size * 0.14, size * 0.56, size * 0.72));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool ok = banner(QStringLiteral("3-НДФЛ и 4-НДФЛ за 2013 год"))
                        .save(folder + QStringLiteral("/splash.jpg"), "JPG", 92) &&
                    banner(QStringLiteral("версия 2013.1"))
                        .save(folder + QStringLiteral("/about.jpg"), "JPG", 92) &&
                    icon(256).save(folder + QStringLiteral("/tarvika.png"), "PNG") &&
                    icon(48).save(folder + QStringLiteral("/tarvika-48.png"), "PNG");
    return ok ? 0 : 1;
}
