#include "AppStyle.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QStyleFactory>

namespace orvane::ui {

void ApplyAppStyle(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Liberation Sans has the metrics of the classic Windows faces the layout was measured with.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    app.setFont(font);
    app.setStyleSheet(QStringLiteral("QLineEdit { padding: 0px 1px; }"
                                     "QRadioButton { spacing: 3px; }"
                                     "QRadioButton::indicator { width: 11px; height: 11px; }"));
    app.setWindowIcon(AppIcon());
}

QPixmap DrawAppIcon(int size, bool small) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size / 2.0);
    painter.setBrush(QColor(16, 24, 64));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, size * 0.48, size * 0.48);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(170, 190, 255), std::max(1.0, size / 48.0)));
    const double radii[] = {0.2, 0.31, 0.42};
    for (int k = 0; k < (small ? 1 : 3); ++k) {
        const double r = small ? 0.3 : radii[k];
        painter.drawEllipse(centre, size * r, size * r);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 200, 40));
    painter.drawEllipse(centre, size * 0.1, size * 0.1);
    const QColor planets[] = {QColor(0, 185, 0), QColor(0, 0, 255), QColor(255, 0, 0)};
    const double angles[] = {0.8, 3.6, 5.4};
    for (int k = 0; k < (small ? 1 : 3); ++k) {
        const double r = small ? 0.3 : radii[k];
        painter.setBrush(small ? QColor(80, 140, 255) : planets[k]);
        painter.drawEllipse(centre + QPointF(std::cos(angles[k]) * size * r, -std::sin(angles[k]) * size * r),
                            size * 0.045 + 1, size * 0.045 + 1);
    }
    return pixmap;
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(DrawAppIcon(size));
    return icon;
}

} // namespace orvane::ui
