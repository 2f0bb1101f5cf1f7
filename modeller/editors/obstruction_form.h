// The site obstructions dialog ("Sun Obstructions"): the widgets over an ObstructionEditor.  Every
// accepted value is in the model as soon as it is typed; OK, Enter and Escape keep it, Cancel puts
// back every obstruction as the dialog found it.
#pragma once

#include "modeller/editors/obstruction_editor.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QLabel>

#include <array>
#include <functional>

namespace pelmora {

class TObstructionForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Sun Obstructions";
    static constexpr int kHelpTopic = 390;
    // The headings over L1Edit, L2Edit, DEdit and HEdit, and the unit of all four.
    static constexpr const char* kValueHeadings[] = {"L1", "L2", "D", "Height"};
    static constexpr const char* kValueUnit = "m";

    TObstructionForm(HouseModel& model, ElementClipboard& clipboard, platform::Services& services,
                     QWidget* parent = nullptr);

    // The bearings the main window's compass shows for the top, right, bottom and left of the plan;
    // the side buttons carry them.  Unset, the buttons keep their last captions.
    std::function<std::array<QString, 4>()> SideBearings;
    // The shading schedule dialog: edits the twelve monthly values in place and returns once it has
    // closed.  Unset, the schedule button is disabled.
    std::function<void(ObstructionEditor::MonthlyShading&)> ShowSchedule;

    ObstructionEditor& editor() { return editor_; }

    // ---- Handlers ----------------------------------------------------------------------------
    void FormShow();
    void NSBClick() { sideClick(1); }
    void ESBClick() { sideClick(2); }
    void SSBClick() { sideClick(3); }
    void WSBClick() { sideClick(4); }
    void Obs1SBClick() { obstructionClick(1); }
    void Obs2SBClick() { obstructionClick(2); }
    void Obs3SBClick() { obstructionClick(3); }
    void L1EditChange() { valueChange(ObstructionEditor::Value::L1, L1Edit); }
    void L2EditChange() { valueChange(ObstructionEditor::Value::L2, L2Edit); }
    void DEditChange() { valueChange(ObstructionEditor::Value::D, DEdit); }
    void HEditChange() { valueChange(ObstructionEditor::Value::H, HEdit); }
    void SchedButtonClick();
    void SBDeleteClick();
    void SBDeleteAllClick();
    void CopyButtonClick();
    void PasteButtonClick();
    // D is judged when its typing ends (Enter, leaving the box, OK); a refused D is shown again as it
    // was, with a message.
    void DEditEndTyping();
    // Ends the typing in the value boxes; closes the dialog unless a value was refused.
    void OKSBClick();
    void CancelSBClick();

    // ---- Components --------------------------------------------------------------------------
    platform::SpeedButton *NSB, *ESB, *SSB, *WSB;
    QLabel *NImage, *EImage, *SImage, *WImage;
    platform::SpeedButton *Obs1SB, *Obs2SB, *Obs3SB;
    platform::EditBox *L1Edit, *L2Edit, *DEdit, *HEdit;
    QPushButton* SchedButton;
    QCheckBox* ShadeCheckBox;
    platform::SpeedButton *SBDelete, *SBDeleteAll, *OKSB, *CancelSB, *CopyButton, *PasteButton, *HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void sideClick(int side);
    void obstructionClick(int obstruction);
    void valueChange(ObstructionEditor::Value value, platform::EditBox* box);
    // Shows the selected obstruction's values and shading tick.  The boxes are filled without their
    // change handlers, so showing an obstruction never rewrites its stored values.
    void ChangeValues();
    void showSidePicture(int side);

    ObstructionEditor editor_;
    platform::MessageService& messages_;
};

} // namespace pelmora
