// The material picture palette's window (TSelectAllForm): the pictures of a table's rows in a grid,
// the chosen row's cell gray, and a status bar with the description of the row under the pointer.
// It draws a MaterialPalette and hands the pointer's moves and clicks to it.  It stays on top and is
// never modal; while an editor's modal run is going on it stands as that editor's tool window so that
// it can be clicked.
#pragma once

#include "modeller/editors/material_palette.h"
#include "modeller/platform/forms.h"
#include "modeller/platform/services.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

class QLabel;

namespace pelmora {

// The grid of pictures (imagegrid).  Each cell's tool tip is its row's whole description, which the
// status bar may have to cut.
class PaletteGrid : public QWidget {
    Q_OBJECT
  public:
    explicit PaletteGrid(MaterialPalette& palette, QWidget* parent = nullptr);
    // Takes the palette's pictures and cell sizes.
    void load();
    // The cell under a point of the grid, -1 for none.
    int cellAt(QPoint point) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    MaterialPalette& palette_;
    std::vector<QImage> pictures_;
};

class TSelectAllForm : public platform::Dialog, public PaletteView {
    Q_OBJECT
  public:
    // `owner` holds the palette while no editor shows it (the main window).
    TSelectAllForm(MaterialPalette& palette, platform::Services& services, QWidget* owner = nullptr);
    ~TSelectAllForm() override;

    void showPalette() override;
    void hidePalette() override;
    void refreshPalette() override;
    void placePalette() override;

    PaletteGrid* imagegrid;
    platform::ElidingLabel* materialstatusbar;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Follows the moves and size changes of the editor that shows the palette.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void followEditor(QWidget* editor);

    MaterialPalette& palette_;
    QWidget* owner_;
    QPointer<QWidget> editor_; // the editor window the palette stands beside
};

} // namespace pelmora
