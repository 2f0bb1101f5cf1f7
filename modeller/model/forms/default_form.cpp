#include "modeller/model/forms/default_form.h"

#include "modeller/editors/element_editor_form.h"
#include "modeller/model/model_error.h"
#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace pelmora {

namespace {

struct KindButton {
    const char* name;
    const char* caption;
    const char* hint;
};

// The ten element buttons in the order of the kinds.
constexpr std::array<KindButton, kDefaultKinds> kKindButtons{{
    {"SBExternalWall", "Ext Wall", "External Wall"},
    {"SBInternalWall", "Int Wall", "Internal Wall"},
    {"SBFloor", "Floor", "Floor to the Outside"},
    {"InBetweenFloorButton", "Int Ceil", "Ceiling Between Levels"},
    {"IntFloorCoverSB", "Cover", "Floor Covering Between Levels"},
    {"SBCeiling", "Ceiling", "Ceiling to Roof"},
    {"SBRoof", "Roof", "Roof"},
    {"SBInsertDoor", "Door", "Door"},
    {"SBInsertWindow", "Window", "Window"},
    {"SBSkylight", "Skylight", "Skylight"},
}};

std::filesystem::path defaultsFolder(const HouseModel& model) {
    return std::filesystem::path(model.RootDir) / "default";
}

} // namespace

TDefaultForm::TDefaultForm(HouseModel& model, MaterialTables& tables, platform::Services& services,
                           platform::PanelStatusBar& statusBar, QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), tables_(tables), services_(services),
      statusBar_(statusBar) {
    setObjectName("DefaultForm");
    setModal(true);

    const auto speed = [this](const char* name, const char* caption, const char* hint) {
        auto* b = new platform::SpeedButton(caption, hint, this);
        b->setObjectName(name);
        return b;
    };
    const auto push = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        return b;
    };
    HelpButton = speed("HelpButton", "Help", "Help");
    OKSB = speed("OKSB", "  OK", "Close");
    SBopenFile = speed("SBopenFile", "Open", "Open Default Value File");
    SBsave = speed("SBsave", "Save", "Save Default Values");
    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{SBopenFile, SBsave}) top->addWidget(w);
    top->addStretch();
    top->addWidget(HelpButton);
    top->addWidget(OKSB);

    auto* kinds = new QGridLayout;
    for (int k = 0; k < kDefaultKinds; ++k) {
        const KindButton& kb = kKindButtons[static_cast<std::size_t>(k)];
        auto* b = speed(kb.name, kb.caption, kb.hint);
        b->setCheckable(true);
        auto* box = new QCheckBox(this);
        box->setObjectName(QString("CheckBox%1").arg(k + 1));
        box->setToolTip(kb.hint);
        ElementButtons[static_cast<std::size_t>(k)] = b;
        CheckBoxes[static_cast<std::size_t>(k)] = box;
        kinds->addWidget(b, 0, k, Qt::AlignHCenter);
        kinds->addWidget(box, 1, k, Qt::AlignHCenter);
    }
    SBExternalWall = ElementButtons[0];
    SBInternalWall = ElementButtons[1];
    SBFloor = ElementButtons[2];
    InBetweenFloorButton = ElementButtons[3];
    IntFloorCoverSB = ElementButtons[4];
    SBCeiling = ElementButtons[5];
    SBRoof = ElementButtons[6];
    SBInsertDoor = ElementButtons[7];
    SBInsertWindow = ElementButtons[8];
    SBSkylight = ElementButtons[9];

    AllButton = push("AllButton", "Select All");
    NoneButton = push("NoneButton", "Deselect All");
    ChangeDefButton =
        push("ChangeDefButton", "Change defaults of all levels to those selected from this level");
    ChangeAllToDefButton =
        push("ChangeAllToDefButton", "Change all elements on this level to the selected defaults");
    WarningLabel = new QLabel("You will not be able to undo these steps", this);
    WarningLabel->setObjectName("WarningLabel");
    auto* selection = new QHBoxLayout;
    selection->addWidget(AllButton);
    selection->addWidget(NoneButton);
    selection->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(kinds);
    layout->addLayout(selection);
    layout->addWidget(ChangeDefButton);
    layout->addWidget(ChangeAllToDefButton);
    layout->addWidget(WarningLabel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto& messages = services_.messages;
    const auto on = [&](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(messages, handler));
    };
    on(OKSB, [this] { OKSBClick(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    on(SBopenFile, [this] { SBopenFileClick(); });
    on(SBsave, [this] { SBsaveClick(); });
    on(AllButton, [this] { AllButtonClick(); });
    on(NoneButton, [this] { NoneButtonClick(); });
    on(ChangeDefButton, [this] { ChangeDefButtonClick(); });
    on(ChangeAllToDefButton, [this] { ChangeAllToDefButtonClick(); });
    for (int k = 1; k <= kDefaultKinds; ++k)
        on(ElementButtons[static_cast<std::size_t>(k - 1)],
           [this, k] { ElementButtonClick(static_cast<DefaultKind>(k)); });
}

ElementEditorForm* TDefaultForm::editorOf(DefaultKind kind) const {
    switch (kind) {
    case DefaultKind::ExtWall:
        return ExtWallForm;
    case DefaultKind::IntWall:
        return IntWallForm;
    case DefaultKind::ExtFloor:
        return ExtFloorForm;
    case DefaultKind::IntCeiling:
        return IntCeilingForm;
    case DefaultKind::FloorCover:
        return FloorCoverForm;
    case DefaultKind::Ceiling:
        return CeilingForm;
    case DefaultKind::Roof:
        return RoofForm;
    case DefaultKind::Door:
        return DoorForm;
    case DefaultKind::Window:
        return GlazingForm;
    case DefaultKind::Skylight:
        return SkylightForm;
    }
    return nullptr;
}

void TDefaultForm::showEvent(QShowEvent* event) {
    FormShow();
    platform::Dialog::showEvent(event);
}

void TDefaultForm::FormShow() {
    setWindowTitle(QString("Defaults for Level %1").arg(model_.CurrentLevel));
    model_.DefaultsMode = true;
    for (QCheckBox* box : CheckBoxes) box->setChecked(false);
    for (int k = 1; k <= kDefaultKinds; ++k) {
        platform::SpeedButton* b = ElementButtons[static_cast<std::size_t>(k - 1)];
        b->setDown(false);
        b->setEnabled(editorOf(static_cast<DefaultKind>(k)) != nullptr);
    }
}

void TDefaultForm::FormClose() {
    model_.DefaultsMode = false;
}

void TDefaultForm::done(int result) {
    // Every way out of the dialog (OK, Enter, Escape, the close box) ends defaults mode.
    FormClose();
    platform::Dialog::done(result);
}

void TDefaultForm::OKSBClick() {
    accept();
}

void TDefaultForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TDefaultForm::AllButtonClick() {
    for (QCheckBox* box : CheckBoxes) box->setChecked(true);
}

void TDefaultForm::NoneButtonClick() {
    for (QCheckBox* box : CheckBoxes) box->setChecked(false);
}

DefaultKindSet TDefaultForm::tickedKinds() const {
    DefaultKindSet kinds{};
    for (std::size_t k = 0; k < kinds.size(); ++k) kinds[k] = CheckBoxes[k]->isChecked();
    return kinds;
}

void TDefaultForm::ElementButtonClick(DefaultKind kind) {
    platform::SpeedButton* button = ElementButtons[static_cast<std::size_t>(kind) - 1];
    ElementEditorForm* editor = editorOf(kind);
    if (!editor) {
        button->setDown(false);
        return;
    }
    button->setDown(true);
    // The editor edits the defaults of the current level while DefaultsMode is set.
    model_.DefaultsMode = true;
    editor->ShowModal();
    button->setDown(false);
}

void TDefaultForm::SBopenFileClick() {
    ReadDefaultFile();
}

void TDefaultForm::SBsaveClick() {
    SaveDefaultFile();
}

int TDefaultForm::recordCount(std::string_view name) {
    const std::array<MaterialTable*, 21> all{
        &tables_.ExtWallForm.materialstable,
        &tables_.ExtWallForm.insulationtable,
        &tables_.IntWallForm.materialstable,
        &tables_.IntWallForm.insulationtable,
        &tables_.DoorForm.DoorTable,
        &tables_.ExtFloorForm.materialstable,
        &tables_.ExtFloorForm.insulationtable,
        &tables_.ExtFloorForm.FloorCoverTable,
        &tables_.IntCeilingForm.materialstable,
        &tables_.IntCeilingForm.insulationtable,
        &tables_.CeilingForm.materialstable,
        &tables_.CeilingForm.insulationtable,
        &tables_.RoofForm.materialstable,
        &tables_.RoofForm.insulationtable,
        &tables_.GlazingForm.glasstable,
        &tables_.GlazingForm.frametable,
        &tables_.GlazingForm.styletable,
        &tables_.GlazingForm.furnishingstable,
        &tables_.GlazingForm.shadingtable,
        &tables_.SkylightForm.materialstable,
        &tables_.SkylightForm.SkyFrameTable,
    };
    for (MaterialTable* table : all) {
        if (table->TableName() != name) continue;
        // A table the editors have open keeps its place; one opened here only to count is closed.
        if (table->Active()) return table->RecordCount();
        table->Open();
        const int count = table->RecordCount();
        table->Close();
        return count;
    }
    throw ModelError("No material table is called " + std::string(name));
}

void TDefaultForm::ReadDefaultFile() {
    platform::FileDialogRequest request;
    request.title = "Open Default File";
    request.folder = QString::fromStdString(defaultsFolder(model_).string());
    request.filter = kFileFilter;
    request.defaultSuffix = "DEF";
    request.mustExist = true;
    const std::optional<QString> chosen = services_.files.openFile(request);
    if (!chosen) return;
    const std::filesystem::path file = chosen->toStdString();
    // The file is read whole and checked before any value of it replaces the model's.
    ReadDefaultsFile(model_, file, [&](const TNewZoneOptions& options, const LevelDefaultArray& defaults) {
        CheckDefaults(
            options, defaults, [this](std::string_view table) { return recordCount(table); }, file);
    });
    statusBar_.setPanelText(0, "Opened Defaults " + *chosen);
}

void TDefaultForm::SaveDefaultFile() {
    platform::FileDialogRequest request;
    request.title = "Save Current Defaults";
    request.folder = QString::fromStdString(defaultsFolder(model_).string());
    request.fileName = kProposedFile;
    request.filter = kFileFilter;
    request.defaultSuffix = "DEF";
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = services_.files.saveFile(request);
    if (!chosen) return;
    WriteDefaultsFile(model_, chosen->toStdString());
    statusBar_.setPanelText(0, "Saved as " + *chosen);
}

void TDefaultForm::ChangeDefButtonClick() {
    CopyDefaultsToAllLevels(model_, tickedKinds());
}

void TDefaultForm::ChangeAllToDefButtonClick() {
    ChangeLevelElementsToDefaults(model_, tickedKinds());
    if (RedrawPlan) RedrawPlan();
}

} // namespace pelmora
