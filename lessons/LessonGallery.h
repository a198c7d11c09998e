#pragma once

#include "LessonCatalogue.h"

#include <QDialog>

class QListWidget;
class QTextBrowser;

namespace orvane {

// «Опыты для урока»: the prepared experiments listed on the left, the chosen one's description on the
// right, «Загрузить» (Enter, or a double click) and «Отмена» (Escape).
class LessonGallery : public QDialog {
    Q_OBJECT
  public:
    LessonGallery(const std::vector<LessonEntry>& entries, QWidget* parent = nullptr);

    // The chosen experiment's place in the list, -1 when none.
    int SelectedIndex() const;
    void Select(int index);

    // The title and description in the language in effect, where the experiment's file has them in it.
    static QString Title(const LessonExperiment& experiment);
    static QString Description(const LessonExperiment& experiment);

  private:
    void ShowDescription();

    const std::vector<LessonEntry>& entries_;
    QListWidget* list_ = nullptr;
    QTextBrowser* description_ = nullptr;
};

} // namespace orvane
