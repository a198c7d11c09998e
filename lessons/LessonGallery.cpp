#include "LessonGallery.h"

#include "ErrorText.h"
#include "Language.h"
#include "MessageBox.h"
#include "SaveDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <utility>

namespace orvane {

namespace {

QString AccuracyText(Accuracy accuracy) {
    switch (accuracy) {
    case Accuracy::Medium:
        return LessonGallery::tr("средняя (шаг 1 сутки)");
    case Accuracy::High:
        return LessonGallery::tr("высокая (шаг 0,1 суток)");
    case Accuracy::Low:
        break;
    }
    return LessonGallery::tr("низкая (шаг 2 суток)");
}

QString SunText(std::optional<SunMode> sun) {
    //: The Sun's mode of a lesson experiment that sets none: whatever the experiment window shows.
    if (!sun) return LessonGallery::tr("как в окне эксперимента");
    return *sun == SunMode::Held ? LessonGallery::tr("закреплено («Отключено»)")
                                 : LessonGallery::tr("свободно («Включено»)");
}

} // namespace

namespace {
std::string LanguageInEffect() {
    return ui::LanguageCode(ui::CurrentLanguage()).toStdString();
}
} // namespace

QString LessonGallery::Title(const LessonExperiment& experiment) {
    return QString::fromStdString(TitleIn(experiment, LanguageInEffect()));
}

QString LessonGallery::Description(const LessonExperiment& experiment) {
    return QString::fromStdString(DescriptionIn(experiment, LanguageInEffect()));
}

QString LessonGallery::ListedTitle(const LessonEntry& entry) const {
    //: %1 is the name of an experiment's file that could not be read.
    if (!entry.Readable()) return tr("%1 (не читается)").arg(QFileInfo(entry.source).fileName());
    //: %1 is the title of a lesson experiment the teacher saved.
    return entry.own ? tr("%1 (свой опыт)").arg(Title(entry.experiment)) : Title(entry.experiment);
}

LessonGallery::LessonGallery(std::vector<LessonEntry> entries, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)) {
    setObjectName(QStringLiteral("LessonGallery"));
    setWindowTitle(tr("Опыты для урока"));

    //: The label of the list of lesson experiments; & marks the mnemonic.
    auto* listLabel = new QLabel(tr("&Опыты:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ExperimentList"));
    listLabel->setBuddy(list_);
    for (const LessonEntry& entry : entries_)
        list_->addItem(ListedTitle(entry));
    list_->setSpacing(2);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);

    auto* descriptionLabel = new QLabel(tr("Что показать, за чем следить, что измерить:"), this);
    description_ = new QTextBrowser(this);
    description_->setObjectName(QStringLiteral("ExperimentDescription"));
    description_->setOpenLinks(false);
    description_->setMinimumSize(440, 300);
    descriptionLabel->setBuddy(description_);

    load_ = new QPushButton(tr("Загрузить"), this);
    load_->setObjectName(QStringLiteral("LoadButton"));
    load_->setDefault(true);
    auto* cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    rename_ = new QPushButton(tr("Переименовать…"), this);
    rename_->setObjectName(QStringLiteral("RenameButton"));
    rename_->setAutoDefault(false);
    delete_ = new QPushButton(tr("Удалить"), this);
    delete_->setObjectName(QStringLiteral("DeleteButton"));
    delete_->setAutoDefault(false);
    auto* ownButtons = new QHBoxLayout;
    ownButtons->addWidget(rename_);
    ownButtons->addWidget(delete_);

    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(list_, 1);
    left->addLayout(ownButtons);
    auto* right = new QVBoxLayout;
    right->addWidget(descriptionLabel);
    right->addWidget(description_, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(load_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowDescription(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Load_Click(); });
    connect(load_, &QPushButton::clicked, this, [this] { Load_Click(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rename_, &QPushButton::clicked, this, [this] { Rename_Click(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteSelected(); });

    Select(0);
    list_->setFocus();
}

int LessonGallery::SelectedIndex() const {
    return list_->currentRow();
}

const LessonEntry* LessonGallery::Selected() const {
    const int index = SelectedIndex();
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[static_cast<std::size_t>(index)];
}

// A file that could not be read has nothing to load.
void LessonGallery::Load_Click() {
    if (const LessonEntry* entry = Selected(); entry != nullptr && entry->Readable()) accept();
}

void LessonGallery::Select(int index) {
    if (index >= 0 && index < list_->count()) list_->setCurrentRow(index);
    ShowDescription();
}

void LessonGallery::Rename_Click() {
    const int index = SelectedIndex();
    if (index < 0 || !entries_[static_cast<std::size_t>(index)].own ||
        !entries_[static_cast<std::size_t>(index)].Readable())
        return;
    bool ok = false;
    const QString title = QInputDialog::getText(
        this, tr("Переименовать опыт"), tr("Новое название:"), QLineEdit::Normal,
        QString::fromStdString(entries_[static_cast<std::size_t>(index)].experiment.title), &ok);
    if (ok) RenameSelected(title);
}

bool LessonGallery::RenameSelected(const QString& title) {
    const int index = SelectedIndex();
    if (index < 0 || title.trimmed().isEmpty()) return false;
    LessonEntry& entry = entries_[static_cast<std::size_t>(index)];
    if (!entry.own || !entry.Readable()) return false;
    LessonExperiment renamed = entry.experiment;
    renamed.title = title.trimmed().toStdString();
    if (!ui::SaveWholeFile(this, entry.source, QByteArray::fromStdString(FormatLessonExperiment(renamed)),
                           SavedFile::Lesson))
        return false;
    entry.experiment = renamed;
    list_->item(index)->setText(ListedTitle(entry));
    ShowDescription();
    return true;
}

bool LessonGallery::DeleteSelected() {
    const int index = SelectedIndex();
    if (index < 0 || !entries_[static_cast<std::size_t>(index)].own) return false;
    const LessonEntry& entry = entries_[static_cast<std::size_t>(index)];
    // A file read no further than its fault names no parameter file, so it goes alone.
    const bool namesParameters = !entry.experiment.parameterFile.empty();
    QMessageBox ask(
        QMessageBox::Question, ui::WindowCaption,
        namesParameters
            ? tr("Удалить опыт «%1» вместе с его файлом параметров?").arg(Title(entry.experiment))
            : tr("Удалить файл опыта «%1», который не читается?").arg(QFileInfo(entry.source).fileName()),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setObjectName(QStringLiteral("DeleteLessonQuestion"));
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() != QMessageBox::Yes) return false;
    const QString parameters =
        QFileInfo(entry.source).dir().filePath(QString::fromStdString(entry.experiment.parameterFile));
    std::error_code removal;
    if (!std::filesystem::remove(QFile::encodeName(entry.source).toStdString(), removal)) {
        ui::ShowMessage(this, ui::ErrorText({.code = ErrorCode::LessonNotDeleted,
                                             .path = QDir::toNativeSeparators(entry.source).toStdString(),
                                             .osError = removal ? removal.value() : ENOENT}));
        return false;
    }
    // Another experiment of the teacher's may name the same parameter file.
    const bool shared = std::any_of(entries_.begin(), entries_.end(), [&](const LessonEntry& other) {
        return &other != &entry && other.own &&
               QFileInfo(other.source)
                       .dir()
                       .filePath(QString::fromStdString(other.experiment.parameterFile)) == parameters;
    });
    if (namesParameters && !shared) QFile::remove(parameters);
    entries_.erase(entries_.begin() + index);
    delete list_->takeItem(index);
    ShowDescription();
    return true;
}

void LessonGallery::ShowDescription() {
    const LessonEntry* entry = Selected();
    const bool own = entry != nullptr && entry->own;
    const bool readable = entry != nullptr && entry->Readable();
    load_->setEnabled(readable);
    rename_->setEnabled(own && readable);
    delete_->setEnabled(own);
    if (entry == nullptr) {
        description_->clear();
        return;
    }
    if (!readable) {
        description_->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>")
                                  .arg(ListedTitle(*entry).toHtmlEscaped(), entry->error.toHtmlEscaped()));
        return;
    }
    const LessonExperiment& experiment = entry->experiment;
    //: %1 is the accuracy with its step, %2 the Sun's mode: held ("Off") or free ("On").
    const QString settings = tr("Точность решения: %1. Солнце: %2.")
                                 .arg(AccuracyText(experiment.accuracy), SunText(experiment.sun));
    description_->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p><p><i>%3</i></p>")
                              .arg(Title(experiment).toHtmlEscaped(), Description(experiment).toHtmlEscaped(),
                                   settings.toHtmlEscaped()));
}

} // namespace orvane
