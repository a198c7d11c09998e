#include "SaveLessonDialog.h"

#include "ErrorText.h"
#include "MessageBox.h"
#include "SaveDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>
#include <filesystem>

namespace orvane {

namespace {

// A file name from a title: its letters and digits, any other run of characters one hyphen.
QString FileNameOf(const QString& title) {
    QString name;
    for (const QChar c : title.trimmed()) {
        if (c.isLetterOrNumber())
            name += c.toLower();
        else if (!name.isEmpty() && !name.endsWith(QLatin1Char('-')))
            name += QLatin1Char('-');
    }
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("opyt") : name.left(80);
}

} // namespace

SaveLessonDialog::SaveLessonDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SaveLessonDialog"));
    setWindowTitle(tr("Сохранить как опыт для урока"));

    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("LessonTitle"));
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("LessonDescription"));
    description_->setTabChangesFocus(true);
    titleEn_ = new QLineEdit(this);
    titleEn_->setObjectName(QStringLiteral("LessonTitleEn"));
    descriptionEn_ = new QPlainTextEdit(this);
    descriptionEn_->setObjectName(QStringLiteral("LessonDescriptionEn"));
    descriptionEn_->setTabChangesFocus(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Название:"), title_);
    form->addRow(tr("&Описание — что показать, за чем следить:"), description_);
    form->addRow(tr("Название по-английски (можно не заполнять):"), titleEn_);
    form->addRow(tr("Описание по-английски:"), descriptionEn_);

    auto* note = new QLabel(tr("Сохраняются массы всех тел, положения и скорости без округления, точность "
                               "решения и режим Солнца. Опыт появится в «Опытах для урока» после "
                               "встроенных."),
                            this);
    note->setWordWrap(true);

    save_ = new QPushButton(tr("Сохранить"), this);
    save_->setObjectName(QStringLiteral("SaveButton"));
    save_->setDefault(true);
    save_->setEnabled(false);
    auto* cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
    resize(560, 420);

    // Without a title the gallery would have nothing to list it by.
    connect(title_, &QLineEdit::textChanged, this,
            [this] { save_->setEnabled(!title_->text().trimmed().isEmpty()); });
    connect(save_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    title_->setFocus();
}

void SaveLessonDialog::FillTexts(LessonExperiment& lesson) const {
    lesson.title = title_->text().trimmed().toStdString();
    lesson.description = description_->toPlainText().trimmed().toStdString();
    lesson.titleIn.clear();
    lesson.descriptionIn.clear();
    if (!titleEn_->text().trimmed().isEmpty())
        lesson.titleIn["en"] = titleEn_->text().trimmed().toStdString();
    if (!descriptionEn_->toPlainText().trimmed().isEmpty())
        lesson.descriptionIn["en"] = descriptionEn_->toPlainText().trimmed().toStdString();
}

QString SaveUserLesson(QWidget* parent, const QString& folder, LessonExperiment lesson,
                       const ParameterRows& rows) {
    std::error_code made;
    if (!folder.isEmpty()) std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), made);
    if (folder.isEmpty() || made) {
        ui::ShowMessage(parent, ui::ErrorText({.code = ErrorCode::LessonFolderNotCreated,
                                               .path = QDir::toNativeSeparators(folder).toStdString(),
                                               .osError = made ? made.value() : ENOENT}));
        return {};
    }
    const QString name = FileNameOf(QString::fromStdString(lesson.title));
    const QDir dir(folder);
    const QString description = dir.filePath(name + QStringLiteral(".experiment"));
    const QString parameters = dir.filePath(name + QStringLiteral(".dat"));
    if (QFileInfo::exists(description) || QFileInfo::exists(parameters)) {
        QMessageBox ask(QMessageBox::Question, ui::WindowCaption,
                        SaveLessonDialog::tr("Опыт «%1» уже есть. Заменить его?")
                            .arg(QString::fromStdString(lesson.title)),
                        QMessageBox::Yes | QMessageBox::No, parent);
        ask.setObjectName(QStringLiteral("ReplaceLessonQuestion"));
        ask.setDefaultButton(QMessageBox::No);
        if (ask.exec() != QMessageBox::Yes) return {};
    }
    lesson.parameterFile = QFileInfo(parameters).fileName().toStdString();
    // The parameters first: a description never names a file that is not there yet.
    if (!ui::SaveWholeFile(parent, parameters, QByteArray::fromStdString(FormatRowsInFull(rows)),
                           SavedFile::Lesson) ||
        !ui::SaveWholeFile(parent, description, QByteArray::fromStdString(FormatLessonExperiment(lesson)),
                           SavedFile::Lesson))
        return {};
    return description;
}

} // namespace orvane
