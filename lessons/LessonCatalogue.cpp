#include "LessonCatalogue.h"

#include "ErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace orvane {

namespace {

QString FaultText(ExperimentFault fault) {
    switch (fault) {
    case ExperimentFault::UnknownKey:
        return QCoreApplication::translate("LessonCatalogue", "неизвестный ключ");
    case ExperimentFault::NoEqualsSign:
        return QCoreApplication::translate("LessonCatalogue", "нет знака «=»");
    case ExperimentFault::BadMasses:
        return QCoreApplication::translate("LessonCatalogue",
                                           "нужны одиннадцать масс не меньше нуля, масса Солнца больше нуля");
    case ExperimentFault::BadAccuracy:
        return QCoreApplication::translate("LessonCatalogue", "точность — low, medium или high");
    case ExperimentFault::BadSunMode:
        return QCoreApplication::translate("LessonCatalogue", "Солнце — held или free");
    case ExperimentFault::BadMethod:
        return QCoreApplication::translate("LessonCatalogue",
                                           "метод — euler, symplectic-euler, leapfrog или rk4");
    case ExperimentFault::MissingTitle:
        return QCoreApplication::translate("LessonCatalogue", "нет названия (title)");
    case ExperimentFault::MissingFile:
        return QCoreApplication::translate("LessonCatalogue", "не назван файл параметров (parameters)");
    case ExperimentFault::StrayContinuation:
        return QCoreApplication::translate("LessonCatalogue", "продолжение строки без ключа");
    case ExperimentFault::None:
        break;
    }
    return {};
}

// Through QFile, as the built-in experiments are the program's resources (":/experiments").
std::optional<QByteArray> Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.read(1 << 20);
}

} // namespace

QString UserLessonFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : QDir(data).filePath(QStringLiteral("experiments"));
}

LessonCatalogue ReadLessonCatalogue(const QStringList& folders) {
    LessonCatalogue catalogue;
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.experiment")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : names) {
            const QString path = dir.filePath(name);
            const auto text = Contents(path);
            if (!text) {
                catalogue.problems << QCoreApplication::translate("LessonCatalogue", "%1: файл не читается.")
                                          .arg(QDir::toNativeSeparators(path));
                continue;
            }
            const ExperimentRead read =
                ParseLessonExperiment(std::string_view(text->constData(), text->size()));
            if (!read.experiment) {
                catalogue.problems << QCoreApplication::translate("LessonCatalogue", "%1, строка %2: %3.")
                                          .arg(QDir::toNativeSeparators(path))
                                          .arg(read.line)
                                          .arg(FaultText(read.fault));
                continue;
            }
            const QString rowsPath = dir.filePath(QString::fromStdString(read.experiment->parameterFile));
            const auto rowsText = Contents(rowsPath);
            const ParameterFileRead rows =
                rowsText ? ParseParameterText(std::string_view(rowsText->constData(), rowsText->size()))
                         : ParameterFileRead{std::nullopt,
                                             Error{ErrorCode::CannotRead, {}, rowsPath.toStdString()}};
            if (!rows.rows) {
                catalogue.problems << QCoreApplication::translate("LessonCatalogue", "%1: %2")
                                          .arg(QDir::toNativeSeparators(rowsPath),
                                               rowsText ? ui::ErrorText(*rows.error)
                                                        : QCoreApplication::translate("LessonCatalogue",
                                                                                      "файл не читается."));
                continue;
            }
            catalogue.entries.push_back({*read.experiment, *rows.rows, path, folder != BuiltInLessonFolder});
        }
    }
    return catalogue;
}

} // namespace orvane
