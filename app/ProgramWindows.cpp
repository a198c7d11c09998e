#include "ProgramWindows.h"

#include "ExperimentStart.h"
#include "Form2.h"
#include "Form3.h"
#include "LessonCatalogue.h"
#include "LessonGallery.h"
#include "MeasurementsController.h"
#include "WindowOps.h"

#include <QEvent>
#include <QRadioButton>
#include <QTimer>

#include <utility>

namespace orvane {

namespace {
// A window closed by its frame is deleted once the event loop gets to it; until then it only lies
// hidden. A start in between must create a window afresh rather than show the one about to go.
template <typename Window>
void ForgetIfClosed(QPointer<Window>& window) {
    if (window != nullptr && window->isHidden()) window = nullptr;
}
} // namespace

ProgramWindows::ProgramWindows(SimState& state) : state_(state), setup_(state) {
    setup_.SetOtherWindows(this);
}

// The experiment and help windows are top-level windows without a parent: the composition, which lives
// as long as the program, deletes those still open. A window closed before has deleted itself.
ProgramWindows::~ProgramWindows() {
    if (experiment_ != nullptr) experiment_->removeEventFilter(this);
    delete experiment_.data();
    delete help_.data();
    setup_.SetOtherWindows(nullptr);
}

Form2* ProgramWindows::ExperimentWindow() const {
    return experiment_;
}

Form3* ProgramWindows::HelpWindow() const {
    return help_;
}

bool ProgramWindows::ExperimentWindowOpen() const {
    return experiment_ != nullptr && !experiment_->isHidden();
}

void ProgramWindows::StartExperiment(std::optional<SunMode> sun) {
    ForgetIfClosed(experiment_);
    if (experiment_ == nullptr) {
        experiment_ = new Form2(state_);
        experiment_->installEventFilter(this); // its closing may end the program, see eventFilter
        measure::AttachMeasurements(*experiment_);
        // The save-and-return brings the set-up window back with the run's state; «Выход» takes it along.
        connect(experiment_, &Form2::WroteBack, &setup_, [this] { ui::ShowModeless(&setup_); });
        connect(experiment_, &Form2::Leaving, &setup_, [this] { setup_.close(); });
    }
    experiment_->StartFrom(state_);
    if (sun) {
        QRadioButton* option = *sun == SunMode::Free ? experiment_->Option2 : experiment_->Option1;
        if (!option->isChecked()) option->click();
    }
    ui::ShowModeless(experiment_);
}

void ProgramWindows::OpenHelp() {
    ForgetIfClosed(help_);
    if (help_ == nullptr) help_ = new Form3;
    ui::ShowModeless(help_);
}

void ProgramWindows::OpenLessons() {
    LessonCatalogue catalogue = ReadLessonCatalogue({BuiltInLessonFolder, UserLessonFolder()});
    LessonGallery gallery(std::move(catalogue.entries), &setup_);
    if (gallery.exec() != QDialog::Accepted) return;
    const int index = gallery.SelectedIndex();
    if (index < 0 || index >= static_cast<int>(gallery.Entries().size())) return;
    const LessonEntry& entry = gallery.Entries()[static_cast<std::size_t>(index)];
    if (!entry.Readable()) return;
    setup_.LoadLesson(entry.experiment, entry.rows);
}

std::optional<SunMode> ProgramWindows::ExperimentSunMode() const {
    if (experiment_ == nullptr) return std::nullopt;
    return experiment_->Option2->isChecked() ? SunMode::Free : SunMode::Held;
}

void ProgramWindows::ShowMethod() {
    if (experiment_ != nullptr) experiment_->ShowMethod();
}

// Closing the set-up window only hides it while the experiment window is open: it waits for the
// experiment window's save-and-return. Without an experiment window nothing could bring it back, so the
// help and every other window close with it and the program ends.
void ProgramWindows::SetupClosed() {
    if (!ExperimentWindowOpen()) ui::CloseOtherWindows(&setup_);
}

// The set-up window the user closed while the experiment ran only waits, hidden, for the save-and-return.
// When the experiment window closes after it, nothing can bring the set-up window back: the program ends,
// with the help and every other window.
bool ProgramWindows::eventFilter(QObject* watched, QEvent* event) {
    // The others close once the experiment window's own closing is over, so that the last of them, not
    // the experiment window, is the program's last.
    // A window being destroyed is no longer a Form2 (its events then come from ~QWidget): the cast is
    // asked first, so the pointer is never read as a Form2 that is gone.
    if (event->type() == QEvent::Hide && qobject_cast<Form2*>(watched) != nullptr && watched == experiment_ &&
        !event->spontaneous() && experiment_->isHidden() && setup_.isHidden() &&
        setup_.testAttribute(Qt::WA_WState_ExplicitShowHide))
        QTimer::singleShot(0, &setup_, [this] {
            if (setup_.isHidden() && !ExperimentWindowOpen()) ui::CloseOtherWindows(&setup_);
        });
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
