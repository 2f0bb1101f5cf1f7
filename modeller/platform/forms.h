// Pieces every form of the modeller shares: a dialog with its help topic, a label that can be
// clicked, and the main window's status bar of fixed-width panels.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QStatusBar>

#include <vector>

class QKeyEvent;

namespace platform {

class HelpService;

// A dialog of the modeller: created once and reused, with the number of its help topic.
class Dialog : public QDialog {
    Q_OBJECT
  public:
    explicit Dialog(HelpService& help, QWidget* parent = nullptr);
    int HelpContext = 0;
    // Opens the dialog's help topic.
    void HelpButtonClick();

  protected:
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

// A status bar of panels with fixed widths; the last one takes what is left.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
  public:
    PanelStatusBar(const std::vector<int>& widths, QWidget* parent = nullptr);
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;
    int panelCount() const { return static_cast<int>(panels_.size()); }

  private:
    std::vector<QLabel*> panels_;
};

} // namespace platform
