#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>

#include <array>

namespace orvane::ui {

// The rows and columns a picture box drew last, each in one colour, with the few pixels drawn over them
// since. The axes and the zoom frame are drawn at every tick over themselves: while the image still
// holds such a run, drawing it again only has to restore the pixels drawn over, not compare every one.
class KnownRuns {
  public:
    static constexpr int MostCovered = 16;
    struct Run {
        bool valid = false;
        QRect pixels; // logical pixels: one row or one column
        QRgb rgb = 0;
        std::array<QPoint, MostCovered> covered{};
        int coveredCount = 0;
    };

    // The run drawn earlier over the same pixels in the same colour and still on the image, or nullptr.
    Run* Find(const QRect& pixels, QRgb rgb) {
        for (Run& run : runs_)
            if (run.valid && run.pixels == pixels && run.rgb == rgb) return &run;
        return nullptr;
    }

    // A run just drawn whole.
    void Remember(const QRect& pixels, QRgb rgb) {
        Run* slot = &runs_[next_];
        for (Run& run : runs_)
            if (run.valid && run.pixels == pixels) slot = &run;
        if (slot == &runs_[next_]) next_ = (next_ + 1) % static_cast<int>(runs_.size());
        *slot = Run{true, pixels, rgb, {}, 0};
    }

    // A pixel of the image took a colour; a run it lies on in another colour has it covered. A run
    // covered in too many places is forgotten and drawn whole the next time.
    void Changed(int x, int y, QRgb rgb) {
        for (Run& run : runs_) {
            if (!run.valid || run.rgb == rgb || !run.pixels.contains(x, y)) continue;
            const QPoint pixel(x, y);
            if (run.coveredCount > 0 && run.covered[run.coveredCount - 1] == pixel) continue;
            if (run.coveredCount == MostCovered) {
                run.valid = false;
                continue;
            }
            run.covered[run.coveredCount++] = pixel;
        }
    }

    // The image was cleared or replaced.
    void Forget() {
        for (Run& run : runs_)
            run.valid = false;
    }

  private:
    std::array<Run, 16> runs_{}; // the axes and the zoom frame, two pixels wide for a projector
    int next_ = 0;
};

} // namespace orvane::ui
