#pragma once

#include "LessonCatalogue.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QTextBrowser;

namespace orvane {

// «Опыты для урока»: the prepared experiments listed on the left (a teacher's own after the built-in ones,
// marked so), the chosen one's description on the right, «Загрузить» (Enter, or a double click) and
// «Отмена» (Escape); a teacher's own can be renamed and deleted here. A file that could not be read is
// listed by its name and marked so, with what is wrong in place of the description; it cannot be loaded,
// and a teacher's own can be deleted.
class LessonGallery : public QDialog {
    Q_OBJECT
  public:
    LessonGallery(std::vector<LessonEntry> entries, QWidget* parent = nullptr);

    // The experiments as listed now (after any renaming or deleting).
    const std::vector<LessonEntry>& Entries() const { return entries_; }
    // The chosen experiment, if it is the teacher's own: a new title written into its file; deleted with
    // its parameter file once the user agrees. False when nothing changed.
    bool RenameSelected(const QString& title);
    bool DeleteSelected();

    // The chosen experiment's place in the list, -1 when none.
    int SelectedIndex() const;
    void Select(int index);

    // The title and description in the language in effect, where the experiment's file has them in it.
    static QString Title(const LessonExperiment& experiment);
    static QString Description(const LessonExperiment& experiment);

  private:
    void ShowDescription();
    QString ListedTitle(const LessonEntry& entry) const;
    // The chosen entry, null when none is.
    const LessonEntry* Selected() const;
    void Rename_Click();
    void Load_Click();

    std::vector<LessonEntry> entries_;
    QPushButton* load_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* delete_ = nullptr;
    QListWidget* list_ = nullptr;
    QTextBrowser* description_ = nullptr;
};

} // namespace orvane
