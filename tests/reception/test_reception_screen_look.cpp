// What the customer sees: every text fits its place, in a font that has the Korean glyphs.
// SUMBREL_SCREENSHOT_DIR=<folder> also saves the screens as PNG files for a look by eye.
#include "access/language.h"
#include "access/spoken.h"
#include "presentation/look.h"
#include "reception/reception_fixture.h"
#include "support/barrier_free.h"

#include <QFontMetrics>
#include <QRawFont>
#include <algorithm>
#include <cstdlib>

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
    ReceptionScreen& s = open({{QStringLiteral("count"), QStringLiteral("12")},
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
    ReceptionScreen& s = open();
    for (QWidget* w :
         {static_cast<QWidget*>(KeyOf(s, PanelKey::Takeout)), static_cast<QWidget*>(PhonePlaceholder(s)),
          static_cast<QWidget*>(CompletionTitle(s)), static_cast<QWidget*>(KeyOf(s, PhoneKey::MenuSelect))}) {
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
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
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
    write(QStringLiteral("Mirdal.cfg"), "[Set]\nUseDualMonitor=1\nLeftO=1280\nTopO=16\n");
    ReceptionScreen& s = open();
    EXPECT_EQ(s.pos(), QPoint(1280, 16));
    EXPECT_TRUE(s.windowFlags().testFlag(Qt::FramelessWindowHint));
}

namespace {
// Whether the key's caption left ink on its face: a type without the script's characters draws
// nothing for them.
bool InkOnFace(CaptionKey* key)
{
    const QImage face = key->grab().toImage();
    const QColor ground = key->background();
    for (int y = 6; y < face.height() - 6; ++y) {
        for (int x = 6; x < face.width() - 6; ++x) {
            const QColor c = face.pixelColor(x, y);
            if (std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green())
                    + std::abs(c.blue() - ground.blue())
                > 96)
                return true;
        }
    }
    return false;
}

// The captions of the start panel's language keys in view, left to right.
QStringList LanguageKeys(ReceptionScreen& s)
{
    QList<CaptionKey*> keys;
    for (CaptionKey* key : s.findChildren<CaptionKey*>()) {
        if (key->objectName().startsWith(QStringLiteral("languageKey_")) && key->isVisibleTo(&s))
            keys << key;
    }
    std::sort(keys.begin(), keys.end(), [](CaptionKey* a, CaptionKey* b) { return a->x() < b->x(); });
    QStringList captions;
    for (CaptionKey* key : keys) {
        captions << key->caption();
        // Each name in a type that has its characters, whatever the visit's language.
        EXPECT_TRUE(InkOnFace(key)) << key->caption().toStdString();
    }
    return captions;
}
QStringList NamesBut(access::Language language)
{
    QStringList names;
    for (const access::LanguageInfo& info : access::kLanguages) {
        if (info.language != language)
            names << QString::fromUtf16(info.name);
    }
    return names;
}
}  // namespace

// A language key shows the screen in that language on the start panel, and the intro again when the
// voice is on; the barrier-free choices and the language are kept across each other; the visit's end
// returns to Korean without the choices.
TEST_F(ReceptionTest, LanguageKeysCombineWithTheChoicesUntilTheVisitEnds)
{
    SpeechRecorder voice;
    ReceptionScreen& s = open(Settings(QStringLiteral("N"), QStringLiteral("N")));
    s.show();
    EXPECT_EQ(LanguageKeys(s), NamesBut(access::Language::Korean));
    const QString koreanTakeout = KeyOf(s, PanelKey::Takeout)->caption();

    struct Step {
        const char* what;
        access::Language language;  // the key touched; Korean: the choices of the mode panel instead
        access::Modes expected;
    };
    const access::Modes voiceAndContrast{true, false, false, true};
    const Step steps[] = {
        {"English first", access::Language::English, {}},
        {"then voice and contrast", access::Language::Korean, voiceAndContrast},
        {"then Japanese", access::Language::Japanese, voiceAndContrast},
        {"then Chinese", access::Language::Chinese, voiceAndContrast},
    };
    access::Language now = access::Language::Korean;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        voice.take();
        if (step.language != access::Language::Korean) {
            Key(s, QStringLiteral("languageKey_") + QLatin1String(access::InfoOf(step.language).code))->touch();
            now = step.language;
        } else {
            Key(s, QStringLiteral("easyOrderKey"))->touch();
            Key(s, QStringLiteral("modeToggle_0"))->touch();
            Key(s, QStringLiteral("modeToggle_3"))->touch();
            Key(s, QStringLiteral("modeStartKey"))->touch();
        }
        EXPECT_EQ(access::VisitLanguage(), now);
        EXPECT_EQ(access::CurrentModes(), step.expected);
        EXPECT_EQ(s.path().currentPanel(), kStartPanel);
        EXPECT_EQ(LanguageKeys(s), NamesBut(now));
        EXPECT_NE(KeyOf(s, PanelKey::Takeout)->caption(), koreanTakeout);
        // With the voice on, the start panel is introduced again in the language now shown.
        if (step.expected.voice) {
            EXPECT_TRUE(voice.heard(access::StartPanelIntro(KeyOf(s, PanelKey::EatIn)->isVisibleTo(&s))))
                << voice.said.join(u'\n').toStdString();
        }
    }

    // "X" on the phone panel ends the visit.
    KeyOf(s, PanelKey::Takeout)->touch();
    ASSERT_EQ(s.path().currentPanel(), kPhonePanel);
    KeyOf(s, PanelKey::ClosePhone)->touch();
    EXPECT_EQ(access::VisitLanguage(), access::Language::Korean);
    EXPECT_FALSE(access::CurrentModes().any());
    EXPECT_EQ(KeyOf(s, PanelKey::Takeout)->caption(), koreanTakeout);
    EXPECT_EQ(LanguageKeys(s), NamesBut(access::Language::Korean));

    // A customer who chose a language and left: the idle limit ends the visit on the start panel too.
    Key(s, QStringLiteral("languageKey_en"))->touch();
    ASSERT_EQ(access::VisitLanguage(), access::Language::English);
    for (int ms = 0; ms <= kEntryIdleMs + 1000 && access::VisitLanguage() != access::Language::Korean; ms += 500)
        clock->advance(500);
    EXPECT_EQ(access::VisitLanguage(), access::Language::Korean);
    EXPECT_EQ(KeyOf(s, PanelKey::Takeout)->caption(), koreanTakeout);
}
