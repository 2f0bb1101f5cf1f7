#include "modeller/model/forms/settings_form.h"

#include "modeller/model/forms/internal_gain_form.h"
#include "modeller/model/forms/zone_panel.h"
#include "modeller/platform/application.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

// Places in a row, pixels from the list's left edge.
constexpr int kNumberAt = 10, kNameAt = 36, kHeatAt = 188, kCoolAt = 220, kColourAt = 250, kTypeAt = 275;
constexpr int kTickWidth = 17, kSwatch = 15; // px
constexpr int kListWidth = 400;              // px

QLabel* heading(QWidget* parent, const char* text, int at) {
    auto* label = new QLabel(text, parent);
    label->move(at, 0);
    return label;
}

} // namespace

TSettingsForm::TSettingsForm(HouseModel& model, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), services_(services), mode_(model) {
    setObjectName("SettingsForm");
    setWindowTitle(kCaption);
    setModal(true);
    // No close box: OK, Enter or Escape close the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    const auto button = [this](const char* name, const char* caption, const char* hint) {
        auto* b = new platform::SpeedButton(caption, hint, this);
        b->setObjectName(name);
        return b;
    };
    OKSB = button("OKSB", "  OK", "Close accepting changes");
    CondSB = button("CondSB", "Conditioned", "Heat and cool the habitable zones");
    FreeSB = button("FreeSB", "Free Running", "Neither heat nor cool any zone");
    IGSB = button("IGSB", "Gains", "Internal Gains Thermostat Settings");
    HelpSB = button("HelpSB", "Help", "Help");

    auto* headings = new QWidget(this);
    headings->setFixedSize(kListWidth, 18);
    heading(headings, "Zone", 0);
    heading(headings, "Name", kNameAt);
    heading(headings, "Heat", kHeatAt - 6);
    heading(headings, "Cool", kCoolAt - 2);
    heading(headings, "Type", kTypeAt);
    ZoneList = new QScrollArea(this);
    ZoneList->setObjectName("ZoneList");
    ZoneList->setFixedWidth(kListWidth + 20);
    ZoneList->setWidgetResizable(false);
    rows_ = new QWidget;
    rows_->setFixedWidth(kListWidth);
    ZoneList->setWidget(rows_);

    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{CondSB, FreeSB, IGSB}) buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(HelpSB);
    buttons->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(headings);
    layout->addWidget(ZoneList);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(OKSB, [this] { OKSBClick(); });
    on(CondSB, [this] { CondSBClick(); });
    on(FreeSB, [this] { FreeSBClick(); });
    on(IGSB, [this] { IGSBClick(); });
    on(HelpSB, [this] { HelpButtonClick(); });
}

void TSettingsForm::showEvent(QShowEvent* event) {
    FormShow();
    platform::Dialog::showEvent(event);
}

void TSettingsForm::FormShow() {
    // Every showing builds the rows afresh from the zones' flags: ticks not confirmed with OK are gone.
    removeRows();
    mode_.TakeZones();
    const int count = mode_.RowCount();
    rows_->setFixedHeight(kRowHeight * count + 5);
    // Every zone is listed; past kVisibleRows the list scrolls.
    ZoneList->setFixedHeight(kRowHeight * std::min(count, kVisibleRows) + 5 + 2 * ZoneList->frameWidth());
    buildRows();
}

void TSettingsForm::buildRows() {
    for (int z = 1; z <= mode_.RowCount(); ++z) {
        const TZoneRec& zone = model_.Zones(z);
        const int top = kRowHeight * (z - 1);
        auto* number = new QLabel(QString::number(z), rows_);
        number->move(kNumberAt, top);
        auto* name = new QLabel(QString::fromStdString(zone.Name), rows_);
        name->setGeometry(kNameAt, top, kHeatAt - kNameAt - 4, kRowHeight);
        auto* heat = new QCheckBox(rows_);
        heat->setGeometry(kHeatAt, top, kTickWidth + 4, kRowHeight);
        auto* cool = new QCheckBox(rows_);
        cool->setGeometry(kCoolAt, top, kTickWidth + 4, kRowHeight);
        auto* colour = new QFrame(rows_);
        colour->setGeometry(kColourAt, top, kSwatch, kSwatch);
        colour->setAutoFillBackground(true);
        QPalette palette = colour->palette();
        palette.setColor(QPalette::Window, zoneColour(zone.Colour));
        colour->setPalette(palette);
        auto* type = new QLabel(QString::fromUtf8(ZoneTypeName(zone.ZoneType).data(),
                                                  qsizetype(ZoneTypeName(zone.ZoneType).size())),
                                rows_);
        type->move(kTypeAt, top);
        heat->setChecked(mode_.Row(z).Heat);
        cool->setChecked(mode_.Row(z).Cool);
        connect(heat, &QCheckBox::toggled, this, [this, z](bool on) { mode_.Row(z).Heat = on; });
        connect(cool, &QCheckBox::toggled, this, [this, z](bool on) { mode_.Row(z).Cool = on; });
        for (QWidget* w : std::initializer_list<QWidget*>{number, name, heat, cool, colour, type}) w->show();
        NumberLabels.push_back(number);
        NameLabels.push_back(name);
        HeatTicks.push_back(heat);
        CoolTicks.push_back(cool);
        ColourPanels.push_back(colour);
        TypeLabels.push_back(type);
    }
}

void TSettingsForm::removeRows() {
    for (auto* list : {&NumberLabels, &NameLabels, &TypeLabels}) {
        for (QLabel* w : *list) delete w;
        list->clear();
    }
    for (auto* list : {&HeatTicks, &CoolTicks}) {
        for (QCheckBox* w : *list) delete w;
        list->clear();
    }
    for (QFrame* w : ColourPanels) delete w;
    ColourPanels.clear();
}

void TSettingsForm::showTicks() {
    for (int z = 1; z <= mode_.RowCount(); ++z) {
        HeatTicks[static_cast<std::size_t>(z - 1)]->setChecked(mode_.Row(z).Heat);
        CoolTicks[static_cast<std::size_t>(z - 1)]->setChecked(mode_.Row(z).Cool);
    }
}

void TSettingsForm::CondSBClick() {
    mode_.CondSBClick();
    showTicks();
}

void TSettingsForm::FreeSBClick() {
    mode_.FreeSBClick();
    showTicks();
}

void TSettingsForm::IGSBClick() {
    if (InternalGainForm) InternalGainForm->exec();
}

void TSettingsForm::OKSBClick() {
    mode_.OKSBClick();
    removeRows();
    accept();
}

void TSettingsForm::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape close the dialog without touching the zones.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        mode_.Discard();
        removeRows();
        reject();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

} // namespace pelmora
