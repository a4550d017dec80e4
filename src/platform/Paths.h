// The program folder and path helpers.
#pragma once

#include <QString>

namespace platform {

// The folder of the executable (tests point it elsewhere).
QString ProgramDir();
void SetProgramDir(const QString& dir);
// The executable's own file name.
QString ProgramFileName();

}  // namespace platform
