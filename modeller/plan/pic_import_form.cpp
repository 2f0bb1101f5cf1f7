#include "modeller/plan/pic_import_form.h"

#include "common/file_lookup.h"
#include "modeller/plan/background_picture.h"
#include "modeller/plan/main_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include <stdexcept>

namespace pelmora {

namespace {

QString metres(int pixels, double magnification) {
    return QString::number(PixelsToMetres(pixels, magnification), 'f', 2) + " m";
}

} // namespace

TPicImportForm::TPicImportForm(HouseModel& model, PlanScale& scale, platform::Services& services,
                               TMainForm& mainForm, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), scale_(scale), services_(services),
      mainForm_(mainForm) {
    setObjectName("PicImportForm");
    setWindowTitle("Background Picture");
    setModal(false);
    const auto button = [this](const QString& caption, const QString& hint) {
        return new platform::SpeedButton(caption, hint, this);
    };
    SBopenFile = button("Open", "Open BMP File");
    PasteButton = button("Paste", "Paste captured screen image");
    SBDelete = button("Delete", "Delete Background");
    ResetButton = button("Show", "Show Background");
    HideBackgroundSB = button("Hide", "Hide Background");
    LightenSB = button("Lighten", "Lighten Background - takes a few secs");
    OKSB = button("  OK", "Close");
    HelpButton = button("Help", "Help");
    const auto bar = [this](int minimum, int maximum, int value) {
        auto* b = new QScrollBar(Qt::Horizontal, this);
        b->setRange(minimum, maximum);
        b->setValue(value);
        b->setMinimumWidth(220);
        return b;
    };
    ScaleSB = bar(kScaleBarMin, kScaleBarMax, kScaleBarOne);
    XSB = bar(kOffsetBarMin, kOffsetBarMax, 0);
    YSB = bar(kOffsetBarMin, kOffsetBarMax, 0);
    MagLabel = new QLabel("1.00", this);
    XValLabel = new QLabel("0.00 m", this);
    YValLabel = new QLabel("0.00 m", this);
    ZeroButton = button("Zero", "");
    Button1 = button("Measure", "");
    Button2 = button("Scale", "");
    Edit2 = new platform::EditBox(this);
    Edit2->setText("1.00");
    Edit2->setFixedWidth(70);

    auto* layout = new QVBoxLayout(this);
    auto* files = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(SBopenFile), static_cast<QWidget*>(PasteButton),
                       static_cast<QWidget*>(SBDelete), static_cast<QWidget*>(ResetButton),
                       static_cast<QWidget*>(HideBackgroundSB), static_cast<QWidget*>(LightenSB)})
        files->addWidget(w);
    layout->addLayout(files);
    auto* bars = new QGridLayout;
    bars->addWidget(new QLabel("Scale", this), 0, 0);
    bars->addWidget(ScaleSB, 0, 1);
    bars->addWidget(MagLabel, 0, 2);
    bars->addWidget(new QLabel("X", this), 1, 0);
    bars->addWidget(XSB, 1, 1);
    bars->addWidget(XValLabel, 1, 2);
    bars->addWidget(new QLabel("Y", this), 2, 0);
    bars->addWidget(YSB, 2, 1);
    bars->addWidget(YValLabel, 2, 2);
    bars->addWidget(ZeroButton, 3, 2);
    layout->addLayout(bars);
    auto* measure = new QHBoxLayout;
    measure->addWidget(Button1);
    measure->addWidget(Edit2);
    measure->addWidget(new QLabel("mm", this));
    measure->addWidget(Button2);
    measure->addStretch();
    // The indicators of the magnification: 1 m is 20, 40, 60 or 80 pixels.
    for (std::size_t i = 0; i < Images.size(); ++i) {
        Images[i] = new QLabel(QString("x%1").arg(i + 1), this);
        Images[i]->setObjectName(QString("Image%1").arg(i + 1));
        Images[i]->hide();
        measure->addWidget(Images[i]);
    }
    layout->addLayout(measure);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(HelpButton);
    closing->addWidget(OKSB);
    layout->addLayout(closing);

    Clipboard = [] { return QApplication::clipboard()->image(); };
    ReferencePoint = [this] {
        return mainForm_.Panel1->mapFromGlobal(frameGeometry().bottomLeft() + QPoint(2, -30));
    };

    auto& messages = services.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(SBopenFile, [this] { SBopenFileClick(); });
    on(PasteButton, [this] { PasteButtonClick(); });
    on(SBDelete, [this] { SBDeleteClick(); });
    on(ResetButton, [this] { ResetButtonClick(); });
    on(HideBackgroundSB, [this] { HideBackgroundSBClick(); });
    on(LightenSB, [this] { LightenSBClick(); });
    on(OKSB, [this] { OKSBClick(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(ZeroButton, [this] { ZeroButtonClick(); });
    on(Button1, [this] { Button1Click(); });
    on(Button2, [this] { Button2Click(); });
    const auto onBar = [&](QScrollBar* b, auto handler) {
        connect(b, &QScrollBar::valueChanged, this, [this, &messages, handler] {
            if (!syncing_) platform::guarded(messages, handler)();
        });
    };
    onBar(XSB, [this] { XSBChange(); });
    onBar(YSB, [this] { YSBChange(); });
    onBar(ScaleSB, [this] { ScaleSBChange(); });
}

TLevelPictureRec& TPicImportForm::picture() {
    return model_.LevelPictures(model_.CurrentLevel);
}

void TPicImportForm::setBar(QScrollBar* bar, int value) {
    syncing_ = true;
    bar->setValue(value);
    syncing_ = false;
}

void TPicImportForm::showOffsets() {
    XValLabel->setText(
        metres(static_cast<int>(picture().OffsetX * model_.Magnification), model_.Magnification));
    YValLabel->setText(
        metres(static_cast<int>(picture().OffsetY * model_.Magnification), model_.Magnification));
}

void TPicImportForm::showEvent(QShowEvent* event) {
    FormShow();
    platform::Dialog::showEvent(event);
}

void TPicImportForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TPicImportForm::FormShow() {
    mainForm_.planEditor().MeasureArmed = false;
    mainForm_.planEditor().MeasureSecond = false;
    ShowMagnification();
    ShowLevel(model_.CurrentLevel);
}

void TPicImportForm::ShowMagnification() {
    const int shown = static_cast<int>(model_.Magnification + 0.5);
    for (std::size_t i = 0; i < Images.size(); ++i) Images[i]->setVisible(static_cast<int>(i) + 1 == shown);
}

void TPicImportForm::ShowLevel(int level) {
    const TLevelPictureRec& shown = model_.LevelPictures(level);
    if (!shown.Present) return;
    scale_.PictureScale = shown.ScalePos / kScaleBarOne;
    setBar(ScaleSB, static_cast<int>(shown.ScalePos + 0.5));
    setBar(XSB, shown.OffsetX);
    setBar(YSB, shown.OffsetY);
    MagLabel->setText(QString::number(scale_.PictureScale, 'f', 2));
    showOffsets();
}

void TPicImportForm::takePicture(const QImage& image) {
    SetPicture(picture(), image);
    scale_.PictureScale = 1.0;
    setBar(ScaleSB, kScaleBarOne);
    setBar(XSB, 0);
    setBar(YSB, 0);
    mainForm_.ShowPic(model_.CurrentLevel);
    mainForm_.BackgroundImage->setVisible(true);
    mainForm_.RestoreAll();
}

void TPicImportForm::SBopenFileClick() {
    const std::filesystem::path root = model_.RootDir;
    const auto plans = common::findCaseInsensitive(root, "PLANS");
    const std::filesystem::path folder = plans ? *plans : root / "PLANS";
    platform::FileDialogRequest request;
    request.title = "Open Bitmap File";
    request.folder = QString::fromStdString(folder.string());
    request.fileName = " .bmp";
    request.filter = "Bitmap|*.BMP|All Files|*.*";
    request.mustExist = true;
    const auto file = services_.files.openFile(request);
    if (!file) return;
    QImage image;
    // The level keeps its picture when the file cannot be read.
    if (!image.load(*file) || image.isNull())
        throw std::runtime_error("The picture " + file->toStdString() + " cannot be read");
    takePicture(image);
}

void TPicImportForm::PasteButtonClick() {
    const QImage image = Clipboard ? Clipboard() : QImage();
    if (image.isNull()) {
        services_.messages.warn(picture_text::kNoClipboardBitmap);
        return;
    }
    takePicture(image);
}

void TPicImportForm::SBDeleteClick() {
    picture().Present = false;
    picture().Bitmap = QImage(); // the level's picture goes with its record
    mainForm_.ShowPic(model_.CurrentLevel);
}

void TPicImportForm::ResetButtonClick() {
    if (picture().Present) mainForm_.BackgroundImage->setVisible(true);
    mainForm_.RestoreAll();
}

void TPicImportForm::HideBackgroundSBClick() {
    mainForm_.BackgroundImage->setVisible(false);
    mainForm_.RestoreAll();
}

void TPicImportForm::LightenSBClick() {
    TLevelPictureRec& shown = picture();
    QImage* image = std::any_cast<QImage>(&shown.Bitmap);
    if (!shown.Present || !image || image->isNull()) {
        services_.messages.warn(picture_text::kNoPicture);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    Lighten(*image);
    QApplication::restoreOverrideCursor();
    mainForm_.RestoreAll();
}

void TPicImportForm::OKSBClick() {
    hide();
}

void TPicImportForm::ZeroButtonClick() {
    XSB->setValue(0);
    YSB->setValue(0);
}

void TPicImportForm::XSBChange() {
    picture().OffsetX = XSB->value();
    showOffsets();
    mainForm_.RestoreAll();
}

void TPicImportForm::YSBChange() {
    picture().OffsetY = YSB->value();
    showOffsets();
    mainForm_.RestoreAll();
}

void TPicImportForm::ScaleSBChange() {
    const double old = scale_.PictureScale;
    const double scale = static_cast<double>(ScaleSB->value()) / kScaleBarOne;
    scale_.PictureScale = scale;
    MagLabel->setText(QString::number(scale, 'f', 2));
    TLevelPictureRec& shown = picture();
    if (!shown.Present) return;
    shown.ScalePos = ScaleSB->value();
    const QPoint offset = ZoomAboutPoint(ReferencePoint(), model_.Magnification,
                                         {shown.OffsetX, shown.OffsetY}, old > 0 ? old : scale, scale);
    shown.OffsetX = offset.x();
    shown.OffsetY = offset.y();
    setBar(XSB, offset.x());
    setBar(YSB, offset.y());
    showOffsets();
    mainForm_.RestoreAll();
}

void TPicImportForm::Button1Click() {
    mainForm_.planEditor().MeasureArmed = true;
    mainForm_.planEditor().MeasureSecond = false;
}

void TPicImportForm::Button2Click() {
    bool ok = false;
    const double length = Edit2->text().trimmed().toDouble(&ok); // mm
    if (!ok) {
        services_.messages.beep();
        Edit2->setText("");
        return;
    }
    const auto position =
        ScalePositionFor(length, mainForm_.planEditor().MeasuredLength, scale_.PictureScale);
    if (!position) {
        // Nothing measured yet: there is no length to scale from.
        services_.messages.warn(picture_text::kNothingMeasured);
        return;
    }
    ScaleSB->setValue(*position);
}

} // namespace pelmora
