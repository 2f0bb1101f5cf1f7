#include "modeller/model/forms/location_search_forms.h"

#include "modeller/model/forms/climate_details_form.h"
#include "modeller/model/forms/location_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <exception>
#include <tuple>

namespace pelmora {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* valueLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setMinimumWidth(110);
    return l;
}

} // namespace

// ---- Shared --------------------------------------------------------------------------------------

TSiteSearchForm::TSiteSearchForm(SiteSearch& search, TLocationForm& location, QWidget* parent)
    : platform::Dialog(location.services().help, parent), search_(search), location_(location) {
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    LatLabel = valueLabel(this, "LatLabel");
    LongLabel = valueLabel(this, "LongLabel");
    Clim1Label = valueLabel(this, "Clim1Label");
    Clim2Label = valueLabel(this, "Clim2Label");
    Clim3Label = valueLabel(this, "Clim3Label");
    ClimNameLabel = valueLabel(this, "ClimNameLabel");
    ClFileRG = new platform::RadioGroup("", {"", "", ""}, this);
    ClFileRG->setObjectName("ClFileRG");
    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", this);
    OKSB->setObjectName("OKSB");
    CancelSB = new platform::SpeedButton("Cancel", "Close without changes", this);
    CancelSB->setObjectName("CancelSB");
    HelpButton = new platform::SpeedButton("Help", "Help", this);
    HelpButton->setObjectName("HelpButton");
    setModal(false);
}

void TSiteSearchForm::build(QBoxLayout* entry, QWidget* extra) {
    auto* values = new QGridLayout;
    int row = 0;
    values->addWidget(new QLabel("Latitude", this), row, 0);
    values->addWidget(LatLabel, row++, 1);
    values->addWidget(new QLabel("Longitude", this), row, 0);
    values->addWidget(LongLabel, row++, 1);
    if (extra) {
        values->addWidget(new QLabel("Post Code", this), row, 0);
        values->addWidget(extra, row++, 1);
    }
    auto* zones = new QHBoxLayout;
    auto* files = new QVBoxLayout;
    files->addWidget(new QLabel("Climate files", this));
    for (QLabel* l : climLabels()) files->addWidget(l);
    zones->addLayout(files);
    zones->addWidget(ClFileRG);
    values->addLayout(zones, row++, 0, 1, 2);
    values->addWidget(new QLabel("Climate", this), row, 0);
    values->addWidget(ClimNameLabel, row++, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(ListBox1, 1);
    body->addLayout(values);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpButton);
    buttons->addStretch();
    buttons->addWidget(OKSB);
    buttons->addWidget(CancelSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!showing_ && row >= 0) reported([this, row] { ListBox1Click(row); });
    });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { OKSBClick(); });
    connect(ClFileRG, &platform::RadioGroup::clicked, this, [this](int item) {
        if (!showing_) reported([this, item] { ClFileRGClick(item); });
    });
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
    connect(HelpButton, &QAbstractButton::clicked, this, [this] { HelpButtonClick(); });
}

template <class Handler> void TSiteSearchForm::reported(Handler handler) {
    HouseModel& model = location_.model();
    const auto site = [&model] {
        return std::tuple(model.LocationName, model.Postcode, model.Longitude, model.Latitude,
                          model.ClimateZone, model.ClimateFileName);
    };
    const auto before = site();
    try {
        handler();
    } catch (...) {
        platform::showEscapedError(&location_.services().messages, std::current_exception());
    }
    // A site changed leaves the results behind.
    if (site() != before) model.ResultsCurrent = false;
    showStep();
}

void TSiteSearchForm::showStep() {
    const SiteSearchDisplay& d = search_.display();
    showing_ = true;
    ListBox1->clear();
    for (const std::string& item : d.ListBox1) ListBox1->addItem(q(item));
    ListBox1->setCurrentRow(d.ListIndex);
    LatLabel->setText(q(d.LatLabel));
    LongLabel->setText(q(d.LongLabel));
    const auto labels = climLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setText(q(d.ClimLabels[i]));
    ClimNameLabel->setText(q(d.ClimNameLabel));
    ClFileRG->setItemIndex(d.ClFileRG);
    showOwn(d);
    showing_ = false;
}

void TSiteSearchForm::ListBox1Click(int index) {
    listClicked(index);
}

void TSiteSearchForm::ClFileRGClick(int item) {
    search_.ClFileRGClick(item);
}

void TSiteSearchForm::OKSBClick() {
    bool taken = false;
    reported([this, &taken] { taken = search_.OKSBClick(); });
    if (!taken) {
        // A choice that found no place is never taken: the dialog stays open to type another.
        location_.services().messages.warn(q(search_.NotFoundText()));
        return;
    }
    location_.ShowSite(true);
    close();
}

void TSiteSearchForm::CancelSBClick() {
    close();
}

void TSiteSearchForm::hideEvent(QHideEvent* event) {
    // Whatever closed the dialog, the project line shows the site the house keeps.
    location_.ShowSite(true);
    platform::Dialog::hideEvent(event);
}

void TSiteSearchForm::keyPressEvent(QKeyEvent* event) {
    if (!IsEnterOrEscape(event)) return platform::Dialog::keyPressEvent(event);
    if (event->key() == Qt::Key_Escape)
        CancelSBClick();
    else
        OKSBClick();
}

// ---- By postcode ---------------------------------------------------------------------------------

TPCLocationForm::TPCLocationForm(HouseModel& model, TLocationForm& location, QWidget* parent)
    : TSiteSearchForm(logic_, location, parent), logic_(model) {
    setObjectName("PCLocationForm");
    setWindowTitle("Location from Post Code");
    PCEdit = new platform::EditBox(this);
    PCEdit->setObjectName("PCEdit");
    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel("Post Code", this));
    entry->addWidget(PCEdit);
    entry->addStretch();
    build(entry, nullptr);
    connect(PCEdit, &platform::EditBox::changed, this, [this] { PCEditChange(); });
    location.PCLocationForm = this;
}

TPCLocationForm::~TPCLocationForm() {
    location_.PCLocationForm = nullptr;
}

void TPCLocationForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    FormShow();
}

void TPCLocationForm::FormShow() {
    location_.CloseSiteDialogs(this);
    reported([this] {
        const std::string text = logic_.FormShow();
        const QSignalBlocker quiet(PCEdit);
        PCEdit->setText(q(text));
    });
}

void TPCLocationForm::PCEditChange() {
    reported([this] { logic_.PCEditChange(PCEdit->text().toStdString()); });
}

void TPCLocationForm::listClicked(int index) {
    logic_.ListBox1Click(index);
}

// ---- By name -------------------------------------------------------------------------------------

TNameLocationForm::TNameLocationForm(HouseModel& model, TLocationForm& location, QWidget* parent)
    : TSiteSearchForm(logic_, location, parent), logic_(model) {
    setObjectName("NameLocationForm");
    setWindowTitle("Location from Name");
    LocationEdit = new platform::EditBox(this);
    LocationEdit->setObjectName("LocationEdit");
    LocationEdit->setMinimumWidth(220);
    PCLabel = valueLabel(this, "PCLabel");
    auto* entry = new QHBoxLayout;
    entry->addWidget(new QLabel("Location", this));
    entry->addWidget(LocationEdit, 1);
    build(entry, PCLabel);
    connect(LocationEdit, &platform::EditBox::changed, this, [this] { LocationEditChange(); });
    location.NameLocationForm = this;
}

TNameLocationForm::~TNameLocationForm() {
    location_.NameLocationForm = nullptr;
}

void TNameLocationForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    FormShow();
}

void TNameLocationForm::FormShow() {
    location_.CloseSiteDialogs(this);
    reported([this] {
        const std::string text = logic_.FormShow();
        const QSignalBlocker quiet(LocationEdit);
        LocationEdit->setText(q(text));
    });
}

void TNameLocationForm::LocationEditChange() {
    reported([this] { logic_.LocationEditChange(LocationEdit->text().toStdString()); });
}

void TNameLocationForm::listClicked(int index) {
    logic_.ListBox1Click(index);
}

void TNameLocationForm::showOwn(const SiteSearchDisplay& display) {
    PCLabel->setText(q(display.PCLabel));
}

} // namespace pelmora
