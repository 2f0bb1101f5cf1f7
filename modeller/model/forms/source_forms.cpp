#include "modeller/model/forms/source_forms.h"

#include "modeller/model/usage_buttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pelmora {

SourcesForm::SourcesForm(platform::Services& services, const char* name, const char* caption,
                         std::span<const std::string_view> sources, QWidget* parent)
    : UsageDialog(services.help, parent) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    int row = 0;
    for (std::string_view source : sources) {
        const QString text = QString::fromUtf8(source.data(), qsizetype(source.size()));
        auto* b = new platform::SpeedButton(text, text, this);
        b->setMinimumWidth(180);
        auto* tick = new QCheckBox(this);
        grid->addWidget(b, row, 0);
        grid->addWidget(tick, row, 1);
        SourceSB.push_back(b);
        SourceCB.push_back(tick);
        ++row;
    }
    OKSB = new platform::SpeedButton("  OK", "Close", this);
    OKSB->setObjectName("OKSB");
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKSB);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    connect(OKSB, &QAbstractButton::clicked, this, [this] { accept(); });
}

TWaterSourceForm::TWaterSourceForm(platform::Services& services, QWidget* parent)
    : SourcesForm(services, "WaterSourceForm", kCaption, WaterSourceButtons(), parent) {}

TEnergySourceForm::TEnergySourceForm(platform::Services& services, QWidget* parent)
    : SourcesForm(services, "EnergySourceForm", kCaption, EnergySourceButtons(), parent) {}

} // namespace pelmora
