// Draws the maker's logo, picture 168 of the application's resources: a 205 x 73 picture with a green
// mark and the name "Velnora". Run through scripts/make-logo.sh; the picture it writes is committed.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: make_logo OUTPUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QColor green(0x1f, 0x7a, 0x4d);
    QImage image(205, 73, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The mark: a rounded square with a white cross.
    QRectF mark(6, 9, 55, 55);
    QPainterPath square;
    square.addRoundedRect(mark, 12, 12);
    painter.fillPath(square, green);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal arm = 13;
    const QPointF centre = mark.center();
    painter.drawRoundedRect(QRectF(centre.x() - arm / 2, mark.top() + 10, arm, mark.height() - 20), 2, 2);
    painter.drawRoundedRect(QRectF(mark.left() + 10, centre.y() - arm / 2, mark.width() - 20, arm), 2, 2);

    // The name, and a thin rule under it.
    QFont font("DejaVu Sans");
    font.setPixelSize(29);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    painter.setFont(font);
    painter.setPen(green);
    painter.drawText(QRectF(70, 8, 133, 42), Qt::AlignLeft | Qt::AlignVCenter, "Velnora");
    painter.fillRect(QRectF(71, 52, 128, 2), green.lighter(150));
    QFont small("DejaVu Sans");
    small.setPixelSize(10);
    painter.setFont(small);
    painter.setPen(QColor(0x44, 0x44, 0x44));
    painter.drawText(QRectF(71, 55, 133, 14), Qt::AlignLeft | Qt::AlignVCenter, "Apothekensoftware");
    painter.end();

    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
