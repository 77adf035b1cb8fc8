#pragma once

#include <QtGlobal>

// Memory of this process as Linux reports it; 0 and no effect elsewhere.
namespace ProcessMemory {

// Kilobytes of a "VmRSS:"-style line of /proc/self/status.
qint64 statusKilobytes(const char *field);
// Lets the peak of one phase ("VmHWM:") be measured apart from the phases before it.
void resetPeak();

} // namespace ProcessMemory
