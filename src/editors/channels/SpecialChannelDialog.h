// The window the emergency, dual-watch and memory-channel dialogs share. It
// builds its lists from the dialog's control map, keeps a private working
// copy of the dialog's record, stores each pick there, writes it back on
// "Save" and drops it on any other close.
#pragma once

#include <QComboBox>
#include <span>
#include <vector>

#include "editors/EditorBase.h"
#include "editors/channels/SpecialChannelMaps.h"

class QPushButton;

namespace ulbrix {

class SpecialChannelDialog : public EditorBase {
    Q_OBJECT
public:
    SpecialChannelDialog(const SpecialDialogMap& map, QWidget* parent);

    // Picks wait for "Save": nothing is pending.
    void commitPendingEdit() override {}

    // The list of that index; nullptr when the dialog has none.
    QComboBox* combo(int index) const;
    // The working copy as it stands.
    std::span<const Integer> workingCopy() const { return work_; }
    const SpecialDialogMap& map() const { return map_; }

    void InitComboLists();
    void ShowData();
    void Combo1_Click(int index);
    void cmdSave_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    // Fills the list of a control and shows its stored value; the working
    // copy then holds what the list shows (an empty list keeps the value).
    void showControl(const SpecialControl& c, const QStringList& items);
    Integer& word(int index);

    const SpecialDialogMap& map_;
    std::vector<Integer> work_;
    std::vector<QComboBox*> combos_;  // by list index
    QPushButton* save_ = nullptr;
};

}  // namespace ulbrix
