#include "LessonCatalogue.h"

#include "ErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace orvane {

namespace {

// The error a description file's fault is worded as (ui/ErrorText holds the words).
ErrorCode CodeOf(ExperimentFault fault) {
    switch (fault) {
    case ExperimentFault::UnknownKey:
        return ErrorCode::LessonUnknownKey;
    case ExperimentFault::NoEqualsSign:
        return ErrorCode::LessonNoEqualsSign;
    case ExperimentFault::BadMasses:
        return ErrorCode::LessonBadMasses;
    case ExperimentFault::BadAccuracy:
        return ErrorCode::LessonBadAccuracy;
    case ExperimentFault::BadSunMode:
        return ErrorCode::LessonBadSunMode;
    case ExperimentFault::BadMethod:
        return ErrorCode::LessonBadMethod;
    case ExperimentFault::MissingTitle:
        return ErrorCode::LessonMissingTitle;
    case ExperimentFault::MissingFile:
    case ExperimentFault::None:
        break;
    case ExperimentFault::StrayContinuation:
        return ErrorCode::LessonStrayContinuation;
    }
    return ErrorCode::LessonMissingFile;
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
        const bool own = folder != BuiltInLessonFolder;
        for (const QString& name : names) {
            const QString path = dir.filePath(name);
            const auto unreadable = [&](QString error, LessonExperiment experiment = {}) {
                catalogue.entries.push_back({std::move(experiment), {}, path, own, std::move(error)});
            };
            const auto text = Contents(path);
            if (!text) {
                unreadable(ui::ErrorText({.code = ErrorCode::LessonCannotRead,
                                          .path = QDir::toNativeSeparators(path).toStdString()}));
                continue;
            }
            const ExperimentRead read =
                ParseLessonExperiment(std::string_view(text->constData(), text->size()));
            if (!read.experiment) {
                unreadable(ui::ErrorText({.code = CodeOf(read.fault),
                                          .path = QDir::toNativeSeparators(path).toStdString(),
                                          .line = read.line}));
                continue;
            }
            const QString rowsPath = dir.filePath(QString::fromStdString(read.experiment->parameterFile));
            const auto rowsText = Contents(rowsPath);
            const ParameterFileRead rows =
                rowsText ? ParseParameterText(std::string_view(rowsText->constData(), rowsText->size()))
                         : ParameterFileRead{std::nullopt,
                                             Error{.code = ErrorCode::CannotRead,
                                                   .path = QDir::toNativeSeparators(rowsPath).toStdString()}};
            if (!rows.rows) {
                //: %1 is a parameter file's path, %2 what is wrong with it.
                unreadable(rowsText ? QCoreApplication::translate("LessonCatalogue", "%1: %2")
                                          .arg(QDir::toNativeSeparators(rowsPath), ui::ErrorText(*rows.error))
                                    : ui::ErrorText(*rows.error),
                           *read.experiment);
                continue;
            }
            catalogue.entries.push_back({*read.experiment, *rows.rows, path, own, {}});
        }
    }
    return catalogue;
}

} // namespace orvane
