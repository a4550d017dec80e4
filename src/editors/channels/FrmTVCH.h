// The weather channel editor: seven weather settings in lists above a grid of
// 40 weather channels and the weather VFO entry. Settings store on a pick; a
// channel cell is edited in place and stored when the edit is committed.
#pragma once

#include <QComboBox>

#include "editors/ControlRows.h"
#include "editors/EditorBase.h"


namespace platform {
class FlexGrid;
class GridEditBox;
}  // namespace platform

namespace ulbrix {

class FrmTVCH : public EditorBase {
    Q_OBJECT
public:
    explicit FrmTVCH(QWidget* parent = nullptr);

    // An open cell editor is stored.
    void commitPendingEdit() override;

    Q_INVOKABLE void Save_TVChannel();

    void InitComboLists();
    void SetCaptionsByLanguage();
    void ShowData();
    void ShowGridRow(int row);
    void ShowCurrentWxChannel();
    void Combo1_Click();
    void MSFlexGrid1_DblClick();

    platform::FlexGrid* grid() const { return grid_; }
    platform::GridEditBox* frequencyBox() const { return text1_; }
    // The in-cell lists of columns 2, 3, 4 and the current-channel list.
    QComboBox* cellList(int col) const;
    QComboBox* currentChannelList() const { return combo1_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void hideCellEditors();

    ControlRows rows_;
    platform::FlexGrid* grid_ = nullptr;
    platform::GridEditBox* text1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QComboBox* cellLists_[3] = {};  // columns 2, 3, 4
    int editRow_ = 0;
    int editCol_ = 0;
    bool cellPicked_ = false;  // the open cell list had a user's pick
};

}  // namespace ulbrix
