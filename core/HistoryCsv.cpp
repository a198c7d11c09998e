#include "HistoryCsv.h"

#include "Bodies.h"
#include "Ephemeris.h"
#include "RealSky.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>

namespace orvane::measure {

namespace {
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// A header field holds blanks and commas: it is quoted whatever the separator.
void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// A field holding a comma, a semicolon or a quote is quoted: a spreadsheet that splits at every one of
// them (LibreOffice's import dialog ticks Tab, Comma and Semicolon at first) then still reads "-23,893"
// as one number instead of -23 and 893, and the columns after it keep their places.
void AppendField(std::string& out, std::string_view text) {
    if (text.find_first_of(",;\"") == std::string_view::npos)
        out += text;
    else
        AppendQuoted(out, text);
}

// A method's name may hold the separator ("Runge–Kutta, 4th order"): it is quoted where it does.
void AppendMethod(std::string& out, const CsvWords& words, SolverMethod method) {
    for (std::size_t k = 0; k < SolverMethods.size(); ++k)
        if (SolverMethods[k].id == method) AppendField(out, words.methods[k]);
}

// The moment of a sample with what stays fixed through the run.
RunSnapshot MomentOf(const Sample& sample, const RunSnapshot& run) {
    RunSnapshot s = run;
    s.time = sample.time;
    s.x = sample.x;
    s.y = sample.y;
    s.vx = sample.vx;
    s.vy = sample.vy;
    s.sunHeld = sample.sunHeld;
    s.method = sample.method;
    return s;
}

// One row's values, worked out once per sample.
struct RowValues {
    const Sample& sample;
    RunSnapshot moment;
    std::array<std::optional<OrbitAboutSun>, body::Count + 1> orbits{};
    std::optional<double> julianDate; // of the moment, within the planet elements' years

    const OrbitAboutSun& Orbit(int body) {
        auto& orbit = orbits[static_cast<std::size_t>(body)];
        if (!orbit) orbit = OrbitOf(moment, body);
        return *orbit;
    }
};

std::optional<double> ValueOf(RowValues& row, const CsvColumn& column) {
    const Sample& sample = row.sample;
    const int b = column.body;
    switch (column.quantity) {
    case CsvQuantity::Time:
        return sample.time / SecondsPerDay;
    case CsvQuantity::X:
        return sample.x[b] / MetresPerMillionKm;
    case CsvQuantity::Y:
        return sample.y[b] / MetresPerMillionKm;
    case CsvQuantity::Vx:
        return sample.vx[b];
    case CsvQuantity::Vy:
        return sample.vy[b];
    case CsvQuantity::Energy:
        return sample.energy;
    case CsvQuantity::AngularMomentum:
        return sample.angularMomentum;
    case CsvQuantity::EnergyChange:
        if (sample.relativeEnergyChange < 0) return std::nullopt;
        return sample.relativeEnergyChange;
    case CsvQuantity::SunMode:
    case CsvQuantity::Method:
        return std::nullopt;
    case CsvQuantity::Distance:
        return row.Orbit(b).distance / MetresPerMillionKm;
    case CsvQuantity::Speed:
        return row.Orbit(b).speed / 1000;
    case CsvQuantity::SemiMajorAxis:
        if (const auto a = row.Orbit(b).semiMajorAxis) return *a / AstronomicalUnitMetres;
        return std::nullopt;
    case CsvQuantity::Eccentricity:
        if (!std::isfinite(row.Orbit(b).eccentricity)) return std::nullopt;
        return row.Orbit(b).eccentricity;
    case CsvQuantity::KeplerPeriod:
        if (const auto t = row.Orbit(b).keplerPeriod) return *t / SecondsPerDay;
        return std::nullopt;
    case CsvQuantity::Longitude:
        return DegreesFrom0To360(row.Orbit(b).polarAngleRad);
    case CsvQuantity::RealLongitude:
        if (!row.julianDate) return std::nullopt;
        return HeliocentricLongitudeDeg(b, *row.julianDate);
    case CsvQuantity::PolarAngle:
        return DegreesFrom0To360(row.Orbit(b).polarAngleRad);
    }
    return std::nullopt;
}
} // namespace

std::string CsvNumber(double value, CsvFormat format) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    if (format.decimalComma)
        for (char& c : text)
            if (c == '.') c = ',';
    return text;
}

std::vector<CsvColumn> HistoryCsvColumns(const RunSnapshot& run) {
    std::vector<CsvColumn> columns{{CsvQuantity::Time, 0}};
    for (int body = body::Sun; body <= body::Count; ++body)
        for (const CsvQuantity q : {CsvQuantity::X, CsvQuantity::Y, CsvQuantity::Vx, CsvQuantity::Vy})
            columns.push_back({q, body});
    for (const CsvQuantity q :
         {CsvQuantity::Energy, CsvQuantity::AngularMomentum, CsvQuantity::EnergyChange, CsvQuantity::SunMode})
        columns.push_back({q, 0});
    for (int body = body::Mercury; body <= body::Count; ++body) {
        for (const CsvQuantity q : {CsvQuantity::Distance, CsvQuantity::Speed, CsvQuantity::SemiMajorAxis,
                                    CsvQuantity::Eccentricity, CsvQuantity::KeplerPeriod})
            columns.push_back({q, body});
        if (run.dataSetDate) {
            columns.push_back({CsvQuantity::Longitude, body});
            if (body <= body::Pluto) columns.push_back({CsvQuantity::RealLongitude, body});
        }
    }
    // Every run's polar angles last, so the columns before them stay where they always were.
    for (int body = body::Mercury; body <= body::Count; ++body)
        columns.push_back({CsvQuantity::PolarAngle, body});
    // Last, so that every column before it stays where spreadsheets made from earlier files expect it.
    columns.push_back({CsvQuantity::Method, 0});
    return columns;
}

std::string HistoryCsv(const SampleHistory& history, const RunSnapshot& run, const CsvWords& words,
                       CsvFormat format) {
    const std::vector<CsvColumn> columns = HistoryCsvColumns(run);
    const char separator = format.Separator();
    std::string out;
    out.reserve(64 * 1024 + history.Samples().size() * columns.size() * 22);

    out += ByteOrderMark;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (k > 0) out += separator;
        AppendQuoted(out, k < words.header.size() ? words.header[k] : std::string());
    }
    out += "\r\n";

    for (const Sample& sample : history.Samples()) {
        RowValues row{sample, MomentOf(sample, run), {}, std::nullopt};
        if (run.dataSetDate) {
            const double jd = JulianDateOfSimulatedMoment(*run.dataSetDate, sample.time);
            if (EphemerisCovers(jd)) row.julianDate = jd;
        }
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (k > 0) out += separator;
            if (columns[k].quantity == CsvQuantity::SunMode) {
                AppendField(out, sample.sunHeld ? words.sunHeld : words.sunFree);
                continue;
            }
            if (columns[k].quantity == CsvQuantity::Method) {
                AppendMethod(out, words, sample.method);
                continue;
            }
            if (const std::optional<double> value = ValueOf(row, columns[k]))
                AppendField(out, CsvNumber(*value, format));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace orvane::measure
