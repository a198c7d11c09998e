#pragma once

#include "ParameterFile.h"

#include <QDir>
#include <QString>

namespace orvane {

// The parameter file in `dir`: the place the set-up window reads and writes it.
inline QString ParameterFileIn(const QString& dir) {
    return QDir(dir).filePath(QString::fromLatin1(ParameterFileName));
}

} // namespace orvane
