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
#include <QLabel>
#include <QListWidget>
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
                         "Солнце отпущено",
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
    EXPECT_TRUE(catalogue.problems.isEmpty()) << catalogue.problems.join('\n').toStdString();
    ASSERT_EQ(catalogue.entries.size(), 10u);
    for (std::size_t k = 0; k < catalogue.entries.size(); ++k) {
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
    const LessonCatalogue catalogue = ReadLessonCatalogue({dir.path()});
    ASSERT_EQ(catalogue.entries.size(), 1u);
    EXPECT_EQ(catalogue.entries[0].experiment.title, "Мой опыт");
    ASSERT_EQ(catalogue.problems.size(), 1);
    EXPECT_TRUE(catalogue.problems[0].contains("2 ошибка.experiment, строка 3"))
        << catalogue.problems[0].toStdString();
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

} // namespace
} // namespace orvane
