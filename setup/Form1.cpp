#include "Form1.h"

#include "AppStyle.h"
#include "Bodies.h"
#include "BodyNames.h"
#include "ControlLayout.h"
#include "ExperimentStart.h"
#include "NumberText.h"
#include "OptionGroup.h"
#include "ParameterFile.h"
#include "ParameterFilePlace.h"
#include "PictureBox.h"
#include "Twips.h"
#include "VbTimer.h"
#include "WindowOps.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <utility>

namespace orvane {

using ui::ArrayName;
using ui::Named;
using ui::PlaceTw;

namespace {

struct BodyOptionLayout {
    const char* name;
    Integer body;
    int left, top, width, height;
};

// The body option buttons head the columns of the parameter table, each captioned with its body's name.
constexpr BodyOptionLayout BodyOptions[] = {
    {"Option15", body::Sun, 1800, 5520, 855, 195},    {"Option1", body::Mercury, 2760, 5450, 1095, 375},
    {"Option2", body::Venus, 3840, 5520, 855, 255},   {"Option3", body::Earth, 4800, 5520, 855, 255},
    {"Option4", body::Mars, 5640, 5520, 735, 255},    {"Option5", body::Jupiter, 6360, 5520, 975, 255},
    {"Option6", body::Saturn, 7200, 5520, 855, 255},  {"Option7", body::Uranus, 8160, 5520, 855, 255},
    {"Option8", body::Neptune, 9120, 5520, 855, 255}, {"Option9", body::Pluto, 10080, 5520, 855, 255},
};

constexpr ui::ControlLayout Labels[] = {
    {"Label1", QT_TRANSLATE_NOOP("Captions", "Координаты планет в масштабе орбиты Юпитера"), 840, 0, 4215,
     255},
    {"Label11", QT_TRANSLATE_NOOP("Captions", "Координаты планет и астероида относительно орбиты Юпитера"),
     5520, 0, 4935, 255},
    {"Label9", QT_TRANSLATE_NOOP("Captions", "      Изменение параметров объектов"), 5760, 4755, 3015, 255},
    {"Label8",
     QT_TRANSLATE_NOOP("Captions", "   Задайте параметры    астероида      (если они          есть)"), 10965,
     5160, 975, 975},
    {"Label3",
     QT_TRANSLATE_NOOP("Captions",
                       " Измените угол расположения пла-      неты в градусах  (если необходимо)"),
     0, 5760, 2895, 495},
    {"Label2", QT_TRANSLATE_NOOP("Captions", "Масса объекта в про- центах от массы Земли  "), 120, 6240, 1935,
     495},
    {"Label4", QT_TRANSLATE_NOOP("Captions", " Координата объекта   X       в тыс. километров  "), 120, 6720,
     1935, 375},
    {"Label5", QT_TRANSLATE_NOOP("Captions", " Координата объекта  Y       в тыс. километров "), 120, 7200,
     1935, 375},
    {"Label6", QT_TRANSLATE_NOOP("Captions", " Скорость объекта по             оси  X в м/сек "), 120, 7680,
     1935, 375},
    {"Label7", QT_TRANSLATE_NOOP("Captions", " Скорость объекта по             оси  Y в м/сек"), 120, 8160,
     1935, 375},
};

constexpr int RowTops[] = {5880, 6360, 6840, 7320, 7800, 8280};
constexpr int ColumnLefts[] = {2040, 3000, 3840, 4680, 5520, 6360, 7200, 8160, 9120, 10080, 11040};
constexpr int CellHeight = 285;
constexpr const char* RowNames[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};

constexpr int ColumnWidth(int column) {
    return column == 0 || column >= 6 ? 855 : 735;
}

} // namespace

Form1::Form1(SimState& state, QWidget* parent)
    : QWidget(parent), state_(state),
      parameterFile_(ParameterFileIn(QCoreApplication::applicationDirPath())) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui::WindowCaption);
    setWindowIcon(ui::AppIcon());
    setFixedSize(ui::Tw(11910), ui::Tw(8625));
    BuildLayout();
    BuildParameterTable();
    BuildDateCommand();
    ui::KeepPlaceWhileHidden(this);
    BuildFileCommands();
    BuildLanguageCommand();
    BuildMethodCommand();
    ui::Guarded(this, nullptr, [this] { Form_Load(); });
}

void Form1::BuildLayout() {
    for (const ui::ControlLayout& label : Labels)
        ui::MakeControl<ui::VbLabel>(this, label);

    Picture1 = Named<ui::PictureBox>(QStringLiteral("Picture1"), this);
    PlaceTw(Picture1, 240, 240, 5200, 5200);
    Picture2 = Named<ui::PictureBox>(QStringLiteral("Picture2"), this);
    PlaceTw(Picture2, 5520, 240, 4455, 4455);

    auto* image1 = Named<QLabel>(QStringLiteral("Image1"), this);
    PlaceTw(image1, 10320, 360, 480, 480);
    image1->setPixmap(ui::DrawAppIcon(ui::Tw(480)));
    auto* image2 = Named<QLabel>(QStringLiteral("Image2"), this);
    PlaceTw(image2, 11520, 120, 240, 240);
    image2->setPixmap(ui::DrawAppIcon(ui::Tw(240), true));

    Timer1 = new ui::VbTimer(this, true, 0);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    ui::ConnectGuarded(Timer1, &ui::VbTimer::Timer, this, Timer1, &Form1::Timer1_Timer);

    using Button = ui::ButtonLayout<Form1>;
    static constexpr Button buttons[] = {
        {{"Command8", "About", 11040, 480, 735, 375}, &Form1::Command8_Click},
        {{"Command4", QT_TRANSLATE_NOOP("Captions", "Сохранить данные в файле №1"), 10200, 960, 1575, 495},
         &Form1::Command4_Click},
        {{"Command3", QT_TRANSLATE_NOOP("Captions", "Загрузить данные из файла №1"), 10200, 1560, 1575, 495},
         &Form1::Command3_Click},
        {{"Command2", QT_TRANSLATE_NOOP("Captions", "Загрузить данные  на  1.1.2000 года"), 10200, 2160, 1575,
          495},
         &Form1::Command2_Click},
        {{"Command6", QT_TRANSLATE_NOOP("Captions", "Изменить"), 5520, 5040, 975, 375},
         &Form1::Command6_Click},
        {{"Command5", QT_TRANSLATE_NOOP("Captions", "Стоп"), 6600, 5040, 615, 375}, &Form1::Command5_Click},
        {{"Command7", QT_TRANSLATE_NOOP("Captions", "Вывести на экраны"), 7320, 5040, 1695, 375},
         &Form1::Command7_Click},
        {{"Command1", QT_TRANSLATE_NOOP("Captions", "Начать эксперимент"), 9120, 5040, 1815, 375},
         &Form1::Command1_Click},
    };
    ui::MakeButtons<Form1>(this, buttons, nullptr);

    struct FrameOption {
        ui::ControlLayout control;
        void (Form1::*handler)();
        bool checked;
    };
    const auto makeFrame = [this](const ui::ControlLayout& layout,
                                  std::initializer_list<FrameOption> options) {
        auto* frame = ui::MakeControl<QGroupBox>(this, layout);
        for (const FrameOption& control : options) {
            auto* option = ui::MakeControl<QRadioButton>(frame, control.control);
            option->setChecked(control.checked);
            ui::ConnectGuarded(option, &QRadioButton::clicked, this, nullptr, control.handler);
        }
        ui::GroupOptions(frame);
    };
    makeFrame({"Frame2", QT_TRANSLATE_NOOP("Captions", "Замедление"), 10200, 2660, 1575, 855},
              {{{"Option13", QT_TRANSLATE_NOOP("Captions", "Включено"), 120, 240, 1335, 315},
                &Form1::Option13_Click,
                false},
               {{"Option14", QT_TRANSLATE_NOOP("Captions", "Выключено"), 120, 600, 1335, 195},
                &Form1::Option14_Click,
                true}});
    makeFrame({"Frame1", QT_TRANSLATE_NOOP("Captions", "Точность решения"), 10200, 3600, 1575, 1335},
              {{{"Option10", QT_TRANSLATE_NOOP("Captions", "Низкая"), 240, 240, 975, 255},
                &Form1::Option10_Click,
                true},
               {{"Option11", QT_TRANSLATE_NOOP("Captions", "Средняя"), 240, 620, 975, 195},
                &Form1::Option11_Click,
                false},
               {{"Option12", QT_TRANSLATE_NOOP("Captions", "Высокая"), 240, 960, 975, 255},
                &Form1::Option12_Click,
                false}});

    for (const BodyOptionLayout& control : BodyOptions) {
        auto* option = ui::MakeControl<QRadioButton>(
            this, {control.name, ui::BodyNameSources[static_cast<std::size_t>(control.body)], control.left,
                   control.top, control.width, control.height, ui::BodyNameContext});
        ui::ConnectGuarded(option, &QRadioButton::clicked, this, nullptr,
                           [this, body = control.body] { Option_Click(body); });
    }
    ui::GroupOptions(this); // the ten body buttons, apart from the frames' options
}
void Form1::BuildParameterTable() {
    std::array<std::array<QLineEdit*, 11>*, 6> rows{&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    for (int row = 0; row < 6; ++row) {
        // Element `column` of each control array is body column + 1.
        for (int column = 0; column < body::Count; ++column) {
            const bool planet = IsPlanet(column + 1);
            if (row == 0 && !planet) continue; // no angle cell for the Sun and the asteroid
            const QString name = ArrayName(RowNames[row], column);
            auto* cell = Named<QLineEdit>(name, this);
            PlaceTw(cell, ColumnLefts[column], RowTops[row], ColumnWidth(column), CellHeight);
            cell->setReadOnly(row == 0 || planet);
            cell->setTextMargins(0, 0, 0, 0);
            (*rows[static_cast<std::size_t>(row)])[static_cast<std::size_t>(column)] = cell;
        }
    }
    // Tab order follows the columns that accept typing: the Sun's, then the asteroid's.
    QWidget* previous = nullptr;
    for (int column : {body::Sun - 1, body::Asteroid - 1}) {
        for (auto* row : {&Text2, &Text3, &Text4, &Text5, &Text6}) {
            QWidget* cell = (*row)[static_cast<std::size_t>(column)];
            if (previous != nullptr) setTabOrder(previous, cell);
            previous = cell;
        }
    }
}

void Form1::Form_Load() {
    state_.AssignStartupValues();
    // The default data enter the table as every other source does.
    LoadExperiment(ExperimentOf(state_));
}

// The parameter table from the body table, with the angle row taken from `angles`.
void Form1::ShowBodyColumns(const BodyArray& angles, TableValues values) {
    SimState& s = state_;
    const bool whole = values == TableValues::Whole;
    const auto text = [whole](double value) { return ui::NumberToText(whole ? std::trunc(value) : value); };
    const Integer lastPlanetColumn = Add16(s.BodyCount, -2);
    for (s.LoopI = 1; s.LoopI <= lastPlanetColumn; s.LoopI = Add16(s.LoopI, 1))
        ui::SetCell(Text1[static_cast<std::size_t>(s.LoopI)], text(angles(s.LoopI + 1)));
    const Integer lastColumn = Add16(s.BodyCount, -1);
    for (s.LoopI = 0; s.LoopI <= lastColumn; s.LoopI = Add16(s.LoopI, 1)) {
        const auto k = static_cast<std::size_t>(s.LoopI);
        const int body = s.LoopI + 1;
        if (!whole) ui::SetCell(Text2[k], text(s.BodyMassPct(body)));
        ui::SetCell(Text3[k], text(s.BodyX(body) / s.LengthUnit));
        ui::SetCell(Text4[k], text(s.BodyY(body) / s.LengthUnit));
        ui::SetCell(Text5[k], text(s.BodyVx(body)));
        ui::SetCell(Text6[k], text(s.BodyVy(body)));
    }
}

void Form1::LoadExperiment(const Experiment& experiment) {
    // A run still going would overwrite the loaded planet with its next step.
    StopOrbitRun();
    ApplyExperiment(state_, experiment);
    if (experiment.accuracy) {
        const char* option = *experiment.accuracy == Accuracy::High     ? "Option12"
                             : *experiment.accuracy == Accuracy::Medium ? "Option11"
                                                                        : "Option10";
        findChild<QRadioButton*>(QString::fromLatin1(option))->setChecked(true);
    }
    // A mode left pending by an earlier load must not outlive the experiment that asked for it.
    nextSunMode_ = experiment.sun;
    if (experiment.method) ShowMethodChoice();
    ShowBodyColumns(state_.PlanetAngle,
                    experiment.digits == Digits::Whole ? TableValues::Whole : TableValues::Full);
    if (experiment.digits == Digits::Computed) ShowPlanetsReadably();
}

// The Sun's mode a load left pending goes with this start and no further.
void Form1::Command1_Click() {
    PrepareExperimentStart(state_);
    const std::optional<SunMode> sun = std::exchange(nextSunMode_, std::nullopt);
    if (others_ != nullptr) others_->StartExperiment(sun);
}

void Form1::Command8_Click() {
    if (others_ != nullptr) others_->OpenHelp();
}

void Form1::Option10_Click() {
    state_.Options.TimeStep = TimeStepLow;
}
void Form1::Option11_Click() {
    state_.Options.TimeStep = TimeStepMedium;
}
void Form1::Option12_Click() {
    state_.Options.TimeStep = TimeStepHigh;
}
void Form1::Option13_Click() {
    state_.Options.StepDelayMs = SlowStepDelayMs;
}
void Form1::Option14_Click() {
    state_.Options.StepDelayMs = FastStepDelayMs;
}

// Closing only hides the window: its table, options and state may still wait for the experiment window's
// save-and-return, which shows it again without loading it anew. Whether the program ends with it is
// the composition's to decide.
void Form1::closeEvent(QCloseEvent* event) {
    StopOrbitRun();
    event->accept();
    if (others_ != nullptr) others_->SetupClosed();
}

} // namespace orvane
