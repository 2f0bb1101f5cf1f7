// The short report: a one-page certificate of the current house's rating with the client, assessor
// and dwelling details, the project and site, the star rating, the energies per square metre, the
// adjusted star rating and the assessor's signature block.  It can be printed.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"
#include "modeller/results/short_report.h"
#include "modeller/results/star_panel_widget.h"

#include <QTextEdit>

#include <array>

class QFrame;
class QLabel;

namespace pelmora {

// A read-only field of the certificate that shows its entry whole: a long entry (an e-mail address,
// a street address) wraps onto further lines, breaking inside a word where it must, and the field
// grows to hold every line, so the printed page carries what the assessor typed.
class ReportField : public QTextEdit {
    Q_OBJECT
  public:
    explicit ReportField(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return toPlainText(); }
    // The number of lines the entry takes at the field's present width.
    int lineCount() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitHeight();
};

class TShortReportForm : public platform::Dialog {
    Q_OBJECT
  public:
    TShortReportForm(const HouseModel& model, const SimulationHistory& history, const RatingTables& tables,
                     platform::Services& services, QWidget* parent = nullptr);

    // Handlers.
    void FormShow();
    void OKSBClick() { accept(); }
    // Prints the page through the printer dialog.
    void PrintSBClick();

    QFrame *ClientPanel, *Panel2, *Panel3, *Panel4, *Panel5, *Panel6;
    std::array<ReportField*, kReportDetailBoxes + 1> E{}; // E1..E21; index 0 unused
    ReportField* StateEdit;
    QLabel *ProjectN, *RunN, *LocationLabel, *ClimateLabel, *PCLabel, *E24;
    QFrame* StarPanel;
    QLabel* StarLabel;
    StarImageLabels Stars;
    QLabel *AdjustStarLabel, *CoolLabel, *HeatLabel, *TotalLabel;
    platform::SpeedButton *PrintSB, *OKSB, *HelpButton;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build();

    const HouseModel& model_;
    const SimulationHistory& history_;
    const RatingTables& tables_;
    platform::Services& services_;
};

} // namespace pelmora
