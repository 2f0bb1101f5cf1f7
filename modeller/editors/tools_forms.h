// The "Calculation Tools" dialog and the two R value calculators it opens.  The calculators read the
// shipped material list at every showing and touch nothing of the house.
#pragma once

#include "modeller/editors/calculation_tools.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QLabel>
#include <QListWidget>

#include <filesystem>
#include <vector>

namespace pelmora {

class TSimpleRForm;
class TRValForm;
class TSunPosForm;
class TAirGapForm;

// The tools an assessor keeps beside the plan.  Modeless; it closes only by its Close button.
class TToolsForm : public platform::Dialog {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Calculation Tools";

    TToolsForm(platform::Services& services, QWidget* parent = nullptr);

    // The calculators the buttons open; set once the program has created them.
    TSimpleRForm* SimpleRForm = nullptr;
    TRValForm* RValForm = nullptr;
    TSunPosForm* SunPosForm = nullptr;
    TAirGapForm* AirGapForm = nullptr;

    void CancelSBClick() { hide(); }
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    platform::SpeedButton *CancelSB, *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// What both R value calculators share: the material list and the chosen material and thickness.
class MaterialRForm : public platform::Dialog {
    Q_OBJECT
  public:
    MaterialRForm(const std::filesystem::path& programFolder, platform::Services& services, QWidget* parent);

    // The thickness the up-down and the box take.
    static constexpr int kMostThickness = 2000; // mm
    static constexpr const char* kThicknessOutOfRange = "A thickness must be from 0 to 2000 mm.";

    void FormShow();
    void ProductLBClick();
    void ThickEBChange();
    // The typing in the thickness box ended (Enter, leaving the box): a thickness outside 0 to 2000
    // mm is refused with a message, and the box shows the thickness computed with.
    void ThickEBTypingEnd();
    void UpDownThickClick();
    virtual void CalcR() = 0;

    const std::vector<RCMaterial>& materials() const { return materials_; }
    int selected() const { return selected_; }
    int thickness() const { return thickness_; } // mm

    QListWidget* ProductLB;
    QLabel* MatNameLabel;
    platform::EditBox* ThickEB;
    platform::UpDown* UpDownThick;
    platform::EditBox* RvalueEB;
    platform::SpeedButton* CancelSB;

  protected:
    void showEvent(QShowEvent* event) override;
    // The chosen material, or nothing before a list was read.
    const RCMaterial* material() const;
    // The simple calculator takes its thickness box again at every showing.
    bool thicknessOnShow_ = false;
    platform::MessageService& messages_;

  private:
    std::filesystem::path programFolder_;
    std::vector<RCMaterial> materials_;
    int selected_ = 0;
    int thickness_ = 0;
};

// "Simple R Value Calculations": the R and C values and the conductivity of one material layer.
class TSimpleRForm : public MaterialRForm {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Simple R Value Calculations";
    TSimpleRForm(const std::filesystem::path& programFolder, platform::Services& services,
                 QWidget* parent = nullptr);
    void CalcR() override;

    platform::EditBox* CvalueEB;
    QLabel* KLabel;
};

// "R Values of Materials": a top layer of two materials side by side over a continuous bottom layer
// between two air films, with the limits of its total R.
class TRValForm : public MaterialRForm {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "R Values of Materials";
    TRValForm(const std::filesystem::path& programFolder, platform::Services& services,
              QWidget* parent = nullptr);
    void CalcR() override;
    void Transfer1SBClick() { transfer(0); }
    void Transfer2SBClick() { transfer(1); }
    void Transfer3SBClick() { transfer(2); }
    void Percent1EBChange();
    void CalcTotR();

    platform::SpeedButton *Transfer1SB, *Transfer2SB, *Transfer3SB;
    QLabel *MatName1Label, *MatName2Label, *MatName3Label;
    QLabel *Thick1Label, *Thick2Label, *Thick3Label;
    platform::EditBox *R1EB, *R2EB, *R3EB, *Percent1EB, *AirFilmTop, *AirFilmBottom;
    QLabel *Percent2Label, *UL, *LL, *RAllLabel, *RTopLabel, *Image1;

  private:
    void transfer(int row);
};

} // namespace pelmora
