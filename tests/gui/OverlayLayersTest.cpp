// The layers of the shapes over a screen: which pixels a line takes, how the tints and the shapes lie
// over the drawing (as the painter's Darken and SourceOver would lay them), and that drawing again only
// the tiles where shapes went and came gives the picture drawn whole.
#include "OverlayLayers.h"

#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace orvane::ui {
namespace {

using Kind = orvane::OverlayShape::Kind;

constexpr QRgb Red = 0xFFC80000;
const QSize Logical(96, 64);

ShownShape Line(QPolygon points, QRgb rgb = Red, bool dashed = false, bool behind = false) {
    ShownShape shape;
    shape.kind = Kind::Polyline;
    shape.rgb = rgb & 0xFFFFFF;
    shape.dashed = dashed;
    shape.behind = behind;
    shape.points = std::move(points);
    shape.bounds = shape.points.boundingRect().adjusted(-4, -4, 4, 4) & QRect(QPoint(0, 0), Logical);
    return shape;
}

ShownShape Filled(QPolygon points, QRgb rgb, bool behind) {
    ShownShape shape = Line(std::move(points), rgb, false, behind);
    shape.kind = Kind::Fill;
    return shape;
}

struct Pictures {
    QImage dot{QSize(16, 16), QImage::Format_ARGB32_Premultiplied};
    QImage text{QSize(30, 12), QImage::Format_ARGB32_Premultiplied};
    Pictures() {
        dot.fill(Qt::transparent);
        QPainter(&dot).fillRect(QRect(5, 5, 6, 6), QColor(0, 0, 200));
        text.fill(Qt::transparent);
        QPainter painter(&text);
        painter.fillRect(QRect(2, 2, 20, 8),
                         QColor(0, 120, 0, 160)); // partly transparent, like letters' edges
    }
    OverlayLayers::Pictures Get() const {
        return {[this](QRgb) -> const QImage& { return dot; }, 8,
                [this](const ShownShape&) -> const QImage& { return text; }};
    }
};

QImage White(int scale = 1) {
    QImage image(Logical * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

// The drawing with the shapes over it, the layers drawn whole from `shapes`.
QImage DrawnWhole(const QList<ShownShape>& shapes, const QImage& drawing, bool wide = false, int scale = 1) {
    OverlayLayers layers;
    const Pictures pictures;
    layers.Prepare(Logical, scale, wide);
    layers.Render(shapes, layers.Marked(), pictures.Get());
    QImage out = drawing;
    layers.Compose(drawing, out, out.rect());
    return out;
}

std::set<std::pair<int, int>> PixelsOf(const QImage& image, QRgb rgb) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == rgb) pixels.emplace(x, y);
    return pixels;
}

TEST(OverlayLayers, ALineTakesTheNearestPixelOfEachColumnOrRow) {
    // Flat: one pixel per column, the row nearest y = 2 + 5·x/12 (halves rounded up).
    std::set<std::pair<int, int>> flat;
    for (int x = 0; x <= 12; ++x)
        flat.emplace(3 + x, 2 + static_cast<int>(std::floor(5.0 * x / 12 + 0.5)));
    EXPECT_EQ(PixelsOf(DrawnWhole({Line({QPoint(3, 2), QPoint(15, 7)})}, White()), Red), flat);
    // Steep, drawn up and to the left: one pixel per row, the column nearest x = 40 − 3·y/9.
    std::set<std::pair<int, int>> steep;
    for (int y = 0; y <= 9; ++y)
        steep.emplace(40 - static_cast<int>(std::floor(3.0 * y / 9 + 0.5)), 10 + y);
    EXPECT_EQ(PixelsOf(DrawnWhole({Line({QPoint(40, 10), QPoint(37, 19)})}, White()), Red), steep);
    // A single point is a pixel; one far outside the screen draws nothing and does not fail.
    EXPECT_EQ(PixelsOf(DrawnWhole({Line({QPoint(5, 6)})}, White()), Red),
              (std::set<std::pair<int, int>>{{5, 6}}));
    EXPECT_TRUE(PixelsOf(DrawnWhole({Line({QPoint(-20000, 5), QPoint(-19000, 9)})}, White()), Red).empty());
}

TEST(OverlayLayers, AWideLineIsASecondLineBesideAndADashedOneCountsFromItsStart) {
    const auto wide = PixelsOf(DrawnWhole({Line({QPoint(10, 10), QPoint(30, 10)})}, White(), true), Red);
    EXPECT_EQ(wide.size(), 2u * 21);
    EXPECT_TRUE(wide.count({10, 11}) && wide.count({30, 11})); // below a flat line
    const auto steep = PixelsOf(DrawnWhole({Line({QPoint(10, 10), QPoint(10, 30)})}, White(), true), Red);
    EXPECT_TRUE(steep.count({11, 10}) && steep.count({11, 30})); // right of a steep one
    // Four on, two off, from the line's start, across the joint of two segments.
    const auto dashed =
        PixelsOf(DrawnWhole({Line({QPoint(0, 5), QPoint(7, 5), QPoint(20, 5)}, Red, true)}, White()), Red);
    std::set<std::pair<int, int>> expected;
    for (int x = 0; x <= 20; ++x)
        if (x % 6 < 4) expected.emplace(x, 5);
    EXPECT_EQ(dashed, expected);
}

// What the painter would give: the tints by Darken, then the shapes by SourceOver, each onto the drawing.
TEST(OverlayLayers, TintsDarkenAndShapesLieOverTheDrawingAsThePainterLaysThem) {
    QImage drawing = White();
    QPainter(&drawing).fillRect(QRect(0, 0, 48, 64),
                                QColor(40, 200, 90)); // a trail's colour on the left half
    const QRgb tint = qRgb(255, 240, 190);
    ShownShape text;
    text.kind = Kind::Text;
    text.points = {QPoint(40, 20)};
    text.textSize = QSize(30, 12);
    text.backed = true;
    text.bounds = QRect(text.points.front(), text.textSize);
    const QList<ShownShape> shapes{
        Filled({QPoint(10, 5), QPoint(80, 5), QPoint(80, 50), QPoint(10, 50)}, tint, true), text};
    QImage expected = drawing;
    {
        const Pictures pictures;
        QPainter painter(&expected);
        painter.setCompositionMode(QPainter::CompositionMode_Darken);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(tint));
        painter.drawPolygon(shapes[0].points);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.fillRect(text.bounds, OverlayLayers::PaleBacking());
        painter.drawImage(text.points.front(), pictures.text);
    }
    const QImage composed = DrawnWhole(shapes, drawing);
    int differing = 0, furthest = 0;
    for (int y = 0; y < Logical.height(); ++y)
        for (int x = 0; x < Logical.width(); ++x) {
            const QRgb a = composed.pixel(x, y), b = expected.pixel(x, y);
            if (a == b) continue;
            ++differing;
            furthest = std::max({furthest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))});
        }
    // The pale box and the letters are laid together first: a step of rounding at most.
    EXPECT_LE(furthest, 1);
    EXPECT_EQ(composed.pixel(20, 30), qRgb(40, 200, 90)); // the darker trail kept under the tint
    EXPECT_EQ(composed.pixel(60, 10), tint);              // the tint over white
    EXPECT_EQ(composed.pixel(90, 60), qRgb(255, 255, 255));
    EXPECT_LT(differing, 30 * 12) << "only inside the text's box";
}

// Shapes that move about, drawn again only on the tiles where they went and came, give at every step
// the picture the layers give drawn whole.
TEST(OverlayLayers, DrawnAgainWhereShapesChangedTheyEqualTheWholeDrawing) {
    QRandomGenerator random(7);
    const auto point = [&] {
        return QPoint(random.bounded(-10, Logical.width() + 10), random.bounded(-10, Logical.height() + 10));
    };
    const auto shapes = [&] {
        QList<ShownShape> list;
        list.append(Filled({QPoint(48, 32), point(), point()}, qRgb(205, 230, 255), true));
        list.append(Line({QPoint(0, 40), QPoint(95, 40)}, qRgb(215, 215, 215), false, true));
        QPolygon orbit;
        for (int k = 0; k <= 40; ++k)
            orbit << QPoint(48 + static_cast<int>(30 * std::cos(k * 0.157)),
                            32 + static_cast<int>(20 * std::sin(k * 0.157)));
        list.append(Line(orbit, qRgb(110, 110, 110)));
        for (int k = 0; k < 6; ++k)
            list.append(Line({point(), point(), point()}, k % 2 ? Red : qRgb(190, 0, 190), k == 3));
        ShownShape dot = Line({point()});
        dot.kind = Kind::Dot;
        list.append(dot);
        return list;
    };
    for (const auto& [wide, scale] : {std::pair{false, 1}, std::pair{true, 1}, std::pair{false, 2}}) {
        QImage drawing = White(scale);
        QPainter(&drawing).fillRect(QRect(20, 10, 30, 30), QColor(0, 0, 0));
        OverlayLayers layers;
        const Pictures pictures;
        QList<ShownShape> shown;
        for (int step = 0; step < 40; ++step) {
            QList<ShownShape> next = shapes();
            if (step % 4 == 3) next = shown; // nothing moved: the layers draw everything again
            layers.Prepare(Logical, scale, wide);
            for (qsizetype k = 0; k < std::max(shown.size(), next.size()); ++k) {
                if (k < shown.size() && k < next.size())
                    layers.MarkChange(shown[k], next[k]);
                else if (k < shown.size())
                    layers.Mark(shown[k]);
                else
                    layers.Mark(next[k]);
            }
            if (step % 4 == 3) layers.MarkAll();
            layers.Render(next, layers.Marked(), pictures.Get());
            shown = next;
            QImage out = drawing;
            layers.Compose(drawing, out, out.rect());
            ASSERT_EQ(out, DrawnWhole(shown, drawing, wide, scale))
                << "step " << step << (wide ? " wide" : "") << " scale " << scale;
        }
    }
}

// A line that comes in from far outside takes the pixels of the whole line that lie on the drawing, and
// no pixel of it wraps round to another row.
TEST(OverlayLayers, ALineFromFarOutsideTakesOnlyItsPixelsOnTheDrawing) {
    for (const auto& [from, to] :
         {std::pair{QPoint(-300, 20), QPoint(30, 20)}, std::pair{QPoint(130, 21), QPoint(60, 21)},
          std::pair{QPoint(40, -500), QPoint(40, 9)}, std::pair{QPoint(41, 400), QPoint(41, 50)}}) {
        std::set<std::pair<int, int>> expected;
        const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                          (to.y() > from.y()) - (to.y() < from.y()));
        for (QPoint p = from;; p += step) {
            if (QRect(QPoint(0, 0), Logical).contains(p)) expected.emplace(p.x(), p.y());
            if (p == to) break;
        }
        EXPECT_EQ(PixelsOf(DrawnWhole({Line({from, to})}, White(), false), Red), expected)
            << from.x() << "," << from.y() << " to " << to.x() << "," << to.y();
    }
}

// The marked tiles, as a region: exactly the tiles a shape's pixels (or a text's box) fall in.
TEST(OverlayLayers, TheMarkedRegionIsTheTilesOfTheShapes) {
    OverlayLayers layers;
    layers.Prepare(Logical, 1, false);
    const Pictures pictures;
    layers.Render({}, layers.Marked(), pictures.Get());
    EXPECT_TRUE(layers.Marked().isEmpty());
    constexpr int T = OverlayLayers::Tile;
    layers.Mark(Line({QPoint(T + 1, 2), QPoint(3 * T + 2, 2)})); // three tiles of the first row
    ShownShape text;
    text.kind = Kind::Text;
    text.points = {QPoint(2 * T + 3, 3 * T + 1)};
    text.bounds = QRect(text.points.front(), QSize(T, 2)); // two tiles side by side
    layers.Mark(text);
    layers.Mark(Line({QPoint(5 * T, 0), QPoint(5 * T, 2 * T - 1)})); // two tiles of one column
    QRegion expected = QRect(T, 0, 3 * T, T);
    expected += QRect(2 * T, 3 * T, 2 * T, T);
    expected += QRect(5 * T, 0, T, 2 * T);
    EXPECT_EQ(layers.Marked(), expected);
}

// Only the tiles along a moved line are marked, not its bounding rectangle.
TEST(OverlayLayers, AMovedSlantedLineMarksTheTilesAlongItOnly) {
    OverlayLayers layers;
    layers.Prepare(QSize(800, 800), 1, false);
    const Pictures pictures;
    layers.Render({}, layers.Marked(), pictures.Get());
    layers.Mark(Line({QPoint(0, 0), QPoint(799, 799)}));
    qint64 area = 0;
    for (const QRect& rect : layers.Marked())
        area += static_cast<qint64>(rect.width()) * rect.height();
    EXPECT_LE(area, 3 * 800 * OverlayLayers::Tile);
    EXPECT_GE(area, 800 * OverlayLayers::Tile);
}

} // namespace
} // namespace orvane::ui
