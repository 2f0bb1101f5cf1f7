// The vertical shading dialog: four boxes on a picture of a window with its side shades and the same
// four on a panel, over a VertShadingEditor.  It has no Cancel: OK, Enter and Escape keep what is
// shown.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/vert_shading.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QLabel>

namespace pelmora {

class TVertShadForm : public platform::Dialog {
    Q_OBJECT
  public:
    TVertShadForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    VertShadingEditor& editor() { return editor_; }

    // Shows the dialog modally on the window editor's EditVertShading and writes the values back.
    void ShowModal();
    // Fills the dialog from EditVertShading (FormShow); any way of closing hands the values back.
    void SetValues();
    void OKSBClick();

    QLabel* Image1;
    platform::EditBox *LWEdit, *LOEdit, *RWEdit, *ROEdit, *LWEdit2, *LOEdit2, *RWEdit2, *ROEdit2;
    platform::SpeedButton *OKSB, *CopyButton, *PasteButton, *HelpButton, *SBDelete;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void refresh();

    EditorContext& context_;
    VertShadingEditor editor_;
    bool shown_ = false;
};

} // namespace pelmora
