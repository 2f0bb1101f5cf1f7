#include "modeller/model/forms/location_form.h"

#include "common/file_lookup.h"
#include "modeller/model/forms/climate_details_form.h"
#include "modeller/model/forms/location_search_forms.h"
#include "modeller/model/model_error.h"
#include "modeller/platform/application.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <exception>

namespace pelmora {

namespace {

constexpr const char* kCaption = "Location";
constexpr const char* kCityFont = "Arial";
constexpr int kLegendFontSize = 8;
constexpr QSize kLegendSize{250, 490};
constexpr QSize kSingleLegendSize{250, 28};
constexpr int kGridRight = 629, kGridBottom = 525; // px, the ends of the grid lines

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QColor colourOf(MapColour c) {
    return QColor(c.red, c.green, c.blue);
}

// Map drawing is exact: no antialiasing of shapes or text, so every pixel has its drawn colour.
void exactPainting(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

QFont boldFont(int pointSize) {
    QFont font(kCityFont, pointSize, QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void fillCircle(QPainter& painter, MapPixel at, int radius, const QColor& fill, const QColor& outline) {
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawEllipse(QPoint(at.x, at.y), radius, radius);
}

// Text with its top left corner at `at`.
void textAt(QPainter& painter, MapPixel at, const QString& text) {
    painter.drawText(QPoint(at.x, at.y + painter.fontMetrics().ascent()), text);
}

} // namespace

bool IsEnterOrEscape(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

// ---- The map -------------------------------------------------------------------------------------

LocationMapBox::LocationMapBox(QWidget* parent)
    : QWidget(parent), drawing_(kMapWidth, kMapHeight, QImage::Format_ARGB32) {
    drawing_.fill(Qt::transparent);
    setFixedSize(kMapWidth, kMapHeight);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void LocationMapBox::setPicture(const QImage& picture) {
    picture_ = picture.convertToFormat(QImage::Format_RGB32);
    update();
}

MapColour LocationMapBox::pixelColour(int x, int y) const {
    QRgb rgb = qRgb(255, 255, 255);
    if (drawing_.valid(x, y) && qAlpha(drawing_.pixel(x, y)) == 255)
        rgb = drawing_.pixel(x, y);
    else if (picture_.valid(x, y))
        rgb = picture_.pixel(x, y);
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

QImage LocationMapBox::shown() const {
    QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
    painter.drawImage(0, 0, drawing_);
    return image;
}

void LocationMapBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
    painter.drawImage(0, 0, drawing_);
}

void LocationMapBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

ClimateLegendBox::ClimateLegendBox(QSize size, QWidget* parent) : QWidget(parent) {
    setFixedSize(size);
}

void ClimateLegendBox::setEntries(std::vector<Entry> entries, const TClimateZoneNames& names) {
    entries_ = std::move(entries);
    names_ = names;
    update();
}

void ClimateLegendBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    exactPainting(painter);
    painter.setFont(boldFont(kLegendFontSize));
    for (const Entry& e : entries_) {
        const QColor colour = colourOf(ClimateZoneColours[static_cast<std::size_t>(e.zone)]);
        fillCircle(painter, e.at, kLegendMarkRadius, colour, colour);
        painter.setPen(Qt::black);
        textAt(painter, {e.at.x + 10, e.at.y - 6}, QString::number(e.zone) + " " + q(names_(e.zone)));
    }
}

// ---- The dialog ----------------------------------------------------------------------------------

TLocationForm::TLocationForm(HouseModel& model, platform::Services& services, MainSiteLabels mainLabels,
                             QWidget* parent)
    : platform::Dialog(services.help, parent), model_(model), services_(services), main_(mainLabels) {
    setObjectName("LocationForm");
    setWindowTitle(kCaption);
    setModal(false);
    build();
}

void TLocationForm::build() {
    PaintBox1 = new LocationMapBox(this);
    PaintBox1->setObjectName("PaintBox1");
    LegendPanel = new ClimateLegendBox(kLegendSize, this);
    LegendPanel->setObjectName("LegendPanel");
    LegendPanel->hide();
    SingleLegendPanel = new ClimateLegendBox(kSingleLegendSize, this);
    SingleLegendPanel->setObjectName("SingleLegendPanel");
    SingleLegendPanel->hide();
    // The legends keep their room while hidden, so the dialog keeps its size beside the desktop's edge.
    for (QWidget* legend : {static_cast<QWidget*>(LegendPanel), static_cast<QWidget*>(SingleLegendPanel)}) {
        QSizePolicy policy = legend->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        legend->setSizePolicy(policy);
    }

    const auto siteLabel = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumWidth(150);
        return l;
    };
    LocationLabel = siteLabel("LocationLabel");
    PCLabel = siteLabel("PCLabel");
    LatLabel = siteLabel("LatLabel");
    LongLabel = siteLabel("LongLabel");
    ClimateFileLabel = siteLabel("ClimateFileLabel");

    const auto button = [this](const char* name, const QString& caption, const QString& hint) {
        auto* b = new platform::SpeedButton(caption, hint, this);
        b->setObjectName(name);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return b;
    };
    SearchPostCodeSB =
        button("SearchPostCodeSB", "Find location from Post Code", "Find location from Post Code");
    SearchNameSB = button("SearchNameSB", "Select Location by Name", "Select Location by Name");
    DisplayClimateSB = button("DisplayClimateSB", "Show climate details", "Show climate details");
    AllClimates = button("AllClimates", "", "Show the climate zones of every postcode");
    CurrentClimate = button("CurrentClimate", "", "Show the postcodes of the current climate");
    ShowCities = button("ShowCities", "", "Show the cities");
    OKSB = button("OKSB", "  OK", "Close");
    HelpButton = button("HelpButton", "Help", "Help");
    ShieldingCB = new QComboBox(this);
    ShieldingCB->setObjectName("ShieldingCB");
    for (const ShieldingItem& item : kShieldingItems)
        ShieldingCB->addItem(QString::fromUtf8(item.name.data(), static_cast<int>(item.name.size())));
    StatusBar1 = new platform::PanelStatusBar({300, 300}, this);
    showButtons();

    auto* site = new QGroupBox("Site", this);
    auto* grid = new QGridLayout(site);
    int row = 0;
    for (auto [caption, label] : {std::pair{"Location", LocationLabel},
                                  {"Post Code", PCLabel},
                                  {"Latitude", LatLabel},
                                  {"Longitude", LongLabel},
                                  {"Climate File", ClimateFileLabel}}) {
        grid->addWidget(new QLabel(caption, site), row, 0);
        grid->addWidget(label, row++, 1);
    }
    auto* side = new QVBoxLayout;
    side->addWidget(site);
    for (QWidget* w : std::initializer_list<QWidget*>{SearchPostCodeSB, SearchNameSB, DisplayClimateSB,
                                                      AllClimates, CurrentClimate, ShowCities}) {
        w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        side->addWidget(w);
    }
    side->addWidget(new QLabel("Shielding", this));
    side->addWidget(ShieldingCB);
    side->addWidget(SingleLegendPanel);
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(HelpButton);
    buttons->addStretch();
    buttons->addWidget(OKSB);
    side->addLayout(buttons);

    auto* top = new QHBoxLayout;
    top->addWidget(PaintBox1, 0, Qt::AlignTop);
    top->addWidget(LegendPanel, 0, Qt::AlignTop);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(StatusBar1);

    const auto on = [this](QAbstractButton* b, auto handler) {
        connect(b, &QAbstractButton::clicked, this, platform::guarded(services_.messages, handler));
    };
    on(SearchPostCodeSB, [this] { SearchPostCodeSBClick(); });
    on(SearchNameSB, [this] { SearchNameSBClick(); });
    on(DisplayClimateSB, [this] { DisplayClimateSBClick(); });
    on(AllClimates, [this] { AllClimatesClick(); });
    on(CurrentClimate, [this] { CurrentClimateClick(); });
    on(ShowCities, [this] { ShowCitiesClick(); });
    on(OKSB, [this] { OKSBClick(); });
    // Every choice goes into the site at once, the shielding as well.
    connect(ShieldingCB, &QComboBox::activated, this, [this] { ShieldingCBChange(); });
    on(HelpButton, [this] { HelpButtonClick(); });
    connect(PaintBox1, &LocationMapBox::mouseMoved, this, [this](QPoint p) { PaintBox1MouseMove(p); });
}

template <class Step> void TLocationForm::reported(Step step) {
    try {
        step();
    } catch (...) {
        platform::showEscapedError(&services_.messages, std::current_exception());
    }
}

void TLocationForm::showButtons() {
    const auto caption = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    };
    AllClimates->setText(caption(Views.allClimatesCaption()));
    CurrentClimate->setText(caption(Views.currentClimateCaption()));
    ShowCities->setText(caption(Views.citiesCaption()));
}

void TLocationForm::showEvent(QShowEvent* event) {
    platform::Dialog::showEvent(event);
    FormShow();
}

void TLocationForm::FormShow() {
    ShowSite(true);
    ShieldingCB->setCurrentIndex(ShieldingItemFor(model_.ShieldingFactor));
    reported([this] { ClimateZoneNames = ReadClimateZoneNames(model_.RootDir); });
    reported([this] { loadPicture(); });
    reported([this] { RedrawMap(); });
}

void TLocationForm::loadPicture() {
    if (PaintBox1->hasPicture()) return;
    const auto file = common::findCaseInsensitive(model_.RootDir, kLocationMapPicture);
    const std::string name =
        (std::filesystem::path(model_.RootDir) / std::string(kLocationMapPicture)).string();
    if (!file) throw ModelError("The location map " + name + " does not exist");
    const QImage picture(QString::fromStdString(file->string()));
    if (picture.isNull()) throw ModelError("The location map " + file->string() + " cannot be read");
    PaintBox1->setPicture(picture);
}

void TLocationForm::ShowSite(bool shown) {
    const QString location = shown ? q(model_.LocationName) : QString();
    const QString postcode = shown ? q(PostcodeText(model_.Postcode)) : QString();
    const QString climate = shown ? q(model_.ClimateFileName) : QString();
    LocationLabel->setText(location);
    PCLabel->setText(postcode);
    LatLabel->setText(shown ? q(SiteDegrees(model_.Latitude, true)) : QString());
    LongLabel->setText(shown ? q(SiteDegrees(model_.Longitude, true)) : QString());
    ClimateFileLabel->setText(climate);
    if (main_.LocationLabel) main_.LocationLabel->setText(location);
    if (main_.PCLabel) main_.PCLabel->setText(postcode);
    if (main_.ClimateLabel) main_.ClimateLabel->setText(climate);
    if (isVisible()) reported([this] { RedrawMap(); });
}

void TLocationForm::RedrawMap() {
    QImage& drawing = PaintBox1->drawing();
    drawing.fill(Qt::transparent);
    {
        QPainter painter(&drawing);
        exactPainting(painter);
        // Whatever cannot be drawn (a table that cannot be read) leaves the site's dot on the map.
        try {
            if (Views.CurrentClimate) ShowCurrentClimate(painter);
            if (Views.AllClimates) ShowAllClimates(painter);
            if (Views.Cities) ShowCities1(painter);
        } catch (...) {
            DisplayLocationDot(painter, model_.Latitude, model_.Longitude);
            PaintBox1->update();
            throw;
        }
        DisplayLocationDot(painter, model_.Latitude, model_.Longitude);
    }
    LegendPanel->setVisible(Views.AllClimates);
    if (!Views.CurrentClimate) SingleLegendPanel->hide();
    PaintBox1->update();
}

void TLocationForm::DisplayLocationDot(QPainter& painter, double latitude, double longitude) {
    if (latitude == 0.0 || longitude == 0.0) return;
    fillCircle(painter, MapPosition(longitude, latitude), kLocationDotRadius, colourOf(kLocationDotColour),
               Qt::black);
}

void TLocationForm::ShowCities1(QPainter& painter) {
    const std::vector<TCity> cities = LoadCities1(model_.RootDir);
    const QColor grid = colourOf(kGridColour);
    const int tropic = MapPosition(kMapWestLongitude, kTropicLatitude).y;
    painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
    painter.drawLine(0, tropic, kGridRight, tropic);
    painter.setPen(QPen(grid, 0, Qt::SolidLine));
    for (int longitude = 115; longitude <= 155; longitude += 5) {
        const int x = MapPosition(longitude, -kMapNorthLatitude).x;
        painter.drawLine(x, 0, x, kGridBottom);
    }
    for (int latitude = -10; latitude >= -40; latitude -= 5) {
        const int y = MapPosition(kMapWestLongitude, latitude).y;
        painter.drawLine(0, y, kGridRight, y);
    }
    for (const TCity& city : cities) {
        const MapPixel at = MapPosition(city.Longitude, city.Latitude);
        fillCircle(painter, at, CityDotRadius(city.SizeClass), Qt::black, Qt::black);
        painter.setFont(boldFont(CityLabelSize(city.SizeClass)));
        painter.setPen(Qt::black);
        const QString name = q(city.Name);
        textAt(painter,
               CityLabelPosition(city.PositionCode, at, painter.fontMetrics().horizontalAdvance(name)), name);
    }
}

void TLocationForm::ShowAllClimates(QPainter& painter) {
    for (const MapMark& mark : AllClimateMarks(ReadClimatePostcodes(model_.RootDir))) {
        const QColor colour = colourOf(ClimateZoneColours[static_cast<std::size_t>(mark.zone)]);
        fillCircle(painter, mark.at, kClimateMarkRadius, colour, colour);
    }
    std::vector<ClimateLegendBox::Entry> entries;
    for (int zone = 1; zone <= kClimateZoneCount; ++zone) entries.push_back({zone, LegendPosition(zone)});
    LegendPanel->setEntries(std::move(entries), ClimateZoneNames);
}

void TLocationForm::ShowCurrentClimate(QPainter& painter) {
    int zone = 0;
    for (const MapMark& mark :
         CurrentClimateMarks(ReadClimatePostcodes(model_.RootDir), model_.ClimateFileName)) {
        const QColor colour = colourOf(ClimateZoneColours[static_cast<std::size_t>(mark.zone)]);
        fillCircle(painter, mark.at, kClimateMarkRadius, colour, colour);
        zone = mark.zone;
    }
    ShowSingleLegend(zone);
}

void TLocationForm::ShowSingleLegend(int zone) {
    SingleLegendPanel->setVisible(zone != 0);
    if (zone == 0) return;
    SingleLegendPanel->setEntries({{zone, {kLegendMarkRadius + 2, kSingleLegendSize.height() / 2}}},
                                  ClimateZoneNames);
}

void TLocationForm::AllClimatesClick() {
    Views.toggleAllClimates();
    showButtons();
    RedrawMap();
}

void TLocationForm::CurrentClimateClick() {
    Views.toggleCurrentClimate();
    showButtons();
    RedrawMap();
}

void TLocationForm::ShowCitiesClick() {
    Views.toggleCities();
    showButtons();
    RedrawMap();
}

void TLocationForm::PaintBox1MouseMove(QPoint position) {
    StatusBar1->setPanelText(0, q(MapPositionReadout(position.x(), position.y())));
    const int zone = ClimateZoneOfColour(PaintBox1->pixelColour(position.x(), position.y()));
    StatusBar1->setPanelText(1, zone == 0 ? QString() : q(ClimateZoneReadout(zone, ClimateZoneNames)));
}

void TLocationForm::SearchPostCodeSBClick() {
    if (NameLocationForm) NameLocationForm->close();
    if (!PCLocationForm) return;
    PCLocationForm->show();
    PCLocationForm->raise();
    PCLocationForm->activateWindow();
}

void TLocationForm::SearchNameSBClick() {
    if (PCLocationForm) PCLocationForm->close();
    if (!NameLocationForm) return;
    NameLocationForm->show();
    NameLocationForm->raise();
    NameLocationForm->activateWindow();
}

void TLocationForm::DisplayClimateSBClick() {
    if (!ClimateDetailsForm) return;
    ClimateDetailsForm->setWindowTitle(q(model_.ClimateFileName));
    if (!model_.ClimateFileName.empty()) ClimateDetailsForm->exec();
}

void TLocationForm::ShieldingCBChange() {
    const int item = ShieldingCB->currentIndex();
    if (item < 0) return; // with no item selected the factor stays
    const double factor = kShieldingItems[static_cast<std::size_t>(item)].factor;
    if (factor == model_.ShieldingFactor) return;
    model_.ShieldingFactor = factor;
    model_.ResultsCurrent = false;
}

void TLocationForm::OKSBClick() {
    ShieldingCBChange();
    close();
}

void TLocationForm::FormClose() {
    CloseSiteDialogs();
}

void TLocationForm::CloseSiteDialogs(const QWidget* keep) {
    for (QWidget* dialog :
         std::initializer_list<QWidget*>{NameLocationForm, PCLocationForm, ClimateDetailsForm})
        if (dialog && dialog != keep) dialog->close();
}

void TLocationForm::hideEvent(QHideEvent* event) {
    FormClose();
    platform::Dialog::hideEvent(event);
}

void TLocationForm::keyPressEvent(QKeyEvent* event) {
    if (!IsEnterOrEscape(event)) return platform::Dialog::keyPressEvent(event);
    OKSBClick();
}

} // namespace pelmora
