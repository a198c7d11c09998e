#include "ParameterFile.h"

#include <gtest/gtest.h>

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
    ASSERT_TRUE(reference.rows) << reference.error;
    EXPECT_EQ((*reference.rows)[0].angle, 1);
    EXPECT_EQ((*reference.rows)[0].x, -2);
    EXPECT_EQ((*reference.rows)[10].vy, 55);
    for (const std::string separator : {",", "\r\n", "\n", "\r", " , ", "\t"}) {
        const auto read = ParseParameterText(Numbers(55, separator));
        ASSERT_TRUE(read.rows) << read.error;
        EXPECT_EQ((*read.rows)[4].vx, (*reference.rows)[4].vx);
        EXPECT_EQ((*read.rows)[10].vy, 55);
    }
    // Anything after the 55th number is ignored, even what is not a number.
    const auto extra = ParseParameterText(Numbers(55, " ") + "56 57 rubbish \x01\x02");
    ASSERT_TRUE(extra.rows) << extra.error;
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
    EXPECT_NE(shortFile.error.find("54"), std::string::npos);

    const auto empty = ParseParameterText("");
    EXPECT_FALSE(empty.rows);

    std::string text = "1 2 3 4 5\r\n6 7 x8 9 10\r\n" + Numbers(45, " ");
    const auto notNumber = ParseParameterText(text);
    EXPECT_FALSE(notNumber.rows);
    EXPECT_NE(notNumber.error.find("строка 2, число 3"), std::string::npos) << notNumber.error;
    EXPECT_NE(notNumber.error.find("x8"), std::string::npos);

    const auto huge = ParseParameterText("1 2 1e999 " + Numbers(52, " "));
    EXPECT_FALSE(huge.rows);
    EXPECT_NE(huge.error.find("слишком велико"), std::string::npos) << huge.error;
    const auto manyDigits = ParseParameterText(std::string(400, '9') + " " + Numbers(54, " "));
    EXPECT_FALSE(manyDigits.rows);

    for (const char* bad : {"-", "1-2", "--5", "5e", ".", "0x10", "1,5.5.5"}) {
        EXPECT_FALSE(ParseParameterText(std::string(bad) + " " + Numbers(55, " ")).rows) << bad;
    }
}

TEST(ParameterFileDisk, SaveIsAtomicAndLoadReadsItBack) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    EXPECT_EQ(ReadAll(file), FormatParameterText(SampleRows()));
    const auto read = ReadParameterFile(file.string());
    ASSERT_TRUE(read.rows) << read.error;
    EXPECT_EQ((*read.rows)[1].y, 43226);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator()), 1);
}

TEST(ParameterFileDisk, FailuresLeaveThePreviousFileAndSaySo) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    const auto missing = ReadParameterFile(file.string());
    EXPECT_FALSE(missing.rows);
    EXPECT_NE(missing.error.find("не найден"), std::string::npos);

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
        EXPECT_NE(saved.Message().find("Прежний файл не изменён"), std::string::npos);
        EXPECT_EQ(ReadAll(file), before);
    }
    const SaveResult unwritable =
        WriteParameterFile((dir.path / "no-such-dir" / "orvane1.dat").string(), SampleRows());
    ASSERT_FALSE(unwritable);
    EXPECT_NE(unwritable.Message().find("Не удалось сохранить"), std::string::npos);
}

// A disk that fills up while the file is written, as a file-size limit makes it: the save fails with
// its message and the previous file stays whole. Run in a child process, which alone gets the limit.
TEST(ParameterFileDisk, FullDiskKeepsThePreviousFile) {
    TempDir dir;
    const fs::path file = dir.path / "orvane1.dat";
    ASSERT_TRUE(WriteParameterFile(file.string(), SampleRows()));
    const std::string before = ReadAll(file);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ParameterRows big{};
        for (auto& row : big)
            row = {359, -4.5e9, -4.5e9, -299792, -299792};
        const SaveResult saved = WriteParameterFile(file.string(), big);
        const char verdict =
            !saved && saved.Message().find("Прежний файл не изменён") != std::string::npos ? 'y' : 'n';
        (void)!::write(report[1], &verdict, 1);
        ::_exit(0);
    }
    ::close(report[1]);
    char verdict = 0;
    ASSERT_EQ(::read(report[0], &verdict, 1), 1);
    ::close(report[0]);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(verdict, 'y');
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
            ASSERT_TRUE(read.rows) << name << ": " << read.error;
            EXPECT_EQ((*read.rows)[1].vx, -55414) << name;
            EXPECT_EQ((*read.rows)[10].vy, -5000) << name;
        } else {
            EXPECT_FALSE(read.rows) << name;
            EXPECT_FALSE(read.error.empty()) << name;
        }
        ++seen;
    }
    EXPECT_GE(seen, 8);
}

} // namespace
} // namespace orvane
