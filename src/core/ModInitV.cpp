#include "core/ModInitV.h"

#include <QDate>
#include <QDir>
#include <array>
#include <utility>

#include "core/ChannelList.h"
#include "core/ModFreFile.h"
#include "core/GlobalState.h"
#include "platform/Paths.h"

namespace ulbrix {

namespace {

void InitOptionBlock(GeneralSettingsRecord& s) {
    for (int b = 0; b < BandCount; ++b) {
        const int named = b == BandCB ? 6 : b == BandHF ? 15 : 12;
        for (int g = 1; g <= named; ++g) {
            s.GroupValid(b, g) = 1;
            s.GroupName(b, g) = std::string{static_cast<char>('A' + g - 1), '\0'};
            for (int k = 0; k < 2; ++k) {
                s.GroupSetA(b, g, k) = 1;
                s.GroupSetB(b, g, k) = 1;
            }
            s.WorkChannel(b, g) = 1;
            s.GroupSetC(b, g) = 41;
        }
    }
    static const std::array<const char*, 7> cbPlans{"EU", "PL", "DE", "EC", "U", "IN", "UK"};
    for (int g = 1; g <= 7; ++g) s.GroupName(BandCB, g) = cbPlans[static_cast<std::size_t>(g - 1)];

    s.CurGroupIndex = {1, 1, 1};
    s.OptionWordF = 2;
    s.WorkMode = 1;
    s.OptionWordG = 0;
    s.OptionWordH = 0;
    s.OptionWordI = 0;

    for (PublicDefaults* pub : {&s.CBPublic, &s.HAMPublic, &s.HFPublic}) {
        PublicDefaults& p = *pub;
        p[PubHiCut] = 0;
        p[PubNB] = 1;
        p[PubEcho] = 0;
        p[PubAdd10K] = 0;
        p[PubBusy] = 0;
        p[PubRoger] = 0;
        p[PubBot] = 0;
        p[PubEot] = 0;
        p[PubCall] = 0;
        p[PubMode] = 1;
    }

    s.Beep = 1;
    s.Indic = 0;
    s.Mic = 30;
    s.NogSet = 0;
    s.Tot = 0;
    s.OptionFlagA = 1;
    s.OptionFlagB = 1;
    s.ScnType = 0;
    s.Color = 0;
    s.ClaSet = 0;
    s.LevelSetA = 97;
    s.LevelSetB = 168;
    s.LevelSetC = 160;
    s.OptionLong = 100;
    s.FreqCh = 0;
    s.AsqLevel = 0;

    s.DtmfSettings = {1, 1, 1, 0, 0, 0};
    for (std::size_t i = 1; i < s.DtmfAutodial.size(); ++i) s.DtmfAutodial[i] = std::string(1, '\0');
}

void InitHeader(FileHeader& h) {
    h.BandCode2 = static_cast<Integer>(BandTextToFileCode(App.BandRangeText, App.ModelName));
    h.ModelText6 = (App.ModelName.toStdString() + std::string(1, '\0')).substr(0, 6);
    h.KindChar = 67;
    h.DateText = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString();
    h.FormatText = "V2.00";
}

void SetPattern(RogerBeepPattern& p, std::initializer_list<std::pair<int, int>> tones) {
    std::size_t t = 1;
    for (const auto& [freq, length] : tones) {
        p.Tone[t].Freq = static_cast<Integer>(freq);
        p.Tone[t].Length = static_cast<Integer>(length);
        ++t;
    }
    p.Recycle = 1;
    p.Interval = 0;
}

void InitLevelTables(DocumentImage& d) {
    auto& rb = d.RogerBeep;
    SetPattern(rb[1], {{210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}, {0, 10}, {210, 10}});
    SetPattern(rb[2], {{80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4},
                       {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}, {80, 4}, {0, 4}});
    SetPattern(rb[3], {{170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}, {90, 3}, {170, 3}});
    SetPattern(rb[4], {{64, 6}, {94, 6}, {134, 6}, {163, 6}, {192, 6}});
    SetPattern(rb[5], {{150, 20}, {70, 20}, {150, 20}, {70, 20}, {150, 20}, {70, 20}});
    // Patterns 6 to 8 stay all zero: not valid until the user designs them.
}

}  // namespace

void InitDefaultDocument() {
    WorkDocument = DocumentImage{};
    ChannelTable = ChannelTableType{};
    MemChannelList = MemChannelListType{};

    DocumentImage& d = WorkDocument;
    d.Version = "V100";
    d.Band = BandHF;
    d.CurGroup = {1, 1, 1};
    for (int g = 1; g <= 17; ++g) d.LastRow(BandCB, g) = 1;
    for (int g = 1; g <= 13; ++g) d.LastRow(BandHF, g) = 1;

    InitOptionBlock(d.Settings);
    d.RssiThreshold = {0, 3, 10, 14, 24, 35, 0, 5, 8, 12, 23, 35};
    InitHeader(d.Header);
    InitLevelTables(d);
}

QString InitFilePath(const QString& name) {
    QString model = App.ModelName;
    const int digit = BandTextToFileCode(App.BandRangeText, model);
    return QDir(platform::ProgramDir()).filePath(QStringLiteral("Init/%1_%2").arg(digit).arg(name));
}

void LoadInitFileNew() {
    // The coded defaults first, so a missing template never leaves the old
    // document behind as if it were new.
    InitDefaultDocument();
    LoadDataFileQuiet(InitFilePath(QStringLiteral("RI6666_New.dat")));
    PrepareSaveImage();
}

bool LoadInitFile() { return LoadDataFileQuiet(InitFilePath(QStringLiteral("RI6666.dat"))); }

void NewDocument() {
    Doc.Untitled = true;
    Doc.DataFilePath = QStringLiteral("new.dat");
    ResetTransferToIdle();
    ChInfoLoaded = false;
    LoadInitFileNew();
}

QString DefaultGroupFrequency(int group) {
    switch (group) {
        case 1: case 7: return QStringLiteral("28.015000");
        case 2: case 8: return QStringLiteral("28.145000");
        case 3: case 9: return QStringLiteral("28.115000");
        case 4: case 10: return QStringLiteral("28.085000");
        case 5: return QStringLiteral("28.055000");
        case 6: return QStringLiteral("28.025000");
        default: return {};
    }
}

void AddGroupDefaultChannel(int band, int group) {
    const QString freq = DefaultGroupFrequency(group);
    if (!freq.isEmpty()) AddChannel(1, band, group, freq);
    if (ChInfoLoaded && ReShowGridHook) ReShowGridHook(1);
}

}  // namespace ulbrix
