#include "editors/settings/RogerBeepRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/GlobalState.h"
#include "core/ModEnglishPrint.h"
#include "editors/settings/RogerBeepPlayer.h"
#include "editors/WindowCalls.h"

namespace ulbrix {

int ValidRBIndex(int n) {
    if (n < 1 || n > RBPatternCount) return 0;
    const RogerBeepPattern& p = WorkDocument.RogerBeep.at(static_cast<std::size_t>(n));
    if (p.Recycle < 1) return 0;
    for (int k = 1; k <= RBToneCount; ++k)
        if (p.Tone.at(static_cast<std::size_t>(k)).Length > 0) return n;
    return 0;
}

int CountValidRB() {
    int count = 0;
    for (int n = 1; n <= RBPatternCount; ++n)
        if (ValidRBIndex(n) > 0) ++count;
    return count;
}

Integer CheckedRBReference(Integer reference) {
    const int n = reference - 127;
    return (n >= 1 && ValidRBIndex(n) == n) ? reference : Integer{0};
}

void ClearStaleRBReferences() {
    ForEachReferringChannel([](ChannelRecord& ch) { ch.RogerBeep = CheckedRBReference(ch.RogerBeep); });
    for (PublicDefaults* group : PublicGroups(WorkDocument.Settings))
        (*group)[PubRoger] = CheckedRBReference((*group)[PubRoger]);
}

QStringList ValidRBItems() {
    QStringList items{TrItem(CapOffOn, 1)};
    for (int n = 1; n <= RBPatternCount; ++n)
        if (ValidRBIndex(n) > 0) items << QString::number(n);
    return items;
}

void RefreshRBReferences() {
    ClearStaleRBReferences();
    calls::ShowRB();
}

namespace {

struct RBText {
    long id;
    const char* english;
    const char* chinese;
};

constexpr RBText RBTexts[] = {
    {10221, "&Roger Beep", "RB音(&R)"},
    {12014, "Roger Beep", "RB音"},
    {29000, "Roger Beep", "RB音"},
    {29001, "RB Tone", "RB音"},
    {29002, "Recycle Times", "循环次数"},
    {29003, "Inter Time[ms]", "间隔时间[ms]"},
    {29004, "Frequency[Hz]", "频率[Hz]"},
    {29005, "Tone Long[ms]", "音长[ms]"},
    {29006, "&Play", "播放(&P)"},
    {29007, "&Stop", "停止(&S)"},
    {29100, "First Tone", "第一个音"},
    {29101, "Second Tone", "第二个音"},
    {29102, "Third Tone", "第三个音"},
    {29103, "Fourth Tone", "第四个音"},
    {29104, "Fifth Tone", "第五个音"},
    {29105, "Sixth Tone", "第六个音"},
    {29106, "Seventh Tone", "第七个音"},
    {29107, "Eighth Tone", "第八个音"},
    {29108, "Ninth Tone", "第九个音"},
    {29109, "Tenth Tone", "第十个音"},
    {29110, "Eleventh Tone", "第十一个音"},
    {29111, "Twelfth Tone", "第十二个音"},
    {29112, "Thirteenth Tone", "第十三个音"},
    {29113, "Fourteenth Tone", "第十四个音"},
    {29200, "Off", "关"},
    {29201, "None", "无"},
};

// Round half to even, as the chart's measures are rounded.
int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

QString GetRBText(long id) {
    for (const RBText& t : RBTexts)
        if (t.id == id) return QString::fromUtf8(CurrentLanguage == 2 ? t.chinese : t.english);
    return QString();
}

std::vector<RBChartBar> RBChartGeometry(const RogerBeepPattern& pattern, double scaleWidth,
                                        double scaleHeight) {
    std::vector<RBChartBar> bars;
    const int W = RoundEven(scaleWidth - 100);
    const int H = RoundEven(scaleHeight - 100);
    // The width is shared by the lengths as played (in 10 ms): a damaged
    // length neither takes nor gives more than it sounds.
    std::int32_t total = 0;
    for (int k = 1; k <= RBToneCount; ++k) total += PlayedToneMs(pattern.Tone.at(static_cast<std::size_t>(k))) / 10;
    if (total < 1) return bars;
    const int base = RoundEven(scaleHeight - 50);
    int x = 50;
    for (int k = 1; k <= RBToneCount; ++k) {
        const RogerBeepTone& t = pattern.Tone.at(static_cast<std::size_t>(k));
        const int length = PlayedToneMs(t) / 10;
        if (length == 0) continue;
        const int w = RoundEven(double(length) * W / total);
        const int h = std::min(RoundEven(PlayedToneHz(t) / 10.0 * H / 256), H);
        bars.push_back({k, x, x + w, base, base - h, k % 2 == 1});
        x += w;
    }
    return bars;
}

}  // namespace ulbrix
