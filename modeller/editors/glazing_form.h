// The window editor's dialog: the widgets over a GlazingEditor.  The plan editor reads WEdit after the
// dialog to draw the new window.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/glazing_editor.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace pelmora {

// The window's elevation: the wall and window rectangles and the eaves line.
class GlazingPreviewBox : public ElevationBox {
    Q_OBJECT
  public:
    GlazingPreviewBox(const GlazingEditor& editor, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const GlazingEditor& editor_;
};

class TGlazingForm : public ElementEditorForm {
    Q_OBJECT
  public:
    TGlazingForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    GlazingEditor& editor() { return editor_; }

    QTabWidget* PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    PicturePanel *dbglasspic, *dbframepic, *dbstylepic, *dbfurnishingpic, *dbshadingpic;
    QLabel *glassText, *frameText, *styleText, *furnishingText, *shadingText;
    QLineEdit *WindowNameEB, *BrandEB, *GlassEB, *FrameEB;
    platform::SpeedButton *pbfind, *HorizShadSchedButton, *VertSButton;
    QCheckBox *HorShadeCheckBox, *VertShadCB, *OpenCB;
    platform::EditBox *HEdit, *WEdit, *OEdit, *HHEdit, *EAEdit;
    platform::RadioGroup *HeightRG, *WidthRG, *OffsetRG;
    QLabel *NameEB, *AreaLabel, *RtLabel, *UALabel, *SHGCLabel, *RgLabel, *RfLabel, *RfurnLl, *ShadeLl,
        *OpeningLl;
    GlazingPreviewBox* PaintBox1;

  protected:
    void refreshControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The dialog opens with the focus on the offset presets, so that no size box is typed over by
    // the first key.
    void showEvent(QShowEvent* event) override;

  private:
    GlazingEditor editor_;
};

} // namespace pelmora
