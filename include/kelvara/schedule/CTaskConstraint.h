// The task constraint value lives with the interfaces that hold it (tasks, baseline records).
#pragma once

#include "kelvara/base/CTaskConstraint.h"
