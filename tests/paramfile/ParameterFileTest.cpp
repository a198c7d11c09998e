#include "ParameterFile.h"
#include "BodyTableRows.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::string Numbers(int count, const std::string& separator) {
    std::string text;
    for (int k = 1; k <= count; ++k)
        text += std::to_string(k * (k % 2 ? 1 : -1)) + separator;
    return text;
}

struct TempDir {
    fs::path path;
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "orvane-test-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, ignored);
        fs::remove_all(path, ignored);
    }
};

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Runs `check` in a child process, which alone gets the limits or the identity it sets, and tells whether
// it held there.
template <typename Check>
bool HoldsInAChildProcess(Check check) {
    int report[2];
    if (::pipe(report) != 0) return false;
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        const char verdict = check() ? 'y' : 'n';
        (void)!::write(report[1], &verdict, 1);
        ::_exit(0);
    }
    ::close(report[1]);
    char verdict = 0;
    const bool reported = ::read(report[0], &verdict, 1) == 1;
    ::close(report[0]);
    ::waitpid(child, nullptr, 0);
    return reported && verdict == 'y';
}

// Every failure of a save but the one before anything was written leaves the previous file, and its
// message says so (the words are checked with the windows' ErrorText).
bool SaysThePreviousFileIsKept(const SaveResult& saved) {
    return !saved && saved.Failure().code != ErrorCode::SaveCannotCreate;
}

ParameterRows SampleRows() {
    ParameterRows rows{};
    rows[1] = {70, 15733, 43226, -55414, 20169};
    rows[3] = {98.5, 15.9, -146540.7, -1.5, 0.9};
    return rows;
}

TEST(ParameterFileFormat, WholeNumbersTruncatedTowardZeroWithCrLf) {
    const std::string text = FormatParameterText(SampleRows());
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "0 0 0 0 0\r");
    std::getline(lines, line);
    EXPECT_EQ(line, "70 15733 43226 -55414 20169\r");
    std::getline(lines, line);
    std::getline(lines, line);
    EXPECT_EQ(line, "98 15 -146540 -1 0\r");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 11);
}

TEST(ParameterFileParse, SeparatorsOfEveryKindReadTheSame) {
    const auto reference = ParseParameterText(Numbers(55, " "));
    ASSERT_TRUE(reference.rows) << *reference.error;
    EXPECT_EQ((*reference.rows)[0].angle, 1);
    EXPECT_EQ((*reference.rows)[0].x, -2);
    EXPECT_EQ((*reference.rows)[10].vy, 55);
    for (const std::string separator : {",", "\r\n", "\n", "\r", " , ", "\t"}) {
        const auto read = ParseParameterText(Numbers(55, separator));
        ASSERT_TRUE(read.rows) << *read.error;
        EXPECT_EQ((*read.rows)[4].vx, (*reference.rows)[4].vx);
        EXPECT_EQ((*read.rows)[10].vy, 55);
    }
    // Anything after the 55th number is ignored, even what is not a number.
    const auto extra = ParseParameterText(Numbers(55, " ") + "56 57 rubbish \x01\x02");
    ASSERT_TRUE(extra.rows) << *extra.error;
    EXPECT_EQ((*extra.rows)[10].vy, 55);
}

TEST(ParameterFileParse, RoundTripOfTheSavedText) {
    const auto read = ParseParameterText(FormatParameterText(SampleRows()));
    ASSERT_TRUE(read.rows);
    EXPECT_EQ((*read.rows)[1].vx, -55414);
    EXPECT_EQ((*read.rows)[3].angle, 98);
}

TEST(ParameterFileParse, BadInputIsReportedAndNamed) {
    const auto shortFile = ParseParameterText(Numbers(54, " "));
    EXPECT_FALSE(shortFile.rows);
    EXPECT_EQ(shortFile.error, (Error{.code = ErrorCode::TooFewNumbers, .value = 54}));

    const auto empty = ParseParameterText("");
    EXPECT_FALSE(empty.rows);

    std::string text = "1 2 3 4 5\r\n6 7 x8 9 10\r\n" + Numbers(45, " ");
    const auto notNumber = ParseParameterText(text);
    EXPECT_FALSE(notNumber.rows);
    EXPECT_EQ(notNumber.error,
              (Error{.code = ErrorCode::FieldNotANumber, .text = "x8", .line = 2, .field = 3}));

    const auto huge = ParseParameterText("1 2 1e999 " + Numbers(52, " "));
    EXPECT_FALSE(huge.rows);
    EXPECT_EQ(huge.error, (Error{.code = ErrorCode::NumberTooLarge, .text = "1e999", .line = 1, .field = 3}));
    const auto manyDigits = ParseParameterText(std::string(400, '9') + " " + Numbers(54, " "));
    EXPECT_FALSE(manyDigits.rows);

    for (const char* bad : {"-", "1-2", "--5", "5e", ".", "0x10", "1,5.5.5"}) {
        EXPECT_FALSE(ParseParameterText(std::string(bad) + " " + Numbers(55, " ")).rows) << bad;
    }
}

// A file edited by hand with fractions and exponents reads the same whatever the locale: the dot is the
// file's only decimal separator, and a comma still separates two numbers.
TEST(ParameterFileParse, DotDecimalsReadTheSameUnderARussianLocale) {
    const std::string edited =
        "0 0 0 0 0\r\n98.5 1.5e3 43226 -55414 20169\r\n-3.5156e4,2.5,+7 1,5\r\n" + Numbers(40, " ");
    const auto inC = ParseParameterText(edited);
    ASSERT_TRUE(inC.rows) << *inC.error;
    const std::string savedInC = FormatParameterText(*inC.rows);

    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "the ru_RU.UTF-8 locale is missing (scripts/install-deps.sh test generates it)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const auto inRussian = ParseParameterText(edited);
    const std::string savedInRussian = inRussian.rows ? FormatParameterText(*inRussian.rows) : "";
    std::setlocale(LC_ALL, previous.c_str());

    ASSERT_TRUE(inRussian.rows) << *inRussian.error;
    const ParameterRow& mercury = (*inRussian.rows)[1];
    EXPECT_EQ(mercury.angle, 98.5);
    EXPECT_EQ(mercury.x, 1500);
    EXPECT_EQ(mercury.vx, -55414);
    const ParameterRow& venus = (*inRussian.rows)[2];
    EXPECT_EQ(venus.angle, -35156);
    EXPECT_EQ(venus.x, 2.5);
    EXPECT_EQ(venus.y, 7);
    EXPECT_EQ(venus.vx, 1);
    EXPECT_EQ(venus.vy, 5);
    EXPECT_EQ(savedInRussian, savedInC);
    EXPECT_NE(savedInRussian.find("\r\n98 1500 43226 -55414 20169\r\n-35156 2 7 1 5\r\n"), std::string::npos)
        << savedInRussian;
}

// Whatever the save writes, the load takes back: any finite angle and velocity, and a coordinate up to
// the largest whose metres are finite, 1.7976931348623154e302 thousand km (the next double up, times
// 1e6, overflows).
TEST(ParameterFileParse, TheLargestValuesRoundTrip) {
    constexpr double LargestCoordinate = 1.7976931348623154e302;
    ParameterRows rows{};
    for (ParameterRow& row : rows)
        row = {DBL_MAX, LargestCoordinate, -LargestCoordinate, -DBL_MAX, DBL_MAX};
    const auto read = ParseParameterText(FormatParameterText(rows));
    ASSERT_TRUE(read.rows) << *read.error;
    for (const ParameterRow& row : *read.rows) {
        EXPECT_EQ(row.angle, DBL_MAX);
        EXPECT_EQ(row.x, LargestCoordinate);
        EXPECT_EQ(row.y, -LargestCoordinate);
        EXPECT_EQ(row.vx, -DBL_MAX);
        EXPECT_EQ(row.vy, DBL_MAX);
    }
    // One step further the coordinate is refused, and a velocity past the largest double as well.
    const auto tooFar = ParseParameterText("0 1.797693134862316e302 " + Numbers(53, " "));
    EXPECT_FALSE(tooFar.rows);
    ASSERT_TRUE(tooFar.error);
    EXPECT_EQ(tooFar.error->code, ErrorCode::NumberTooLarge);
    EXPECT_EQ(tooFar.error->line, 1);
    EXPECT_EQ(tooFar.error->field, 2);
    EXPECT_FALSE(ParseParameterText("0 0 0 1.8e308 " + Numbers(51, " ")).rows);
    // A value too small for a double reads as zero.
    const auto tiny = ParseParameterText("1e-400 " + Numbers(54, " "));
    ASSERT_TRUE(tiny.rows) << *tiny.error;
    EXPECT_EQ((*tiny.rows)[0].angle, 0);
}

// A body table whose largest coordinate would be saved as thousands that no longer fit in metres is
// named before anything is written; the largest that does fit passes.
TEST(ParameterFileParse, ASaveThatWouldNotLoadBackNamesItsBody) {
    ParameterRows rows{};
    rows[9].y = -1.7976931348623154e302;
    EXPECT_FALSE(BodyBeyondTheFile(rows, 1e6));
    rows[2].x = 1.7976931348623157e302; // DBL_MAX / 1e6 rounded up: times 1e6 it overflows
    EXPECT_EQ(BodyBeyondTheFile(rows, 1e6), 3);
}

TEST(ParameterFileDisk, SaveIsAtomicAndLoadReadsItBack) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    EXPECT_EQ(ReadAll(file), "0 0 0 0 0\r\n"
                             "70 15733 43226 -55414 20169\r\n"
                             "0 0 0 0 0\r\n"
                             "98 15 -146540 -1 0\r\n"
                             "0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n"
                             "0 0 0 0 0\r\n0 0 0 0 0\r\n0 0 0 0 0\r\n");
    const auto read = ReadParameterFile(file.string());
    ASSERT_TRUE(read.rows) << *read.error;
    EXPECT_EQ((*read.rows)[1].y, 43226);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(ParameterFileDisk, SavingOverAFileKeepsItsPermissions) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644));
    fs::permissions(file, fs::perms(0600));
    ASSERT_TRUE(WriteParameterFile(file.string(), ParameterRows{}));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600));
    fs::permissions(file, fs::perms(0664));
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0664));
    EXPECT_EQ(ReadAll(file), FormatParameterText(SampleRows()));
}

// Where orvane1.dat is a link, the save replaces the file it points to, in that file's directory, and
// the link stays a link, also through a chain of relative links.
TEST(ParameterFileDisk, SavingThroughASymbolicLinkReplacesItsTarget) {
    TempDir dir;
    fs::create_directory(dir.path / "data");
    const fs::path target = dir.path / "data" / "kept.dat";
    ASSERT_TRUE(WriteParameterFile(target.string(), ParameterRows{}));
    fs::permissions(target, fs::perms(0640));
    fs::create_symlink("data/kept.dat", dir.path / "middle.dat");
    const fs::path link = dir.path / "orvane1.dat";
    fs::create_symlink("middle.dat", link);

    ASSERT_TRUE(WriteParameterFile(link.string(), SampleRows()));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(dir.path / "middle.dat"));
    EXPECT_EQ(fs::read_symlink(link), "middle.dat");
    EXPECT_EQ(ReadAll(target), FormatParameterText(SampleRows()));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    const auto read = ReadParameterFile(link.string());
    ASSERT_TRUE(read.rows) << *read.error;
    EXPECT_EQ((*read.rows)[1].vx, -55414);
    // No temporary file is left in either directory.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path / "data"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 3);
}

TEST(ParameterFileDisk, FailuresLeaveThePreviousFileAndSaySo) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    const auto missing = ReadParameterFile(file.string());
    EXPECT_FALSE(missing.rows);
    EXPECT_EQ(missing.error, (Error{.code = ErrorCode::FileNotFound, .path = file.string()}));

    fs::create_directory(file);
    EXPECT_FALSE(ReadParameterFile(file.string()).rows);
    EXPECT_FALSE(WriteParameterFile(file.string(), SampleRows()));
    fs::remove(file);

    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    const std::string before = ReadAll(file);
    if (::geteuid() != 0) { // root writes anywhere: the read-only directory means nothing to it
        fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
        ParameterRows other{};
        const SaveResult saved = WriteParameterFile(file.string(), other);
        ASSERT_FALSE(saved);
        EXPECT_TRUE(SaysThePreviousFileIsKept(saved)) << saved.Failure();
        EXPECT_EQ(ReadAll(file), before);
    }
    const SaveResult unwritable =
        WriteParameterFile((dir.path / "no-such-dir" / "orvane1.dat").string(), SampleRows());
    ASSERT_FALSE(unwritable);
    EXPECT_EQ(unwritable.Failure().code, ErrorCode::SaveCannotCreate);
    EXPECT_EQ(unwritable.Failure().osError, ENOENT);
}

// A disk that fills up while the file is written, as a file-size limit makes it: the save fails with
// its message and the previous file stays whole. Run in a child process, which alone gets the limit.
TEST(ParameterFileDisk, FullDiskKeepsThePreviousFile) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    const std::string before = ReadAll(file);
    EXPECT_TRUE(HoldsInAChildProcess([&] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ParameterRows big{};
        for (auto& row : big)
            row = {359, -4.5e9, -4.5e9, -299792, -299792};
        return SaysThePreviousFileIsKept(WriteParameterFile(file.string(), big));
    }));
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

} // namespace
} // namespace orvane

namespace orvane {
namespace {

// The fuzzers' seed files read as their names promise: valid-* load, invalid-* are refused with a reason.
TEST(ParameterFileCorpus, SeedFilesLoadAsTheirNamesSay) {
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(ORVANE_PARAMETER_CORPUS)) {
        const std::string name = entry.path().filename().string();
        const auto read = ReadParameterFile(entry.path().string());
        if (name.rfind("valid-", 0) == 0) {
            ASSERT_TRUE(read.rows) << name << ": " << *read.error;
            EXPECT_EQ((*read.rows)[1].vx, -55414) << name;
            EXPECT_EQ((*read.rows)[10].vy, -5000) << name;
        } else {
            EXPECT_FALSE(read.rows) << name;
            EXPECT_TRUE(read.error) << name;
        }
        ++seen;
    }
    EXPECT_GE(seen, 8);
}

// A parameter file its owner made read-only is not replaced behind the protection: the save fails as
// opening the file for writing would, and the file keeps its contents. Run as an ordinary user in a child
// process, since the superuser may write any file.
TEST(ParameterFileDisk, ReadOnlyFileIsNotReplaced) {
    TempDir dir;
    fs::permissions(dir.path, fs::perms::all); // the directory itself lets anyone create files
    const fs::path file = dir.path / "orvane1.dat";
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    fs::permissions(file, fs::perms(0444));
    const std::string before = ReadAll(file);
    EXPECT_TRUE(HoldsInAChildProcess([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return false;
        return SaysThePreviousFileIsKept(WriteParameterFile(file.string(), ParameterRows{}));
    }));
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

// A link that leads round in a circle names no file: the save fails, as opening it would, and both
// links stay links.
TEST(ParameterFileDisk, LinkLoopFailsAndKeepsTheLinks) {
    TempDir dir;
    const fs::path link = dir.path / "orvane1.dat";
    fs::create_symlink("other.dat", link);
    fs::create_symlink("orvane1.dat", dir.path / "other.dat");
    const SaveResult saved = WriteParameterFile(link.string(), SampleRows());
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.Failure(),
              (Error{.code = ErrorCode::SaveLinkLoop, .path = link.string(), .osError = ELOOP}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(dir.path / "other.dat"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 2);
}

// A new file gets the permissions the user's file-creation mask allows, as any file the user creates.
TEST(ParameterFileDisk, NewFileFollowsTheCreationMask) {
    TempDir dir;
    const mode_t previous = ::umask(077);
    const SaveResult privateSave = WriteParameterFile((dir.path / "private.dat").string(), SampleRows());
    ::umask(002);
    const SaveResult sharedSave = WriteParameterFile((dir.path / "shared.dat").string(), SampleRows());
    ::umask(previous);
    ASSERT_TRUE(privateSave);
    ASSERT_TRUE(sharedSave);
    EXPECT_EQ(fs::status(dir.path / "private.dat").permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(dir.path / "shared.dat").permissions(), fs::perms(0664));
}

} // namespace
} // namespace orvane
