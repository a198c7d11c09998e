// Qt's own dialogs speak the program's language: the translations of Qt (Debian's qt6-translations-l10n)
// are installed with the program's, and switched with it.
#include "GuiTestSupport.h"

#include "Language.h"
#include "MeasurementsWindow.h"
#include "Settings.h"

#include <QAbstractFileIconProvider>
#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeView>

namespace orvane {
namespace {

bool HasCyrillic(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF) return true;
    return false;
}

// What a file dialog shows in words: its labels, its buttons and the headings of its detailed list.
QStringList DialogWords(QFileDialog* dialog) {
    QStringList words;
    for (auto* label : dialog->findChildren<QLabel*>())
        if (!label->text().isEmpty()) words << label->text();
    if (auto* box = dialog->findChild<QDialogButtonBox*>())
        for (QAbstractButton* button : box->buttons())
            words << button->text().remove(QLatin1Char('&')); // the mnemonic
    if (auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView")))
        for (int column = 0; column < list->model()->columnCount(); ++column)
            words << list->model()->headerData(column, Qt::Horizontal).toString();
    return words;
}

struct QtOwnTranslations : ::testing::Test {
    QTemporaryDir dir;
    void SetUp() override { ui::UseSettingsFile(dir.filePath("orvane.conf")); }
    void TearDown() override { ui::ApplyLanguage(ui::Language::Russian); }

    // The words of the CSV save dialog of the measurements window, in the language now in effect.
    QStringList CsvDialogWords() {
        SimState state;
        ProgramWindows windows(state);
        Form1& setup = windows.Setup();
        setup.show();
        Form2* experiment = driver::StartExperiment(windows);
        auto* measurements = driver::OpenMeasurements(experiment);
        QStringList words;
        test::ModalHand<QFileDialog> hand([&](QFileDialog* dialog) {
            words = DialogWords(dialog);
            dialog->reject();
        });
        measurements->findChild<QAction*>(QStringLiteral("SaveCsvAction"))->trigger();
        EXPECT_TRUE(hand.opened);
        experiment->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return words;
    }
};

// The Type column of the file dialogs' detailed list names a folder in the program's language; Debian's
// Russian Qt leaves it "Folder".
TEST_F(QtOwnTranslations, AFoldersTypeInTheFileDialogIsInTheProgramsLanguage) {
    QFileSystemModel model; // what the file dialogs list their folders with
    const QFileInfo folder(dir.path());
    ui::ApplyLanguage(ui::Language::Russian);
    EXPECT_EQ(model.iconProvider()->type(folder), QStringLiteral("Папка"));
    ui::ApplyLanguage(ui::Language::English);
    EXPECT_EQ(model.iconProvider()->type(folder), QStringLiteral("Folder"));
}

TEST_F(QtOwnTranslations, TheCsvSaveDialogSpeaksTheProgramsLanguageAndChangesWithIt) {
    ui::ApplyLanguage(ui::Language::Russian);
    QStringList words = CsvDialogWords();
    // "Look in:", "File name:", "Files of type:", "Save", "Cancel", "Name", "Size", "Type", "Date Modified".
    ASSERT_GE(words.size(), 8) << words.join('|').toStdString();
    for (const QString& word : words)
        EXPECT_TRUE(HasCyrillic(word)) << "English in the Russian dialog: " << word.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Сохранить"))) << words.join('|').toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Отмена"))) << words.join('|').toStdString();

    ui::ApplyLanguage(ui::Language::English);
    words = CsvDialogWords();
    EXPECT_TRUE(words.contains(QStringLiteral("Save"))) << words.join('|').toStdString();
    for (const QString& word : words)
        EXPECT_FALSE(HasCyrillic(word)) << "Russian in the English dialog: " << word.toStdString();

    // And back: the Qt translation is switched, not left behind.
    ui::ApplyLanguage(ui::Language::Russian);
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text(), "Отмена");
}

TEST_F(QtOwnTranslations, TheParameterFileDialogIsRussianWithoutLabelsOfItsOwn) {
    ui::ApplyLanguage(ui::Language::Russian);
    SimState state;
    ProgramWindows windows(state);
    Form1& setup = windows.Setup();
    setup.show();
    QStringList words;
    test::ModalHand<QFileDialog> hand([&](QFileDialog* dialog) {
        words = DialogWords(dialog);
        dialog->reject();
    });
    setup.OpenFile->trigger();
    ASSERT_TRUE(hand.opened);
    ASSERT_GE(words.size(), 8) << words.join('|').toStdString();
    for (const QString& word : words)
        EXPECT_TRUE(HasCyrillic(word)) << word.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("Открыть"))) << words.join('|').toStdString();
}

} // namespace
} // namespace orvane
