#include "modeller/model/forms/internal_gain_form.h"

#include "common/file_lookup.h"
#include "common/rounding.h"
#include "modeller/model/forms/zone_panel.h"
#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <span>

namespace pelmora {

namespace {

constexpr int kFamilySize = kHoursPerDay;
constexpr HourBox kFamilies[] = {HourBox::Sensible, HourBox::Latent, HourBox::Heating, HourBox::Cooling};
constexpr int kEditWidth = 52; // px

constexpr const char* kHeatingEquipment[] = {"None",
                                             "Open Fire",
                                             "Slow Combustion Heater",
                                             "Gas Heating",
                                             "Electric Radiators",
                                             "Reverse Cycle AC",
                                             "Ducted Gas",
                                             "Ducted Oil",
                                             "Gas Heated Radiators",
                                             "Electric Slab Heating",
                                             "Gas Hydronic Slab",
                                             "Other"};
constexpr const char* kCoolingEquipment[] = {"None",
                                             "Individual Splits",
                                             "Ducted Central",
                                             "Ducted Evaporative",
                                             "Window / Wall AC",
                                             "Individual Evaporative",
                                             "Distributed Split",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "Other"};

// Hour h of the day as its box is labelled: 0-1, 2 ... 12 in the morning and again in the afternoon.
QString hourCaption(int h) {
    const int clock = (h - 1) % 12 + 1;
    return clock == 1 ? QString("0-1") : QString::number(clock);
}

// A grid of the 24 hours of two box families: the morning in the left three columns, the
// afternoon in the right three.
QGridLayout* hourGrid(QWidget* parent, const std::array<platform::EditBox*, 97>& edit, int firstFamily,
                      const char* firstCaption, const char* secondCaption) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    for (int half = 0; half < 2; ++half) {
        const int column = half * 4;
        grid->addWidget(new QLabel(half == 0 ? "am" : "pm", parent), 0, column);
        grid->addWidget(new QLabel(firstCaption, parent), 0, column + 1);
        grid->addWidget(new QLabel(secondCaption, parent), 0, column + 2);
        for (int row = 1; row <= 12; ++row) {
            const int h = half * 12 + row;
            grid->addWidget(new QLabel(hourCaption(h), parent), row, column);
            grid->addWidget(edit[static_cast<std::size_t>(firstFamily * kFamilySize + h)], row, column + 1);
            grid->addWidget(edit[static_cast<std::size_t>((firstFamily + 1) * kFamilySize + h)], row,
                            column + 2);
        }
    }
    grid->setColumnMinimumWidth(3, 14);
    return grid;
}

platform::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption,
                                   const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

// ---- The bar chart -------------------------------------------------------------------------------

GainBarChart::GainBarChart(const InternalGains& gains, QWidget* parent) : QWidget(parent), gains_(gains) {
    setObjectName("PaintBox1");
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

QSize GainBarChart::sizeHint() const {
    return {paintBoxOrigin().x() + gain_chart::kWidth + 8, paintBoxOrigin().y() + gain_chart::kHeight + 20};
}

void GainBarChart::paintEvent(QPaintEvent*) {
    using namespace gain_chart;
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.drawText(QRect(0, 0, width(), paintBoxOrigin().y() - 4), Qt::AlignCenter,
                     "Sensible Heat, % of total");
    painter.translate(paintBoxOrigin());
    const QRect box(0, 0, kWidth, kHeight);
    painter.fillRect(box, Qt::white);
    // The grid: a line every 10 %, its figure to the left; hour marks 2, 4 ... 24 under the bars.
    for (int percent = 0; percent <= 100; percent += 10) {
        const int row = kBaseRow - kPixelsPerPercent * percent;
        painter.setPen(percent == 0 ? Qt::black : QColor(200, 200, 200));
        painter.drawLine(0, row, kWidth - 1, row);
        painter.setPen(Qt::black);
        painter.drawText(QRect(-paintBoxOrigin().x(), row - 7, paintBoxOrigin().x() - 4, 14),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(percent));
    }
    for (int h = 2; h <= kHoursPerDay; h += 2) {
        const int column = kBarSpacing * h;
        painter.drawLine(column, kHeight, column, kHeight + 3);
        painter.drawText(QRect(column - 10, kHeight + 3, 20, 14), Qt::AlignCenter, QString::number(h));
    }
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    // The bars and their grips; a bar past 100 % runs off the top of the paint box.
    painter.setClipRect(box);
    painter.setPen(QPen(Qt::black, 1));
    for (int h = 1; h <= kHoursPerDay; ++h) {
        const int column = kBarSpacing * h;
        const int top = gains_.BarTop(h);
        painter.setBrush(Qt::red);
        painter.drawRect(QRect(QPoint(column - kBarHalfWidth, std::min(top, kBaseRow)),
                               QPoint(column + kBarHalfWidth, std::max(top, kBaseRow))));
        painter.fillRect(
            QRect(QPoint(column - kGripHalf, top - kGripHalf), QPoint(column + kGripHalf, top + kGripHalf)),
            Qt::black);
    }
}

void GainBarChart::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - paintBoxOrigin();
    emit mouseDown(p.x(), p.y());
}

void GainBarChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint() - paintBoxOrigin();
    emit mouseMove(p.x(), p.y());
}

void GainBarChart::mouseReleaseEvent(QMouseEvent*) {
    emit mouseUp();
}

// ---- The dialog ----------------------------------------------------------------------------------

TInternalGainForm::TInternalGainForm(HouseModel& model, platform::Services& services,
                                     platform::PanelStatusBar& statusBar, QWidget* parent)
    : UsageDialog(services.help, parent), model_(model), services_(services), statusBar_(statusBar),
      gains_(model) {
    setObjectName("InternalGainForm");
    setWindowTitle(kCaption);
    setModal(true);
    // No close box: the dialog closes with OK.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    for (int n = 1; n <= 4 * kFamilySize; ++n) {
        auto* box = new platform::EditBox(this);
        box->setObjectName("Edit" + QString::number(n));
        box->setFixedWidth(kEditWidth);
        Edit[static_cast<std::size_t>(n)] = box;
        connect(box, &platform::EditBox::changed, this, [this, n] { EditChange(n); });
    }
    ZoneInfo = new ZonePanel(true, this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->addTab(buildGainsPage(), "Internal Heating");
    PageControl1->addTab(buildComfortPage(), "Comfort");
    PageControl1->addTab(buildEquipmentPage(), "Heating Cooling Equipment");
    OKSB = speedButton(this, "OKSB", "  OK", "Close");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NotSimulatedNote(this, usage_text::kGainsNotSimulated));
    layout->addWidget(ZoneInfo);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(OKSB, [this] { OKSBClick(); });
    on(MakeSame1Button, [this] { MakeSame1ButtonClick(); });
    on(Reset1Button, [this] { Reset1ButtonClick(); });
    on(MakeSame2Button, [this] { MakeSame2ButtonClick(); });
    on(Reset2Button, [this] { Reset2ButtonClick(); });
    on(SBsave1, [this] { SBsave1Click(); });
    on(SBOpen1, [this] { SBOpen1Click(); });
    on(SBSave2, [this] { SBSave2Click(); });
    on(SBOpen2, [this] { SBOpen2Click(); });
    connect(ScaleRG, &platform::RadioGroup::clicked, this, [this](int) { ScaleRGClick(); });
    connect(ZoneInfo->ZoneNumUpDown, &QSpinBox::valueChanged, this, [this](int) { ZoneNumUpDownClick(); });
    connect(PaintBox1, &GainBarChart::mouseDown, this, [this](int x, int y) { PaintBox1MouseDown(x, y); });
    connect(PaintBox1, &GainBarChart::mouseMove, this, [this](int x, int y) { PaintBox1MouseMove(x, y); });
    connect(PaintBox1, &GainBarChart::mouseUp, this, [this] { PaintBox1MouseUp(); });
}

QWidget* TInternalGainForm::buildGainsPage() {
    auto* page = new QWidget(this);
    PaintBox1 = new GainBarChart(gains_, page);
    PercentEdit = new platform::EditBox(page);
    PercentEdit->setObjectName("PercentEdit");
    PercentEdit->setReadOnly(true);
    PercentEdit->setFixedWidth(40);
    QStringList items;
    for (std::string_view item : kGainScaleItems)
        items << QString::fromUtf8(item.data(), qsizetype(item.size()));
    ScaleRG = new platform::RadioGroup("Scale", items, page);
    ScaleRG->setObjectName("ScaleRG");
    PercentLabel = new QLabel(page);
    PercentLabel->setObjectName("PercentLabel");
    auto* gauge = new QFrame(page);
    gauge->setFrameStyle(QFrame::Box | QFrame::Plain);
    gauge->setFixedSize(16, gain_chart::kGaugeHeight);
    GaugePanel = new QFrame(gauge);
    GaugePanel->setObjectName("GaugePanel");
    GaugePanel->setAutoFillBackground(true);
    QPalette red = GaugePanel->palette();
    red.setColor(QPalette::Window, Qt::red);
    GaugePanel->setPalette(red);
    GaugePanel->setGeometry(0, gain_chart::kGaugeHeight, 16, 0);
    ZoneTotalLabel = new QLabel(page);
    ZoneTotalLabel->setObjectName("ZoneTotalLabel");
    BuildingTotalLabel = new QLabel(page);
    BuildingTotalLabel->setObjectName("BuildingTotalLabel");

    SBsave1 = speedButton(page, "SBsave1", "Save", "Save Internal Gain Schedule");
    SBOpen1 = speedButton(page, "SBOpen1", "Open", "Open Internal Gain Schedule");
    MakeSame1Button = speedButton(page, "MakeSame1Button", "Make all same as 0-1 am", "");
    Reset1Button = speedButton(page, "Reset1Button", "Reset, restore defaults", "");
    Help1SB = speedButton(page, "Help1SB", "Help", "Help");
    DefaultGainsCB = new QCheckBox("Use Default Settings", page);
    DefaultGainsCB->setObjectName("DefaultGainsCB");

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel("Bar", page));
    bar->addWidget(PercentEdit);
    bar->addWidget(new QLabel("%", page));
    bar->addStretch();
    auto* share = new QGridLayout;
    share->addWidget(new QLabel("Share of the building's daily gains", page), 0, 0, 1, 2);
    share->addWidget(PercentLabel, 1, 0);
    share->addWidget(gauge, 1, 1);
    share->addWidget(new QLabel("Daily total for zone", page), 2, 0);
    share->addWidget(ZoneTotalLabel, 2, 1);
    share->addWidget(new QLabel("Daily total for building", page), 3, 0);
    share->addWidget(BuildingTotalLabel, 3, 1);
    auto* left = new QVBoxLayout;
    left->addWidget(PaintBox1);
    left->addLayout(bar);
    auto* belowChart = new QHBoxLayout;
    belowChart->addWidget(ScaleRG);
    belowChart->addLayout(share);
    left->addLayout(belowChart);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addLayout(hourGrid(page, Edit, 0, "Sensible Heat (Watt)", "Latent Heat (Watt)"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{SBsave1, SBOpen1, MakeSame1Button, Reset1Button})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(DefaultGainsCB);
    buttons->addWidget(Help1SB);
    right->addLayout(buttons);
    right->addStretch();

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    return page;
}

QWidget* TInternalGainForm::buildComfortPage() {
    auto* page = new QWidget(this);
    SBSave2 = speedButton(page, "SBSave2", "Save", "Save Comfort Schedule");
    SBOpen2 = speedButton(page, "SBOpen2", "Open", "Open Comfort Schedule");
    MakeSame2Button = speedButton(page, "MakeSame2Button", "Make all same as 0-1 am", "");
    Reset2Button = speedButton(page, "Reset2Button", "Reset, restore defaults", "");
    Help2SB = speedButton(page, "Help2SB", "Help", "Help");
    DefaultSetpointsCB = new QCheckBox("Use Default Settings", page);
    DefaultSetpointsCB->setObjectName("DefaultSetpointsCB");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Thermostat settings, °C", page));
    layout->addLayout(hourGrid(page, Edit, 2, "Heating Themostat", "Cooling Thermostat"));
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{SBSave2, SBOpen2, MakeSame2Button, Reset2Button})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(DefaultSetpointsCB);
    buttons->addWidget(Help2SB);
    layout->addLayout(buttons);
    layout->addStretch();
    return page;
}

QWidget* TInternalGainForm::buildEquipmentPage() {
    auto* page = new QWidget(this);
    const auto column = [page](const char* title, std::span<const char* const> captions,
                               std::vector<platform::SpeedButton*>& buttons, std::vector<QCheckBox*>& ticks) {
        auto* group = new QGroupBox(title, page);
        auto* grid = new QGridLayout(group);
        grid->setVerticalSpacing(1);
        int row = 0;
        for (const char* caption : captions) {
            auto* b = new platform::SpeedButton(caption, "", group);
            b->setMinimumWidth(170);
            auto* tick = new QCheckBox(group);
            grid->addWidget(b, row, 0);
            grid->addWidget(tick, row, 1);
            buttons.push_back(b);
            ticks.push_back(tick);
            ++row;
        }
        grid->setRowStretch(row, 1);
        return group;
    };
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(column("Heating", kHeatingEquipment, HeatingEquipmentSB, HeatingEquipmentCB));
    layout->addWidget(column("Cooling", kCoolingEquipment, CoolingEquipmentSB, CoolingEquipmentCB));
    layout->addStretch();
    return page;
}

void TInternalGainForm::showEvent(QShowEvent* event) {
    FormShow();
    UsageDialog::showEvent(event);
}

void TInternalGainForm::FormShow() {
    // An occupancy file that cannot be read is reported; the dialog opens all the same and shows
    // what it showed before.
    try {
        gains_.ReadOccupancyProfiles();
    } catch (const std::exception& e) {
        services_.messages.error(QString::fromStdString(e.what()));
        return;
    }
    DefaultGainsCB->setChecked(model_.UseDefaultGains);
    DefaultSetpointsCB->setChecked(model_.UseDefaultSetpoints);
    gains_.CalcIntGain();
    gains_.AllocateThermostats();
    ZoneInfo->browse(model_, 1);
    ScaleRG->setItemIndex(kShownScaleItem);
    ChangeZoneDetails();
}

void TInternalGainForm::FormClose() {
    model_.UseDefaultGains = DefaultGainsCB->isChecked();
    model_.UseDefaultSetpoints = DefaultSetpointsCB->isChecked();
}

void TInternalGainForm::done(int result) {
    FormClose();
    UsageDialog::done(result);
}

void TInternalGainForm::ChangeZoneDetails() {
    ZoneInfo->showZone(model_, gains_.Zone());
    gains_.CalcBarPercents();
    DrawAllBars();
    PopulateFields();
    PopulateThermostats();
}

void TInternalGainForm::setBoxText(int n, const std::string& text) {
    Edit[static_cast<std::size_t>(n)]->setText(QString::fromStdString(text));
}

void TInternalGainForm::PopulateFields() {
    for (int h = 1; h <= kHoursPerDay; ++h) {
        setBoxText(h, gains_.HourText(HourBox::Sensible, h));
        setBoxText(kFamilySize + h, gains_.HourText(HourBox::Latent, h));
    }
}

void TInternalGainForm::PopulateThermostats() {
    for (int h = 1; h <= kHoursPerDay; ++h) {
        setBoxText(2 * kFamilySize + h, gains_.HourText(HourBox::Heating, h));
        setBoxText(3 * kFamilySize + h, gains_.HourText(HourBox::Cooling, h));
    }
}

void TInternalGainForm::DrawAllBars() {
    gains_.PlaceBars();
    PaintBox1->update();
    ZonePercentBar();
}

void TInternalGainForm::ZonePercentBar() {
    const TDailyGains totals = gains_.ZonePercentBar();
    ZoneTotalLabel->setText(QString::number(totals.Zone));
    BuildingTotalLabel->setText(QString::number(totals.Building));
    // With no gains anywhere the share and its gauge keep what they showed.
    if (!totals.SharePercent) return;
    PercentLabel->setText(QString::number(*totals.SharePercent, 'f', 0) + " %");
    // The gauge is full at 100 %.
    const double share = std::clamp(*totals.SharePercent, 0.0, 100.0);
    const int height = static_cast<int>(common::roundHalfEvenToInt(share * gain_chart::kGaugeHeight / 100.0));
    GaugePanel->setGeometry(0, gain_chart::kGaugeHeight - height, GaugePanel->parentWidget()->width(),
                            height);
}

void TInternalGainForm::PaintBox1MouseDown(int x, int y) {
    if (gains_.MouseDown(x, y)) PercentEdit->setText(QString::number(gains_.BarPercent(gains_.DragHour)));
}

void TInternalGainForm::PaintBox1MouseMove(int x, int y) {
    if (!gains_.MouseMove(x, y)) return;
    PercentEdit->setText(QString::number(gains_.BarPercent(gains_.DragHour)));
    ChangeZoneDetails();
}

void TInternalGainForm::PaintBox1MouseUp() {
    gains_.MouseUp();
}

void TInternalGainForm::ScaleRGClick() {
    gains_.ScaleRGClick(ScaleRG->itemIndex());
    DrawAllBars();
}

void TInternalGainForm::EditChange(int n) {
    const HourBox box = kFamilies[(n - 1) / kFamilySize];
    const int hour = (n - 1) % kFamilySize + 1;
    platform::EditBox* edit = Edit[static_cast<std::size_t>(n)];
    if (!gains_.TakeHourValue(box, hour, edit->text().toStdString())) {
        services_.messages.beep();
        edit->setText("0");
    }
    if (box == HourBox::Sensible) DrawAllBars();
    if (box == HourBox::Latent) ZonePercentBar();
}

void TInternalGainForm::MakeSame1ButtonClick() {
    gains_.MakeSameGains();
    DrawAllBars();
    ChangeZoneDetails();
}

void TInternalGainForm::Reset1ButtonClick() {
    gains_.ResetGains();
    DrawAllBars();
    PopulateFields();
}

void TInternalGainForm::MakeSame2ButtonClick() {
    gains_.MakeSameSetpoints();
    PopulateThermostats();
}

void TInternalGainForm::Reset2ButtonClick() {
    gains_.ResetSetpoints();
    PopulateThermostats();
}

QString TInternalGainForm::scheduleFolder() const {
    const auto folder = common::findCaseInsensitive(model_.RootDir, "schedule");
    return QString::fromStdString(
        (folder ? *folder : std::filesystem::path(model_.RootDir) / "schedule").string());
}

// What the file dialogs of one kind of schedule file say.
struct TInternalGainForm::ScheduleKind {
    const char* saveTitle;
    const char* openTitle;
    const char* proposedName;
    const char* filter;
    const char* suffix;
};

namespace {
const TInternalGainForm::ScheduleKind kGainSchedule{"Save Internal Gain Schedule",
                                                    "Open Internal Gain Schedule", "Schedule1.IGS",
                                                    "Internal Gain Schedule   *.IGS|*.IGS", "IGS"};
const TInternalGainForm::ScheduleKind kComfortSchedule{"Save Comfort Schedule", "Open Comfort Schedule",
                                                       "Schedule1.HCS", "Comfort Schedule   *.HCS|*.HCS",
                                                       "HCS"};
} // namespace

void TInternalGainForm::saveSchedule(const ScheduleKind& kind, QString& last,
                                     void (InternalGains::*write)(const std::filesystem::path&) const) {
    platform::FileDialogRequest request;
    request.title = kind.saveTitle;
    request.folder = scheduleFolder();
    request.fileName = kind.proposedName;
    request.filter = kind.filter;
    request.defaultSuffix = kind.suffix;
    request.confirmOverwrite = true;
    const auto file = services_.files.saveFile(request);
    if (!file) return;
    last = *file;
    (gains_.*write)(file->toStdString());
    statusBar_.setPanelText(0, "Saved as " + *file);
}

void TInternalGainForm::openSchedule(const ScheduleKind& kind, QString& last,
                                     void (InternalGains::*read)(const std::filesystem::path&)) {
    platform::FileDialogRequest request;
    request.title = kind.openTitle;
    request.folder = scheduleFolder();
    request.fileName = last; // the last name stays
    request.filter = kind.filter;
    request.defaultSuffix = kind.suffix;
    request.mustExist = true;
    const auto file = services_.files.openFile(request);
    if (!file) return;
    last = *file;
    (gains_.*read)(file->toStdString());
    statusBar_.setPanelText(0, "Opened Schedule " + *file);
}

void TInternalGainForm::SBsave1Click() {
    saveSchedule(kGainSchedule, lastGainSchedule_, &InternalGains::WriteGainSchedule);
}

void TInternalGainForm::SBOpen1Click() {
    openSchedule(kGainSchedule, lastGainSchedule_, &InternalGains::ReadGainSchedule);
    // The boxes and bars are refilled after an open, and also when it was cancelled.
    gains_.CalcBarPercents();
    DrawAllBars();
    PopulateFields();
}

void TInternalGainForm::SBSave2Click() {
    saveSchedule(kComfortSchedule, lastComfortSchedule_, &InternalGains::WriteComfortSchedule);
}

void TInternalGainForm::SBOpen2Click() {
    openSchedule(kComfortSchedule, lastComfortSchedule_, &InternalGains::ReadComfortSchedule);
    PopulateThermostats();
}

void TInternalGainForm::ZoneNumUpDownClick() {
    ZoneInfo->browse(model_, ZoneInfo->ZoneNumUpDown->value());
    ChangeZoneDetails();
}

void TInternalGainForm::OKSBClick() {
    accept();
}

} // namespace pelmora
