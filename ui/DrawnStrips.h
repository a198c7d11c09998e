#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <array>

namespace orvane::ui {

// The strips of pixels (one row or one column, in one colour) a picture box drew last, with the few
// pixels drawn over them since. The axes and the zoom frame are drawn at every tick over themselves:
// while the image still holds such a strip, drawing it again only has to restore the pixels drawn over,
// not compare every one.
class DrawnStrips {
  public:
    static constexpr int MostCovered = 16;
    struct Strip {
        bool valid = false;
        QRect pixels; // logical pixels: one row or one column
        QRgb rgb = 0;
        std::array<QPoint, MostCovered> covered{};
        int coveredCount = 0;
    };

    // The strip drawn earlier over the same pixels in the same colour and still on the image, or nullptr.
    Strip* Find(const QRect& pixels, QRgb rgb) {
        for (Strip& strip : strips_)
            if (strip.valid && strip.pixels == pixels && strip.rgb == rgb) return &strip;
        return nullptr;
    }

    // A strip just drawn whole.
    void Remember(const QRect& pixels, QRgb rgb) {
        Strip* slot = &strips_[next_];
        for (Strip& strip : strips_)
            if (strip.valid && strip.pixels == pixels) slot = &strip;
        if (slot == &strips_[next_]) next_ = (next_ + 1) % static_cast<int>(strips_.size());
        *slot = Strip{true, pixels, rgb, {}, 0};
    }

    // A pixel of the image took a colour; a strip it lies on in another colour has it covered. A
    // strip covered in too many places is forgotten and drawn whole the next time.
    void Changed(int x, int y, QRgb rgb) {
        for (Strip& strip : strips_) {
            if (!strip.valid || strip.rgb == rgb || !strip.pixels.contains(x, y)) continue;
            const QPoint pixel(x, y);
            if (strip.coveredCount > 0 && strip.covered[strip.coveredCount - 1] == pixel) continue;
            if (strip.coveredCount == MostCovered) {
                strip.valid = false;
                continue;
            }
            strip.covered[strip.coveredCount++] = pixel;
        }
    }

    // The image was cleared or replaced.
    void Forget() {
        for (Strip& strip : strips_)
            strip.valid = false;
    }

  private:
    std::array<Strip, 16> strips_{}; // the axes and the zoom frame, two pixels wide for a projector
    int next_ = 0;
};

} // namespace orvane::ui
