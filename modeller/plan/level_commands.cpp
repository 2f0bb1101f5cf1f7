// The main window's level buttons (add a level above or below, delete a level), the compass with
// the typed north bearing, the keys of the window, the nudge buttons, the button release on the
// plan and the background picture button.
#include "modeller/model/level_insertion.h"
#include "modeller/model/model_error.h"
#include "modeller/model/zone_removal.h"
#include "modeller/plan/compass.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/pic_import_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QSignalBlocker>

namespace pelmora {

namespace {

// Passes the pointer's moves over the compass face and its leaving to the main window.
class CompassFaceEvents : public QObject {
  public:
    CompassFaceEvents(TMainForm& main, QObject* parent) : QObject(parent), main_(main) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            main_.imgCompassFaceMouseMove(p.x(), p.y());
        } else if (event->type() == QEvent::Leave) {
            main_.imgCompassFaceMouseLeave();
        }
        return false;
    }

  private:
    TMainForm& main_;
};

int zonesOnLevel(const HouseModel& model, int level) {
    int count = 0;
    for (int z = 1; z <= model.ZoneCount; ++z)
        if (model.Zones(z).Level == level) ++count;
    return count;
}

// Deleting a level with zones takes its zones and every stairwell of the house with it.
QString levelDeletionQuestion(int level, int zones) {
    return "Delete Level " + QString::number(level) + " and its " + QString::number(zones) +
           (zones == 1 ? " zone" : " zones") +
           "? Every stairwell and void of the house is deleted with them.";
}

} // namespace

void TMainForm::connectLevelCommands() {
    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(SBnewLevelAbove, [this] { SBnewLevelAboveClick(); });
    on(SBnewLevelBelow, [this] { SBnewLevelBelowClick(); });
    on(SBdeleteLevel, [this] { SBdeleteLevelClick(); });
    on(SBL, [this] { SBLClick(); });
    on(SBR, [this] { SBRClick(); });
    on(SBU, [this] { SBUClick(); });
    on(SBD, [this] { SBDClick(); });
    on(GraphicsSB, [this] { GraphicsSBClick(); });
    on(ScratchSB, [this] { ScratchSBClick(); });
    connect(NorthEB, &platform::EditBox::changed, this,
            platform::guarded(messages, [this] { NorthEBChange(); }));
    connect(imgCompassFace, &platform::ClickableLabel::clicked, this,
            platform::guarded(messages, [this] { imgCompassFaceClick(); }));
    imgCompassFace->setMouseTracking(true);
    imgCompassFace->installEventFilter(new CompassFaceEvents(*this, this));
    connect(PaintBox1, &PaintBox::mouseReleased, this,
            [this](QPoint p) { platform::guarded(services_.messages, [&] { PaintBox1MouseUp(p); })(); });
    // The window sees these keys before its controls do; an edit box keeps the arrows it uses.
    for (const int key : {Qt::Key_Escape, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                platform::guarded(messages, [this, key] { FormKeyDown(key); }));
    }
}

// ---- Levels ------------------------------------------------------------------------------------

void TMainForm::SBnewLevelAboveClick() {
    if (model_.LevelCount >= kMaxLevels) {
        services_.messages.information(
            QString::fromUtf8(limit_text::kLevels.data(), limit_text::kLevels.size()));
        return;
    }
    planEditor_->StopDrawing(); // an open outline belongs to the level it was begun on
    AddLevelAbove(model_);
    LowerLevelSB->setDown(true);
    ShowLevelButtons();
    ResetLevelButtons();
    SBLevel[static_cast<std::size_t>(model_.CurrentLevel)]->setDown(true);
    if (Dialogs.PicImportForm) Dialogs.PicImportForm->ShowLevel(model_.CurrentLevel);
    RestoreAll();
}

void TMainForm::SBnewLevelBelowClick() {
    if (model_.LevelCount >= kMaxLevels) {
        services_.messages.information(
            QString::fromUtf8(limit_text::kLevels.data(), limit_text::kLevels.size()));
        return;
    }
    planEditor_->StopDrawing();
    AddLevelBelow(model_);
    ShowLevelButtons();
    ResetLevelButtons();
    SBLevel[static_cast<std::size_t>(model_.CurrentLevel)]->setDown(true);
    if (Dialogs.PicImportForm) Dialogs.PicImportForm->ShowLevel(model_.CurrentLevel);
    RestoreAll();
}

void TMainForm::SBdeleteLevelClick() {
    if (model_.LevelCount <= 1) {
        services_.messages.information(
            QString::fromUtf8(limit_text::kAtLeastOneLevel.data(), limit_text::kAtLeastOneLevel.size()));
        model_.ResultsCurrent = false;
        return;
    }
    const int zones = zonesOnLevel(model_, model_.CurrentLevel);
    if (zones > 0 && services_.messages.confirm(levelDeletionQuestion(model_.CurrentLevel, zones), false) !=
                         platform::Answer::Yes)
        return;
    planEditor_->StopDrawing();
    DeselectAll();
    pelmora::DeleteLevel(model_, *this, model_.CurrentLevel);
    model_.CurrentLevel = 1;
    ResetLevelButtons();
    SBLevel[1]->setDown(true);
    ShowLevelButtons();
    if (!BackgroundImage->isHidden())
        ShowPic(1);
    else
        RestoreAll();
    model_.ResultsCurrent = false;
}

// ---- Compass -----------------------------------------------------------------------------------

void TMainForm::NorthEBChange() {
    const auto angle = northAngleFromText(NorthEB->text().toStdString());
    if (!angle) {
        // Not a whole number: the last good angle stays, and the box shows it again without
        // storing it anew.
        Beep();
        const QSignalBlocker quiet(NorthEB);
        ChangeBearings();
        return;
    }
    model_.NorthAngle = *angle;
    drawCompass();
    ChangeBearings();
    model_.ResultsCurrent = false;
}

void TMainForm::imgCompassFaceClick() {
    CompassLocked = !CompassLocked;
    drawCompass();
}

void TMainForm::imgCompassFaceMouseLeave() {
    CompassLocked = true;
    drawCompass();
}

void TMainForm::imgCompassFaceMouseMove(int x, int y) {
    if (CompassLocked) return;
    model_.NorthAngle = getBearing(x - imgCompassFace->width() / 2, y - imgCompassFace->height() / 2);
    drawCompass();
    ChangeBearings();
}

// ---- Keys, nudges and the button release -------------------------------------------------------

void TMainForm::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_Escape:
        ReleaseSBClick();
        break;
    case Qt::Key_Left:
        SBLClick();
        break;
    case Qt::Key_Up:
        SBUClick();
        break;
    case Qt::Key_Right:
        SBRClick();
        break;
    case Qt::Key_Down:
        SBDClick();
        break;
    default:
        break;
    }
}

void TMainForm::SBLClick() {
    planEditor_->SBLClick();
    PaintBox1->update();
}

void TMainForm::SBRClick() {
    planEditor_->SBRClick();
    PaintBox1->update();
}

void TMainForm::SBUClick() {
    planEditor_->SBUClick();
    PaintBox1->update();
}

void TMainForm::SBDClick() {
    planEditor_->SBDClick();
    PaintBox1->update();
}

void TMainForm::PaintBox1MouseUp(QPoint position) {
    planEditor_->MouseUp({position.x(), position.y()});
    PaintBox1->update();
}

void TMainForm::ShowZoneArea(const std::string& text) {
    StatusBar1->setPanelText(1, QString::fromStdString(text));
}

// ---- Background picture ------------------------------------------------------------------------

void TMainForm::GraphicsSBClick() {
    if (!Dialogs.PicImportForm) return;
    Dialogs.PicImportForm->show();
    Dialogs.PicImportForm->raise();
    Dialogs.PicImportForm->activateWindow();
}

} // namespace pelmora
