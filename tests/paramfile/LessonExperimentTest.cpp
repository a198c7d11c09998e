// The description file of an experiment prepared for a lesson: what a teacher writes is read as written,
// and a mistake is named by its line.
#include "LessonExperiment.h"

#include <gtest/gtest.h>

#include <utility>

namespace orvane {
namespace {

constexpr const char* Masses = "masses = 33316600 5.55 81.6 100 10.75 31810 9514 1454 1708.5 0.21 0\n";

// A title and description in another language stand beside the file's own; a language the file lacks,
// or a blank translation, shows the file's own.
TEST(LessonExperimentFile, TitleAndDescriptionInAnotherLanguage) {
    const std::string text = std::string("title = Комета\nparameters = comet.dat\n") + Masses +
                             "description = Первая фраза.\n"
                             "title[en] = A comet\n"
                             "description[en] = First sentence.\n"
                             "  Second one.\n"
                             "title[de] =\n";
    const ExperimentRead read = ParseLessonExperiment(text);
    ASSERT_TRUE(read.experiment) << static_cast<int>(read.fault) << " line " << read.line;
    const LessonExperiment& e = *read.experiment;
    EXPECT_EQ(e.title, "Комета");
    EXPECT_EQ(TitleIn(e, "en"), "A comet");
    EXPECT_EQ(DescriptionIn(e, "en"), "First sentence. Second one.");
    EXPECT_EQ(TitleIn(e, "ru"), "Комета");
    EXPECT_EQ(DescriptionIn(e, "fr"), "Первая фраза.");
    EXPECT_EQ(TitleIn(e, "de"), "Комета");

    for (const char* key : {"title[] = x\n", "title[e n] = x\n", "masses[en] = 1\n", "title[en = x\n"}) {
        const ExperimentRead bad = ParseLessonExperiment(text + key);
        EXPECT_FALSE(bad.experiment) << key;
        EXPECT_EQ(bad.fault, ExperimentFault::UnknownKey) << key;
        EXPECT_EQ(bad.line, 9) << key;
    }
}

TEST(LessonExperimentFile, ReadsEveryKeyWithContinuedLinesAndComments) {
    const std::string text = std::string("# прим\n"
                                         "title = Комета\n"
                                         "parameters = comet.dat\r\n") +
                             Masses +
                             "accuracy = medium\n"
                             "sun = free\n"
                             "description = Первая фраза.\n"
                             "  Вторая фраза.\n"
                             "\tТретья.\n";
    const ExperimentRead read = ParseLessonExperiment(text);
    ASSERT_TRUE(read.experiment) << static_cast<int>(read.fault) << " line " << read.line;
    const LessonExperiment& e = *read.experiment;
    EXPECT_EQ(e.title, "Комета");
    EXPECT_EQ(e.parameterFile, "comet.dat");
    EXPECT_EQ(e.description, "Первая фраза. Вторая фраза. Третья.");
    EXPECT_EQ(e.massPct[0], 33316600);
    EXPECT_EQ(e.massPct[9], 0.21);
    EXPECT_EQ(e.massPct[10], 0);
    EXPECT_EQ(e.accuracy, Accuracy::Medium);
    EXPECT_EQ(e.sun, SunMode::Free);
    EXPECT_EQ(TimeStepOf(Accuracy::Low), 172800);
    EXPECT_EQ(TimeStepOf(Accuracy::Medium), 86400);
    EXPECT_EQ(TimeStepOf(Accuracy::High), 8640);

    // Left out: the low accuracy, and the Sun as the experiment window has it.
    const ExperimentRead plain = ParseLessonExperiment(std::string("title=T\nparameters=a.dat\n") + Masses);
    ASSERT_TRUE(plain.experiment);
    EXPECT_EQ(plain.experiment->accuracy, Accuracy::Low);
    EXPECT_EQ(plain.experiment->sun, std::nullopt);
}

TEST(LessonExperimentFile, AMistakeIsNamedByItsLine) {
    const auto fault = [](const std::string& text) {
        const ExperimentRead read = ParseLessonExperiment(text);
        EXPECT_FALSE(read.experiment);
        return std::make_pair(read.fault, read.line);
    };
    const std::string head = "title = T\nparameters = a.dat\n";
    using F = ExperimentFault;
    EXPECT_EQ(fault(head + Masses + "colour = red\n"), std::make_pair(F::UnknownKey, 4));
    EXPECT_EQ(fault(head + "just words\n"), std::make_pair(F::NoEqualsSign, 3));
    EXPECT_EQ(fault(head + "masses = 1 2 3\n"), std::make_pair(F::BadMasses, 3));
    EXPECT_EQ(fault(head + "masses = 1 2 3 4 5 6 7 8 9 10 11 12\n"), std::make_pair(F::BadMasses, 3));
    EXPECT_EQ(fault(head + "masses = 1 2 3 4 5 6 7 8 9 10 -1\n"), std::make_pair(F::BadMasses, 3));
    EXPECT_EQ(fault(head + "masses = 0 2 3 4 5 6 7 8 9 10 1\n"), std::make_pair(F::BadMasses, 3));
    EXPECT_EQ(fault(head + "masses = 1,5 2 3 4 5 6 7 8 9 10 x\n"), std::make_pair(F::BadMasses, 3));
    EXPECT_EQ(fault(head + Masses + "accuracy = best\n"), std::make_pair(F::BadAccuracy, 4));
    EXPECT_EQ(fault(head + Masses + "sun = off\n"), std::make_pair(F::BadSunMode, 4));
    EXPECT_EQ(fault("  continued\n" + head), std::make_pair(F::StrayContinuation, 1));
    EXPECT_EQ(fault(std::string("parameters = a.dat\n") + Masses), std::make_pair(F::MissingTitle, 0));
    EXPECT_EQ(fault(std::string("title = T\n") + Masses), std::make_pair(F::MissingFile, 0));
    EXPECT_EQ(fault(head), std::make_pair(F::BadMasses, 0));
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// `method` names one of the four methods by its key; left out, the experiment names none; anything
// else is a mistake on its line.
TEST(LessonExperimentFile, MethodIsOneOfTheFourKeys) {
    const std::string head = std::string("title = t\nparameters = p.dat\n") + Masses;
    const auto read = [&head](const std::string& line) { return ParseLessonExperiment(head + line); };
    EXPECT_EQ(read("method = euler\n").experiment->method, SolverMethod::Euler);
    EXPECT_EQ(read("method = symplectic-euler\n").experiment->method, SolverMethod::SymplecticEuler);
    EXPECT_EQ(read("method =  leapfrog \n").experiment->method, SolverMethod::Leapfrog);
    EXPECT_EQ(read("method = rk4\n").experiment->method, SolverMethod::RungeKutta4);
    EXPECT_FALSE(read("").experiment->method.has_value());
    for (const char* wrong : {"method = Euler\n", "method = rk\n", "method =\n", "method = leapfrog rk4\n"}) {
        const ExperimentRead bad = read(wrong);
        EXPECT_FALSE(bad.experiment) << wrong;
        EXPECT_EQ(bad.fault, ExperimentFault::BadMethod) << wrong;
        EXPECT_EQ(bad.line, 4) << wrong;
    }
}

} // namespace
} // namespace orvane
