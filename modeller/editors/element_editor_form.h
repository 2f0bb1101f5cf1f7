// The widget side every element editor's dialog shares: the dialog frame over an ElementEditor (its
// buttons, keys and close box, the opening that can refuse, and the error box for a failing handler)
// and the small controls the editors show (a table row's picture, a colour panel, the elevation
// preview).  Each editor's dialog adds its own controls and lays them out.
#pragma once

#include "modeller/editors/element_editor.h"
#include "modeller/editors/elevation_preview.h"
#include "modeller/platform/controls.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QFrame>
#include <QLabel>

#include <functional>

namespace pelmora {

// The size of a table row's picture in the editors (the pictures are stored 48 x 32) and so of the
// palette's cells.
inline constexpr int kPictureWidth = 48;  // px
inline constexpr int kPictureHeight = 32; // px

// A colour 0x00BBGGRR as Qt has it.
QColor ColourOf(std::int32_t colour);
// A speed button that sets a preset colour, painted in it with its caption readable on it.
platform::SpeedButton* ColourPreset(const char* caption, std::int32_t colour, QWidget* parent);
// Text of the editors' plain state (UTF-8) for a widget.
inline QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// The picture of a table's current row; a click opens the palette on the table.
class PicturePanel : public QLabel {
    Q_OBJECT
  public:
    PicturePanel(int width, int height, QWidget* parent = nullptr);
    // Shows the picture of the cursor's current row (kept while the row stays the same).
    void showRow(const TableCursor& cursor);
    // The anchor of a palette opened from this picture: the dialog's position and the picture's size.
    PictureAnchor anchor() const;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const MaterialTable* table_ = nullptr;
    int record_ = 0;
};

// A panel filled with one colour; a click may choose another.
class ColourPanel : public QFrame {
    Q_OBJECT
  public:
    explicit ColourPanel(QWidget* parent = nullptr);
    void setColour(std::int32_t colour);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The paint box of the elevation preview.
class ElevationBox : public QWidget {
    Q_OBJECT
  public:
    explicit ElevationBox(const ElevationPicture& picture, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ElevationPicture& picture_;
};

// A dialog over an editor that the derived dialog holds: the derived dialog makes itself the editor's
// view once its widgets exist.
class ElementEditorForm : public platform::Dialog, public EditorView {
    Q_OBJECT
  public:
    ElementEditorForm(ElementEditor& editor, platform::Services& services, const char* objectName,
                      std::string_view changeAllHint, QWidget* parent);

    // Opens the editor modally: FormShow fills it, then the modal run.  An editor that cannot be
    // filled (a table that cannot be read, a record not in it) is reported, acts as cancelled and is
    // not shown.
    int ShowModal();
    // Fills and shows the editor without a modal run (to look at it, and in tests); false when it
    // could not be filled.
    bool ShowEditor();

    void refreshEditor() override;
    // The editor this dialog shows.
    ElementEditor& elementEditor() { return editor_; }

    platform::SpeedButton *OKSB, *CancelSB, *CopyButton, *PasteButton, *HelpButton, *ResetButton,
        *ChangeAllToDefaultSB;
    ColourPanel* ZoneColourPanel;

  protected:
    // Shows the editor's own controls; the common ones are done.  Runs with every widget's signals
    // blocked: the editor has already run its handlers.
    virtual void refreshControls() = 0;
    // Runs a handler of the editor from a widget's signal: an error it raises is shown as the
    // application's error box, and the dialog shows the editor's state after it.
    void run(const std::function<void()>& handler);
    // The row of the common buttons, for the dialog's layout.
    QWidget* buttonRow();
    // The user's typing in `box` and the end of that typing go to the editor's `text`, a click on an
    // item of `group` to the editor's `choice`.
    void bindEdit(platform::EditBox* box, EditText& text);
    void bindRadio(platform::RadioGroup* group, RadioChoice& choice);
    // Shows the editor's text and choice in the widgets (the dialog's signals are blocked meanwhile).
    static void showEdit(platform::EditBox* box, const EditText& text);
    static void showRadio(platform::RadioGroup* group, const RadioChoice& choice);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    platform::MessageService& messages_;

  private:
    bool prepare();
    void okClicked();
    void cancelClicked();

    ElementEditor& editor_;
    QWidget* buttons_;
    bool prepared_ = false;
};

} // namespace pelmora
