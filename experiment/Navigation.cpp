// Navigation of the left screen and the speed of the run: every control here ends with one tick.
#include "Form2.h"
#include "PictureBox.h"
#include "VbSlider.h"

#include <QLabel>

namespace orvane {

// The pan buttons move the view by a quarter of its extent, wipe both screens and draw at once.
void Form2::Command2_Click() {
    ZoomCenterX = ZoomCenterX - shared_.ZoomHalfX / 2;
    ClearScreens();
    Command1_Click();
}

void Form2::Command8_Click() {
    ZoomCenterX = ZoomCenterX + shared_.ZoomHalfX / 2;
    ClearScreens();
    Command1_Click();
}

void Form2::Command3_Click() {
    ZoomCenterY = ZoomCenterY + shared_.ZoomHalfY / 2;
    ClearScreens();
    Command1_Click();
}

void Form2::Command7_Click() {
    ZoomCenterY = ZoomCenterY - shared_.ZoomHalfY / 2;
    ClearScreens();
    Command1_Click();
}

void Form2::Slider1_Scroll() {
    shared_.StepDelayMs = ToInt16(Slider1->value());
    Command1_Click();
}

void Form2::Slider1_Change() {
    Label2->setText(tr("Замедление на шаге = %1 мс").arg(Slider1->value()));
}

void Form2::Slider2_Scroll() {
    shared_.ZoomHalfX = Slider2->value() / 2.0;
    shared_.ZoomHalfY = Slider2->value() / 2.0;
    ClearScreens();
    Command1_Click();
}

void Form2::Slider2_Change() {
    Label1->setText(tr("Размеры экрана = %1 млн.км").arg(Slider2->value()));
}

} // namespace orvane
