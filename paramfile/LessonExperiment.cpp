#include "LessonExperiment.h"

#include "BodyTableRows.h"
#include "DefaultData.h"
#include "SimState.h"

#include <charconv>
#include <cmath>

namespace orvane {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<std::array<double, body::Count>> ParseMasses(std::string_view text) {
    std::array<double, body::Count> masses{};
    std::size_t count = 0;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == ','))
            ++i;
        if (i == text.size()) break;
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',')
            ++end;
        double value = 0;
        const auto [ptr, error] = std::from_chars(text.data() + i, text.data() + end, value);
        if (error != std::errc() || ptr != text.data() + end || !std::isfinite(value) || value < 0 ||
            count == masses.size())
            return std::nullopt;
        masses[count++] = value;
        i = end;
    }
    if (count != masses.size() || masses[0] <= 0) return std::nullopt;
    return masses;
}

// "title[en]" is the key "title" in the language "en": letters of a code between square brackets.
struct LanguageKey {
    std::string_view key;
    std::string_view code;
};
std::optional<LanguageKey> SplitLanguage(std::string_view key) {
    const std::size_t open = key.find('[');
    if (open == std::string_view::npos || key.back() != ']') return std::nullopt;
    const std::string_view code = key.substr(open + 1, key.size() - open - 2);
    if (code.empty()) return std::nullopt;
    for (const char c : code)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '-')) return std::nullopt;
    return LanguageKey{key.substr(0, open), code};
}

const std::string& InLanguage(const std::map<std::string, std::string, std::less<>>& texts,
                              std::string_view code, const std::string& own) {
    const auto found = texts.find(code);
    return found == texts.end() || found->second.empty() ? own : found->second;
}

bool IsEpochDataSet(const SimState& s) {
    for (int i = body::Sun; i <= body::Pluto; ++i) {
        const BodyRecord& epoch = EpochBodies[static_cast<std::size_t>(i - 1)];
        if (s.BodyX(i) != epoch.x * s.LengthUnit || s.BodyY(i) != epoch.y * s.LengthUnit ||
            s.BodyVx(i) != epoch.vx || s.BodyVy(i) != epoch.vy ||
            s.BodyMassPct(i) != DefaultBodies[static_cast<std::size_t>(i - 1)].massPct)
            return false;
    }
    return true;
}

} // namespace

ExperimentRead ParseLessonExperiment(std::string_view text) {
    LessonExperiment experiment;
    bool haveMasses = false;
    std::string* continued = nullptr;
    int lineNumber = 0;
    const auto fault = [&lineNumber](ExperimentFault what) {
        return ExperimentRead{std::nullopt, what, lineNumber};
    };
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view raw = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == '#') {
            if (line.empty()) continued = nullptr;
            if (end == text.size()) break;
            continue;
        }
        if (raw.front() == ' ' || raw.front() == '\t') {
            if (continued == nullptr) return fault(ExperimentFault::StrayContinuation);
            if (!continued->empty()) *continued += ' ';
            *continued += line;
            if (end == text.size()) break;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return fault(ExperimentFault::NoEqualsSign);
        const std::string_view key = Trimmed(line.substr(0, equals));
        const std::string_view value = Trimmed(line.substr(equals + 1));
        continued = nullptr;
        if (key == "title") {
            experiment.title = value;
            continued = &experiment.title;
        } else if (key == "description") {
            experiment.description = value;
            continued = &experiment.description;
        } else if (const auto language = SplitLanguage(key);
                   language && (language->key == "title" || language->key == "description")) {
            auto& texts = language->key == "title" ? experiment.titleIn : experiment.descriptionIn;
            std::string& text = texts[std::string(language->code)];
            text = value;
            continued = &text;
        } else if (key == "parameters") {
            experiment.parameterFile = value;
        } else if (key == "masses") {
            const auto masses = ParseMasses(value);
            if (!masses) return fault(ExperimentFault::BadMasses);
            experiment.massPct = *masses;
            haveMasses = true;
        } else if (key == "accuracy") {
            if (value == "low")
                experiment.accuracy = Accuracy::Low;
            else if (value == "medium")
                experiment.accuracy = Accuracy::Medium;
            else if (value == "high")
                experiment.accuracy = Accuracy::High;
            else
                return fault(ExperimentFault::BadAccuracy);
        } else if (key == "sun") {
            if (value == "held")
                experiment.sun = SunMode::Held;
            else if (value == "free")
                experiment.sun = SunMode::Free;
            else
                return fault(ExperimentFault::BadSunMode);
        } else if (key == "method") {
            experiment.method = SolverMethodFromKey(value);
            if (!experiment.method) return fault(ExperimentFault::BadMethod);
        } else {
            return fault(ExperimentFault::UnknownKey);
        }
        if (end == text.size()) break;
    }
    lineNumber = 0;
    if (experiment.title.empty()) return fault(ExperimentFault::MissingTitle);
    if (experiment.parameterFile.empty()) return fault(ExperimentFault::MissingFile);
    if (!haveMasses) return fault(ExperimentFault::BadMasses);
    return {experiment, ExperimentFault::None, 0};
}

const std::string& TitleIn(const LessonExperiment& experiment, std::string_view code) {
    return InLanguage(experiment.titleIn, code, experiment.title);
}

const std::string& DescriptionIn(const LessonExperiment& experiment, std::string_view code) {
    return InLanguage(experiment.descriptionIn, code, experiment.description);
}

double TimeStepOf(Accuracy accuracy) {
    switch (accuracy) {
    case Accuracy::Medium:
        return TimeStepMedium;
    case Accuracy::High:
        return TimeStepHigh;
    case Accuracy::Low:
        break;
    }
    return TimeStepLow;
}

void LoadLessonExperiment(SimState& s, const LessonExperiment& experiment, const ParameterRows& rows) {
    for (int i = 1; i <= body::Count; ++i) {
        s.BodyMassPct(i) = experiment.massPct[static_cast<std::size_t>(i - 1)];
        s.BodyMass(i) = s.EarthMass * s.BodyMassPct(i) / 100;
    }
    BodyTableFromRows(s, rows);
    for (int i = 1; i <= body::Count; ++i)
        s.BodyAngle(i) = s.PlanetAngle(i);
    s.Options.TimeStep = TimeStepOf(experiment.accuracy);
    if (experiment.method) s.Options.Method = *experiment.method;
    if (IsEpochDataSet(s)) s.DataSetDate = EpochDate;
}

} // namespace orvane
