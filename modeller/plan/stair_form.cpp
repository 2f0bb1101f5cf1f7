#include "modeller/plan/stair_form.h"

#include "common/rounding.h"
#include "modeller/editors/editor_controls.h"
#include "modeller/model/common_floor_area.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace pelmora {

namespace {

// The preset sizes of both sides (mm).
constexpr std::array<double, 11> kPresetSizes = {0, 300, 600, 900, 1200, 1500, 1800, 2100, 2400, 2700, 3000};

int nearest(double x) {
    return static_cast<int>(common::roundHalfEvenToInt(x));
}

int presetItem(double size) {
    const auto* at = std::find(kPresetSizes.begin(), kPresetSizes.end(), size);
    return at == kPresetSizes.end() ? -1 : static_cast<int>(at - kPresetSizes.begin());
}

QStringList presetItems() {
    QStringList items;
    for (double size : kPresetSizes) items << QString::number(size, 'f', 0);
    return items;
}

// "Remove every stairwell and void of the house, those from Zones 3 and 4 too?"
QString allLevelsQuestion(const std::vector<int>& zones) {
    QString list = QString::number(zones.front());
    for (std::size_t i = 1; i < zones.size(); ++i)
        list += (i + 1 == zones.size() ? " and " : ", ") + QString::number(zones[i]);
    return "Remove every stairwell and void of the house, those from " +
           QString(zones.size() == 1 ? "Zone " : "Zones ") + list + " too?";
}

QString fixed(double value, int decimals) {
    return QString::fromStdString(FixedText(value, decimals));
}

// Selects the item of `size` (none when no item has it) without running the group's click handler.
void showPreset(platform::RadioGroup* group, double size) {
    const QSignalBlocker block(group);
    group->setItemIndex(presetItem(size));
}

void showText(platform::EditBox* box, const QString& text) {
    const QSignalBlocker block(box);
    box->setText(text);
}

platform::SpeedButton* button(QWidget* parent, const char* name, const QString& caption, const char* hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

// ---- The opening to scale ------------------------------------------------------------------------

StairPaintBox::StairPaintBox(const HouseModel& model, const TStairRec& stair, QWidget* parent)
    : QWidget(parent), model_(model), stair_(stair) {
    setFixedSize(200, 200);
}

QRect StairPaintBox::openingRect() const {
    const double scale = model_.Magnification * 20.0 / 1000.0; // px per mm
    const int a = nearest(scale * stair_.Width);
    const int b = nearest(scale * stair_.Length);
    const int cx = nearest(width() / 2.0);
    const int cy = nearest(height() / 2.0);
    const int left = cx - nearest(a / 2.0), top = cy - nearest(b / 2.0);
    const int right = cx + nearest(a / 2.0), bottom = cy + nearest(b / 2.0);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void StairPaintBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(192, 192, 192));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::blue);
    const QRect r = openingRect();
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// ---- The dialog --------------------------------------------------------------------------------

TStairForm::TStairForm(HouseModel& model, PlanSelection& selection, platform::Services& services,
                       QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), selection_(selection),
      messages_(services.messages), openings_(model, selection) {
    setObjectName("StairForm");
    setModal(true);
    HelpButton = button(this, "HelpButton", "Help", "Help");
    ZoneColourPanel = new ColourPanel(this);
    ZoneColourPanel->setObjectName("ZoneColourPanel");
    ZoneColourPanel->setFixedSize(30, 24);
    ZoneColourPanel2 = new ColourPanel(this);
    ZoneColourPanel2->setObjectName("ZoneColourPanel2");
    ZoneColourPanel2->setFixedSize(30, 24);
    DeleteAllSB = button(this, "DeleteAllSB", "All\nLevels", "Remove all Stairwells from the project");
    OKSB = button(this, "OKSB", "OK", "Close accepting changes");
    RemoveStairwellSB = button(this, "RemoveStairwellSB", "Remove", "Remove Stairwell");
    auto* numbers = new QGroupBox("Stairwell or Void Number", this);
    auto* numberRow = new QHBoxLayout;
    auto* group = new platform::SpeedButtonGroup(false, this);
    for (int i = 0; i < kMaxStairsDown; ++i) {
        const QString name = "SB" + QString::number(i + 1);
        SB[static_cast<std::size_t>(i)] =
            button(numbers, name.toUtf8().constData(), QString::number(i + 1), "Stairwell or void");
        group->add(SB[static_cast<std::size_t>(i)]);
        numberRow->addWidget(SB[static_cast<std::size_t>(i)]);
    }
    numberRow->addStretch();
    numberRow->addWidget(RemoveStairwellSB);
    LowerZoneLbl = new QLabel(numbers);
    LowerZoneLbl->setObjectName("LowerZoneLbl");
    AvailAreaLb = new QLabel(numbers);
    AvailAreaLb->setObjectName("AvailAreaLb");
    ComAreaLb = new QLabel(numbers);
    ComAreaLb->setObjectName("ComAreaLb");
    ComAreaLb->hide();
    auto* numberGrid = new QGridLayout(numbers);
    numberGrid->addLayout(numberRow, 0, 0, 1, 2);
    numberGrid->addWidget(new QLabel("Goes to Zone", numbers), 1, 0);
    numberGrid->addWidget(LowerZoneLbl, 1, 1);
    numberGrid->addWidget(new QLabel("Available Area", numbers), 2, 0);
    numberGrid->addWidget(AvailAreaLb, 2, 1);
    numberGrid->addWidget(ComAreaLb, 3, 1);

    auto* lengthPanel = new QGroupBox("Length", this);
    HEdit = new platform::EditBox(lengthPanel);
    HEdit->setObjectName("HEdit");
    HeightRG = new platform::RadioGroup("", presetItems(), lengthPanel);
    HeightRG->setObjectName("HeightRG");
    auto* lengthLayout = new QVBoxLayout(lengthPanel);
    lengthLayout->addWidget(HEdit);
    lengthLayout->addWidget(HeightRG);
    auto* widthPanel = new QGroupBox("Width", this);
    WEdit = new platform::EditBox(widthPanel);
    WEdit->setObjectName("WEdit");
    WidthRG = new platform::RadioGroup("", presetItems(), widthPanel);
    WidthRG->setObjectName("WidthRG");
    auto* widthLayout = new QVBoxLayout(widthPanel);
    widthLayout->addWidget(WEdit);
    widthLayout->addWidget(WidthRG);
    PaintBox1 = new StairPaintBox(model_, openings_.Work, this);
    PaintBox1->setObjectName("PaintBox1");
    AreaLabel = new QLabel(this);
    AreaLabel->setObjectName("AreaLabel");
    auto* picture = new QVBoxLayout;
    picture->addWidget(PaintBox1);
    picture->addWidget(AreaLabel, 0, Qt::AlignHCenter);
    picture->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(HelpButton);
    top->addWidget(ZoneColourPanel);
    top->addWidget(ZoneColourPanel2);
    top->addStretch();
    top->addWidget(DeleteAllSB);
    top->addWidget(OKSB);
    auto* sizes = new QHBoxLayout;
    sizes->addWidget(lengthPanel);
    sizes->addWidget(widthPanel);
    sizes->addLayout(picture);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(numbers);
    layout->addLayout(sizes);

    const auto guarded = [this](auto handler) { return platform::guarded(messages_, handler); };
    for (int i = 0; i < kMaxStairsDown; ++i)
        connect(SB[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this,
                guarded([this, i] { NumberButtonClick(i + 1); }));
    connect(RemoveStairwellSB, &QAbstractButton::clicked, this,
            guarded([this] { RemoveStairwellSBClick(); }));
    connect(DeleteAllSB, &QAbstractButton::clicked, this, guarded([this] { DeleteAllSBClick(); }));
    connect(OKSB, &QAbstractButton::clicked, this, guarded([this] { OKSBClick(); }));
    connect(HelpButton, &QAbstractButton::clicked, this, [this] { HelpButtonClick(); });
    connect(HeightRG, &platform::RadioGroup::clicked, this, guarded([this] { HeightRGClick(); }));
    connect(WidthRG, &platform::RadioGroup::clicked, this, guarded([this] { WidthRGClick(); }));
    connect(HEdit, &platform::EditBox::changed, this, guarded([this] { HEditChange(); }));
    connect(WEdit, &platform::EditBox::changed, this, guarded([this] { WEditChange(); }));
    connect(HEdit, &platform::EditBox::typingEnded, this, guarded([this] { HEditTypingEnd(); }));
    connect(WEdit, &platform::EditBox::typingEnded, this, guarded([this] { WEditTypingEnd(); }));
}

int TStairForm::ShowModal() {
    FormShow();
    return shown_ ? exec() : QDialog::Rejected;
}

void TStairForm::FormShow() {
    CalcAllCommonArea(model_);
    shown_ = SetValues();
    if (!shown_) return;
    SetupNumberButtons();
    WidthRG->setFocus();
    HeightRG->setFocus();
}

bool TStairForm::SetValues() {
    const StairOpenings::Start start = openings_.SetValues();
    if (!start.Refusal.empty())
        messages_.warn(QString::fromUtf8(start.Refusal.data(), static_cast<qsizetype>(start.Refusal.size())));
    if (start.Shown) showOpening();
    return start.Shown;
}

void TStairForm::showOpening() {
    const int upper = selection_.CurrentZone;
    const int lower = openings_.Work.Zone;
    const bool lowerValid = lower >= 1 && lower <= model_.ZoneCount;
    ZoneColourPanel->setColour(model_.Zones(upper).Colour);
    ZoneColourPanel2->setColour(lowerValid ? model_.Zones(lower).Colour : 0xFFFFFF);
    setWindowTitle("Stair or Void " + QString::number(selection_.CurrentStair) + " from Zone " +
                   QString::number(upper) + " to " + QString::number(lower));
    LowerZoneLbl->setText(QString::number(lower));
    ComAreaLb->setText(fixed(openings_.CommonArea(), 2));
    AvailAreaLb->setText(fixed(openings_.AvailableStairArea, 2));
    showText(HEdit, fixed(openings_.Work.Length, 0));
    showText(WEdit, fixed(openings_.Work.Width, 0));
    AlterHeight();
    AlterWidth();
}

void TStairForm::SetupNumberButtons() {
    const int count = model_.Zones(selection_.CurrentZone).StairDownCount;
    for (int i = 0; i < kMaxStairsDown; ++i) {
        platform::SpeedButton* b = SB[static_cast<std::size_t>(i)];
        b->setVisible(i < count);
        b->setDown(i + 1 == selection_.CurrentStair);
    }
}

void TStairForm::ChangeStairs() {
    openings_.ChangeStairs();
    showOpening();
    SetupNumberButtons();
}

void TStairForm::SaveStairs() {
    openings_.SaveStairs();
}

void TStairForm::AlterHeight() {
    showPreset(HeightRG, openings_.Work.Length);
    DeleteAndDrawArea();
    SaveStairs();
}

void TStairForm::AlterWidth() {
    showPreset(WidthRG, openings_.Work.Width);
    DeleteAndDrawArea();
    SaveStairs();
}

void TStairForm::DeleteAndDrawArea() {
    PaintBox1->update();
    AreaLabel->setText(fixed(openings_.Work.Length * openings_.Work.Width / 1.0e6, 2) + " m\u00b2");
}

void TStairForm::OKSBClick() {
    SaveStairs();
    if (ClearStatus) ClearStatus();
    accept();
}

void TStairForm::NumberButtonClick(int number) {
    if (number > model_.Zones(selection_.CurrentZone).StairDownCount) return;
    SaveStairs();
    selection_.CurrentStair = number;
    ChangeStairs();
}

void TStairForm::RemoveStairwellSBClick() {
    if (openings_.RemoveShown()) {
        accept();
        return;
    }
    showOpening();
    SetupNumberButtons();
}

void TStairForm::DeleteAllSBClick() {
    // The openings of other zones are not shown here: they go only when the user says so.
    const std::vector<int> others = openings_.OtherUpperZones();
    if (!others.empty() && messages_.confirm(allLevelsQuestion(others), false) != platform::Answer::Yes)
        return;
    openings_.RemoveAll();
}

void TStairForm::presetSide(platform::RadioGroup* group, platform::EditBox* box, double& side) {
    const int item = group->itemIndex();
    if (item < 0) return;
    if (kPresetSizes[static_cast<std::size_t>(item)] == 0.0) {
        // An opening of no length or width is no opening: the side keeps its size.
        messages_.warn(kNoSize);
        showPreset(group, side);
        return;
    }
    // A preset is taken as it is, without the area check.
    side = kPresetSizes[static_cast<std::size_t>(item)];
    showText(box, fixed(side, 0));
    DeleteAndDrawArea();
    SaveStairs();
}

void TStairForm::HeightRGClick() {
    presetSide(HeightRG, HEdit, openings_.Work.Length);
}

void TStairForm::WidthRGClick() {
    presetSide(WidthRG, WEdit, openings_.Work.Width);
}

void TStairForm::typedSide(platform::EditBox* box, platform::RadioGroup* group, double& side, double other,
                           const char* tooLarge) {
    const std::optional<double> value = ReadNumber(box->text().toStdString());
    // A side cannot be negative: such a text is refused as one that is not a number.
    if (!value || *value < 0.0) {
        messages_.beep();
        showText(box, QString());
        return;
    }
    // A side of 0 is not taken; the end of the typing refuses it.
    if (*value == 0.0) return;
    // Only an opening of some area is held to the area shared with the zone below.
    if (other <= 0.0 || *value <= openings_.LongestSide(other)) {
        side = *value;
        showPreset(group, side);
        DeleteAndDrawArea();
        SaveStairs();
        return;
    }
    messages_.warn(tooLarge);
    const double limited = openings_.LongestSide(other) - 1.0;
    if (limited < 1.0) {
        // Not a millimetre is left to take: the side keeps its size.
        showText(box, fixed(side, 0));
        showPreset(group, side);
        return;
    }
    side = limited;
    showPreset(group, -1.0);
    // The box takes the limited size in whole millimetres, which runs this check once more.
    box->setText(fixed(side, 0));
}

void TStairForm::HEditChange() {
    typedSide(HEdit, HeightRG, openings_.Work.Length, openings_.Work.Width, kTooLong);
}

void TStairForm::WEditChange() {
    typedSide(WEdit, WidthRG, openings_.Work.Width, openings_.Work.Length, kTooWide);
}

void TStairForm::sideTypingEnd(platform::EditBox* box, platform::RadioGroup* group, double side) {
    const std::optional<double> value = ReadNumber(box->text().toStdString());
    if (value && *value == side) return;
    if (value && *value == 0.0) messages_.warn(kNoSize);
    showText(box, fixed(side, 0));
    showPreset(group, side);
}

void TStairForm::HEditTypingEnd() {
    sideTypingEnd(HEdit, HeightRG, openings_.Work.Length);
}

void TStairForm::WEditTypingEnd() {
    sideTypingEnd(WEdit, WidthRG, openings_.Work.Width);
}

void TStairForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        OKSBClick();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

} // namespace pelmora
