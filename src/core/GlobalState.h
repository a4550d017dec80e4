// The document and the process settings: global state that every window,
// the codec and the data files read and write in place.
#pragma once

#include <QString>
#include <array>

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
// HF 1..17, HAM 1..14). Every walk over the whole document goes through here.
template <class F>
void ForEachWalkedGroup(F&& fn) {
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g) fn(b, g);
}

// Every record that may name a roger-beep pattern or an autodial memory:
// each channel-table slot holding a channel, whatever the group's count says
// (a count that lags behind must not hide a reference), then the 96 memory
// entries. The three public groups hold such references too.
template <class F>
void ForEachReferringChannel(F&& fn) {
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= MaxGroup; ++g)
            for (int s = 1; s <= MaxSlot; ++s)
                if (ChannelRecord& ch = ChannelTable(b, s, g); ch.InUse == 1) fn(ch);
    for (int m = 1; m <= MemListSize; ++m) fn(MemChannelList(m));
}
inline std::array<PublicDefaults*, 3> PublicGroups(GeneralSettingsRecord& s) {
    return {&s.CBPublic, &s.HAMPublic, &s.HFPublic};
}

// Layers above the core (the radio link) keep process state of their own.
// They register how to bring it back: `full` for a fresh process (tests),
// `idle` for a new document (no transfer under way). Registration happens
// once, at static initialisation of the module that owns the state.
struct ProcessStateReset {
    void (*full)() = nullptr;
    void (*idle)() = nullptr;
};
bool RegisterProcessStateReset(ProcessStateReset reset);
// Runs every registered `idle` reset.
void ResetTransferToIdle();

// Back to the state of a fresh process: document, settings, band limits,
// versions, message queue and every registered layer (tests).
void ResetProcessState();

}  // namespace ulbrix
