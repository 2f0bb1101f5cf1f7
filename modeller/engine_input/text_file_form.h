// The text viewer of the card file SCRATCH: a fixed-pitch read-only text with both scroll bars, the
// column and row of the last click, and an OK button.  Created once and kept; it holds the text of
// the last card file written, whether shown or not, and closing it only hides it.
#pragma once

#include "modeller/engine_input/simulation_run.h"
#include "modeller/platform/forms.h"

#include <QString>

#include <filesystem>
#include <string>

class QLabel;
class QPlainTextEdit;

namespace platform {
class SpeedButton;
}

namespace pelmora {

class TTextFileForm : public platform::Dialog, public ScratchViewer {
    Q_OBJECT
  public:
    static constexpr const char* kCaption = "Text File Output";
    static constexpr const char* kLabelText = "Column, Row";
    static constexpr const char* kOKCaption = "  OK";
    static constexpr const char* kOKHint = "Close accepting changes";
    static constexpr const char* kHelpHint = "Help";
    static constexpr const char* kFontFamily = "Courier New";
    static constexpr int kFontPixels = 12;

    explicit TTextFileForm(platform::HelpService& help, QWidget* parent = nullptr);

    // Fills the viewer with the file's lines; raises an error naming the file when it cannot be read,
    // leaving the text shown before.
    void LoadTextIntoViewer(const std::filesystem::path& file) override;
    void ShowViewer(const std::string& caption) override;

    // The caret to the start of the text.
    void FormShow();
    // A click in the text: the label shows the 1-based column and row of the caret.
    void RichEdit1MouseDown(QPoint position);
    void OKSBClick() { hide(); }

    QPlainTextEdit* RichEdit1 = nullptr;
    QLabel* Label1 = nullptr;
    platform::SpeedButton* OKSB = nullptr;
    platform::SpeedButton* HelpSB = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace pelmora
