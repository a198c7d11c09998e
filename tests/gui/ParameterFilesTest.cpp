// Parameter files of any name from the set-up window: open and save as through the file dialog, the recent
// files, the file named on the command line, and files that cannot be loaded.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "ProgramWindows.h"
#include "RecentFiles.h"
#include "Settings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;

using FileDialogHand = test::ModalHand<QFileDialog>;

// Types a path into the dialog's name field and presses Enter.
void Choose(QFileDialog* dialog, const QString& path) {
    auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    field->setText(path);
    QTest::keyClick(field, Qt::Key_Return);
}

using test::MenuEntries;

struct ParameterFiles : ::testing::Test {
    QTemporaryDir dir;
    QString settingsFile;
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        // A settings file of this case's own: the recent list starts empty.
        settingsFile = dir.filePath("settings.ini");
        ui::UseSettingsFile(settingsFile);
        form.SetParameterFilePath(dir.filePath("orvane1.dat"));
        form.show();
    }
    void TearDown() override { form.Command5_Click(); }

    QString Path(const QString& name) const { return dir.filePath(name); }
    bool TableUnchangedSince(const SimState& before) const {
        return state.BodyX == before.BodyX && state.BodyY == before.BodyY && state.BodyVx == before.BodyVx &&
               state.BodyVy == before.BodyVy && state.PlanetAngle == before.PlanetAngle &&
               state.BodyMassPct == before.BodyMassPct;
    }
};

TEST_F(ParameterFiles, OfferedOnBothFileButtonsAndAsShortcuts) {
    EXPECT_EQ(form.OpenFile->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(form.SaveFileAs->shortcut(), QKeySequence("Ctrl+Shift+S"));
    const QStringList expected{"Открыть файл параметров…", "Сохранить файл параметров как…", "Недавние файлы",
                               "Сохранить как опыт для урока…"};
    for (const char* name : {"Command3", "Command4"}) {
        auto* button = Find<QPushButton>(&form, name);
        EXPECT_EQ(MenuEntries(button), expected) << name;
        EXPECT_TRUE(button->toolTip().contains("Ctrl+O")) << name;
    }
    // The specified captions stay.
    EXPECT_EQ(Find<QPushButton>(&form, "Command4")->text(), "Сохранить данные в файле №1");
    EXPECT_EQ(Find<QPushButton>(&form, "Command3")->text(), "Загрузить данные из файла №1");
    EXPECT_EQ(form.windowTitle(), "Orvane2.0");
}

TEST_F(ParameterFiles, SaveAsAndOpenThroughTheDialogWithACyrillicPathWithBlanks) {
    const QString folder = Path("Опыты к уроку");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = QDir(folder).filePath("Марс и Земля 1.dat");
    Click(&form, "Command2"); // the planets on 1.1.2000

    {
        QStringList filters;
        FileDialogHand hand([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            Choose(dialog, file);
        });
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_TRUE(test::WaitUntil([&] { return hand.opened; }, 3000));
        EXPECT_EQ(hand.title, "Сохранить файл параметров как");
        EXPECT_EQ(filters, (QStringList{"Параметры Orvane2.0 (*.dat)", "Все файлы (*)"}));
    }
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(RecentParameterFiles(), QStringList{file});
    EXPECT_EQ(LastParameterFolder(), folder);

    form.Form_Load(); // the start-up data again
    ASSERT_EQ(TextOf(&form, "Text3(3)"), "12821");
    {
        QString shownFolder;
        FileDialogHand hand([&](QFileDialog* dialog) {
            shownFolder = dialog->directory().absolutePath();
            Choose(dialog, QFileInfo(file).fileName());
        });
        form.OpenFile->trigger();
        ASSERT_TRUE(hand.opened);
        EXPECT_EQ(hand.title, "Открыть файл параметров");
        EXPECT_EQ(shownFolder, folder); // the folder last used
    }
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "-22434");
    EXPECT_EQ(TextOf(&form, "Text5(3)"), "-28964");
    EXPECT_EQ(TextOf(&form, "Text1(3)"), "98"); // whole degrees, as from the file №1
    EXPECT_EQ(state.BodyY(4), 150410e6);
    EXPECT_EQ(TextOf(&form, "Text2(0)"), "33316600"); // masses stay
}

TEST_F(ParameterFiles, TheFirstDialogOpensInTheDocumentsFolderAndCancelChangesNothing) {
    const SimState before = state;
    QString shownFolder;
    FileDialogHand hand([&](QFileDialog* dialog) {
        shownFolder = dialog->directory().absolutePath();
        dialog->reject();
    });
    form.OpenFile_Click();
    ASSERT_TRUE(hand.opened);
    EXPECT_EQ(shownFolder, QDir(LastParameterFolder()).absolutePath());
    EXPECT_TRUE(TableUnchangedSince(before));
    EXPECT_TRUE(RecentParameterFiles().isEmpty());
}

TEST_F(ParameterFiles, TheRecentListKeepsFiveNewestFirstAndDropsAMissingOne) {
    for (int k = 1; k <= 7; ++k)
        ASSERT_TRUE(form.SaveParameterFileAs(Path(QStringLiteral("файл %1.dat").arg(k))));
    QStringList expected;
    for (int k = 7; k >= 3; --k)
        expected << Path(QStringLiteral("файл %1.dat").arg(k));
    EXPECT_EQ(RecentParameterFiles(), expected);

    // Opening one puts it first, once.
    ASSERT_TRUE(form.OpenParameterFile(Path("файл 4.dat")));
    expected.move(3, 0);
    EXPECT_EQ(RecentParameterFiles(), expected);

    // The menu lists them in that order and opens the one chosen.
    QAction* recentMenu = form.RecentFilesMenu->menuAction();
    ASSERT_NE(recentMenu, nullptr);
    emit form.RecentFilesMenu->aboutToShow();
    QList<QAction*> entries = form.RecentFilesMenu->actions();
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[0]->text(), "&1 " + Path("файл 4.dat"));
    EXPECT_EQ(entries[4]->data().toString(), Path("файл 3.dat"));

    // A file that has gone is said so and leaves the list; the table stays as it was.
    ASSERT_TRUE(QFile::remove(Path("файл 6.dat")));
    Click(&form, "Command2");
    const SimState before = state;
    test::MessageCatcher catcher;
    entries[2]->trigger(); // файл 6
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].contains("больше нет")) << catcher.texts[0].toStdString();
    EXPECT_TRUE(catcher.texts[0].contains(Path("файл 6.dat")));
    EXPECT_TRUE(TableUnchangedSince(before));
    expected.removeAll(Path("файл 6.dat"));
    EXPECT_EQ(RecentParameterFiles(), expected);
    emit form.RecentFilesMenu->aboutToShow();
    EXPECT_EQ(form.RecentFilesMenu->actions().size(), 4);

    // The list lives in the settings file, not beside the program.
    EXPECT_TRUE(QFile(settingsFile).exists());
    EXPECT_FALSE(QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath("settings.ini")));
}

TEST_F(ParameterFiles, AFileThatCannotBeLoadedChangesNothingAndSaysWhy) {
    Click(&form, "Command2");
    const SimState before = state;
    QFile bad(Path("плохой.dat"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("0 0 0 0 0\r\n70 15733 43226 -55414 20169\r\n275 9361 x 35156 3076\r\n");
    bad.close();
    ASSERT_TRUE(QDir().mkpath(Path("папка.dat")));

    test::MessageCatcher catcher;
    EXPECT_FALSE(form.OpenParameterFile(Path("плохой.dat")));
    EXPECT_FALSE(form.OpenParameterFile(Path("папка.dat")));
    EXPECT_FALSE(form.OpenParameterFile(Path("нет такого.dat")));
    EXPECT_FALSE(form.SaveParameterFileAs(Path("папка.dat")));
    ASSERT_EQ(catcher.texts.size(), 4);
    EXPECT_TRUE(catcher.texts[0].contains("строка 3, число 3")) << catcher.texts[0].toStdString();
    EXPECT_TRUE(catcher.texts[1].contains("не является обычным файлом")) << catcher.texts[1].toStdString();
    EXPECT_TRUE(catcher.texts[2].contains("не найден")) << catcher.texts[2].toStdString();
    EXPECT_TRUE(catcher.texts[3].contains("папка")) << catcher.texts[3].toStdString();
    EXPECT_TRUE(TableUnchangedSince(before));
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "-22434");
    EXPECT_TRUE(RecentParameterFiles().isEmpty());

    if (::geteuid() != 0) { // the superuser reads any file
        QFile locked(Path("закрытый.dat"));
        ASSERT_TRUE(form.SaveParameterFileAs(locked.fileName()));
        ASSERT_TRUE(locked.setPermissions(QFileDevice::Permissions()));
        EXPECT_FALSE(form.OpenParameterFile(locked.fileName()));
        ASSERT_EQ(catcher.texts.size(), 5);
        EXPECT_TRUE(catcher.texts[4].contains("Не удалось открыть")) << catcher.texts[4].toStdString();
    }
}

TEST_F(ParameterFiles, TheFileNamedOnTheCommandLineOpensOnceTheWindowHasLoaded) {
    Click(&form, "Command2");
    const QString file = Path("урок 5.dat");
    ASSERT_TRUE(form.SaveParameterFileAs(file));
    form.Form_Load();
    ui::UseSettingsFile(Path("fresh.ini"));

    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    form.OpenFileAtStart("урок 5.dat"); // relative to the folder the program was started in
    ASSERT_TRUE(QDir::setCurrent(before));
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "12821"); // not yet: after the load handler, from the event loop
    EXPECT_TRUE(test::WaitUntil([&] { return TextOf(&form, "Text3(3)") == "-22434"; }, 2000));
    EXPECT_EQ(RecentParameterFiles(), QStringList{file});

    test::MessageCatcher catcher;
    form.OpenFileAtStart(Path("нет.dat"));
    EXPECT_TRUE(test::WaitUntil([&] { return catcher.texts.size() == 1; }, 2000));
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "-22434");
}

} // namespace
} // namespace orvane
