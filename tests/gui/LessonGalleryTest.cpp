// The gallery of experiments prepared for lessons in the set-up window: where it is offered, what it
// lists and says, and what loading an experiment sets.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form2.h"
#include "Language.h"
#include "LessonCatalogue.h"
#include "LessonGallery.h"
#include "PictureBox.h"
#include "ProgramWindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <functional>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;

using GalleryHand = test::ModalHand<LessonGallery>;

const QStringList Titles{"Солнечная система на 1.1.2000 без астероида",
                         "Тяжёлый астероид",
                         "Юпитер — вторая звезда",
                         "Троянский астероид",
                         "Перелёт к Марсу",
                         "Комета",
                         "Земля остановилась",
                         "Вторая космическая скорость",
                         "Солнце свободно",
                         "Какой метод точнее?"};

struct Gallery : ::testing::Test {
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();
    void SetUp() override { form.show(); }
    void TearDown() override {
        form.Command5_Click();
        if (windows.ExperimentWindow() != nullptr) windows.ExperimentWindow()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST(LessonCatalogueFiles, TheTenExperimentsReadWithTwoToSixSentencesEach) {
    const LessonCatalogue catalogue = ReadLessonCatalogue({BuiltInLessonFolder});
    ASSERT_EQ(catalogue.entries.size(), 10u);
    for (std::size_t k = 0; k < catalogue.entries.size(); ++k) {
        EXPECT_TRUE(catalogue.entries[k].Readable()) << catalogue.entries[k].error.toStdString();
        const LessonExperiment& e = catalogue.entries[k].experiment;
        EXPECT_EQ(LessonGallery::Title(e), Titles[static_cast<int>(k)]);
        const QString text = LessonGallery::Description(e);
        // A sentence ends with a full stop, a question or an exclamation mark before a blank or the end
        // (an abbreviation such as «а. е.» or «млн км» is followed by a small letter or a number).
        const auto sentences = text.count(QRegularExpression(QStringLiteral("[.!?](\\s+[А-ЯЁA-Z«]|$)")));
        EXPECT_GE(sentences, 2) << e.title;
        EXPECT_LE(sentences, 6) << e.title << ": " << text.toStdString();
        EXPECT_TRUE(text.contains("Измерени")) << e.title; // what to measure there
    }
}

// In English every experiment has its English title and description, with what to measure in
// “Measurements”, and the gallery shows no Russian word; a teacher's file without English keeps its own.
TEST(LessonCatalogueFiles, InEnglishTheGalleryShowsEveryExperimentInEnglish) {
    const LessonCatalogue catalogue = ReadLessonCatalogue({BuiltInLessonFolder});
    ASSERT_EQ(catalogue.entries.size(), 10u);
    const auto hasCyrillic = [](const QString& text) {
        return text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
    };
    ui::ApplyLanguage(ui::Language::English);
    const auto russianAgain = qScopeGuard([] { ui::ApplyLanguage(ui::Language::Russian); });
    QStringList titles;
    for (const LessonEntry& entry : catalogue.entries) {
        const QString title = LessonGallery::Title(entry.experiment);
        const QString text = LessonGallery::Description(entry.experiment);
        titles << title;
        EXPECT_FALSE(hasCyrillic(title)) << title.toStdString();
        EXPECT_FALSE(hasCyrillic(text)) << text.toStdString();
        const auto sentences = text.count(QRegularExpression(QStringLiteral("[.!?](\\s+[A-Z“]|$)")));
        EXPECT_GE(sentences, 2) << title.toStdString();
        EXPECT_LE(sentences, 6) << title.toStdString() << ": " << text.toStdString();
        EXPECT_TRUE(text.contains("“Measurements”")) << title.toStdString();
    }
    EXPECT_EQ(titles[3], "A Trojan asteroid");
    EXPECT_EQ(titles[5], "A comet");

    SimState state;
    ProgramWindows windows(state);
    Form1& form = windows.Setup();
    form.show();
    GalleryHand hand([&](LessonGallery* dialog) {
        auto* list = Find<QListWidget>(dialog, "ExperimentList");
        QStringList shown;
        for (int k = 0; k < list->count(); ++k)
            shown << list->item(k)->text();
        EXPECT_EQ(shown, titles);
        dialog->Select(3);
        const QString text = Find<QTextBrowser>(dialog, "ExperimentDescription")->toPlainText();
        EXPECT_TRUE(text.startsWith("A Trojan asteroid")) << text.toStdString();
        EXPECT_TRUE(text.contains("Solution accuracy: low (a step of 2 days). Sun: free (“On”)."))
            << text.toStdString();
        for (auto* label : dialog->findChildren<QLabel*>())
            EXPECT_FALSE(hasCyrillic(label->text())) << label->text().toStdString();
        for (auto* button : dialog->findChildren<QPushButton*>())
            EXPECT_FALSE(hasCyrillic(button->text())) << button->text().toStdString();
        EXPECT_FALSE(hasCyrillic(text));
        EXPECT_EQ(dialog->windowTitle(), "Lesson Experiments");
        test::ExpectCaptionsFit(dialog);
        dialog->reject();
    });
    form.Lessons_Click();
    EXPECT_TRUE(hand.opened);
}

TEST(LessonCatalogueFiles, ATeachersOwnFileIsReadAndAMistakeNamedByFileAndLine) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(QDir(dir.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    QFile builtIn(":/experiments/09-sun-released.dat");
    ASSERT_TRUE(builtIn.open(QIODevice::ReadOnly));
    write("мой опыт.dat", builtIn.readAll());
    write("1 мой.experiment", "title = Мой опыт\nparameters = мой опыт.dat\n"
                              "masses = 1 2 3 4 5 6 7 8 9 10 0\ndescription = Раз. Два.\n");
    write("2 ошибка.experiment", "title = Ошибка\nparameters = мой опыт.dat\nmasses = 1 2\n");
    write("3 без параметров.experiment",
          "title = Без параметров\nparameters = нет такого.dat\nmasses = 1 2 3 4 5 6 7 8 9 10 0\n");
    const LessonCatalogue catalogue = ReadLessonCatalogue({dir.path()});
    // The unreadable ones are listed where their names put them, each with what is wrong.
    ASSERT_EQ(catalogue.entries.size(), 3u);
    EXPECT_EQ(catalogue.entries[0].experiment.title, "Мой опыт");
    EXPECT_TRUE(catalogue.entries[0].Readable());
    const LessonEntry& bad = catalogue.entries[1];
    EXPECT_FALSE(bad.Readable());
    EXPECT_TRUE(bad.own);
    EXPECT_EQ(QFileInfo(bad.source).fileName(), "2 ошибка.experiment");
    EXPECT_TRUE(bad.error.contains("2 ошибка.experiment, строка 3: нужны одиннадцать масс"))
        << bad.error.toStdString();
    EXPECT_TRUE(bad.experiment.parameterFile.empty()); // read no further than its fault
    const LessonEntry& lost = catalogue.entries[2];
    EXPECT_FALSE(lost.Readable());
    EXPECT_EQ(lost.experiment.title, "Без параметров");
    EXPECT_TRUE(lost.error.contains("нет такого.dat")) << lost.error.toStdString();
}

TEST_F(Gallery, OfferedOnCtrlLAndInBothScreensMenus) {
    EXPECT_EQ(form.Lessons->text(), "Опыты для урока…");
    EXPECT_EQ(form.Lessons->shortcut(), QKeySequence("Ctrl+L"));
    for (const char* screen : {"Picture1", "Picture2"}) {
        const QStringList entries = test::MenuEntries(Find<ui::PictureBox>(&form, screen));
        EXPECT_EQ(entries, (QStringList{"Сохранить изображение…", "Загрузить данные на другую дату…",
                                        "Опыты для урока…", "Сохранить как опыт для урока…",
                                        "Язык / Language", "Метод решения"}))
            << screen;
    }
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Text2[0]->setFocus();
    GalleryHand hand([](LessonGallery* dialog) { dialog->reject(); });
    QTest::keyClick(form.Text2[0], Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(test::WaitUntil([&] { return hand.opened; }, 3000));
    EXPECT_EQ(hand.title, "Опыты для урока");
}

TEST_F(Gallery, ListsTheExperimentsAndDescribesTheChosenOne) {
    GalleryHand hand([](LessonGallery* dialog) {
        auto* list = Find<QListWidget>(dialog, "ExperimentList");
        QStringList shown;
        for (int k = 0; k < list->count(); ++k)
            shown << list->item(k)->text();
        EXPECT_EQ(shown, Titles);
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(dialog->focusWidget(), list);
        auto* text = Find<QTextBrowser>(dialog, "ExperimentDescription");
        EXPECT_TRUE(text->toPlainText().startsWith(Titles[0]));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_TRUE(text->toPlainText().startsWith("Юпитер — вторая звезда"));
        EXPECT_TRUE(text->toPlainText().contains("Солнце: свободно")) << text->toPlainText().toStdString();
        EXPECT_EQ(Find<QPushButton>(dialog, "LoadButton")->text(), "Загрузить");
        EXPECT_EQ(Find<QPushButton>(dialog, "CancelButton")->text(), "Отмена");
        test::ExpectCaptionsFit(dialog);
        QTest::keyClick(list, Qt::Key_Escape);
    });
    Form2* experiment = driver::StartExperiment(windows);
    ASSERT_NE(experiment, nullptr);
    experiment->Option2->click(); // the Sun released by the user
    const SimState before = state;
    form.Lessons_Click();
    ASSERT_TRUE(hand.opened);
    EXPECT_TRUE(state.BodyX == before.BodyX && state.BodyMassPct == before.BodyMassPct);
    EXPECT_EQ(state.Options.TimeStep, before.Options.TimeStep);
    // The next start keeps the user's Sun.
    Click(&form, "Command1");
    EXPECT_TRUE(experiment->Option2->isChecked());
    EXPECT_EQ(experiment->Run().Options.SunHeld, SunMode::Free);
}

TEST_F(Gallery, EnterLoadsTheExperimentItsAccuracyAndTheSunsModeForTheNextStart) {
    GalleryHand hand([](LessonGallery* dialog) {
        auto* list = Find<QListWidget>(dialog, "ExperimentList");
        dialog->Select(6); // the Earth stopped: high accuracy
        QTest::keyClick(list, Qt::Key_Return);
    });
    form.Lessons_Click();
    ASSERT_TRUE(hand.opened);
    EXPECT_EQ(state.BodyVx(4), 0);
    EXPECT_EQ(TextOf(&form, "Text5(3)"), "0");
    EXPECT_EQ(TextOf(&form, "Text2(10)"), "0"); // the asteroid's mass, shown
    EXPECT_EQ(state.Options.TimeStep, 8640);
    EXPECT_TRUE(Find<QRadioButton>(&form, "Option12")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(&form, "Option10")->isChecked());

    // The trojan: the Sun released at the next start, and the start after it keeps what the user chose.
    GalleryHand trojan([](LessonGallery* dialog) {
        dialog->Select(3);
        Click(dialog, "LoadButton");
    });
    form.Lessons_Click();
    ASSERT_TRUE(trojan.opened);
    EXPECT_EQ(state.Options.TimeStep, 172800);
    EXPECT_TRUE(Find<QRadioButton>(&form, "Option10")->isChecked());
    EXPECT_NE(state.BodyVx(1), 0); // the Sun moves so that the centre of mass stays put
    EXPECT_EQ(TextOf(&form, "Text2(5)"), "31810");

    Form2* experiment = driver::StartExperiment(windows);
    ASSERT_NE(experiment, nullptr);
    EXPECT_TRUE(experiment->Option2->isChecked());
    EXPECT_EQ(experiment->Run().Options.SunHeld, SunMode::Free);
    EXPECT_EQ(state.Options.SunHeld, SunMode::Free);
    // The start after it keeps what the user chose.
    experiment->Option1->click();
    Click(&form, "Command1");
    EXPECT_TRUE(experiment->Option1->isChecked());
    EXPECT_EQ(experiment->Run().Options.SunHeld, SunMode::Held);
    experiment->Option2->click();

    // An experiment with the Sun held sets it back.
    GalleryHand held([](LessonGallery* dialog) {
        dialog->Select(4);
        dialog->accept();
    });
    form.Lessons_Click();
    Click(&form, "Command1");
    EXPECT_TRUE(experiment->Option1->isChecked());
    EXPECT_EQ(experiment->Run().Options.SunHeld, SunMode::Held);
}

TEST_F(Gallery, TheSolarSystemOf2000KeepsItsDateForTheRealSky) {
    GalleryHand hand([](LessonGallery* dialog) { dialog->accept(); });
    form.Lessons_Click();
    ASSERT_TRUE(hand.opened);
    ASSERT_TRUE(state.DataSetDate.has_value());
    EXPECT_EQ(*state.DataSetDate, (CalendarDate{2000, 1, 1}));
    EXPECT_EQ(TextOf(&form, "Text1(3)"), test::Decimal("98.5"));
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "-22434");
}

// The teacher's experiments folder of the program's own data folder, here a temporary one of the test's.
struct OwnExperimentsFolder {
    QTemporaryDir data;
    QByteArray before = qgetenv("XDG_DATA_HOME");
    OwnExperimentsFolder() {
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        QDir().mkpath(UserLessonFolder());
    }
    ~OwnExperimentsFolder() { qputenv("XDG_DATA_HOME", before); }
    OwnExperimentsFolder(const OwnExperimentsFolder&) = delete;
    OwnExperimentsFolder& operator=(const OwnExperimentsFolder&) = delete;
    QString Write(const QString& name, const QByteArray& text) const {
        const QString path = QDir(UserLessonFolder()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(text);
        return path;
    }
};

// A teacher's file that cannot be read is not skipped, nor reported in a box of its own: Ctrl+L lists it
// by its name, marked, after the built-in ones; its error, with the line and what to do, stands in place
// of a description; nothing loads it (the button, Enter, a double click), and it can be deleted.
TEST_F(Gallery, AnUnreadableFileIsListedWithItsErrorCannotBeLoadedAndCanBeDeleted) {
    const OwnExperimentsFolder own;
    ASSERT_TRUE(UserLessonFolder().startsWith(own.data.path())) << UserLessonFolder().toStdString();
    const QString broken = own.Write("урок-7.experiment", "title = Урок 7\nописание без знака\n");
    Click(&form, "Command2"); // the 1.1.2000 data set: what a load of the broken file would change
    const SimState before = state;
    bool checked = false;
    const int last = static_cast<int>(Titles.size()); // the teacher's file, after the built-in ones
    GalleryHand hand([&](LessonGallery* dialog) {
        auto* list = Find<QListWidget>(dialog, "ExperimentList");
        ASSERT_EQ(list->count(), last + 1);
        EXPECT_EQ(list->item(last)->text(), "урок-7.experiment (не читается)");
        dialog->Select(last);
        const QString text = Find<QTextBrowser>(dialog, "ExperimentDescription")->toPlainText();
        EXPECT_TRUE(text.startsWith("урок-7.experiment (не читается)")) << text.toStdString();
        EXPECT_TRUE(
            text.contains(QDir::toNativeSeparators(broken) + ", строка 2: нет знака «=». Запишите строку"))
            << text.toStdString();
        auto* load = Find<QPushButton>(dialog, "LoadButton");
        EXPECT_FALSE(load->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(dialog, "RenameButton")->isEnabled()); // no title to rename
        EXPECT_TRUE(Find<QPushButton>(dialog, "DeleteButton")->isEnabled());
        QTest::keyClick(list, Qt::Key_Return);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(last)).center());
        load->click();
        EXPECT_TRUE(dialog->isVisible()) << "an unreadable file was taken for loading";
        // A readable one next to it still loads as ever: the mark belongs to the broken file alone.
        dialog->Select(last - 1);
        EXPECT_TRUE(load->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(dialog, "DeleteButton")->isEnabled());
        dialog->Select(last);
        {
            ++driver::LiveMessageCatchers(); // the question is answered here, by its own button
            const auto answered = qScopeGuard([] { --driver::LiveMessageCatchers(); });
            QTimer::singleShot(50, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    EXPECT_EQ(box->objectName(), "DeleteLessonQuestion");
                    EXPECT_EQ(box->text(), "Удалить файл опыта «урок-7.experiment», который не читается?");
                    box->button(QMessageBox::Yes)->click();
                }
            });
            EXPECT_TRUE(dialog->DeleteSelected());
        }
        EXPECT_FALSE(QFile::exists(broken));
        EXPECT_EQ(list->count(), last);
        checked = true;
        dialog->reject();
    });
    form.Lessons_Click();
    ASSERT_TRUE(hand.opened);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(state.BodyX == before.BodyX && state.BodyMassPct == before.BodyMassPct);
    EXPECT_EQ(state.Options.TimeStep, before.Options.TimeStep);
}

// In English the mark and the error are English too.
TEST_F(Gallery, InEnglishAnUnreadableFileIsMarkedAndItsErrorWordedInEnglish) {
    const OwnExperimentsFolder own;
    own.Write("lesson-7.experiment", "title = Lesson 7\nmasses = 1 2\n");
    ui::ApplyLanguage(ui::Language::English);
    const auto russianAgain = qScopeGuard([] { ui::ApplyLanguage(ui::Language::Russian); });
    const int last = static_cast<int>(Titles.size()); // the teacher's file, after the built-in ones
    GalleryHand hand([&](LessonGallery* dialog) {
        auto* list = Find<QListWidget>(dialog, "ExperimentList");
        ASSERT_EQ(list->count(), last + 1);
        EXPECT_EQ(list->item(last)->text(), "lesson-7.experiment (unreadable)");
        dialog->Select(last);
        const QString text = Find<QTextBrowser>(dialog, "ExperimentDescription")->toPlainText();
        EXPECT_TRUE(text.contains(", line 2: ")) << text.toStdString();
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]"))))
            << text.toStdString();
        EXPECT_FALSE(Find<QPushButton>(dialog, "LoadButton")->isEnabled());
        dialog->reject();
    });
    form.Lessons_Click();
    EXPECT_TRUE(hand.opened);
}

} // namespace
} // namespace orvane
