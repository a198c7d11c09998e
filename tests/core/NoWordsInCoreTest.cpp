// The core and the parameter file speak no language: their sources hold no Cyrillic letter outside
// comments, so a message can only come from the windows' translated texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvane {
namespace {

namespace fs = std::filesystem;

// The 1-based lines of C++ source text where a Cyrillic letter (U+0400–U+04FF) stands outside a comment:
// in code, a string or a character literal. Raw strings are read as strings.
std::vector<int> CyrillicOutsideComments(const std::string& source) {
    enum class In { Code, LineComment, BlockComment, String, Char, RawString };
    In state = In::Code;
    std::string rawEnd; // ")delimiter\"" that closes the raw string
    std::vector<int> lines;
    int line = 1;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const auto byte = static_cast<unsigned char>(c);
        // UTF-8 of U+0400–U+04FF: a lead byte 0xD0–0xD3 and one continuation byte.
        if (byte >= 0xD0 && byte <= 0xD3 && state != In::LineComment && state != In::BlockComment &&
            (lines.empty() || lines.back() != line))
            lines.push_back(line);
        if (c == '\n') ++line;
        switch (state) {
        case In::Code:
            if (c == '/' && next == '/')
                state = In::LineComment, ++i;
            else if (c == '/' && next == '*')
                state = In::BlockComment, ++i;
            else if (c == 'R' && next == '"') {
                const std::size_t open = source.find('(', i + 2);
                if (open == std::string::npos) break;
                // Appended: GCC 12 at -O3 warns falsely (-Wrestrict) on ")" + std::string.
                rawEnd = std::string(")").append(source, i + 2, open - i - 2).append("\"");
                state = In::RawString;
                i = open;
            } else if (c == '"')
                state = In::String;
            else if (c == '\'' && !(i > 0 && std::isxdigit(static_cast<unsigned char>(source[i - 1]))))
                state = In::Char; // not a digit separator such as 1'000
            break;
        case In::LineComment:
            if (c == '\n') state = In::Code;
            break;
        case In::BlockComment:
            if (c == '*' && next == '/') state = In::Code, ++i;
            break;
        case In::String:
        case In::Char:
            if (c == '\\')
                ++i;
            else if ((state == In::String && c == '"') || (state == In::Char && c == '\''))
                state = In::Code;
            break;
        case In::RawString:
            if (source.compare(i, rawEnd.size(), rawEnd) == 0) {
                i += rawEnd.size() - 1;
                state = In::Code;
            }
            break;
        }
    }
    return lines;
}

TEST(NoWordsInCore, TheScanSeesLettersInCodeAndStringsButNotInComments) {
    EXPECT_TRUE(
        CyrillicOutsideComments("// Солнце\nint a; /* Земля\n */ int b = 1'000; // \"Марс\"\n").empty());
    EXPECT_EQ(CyrillicOutsideComments("int a;\nconst char* s = \"Солнце\";\n"), std::vector<int>{2});
    EXPECT_EQ(CyrillicOutsideComments("auto s = \"http://x\"; auto t = \"Уран\";"), std::vector<int>{1});
    EXPECT_EQ(CyrillicOutsideComments("auto s = \"\\\"\"; auto t = 'ж';"), std::vector<int>{1});
    EXPECT_EQ(CyrillicOutsideComments("auto r = R\"x(\n\" // )\" Луна)x\";"), std::vector<int>{2});
    EXPECT_EQ(CyrillicOutsideComments("int Земля = 0;"), std::vector<int>{1});
}

TEST(NoWordsInCore, CoreAndParameterFileSourcesHoldNoRussianText) {
    int files = 0;
    for (const char* directory : {"core", "paramfile"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(ORVANE_SOURCE_DIR) / directory)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") continue;
            std::ifstream file(entry.path(), std::ios::binary);
            std::ostringstream text;
            text << file.rdbuf();
            ++files;
            for (const int line : CyrillicOutsideComments(text.str()))
                ADD_FAILURE() << entry.path().string() << ":" << line
                              << " holds Russian text outside a comment";
        }
    }
    EXPECT_GE(files, 30);
}

} // namespace
} // namespace orvane
