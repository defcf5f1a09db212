// What the customer sees: every text fits its place, in a font that has the Korean glyphs.
// SUMBREL_SCREENSHOT_DIR=<folder> also saves the screens as PNG files for a look by eye.
#include "reception/reception_fixture.h"

#include <QFontMetrics>
#include <QRawFont>

using namespace sumbrel;
using namespace sumbrel::testing;

namespace {

// Texts that do not fit their label or key, on what is visible of the window.
QStringList Clipped(QWidget& window)
{
    QStringList out;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty())
            continue;
        const QRect area = label->contentsRect();
        const QRect need
            = QFontMetrics(label->font()).boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, label->text());
        if (need.width() > area.width() || need.height() > area.height())
            out << label->objectName() + u':' + label->text();
    }
    for (CaptionKey* key : window.findChildren<CaptionKey*>()) {
        if (!key->isVisibleTo(&window) || key->caption().isEmpty())
            continue;
        const QRect area = key->rect().adjusted(4, 4, -4, -4);
        const QRect need
            = QFontMetrics(key->font()).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, key->caption());
        if (need.width() > area.width() || need.height() > area.height())
            out << key->objectName() + u':' + key->caption();
    }
    return out;
}

void Save(QWidget& window, const char* name)
{
    const QByteArray folder = qgetenv("SUMBREL_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        window.grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/reception-") + QString::fromLatin1(name)
                           + QStringLiteral(".png"));
}

}  // namespace

TEST_F(ReceptionTest, EveryScreenShowsItsTextsWhole)
{
    frmMain& s = open({{QStringLiteral("count"), QStringLiteral("12")},
                       {QStringLiteral("time"), QStringLiteral("35분")},
                       {QStringLiteral("TakeOutCarYN"), QStringLiteral("Y")},
                       {QStringLiteral("TOPayTypeS"), QStringLiteral("Y")}});
    EXPECT_EQ(Clipped(s), QStringList()) << "start";
    Save(s, "start");
    KeyOf(s, PanelKey::Takeout)->touch();
    typePhone(QStringLiteral("12345678"));
    OrderAmountLabel(s)->setText(QStringLiteral("128,500원"));  // the widest total the list would show
    EXPECT_EQ(Clipped(s), QStringList()) << "phone";
    Save(s, "phone");
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    typeCar(QStringLiteral("1234"));
    EXPECT_EQ(Clipped(s), QStringList()) << "car";
    Save(s, "car");
    KeyOf(s, CarKey::Next)->touch();
    settled(s);
    EXPECT_EQ(Clipped(s), QStringList()) << "payment";
    Save(s, "payment");
    KeyOf(s, PanelKey::Card)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 4);
    EXPECT_EQ(Clipped(s), QStringList()) << "completion";
    Save(s, "completion");
}

TEST_F(ReceptionTest, KeyAndLabelFontsHaveKoreanGlyphs)
{
    frmMain& s = open();
    for (QWidget* w : {static_cast<QWidget*>(KeyOf(s, PanelKey::Takeout)), static_cast<QWidget*>(lblPhoneA(s)),
                       static_cast<QWidget*>(lblWaitTitle(s)), static_cast<QWidget*>(KeyOf(s, PhoneKey::MenuSelect))}) {
        const QRawFont raw = QRawFont::fromFont(w->font(), QFontDatabase::Korean);
        EXPECT_TRUE(raw.isValid() && raw.supportsCharacter(QChar(u'접')))
            << w->objectName().toStdString() << " " << raw.familyName().toStdString();
    }
}

namespace {
void Send(QWidget* w, QEvent::Type type)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}
}  // namespace

TEST_F(ReceptionTest, PressLookAndDoubleTapThroughMouseEvents)
{
    frmMain& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    KeyOf(s, PanelKey::Takeout)->touch();
    struct Case {
        CaptionKey* key;
        QColor rest, pressed;
    };
    const Case cases[] = {{KeyOf(s, DigitKey<PhoneKey>(5)), QColor(231, 231, 231), QColor(192, 192, 192)},
                          {KeyOf(s, PhoneKey::Next), QColor(255, 213, 0), QColor(205, 176, 32)},
                          {KeyOf(s, PanelKey::ClosePhone), QColor(231, 231, 231), QColor(192, 192, 192)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key->objectName().toStdString());
        EXPECT_TRUE(c.key->isRaised());
        EXPECT_EQ(c.key->background(), c.rest);
        Send(c.key, QEvent::MouseButtonPress);
        EXPECT_FALSE(c.key->isRaised());
        EXPECT_EQ(c.key->background(), c.pressed);
        c.key->showReleased();
        EXPECT_TRUE(c.key->isRaised());
        EXPECT_EQ(c.key->background(), c.rest);
    }
    // press, release, double click, release: a digit twice.
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                           QEvent::MouseButtonRelease})
        Send(KeyOf(s, DigitKey<PhoneKey>(8)), t);
    EXPECT_EQ(phoneTag(), QStringLiteral("01088"));
    // A disabled key keeps its look and only logs its click: "확인" after a failed submission.
    typePhone(QStringLiteral("123456"));
    shop.setFault(kOrderPath, QStringLiteral("status"), 1, 500);
    KeyOf(s, PhoneKey::Next)->touch();
    settled(s);
    ASSERT_EQ(s.path().currentPanel(), 1);
    CaptionKey* ok = KeyOf(s, CarKey::Confirm);
    EXPECT_FALSE(ok->isKeyEnabled());
    Send(ok, QEvent::MouseButtonPress);
    EXPECT_TRUE(ok->isRaised());
    Send(ok, QEvent::MouseButtonRelease);
    EXPECT_EQ(s.path().currentPanel(), 1);
    EXPECT_TRUE(logText().contains(QStringLiteral("→CMD3_Click Disabled ... Quit")));
}

TEST_F(ReceptionTest, DualMonitorPlacesTheWindowAtTheOtherScreensCorner)
{
    gs().useDualMonitor = true;
    gs().LeftO = 1280;
    gs().TopO = 16;
    frmMain& s = open();
    EXPECT_EQ(s.pos(), QPoint(1280, 16));
    EXPECT_TRUE(s.windowFlags().testFlag(Qt::FramelessWindowHint));
}
