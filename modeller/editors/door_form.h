// The door editor's dialog: the widgets over a DoorEditor.  The plan editor reads WEdit after the
// dialog to draw the new door.
#pragma once

#include "modeller/editors/door_editor.h"
#include "modeller/editors/element_editor_form.h"

namespace pelmora {

class TDoorForm : public ElementEditorForm {
    Q_OBJECT
  public:
    TDoorForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    DoorEditor& editor() { return editor_; }

    PicturePanel* dbDoorpic;
    QLabel* DBDoorText;
    platform::EditBox *HEdit, *WEdit;
    platform::RadioGroup *HeightRG, *WidthRG;
    ElevationBox* PaintBox1;
    QLabel *RTotLabel, *AreaLabel, *UALabel;
    ColourPanel* ZoneColourPanel2;

  protected:
    void refreshControls() override;

  private:
    DoorEditor editor_;
};

} // namespace pelmora
