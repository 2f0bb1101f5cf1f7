#include "modeller/editors/shad_sched_form.h"

#include "common/file_lookup.h"
#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <exception>

namespace pelmora {

using namespace schedule_chart;

ScheduleBarsBox::ScheduleBarsBox(TShadSchedForm& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(kWidth, kHeight);
}

void ScheduleBarsBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 255));
    painter.setPen(QPen(QColor(192, 192, 192), 1));
    for (int p = 0; p <= 100; p += 25)
        painter.drawLine(0, ShadingSchedule::HandleY(p), width(), ShadingSchedule::HandleY(p));
    const MonthlyPercent& values = form_.schedule().MonthPercent;
    for (int m = 1; m <= kScheduleMonths; ++m) {
        const int x = ShadingSchedule::BarX(m);
        const int y = ShadingSchedule::HandleY(values(m));
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::red);
        painter.drawRect(QRect(QPoint(x - kBarHalfWidth, y), QPoint(x + kBarHalfWidth, kBaseRow)));
        painter.setBrush(Qt::black);
        painter.drawRect(
            QRect(QPoint(x - kHandleHalf, y - kHandleHalf), QPoint(x + kHandleHalf, y + kHandleHalf)));
    }
}

void ScheduleBarsBox::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    form_.PaintBox1MouseDown(at.x(), at.y());
}

void ScheduleBarsBox::mouseMoveEvent(QMouseEvent* event) {
    form_.PaintBox1MouseMove(event->position().toPoint().y());
}

void ScheduleBarsBox::mouseReleaseEvent(QMouseEvent*) {
    form_.PaintBox1MouseUp();
}

TShadSchedForm::TShadSchedForm(const HouseModel& model, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), services_(services) {
    setObjectName("ShadSchedForm");
    setModal(true);
    setWindowTitle("Shading Schedule");
    PaintBox1 = new ScheduleBarsBox(*this, this);
    edpercentage = new QLineEdit(this);
    edpercentage->setReadOnly(true);
    edpercentage->setFixedWidth(60);
    SBopenFile = new platform::SpeedButton("Open", "Open File", this);
    SBsave = new platform::SpeedButton("Save", "Save File", this);
    PasteButton = new platform::SpeedButton("All Jan", "Make all January", this);
    ResetButton = new platform::SpeedButton("Reset", "Reset", this);
    HelpSB = new platform::SpeedButton("Help", "Help", this);
    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", this);
    auto* months = new QHBoxLayout;
    months->setSpacing(0);
    for (const char* m : {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"}) {
        auto* label = new QLabel(m, this);
        label->setFixedWidth(kBarSpacing);
        label->setAlignment(Qt::AlignCenter);
        months->addWidget(label);
    }
    months->addStretch(1);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel("%", this));
    side->addWidget(edpercentage);
    side->addStretch(1);
    for (QWidget* w : {SBopenFile, SBsave, PasteButton, ResetButton, HelpSB, OKSB}) side->addWidget(w);
    auto* chart = new QVBoxLayout;
    chart->addWidget(PaintBox1);
    chart->addLayout(months);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(chart);
    layout->addLayout(side);

    const auto handler = [this](void (TShadSchedForm::*method)()) {
        return [this, method] {
            try {
                (this->*method)();
            } catch (...) {
                platform::showEscapedError(&services_.messages, std::current_exception());
            }
            refresh();
        };
    };
    connect(SBopenFile, &QToolButton::clicked, this, handler(&TShadSchedForm::SBopenFileClick));
    connect(SBsave, &QToolButton::clicked, this, handler(&TShadSchedForm::SBsaveClick));
    connect(PasteButton, &QToolButton::clicked, this, handler(&TShadSchedForm::PasteButtonClick));
    connect(ResetButton, &QToolButton::clicked, this, handler(&TShadSchedForm::ResetButtonClick));
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
    connect(HelpSB, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
}

void TShadSchedForm::Edit(MonthlyPercent& values) {
    ScheduleBuffer = values;
    FormShow();
    exec();
    values = ScheduleBuffer;
}

void TShadSchedForm::FormShow() {
    schedule_.Load(ScheduleBuffer);
    refresh();
}

void TShadSchedForm::FormClose() {
    ScheduleBuffer = schedule_.MonthPercent;
}

void TShadSchedForm::done(int result) {
    FormClose();
    platform::Dialog::done(result);
}

void TShadSchedForm::PaintBox1MouseDown(int x, int y) {
    schedule_.MouseDown(x, y);
    refresh();
}

void TShadSchedForm::PaintBox1MouseMove(int y) {
    if (schedule_.MouseMove(y)) refresh();
}

void TShadSchedForm::PaintBox1MouseUp() {
    schedule_.MouseUp();
}

void TShadSchedForm::ResetButtonClick() {
    schedule_.ResetButtonClick();
    refresh();
}

void TShadSchedForm::PasteButtonClick() {
    schedule_.PasteButtonClick();
    refresh();
}

QString TShadSchedForm::scheduleFolder() const {
    const auto folder = common::findCaseInsensitive(model_.RootDir, "schedule");
    return QString::fromStdString(
        (folder ? *folder : std::filesystem::path(model_.RootDir) / "schedule").string());
}

void TShadSchedForm::SBopenFileClick() {
    platform::FileDialogRequest request;
    request.title = "Open Shading Schedule";
    request.folder = scheduleFolder();
    request.filter = kFileFilter;
    request.defaultSuffix = "SHS";
    request.mustExist = true;
    const auto file = services_.files.openFile(request);
    if (!file) return;
    schedule_.ReadFile(file->toStdString());
    refresh();
    if (SetStatus) SetStatus("Opened Schedule " + *file);
}

void TShadSchedForm::SBsaveClick() {
    platform::FileDialogRequest request;
    request.title = "Save Shading Schedule";
    request.folder = scheduleFolder();
    request.fileName = kProposedFile;
    request.filter = kFileFilter;
    request.defaultSuffix = "SHS";
    request.confirmOverwrite = true;
    const auto file = services_.files.saveFile(request);
    if (!file) return;
    schedule_.WriteFile(file->toStdString());
    if (SetStatus) SetStatus("Saved as " + *file);
}

void TShadSchedForm::OKSBClick() {
    accept();
}

void TShadSchedForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TShadSchedForm::refresh() {
    edpercentage->setText(QString::fromStdString(schedule_.edpercentage));
    PaintBox1->update();
}

} // namespace pelmora
