#include "modeller/editors/cust_win_form.h"

#include "modeller/platform/application.h"
#include "modeller/platform/charts.h"

#include <QChart>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QValueAxis>

#include <exception>

namespace pelmora {

namespace {

QLineEdit* Box(QWidget* parent, bool readOnly = true) {
    auto* box = new QLineEdit(parent);
    box->setReadOnly(readOnly);
    return box;
}

QComboBox* LimitBox(const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(items);
    box->setMinimumWidth(80);
    return box;
}

QChartView* Chart(const char* title, std::vector<QScatterSeries*> series, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    auto* x = new QValueAxis;
    x->setRange(0, 90);
    x->setTitleText("Angle of Incidence");
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setTitleText("%");
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QScatterSeries* s : series) {
        s->setMarkerSize(7);
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
    auto* view = new QChartView(chart, parent);
    view->setMinimumSize(260, 200);
    platform::KeepAxisTitlesWhole(*view);
    return view;
}

// The text the chooser holds for a limit box.
const std::string& LimitText(const CustWinChooser& c, ChooserLimit limit) {
    switch (limit) {
    case ChooserLimit::UMax:
        return c.UMaxCB;
    case ChooserLimit::UMin:
        return c.UMinCB;
    case ChooserLimit::SMax:
        return c.SMaxCB;
    case ChooserLimit::SMin:
        break;
    }
    return c.SMinCB;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TCustWinForm::TCustWinForm(HouseModel& model, EditorBuffers& buffers, platform::Services& services,
                           QWidget* parent)
    : platform::Dialog(services.help, parent), chooser_(model, buffers, services.messages),
      messages_(services.messages) {
    setObjectName("CustWinForm");
    setModal(true);
    setWindowTitle("Custom Windows");

    WindowNameEB = Box(this, false);
    ManufacturerCB = new QComboBox(this);
    ManufacturerCB->setToolTip("Select manufacturer");
    ProductLB = new QListWidget(this);
    ProductLB->setToolTip("Select from product list");
    auto* choice = new QGridLayout;
    choice->addWidget(new QLabel("Name", this), 0, 0);
    choice->addWidget(WindowNameEB, 0, 1);
    choice->addWidget(new QLabel("Brand", this), 1, 0);
    choice->addWidget(ManufacturerCB, 1, 1);
    choice->addWidget(new QLabel("Select Product", this), 2, 0, 1, 2);
    choice->addWidget(ProductLB, 3, 0, 1, 2);

    const auto panel = [this](const char* title,
                              std::initializer_list<std::pair<const char*, QLineEdit**>> boxes) {
        auto* group = new QGroupBox(title, this);
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (auto [caption, box] : boxes) {
            *box = Box(group);
            grid->addWidget(new QLabel(caption, group), row, 0);
            grid->addWidget(*box, row++, 1);
        }
        return group;
    };
    auto* window = panel("Window  (NFRC Values)", {{"U-Value", &WinUEB}, {"SHGC", &WinSHGCEB}});
    auto* frame = panel("Frame", {{"Frame", &FrameEB}, {"Frame Area %", &FrameAEB}, {"U-Value", &FrameUEB}});
    auto* glass = panel("Glass", {{"Glass", &GlassEB},
                                  {"No Panes", &PanesEB},
                                  {"U-Value", &GlassUEB},
                                  {"SHGC", &SHGCEB},
                                  {"SC", &SCEB},
                                  {"Vis Trans", &VTEB},
                                  {"UV Trans", &UVTEB}});

    transmittance_ = new QScatterSeries(this);
    transmittance_->setColor(Qt::black);
    const QColor paneColours[] = {QColor(128, 128, 0), QColor(0, 0, 255),
                                  QColor(0, 128, 0)}; // olive, blue, green
    for (const QColor& c : paneColours) {
        auto* s = new QScatterSeries(this);
        s->setColor(c);
        panes_.push_back(s);
    }
    TrChart = Chart("Solar Transmittance", {transmittance_}, this);
    AChart = Chart("Solar Absorptance", panes_, this);

    auto* search = new QGroupBox("Search", this);
    SearchRG = new platform::RadioGroup("", {"Manufacturer", "All"}, search);
    UMaxCB = LimitBox({"30", "7", "6", "5", "4", "3", "2", "1"}, search);
    UMinCB = LimitBox({"0", "1", "2", "3", "4", "5", "6", "7"}, search);
    SMaxCB = LimitBox({"1.0", "0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1"}, search);
    SMinCB = LimitBox({"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}, search);
    ResetButton = new platform::SpeedButton("Reset", "Reset max and min", search);
    pbfind = new platform::SpeedButton("Similar", "List Products with similar properties", search);
    auto* limits = new QGridLayout(search);
    limits->addWidget(SearchRG, 0, 0, 4, 1);
    limits->addWidget(new QLabel("U max", search), 0, 1);
    limits->addWidget(UMaxCB, 0, 2);
    limits->addWidget(new QLabel("U min", search), 1, 1);
    limits->addWidget(UMinCB, 1, 2);
    limits->addWidget(new QLabel("SHGC max", search), 2, 1);
    limits->addWidget(SMaxCB, 2, 2);
    limits->addWidget(new QLabel("SHGC min", search), 3, 1);
    limits->addWidget(SMinCB, 3, 2);
    limits->addWidget(ResetButton, 4, 1);
    limits->addWidget(pbfind, 4, 2);

    OKSB = new platform::SpeedButton("  OK", "Close accepting changes", this);
    CancelSB = new platform::SpeedButton("Cancel", "Close without changes", this);
    HelpSB = new platform::SpeedButton("Help", "Help", this);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : {OKSB, CancelSB, HelpSB}) buttons->addWidget(w);
    buttons->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(choice);
    left->addWidget(search);
    auto* middle = new QVBoxLayout;
    middle->addWidget(window);
    middle->addWidget(frame);
    middle->addWidget(glass);
    auto* charts = new QVBoxLayout;
    charts->addWidget(TrChart);
    charts->addWidget(AChart);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(middle);
    body->addLayout(charts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);

    CustWinChooser& c = chooser_;
    connect(WindowNameEB, &QLineEdit::textEdited, this,
            [this, &c](const QString& text) { run([&c, text] { c.WindowNameEB = text.toStdString(); }); });
    connect(ManufacturerCB, &QComboBox::currentTextChanged, this, [this, &c](const QString& text) {
        if (!refreshing_) run([&c, text] { c.ManufacturerCBChange(text.toStdString()); });
    });
    connect(ProductLB, &QListWidget::currentRowChanged, this, [this, &c](int row) {
        if (!refreshing_) run([&c, row] { c.ProductLBClick(row); });
    });
    connect(SearchRG, &platform::RadioGroup::clicked, this,
            [this, &c](int item) { run([&c, item] { c.SetSearchMode(static_cast<SearchMode>(item)); }); });
    for (const auto& boxLimit :
         {std::pair{UMaxCB, ChooserLimit::UMax}, std::pair{UMinCB, ChooserLimit::UMin},
          std::pair{SMaxCB, ChooserLimit::SMax}, std::pair{SMinCB, ChooserLimit::SMin}}) {
        // Plain variables, not a structured binding: clang 14 lets no lambda capture a binding.
        QComboBox* const box = boxLimit.first;
        const ChooserLimit limit = boxLimit.second;
        // A limit is taken when an item is chosen or the typing is finished, so that a half-typed
        // number is not reported.
        const auto take = [this, &c, limit, box] {
            if (refreshing_) return;
            const std::string text = box->currentText().toStdString();
            run([&c, limit, text] { c.LimitChange(limit, text); });
        };
        connect(box, &QComboBox::activated, this, take);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [box, take, &c, limit] {
            if (box->currentText().toStdString() != LimitText(c, limit)) take();
        });
    }
    connect(ResetButton, &QToolButton::clicked, this, [this, &c] { run([&c] { c.ResetButtonClick(); }); });
    connect(pbfind, &QToolButton::clicked, this, [this, &c] { run([&c] { c.pbfindClick(); }); });
    connect(OKSB, &QToolButton::clicked, this, [this] { OKSBClick(); });
    connect(CancelSB, &QToolButton::clicked, this, [this] { CancelSBClick(); });
    connect(HelpSB, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
}

void TCustWinForm::run(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        platform::showEscapedError(&messages_, std::current_exception());
    }
    refresh();
}

void TCustWinForm::FormShow() {
    open_ = true;
    run([this] { chooser_.FormShow(); });
}

void TCustWinForm::ShowModal() {
    FormShow();
    exec();
}

void TCustWinForm::OKSBClick() {
    if (open_) chooser_.OKSBClick();
    open_ = false;
    accept();
}

void TCustWinForm::CancelSBClick() {
    if (open_) chooser_.CancelSBClick();
    open_ = false;
    reject();
}

void TCustWinForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OKSBClick();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        CancelSBClick();
        return;
    }
    platform::Dialog::keyPressEvent(event);
}

void TCustWinForm::closeEvent(QCloseEvent* event) {
    if (open_) chooser_.CancelSBClick();
    open_ = false;
    platform::Dialog::closeEvent(event);
}

void TCustWinForm::refresh() {
    if (refreshing_) return;
    refreshing_ = true;
    // The widgets show the chooser's state; none of them hands it back meanwhile.
    const QSignalBlocker blockers[] = {QSignalBlocker(ManufacturerCB), QSignalBlocker(ProductLB),
                                       QSignalBlocker(SearchRG),       QSignalBlocker(UMaxCB),
                                       QSignalBlocker(UMinCB),         QSignalBlocker(SMaxCB),
                                       QSignalBlocker(SMinCB)};
    const CustWinChooser& c = chooser_;
    if (WindowNameEB->text() != Q(c.WindowNameEB)) WindowNameEB->setText(Q(c.WindowNameEB));
    QStringList makers;
    for (const std::string& m : c.ManufacturerItems) makers << Q(m);
    QStringList shown;
    for (int i = 0; i < ManufacturerCB->count(); ++i) shown << ManufacturerCB->itemText(i);
    if (shown != makers) {
        ManufacturerCB->clear();
        ManufacturerCB->addItems(makers);
    }
    ManufacturerCB->setCurrentIndex(ManufacturerCB->findText(Q(c.ManufacturerCB)));
    ProductLB->clear();
    for (const std::string& code : c.ProductLB) ProductLB->addItem(Q(code));
    ProductLB->setCurrentRow(c.ProductLBIndex);
    SearchRG->setItemIndex(static_cast<int>(c.SearchRG));
    for (auto [box, text] : {std::pair{UMaxCB, &c.UMaxCB}, std::pair{UMinCB, &c.UMinCB},
                             std::pair{SMaxCB, &c.SMaxCB}, std::pair{SMinCB, &c.SMinCB}})
        if (box->currentText() != Q(*text)) box->setEditText(Q(*text));
    for (auto [box, text] :
         {std::pair{WinUEB, &c.WinUEB}, std::pair{WinSHGCEB, &c.WinSHGCEB}, std::pair{FrameEB, &c.FrameEB},
          std::pair{FrameAEB, &c.FrameAEB}, std::pair{FrameUEB, &c.FrameUEB}, std::pair{GlassEB, &c.GlassEB},
          std::pair{PanesEB, &c.PanesEB}, std::pair{GlassUEB, &c.GlassUEB}, std::pair{SHGCEB, &c.SHGCEB},
          std::pair{SCEB, &c.SCEB}, std::pair{VTEB, &c.VTEB}, std::pair{UVTEB, &c.UVTEB}})
        box->setText(Q(*text));
    transmittance_->clear();
    for (auto [x, y] : c.Transmittance) transmittance_->append(x, y);
    for (std::size_t pane = 0; pane < panes_.size(); ++pane) {
        panes_[pane]->clear();
        if (pane < c.PaneAbsorptances.size())
            for (auto [x, y] : c.PaneAbsorptances[pane]) panes_[pane]->append(x, y);
    }
    refreshing_ = false;
}

} // namespace pelmora
