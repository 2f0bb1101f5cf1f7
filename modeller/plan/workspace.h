// Everything the modeller's forms work on: the house model, the material database with the editors'
// table components, and the plan editor's selection and scale.  The application owns one; tests make
// their own.
#pragma once

#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/plan/plan_scale.h"
#include "modeller/plan/plan_selection.h"

namespace pelmora {

struct Workspace {
    HouseModel model;
    MaterialDatabase Database1;
    MaterialTables tables{Database1};
    PlanSelection selection;
    PlanScale scale;
};

} // namespace pelmora
