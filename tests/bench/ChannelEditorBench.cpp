// Switching the channel editor between two full 99-channel MEM groups: the
// group pick, the grid fill and the detail panel of the selected row,
// offscreen, as the user's pick runs it.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QMdiArea>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModInitV.h"
#include "editors/EditorBase.h"
#include "editors/channels/frmCommChInfo.h"
#include "platform/widgets/ChildForms.h"
#include "platform/widgets/FlexGrid.h"
#include "support/Support.h"

namespace {

using namespace ulbrix;

void BM_ChannelEditorGroupSwitch(benchmark::State& state) {
    testsupport::MsgRecorder msgs;
    ResetProcessState();
    InitLanguageStrings();
    InitDefaultDocument();
    WorkDocument.Band = BandHF;
    WorkDocument.Settings.CurGroupIndex[1] = 1;
    for (int g : {15, 16}) {
        WorkDocument.ChannelCount(BandHF, g) = 0;
        for (int n = 1; n <= 99; ++n) AddChannel(n, BandHF, g, QString::number(28.0 + n / 100.0, 'f', 5));
    }
    QMdiArea area;
    area.resize(1200, 800);
    area.show();
    SetChildFormHost(&area);
    RegisterEditor<frmCommChInfo>(FormName::ChannelInfo);
    auto* w = qobject_cast<frmCommChInfo*>(ShowChildForm(FormName::ChannelInfo));
    auto* groups = w->findChild<QComboBox*>(QStringLiteral("Combo6"));
    int index = 14;
    for (auto _ : state) {
        index = index == 14 ? 15 : 14;  // group 15 (a full named group's grid) and MEM
        groups->setCurrentIndex(index);
        emit groups->activated(index);
        benchmark::DoNotOptimize(w->grid()->rowCount());
    }
    UnloadChildForms();
    SetChildFormHost(nullptr);
    UnregisterChildForm(FormName::ChannelInfo);
}
BENCHMARK(BM_ChannelEditorGroupSwitch)->Unit(benchmark::kMillisecond);

}  // namespace
