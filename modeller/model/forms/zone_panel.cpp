#include "modeller/model/forms/zone_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include <algorithm>

namespace pelmora {

QColor zoneColour(std::int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

ZonePanel::ZonePanel(bool showsArea, QWidget* parent) : QFrame(parent) {
    setObjectName("ZonePanel");
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    ZoneLabel = new QLabel(this);
    ZoneLabel->setObjectName("ZoneLabel");
    NameLabel = new QLabel(this);
    NameLabel->setObjectName("NameLabel");
    NameLabel->setMinimumWidth(120);
    ColourPanel = new QFrame(this);
    ColourPanel->setObjectName("ColourPanel");
    ColourPanel->setFixedSize(15, 15);
    ColourPanel->setAutoFillBackground(true);
    ColourPanel->setFrameStyle(QFrame::Box | QFrame::Plain);
    ZoneNumUpDown = new platform::UpDown(1, 1, this);
    ZoneNumUpDown->setObjectName("ZoneNumUpDown");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 4, 6, 4);
    row->addWidget(ZoneLabel);
    row->addWidget(ZoneNumUpDown);
    row->addSpacing(8);
    row->addWidget(ColourPanel);
    row->addWidget(NameLabel, 1);
    if (showsArea) {
        AreaLabel = new QLabel(this);
        AreaLabel->setObjectName("AreaLabel");
        row->addWidget(AreaLabel);
    }
}

void ZonePanel::showZone(const HouseModel& model, int zone) {
    ZoneLabel->setText("Zone " + QString::number(zone));
    const bool exists = zone >= 1 && zone <= model.ZoneCount;
    NameLabel->setText(exists ? QString::fromStdString(model.Zones(zone).Name) : QString());
    QPalette palette = ColourPanel->palette();
    palette.setColor(QPalette::Window, exists ? zoneColour(model.Zones(zone).Colour) : QColor(Qt::white));
    ColourPanel->setPalette(palette);
    if (AreaLabel)
        AreaLabel->setText(exists ? "Area " + QString::number(model.Zones(zone).FloorArea, 'f', 1) + " m²"
                                  : QString());
}

void ZonePanel::browse(HouseModel& model, int zone) {
    {
        const QSignalBlocker block(ZoneNumUpDown);
        ZoneNumUpDown->setMaximum(std::max(1, model.ZoneCount));
        ZoneNumUpDown->setValue(zone);
    }
    model.DisplayZone = ZoneNumUpDown->value();
    showZone(model, model.DisplayZone);
}

} // namespace pelmora
