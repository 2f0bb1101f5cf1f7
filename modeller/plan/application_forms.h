// The program's forms, created once at start-up in their order (the main window first) and kept
// until the program ends, with the services they share.
#pragma once

#include "modeller/editors/air_gap_form.h"
#include "modeller/editors/ceiling_form.h"
#include "modeller/editors/cust_win_form.h"
#include "modeller/editors/door_form.h"
#include "modeller/editors/element_editor.h"
#include "modeller/editors/ext_floor_form.h"
#include "modeller/editors/ext_wall_form.h"
#include "modeller/editors/floor_cover_form.h"
#include "modeller/editors/glazing_form.h"
#include "modeller/editors/int_ceiling_form.h"
#include "modeller/editors/int_wall_form.h"
#include "modeller/editors/obstruction_form.h"
#include "modeller/editors/roof_form.h"
#include "modeller/editors/select_all_form.h"
#include "modeller/editors/shad_sched_form.h"
#include "modeller/editors/skylight_form.h"
#include "modeller/editors/sun_position_form.h"
#include "modeller/editors/tools_forms.h"
#include "modeller/editors/vert_shad_form.h"
#include "modeller/engine_input/text_file_form.h"
#include "modeller/model/forms/climate_details_form.h"
#include "modeller/model/forms/climate_summary_form.h"
#include "modeller/model/forms/default_form.h"
#include "modeller/model/forms/default_warning_form.h"
#include "modeller/model/forms/energy_forms.h"
#include "modeller/model/forms/internal_gain_form.h"
#include "modeller/model/forms/location_form.h"
#include "modeller/model/forms/location_search_forms.h"
#include "modeller/model/forms/settings_form.h"
#include "modeller/model/forms/source_forms.h"
#include "modeller/model/forms/water_forms.h"
#include "modeller/plan/air_flow_form.h"
#include "modeller/plan/main_form.h"
#include "modeller/plan/new_zone_form.h"
#include "modeller/plan/pic_import_form.h"
#include "modeller/plan/plan_dialogs.h"
#include "modeller/plan/project_details_form.h"
#include "modeller/plan/scale_forms.h"
#include "modeller/plan/stair_form.h"
#include "modeller/plan/workspace.h"
#include "modeller/plan/zone_detail_form.h"
#include "modeller/platform/services.h"
#include "modeller/results/analysis_form.h"
#include "modeller/results/bin_data_form.h"
#include "modeller/results/info_form.h"
#include "modeller/results/short_report_form.h"
#include "modeller/results/temp_display_form.h"

#include <filesystem>
#include <memory>

namespace pelmora {

// The members stand in the creation order, so that they are released in the reverse order: every
// dialog before the main window that is its parent, the editors before what they share.
struct ApplicationForms {
    // Creates every form in the creation order and wires the main window to its dialogs.
    ApplicationForms(Workspace& workspace, platform::Services& services,
                     const std::filesystem::path& executableFolder);
    ~ApplicationForms();

    std::unique_ptr<TMainForm> MainForm;
    // What the element editors share: the clipboard, the picture palette, the buffers and selection.
    std::unique_ptr<EditorContext> Editors;
    std::unique_ptr<TNewZoneForm> NewZoneForm;
    std::unique_ptr<TDoorForm> DoorForm;
    std::unique_ptr<TInfoForm> InfoForm;
    std::unique_ptr<TDefaultForm> DefaultForm;
    std::unique_ptr<TZoneDetailForm> ZoneDetailForm;
    std::unique_ptr<TAirFlowForm> AirFlowForm;
    std::unique_ptr<TSelectAllForm> SelectAllForm;
    std::unique_ptr<TExtWallForm> ExtWallForm;
    std::unique_ptr<TIntWallForm> IntWallForm;
    std::unique_ptr<TExtFloorForm> ExtFloorForm;
    std::unique_ptr<TCeilingForm> CeilingForm;
    std::unique_ptr<TRoofForm> RoofForm;
    std::unique_ptr<TSkylightForm> SkylightForm;
    std::unique_ptr<TGlazingForm> GlazingForm;
    std::unique_ptr<TIntCeilingForm> IntCeilingForm;
    std::unique_ptr<TShadSchedForm> ShadSchedForm;
    std::unique_ptr<TAnalysisForm> AnalysisForm;
    std::unique_ptr<TProjectDetailsForm> ProjectDetailsForm;
    std::unique_ptr<TLocationForm> LocationForm;
    std::unique_ptr<TNameLocationForm> NameLocationForm;
    std::unique_ptr<TPCLocationForm> PCLocationForm;
    std::unique_ptr<TClimateDetailsForm> ClimateDetailsForm;
    std::unique_ptr<TShortReportForm> ShortReportForm;
    std::unique_ptr<TDefaultWarningForm> DefaultWarningForm;
    std::unique_ptr<TStairForm> StairForm;
    std::unique_ptr<TVertShadForm> VertShadForm;
    std::unique_ptr<TCustWinForm> CustWinForm;
    std::unique_ptr<TTextFileForm> TextFileForm;
    std::unique_ptr<TObstructionForm> ObstructionForm;
    std::unique_ptr<TFloorCoverForm> FloorCoverForm;
    std::unique_ptr<TTempDisplayForm> TempDisplayForm;
    std::unique_ptr<TBinDataForm> BinDataForm;
    std::unique_ptr<THistForm> HistForm;
    std::unique_ptr<THistForm2> HistForm2;
    std::unique_ptr<TSettingsForm> SettingsForm;
    std::unique_ptr<TPicImportForm> PicImportForm;
    std::unique_ptr<TMagForm> MagForm;
    std::unique_ptr<TSnapForm> SnapForm;
    std::unique_ptr<TToolsForm> ToolsForm;
    std::unique_ptr<TRValForm> RValForm;
    std::unique_ptr<TInternalGainForm> InternalGainForm;
    std::unique_ptr<TApplianceForm> ApplianceForm;
    std::unique_ptr<TNonZonalEnergyForm> NonZonalEnergyForm;
    std::unique_ptr<TSimpleRForm> SimpleRForm;
    std::unique_ptr<TSunPosForm> SunPosForm;
    std::unique_ptr<TWaterForm> WaterForm;
    std::unique_ptr<TNonZonalWaterForm> NonZonalWaterForm;
    std::unique_ptr<TWaterSourceForm> WaterSourceForm;
    std::unique_ptr<TEnergySourceForm> EnergySourceForm;
    std::unique_ptr<TAirGapForm> AirGapForm;
    std::unique_ptr<TClimateSummaryForm> ClimateSummaryForm;
    // The dialogs that clicks on the plan open, for the plan editor; made once the forms exist.
    std::unique_ptr<ApplicationPlanDialogs> PlanDialogs;
};

} // namespace pelmora
