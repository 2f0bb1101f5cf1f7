// The dialog "Change Element to Current Default": an element editor opened from the level defaults
// dialog opens it with its change button.  OK writes the default the editor shows into the chosen
// elements of the model; nothing is undone if the editor is then cancelled.  The changes themselves
// are the plain ChangeElementsToDefault; this class holds the three choices.
#pragma once

#include "modeller/model/defaults_changes.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QLabel>

#include <functional>
#include <optional>

namespace pelmora {

class ElementEditor;

class TDefaultWarningForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Change Element to Current Default";

    TDefaultWarningForm(HouseModel& model, platform::Services& services, QWidget* parent = nullptr);

    // Redraws the current level of the plan after elements changed.
    std::function<void()> RedrawPlan;

    // Shows the dialog modally for `editor`, whose change button has set its ApplyDefaultRequest.
    int ShowFor(ElementEditor& editor);

    // ---- Handlers ----------------------------------------------------------------------------
    void OKSBClick();
    void CancelSBClick();

    // The changes of each kind, run by OK for the kinds requested.
    void ExtWalls();
    void IntWalls();
    void Roofs();
    void Ceilings();
    void ExtFloors();
    void IntCeilings();
    void IntFloorCover();
    void Doors();
    void Windows();
    void Skylights();

    DefaultChangeChoice choice() const;

    // ---- Components --------------------------------------------------------------------------
    platform::RadioGroup *ElementsRG, *LevelRG, *PropertyRG;
    QLabel *Label1, *Label2;
    platform::SpeedButton *OKSB, *CancelSB, *HelpButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void change(DefaultKind kind);
    bool requested(DefaultKind kind) const;

    HouseModel& model_;
    platform::Services& services_;
    ElementEditor* editor_ = nullptr;
    std::optional<ShownDefaults> shown_;
};

} // namespace pelmora
