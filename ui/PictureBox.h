#pragma once

#include "DrawingSurface.h"
#include "KnownRuns.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

class QAction;

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

    // Saves what the screen shows as a PNG picture of the screen's size; false when it cannot be written.
    bool SaveImage(const QString& path) const;
    // The drawing as it stands, at the screen's pixel density, without the border.
    const QImage& Image() const { return image_; }
    // The logical pixel of the drawing area at which a user coordinate lands.
    QPointF ToPixel(double x, double y) const;
    // The drawing area inside the border, in widget coordinates.
    QRect DrawingRect() const;
    // Adds an entry to the screen's right-click menu, below "Сохранить изображение…". The action stays
    // owned by its creator; its shortcut is only shown in the menu.
    void AddMenuAction(QAction* action);
    // What changed since the last presentation and waits to be presented, in widget coordinates.
    const QRegion& PendingRegion() const { return pending_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void EnsureImage();
    // Notes a rectangle of the drawing area (logical pixels, drawing-area coordinates) for presentation.
    void MarkChanged(const QRect& changed);
    void Present();
    bool ClipLine(double& x1, double& y1, double& x2, double& y2) const;

    QImage image_;
    QList<QPointer<QAction>> menuActions_;
    int deviceScale_ = 1;
    // However fast the drawing calls come, the screen is presented at most at the display's rate.
    QTimer presentTimer_;
    QRegion pending_;
    KnownRuns knownRuns_;
    double originX_ = 0;
    double originY_ = 0;
    double spanX_ = 1;
    double spanY_ = 1;
};

} // namespace orvane::ui
