// The floor between levels editor's dialog: the widgets over an IntCeilingEditor.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/int_ceiling_editor.h"

class QScrollBar;

namespace pelmora {

class TIntCeilingForm : public ElementEditorForm {
    Q_OBJECT
  public:
    TIntCeilingForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    IntCeilingEditor& editor() { return editor_; }

    PicturePanel *dbmaterialpicture, *dbinsulationpicture;
    QLabel *DBText1, *DBText2;
    QFrame* rpanel;
    QScrollBar* Rscroll;
    QLabel *RLabel, *RumLabel, *RdmLabel, *RuiLabel, *RdiLabel, *RTotUpLabel, *RTotDnLabel, *UAUpLabel,
        *UADnLabel, *AreaLabel;

  protected:
    void refreshControls() override;

  private:
    IntCeilingEditor editor_;
};

} // namespace pelmora
