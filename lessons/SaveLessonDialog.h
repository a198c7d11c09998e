#pragma once

#include "LessonExperiment.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvane {

// «Сохранить как опыт для урока»: the title and description a teacher types, in Russian and, if they
// like, in English; the rest of the experiment is the set-up window's.
class SaveLessonDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SaveLessonDialog(QWidget* parent = nullptr);

    // The typed texts put into the experiment's title and descriptions (English ones only when typed).
    void FillTexts(LessonExperiment& lesson) const;

  private:
    QLineEdit* title_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
    QLineEdit* titleEn_ = nullptr;
    QPlainTextEdit* descriptionEn_ = nullptr;
    QPushButton* save_ = nullptr;
};

// Saves a teacher's experiment into `folder` as "<name>.experiment" beside "<name>.dat", the name made
// from the title. An experiment of that name is replaced only when the user agrees; both files go
// through the atomic writer. A failure is shown over `parent`. The description file's path when saved,
// empty otherwise.
QString SaveUserLesson(QWidget* parent, const QString& folder, LessonExperiment lesson,
                       const ParameterRows& rows);

} // namespace orvane
