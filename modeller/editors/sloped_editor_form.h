// The widgets the ceiling and roof dialogs share over a SlopedEditor: the pictures and descriptions
// of the two tables, the added bulk R panel and the slope box with its edit box.
#pragma once

#include "modeller/editors/element_editor_form.h"
#include "modeller/editors/sloped_editor.h"

class QGridLayout;
class QScrollBar;

namespace pelmora {

// The paint box of the slope: the triangle, the line and the handle at the slope held; the mouse
// drags the handle.
class SlopePaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit SlopePaintBox(const SlopeBox& box, QWidget* parent = nullptr);

  signals:
    void mouseDown(int x, int y);
    void mouseMove(int x, int y);
    void mouseUp();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const SlopeBox& box_;
};

class SlopedEditorForm : public ElementEditorForm {
    Q_OBJECT
  public:
    PicturePanel *dbmaterialpicture, *dbinsulationpicture;
    QLabel *DBText1, *DBText2;
    QFrame* rpanel;
    QScrollBar* Rscroll;
    QLabel* RLabel;
    platform::EditBox* AngleEdit;
    SlopePaintBox* PaintBoxTilt;

  protected:
    // `editor` is the derived dialog's own editor: only bound here, used once the dialog is built.
    SlopedEditorForm(SlopedEditor& editor, platform::Services& services, const char* objectName,
                     std::string_view changeAllHint, QWidget* parent);
    // The pictures with their descriptions.
    QGridLayout* constructionLayout();
    // The slope panel: its caption, the edit box and the paint box.
    QWidget* slopePanel(std::string_view caption);
    void refreshSlopedControls();

  private:
    SlopedEditor& sloped_;
};

} // namespace pelmora
