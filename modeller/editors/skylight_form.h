// The skylight editor's dialog: the widgets over a SkylightEditor.  Its Cancel button is shown in
// defaults mode only; Escape closes it in every mode without saving what was typed since the last
// save of the skylight shown.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/skylight_editor.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QScrollBar;
class QSpinBox;
class QTabWidget;

namespace pelmora {

// The dialog's heights: with a zone's number and orientation panels, and for the level's default.
inline constexpr int kSkylightFormHeight = 769;        // px
inline constexpr int kDefaultSkylightFormHeight = 625; // px

// The slope panel's paint box: the slope line over its triangle with the square at its end; the
// mouse drags the end.
class TiltBox : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 130;  // px
    static constexpr int kHeight = 130; // px
    explicit TiltBox(const TiltDrawing& drawing, QWidget* parent = nullptr);

  signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const TiltDrawing& drawing_;
};

class TSkylightForm : public ElementEditorForm {
    Q_OBJECT
  public:
    TSkylightForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    SkylightEditor& editor() { return editor_; }

    void done(int result) override;

    // The zone's list.
    QFrame* NumPanel;
    std::array<platform::SpeedButton*, kMaxSkylights> NumberButtons{}; // SB1..SB6
    platform::SpeedButton *SBAdd, *SBDelete;
    QLabel* TotalAreaLabel;
    QCheckBox *RoofWindowCB, *DiffuserCB, *VentedCB;
    // The roof skylight's type and frame.
    QFrame* SkylightPanel;
    PicturePanel *dbmaterialpicture, *DBSkyFrame;
    QLabel *DBTypeText, *DBSkyFrameText;
    // The clerestory window: generic glass and frame or a window product, style and furnishing.
    QTabWidget* PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    PicturePanel *dbglasspic, *dbframepic;
    QLabel *DBGlassText, *DBFrameText;
    QLineEdit *WindowNameEB, *BrandEB, *GlassEB, *FrameEB;
    platform::SpeedButton* pbfind;
    QFrame *StylePanel, *CoveringPanel;
    PicturePanel *dbstylepic, *DBImage1;
    QLabel *DBStyleText, *DBFurnishingText;
    // Sizes.
    platform::EditBox *HEdit, *WEdit;
    platform::RadioGroup *HeightRG, *WidthRG;
    QGroupBox* DimPanel;
    platform::EditBox *WWEdit, *WHEdit, *EWEdit, *EOEdit;
    // The light shaft.
    QGroupBox* ShaftPanel;
    QSpinBox *LengthSE, *ReflSE;
    QScrollBar* Rscroll;
    QLabel* RLabel;
    // Slope and orientation.
    QGroupBox* PanelTilt;
    TiltBox* PaintBoxTilt;
    platform::EditBox* AngleEdit;
    QGroupBox* OrientPanel;
    std::array<platform::SpeedButton*, 8> OrientationButtons{}; // SpeedButton0..SpeedButton7
    // Never shown: the opening and shading percentages only travel with the record.
    QFrame *OpeningPanel, *ShadePanel;
    platform::RadioGroup *OpeningRG, *ShadingRG;
    // Figures and drawing.
    QLabel *NameEB, *AreaLabel, *GrossWallAreaLabel, *NettWallAreaLabel, *RtLabel, *UALabel, *RgLabel,
        *RfLabel, *RfurnLl, *SHGCLabel, *OpeningLl;
    ElevationBox* PaintBox1;

  protected:
    void refreshControls() override;

  private:
    QWidget* numberPanel();
    QWidget* productPanels();
    QWidget* sizePanels();
    QWidget* slopeAndOrientation();
    QWidget* figurePanel();
    void bindControls();

    SkylightEditor editor_;
    int sizedHeight_ = 0; // the height the dialog was last given for its mode (px), 0 once closed
};

} // namespace pelmora
