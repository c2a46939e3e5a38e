// Enumerations of issues, risks and documents. Value 0 of each is what a new record starts with
// unless its field list says otherwise; the values are stored in files, so they never change.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

// Where an issue stands: raised, being worked on, answered, or closed for good.
KELVARA_ENUMERATION(CIssueStatus,
                    (Open, 0, "Open"),
                    (InProgress, 1, "In Progress"),
                    (Resolved, 2, "Resolved"),
                    (Closed, 3, "Closed"))

// How urgently an issue needs an answer; a new issue is Normal.
KELVARA_ENUMERATION(CIssuePriority,
                    (Low, 0, "Low"),
                    (Normal, 1, "Normal"),
                    (High, 2, "High"),
                    (Critical, 3, "Critical"))

// Where a risk applied to a task stands.
KELVARA_ENUMERATION(CRiskStatus,
                    (Identified, 0, "Identified"),
                    (Active, 1, "Active"),
                    (Mitigated, 2, "Mitigated"),
                    (Occurred, 3, "Occurred"),
                    (Closed, 4, "Closed"))

// How likely or serious a risk applied to a task is; a new one is Medium.
KELVARA_ENUMERATION(CRiskWeight,
                    (VeryLow, 0, "Very Low"),
                    (Low, 1, "Low"),
                    (Medium, 2, "Medium"),
                    (High, 3, "High"),
                    (VeryHigh, 4, "Very High"))

// How a risk's value is given: a share of the task's duration, or a fixed duration.
KELVARA_ENUMERATION(CRiskValueMode,
                    (Percent, 0, "Percent"),
                    (Fixed, 1, "Fixed"))

// What a document folder holds.
KELVARA_ENUMERATION(CDocumentType,
                    (General, 0, "General"),
                    (Drawing, 1, "Drawing"),
                    (Submittal, 2, "Submittal"),
                    (Contract, 3, "Contract"),
                    (Report, 4, "Report"),
                    (Photo, 5, "Photo"),
                    (Model, 6, "Model"),
                    (Correspondence, 7, "Correspondence"))
