#include "modeller/editors/vert_shad_form.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace pelmora {

namespace {

// The picture under the four boxes: a window in its wall with a shade at each side.
QPixmap ShadesPicture() {
    QPixmap pixmap(280, 160);
    pixmap.fill(QColor(192, 192, 192));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 0));
    p.drawRect(10, 10, 259, 139);
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(100, 40, 79, 79);
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(70, 30, 9, 99);
    p.drawRect(200, 30, 9, 99);
    return pixmap;
}

} // namespace

TVertShadForm::TVertShadForm(EditorContext& context, platform::Services& services, QWidget* parent)
    : platform::Dialog(services.help, parent), context_(context),
      editor_(context.clipboard, services.messages) {
    setObjectName("VertShadForm");
    setModal(true);
    setWindowTitle(QString::fromUtf8(vert_shading_text::kCaption.data()));
    Image1 = new QLabel(this);
    Image1->setPixmap(ShadesPicture());
    Image1->setFixedSize(280, 160);
    const auto box = [](QWidget* parent, int x, int y) {
        auto* edit = new platform::EditBox(parent);
        edit->setFixedWidth(50);
        edit->move(x, y);
        return edit;
    };
    // On the picture: widths above the shades, offsets beside them.
    LWEdit2 = box(Image1, 50, 2);
    RWEdit2 = box(Image1, 180, 2);
    LOEdit2 = box(Image1, 15, 130);
    ROEdit2 = box(Image1, 215, 130);
    LWEdit = new platform::EditBox(this);
    LOEdit = new platform::EditBox(this);
    RWEdit = new platform::EditBox(this);
    ROEdit = new platform::EditBox(this);
    auto* panel = new QGridLayout;
    int row = 0;
    for (auto [caption, edit] : {std::pair{" lw  Left Width                    m", LWEdit},
                                 std::pair{" lo  Left Offset                     m", LOEdit},
                                 std::pair{" rw  Right Width                  m", RWEdit},
                                 std::pair{" ro  Right Offset                   m", ROEdit}}) {
        panel->addWidget(new QLabel(caption, this), row, 0);
        panel->addWidget(edit, row++, 1);
    }
    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", this);
    CopyButton = new platform::SpeedButton("Copy", "Copy", this);
    PasteButton = new platform::SpeedButton("Paste", "Paste", this);
    HelpButton = new platform::SpeedButton("Help", "Help", this);
    SBDelete = new platform::SpeedButton("Delete", "Delete current shading", this);
    PasteButton->hide();
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : {OKSB, CopyButton, PasteButton, SBDelete, HelpButton}) buttons->addWidget(w);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    auto* middle = new QHBoxLayout;
    middle->addWidget(Image1);
    middle->addLayout(panel);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    VertShadingEditor& e = editor_;
    for (const auto& boxText :
         {std::pair{LWEdit, &e.LWEdit}, std::pair{LOEdit, &e.LOEdit}, std::pair{RWEdit, &e.RWEdit},
          std::pair{ROEdit, &e.ROEdit}, std::pair{LWEdit2, &e.LWEdit2}, std::pair{LOEdit2, &e.LOEdit2},
          std::pair{RWEdit2, &e.RWEdit2}, std::pair{ROEdit2, &e.ROEdit2}}) {
        // Plain variables, not a structured binding: clang 14 lets no lambda capture a binding.
        const auto widget = boxText.first;
        const auto text = boxText.second;
        connect(widget, &platform::EditBox::changed, this, [this, widget, text] {
            text->SetText(widget->text().toStdString());
            refresh();
        });
    }
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
    connect(CopyButton, &QToolButton::clicked, this, [this] {
        editor_.CopyButtonClick();
        refresh();
    });
    connect(PasteButton, &QToolButton::clicked, this, [this] {
        editor_.PasteButtonClick();
        refresh();
    });
    connect(SBDelete, &QToolButton::clicked, this, [this] {
        editor_.SBDeleteClick();
        refresh();
    });
    connect(HelpButton, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
}

void TVertShadForm::SetValues() {
    const PlanSelection& s = context_.selection;
    const std::string caption = context_.model.DefaultsMode
                                    ? std::string(vert_shading_text::kDefaultsCaption)
                                    : VertShadingCaption(s.CurrentWindow, s.CurrentWall, s.CurrentZone);
    editor_.SetValues(caption, context_.buffers.EditVertShading);
    shown_ = true;
    refresh();
}

void TVertShadForm::ShowModal() {
    SetValues();
    exec();
}

void TVertShadForm::OKSBClick() {
    if (shown_) context_.buffers.EditVertShading = editor_.OKSBClick();
    shown_ = false;
    accept();
}

void TVertShadForm::keyPressEvent(QKeyEvent* event) {
    if (platform::isEnterOrEscape(*event)) {
        OKSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TVertShadForm::closeEvent(QCloseEvent* event) {
    // The only way out keeps the values: the close box too.
    if (shown_) context_.buffers.EditVertShading = editor_.OKSBClick();
    shown_ = false;
    platform::Dialog::closeEvent(event);
}

void TVertShadForm::refresh() {
    setWindowTitle(QString::fromStdString(editor_.Caption));
    PasteButton->setVisible(editor_.PasteButtonVisible);
    const VertShadingEditor& e = editor_;
    for (auto [widget, text] :
         {std::pair{LWEdit, &e.LWEdit}, std::pair{LOEdit, &e.LOEdit}, std::pair{RWEdit, &e.RWEdit},
          std::pair{ROEdit, &e.ROEdit}, std::pair{LWEdit2, &e.LWEdit2}, std::pair{LOEdit2, &e.LOEdit2},
          std::pair{RWEdit2, &e.RWEdit2}, std::pair{ROEdit2, &e.ROEdit2}}) {
        const QString shown = QString::fromStdString(text->Text());
        if (widget->text() == shown) continue;
        const QSignalBlocker blocker(widget);
        widget->setText(shown);
    }
}

} // namespace pelmora
