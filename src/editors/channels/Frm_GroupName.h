// The group-name editor: the two-character names of one band's groups in a
// grid, renamed in place one character per box and written straight into the
// document; an open channel editor is then asked to show the new names.
#pragma once

#include <QLineEdit>

#include "editors/EditorBase.h"


namespace platform {
class FlexGrid;
}

namespace ulbrix {

// One of the two one-character boxes of a rename.
class GroupNameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit GroupNameBox(QWidget* parent);

signals:
    void enterPressed();
    // The focus went to something other than the other box of the pair.
    void focusLeft(QWidget* to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

class Frm_GroupName : public EditorBase {
    Q_OBJECT
public:
    explicit Frm_GroupName(QWidget* parent = nullptr);

    // An open rename is stored.
    void commitPendingEdit() override { SaveOldData(); }

    Q_INVOKABLE void SaveOldData();
    void ShowAllGroups();
    void ShowGroupRow(int row);
    void MSFlexGrid1_DblClick();

    // The band the window shows and renames, fixed when it loads.
    int band() const { return band_; }
    platform::FlexGrid* grid() const { return grid_; }
    GroupNameBox* box(int index) const { return index == 0 ? text1_[0] : index == 1 ? text1_[1] : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    bool renameOpen() const;

    platform::FlexGrid* grid_ = nullptr;
    GroupNameBox* text1_[2] = {nullptr, nullptr};
    int band_ = -1;
    int editRow_ = 0;
};

// The band the channel editor shows (the one it last showed when it is
// closed: every band switch there is written to the document's band).
int ChannelEditorBand();

}  // namespace ulbrix
