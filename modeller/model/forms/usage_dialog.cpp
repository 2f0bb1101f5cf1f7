#include "modeller/model/forms/usage_dialog.h"

#include "modeller/model/forms/zone_panel.h"

#include <QKeyEvent>
#include <QLabel>

namespace pelmora {

QLabel* NotSimulatedNote(QWidget* parent, const char* text) {
    auto* note = new QLabel(QString::fromUtf8(text), parent);
    note->setObjectName("NotSimulatedLabel");
    note->setWordWrap(true);
    QFont bold = note->font();
    bold.setBold(true);
    note->setFont(bold);
    QPalette red = note->palette();
    red.setColor(QPalette::WindowText, QColor(160, 0, 0));
    note->setPalette(red);
    return note;
}

void UsageDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

ZoneUsageDialog::ZoneUsageDialog(HouseModel& model, platform::Services& services,
                                 const std::int32_t& currentZone, QWidget* parent)
    : UsageDialog(services.help, parent), ZoneInfo(new ZonePanel(false, this)), model_(model),
      currentZone_(currentZone) {
    setModal(true);
    connect(ZoneInfo->ZoneNumUpDown, &QSpinBox::valueChanged, this, [this](int) { ZoneNumUpDownClick(); });
}

void ZoneUsageDialog::showEvent(QShowEvent* event) {
    FormShow();
    UsageDialog::showEvent(event);
}

void ZoneUsageDialog::FormShow() {
    ZoneInfo->browse(model_, currentZone_);
}

void ZoneUsageDialog::ZoneNumUpDownClick() {
    ZoneInfo->browse(model_, ZoneInfo->ZoneNumUpDown->value());
}

} // namespace pelmora
