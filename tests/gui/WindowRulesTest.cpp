// How the program's windows behave as windows: each group of option buttons chooses exactly one, a window
// the program shows comes back from minimized, and closing the set-up window ends the program unless the
// experiment window can still bring it back.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"
#include "ProgramWindows.h"
#include "VbTimer.h"

#include <QRadioButton>
#include <QSignalSpy>

namespace orvane {
namespace {

using test::Click;
using test::Find;

// The option buttons of a window that are checked, by name.
QStringList Checked(QWidget* window) {
    QStringList names;
    for (auto* option : window->findChildren<QRadioButton*>())
        if (option->isChecked()) names << option->objectName();
    names.sort();
    return names;
}

// Every option button of the window belongs to one of the groups. Clicking through each group, forth and
// back and each button twice, leaves exactly the clicked button chosen in its group and every other
// group as it was.
void ExpectExclusiveGroups(QWidget* window, const QList<QStringList>& groups) {
    QStringList listed;
    for (const QStringList& group : groups)
        listed += group;
    for (auto* option : window->findChildren<QRadioButton*>())
        EXPECT_TRUE(listed.contains(option->objectName()))
            << option->objectName().toStdString() << " belongs to no group the test knows";
    for (const QStringList& group : groups) {
        QStringList order = group;
        for (auto it = group.crbegin(); it != group.crend(); ++it)
            order << *it;
        for (const QString& name : order) {
            QStringList othersBefore = Checked(window);
            othersBefore.removeIf([&](const QString& n) { return group.contains(n); });
            for (int twice = 0; twice < 2; ++twice) {
                Click(window, name);
                QStringList expected = othersBefore;
                expected << name;
                expected.sort();
                EXPECT_EQ(Checked(window), expected) << "after clicking " << name.toStdString();
            }
        }
    }
}

struct Windows : ::testing::Test {
    SimState state;
    ProgramWindows windows{state};
    Form1& setup = windows.Setup();
    void SetUp() override { setup.show(); }
    void TearDown() override { driver::CloseOpenedWindows(windows); }
    Form2* Experiment() { return driver::StartExperiment(windows); }
};

TEST_F(Windows, TheBodyButtonsAreOneGroup) {
    // Nothing is chosen at first; then each click chooses one body, and clicking it again keeps it.
    EXPECT_EQ(Checked(&setup), (QStringList{"Option10", "Option14"}));
    const struct {
        const char* name;
        Integer body;
    } clicks[] = {{"Option15", 1}, {"Option4", 5}, {"Option3", 4}, {"Option3", 4}, {"Option9", 10}};
    for (const auto& click : clicks) {
        Click(&setup, click.name);
        EXPECT_EQ(Checked(&setup), (QStringList{"Option10", "Option14", click.name})) << click.name;
        EXPECT_EQ(state.SelectedBody, click.body) << click.name;
    }
}

TEST_F(Windows, EveryGroupOfOptionsChoosesExactlyOne) {
    ExpectExclusiveGroups(&setup, {{"Option15", "Option1", "Option2", "Option3", "Option4", "Option5",
                                    "Option6", "Option7", "Option8", "Option9"},
                                   {"Option10", "Option11", "Option12"},
                                   {"Option13", "Option14"}});
    Form2* experiment = Experiment();
    ASSERT_NE(experiment, nullptr);
    EXPECT_EQ(Checked(experiment), QStringList{"Option1"});
    ExpectExclusiveGroups(experiment, {{"Option1", "Option2"}});
}

TEST_F(Windows, ShowingAWindowRestoresItFromMinimized) {
    Form2* experiment = Experiment();
    ASSERT_NE(experiment, nullptr);

    // "Изменить параметры объектов (сохранить)" with the set-up window minimized.
    setup.showMinimized();
    ASSERT_TRUE(setup.isMinimized());
    Click(experiment, "Command9");
    EXPECT_FALSE(setup.isMinimized());
    EXPECT_TRUE(setup.isVisible());

    // "Начать эксперимент" with the experiment window minimized.
    experiment->showMinimized();
    Click(&setup, "Command1");
    EXPECT_EQ(windows.ExperimentWindow(), experiment);
    EXPECT_FALSE(experiment->isMinimized());

    // "About" with the help window minimized.
    Click(&setup, "Command8");
    Form3* help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    help->showMinimized();
    Click(&setup, "Command8");
    EXPECT_EQ(windows.HelpWindow(), help);
    EXPECT_FALSE(help->isMinimized());

    // The measurements window the same way.
    auto* measurements = driver::OpenMeasurements(experiment);
    ASSERT_NE(measurements, nullptr);
    measurements->showMinimized();
    experiment->MeasureAction->trigger();
    EXPECT_FALSE(measurements->isMinimized());
    EXPECT_TRUE(measurements->isVisible());
}

// The program's event loop runs the given closing; true when the program ended (the loop returned 0) before
// the time limit.
template <typename Closing>
bool ProgramEndsAfter(Closing closing) {
    QTimer::singleShot(0, closing);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QApplication::exit(1); });
    limit.start(10000);
    return QApplication::exec() == 0;
}

TEST_F(Windows, ClosingTheSetupWindowWithOnlyTheHelpOpenEndsTheProgram) {
    Click(&setup, "Command8");
    QPointer<Form3> help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    EXPECT_TRUE(ProgramEndsAfter([&] { setup.close(); }));
    EXPECT_TRUE(help == nullptr || !help->isVisible());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_EQ(lastClosed.count(), 1);
}

TEST_F(Windows, WhileTheExperimentRunsTheSetupWindowOnlyHidesAndItsEndEndsTheProgram) {
    Click(&setup, "Command8");
    QPointer<Form3> help = windows.HelpWindow();
    QPointer<Form2> experiment = Experiment();
    ASSERT_NE(experiment, nullptr);
    QPointer<QWidget> measurements = driver::OpenMeasurements(experiment);
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);

    // Hidden, waiting for the save-and-return; help and measurements stay.
    EXPECT_TRUE(setup.close());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(measurements->isVisible());
    EXPECT_TRUE(experiment->isVisible());

    // Closing the experiment window leaves nothing that could bring the set-up window back: the program
    // ends, the help window with it.
    EXPECT_TRUE(ProgramEndsAfter([&] { experiment->close(); }));
    EXPECT_TRUE(help == nullptr || !help->isVisible());
    EXPECT_TRUE(measurements == nullptr || !measurements->isVisible());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_EQ(lastClosed.count(), 1);
}

TEST_F(Windows, ExitClosesEveryWindow) {
    Click(&setup, "Command8");
    QPointer<Form3> help = windows.HelpWindow();
    QPointer<Form2> experiment = Experiment();
    ASSERT_NE(experiment, nullptr);
    EXPECT_TRUE(ProgramEndsAfter([&] { Click(experiment, "Command6"); }));
    EXPECT_TRUE(help == nullptr || !help->isVisible());
    EXPECT_FALSE(setup.isVisible());
}

TEST_F(Windows, AClosedSetupWindowShownAgainIsWhereItWas) {
    setup.move(123, 87);
    const QPoint place = setup.pos();
    Form2* experiment = Experiment();
    ASSERT_NE(experiment, nullptr);
    setup.close();
    ASSERT_FALSE(setup.isVisible());
    Click(experiment, "Command9");
    EXPECT_TRUE(setup.isVisible());
    EXPECT_EQ(setup.pos(), place);
}

TEST_F(Windows, EnterOnAFocusedButtonPressesIt) {
    Form2* experiment = Experiment();
    ASSERT_NE(experiment, nullptr);
    Click(&setup, "Command8");
    QPointer<Form3> help = windows.HelpWindow();
    ASSERT_NE(help, nullptr);
    // Buttons whose press changes nothing a later press depends on; the last one closes its window.
    const QList<QPair<QWidget*, const char*>> buttons{{&setup, "Command7"},     {&setup, "Command5"},
                                                      {experiment, "Command4"}, {experiment, "Command3"},
                                                      {experiment, "Command5"}, {experiment, "Command4"},
                                                      {help.data(), "Command1"}};
    for (const auto& [window, name] : buttons) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            if (!window->isVisible()) break;
            auto* button = Find<QAbstractButton>(window, QString::fromLatin1(name));
            QSignalSpy clicked(button, &QAbstractButton::clicked);
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, key);
            EXPECT_EQ(clicked.count(), 1) << window->objectName().toStdString() << " " << name;
        }
    }
    EXPECT_TRUE(help == nullptr || !help->isVisible()); // «Закрыть» by Enter
    EXPECT_FALSE(experiment->Timer1->Delivering());     // «Пауза» by Enter
}

// The set-up window opens no window of its own: its commands ask the composition, and a set-up window
// built without one opens nothing. Built as main builds it, the composition opens the experiment window
// with its measurements and the help, each once, and several programs in one process keep to their own.
TEST(Composition, TheSetupWindowAsksAndTheCompositionOpensTheWindows) {
    const auto count = [](auto* kind) {
        int n = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<decltype(kind)>(window) != nullptr && window->isVisible()) ++n;
        return n;
    };
    SimState aloneState;
    Form1 alone(aloneState);
    alone.show();
    Click(&alone, "Command1");
    Click(&alone, "Command8");
    EXPECT_EQ(count(static_cast<Form2*>(nullptr)), 0);
    EXPECT_EQ(count(static_cast<Form3*>(nullptr)), 0);
    EXPECT_EQ(aloneState.LoopI, 12); // the start is packed all the same

    driver::Program first;
    driver::Program second;
    Form2* experiment = driver::StartExperiment(first.windows);
    ASSERT_NE(experiment, nullptr);
    EXPECT_TRUE(experiment->isVisible());
    EXPECT_NE(driver::MeasurementsOf(experiment), nullptr);
    EXPECT_EQ(second.windows.ExperimentWindow(), nullptr);
    Click(&first.setup, "Command1");
    EXPECT_EQ(first.windows.ExperimentWindow(), experiment);
    EXPECT_EQ(count(static_cast<Form2*>(nullptr)), 1);
    // F1 in one program's window opens that program's help alone.
    QTest::keyClick(&first.setup, Qt::Key_F1);
    ASSERT_NE(first.windows.HelpWindow(), nullptr);
    EXPECT_EQ(second.windows.HelpWindow(), nullptr);
    first.windows.HelpWindow()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Click(&second.setup, "Command8");
    EXPECT_EQ(first.windows.HelpWindow(), nullptr);
    ASSERT_NE(second.windows.HelpWindow(), nullptr);
    EXPECT_TRUE(second.windows.HelpWindow()->isVisible());

    // The experiment window's save-and-return brings its own set-up window back, no other.
    first.setup.hide();
    second.setup.hide();
    Click(experiment, "Command9");
    EXPECT_TRUE(first.setup.isVisible());
    EXPECT_FALSE(second.setup.isVisible());
    driver::CloseOpenedWindows(first.windows);
    driver::CloseOpenedWindows(second.windows);
}

} // namespace
} // namespace orvane
