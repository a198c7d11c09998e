#pragma once

#include <QString>
#include <QWidget>

namespace orvane::ui {

inline const QString WindowCaption = QStringLiteral("Orvane2.0");

// A modal message with the program's title and a single OK button.
void ShowMessage(QWidget* parent, const QString& prompt);

} // namespace orvane::ui
