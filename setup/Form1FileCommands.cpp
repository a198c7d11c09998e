// The set-up window's parameter files of any name (open, save as, the recent ones, the file named on the
// command line) and the gallery of experiments prepared for lessons. The buttons «Загрузить данные из
// файла №1» and «Сохранить данные в файле №1» keep to their own file; these commands sit in their
// right-click menus and on shortcuts of the window.
#include "BodyTableRows.h"
#include "ErrorText.h"
#include "Form1.h"
#include "Guard.h"
#include "LessonCatalogue.h"
#include "MessageBox.h"
#include "PictureBox.h"
#include "RecentFiles.h"
#include "SaveLessonDialog.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <utility>

namespace orvane {

namespace {

// A file dialog for parameter files, in the folder last used. Qt's own dialog, the same on every
// desktop; its labels and buttons come from Qt's translations, installed with the program's language.
QString AskForParameterFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(
        parent, saving ? Form1::tr("Сохранить файл параметров как") : Form1::tr("Открыть файл параметров"),
        LastParameterFolder());
    dialog.setObjectName(saving ? QStringLiteral("SaveParameterFileDialog")
                                : QStringLiteral("OpenParameterFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({Form1::tr("Параметры Orvane2.0 (*.dat)"), Form1::tr("Все файлы (*)")});
    if (saving) dialog.setDefaultSuffix(QStringLiteral("dat"));
    dialog.resize(800, 500);
    // The places beside the list: the home and documents folders (Qt names the whole machine in English).
    QList<QUrl> places{QUrl::fromLocalFile(QDir::homePath())};
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) places << QUrl::fromLocalFile(documents);
    dialog.setSidebarUrls(places);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QAction* MakeAction(Form1* window, const QString& name, const QString& text, const QKeySequence& keys) {
    auto* action = new QAction(text, window);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action); // the shortcut works anywhere in the window
    return action;
}

} // namespace

void Form1::BuildFileCommands() {
    OpenFile = MakeAction(this, QStringLiteral("OpenFile"), tr("Открыть файл параметров…"),
                          QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveFileAs = MakeAction(this, QStringLiteral("SaveFileAs"), tr("Сохранить файл параметров как…"),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Lessons = MakeAction(this, QStringLiteral("Lessons"), tr("Опыты для урока…"),
                         QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(OpenFile, &QAction::triggered, this,
            [this] { ui::Guarded(this, nullptr, [this] { OpenFile_Click(); }); });
    connect(SaveFileAs, &QAction::triggered, this,
            [this] { ui::Guarded(this, nullptr, [this] { SaveFileAs_Click(); }); });
    connect(Lessons, &QAction::triggered, this,
            [this] { ui::Guarded(this, nullptr, [this] { Lessons_Click(); }); });
    SaveAsLesson = MakeAction(this, QStringLiteral("SaveAsLesson"), tr("Сохранить как опыт для урока…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    connect(SaveAsLesson, &QAction::triggered, this,
            [this] { ui::Guarded(this, nullptr, [this] { SaveAsLesson_Click(); }); });

    RecentFilesMenu = new QMenu(tr("Недавние файлы"), this);
    RecentFilesMenu->setObjectName(QStringLiteral("RecentFilesMenu"));
    connect(RecentFilesMenu, &QMenu::aboutToShow, this, [this] { FillRecentFilesMenu(); });
    FillRecentFilesMenu();

    for (const char* name : {"Command4", "Command3"}) {
        auto* button = findChild<QPushButton*>(QString::fromLatin1(name));
        button->addAction(OpenFile);
        button->addAction(SaveFileAs);
        button->addAction(RecentFilesMenu->menuAction());
        button->addAction(SaveAsLesson);
        button->setContextMenuPolicy(Qt::ActionsContextMenu);
        button->setToolTip(tr("Правый щелчок: открыть или сохранить файл параметров с любым именем "
                              "(Ctrl+O, Ctrl+Shift+S), недавние файлы"));
    }
    Picture1->AddMenuAction(Lessons);
    Picture2->AddMenuAction(Lessons);
    Picture1->AddMenuAction(SaveAsLesson);
    Picture2->AddMenuAction(SaveAsLesson);
}

void Form1::FillRecentFilesMenu() {
    RecentFilesMenu->clear();
    const QStringList files = RecentParameterFiles();
    for (int k = 0; k < files.size(); ++k) {
        const QString& file = files[k];
        // The number is the accelerator; a file's own ampersands are shown as they are.
        QString shown = QDir::toNativeSeparators(file);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = RecentFilesMenu->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(shown));
        action->setData(file);
        connect(action, &QAction::triggered, this,
                [this, file] { ui::Guarded(this, nullptr, [this, file] { OpenRecentFile(file); }); });
    }
    //: The only, disabled entry of the recent files menu when there are none.
    if (files.isEmpty()) RecentFilesMenu->addAction(tr("(пусто)"))->setEnabled(false);
}

void Form1::OpenFile_Click() {
    const QString path = AskForParameterFile(this, QFileDialog::AcceptOpen);
    if (!path.isEmpty()) OpenParameterFile(path);
}

void Form1::SaveFileAs_Click() {
    const QString path = AskForParameterFile(this, QFileDialog::AcceptSave);
    if (!path.isEmpty()) SaveParameterFileAs(path);
}

bool Form1::OpenParameterFile(const QString& path) {
    if (!LoadParameterFileFrom(path)) return false;
    NoteRecentParameterFile(path);
    return true;
}

bool Form1::SaveParameterFileAs(const QString& path) {
    if (QFileInfo(path).isDir()) {
        ui::ShowMessage(this, ui::ErrorText({.code = ErrorCode::SaveTargetFolder,
                                             .path = QDir::toNativeSeparators(path).toStdString()}));
        return false;
    }
    if (!SaveParameterFileTo(path)) return false;
    NoteRecentParameterFile(path);
    return true;
}

void Form1::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        ForgetRecentParameterFile(path);
        ui::ShowMessage(this, ui::ErrorText({.code = ErrorCode::RecentFileGone,
                                             .path = QDir::toNativeSeparators(path).toStdString()}));
        return;
    }
    OpenParameterFile(path);
}

void Form1::OpenFileAtStart(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    // After the window has loaded and is on the screen, so a message about the file has a window to
    // stand over.
    QTimer::singleShot(
        0, this, [this, file] { ui::Guarded(this, nullptr, [this, file] { OpenParameterFile(file); }); });
}

void Form1::Lessons_Click() {
    if (others_ != nullptr) others_->OpenLessons();
}

void Form1::LoadLesson(const LessonExperiment& experiment, const ParameterRows& rows) {
    LoadExperiment(ExperimentOf(experiment, rows));
    Command7_Click();
}

void Form1::SaveAsLesson_Click() {
    SaveLessonDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    LessonExperiment lesson;
    dialog.FillTexts(lesson);
    SaveLessonIn(UserLessonFolder(), lesson);
}

QString Form1::SaveLessonIn(const QString& folder, LessonExperiment lesson) {
    for (int i = 1; i <= body::Count; ++i)
        lesson.massPct[static_cast<std::size_t>(i - 1)] = state_.BodyMassPct(i);
    lesson.accuracy = AccuracyOf(state_.Options.TimeStep).value_or(Accuracy::Low);
    lesson.sun = SunModeOfNextStart();
    return SaveUserLesson(this, folder, lesson, RowsFromBodyTable(state_));
}

SunMode Form1::SunModeOfNextStart() const {
    if (nextSunMode_) return *nextSunMode_;
    // The experiment window holds the Sun when it first opens.
    const std::optional<SunMode> shown = others_ != nullptr ? others_->ExperimentSunMode() : std::nullopt;
    return shown.value_or(SunMode::Held);
}

bool Form1::AgreeToSaveWithoutMasses() {
    const int planet = PlanetWithChangedMass(state_);
    if (planet == 0) return true;
    QMessageBox ask(QMessageBox::Warning, ui::WindowCaption,
                    tr("Массы планет заданы опытом для урока, а файл параметров масс не хранит: после "
                       "загрузки из него планеты получат массы, какие будут в таблице. Чтобы сохранить опыт "
                       "вместе с массами, сохраните его как опыт для урока."),
                    QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("MassesNotSavedQuestion"));
    QPushButton* asLesson = ask.addButton(tr("Сохранить как опыт для урока…"), QMessageBox::AcceptRole);
    asLesson->setObjectName(QStringLiteral("SaveAsLessonButton"));
    QPushButton* anyway = ask.addButton(tr("Сохранить без масс"), QMessageBox::DestructiveRole);
    anyway->setObjectName(QStringLiteral("SaveWithoutMassesButton"));
    QPushButton* cancel = ask.addButton(tr("Отмена"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    ask.setDefaultButton(asLesson);
    ask.setEscapeButton(cancel);
    ask.exec();
    if (ask.clickedButton() == asLesson) SaveAsLesson_Click();
    return ask.clickedButton() == anyway;
}

} // namespace orvane
