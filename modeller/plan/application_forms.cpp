#include "modeller/plan/application_forms.h"

#include "modeller/model/house_file.h"

#include <utility>

namespace pelmora {

namespace {

// Creates a dialog and hands it to the main window for its placement and help topic.
template <class Form, class... Args> std::unique_ptr<Form> create(TMainForm& main, Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    main.addDialog(form.get());
    return form;
}

} // namespace

ApplicationForms::ApplicationForms(Workspace& workspace, platform::Services& services,
                                   const std::filesystem::path& executableFolder) {
    MainForm = std::make_unique<TMainForm>(workspace, services);
    MainForm->FormCreate(executableFolder);
    MainForm->HouseFiles.Read = [](HouseModel& model) { ReadHouseFile(model); };
    MainForm->HouseFiles.Write = [](const HouseModel& model) { WriteHouseFile(model); };
    TMainForm& main = *MainForm;
    HouseModel& model = workspace.model;
    const std::int32_t& currentZone = workspace.selection.CurrentZone;

    Editors = std::make_unique<EditorContext>(model, workspace.tables, workspace.buffers, workspace.selection,
                                              services.messages);
    Editors->main.InsertWindowDown = [&main] { return main.SBInsertWindow->isDown(); };
    Editors->main.InsertDoorDown = [&main] { return main.SBInsertDoor->isDown(); };
    Editors->main.ClearStatus = [&main] { main.StatusBar1->setPanelText(0, QString()); };

    // The creation order.
    NewZoneForm = create<TNewZoneForm>(main, model, Editors->palette, services, currentZone, &main);
    DoorForm = create<TDoorForm>(main, *Editors, services, &main);
    InfoForm = create<TInfoForm>(main, model, workspace.tables, main, workspace.selection.CurrentZone,
                                 workspace.selection.DetailedReportOpen, services, &main);
    DefaultForm = create<TDefaultForm>(main, model, workspace.tables, services, *main.StatusBar1, &main);
    ZoneDetailForm = create<TZoneDetailForm>(main, model, services, currentZone, &main);
    AirFlowForm = create<TAirFlowForm>(main, model, services, currentZone, &main);
    SelectAllForm = create<TSelectAllForm>(main, Editors->palette, services, &main);
    ExtWallForm = create<TExtWallForm>(main, *Editors, services, &main);
    IntWallForm = create<TIntWallForm>(main, *Editors, services, &main);
    ExtFloorForm = create<TExtFloorForm>(main, *Editors, services, &main);
    CeilingForm = create<TCeilingForm>(main, *Editors, services, &main);
    RoofForm = create<TRoofForm>(main, *Editors, services, &main);
    SkylightForm = create<TSkylightForm>(main, *Editors, services, &main);
    GlazingForm = create<TGlazingForm>(main, *Editors, services, &main);
    IntCeilingForm = create<TIntCeilingForm>(main, *Editors, services, &main);
    ShadSchedForm = create<TShadSchedForm>(main, model, services, &main);
    AnalysisForm = create<TAnalysisForm>(main, model, main.history(), main.ratingTables(), main.ratingPanel(),
                                         services, &main);
    ProjectDetailsForm = create<TProjectDetailsForm>(main, model, services, main, &main);
    LocationForm = create<TLocationForm>(
        main, model, services, MainSiteLabels{main.LocationLabel, main.PCLabel, main.ClimateLabel}, &main);
    NameLocationForm = create<TNameLocationForm>(main, model, *LocationForm, &main);
    PCLocationForm = create<TPCLocationForm>(main, model, *LocationForm, &main);
    ClimateDetailsForm = create<TClimateDetailsForm>(main, model, *LocationForm, &main);
    ShortReportForm =
        create<TShortReportForm>(main, model, main.history(), main.ratingTables(), services, &main);
    DefaultWarningForm = create<TDefaultWarningForm>(main, model, services, &main);
    StairForm = create<TStairForm>(main, model, workspace.selection, services, &main);
    VertShadForm = create<TVertShadForm>(main, *Editors, services, &main);
    CustWinForm = create<TCustWinForm>(main, model, workspace.buffers, services, &main);
    TextFileForm = create<TTextFileForm>(main, services.help, &main);
    ObstructionForm = create<TObstructionForm>(main, model, Editors->clipboard, services, &main);
    FloorCoverForm = create<TFloorCoverForm>(main, *Editors, services, &main);
    TempDisplayForm = create<TTempDisplayForm>(main, model, services, &main);
    BinDataForm = create<TBinDataForm>(main, model, TempDisplayForm->display(), services, &main);
    // Shown beside the modal distribution dialog and usable while it is open, so it is their window.
    HistForm = create<THistForm>(main, BinDataForm->bins(), services, BinDataForm.get());
    HistForm2 = create<THistForm2>(main, BinDataForm->bins(), services, BinDataForm.get());
    SettingsForm = create<TSettingsForm>(main, model, services, &main);
    PicImportForm = create<TPicImportForm>(main, model, workspace.scale, services, main, &main);
    MagForm = create<TMagForm>(main, model, workspace.scale, services, main, &main);
    SnapForm = create<TSnapForm>(main, model, workspace.scale, services, main, &main);
    ToolsForm = create<TToolsForm>(main, services, &main);
    RValForm = create<TRValForm>(main, executableFolder, services, &main);
    InternalGainForm = create<TInternalGainForm>(main, model, services, *main.StatusBar1, &main);
    ApplianceForm = create<TApplianceForm>(main, model, services, currentZone, &main);
    // Shown beside the appliance dialog and usable while it is open, so it is that dialog's window.
    NonZonalEnergyForm = create<TNonZonalEnergyForm>(main, model, services, ApplianceForm.get());
    SimpleRForm = create<TSimpleRForm>(main, executableFolder, services, &main);
    SunPosForm = create<TSunPosForm>(main, executableFolder, services, &main);
    WaterForm = create<TWaterForm>(main, model, services, currentZone, &main);
    NonZonalWaterForm = create<TNonZonalWaterForm>(main, services, &main);
    WaterSourceForm = create<TWaterSourceForm>(main, services, &main);
    EnergySourceForm = create<TEnergySourceForm>(main, services, &main);
    AirGapForm = create<TAirGapForm>(main, executableFolder, services, &main);
    // Opened from the modal climate details dialog and usable beside it, so it is that dialog's window.
    ClimateSummaryForm = create<TClimateSummaryForm>(main, model, *LocationForm, ClimateDetailsForm.get());

    // The dialogs that open other dialogs.
    SettingsForm->InternalGainForm = InternalGainForm.get();
    ToolsForm->SimpleRForm = SimpleRForm.get();
    ToolsForm->RValForm = RValForm.get();
    ToolsForm->SunPosForm = SunPosForm.get();
    ToolsForm->AirGapForm = AirGapForm.get();
    ObstructionForm->ShowSchedule = [form = ShadSchedForm.get()](ObstructionEditor::MonthlyShading& months) {
        form->Edit(months);
    };
    // The side buttons carry the bearings the compass shows for the four sides of the plan.
    ObstructionForm->SideBearings = [&main] {
        return std::array<QString, 4>{main.NorthEB->text(), main.lbBearingRight->text(),
                                      main.lbBearingBottom->text(), main.lbBearingLeft->text()};
    };
    ApplianceForm->NonZonalEnergyForm = NonZonalEnergyForm.get();
    WaterForm->NonZonalWaterForm = NonZonalWaterForm.get();
    ZoneDetailForm->AirFlowForm = AirFlowForm.get();
    ZoneDetailForm->StairForm = StairForm.get();
    ZoneDetailForm->ApplianceForm = ApplianceForm.get();
    ZoneDetailForm->WaterForm = WaterForm.get();
    ZoneDetailForm->ExtFloorForm = ExtFloorForm.get();
    ZoneDetailForm->IntCeilingForm = IntCeilingForm.get();
    ZoneDetailForm->FloorCoverForm = FloorCoverForm.get();
    ZoneDetailForm->CeilingForm = CeilingForm.get();
    ZoneDetailForm->RoofForm = RoofForm.get();
    ZoneDetailForm->SkylightForm = SkylightForm.get();
    ZoneDetailForm->ShowDetailedReport = [report = InfoForm.get(), &currentZone] {
        report->ShowStartingOn(currentZone);
    };
    StairForm->ClearStatus = [&main] { main.StatusBar1->setPanelText(0, QString()); };
    AnalysisForm->TempDisplayForm = TempDisplayForm.get();
    TempDisplayForm->BinDataForm = BinDataForm.get();
    BinDataForm->HistForm = HistForm.get();
    BinDataForm->HistForm2 = HistForm2.get();

    DefaultForm->ExtWallForm = ExtWallForm.get();
    DefaultForm->IntWallForm = IntWallForm.get();
    DefaultForm->DoorForm = DoorForm.get();
    DefaultForm->ExtFloorForm = ExtFloorForm.get();
    DefaultForm->IntCeilingForm = IntCeilingForm.get();
    DefaultForm->FloorCoverForm = FloorCoverForm.get();
    DefaultForm->GlazingForm = GlazingForm.get();
    GlazingForm->editor().ShowCustomWindows = [form = CustWinForm.get()] { form->ShowModal(); };
    SkylightForm->editor().CustWinForm = [form = CustWinForm.get()] { form->ShowModal(); };
    GlazingForm->editor().ShowVerticalShading = [form = VertShadForm.get()] { form->ShowModal(); };
    GlazingForm->editor().ShowSchedule = [form = ShadSchedForm.get()](MonthlyPercent& months) {
        form->Edit(months);
    };
    ShadSchedForm->SetStatus = [&main](const QString& text) { main.StatusBar1->setPanelText(0, text); };
    DefaultForm->CeilingForm = CeilingForm.get();
    DefaultForm->RoofForm = RoofForm.get();
    DefaultForm->SkylightForm = SkylightForm.get();
    DefaultForm->RedrawPlan = [&main] { main.DrawAllOnCurrentLevel(); };
    DefaultWarningForm->RedrawPlan = [&main] { main.DrawAllOnCurrentLevel(); };
    // An editor opened from the defaults dialog changes existing elements through the warning dialog.
    for (ElementEditorForm* editor :
         {static_cast<ElementEditorForm*>(ExtWallForm.get()),
          static_cast<ElementEditorForm*>(IntWallForm.get()), static_cast<ElementEditorForm*>(DoorForm.get()),
          static_cast<ElementEditorForm*>(ExtFloorForm.get()),
          static_cast<ElementEditorForm*>(IntCeilingForm.get()),
          static_cast<ElementEditorForm*>(FloorCoverForm.get()),
          static_cast<ElementEditorForm*>(CeilingForm.get()), static_cast<ElementEditorForm*>(RoofForm.get()),
          static_cast<ElementEditorForm*>(SkylightForm.get())})
        editor->elementEditor().ShowDefaultWarning = [warning = DefaultWarningForm.get(), editor] {
            warning->ShowFor(editor->elementEditor());
        };
    GlazingForm->editor().ShowDefaultWarning = [warning = DefaultWarningForm.get(),
                                                form = GlazingForm.get()] {
        warning->ShowFor(form->elementEditor());
    };

    // The main window's buttons.
    main.Dialogs.DefaultForm = DefaultForm.get();
    main.Dialogs.ObstructionForm = ObstructionForm.get();
    main.Dialogs.TextFileForm = TextFileForm.get();
    main.Dialogs.ToolsForm = ToolsForm.get();
    main.Dialogs.AnalysisForm = AnalysisForm.get();
    main.Dialogs.ProjectDetailsForm = ProjectDetailsForm.get();
    main.Dialogs.LocationForm = LocationForm.get();
    main.Dialogs.NameLocationForm = NameLocationForm.get();
    main.Dialogs.PCLocationForm = PCLocationForm.get();
    main.Dialogs.ShortReportForm = ShortReportForm.get();
    main.Dialogs.InfoForm = InfoForm.get();
    main.Dialogs.MagForm = MagForm.get();
    main.Dialogs.SnapForm = SnapForm.get();
    main.Dialogs.SettingsForm = SettingsForm.get();
    main.Dialogs.ApplianceForm = ApplianceForm.get();
    main.Dialogs.WaterForm = WaterForm.get();
    main.Dialogs.WaterSourceForm = WaterSourceForm.get();
    main.Dialogs.EnergySourceForm = EnergySourceForm.get();
    main.Dialogs.PicImportForm = PicImportForm.get();

    // Clicks on the plan.
    PlanDialogs = std::make_unique<ApplicationPlanDialogs>(model, workspace.selection);
    PlanDialogs->ExtWall = ExtWallForm.get();
    PlanDialogs->IntWall = IntWallForm.get();
    PlanDialogs->Door = DoorForm.get();
    PlanDialogs->NewZone = NewZoneForm.get();
    PlanDialogs->ZoneDetail = ZoneDetailForm.get();
    PlanDialogs->Stair = StairForm.get();
    PlanDialogs->Glazing = GlazingForm.get();
    PlanDialogs->Skylight = SkylightForm.get();
    main.planEditor().Dialogs = PlanDialogs.get();
}

ApplicationForms::~ApplicationForms() {
    // The members go in the reverse of their order; the plan editor must not reach its dialogs then.
    MainForm->planEditor().Dialogs = nullptr;
}

} // namespace pelmora
