#include "modeller/editors/sun_position_form.h"

#include "common/file_lookup.h"
#include "common/rounding.h"
#include "modeller/editors/editor_controls.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace pelmora {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
// Points of a curve further apart than this are not joined: the curve left the chart on one side and
// came back on the other.
constexpr double kJoinDistance = 80.0; // px

QString formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

QString wholeNumber(double value, int width) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.0f", width, value);
    return QString::fromLatin1(text);
}

platform::EditBox* box(QWidget* parent, const char* name, bool readOnly = false) {
    auto* b = new platform::EditBox(parent);
    b->setObjectName(name);
    b->setReadOnly(readOnly);
    b->setFixedWidth(90);
    return b;
}

platform::UpDown* upDown(QWidget* parent, const char* name, int minimum, int maximum, bool wrapping) {
    auto* u = new platform::UpDown(minimum, maximum, parent);
    u->setObjectName(name);
    u->setWrapping(wrapping);
    return u;
}

// Draws a curve of chart points: the first and last point are only moved to, and a point is joined to
// the one before it when it is near.
void drawCurve(QPainter& p, const std::vector<QPoint>& points) {
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const QPoint d = points[i] - points[i - 1];
        if (std::hypot(d.x(), d.y()) < kJoinDistance) p.drawLine(points[i - 1], points[i]);
    }
}

} // namespace

SkyChart::SkyChart(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
}

void SkyChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit moved(at.x(), at.y());
    QLabel::mouseMoveEvent(event);
}

QPoint TSunPosForm::ChartPoint(double azimuthDegrees, double altitudeDegrees) {
    return {static_cast<int>(common::roundHalfEvenToInt((azimuthDegrees + 180.0) * 2.0 + 20.0)),
            static_cast<int>(common::roundHalfEvenToInt((90.0 - altitudeDegrees) * 2.0 + 20.0))};
}

TSunPosForm::TSunPosForm(const std::filesystem::path& programFolder, platform::Services& services,
                         QWidget* parent)
    : Dialog(services.help, parent), programFolder_(programFolder), messages_(services.messages) {
    setObjectName("SunPosForm");
    setWindowTitle(kCaption);
    setModal(false);
    LocalT = box(this, "LocalT");
    Day1 = box(this, "Day1");
    Month1 = box(this, "Month1");
    Latitude = box(this, "Latitude");
    Longitude = box(this, "Longitude");
    TZone = box(this, "TZone");
    Time1 = box(this, "Time1", true);
    Declin = box(this, "Declin", true);
    Altitude = box(this, "Altitude", true);
    Azimuth = box(this, "Azimuth", true);
    UpDownTime = upDown(this, "UpDownTime", 0, 95, true);
    UpDownDay = upDown(this, "UpDownDay", 0, 32, false);
    UpDownMonth = upDown(this, "UpDownMonth", 0, 13, false);
    UpDownLat = upDown(this, "UpDownLat", -90, 90, true);
    Image = new SkyChart(this);
    Image->setObjectName("Image");
    Image->setFixedSize(kChartWidth, kChartHeight);
    CheckBox1 = new QCheckBox("Show Sun Path", this);
    CheckBox1->setObjectName("CheckBox1");
    CheckBox1->setChecked(true);
    StatusBar1 = new platform::PanelStatusBar({150, 50}, this);
    StatusBar1->setObjectName("StatusBar1");
    CancelSB = new platform::SpeedButton("Cancel", "Close", this);
    CancelSB->setObjectName("CancelSB");

    auto withUpDown = [](platform::EditBox* b, platform::UpDown* u) {
        auto* row = new QHBoxLayout;
        row->addWidget(b);
        if (u) row->addWidget(u);
        row->addStretch();
        return row;
    };
    auto* inputs = new QFormLayout;
    inputs->addRow("Local Time", withUpDown(LocalT, UpDownTime));
    inputs->addRow("Day", withUpDown(Day1, UpDownDay));
    inputs->addRow("Month", withUpDown(Month1, UpDownMonth));
    inputs->addRow("Latitude", withUpDown(Latitude, UpDownLat));
    inputs->addRow("Longitude", Longitude);
    inputs->addRow("Time Zone Meridian", TZone);
    auto* results = new QFormLayout;
    results->addRow("SolarTime", Time1);
    results->addRow("Declination", Declin);
    results->addRow("Altitude", Altitude);
    results->addRow("Azimuth", Azimuth);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addLayout(results);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CheckBox1);
    bottom->addStretch();
    bottom->addWidget(CancelSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Image);
    layout->addLayout(bottom);
    layout->addWidget(StatusBar1);

    auto& m = services.messages;
    connect(LocalT, &platform::EditBox::changed, this, platform::guarded(m, [this] { LocalTChange(); }));
    connect(Day1, &platform::EditBox::changed, this, platform::guarded(m, [this] { Day1Change(); }));
    connect(Month1, &platform::EditBox::changed, this, platform::guarded(m, [this] { Month1Change(); }));
    connect(Latitude, &platform::EditBox::changed, this, platform::guarded(m, [this] { LatitudeChange(); }));
    connect(Longitude, &platform::EditBox::changed, this,
            platform::guarded(m, [this] { LongitudeChange(); }));
    connect(TZone, &platform::EditBox::changed, this, platform::guarded(m, [this] { TZoneChange(); }));
    connect(UpDownTime, &QSpinBox::valueChanged, this, platform::guarded(m, [this] { UpDownTimeClick(); }));
    connect(UpDownDay, &QSpinBox::valueChanged, this, platform::guarded(m, [this] { UpDownDayClick(); }));
    connect(UpDownMonth, &QSpinBox::valueChanged, this, platform::guarded(m, [this] { UpDownMonthClick(); }));
    connect(UpDownLat, &QSpinBox::valueChanged, this, platform::guarded(m, [this] { UpDownLatClick(); }));
    connect(CheckBox1, &QCheckBox::clicked, this, platform::guarded(m, [this] { CheckBox1Click(); }));
    connect(Image, &SkyChart::moved, this, [this](int x, int y) { ImageMouseMove(x, y); });
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
}

void TSunPosForm::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    FormShow();
}

void TSunPosForm::setPosition(platform::UpDown* u, int position) {
    const QSignalBlocker quiet(u);
    u->setValue(position);
}

void TSunPosForm::FormShow() {
    input_ = SunPositionInput{};
    position_ = SunPosition{};
    // The chart background; without it the chart stays empty.
    grid_ = QImage(kChartWidth, kChartHeight, QImage::Format_RGB32);
    grid_.fill(Qt::white);
    const auto file = common::findCaseInsensitive(programFolder_, "grid.bmp");
    QImage loaded;
    if (!file || !loaded.load(QString::fromStdString(file->string())))
        messages_.error(QString::fromStdString("The sun chart " + (programFolder_ / "grid.bmp").string() +
                                               " cannot be read."));
    else
        grid_ = loaded.convertToFormat(QImage::Format_RGB32).copy(0, 0, kChartWidth, kChartHeight);
    paths_ = grid_;
    {
        // The boxes are filled before anything is computed from them.
        const QSignalBlocker b1(LocalT), b2(Month1), b3(Day1), b4(Longitude), b5(Latitude), b6(TZone);
        LocalT->setText(formatted("%5.2f", input_.LocalTime));
        Month1->setText(wholeNumber(input_.Month, 5));
        Day1->setText(wholeNumber(input_.Day, 5));
        Longitude->setText(formatted("%5.1f", input_.Longitude));
        Latitude->setText(formatted("%5.1f", input_.Latitude));
        TZone->setText(formatted("%5.1f", input_.TimeZone));
    }
    setPosition(UpDownTime, static_cast<int>(common::roundHalfEvenToInt(input_.LocalTime * 4)));
    setPosition(UpDownDay, static_cast<int>(input_.Day));
    setPosition(UpDownMonth, static_cast<int>(input_.Month));
    setPosition(UpDownLat, static_cast<int>(common::roundHalfEvenToInt(input_.Latitude)));
    refreshPaths();
}

void TSunPosForm::CalcAndDisplay() {
    position_ = CalcSunPosition(input_, position_);
    DisplayResults();
    DrawSun();
}

void TSunPosForm::DisplayResults() {
    const double altitude = position_.Altitude * kDegreesPerRadian;
    const QString dayOrNight = altitude >= 0.0 ? "   " : "Night ";
    Time1->setText("   " + formatted("%5.2f", HoursToClock(position_.SolarTime)));
    Declin->setText("   " + formatted("%5.2f", position_.Declination * kDegreesPerRadian));
    Azimuth->setText(dayOrNight + formatted("%5.2f", position_.Azimuth * kDegreesPerRadian));
    Altitude->setText(dayOrNight + formatted("%5.2f", altitude));
}

void TSunPosForm::DrawSun() {
    shown_ = paths_;
    QPainter p(&shown_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(Qt::yellow);
    p.drawEllipse(ChartPoint(position_.Azimuth * kDegreesPerRadian, position_.Altitude * kDegreesPerRadian),
                  6, 6);
    p.end();
    Image->setPixmap(QPixmap::fromImage(shown_));
}

void TSunPosForm::HideSunpaths() {
    paths_ = grid_;
    DisplayResults();
    DrawSun();
}

void TSunPosForm::ShowSunpaths() {
    QPainter p(&paths_);
    auto point = [&](SunPositionInput in) {
        const SunPosition s = CalcSunPosition(in, position_);
        return ChartPoint(s.Azimuth * kDegreesPerRadian, s.Altitude * kDegreesPerRadian);
    };
    auto dayCurve = [&](double day, double month) {
        std::vector<QPoint> points;
        SunPositionInput in = input_;
        in.Day = day;
        in.Month = month;
        for (int quarter = 1; quarter <= 96; ++quarter) {
            in.LocalTime = quarter * 0.25;
            points.push_back(point(in));
        }
        return points;
    };
    // The paths of the first day of every month: dotted in the first half of the year.
    for (int month = 1; month <= 12; ++month) {
        p.setPen(QPen(QColor(128, 128, 128), 1, month <= 6 ? Qt::DotLine : Qt::SolidLine));
        drawCurve(p, dayCurve(1, month));
    }
    // The chosen day.
    p.setPen(QPen(QColor(0, 0, 128), 1, Qt::SolidLine));
    drawCurve(p, dayCurve(input_.Day, input_.Month));
    // The analemma of each hour: the sun at that clock time on the 1st and 15th of the months, from
    // the 15th of December round to the 1st of December.
    std::vector<std::pair<int, int>> dates{{15, 12}};
    for (int month = 1; month <= 11; ++month) {
        dates.push_back({1, month});
        dates.push_back({15, month});
    }
    dates.push_back({1, 12});
    for (int hour = 1; hour <= 24; ++hour) {
        std::vector<QPoint> points;
        for (const auto& [day, month] : dates) {
            SunPositionInput in = input_;
            in.LocalTime = hour;
            in.Day = day;
            in.Month = month;
            points.push_back(point(in));
        }
        for (std::size_t i = 1; i < points.size(); ++i) {
            p.setPen(QPen(QColor(0, 128, 0), 1, i < 12 ? Qt::DotLine : Qt::SolidLine));
            const QPoint d = points[i] - points[i - 1];
            if (std::hypot(d.x(), d.y()) < kJoinDistance) p.drawLine(points[i - 1], points[i]);
        }
        if (UsableLatitude(input_.Latitude) < 0.0) p.drawLine(points.back(), points.front());
    }
    p.end();
    DrawSun();
}

void TSunPosForm::refreshPaths() {
    CalcAndDisplay();
    HideSunpaths();
    if (CheckBox1->isChecked()) ShowSunpaths();
}

void TSunPosForm::LocalTChange() {
    const std::optional<double> value = ReadNumber(LocalT->text().toStdString());
    if (!value) return; // a text that is not a number keeps the last good time
    const double whole = std::trunc(*value);
    if (std::fabs(*value - whole) < 0.599999999) {
        input_.LocalTime = ClockToHours(*value);
        CalcAndDisplay();
        setPosition(UpDownTime, static_cast<int>(common::roundHalfEvenToInt(input_.LocalTime * 4)));
        return;
    }
    // Minutes of 60 or more: the whole hour.
    LocalT->setText(formatted("%8.2f", whole));
}

void TSunPosForm::Day1Change() {
    const std::optional<double> value = ReadNumber(Day1->text().toStdString());
    if (!value) return;
    input_.Day = *value;
    setPosition(UpDownDay, static_cast<int>(common::roundHalfEvenToInt(*value)));
    refreshPaths();
}

void TSunPosForm::Month1Change() {
    const std::optional<double> value = ReadNumber(Month1->text().toStdString());
    if (!value) return;
    input_.Month = *value;
    setPosition(UpDownMonth, static_cast<int>(common::roundHalfEvenToInt(*value)));
    refreshPaths();
}

void TSunPosForm::LatitudeChange() {
    const std::optional<double> value = ReadNumber(Latitude->text().toStdString());
    if (!value) return;
    input_.Latitude = UsableLatitude(*value);
    setPosition(UpDownLat, static_cast<int>(common::roundHalfEvenToInt(input_.Latitude)));
    refreshPaths();
}

void TSunPosForm::LongitudeChange() {
    const std::optional<double> value = ReadNumber(Longitude->text().toStdString());
    if (!value) {
        messages_.beep();
        Longitude->setText(QString());
        return;
    }
    input_.Longitude = *value;
    CalcAndDisplay();
}

void TSunPosForm::TZoneChange() {
    const std::optional<double> value = ReadNumber(TZone->text().toStdString());
    if (!value) {
        messages_.beep();
        TZone->setText(QString());
        return;
    }
    input_.TimeZone = *value;
    CalcAndDisplay();
}

void TSunPosForm::UpDownTimeClick() {
    input_.LocalTime = UpDownTime->value() / 4.0;
    {
        const QSignalBlocker quiet(LocalT);
        LocalT->setText(formatted("%6.2f", HoursToClock(input_.LocalTime)));
    }
    CalcAndDisplay();
}

void TSunPosForm::UpDownDayClick() {
    int day = UpDownDay->value();
    int month = static_cast<int>(input_.Month);
    if (month < 1 || month > 12) month = 1;
    if (day == MonthLength(month) + 1) {
        day = 1;
        month = month == 12 ? 1 : month + 1;
    } else if (day == 0) {
        month = month == 1 ? 12 : month - 1;
        day = MonthLength(month);
    } else if (day > MonthLength(month)) {
        day = MonthLength(month);
    }
    input_.Day = day;
    input_.Month = month;
    setPosition(UpDownDay, day);
    setPosition(UpDownMonth, month);
    {
        const QSignalBlocker b1(Day1), b2(Month1);
        Day1->setText(wholeNumber(day, 6));
        Month1->setText(wholeNumber(month, 6));
    }
    refreshPaths();
}

void TSunPosForm::UpDownMonthClick() {
    int month = UpDownMonth->value();
    if (month == 13) month = 1;
    if (month == 0) month = 12;
    setPosition(UpDownMonth, month);
    if (input_.Day > MonthLength(month)) input_.Day = MonthLength(month);
    input_.Month = month;
    setPosition(UpDownDay, static_cast<int>(input_.Day));
    {
        const QSignalBlocker b1(Day1), b2(Month1);
        Day1->setText(wholeNumber(input_.Day, 6));
        Month1->setText(wholeNumber(month, 6));
    }
    refreshPaths();
}

void TSunPosForm::UpDownLatClick() {
    input_.Latitude = UsableLatitude(UpDownLat->value());
    {
        const QSignalBlocker quiet(Latitude);
        Latitude->setText(wholeNumber(UpDownLat->value(), 8));
    }
    refreshPaths();
}

void TSunPosForm::CheckBox1Click() {
    HideSunpaths();
    if (CheckBox1->isChecked()) ShowSunpaths();
}

void TSunPosForm::ImageMouseMove(int x, int y) {
    const int azimuth = static_cast<int>(common::roundHalfEvenToInt((x - 20) / 2.0)) - 180;
    const int altitude = 90 - static_cast<int>(common::roundHalfEvenToInt((y - 20) / 2.0));
    StatusBar1->setPanelText(1, QString::asprintf("Current: (%d, %d)", azimuth, altitude));
}

} // namespace pelmora
