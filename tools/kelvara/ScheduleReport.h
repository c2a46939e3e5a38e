// `kelvara schedule`: schedules a project and prints its dates.
#pragma once

#include <cstdio>

class CProjectDocument;

// Prints the project's start and finish, the critical path and every task's dates and floats.
// Throws CScheduleCycleError when the links form a cycle.
void printSchedule(const CProjectDocument& project, std::FILE* out);
