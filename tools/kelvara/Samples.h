// Sample content for the demo: a small but realistic project, and a list of links.
#pragma once

#include <vector>

#include "kelvara/document/CProjectDocument.h"
#include "kelvara/AllKinds.h"
#include "kelvara/schedule/CLink.h"

#include <vector>

CLinkArray buildSampleLinks(int count);
// Animations with camera, event and focus-time timelines (the events show and hide the 3D
// notations already in the document) and paths with a sub-path; scale multiplies the counts.
void addAnimationsAndPaths(CProjectDocument& document, int scale);
// Resource states (nested), use profiles (with sub-profiles) and spatial use profiles.
void addResourceStatesAndProfiles(CProjectDocument& document, int scale);
// Issues with comment threads and an attached document, a risk tree and a document folder tree.
void addCollaboration(CProjectDocument& document, int scale);
// The site calendar (five-day week, working hours, the 2027 public holidays, a sub-calendar), a
// curing and a crane calendar; answers the site calendar's identifier.
CCalendarID addSampleCalendars(CProjectDocument& document, int scale);
// Companies (a general contractor and concrete, steel, MEP and finishes contractors) owning crews,
// plant and materials with dated rates, cost rules with dated rates and sub-rules, and resource
// groups; some resources go through the document's resource states (add those first). Answers the
// resources worth assigning to tasks.
struct BuildingElements;
// The materials (ready-mix, steel sections, ductwork) take the building's slabs and columns,
// columns, and MEP runs as their 3D representations.
std::vector<CResourceID> addSampleCompaniesAndResources(CProjectDocument& document, int scale,
                                                        const BuildingElements& building);

// The identifiers of the entities a building generator made, per storey and element type, so that
// the schedule can be tied to them (resources' 3D representations, task assignments).
struct BuildingElements {
    struct Storey {
        CEntity3DID level;
        std::vector<CEntity3DID> slabs, columns, rooms, walls, equipment, mep;
    };
    std::vector<CEntity3DID> buildings;
    std::vector<Storey> storeys;
    int entityCount = 0;          // every entity made, subdivision parts included
    long long vertexCount = 0;    // points held by all their geometry
};
// How much buildSampleProject makes.
struct SampleSize {
    int scale = 1;          // multiplies every root's element counts
    int scheduleScale = 0;  // the schedule's scale steps (about 200 tasks each); scale when 0
    int entities = 0;       // about this many 3D entities; 300 per scale step when 0
    bool baseline = true;   // records the contract baseline (see addSampleSchedule)
};
// Fills every root of the document, the 3D model tied to the resources and tasks. Answers what the
// building generator made.
BuildingElements buildSampleProject(CProjectDocument& document, const SampleSize& size);
inline BuildingElements buildSampleProject(CProjectDocument& document, int scale) {
    return buildSampleProject(document, SampleSize{scale, 0, 0, true});
}

// Appends buildings (up to twenty levels of up to forty rooms each) to into until about entities
// entities exist. details adds slab subdivisions with their parts.
BuildingElements buildBuildings(CEntity3DArray& into, int entities, bool details);
// The demo's building: buildBuildings into the document's 3D model with subdivisions, and a note,
// a user field value, an attached document and a renderer material on the last building.
BuildingElements addBuilding(CProjectDocument& document, int entities);
// A tower block's schedule (about 200 tasks per scale step in a work-breakdown tree, with links,
// dates, costs, comments, assigned risks and code values) and, with recordBaseline, a contract
// baseline of it. The calendar, when not null, is every task's dominant calendar; the resources,
// when given, are assigned to the tasks. Recording a baseline asks every record to forget its links
// from each task recorded, so its time grows with the square of the task count.
void addSampleSchedule(CProjectDocument& document, int scale, const CCalendarID& calendar,
                       const std::vector<CResourceID>& resources, bool recordBaseline = true);

// The schedule's nested content: every task of the trees (summaries: those with sub-tasks) with
// its links, resource and group assignments and costs.
struct ScheduleCounts {
    long long tasks = 0, summaries = 0, links = 0, assignments = 0, groupAssignments = 0, costs = 0;
};
ScheduleCounts countSchedule(const CProjectDocument& document);
