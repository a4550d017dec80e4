// The attribute lists of the channel detail panel: which record field each
// list shows, how a value is shown and how a pick is stored.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "core/ModPubFun.h"
#include "core/Records.h"

namespace ulbrix {

enum class AttrKind {
    Position,    // the list index is the value
    RogerBeep,   // item 0 off (0); item text n is pattern n (127 + n)
    Mode,        // item text is the mode name
    Dtmf,        // item 0 off (0); item text n is memory n
};

struct AttributeField {
    int index;                          // Combo8 index
    Integer ChannelRecord::*field;
    AttrKind kind;
};
// Lists 0, 2..7, 9..21 (1 and 8 store nothing; 22 and 23 are the memory
// references of CB memory rows).
std::span<const AttributeField> ChannelAttributeFields();
const AttributeField* AttributeFieldOf(int index);

// What the list of `items` shows for the record's value: its item, or the
// value's own text where the list lacks it (a mode by its name, any other
// value by its number). A roger pattern the list lacks shows item 0: the
// pattern clean-up clears such a reference.
ShownItem AttributeShownValue(const AttributeField& f, const ChannelRecord& r, const QStringList& items);
// Stores a pick (list index and its text) into the record.
void StoreAttribute(const AttributeField& f, ChannelRecord& r, int listIndex, const QString& itemText);

// The 38 CTCSS tones "C_001(67.0Hz)".., the 104 DCS codes "D_001(023N)"..,
// the hidden list of plain tones and codes ("Off", "67.0".., "D023N"..).
QStringList CtcssItems();
QStringList DcsItems();
QStringList PlainToneItems();
QStringList ToneTypeItems();  // "Off", "CTCSS", "DCS"

// Visibility of the CTCSS and DCS lists for a tone type (0 none, 1 CTCSS,
// 2 DCS); nullopt for any other type.
struct ToneLists {
    bool ctcss = false;
    bool dcs = false;
};
std::optional<ToneLists> ToneListsFor(int toneType);
// Each tone type list and the two code lists it chooses between.
struct ToneListSet {
    int toneType;
    int ctcss;
    int dcs;
};
std::span<const ToneListSet> ToneListSets();

// One row per attribute list of the detail panel: its items and where it
// stands (panel row and column pair; -1: not shown). A list whose caption
// label stands beside it names that label.
struct PanelList {
    int combo;
    int label;
    QStringList (*items)();
    int row;
    int pair;
};
std::span<const PanelList> ChannelPanelLists();
const PanelList* PanelListOf(int combo);
// The caption of Label5(label) in language 1 (English) or 2 (Chinese).
QString PanelLabelCaption(int label, int language);
QStringList OffOnItems();

// Lists (and their labels) shown in HF and HAM only.
std::span<const int> HfHamOnlyLists();

// Lists (and their labels) a channel that follows the band's public settings
// cannot change; their labels, plus Label5(19) of the ANL list.
std::span<const int> PublicFollowerLists();
std::span<const int> PublicFollowerLabels();

// Memory rows of CB plans: the channel reference ("Off" or a slot number) and
// the plan of the shared block (0 "U", 1 "UK"). Both keep InUse in step.
void StoreMemRef(ChannelRecord& entry, const QString& itemText);
void StoreMemRefBand(ChannelRecord& entry, int listIndex);

// Four-character tone codes and their shown texts ("0670" <-> "67.0",
// "8023" <-> "D023N", "0" <-> the Off word).
QString GetCTCSS_DCSByShow(const QString& text, const QString& offWord);
QString ShowCTCSS_DCS(const QString& code, const QString& offWord);

}  // namespace ulbrix
