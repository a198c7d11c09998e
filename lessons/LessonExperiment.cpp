#include "LessonExperiment.h"

#include "BodyTableRows.h"
#include "DefaultData.h"
#include "SimState.h"
#include "Units.h"

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

bool IsEpochDataSet(const Experiment& e) {
    for (int i = body::Sun; i <= body::Pluto; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const BodyRecord& epoch = EpochBodies[k];
        const ExperimentBody& b = e.bodies[k];
        if (b.x != epoch.x * MetresPerThousandKm || b.y != epoch.y * MetresPerThousandKm ||
            b.vx != epoch.vx || b.vy != epoch.vy || b.massPct != DefaultBodies[k].massPct)
            return false;
    }
    return true;
}

// One line of text for a value: a line end or a run of blanks becomes one blank.
std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (blank && (line.empty() || line.back() == ' ')) continue;
        line += blank ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

// The shortest text that reads back as the same double, with a dot whatever the locale.
std::string FullNumber(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
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

Experiment ExperimentOf(const LessonExperiment& lesson, const ParameterRows& rows) {
    Experiment experiment;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const ParameterRow& row = rows[k];
        experiment.bodies[k] = {
            lesson.massPct[k], MetresPerThousandKm * row.x, MetresPerThousandKm * row.y, row.vx, row.vy,
            row.angle};
    }
    experiment.masses = MassRule::All;
    experiment.accuracy = lesson.accuracy;
    experiment.sun = lesson.sun;
    experiment.method = lesson.method;
    if (IsEpochDataSet(experiment)) experiment.date = EpochDate;
    return experiment;
}

void LoadLessonExperiment(SimState& s, const LessonExperiment& experiment, const ParameterRows& rows) {
    ApplyExperiment(s, ExperimentOf(experiment, rows));
}

std::string FormatLessonExperiment(const LessonExperiment& e) {
    std::string text = "# Опыт для урока Orvane2.0\n";
    text += "title = " + OneLine(e.title) + "\n";
    text += "parameters = " + OneLine(e.parameterFile) + "\n";
    text += "masses =";
    for (const double mass : e.massPct)
        text += " " + FullNumber(mass);
    text += "\n";
    text += e.accuracy == Accuracy::High     ? "accuracy = high\n"
            : e.accuracy == Accuracy::Medium ? "accuracy = medium\n"
                                             : "accuracy = low\n";
    if (e.sun) text += *e.sun == SunMode::Free ? "sun = free\n" : "sun = held\n";
    if (e.method) text += "method = " + std::string(FactsOf(*e.method).key) + "\n";
    if (!OneLine(e.description).empty()) text += "description = " + OneLine(e.description) + "\n";
    for (const auto& [code, title] : e.titleIn)
        if (!OneLine(title).empty()) text += "title[" + code + "] = " + OneLine(title) + "\n";
    for (const auto& [code, description] : e.descriptionIn)
        if (!OneLine(description).empty())
            text += "description[" + code + "] = " + OneLine(description) + "\n";
    return text;
}

std::string FormatRowsInFull(const ParameterRows& rows) {
    std::string text;
    for (const ParameterRow& row : rows)
        text += FullNumber(row.angle) + " " + FullNumber(row.x) + " " + FullNumber(row.y) + " " +
                FullNumber(row.vx) + " " + FullNumber(row.vy) + "\n";
    return text;
}

} // namespace orvane
