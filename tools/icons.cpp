// Renders the program's icon as PNG files of the usual sizes for the hicolor icon theme:
//   orvane_icons <directory>   writes <directory>/<size>/orvane.png
#include "AppStyle.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("icons");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2").arg(outDir).arg(size);
        QDir().mkpath(dir);
        if (!orvane::ui::DrawAppIcon(size).save(dir + QStringLiteral("/orvane.png"))) return 1;
    }
    return 0;
}
