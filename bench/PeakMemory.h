#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Peak resident memory since the last reset, in MB (the kernel's high-water mark).
namespace bench {

inline void resetPeak() {
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

inline double peakMegabytes() {
    double kb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atof(line + 6);
        std::fclose(f);
    }
    return kb / 1024.0;
}

} // namespace bench
