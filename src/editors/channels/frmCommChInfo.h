// The channel information editor: the channels of one band and group in a
// grid, the attributes of the current row's channel in the detail panel, and
// the group's settings. Every pick is stored into the working document at
// once; a frequency typed in place is committed on Enter, on focus loss, on
// close and when the main window asks (commitPendingEdit).
#pragma once

#include <QList>
#include <array>
#include <functional>

#include "editors/EditorBase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace platform {
class FlexGrid;
class GridEditBox;
}  // namespace platform

namespace ulbrix {

// The band the editor showed last (the group-name editor reads it).
inline int BandView = 0;

class frmCommChInfo : public EditorBase {
    Q_OBJECT
public:
    explicit frmCommChInfo(QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    void commitPendingEdit() override;

    // Calls from other windows (typed calls of WindowCalls.h).
    Q_INVOKABLE void ShowDTMF();
    Q_INVOKABLE void ShowRB();
    Q_INVOKABLE void InitValidComboList();
    Q_INVOKABLE void ShowValidComboText();
    Q_INVOKABLE void reShowGrid(int row);
    Q_INVOKABLE void ReShow_Group_Name();
    // {band 0..2, group = list position + 1, grid row}
    Q_INVOKABLE QList<int> ShownChannelPosition() const;

    void EnterGridEdit();
    void GridNextLine();
    void GridNextCol();
    void SetEditNoVisable();

    // The shown band (0 CB, 1 HF, 2 HAM) and group (list position + 1).
    int shownBand() const;
    int shownGroup() const;

    // Shows the grid's pop-up menu; tests replace it (the default runs it modal).
    static inline std::function<void(QMenu*, QPoint)> PopupMenu;

    platform::FlexGrid* grid() const { return grid_; }
    platform::GridEditBox* editBox() const { return text1_; }
    QComboBox* combo8(int i) const { return combo8_.at(static_cast<std::size_t>(i)); }
    QLabel* label5(int i) const { return label5_.at(static_cast<std::size_t>(i)); }

protected:
    void formUnload() override;
    QString handlerErrorText() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The bodies of the calls above; the calls trap any fault.
    void ShowDTMFNow();
    void ShowRBNow();
    void InitValidComboListNow();
    void ShowValidComboTextNow();
    void reShowGridNow(int row);
    void ReShow_Group_NameNow();

    void buildControls();
    void ChangShowByLanguage();
    void InitGridFormat();
    void fillDesignLists();
    void fitPanelColumns();

    void Combo2_Click(int index);
    void applyBand(int band, bool userPick);
    void FillGroupCombos(int band);
    void InitComboWorkGroup();
    void Combo3_Click(int index);
    void Combo6_Click(bool userPick);
    void Combo1_Click(int index);
    void Combo8_Click(int index);
    void SetGroupControlsVisible(int group);
    void SetGridData();
    void showGroupValid(int band, int group);
    void ShowCurrentRowDetail();
    void fillAttributes(const struct ChannelRecord& r);
    void showAttribute(const struct AttributeField& f, const ChannelRecord& r);
    void refillAttributeList(int index, const QStringList& items);
    void showToneLists(int ctcssList, int dcsList, int toneType);
    void EnableChannelFields(int flag);
    void SaveShowGridData();
    void StepRow(int from, int step);
    void MSFlexGrid1_MouseDown(int row, int col, QPoint globalPos);
    void reportCorrupt(int count);
    void fitGridWidth();
    QString offWord() const;

    platform::FlexGrid* grid_ = nullptr;
    platform::GridEditBox* text1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QComboBox* combo2_ = nullptr;  // HF / HAM (and CB while a CB document is shown)
    QComboBox* combo7_ = nullptr;  // hidden: its index is the band
    QComboBox* combo6_ = nullptr;  // groups
    QComboBox* combo3_ = nullptr;  // work group
    std::array<QComboBox*, 7> combo1_{};  // 4, 5, 6 used
    std::array<QLabel*, 7> label2_{};
    std::array<QComboBox*, 24> combo8_{};
    std::array<QLabel*, 22> label5_{};
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label6_ = nullptr;
    QPushButton* commandClose_ = nullptr;
    QPushButton* commandHelp_ = nullptr;
    QPushButton* commandCheckBand_ = nullptr;
    QPushButton* commandChInfoEdit_ = nullptr;
    int editRow_ = 0;
    int moveStep_ = 0;  // the row step after the commit of the box: Enter and Down 1, Up -1
};

}  // namespace ulbrix
