// Starting another program and ending this one. Both go through replaceable
// handlers so tests can record instead of starting or exiting.
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Starts the program at path, detached, without arguments. False when it
// could not be started.
bool StartProgram(const QString& path);
using StartHandler = std::function<bool(const QString& path)>;
StartHandler SetStartHandler(StartHandler handler);  // returns the previous one

// Ends the process at once with code: nothing is saved or unloaded.
void EndProcess(int code);
using ExitHandler = std::function<void(int code)>;
ExitHandler SetExitHandler(ExitHandler handler);  // returns the previous one

}  // namespace platform
