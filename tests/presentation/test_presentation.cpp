// The dimmed backdrop over a real widget tree, scaled picture loading and the screen fonts.
#include "access/contrast.h"
#include "presentation/caption_key.h"
#include "presentation/look.h"
#include "presentation/presentation.h"
#include "startup/trace_log.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace sumbrel;

namespace {

QWidget* Area(QWidget* parent, QRect geometry, QColor colour)
{
    auto* w = new QWidget(parent);
    w->setGeometry(geometry);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    return w;
}

class Presentation : public sumbrel::testing::SumbrelTest { };

// A window of three areas (white, black, orange) and a panel that covers part of each,
// with a centred box of its own.
struct Scene {
    QWidget window;
    QWidget* panel = nullptr;
    QWidget* box = nullptr;
    Scene()
    {
        window.resize(300, 200);
        Area(&window, QRect(0, 0, 100, 200), Qt::white);
        Area(&window, QRect(100, 0, 100, 200), Qt::black);
        Area(&window, QRect(200, 0, 100, 200), QColor(200, 100, 50));
        panel = new QWidget(&window);
        panel->setGeometry(50, 20, 240, 160);  // x 50..289 over all three areas
        box = Area(panel, QRect(100, 60, 40, 40), QColor(0, 200, 0));
        panel->hide();
        window.show();
        QCoreApplication::processEvents();
    }
    QColor at(int x, int y) { return window.grab().toImage().pixelColor(x, y); }
};

TEST_F(Presentation, BackdropIsWindowAndColourPixelByPixel)
{
    struct Case {
        const char* name;
        QColor mask;
        QColor white, black, orange;
    };
    const Case cases[] = {
        {"grey 128", QColor(128, 128, 128), QColor(128, 128, 128), QColor(0, 0, 0), QColor(100, 50, 25)},
        {"colour 0 means grey", QColor(0, 0, 0), QColor(128, 128, 128), QColor(0, 0, 0), QColor(100, 50, 25)},
        {"invalid means grey", QColor(), QColor(128, 128, 128), QColor(0, 0, 0), QColor(100, 50, 25)},
        {"grey 100 of the menu page", QColor(100, 100, 100), QColor(100, 100, 100), QColor(0, 0, 0),
         QColor(78, 39, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scene s;
        ApplyTranslucency(s.panel, c.mask);
        ASSERT_TRUE(s.panel->isVisible());
        // Window coordinates: inside the panel over each area, away from the box.
        EXPECT_EQ(s.at(60, 30), c.white);
        EXPECT_EQ(s.at(120, 30), c.black);
        EXPECT_EQ(s.at(280, 170), c.orange);
        // Outside the panel the window is untouched.
        EXPECT_EQ(s.at(10, 10), QColor(Qt::white));
        EXPECT_EQ(s.at(295, 190), QColor(200, 100, 50));
        // The panel's own box stays above the dimmed picture.
        EXPECT_EQ(s.at(50 + 120, 20 + 80), QColor(0, 200, 0));
    }
}

TEST_F(Presentation, BackdropTakesTheWindowAsItIsNow)
{
    Scene s;
    ApplyTranslucency(s.panel);
    EXPECT_EQ(s.at(60, 30), QColor(128, 128, 128));
    // The area behind turns black; a second call must show the new state, not the old picture.
    auto* first = s.window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first();
    QPalette p = first->palette();
    p.setColor(QPalette::Window, Qt::black);
    first->setPalette(p);
    ApplyTranslucency(s.panel);
    EXPECT_EQ(s.at(60, 30), QColor(0, 0, 0));
    EXPECT_EQ(s.panel->findChildren<QLabel*>().size(), 1) << "one backdrop, reused";
}

// Darker, not another colour: white becomes the colour, an orange stays orange (a bitwise AND with
// grey 100 made it green).
TEST(MaskedCopyRule, EachChannelScaledByTheColours)
{
    QImage src(3, 1, QImage::Format_ARGB32);
    src.setPixelColor(0, 0, QColor(255, 255, 255));
    src.setPixelColor(1, 0, QColor(0xc8, 0x6e, 0x32));
    src.setPixelColor(2, 0, QColor(1, 2, 3));
    const QImage out = MaskedCopy(src, QColor(100, 100, 100));
    EXPECT_EQ(out.pixelColor(0, 0), QColor(100, 100, 100));
    EXPECT_EQ(out.pixelColor(1, 0), QColor(78, 43, 20));
    EXPECT_EQ(out.pixelColor(2, 0), QColor(0, 1, 1));
}

class Pictures : public Presentation {
protected:
    QString write(const QString& name, QSize size, QColor colour, const char* format = "PNG")
    {
        if (QByteArray(format) == "GIF") {
            // Qt reads GIF but cannot write it: a 1 x 1 red GIF, byte for byte.
            static const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                                0x00, 0x00, 0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04,
                                                0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01,
                                                0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
            QFile f(folder.filePath(name));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(reinterpret_cast<const char*>(gif), sizeof gif);
            return f.fileName();
        }
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }
};

// Rows (or columns) of background at the start and at the end of the line through the centre.
std::pair<int, int> Bands(const QImage& img, bool vertical, QColor background)
{
    const int n = vertical ? img.height() : img.width();
    auto bg = [&](int i) {
        return (vertical ? img.pixelColor(img.width() / 2, i) : img.pixelColor(i, img.height() / 2)) == background;
    };
    int lead = 0;
    while (lead < n && bg(lead))
        ++lead;
    int trail = 0;
    while (trail < n && bg(n - 1 - trail))
        ++trail;
    return {lead, trail};
}

TEST_F(Pictures, KeepProportionsCentresWithEqualBands)
{
    const QColor blue(0, 0, 255);
    struct Case {
        QSize image, target;
        bool vertical;
        int band;
    };
    const Case cases[] = {
        {{200, 100}, {100, 100}, true, 25},  // wide into square: bands above and below
        {{100, 300}, {120, 120}, false, 40},  // tall into square: bands left and right
        {{640, 160}, {80, 80}, true, 30},
    };
    for (const Case& c : cases) {
        const QString path = write(QStringLiteral("p.png"), c.image, QColor(255, 0, 0));
        const QImage img
            = LoadPictureScaled(path, c.target.width(), c.target.height(), blue, true).value_or(QPixmap()).toImage();
        ASSERT_EQ(img.size(), c.target);
        const auto [lead, trail] = Bands(img, c.vertical, blue);
        EXPECT_EQ(lead, trail);
        EXPECT_NEAR(lead, c.band, 1);
        // The other direction is filled by the picture.
        const auto [lead2, trail2] = Bands(img, !c.vertical, blue);
        EXPECT_EQ(lead2 + trail2, 0);
    }
}

TEST_F(Pictures, StretchedAndOwnSizeInEveryFormat)
{
    struct Case {
        const char* format;
        QSize size;
    };
    for (const Case& c : {Case{"PNG", {30, 10}}, Case{"JPEG", {30, 10}}, Case{"BMP", {30, 10}}, Case{"GIF", {1, 1}}}) {
        SCOPED_TRACE(c.format);
        const QString path = write(QStringLiteral("pic.") + QString::fromLatin1(c.format).toLower(), c.size,
                                   QColor(255, 0, 0), c.format);
        const QImage own = LoadPictureScaled(path, -1, 50, Qt::blue, false).value_or(QPixmap()).toImage();
        EXPECT_EQ(own.size(), c.size);
        const QImage stretched = LoadPictureScaled(path, 64, 64, Qt::blue, false).value_or(QPixmap()).toImage();
        ASSERT_EQ(stretched.size(), QSize(64, 64));
        for (QPoint p : {QPoint(0, 0), QPoint(63, 63), QPoint(32, 1), QPoint(1, 62)}) {
            const QColor c = stretched.pixelColor(p);
            EXPECT_GT(c.red(), 200);
            EXPECT_LT(c.blue(), 60) << "no background band when stretched";
        }
    }
}

TEST_F(Pictures, MissingOrBrokenFileReadsAsNoPicture)
{
    QFile broken(folder.filePath(QStringLiteral("broken.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    for (const QString& path : {folder.filePath(QStringLiteral("missing.png")), broken.fileName()}) {
        EXPECT_FALSE(LoadPictureScaled(path, -1, -1, Qt::white, true)) << path.toStdString();
        EXPECT_FALSE(LoadImageScaled(path, 20, 20, Qt::white, false)) << path.toStdString();
    }
}

TEST_F(Presentation, FontsAskTheDesignFamilyAndFallBackToKoreanFonts)
{
    const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
    bool nanum = false;
    for (const QString& f : korean)
        nanum = nanum || f.startsWith(QStringLiteral("Nanum"));
    if (!nanum)
        GTEST_SKIP() << "no Nanum font installed";
    struct Case {
        QFont font;
        QString design;
        int px;
    };
    const Case cases[] = {
        {LabelFont(24), QStringLiteral("Mapo당인리발전소"), 24},
        {KeyFont(30), QStringLiteral("여기어때 잘난체"), 30},
        {SettingsFont(16), QStringLiteral("나눔고딕 ExtraBold"), 16},
        {CloseKeyFont(40), QStringLiteral("Arial"), 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.design.toStdString());
        EXPECT_EQ(c.font.families().value(0), c.design);
        EXPECT_EQ(c.font.pixelSize(), c.px);
        // What the font really resolves to can draw Hangul.
        bool resolvedKorean = false;
        for (const QString& family : c.font.families())
            if (korean.contains(family))
                resolvedKorean = true;
        EXPECT_TRUE(resolvedKorean);
        EXPECT_TRUE(QFontMetrics(c.font).inFontUcs4(U'로') || korean.contains(QFontInfo(c.font).family()));
    }
}

}  // namespace

TEST(CaptionKeyAccess, IsAPushButtonNamedByItsCaptionThatAReaderCanPress)
{
    CaptionKey key(QStringLiteral("다음"));
    int clicks = 0;
    QObject::connect(&key, &CaptionKey::clicked, [&] { ++clicks; });
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&key);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("다음"));
    key.setCaption(QStringLiteral("접수"));
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("접수"));
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    key.setKeyEnabled(false);
    EXPECT_TRUE(a->state().disabled);
}

TEST(HighContrast, EveryTextAndKeyFaceStandsSevenToOneFromWhatLiesBehind)
{
    const QList<ColourPair> pairs = ColourPairs(HighContrastPalette());
    ASSERT_GE(pairs.size(), 40);
    for (const ColourPair& pair : pairs) {
        const double ratio = access::ContrastRatio(pair.front.rgb() & 0xffffff, pair.back.rgb() & 0xffffff);
        EXPECT_GE(ratio, access::kHighContrastRatio)
            << pair.what << ": " << pair.front.name().toStdString() << " on " << pair.back.name().toStdString();
    }
    // The design's own palette holds its texts to 4.5:1 and its marks to 3:1, the criteria's floors
    // (a key's face is told by its rim, a disabled caption by being faint); 7:1 is what the mode is for.
    int below = 0;
    for (const ColourPair& pair : ColourPairs(Palette{})) {
        const std::string what = pair.what;
        const double ratio = access::ContrastRatio(pair.front.rgb() & 0xffffff, pair.back.rgb() & 0xffffff);
        below += ratio < access::kHighContrastRatio;
        const bool face = what.find(" on ") != std::string::npos && what.find("key") != std::string::npos;
        const bool exempt = face || what.find("disabled") != std::string::npos || what.find("incomplete") != std::string::npos
            || what.find("on the band") != std::string::npos || what == "notice on the panel";
        if (!exempt) {
            EXPECT_GE(ratio, what.find("mark") != std::string::npos ? 3.0 : 4.5)
                << what << ": " << pair.front.name().toStdString() << " on " << pair.back.name().toStdString();
        }
    }
    EXPECT_GT(below, 0);
}

// A key keeps its drawn face between paints: every change of what it shows must draw it anew,
// as a key made in the new state from the start draws it.
TEST(CaptionKeyFace, EveryChangeShowsAsOnAKeyMadeThatWay)
{
    const std::vector<std::pair<const char*, std::function<void(CaptionKey&)>>> changes = {
        {"caption", [](CaptionKey& k) { k.setCaption(QStringLiteral("취소")); }},
        {"disabled", [](CaptionKey& k) { k.setKeyEnabled(false); }},
        {"checked", [](CaptionKey& k) { k.setCheckable(true); k.setChecked(true); }},
        {"colours", [](CaptionKey& k) { k.setColours(Qt::darkGreen, Qt::darkBlue); }},
        {"ink", [](CaptionKey& k) { k.setForeground(Qt::red); }},
        {"pressed", [](CaptionKey& k) { k.showPressed(); }},
        {"font", [](CaptionKey& k) { QFont f = k.font(); f.setPixelSize(30); k.setFont(f); }},
        {"size", [](CaptionKey& k) { k.resize(150, 70); }},
    };
    for (const auto& [what, change] : changes) {
        CaptionKey shown(QStringLiteral("다음"));
        shown.resize(120, 60);
        const QImage before = shown.grab().toImage();
        change(shown);
        CaptionKey made(QStringLiteral("다음"));
        made.resize(120, 60);
        change(made);
        const QImage after = shown.grab().toImage();
        EXPECT_NE(after, before) << what;
        EXPECT_EQ(after, made.grab().toImage()) << what;
    }
}
