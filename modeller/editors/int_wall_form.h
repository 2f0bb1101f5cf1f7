// The internal wall editor's dialog: the widgets over an IntWallEditor.
#pragma once

#include "modeller/editors/int_wall_editor.h"
#include "modeller/editors/wall_editor_form.h"

namespace pelmora {

class TIntWallForm : public WallEditorForm {
    Q_OBJECT
  public:
    TIntWallForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    IntWallEditor& editor() { return editor_; }

    QLabel* RDisLabel; // the construction's R (the shared RdLabel)
    ColourPanel* ZoneColourPanel2;

  protected:
    void refreshControls() override;

  private:
    IntWallEditor editor_;
};

} // namespace pelmora
