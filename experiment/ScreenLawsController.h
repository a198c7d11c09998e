#pragma once

#include "Paced.h"
#include "ScreenLaws.h"

#include <QObject>
#include <QPointF>

#include <map>
#include <optional>
#include <string>
#include <utility>

class QAction;
class QActionGroup;
class QMenu;

namespace orvane {

namespace ui {
class PictureBox;
}
class Form2;

// The laws drawn over the experiment's screens: velocity and force arrows, the chosen body's osculating
// orbit, Kepler's equal areas, a measuring tape and a grid. Entries of both screens' right-click menu
// after the options for a class, each off until checked and remembered in the settings; a submenu
// «Тело» chooses the body of the orbit and the areas. Everything is drawn over the picture, never into
// the trails, after every step and at once when an entry changes. A child of the window.
class ScreenLawsController : public QObject {
    Q_OBJECT
  public:
    explicit ScreenLawsController(Form2& experiment);

    const laws::LawsChoice& Choice() const { return choice_; }
    bool TapeOn() const { return tapeOn_; }
    // Takes the choice over as the user would by the menu: drawn at once and remembered.
    void SetChoice(const laws::LawsChoice& choice, bool tape);

    // Draws what a step left waiting: the shapes follow the run at most at the display's rate.
    void ShowPending();

    // The sectors the chosen body has swept (empty while the option is off).
    const laws::EqualAreas& Areas() const { return areas_; }
    // The tape's ends in million km, while one is laid.
    std::optional<laws::TapeLine> TapeNow() const;

    QAction* VelocityAction = nullptr;
    QAction* ForceAction = nullptr;
    QAction* OrbitAction = nullptr;
    QAction* AreasAction = nullptr;
    QAction* TapeAction = nullptr;
    QAction* GridAction = nullptr;
    QAction* BodyMenuAction = nullptr; // «Тело», its submenu one entry per planet and the asteroid
    QActionGroup* BodyGroup = nullptr;
    QAction* RemoveTapeAction = nullptr; // Escape
    QAction* SectorMenuAction = nullptr; // «Длина сектора»: a twelfth of the period or a fixed number of days
    QActionGroup* SectorGroup = nullptr;
    // Shift+F10 or the menu key: the left screen's right-click menu, from which every entry is reached by
    // the arrow keys and Enter.
    QAction* ScreenMenuAction = nullptr;

  signals:
    // After the sectors changed: a new one complete, or all forgotten.
    void AreasChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowTexts();
    void Apply(const laws::LawsChoice& choice, bool tape);
    void OnTicked();
    // Builds the shapes of the run as it stands and gives them to the screens. While the run goes
    // (`running`), the tape's words change only a few times a second.
    void Show(bool running = false);
    laws::Vec2 ToPlane(const ui::PictureBox& screen, QPointF pixel) const;
    int BodyAt(const ui::PictureBox& screen, QPointF pixel) const;
    void ResetAreas();

    // One end of the tape: a fixed point, or a body it follows.
    struct TapeEnd {
        laws::Vec2 point;
        int body = 0;
    };
    laws::Vec2 Where(const TapeEnd& end) const;

    Form2& experiment_;
    laws::LawsChoice choice_;
    bool tapeOn_ = false;
    laws::EqualAreas areas_;
    laws::Overlay left_;
    laws::Overlay overview_;
    bool ticked_ = false;
    std::optional<TapeEnd> tapeStart_;
    std::optional<TapeEnd> tapeEnd_;
    ui::PictureBox* dragging_ = nullptr;
    // Steps come up to a thousand a second; the shapes are built again at most once per display frame.
    ui::Paced showPace_{[this] { Show(true); }};
    QPointF pressedAt_;
    // The words of the grid's lines, worked out once for each spacing and line, in the user's language.
    std::map<std::pair<double, double>, std::string> gridWords_;
    // The tape's words as last shown: a reading that changed at every frame could not be read, and laying
    // the words out again at every frame cost more than all the other shapes.
    std::string tapeWords_;
    ui::Paced tapePace_{[this] { Show(); }};
};

ScreenLawsController* AttachScreenLaws(Form2& experiment);

} // namespace orvane
