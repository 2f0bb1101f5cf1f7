#include "modeller/editors/tools_forms.h"

#include "modeller/editors/air_gap_form.h"
#include "modeller/editors/editor_controls.h"
#include "modeller/editors/sun_position_form.h"
#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cstdio>

namespace pelmora {

namespace {

// A value in fixed notation, right-aligned in `width` characters.
QString fixed(double value, int width, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return QString::fromLatin1(text);
}

platform::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption,
                                   const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

platform::EditBox* editBox(QWidget* parent, const char* name, const QString& text, bool readOnly = false) {
    auto* box = new platform::EditBox(parent);
    box->setObjectName(name);
    box->setText(text);
    box->setReadOnly(readOnly);
    box->setFixedWidth(90);
    return box;
}

QLabel* namedLabel(QWidget* parent, const char* name, const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

// ---- The tools dialog ------------------------------------------------------------------------------

TToolsForm::TToolsForm(platform::Services& services, QWidget* parent) : Dialog(services.help, parent) {
    setObjectName("ToolsForm");
    setWindowTitle(kCaption);
    setModal(false);
    SpeedButton1 = speedButton(this, "SpeedButton1", "Simple R and C Values", "Simple R and C Values");
    SpeedButton2 = speedButton(this, "SpeedButton2", "Compound R Calculations", "Compound R Calculations");
    SpeedButton3 = speedButton(this, "SpeedButton3", "Solar Position", "Solar Position");
    SpeedButton4 = speedButton(this, "SpeedButton4", "R Gap", "R Gap");
    CancelSB = speedButton(this, "CancelSB", "Close", "Close");
    auto* layout = new QVBoxLayout(this);
    for (platform::SpeedButton* b : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4}) {
        b->setMinimumWidth(200);
        layout->addWidget(b);
    }
    layout->addSpacing(8);
    layout->addWidget(CancelSB, 0, Qt::AlignRight);
    auto& m = services.messages;
    connect(SpeedButton1, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { SpeedButton1Click(); }));
    connect(SpeedButton2, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { SpeedButton2Click(); }));
    connect(SpeedButton3, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { SpeedButton3Click(); }));
    connect(SpeedButton4, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { SpeedButton4Click(); }));
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
}

void TToolsForm::keyPressEvent(QKeyEvent* event) {
    // The tools stay beside the plan: Enter and Escape do not close them.
    if (platform::isEnterOrEscape(*event)) return;
    Dialog::keyPressEvent(event);
}

namespace {
void showModeless(QDialog* dialog) {
    if (!dialog) return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
} // namespace

void TToolsForm::SpeedButton1Click() {
    showModeless(SimpleRForm);
}

void TToolsForm::SpeedButton2Click() {
    showModeless(RValForm);
}

void TToolsForm::SpeedButton3Click() {
    showModeless(SunPosForm);
}

void TToolsForm::SpeedButton4Click() {
    if (AirGapForm) AirGapForm->exec();
}

// ---- What both R value calculators share -----------------------------------------------------------

MaterialRForm::MaterialRForm(const std::filesystem::path& programFolder, platform::Services& services,
                             QWidget* parent)
    : Dialog(services.help, parent), messages_(services.messages), programFolder_(programFolder) {
    setModal(false);
    ProductLB = new QListWidget(this);
    ProductLB->setObjectName("ProductLB");
    ProductLB->setToolTip("Select from product list");
    ProductLB->setMinimumWidth(260);
    MatNameLabel = namedLabel(this, "MatNameLabel");
    ThickEB = editBox(this, "ThickEB", "0");
    UpDownThick = new platform::UpDown(0, kMostThickness, this);
    UpDownThick->setObjectName("UpDownThick");
    RvalueEB = editBox(this, "RvalueEB", {}, true);
    CancelSB = speedButton(this, "CancelSB", "Cancel", "Close");
    auto& m = services.messages;
    connect(ProductLB, &QListWidget::itemClicked, this, platform::guarded(m, [this] { ProductLBClick(); }));
    connect(ThickEB, &platform::EditBox::changed, this, platform::guarded(m, [this] { ThickEBChange(); }));
    connect(ThickEB, &platform::EditBox::typingEnded, this,
            platform::guarded(m, [this] { ThickEBTypingEnd(); }));
    connect(UpDownThick, &QSpinBox::valueChanged, this, platform::guarded(m, [this] { UpDownThickClick(); }));
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { hide(); });
}

void MaterialRForm::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    FormShow();
}

const RCMaterial* MaterialRForm::material() const {
    if (selected_ < 1 || selected_ > static_cast<int>(materials_.size())) return nullptr;
    return &materials_[static_cast<std::size_t>(selected_ - 1)];
}

void MaterialRForm::FormShow() {
    RCPropsRead read = ReadRCProps(programFolder_);
    // A list that cannot be read whole is reported and the calculator keeps the list it had.
    if (read.error)
        messages_.error(QString::fromStdString(*read.error));
    else if (read.found)
        materials_ = std::move(read.materials);
    ProductLB->clear();
    for (const RCMaterial& m : materials_) ProductLB->addItem(QString::fromStdString(m.Name));
    selected_ = materials_.empty() ? 0 : 1;
    if (selected_ != 0) {
        ProductLB->setCurrentRow(0);
        MatNameLabel->setText(QString::fromStdString(materials_.front().Name));
    } else {
        MatNameLabel->clear();
    }
    if (thicknessOnShow_)
        ThickEBChange();
    else
        CalcR();
}

void MaterialRForm::ProductLBClick() {
    const QListWidgetItem* item = ProductLB->currentItem();
    if (!item) return;
    const int found = FirstMaterialNamed(materials_, item->text().toStdString());
    if (found == 0) return;
    selected_ = found;
    MatNameLabel->setText(item->text());
    CalcR();
}

void MaterialRForm::ThickEBChange() {
    bool ok = false;
    const int value = ThickEB->text().trimmed().toInt(&ok);
    // A thickness outside the range is not computed with; the end of the typing refuses it.
    if (ok && (value < 0 || value > kMostThickness)) return;
    thickness_ = ok ? value : 0;
    ThickEB->setText(QString::number(thickness_));
    {
        const QSignalBlocker quiet(UpDownThick);
        UpDownThick->setValue(thickness_);
    }
    CalcR();
}

void MaterialRForm::ThickEBTypingEnd() {
    bool ok = false;
    const int value = ThickEB->text().trimmed().toInt(&ok);
    if (ok && value == thickness_) return;
    if (ok) messages_.warn(kThicknessOutOfRange);
    ThickEB->setText(QString::number(thickness_));
}

void MaterialRForm::UpDownThickClick() {
    thickness_ = UpDownThick->value();
    ThickEB->setText(QString("%1").arg(thickness_, 4));
}

// ---- Simple R and C values -------------------------------------------------------------------------

TSimpleRForm::TSimpleRForm(const std::filesystem::path& programFolder, platform::Services& services,
                           QWidget* parent)
    : MaterialRForm(programFolder, services, parent) {
    setObjectName("SimpleRForm");
    setWindowTitle(kCaption);
    {
        const QSignalBlocker designTime(ThickEB);
        ThickEB->setText("20");
    }
    thicknessOnShow_ = true;
    CvalueEB = editBox(this, "CvalueEB", {}, true);
    KLabel = namedLabel(this, "KLabel");
    auto* values = new QFormLayout;
    auto* thick = new QHBoxLayout;
    thick->addWidget(ThickEB);
    thick->addWidget(UpDownThick);
    thick->addWidget(new QLabel("mm", this));
    values->addRow("Thickness", thick);
    auto* r = new QHBoxLayout;
    r->addWidget(RvalueEB);
    r->addWidget(new QLabel("m².K/W", this));
    values->addRow("R Value=T/k", r);
    auto* c = new QHBoxLayout;
    c->addWidget(CvalueEB);
    c->addWidget(new QLabel("kJ/m².K", this));
    values->addRow("C Value", c);
    auto* k = new QHBoxLayout;
    k->addWidget(KLabel);
    k->addWidget(new QLabel("W/(m·K)", this));
    values->addRow("Conductivity k", k);
    auto* right = new QVBoxLayout;
    right->addWidget(MatNameLabel);
    right->addLayout(values);
    right->addStretch();
    right->addWidget(CancelSB, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ProductLB);
    layout->addLayout(right);
}

void TSimpleRForm::CalcR() {
    const RCMaterial* m = material();
    if (!m) {
        RvalueEB->setText({});
        CvalueEB->setText({});
        KLabel->clear();
        return;
    }
    RvalueEB->setText(fixed(thickness() * m->Resistivity / 1000.0, 9, 4));
    CvalueEB->setText(fixed(thickness() * m->HeatCapacity / 1000.0, 9, 4));
    // A material of no resistivity has no finite conductivity to show.
    KLabel->setText(m->Resistivity == 0.0 ? QString() : fixed(1.0 / m->Resistivity, 8, 4));
}

// ---- Compound R ------------------------------------------------------------------------------------

TRValForm::TRValForm(const std::filesystem::path& programFolder, platform::Services& services,
                     QWidget* parent)
    : MaterialRForm(programFolder, services, parent) {
    setObjectName("RValForm");
    setWindowTitle(kCaption);
    Transfer1SB = speedButton(this, "Transfer1SB", "1", "Copy the material into row 1 of the top layer");
    Transfer2SB = speedButton(this, "Transfer2SB", "2", "Copy the material into row 2 of the top layer");
    Transfer3SB = speedButton(this, "Transfer3SB", "3", "Copy the material into the bottom layer");
    MatName1Label = namedLabel(this, "MatName1Label");
    MatName2Label = namedLabel(this, "MatName2Label");
    MatName3Label = namedLabel(this, "MatName3Label");
    Thick1Label = namedLabel(this, "Thick1Label");
    Thick2Label = namedLabel(this, "Thick2Label");
    Thick3Label = namedLabel(this, "Thick3Label");
    R1EB = editBox(this, "R1EB", "0");
    R2EB = editBox(this, "R2EB", "0");
    R3EB = editBox(this, "R3EB", "0");
    Percent1EB = editBox(this, "Percent1EB", "100");
    Percent2Label = namedLabel(this, "Percent2Label", "0");
    AirFilmTop = editBox(this, "AirFilmTop", "0.12");
    AirFilmBottom = editBox(this, "AirFilmBottom", "0.12");
    UL = namedLabel(this, "UL");
    LL = namedLabel(this, "LL");
    RAllLabel = namedLabel(this, "RAllLabel");
    RTopLabel = namedLabel(this, "RTopLabel");
    Image1 = namedLabel(this, "Image1");

    auto* choice = new QFormLayout;
    choice->addRow(MatNameLabel);
    auto* thick = new QHBoxLayout;
    thick->addWidget(ThickEB);
    thick->addWidget(UpDownThick);
    choice->addRow("Thickness mm", thick);
    choice->addRow("R Value", RvalueEB);
    auto* transfers = new QHBoxLayout;
    for (auto* b : {Transfer1SB, Transfer2SB, Transfer3SB}) transfers->addWidget(b);
    choice->addRow("Copy to row", transfers);

    auto* rows = new QGridLayout;
    rows->addWidget(new QLabel("Top Layer", this), 0, 0);
    rows->addWidget(new QLabel("Material", this), 0, 1);
    rows->addWidget(new QLabel("mm", this), 0, 2);
    rows->addWidget(new QLabel("R", this), 0, 3);
    rows->addWidget(new QLabel("Area %", this), 0, 4);
    rows->addWidget(new QLabel("1", this), 1, 0);
    rows->addWidget(MatName1Label, 1, 1);
    rows->addWidget(Thick1Label, 1, 2);
    rows->addWidget(R1EB, 1, 3);
    rows->addWidget(Percent1EB, 1, 4);
    rows->addWidget(new QLabel("2", this), 2, 0);
    rows->addWidget(MatName2Label, 2, 1);
    rows->addWidget(Thick2Label, 2, 2);
    rows->addWidget(R2EB, 2, 3);
    rows->addWidget(Percent2Label, 2, 4);
    rows->addWidget(new QLabel("Bottom Layer", this), 3, 0);
    rows->addWidget(MatName3Label, 3, 1);
    rows->addWidget(Thick3Label, 3, 2);
    rows->addWidget(R3EB, 3, 3);
    auto* films = new QFormLayout;
    films->addRow("Air Film Resistance (top)", AirFilmTop);
    films->addRow("Air Film Resistance (bottom)", AirFilmBottom);
    auto* results = new QFormLayout;
    results->addRow("Total R Upper Limit", UL);
    results->addRow("Total R Lower Limit", LL);
    results->addRow("Total R Value", RAllLabel);
    results->addRow("Equivalent R Value of Top Layer", RTopLabel);

    auto* right = new QVBoxLayout;
    right->addLayout(choice);
    right->addLayout(rows);
    right->addLayout(films);
    right->addLayout(results);
    right->addStretch();
    right->addWidget(CancelSB, 0, Qt::AlignRight);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ProductLB);
    layout->addLayout(right);

    auto& m = services.messages;
    connect(Transfer1SB, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { Transfer1SBClick(); }));
    connect(Transfer2SB, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { Transfer2SBClick(); }));
    connect(Transfer3SB, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { Transfer3SBClick(); }));
    connect(Percent1EB, &platform::EditBox::changed, this,
            platform::guarded(m, [this] { Percent1EBChange(); }));
    for (platform::EditBox* box : {R1EB, R2EB, R3EB, AirFilmTop, AirFilmBottom})
        connect(box, &platform::EditBox::changed, this, platform::guarded(m, [this] { CalcTotR(); }));
}

void TRValForm::CalcR() {
    const RCMaterial* m = material();
    RvalueEB->setText(m ? fixed(thickness() * m->Resistivity / 1000.0, 9, 4) : QString());
}

void TRValForm::transfer(int row) {
    QLabel* names[] = {MatName1Label, MatName2Label, MatName3Label};
    QLabel* thicknesses[] = {Thick1Label, Thick2Label, Thick3Label};
    platform::EditBox* values[] = {R1EB, R2EB, R3EB};
    names[row]->setText(MatNameLabel->text());
    thicknesses[row]->setText(ThickEB->text());
    values[row]->setText(RvalueEB->text().trimmed());
}

void TRValForm::Percent1EBChange() {
    bool ok = false;
    const int p1 = Percent1EB->text().trimmed().toInt(&ok);
    if (!ok) {
        messages_.error(QString("'%1' is not a valid integer value").arg(Percent1EB->text()));
        return;
    }
    Percent2Label->setText(QString::number(100 - p1));
    CalcTotR();
}

void TRValForm::CalcTotR() {
    CompoundLayers layers;
    struct Box {
        const QString text;
        double& value;
    };
    const Box boxes[] = {{R1EB->text(), layers.R1},          {R2EB->text(), layers.R2},
                         {R3EB->text(), layers.R3},          {AirFilmTop->text(), layers.Ft},
                         {AirFilmBottom->text(), layers.Fb}, {Percent1EB->text(), layers.p1},
                         {Percent2Label->text(), layers.p2}};
    for (const Box& box : boxes) {
        const std::optional<double> value = ReadNumber(box.text.toStdString());
        if (!value) {
            // The results keep what they showed.
            messages_.error(QString::fromStdString(NotANumberText(box.text.toStdString())));
            return;
        }
        box.value = *value;
    }
    const std::optional<CompoundR> r = pelmora::CalcTotR(layers);
    // Shares or paths that give a limit no value leave the results blank.
    UL->setText(r ? fixed(r->Upper, 9, 4) : QString());
    LL->setText(r ? fixed(r->Lower, 9, 4) : QString());
    RAllLabel->setText(r ? fixed(r->Total, 9, 4) : QString());
    RTopLabel->setText(r ? fixed(r->TopLayer, 9, 4) : QString());
}

} // namespace pelmora
