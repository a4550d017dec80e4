// A new document: coded defaults, then the new-document template of the Init
// folder; the Initial setting template; the default channel of an empty group.
#pragma once

#include <QString>

namespace ulbrix {

// Builds the first document (start-up): untitled "new.dat", defaults, template.
void NewDocument();

// Coded defaults into the working copy: zeroed document, tables and memory
// list, then every default value (option block, header, roger-beep patterns).
void InitDefaultDocument();

// New-document template "<digit>_RI6666_New.dat": rebuilds the coded defaults,
// applies the template when a valid one is present, then the saved copy equals
// the working copy. DataFilePath and Untitled are not touched.
void LoadInitFileNew();

// Initial setting template "<digit>_RI6666.dat", quietly. Returns true when
// applied; otherwise the document stays exactly as it was.
bool LoadInitFile();

// Path of a template in the Init folder, the digit chosen by BandRangeText.
QString InitFilePath(const QString& name);

// Channel 1 with the group's default frequency for groups 1..10, then the
// loaded channel editor shows row 1.
void AddGroupDefaultChannel(int band, int group);

// Default frequency text of AddGroupDefaultChannel; empty above group 10.
QString DefaultGroupFrequency(int group);

}  // namespace ulbrix
