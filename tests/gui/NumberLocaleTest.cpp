// Numbers shown in the windows read back in every locale: Latin digits, '-' and 'E' as the plain
// conversion writes them, only the decimal separator the locale's own.
#include "GuiTestSupport.h"

#include "Form1.h"
#include "NumberText.h"
#include "ProgramWindows.h"

#include <QLocale>

#include <cfloat>
#include <utility>

namespace orvane {
namespace {

using test::Click;
using test::Find;
using test::TextOf;
using ui::NumberToText;
using ui::TextToNumber;

struct LocaleCase {
    const char* name;
    const char* separator; // the locale's decimal separator, as its users write it
};

// Russian and German with a comma; Swedish and Finnish, whose own minus is U+2212; Arabic and Persian,
// whose own digits are not Latin and whose separator is the Arabic decimal sign U+066B; Hindi with a dot.
constexpr LocaleCase Locales[] = {
    {"ru_RU", ","},      {"de_DE", ","},      {"sv_SE", ","}, {"fi_FI", ","},
    {"ar_EG", "\u066B"}, {"fa_IR", "\u066B"}, {"hi_IN", "."},
};

// Sets the default locale for one test and puts back the one the test run uses.
struct DefaultLocale {
    QLocale previous;
    explicit DefaultLocale(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }
    ~DefaultLocale() { QLocale::setDefault(previous); }
};

QString WithSeparator(const char* plain, const char* separator) {
    return QString::fromUtf8(plain).replace(QLatin1Char('.'), QString::fromUtf8(separator));
}

bool PlainCharacters(const QString& text, const QString& separator) {
    for (const QChar c : text)
        if (!(c.isDigit() && c.unicode() < 128) && c != u'-' && c != u'+' && c != u'E' &&
            !separator.contains(c))
            return false;
    return true;
}

TEST(NumberTextLocales, AwkwardValuesAsThePlainConversionWritesThem) {
    struct Value {
        double value;
        const char* text;
    };
    // The texts as the C conversion writes them, rounded to 15 significant digits.
    const Value values[] = {
        {-55414, "-55414"},
        {-1000000, "-1000000"},
        {33316600, "33316600"},
        {98.5, "98.5"},
        {-5.55, "-5.55"},
        {1e-7, "1E-07"},
        {-2.5e-12, "-2.5E-12"},
        {1e20, "1E+20"},
        {123456789012345, "123456789012345"},
        {-1.23456789012345, "-1.23456789012345"},
        {1234567890123456, "1.23456789012346E+15"},
        {DBL_MAX, "1.79769313486232E+308"},
        {-0.0, "0"},
    };
    for (const LocaleCase& locale : Locales) {
        DefaultLocale scope(locale.name);
        const QString separator = QString::fromUtf8(locale.separator);
        EXPECT_EQ(QLocale().decimalPoint(), separator) << locale.name;
        for (const Value& v : values) {
            const QString text = NumberToText(v.value);
            EXPECT_EQ(text, WithSeparator(v.text, locale.separator)) << locale.name << " " << v.text;
            EXPECT_TRUE(PlainCharacters(text, separator)) << locale.name << " " << text.toStdString();
            const std::optional<double> back = TextToNumber(text);
            ASSERT_TRUE(back.has_value()) << locale.name << " " << text.toStdString();
            // What is shown reads back as the shown number: the value itself where 15 digits hold it,
            // and the largest double for the text of the largest double, just past it.
            const double shown =
                v.value == DBL_MAX ? DBL_MAX : QLocale::c().toDouble(QString::fromLatin1(v.text));
            EXPECT_EQ(*back, shown) << locale.name << " " << v.text;
        }
        EXPECT_EQ(TextToNumber(QStringLiteral("1e-7")), 1e-7) << locale.name; // a dot is always understood
        EXPECT_EQ(TextToNumber(QStringLiteral(" -2.5 ")), -2.5) << locale.name;
        EXPECT_FALSE(TextToNumber(QStringLiteral("1 000")).has_value()) << locale.name;
        EXPECT_FALSE(TextToNumber(QStringLiteral("5..5")).has_value()) << locale.name;
        EXPECT_EQ(TextToNumber(NumberToText(-DBL_MAX)), -DBL_MAX) << locale.name;
        EXPECT_FALSE(TextToNumber(QStringLiteral("1.79769313486233E+308")).has_value()) << locale.name;
        EXPECT_FALSE(TextToNumber(QStringLiteral("11.79769313486232E+308")).has_value()) << locale.name;
        EXPECT_EQ(TextToNumber(NumberToText(-DBL_MAX)), -DBL_MAX) << locale.name;
        EXPECT_FALSE(TextToNumber(QStringLiteral("1.79769313486233E+308")).has_value()) << locale.name;
        EXPECT_FALSE(TextToNumber(QStringLiteral("11.79769313486232E+308")).has_value()) << locale.name;
    }
}

// Every cell of the default table and of the 1.1.2000 table reads back as the body table's value, and
// "Изменить" takes the Sun's and the asteroid's columns over as they are shown.
TEST(NumberTextLocales, TheTablesReadBackAndAreTakenOver) {
    for (const LocaleCase& locale : Locales) {
        DefaultLocale scope(locale.name);
        const QString separator = QString::fromUtf8(locale.separator);
        SimState state;
        ProgramWindows windows(state);
        Form1& form = windows.Setup();
        EXPECT_EQ(TextOf(&form, "Text5(1)"), "-55414") << locale.name;
        EXPECT_EQ(TextOf(&form, "Text2(1)"), WithSeparator("5.55", locale.separator)) << locale.name;
        EXPECT_EQ(TextOf(&form, "Text3(10)"), "-1000000") << locale.name;
        EXPECT_EQ(TextOf(&form, "Text6(10)"), "-5000") << locale.name;
        const auto expectTableReadsBack = [&](const char* table) {
            for (int k = 0; k <= 10; ++k) {
                const int body = k + 1;
                const std::pair<const char*, double> cells[] = {
                    {"Text2", state.BodyMassPct(body)},
                    {"Text3", state.BodyX(body) / state.LengthUnit},
                    {"Text4", state.BodyY(body) / state.LengthUnit},
                    {"Text5", state.BodyVx(body)},
                    {"Text6", state.BodyVy(body)}};
                for (const auto& [row, value] : cells) {
                    const QString text = TextOf(&form, QStringLiteral("%1(%2)").arg(row).arg(k));
                    EXPECT_TRUE(PlainCharacters(text, separator))
                        << locale.name << table << text.toStdString();
                    EXPECT_EQ(TextToNumber(text), value) << locale.name << table << row << "(" << k << ")";
                }
            }
        };
        expectTableReadsBack(" default");
        Click(&form, "Command2");
        EXPECT_EQ(TextOf(&form, "Text1(3)"), WithSeparator("98.5", locale.separator)) << locale.name;
        EXPECT_EQ(TextOf(&form, "Text1(6)"), WithSeparator("45.5", locale.separator)) << locale.name;
        EXPECT_EQ(TextOf(&form, "Text3(1)"), "-23893") << locale.name;
        for (int k = 1; k <= 9; ++k)
            EXPECT_EQ(TextToNumber(TextOf(&form, QStringLiteral("Text1(%1)").arg(k))), state.BodyAngle(k + 1))
                << locale.name << " Text1(" << k << ")";
        expectTableReadsBack(" 1.1.2000");

        test::MessageCatcher catcher;
        Find<QLineEdit>(&form, "Text2(10)")->setText(NumberToText(2.5));
        Click(&form, "Option15");
        Click(&form, "Command6");
        EXPECT_TRUE(catcher.texts.isEmpty()) << locale.name << " " << catcher.texts.join('|').toStdString();
        EXPECT_EQ(state.BodyMassPct(11), 2.5) << locale.name;
        EXPECT_EQ(state.BodyX(11), -1000000e6) << locale.name;
        EXPECT_EQ(state.BodyVy(11), -5000) << locale.name;
    }
}

} // namespace
} // namespace orvane
