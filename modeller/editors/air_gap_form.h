// The air-gap calculator ("RGap"): the effective emittance of a gap between two surfaces and its
// thermal resistance for heat flowing up and down, at a width, a tilt and with or without venting,
// by the same coefficient table and method the ceiling and roof editors use for reflective gaps.
#pragma once

#include "modeller/editors/slope_box.h"
#include "modeller/editors/sloped_editor_form.h"
#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QScrollBar>
#include <QWidget>

#include <filesystem>
#include <memory>

namespace pelmora {

// The resistance bars: up above the line, down below it, 100 px per m2K/W.
class ResistanceBars : public QWidget {
    Q_OBJECT
  public:
    explicit ResistanceBars(QWidget* parent = nullptr);
    void setLengths(int up, int down);
    int upLength() const { return up_; }
    int downLength() const { return down_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int up_ = 0, down_ = 0; // px
};

class TAirGapForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "RGap";
    // The refusals of a typed value outside what the coefficient table covers.
    static constexpr const char* kGapOutOfRange = "An air gap must be from 13 to 90 mm wide.";
    static constexpr const char* kEmittanceOutOfRange = "An emittance must be from 0.05 to 0.9.";

    // The calculator keeps a model of its own for the coefficient table of `programFolder`, so that
    // nothing of the house is read or changed.
    TAirGapForm(const std::filesystem::path& programFolder, platform::Services& services,
                QWidget* parent = nullptr);

    double gap() const { return g_; }         // mm
    double emittance1() const { return e1_; } // as computed with
    double emittance2() const { return e2_; }
    double tilt() const { return t_; } // degrees from horizontal
    double effectiveEmittance() const { return E_; }
    double resistanceUp() const { return Ru_; }   // m2K/W
    double resistanceDown() const { return Rd_; } // m2K/W
    // False when the coefficient table could not be read at the last showing.
    bool tableRead() const { return tableRead_; }

    // ---- Handlers ----------------------------------------------------------------------------
    void FormShow();
    void E1editChange() { emittanceEditChange(1); }
    void E2editChange() { emittanceEditChange(2); }
    void E1scrollChange() { emittanceScrollChange(1); }
    void E2scrollChange() { emittanceScrollChange(2); }
    void E1RGClick() { emittancePresetClick(1); }
    void E2RGClick() { emittancePresetClick(2); }
    void GEditChange();
    // The typing in a box ended (Enter, leaving the box): a number outside its range is refused with
    // a message, and the box shows the value computed with.
    void E1editTypingEnd() { emittanceTypingEnd(1); }
    void E2editTypingEnd() { emittanceTypingEnd(2); }
    void GEditTypingEnd();
    void GapScrollChange();
    void GapRGClick();
    void AngleEditChange();
    void RadioGroup2Click();
    void RadioGroup3Click() { Recalculate(); }
    void Recalculate();
    void CancelSBClick() { accept(); }

    // ---- Components --------------------------------------------------------------------------
    platform::EditBox *E1edit, *E2edit, *EffEmit, *GEdit, *AngleEdit, *Edit1, *Edit2;
    QScrollBar *E1scroll, *E2scroll, *GapScroll;
    platform::RadioGroup *E1RG, *E2RG, *GapRG, *RadioGroup2, *RadioGroup3;
    SlopePaintBox* PaintBoxTilt;
    ResistanceBars* PaintBox1;
    platform::SpeedButton* CancelSB;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void emittanceEditChange(int surface);
    void emittanceScrollChange(int surface);
    void emittancePresetClick(int surface);
    void emittanceTypingEnd(int surface);
    // After every redraw of the tilt box: its box and preset show the tilt, and the gap is computed.
    void tiltRedrawn();
    double& emittance(int surface) { return surface == 1 ? e1_ : e2_; }

    std::unique_ptr<HouseModel> model_;
    platform::MessageService& messages_;
    double g_ = 90.0, e1_ = 0.05, e2_ = 0.9, t_ = 0.0;
    double E_ = 0.0, Ru_ = 0.0, Rd_ = 0.0;
    // The tilt box of the ceiling and roof editors, over t_ with the calculator's range 0..90.
    SlopeBox tilt_{t_, messages_};
    // While an edit box's own handler moves its scroll bar, the bar does not write back into the box.
    bool gapEditing_ = false;
    bool tableRead_ = false;
    bool emittanceEditing_[2] = {false, false};
};

} // namespace pelmora
