#include "Form3.h"

#include "AppStyle.h"
#include "Controls.h"
#include "GuideText.h"
#include "HelpText.h"
#include "Language.h"
#include "MessageBox.h"
#include "Twips.h"

#include <QEvent>
#include <QPlainTextEdit>

namespace orvane {

using ui::Named;
using ui::PlaceTw;

Form3::Form3() : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ui::WindowCaption);
    setWindowIcon(ui::AppIcon());
    setFixedSize(ui::Tw(6120), ui::Tw(4140));

    Text1 = Named<QPlainTextEdit>(QStringLiteral("Text1"), this);
    PlaceTw(Text1, 0, 0, 6135, 3495);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab leaves the text for "Закрыть" instead of being typed into it.
    Text1->setTabChangesFocus(true);

    auto* label2 = ui::MakeControl<ui::VbLabel>(
        this, "Label2",
        QT_TRANSLATE_NOOP("Captions",
                          "    Программа распространяется свободно, для некоммерческих целей          "),
        0, 3490, 6135, 255);
    label2->setAlignment(Qt::AlignCenter);
    auto* label1 = ui::MakeControl<ui::VbLabel>(
        this, "Label1",
        QT_TRANSLATE_NOOP(
            "Captions", "Разработчики Orvane2.0. Замечания и ошибки сообщайте через систему задач проекта."),
        0, 3720, 4575, 375);
    label1->setContentsMargins(ui::Tw(60), 0, 0, 0);

    auto* close = ui::MakeControl<ui::VbButton>(this, "Command1", QT_TRANSLATE_NOOP("Captions", "Закрыть"),
                                                5040, 3745, 975, 350);
    connect(close, &QPushButton::clicked, this, &Form3::Command1_Click);
    setTabOrder(Text1, close);

    Form_Load();
}

void Form3::Form_Load() {
    helpText_ = BuildHelpText();
    QString shown = helpText_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // The rest of the program follows the help of old, below it in the same box: the keys' table reads
    // as two columns at a tab stop wide enough for the longest key.
    Text1->setTabStopDistance(Text1->fontMetrics().horizontalAdvance(QStringLiteral("PageDown / PageUp")) +
                              12);
    Text1->setPlainText(shown + QStringLiteral("\n\n") + BuildGuideText());
}

void Form3::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui::RetranslateCaptions(this);
    Form_Load();
}

void Form3::Command1_Click() {
    close();
}

} // namespace orvane
