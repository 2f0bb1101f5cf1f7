// The external wall editor's dialog: the widgets over an ExtWallEditor.
#pragma once

#include "modeller/editors/ext_wall_editor.h"
#include "modeller/editors/wall_editor_form.h"

class QCheckBox;

namespace pelmora {

class TExtWallForm : public WallEditorForm {
    Q_OBJECT
  public:
    TExtWallForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    ExtWallEditor& editor() { return editor_; }

    platform::RadioGroup* Beyond;
    QCheckBox* ExtInsCB;
    ColourPanel* colourpanel;
    platform::SpeedButton *DarkP, *MedP, *LightP;
    QLabel* ALabel;

  protected:
    void refreshControls() override;

  private:
    ExtWallEditor editor_;
};

} // namespace pelmora
