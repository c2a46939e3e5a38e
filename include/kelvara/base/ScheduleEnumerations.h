// Enumerations of codes, user fields, task states, costs, task reports and task constraints.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

// What a code classifies.
KELVARA_ENUMERATION(CCodeType,
                    (Task, 0, "Task"),
                    (Resource, 1, "Resource"),
                    (Project, 2, "Project"))

// Where a code comes from.
KELVARA_ENUMERATION(CCodeCategory,
                    (UserDefined, 0, "User Defined"),
                    (Imported, 1, "Imported"),
                    (System, 2, "System"))

// The kind of value a user field holds.
KELVARA_ENUMERATION(CUserFieldType,
                    (Text, 0, "Text"),
                    (Integer, 1, "Integer"),
                    (Number, 2, "Number"),
                    (Cost, 3, "Cost"),
                    (Date, 4, "Date"),
                    (Duration, 5, "Duration"),
                    (Flag, 6, "Flag"))

// The kind of object a user field annotates.
KELVARA_ENUMERATION(CUserFieldCategory,
                    (Task, 0, "Task"),
                    (Resource, 1, "Resource"),
                    (Assignment, 2, "Assignment"))

KELVARA_ENUMERATION(CUserFieldDisciplineType,
                    (None, 0, "None"),
                    (Architecture, 1, "Architecture"),
                    (Structure, 2, "Structure"),
                    (Mechanical, 3, "Mechanical"),
                    (Electrical, 4, "Electrical"),
                    (Plumbing, 5, "Plumbing"),
                    (Civil, 6, "Civil"))

// The progress status a task state stands for; 0 is the status of a new state.
KELVARA_ENUMERATION(CTaskStatus,
                    (NotStarted, 0, "Not Started"),
                    (InProgress, 1, "In Progress"),
                    (Complete, 2, "Complete"),
                    (OnHold, 3, "On Hold"))

KELVARA_ENUMERATION(CCostType,
                    (Other, 0, "Other"),
                    (Labour, 1, "Labour"),
                    (Material, 2, "Material"),
                    (Equipment, 3, "Equipment"),
                    (Subcontract, 4, "Subcontract"),
                    (Expense, 5, "Expense"))

KELVARA_ENUMERATION(CTaskReportType,
                    (Progress, 0, "Progress"),
                    (Delay, 1, "Delay"),
                    (Quality, 2, "Quality"),
                    (Safety, 3, "Safety"),
                    (Other, 4, "Other"))

// A constraint on when a task may start or finish; the early and late dates bound it.
KELVARA_ENUMERATION(CTaskConstraintType,
                    (None, 0, "None"),
                    (StartOnOrAfter, 1, "Start On or After"),
                    (StartOnOrBefore, 2, "Start On or Before"),
                    (FinishOnOrAfter, 3, "Finish On or After"),
                    (FinishOnOrBefore, 4, "Finish On or Before"),
                    (MustStartOn, 5, "Must Start On"),
                    (MustFinishOn, 6, "Must Finish On"),
                    (AsLateAsPossible, 7, "As Late As Possible"))

// What a task stands for in the schedule: work, a key date, or one of the special activities the
// task filters tell apart.
KELVARA_ENUMERATION(CTaskType,
                    (Work, 0, "Work"),
                    (StartKeydate, 1, "Start Key Date"),
                    (FinishKeydate, 2, "Finish Key Date"),
                    (RFI, 3, "Request for Information"),
                    (Design, 4, "Design"),
                    (ChangeOrder, 5, "Change Order"),
                    (Testing, 6, "Testing"),
                    (Delivery, 7, "Delivery"),
                    (Meeting, 8, "Meeting"),
                    (Rework, 9, "Rework"),
                    (Maintenance, 10, "Maintenance"),
                    (Manufacture, 11, "Manufacture"),
                    (Store, 12, "Store"),
                    (Purchase, 13, "Purchase"),
                    (Receive, 14, "Receive"),
                    (Delay, 15, "Delay"),
                    (WeatherDelay, 16, "Weather Delay"),
                    (ShortHammock, 17, "Short Hammock"),
                    (LongHammock, 18, "Long Hammock"))

// Which of duration, work and units stays fixed when one of the others changes.
KELVARA_ENUMERATION(CDurationType,
                    (FixedDuration, 0, "Fixed Duration"),
                    (FixedWork, 1, "Fixed Work"),
                    (FixedUnits, 2, "Fixed Units"))

// Whether a task carries a risk of delay or a chance of gain.
KELVARA_ENUMERATION(CRiskType,
                    (None, 0, "None"),
                    (Threat, 1, "Threat"),
                    (Opportunity, 2, "Opportunity"))

// How a task's progress is measured.
KELVARA_ENUMERATION(CProgressType,
                    (Duration, 0, "Duration"),
                    (Manual, 1, "Manual"),
                    (Physical, 2, "Physical"))

// Which total a cost question asks for.
KELVARA_ENUMERATION(CCostTotalType,
                    (Total, 0, "Total"),
                    (Planned, 1, "Planned"),
                    (Actual, 2, "Actual"))
