// The set-up window among the program's other windows: when the experiment window is open, and what its
// closing means for a set-up window the user closed meanwhile.
#include "Form1.h"
#include "Form2.h"
#include "WindowOps.h"

#include <QEvent>
#include <QTimer>

namespace orvane {

bool Form1::ExperimentWindowOpen() const {
    return form2_ != nullptr && !form2_->isHidden();
}

// The set-up window the user closed while the experiment ran only waits, hidden, for the save-and-return.
// When the experiment window closes first, nothing can bring the set-up window back: the program ends,
// with the help and every other window.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The others close once the experiment window's own closing is over, so that the last of them, not
    // the experiment window, is the program's last.
    // A window being destroyed is no longer a Form2 (its events then come from ~QWidget): the cast is
    // asked first, so the pointer is never read as a Form2 that is gone.
    if (event->type() == QEvent::Hide && qobject_cast<Form2*>(watched) != nullptr && watched == form2_ &&
        !event->spontaneous() && form2_->isHidden() && isHidden() &&
        testAttribute(Qt::WA_WState_ExplicitShowHide))
        QTimer::singleShot(0, this, [this] {
            if (isHidden() && !ExperimentWindowOpen()) ui::CloseOtherWindows(this);
        });
    return QWidget::eventFilter(watched, event);
}

} // namespace orvane
