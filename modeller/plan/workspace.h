// Everything the modeller's forms work on: the house model, the material database with the editors'
// table components, the editors' buffers (which the engine input writer also uses as its working
// storage), and the plan editor's selection and scale.  The application owns one; tests make
// their own.
#pragma once

#include "modeller/model/editor_buffers.h"
#include "modeller/model/house_model.h"
#include "modeller/model/material_catalogue.h"
#include "modeller/plan/plan_scale.h"
#include "modeller/plan/plan_selection.h"

namespace pelmora {

struct Workspace {
    HouseModel model;
    MaterialDatabase Database1;
    MaterialTables tables{Database1};
    EditorBuffers buffers;
    PlanSelection selection;
    PlanScale scale;
};

} // namespace pelmora
