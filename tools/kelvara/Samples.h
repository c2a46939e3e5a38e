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
// A tower block's schedule (about 200 tasks per scale step in a work-breakdown tree, with links,
// dates, costs, comments, assigned risks and code values) and a contract baseline of it. The
// calendar, when not null, is every task's dominant calendar; the resources, when given, are
// assigned to the tasks.
void addSampleSchedule(CProjectDocument& document, int scale, const CCalendarID& calendar,
                       const std::vector<CResourceID>& resources);
