#include "modeller/editors/obstruction_editor.h"

#include "modeller/editors/editor_controls.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace pelmora {

std::string obstruction_text::DistanceRefused(double d) {
    return "D is the distance of the obstruction from the house and must be more than 0 m: at " +
           FixedText(d, 2) + " m the obstruction would stand inside or behind the walls that face it.";
}

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
    distanceBeforeTyping_.reset();
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
    if (value == Value::D && !distanceBeforeTyping_) distanceBeforeTyping_ = field(value);
    const std::optional<double> number = ReadNumber(text);
    if (!number) return Typed::Refused;
    field(value) = *number;
    return Typed::Stored;
}

std::string ObstructionEditor::EndTyping(Value value) {
    if (value != Value::D) return {};
    const std::optional<double> before = std::exchange(distanceBeforeTyping_, std::nullopt);
    const double typed = field(value); // m
    if (!before || typed > 0.0) return {};
    field(value) = *before;
    return obstruction_text::DistanceRefused(typed);
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
    distanceBeforeTyping_.reset();
    clear(selected());
}

void ObstructionEditor::DeleteAll() {
    distanceBeforeTyping_.reset();
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
    distanceBeforeTyping_.reset();
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
