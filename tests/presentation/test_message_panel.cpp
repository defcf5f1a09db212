// The terminal's own message box: its look, keys and reader names on the panel itself, and the real
// handler blocking over the window on top until its key is pressed.
#include "presentation/caption_key.h"
#include "presentation/dialog_handlers.h"
#include "presentation/look.h"
#include "presentation/message_panel.h"
#include "support/barrier_free.h"
#include "support/find.h"
#include "support/sumbrel_test.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace sumbrel;
using sumbrel::testing::FindByAccessibleName;

namespace {

class MessageBoxes : public sumbrel::testing::SumbrelTest {
protected:
    void SetUp() override
    {
        SumbrelTest::SetUp();
        window.setGeometry(0, 0, 1024, 768);
        QPalette white = window.palette();
        white.setColor(QPalette::Window, Qt::white);
        window.setPalette(white);
        window.setAutoFillBackground(true);
        window.show();
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        SetLook(Look{});
        SumbrelTest::TearDown();
    }
    QWidget window;
};

TEST_F(MessageBoxes, PanelShowsPlainTextInTheLookWithATallKeyThatTheKeyboardPresses)
{
    const QString text = QStringLiteral("<b>최소</b> 선택 갯수를 확인하세요!");
    MessagePanel panel(&window, ProgramTitle(), text, MessageIcon::Information);
    panel.show();
    QCoreApplication::processEvents();

    EXPECT_EQ(panel.geometry(), window.geometry());
    EXPECT_TRUE(panel.isModal());
    QLabel* label = FindByAccessibleName<QLabel>(&panel, text);
    CaptionKey* key = FindByAccessibleName<CaptionKey>(&panel, QStringLiteral("확인"));
    ASSERT_TRUE(label && key);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), text);
    EXPECT_TRUE(panel.box().contains(label->geometry()) && panel.box().contains(key->geometry()));
    EXPECT_GE(key->height(), 60);
    EXPECT_EQ(panel.focusWidget(), key);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&panel);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::AlertMessage);
    EXPECT_EQ(reader->text(QAccessible::Name), text);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(key)->role(), QAccessible::Button);
    // Outside the box the white window shows through darkened.
    EXPECT_EQ(panel.grab().toImage().pixelColor(4, 4), Colours().dimming);

    QTest::keyClick(key, Qt::Key_Return);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.result(), QDialog::Accepted);

    // A look set later reaches the next box: twice the scale, twice the type and the key.
    SetLook({Palette{}, 2.0});
    const std::pair<Qt::Key, Qt::KeyboardModifiers> closers[] = {
        {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, Qt::NoModifier}, {Qt::Key_Space, Qt::NoModifier}};
    for (const auto& [closer, modifiers] : closers) {
        SCOPED_TRACE(closer);
        MessagePanel large(&window, ProgramTitle(), text, MessageIcon::Warning);
        large.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(large.textLabel()->font().pixelSize(), 2 * label->font().pixelSize());
        EXPECT_EQ(large.key()->height(), 2 * key->height());
        EXPECT_TRUE(large.rect().contains(large.box()));
        QTest::keyClick(large.key(), closer, modifiers);
        EXPECT_FALSE(large.isVisible());
    }
}

TEST_F(MessageBoxes, InTheLowLayoutTheBoxSitsLowAndItsTextIsSpoken)
{
    sumbrel::testing::SpeechRecorder voice;
    for (const bool large : {false, true}) {
        SCOPED_TRACE(large);
        sumbrel::testing::ModesScope modes({true, true, large, false});
        MessagePanel panel(&window, ProgramTitle(), QStringLiteral("4자리를 입력하세요!"), MessageIcon::Warning);
        panel.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(sumbrel::testing::KeysAboveLowPart(&panel), QStringList());
        EXPECT_EQ(sumbrel::testing::ClippedTexts(&panel), QStringList());
        // At the foot of the window, not over its middle.
        EXPECT_GT(panel.box().center().y(), window.height() / 2);
        EXPECT_TRUE(voice.heard(QStringLiteral("4자리를 입력하세요!")));
        voice.take();
        panel.key()->touch();
    }
}

TEST_F(MessageBoxes, RealHandlerShowsOverTheModalWindowWithoutWaitingAndTellsWhenItsKeyIsPressed)
{
    // An item dialog's place: a modal window over the screen, off its centre.
    QDialog dialog(&window, Qt::Dialog | Qt::FramelessWindowHint);
    dialog.setModal(true);
    dialog.setGeometry(300, 200, 600, 400);
    dialog.show();
    QCoreApplication::processEvents();

    int closed = 0;
    WidgetDialogHandler().messageThen(ProgramTitle(), QStringLiteral("휴대폰 번호가 아닙니다!"), MessageIcon::Warning,
                                      [&] { ++closed; });
    // Back at once, with the box up.
    auto* panel = qobject_cast<MessagePanel*>(QApplication::activeModalWidget());
    ASSERT_TRUE(panel);
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(panel->geometry(), window.geometry());
    EXPECT_LE((panel->mapToGlobal(panel->box().center()) - dialog.geometry().center()).manhattanLength(), 2);
    CaptionKey* key = FindByAccessibleName<CaptionKey>(panel, QStringLiteral("확인"));
    QAccessibleInterface* reader = key ? QAccessible::queryAccessibleInterface(key) : nullptr;
    ASSERT_TRUE(reader && reader->actionInterface()) << "no key a reader can press";
    QPointer<MessagePanel> gone = panel;
    reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(closed, 1);
    QTest::qWait(0);
    EXPECT_TRUE(gone.isNull()) << "the box is deleted once closed";
}

}  // namespace
