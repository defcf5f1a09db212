// The kiosk session: the full-screen stage behind the screens, and the pointer that only the
// login and settings screens keep.
#include "kiosk/ui/kiosk_session.h"
#include "presentation/widgets.h"
#include "support/sumbrel_test.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::kiosk;
using sumbrel::testing::SumbrelTest;

namespace {

bool PointerBlank()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::BlankCursor;
}

}  // namespace

class KioskSessionTest : public SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        session = std::make_unique<KioskSession>();
        session->lastScreenClosed = [this] { ++lastClosed; };
    }
    void TearDown() override
    {
        session.reset();
        SumbrelTest::TearDown();
    }
    // A screen of the terminal's, by the name it carries.
    QWidget* screen(const QString& name, QWidget* parent = nullptr)
    {
        auto* w = new QWidget(parent, parent ? Qt::Window : Qt::WindowFlags());
        w->setObjectName(name);
        w->resize(1024, 768);
        return w;
    }
    void settle() { QCoreApplication::processEvents(); }

    std::unique_ptr<KioskSession> session;
    int lastClosed = 0;
};

TEST_F(KioskSessionTest, TheStageCoversTheScreenBehindFramelessScreens)
{
    QWidget* stage = session->stage();
    ASSERT_TRUE(stage->isVisible());
    EXPECT_EQ(stage->geometry(), QGuiApplication::primaryScreen()->geometry());
    EXPECT_TRUE(stage->windowFlags() & Qt::FramelessWindowHint);

    QWidget* login = screen(QStringLiteral("loginScreen"));
    SetTraceName(login, QStringLiteral("frmLogin"));
    session->adopt(login);
    login->show();
    EXPECT_TRUE(login->isWindow());
    EXPECT_TRUE(login->windowFlags() & Qt::FramelessWindowHint);
    ASSERT_TRUE(login->windowHandle());
    // Transient for the stage: a kiosk compositor centres it and keeps it above the stage.
    EXPECT_EQ(login->windowHandle()->transientParent(), stage->windowHandle());
    settle();
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_TRUE(
        logText().contains(QStringLiteral("Kiosk: frmLogin shown, 1024x768 px on a screen of %1x%2 px (scale %3)")
                               .arg(screen.width())
                               .arg(screen.height())
                               .arg(FitScale(screen))))
        << logText().toStdString();
}

TEST_F(KioskSessionTest, WindowsOfNoScreenGoOverTheStageToo)
{
    // A message box as the dialog seam's real handler makes it: without a parent.
    QDialog box;
    box.resize(300, 120);
    box.show();
    settle();
    EXPECT_EQ(box.parentWidget(), session->stage());
    EXPECT_TRUE(box.isWindow());
    ASSERT_TRUE(box.windowHandle());
    EXPECT_EQ(box.windowHandle()->transientParent(), session->stage()->windowHandle());
    box.hide();
}

TEST_F(KioskSessionTest, PointerOnlyOverTheLoginAndSettingsScreens)
{
    settle();
    EXPECT_TRUE(PointerBlank()) << "the bare stage is the customer's";

    QWidget* login = screen(QStringLiteral("loginScreen"));
    QWidget* reception = screen(QStringLiteral("receptionScreen"));
    session->adopt(login);
    session->adopt(reception);
    QWidget* menu = screen(QStringLiteral("frmMenuSelectMain"), reception);
    QWidget* settings = screen(QStringLiteral("settingsScreen"), reception);
    const struct {
        const char* step;
        QWidget* widget;
        bool show;
        bool blank;
    } steps[] = {
        {"login shown", login, true, false},        {"reception opened by the login", reception, true, false},
        {"login closed", login, false, true},       {"menu page", menu, true, true},
        {"menu page closed", menu, false, true},    {"settings screen", settings, true, false},
        {"settings closed", settings, false, true},
    };
    for (const auto& s : steps) {
        s.widget->setVisible(s.show);
        settle();
        EXPECT_EQ(PointerBlank(), s.blank) << s.step;
    }
    EXPECT_EQ(lastClosed, 0);
}

TEST_F(KioskSessionTest, TheProgramEndsWhenItsLastScreenCloses)
{
    QWidget* login = screen(QStringLiteral("loginScreen"));
    session->adopt(login);
    login->show();
    settle();
    EXPECT_EQ(lastClosed, 0);
    login->close();
    settle();
    EXPECT_EQ(lastClosed, 1) << "the stage alone must not keep the program running";
}

TEST_F(KioskSessionTest, EndingTheSessionGivesThePointerBack)
{
    settle();
    ASSERT_TRUE(PointerBlank());
    session.reset();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(KioskSessionTest, RoundedWindowsAreSeeThroughOutsideTheirMaskWhereNothingShapesThem)
{
    session->setClipMasks(true);
    // A screen that paints its whole rectangle, as the login screen does.
    class Filled : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(255, 213, 0)); }
    };
    QWidget* rounded = new Filled;
    rounded->setObjectName(QStringLiteral("loginScreen"));
    rounded->resize(200, 200);
    rounded->setMask(QRegion(QRect(20, 20, 160, 160), QRegion::Ellipse));
    QWidget* square = screen(QStringLiteral("receptionScreen"));
    session->adopt(rounded);
    session->adopt(square);
    rounded->show();
    square->show();
    settle();
    EXPECT_TRUE(rounded->testAttribute(Qt::WA_TranslucentBackground));
    ASSERT_NE(rounded->graphicsEffect(), nullptr);
    EXPECT_EQ(square->graphicsEffect(), nullptr) << "a window without a mask is left as it is";
    const QImage drawn = rounded->grab().toImage();
    EXPECT_EQ(qAlpha(drawn.pixel(2, 2)), 0) << "outside the mask";
    EXPECT_EQ(drawn.pixel(100, 100), qRgb(255, 213, 0)) << "inside the mask";
}
