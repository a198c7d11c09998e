#include "CsvFile.h"

#include <QSaveFile>

namespace orvane::measure {

std::optional<QString> WriteWholeFile(const QString& path, const std::string& text) {
    QSaveFile file(path);
    // Not even a temporary file may stay behind when the directory refuses to be written to.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

} // namespace orvane::measure
