// Data files: the ".dat" document record and its ".fre" channel file, quiet
// loads of the default data files, the working/saved copies and the modified
// test, and the band range text of a loaded document.
#pragma once

#include <QString>
#include <functional>

#include "core/Records.h"

namespace ulbrix {

// The window side of the document commands. The core does not draw: the main
// window fills these while it is loaded and clears them when it goes.
struct DocumentWindowHooks {
    std::function<void()> setCaption;  // apply MainCaptionText() to the main window
    std::function<void()> showOpened;  // after an Open: show the channel editor, re-apply texts, cascade
};
inline DocumentWindowHooks WindowHooks;

// "Ulbrix[<band range>][File Name:<file name of DataFilePath>]" in the current language.
QString MainCaptionText();

// What Open asks of a file read completely but not yet applied: the text of
// its refusal in the current language, empty when the file may open. The
// Open command passes the radio write's check (link/ImageValidation.h), so a
// file opens only when it could be written as it is.
using DocumentCheck = std::function<QString(const DocumentImage& doc, const ChannelTableType& channels,
                                            const MemChannelListType& memList)>;

// Opens the data file at `path` as the document. Checks version text,
// compatibility, length, the channel file (exactly the records the counts
// need) and then `check` before anything changes; on any refusal the document
// (working and saved copies) and DataFilePath are left untouched and a
// message says why. A work channel of 0, which earlier releases saved for an
// emptied group, reads as 1 (LoadDataFileQuiet does the same). Returns true
// when the file was loaded and DataFilePath is `path`.
bool OpenDataFile(const QString& path, const DocumentCheck& check);

// The name SaveDataFile writes for `path`: ".dat" appended when the name does
// not end in it (any case). A path without a file name is returned as it is.
QString DataFileNameToWrite(const QString& path);

// Saves the working document to DataFileNameToWrite(DataFilePath) and its
// channel file, each written whole through a temporary file. Only when both
// are written does DataFilePath take that name, the saved copy follow, is
// Untitled cleared and the caption set. Returns false after "file error.".
bool SaveDataFile();

// Loads a default data file and its channel file without checks or messages.
// Applied only when the pair is complete and valid and its HF group 1 name is
// not empty; otherwise working and saved copies stay exactly as they were.
// Returns true when applied.
bool LoadDataFileQuiet(const QString& path);

// Saved copy = working copy (header filled and version set first).
void PrepareSaveImage();
// Working copy = saved copy; derives firmware version, model, band range.
void ApplyLoadedImage();

// Modified test: true when working and saved copies agree in every stored
// field but Version, Band, CurGroup and LastRow (channels matched by ChNo).
bool IsDataUnchanged();
bool IsDataModified();

// First slot 1..ChannelCount(band, group) of the working table whose ChNo is
// `chNo`, 0 when none.
int FindChannelPos(int chNo, int band, int group);

// Band range text of a loaded document's Band.
QString BandTypeToText(int band);
// 0 for "24.7150 - 30.1050 MHz", 1 for any other text. Trims `modelName` in place.
int BandTextToFileCode(const QString& bandRangeText, QString& modelName);

// Channel file path: the data file path with its last three characters
// replaced by "fre" (empty when the path is shorter than three characters).
QString FreFilePath(const QString& dataPath);

// The disk forms of the document as it would be saved now, from the working copy.
Bytes BuildDataFileBytes(const DocumentImage& doc);
Bytes BuildChannelFileBytes(const DocumentImage& doc, const ChannelTableType& table,
                            const MemChannelListType& mem);

namespace testhooks {
// Called between writing both temporary files and committing them (stage 0),
// and between the two commits (stage 1); returning false fails the save there.
inline std::function<bool(int stage)> SaveFault;
}  // namespace testhooks

}  // namespace ulbrix
