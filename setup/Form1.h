#pragma once

#include "Bodies.h"
#include "Experiment.h"
#include "LessonExperiment.h"
#include "OtherWindows.h"
#include "SimState.h"

#include <QWidget>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QLineEdit;
class QRadioButton;

namespace orvane::ui {
class PictureBox;
class VbTimer;
} // namespace orvane::ui

namespace orvane {

// The set-up window: the parameter table of the eleven bodies, two preview screens, the data-set and
// file commands, the accuracy and slow-down options, moving a planet along its orbit, and the start of
// an experiment. The other windows are the program's composition's (see OtherWindows): this window
// asks for them and never creates or owns one.
class Form1 : public QWidget {
    Q_OBJECT
  public:
    explicit Form1(SimState& state, QWidget* parent = nullptr);

    // Controls, under the names the handlers use. Column k of a row shows body k + 1; Text1 has no
    // cells for the Sun (0) and the asteroid (10).
    ui::PictureBox* Picture1 = nullptr;
    ui::PictureBox* Picture2 = nullptr;
    ui::VbTimer* Timer1 = nullptr;
    std::array<QLineEdit*, body::Count> Text1{};
    std::array<QLineEdit*, body::Count> Text2{};
    std::array<QLineEdit*, body::Count> Text3{};
    std::array<QLineEdit*, body::Count> Text4{};
    std::array<QLineEdit*, body::Count> Text5{};
    std::array<QLineEdit*, body::Count> Text6{};
    // "Загрузить данные на другую дату…": right-click on Command2 and the screens, Ctrl+D.
    QAction* LoadOnDate = nullptr;
    // Parameter files of any name and the experiments prepared for lessons: «Открыть файл параметров…»
    // (Ctrl+O) and «Сохранить файл параметров как…» (Ctrl+Shift+S) with «Недавние файлы» on a right-click
    // of the two file buttons; «Опыты для урока…» (Ctrl+L) on a right-click of both screens.
    QAction* OpenFile = nullptr;
    QAction* SaveFileAs = nullptr;
    QMenu* RecentFilesMenu = nullptr;
    QAction* Lessons = nullptr;
    // «Сохранить как опыт для урока…» (Ctrl+Shift+L) on both screens and both file buttons: the current
    // experiment with its masses into the user's experiments folder.
    QAction* SaveAsLesson = nullptr;
    // "Язык / Language" on both screens' context menu: «Русский» and «English», remembered.
    QMenu* LanguageMenu = nullptr;
    // «Метод решения» on both screens' context menu: one checkable entry per method, Runge–Kutta at
    // every start of the program.
    QMenu* MethodMenu = nullptr;

    // Event handlers.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Option_Click(Integer body);
    void Option10_Click();
    void Option11_Click();
    void Option12_Click();
    void Option13_Click();
    void Option14_Click();
    void Timer1_Timer();
    void LoadOnDate_Click();
    // The planets on a date, after any repositioning run is stopped; a date outside 1800–2050 is refused
    // with a message and changes nothing.
    void LoadDataSetOn(const CalendarDate& date);
    void OpenFile_Click();
    void SaveFileAs_Click();
    void Lessons_Click();
    void SaveAsLesson_Click();
    // Saves the current experiment as a teacher's own lesson experiment in `folder` with the texts given;
    // the description file's path when saved.
    QString SaveLessonIn(const QString& folder, LessonExperiment lesson);
    // The Sun's mode the next start will have: one a load left pending, else the experiment window's.
    SunMode SunModeOfNextStart() const;
    void MethodMenu_Click(SolverMethod method);
    // Loads a parameter file like «Загрузить данные из файла №1»; a file that fails to load is reported and
    // changes nothing. True when it was loaded; it then heads the recent files.
    bool OpenParameterFile(const QString& path);
    // Saves the parameter file like «Сохранить данные в файле №1»; true when it was saved.
    bool SaveParameterFileAs(const QString& path);
    // The file named on the command line, opened once the window has loaded.
    void OpenFileAtStart(const QString& path);
    // Puts a prepared experiment into the table and draws it on the screens (see LoadExperiment).
    void LoadLesson(const LessonExperiment& experiment, const ParameterRows& rows);
    // Every load comes here, whatever its source: after any repositioning run is stopped, the experiment
    // goes into the body table, the accuracy option and the parameter table, and its Sun's mode (or none)
    // waits for the next start.
    void LoadExperiment(const Experiment& experiment);

    // The program's other windows, which the set-up window's commands ask for; none at first.
    void SetOtherWindows(OtherWindows* windows) { others_ = windows; }
    // The body of the repositioning run under way, 0 when none runs.
    Integer OrbitRunPlanet() const { return orbitPlanet_; }
    // Where the parameter file is read and written.
    void SetParameterFilePath(const QString& path) { parameterFile_ = path; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildLayout();
    void BuildParameterTable();
    // What the parameter table shows: the body table's full values, or, after a file load, whole numbers
    // truncated toward zero with the mass row left as it is.
    enum class TableValues { Full, Whole };
    void ShowBodyColumns(const BodyArray& angles, TableValues values);
    void ShowPlanetsReadably();
    void BuildDateCommand();
    void BuildFileCommands();
    void FillRecentFilesMenu();
    void OpenRecentFile(const QString& path);
    bool LoadParameterFileFrom(const QString& path);
    bool SaveParameterFileTo(const QString& path);
    // A parameter file keeps no masses: while a planet's differs from the real one, the user chooses
    // between saving without it, saving a lesson experiment instead, and nothing. True to go on saving.
    bool AgreeToSaveWithoutMasses();
    void ShowDateCommandTexts();
    void BuildLanguageCommand();
    void BuildMethodCommand();
    void ShowMethodTexts();
    void ShowMethodChoice();
    void OrbitTimerStep();
    void StopOrbitRun();
    bool TakeOverSunAndAsteroid();

    SimState& state_;
    OtherWindows* others_ = nullptr;
    QString parameterFile_;

    // A repositioning run keeps its own planet and its own four-component state, apart from the shared
    // loop index and the experiment's state vector.
    SimState orbit_;
    Integer orbitPlanet_ = 0;
    std::optional<SunMode> nextSunMode_;
};

} // namespace orvane
