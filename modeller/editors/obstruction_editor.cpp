#include "modeller/editors/obstruction_editor.h"

#include "modeller/editors/editor_controls.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace pelmora {

void ObstructionEditor::Start() {
    started_ = model_.SiteObstructions;
    Select(1, 1);
}

void ObstructionEditor::Cancel() {
    model_.SiteObstructions = started_;
}

void ObstructionEditor::Select(int side, int obstruction) {
    assert(side >= 1 && side <= 4 && obstruction >= 1 && obstruction <= 3);
    side_ = side;
    obstruction_ = obstruction;
}

double& ObstructionEditor::field(Value value) {
    return const_cast<double&>(std::as_const(*this).field(value));
}

const double& ObstructionEditor::field(Value value) const {
    const TObstructionRec& ob = selected();
    switch (value) {
    case Value::L1:
        return ob.L1;
    case Value::L2:
        return ob.L2;
    case Value::D:
        return ob.D;
    case Value::H:
        break;
    }
    return ob.H;
}

double ObstructionEditor::Shown(Value value) const {
    return field(value);
}

std::string ObstructionEditor::Text(Value value) const {
    return FixedText(Shown(value), 2);
}

ObstructionEditor::Typed ObstructionEditor::Type(Value value, std::string_view text) {
    const std::optional<double> number = ReadNumber(text);
    if (!number) return Typed::Refused;
    field(value) = *number;
    return Typed::Stored;
}

void ObstructionEditor::SetShading(const MonthlyShading& shading) {
    selected().Shading = shading;
}

bool ObstructionEditor::Shaded() const {
    const MonthlyShading& s = Shading();
    for (int month = 1; month <= 12; ++month)
        if (s(month) != 100) return true;
    return false;
}

void ObstructionEditor::clear(TObstructionRec& obstruction) const {
    obstruction.D = obstruction.L1 = obstruction.L2 = obstruction.H = 0.0;
    obstruction.Shading = model_.DefaultObstructionShading;
}

void ObstructionEditor::Delete() {
    clear(selected());
}

void ObstructionEditor::DeleteAll() {
    for (int k = 1; k <= 3; ++k) clear(model_.SiteObstructions(side_)(k));
}

bool ObstructionEditor::holdsSomething(const TObstructionRec& obstruction) const {
    return obstruction.D != 0.0 || obstruction.L1 != 0.0 || obstruction.L2 != 0.0 || obstruction.H != 0.0 ||
           obstruction.Shading != model_.DefaultObstructionShading;
}

std::vector<int> ObstructionEditor::UnseenObstructionsHeld() const {
    std::vector<int> unseen;
    for (int k = 1; k <= 3; ++k)
        if (k != obstruction_ && holdsSomething(model_.SiteObstructions(side_)(k))) unseen.push_back(k);
    return unseen;
}

void ObstructionEditor::Copy() {
    const TObstructionRec& ob = selected();
    clipboard_.Obstruction = {ob.D, ob.H, ob.L1, ob.L2, ob.Shading};
    clipboard_.Valid(ClipboardEntry::Obstructions) = true;
}

void ObstructionEditor::Paste() {
    if (!CanPaste()) return;
    const ObstructionCopy& c = clipboard_.Obstruction;
    TObstructionRec& ob = selected();
    ob.D = c.D;
    ob.H = c.H;
    ob.L1 = c.L1;
    ob.L2 = c.L2;
    ob.Shading = c.Shading;
}

} // namespace pelmora
