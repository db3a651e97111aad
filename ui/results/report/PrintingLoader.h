#pragma once
#include "PrintingModule.h"

namespace zodiac {

// The printing module's entry point, loaded on first use from beside the program (in the build
// tree), else from the program's private library folder, found from where the program lies.
// Null, with what went wrong in `problem`, when it cannot be.
PrintReportDocument LoadPrinting(QString& problem);

} // namespace zodiac
