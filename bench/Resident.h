// Resident memory of the benchmark process, read from /proc (Linux only): the resident set now,
// its peak since the last resetPeak(), and resetPeak() itself (which also hands freed heap pages
// back first, so that a stage's growth is its own).
#pragma once

#include <malloc.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace kelvara::bench {

// Resident set now, in bytes.
inline double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0;
}

// The peak resident set since the last resetPeak(), in MiB.
inline double peakMiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            double kib = 0;
            status >> kib;
            return kib / 1024.0;
        }
        std::getline(status, key);
    }
    return 0;
}

inline void resetPeak() {
    malloc_trim(0);
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

}  // namespace kelvara::bench
