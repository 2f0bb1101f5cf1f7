#include "modeller/model/forms/usage_dialog.h"

#include "modeller/model/forms/zone_panel.h"

#include <QKeyEvent>

namespace pelmora {

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
