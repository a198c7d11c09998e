#include "MeasurementsWindow.h"

#include "AppStyle.h"
#include "Bodies.h"
#include "BodyNames.h"
#include "CsvFile.h"
#include "HistoryCsv.h"
#include "MeasurePlots.h"
#include "MeasureRecorder.h"
#include "MeasureText.h"
#include "MessageBox.h"
#include "RealSky.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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
    ColumnCount
};

const char* const ColumnCaptions[ColumnCount] = {
    "Тело",
    "Расстояние\nот Солнца,\nмлн км",
    "Расстояние\nот Солнца,\nа. е.",
    "Скорость\nотносительно\nСолнца, км/с",
    "Большая\nполуось,\nа. е.",
    "Эксцентри-\nситет",
    "Период\nпо Кеплеру",
    "Измеренный\nпериод",
    "Разница\nпериодов,\n%",
    "Долгота\nреальной\nпланеты, °",
    "Модель −\nреальность,\n°",
};

enum Quantity { Kinetic, Potential, Total, Momentum, Centre, CentreVelocity, EnergyDrift, MomentumDrift };

struct QuantityRow {
    const char* name;
    const char* caption;
};
const QuantityRow QuantityRows[] = {
    {"KineticEnergy", "Кинетическая энергия, Дж"},
    {"PotentialEnergy", "Потенциальная энергия, Дж"},
    {"TotalEnergy", "Полная энергия E, Дж"},
    {"AngularMomentum", "Момент импульса L, кг·м²/с"},
    {"CentreOfMass", "Центр масс (x; y), млн км"},
    {"CentreOfMassVelocity", "Скорость центра масс (vx; vy), м/с"},
    {"EnergyChange", "|ΔE/E₀| с начала отсчёта"},
    {"AngularMomentumChange", "|ΔL/L₀| с начала отсчёта"},
};

using ui::BodyName;

// The bodies' names for the CSV file's header.
BodyNameList BodyNames() {
    BodyNameList names;
    for (int body = body::Sun; body <= body::Count; ++body)
        names[static_cast<std::size_t>(body)] = BodyName(body).toStdString();
    return names;
}

QString Relative(const std::optional<double>& change) {
    return change ? Scientific(*change) : Missing;
}
} // namespace

MeasurementsWindow::MeasurementsWindow(const MeasureRecorder& recorder) : recorder_(recorder) {
    setObjectName(QStringLiteral("MeasurementsWindow"));
    setWindowTitle(QStringLiteral("Измерения — Orvane2.0"));
    setWindowIcon(ui::AppIcon());
    BuildLayout();
    Refresh();
}

void MeasurementsWindow::BuildLayout() {
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    timeLabel_ = new QLabel(this);
    timeLabel_->setObjectName(QStringLiteral("TimeLabel"));
    dateLabel_ = new QLabel(this);
    dateLabel_->setObjectName(QStringLiteral("DateLabel"));
    auto* save = new QPushButton(QStringLiteral("Сохранить в CSV…"), this);
    save->setObjectName(QStringLiteral("SaveCsv"));
    save->setToolTip(QStringLiteral("Записать всю историю прогона в файл для электронной таблицы (Ctrl+S)"));
    connect(save, &QPushButton::clicked, this, &MeasurementsWindow::SaveCsvAs);
    auto* saveAction = new QAction(QStringLiteral("Сохранить в CSV…"), this);
    saveAction->setObjectName(QStringLiteral("SaveCsvAction"));
    saveAction->setShortcut(QKeySequence::Save);
    connect(saveAction, &QAction::triggered, this, &MeasurementsWindow::SaveCsvAs);
    addAction(saveAction);
    // Texts that change with every refresh must not make the layout recompute the window's size.
    timeLabel_->setFixedWidth(timeLabel_->fontMetrics().horizontalAdvance(QStringLiteral(
        "Время с начала эксперимента: 9999 лет и 364,9 дней (9999999,9 сут); Солнце неподвижно")));
    dateLabel_->setFixedWidth(
        dateLabel_->fontMetrics().horizontalAdvance(QStringLiteral("Дата в модели: 31.12.2050")));
    top->addWidget(timeLabel_);
    top->addSpacing(24);
    top->addWidget(dateLabel_);
    top->addStretch();
    top->addWidget(save);
    layout->addLayout(top);

    table_ = new QTableWidget(body::Count, ColumnCount, this);
    table_->setObjectName(QStringLiteral("BodyTable"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    for (int column = 0; column < ColumnCount; ++column)
        table_->setHorizontalHeaderItem(column,
                                        new QTableWidgetItem(QString::fromUtf8(ColumnCaptions[column])));
    for (int row = 0; row < body::Count; ++row) {
        for (int column = 0; column < ColumnCount; ++column) {
            auto* item = new QTableWidgetItem(column == Name ? BodyName(row + 1) : Missing);
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
    table_->setColumnWidth(Name, metrics.horizontalAdvance(QStringLiteral("Меркурий")) + 16);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    table_->horizontalHeader()->setFixedHeight(4 * metrics.height() + 6);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->addWidget(table_);

    auto* bottom = new QHBoxLayout;
    auto* laws = new QGroupBox(QStringLiteral("Законы сохранения"), this);
    laws->setObjectName(QStringLiteral("ConservationBox"));
    auto* grid = new QGridLayout(laws);
    for (int row = 0; row < static_cast<int>(conservation_.size()); ++row) {
        grid->addWidget(new QLabel(QString::fromUtf8(QuantityRows[row].caption), laws), row, 0);
        auto* value = new QLabel(Missing, laws);
        value->setObjectName(QString::fromUtf8(QuantityRows[row].name));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setFixedWidth(
            value->fontMetrics().horizontalAdvance(QStringLiteral("−99999,9999; −99999,9999")));
        grid->addWidget(value, row, 1);
        conservation_[static_cast<std::size_t>(row)] = value;
    }
    systemNote_ = new QLabel(laws);
    systemNote_->setObjectName(QStringLiteral("SystemNote"));
    systemNote_->setWordWrap(true);
    grid->addWidget(systemNote_, static_cast<int>(conservation_.size()), 0, 1, 2);
    grid->setRowStretch(static_cast<int>(conservation_.size()) + 1, 1);
    bottom->addWidget(laws);

    auto* plots = new QVBoxLayout;
    energyPlot_ = new HistoryPlot(recorder_, HistoryPlot::Quantity::EnergyChange, this);
    energyPlot_->setObjectName(QStringLiteral("EnergyPlot"));
    plots->addWidget(energyPlot_);
    auto* choice = new QHBoxLayout;
    auto* choiceLabel = new QLabel(QStringLiteral("Расстояние от Солнца на графике:"), this);
    plotBody_ = new QComboBox(this);
    plotBody_->setObjectName(QStringLiteral("PlotBody"));
    for (int body = body::Sun + 1; body <= body::Count; ++body)
        plotBody_->addItem(BodyName(body), body);
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

    resize(1180, 860);
}

void MeasurementsWindow::Refresh() {
    const RunSnapshot& s = recorder_.Latest();
    const double days = s.time / SecondsPerDay;
    const double years = std::trunc(days / 365);
    timeLabel_->setText(QStringLiteral("Время с начала эксперимента: %1 лет и %2 дней (%3 сут); Солнце %4")
                            .arg(Fixed(years, 0), Fixed(days - 365 * years, 1), Fixed(days, 1),
                                 s.sunHeld ? QStringLiteral("неподвижно") : QStringLiteral("движется")));
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

void MeasurementsWindow::ShowBodies() {
    const RunSnapshot& s = recorder_.Latest();
    for (int column = DistanceMkm; column <= PeriodDifference; ++column)
        SetCell(table_, body::Sun, column, Missing,
                QStringLiteral("Расстояния и орбиты считаются от Солнца"));
    for (int body = body::Sun + 1; body <= body::Count; ++body) {
        const OrbitAboutSun orbit = OrbitOf(s, body);
        SetCell(table_, body, DistanceMkm, Fixed(orbit.distance / MetresPerMillionKm, 2));
        SetCell(table_, body, DistanceAu, Fixed(orbit.distance / AstronomicalUnitMetres, 4));
        SetCell(table_, body, Speed, Fixed(orbit.speed / 1000, 3));
        const QString unbound = QStringLiteral("Орбита не замкнута (e ≥ 1): тело уходит от Солнца");
        const bool bound = orbit.semiMajorAxis.has_value();
        SetCell(table_, body, Eccentricity, Fixed(orbit.eccentricity, 4));
        SetCell(table_, body, SemiMajorAxis,
                bound ? Fixed(*orbit.semiMajorAxis / AstronomicalUnitMetres, 4) : Missing,
                bound ? QString() : unbound);
        SetCell(table_, body, KeplerPeriod, bound ? Duration(*orbit.keplerPeriod) : Missing,
                bound ? QString() : unbound);
        const std::optional<double> measured = recorder_.MeasuredPeriod(body);
        const QString notYet =
            QStringLiteral("Тело ещё не сделало полного оборота вокруг Солнца в этом прогоне");
        SetCell(table_, body, MeasuredPeriod, measured ? Duration(*measured) : Missing,
                measured ? QString() : notYet);
        if (measured && bound)
            SetCell(table_, body, PeriodDifference, Fixed((*measured / *orbit.keplerPeriod - 1) * 100, 2));
        else
            SetCell(table_, body, PeriodDifference, Missing, measured ? unbound : notYet);
    }
}

void MeasurementsWindow::ShowRealSky() {
    const SkyComparison sky = CompareWithRealSky(recorder_.Latest());
    QString why;
    switch (sky.status) {
    case SkyStatus::Compared:
        break;
    case SkyStatus::NotFromDataSet:
        why =
            QStringLiteral("Прогон начат не с реальных положений планет (данные на 1.1.2000 года или на "
                           "другую дату) в том виде, как они загружены: сравнивать с реальным небом нечего");
        break;
    case SkyStatus::OutsideEphemeris:
        why = QStringLiteral("Дата вне 1800–2050 годов: приближённые элементы орбит JPL годятся только "
                             "для этих лет");
        break;
    }
    if (sky.date) {
        dateLabel_->setText(QStringLiteral("Дата в модели: %1").arg(DateText(*sky.date)));
        dateLabel_->setToolTip(sky.status == SkyStatus::Compared ? QString() : why);
    } else {
        dateLabel_->setText(QStringLiteral("Дата в модели: —"));
        dateLabel_->setToolTip(why);
    }
    const QString noReal = QStringLiteral("Реальная долгота дана только для планет");
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
    const auto pair = [](const QString& a, const QString& b) { return a + QStringLiteral("; ") + b; };
    const QString texts[] = {
        Scientific(c.kinetic),
        Scientific(c.potential),
        Scientific(c.total),
        Scientific(c.angularMomentum),
        pair(Fixed(c.centreX / MetresPerMillionKm, 4), Fixed(c.centreY / MetresPerMillionKm, 4)),
        pair(Fixed(c.centreVx, 4), Fixed(c.centreVy, 4)),
        Relative(recorder_.EnergyChange()),
        Relative(recorder_.AngularMomentumChange()),
    };
    for (std::size_t k = 0; k < conservation_.size(); ++k)
        if (conservation_[k]->text() != texts[k]) conservation_[k]->setText(texts[k]);
    const QString note =
        recorder_.Latest().sunHeld
            ? QStringLiteral("Солнце неподвижно: энергия остальных тел (их кинетическая и потенциальная "
                             "энергия всех пар, с Солнцем тоже), момент импульса относительно Солнца.")
            : QStringLiteral("Солнце движется: энергия и момент импульса (относительно начала координат) "
                             "всех одиннадцати тел.");
    if (systemNote_->text() != note) systemNote_->setText(note);
}

bool MeasurementsWindow::SaveCsv(const QString& path) {
    const CsvFormat format{QLocale().decimalPoint() == QStringLiteral(",")};
    const std::optional<QString> failure =
        WriteWholeFile(path, HistoryCsv(recorder_.History(), format, BodyNames()));
    if (failure) {
        ui::ShowMessage(this, QStringLiteral("Не удалось сохранить файл %1 (%2). Прежний файл не изменён.")
                                  .arg(path, *failure));
        return false;
    }
    return true;
}

void MeasurementsWindow::SaveCsvAs() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить в CSV"),
                                                QStringLiteral("orvane-izmereniya.csv"),
                                                QStringLiteral("Таблицы CSV (*.csv)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) path += QStringLiteral(".csv");
    SaveCsv(path);
}

} // namespace orvane::measure
