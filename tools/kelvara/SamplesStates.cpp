// Sample resource states, use profiles and spatial use profiles for the demo project: the display
// statuses a site team tracks resources through, and how tasks show the entities they install,
// remove or use for a while.
#include "Samples.h"

#include <string>

#include "kelvara/framework/CProjectConstants.h"

namespace {

CString named(const wchar_t* stem, int copy, int scale) {
    return scale > 1 ? CString(stem) + CString(L" ") + CString(std::to_wstring(copy + 1)) : CString(stem);
}

CResourceState state(const CString& name, const CProjectColorRGB& color, int transparency, bool visible) {
    CResourceState s(name);
    s.setID(CResourceStateID::generated());
    s.setColor(color);
    s.setUseOriginalTransparency(transparency < 0);
    if (transparency >= 0) s.setTransparency(transparency);
    s.setVisible(visible);
    return s;
}

void addResourceStates(CProjectDocument& project, int scale) {
    CResourceStateArray& states = project.getResourceStateRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        CResourceState delivered = state(named(L"Delivered", s, scale), CProjectColorRGB(1.0f, 0.75f, 0.0f), -1, true);
        (void)delivered.insertSubState(state(L"Stored on site", CProjectColorRGB(0.9f, 0.6f, 0.1f), 40, true), 0);
        (void)delivered.insertSubState(state(L"Rejected", CProjectColorRGB(0.9f, 0.1f, 0.1f), 60, true), 1);

        CResourceState installed = state(named(L"Installed", s, scale), CProjectColorRGB(0.0f, 0.7f, 0.2f), -1, true);
        CResourceState inspected = state(L"Inspected", CProjectColorRGB(0.1f, 0.5f, 0.9f), -1, true);
        (void)inspected.insertSubState(state(L"Snagged", CProjectColorRGB(1.0f, 0.4f, 0.7f), -1, true), 0);
        (void)installed.insertSubState(inspected, 0);

        states.Add(state(named(L"Ordered", s, scale), CProjectColorRGB(0.7f, 0.7f, 0.7f), 80, true));
        states.Add(delivered);
        states.Add(installed);
        states.Add(state(named(L"Removed", s, scale), CProjectColorRGB(0.3f, 0.3f, 0.3f), 100, false));
    }
}

// Shown as the entity is, at every moment.
CEntityAppearance asItIs() { return CEntityAppearance(); }

CEntityAppearance colored(unsigned long colorref, int startTransparency, int finishTransparency) {
    CEntityAppearance appearance;
    appearance.setColor(CProjectColorRGB(colorref));
    appearance.setUseOriginalColor(false);
    appearance.setUseOriginalTransparency(false);
    appearance.setStartTransparency(startTransparency);
    if (finishTransparency != startTransparency) appearance.setFinishTransparency(finishTransparency);
    return appearance;
}

CEntityAppearance hidden() {
    CEntityAppearance appearance;
    appearance.setUseOriginalTransparency(false);
    appearance.setTransparency(100);
    return appearance;
}

CUseProfile profile(const CString& name, int type, const CEntityAppearance& start, const CEntityAppearance& active,
                    const CEntityAppearance& end, const CUserID& user, const CCompanyID& company) {
    CUseProfile p(name);
    p.setID(CUseProfileID::generated());
    p.setType(CResourceProfileType(type));
    p.setStartAppearance(start);
    p.setActiveAppearance(active);
    p.setEndAppearance(end);
    p.setUserID(user);
    p.setCompanyID(company);
    return p;
}

void addUseProfiles(CProjectDocument& project, int scale) {
    const CUserID planner = CUserID::generated();
    const CCompanyID contractor = CCompanyID::generated();
    CUseProfileArray& profiles = project.getUseProfileRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        // New construction fades in while it grows upwards with the task's progress.
        CEntityAppearance growing = colored(CProjectConstants::getDefaultInstallUseProfileColor(), 90, 0);
        growing.setAnimationType(CUseProfileAnimationType(CUseProfileAnimationType::Grow));
        growing.setGrowDirection(CGraphicalVector3D(0.0f, 0.0f, 1.0f));
        growing.setGrowthSimulationBasedOnPercentComplete(true);
        CUseProfile install =
            profile(named(L"New construction", s, scale), CResourceProfileType::Install, hidden(), growing, asItIs(),
                    planner, contractor);
        install.setIsDefaultProfile(s == 0);

        CEntityAppearance pouring = growing;
        pouring.setGrowthSimulationBasedOnPercentComplete(false);
        pouring.setGrowthSimulationPauseDuringNonWorkingTime(true);
        (void)install.insertSubUseProfile(0, profile(L"In-situ concrete", CResourceProfileType::Install, hidden(),
                                                     pouring, asItIs(), planner, contractor));
        CEntityAppearance lifting = growing;
        lifting.setGrowDirection(CGraphicalVector3D(0.0f, -1.0f, 0.0f));
        (void)install.insertSubUseProfile(1, profile(L"Precast frame", CResourceProfileType::Install, hidden(),
                                                     lifting, asItIs(), planner, contractor));
        profiles.Add(install);

        // Demolition fades the entity out and leaves nothing behind.
        CEntityAppearance fading = colored(CProjectConstants::getDefaultRemoveUseProfileColor(), 0, 100);
        fading.setAnimationType(CUseProfileAnimationType(CUseProfileAnimationType::Shrink));
        fading.setGrowDirection(CGraphicalVector3D(0.0f, 0.0f, -1.0f));
        profiles.Add(profile(named(L"Demolition", s, scale), CResourceProfileType::Remove, asItIs(), fading, hidden(),
                             planner, contractor));

        // Temporary works stand in half-transparent red only while the task runs.
        profiles.Add(profile(named(L"Temporary works", s, scale), CResourceProfileType::Temporary, hidden(),
                             colored(CProjectConstants::getDefaultTemporaryUseProfileColor(), 50, 50), hidden(),
                             planner, contractor));
        profiles.Add(profile(named(L"Maintenance", s, scale), CResourceProfileType::Maintain, asItIs(),
                             colored(CProjectConstants::getDefaultMaintainUseProfileColor(), 20, 20), asItIs(),
                             planner, contractor));
    }
}

void addSpatialUseProfiles(CProjectDocument& project, int scale) {
    const struct {
        const wchar_t* name;
        int type;
        double tolerance;  // in project distance units
    } kinds[] = {{L"Hard clash", CJoinTestProfileType::Intersection, 0.0},
                 {L"Joints touch", CJoinTestProfileType::Touching, 0.01},
                 {L"Crane clearance", CJoinTestProfileType::Clearance, 2.5}};
    const CCompanyID contractor = CCompanyID::generated();
    CSpatialUseProfileArray& profiles = project.getSpatialUseProfileRoot().getArray();
    for (int s = 0; s < scale; ++s)
        for (const auto& k : kinds) {
            CSpatialUseProfile p;
            p.setID(CSpatialUseProfileID::generated());
            p.setName(CProjectString(named(k.name, s, scale)));
            p.setJoinTestProfileType(CJoinTestProfileType(k.type));
            p.setTolerance(CProjectDouble(k.tolerance));
            p.setCompanyID(contractor);
            profiles.Add(p);
        }
}

}  // namespace

void addResourceStatesAndProfiles(CProjectDocument& project, int scale) {
    addResourceStates(project, scale);
    addUseProfiles(project, scale);
    addSpatialUseProfiles(project, scale);
}
