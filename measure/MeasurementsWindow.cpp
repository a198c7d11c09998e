#include "MeasurementsWindow.h"
#include "SaveDialog.h"

#include "AppStyle.h"
#include "Bodies.h"
#include "BodyNames.h"
#include "CsvWords.h"
#include "Ephemeris.h"
#include "HeaderFit.h"
#include "HistoryCsv.h"
#include "MeasurePlots.h"
#include "MeasureRecorder.h"
#include "MeasureText.h"
#include "MethodNames.h"
#include "NumberText.h"
#include "RealSky.h"
#include "WindowOps.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include <algorithm>
#include <cmath>

namespace orvane::measure {

namespace {
constexpr int FirstPlanet = 2;
constexpr int LastPlanet = 10;

enum Column {
    Name,
    DistanceMkm,
    DistanceAu,
    Speed,
    SemiMajorAxis,
    Eccentricity,
    KeplerPeriod,
    MeasuredPeriod,
    PeriodDifference,
    RealLongitude,
    SkyDifference,
    PolarAngle,
    ColumnCount
};

const char* const ColumnCaptions[ColumnCount] = {
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Тело"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Расстояние\nот Солнца,\nмлн км"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Расстояние\nот Солнца,\nа. е."),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Скорость\nотносительно\nСолнца, км/с"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Большая\nполуось,\nа. е."),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Эксцентри-\nситет"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Период\nпо Кеплеру,\nсут"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Измеренный\nпериод,\nсут"),
    //: Column: how far the measured period differs from the Kepler period, in per cent.
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Разница\nпериодов,\n%"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Долгота\nреальной\nпланеты, °"),
    //: Column: the planet's longitude in the model minus its real longitude, in degrees.
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Модель −\nреальность,\n°"),
    QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Полярный\nугол\nот Солнца, °"),
};

enum Quantity {
    Kinetic,
    Potential,
    Total,
    Momentum,
    CentreVelocity,
    CentreVelocityDrift,
    EnergyDrift,
    MomentumDrift,
    Centre
};

struct QuantityRow {
    const char* name;
    const char* caption;
};
const QuantityRow QuantityRows[] = {
    {"KineticEnergy", QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Кинетическая энергия, Дж")},
    {"PotentialEnergy",
     QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Потенциальная энергия, Дж")},
    {"TotalEnergy", QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Полная энергия E, Дж")},
    {"AngularMomentum",
     QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Момент импульса L, кг·м²/с")},
    {"CentreOfMassVelocity",
     QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Скорость центра масс (vx; vy), м/с")},
    {"CentreOfMassVelocityChange",
     QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Изменение скорости центра масс, м/с")},
    {"EnergyChange", QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "|ΔE/E₀| с начала отсчёта")},
    {"AngularMomentumChange",
     QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "|ΔL/L₀| с начала отсчёта")},
    {"CentreOfMass", QT_TRANSLATE_NOOP("orvane::measure::MeasurementsWindow", "Центр масс (x; y), млн км")},
};

QString NotConserved() {
    return MeasurementsWindow::tr("не сохраняется: Солнце закреплено");
}

QString Relative(const std::optional<double>& change) {
    return change ? Scientific(*change) : Missing;
}
} // namespace

MeasurementsWindow::MeasurementsWindow(const MeasureRecorder& recorder) : recorder_(recorder) {
    setObjectName(QStringLiteral("MeasurementsWindow"));
    setWindowIcon(ui::AppIcon());
    BuildLayout();
    ShowStaticTexts();
    Refresh();
}

void MeasurementsWindow::AddBelowConservation(QWidget* panel) {
    auto* box = findChild<QGroupBox*>(QStringLiteral("ConservationBox"));
    auto* grid = static_cast<QGridLayout*>(box->layout());
    panel->setParent(box);
    // The panel takes the room that stretched below the quantities.
    const int row = grid->rowCount();
    for (int above = 0; above < row; ++above)
        grid->setRowStretch(above, 0);
    grid->addWidget(panel, row, 0, 1, 2);
    grid->setRowStretch(row, 1);
    FitConservationWidth();
}

void MeasurementsWindow::FitConservationWidth() {
    auto* scroll = findChild<QScrollArea*>(QStringLiteral("ConservationScroll"));
    scroll->setMinimumWidth(scroll->widget()->sizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
}

void MeasurementsWindow::ShowStaticTexts() {
    setWindowTitle(tr("Измерения — Orvane2.0"));
    auto* save = findChild<QPushButton*>(QStringLiteral("SaveCsv"));
    save->setText(tr("Сохранить в CSV…"));
    save->setToolTip(tr("Записать всю историю эксперимента в файл для электронной таблицы (Ctrl+S)"));
    findChild<QAction*>(QStringLiteral("SaveCsvAction"))->setText(tr("Сохранить в CSV…"));
    // Texts that change with every refresh must not make the layout recompute the window's size.
    timeLabel_->setFixedWidth(timeLabel_->fontMetrics().horizontalAdvance(
        tr("Время с начала эксперимента: %1 и %2 (%3); Солнце закреплено")
            .arg(YearsText(9999), DaysText(364.9), DaysAndNightsText(9999999.9))));
    dateLabel_->setFixedWidth(dateLabel_->fontMetrics().horizontalAdvance(
        tr("Дата в модели: %1").arg(ui::DateToText(LastEphemerisDate))));

    for (int column = 0; column < ColumnCount; ++column)
        table_->horizontalHeaderItem(column)->setText(tr(ColumnCaptions[column]));
    int widestName = 0;
    for (int body = body::Sun; body <= body::Count; ++body) {
        table_->item(body - 1, Name)->setText(ui::BodyName(body));
        widestName = std::max(widestName, table_->fontMetrics().horizontalAdvance(ui::BodyName(body)));
    }
    table_->setColumnWidth(Name, widestName + 16);

    auto* laws = findChild<QGroupBox*>(QStringLiteral("ConservationBox"));
    laws->setTitle(tr("Законы сохранения"));
    auto* grid = static_cast<QGridLayout*>(laws->layout());
    for (int row = 0; row < static_cast<int>(std::size(QuantityRows)); ++row)
        static_cast<QLabel*>(grid->itemAtPosition(row, 0)->widget())->setText(tr(QuantityRows[row].caption));

    choiceLabel_->setText(tr("Расстояние от Солнца на графике:"));
    for (int index = 0; index < plotBody_->count(); ++index)
        plotBody_->setItemText(index, ui::BodyName(plotBody_->itemData(index).toInt()));
}

void MeasurementsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || table_ == nullptr) return;
    ShowStaticTexts();
    Refresh();
    update();
}

void MeasurementsWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    timeLabel_ = new QLabel(this);
    timeLabel_->setObjectName(QStringLiteral("TimeLabel"));
    dateLabel_ = new QLabel(this);
    dateLabel_->setObjectName(QStringLiteral("DateLabel"));
    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("SaveCsv"));
    connect(save, &QPushButton::clicked, this, &MeasurementsWindow::SaveCsvAs);
    auto* saveAction = new QAction(this);
    saveAction->setObjectName(QStringLiteral("SaveCsvAction"));
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &MeasurementsWindow::SaveCsvAs);
    addAction(saveAction);
    top->addWidget(timeLabel_);
    top->addSpacing(24);
    top->addWidget(dateLabel_);
    top->addStretch();
    top->addWidget(save);
    layout->addLayout(top);
    methodLabel_ = new QLabel(this);
    methodLabel_->setObjectName(QStringLiteral("MethodLabel"));
    layout->addWidget(methodLabel_);

    table_ = new QTableWidget(body::Count, ColumnCount, this);
    table_->setObjectName(QStringLiteral("BodyTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    for (int column = 0; column < ColumnCount; ++column)
        table_->setHorizontalHeaderItem(column, new QTableWidgetItem(tr(ColumnCaptions[column])));
    for (int row = 0; row < body::Count; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(column == Name ? QString() : Missing);
            item->setTextAlignment(column == Name ? Qt::AlignLeft | Qt::AlignVCenter
                                                  : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, column, item);
        }
    }
    // Sizes fixed once: measuring the contents again on every change of a number would cost more than
    // the rest of a refresh.
    const QFontMetrics metrics = table_->fontMetrics();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Fixed);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    table_->horizontalHeader()->setFixedHeight(4 * metrics.height() + 6);
    ui::KeepHeadingLinesWhole(table_->horizontalHeader());
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(table_);

    auto* bottom = new QHBoxLayout;
    auto* laws = new QGroupBox(this);
    laws->setObjectName(QStringLiteral("ConservationBox"));
    auto* grid = new QGridLayout(laws);
    for (int row = 0; row < static_cast<int>(conservation_.size()); ++row) {
        grid->addWidget(new QLabel(tr(QuantityRows[row].caption), laws), row, 0);
        auto* value = new QLabel(Missing, laws);
        value->setObjectName(QString::fromUtf8(QuantityRows[row].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setFixedWidth(
            std::max(value->fontMetrics().horizontalAdvance(QStringLiteral("−99999,9999; −99999,9999")),
                     value->fontMetrics().horizontalAdvance(NotConserved())));
        grid->addWidget(value, row, 1);
        conservation_[static_cast<std::size_t>(row)] = value;
    }
    systemNote_ = new QLabel(laws);
    systemNote_->setObjectName(QStringLiteral("SystemNote"));
    systemNote_->setWordWrap(true);
    grid->addWidget(systemNote_, static_cast<int>(conservation_.size()), 0, 1, 2);
    grid->setRowStretch(static_cast<int>(conservation_.size()) + 1, 1);
    // On a low screen the quantities and what is added below them scroll, rather than push the plots'
    // time axes off the window.
    auto* lawsScroll = new QScrollArea(this);
    lawsScroll->setObjectName(QStringLiteral("ConservationScroll"));
    lawsScroll->setFrameShape(QFrame::NoFrame);
    lawsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lawsScroll->setWidgetResizable(true);
    lawsScroll->setWidget(laws);
    bottom->addWidget(lawsScroll);
    FitConservationWidth();

    auto* plots = new QVBoxLayout;
    energyPlot_ = new HistoryPlot(recorder_, HistoryPlot::Quantity::EnergyChange, this);
    energyPlot_->setObjectName(QStringLiteral("EnergyPlot"));
    plots->addWidget(energyPlot_);
    auto* choice = new QHBoxLayout;
    choiceLabel_ = new QLabel(this);
    auto* choiceLabel = choiceLabel_;
    plotBody_ = new QComboBox(this);
    plotBody_->setObjectName(QStringLiteral("PlotBody"));
    for (int body = body::Sun + 1; body <= body::Count; ++body)
        plotBody_->addItem(QString(), body);
    choiceLabel->setBuddy(plotBody_);
    choice->addWidget(choiceLabel);
    choice->addWidget(plotBody_);
    choice->addStretch();
    plots->addLayout(choice);
    distancePlot_ = new HistoryPlot(recorder_, HistoryPlot::Quantity::Distance, this);
    distancePlot_->setObjectName(QStringLiteral("DistancePlot"));
    plots->addWidget(distancePlot_);
    plotBody_->setCurrentIndex(2); // the Earth
    connect(plotBody_, &QComboBox::currentIndexChanged, this,
            [this] { distancePlot_->SetBody(plotBody_->currentData().toInt()); });
    distancePlot_->SetBody(plotBody_->currentData().toInt());
    bottom->addLayout(plots, 1);
    layout->addLayout(bottom, 1);

    // 1180 × 860 where the screen has room; on a laptop's or a dense screen no more than it shows.
    ui::FitToScreen(this, QSize(1180, 860));
}

void MeasurementsWindow::Refresh() {
    // The elapsed time is the experiment window's own, worked out once by the run's step.
    const RunSnapshot& s = recorder_.Latest();
    const QString years = YearsText(s.elapsedYears);
    const QString days = DaysText(s.elapsedDaysRem);
    const QString all = DaysAndNightsText(s.elapsedDays);
    timeLabel_->setText(
        s.sunHeld ? tr("Время с начала эксперимента: %1 и %2 (%3); Солнце закреплено").arg(years, days, all)
                  : tr("Время с начала эксперимента: %1 и %2 (%3); Солнце свободно").arg(years, days, all));
    const QString method = tr("Метод решения: %1").arg(ui::MethodName(s.method));
    if (methodLabel_->text() != method) methodLabel_->setText(method);
    ShowBodies();
    ShowRealSky();
    ShowConservation();
    // Only the table's rows decide its height: it shows all eleven bodies without scrolling.
    int tableHeight = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
    for (int row = 0; row < table_->rowCount(); ++row)
        tableHeight += table_->rowHeight(row);
    if (table_->height() != tableHeight) table_->setFixedHeight(tableHeight);
    energyPlot_->update();
    distancePlot_->update();
}

namespace {
void SetCell(QTableWidget* table, int body, int column, const QString& text, const QString& tip = {}) {
    QTableWidgetItem* item = table->item(body - 1, column);
    if (item->text() != text) item->setText(text);
    if (item->toolTip() != tip) item->setToolTip(tip);
}
} // namespace

namespace {
// Why a body has no semi-major axis or period, from the way it moves.
QString WhyNoOrbit(OrbitKind kind) {
    switch (kind) {
    case OrbitKind::Bound:
        break;
    case OrbitKind::Receding:
        return MeasurementsWindow::tr("Орбита не замкнута (e ≥ 1): тело уходит от Солнца");
    case OrbitKind::Approaching:
        return MeasurementsWindow::tr(
            "Орбита не замкнута (e ≥ 1): тело приближается к Солнцу, пройдёт мимо него и уйдёт");
    case OrbitKind::FallingIntoSun:
        return MeasurementsWindow::tr("Тело движется по прямой через Солнце (e = 1) и падает на Солнце");
    case OrbitKind::RisingAndFalling:
        return MeasurementsWindow::tr(
            "Тело движется по прямой через Солнце (e = 1): удаляется от Солнца и упадёт на него обратно");
    }
    return {};
}

QString WhichMu(bool sunHeld) {
    return sunHeld ? MeasurementsWindow::tr("Орбита относительно Солнца при μ = G·M☉: Солнце закреплено и "
                                            "притягивает тело как неподвижный центр")
                   : MeasurementsWindow::tr("Орбита относительно Солнца при μ = G·(M☉ + m): Солнце свободно "
                                            "и само движется к телу");
}
} // namespace

void MeasurementsWindow::ShowBodies() {
    const bool sunHeld = recorder_.Latest().sunHeld;
    const QString mu = WhichMu(sunHeld);
    for (const int column : {SemiMajorAxis, Eccentricity, KeplerPeriod}) {
        QTableWidgetItem* header = table_->horizontalHeaderItem(column);
        if (header->toolTip() != mu) header->setToolTip(mu);
    }
    for (int column = DistanceMkm; column <= PeriodDifference; ++column)
        SetCell(table_, body::Sun, column, Missing, tr("Расстояния и орбиты считаются от Солнца"));
    SetCell(table_, body::Sun, PolarAngle, Missing, tr("Расстояния и орбиты считаются от Солнца"));
    const QString notYet = tr("Тело ещё не сделало полного оборота вокруг Солнца в этом эксперименте");
    for (int body = body::Sun + 1; body <= body::Count; ++body) {
        const BodyReading reading = ReadBody(recorder_, body);
        const OrbitAboutSun& orbit = reading.orbit;
        const bool bound = orbit.kind == OrbitKind::Bound;
        const QString orbitTip = bound ? mu : WhyNoOrbit(orbit.kind);
        SetCell(table_, body, DistanceMkm, Fixed(orbit.distance / MetresPerMillionKm, 2));
        SetCell(table_, body, PolarAngle, Fixed(DegreesFrom0To360(orbit.polarAngleRad), 2));
        SetCell(table_, body, DistanceAu, Fixed(orbit.distance / AstronomicalUnitMetres, 4));
        SetCell(table_, body, Speed, Fixed(orbit.speed / 1000, 3));
        SetCell(table_, body, Eccentricity, Fixed(orbit.eccentricity, 4), orbitTip);
        SetCell(table_, body, SemiMajorAxis,
                bound ? Fixed(*orbit.semiMajorAxis / AstronomicalUnitMetres, 4) : Missing, orbitTip);
        SetCell(table_, body, KeplerPeriod, bound ? Fixed(*orbit.keplerPeriod / SecondsPerDay, 1) : Missing,
                orbitTip);
        const QString noPeriod = bound ? notYet : WhyNoOrbit(orbit.kind);
        SetCell(table_, body, MeasuredPeriod,
                reading.measuredPeriod ? Fixed(*reading.measuredPeriod / SecondsPerDay, 1) : Missing,
                reading.measuredPeriod ? QString() : noPeriod);
        SetCell(table_, body, PeriodDifference,
                reading.periodDifferencePct ? Fixed(*reading.periodDifferencePct, 2) : Missing,
                reading.periodDifferencePct ? QString() : noPeriod);
    }
}

void MeasurementsWindow::ShowRealSky() {
    const SkyComparison sky = CompareWithRealSky(recorder_.Latest());
    QString why;
    switch (sky.status) {
    case SkyStatus::Compared:
        break;
    case SkyStatus::NotFromDataSet:
        why = tr("Эксперимент начат не с реальных положений планет (данные на 1.1.2000 года или на "
                 "другую дату) в том виде, как они загружены: сравнивать с реальным небом нечего");
        break;
    case SkyStatus::OutsideEphemeris:
        why = tr("Дата вне %1–%2 годов: приближённые элементы орбит JPL годятся только "
                 "для этих лет")
                  .arg(FirstEphemerisDate.year)
                  .arg(LastEphemerisDate.year);
        break;
    }
    if (sky.date) {
        dateLabel_->setText(tr("Дата в модели: %1").arg(ui::DateToText(*sky.date)));
        dateLabel_->setToolTip(sky.status == SkyStatus::Compared ? QString() : why);
    } else {
        dateLabel_->setText(tr("Дата в модели: —"));
        dateLabel_->setToolTip(why);
    }
    const QString noReal = tr("Реальная долгота дана только для планет");
    for (const int body : {body::Sun, body::Count}) {
        SetCell(table_, body, RealLongitude, Missing, noReal);
        SetCell(table_, body, SkyDifference, Missing, noReal);
    }
    for (int body = FirstPlanet; body <= LastPlanet; ++body) {
        if (sky.status == SkyStatus::Compared) {
            SetCell(table_, body, RealLongitude, Fixed(sky.realLongitudeDeg[body], 2));
            SetCell(table_, body, SkyDifference, Fixed(sky.differenceDeg[body], 2));
        } else {
            SetCell(table_, body, RealLongitude, Missing, why);
            SetCell(table_, body, SkyDifference, Missing, why);
        }
    }
}

void MeasurementsWindow::ShowConservation() {
    const Conservation& c = recorder_.LatestConservation();
    const Conservation& start = recorder_.Baseline();
    const bool sunHeld = recorder_.Latest().sunHeld;
    const auto pair = [](const QString& a, const QString& b) { return a + QStringLiteral("; ") + b; };
    // Only a free Sun leaves the system without an outside force: then the centre of mass keeps its
    // velocity. A held Sun is kept in place by one.
    const QString centreVelocity =
        sunHeld ? NotConserved() : pair(Fixed(c.centreVx, 4), Fixed(c.centreVy, 4));
    const QString centreDrift =
        sunHeld ? Missing : Scientific(std::hypot(c.centreVx - start.centreVx, c.centreVy - start.centreVy));
    const QString texts[] = {
        Scientific(c.kinetic),
        Scientific(c.potential),
        Scientific(c.total),
        Scientific(c.angularMomentum),
        centreVelocity,
        centreDrift,
        Relative(recorder_.EnergyChange()),
        Relative(recorder_.AngularMomentumChange()),
        pair(Fixed(c.centreX / MetresPerMillionKm, 4), Fixed(c.centreY / MetresPerMillionKm, 4)),
    };
    for (std::size_t k = 0; k < conservation_.size(); ++k)
        if (conservation_[k]->text() != texts[k]) conservation_[k]->setText(texts[k]);
    const QString note =
        sunHeld ? tr("Солнце закреплено: энергия остальных тел (их кинетическая и потенциальная энергия всех "
                     "пар, с Солнцем тоже), момент импульса относительно Солнца. Центр масс не сохраняет ни "
                     "положения, ни скорости: Солнце удерживает внешняя сила.")
                : tr("Солнце свободно: энергия и момент импульса (относительно начала координат) всех "
                     "одиннадцати тел; скорость центра масс постоянна, и он движется равномерно и "
                     "прямолинейно.");
    if (systemNote_->text() != note) systemNote_->setText(note);
}

bool MeasurementsWindow::SaveCsv(const QString& path) {
    const CsvFormat format{QLocale().decimalPoint() == QStringLiteral(",")};
    const RunSnapshot& run = recorder_.Latest();
    return ui::SaveWholeFile(
        this, path, QByteArray::fromStdString(HistoryCsv(recorder_.History(), run, CsvWordsFor(run), format)),
        SavedFile::Measurements);
}

void MeasurementsWindow::SaveCsvAs() {
    const QString path = ui::AskWhereToSave(this, {QStringLiteral("SaveCsvDialog"), tr("Сохранить в CSV"),
                                                   QStringLiteral("orvane-izmereniya.csv"),
                                                   tr("Таблицы CSV (*.csv)"), QStringLiteral("csv")});
    if (!path.isEmpty()) SaveCsv(path);
}

} // namespace orvane::measure
