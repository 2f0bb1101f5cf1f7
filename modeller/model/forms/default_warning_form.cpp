#include "modeller/model/forms/default_warning_form.h"

#include "modeller/editors/element_editor.h"
#include "modeller/platform/application.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace pelmora {

TDefaultWarningForm::TDefaultWarningForm(HouseModel& model, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), services_(services) {
    setObjectName("DefaultWarningForm");
    setWindowTitle(kCaption);
    setModal(true);

    const auto speed = [this](const char* name, const char* caption, const char* hint) {
        auto* b = new platform::SpeedButton(caption, hint, this);
        b->setObjectName(name);
        return b;
    };
    OKSB = speed("OKSB", "  OK", "Close accepting changes");
    CancelSB = speed("CancelSB", "Cancel", "Close without changes");
    HelpButton = speed("HelpButton", "Help", "Help");
    const auto group = [this](const char* name, const char* caption, const QStringList& items) {
        auto* g = new platform::RadioGroup(caption, items, this);
        g->setObjectName(name);
        // Each group starts at its first item and keeps its choice from one showing to the next.
        g->setItemIndex(0);
        return g;
    };
    ElementsRG =
        group("ElementsRG", "Elements", {"All elements of this type", "Only those having default values"});
    LevelRG = group("LevelRG", "Levels", {"Apply to all levels", "Apply to this level only"});
    PropertyRG = group("PropertyRG", "Properties", {"Main properties only", "Most properties "});
    Label1 = new QLabel("Elements of this type will be changed to the current default values.", this);
    Label2 = new QLabel("You will not be able to undo this step", this);

    auto* groups = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{ElementsRG, LevelRG, PropertyRG}) groups->addWidget(w);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKSB);
    buttons->addWidget(CancelSB);
    buttons->addStretch();
    buttons->addWidget(HelpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(OKSB, [this] { OKSBClick(); });
    on(CancelSB, [this] { CancelSBClick(); });
    on(HelpButton, [this] { HelpButtonClick(); });
}

int TDefaultWarningForm::ShowFor(ElementEditor& editor) {
    editor_ = &editor;
    const int result = exec();
    editor_ = nullptr;
    shown_.reset();
    return result;
}

DefaultChangeChoice TDefaultWarningForm::choice() const {
    return {ElementsRG->itemIndex(), LevelRG->itemIndex(), PropertyRG->itemIndex()};
}

bool TDefaultWarningForm::requested(DefaultKind kind) const {
    return model_.ApplyDefaultRequest(ApplyDefaultRequestOf(kind));
}

void TDefaultWarningForm::change(DefaultKind kind) {
    if (requested(kind) && shown_) ChangeElementsToDefault(model_, kind, *shown_, choice());
}

void TDefaultWarningForm::ExtWalls() {
    change(DefaultKind::ExtWall);
}
void TDefaultWarningForm::IntWalls() {
    change(DefaultKind::IntWall);
}
void TDefaultWarningForm::Roofs() {
    change(DefaultKind::Roof);
}
void TDefaultWarningForm::Ceilings() {
    change(DefaultKind::Ceiling);
}
void TDefaultWarningForm::ExtFloors() {
    change(DefaultKind::ExtFloor);
}
void TDefaultWarningForm::IntCeilings() {
    change(DefaultKind::IntCeiling);
}
void TDefaultWarningForm::IntFloorCover() {
    change(DefaultKind::FloorCover);
}
void TDefaultWarningForm::Doors() {
    change(DefaultKind::Door);
}
void TDefaultWarningForm::Windows() {
    change(DefaultKind::Window);
}
void TDefaultWarningForm::Skylights() {
    change(DefaultKind::Skylight);
}

void TDefaultWarningForm::OKSBClick() {
    if (!editor_) {
        reject();
        return;
    }
    // The values are taken from the editor before any element changes: a value the editor cannot
    // take (a thickness that is not a number) changes nothing and the dialog stays open.
    shown_ = editor_->ShownDefaultValues();
    if (!shown_) return;
    ExtWalls();
    IntWalls();
    Roofs();
    Ceilings();
    ExtFloors();
    IntCeilings();
    IntFloorCover();
    Skylights();
    if (RedrawPlan) RedrawPlan();
    Doors();
    Windows();
    if (RedrawPlan) RedrawPlan();
    accept();
}

void TDefaultWarningForm::CancelSBClick() {
    reject();
}

void TDefaultWarningForm::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        platform::guarded(services_.messages, [this] { OKSBClick(); })();
        return;
    case Qt::Key_Escape:
        CancelSBClick();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

} // namespace pelmora
