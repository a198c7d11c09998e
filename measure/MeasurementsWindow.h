#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QTableWidget;

namespace orvane::measure {

class HistoryPlot;
class MeasureRecorder;

// The measurements window: a table of the bodies' distances, speeds and orbits, the conserved
// quantities, two plots of the history, the real sky for runs from a real data set, and the history
// saved as CSV. It shows what the recorder holds; it never changes the run.
class MeasurementsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MeasurementsWindow(const MeasureRecorder& recorder);

    // Shows what the recorder holds now.
    void Refresh();
    // Writes the history as CSV in the user's locale; says so in a message when it fails.
    bool SaveCsv(const QString& path);
    // Asks for a file name with the standard dialog and saves there.
    void SaveCsvAs();
    // Room below the conserved quantities for another part's figures; the window takes the widget.
    void AddBelowConservation(QWidget* panel);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void BuildLayout();
    // The quantities' column as wide as its contents and a scroll bar, however tall it is.
    void FitConservationWidth();
    // The texts set once: the title, the column heads, the names, the captions, the button and the menu.
    void ShowStaticTexts();
    void ShowBodies();
    void ShowConservation();
    void ShowRealSky();

    const MeasureRecorder& recorder_;
    QLabel* timeLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    // The method of solving of the latest step.
    QLabel* methodLabel_ = nullptr;
    QTableWidget* table_ = nullptr;
    QComboBox* plotBody_ = nullptr;
    QLabel* choiceLabel_ = nullptr;
    HistoryPlot* energyPlot_ = nullptr;
    HistoryPlot* distancePlot_ = nullptr;
    QLabel* systemNote_ = nullptr;
    std::array<QLabel*, 9> conservation_{};
};

} // namespace orvane::measure
