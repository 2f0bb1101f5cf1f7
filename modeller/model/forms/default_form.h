// The level defaults dialog ("Defaults for Level n"): while it is open the element editors edit the
// defaults of the current level; it saves and opens defaults files, copies the defaults of ticked
// kinds to every level and sets the elements of ticked kinds on this level to the defaults.  What it
// does to the model is the plain defaults_changes; this class holds the buttons.
#pragma once

#include "modeller/model/defaults_changes.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <functional>

namespace pelmora {

class ElementEditorForm;

class TDefaultForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kFileFilter = "Default   *.DEF|*.DEF";
    static constexpr const char* kProposedFile = "Default1.DEF";

    TDefaultForm(HouseModel& model, MaterialTables& tables, platform::Services& services,
                 platform::PanelStatusBar& statusBar, QWidget* parent = nullptr);

    // The element editors the ten buttons open, set once the program has created them; a button
    // whose editor is not set is disabled.
    ElementEditorForm *ExtWallForm = nullptr, *IntWallForm = nullptr, *ExtFloorForm = nullptr,
                      *IntCeilingForm = nullptr, *FloorCoverForm = nullptr, *CeilingForm = nullptr,
                      *RoofForm = nullptr, *DoorForm = nullptr, *GlazingForm = nullptr,
                      *SkylightForm = nullptr;
    // Redraws the current level of the plan after elements changed.
    std::function<void()> RedrawPlan;

    // ---- Handlers ----------------------------------------------------------------------------
    void FormShow();
    void FormClose();
    void OKSBClick();
    void AllButtonClick();
    void NoneButtonClick();
    void SBopenFileClick();
    void SBsaveClick();
    void ChangeDefButtonClick();
    void ChangeAllToDefButtonClick();
    // Opens the editor of `kind` in defaults mode; its button stays down while the editor is open.
    void ElementButtonClick(DefaultKind kind);

    void ReadDefaultFile();
    void SaveDefaultFile();

    // The kinds whose boxes are ticked.
    DefaultKindSet tickedKinds() const;
    ElementEditorForm* editorOf(DefaultKind kind) const;

    // ---- Components --------------------------------------------------------------------------
    platform::SpeedButton *HelpButton, *OKSB, *SBopenFile, *SBsave;
    // The element buttons and their check boxes, kind k at index k - 1.
    std::array<platform::SpeedButton*, kDefaultKinds> ElementButtons{};
    std::array<QCheckBox*, kDefaultKinds> CheckBoxes{};
    platform::SpeedButton *SBExternalWall, *SBInternalWall, *SBFloor, *InBetweenFloorButton, *IntFloorCoverSB,
        *SBCeiling, *SBRoof, *SBInsertDoor, *SBInsertWindow, *SBSkylight;
    QPushButton *AllButton, *NoneButton, *ChangeDefButton, *ChangeAllToDefButton;
    QLabel* WarningLabel;

    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int recordCount(std::string_view table);

    HouseModel& model_;
    MaterialTables& tables_;
    platform::Services& services_;
    platform::PanelStatusBar& statusBar_;
};

} // namespace pelmora
