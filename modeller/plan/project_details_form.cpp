#include "modeller/plan/project_details_form.h"

#include "common/file_lookup.h"
#include "modeller/model/file_names.h"
#include "modeller/plan/contact_files.h"
#include "modeller/plan/main_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/file_dialogs.h"
#include "modeller/platform/message_service.h"

#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace pelmora {

namespace {

constexpr const char* kCaption = "Project Details";
constexpr const char* kStates[] = {"QLD", "NSW", "ACT", "Vic", "Tas", "SA", "WA", "NT"};
constexpr int kClientFirst = 1, kAssessorFirst = 7, kDwellingFirst = 14, kSoftwareFirst = 22;

using Field = std::string HouseModel::*;
// The variable behind each box E1..E24.
constexpr std::array<Field, 25> kBoxFields = {
    nullptr,
    &HouseModel::ClientName,
    &HouseModel::ClientPhone,
    &HouseModel::ClientFax,
    &HouseModel::ClientEmail,
    &HouseModel::ClientPostalAddress,
    &HouseModel::ClientStreetAddress,
    &HouseModel::AssessorName,
    &HouseModel::AssessorPhone,
    &HouseModel::AssessorFax,
    &HouseModel::AssessorEmail,
    &HouseModel::AssessorPostalAddress,
    &HouseModel::AssessorStreetAddress,
    &HouseModel::AssessorNumber,
    &HouseModel::DwellingDPNumber,
    &HouseModel::DwellingUnit,
    &HouseModel::DwellingLotNumber,
    &HouseModel::DwellingHouseNumber,
    &HouseModel::DwellingStreetName,
    &HouseModel::DwellingDevelopmentName,
    &HouseModel::DwellingSuburb,
    &HouseModel::DwellingPostCode,
    &HouseModel::SoftwareName,
    &HouseModel::SoftwareVersion,
    &HouseModel::AssessmentDate,
};

constexpr const char* kBoxLabels[25] = {
    nullptr,          "Name",
    "Phone",          "Fax",
    "Email",          "Postal Address",
    "Street Address", "Name",
    "Phone",          "Fax",
    "Email",          "Postal Address",
    "Street Address", "Assessor Number",
    "D P Number",     "Unit Number or Name",
    "Lot Number",     "House Number",
    "Street Name",    "Development Name",
    "Suburb or Town", "Post Code",
    "Software",       "Version",
    "Date",
};

const char* const kClientFilter = "Client  *.CLI|*.CLI";
const char* const kClientOpenFilter = "Client   *.CLI|*.CLI";
const char* const kAssessorFilter = "Assessor  *.ASS|*.ASS";

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QString todayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

TProjectDetailsForm::TProjectDetailsForm(HouseModel& model, platform::Services& services, TMainForm& mainForm,
                                         QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), services_(services), mainForm_(mainForm) {
    setObjectName("ProjectDetailsForm");
    setWindowTitle(kCaption);
    setModal(true);
    build();
}

void TProjectDetailsForm::build() {
    for (int i = 1; i <= 24; ++i) E[i] = new platform::EditBox(this);
    ProjectN = new platform::EditBox(this);
    RunN = new platform::EditBox(this);
    UpDown1 = new platform::UpDown(0, 99, this);
    StateCB = new QComboBox(this);
    for (const char* s : kStates) StateCB->addItem(s);
    CommentBox = new QPlainTextEdit(this);
    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", this);
    ClientNewSB = new platform::SpeedButton("New", "New File", this);
    SBopen = new platform::SpeedButton("Open", "Open File", this);
    SBsave = new platform::SpeedButton("Save", "Save File", this);
    AssessorNewSB = new platform::SpeedButton("New", "New File", this);
    AssessOpenSB = new platform::SpeedButton("Open", "Open File", this);
    AssessSaveSB = new platform::SpeedButton("Save", "Save File", this);
    TodayButton = new platform::SpeedButton("Today", "", this);
    HelpButton = new platform::SpeedButton("Help", "Help", this);

    auto* project = new QHBoxLayout;
    project->addWidget(new QLabel("Project Name", this));
    project->addWidget(ProjectN, 1);
    project->addWidget(new QLabel("Run Number", this));
    project->addWidget(RunN);
    project->addWidget(UpDown1);
    RunN->setFixedWidth(40);

    const auto group = [this](const char* title, int first, int last,
                              std::initializer_list<QWidget*> buttons) {
        auto* box = new QGroupBox(title, this);
        auto* form = new QFormLayout(box);
        for (int i = first; i <= last; ++i) form->addRow(kBoxLabels[i], E[i]);
        if (buttons.size() > 0) {
            auto* row = new QHBoxLayout;
            for (QWidget* b : buttons) row->addWidget(b);
            row->addStretch();
            form->addRow(row);
        }
        return box;
    };
    auto* client = group("Client", kClientFirst, kAssessorFirst - 1, {ClientNewSB, SBopen, SBsave});
    auto* assessor =
        group("Assessor", kAssessorFirst, kDwellingFirst - 1, {AssessorNewSB, AssessOpenSB, AssessSaveSB});
    auto* dwelling = group("Dwelling", kDwellingFirst, kSoftwareFirst - 1, {});
    static_cast<QFormLayout*>(dwelling->layout())->addRow("State", StateCB);
    auto* software = group("Assessment", kSoftwareFirst, 24, {TodayButton});
    auto* comments = new QGroupBox("Comments", this);
    (new QVBoxLayout(comments))->addWidget(CommentBox);

    auto* grid = new QGridLayout;
    grid->addWidget(client, 0, 0);
    grid->addWidget(assessor, 0, 1);
    grid->addWidget(dwelling, 1, 0);
    grid->addWidget(software, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(HelpButton);
    buttons->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(project);
    layout->addLayout(grid);
    layout->addWidget(comments, 1);
    layout->addLayout(buttons);

    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int) { UpDown1Click(); });
    connect(RunN, &platform::EditBox::changed, this, [this] { RunNChange(); });
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
    connect(ClientNewSB, &QToolButton::clicked, this, [this] { ClientNewSBClick(); });
    connect(AssessorNewSB, &QToolButton::clicked, this, [this] { AssessorNewSBClick(); });
    connect(TodayButton, &QToolButton::clicked, this, [this] { TodayButtonClick(); });
    connect(SBsave, &QToolButton::clicked, this,
            platform::guarded(services_.messages, [this] { SBsaveClick(); }));
    connect(SBopen, &QToolButton::clicked, this,
            platform::guarded(services_.messages, [this] { SBopenClick(); }));
    connect(AssessSaveSB, &QToolButton::clicked, this,
            platform::guarded(services_.messages, [this] { AssessSaveSBClick(); }));
    connect(AssessOpenSB, &QToolButton::clicked, this,
            platform::guarded(services_.messages, [this] { AssessOpenSBClick(); }));
    connect(HelpButton, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
}

void TProjectDetailsForm::showEvent(QShowEvent* event) {
    FormShow();
    platform::Dialog::showEvent(event);
}

void TProjectDetailsForm::FormShow() {
    ProjectN->setText(q(model_.ProjectName));
    for (int i = 1; i <= 24; ++i) E[i]->setText(q(model_.*kBoxFields[static_cast<std::size_t>(i)]));
    RunN->setText(QString::number(model_.RunNumber));
    UpDown1->setValue(model_.RunNumber);
    StateCB->setCurrentIndex(model_.StateIndex);
    QStringList lines;
    for (const auto& line : model_.CommentLines) lines << q(line);
    CommentBox->setPlainText(lines.join('\n'));
}

void TProjectDetailsForm::UpDown1Click() {
    model_.RunNumber = UpDown1->value();
    RunN->setText(QString::number(model_.RunNumber));
}

void TProjectDetailsForm::RunNChange() {
    bool ok = false;
    const int value = RunN->text().trimmed().toInt(&ok);
    if (!ok) {
        // The conversion error of the run number box; the run number keeps its value.
        services_.messages.error("'" + RunN->text() + "' is not a valid integer value");
        return;
    }
    model_.RunNumber = value;
    UpDown1->setValue(value);
}

void TProjectDetailsForm::storeClient() {
    for (int i = kClientFirst; i < kAssessorFirst; ++i)
        model_.*kBoxFields[static_cast<std::size_t>(i)] = E[i]->text().toStdString();
}

void TProjectDetailsForm::storeAssessor() {
    for (int i = kAssessorFirst; i < kDwellingFirst; ++i)
        model_.*kBoxFields[static_cast<std::size_t>(i)] = E[i]->text().toStdString();
}

void TProjectDetailsForm::showClient() {
    for (int i = kClientFirst; i < kAssessorFirst; ++i)
        E[i]->setText(q(model_.*kBoxFields[static_cast<std::size_t>(i)]));
}

void TProjectDetailsForm::showAssessor() {
    for (int i = kAssessorFirst; i < kDwellingFirst; ++i)
        E[i]->setText(q(model_.*kBoxFields[static_cast<std::size_t>(i)]));
}

void TProjectDetailsForm::OKSBClick() {
    // The project name names the house file and the engine's hourly temperature file: one that would
    // leave their folders is refused, and the dialog stays open with nothing stored.
    const std::string fault = FileNameFault(ProjectN->text().toStdString());
    if (!fault.empty()) {
        services_.messages.beep();
        services_.messages.information("The project name \"" + ProjectN->text() +
                                       "\" cannot name the house file: " + q(fault) + ".");
        return;
    }
    for (int i = 1; i <= 24; ++i)
        model_.*kBoxFields[static_cast<std::size_t>(i)] = E[i]->text().toStdString();
    model_.ProjectName = ProjectN->text().toStdString();
    model_.RunNumber = UpDown1->value();
    model_.StateIndex = StateCB->currentIndex();
    model_.CommentLines.clear();
    for (const QString& line : CommentBox->toPlainText().split('\n'))
        model_.CommentLines.push_back(line.toStdString());
    if (CommentBox->toPlainText().isEmpty()) model_.CommentLines.clear();
    model_.CommentLineCount = static_cast<std::int32_t>(model_.CommentLines.size());
    mainForm_.ProjectLabel->setText(q(model_.ProjectName));
    mainForm_.RunLabel->setText(QString::number(model_.RunNumber));
    accept();
}

void TProjectDetailsForm::ClientNewSBClick() {
    for (int i = kClientFirst; i < kAssessorFirst; ++i) model_.*kBoxFields[static_cast<std::size_t>(i)] = {};
    showClient();
}

void TProjectDetailsForm::AssessorNewSBClick() {
    // The assessor's name stays; the other six details are emptied.
    for (int i = kAssessorFirst + 1; i < kDwellingFirst; ++i)
        model_.*kBoxFields[static_cast<std::size_t>(i)] = {};
    showAssessor();
}

void TProjectDetailsForm::TodayButtonClick() {
    model_.AssessmentDate = todayShortDate().toStdString();
    E[24]->setText(q(model_.AssessmentDate));
}

QString TProjectDetailsForm::scheduleFolder() const {
    const auto folder = common::findCaseInsensitive(model_.RootDir, "schedule");
    return QString::fromStdString(
        (folder ? *folder : std::filesystem::path(model_.RootDir) / "schedule").string());
}

void TProjectDetailsForm::SBsaveClick() {
    platform::FileDialogRequest request;
    request.title = "Save Client Details";
    request.folder = scheduleFolder();
    request.fileName = "Client1.CLI";
    request.defaultSuffix = "CLI";
    request.filter = kClientFilter;
    request.confirmOverwrite = true;
    const auto file = services_.files.saveFile(request);
    if (!file) return;
    storeClient();
    WriteClientFile(file->toStdString(), model_);
    mainForm_.StatusBar1->setPanelText(0, "Saved as " + *file);
}

void TProjectDetailsForm::SBopenClick() {
    platform::FileDialogRequest request;
    request.title = "Open Client Details";
    request.folder = scheduleFolder();
    request.filter = kClientOpenFilter;
    request.mustExist = true;
    const auto file = services_.files.openFile(request);
    if (!file) return;
    ReadClientFile(file->toStdString(), model_);
    mainForm_.StatusBar1->setPanelText(0, "Opened Client " + *file);
    showClient();
}

void TProjectDetailsForm::AssessSaveSBClick() {
    platform::FileDialogRequest request;
    request.title = "Save Assessor Details";
    request.folder = scheduleFolder();
    request.fileName = "Assessor1.ASS";
    request.defaultSuffix = "ASS";
    request.filter = kAssessorFilter;
    request.confirmOverwrite = true;
    const auto file = services_.files.saveFile(request);
    if (!file) return;
    storeAssessor();
    WriteAssessorFile(file->toStdString(), model_);
    mainForm_.StatusBar1->setPanelText(0, "Saved as " + *file);
}

void TProjectDetailsForm::AssessOpenSBClick() {
    platform::FileDialogRequest request;
    request.title = "Open Assessor Details";
    request.folder = scheduleFolder();
    request.filter = kAssessorFilter;
    request.mustExist = true;
    const auto file = services_.files.openFile(request);
    if (!file) return;
    ReadAssessorFile(file->toStdString(), model_);
    mainForm_.StatusBar1->setPanelText(0, "Opened Assessor " + *file);
    showAssessor();
}

void TProjectDetailsForm::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape close the dialog without storing anything.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        reject();
        return;
    default:
        platform::Dialog::keyPressEvent(event);
    }
}

} // namespace pelmora
