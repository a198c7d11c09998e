#include "GuiTestSupport.h"

#include "Form1.h"
#include "Form3.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace orvane {
namespace {

using test::Click;
using test::Find;

TEST(HelpWindow, OpensWithTheWholeTextOnceAndAgain) {
    SimState state;
    Form1 setup(state);
    setup.show();
    Click(&setup, "Command8");
    QPointer<Form3> help = setup.HelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Orvane2.0");
    const QString built = help->HelpText();
    EXPECT_TRUE(built.startsWith("    При загрузке программы"));
    EXPECT_TRUE(built.endsWith("с начала эксперимент"));
    EXPECT_EQ(built.count("\r\n"), 5);
    EXPECT_TRUE(built.contains("масштабетак, чтобы")); // two pieces that join without a blank
    EXPECT_TRUE(built.contains("кнопку ”изменить”,а когда"));
    EXPECT_TRUE(built.contains("устоновить"));
    const QString shown = Find<QPlainTextEdit>(help, "Text1")->toPlainText();
    EXPECT_EQ(shown.count('\n'), 5);
    EXPECT_TRUE(shown.startsWith("    При загрузке программы"));
    EXPECT_FALSE(Find<QPlainTextEdit>(help, "Text1")->isReadOnly());
    EXPECT_TRUE(Find<QLabel>(help, "Label2")->text().startsWith("    Программа"));
    EXPECT_TRUE(Find<QLabel>(help, "Label2")->text().endsWith("целей          "));
    test::ExpectCaptionsFit(help);

    EXPECT_EQ(help->parentWidget(), nullptr);
    // Tab leaves the text box for "Закрыть" and types nothing.
    auto* text = Find<QPlainTextEdit>(help, "Text1");
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(help->focusWidget(), Find<QWidget>(help, "Command1"));
    EXPECT_EQ(text->toPlainText(), shown);

    Click(&setup, "Command8"); // open: only brought forward
    EXPECT_EQ(setup.HelpWindow(), help.data());

    Click(help, "Command1");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help, nullptr);
    Click(&setup, "Command8");
    ASSERT_NE(setup.HelpWindow(), nullptr);
    EXPECT_EQ(setup.HelpWindow()->HelpText(), built);
    EXPECT_EQ(Find<QPlainTextEdit>(setup.HelpWindow(), "Text1")->toPlainText(), shown);
    setup.HelpWindow()->close();
}

} // namespace
} // namespace orvane
