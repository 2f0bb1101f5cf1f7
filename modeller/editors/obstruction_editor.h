// The site obstructions editor: up to three obstructions in front of each of the four sides of the
// plan, each with its distance, its two ends along the side, its height and a monthly shading
// schedule.  Every accepted value goes into the model at once; Cancel puts back every obstruction as
// the editor found it when it started.
#pragma once

#include "modeller/editors/element_clipboard.h"
#include "modeller/model/house_model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

namespace obstruction_text {
// The refusal of a distance D of `d` m (written with two decimals).
std::string DistanceRefused(double d);
} // namespace obstruction_text

class ObstructionEditor {
  public:
    using MonthlyShading = common::FixedArray1<std::int32_t, 1, 12>; // % of each month

    // The four values of an obstruction, as the dialog shows them.
    enum class Value { L1, L2, D, H };
    // What became of a typed text.
    enum class Typed {
        Stored,  // a number: it is the obstruction's value now
        Refused, // not a number: the obstruction keeps its value
    };

    ObstructionEditor(HouseModel& model, ElementClipboard& clipboard)
        : model_(model), clipboard_(clipboard) {}

    // Keeps the site's obstructions as they are, for Cancel, and selects side 1 (top of the plan) and
    // obstruction 1, as every showing of the dialog starts.
    void Start();
    // Puts back every obstruction as it was at Start.
    void Cancel();
    // Selects obstruction `obstruction` (1..3) of side `side` (1 top, 2 right, 3 bottom, 4 left) and
    // takes its values into the editor.
    void Select(int side, int obstruction);
    int Side() const { return side_; }
    int Obstruction() const { return obstruction_; }

    double Shown(Value value) const;
    // The text a value box shows: fixed notation with 2 decimals.
    std::string Text(Value value) const;
    // A text typed into a value box.  A number is taken at once, negative ones too: L1 and L2 are
    // measured along the side from the house's end, and an obstruction may start before it.
    Typed Type(Value value, std::string_view text);
    // Judges the value of a box when its typing ends.  D is the distance of the obstruction from the
    // house: at 0 m or less the obstruction would stand inside or behind the walls facing it, so it is
    // refused and D is again what it was before the typing.  Returns the refusal's message, empty
    // when the value stands.
    std::string EndTyping(Value value);

    // The selected obstruction's monthly shading (the schedule buffer).
    const MonthlyShading& Shading() const { return selected().Shading; }
    void SetShading(const MonthlyShading& shading);
    // True when some month of the selected obstruction is not fully shading (100 %).
    bool Shaded() const;

    // Clears the selected obstruction: no size, the default monthly shading.
    void Delete();
    // Clears the three obstructions of the selected side.
    void DeleteAll();
    // The obstructions of the selected side, other than the selected one, that hold a size or a
    // schedule of their own: what DeleteAll would clear unseen.
    std::vector<int> UnseenObstructionsHeld() const;

    void Copy();
    bool CanPaste() const { return clipboard_.Valid(ClipboardEntry::Obstructions); }
    void Paste();

  private:
    TObstructionRec& selected() { return model_.SiteObstructions(side_)(obstruction_); }
    const TObstructionRec& selected() const { return model_.SiteObstructions(side_)(obstruction_); }
    double& field(Value value);
    const double& field(Value value) const;
    void clear(TObstructionRec& obstruction) const;

    bool holdsSomething(const TObstructionRec& obstruction) const;

    HouseModel& model_;
    ElementClipboard& clipboard_;
    decltype(HouseModel::SiteObstructions) started_{}; // as they were at Start
    int side_ = 1;
    int obstruction_ = 1;
    // D of the selected obstruction before the typing under way, while D is being typed.
    std::optional<double> distanceBeforeTyping_;
};

} // namespace pelmora
