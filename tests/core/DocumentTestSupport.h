// Shared fixture of the data-file and new-document tests.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <vector>

#include "core/ChannelList.h"
#include "core/ModEnglish.h"
#include "core/ModFreFile.h"
#include "core/ModInitV.h"
#include "core/GlobalState.h"
#include "core/ModVersion.h"
#include "support/Support.h"

namespace doctest {

using namespace ulbrix;

// Everything a load or save may change, to prove that a refusal changed nothing.
struct Snapshot {
    DocumentImage work, saved;
    std::vector<ChannelRecord> table, savedTable;
    std::array<ChannelRecord, 97> mem{}, savedMem{};
    QString path;
    bool untitled = false;
    QString bandRange;

    static Snapshot Take() {
        Snapshot s;
        s.work = WorkDocument;
        s.saved = SavedDocument;
        s.table = ChannelTable.v;
        s.savedTable = SavedChannelTable.v;
        s.mem = MemChannelList.v;
        s.savedMem = SavedMemChannelList.v;
        s.path = Doc.DataFilePath;
        s.untitled = Doc.Untitled;
        s.bandRange = App.BandRangeText;
        return s;
    }
    bool operator==(const Snapshot&) const = default;
};

class DocumentTest : public ::testing::Test {
protected:
    explicit DocumentTest(bool withInit = false) : rt_(withInit) {}

    void SetUp() override {
        ResetProcessState();
        ResetVersionState();
        ChInfoLoaded = false;
        ReShowGridHook = nullptr;
        WindowHooks = {};
        testhooks::SaveFault = nullptr;
        InitLanguageStrings();
        LoadVersionIni();
    }
    void TearDown() override {
        testhooks::SaveFault = nullptr;
        WindowHooks = {};
        ReShowGridHook = nullptr;
    }

    QString Path(const QString& name) const { return QDir(rt_.root()).filePath(name); }

    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& data) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(data);
    }

    // A document with something in most corners: channels out of number
    // order, MEM and VFO groups, memory entries, settings and tail words.
    static void BuildSampleDocument() {
        InitDefaultDocument();
        AddChannel(7, BandHF, 1, "28.500000");
        AddChannel(3, BandHF, 1, "28.30000");
        AddChannel(5, BandHF, 1, "29.600000");
        ChannelTable(BandHF, 1, 1).RogerBeep = 130;
        ChannelTable(BandHF, 2, 1).TxDcs = 17;
        ChannelTable(BandHF, 3, 1).TxFreq = "29500000";
        for (int n = 41; n <= 43; ++n) AddChannel(n, BandHF, 16, "28.015000");
        AddChannel(1, BandHF, 17, "28.400000");
        AddChannel(1, BandHAM, 14, "29.000000");
        for (int n = 1; n <= 80; ++n) AddChannel(n, BandCB, 3, "26.965000");
        MemChannelList(5).MemRefCh = 12;
        MemChannelList(96).ChNo = 96;
        WorkDocument.Settings.WeatherChannel[3].FreqMHz = 146.52;
        WorkDocument.Settings.OptionText = "Hello";
        WorkDocument.Emergency.w[7] = 3;
        WorkDocument.DrcBeepWord = 133;
        WorkDocument.Band = BandHAM;
    }

    testsupport::RuntimeDir rt_;
    testsupport::MsgRecorder msgs_;
};

}  // namespace doctest
