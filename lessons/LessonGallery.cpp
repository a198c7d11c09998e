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

    auto* load = new QPushButton(tr("Загрузить"), this);
    load->setObjectName(QStringLiteral("LoadButton"));
    load->setDefault(true);
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
    buttons->addWidget(load);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(list_, &QListWidget::currentRowChanged, this, [this] { ShowDescription(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(load, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rename_, &QPushButton::clicked, this, [this] { Rename_Click(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(list_, &QListWidget::currentRowChanged, load,
            [this, load] { load->setEnabled(SelectedIndex() >= 0); });
    load->setEnabled(!entries_.empty());

    Select(0);
    list_->setFocus();
}

int LessonGallery::SelectedIndex() const {
    return list_->currentRow();
}

void LessonGallery::Select(int index) {
    if (index >= 0 && index < list_->count()) list_->setCurrentRow(index);
    ShowDescription();
}

void LessonGallery::Rename_Click() {
    const int index = SelectedIndex();
    if (index < 0 || !entries_[static_cast<std::size_t>(index)].own) return;
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
    if (!entry.own) return false;
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
    QMessageBox ask(QMessageBox::Question, ui::WindowCaption,
                    tr("Удалить опыт «%1» вместе с его файлом параметров?").arg(Title(entry.experiment)),
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
    if (!shared) QFile::remove(parameters);
    entries_.erase(entries_.begin() + index);
    delete list_->takeItem(index);
    ShowDescription();
    return true;
}

void LessonGallery::ShowDescription() {
    const int index = SelectedIndex();
    const bool own = index >= 0 && index < static_cast<int>(entries_.size()) &&
                     entries_[static_cast<std::size_t>(index)].own;
    rename_->setEnabled(own);
    delete_->setEnabled(own);
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        description_->clear();
        return;
    }
    const LessonExperiment& experiment = entries_[static_cast<std::size_t>(index)].experiment;
    //: %1 is the accuracy with its step, %2 the Sun's mode: held ("Off") or free ("On").
    const QString settings = tr("Точность решения: %1. Солнце: %2.")
                                 .arg(AccuracyText(experiment.accuracy), SunText(experiment.sun));
    description_->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p><p><i>%3</i></p>")
                              .arg(Title(experiment).toHtmlEscaped(), Description(experiment).toHtmlEscaped(),
                                   settings.toHtmlEscaped()));
}

} // namespace orvane
