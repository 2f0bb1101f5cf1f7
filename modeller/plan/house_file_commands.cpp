// The main window's house file commands: new house, open, save, save in another folder, and the
// save prompt when a house is replaced or the window closes.
#include "common/file_lookup.h"
#include "modeller/model/house_file.h"
#include "modeller/model/level_defaults.h"
#include "modeller/model/plan_operations.h"
#include "modeller/model/zone_removal.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/project_details_form.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"
#include "modeller/results/star_panel_widget.h"

#include <QScrollArea>
#include <QScrollBar>

#include <exception>
#include <memory>
#include <stdexcept>

namespace pelmora {

namespace {

constexpr const char* kNewProject = "New Project";
constexpr const char* kUnnamedPrompt = "Save Changes to the unnamed house ?";
constexpr const char* kHouseFilter = "VORT House Files   *.VOR|*.VOR|All Files                    *.*|*.*";
constexpr const char* kSoftwareName = "VORT";
constexpr const char* kSoftwareVersion = "4.1";
constexpr int kCommentLinesCleared = 41; // lines 0..40 of the project comments

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString TMainForm::houseFileName() const {
    return q(model_.ProjectName) + "_" + QString::number(model_.RunNumber) + ".VOR";
}

std::filesystem::path TMainForm::programSubfolder(std::string_view name) const {
    const auto found = common::findCaseInsensitive(model_.RootDir, name);
    return found ? *found : std::filesystem::path(model_.RootDir) / name;
}

std::filesystem::path TMainForm::planPictureFile(int level) const {
    return programSubfolder("plans") / (model_.ProjectName + "_" + std::to_string(model_.RunNumber) +
                                        " level " + std::to_string(level) + ".BMP");
}

void TMainForm::DiscardZone(int zone) {
    pelmora::DiscardZone(model_, static_cast<PlanView&>(*this), zone);
}

// ---- Save prompt -------------------------------------------------------------------------------

std::string TMainForm::savedForm() const {
    auto stored = std::make_unique<HouseModel>(model_);
    ScalePlanCoordinates(*stored, 1.0 / model_.Magnification);
    stored->Magnification = 1.0;
    std::string form = houseFileText(*stored);
    for (int level = 1; level <= kMaxLevels; ++level) form += model_.LevelPictures(level).Present ? '1' : '0';
    return form;
}

bool TMainForm::savePrompt() {
    const bool named = !model_.ProjectName.empty() && model_.ProjectName != kNewProject;
    if (!named) return !hasUnsavedWork() || unnamedSavePrompt();
    const auto answer = services_.messages.confirm("Save Changes to " + houseFileName() + " ?", true);
    switch (answer) {
    case platform::Answer::Yes:
        SaveAnswer = 1;
        SBsaveClick();
        return true;
    case platform::Answer::No:
        SaveAnswer = 2;
        return true;
    case platform::Answer::Cancel:
        SaveAnswer = 0;
        return false;
    }
    return false;
}

// An unnamed house has no file of its own: Yes saves it through the save-in-new-folder dialog, and
// a save that does not happen there keeps the house as Cancel does.
bool TMainForm::unnamedSavePrompt() {
    switch (services_.messages.confirm(kUnnamedPrompt, true)) {
    case platform::Answer::Yes:
        SaveAnswer = 0;
        SaveAsSBClick();
        return SaveAnswer == 1;
    case platform::Answer::No:
        SaveAnswer = 2;
        return true;
    case platform::Answer::Cancel:
        SaveAnswer = 0;
        return false;
    }
    return false;
}

bool TMainForm::FormCloseQuery() {
    SaveAnswer = 2;
    savePrompt();
    return SaveAnswer != 0;
}

// ---- New ---------------------------------------------------------------------------------------

void TMainForm::SBnewClick() {
    newHouse();
}

bool TMainForm::newHouse() {
    if (!savePrompt()) return false;
    TopPanel->show();
    LevelsPanel->show();
    StarPanel->show();
    Panel3->show();
    if (!SBeditButton->isDown()) SBeditButtonClick();
    SBeditButton->setDown(true);
    EditMode = true;
    SnapPanel->show();
    EditPanel->show();
    LevelsEditPanel->show();
    ResetJob();
    return true;
}

void TMainForm::ResetJob() {
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
    TopPanel->show();
    if (UpperLevelSB->isDown()) UpperLevelSBClick();
    if (LowerLevelSB->isDown()) LowerLevelSBClick();
    for (int z = model_.ZoneCount; z >= 1; --z) DiscardZone(z);
    for (int level = 1; level <= kMaxLevels; ++level) {
        model_.Eaves(level).Count = 0;
        model_.EavesDefined(level) = false;
        TLevelPictureRec& picture = model_.LevelPictures(level);
        picture.OffsetX = 0;
        picture.OffsetY = 0;
        picture.ScalePos = 1.0;
        picture.Present = false;
        SetDefaultDefaults(model_, level);
    }
    model_.LastStairId = 0;
    model_.ZoneCount = 0;
    model_.RoofSpaceGroupCount = 0;
    model_.FloorSpaceGroupCount = 0;
    model_.LevelCount = 1;
    model_.CurrentLevel = 1;
    ResetLevelButtons();
    ShowLevelButtons();
    SBLevel[1]->setDown(true);

    model_.ProjectName = kNewProject;
    model_.RunNumber = 1;
    model_.LocationName.clear();
    model_.ClimateFileName.clear();
    model_.Postcode = 0;
    model_.Longitude = 0.0;
    model_.Latitude = 0.0;
    for (std::string* s : {&model_.ClientName,
                           &model_.ClientPhone,
                           &model_.ClientFax,
                           &model_.ClientEmail,
                           &model_.ClientPostalAddress,
                           &model_.ClientStreetAddress,
                           &model_.AssessorPhone,
                           &model_.AssessorFax,
                           &model_.AssessorEmail,
                           &model_.AssessorPostalAddress,
                           &model_.AssessorStreetAddress,
                           &model_.AssessorNumber,
                           &model_.DwellingDPNumber,
                           &model_.DwellingUnit,
                           &model_.DwellingLotNumber,
                           &model_.DwellingHouseNumber,
                           &model_.DwellingStreetName,
                           &model_.DwellingDevelopmentName,
                           &model_.DwellingSuburb,
                           &model_.DwellingPostCode})
        s->clear();
    model_.SoftwareName = kSoftwareName;
    model_.SoftwareVersion = kSoftwareVersion;
    model_.AssessmentDate = todayShortDate().toStdString();
    model_.StateIndex = 0;
    for (std::size_t i = 0; i < model_.CommentLines.size() && i < kCommentLinesCleared; ++i)
        model_.CommentLines[i].clear();

    RefreshProjectLine();
    LevelsPanel->show();
    model_.NorthAngle = 0.0;
    drawCompass();
    ChangeBearings();

    model_.ShieldingFactor = model_.DefaultShieldingFactor;
    for (int side = 1; side <= 4; ++side)
        for (int k = 1; k <= 3; ++k) {
            TObstructionRec& obstruction = model_.SiteObstructions(side)(k);
            obstruction.D = obstruction.L1 = obstruction.L2 = obstruction.H = 0.0;
            obstruction.Shading = model_.DefaultObstructionShading;
        }

    model_.Magnification = kStartMagnification;
    workspace_.scale.SnapStep = kNewHouseSnapStep;
    ChangeScrollRange();
    BlankBackground();
    BackgroundImage->hide();
    ShowScaleLabels();
    model_.ResultsCurrent = false;
    // Nothing the status bar said of the last house (its zones, the element picked, a file action)
    // belongs to the new one.
    for (int panel = 0; panel < StatusBar1->panelCount(); ++panel) StatusBar1->setPanelText(panel, {});
    markSaved();
}

// ---- Open --------------------------------------------------------------------------------------

void TMainForm::SBopenFileClick() {
    if (!HouseFiles.Read) return;
    platform::FileDialogRequest request;
    request.title = "Open VORT House File";
    request.folder = q(programSubfolder("house").string());
    request.filter = kHouseFilter;
    request.defaultSuffix = "VOR";
    request.mustExist = true;
    const auto file = services_.files.openFile(request);
    if (!file) return;
    // The file is read once into a copy first: a file that cannot be read is reported before the
    // save prompt, so the house on the screen is never given up for it.
    {
        auto probe = std::make_unique<HouseModel>(model_);
        probe->HouseFileOpenName = file->toStdString();
        HouseFiles.Read(*probe);
    }
    if (!newHouse()) return;
    model_.HouseFileOpenName = file->toStdString();
    HouseFiles.Read(model_);
    // The reader stores plan positions at magnification 1.
    model_.Magnification = 1.0;
    workspace_.scale.SnapStep = 2;
    TopPanel->show();
    LevelsPanel->show();
    RefreshProjectLine();
    for (int z = 1; z <= model_.ZoneCount; ++z)
        for (int n = 0; n < model_.Zones(z).NodeCount; ++n) model_.ZoneNodes(z, n) = model_.Walls(z, n).Start;
    for (int level = 1; level <= model_.LevelCount; ++level)
        for (int n = 0; n < model_.Eaves(level).Count; ++n)
            model_.EavesNodes(level, n) = model_.Eaves(level).Points(n);
    // A plan picture that cannot be read is reported once the house is shown whole: the house is
    // already read, and stopping here would leave it at magnification 1 under the old level buttons.
    std::exception_ptr pictureFault;
    try {
        loadPictures(programSubfolder("plans"));
    } catch (const std::runtime_error&) {
        pictureFault = std::current_exception();
    }
    ShowLevelButtons();
    model_.CurrentLevel = 1;
    levelGroup_->setAllUp();
    SBLevel[1]->setDown(true);
    DeselectAll();
    drawCompass();
    ChangeBearings();
    ShowPic(1);
    ChangeMagnitude(1);
    markSaved();
    if (pictureFault) std::rethrow_exception(pictureFault);
}

void TMainForm::loadPictures(const std::filesystem::path&) {
    for (int level = 1; level <= kMaxLevels; ++level) model_.LevelPictures(level).Present = false;
    // Every level whose picture can be read gets it; the first that cannot is reported after.
    std::string unreadable;
    for (int level = 1; level <= model_.LevelCount; ++level) {
        const auto file = planPictureFile(level);
        if (!std::filesystem::exists(file)) continue;
        QImage picture;
        if (!picture.load(q(file.string()))) {
            if (unreadable.empty()) unreadable = file.string();
            continue;
        }
        model_.LevelPictures(level).Bitmap = picture;
        model_.LevelPictures(level).Present = true;
        BackgroundImage->show();
    }
    if (!unreadable.empty()) throw std::runtime_error("The plan picture " + unreadable + " cannot be read");
}

// ---- Save --------------------------------------------------------------------------------------

void TMainForm::savePictures(const std::filesystem::path&) {
    for (int level = 1; level <= kMaxLevels; ++level) {
        const auto file = planPictureFile(level);
        const TLevelPictureRec& picture = model_.LevelPictures(level);
        const QImage* image = std::any_cast<QImage>(&picture.Bitmap);
        if (picture.Present && image) {
            if (!image->save(q(file.string()), "BMP"))
                throw std::runtime_error("The plan picture " + file.string() + " cannot be written");
            continue;
        }
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
}

void TMainForm::SBsaveClick() {
    if (!HouseFiles.Write) return;
    savePictures(programSubfolder("plans"));
    model_.HouseFileSaveName = (programSubfolder("house") / houseFileName().toStdString()).string();
    ChangeScaleAndSave();
}

void TMainForm::SaveAsSBClick() {
    if (!HouseFiles.Write) return;
    platform::FileDialogRequest request;
    request.title = "Save VORT House File";
    request.folder = q(programSubfolder("house").string());
    request.fileName = houseFileName();
    request.filter = kHouseFilter;
    request.defaultSuffix = "VOR";
    // A new folder holds no such file yet: the dialog must accept a name that does not exist.
    request.confirmOverwrite = true;
    const auto file = services_.files.saveFile(request);
    if (!file) {
        SaveAnswer = 0;
        return;
    }
    const std::filesystem::path chosen = file->toStdString();
    if (q(chosen.filename().string()) != houseFileName()) {
        services_.messages.information("Only the directory can be changed. The file name must remain " +
                                       houseFileName());
        return;
    }
    savePictures(programSubfolder("plans"));
    model_.HouseFileSaveName = chosen.string();
    ChangeScaleAndSave();
}

void TMainForm::ChangeScaleAndSave() {
    // The file holds the plan at magnification 1.  A rescaled copy is written, so that the rounding
    // of the rescale never moves the plan on the screen.
    auto stored = std::make_unique<HouseModel>(model_);
    stored->Magnification = 1.0;
    ScalePlanCoordinates(*stored, 1.0 / model_.Magnification);
    HouseFiles.Write(*stored);
    StatusBar1->setPanelText(0, "Saved as " + q(model_.HouseFileSaveName));
    SaveAnswer = 1;
    markSaved();
}

} // namespace pelmora
