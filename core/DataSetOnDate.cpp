#include "DataSetOnDate.h"

#include "Bodies.h"
#include "Ephemeris.h"

#include <array>
#include <cmath>

namespace orvane {

std::optional<Error> DataSetDateRefusal(const CalendarDate& date) {
    if (!IsValidDate(date)) return Error{.code = ErrorCode::DateNotInCalendar, .date = date};
    if (!EphemerisCovers(date)) return Error{.code = ErrorCode::DateOutsideEphemeris, .date = date};
    return std::nullopt;
}

std::optional<Error> LoadDataSetOnDate(SimState& state, const CalendarDate& date) {
    if (auto refusal = DataSetDateRefusal(date)) return refusal;

    // The mass as the physics will use it once the table is packed, not whatever BodyMass held last.
    const double sunMass = state.EarthMass * state.BodyMassPct(body::Sun) / 100;
    if (!(sunMass > 0) || !std::isfinite(sunMass) || !(state.GravConst > 0))
        return Error{.code = ErrorCode::SunWithoutMass};

    // Every planet is worked out before any is stored, so a failure in between changes nothing.
    const double julianDate = JulianDateAtMidnight(date);
    // Placed for the experiment's default, a held Sun: a fixed centre pulls each planet with mu = G M_Sun.
    const double mu = state.GravConst * sunMass;
    std::array<PlanarState, body::Pluto + 1> planets{};
    for (int planet = body::Mercury; planet <= body::Pluto; ++planet)
        planets[static_cast<std::size_t>(planet)] = PlanarStateOnDate(planet, julianDate, mu);

    state.BodyX(body::Sun) = 0;
    state.BodyY(body::Sun) = 0;
    state.BodyVx(body::Sun) = 0;
    state.BodyVy(body::Sun) = 0;
    for (int planet = body::Mercury; planet <= body::Pluto; ++planet) {
        const PlanarState& real = planets[static_cast<std::size_t>(planet)];
        state.BodyX(planet) = real.x;
        state.BodyY(planet) = real.y;
        state.BodyVx(planet) = real.vx;
        state.BodyVy(planet) = real.vy;
        state.BodyAngle(planet) = real.angleDeg;
        state.PlanetAngle(planet) = real.angleDeg;
    }
    state.DataSetDate = date;
    return std::nullopt;
}

} // namespace orvane
