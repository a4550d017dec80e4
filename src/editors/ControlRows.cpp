#include "editors/ControlRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "core/GlobalState.h"
#include "editors/ComboHelpers.h"
#include "editors/EditorBase.h"

namespace ulbrix {

ControlRows::ControlRows(EditorBase& editor, std::span<const ControlRow> rows) : editor_(editor), rows_(rows) {
    editor_.controlTables_.push_back(this);
}

ControlRows::~ControlRows() { std::erase(editor_.controlTables_, this); }

QComboBox* ControlRows::combo(const ControlRow& row) const {
    return row.items ? editor_.findChild<QComboBox*>(QString::fromLatin1(row.objectName)) : nullptr;
}

QCheckBox* ControlRows::check(const ControlRow& row) const {
    return row.items ? nullptr : editor_.findChild<QCheckBox*>(QString::fromLatin1(row.objectName));
}

void ControlRows::applyCaptions() {
    for (const ControlRow& row : rows_) {
        QWidget* control = combo(row);
        if (!control) control = check(row);
        QLabel* label = row.labelName ? editor_.findChild<QLabel*>(QString::fromLatin1(row.labelName)) : nullptr;
        if (label && control) label->setBuddy(control);
        if (!row.caption) continue;
        const QString text = (*row.caption)(CurrentLanguage);
        if (label) label->setText(text);
        else if (QCheckBox* box = check(row)) box->setText(text);
    }
}

void ControlRows::fill() {
    EditorBase::FillGuard guard(editor_);
    for (const ControlRow& row : rows_) {
        if (QComboBox* box = combo(row)) {
            box->clear();
            box->addItems(row.items());
        }
    }
}

void ControlRows::show() {
    EditorBase::FillGuard guard(editor_);
    for (const ControlRow& row : rows_) {
        if (!row.get) continue;
        if (QComboBox* box = combo(row)) ShowComboValue(box, ShowAt(ComboItems(box), row.get()));
        else if (QCheckBox* box = check(row)) box->setChecked(row.get() != 0);
    }
}

void ControlRows::connectPicks() {
    EditorBase& c = editor_;
    for (const ControlRow& row : rows_) {
        if (!row.set) {
            QWidget* control = combo(row);
            if (!control) control = check(row);
            if (control) control->setEnabled(false);
            continue;
        }
        auto* set = row.set;
        if (QComboBox* box = combo(row)) {
            c.onPick(box, [set](int index) {
                if (index >= 0) set(index);
            });
        } else if (QCheckBox* box = check(row)) {
            c.onClick(box, [set, box] { set(box->isChecked() ? 1 : 0); });
        }
    }
}

}  // namespace ulbrix
