#pragma once

#include "DrawingSurface.h"
#include "DrawnStrips.h"
#include "OverlayLayers.h"
#include "RecentCache.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QPolygon>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAction;
class QPainter;

namespace orvane::ui {

// A picture box: a white drawing surface with a user coordinate system. Everything is drawn into a
// backing image at the screen's pixel density, so a drawing survives covering, minimising and moving
// the window until the next Cls. A drawing call only notes the pixels it actually changed; what changed
// since the last presentation is presented at most at the display's refresh rate, and the window
// holding the box is presented no faster either (see WindowPacer).
class PictureBox : public QWidget, public orvane::DrawingSurface {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);

    void Cls() override;
    void Scale(double x1, double y1, double x2, double y2) override;
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override;
    void Box(float x, float y, float dx, float dy) override;
    void PSet(float x, float y, std::int32_t color) override;
    // The same pixels as PSet point by point, without the per-point bookkeeping: many thousands of
    // points a millisecond.
    void PSetRows(const float* xy, std::size_t rows, std::span<const std::int32_t> colors) override;

    // Names over the drawing: painted with it, never into it, each in its colour with a white rim so it
    // reads over the trails; a screen shows the set given last.
    void SetLabels(std::span<const orvane::SurfaceLabel> labels) override;
    orvane::TextExtent LabelExtent(std::string_view text) const override;
    // A name as the screen shows it: its box in drawing-area pixels, its text and colour.
    struct ShownLabel {
        QRect box;
        QString text;
        QRgb rgb = 0;
        bool operator==(const ShownLabel&) const = default;
    };
    const QList<ShownLabel>& Labels() const { return labels_; }

    // Shapes over the drawing, as the names are: painted with it, never into it.
    void SetOverlay(std::span<const orvane::OverlayShape> shapes) override;
    // A shape as the screen shows it, in drawing-area pixels.
    using ShownShape = ui::ShownShape;
    const QList<ShownShape>& Overlay() const { return overlay_; }

    // For a projector: every point a block of 3 × 3 logical pixels, every line two pixels wide and the
    // names in a larger font. What is already drawn stays as it is.
    void SetLargeMarks(bool large);
    bool LargeMarks() const { return largeMarks_; }

    // Saves what the screen shows, names included, as a PNG picture of the screen's size, through the
    // atomic writer; a failure is shown in a message, and the result is false.
    bool SaveImage(const QString& path);
    QByteArray PngOfShownImage() const;
    // What the screen shows: the drawing with the names over it, at the screen's pixel density.
    QImage ShownImage() const;
    // The drawing as it stands, at the screen's pixel density, without the border.
    const QImage& Image() const { return image_; }
    // The logical pixel of the drawing area at which a user coordinate lands.
    QPointF ToPixel(double x, double y) const;
    // The drawing area inside the border, in widget coordinates.
    QRect DrawingRect() const;
    // Draws its names and texts from the same images as `other`: two screens of one window show the
    // same texts (a tape's length, changing at every frame, on both), each then drawn once.
    void ShareTextImages(const PictureBox& other) { labelImages_ = other.labelImages_; }
    // Adds an entry to the screen's right-click menu, below "Сохранить изображение…". The action stays
    // owned by its creator; its shortcut is only shown in the menu.
    void AddMenuAction(QAction* action);
    // What changed since the last presentation and waits to be presented, in widget coordinates.
    const QRegion& PendingRegion() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void EnsureImage();
    // Notes a rectangle of the drawing area (logical pixels, drawing-area coordinates) for presentation.
    void MarkChanged(const QRect& changed);
    void MarkChanged(const QRegion& changed);
    // Has a name's box (drawing-area coordinates) painted again with the window's very next paint.
    void RepaintLabelBox(const QRect& box);
    void Present();
    bool ClipLine(double& x1, double& y1, double& x2, double& y2) const;
    struct LabelStyle {
        QFont font;
        int height; // of a name's box, in pixels
        int ascent;
    };
    const LabelStyle& Style() const;
    // The text and width in pixels of a label's words, looked up rather than laid out at every tick.
    const std::pair<QString, int>& LabelText(std::string_view text) const;
    void PaintLabels(QPainter& painter, const QRect& area) const;
    // The overlay's layers of the drawing's size, drawn whole if they are not.
    void EnsureLayers() const;
    OverlayLayers::Pictures LayerPictures() const;
    const QImage& LabelImage(const QString& text, QRgb rgb, QSize size) const;
    static constexpr int DotReach = 8; // from a dot's centre to its image's edge
    const QImage& DotImage(QRgb rgb) const;

    QImage image_;
    QList<QPointer<QAction>> menuActions_;
    int deviceScale_ = 1;
    bool scaleKnown_ = false; // deviceScale_ was read from the widget since the last resize or paint
    // However fast the drawing calls come, the screen is presented at most at the display's rate.
    QTimer presentTimer_;
    mutable QRegion pending_;
    // Changed rectangles not yet united with pending_ (widget coordinates).
    mutable std::vector<QRect> pendingRects_;
    static constexpr std::size_t PendingBatch = 64;
    void UnitePending() const;
    DrawnStrips drawnStrips_;
    double originX_ = 0;
    double originY_ = 0;
    double spanX_ = 1;
    double spanY_ = 1;
    bool largeMarks_ = false;
    QList<ShownLabel> labels_;
    QList<ShownShape> overlay_;
    QList<ShownShape> spareOverlay_; // the list before the last, its storage kept to be written over
    mutable OverlayLayers layers_;
    mutable QImage composed_; // the drawing with the layers over it, where it was last presented
    mutable std::optional<LabelStyle> labelStyle_;
    mutable RecentCache<std::string, std::pair<QString, int>> labelTexts_;
    struct TextLook {
        QString text;
        QRgb rgb = 0;
        QSize size;
        int pixelSize = 0;
        int deviceScale = 1;
        bool operator==(const TextLook&) const = default;
    };
    using TextImages = RecentCache<TextLook, QImage>;
    // Shared with another screen that shows the same texts (ShareTextImages).
    std::shared_ptr<TextImages> labelImages_ = std::make_shared<TextImages>();
    mutable TextImages dotImages_;
};

} // namespace orvane::ui
