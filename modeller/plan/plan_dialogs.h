// The dialogs that a click on the plan opens.  The plan editor sets the selection and hand-over state
// of PlanSelection (CurrentZone, CurrentWall, CurrentWindow, CurrentDoor, OtherZone, OtherWall and the
// one-shot flags) before each call, and reads back what the dialog reports; each call runs its dialog
// modally and returns once it has closed.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/plan/plan_selection.h"

#include <cstdint>
#include <string>

namespace pelmora {

class TDoorForm;
class TExtWallForm;
class TGlazingForm;
class TIntWallForm;
class TNewZoneForm;
class TSkylightForm;
class TStairForm;
class TZoneDetailForm;

class PlanDialogs {
  public:
    virtual ~PlanDialogs() = default;

    // The new-zone dialog (TNewZoneForm) for zone slot CurrentZone, which is ZoneCount + 1 and always
    // a slot of the zone table.  OK writes the new zone's name (its first 15 characters), type,
    // colour, heating and cooling flags and air-movement values into Zones(CurrentZone) and returns
    // true (NewZoneArmed); Cancel returns false and leaves the slot as it was.  The plan editor keeps
    // those values and gives them to the slot that the outline takes at its first point.
    virtual bool NewZoneForm() = 0;
    // The zone details dialog (TZoneDetailForm) for zone CurrentZone.  Returns ZoneDetailColour, the
    // colour that the zone takes once the dialog has closed.
    virtual std::int32_t ZoneDetailForm() = 0;
    // The stairs and voids dialog (TStairForm), opened with InsertStairMode set: adds a stairwell
    // from CurrentZone down to OtherZone (or refuses it at the limit) and clears InsertStairMode.
    virtual void StairForm() = 0;
    // The external wall editor (TExtWallForm) for wall CurrentWall of CurrentZone.
    virtual void ExtWallForm() = 0;
    // The internal wall editor (TIntWallForm).  With IntWallMode: internal wall CurrentWall (1..10)
    // of CurrentZone; with NewIntWall as well the wall was just drawn and starts from the level's
    // defaults, and Cancel sets ElementDeleted so that the plan editor removes it again.  Without
    // IntWallMode: the partition between wall CurrentWall of CurrentZone and wall OtherWall of
    // OtherZone.
    virtual void IntWallForm() = 0;
    // The door editor (TDoorForm) with `caption` for door CurrentDoor of wall CurrentWall of
    // CurrentZone (through into OtherWall of OtherZone when OtherZone is not 0).  With `inserting`
    // the door was just placed: it starts from the level's defaults, OK clears ElementDeleted and
    // Cancel sets it so that the plan editor removes the door again.
    virtual void DoorForm(const std::string& caption, bool inserting) = 0;
    // The window editor (TGlazingForm) for window CurrentWindow of wall CurrentWall of CurrentZone;
    // `inserting` as for doors.
    virtual void GlazingForm(bool inserting) = 0;
    // The skylight editor (TSkylightForm) for CurrentZone, opened with InsertSkylightMode set: it adds
    // a skylight with the level's defaults (or refuses it at the limit) and clears InsertSkylightMode.
    virtual void SkylightForm() = 0;
};

// The program's plan dialogs.  Where a dialog is not part of the program yet, nothing opens, and what
// was being added takes its defaults as that dialog's OK would give them: a new zone the factory
// new-zone options, a new window, door or internal wall its level's defaults.  No skylight or
// stairwell is added and no existing element changes.
class ApplicationPlanDialogs : public PlanDialogs {
  public:
    ApplicationPlanDialogs(HouseModel& model, PlanSelection& selection)
        : model_(model), selection_(selection) {}

    // The dialogs of the program, set as the program creates them.
    TExtWallForm* ExtWall = nullptr;
    TIntWallForm* IntWall = nullptr;
    TDoorForm* Door = nullptr;
    TNewZoneForm* NewZone = nullptr;
    TZoneDetailForm* ZoneDetail = nullptr;
    TStairForm* Stair = nullptr;
    TGlazingForm* Glazing = nullptr;
    TSkylightForm* Skylight = nullptr;

    bool NewZoneForm() override;
    std::int32_t ZoneDetailForm() override;
    void StairForm() override;
    void ExtWallForm() override;
    void IntWallForm() override;
    void DoorForm(const std::string& caption, bool inserting) override;
    void GlazingForm(bool inserting) override;
    void SkylightForm() override;

  private:
    HouseModel& model_;
    PlanSelection& selection_;
};

} // namespace pelmora
