// The editors compiled into this build, made openable by window name.
#pragma once

namespace ulbrix {

// Registers every editor window (see EditorTable.cpp).
void RegisterKnownEditors();

}  // namespace ulbrix
