#include "modeller/editors/obstruction_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/message_service.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace pelmora {

namespace {

constexpr int kPictureWidth = 260, kPictureHeight = 200; // px

// A sketch of the plan with an obstruction in front of `side`: its distance D from the house and its
// two ends L1 and L2 measured along the side from the house's left end (top and bottom sides) or top
// end (right and left sides), marked 0.
QPixmap sidePicture(int side) {
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect house(90, 70, 80, 60);
    p.setBrush(QColor(230, 230, 230));
    p.setPen(Qt::black);
    p.drawRect(house);
    p.drawText(house, Qt::AlignCenter, "House");
    // The obstruction as a bar parallel to the side, with the distance drawn as an arrow.
    QRect bar;
    QLine distance;
    QLine origin; // the house's end from which L1 and L2 are measured, carried out to the obstruction
    QPoint zero;  // where the origin's "0" stands
    switch (side) {
    case 1:
        bar = QRect(110, 15, 90, 10);
        distance = QLine(150, 25, 150, 70);
        origin = QLine(90, 70, 90, 20);
        zero = QPoint(80, 24);
        break;
    case 2:
        bar = QRect(225, 80, 10, 70);
        distance = QLine(170, 110, 225, 110);
        origin = QLine(170, 70, 230, 70);
        zero = QPoint(238, 74);
        break;
    case 3:
        bar = QRect(60, 175, 90, 10);
        distance = QLine(105, 130, 105, 175);
        origin = QLine(90, 130, 90, 180);
        zero = QPoint(93, 171);
        break;
    default:
        bar = QRect(25, 50, 10, 70);
        distance = QLine(35, 90, 90, 90);
        origin = QLine(30, 70, 90, 70);
        zero = QPoint(40, 66);
        break;
    }
    p.setBrush(QColor(120, 160, 90));
    p.drawRect(bar);
    p.setPen(QPen(Qt::red, 1, Qt::DashLine));
    p.drawLine(distance);
    p.setPen(Qt::red);
    p.drawText(distance.center() + QPoint(4, -4), "D");
    p.setPen(QPen(Qt::blue, 1, Qt::DotLine));
    p.drawLine(origin);
    p.setPen(Qt::blue);
    p.drawText(zero, "0");
    const bool horizontal = side == 1 || side == 3;
    p.drawText(horizontal ? bar.topLeft() + QPoint(0, side == 1 ? 22 : -4) : bar.topLeft() + QPoint(-20, 0),
               "L1");
    p.drawText(horizontal ? bar.topRight() + QPoint(-12, side == 1 ? 22 : -4)
                          : bar.bottomLeft() + QPoint(-20, 10),
               "L2");
    return picture;
}

// "Obstructions 2 and 3 of this orientation are not shown and will be deleted too. ..."
QString unseenObstructionsQuestion(const std::vector<int>& unseen) {
    const QString which = unseen.size() == 1
                              ? "Obstruction " + QString::number(unseen[0]) + " of this orientation is"
                              : "Obstructions " + QString::number(unseen[0]) + " and " +
                                    QString::number(unseen[1]) + " of this orientation are";
    return which + " not shown and will be deleted too. Delete all obstructions for this orientation?";
}

platform::EditBox* valueBox(QWidget* parent, const char* name) {
    auto* box = new platform::EditBox(parent);
    box->setObjectName(name);
    box->setFixedWidth(70);
    return box;
}

platform::SpeedButton* speedButton(QWidget* parent, const char* name, const QString& caption,
                                   const QString& hint) {
    auto* b = new platform::SpeedButton(caption, hint, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

TObstructionForm::TObstructionForm(HouseModel& model, ElementClipboard& clipboard,
                                   platform::Services& services, QWidget* parent)
    : Dialog(services.help, parent), editor_(model, clipboard), messages_(services.messages) {
    setObjectName("ObstructionForm");
    setWindowTitle(kCaption);
    setModal(true);
    HelpContext = kHelpTopic;

    NSB = speedButton(this, "NSB", "N", "Top of the plan");
    ESB = speedButton(this, "ESB", "E", "Right of the plan");
    SSB = speedButton(this, "SSB", "S", "Bottom of the plan");
    WSB = speedButton(this, "WSB", "W", "Left of the plan");
    auto* sides = new platform::SpeedButtonGroup(false, this);
    for (platform::SpeedButton* b : {NSB, ESB, SSB, WSB}) {
        b->setMinimumWidth(60);
        sides->add(b);
    }

    auto* pictures = new QWidget(this);
    auto* pictureStack = new QGridLayout(pictures);
    pictureStack->setContentsMargins(0, 0, 0, 0);
    const char* pictureNames[] = {"NImage", "EImage", "SImage", "WImage"};
    QLabel** images[] = {&NImage, &EImage, &SImage, &WImage};
    for (int side = 1; side <= 4; ++side) {
        QLabel* image = new QLabel(pictures);
        image->setObjectName(pictureNames[side - 1]);
        image->setPixmap(sidePicture(side));
        image->setFixedSize(kPictureWidth, kPictureHeight);
        pictureStack->addWidget(image, 0, 0);
        *images[side - 1] = image;
    }

    auto* numberPanel = new QGroupBox("Obstruction Number", this);
    auto* numbers = new QHBoxLayout(numberPanel);
    Obs1SB = speedButton(numberPanel, "Obs1SB", "1", "Obstruction 1");
    Obs2SB = speedButton(numberPanel, "Obs2SB", "2", "Obstruction 2");
    Obs3SB = speedButton(numberPanel, "Obs3SB", "3", "Obstruction 3");
    auto* obstructions = new platform::SpeedButtonGroup(false, this);
    for (platform::SpeedButton* b : {Obs1SB, Obs2SB, Obs3SB}) {
        obstructions->add(b);
        numbers->addWidget(b);
    }

    // Each value box has its heading in the cell above it, so a heading starts where its column of
    // boxes starts whatever the font; the unit closes the heading row.
    auto* valuesPanel = new QWidget(this);
    auto* values = new QGridLayout(valuesPanel);
    L1Edit = valueBox(valuesPanel, "L1Edit");
    L2Edit = valueBox(valuesPanel, "L2Edit");
    DEdit = valueBox(valuesPanel, "DEdit");
    HEdit = valueBox(valuesPanel, "HEdit");
    int column = 0;
    for (platform::EditBox* box : {L1Edit, L2Edit, DEdit, HEdit}) {
        QLabel* heading = new QLabel(kValueHeadings[column], valuesPanel);
        heading->setObjectName(box->objectName() + "Heading");
        values->addWidget(heading, 0, column, Qt::AlignLeft);
        values->addWidget(box, 1, column++, Qt::AlignLeft);
    }
    values->addWidget(new QLabel(kValueUnit, valuesPanel), 0, column, Qt::AlignLeft);
    values->setColumnStretch(column + 1, 1);

    SchedButton = new QPushButton("Shading Schedule", this);
    SchedButton->setObjectName("SchedButton");
    ShadeCheckBox = new QCheckBox("Shading", this);
    ShadeCheckBox->setObjectName("ShadeCheckBox");
    ShadeCheckBox->setEnabled(false);
    SBDelete = speedButton(this, "SBDelete", "Delete", "Delete current obstruction");
    SBDeleteAll = speedButton(this, "SBDeleteAll", "Delete All",
                              "Delete all shading by obstructions for this orientation");
    OKSB = speedButton(this, "OKSB", "  OK", "Close accepting changes");
    CancelSB = speedButton(this, "CancelSB", "Cancel", "Close without changes");
    CopyButton = speedButton(this, "CopyButton", "Copy", "Copy");
    PasteButton = speedButton(this, "PasteButton", "Paste", "Paste");
    HelpButton = speedButton(this, "HelpButton", "Help", "Help");

    auto* sideRow = new QHBoxLayout;
    for (platform::SpeedButton* b : {NSB, ESB, SSB, WSB}) sideRow->addWidget(b);
    sideRow->addStretch();
    auto* scheduleRow = new QHBoxLayout;
    scheduleRow->addWidget(SchedButton);
    scheduleRow->addWidget(ShadeCheckBox);
    scheduleRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    for (platform::SpeedButton* b : {SBDelete, SBDeleteAll, CopyButton, PasteButton, HelpButton})
        buttonRow->addWidget(b);
    buttonRow->addStretch();
    buttonRow->addWidget(OKSB);
    buttonRow->addWidget(CancelSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sideRow);
    layout->addWidget(pictures, 0, Qt::AlignHCenter);
    layout->addWidget(numberPanel);
    layout->addWidget(valuesPanel);
    layout->addLayout(scheduleRow);
    layout->addLayout(buttonRow);

    auto& m = services.messages;
    connect(NSB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { NSBClick(); }));
    connect(ESB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { ESBClick(); }));
    connect(SSB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { SSBClick(); }));
    connect(WSB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { WSBClick(); }));
    connect(Obs1SB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { Obs1SBClick(); }));
    connect(Obs2SB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { Obs2SBClick(); }));
    connect(Obs3SB, &QAbstractButton::clicked, this, platform::guarded(m, [this] { Obs3SBClick(); }));
    connect(L1Edit, &platform::EditBox::changed, this, platform::guarded(m, [this] { L1EditChange(); }));
    connect(L2Edit, &platform::EditBox::changed, this, platform::guarded(m, [this] { L2EditChange(); }));
    connect(DEdit, &platform::EditBox::changed, this, platform::guarded(m, [this] { DEditChange(); }));
    connect(HEdit, &platform::EditBox::changed, this, platform::guarded(m, [this] { HEditChange(); }));
    connect(DEdit, &platform::EditBox::typingEnded, this, platform::guarded(m, [this] { DEditEndTyping(); }));
    connect(SchedButton, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { SchedButtonClick(); }));
    connect(SBDelete, &QAbstractButton::clicked, this, platform::guarded(m, [this] { SBDeleteClick(); }));
    connect(SBDeleteAll, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { SBDeleteAllClick(); }));
    connect(CopyButton, &QAbstractButton::clicked, this, platform::guarded(m, [this] { CopyButtonClick(); }));
    connect(PasteButton, &QAbstractButton::clicked, this,
            platform::guarded(m, [this] { PasteButtonClick(); }));
    connect(HelpButton, &QAbstractButton::clicked, this, [this] { HelpButtonClick(); });
    connect(OKSB, &QAbstractButton::clicked, this, [this] { OKSBClick(); });
    connect(CancelSB, &QAbstractButton::clicked, this, [this] { CancelSBClick(); });
}

void TObstructionForm::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    FormShow();
}

void TObstructionForm::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape both close the dialog; every typed value is already in the model.
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    Dialog::keyPressEvent(event);
}

void TObstructionForm::showSidePicture(int side) {
    QLabel* images[] = {NImage, EImage, SImage, WImage};
    for (int s = 1; s <= 4; ++s) images[s - 1]->setVisible(s == side);
}

void TObstructionForm::FormShow() {
    if (SideBearings) {
        const std::array<QString, 4> bearings = SideBearings();
        NSB->setText(bearings[0]);
        ESB->setText(bearings[1]);
        SSB->setText(bearings[2]);
        WSB->setText(bearings[3]);
    }
    SchedButton->setEnabled(static_cast<bool>(ShowSchedule));
    PasteButton->setVisible(editor_.CanPaste());
    editor_.Start();
    sideClick(1);
}

void TObstructionForm::sideClick(int side) {
    platform::SpeedButton* buttons[] = {NSB, ESB, SSB, WSB};
    buttons[side - 1]->setDown(true);
    showSidePicture(side);
    editor_.Select(side, 1);
    Obs1SB->setDown(true);
    ChangeValues();
}

void TObstructionForm::obstructionClick(int obstruction) {
    platform::SpeedButton* buttons[] = {Obs1SB, Obs2SB, Obs3SB};
    buttons[obstruction - 1]->setDown(true);
    editor_.Select(editor_.Side(), obstruction);
    ChangeValues();
}

void TObstructionForm::ChangeValues() {
    using V = ObstructionEditor::Value;
    const std::pair<V, platform::EditBox*> boxes[] = {
        {V::L1, L1Edit}, {V::L2, L2Edit}, {V::D, DEdit}, {V::H, HEdit}};
    for (const auto& [value, box] : boxes) {
        const QSignalBlocker quiet(box);
        box->setText(QString::fromStdString(editor_.Text(value)));
    }
    ShadeCheckBox->setChecked(editor_.Shaded());
}

void TObstructionForm::valueChange(ObstructionEditor::Value value, platform::EditBox* box) {
    if (editor_.Type(value, box->text().toStdString()) == ObstructionEditor::Typed::Stored) return;
    // Not a number: the box is emptied and the obstruction keeps its value.
    messages_.beep();
    box->setText(QString());
}

void TObstructionForm::DEditEndTyping() {
    const std::string refusal = editor_.EndTyping(ObstructionEditor::Value::D);
    if (refusal.empty()) return;
    messages_.warn(QString::fromStdString(refusal));
    ChangeValues();
}

void TObstructionForm::OKSBClick() {
    const QString before = DEdit->text();
    for (platform::EditBox* box : {L1Edit, L2Edit, DEdit, HEdit}) box->endTyping();
    if (DEdit->text() != before) return; // the typed distance was refused and is shown as it was
    accept();
}

void TObstructionForm::SchedButtonClick() {
    if (!ShowSchedule) return;
    ObstructionEditor::MonthlyShading schedule = editor_.Shading();
    ShowSchedule(schedule);
    editor_.SetShading(schedule);
    ShadeCheckBox->setChecked(editor_.Shaded());
}

void TObstructionForm::SBDeleteClick() {
    editor_.Delete();
    ChangeValues();
}

void TObstructionForm::SBDeleteAllClick() {
    // The dialog shows one obstruction of the side: the others are cleared only when the user says so.
    const std::vector<int> unseen = editor_.UnseenObstructionsHeld();
    if (!unseen.empty() &&
        messages_.confirm(unseenObstructionsQuestion(unseen), false) != platform::Answer::Yes)
        return;
    editor_.DeleteAll();
    ChangeValues();
}

void TObstructionForm::CancelSBClick() {
    editor_.Cancel();
    reject();
}

void TObstructionForm::CopyButtonClick() {
    editor_.Copy();
    PasteButton->setVisible(true);
}

void TObstructionForm::PasteButtonClick() {
    editor_.Paste();
    ChangeValues();
}

} // namespace pelmora
