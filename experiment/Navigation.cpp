// Navigation of the left screen and the speed of the run: every control here ends with one tick.
#include "Form2.h"
#include "PictureBox.h"
#include "VbSlider.h"

#include <QLabel>

namespace orvane {

// The pan buttons move the view by a quarter of its extent and draw at once.
void Form2::Pan(ExperimentView::Direction direction) {
    ClearScreensIf(View.Pan(direction));
    Command1_Click();
}

void Form2::Command2_Click() {
    Pan(ExperimentView::Direction::Left);
}

void Form2::Command8_Click() {
    Pan(ExperimentView::Direction::Right);
}

void Form2::Command3_Click() {
    Pan(ExperimentView::Direction::Up);
}

void Form2::Command7_Click() {
    Pan(ExperimentView::Direction::Down);
}

void Form2::Slider1_Scroll() {
    shared_.Options.StepDelayMs = ToInt16(Slider1->value());
    Command1_Click();
}

void Form2::Slider1_Change() {
    Label2->setText(tr("Замедление на шаге = %1 мс").arg(Slider1->value()));
}

void Form2::Slider2_Scroll() {
    ClearScreensIf(View.Zoom(Slider2->value()));
    Command1_Click();
}

void Form2::Slider2_Change() {
    //: The width of the left screen in millions of kilometres; keep it as short as the original.
    Label1->setText(tr("Размеры экрана = %1 млн.км").arg(Slider2->value()));
}

} // namespace orvane
