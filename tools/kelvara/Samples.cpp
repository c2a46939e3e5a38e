#include "Samples.h"

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

using Rng = std::mt19937_64;

CString numbered(const wchar_t* stem, int i) { return CString(stem) + CString(std::to_wstring(i + 1)); }

constexpr std::int64_t kDay = 24LL * 3600 * 1000;
constexpr std::int64_t kProjectStart = 1767225600000LL;  // 2026-01-01

void addCodes(CProjectDocument& project, int scale) {
    struct Tree {
        const wchar_t* code;
        std::vector<std::pair<const wchar_t*, std::vector<const wchar_t*>>> values;
    };
    const Tree trees[] = {
        {L"Phase", {{L"Enabling works", {}}, {L"Substructure", {L"Piling", L"Ground beams"}},
                    {L"Superstructure", {L"Level 1", L"Level 2", L"Roof"}}, {L"Fit-out", {}}}},
        {L"Area", {{L"Zone A", {L"Core", L"Wing"}}, {L"Zone B", {}}}},
        {L"Trade", {{L"Concrete", {}}, {L"Steel", {}}, {L"Mechanical", {L"HVAC", L"Plumbing"}}, {L"Electrical", {}}}},
    };
    CCodeArray& codes = project.getCodeRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        for (const Tree& tree : trees) {
            CCode code;
            code.setName(CProjectString(scale > 1 ? numbered(tree.code, s) : CString(tree.code)));
            float hue = 0.1f;
            for (const auto& [name, children] : tree.values) {
                CCodeValue value;
                value.setID(CCodeValueID::generated());
                value.setName(CProjectString(name));
                value.setBarColor(CProjectColorRGB(hue, 1.0f - hue, 0.5f));
                hue += 0.2f;
                for (const wchar_t* childName : children) {
                    CCodeValue child;
                    child.setID(CCodeValueID::generated());
                    child.setName(CProjectString(childName));
                    child.setDescription(CProjectString(CString(L"Part of ") + name));
                    value.insertSubCodeValue(-1, child);
                }
                code.insertCodeValue(-1, value);
            }
            codes.Add(code);
        }
    }
}

void addUserFields(CProjectDocument& project, int scale) {
    const struct {
        const wchar_t* name;
        int type;
        bool draw;
    } fields[] = {{L"Contractor", CUserFieldType::Text, false},
                  {L"Crew size", CUserFieldType::Integer, true},
                  {L"Budget", CUserFieldType::Cost, true},
                  {L"Inspection date", CUserFieldType::Date, false}};
    CUserFieldArray& list = project.getUserFieldRoot().getArray();
    for (int s = 0; s < scale; ++s)
        for (const auto& f : fields) {
            CUserField field;
            field.setName(CProjectString(scale > 1 ? numbered(f.name, s) : CString(f.name)));
            field.setType(CUserFieldType(f.type));
            field.setDraw(CProjectBool(f.draw));
            field.setCommentary(CProjectString(L"Recorded by the site team"));
            list.Add(field);
        }
}

void addTaskStatesAndCategories(CProjectDocument& project, int scale) {
    const struct {
        const wchar_t* name;
        int status;
        CProjectColorRGB color;
    } states[] = {{L"Not started", CTaskStatus::NotStarted, {0.8f, 0.8f, 0.8f}},
                  {L"In progress", CTaskStatus::InProgress, {1.0f, 0.75f, 0.0f}},
                  {L"Complete", CTaskStatus::Complete, {0.0f, 0.7f, 0.2f}},
                  {L"On hold", CTaskStatus::OnHold, {0.9f, 0.1f, 0.1f}}};
    CTaskStateArray& stateList = project.getTaskStateRoot().getArray();
    for (int s = 0; s < scale; ++s)
        for (const auto& st : states) {
            CTaskState state;
            state.setID(CTaskStateID::generated());
            state.setName(CProjectString(scale > 1 ? numbered(st.name, s) : CString(st.name)));
            state.setIsDefault(st.status == CTaskStatus::NotStarted);
            state.setStatus(CTaskStatus(st.status));
            state.setColor(st.color);
            stateList.Add(state);
        }
    CTaskCategoryArray& categories = project.getTaskCategoryRoot().getArray();
    for (int s = 0; s < scale; ++s)
        for (const wchar_t* name : {L"Milestone", L"Construction", L"Procurement", L"Inspection"})
            categories.Add(CTaskCategory(CProjectString(scale > 1 ? numbered(name, s) : CString(name))));
}

std::vector<CGraphicalImageID> addImages(CProjectDocument& project, int count, Rng& rng) {
    std::vector<CGraphicalImageID> ids;
    CGraphicalImageArray& images = project.getGraphicalImageRoot().getArray();
    for (int i = 0; i < count; ++i) {
        CGraphicalImage image;
        image.setID(CGraphicalImageID::generated());
        image.setName(CProjectString(numbered(L"sky-face-", i)));
        unsigned char pixels[8 * 8 * 4];
        for (unsigned char& p : pixels) p = static_cast<unsigned char>(rng());
        image.setImage(CGraphicalImageFormat(CGraphicalImageFormat::Png), 8, 8, pixels, static_cast<int>(sizeof pixels));
        images.Add(image);
        ids.push_back(image.getID());
    }
    return ids;
}

void addScene(CProjectDocument& project, int scale, Rng& rng) {
    const std::vector<CGraphicalImageID> faces = addImages(project, 6 * scale, rng);

    CSkyBoxArray& skyBoxes = project.getSkyBoxRoot().getArray();
    for (int s = 0; s < scale; ++s) {
        CSkyBox sky(numbered(L"Overcast ", s));
        sky.setID(CSkyBoxID::generated());
        CCubeMap cube;
        const std::size_t b = static_cast<std::size_t>(6 * s);
        cube.setFrontImageID(faces[b]);
        cube.setBackImageID(faces[b + 1]);
        cube.setLeftImageID(faces[b + 2]);
        cube.setRightImageID(faces[b + 3]);
        cube.setTopImageID(faces[b + 4]);
        cube.setBottomImageID(faces[b + 5]);
        sky.setCubeMap(cube);
        skyBoxes.Add(sky);
    }

    CTextureDefinitionArray& textures = project.getTextureDefinitionRoot().getArray();
    for (int i = 0; i < 3 * scale; ++i) {
        CTextureDefinition texture(numbered(L"texture-", i), CString(L"source=brick.png;scale=2 2"));
        texture.setID(CTextureDefinitionID::generated());
        textures.Add(texture);
    }

    CBinImageArray& binImages = project.getBinImageRoot().getArray();
    for (int i = 0; i < scale; ++i) {
        CBinImage logo;
        logo.setPath(CProjectString(numbered(L"images/logo-", i)));
        logo.setWidth(64);
        const std::uint64_t n = 64 * 16;
        auto* bytes = static_cast<unsigned char*>(std::malloc(n));
        for (std::uint64_t k = 0; k < n; ++k) bytes[k] = static_cast<unsigned char>(k * 7);
        logo.setBytes(n, bytes);
        binImages.Add(logo);
    }

    CCuttingPlaneArray& planes = project.getCuttingPlaneRoot().getArray();
    std::vector<CCuttingPlaneID> planeIDs;
    for (int i = 0; i < 2 * scale; ++i) {
        CCuttingPlane plane(numbered(L"Section ", i));
        plane.setID(CCuttingPlaneID::generated());
        CGraphicalTransform turn, move;
        turn.setAsRotation_Z(static_cast<float>(30 * i));
        move.setAsTranslation(CGraphicalVector3D(0.0f, 0.0f, 3.5f * static_cast<float>(i + 1)));
        plane.setTransform(turn * move);
        plane.setShowManipulator(CProjectBool(i % 2 == 0));
        planes.Add(plane);
        planeIDs.push_back(plane.getID());
    }

    CPhysicalLightArray& lights = project.getPhysicalLightRoot().getArray();
    for (int i = 0; i < 2 * scale; ++i) {
        CPhysicalLight light;
        light.setID(CPhysicalLightID::generated());
        light.setEntityID(CEntity3DID::generated());
        light.setIntensity(CGraphicalPoint3D(1.0f, 0.9f, 0.8f));
        light.setSphereRadius(0.25f * static_cast<float>(i));
        lights.Add(light);
    }

    C3DNotationArray& notes = project.get3DNotationRoot().getArray();
    for (int i = 0; i < 2 * scale; ++i) {
        C3DNotation note;
        note.setID(C3DNotationID::generated());
        note.setName(CProjectString(numbered(L"Crane ", i)));
        note.setText(CProjectString(L"Tower crane base: keep clear"));
        note.setTargetPoint(CGraphicalPoint3D(12.0f * static_cast<float>(i), 4.0f, 0.0f));
        note.setScreenPoint(CGraphicalPoint2D(0.1f, 0.2f));
        note.setBackgroundColor(CProjectColorRGB(1.0f, 1.0f, 0.8f));
        notes.Add(note);
    }

    CPositionArray& positions = project.getPositionRoot().getArray();
    for (int i = 0; i < 3 * scale; ++i) {
        CPosition position(numbered(L"View ", i));
        position.setID(CPositionID::generated());
        CViewpointCamera camera;
        camera.setPosition(CGraphicalPoint3D(-20.0f + 10.0f * static_cast<float>(i), -30.0f, 12.0f));
        camera.setForwards(CGraphicalVector3D(0.3f, 1.0f, -0.35f));
        camera.validateDirection();
        position.setViewpoint(camera);
        position.setIsViewpoint(true);
        position.setFocusTime(CProjectTime(kProjectStart + (30 + 14 * i) * kDay));
        position.setIsFocusTime(true);
        position.setDescription(CProjectString(L"Progress view for the weekly meeting"));
        CCuttingPlaneIDArray cuts;
        cuts.Add(planeIDs[static_cast<std::size_t>(i) % planeIDs.size()]);
        position.setCuttingPlaneIDs(cuts);
        positions.Add(position);
    }
}

}  // namespace

CLinkArray buildSampleLinks(int count) {
    Rng rng(42);
    CLinkArray links;
    const CCalendarID calendar = CCalendarID::generated();
    for (int i = 0; i < count; ++i) {
        CLink link(CTaskID::generated(), CLinkType(static_cast<int>(rng() % 4)));
        link.setDelay(CProjectDuration(static_cast<std::int64_t>(rng() % 5) * 3600000));
        if (i % 3 == 0) link.setDelayCalendarID(calendar);
        link.setStatus(CLinkStatus(static_cast<int>(rng() % 3)));
        links.Add(link);
    }
    return links;
}

BuildingElements buildSampleProject(CProjectDocument& project, const SampleSize& size) {
    const int scale = size.scale;
    Rng rng(7);
    addCodes(project, scale);
    addUserFields(project, scale);
    addTaskStatesAndCategories(project, scale);
    addScene(project, scale, rng);
    addAnimationsAndPaths(project, scale);
    addResourceStatesAndProfiles(project, scale);
    addCollaboration(project, scale);
    const CCalendarID siteCalendar = addSampleCalendars(project, scale);
    const BuildingElements building = addBuilding(project, size.entities > 0 ? size.entities : 300 * scale);
    const std::vector<CResourceID> resources = addSampleCompaniesAndResources(project, scale, building);
    addSampleSchedule(project, size.scheduleScale > 0 ? size.scheduleScale : scale, siteCalendar, resources, size.baseline);
    return building;
}

ScheduleCounts countSchedule(const CProjectDocument& project) {
    ScheduleCounts n;
    std::vector<const ITask*> pending;
    const CTaskArray& top = project.getTaskRoot().getArray();
    for (int i = 0; i < top.GetSize(); ++i) pending.push_back(&top.getConstReference(i));
    while (!pending.empty()) {
        const ITask* task = pending.back();
        pending.pop_back();
        ++n.tasks;
        n.links += task->numberOfUpstreamLinks();
        n.assignments += task->numberOfAssignedResources();
        n.groupAssignments += task->numberOfAssignedResourceGroups();
        n.costs += task->numberOfCosts();
        const ITaskArrayHandle subTasks = task->getSubTasks();
        if (subTasks.GetSize() > 0) ++n.summaries;
        for (int i = 0; i < subTasks.GetSize(); ++i) pending.push_back(subTasks[i].get());
    }
    return n;
}
