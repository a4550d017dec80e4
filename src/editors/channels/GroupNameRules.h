// Rules of the group-name editor: which characters a name may hold, how the
// two one-character boxes make a name, and the hidden frequency column.
#pragma once

#include <QString>
#include <optional>

namespace ulbrix {

// The character a typed key becomes in a name box: digits, "+", "-", "*",
// "/" and "A".."Z" as they are, "a".."z" upper-cased; nullopt for anything
// else (control keys are not names: the key filter passes them itself).
std::optional<QChar> GroupNameChar(QChar c);

// The stored name made of the two boxes' texts: a lone second character gets
// a leading blank so it keeps its place; the result is at most two
// characters, right-trimmed (the 2-character field pads it again).
QString GroupNameCommitText(const QString& first, const QString& second);

// The texts the two boxes open with for a shown name: "" -> "", "";
// one character -> it, ""; longer -> each of the first two characters, a
// blank becoming an empty box.
struct GroupNameBoxes {
    QString first, second;
};
GroupNameBoxes GroupNameBoxTexts(const QString& shown);

// The hidden "Group Frequency" column: a range text per band and group
// (group 1-based); "" where there is none or outside the table.
QString GroupRangeText(int band, int group);

// Grid rows of a band (header included): 8 CB, 16 HF, 13 HAM; 0 for any other band.
int GroupNameGridRows(int band);

}  // namespace ulbrix
