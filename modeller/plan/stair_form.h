// The stairs and voids dialog: the stairwells and voids from one upper zone down into zones of the
// level below.  It adds an opening when the stairwell tool opens it, and edits the zone's openings
// one at a time: every change of length or width is written at once to the opening and its mirror.
// There is no Cancel: OK, Enter and Escape all close it; the only way back is the remove button.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/model/house_model.h"
#include "modeller/plan/plan_selection.h"
#include "modeller/plan/stair_openings.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QLabel>

#include <array>
#include <functional>

namespace pelmora {

// The opening drawn to scale on a silver ground.
class StairPaintBox : public QWidget {
    Q_OBJECT
  public:
    StairPaintBox(const HouseModel& model, const TStairRec& stair, QWidget* parent = nullptr);
    // The rectangle of the opening within a box of this size (px).
    QRect openingRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const HouseModel& model_;
    const TStairRec& stair_;
};

class TStairForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kTooLong =
        "Too long. Combined Stair Void can not be greater than the Common Floor Area";
    static constexpr const char* kTooWide =
        "Too wide. Combined Stair Void can not be greater than the Common Floor Area";
    static constexpr const char* kNoSize = "A stairwell or void must be longer and wider than 0 mm.";

    TStairForm(HouseModel& model, PlanSelection& selection, platform::Services& services,
               QWidget* parent = nullptr);

    // Empties panel 0 of the main window's status bar; set by the program.
    std::function<void()> ClearStatus;

    // Starts on CurrentZone (adding an opening when InsertStairMode is set) and shows the dialog
    // modally; a zone with no opening to show is not shown.  Returns the dialog's result.
    int ShowModal();

    // Starts the dialog on an opening; false when there is none to show.
    bool SetValues();
    void SetupNumberButtons();
    void ChangeStairs();
    void SaveStairs();
    void AlterHeight();
    void AlterWidth();
    void DeleteAndDrawArea();

    void FormShow();
    void OKSBClick();
    void NumberButtonClick(int number); // SB1Click .. SB6Click
    void RemoveStairwellSBClick();
    void DeleteAllSBClick();
    void HeightRGClick();
    void WidthRGClick();
    void HEditChange();
    void WEditChange();
    // The typing in a size box ended (Enter, leaving the box): a side of 0 is refused with a
    // message, and the box shows the size the opening has.
    void HEditTypingEnd();
    void WEditTypingEnd();

    StairOpenings& openings() { return openings_; }

    ColourPanel *ZoneColourPanel, *ZoneColourPanel2;
    platform::SpeedButton *DeleteAllSB, *OKSB, *HelpButton, *RemoveStairwellSB;
    std::array<platform::SpeedButton*, kMaxStairsDown> SB{}; // SB1 .. SB6
    QLabel *LowerZoneLbl, *AvailAreaLb, *ComAreaLb, *AreaLabel;
    platform::EditBox *HEdit, *WEdit;
    platform::RadioGroup *HeightRG, *WidthRG;
    StairPaintBox* PaintBox1;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Shows the opening loaded: caption, colours, labels, sizes and their presets.
    void showOpening();
    // A typed side: `side` is the working length or width, `other` the other side.
    void typedSide(platform::EditBox* box, platform::RadioGroup* group, double& side, double other,
                   const char* tooLarge);
    void sideTypingEnd(platform::EditBox* box, platform::RadioGroup* group, double side);
    void presetSide(platform::RadioGroup* group, platform::EditBox* box, double& side);

    HouseModel& model_;
    PlanSelection& selection_;
    platform::MessageService& messages_;
    StairOpenings openings_;
    bool shown_ = false; // the last show found an opening to show
};

} // namespace pelmora
