#include "GuiTestSupport.h"

#include "Bodies.h"
#include "Form1.h"
#include "Form2.h"
#include "ProgramWindows.h"
#include "StateLayout.h"
#include "Twips.h"

#include <QRadioButton>
#include <QTest>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;

struct SetupWindow : ::testing::Test {
    SimState state;
    ProgramWindows windows{state};
    Form1& form = windows.Setup();
    void SetUp() override {
        form.show();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (Form2* experiment = windows.ExperimentWindow()) experiment->close();
        QApplication::processEvents();
    }
};

TEST_F(SetupWindow, ShowsTheDefaultParameterTable) {
    test::ExpectDefaultAngles(&form);
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Text1(0)")), nullptr);  // no angle for the Sun
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("Text1(10)")), nullptr); // nor for the asteroid
    EXPECT_EQ(TextOf(&form, "Text2(0)"), "33316600");
    EXPECT_EQ(TextOf(&form, "Text2(1)"), test::Decimal("5.55"));
    EXPECT_EQ(TextOf(&form, "Text3(10)"), "-1000000");
    EXPECT_EQ(TextOf(&form, "Text4(10)"), "2000000");
    EXPECT_EQ(TextOf(&form, "Text5(1)"), "-55414");
    EXPECT_EQ(TextOf(&form, "Text3(3)"), "12821");
    EXPECT_EQ(TextOf(&form, "Text6(9)"), "-3073");
    EXPECT_EQ(state.LoopI, 11);
    EXPECT_EQ(state.SelectedBody, 0);
    EXPECT_EQ(form.windowTitle(), "Orvane2.0");
}

TEST_F(SetupWindow, LayoutAtItsTwipPositions) {
    EXPECT_EQ(form.size(), QSize(ui::Tw(11910), ui::Tw(8625)));
    EXPECT_EQ(Find(&form, "Command1")->geometry(), QRect(608, 336, 121, 25));
    EXPECT_EQ(Find(&form, "Picture1")->geometry(), QRect(16, 16, 347, 347));
    EXPECT_EQ(Find(&form, "Text6(10)")->geometry(), QRect(736, 552, 57, 19));
    EXPECT_EQ(Find(&form, "Option13")->parentWidget()->objectName(), "Frame2");
    EXPECT_EQ(Find<QAbstractButton>(&form, "Command2")->text(), "Загрузить данные  на  1.1.2000 года");
    EXPECT_EQ(Find<QLabel>(&form, "Label8")->text(),
              "   Задайте параметры    астероида      (если они          есть)");
    for (const char* name :
         {"Label1",   "Label2",   "Label3",   "Label4",   "Label5",   "Label6",   "Label7",
          "Label9",   "Label11",  "Image1",   "Image2",   "Command3", "Command4", "Command5",
          "Command6", "Command7", "Command8", "Picture2", "Frame1",   "Option15"})
        EXPECT_NE(form.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    for (int k = 1; k <= 9; ++k)
        EXPECT_NE(form.findChild<QWidget*>(QStringLiteral("Option%1").arg(k)), nullptr);
    test::ExpectCaptionsFit(&form);
    // Every label keeps the size its place gives it, also where the caption is a little too long.
    EXPECT_EQ(Find(&form, "Label11")->geometry(), QRect(ui::Tw(5520), 0, ui::Tw(4935), ui::Tw(255)));
    EXPECT_EQ(Find(&form, "Label1")->geometry(), QRect(ui::Tw(840), 0, ui::Tw(4215), ui::Tw(255)));
}

TEST_F(SetupWindow, OptionsStartSelectedAndSetStepAndDelay) {
    EXPECT_TRUE(Find<QRadioButton>(&form, "Option10")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(&form, "Option14")->isChecked());
    for (const char* body : {"Option15", "Option1", "Option5", "Option9"})
        EXPECT_FALSE(Find<QRadioButton>(&form, body)->isChecked());
    Click(&form, "Option12");
    EXPECT_EQ(state.Options.TimeStep, 8640);
    Click(&form, "Option11");
    EXPECT_EQ(state.Options.TimeStep, 86400);
    Click(&form, "Option10");
    EXPECT_EQ(state.Options.TimeStep, 172800);
    Click(&form, "Option13");
    EXPECT_EQ(state.Options.StepDelayMs, 2000);
    Click(&form, "Option14");
    EXPECT_EQ(state.Options.StepDelayMs, 1);
}

TEST_F(SetupWindow, PlanetCellsRefuseTypingSunAndAsteroidCellsAccept) {
    auto* planet = Find<QLineEdit>(&form, "Text3(4)");
    planet->setFocus();
    QTest::keyClicks(planet, "999");
    EXPECT_EQ(planet->text(), "169319");
    auto* sun = Find<QLineEdit>(&form, "Text3(0)");
    sun->selectAll();
    QTest::keyClicks(sun, "15");
    EXPECT_EQ(sun->text(), "15");
    auto* asteroid = Find<QLineEdit>(&form, "Text6(10)");
    EXPECT_FALSE(asteroid->isReadOnly());
    EXPECT_TRUE(Find<QLineEdit>(&form, "Text1(5)")->isReadOnly());
    EXPECT_EQ(state.BodyX(1), 0); // typing alone takes nothing over
}

TEST_F(SetupWindow, StartingAnExperimentPacksAndZeroesTheClocks) {
    state.SimTime = 5;
    state.ElapsedYears = 3;
    state.StateVec(state::X(body::Earth, body::Count)) = 0;
    Click(&form, "Command1");
    EXPECT_EQ(state.SimTime, 0);
    EXPECT_EQ(state.ElapsedYears, 0);
    EXPECT_EQ(state.ElapsedDays, 0);
    EXPECT_EQ(state.ElapsedDaysRem, 0);
    EXPECT_EQ(state.StateVec(state::X(body::Earth, body::Count)), 12821e6);
    EXPECT_EQ(state.LoopI, 12);
    ASSERT_NE(windows.ExperimentWindow(), nullptr);
    EXPECT_TRUE(windows.ExperimentWindow()->isVisible());
}

TEST(SetupWindowLocale, RussianDecimalComma) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    SimState state;
    ProgramWindows windows(state);
    Form1& form = windows.Setup();
    EXPECT_EQ(TextOf(&form, "Text2(1)"), "5,55");
    EXPECT_EQ(TextOf(&form, "Text2(0)"), "33316600");
    EXPECT_EQ(TextOf(&form, "Text5(1)"), "-55414");
    QLocale::setDefault(previous);
}

} // namespace
} // namespace orvane
