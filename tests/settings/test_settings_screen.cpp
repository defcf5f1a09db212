// The settings screen: what it shows at opening, what it writes while open and on closing, and
// the call-display restart, and its text boxes typed on the on-screen keyboard.
#include "presentation/caption_key.h"
#include "presentation/dialog_handlers.h"
#include "presentation/onscreen_keyboard.h"
#include "settings/settings_screen_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSlider>

using namespace sumbrel;
using namespace sumbrel::testing;

TEST_F(SettingsScreenTest, FreshFolderGetsTheDefaultsWrittenAndShown)
{
    reception.setGeometry(40, 30, 1024, 768);
    reception.show();
    SettingsScreen& s = open(&reception);
    EXPECT_EQ(
        read(QStringLiteral("Mirdal.cfg")),
        QStringLiteral("[Set]\nalramsound=100\nvisiblesb1=0\nvisiblesb2=1\ncalltime=5초\ncalltext=호출되었습니다.\n"));
    EXPECT_EQ(VolumeSlider(s)->value(), 100);
    EXPECT_EQ(CalledCustomerBox(s)->currentText(), QStringLiteral("5팀"));
    EXPECT_EQ(PreparingCustomerBox(s)->currentText(), QStringLiteral("5팀"));
    EXPECT_EQ(PreparingCustomerBox(s)->currentIndex(), 1);
    EXPECT_EQ(CallTimeBox(s)->currentText(), QStringLiteral("5초"));
    EXPECT_EQ(AlarmKindBox(s)->currentText(), QStringLiteral("0.고객님 입장하세요."));
    EXPECT_EQ(AlarmKindBox(s)->count(), 5);
    EXPECT_EQ(CallTextBox(s)->text(), QStringLiteral("호출되었습니다."));
    EXPECT_TRUE(ImageFileBox(s)->text().isEmpty() && BottomTextBox(s)->text().isEmpty());
    EXPECT_FALSE(DualMonitorBox(s)->isChecked());
    EXPECT_EQ(CallLeftBox(s)->text(), QStringLiteral("1024"));  // the call display beside the order screen
    EXPECT_FALSE(WaitPanel(s)->isVisible());

    EXPECT_EQ(s.size(), QSize(1024, 768));
    EXPECT_EQ(s.pos(), reception.pos());
    EXPECT_TRUE(s.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(s.isModal());

    // Every element is named by its label, found by its name.
    const struct {
        QWidget* element;
        const char16_t* objectName;
        const char16_t* accessibleName;
    } elements[] = {
        {CalledCustomerBox(s), u"calledCustomerBox", u"호출고객"},
        {CallTimeBox(s), u"callTimeBox", u"호출 표시 시간"},
        {PreparingCustomerBox(s), u"preparingCustomerBox", u"준비중고객"},
        {AlarmKindBox(s), u"alarmKindBox", u"알림 종류"},
        {VolumeSlider(s), u"volumeSlider", u"알림 볼륨설정"},
        {CallTextBox(s), u"callTextBox", u"호출멘트"},
        {BottomTextBox(s), u"bottomTextBox", u"하단멘트"},
        {ImageFileBox(s), u"imageFileBox", u"이미지"},
        {ChooseImageKey(s), u"chooseImageKey", u"..."},
        {DualMonitorBox(s), u"dualMonitorBox", u"듀얼모니터 사용"},
        {OrderLeftBox(s), u"LeftO", u"접수부 좌표 (좌상) X"},
        {OrderTopBox(s), u"TopO", u"접수부 좌표 (좌상) Y"},
        {CallLeftBox(s), u"LeftC", u"호출부 좌표 (좌상) X"},
        {CallTopBox(s), u"TopC", u"호출부 좌표 (좌상) Y"},
        {PictureDownloadKey(s), u"downloadPicturesKey", u"서버 이미지 불러오기"},
        {TerminateKey(s), u"terminateKey", u"저장하고 닫기"},
    };
    for (const auto& e : elements) {
        const QString name = QString::fromUtf16(e.objectName);
        const QString label = QString::fromUtf16(e.accessibleName);
        EXPECT_EQ(s.findChild<QWidget*>(name), e.element) << name.toStdString();
        EXPECT_EQ(e.element->accessibleName(), label) << name.toStdString();
        // Where the platform names a list by its value, its label is its labelling relation.
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e.element);
        ASSERT_NE(a, nullptr);
        QStringList labels{a->text(QAccessible::Name)};
        for (const auto& [other, relation] : a->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        EXPECT_TRUE(labels.contains(label)) << name.toStdString() << ": " << labels.join(u'|').toStdString();
    }
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(PictureDownloadKey(s));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->role(), QAccessible::Button);
}

TEST_F(SettingsScreenTest, AlarmKindOutOfTheListIsNoSelectionAndClosesAsMinusOne)
{
    write(QStringLiteral("Mirdal.cfg"), "[Set]\nalramkind=-3\nvisiblesb1=x\nvisiblesb2=3\nalramsound=250\n");
    SettingsScreen& first = open();
    EXPECT_EQ(AlarmKindBox(first)->currentIndex(), 0);
    EXPECT_EQ(CalledCustomerBox(first)->currentIndex(), -1);
    EXPECT_EQ(PreparingCustomerBox(first)->currentIndex(), -1);
    EXPECT_EQ(VolumeSlider(first)->value(), 100) << "a volume out of range leaves the slider";
    first.close();
    EXPECT_EQ(stored(QStringLiteral("alramkind")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("visiblesb1")), QStringLiteral("-1"));
    EXPECT_EQ(stored(QStringLiteral("visiblesb2")), QStringLiteral("-1"));
    EXPECT_EQ(stored(QStringLiteral("alramsound")), QStringLiteral("100"));

    WriteIni(QStringLiteral("Set"), QStringLiteral("alramkind"), QStringLiteral("9"), configFilePath());
    SettingsScreen& second = open();
    EXPECT_EQ(AlarmKindBox(second)->currentIndex(), -1);
    TerminateKey(second)->touch();
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(stored(QStringLiteral("alramkind")), QStringLiteral("-1"));
}

TEST_F(SettingsScreenTest, WritesWhileOpenAndTheWholeTextsOnClosing)
{
    write(QStringLiteral("Mirdal.cfg"), "[Set]\ncalltime=8초\n");
    SettingsScreen& s = open();
    EXPECT_EQ(CallTimeBox(s)->currentText(), QStringLiteral("8초")) << "a stored time outside the list is shown";

    // Each key press stores the text before it; closing stores the whole text.
    QTest::keyClick(BottomTextBox(s), Qt::Key_A);
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QString());
    QTest::keyClick(BottomTextBox(s), Qt::Key_B);
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QStringLiteral("a"));
    QTest::keyClick(CallTextBox(s), Qt::Key_Backspace);
    QTest::keyClick(CallTextBox(s), Qt::Key_Left);  // no character: nothing written
    QTest::keyClick(CallTextBox(s), Qt::Key_Z);
    EXPECT_EQ(stored(QStringLiteral("calltext")), QStringLiteral("호출되었습니다"));
    CallTextBox(s)->setText(QStringLiteral("번호를 확인하세요"));  // no key press: written on closing
    EXPECT_EQ(stored(QStringLiteral("calltext")), QStringLiteral("호출되었습니다"));

    VolumeSlider(s)->setValue(40);
    EXPECT_EQ(stored(QStringLiteral("alramsound")), QStringLiteral("40"));
    QTest::keyClick(VolumeSlider(s), Qt::Key_Right);
    EXPECT_EQ(stored(QStringLiteral("alramsound")), QStringLiteral("41"));

    CalledCustomerBox(s)->setCurrentIndex(2);
    AlarmKindBox(s)->setCurrentIndex(3);
    EXPECT_EQ(stored(QStringLiteral("visiblesb1")), QStringLiteral("0")) << "lists are written on closing";

    // A coordinate box holding letters is stored as 0.
    OrderLeftBox(s)->setText(QStringLiteral("왼쪽"));
    OrderTopBox(s)->setText(QStringLiteral("1,024"));
    CallLeftBox(s)->setText(QStringLiteral("abc"));
    CallTopBox(s)->setText(QStringLiteral("12px"));
    s.close();
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QStringLiteral("ab"));
    EXPECT_EQ(stored(QStringLiteral("calltext")), QStringLiteral("번호를 확인하세요"));
    EXPECT_EQ(stored(QStringLiteral("alramsound")), QStringLiteral("41"));
    EXPECT_EQ(stored(QStringLiteral("visiblesb1")), QStringLiteral("2"));
    EXPECT_EQ(stored(QStringLiteral("alramkind")), QStringLiteral("3"));
    EXPECT_EQ(stored(QStringLiteral("calltime")), QStringLiteral("8초"));
    EXPECT_EQ(stored(QStringLiteral("LeftO")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("TopO")), QStringLiteral("1024"));
    EXPECT_EQ(stored(QStringLiteral("LeftC")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("TopC")), QStringLiteral("12"));
}

TEST_F(SettingsScreenTest, ImageFileFromTheDialogAndEmptyWhenCancelled)
{
    write(QStringLiteral("Mirdal.cfg"), "[Set]\nimagefile=/old/call.png\n");
    SettingsScreen& s = open();
    EXPECT_EQ(ImageFileBox(s)->text(), QStringLiteral("/old/call.png"));
    dialogs->nextFiles << QStringLiteral("/pictures/호출.jpg");
    ChooseImageKey(s)->touch();
    EXPECT_EQ(ImageFileBox(s)->text(), QStringLiteral("/pictures/호출.jpg"));
    EXPECT_EQ(stored(QStringLiteral("imagefile")), QStringLiteral("/pictures/호출.jpg"));
    ChooseImageKey(s)->touch();  // cancelled
    EXPECT_EQ(dialogs->fileDialogTitles.size(), 2);
    EXPECT_TRUE(ImageFileBox(s)->text().isEmpty());
    EXPECT_EQ(stored(QStringLiteral("imagefile")), QString());
    EXPECT_TRUE(read(QStringLiteral("Mirdal.cfg")).contains(QStringLiteral("\nimagefile=\n")));

    // The platform dialog gets the filter in its own form.
    EXPECT_EQ(FileDialogFilter(QString::fromUtf16(settings::kImageFilter)),
              QStringLiteral("이미지파일 (*.bmp *.png *.jpg)"));
    EXPECT_EQ(FileDialogFilter(QStringLiteral("그림|*.png|모든 파일|*.*")),
              QStringLiteral("그림 (*.png);;모든 파일 (*.*)"));
    EXPECT_EQ(FileDialogFilter(QStringLiteral("Images (*.png)")), QStringLiteral("Images (*.png)"));
}

TEST_F(SettingsScreenTest, OpensWithoutHoldingItsCallerAndReportsItsClosingBySignal)
{
    // As the reception screen opens it, with Qt's file dialog behind the seam.
    WidgetDialogHandler widgets;
    setDialogHandler(&widgets);
    write(QStringLiteral("call.png"), "x");
    reception.show();
    auto* s = new SettingsScreen(session, catalogue, &reception);
    s->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<SettingsScreen> alive(s);
    int closed = 0;
    QObject::connect(s, &SettingsScreen::closed, [&] { ++closed; });
    s->open();
    EXPECT_TRUE(s->isVisible());
    EXPECT_TRUE(s->isModal());

    // The file dialog opens and the key returns; the choice arrives when the dialog is accepted.
    auto shownDialog = [] {
        for (QWidget* w : QApplication::allWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible())
                return d;
        return static_cast<QFileDialog*>(nullptr);
    };
    ChooseImageKey(*s)->touch();
    QFileDialog* dialog = shownDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(ImageFileBox(*s)->text().isEmpty());
    dialog->setDirectory(folder.path());
    dialog->selectFile(path(QStringLiteral("call.png")));
    static_cast<QDialog*>(dialog)->accept();  // as its open key does
    EXPECT_EQ(ImageFileBox(*s)->text(), path(QStringLiteral("call.png")));
    EXPECT_EQ(stored(QStringLiteral("imagefile")), path(QStringLiteral("call.png")));
    // Cancelled: empty, as the recording handler's tests show.
    ChooseImageKey(*s)->touch();
    dialog = shownDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
    EXPECT_TRUE(ImageFileBox(*s)->text().isEmpty());

    EXPECT_EQ(closed, 0);
    TerminateKey(*s)->touch();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 1000)) << "gone once closed";
    setDialogHandler(dialogs.get());
}

TEST_F(SettingsScreenTest, UntickingDualMonitorWritesZeroAndLeavesTheCallDisplay)
{
    write(QStringLiteral("Mirdal.cfg"), "[Set]\nUseDualMonitor=1\nLeftO=1920\n");
    QProcess running;
    long pid = 0;
    ASSERT_NO_FATAL_FAILURE(startCallDisplay(running, pid));

    SettingsScreen& s = open();
    EXPECT_TRUE(DualMonitorBox(s)->isChecked());
    EXPECT_EQ(OrderLeftBox(s)->text(), QStringLiteral("1920"));
    DualMonitorBox(s)->click();
    s.close();
    EXPECT_EQ(stored(QStringLiteral("UseDualMonitor")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("LeftO")), QStringLiteral("1920"));
    // A restart ends the running one before the screen has closed.
    EXPECT_EQ(FindProcess(QStringLiteral("Dorvane.exe")), pid);
    EXPECT_FALSE(logText().contains(QStringLiteral("Dorvane")));
}

TEST_F(SettingsScreenTest, TickingDualMonitorRestartsTheCallDisplay)
{
    QProcess running;
    long oldPid = 0;
    ASSERT_NO_FATAL_FAILURE(startCallDisplay(running, oldPid));

    SettingsScreen& s = open();
    EXPECT_FALSE(DualMonitorBox(s)->isChecked());
    DualMonitorBox(s)->click();
    TerminateKey(s)->touch();
    EXPECT_EQ(stored(QStringLiteral("UseDualMonitor")), QStringLiteral("1"));
    EXPECT_TRUE(running.waitForFinished(5000)) << "the running call display is ended";
    EXPECT_TRUE(
        logEntries().contains(QStringLiteral("Prepare ... kill Dorvane.exe (PID ") + QString::number(oldPid) + u')'))
        << logText().toStdString();
    long newPid = 0;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        newPid = FindProcess(QStringLiteral("Dorvane.exe"));
        return newPid > 0 && newPid != oldPid;
    })) << "and started again";
}

TEST_F(SettingsScreenTest, WhatCouldNotBeStoredIsToldOnTheScreenWhichStaysOpenOnce)
{
    const struct {
        const char* name;
        bool fileIsAFolder;  // nothing can replace it
        const char* typed;  // into Text2 (bottomtext)
        const char16_t* told;
    } cases[] = {
        {"a file that cannot be replaced", true, "하단", u"설정 파일을 저장하지 못했습니다: "},
        {"a line break in a text", false, "하단\n문구", u"줄바꿈이 든 값은 저장하지 않았습니다: bottomtext"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(configFilePath());
        QDir(configFilePath()).removeRecursively();
        if (c.fileIsAFolder) {
            ASSERT_TRUE(QDir().mkpath(configFilePath()));
        }
        SettingsScreen& s = open();
        QLabel* told = SaveResult(s);
        auto* hint = s.findChild<QLabel*>(QStringLiteral("hint"));
        ASSERT_TRUE(told && hint);
        // The defaults of a fresh folder are written at opening: what fails shows at once.
        EXPECT_EQ(told->isVisible(), c.fileIsAFolder);
        BottomTextBox(s)->setText(QString::fromUtf8(c.typed));
        TerminateKey(s)->touch();
        EXPECT_TRUE(s.isVisible());
        EXPECT_TRUE(told->isVisible());
        EXPECT_FALSE(hint->isVisible());
        EXPECT_TRUE(told->text().startsWith(QString::fromUtf16(c.told))) << told->text().toStdString();
        EXPECT_TRUE(dialogs->messages.isEmpty());  // told on the screen, not in a box
        EXPECT_FALSE(logEntries().filter(QStringLiteral("WriteIni: ")).isEmpty());
        if (!c.fileIsAFolder) {
            // The other keys are stored; the text with the break keeps its old value.
            EXPECT_EQ(stored(QStringLiteral("alramsound")), QStringLiteral("100"));
            EXPECT_EQ(stored(QStringLiteral("UseDualMonitor")), QStringLiteral("0"));
            EXPECT_EQ(stored(QStringLiteral("bottomtext")), QString());
        }
        // A second closing goes.
        TerminateKey(s)->touch();
        EXPECT_FALSE(s.isVisible());
        screen.reset();
    }
}

TEST_F(SettingsScreenTest, TheOnScreenKeyboardTypesAsKeysDoAndStaysBesideTheBox)
{
    SettingsScreen& s = open();
    s.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&s));
    auto* keyboard = s.findChild<OnScreenKeyboard*>();
    ASSERT_TRUE(keyboard);
    auto touch = [&](const char* caption) {
        for (CaptionKey* key : keyboard->findChildren<CaptionKey*>())
            if (key->isVisible() && key->caption() == QString::fromUtf8(caption))
                return QTest::mouseClick(key, Qt::LeftButton);
        ADD_FAILURE() << "no key " << caption;
    };
    auto place = [&](QWidget* box) { return QRect(box->mapTo(&s, QPoint(0, 0)), box->size()); };

    // Its keys are key presses to the screen: each stores the text before it, as a keyboard's do.
    QTest::mouseClick(BottomTextBox(s), Qt::LeftButton);
    ASSERT_TRUE(keyboard->isOpen());
    EXPECT_FALSE(keyboard->geometry().intersects(place(BottomTextBox(s))));
    touch("a");
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QString());
    touch("b");
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QStringLiteral("a"));

    // The PIN box lies in the screen's foot: the keyboard goes over the top; the box takes digits only.
    QTest::mouseClick(OperatorPinBox(s), Qt::LeftButton);
    EXPECT_EQ(keyboard->target(), OperatorPinBox(s));
    EXPECT_EQ(keyboard->geometry().top(), 0);
    EXPECT_FALSE(keyboard->geometry().intersects(place(OperatorPinBox(s))));
    for (const char* caption : {"1", "2", "q", "3", "4"})
        touch(caption);
    EXPECT_EQ(OperatorPinBox(s)->text(), QStringLiteral("1234"));

    // Escape closes the keyboard, not the screen; another element taking the focus closes it too.
    QTest::keyClick(OperatorPinBox(s), Qt::Key_Escape);
    EXPECT_FALSE(keyboard->isOpen());
    EXPECT_TRUE(s.isVisible());
    QTest::mouseClick(OrderLeftBox(s), Qt::LeftButton);
    ASSERT_TRUE(keyboard->isOpen());
    CalledCustomerBox(s)->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(keyboard->isOpen());
    s.close();
    EXPECT_EQ(stored(QStringLiteral("bottomtext")), QStringLiteral("ab"));
}
