// Writes the template data files of the Init folder from the coded defaults:
//   mkinit <outdir>
// 0_* templates are for the wide HF range (document band HF), 1_* for the
// 28-29.7 MHz range (document band HAM); each band maps back to its own digit,
// so a loaded template keeps choosing itself. "*_New" is the new document,
// the other one the Initial setting, which adds the weather channels.
#include <QCoreApplication>
#include <QDir>
#include <array>
#include <cstdio>

#include "core/ChannelList.h"
#include "core/ModFreFile.h"
#include "core/ModInitV.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"

using namespace ulbrix;

namespace {

enum Mode { FM = 0, AM = 1, USB = 2, LSB = 3, CW = 5 };

QString MHz(long hz) { return QString::number(static_cast<double>(hz) / 1e6, 'f', 6); }

void Add(int band, int group, int number, long hz, int mode) {
    if (!AddChannel(number, band, group, MHz(hz))) {
        std::fprintf(stderr, "mkinit: no room for channel %d in band %d group %d\n", number, band, group);
        return;
    }
    ChannelTable(band, WorkDocument.ChannelCount(band, group), group).Mode = static_cast<Integer>(mode);
}

void AddCbPlans() {
    for (int plan = 1; plan <= 7; ++plan)
        for (int n = 1; n <= CbPlanChannelCount(plan); ++n)
            if (!AddCbPlanChannel(plan, n)) std::fprintf(stderr, "mkinit: no room for CB plan %d channel %d\n", plan, n);
}

struct Entry { int number; long hz; int mode; };

constexpr std::array<Entry, 8> kHfGroupA = {{
    {1, 28015000, CW}, {2, 28300000, USB}, {3, 28400000, USB}, {4, 28500000, USB},
    {5, 29000000, AM}, {6, 29600000, FM}, {7, 24950000, USB}, {8, 29520000, FM}}};
constexpr std::array<Entry, 6> kHamGroupA = {{
    {1, 28015000, CW}, {2, 28400000, USB}, {3, 28500000, USB}, {4, 28600000, LSB},
    {5, 29000000, AM}, {6, 29600000, FM}}};

void BuildTemplate(int band, bool initialSetting) {
    App.BandRangeText = BandTypeToText(band);
    InitDefaultDocument();
    DocumentImage& d = WorkDocument;
    d.Band = static_cast<Integer>(band);
    d.FMEnable = d.AMEnable = d.USBEnable = d.LSBEnable = d.CWEnable = d.PAEnable = 1;

    AddCbPlans();
    for (const Entry& e : kHfGroupA) Add(BandHF, 1, e.number, e.hz, e.mode);
    for (const Entry& e : kHamGroupA) Add(BandHAM, 1, e.number, e.hz, e.mode);
    Add(BandHF, VfoGroupOf(BandHF), 1, 28400000, USB);
    Add(BandHAM, VfoGroupOf(BandHAM), 1, 28400000, USB);

    // Only groups that hold channels are switched on; switching another on
    // later gives it its default channel.
    for (int g = 2; g <= 15; ++g) d.Settings.GroupValid(BandHF, g) = 0;
    for (int g = 2; g <= 12; ++g) d.Settings.GroupValid(BandHAM, g) = 0;

    for (int n = 1; n <= MemListSize; ++n) {
        ChannelRecord& m = MemChannelList(n);
        m.ChNo = static_cast<Integer>(n);
        m.MemRefCh = 255;  // empty entry
    }

    if (initialSetting) {
        constexpr std::array<double, 7> wx = {162.400, 162.425, 162.450, 162.475, 162.500, 162.525, 162.550};
        for (std::size_t i = 0; i < wx.size(); ++i) {
            WeatherChannelRecord& w = d.Settings.WeatherChannel[i];
            w.InUse = 1;
            w.FreqMHz = wx[i];
            w.OnOff = 1;
            w.Wide = 0;
            w.ScanAdd = 1;
        }
    }
}

bool Write(const QString& dir, int digit, int band, bool initialSetting) {
    BuildTemplate(band, initialSetting);
    const QString name = initialSetting ? QStringLiteral("RI6666.dat") : QStringLiteral("RI6666_New.dat");
    Doc.DataFilePath = QDir(dir).filePath(QStringLiteral("%1_%2").arg(digit).arg(name));
    return SaveDataFile();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkinit <outdir>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "mkinit: cannot create %s\n", argv[1]);
        return 1;
    }
    InitMessages();
    bool ok = true;
    for (bool initialSetting : {false, true}) {
        ok = Write(dir, 0, BandHF, initialSetting) && ok;
        ok = Write(dir, 1, BandHAM, initialSetting) && ok;
    }
    return ok ? 0 : 1;
}
