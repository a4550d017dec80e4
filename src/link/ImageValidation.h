// The check of the whole document before it is packed for a write. Data files
// come from outside and packing cannot make a bad value meaningful, so the
// write command refuses to send anything while this finds a problem, and Open
// refuses a file for the same problems.
#pragma once

#include <QString>
#include <vector>

#include "core/Records.h"

namespace ulbrix {

struct ImageProblem {
    int band = -1;     // 0 CB, 1 HF, 2 HAM; -1 when not tied to a band
    int group = 0;     // group number; 0 when not tied to a group
    int channel = 0;   // channel number, memory entry or pattern; 0 when none
    QString field;     // the record field, as the program names it
    QString english;   // the whole message, naming band, group, channel, field
    QString chinese;
    // The message in language 1 (English) or 2 (Chinese).
    const QString& text(int language) const { return language == 2 ? chinese : english; }
};

// Where a problem lies, named in both languages; the checks of the editors'
// lists name their places the same way.
struct ProblemPlace {
    int band = -1;
    int group = 0;
    int channel = 0;
    QString en;
    QString zh;
};
ProblemPlace OptionsPlace();
ProblemPlace GroupPlace(const DocumentImage& doc, int band, int group);
// A channel of a group by its number; the VFO group's one channel by its group.
ProblemPlace ChannelPlace(const DocumentImage& doc, int band, int group, int number);
ProblemPlace MemoryEntryPlace(const DocumentImage& doc, int entry);
ProblemPlace WeatherSettingsPlace();
// "<place>: <field> <en>." and the same in Chinese.
ImageProblem MakeProblem(const ProblemPlace& place, const QString& field, const QString& en, const QString& zh);

// Checks what the pack would send: channel counts within their group's
// limit; channel numbers within the group's limit and unique in it; every
// byte-sized field 0..255 and every bit field within its bits; flags 0/1;
// receive frequencies of 2 to 8 digits, blank or "FFFFFFFF"; current
// groups, work channels, memory references and special-channel groups naming
// something that exists; DTMF memories of 0-9, A-D, "*" and "#" only; the
// free text single-byte in the image's code page; weather frequencies below
// 1000 MHz. Empty when the document may be written.
std::vector<ImageProblem> ValidateDocumentForWrite(const DocumentImage& doc, const ChannelTableType& channels,
                                                   const MemChannelListType& memList);
// The same on the working document.
std::vector<ImageProblem> ValidateDocumentForWrite();

// A message box text for the write command: a first line saying the write is
// refused, then the first `shown` problems, then how many more there are.
QString ProblemsMessage(const std::vector<ImageProblem>& problems, int language, int shown = 5);

// The same problems under the first line of Open's refusal.
QString OpenProblemsMessage(const std::vector<ImageProblem>& problems, int language, int shown = 5);

}  // namespace ulbrix
