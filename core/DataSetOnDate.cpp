#include "DataSetOnDate.h"

#include "Ephemeris.h"

#include <array>
#include <cmath>

namespace orvane {

namespace {

constexpr int Sun = 1;
constexpr int FirstPlanet = 2; // Mercury
constexpr int LastPlanet = 10; // Pluto

std::string DateText(const CalendarDate& date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + "." + std::to_string(date.year);
}

} // namespace

std::optional<std::string> DataSetDateRefusal(const CalendarDate& date) {
    if (!IsValidDate(date)) return "Такой даты нет в календаре: " + DateText(date) + ".";
    if (!EphemerisCovers(date))
        return "Положения планет известны только для дат с " + DateText(FirstEphemerisDate) + " по " +
               DateText(LastEphemerisDate) + ", а не на " + DateText(date) + ".";
    return std::nullopt;
}

std::optional<std::string> LoadDataSetOnDate(SimState& state, const CalendarDate& date) {
    if (auto refusal = DataSetDateRefusal(date)) return refusal;

    // The masses as the physics will use them once the table is packed, not whatever BodyMass held last.
    const auto massOf = [&state](int body) { return state.EarthMass * state.BodyMassPct(body) / 100; };
    const double sunMass = massOf(Sun);
    if (!(sunMass > 0) || !std::isfinite(sunMass) || !(state.GravConst > 0))
        return std::string("Положения планет на дату рассчитываются для Солнца с массой больше нуля.");

    // Every planet is worked out before any is stored, so a failure in between changes nothing.
    const double julianDate = JulianDateAtMidnight(date);
    std::array<PlanarState, LastPlanet + 1> planets{};
    for (int body = FirstPlanet; body <= LastPlanet; ++body) {
        const double mu = state.GravConst * (sunMass + massOf(body));
        planets[static_cast<std::size_t>(body)] = PlanarStateOnDate(body, julianDate, mu);
    }

    state.BodyX(Sun) = 0;
    state.BodyY(Sun) = 0;
    state.BodyVx(Sun) = 0;
    state.BodyVy(Sun) = 0;
    for (int body = FirstPlanet; body <= LastPlanet; ++body) {
        const PlanarState& planet = planets[static_cast<std::size_t>(body)];
        state.BodyX(body) = planet.x;
        state.BodyY(body) = planet.y;
        state.BodyVx(body) = planet.vx;
        state.BodyVy(body) = planet.vy;
        state.BodyAngle(body) = planet.angleDeg;
        state.PlanetAngle(body) = planet.angleDeg;
    }
    state.DataSetDate = date;
    return std::nullopt;
}

} // namespace orvane
