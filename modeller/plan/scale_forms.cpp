#include "modeller/plan/scale_forms.h"

#include "common/rounding.h"
#include "modeller/plan/main_form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace pelmora {

namespace {

bool isEnterOrEscape(const QKeyEvent* event) {
    return event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

TMagForm::TMagForm(HouseModel& model, PlanScale& scale, platform::Services& services, TMainForm& mainForm,
                   QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), scale_(scale), mainForm_(mainForm) {
    setObjectName("MagForm");
    setWindowTitle("Scale");
    setModal(true);
    MagRG = new platform::RadioGroup("1 m is", {"20 pixels", "40 pixels", "60 pixels", "80 pixels"}, this);
    OKSB = new platform::SpeedButton("  OK", "Close", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Scale", this));
    layout->addWidget(MagRG);
    layout->addWidget(OKSB, 0, Qt::AlignRight);
    connect(MagRG, &platform::RadioGroup::clicked, this, [this](int) {
        if (!showing_) ChangeMagnitude();
    });
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
}

void TMagForm::showEvent(QShowEvent* event) {
    FormShow();
    platform::Dialog::showEvent(event);
}

void TMagForm::FormShow() {
    move(mainForm_.pos() + QPoint(10, 120));
    snapAtShow_ = scale_.SnapStep;
    showing_ = true; // selecting the current item is not a change
    MagRG->setItemIndex(static_cast<int>(common::roundHalfEvenToInt(model_.Magnification)) - 1);
    showing_ = false;
    MagRG->setFocus();
}

void TMagForm::ChangeMagnitude() {
    if (MagRG->itemIndex() < 0) return;
    mainForm_.ChangeMagnitudeFrom(MagRG->itemIndex(), snapAtShow_, true);
    accept();
}

void TMagForm::OKSBClick() {
    ChangeMagnitude();
    accept();
}

void TMagForm::keyPressEvent(QKeyEvent* event) {
    if (isEnterOrEscape(event)) return; // the scale dialog does not close on Enter or Escape
    platform::Dialog::keyPressEvent(event);
}

TSnapForm::TSnapForm(HouseModel& model, PlanScale& scale, platform::Services& services, TMainForm& mainForm,
                     QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), scale_(scale), mainForm_(mainForm) {
    setObjectName("SnapForm");
    setWindowTitle("Snap");
    setModal(true);
    SnapRG = new platform::RadioGroup("Snap to the nearest",
                                      {"    50 mm ", "  100 mm", "  200 mm", "  500 mm", "1000 mm"}, this);
    OKSB = new platform::SpeedButton("  OK", "Close", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SnapRG);
    layout->addWidget(OKSB, 0, Qt::AlignRight);
    connect(SnapRG, &platform::RadioGroup::clicked, this, [this](int) {
        if (!showing_) {
            ChangeSnap();
            accept();
        }
    });
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
}

void TSnapForm::showEvent(QShowEvent* event) {
    FormShow();
    platform::Dialog::showEvent(event);
}

void TSnapForm::FormShow() {
    move(mainForm_.pos() + QPoint(30, 120));
    showing_ = true;
    SnapRG->setItemIndex(SnapItemFor(model_.Magnification, scale_.SnapStep));
    showing_ = false;
    SnapRG->setFocus();
}

void TSnapForm::ChangeSnap() {
    if (SnapRG->itemIndex() < 0) return;
    scale_.SnapStep = SnapStepFor(model_.Magnification, SnapRG->itemIndex());
    mainForm_.SnapLabel->setText(
        QString::fromStdString(SnapLabelText(model_.Magnification, scale_.SnapStep)));
}

void TSnapForm::OKSBClick() {
    ChangeSnap();
    accept();
}

void TSnapForm::keyPressEvent(QKeyEvent* event) {
    if (isEnterOrEscape(event)) return; // the snap dialog does not close on Enter or Escape
    platform::Dialog::keyPressEvent(event);
}

} // namespace pelmora
