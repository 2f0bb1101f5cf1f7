// The ceiling editor's dialog: the widgets over a CeilingEditor.
#pragma once

#include "modeller/editors/ceiling_editor.h"
#include "modeller/editors/sloped_editor_form.h"

#include <vector>

class QCheckBox;
class QGroupBox;
class QScrollArea;

namespace pelmora {

class TCeilingForm : public SlopedEditorForm {
    Q_OBJECT
  public:
    TCeilingForm(EditorContext& context, platform::Services& services, QWidget* parent = nullptr);

    CeilingEditor& editor() { return editor_; }

    platform::RadioGroup* AboveRG;
    QLabel *RmUpLabel, *RmDnLabel, *RuiLabel, *RdiLabel, *RTotUpLabel, *RTotDnLabel, *UAUpLabel, *UADnLabel;
    QLabel* AreaLabel;
    QGroupBox* SharePanel;
    QScrollArea* ScrollBox1;
    platform::SpeedButton *CombineButton, *SeparateButton;
    QLabel* ShareLimitLabel;
    // The check boxes of the share rows, row k at index k.
    std::vector<QCheckBox*> ShareChecks;

  protected:
    void refreshControls() override;

  private:
    void rebuildShareRows();

    CeilingEditor editor_;
    int shownRowsVersion_ = -1;
};

} // namespace pelmora
