// Process-wide state and the start-up procedure.
// The document is global state shared by every window and the codec, read and
// written in place; it is grouped here so tests can reset it in one call.
#pragma once

#include <QString>

#include "core/Records.h"

namespace ulbrix {

// The document: working copy, saved copy (state of the last load or save).
struct DocumentState {
    DocumentImage WorkDocument;
    DocumentImage SavedDocument;
    ChannelTableType ChannelTable;
    ChannelTableType SavedChannelTable;
    MemChannelListType MemChannelList;
    MemChannelListType SavedMemChannelList;
    Integer MemChannelCount = 0;  // raised by radio reads, never read
    int BandGroupCount = 0;       // groups of the band a walker is on
    QString DataFilePath = QStringLiteral("new.dat");
    bool Untitled = true;
};

// Everything start-up sets that lives as long as the process.
struct AppState {
    int IsVista = 0;
    int OSMajorVersion = 0;
    long UserLCID = 0x409;
    QString SavedDecimalSeparator = QStringLiteral(".");
    QString SystemLCIDHex = QStringLiteral("409");
    int CurrentLanguage = 1;   // 1 English, 2 Chinese
    int LocaleLanguage = 1;
    int ShownLanguage = 1;
    int ComPort = 1;
    int Handshaking = 0;
    int StopBit = 1;
    bool IsFirstRun = false;
    QString ModelName = QStringLiteral("ZR9040");
    QString FirmwareVersion = QStringLiteral("V100");
    QString BandRangeText = QStringLiteral("28.0000 - 29.6990 MHz");
    bool BatchWrite = false;
    bool BatchFormOpen = false;
};

inline DocumentState Doc;
inline AppState App;

// Short names used throughout, as the rest of the program knows them.
inline DocumentImage& WorkDocument = Doc.WorkDocument;
inline DocumentImage& SavedDocument = Doc.SavedDocument;
inline ChannelTableType& ChannelTable = Doc.ChannelTable;
inline ChannelTableType& SavedChannelTable = Doc.SavedChannelTable;
inline MemChannelListType& MemChannelList = Doc.MemChannelList;
inline MemChannelListType& SavedMemChannelList = Doc.SavedMemChannelList;
inline int& CurrentLanguage = App.CurrentLanguage;

// Calls fn(band, group) for every group of every band in file order (CB 1..7,
// HF 1..17, HAM 1..14), with BandGroupCount holding the groups of the band
// being walked. Every walk over the whole document goes through here.
template <class F>
void ForEachWalkedGroup(F&& fn) {
    for (int b = 0; b < BandCount; ++b) {
        Doc.BandGroupCount = GroupsOfBand(b);
        for (int g = 1; g <= Doc.BandGroupCount; ++g) fn(b, g);
    }
}

// Back to the state of a fresh process (tests).
void ResetProcessState();

// Start-up, up to the point where the main window is created (the caller does
// that): version file, OS version, locale, settings file, the first document
// and the language tables.
void Main();

// Reads the settings file ("language" section of SettingsFilePath()), chooses
// the language, sets the start-up values and writes "comPort" and
// "CurrentLanguage" back. A missing file or a key that is missing, empty or
// not a number takes its default.
void InitSetting();

}  // namespace ulbrix
