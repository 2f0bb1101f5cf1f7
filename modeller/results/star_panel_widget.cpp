#include "modeller/results/star_panel_widget.h"

#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

namespace pelmora {

namespace {

constexpr int kImageSize = 18; // px, one star
constexpr int kStarsPerRow = 5;
const QColor kStarColour(240, 190, 20);
const QColor kLemonColour(230, 220, 60);

QPainterPath starOutline() {
    QPainterPath path;
    const double centre = kImageSize / 2.0;
    const double outer = kImageSize / 2.0 - 1.0;
    const double inner = outer * 0.4;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5; // rad
        const double radius = i % 2 == 0 ? outer : inner;
        const QPointF p(centre + radius * std::cos(angle), centre + radius * std::sin(angle));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// A full star, or its left half.
QPixmap starPixmap(bool half) {
    QPixmap pixmap(kImageSize, kImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (half) painter.setClipRect(0, 0, kImageSize / 2, kImageSize);
    painter.setPen(Qt::darkGray);
    painter.setBrush(kStarColour);
    painter.drawPath(starOutline());
    return pixmap;
}

QPixmap lemonPixmap() {
    QPixmap pixmap(kImageSize * 2, kImageSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::darkGray);
    painter.setBrush(kLemonColour);
    painter.drawEllipse(QRectF(2, 3, kImageSize * 2 - 4, kImageSize - 6));
    return pixmap;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, const QString& hint = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (!hint.isEmpty()) l->setToolTip(hint);
    return l;
}

QLabel* image(QWidget* parent, const QString& name, const QPixmap& pixmap) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(pixmap);
    l->setFixedSize(pixmap.size());
    l->hide();
    return l;
}

platform::SpeedButton* button(QWidget* parent, const char* name, const QString& caption,
                              const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

QGridLayout* StarImageLabels::build(QWidget* parent) {
    // Full and half stars share a place: 1-5 in the upper row, 6-10 in the lower.
    auto* stars = new QGridLayout;
    const QPixmap full = starPixmap(false);
    const QPixmap half = starPixmap(true);
    for (int n = 1; n <= kStarImages; ++n) {
        const int row = (n - 1) / kStarsPerRow;
        const int place = (n - 1) % kStarsPerRow;
        star(n) = image(parent, QString("star%1").arg(n), full);
        halfstar(n) = image(parent, QString("halfstar%1").arg(n), half);
        stars->addWidget(star(n), row, place);
        stars->addWidget(halfstar(n), row, place);
    }
    lemon = image(parent, "lemon", lemonPixmap());
    stars->addWidget(lemon, 0, 0, 1, 2);
    return stars;
}

void StarImageLabels::show(const StarImages& images) {
    lemon->setVisible(images.lemon);
    for (int n = 1; n <= kStarImages; ++n) {
        star(n)->setVisible(images.star(n));
        halfstar(n)->setVisible(images.halfstar(n));
    }
}

void PlatformRatingMessages::information(std::string_view text) {
    messages_.information(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

TStarPanel::TStarPanel(RatingPanel& panel, platform::MessageService& messages, QWidget* parent)
    : QFrame(parent), panel_(panel) {
    setObjectName("StarPanel");
    setToolTip(kHint);
    setFrameShape(QFrame::StyledPanel);
    auto* column = new QVBoxLayout(this);

    FileLabel = label(this, "FileLabel", "File", "Project Name");
    ClimNameLabel = label(this, "ClimNameLabel", "Climat00", "Project Climate File");
    column->addWidget(FileLabel);
    column->addWidget(ClimNameLabel);
    auto* energies = new QGridLayout;
    const auto energyRow = [&](int row, QLabel*& heading, const char* headingName, const char* text,
                               QLabel*& value, const char* valueName, const char* hint) {
        heading = label(this, headingName, text, hint);
        value = label(this, valueName, "", hint);
        energies->addWidget(heading, row, 0);
        energies->addWidget(value, row, 1);
    };
    energyRow(0, Label3, "Label3", "H", HeatLabel, "HeatLabel", "Annual Heating Energy");
    energyRow(1, Label2, "Label2", "C", CoolLabel, "CoolLabel", "Annual Cooling Energy");
    energyRow(2, Label1, "Label1", "T", TotalLabel, "TotalLabel", "Annual Total Energy");
    column->addLayout(energies);

    StarImageLabels images;
    column->addLayout(images.build(this));
    star = images.star;
    halfstar = images.halfstar;
    lemon = images.lemon;
    StarLabel = label(this, "StarLabel", "Stars");
    column->addWidget(StarLabel);

    auto* steps = new QHBoxLayout;
    ForwardSB = button(this, "ForwardSB", "1", "Most Recent Rating");
    BackSB = button(this, "BackSB", "2", "Previous Rating");
    ForwardSB->setCheckable(true);
    BackSB->setCheckable(true);
    AnalysisSB = button(this, "AnalysisSB", "Analyse", "Analyse");
    DelRecSB = button(this, "DelRecSB", "Delete", "Delete Simulation Records");
    steps->addWidget(ForwardSB);
    steps->addWidget(BackSB);
    steps->addWidget(AnalysisSB);
    steps->addWidget(DelRecSB);
    column->addLayout(steps);
    column->addStretch();

    connect(ForwardSB, &QToolButton::clicked, this,
            platform::guarded(messages, [this] { panel_.ForwardSBClick(); }));
    connect(BackSB, &QToolButton::clicked, this,
            platform::guarded(messages, [this] { panel_.BackSBClick(); }));
    connect(DelRecSB, &QToolButton::clicked, this,
            platform::guarded(messages, [this] { panel_.DelRecSBClick(); }));
    connect(AnalysisSB, &QToolButton::clicked, this, [this] { emit analysisRequested(); });
    panel_.setView(this);
}

TStarPanel::~TStarPanel() {
    panel_.setView(nullptr);
}

void TStarPanel::showPanel(const StarPanelState& s) {
    const auto text = [](QLabel* l, const std::string& t) { l->setText(QString::fromStdString(t)); };
    text(HeatLabel, s.HeatLabel);
    text(CoolLabel, s.CoolLabel);
    text(TotalLabel, s.TotalLabel);
    text(FileLabel, s.FileLabel);
    text(ClimNameLabel, s.ClimNameLabel);
    text(StarLabel, s.StarLabel);
    Label1->setVisible(s.Label1Visible);
    Label2->setVisible(s.Label2Visible);
    Label3->setVisible(s.Label3Visible);
    FileLabel->setVisible(s.FileLabelVisible);
    ClimNameLabel->setVisible(s.ClimNameLabelVisible);
    StarLabel->setVisible(s.StarLabelVisible);
    AnalysisSB->setVisible(s.AnalysisSBVisible);
    ForwardSB->setVisible(s.ForwardSBVisible);
    BackSB->setVisible(s.BackSBVisible);
    DelRecSB->setVisible(s.DelRecSBVisible);
    ForwardSB->setDown(s.ForwardSBDown);
    BackSB->setDown(s.BackSBDown);
    BackSB->setText(QString::fromStdString(s.BackSBCaption));
    lemon->setVisible(s.lemon);
    for (int n = 1; n <= kStarImages; ++n) {
        star(n)->setVisible(s.star(n));
        halfstar(n)->setVisible(s.halfstar(n));
    }
}

} // namespace pelmora
