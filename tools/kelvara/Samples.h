// Sample content for the demo: a small but realistic project, and a list of links.
#pragma once

#include "kelvara/document/CProjectDocument.h"
#include "kelvara/AllKinds.h"
#include "kelvara/schedule/CLink.h"

// Fills every root of the document; scale multiplies the element counts.
void buildSampleProject(CProjectDocument& document, int scale);
CLinkArray buildSampleLinks(int count);
// Issues with comment threads and an attached document, a risk tree and a document folder tree.
void addCollaboration(CProjectDocument& document, int scale);
