#include "modeller/editors/sloped_editor_form.h"

#include "modeller/editors/wall_editor_form.h"
#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QScrollBar>
#include <QVBoxLayout>

namespace pelmora {

SlopePaintBox::SlopePaintBox(const SlopeBox& box, QWidget* parent) : QWidget(parent), box_(box) {
    setFixedSize(slope_box::kBoxWidth, slope_box::kBoxHeight);
    setCursor(Qt::CrossCursor);
    setMouseTracking(true); // the handle follows moves while it is dragged
}

void SlopePaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const SlopePicture p = box_.Picture();
    const QColor teal = ColourOf(slope_box::kTeal);
    painter.setPen(QPen(teal, 1));
    painter.setBrush(teal);
    painter.drawPolygon(
        QPolygon({QPoint(p.Triangle[0].X, p.Triangle[0].Y), QPoint(p.Triangle[1].X, p.Triangle[1].Y),
                  QPoint(p.Triangle[2].X, p.Triangle[2].Y)}));
    painter.setPen(QPen(ColourOf(slope_box::kBlue), 2));
    painter.drawLine(p.LineFrom.X, p.LineFrom.Y, p.LineTo.X, p.LineTo.Y);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.drawRect(QRect(QPoint(p.HandleTopLeft.X, p.HandleTopLeft.Y),
                           QPoint(p.HandleBottomRight.X - 1, p.HandleBottomRight.Y - 1)));
}

void SlopePaintBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseDown(at.x(), at.y());
}

void SlopePaintBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit mouseMove(at.x(), at.y());
}

void SlopePaintBox::mouseReleaseEvent(QMouseEvent*) {
    emit mouseUp();
}

SlopedEditorForm::SlopedEditorForm(SlopedEditor& editor, platform::Services& services, const char* objectName,
                                   std::string_view changeAllHint, QWidget* parent)
    : ElementEditorForm(editor, services, objectName, changeAllHint, parent), sloped_(editor) {
    dbmaterialpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    dbinsulationpicture = new PicturePanel(kPictureWidth, kPictureHeight, this);
    DBText1 = new QLabel(this);
    DBText2 = new QLabel(this);
    for (QLabel* label : {DBText1, DBText2}) {
        label->setWordWrap(true);
        label->setMinimumWidth(220);
    }
    const AddedRPanel added = MakeAddedRPanel(this);
    rpanel = added.rpanel;
    Rscroll = added.Rscroll;
    // A click beside the handle moves the ceiling's or roof's bulk R by half a unit.
    Rscroll->setPageStep(kSlopedRscrollPageStep);
    RLabel = added.RLabel;
    AngleEdit = new platform::EditBox(this);
    AngleEdit->setMaximumWidth(60);
    PaintBoxTilt = new SlopePaintBox(editor.PaintBoxTilt, this);

    SlopedEditor& e = editor;
    bindEdit(AngleEdit, e.PaintBoxTilt.AngleEdit);
    connect(Rscroll, &QScrollBar::valueChanged, this,
            [this, &e](int position) { run([&e, position] { e.RscrollChange(position); }); });
    connect(dbmaterialpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbmaterialpictureClick(dbmaterialpicture->anchor()); }); });
    connect(dbinsulationpicture, &PicturePanel::clicked, this,
            [this, &e] { run([this, &e] { e.dbinsulationpictureClick(dbinsulationpicture->anchor()); }); });
    connect(PaintBoxTilt, &SlopePaintBox::mouseDown, this,
            [this, &e](int x, int y) { run([&e, x, y] { e.PaintBoxTilt.PaintBoxTiltMouseDown(x, y); }); });
    connect(PaintBoxTilt, &SlopePaintBox::mouseMove, this, [this, &e](int x, int y) {
        // Moves without a drag change nothing: no refresh either.
        if (e.PaintBoxTilt.Dragging) run([&e, x, y] { e.PaintBoxTilt.PaintBoxTiltMouseMove(x, y); });
    });
    connect(PaintBoxTilt, &SlopePaintBox::mouseUp, this,
            [this, &e] { run([&e] { e.PaintBoxTilt.PaintBoxTiltMouseUp(); }); });
}

QGridLayout* SlopedEditorForm::constructionLayout() {
    auto* layout = new QGridLayout;
    layout->addWidget(dbmaterialpicture, 0, 0);
    layout->addWidget(DBText1, 0, 1);
    layout->addWidget(dbinsulationpicture, 1, 0);
    layout->addWidget(DBText2, 1, 1);
    layout->setColumnStretch(1, 1);
    return layout;
}

QWidget* SlopedEditorForm::slopePanel(std::string_view caption) {
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QVBoxLayout(panel);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(platform::Utf8(caption), panel));
    top->addWidget(AngleEdit);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(PaintBoxTilt);
    return panel;
}

void SlopedEditorForm::refreshSlopedControls() {
    const SlopedEditor& e = sloped_;
    dbmaterialpicture->showRow(e.materialstable);
    dbinsulationpicture->showRow(e.insulationtable);
    if (e.materialstable.Active()) DBText1->setText(q(e.materialstable.Text("Material Description")));
    if (e.insulationtable.Active()) DBText2->setText(q(e.insulationtable.Text("Insulation Description")));
    rpanel->setVisible(e.rpanelVisible);
    {
        const QSignalBlocker blocker(Rscroll);
        Rscroll->setValue(e.Rscroll);
    }
    RLabel->setText(q(e.RLabel));
    showEdit(AngleEdit, e.PaintBoxTilt.AngleEdit);
    PaintBoxTilt->update();
}

} // namespace pelmora
