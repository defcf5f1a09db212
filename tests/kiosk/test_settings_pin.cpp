// The settings screen's operator PIN field, and its file dialog that cannot change files.
#include "presentation/caption_key.h"
#include "presentation/dialog_handlers.h"
#include "settings/operator_pin.h"
#include "settings/settings_screen_fixture.h"
#include "support/screen_widgets.h"

#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace sumbrel;
using namespace sumbrel::testing;

using SettingsPinTest = SettingsScreenTest;

TEST_F(SettingsPinTest, SavesThePinAsASaltedHashOrRefusesIt)
{
    SettingsScreen& s = open();
    EXPECT_EQ(PinStateLabel(s)->text(), QStringLiteral("사용 안 함"));
    EXPECT_EQ(OperatorPinBox(s)->echoMode(), QLineEdit::Password);
    const struct {
        const char* typed;
        const char16_t* field;  // what the field takes of the typing
        bool saved;
        const char16_t* state;
    } cases[] = {
        {"12", u"12", false, u"사용 안 함"},
        {"1a2b3c4d", u"1234", true, u"사용 중"},
        {"987654321", u"98765432", true, u"사용 중"},
    };
    QString before = pin::ReadStoredPin();
    for (const auto& c : cases) {
        QTest::keyClicks(OperatorPinBox(s), QString::fromLatin1(c.typed));
        EXPECT_EQ(OperatorPinBox(s)->text(), QString::fromUtf16(c.field)) << c.typed;
        const qsizetype shown = dialogs->messages.size();
        SavePinKey(s)->touch();
        EXPECT_TRUE(OperatorPinBox(s)->text().isEmpty()) << "the digits never stay on the screen";
        ASSERT_EQ(dialogs->messages.size(), shown + 1);
        EXPECT_EQ(dialogs->messages.last().icon, c.saved ? MessageIcon::Information : MessageIcon::Warning);
        const QString after = pin::ReadStoredPin();
        EXPECT_EQ(pin::Matches(after, QString::fromUtf16(c.field)), c.saved) << c.typed;
        if (!c.saved) {
            EXPECT_EQ(after, before) << "a refused PIN leaves the stored one";
        }
        EXPECT_TRUE(after.isEmpty() || pin::IsWellFormed(after)) << "never the PIN in clear: " << after.toStdString();
        EXPECT_EQ(PinStateLabel(s)->text(), QString::fromUtf16(c.state));
        before = after;
    }
    ClearPinKey(s)->touch();
    EXPECT_FALSE(pin::IsPinSet(pin::ReadStoredPin()));
    EXPECT_EQ(PinStateLabel(s)->text(), QStringLiteral("사용 안 함"));
    EXPECT_EQ(dialogs->texts().last(), QStringLiteral("운영자 PIN을 해제했습니다."));
    const QString log = logText();
    EXPECT_TRUE(log.contains(QStringLiteral("Operator PIN set in the settings screen")));
    EXPECT_TRUE(log.contains(QStringLiteral("Operator PIN removed in the settings screen")));
    EXPECT_FALSE(log.contains(QStringLiteral("1234")) || log.contains(QStringLiteral("98765432")));
}

TEST_F(SettingsPinTest, ThePinRowFitsOnTheScreen)
{
    SettingsScreen& s = open();
    for (QWidget* w :
         std::initializer_list<QWidget*>{OperatorPinBox(s), SavePinKey(s), ClearPinKey(s), PinStateLabel(s)}) {
        const QRect at(w->mapTo(&s, QPoint(0, 0)), w->size());
        EXPECT_TRUE(s.rect().contains(at)) << w->objectName().toStdString();
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_GE(OperatorPinBox(s)->width(), 100);
    EXPECT_FALSE(QRect(SavePinKey(s)->mapTo(&s, QPoint(0, 0)), SavePinKey(s)->size())
                     .intersects(QRect(ClearPinKey(s)->mapTo(&s, QPoint(0, 0)), ClearPinKey(s)->size())));
}

TEST_F(SettingsPinTest, TheRealFileDialogCannotRenameDeleteOrCreate)
{
    write(QStringLiteral("call.png"), "x");
    const std::unique_ptr<QFileDialog> dialog(MakeOpenFileDialog(nullptr, QStringLiteral("이미지"), folder.path(),
                                                                 QString::fromUtf16(settings::kImageFilter)));
    EXPECT_TRUE(dialog->testOption(QFileDialog::ReadOnly));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog)) << "the same read-only dialog everywhere";
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("이미지파일 (*.bmp *.png *.jpg)")});
    dialog->show();
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(model->isReadOnly());
    // The context menu's rename and delete, and the new-folder key (the menu's new folder follows it).
    for (const char* name : {"qt_rename_action", "qt_delete_action"}) {
        auto* action = dialog->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        EXPECT_FALSE(action->isEnabled()) << name;
    }
    auto* newFolder = dialog->findChild<QWidget*>(QStringLiteral("newFolderButton"));
    ASSERT_NE(newFolder, nullptr);
    EXPECT_FALSE(newFolder->isEnabled());
    const QModelIndex file = model->index(path(QStringLiteral("call.png")));
    ASSERT_TRUE(file.isValid());
    EXPECT_FALSE(model->flags(file) & Qt::ItemIsEditable) << "no renaming in place either";
    dialog->reject();
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("call.png"))));
}
