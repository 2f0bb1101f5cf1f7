// The temperature profile display: curves of up to four temperature files and a climate file's dry
// bulb over a chosen period.  The widgets draw a TemperatureDisplay's state and hand every click to
// its handlers.  The analysis dialog opens it modally; it opens the temperature distribution.
#pragma once

#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"
#include "modeller/results/temperature_display.h"

#include <QChartView>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineSeries;
class QListWidget;
class QScrollBar;
class QValueAxis;

namespace pelmora {

// A chart that the user drags with the right mouse button; the end of a drag is reported.
class DragChartView : public QChartView {
    Q_OBJECT
  public:
    using QChartView::QChartView;
  signals:
    void dragEnded();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool dragging_ = false;
    QPointF last_;
};

class TTempDisplayForm : public platform::Dialog {
    Q_OBJECT
  public:
    TTempDisplayForm(const HouseModel& model, platform::Services& services, QWidget* parent = nullptr);

    TemperatureDisplay& display() { return display_; }
    // Redraws every control from the display's state.
    void refresh();

    void UpGraphSBClick();
    void DownGraphSBClick();
    void PrintGraphSBClick();
    void PrintFormSBClick();
    void SpeedButton1Click();
    void CancelSBClick() { accept(); }
    // The end of a right-button drag of the chart.
    void Chart1MouseUp();

    // The temperature distribution that SpeedButton1 opens modally.
    platform::Dialog* BinDataForm = nullptr;

    DragChartView* Chart1;
    std::array<QLineSeries*, kCurveSlots> Series{};
    QLineSeries* Series7;
    QValueAxis *BottomAxis, *LeftAxis;
    platform::SpeedButton *UpGraphSB, *DownGraphSB, *PrintGraphSB;
    QFrame* Panel8;
    std::array<QCheckBox*, kCurveSlots> CheckBoxes{};
    std::array<platform::SpeedButton*, kCurveSlots> SBDelete{};
    std::array<QLabel*, kCurveSlots> LabelZ{};
    std::array<QFrame*, kCurveSlots> Swatches{};
    platform::SpeedButton *ClearAllButton, *DeleteAllButton;
    QFrame* Panel9;
    platform::EditBox *DayEB, *MonthEB, *DurationEB;
    platform::UpDown *UpDownDay, *UpDownMonth;
    QScrollBar* DurationSB;
    QLabel *StartDayLabel, *StartNumLabel, *EndDayLabel, *EndNumLabel;
    QComboBox* ComboBox1;
    std::array<QFrame*, kProjectSlots> ProjectPanels{}; // Panel10 .. Panel13
    std::array<QLabel*, kProjectSlots> ProjectTitles{}; // Label1 .. Label4
    std::array<platform::SpeedButton*, kProjectSlots> SBOpen{};
    std::array<QLabel*, kProjectSlots> LabelP{}, LabelF{};
    std::array<QListWidget*, kProjectSlots> ListBoxes{};
    QLabel* Label5;
    platform::SpeedButton* SBOpenWeather;
    QLabel *LabelPW, *LabelFW;
    QCheckBox* CheckBox7;
    QFrame* Panel7;
    platform::SpeedButton *SpeedButton1, *PrintFormSB, *HelpButton, *CancelSB;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();
    void drawSeries(std::size_t index, const std::vector<TTempPoint>& points, int stamp, CurveColour colour);

    TemperatureDisplay display_;
    platform::Services& services_;
    bool refreshing_ = false;
    // What each drawn series holds, so that a redraw only replaces the points that changed.
    struct Drawn {
        int stamp = 0; // 0: empty
        CurveColour colour = 0;
    };
    std::array<Drawn, kCurveSlots + 1> drawn_{};
};

} // namespace pelmora
