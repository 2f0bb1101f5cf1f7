// The controls both wall editors' dialogs have, over a WallEditor: the pictures and descriptions of
// the two tables, the thickness and height boxes with the height presets, the added bulk R panel,
// the R labels, the area label and the elevation preview.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/wall_editor.h"

class QGridLayout;
class QHBoxLayout;
class QScrollBar;

namespace pelmora {

// The added bulk R panel of the wall editors: its scroll bar (0..150) and label "Bulk R".
struct AddedRPanel {
    QFrame* rpanel;
    QScrollBar* Rscroll;
    QLabel* RLabel;
};
AddedRPanel MakeAddedRPanel(QWidget* parent);

class WallEditorForm : public ElementEditorForm {
    Q_OBJECT
  public:
    PicturePanel *dbmaterialpicture, *dbinsulationpicture;
    QLabel *DBText1, *DBText2;
    platform::EditBox *ThickEdit, *HEdit;
    platform::RadioGroup* RadioGroup1;
    QFrame* rpanel;
    QScrollBar* Rscroll;
    // The construction's R is RdLabel in the external wall dialog, RDisLabel in the internal one.
    QLabel *RLabel, *RdLabel, *RiLabel, *RTotLabel, *UALabel, *AreaLabel;
    ElevationBox* PaintBox1;

  protected:
    // `editor` is the derived dialog's own editor: only bound here, used once the dialog is built.
    WallEditorForm(WallEditor& editor, platform::Services& services, const char* objectName,
                   std::string_view changeAllHint, QWidget* parent);
    // The pictures with their descriptions, and the thickness and height boxes with the presets.
    QGridLayout* constructionLayout();
    QGridLayout* sizeLayout();
    // The R labels in a row.
    QHBoxLayout* resistanceLayout();
    void refreshWallControls();

  private:
    WallEditor& wall_;
};

} // namespace pelmora
