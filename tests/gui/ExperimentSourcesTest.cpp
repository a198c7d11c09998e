// One experiment from any source: the rules every load follows in the set-up window (the Sun's mode a
// lesson leaves pending, the planets' masses after a data set and a file), the warning before a
// parameter file drops a lesson's masses, a teacher's own lesson experiment saved and read back, and
// save dialogs that never replace a file unasked.
#include "GuiTestSupport.h"

#include "DefaultData.h"
#include "Form1.h"
#include "Form2.h"
#include "LessonCatalogue.h"
#include "LessonGallery.h"
#include "ProgramWindows.h"
#include "SaveDialog.h"
#include "SaveLessonDialog.h"
#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;

using GalleryHand = test::ModalHand<LessonGallery>;

// The gallery's experiments by their place in the list.
constexpr int BinaryStar = 2; // Jupiter with 30 % of the Sun's mass, the Sun released
constexpr int SunReleased = 8;

constexpr double RealJupiterPct = 31810;
constexpr double BinaryJupiterPct = 9994980;

// Presses the named button of the first message box that opens, and tells its text.
class BoxAnswer {
  public:
    explicit BoxAnswer(QString button) : button_(std::move(button)) {
        ++driver::LiveMessageCatchers();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            timer_.stop();
            objectName = box->objectName();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->objectName() == button_ ||
                    (Standard() != QMessageBox::NoButton && box->standardButton(b) == Standard()))
                    return b->click();
        });
        timer_.start();
    }
    ~BoxAnswer() { --driver::LiveMessageCatchers(); }
    QString objectName;
    QString text;

  private:
    QMessageBox::StandardButton Standard() const {
        return button_ == "Yes"  ? QMessageBox::Yes
               : button_ == "No" ? QMessageBox::No
                                 : QMessageBox::NoButton;
    }
    QString button_;
    QTimer timer_;
};

// The Earth's x in thousands of kilometres, as the table holds it.
double SavedEarthX(const SimState& s) {
    return s.BodyX(body::Earth) / s.LengthUnit;
}

struct Sources : ::testing::Test {
    QTemporaryDir dir;
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ui::UseSettingsFile(dir.filePath("settings.ini"));
        form.SetParameterFilePath(dir.filePath("orvane1.dat"));
        form.show();
    }
    void TearDown() override {
        form.Command5_Click();
        driver::CloseOpenedWindows(windows);
    }
    void LoadFromGallery(int index) {
        GalleryHand hand([index](LessonGallery* dialog) {
            dialog->Select(index);
            dialog->accept();
        });
        form.Lessons_Click();
        ASSERT_TRUE(hand.opened);
    }
    // The Sun's mode the experiment window shows at a start (a new window holds the Sun).
    SunMode SunAtStart() {
        Form2* experiment = driver::StartExperiment(windows);
        return experiment->Option2->isChecked() ? SunMode::Free : SunMode::Held;
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(Sources, ALoadThatSetsNoSunModeDropsTheOnePendingFromALesson) {
    LoadFromGallery(SunReleased);
    EXPECT_EQ(SunAtStart(), SunMode::Free); // the lesson's own mode reaches the start
    driver::CloseOpenedWindows(windows);

    // A parameter file to open later, saved with the real masses.
    Click(&form, "Command4");
    ASSERT_TRUE(QFile::exists(Path("orvane1.dat")));
    const std::vector<std::pair<const char*, std::function<void()>>> loads{
        {"1.1.2000", [&] { Click(&form, "Command2"); }},
        {"a date",
         [&] {
             form.LoadDataSetOn({2024, 3, 1});
         }},
        {"file №1", [&] { Click(&form, "Command3"); }},
        {"a file by name", [&] { form.OpenParameterFile(Path("orvane1.dat")); }},
        {"the default data", [&] { form.Form_Load(); }},
    };
    for (const auto& [name, load] : loads) {
        LoadFromGallery(SunReleased);
        load();
        EXPECT_EQ(SunAtStart(), SunMode::Held) << name;
        driver::CloseOpenedWindows(windows);
    }
}

TEST_F(Sources, TheDataSetsGiveThePlanetsTheirRealMassesAndKeepTheSunsAndTheAsteroids) {
    for (const bool onDate : {false, true}) {
        LoadFromGallery(BinaryStar);
        ASSERT_EQ(state.BodyMassPct(body::Jupiter), BinaryJupiterPct);
        state.BodyMassPct(body::Sun) = 30000000; // as if typed and taken over
        state.BodyMassPct(body::Asteroid) = 5;
        if (onDate)
            form.LoadDataSetOn({2000, 1, 1});
        else
            Click(&form, "Command2");
        for (int planet = body::Mercury; planet <= body::Pluto; ++planet)
            EXPECT_EQ(state.BodyMassPct(planet), DefaultBodies[static_cast<std::size_t>(planet - 1)].massPct)
                << planet << (onDate ? " on a date" : " 1.1.2000");
        EXPECT_EQ(TextOf(&form, "Text2(5)"), "31810");
        EXPECT_EQ(state.BodyMass(body::Jupiter), state.EarthMass * RealJupiterPct / 100);
        EXPECT_EQ(state.BodyMassPct(body::Sun), 30000000);
        EXPECT_EQ(state.BodyMassPct(body::Asteroid), 5);
        ASSERT_TRUE(state.DataSetDate.has_value());
        EXPECT_EQ(*state.DataSetDate, (CalendarDate{2000, 1, 1}));
    }
}

TEST_F(Sources, AParameterFileKeepsTheMassesInTheTable) {
    Click(&form, "Command4"); // the default data, real masses: saved without a question
    ASSERT_TRUE(QFile::exists(Path("orvane1.dat")));
    LoadFromGallery(BinaryStar);
    Click(&form, "Command3");
    EXPECT_EQ(state.BodyMassPct(body::Jupiter), BinaryJupiterPct);
    EXPECT_EQ(TextOf(&form, "Text2(5)"), "9994980");
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "12821"); // the file's Earth, not the lesson's
    EXPECT_FALSE(state.DataSetDate.has_value());
}

TEST_F(Sources, SavingAParameterFileWithALessonsMassesWarnsAndOffersALessonExperiment) {
    LoadFromGallery(BinaryStar);
    const QString file = Path("orvane1.dat");
    {
        BoxAnswer cancel("CancelButton");
        Click(&form, "Command4");
        EXPECT_EQ(cancel.objectName, "MassesNotSavedQuestion");
        EXPECT_TRUE(cancel.text.contains("масс")) << cancel.text.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file));
    {
        BoxAnswer anyway("SaveWithoutMassesButton");
        EXPECT_TRUE(form.SaveParameterFileAs(Path("saved.dat")));
        EXPECT_EQ(anyway.objectName, "MassesNotSavedQuestion");
    }
    EXPECT_TRUE(QFile::exists(Path("saved.dat")));
    {
        BoxAnswer asLesson("SaveAsLessonButton");
        test::ModalHand<SaveLessonDialog> hand([](SaveLessonDialog* dialog) { dialog->reject(); });
        Click(&form, "Command4");
        EXPECT_TRUE(test::WaitUntil([&] { return hand.opened; }, 3000));
        EXPECT_EQ(hand.title, "Сохранить как опыт для урока");
    }
    EXPECT_FALSE(QFile::exists(file));

    // With the real masses back no question is asked.
    Click(&form, "Command2");
    Click(&form, "Command4");
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(Sources, ALessonSavedByTheTeacherComesBackWithMassesSunAccuracyAndEveryDigit) {
    LoadFromGallery(3);       // the trojan: the Sun released, moving at −6.798 m/s
    Click(&form, "Option11"); // medium accuracy, chosen after the load
    const SimState saved = state;
    ASSERT_EQ(state.BodyVx(body::Sun), -6.798);

    LessonExperiment texts;
    texts.title = "Мой троянец: опыт №1";
    texts.description = "Первая строка.\nВторая строка.";
    texts.titleIn["en"] = "My Trojan";
    const QString folder = Path("опыты");
    const QString path = form.SaveLessonIn(folder, texts);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(QFileInfo(path).fileName(), "мой-троянец-опыт-1.experiment");

    const LessonCatalogue catalogue = ReadLessonCatalogue({folder});
    ASSERT_EQ(catalogue.entries.size(), 1u);
    const LessonEntry& entry = catalogue.entries.front();
    ASSERT_TRUE(entry.Readable()) << entry.error.toStdString();
    EXPECT_EQ(entry.experiment.title, "Мой троянец: опыт №1");
    EXPECT_EQ(entry.experiment.description, "Первая строка. Вторая строка.");
    EXPECT_EQ(TitleIn(entry.experiment, "en"), "My Trojan");
    EXPECT_EQ(entry.experiment.sun, SunMode::Free);
    EXPECT_EQ(entry.experiment.accuracy, Accuracy::Medium);
    EXPECT_EQ(entry.rows[0].vx, -6.798);
    EXPECT_EQ(entry.rows[0].vy, -11.876);

    // Loaded after the default data, the table is the saved one to the last digit.
    form.Form_Load();
    form.LoadLesson(entry.experiment, entry.rows);
    for (int i = 1; i <= body::Count; ++i) {
        EXPECT_EQ(state.BodyMassPct(i), saved.BodyMassPct(i)) << i;
        EXPECT_EQ(state.BodyX(i), saved.BodyX(i)) << i;
        EXPECT_EQ(state.BodyY(i), saved.BodyY(i)) << i;
        EXPECT_EQ(state.BodyVx(i), saved.BodyVx(i)) << i;
        EXPECT_EQ(state.BodyVy(i), saved.BodyVy(i)) << i;
    }
    EXPECT_EQ(state.Options.TimeStep, 86400);
    EXPECT_EQ(SunAtStart(), SunMode::Free);
}

TEST_F(Sources, ALessonOfTheSameNameIsReplacedOnlyWhenTheTeacherAgrees) {
    const QString folder = Path("опыты");
    LessonExperiment texts;
    texts.title = "Опыт";
    const QString path = form.SaveLessonIn(folder, texts);
    ASSERT_FALSE(path.isEmpty());
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray first = before.readAll();
    before.close();

    Click(&form, "Command2"); // another table under the same name
    {
        BoxAnswer no("No");
        EXPECT_TRUE(form.SaveLessonIn(folder, texts).isEmpty());
        EXPECT_EQ(no.objectName, "ReplaceLessonQuestion");
    }
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), first);
    kept.close();
    {
        BoxAnswer yes("Yes");
        EXPECT_EQ(form.SaveLessonIn(folder, texts), path);
    }
    const LessonCatalogue catalogue = ReadLessonCatalogue({folder});
    ASSERT_EQ(catalogue.entries.size(), 1u);
    EXPECT_EQ(catalogue.entries.front().rows[3].x, EpochBodies[3].x); // the Earth of 1.1.2000
}

TEST_F(Sources, TheTeachersOwnAreListedAfterTheBuiltInOnesAndOnlyTheyAreRenamedAndDeleted) {
    const QString folder = Path("опыты");
    LessonExperiment texts;
    texts.title = "Мой опыт";
    const QString path = form.SaveLessonIn(folder, texts);
    ASSERT_FALSE(path.isEmpty());
    const QString parameters = QFileInfo(path).dir().filePath("мой-опыт.dat");
    ASSERT_TRUE(QFile::exists(parameters));

    {
        // Alone in the list, the teacher's own is the first entry, and may be renamed just the same.
        LessonGallery alone(ReadLessonCatalogue({folder}).entries, &form);
        alone.Select(0);
        EXPECT_TRUE(alone.RenameSelected("Мой опыт"));
    }
    const int builtIn = static_cast<int>(ReadLessonCatalogue({BuiltInLessonFolder}).entries.size());
    ASSERT_GE(builtIn, 9);
    LessonCatalogue catalogue = ReadLessonCatalogue({BuiltInLessonFolder, folder});
    ASSERT_EQ(catalogue.entries.size(), static_cast<std::size_t>(builtIn) + 1);
    LessonGallery gallery(std::move(catalogue.entries), &form);
    auto* list = Find<QListWidget>(&gallery, "ExperimentList");
    EXPECT_EQ(list->item(builtIn)->text(), "Мой опыт (свой опыт)");
    auto* rename = Find<QPushButton>(&gallery, "RenameButton");
    auto* remove = Find<QPushButton>(&gallery, "DeleteButton");

    gallery.Select(0); // a built-in one stays as it is
    EXPECT_FALSE(rename->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(gallery.RenameSelected("Другое"));
    EXPECT_FALSE(gallery.DeleteSelected());

    gallery.Select(builtIn);
    EXPECT_TRUE(rename->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    EXPECT_TRUE(gallery.RenameSelected("Опыт с Юпитером"));
    EXPECT_EQ(list->item(builtIn)->text(), "Опыт с Юпитером (свой опыт)");
    const LessonCatalogue renamed = ReadLessonCatalogue({folder});
    ASSERT_EQ(renamed.entries.size(), 1u);
    EXPECT_EQ(renamed.entries.front().experiment.title, "Опыт с Юпитером");
    EXPECT_EQ(renamed.entries.front().rows[3].x, SavedEarthX(state));

    {
        BoxAnswer no("No");
        EXPECT_FALSE(gallery.DeleteSelected());
        EXPECT_EQ(no.objectName, "DeleteLessonQuestion");
    }
    EXPECT_TRUE(QFile::exists(path));
    {
        BoxAnswer yes("Yes");
        EXPECT_TRUE(gallery.DeleteSelected());
    }
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(parameters));
    EXPECT_EQ(list->count(), builtIn);
    EXPECT_EQ(gallery.Entries().size(), static_cast<std::size_t>(builtIn));
}

TEST_F(Sources, TheSaveAsLessonDialogIsOfferedOnTheScreensTheFileButtonsAndAKey) {
    EXPECT_EQ(form.SaveAsLesson->shortcut(), QKeySequence("Ctrl+Shift+L"));
    EXPECT_TRUE(
        test::MenuEntries(Find<QPushButton>(&form, "Command4")).contains("Сохранить как опыт для урока…"));
    test::ModalHand<SaveLessonDialog> hand([](SaveLessonDialog* dialog) {
        auto* save = Find<QPushButton>(dialog, "SaveButton");
        EXPECT_FALSE(save->isEnabled()); // nothing to list it by yet
        Find<QLineEdit>(dialog, "LessonTitle")->setText("Опыт");
        EXPECT_TRUE(save->isEnabled());
        dialog->reject();
    });
    form.SaveAsLesson->trigger();
    EXPECT_TRUE(hand.opened);
}

TEST_F(Sources, ADoubleClickOnAGalleryEntryLoadsIt) {
    GalleryHand hand([](LessonGallery* dialog) {
        auto* list = Find<QListWidget>(dialog, "ExperimentList");
        QListWidgetItem* item = list->item(BinaryStar);
        const QRect place = list->visualItemRect(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    });
    form.Lessons_Click();
    ASSERT_TRUE(hand.opened);
    EXPECT_EQ(state.BodyMassPct(body::Jupiter), BinaryJupiterPct);
}

// The save dialogs: a name typed without its extension gets it in the dialog, and the dialog asks before
// it replaces the file of that full name.
TEST_F(Sources, ASaveDialogAsksBeforeReplacingTheFileWithItsExtension) {
    QFile existing(Path("run.csv"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    for (const bool replace : {false, true}) {
        BoxAnswer answer(replace ? "Yes" : "No");
        QString offered;
        test::ModalHand<QFileDialog> hand([&](QFileDialog* dialog) {
            dialog->setDirectory(dir.path());
            auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            offered = field->text();
            field->setText("run");
            QTest::keyClick(field, Qt::Key_Return);
            // Refused, the dialog stays open for another name.
            if (!replace)
                QTimer::singleShot(200, dialog, [dialog] {
                    if (dialog->isVisible()) dialog->reject();
                });
        });
        const QString path = ui::AskWhereToSave(
            &form, {"SaveCsvDialog", "Сохранить в CSV", "orvane.csv", "Таблицы CSV (*.csv)", "csv"});
        EXPECT_TRUE(hand.opened);
        EXPECT_EQ(offered, "orvane.csv"); // the name the dialog offers
        EXPECT_TRUE(answer.text.contains("run.csv")) << answer.text.toStdString(); // the full name
        EXPECT_EQ(path, replace ? Path("run.csv") : QString());
    }
    // The folder of that save is where the next dialog starts.
    test::ModalHand<QFileDialog> next([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->directory().absolutePath(), QDir(dir.path()).absolutePath());
        dialog->reject();
    });
    ui::AskWhereToSave(&form,
                       {"SaveImageDialog", "Сохранить изображение", "orvane.png", "PNG (*.png)", "png"});
    EXPECT_TRUE(next.opened);
}

TEST_F(Sources, AWriteProtectedFileIsNotReplacedAndTheUserIsTold) {
    const QString path = Path("kept.png");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    if (QFileInfo(path).isWritable()) GTEST_SKIP() << "the user may write any file";
    test::MessageCatcher catcher;
    EXPECT_FALSE(form.Picture1->SaveImage(path));
    EXPECT_EQ(catcher.texts.size(), 1);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "old");
}

} // namespace
} // namespace orvane
