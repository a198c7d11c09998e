#include "LessonGallery.h"

#include "Language.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

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

LessonGallery::LessonGallery(const std::vector<LessonEntry>& entries, QWidget* parent)
    : QDialog(parent), entries_(entries) {
    setObjectName(QStringLiteral("LessonGallery"));
    setWindowTitle(tr("Опыты для урока"));

    //: The label of the list of lesson experiments; & marks the mnemonic.
    auto* listLabel = new QLabel(tr("&Опыты:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ExperimentList"));
    listLabel->setBuddy(list_);
    for (const LessonEntry& entry : entries_)
        list_->addItem(Title(entry.experiment));
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

    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(list_, 1);
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

void LessonGallery::ShowDescription() {
    const int index = SelectedIndex();
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
