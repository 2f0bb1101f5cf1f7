#include "modeller/editors/air_gap_form.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/rounding.h"
#include "modeller/editors/editor_controls.h"
#include "modeller/model/building_physics.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <cstdio>

namespace pelmora {

namespace {

constexpr std::array<double, 4> kEmittancePresets{0.05, 0.1, 0.3, 0.9};
constexpr std::array<double, 4> kGapPresets{13.0, 20.0, 40.0, 90.0};       // mm
constexpr std::array<double, 5> kTiltPresets{90.0, 67.0, 45.0, 22.0, 0.0}; // degrees
// What the coefficient table covers.
constexpr double kLeastEmittance = 0.05, kMostEmittance = 0.9;
constexpr double kNarrowestGap = 13.0, kWidestGap = 90.0; // mm

bool within(double value, double least, double most) {
    return value >= least && value <= most;
}

// A value as its box shows it: with `decimals` places, or with all its own when it has more.
QString boxText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    if (std::round(value * scale) == value * scale) return QString::number(value, 'f', decimals);
    return QString::number(value, 'g', 10);
}

QString formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

QScrollBar* scrollBar(QWidget* parent, const char* name, int small, int large) {
    auto* s = new QScrollBar(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(0, 90);
    s->setSingleStep(small);
    s->setPageStep(large);
    s->setMinimumWidth(140);
    return s;
}

platform::EditBox* editBox(QWidget* parent, const char* name, bool readOnly = false) {
    auto* b = new platform::EditBox(parent);
    b->setObjectName(name);
    b->setReadOnly(readOnly);
    b->setFixedWidth(60);
    return b;
}

void setQuietly(QScrollBar* bar, int position) {
    const QSignalBlocker quiet(bar);
    bar->setValue(position);
}

} // namespace

// ---- The resistance bars ---------------------------------------------------------------------------

// The bars stand on a line kBarAxis px from the top, up over it and down under it, with room for
// the largest resistances the table gives: about 0.72 m²K/W up, 2.09 down (kLongestDown px).
constexpr int kBarAxis = 80;
constexpr int kLongestDown = 210;

ResistanceBars::ResistanceBars(QWidget* parent) : QWidget(parent) {
    setFixedSize(30, kBarAxis + kLongestDown + 1);
}

void ResistanceBars::setLengths(int up, int down) {
    up_ = up;
    down_ = down;
    update();
}

void ResistanceBars::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::blue);
    p.drawRect(QRect(QPoint(0, kBarAxis - up_), QPoint(20, kBarAxis)));
    p.setBrush(Qt::red);
    p.drawRect(QRect(QPoint(0, kBarAxis), QPoint(20, kBarAxis + down_)));
}

// ---- The calculator --------------------------------------------------------------------------------

TAirGapForm::TAirGapForm(const std::filesystem::path& programFolder, platform::Services& services,
                         QWidget* parent)
    : Dialog(services.help, parent), model_(std::make_unique<HouseModel>()), messages_(services.messages) {
    model_->RootDir = programFolder.string();
    setObjectName("AirGapForm");
    setWindowTitle(kCaption);
    setModal(true);
    E1edit = editBox(this, "E1edit");
    E2edit = editBox(this, "E2edit");
    EffEmit = editBox(this, "EffEmit", true);
    GEdit = editBox(this, "GEdit");
    AngleEdit = editBox(this, "AngleEdit");
    Edit1 = editBox(this, "Edit1", true);
    Edit2 = editBox(this, "Edit2", true);
    E1scroll = scrollBar(this, "E1scroll", 5, 10);
    E2scroll = scrollBar(this, "E2scroll", 5, 10);
    GapScroll = scrollBar(this, "GapScroll", 1, 10);
    E1RG = new platform::RadioGroup("", {"0.05", "0.1", "0.3", "0.9"}, this, 2);
    E1RG->setObjectName("E1RG");
    E2RG = new platform::RadioGroup("", {"0.05", "0.1", "0.3", "0.9"}, this, 2);
    E2RG->setObjectName("E2RG");
    GapRG = new platform::RadioGroup("", {"13 mm", "20 mm", "40 mm", "90 mm"}, this, 2);
    GapRG->setObjectName("GapRG");
    RadioGroup2 = new platform::RadioGroup("", {"Vertical", "67°", "45°", "22°", "Horizontal"}, this);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup3 = new platform::RadioGroup("Air Movement", {"Unvented", "Vented"}, this);
    RadioGroup3->setObjectName("RadioGroup3");
    tilt_.LowSlope = 0.0;
    tilt_.HighSlope = 90.0;
    tilt_.GrabDistance = 20;
    tilt_.OnRedraw = [this] { tiltRedrawn(); };
    PaintBoxTilt = new SlopePaintBox(tilt_, this);
    PaintBoxTilt->setObjectName("PaintBoxTilt");
    PaintBox1 = new ResistanceBars(this);
    PaintBox1->setObjectName("PaintBox1");
    CancelSB = new platform::SpeedButton("Close", "Close", this);
    CancelSB->setObjectName("CancelSB");
    {
        // Unvented until the user chooses otherwise.
        const QSignalBlocker quiet(RadioGroup3);
        RadioGroup3->setItemIndex(0);
    }

    auto group = [this](const QString& title, std::initializer_list<QWidget*> widgets) {
        auto* box = new QGroupBox(title, this);
        auto* l = new QVBoxLayout(box);
        for (QWidget* w : widgets) l->addWidget(w);
        return box;
    };
    auto* emittances = new QHBoxLayout;
    emittances->addWidget(group("Emittance Surface 1", {E1edit, E1scroll, E1RG}));
    emittances->addWidget(group("Emittance Surface 2", {E2edit, E2scroll, E2RG}));
    auto* effective = new QFormLayout;
    effective->addRow("Effective Emittance", EffEmit);
    auto* gapAndTilt = new QHBoxLayout;
    gapAndTilt->addWidget(group("Air Gap (mm)", {GEdit, GapScroll, GapRG}));
    auto* tiltBox = new QGroupBox("Tilt", this);
    auto* tilt = new QGridLayout(tiltBox);
    tilt->addWidget(PaintBoxTilt, 0, 0, 2, 1);
    tilt->addWidget(AngleEdit, 0, 1);
    tilt->addWidget(new QLabel("degrees", tiltBox), 0, 2);
    tilt->addWidget(RadioGroup2, 1, 1, 1, 2);
    gapAndTilt->addWidget(tiltBox);
    auto* resistance = new QGroupBox("Resistance", this);
    auto* r = new QGridLayout(resistance);
    r->addWidget(new QLabel("Up", resistance), 0, 0);
    r->addWidget(Edit1, 0, 1);
    r->addWidget(new QLabel("Down", resistance), 1, 0);
    r->addWidget(Edit2, 1, 1);
    r->addWidget(PaintBox1, 0, 2, 3, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(RadioGroup3);
    bottom->addWidget(resistance);
    bottom->addStretch();
    bottom->addWidget(CancelSB, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(emittances);
    layout->addLayout(effective);
    layout->addLayout(gapAndTilt);
    layout->addLayout(bottom);

    auto& m = services.messages;
    connect(E1edit, &platform::EditBox::changed, this, platform::guarded(m, [this] { E1editChange(); }));
    connect(E2edit, &platform::EditBox::changed, this, platform::guarded(m, [this] { E2editChange(); }));
    connect(E1scroll, &QScrollBar::valueChanged, this, platform::guarded(m, [this] { E1scrollChange(); }));
    connect(E2scroll, &QScrollBar::valueChanged, this, platform::guarded(m, [this] { E2scrollChange(); }));
    connect(E1RG, &platform::RadioGroup::clicked, this, platform::guarded(m, [this] { E1RGClick(); }));
    connect(E2RG, &platform::RadioGroup::clicked, this, platform::guarded(m, [this] { E2RGClick(); }));
    connect(GEdit, &platform::EditBox::changed, this, platform::guarded(m, [this] { GEditChange(); }));
    connect(E1edit, &platform::EditBox::typingEnded, this,
            platform::guarded(m, [this] { E1editTypingEnd(); }));
    connect(E2edit, &platform::EditBox::typingEnded, this,
            platform::guarded(m, [this] { E2editTypingEnd(); }));
    connect(GEdit, &platform::EditBox::typingEnded, this, platform::guarded(m, [this] { GEditTypingEnd(); }));
    connect(GapScroll, &QScrollBar::valueChanged, this, platform::guarded(m, [this] { GapScrollChange(); }));
    connect(GapRG, &platform::RadioGroup::clicked, this, platform::guarded(m, [this] { GapRGClick(); }));
    connect(AngleEdit, &platform::EditBox::changed, this,
            platform::guarded(m, [this] { AngleEditChange(); }));
    connect(RadioGroup2, &platform::RadioGroup::clicked, this,
            platform::guarded(m, [this] { RadioGroup2Click(); }));
    connect(RadioGroup3, &platform::RadioGroup::clicked, this,
            platform::guarded(m, [this] { RadioGroup3Click(); }));
    connect(PaintBoxTilt, &SlopePaintBox::mouseDown, this,
            [this](int x, int y) { tilt_.PaintBoxTiltMouseDown(x, y); });
    connect(PaintBoxTilt, &SlopePaintBox::mouseMove, this,
            [this](int x, int y) { tilt_.PaintBoxTiltMouseMove(x, y); });
    connect(PaintBoxTilt, &SlopePaintBox::mouseUp, this, [this] { tilt_.PaintBoxTiltMouseUp(); });
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
}

void TAirGapForm::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

void TAirGapForm::FormShow() {
    // The coefficient table is read again at every showing.  Without it there is nothing to compute
    // with: the file is named in an error box and the results stay blank rather than show zeros.
    try {
        ReadBestFitFile(*model_);
        tableRead_ = true;
    } catch (const std::exception& e) {
        tableRead_ = false;
        messages_.error(QString::fromStdString(e.what()));
    }
    g_ = 90.0;
    GEdit->setText("90");
    setQuietly(GapScroll, 90);
    e1_ = 0.05;
    E1edit->setText(formatted("%.2f", e1_));
    setQuietly(E1scroll, 5);
    e2_ = 0.9;
    E2edit->setText(formatted("%.2f", e2_));
    setQuietly(E2scroll, 90);
    {
        const QSignalBlocker quiet(RadioGroup2);
        RadioGroup2->setItemIndex(-1);
    }
    t_ = 0.0;
    RadioGroup2->setItemIndex(4); // "Horizontal"
    Recalculate();
}

void TAirGapForm::emittanceEditChange(int surface) {
    platform::EditBox* box = surface == 1 ? E1edit : E2edit;
    QScrollBar* bar = surface == 1 ? E1scroll : E2scroll;
    platform::RadioGroup* presets = surface == 1 ? E1RG : E2RG;
    const std::optional<double> value = ReadNumber(box->text().toStdString());
    if (!value) {
        messages_.beep();
        box->setText(QString());
        return;
    }
    // A value outside the table is not computed with; the end of the typing refuses it.
    if (!within(*value, kLeastEmittance, kMostEmittance)) return;
    bool& editing = emittanceEditing_[surface - 1];
    const bool wasEditing = editing;
    editing = true;
    emittance(surface) = *value;
    bar->setValue(static_cast<int>(common::roundHalfEvenToInt(*value * 100.0)));
    int preset = -1;
    for (std::size_t i = 0; i < kEmittancePresets.size(); ++i)
        if (std::fabs(kEmittancePresets[i] - emittance(surface)) < 0.0005) preset = static_cast<int>(i);
    presets->setItemIndex(preset);
    Recalculate();
    editing = wasEditing;
}

void TAirGapForm::emittanceScrollChange(int surface) {
    // Moved by its box, the bar only follows the typed value, which is the one computed with.
    if (emittanceEditing_[surface - 1]) return;
    QScrollBar* bar = surface == 1 ? E1scroll : E2scroll;
    emittance(surface) = bar->value() / 100.0;
    platform::EditBox* box = surface == 1 ? E1edit : E2edit;
    if (bar->value() < 5) {
        emittance(surface) = 0.05;
        box->setText("0.05");
        return;
    }
    box->setText(formatted("%.2f", emittance(surface)));
}

void TAirGapForm::emittancePresetClick(int surface) {
    platform::RadioGroup* presets = surface == 1 ? E1RG : E2RG;
    const int item = presets->itemIndex();
    if (item < 0) return;
    emittance(surface) = kEmittancePresets[static_cast<std::size_t>(item)];
    platform::EditBox* box = surface == 1 ? E1edit : E2edit;
    box->setText(formatted("%4.2f", emittance(surface)));
    setQuietly(surface == 1 ? E1scroll : E2scroll,
               static_cast<int>(common::roundHalfEvenToInt(emittance(surface) * 100.0)));
}

void TAirGapForm::GEditChange() {
    const std::optional<double> value = ReadNumber(GEdit->text().toStdString());
    if (!value) {
        messages_.beep();
        GEdit->setText(QString());
        return;
    }
    // A gap outside the table is not computed with; the end of the typing refuses it.
    if (!within(*value, kNarrowestGap, kWidestGap)) return;
    const bool wasEditing = gapEditing_;
    gapEditing_ = true;
    g_ = *value;
    GapScroll->setValue(static_cast<int>(common::roundHalfEvenToInt(*value)));
    int preset = -1;
    for (std::size_t i = 0; i < kGapPresets.size(); ++i)
        if (kGapPresets[i] == g_) preset = static_cast<int>(i);
    GapRG->setItemIndex(preset);
    Recalculate();
    gapEditing_ = wasEditing;
}

void TAirGapForm::GapScrollChange() {
    // Moved by its box, the bar only follows the typed gap, which is the one computed with.
    if (gapEditing_) return;
    g_ = GapScroll->value();
    if (GapScroll->value() < 13) {
        g_ = 13.0;
        GEdit->setText("13");
        return;
    }
    GEdit->setText(formatted("%.0f", g_));
}

void TAirGapForm::GapRGClick() {
    const int item = GapRG->itemIndex();
    if (item < 0) return;
    g_ = kGapPresets[static_cast<std::size_t>(item)];
    GEdit->setText(formatted("%3.0f", g_));
    setQuietly(GapScroll, static_cast<int>(g_));
}

void TAirGapForm::emittanceTypingEnd(int surface) {
    platform::EditBox* box = surface == 1 ? E1edit : E2edit;
    const std::optional<double> value = ReadNumber(box->text().toStdString());
    if (value && *value == emittance(surface)) return;
    if (value) messages_.warn(kEmittanceOutOfRange);
    box->setText(boxText(emittance(surface), 2));
}

void TAirGapForm::GEditTypingEnd() {
    const std::optional<double> value = ReadNumber(GEdit->text().toStdString());
    if (value && *value == g_) return;
    if (value) messages_.warn(kGapOutOfRange);
    GEdit->setText(boxText(g_, 0));
}

void TAirGapForm::tiltRedrawn() {
    {
        const QSignalBlocker quiet(AngleEdit);
        AngleEdit->setText(QString::fromStdString(tilt_.AngleEdit.Text()));
    }
    PaintBoxTilt->update();
    int preset = -1;
    for (std::size_t i = 0; i < kTiltPresets.size(); ++i)
        if (kTiltPresets[i] == t_) preset = static_cast<int>(i);
    RadioGroup2->setItemIndex(preset);
    Recalculate();
}

void TAirGapForm::AngleEditChange() {
    // The tilt box takes the typing: a text that is not a number beeps, empties the box and takes
    // 0.0001; a number is kept within 0..90 and drawn.
    tilt_.AngleEdit.SetText(AngleEdit->text().toStdString());
}

void TAirGapForm::RadioGroup2Click() {
    const int item = RadioGroup2->itemIndex();
    if (item < 0) return;
    t_ = kTiltPresets[static_cast<std::size_t>(item)];
    tilt_.DrawNew();
}

void TAirGapForm::Recalculate() {
    // Every box takes only values within the table; these limits only keep the table's range.
    e1_ = std::clamp(e1_, kLeastEmittance, kMostEmittance);
    e2_ = std::clamp(e2_, kLeastEmittance, kMostEmittance);
    g_ = std::clamp(g_, kNarrowestGap, kWidestGap);
    E_ = 1.0 / (1.0 / e1_ + 1.0 / e2_ - 1.0);
    EffEmit->setText(formatted("%4.2f", E_));
    if (!tableRead_) {
        Edit1->setText(QString());
        Edit2->setText(QString());
        PaintBox1->setLengths(0, 0);
        return;
    }
    AirGapResistance(*model_, RadioGroup3->itemIndex() == 1 ? 1 : 0, g_, e1_, e2_, t_);
    Ru_ = model_->AirGapResistanceUp;
    Rd_ = model_->AirGapResistanceDown;
    Edit1->setText(formatted("%4.3f", Ru_));
    Edit2->setText(formatted("%4.3f", Rd_));
    PaintBox1->setLengths(static_cast<int>(std::trunc(Ru_ * 100.0)),
                          static_cast<int>(std::trunc(Rd_ * 100.0)));
}

} // namespace pelmora
