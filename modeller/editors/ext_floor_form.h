// The external floor editor's dialog: the widgets over an ExtFloorEditor, with the rows of the zones
// that may share the under-floor space in a scroll box.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/ext_floor_editor.h"

#include <vector>

class QCheckBox;
class QGroupBox;
class QScrollArea;
class QScrollBar;

namespace pelmora {

class TExtFloorForm : public ElementEditorForm {
    Q_OBJECT
  public:
    TExtFloorForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    ExtFloorEditor& editor() { return editor_; }

    PicturePanel *dbmaterialpicture, *dbinsulationpicture, *DBFloorCoverImage;
    QLabel *DBText1, *DBText2, *DBFloorCoverText;
    QGroupBox* UFPanel;
    platform::RadioGroup* ExtFloorVent;
    QWidget* VentPanel;
    platform::RadioGroup *VentAreaRG, *HeightRG, *ReflectRG;
    platform::EditBox* HEdit;
    QGroupBox* rpanel;
    QScrollBar* Rscroll;
    QLabel *RLabel, *RumLabel, *RdmLabel, *RuiLabel, *RdiLabel, *RTotUpLabel, *RTotDnLabel, *UAUpLabel,
        *UADnLabel, *AreaLabel;
    QGroupBox* SharePanel;
    QScrollArea* ScrollBox1;
    platform::SpeedButton *CombineButton, *SeparateButton;
    // The check boxes of the share rows, row k at index k.
    std::vector<QCheckBox*> ShareCheckBoxes;

    void done(int result) override;

  protected:
    void refreshControls() override;

  private:
    // Builds the widgets of the editor's share rows when the rows are not the ones shown.
    void showShareRows();

    ExtFloorEditor editor_;
    int shownRowsVersion_ = -1;
};

} // namespace pelmora
