// The zone panel of the zone-browsing dialogs: the zone's number, name and colour swatch (and, where
// a dialog shows it, its floor area), with an up-down that steps through the zones.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/platform/controls.h"

#include <QColor>
#include <QFrame>

class QLabel;

namespace pelmora {

// The colour of a model colour value 0x00BBGGRR.
QColor zoneColour(std::int32_t bgr);

class ZonePanel : public QFrame {
    Q_OBJECT
  public:
    ZonePanel(bool showsArea, QWidget* parent = nullptr);
    // Shows zone `zone` of the model: "Zone " + number, its name, its colour and, when the panel
    // shows it, "Area " + floor area with one decimal + " m²".
    void showZone(const HouseModel& model, int zone);
    // Shows a zone as the zone-browsing dialogs do: the up-down runs to ZoneCount and stands at
    // `zone` (within 1..ZoneCount), that zone becomes the model's DisplayZone and the panel shows it.
    void browse(HouseModel& model, int zone);

    QLabel* ZoneLabel;
    QLabel* NameLabel;
    QFrame* ColourPanel;
    QLabel* AreaLabel = nullptr;
    platform::UpDown* ZoneNumUpDown;
};

} // namespace pelmora
