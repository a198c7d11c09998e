// The measurements CSV opened by a real spreadsheet: LibreOffice Calc, headless, with the import dialog's
// settings as a fresh profile offers them (Tab, Comma and Semicolon all separators, " around text, quoted
// fields not forced to text, no special number detection, the desktop's language). Every number must come
// in as one numeric cell and the header as the window's own words; in the C run and again as on a Russian
// desktop (the ru_RU.* entry), where the decimal comma is the one that used to split numbers in two.
#include "GuiTestSupport.h"

#include "CsvWords.h"
#include "HistoryCsv.h"
#include "MeasurementsController.h"
#include "MeasurementsWindow.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

namespace orvane {
namespace {

// The import filter's options, token by token: separators 44/59/9 (comma, semicolon, tab), text
// delimiter 34 ("), character set 76 (UTF-8; the file's byte-order mark says so too), from line 1, no
// column formats, language 0 (the desktop's), quoted field as text false, detect special numbers false.
constexpr char CalcDefaultImport[] = "CSV:44/59/9,34,76,1,,0,false,false";

struct Cell {
    QString type; // "float", "string" or empty
    QString value;
    QString text;
};
using Sheet = QList<QList<Cell>>;

// The cells of the first table of a flat OpenDocument spreadsheet, repeated rows and cells spelled out
// (a repeated run at the end of a row or of the sheet is only the empty rest of it and is left out).
Sheet ReadFlatOds(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Sheet sheet;
    int rowRepeat = 1;
    int cellRepeat = 1;
    Cell cell;
    bool inCell = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            const auto attributes = xml.attributes();
            if (name == u"table-row") {
                rowRepeat = std::max(1, attributes.value("table:number-rows-repeated").toInt());
                sheet.append(QList<Cell>{});
            } else if (name == u"table-cell" || name == u"covered-table-cell") {
                cellRepeat = std::max(1, attributes.value("table:number-columns-repeated").toInt());
                cell = {attributes.value("office:value-type").toString(),
                        attributes.value("office:value").toString(),
                        {}};
                inCell = true;
            } else if (name == u"p" && inCell) {
                cell.text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement()) {
            if (name == u"table-cell" || name == u"covered-table-cell") {
                inCell = false;
                if (cellRepeat > 1 && cell.type.isEmpty()) continue; // the empty rest of a row, or a gap
                for (int k = 0; k < cellRepeat; ++k)
                    sheet.back().append(cell);
            } else if (name == u"table-row") {
                if (rowRepeat > 1 && sheet.back().isEmpty()) sheet.removeLast();
            } else if (name == u"table") {
                break;
            }
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return sheet;
}

// The CSV's own fields, read as the format says: quotes around a field, a doubled quote inside.
QList<QStringList> ReadCsv(const QString& path, QChar separator) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    QList<QStringList> rows;
    for (const QString& line : text.split("\r\n", Qt::SkipEmptyParts)) {
        QStringList fields{QString()};
        bool quoted = false;
        for (qsizetype k = 0; k < line.size(); ++k) {
            const QChar c = line[k];
            if (quoted && c == '"' && k + 1 < line.size() && line[k + 1] == '"') {
                fields.last() += c;
                ++k;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == separator && !quoted) {
                fields.append(QString());
            } else {
                fields.last() += c;
            }
        }
        rows.append(fields);
    }
    return rows;
}

struct Spreadsheet : test::MeasurementsFixture {};

TEST_F(Spreadsheet, CalcWithItsDefaultImportSettingsReadsEveryNumberAsOneNumber) {
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice (libreoffice-calc-nogui) is not installed";
    // Thirty steps of the default data: numbers of every size, whole ones, exponents, empty fields.
    Ticks(30);
    measure::MeasurementsWindow* window = Open();
    ASSERT_NE(window, nullptr);
    QTemporaryDir dir;
    const QString csvPath = dir.filePath("measurements.csv");
    ASSERT_TRUE(window->SaveCsv(csvPath));

    // Calc in the language the window wrote the numbers in, with a profile of its own.
    const QLocale locale;
    const bool comma = locale.decimalPoint() == QStringLiteral(",");
    QProcess calc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString localeName = comma ? QStringLiteral("ru_RU.UTF-8") : QStringLiteral("C.UTF-8");
    environment.insert("LC_ALL", localeName);
    environment.insert("LANG", localeName);
    environment.remove("QT_QPA_PLATFORM");
    calc.setProcessEnvironment(environment);
    calc.start(soffice, {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
                         "--headless", "--norestore", QStringLiteral("--infilter=") + CalcDefaultImport,
                         "--convert-to", "fods", "--outdir", dir.path(), csvPath});
    ASSERT_TRUE(calc.waitForFinished(50000)) << "LibreOffice took longer than 50 s";
    ASSERT_EQ(calc.exitCode(), 0) << calc.readAllStandardError().toStdString();
    const Sheet sheet = ReadFlatOds(dir.filePath("measurements.fods"));

    const measure::RunSnapshot& run = Controller()->Recorder().Latest();
    const std::vector<measure::CsvColumn> columns = measure::HistoryCsvColumns(run);
    const measure::CsvWords words = measure::CsvWordsFor(run);
    const QList<QStringList> csv = ReadCsv(csvPath, comma ? ';' : ',');
    const auto samples = Controller()->Recorder().History().Samples().size();
    ASSERT_EQ(csv.size(), static_cast<qsizetype>(samples) + 1);
    ASSERT_EQ(sheet.size(), csv.size());

    // The header: one text cell per column, the window's words letter for letter.
    ASSERT_EQ(sheet[0].size(), static_cast<qsizetype>(columns.size()));
    for (std::size_t k = 0; k < columns.size(); ++k) {
        EXPECT_EQ(sheet[0][static_cast<qsizetype>(k)].type, "string") << k;
        EXPECT_EQ(sheet[0][static_cast<qsizetype>(k)].text.toStdString(), words.header[k]) << k;
    }
    // Every row: each number one numeric cell of the same value (to Calc's 15 digits or so), in its own
    // column; the Sun's mode and the method texts; an empty field an empty cell.
    int numbers = 0;
    for (qsizetype row = 1; row < sheet.size(); ++row) {
        const QStringList& fields = csv[row];
        ASSERT_EQ(fields.size(), static_cast<qsizetype>(columns.size())) << row;
        const QList<Cell>& cells = sheet[row];
        ASSERT_LE(cells.size(), fields.size()) << row; // empty cells at the end may be left out
        for (qsizetype k = 0; k < fields.size(); ++k) {
            const Cell cell = k < cells.size() ? cells[k] : Cell{};
            if (columns[static_cast<std::size_t>(k)].quantity == measure::CsvQuantity::Method) {
                EXPECT_EQ(cell.type, "string") << row << " " << k;
                EXPECT_EQ(cell.text, fields[k]) << row << " " << k;
                continue;
            }
            if (columns[static_cast<std::size_t>(k)].quantity == measure::CsvQuantity::SunMode) {
                EXPECT_EQ(cell.type, "string") << row << " " << k;
                EXPECT_TRUE(cell.text.toStdString() == words.sunHeld ||
                            cell.text.toStdString() == words.sunFree)
                    << cell.text.toStdString();
                continue;
            }
            if (fields[k].isEmpty()) {
                EXPECT_TRUE(cell.type.isEmpty()) << row << " " << k << " " << cell.text.toStdString();
                continue;
            }
            ASSERT_EQ(cell.type, "float")
                << "row " << row << ", column " << k << ": " << fields[k].toStdString() << " came in as «"
                << cell.text.toStdString() << "»";
            bool ok = false;
            const double written =
                (comma ? QLocale(QLocale::Russian) : QLocale::c()).toDouble(fields[k], &ok);
            ASSERT_TRUE(ok) << fields[k].toStdString();
            EXPECT_NEAR(cell.value.toDouble(), written, std::abs(written) * 1e-11) << row << " " << k;
            ++numbers;
        }
    }
    EXPECT_GT(numbers, 30 * 90);
}

} // namespace
} // namespace orvane
