// The floor covering editor's dialog: the widgets over a FloorCoverEditor.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/floor_cover_editor.h"

namespace pelmora {

class TFloorCoverForm : public ElementEditorForm {
    Q_OBJECT
  public:
    TFloorCoverForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    FloorCoverEditor& editor() { return editor_; }

    PicturePanel* DBFloorCoverImage;
    QLabel* DBFloorCoverText;
    QLabel *RLabel, *UALabel, *AreaLabel;

  protected:
    void refreshControls() override;

  private:
    FloorCoverEditor editor_;
};

} // namespace pelmora
