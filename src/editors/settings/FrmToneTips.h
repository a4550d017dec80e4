// The roger-beep pattern editor: eight patterns on tabs; for the shown one the
// passes, the gap and the frequency and length of each of 14 tones, a chart,
// and Play/Stop. Every pick is stored at once. A pick that would leave no
// valid pattern at all is refused.
#pragma once

#include <QPointer>
#include <array>
#include <functional>

#include "editors/EditorBase.h"
#include "editors/settings/RogerBeepPlayer.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabBar;

namespace ulbrix {

class RogerBeepChart;

class FrmToneTips : public EditorBase {
    Q_OBJECT
public:
    explicit FrmToneTips(QWidget* parent = nullptr);

    // Nothing is ever pending: every pick is stored as it is made.
    void commitPendingEdit() override {}

    // Where playbacks sound (the sound card unless a test says otherwise).
    static void SetPlayerIOFactory(std::function<PlayerIO()> factory);

    QTabBar* tabStrip() const { return TabStrip1; }
    QComboBox* passesList() const { return Combo1; }
    QComboBox* gapList() const { return Combo2; }
    QComboBox* frequencyList(int tone) const { return Combo3.at(static_cast<std::size_t>(tone)); }
    QComboBox* lengthList(int tone) const { return Combo4.at(static_cast<std::size_t>(tone)); }
    QPushButton* playButton() const { return Command1; }
    QPushButton* stopButton() const { return Command2; }
    RogerBeepChart* chart() const { return Picture1; }
    bool isPlaying() const { return playDepth_ > 0; }

protected:
    void formUnload() override;

private:
    void buildControls();
    void SetLanguageText();
    void fitCaptions();
    void InitToneCombos();
    void ShowRBPattern();
    void TabStrip1_Click(int index);
    void Combo1_Click(int index);
    void Combo2_Click(int index);
    void Combo3_Click(int tone, int index);
    void Combo4_Click(int tone, int index);
    void Command1_Click();
    void StopPlaying();
    // Applies `change` to the shown pattern unless it would leave no valid
    // pattern where there was one; false when refused.
    bool changeUnlessLastValidGoes(const std::function<void(RogerBeepPattern&)>& change);

    QTabBar* TabStrip1 = nullptr;
    QFrame* Frame1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    std::array<QComboBox*, 14> Combo3{};
    std::array<QComboBox*, 14> Combo4{};
    RogerBeepChart* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    // Playbacks under way in this window (one nests in another's wait when
    // Stop and Play are pressed during a tone).
    int playDepth_ = 0;
    // Closed while a playback ran: the window is hidden and goes when the
    // outermost Play handler has unwound.
    bool closedDuringPlay_ = false;
    QPointer<QWidget> deleteWhenDone_;
};

}  // namespace ulbrix
