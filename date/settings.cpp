// The module's three settings. They start at 0 and are written once by the
// entry point before any date operation runs; after that they are only read.
#include "date/wide_date.h"

int64_t TicksPerUnit = 0;
int64_t UnitsPerDay = 0;
int64_t UnixEpochOffset = 0;
