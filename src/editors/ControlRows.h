// Windows that are mostly lists and check boxes of one kind describe each
// control as a row of data; one loop captions, fills, shows and connects them
// all. A row stores every change of its control made outside the fill guard.
#pragma once

#include <QStringList>
#include <span>

#include "core/ModMsg.h"

class QComboBox;
class QCheckBox;

namespace ulbrix {

class EditorBase;

struct ControlRow {
    const char* objectName;    // the QComboBox or QCheckBox, a child of the editor
    const char* labelName;     // its caption label, or nullptr
    const TextTable* caption;  // caption of the label (or of the check box), or nullptr
    QStringList (*items)();    // list items in CurrentLanguage; nullptr for a check box
    int (*get)();              // list index / check state (0, 1) the document holds
    void (*set)(int picked);   // stores a user's pick into the working document
};

class ControlRows {
public:
    ControlRows(EditorBase& editor, std::span<const ControlRow> rows);
    ~ControlRows();
    ControlRows(const ControlRows&) = delete;
    ControlRows& operator=(const ControlRows&) = delete;

    std::span<const ControlRow> rows() const { return rows_; }

    // Captions in CurrentLanguage; each label becomes its control's buddy.
    void applyCaptions();
    // Every list emptied, then filled with its items.
    void fill();
    // Every value shown, under the fill guard; a value outside its list shows
    // its own text. Nothing is stored.
    void show();
    // A pick stores through the row's `set`, and nothing else; a row without
    // `set` cannot be changed.
    void connectPicks();

    // The list or check box of a row (nullptr when the editor has none).
    QComboBox* combo(const ControlRow& row) const;
    QCheckBox* check(const ControlRow& row) const;

private:
    EditorBase& editor_;
    std::span<const ControlRow> rows_;
};

}  // namespace ulbrix
