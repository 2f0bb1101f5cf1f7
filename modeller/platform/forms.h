// Pieces every form of the modeller shares: a dialog with its help topic that keeps itself on the
// screen, a label that can be clicked, a label that cuts a long text with an ellipsis, and the main
// window's status bar of fixed-width panels.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QStatusBar>

#include <vector>

class QEvent;
class QKeyEvent;
class QPaintEvent;
class QResizeEvent;

namespace platform {

class HelpService;

// Moves a window so that the whole of it lies on the available area of the screen it stands on (the
// screen under its centre, else its own screen); a window larger than that area keeps its left and
// top edges on it.  Its size stays as it is.
void keepOnScreen(QWidget& window);

// A dialog of the modeller: created once and reused, with the number of its help topic.  Whenever it
// is shown or changes its size while open it moves fully onto the screen, so that a dialog placed from its
// width before it was shown, or one that grows while open, never runs off the screen's edge.
class Dialog : public QDialog {
    Q_OBJECT
  public:
    explicit Dialog(HelpService& help, QWidget* parent = nullptr);
    int HelpContext = 0;
    // Opens the dialog's help topic.
    void HelpButtonClick();

  protected:
    bool event(QEvent* event) override;

    HelpService& help_;
};

// True for Enter, Return and Escape: the keys that close a dialog which closes on both.
bool isEnterOrEscape(const QKeyEvent& event);

class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A one-line label whose text never widens its window: a text longer than the label is shown cut at
// the end with an ellipsis, and then the whole text is the label's tool tip.
class ElidingLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
    // Shows `text` (the label's text() stays the whole text).
    void setText(const QString& text);
    // True when the label is too narrow for its whole text.
    bool isCut() const;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateToolTip();
};

// A status bar of panels with fixed widths; the last one takes what is left.  A text longer than its
// panel is cut with an ellipsis and can be read whole in the panel's tool tip.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    PanelStatusBar(const std::vector<int>& widths, QWidget* parent = nullptr);
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelCount() const { return static_cast<int>(panels_.size()); }
    ElidingLabel* panel(int panel) const { return panels_.at(static_cast<std::size_t>(panel)); }

  private:
    std::vector<ElidingLabel*> panels_;
};

} // namespace platform
