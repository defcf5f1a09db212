#include "pictures.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdlib>
#include <memory>

namespace demoshop {

// Text drawing needs a QGuiApplication; the service has no window, so the
// offscreen platform is forced before it is built. Only made when drawing.
static std::unique_ptr<QGuiApplication> g_app;

static void ensureGuiApp()
{
    if (QGuiApplication::instance())
        return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "demo-shop";
    static char* argv[] = {name, nullptr};
    g_app = std::make_unique<QGuiApplication>(argc, argv);
}

void releasePictureTools()
{
    g_app.reset();
}

static QFont nameFont(int pixelSize)
{
    QFont f(QStringLiteral("NanumSquareRound"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

static void drawShape(QPainter& p, PictureShape shape, const QColor& main, const QColor& dark)
{
    p.setPen(QPen(dark, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 60, 0, 210);
    fill.setColorAt(0, main.lighter(125));
    fill.setColorAt(1, main);
    p.setBrush(fill);
    switch (shape) {
    case PictureShape::Cup: {
        p.drawEllipse(QRectF(70, 180, 160, 30));  // saucer
        QPainterPath handle;
        handle.addEllipse(QRectF(180, 95, 50, 50));
        p.setBrush(Qt::NoBrush);
        p.drawPath(handle);
        p.setBrush(fill);
        QPainterPath cup;
        cup.moveTo(85, 80);
        cup.lineTo(215, 80);
        cup.cubicTo(215, 150, 195, 190, 150, 190);
        cup.cubicTo(105, 190, 85, 150, 85, 80);
        p.drawPath(cup);
        p.setBrush(main.darker(140));
        p.drawEllipse(QRectF(85, 68, 130, 24));
        p.setPen(QPen(dark.lighter(160), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(120, 20, 20, 40), 90 * 16, 180 * 16);
        p.drawArc(QRectF(150, 15, 20, 40), 270 * 16, 180 * 16);
        break;
    }
    case PictureShape::Glass: {
        QPainterPath glass;
        glass.moveTo(95, 50);
        glass.lineTo(205, 50);
        glass.lineTo(190, 205);
        glass.lineTo(110, 205);
        glass.closeSubpath();
        p.drawPath(glass);
        p.setPen(QPen(dark, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(170, 20), QPointF(155, 120));  // straw
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRoundedRect(QRectF(115, 90, 28, 28), 6, 6);  // ice
        p.drawRoundedRect(QRectF(150, 120, 26, 26), 6, 6);
        break;
    }
    case PictureShape::Cake: {
        QPainterPath cake;
        cake.moveTo(60, 190);
        cake.lineTo(240, 190);
        cake.lineTo(240, 110);
        cake.lineTo(90, 70);
        cake.lineTo(60, 110);
        cake.closeSubpath();
        p.drawPath(cake);
        p.setPen(QPen(QColor(255, 255, 255, 200), 10));
        p.drawLine(QPointF(64, 145), QPointF(236, 145));
        p.setPen(QPen(dark, 5));
        p.setBrush(QColor(220, 40, 60));
        p.drawEllipse(QRectF(95, 35, 34, 34));  // a berry on top
        break;
    }
    case PictureShape::Bread: {
        p.drawRoundedRect(QRectF(50, 80, 200, 120), 60, 60);
        p.setPen(QPen(dark.lighter(130), 6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(100 + 40 * i, 105), QPointF(120 + 40 * i, 150));
        break;
    }
    case PictureShape::Box: {
        p.drawRoundedRect(QRectF(70, 70, 160, 130), 18, 18);
        p.setPen(QPen(dark, 5));
        p.drawLine(QPointF(150, 70), QPointF(150, 200));
        p.drawLine(QPointF(70, 120), QPointF(230, 120));
        break;
    }
    }
}

bool writeMenuPicture(const std::string& path, const std::string& title, int hue, int value, PictureShape shape,
                      std::string* error)
{
    ensureGuiApp();
    QImage img(300, 300, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor::fromHsv(hue, 22, 250));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient glow(150, 125, 140);
        glow.setColorAt(0, QColor::fromHsv(hue, 60, 255));
        glow.setColorAt(1, QColor::fromHsv(hue, 22, 250));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(150, 125), 140, 120);
        drawShape(p, shape, QColor::fromHsv(hue, 170, value), QColor::fromHsv(hue, 200, value * 45 / 100));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 225));
        p.drawRoundedRect(QRectF(14, 228, 272, 56), 28, 28);
        QString name = QString::fromStdString(title);
        QFont font = nameFont(30);
        p.setFont(font);
        // Long names shrink to fit the label.
        while (font.pixelSize() > 14 && p.fontMetrics().horizontalAdvance(name) > 250) {
            font.setPixelSize(font.pixelSize() - 2);
            p.setFont(font);
        }
        p.setPen(QColor::fromHsv(hue, 200, 80));
        p.drawText(QRectF(14, 228, 272, 56), Qt::AlignCenter, name);
    }
    if (!img.save(QString::fromStdString(path), "PNG", 80)) {
        if (error)
            *error = "cannot write " + path;
        return false;
    }
    return true;
}

bool writeLogo(const std::string& path, const std::string& shopName, std::string* error)
{
    ensureGuiApp();
    QImage img(400, 400, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(250, 246, 238));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(92, 58, 33), 10));
        p.setBrush(QColor(196, 140, 86));
        p.drawEllipse(QRectF(40, 20, 320, 320));
        p.setPen(QPen(QColor(255, 250, 240), 14, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(130, 80, 140, 200), 100 * 16, 160 * 16);
        p.drawArc(QRectF(130, 80, 140, 200), 280 * 16, 160 * 16);
        QFont f = nameFont(40);
        p.setFont(f);
        p.setPen(QColor(92, 58, 33));
        p.drawText(QRectF(0, 340, 400, 60), Qt::AlignCenter, QString::fromStdString(shopName));
    }
    if (!img.save(QString::fromStdString(path), "PNG", 80)) {
        if (error)
            *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace demoshop
