// The DTMF editor: five encode settings, the DTMF DISP flag and the sixteen
// autodial memories, edited in place in a grid. A memory is stored as it is
// typed; references to memories left empty are cleaned up once its edit ends.
#pragma once

#include <array>
#include <memory>

#include "editors/ControlRows.h"
#include "editors/EditorBase.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace platform {
class FlexGrid;
class GridEditBox;
}  // namespace platform

namespace ulbrix {

class FrmDTMF : public EditorBase {
    Q_OBJECT
public:
    explicit FrmDTMF(QWidget* parent = nullptr);
    ~FrmDTMF() override;

    void commitPendingEdit() override;

    // Resets references to empty memories and has the channel and
    // optional-features editors rebuild their DTMF lists.
    Q_INVOKABLE void SetDTMFList();

    platform::FlexGrid* grid() const { return MSFlexGrid1; }
    platform::GridEditBox* memoryBox() const { return Text3; }
    QTabWidget* tabs() const { return SSTab1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void InitDTMFControls();
    void SetLanguageText();
    void AlignLabels();
    void ShowDTMFData();
    void MSFlexGrid1_EnterCell(int row, int col);
    void MSFlexGrid1_Click(int row, int col);
    void Text3_Edited(const QString& text);
    // Stores memory `row` (1..16) and shows it as stored.
    void storeMemory(int row, const QString& text);
    void CommitCellEdit();

    QTabWidget* SSTab1 = nullptr;
    platform::FlexGrid* MSFlexGrid1 = nullptr;
    platform::GridEditBox* Text3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* CommandClose = nullptr;
    QPushButton* CommandHelp = nullptr;
    std::unique_ptr<ControlRows> encodeRows_;
    bool enterPressed_ = false;
    // A memory changed since its edit began: the clean-up is due at its end.
    bool cleanupDue_ = false;
};

}  // namespace ulbrix
