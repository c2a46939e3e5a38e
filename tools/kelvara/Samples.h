// Sample content for the demo: a small but realistic project, and a list of links.
#pragma once

#include <vector>

#include "kelvara/document/CProjectDocument.h"
#include "kelvara/AllKinds.h"
#include "kelvara/schedule/CLink.h"

// Fills every root of the document; scale multiplies the element counts.
void buildSampleProject(CProjectDocument& document, int scale);
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
std::vector<CResourceID> addSampleCompaniesAndResources(CProjectDocument& document, int scale);
