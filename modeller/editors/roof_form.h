// The roof editor's dialog: the widgets over a RoofEditor.
#pragma once

#include "modeller/editors/roof_editor.h"
#include "modeller/editors/sloped_editor_form.h"

namespace pelmora {

// The sketch of the roof's shape beside "Roof Shape".
class RoofShapeBox : public QWidget {
    Q_OBJECT
  public:
    explicit RoofShapeBox(const std::vector<PictureLine>& lines, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const std::vector<PictureLine>& lines_;
};

class TRoofForm : public SlopedEditorForm {
    Q_OBJECT
  public:
    TRoofForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    RoofEditor& editor() { return editor_; }

    platform::RadioGroup *RoofVentRG, *RoofShapeRG;
    RoofShapeBox* RoofShapePicture;
    ColourPanel* colourpanel;
    platform::SpeedButton *DarkP, *MedP, *LightP;
    QLabel* ALabel;
    QLabel *RumLabel, *RdmLabel, *RuiLabel, *RdiLabel, *RTotUpLabel, *RTotDnLabel;
    QLabel *AreaLabel, *VolumeLabel;

  protected:
    void refreshControls() override;

  private:
    RoofEditor editor_;
};

} // namespace pelmora
