// The enumeration classes of the model with their value tables.
#pragma once

#include "kelvara/base/CKelvaraEnumeration.h"

KELVARA_ENUMERATION(CLinkType,
                    (FinishToStart, 0, "Finish to Start"),
                    (StartToStart, 1, "Start to Start"),
                    (FinishToFinish, 2, "Finish to Finish"),
                    (StartToFinish, 3, "Start to Finish"))

KELVARA_ENUMERATION(CLinkStatus,
                    (NotSet, 0, "Not Set"),
                    (Driving, 1, "Driving"),
                    (NonDriving, 2, "Non-Driving"))

KELVARA_ENUMERATION(CLinkDelayType,
                    (Duration, 0, "Duration"),
                    (PercentOfPredecessor, 1, "Percentage of Predecessor Duration"))
