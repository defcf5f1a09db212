#include "presentation/presentation.h"

#include "access/language.h"
#include "presentation/look.h"
#include "presentation/stage_scale.h"
#include "presentation/widgets.h"
#include "startup/trace_log.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>

namespace sumbrel {

namespace {

// The child label that carries the darkened copy under the panel's own children.
constexpr auto kBackdropName = "lib_Transparent_backdrop";

QColor MaskColour(QColor colour)
{
    if (!colour.isValid() || (colour.red() == 0 && colour.green() == 0 && colour.blue() == 0))
        return QColor(128, 128, 128);
    return colour;
}

QFont ScreenFont(const QStringList& families, int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families);
    const int designSize = pixelSize > 0 ? pixelSize : 12;
    font.setPixelSize(std::max(1, int(std::lround(designSize * CurrentLook().scale * StageScale()))));
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// The installed family with the language's own characters; none where the Korean ones have them.
QString ScriptFamily(access::Language language)
{
    switch (language) {
    case access::Language::Chinese:
        return QStringLiteral("WenQuanYi Micro Hei");
    case access::Language::Japanese:
        return QStringLiteral("VL Gothic");
    case access::Language::Korean:
    case access::Language::English:
        break;
    }
    return QString();
}

// Installed Korean families behind every design family; in a Chinese or Japanese visit that
// language's own family first, so its characters take their own shapes (the shop's Korean names
// still find the Korean families).
QStringList WithKoreanFallbacks(QStringList families)
{
    if (const QString own = ScriptFamily(access::VisitLanguage()); !own.isEmpty())
        families.prepend(own);
    families << QStringLiteral("NanumSquareRound") << QStringLiteral("NanumSquare")
             << QStringLiteral("NanumBarunGothic") << QStringLiteral("NanumGothic")
             << QStringLiteral("Noto Sans CJK KR") << QStringLiteral("Noto Sans KR");
    return families;
}

}  // namespace

QImage MaskedCopy(const QImage& source, QColor colour)
{
    // Each channel scaled by the colour's: a bitwise AND with a grey such as 100 (binary 1100100)
    // drops bits unevenly and turned the page's orange cups green behind a dialog.
    const QColor mask = MaskColour(colour);
    const int factors[3] = {mask.red(), mask.green(), mask.blue()};
    // Each channel's 256 answers worked out once: a screen's worth of pixels is darkened while
    // the customer waits for the dialog.
    std::array<std::array<quint8, 256>, 3> darkened{};
    for (size_t c = 0; c < 3; ++c)
        for (int v = 0; v < 256; ++v)
            darkened[c][size_t(v)] = quint8((v * factors[c] + 127) / 255);
    QImage out = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgb(darkened[0][size_t(qRed(c))], darkened[1][size_t(qGreen(c))], darkened[2][size_t(qBlue(c))]);
        }
    }
    return out;
}

void ApplyTranslucency(QWidget* panel, QColor colour)
{
    if (!panel)
        return;
    QWidget* window = panel->window();
    QLabel* backdrop = panel->findChild<QLabel*>(QString::fromLatin1(kBackdropName), Qt::FindDirectChildrenOnly);
    if (!backdrop) {
        backdrop = TextLabel(panel, QString::fromLatin1(kBackdropName));
        backdrop->setAccessibleName(QStringLiteral("dimmed backdrop"));
        backdrop->setAttribute(Qt::WA_TransparentForMouseEvents);
        backdrop->setScaledContents(false);
    }
    // The window without the panel, as the customer saw it a moment ago.
    panel->hide();
    QImage behind;
    if (window == panel) {
        behind = QImage(panel->size(), QImage::Format_RGB32);
        behind.fill(Qt::white);
    } else {
        const QRect area(panel->mapTo(window, QPoint(0, 0)), panel->size());
        QPixmap shot = window->grab(area);
        behind = shot.toImage();
        behind.setDevicePixelRatio(1.0);
        if (behind.size() != panel->size() * shot.devicePixelRatio())
            behind = behind.scaled(panel->size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    QPixmap dimmed = QPixmap::fromImage(MaskedCopy(behind, colour.isValid() ? colour : Colours().dimming));
    dimmed.setDevicePixelRatio(double(behind.width()) / qMax(1, panel->width()));
    backdrop->setGeometry(panel->rect());
    backdrop->setPixmap(dimmed);
    backdrop->lower();
    backdrop->show();
    panel->show();
}

std::optional<QPixmap> LoadPictureScaled(const QString& path, int width, int height, QColor background,
                                         bool keepProportions)
{
    const std::optional<QImage> image = LoadImageScaled(path, width, height, background, keepProportions);
    if (!image)
        return std::nullopt;
    return image->isNull() ? QPixmap() : QPixmap::fromImage(*image);
}

std::optional<QImage> LoadImageScaled(const QString& path, int width, int height, QColor background,
                                      bool keepProportions)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    if (width == -1 || height == -1) {
        width = image.width();
        height = image.height();
    }
    if (width <= 0 || height <= 0)
        return QImage();

    QImage canvas(width, height, QImage::Format_RGB32);
    canvas.fill(background.isValid() ? background : QColor(Qt::white));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!keepProportions) {
        painter.drawImage(QPoint(0, 0), image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        const double scale = std::min(double(width) / image.width(), double(height) / image.height());
        const int w = std::max(1, int(std::lround(image.width() * scale)));
        const int h = std::max(1, int(std::lround(image.height() * scale)));
        // The free margin split evenly; an odd pixel goes to the far side.
        const int left = (width - w) / 2;
        const int top = (height - h) / 2;
        painter.drawImage(QPoint(left, top), image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    painter.end();
    return canvas;
}

QFont LabelFont(int pixelSize, bool bold)
{
    return ScreenFont(WithKoreanFallbacks({QStringLiteral("Mapo당인리발전소")}), pixelSize,
                      bold ? QFont::Bold : QFont::Normal);
}

QFont KeyFont(int pixelSize, bool bold)
{
    return ScreenFont(WithKoreanFallbacks({QStringLiteral("여기어때 잘난체"), QStringLiteral("Jalnan")}), pixelSize,
                      bold ? QFont::Bold : QFont::Normal);
}

QFont SettingsFont(int pixelSize)
{
    QStringList families{QStringLiteral("나눔고딕 ExtraBold"), QStringLiteral("NanumGothic ExtraBold"),
                         QStringLiteral("NanumGothic")};
    return ScreenFont(WithKoreanFallbacks(families), pixelSize, QFont::ExtraBold);
}

QFont InScriptOf(QFont font, access::Language language)
{
    if (const QString own = ScriptFamily(language); !own.isEmpty()) {
        QStringList families = font.families();
        families.prepend(own);
        font.setFamilies(families);
    }
    return font;
}

QFont CloseKeyFont(int pixelSize)
{
    QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return ScreenFont(WithKoreanFallbacks(families), pixelSize, QFont::Bold);
}

bool DecodesAsPicture(const QByteArray& bytes, int maxSide, QString* why)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSide || size.height() > maxSide) {
        if (why)
            *why = QStringLiteral("size ") + QString::number(size.width()) + u'x' + QString::number(size.height());
        return false;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        if (why)
            *why = reader.errorString();
        return false;
    }
    return true;
}

}  // namespace sumbrel
