#include <QFileInfo>
#include <functional>
#include <random>

#include "core/ModFun.h"
#include "core/ModelName.h"
#include "link/ImageValidation.h"
#include "DocumentTestSupport.h"

using namespace ulbrix;
using doctest::DocumentTest;
using doctest::Snapshot;

namespace {

const QString kFileError = QStringLiteral("file error.");
const QString kUnknownVersion = QStringLiteral("Unknown version Of DataFile!");
const QString kNoRelease = QStringLiteral("Fail to start the software. This version does not exist.");

// Open's check as far as the radio goes: the sample document's option values
// are arbitrary, so the editors' lists are left to their own tests.
QString OpenRefusal(const DocumentImage& doc, const ChannelTableType& channels, const MemChannelListType& mem) {
    const std::vector<ImageProblem> problems = ValidateDocumentForWrite(doc, channels, mem);
    return problems.empty() ? QString() : OpenProblemsMessage(problems, CurrentLanguage);
}

class FreFileTest : public DocumentTest {
protected:
    // Saves the sample document as `name` and returns its path.
    QString SaveSample(const QString& name) {
        BuildSampleDocument();
        PrepareSaveImage();
        Doc.DataFilePath = Path(name);
        EXPECT_TRUE(SaveDataFile());
        msgs_.clear();
        return Doc.DataFilePath;
    }
    // A fresh process with a new document, about to open something.
    void FreshDocument() {
        NewDocument();
        msgs_.clear();
    }
};

TEST_F(FreFileTest, SaveThenOpenGivesBackTheDocumentByteForByte) {
    const QString a = SaveSample("a.dat");
    const DocumentImage written = WorkDocument;
    const auto table = ChannelTable.v;
    int captions = 0, shown = 0;
    WindowHooks.setCaption = [&] { ++captions; };
    WindowHooks.showOpened = [&] { ++shown; };

    FreshDocument();
    Doc.Untitled = true;
    ASSERT_TRUE(OpenDataFile(a, OpenRefusal));
    EXPECT_EQ(Doc.DataFilePath, a);
    EXPECT_TRUE(msgs_.shown().empty());
    EXPECT_EQ(DocumentToBytes(WorkDocument), DocumentToBytes(written));
    EXPECT_EQ(WorkDocument.Settings.WeatherChannel[3].FreqMHz, 146.52);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(ChannelTable(BandHF, s, 1), table[ChannelTableType::index(BandHF, s, 1)]);
    EXPECT_EQ(ChannelTable(BandCB, 80, 3).ChNo, 80);
    EXPECT_EQ(MemChannelList(5).MemRefCh, 12);
    EXPECT_FALSE(Doc.Untitled);
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(shown, 1);
    EXPECT_GE(captions, 1);
    EXPECT_EQ(App.BandRangeText, "28.0000 - 29.6990 MHz");  // the file's band 2

    // Saving what was opened writes the very same bytes.
    Doc.DataFilePath = Path("b.dat");
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(Read(Path("b.dat")), Read(a));
    EXPECT_EQ(Read(Path("b.fre")), Read(Path("a.fre")));
}

TEST_F(FreFileTest, ChannelFileHoldsUsedChannelsInBandGroupSlotOrderThenMemory) {
    InitDefaultDocument();
    AddChannel(41, BandHF, 16, "28.015000");
    AddChannel(43, BandHF, 16, "28.025000");
    AddChannel(42, BandHF, 16, "28.035000");
    AddChannel(1, BandHAM, 14, "29.000000");
    ChannelTable(BandHF, 5, 16).ChNo = 99;  // stale slot above the count
    for (int n = 1; n <= 96; ++n) MemChannelList(n).ChNo = static_cast<Integer>(n);
    Doc.DataFilePath = Path("order.dat");
    ASSERT_TRUE(SaveDataFile());

    const QByteArray dat = Read(Path("order.dat"));
    ASSERT_EQ(dat.size(), 2893);
    EXPECT_TRUE(dat.startsWith("V100"));
    const QByteArray fre = Read(Path("order.fre"));
    ASSERT_EQ(fre.size(), (4 + 96) * 70);
    const auto rec = [&](int i) {
        return ChannelFromBytes(reinterpret_cast<const std::uint8_t*>(fre.constData()) + i * 70, 70);
    };
    EXPECT_EQ(rec(0).ChNo, 41);
    EXPECT_EQ(rec(1).ChNo, 43);
    EXPECT_EQ(rec(2).ChNo, 42);
    EXPECT_EQ(TrimNull(rec(3).RxFreq), "29000000");
    for (int n = 1; n <= 96; ++n) EXPECT_EQ(rec(3 + n).ChNo, n);
}

TEST_F(FreFileTest, SaveFinishesTheDocumentOnlyOnSuccess) {
    BuildSampleDocument();
    Doc.DataFilePath = Path("ok.dat");
    QString caption;
    WindowHooks.setCaption = [&] { caption = MainCaptionText(); };
    ASSERT_TRUE(SaveDataFile());
    EXPECT_FALSE(Doc.Untitled);
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(caption, "Ulbrix[28.0000 - 29.6990 MHz][File Name:ok.dat]");
    EXPECT_EQ(TrimNull(SavedDocument.Header.ModelText), "ZR9040");
    EXPECT_EQ(SavedDocument.Header.ModelCode, 248);

    // A folder that does not exist: nothing is marked saved.
    ChannelTable(BandHF, 1, 1).Mode = 3;
    Doc.Untitled = true;
    caption.clear();
    const Snapshot before = Snapshot::Take();
    Doc.DataFilePath = Path("missing/x.dat");
    EXPECT_FALSE(SaveDataFile());
    EXPECT_EQ(msgs_.texts(), QStringList{kFileError});
    EXPECT_TRUE(Doc.Untitled);
    EXPECT_TRUE(caption.isEmpty());
    EXPECT_TRUE(IsDataModified());
    EXPECT_TRUE(SavedDocument == before.saved);
}

TEST_F(FreFileTest, SaveAddsTheDataExtensionSoTheChannelFileCannotOverwriteIt) {
    const struct {
        const char* given;
        const char* dat;
        const char* fre;
    } cases[] = {
        {"plain", "plain.dat", "plain.fre"},
        {"upper.DAT", "upper.DAT", "upper.fre"},
        {"notes.fre", "notes.fre.dat", "notes.fre.fre"},
        {"xy", "xy.dat", "xy.fre"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        InitDefaultDocument();
        Doc.DataFilePath = Path(c.given);
        ASSERT_TRUE(SaveDataFile());
        EXPECT_EQ(Doc.DataFilePath, Path(c.dat));
        EXPECT_EQ(QFileInfo(Path(c.dat)).size(), 2893);
        EXPECT_EQ(QFileInfo(Path(c.fre)).size(), 96 * 70);
    }
    Doc.DataFilePath = Path("folder/");
    EXPECT_FALSE(SaveDataFile());
}

TEST_F(FreFileTest, InterruptedSaveKeepsTheOldPair) {
    const QString a = SaveSample("keep.dat");
    const QByteArray oldDat = Read(a), oldFre = Read(Path("keep.fre"));
    ChannelTable(BandHF, 1, 1).Mode = 2;
    AddChannel(9, BandHF, 1, "28.900000");

    for (int stage : {0, 1}) {
        SCOPED_TRACE(stage);
        msgs_.clear();
        testhooks::SaveFault = [stage](int s) { return s != stage; };
        EXPECT_FALSE(SaveDataFile());
        EXPECT_EQ(msgs_.texts(), QStringList{kFileError});
        EXPECT_EQ(Read(a), oldDat);
        EXPECT_EQ(Read(Path("keep.fre")), oldFre);
        EXPECT_TRUE(IsDataModified());
    }

    // A data file that did not exist before is not left behind alone.
    testhooks::SaveFault = [](int s) { return s != 1; };
    Doc.DataFilePath = Path("fresh.dat");
    EXPECT_FALSE(SaveDataFile());
    EXPECT_FALSE(QFileInfo::exists(Path("fresh.dat")));
    EXPECT_FALSE(QFileInfo::exists(Path("fresh.fre")));
    testhooks::SaveFault = nullptr;

    // The channel file's name taken by a folder: the data file stays as it was.
    Doc.DataFilePath = a;
    QFile::remove(Path("keep.fre"));
    ASSERT_TRUE(QDir().mkpath(Path("keep.fre/inside")));
    EXPECT_FALSE(SaveDataFile());
    EXPECT_EQ(Read(a), oldDat);
}

TEST_F(FreFileTest, SavingOverLongerFilesReplacesThemWhole) {
    Write(Path("long.dat"), QByteArray(5000, 'x'));
    Write(Path("long.fre"), QByteArray(100000, 'y'));
    InitDefaultDocument();
    Doc.DataFilePath = Path("long.dat");
    ASSERT_TRUE(SaveDataFile());
    EXPECT_EQ(QFileInfo(Path("long.dat")).size(), 2893);
    EXPECT_EQ(QFileInfo(Path("long.fre")).size(), 96 * 70);
}

// Each refusal leaves working and saved copies alike untouched.
TEST_F(FreFileTest, OpenRefusesBadPairsWithoutTouchingTheDocument) {
    const QString good = SaveSample("good.dat");
    const QByteArray dat = Read(good), fre = Read(Path("good.fre"));
    const auto withWord = [&](int offset, std::int16_t v) {
        QByteArray d = dat;
        d[offset] = static_cast<char>(v & 0xFF);
        d[offset + 1] = static_cast<char>((v >> 8) & 0xFF);
        return d;
    };
    const int countHf1 = 114 + 2 * (1 + 3 * 0), countHfVfo = 114 + 2 * (1 + 3 * 16);

    struct Case {
        const char* name;
        QByteArray dat;
        std::function<void(const QString& path)> fre;  // writes (or not) the channel file
        QString message;
    };
    const auto goodFre = [&](const QString& p) { Write(p, fre); };
    // Room for any count, so only the count check can refuse.
    const auto paddedFre = [&](const QString& p) { Write(p, fre + QByteArray(70 * 200, '\0')); };
    const std::vector<Case> cases = {
        {"2892 bytes", dat.left(2892), goodFre, kNoRelease},
        {"2894 bytes", dat + QByteArray(1, '\0'), goodFre, kNoRelease},
        {"3 bytes", dat.left(3), goodFre, kNoRelease},
        {"empty", QByteArray(), goodFre, kNoRelease},
        {"X100", QByteArray("X100") + dat.mid(4), goodFre, kUnknownVersion},
        {"V10 and NUL", QByteArray("V10\0", 4) + dat.mid(4), goodFre, kUnknownVersion},
        {"channel file missing", dat, [](const QString&) {}, kFileError},
        {"channel file one byte short", dat, [&](const QString& p) { Write(p, fre.left(fre.size() - 1)); }, kFileError},
        {"channel file empty", dat, [&](const QString& p) { Write(p, QByteArray()); }, kFileError},
        // The channel file must hold exactly the records the counts need:
        // otherwise every later group would be read shifted.
        {"a count one below its records", withWord(countHf1, static_cast<std::int16_t>(dat[countHf1] - 1)), goodFre,
         kFileError},
        {"one record appended", dat, [&](const QString& p) { Write(p, fre + fre.right(70)); }, kFileError},
        {"channel file one byte long", dat, [&](const QString& p) { Write(p, fre + QByteArray(1, '\0')); }, kFileError},
        {"band 3", withWord(4, 3), paddedFre, kFileError},
        {"band -1", withWord(4, -1), paddedFre, kFileError},
        {"negative count", withWord(countHf1, -1), paddedFre, kFileError},
        {"count above 40", withWord(countHf1, 41), paddedFre, kFileError},
        {"two VFO channels", withWord(countHfVfo, 2), paddedFre, kFileError},
        {"huge count", withWord(countHf1, 0x7FFF), paddedFre, kFileError},
        {"HF current group 18", withWord(6 + 2 * 1, 18), goodFre, kFileError},
        {"CB current group -1", withWord(6, -1), goodFre, kFileError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreshDocument();
        WorkDocument.Settings.Mic = 4;  // an unsaved edit that must survive
        const QString path = Path(QStringLiteral("bad_%1.dat").arg(&c - cases.data()));
        Write(path, c.dat);
        c.fre(FreFilePath(path));
        bool shown = false;
        WindowHooks.showOpened = [&] { shown = true; };
        const Snapshot before = Snapshot::Take();
        EXPECT_FALSE(OpenDataFile(path, OpenRefusal));
        EXPECT_TRUE(Snapshot::Take() == before);
        EXPECT_FALSE(shown);
        EXPECT_EQ(msgs_.texts(), QStringList{c.message});
        EXPECT_TRUE(IsDataModified());
    }
}

// A file holding values the radio cannot hold is refused with the reasons
// Write to Radio would give, and the document stays as it was.
TEST_F(FreFileTest, OpenRefusesWhatTheWriteWouldRefuseWithTheSameReasons) {
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"work channel 32767", [] { WorkDocument.Settings.WorkChannel(BandHF, 2) = 32767; }},
        {"channel numbered 500", [] { ChannelTable(BandHF, 1, 1).ChNo = 500; }},
        {"one number twice", [] { ChannelTable(BandHF, 2, 1).ChNo = 7; }},
        {"letter in a frequency", [] { ChannelTable(BandHF, 2, 1).RxFreq = "28A00000"; }},
        {"DTMF memory", [] { WorkDocument.Settings.DtmfAutodial[2] = "12X"; }},
        {"random channel file", nullptr},
    };
    for (const auto& [name, spoil] : cases) {
        SCOPED_TRACE(name);
        BuildSampleDocument();
        if (spoil) spoil();
        const QString written = ProblemsMessage(ValidateDocumentForWrite(), 1);
        Doc.DataFilePath = Path("damaged.dat");
        ASSERT_TRUE(SaveDataFile());
        if (!spoil) {
            QByteArray f = Read(Path("damaged.fre"));
            std::mt19937 rng(7);
            for (char& c : f) c = static_cast<char>(rng());
            Write(Path("damaged.fre"), f);
        }
        FreshDocument();
        WorkDocument.Settings.Mic = 4;  // an unsaved edit that must survive
        const Snapshot before = Snapshot::Take();
        EXPECT_FALSE(OpenDataFile(Path("damaged.dat"), OpenRefusal));
        EXPECT_TRUE(Snapshot::Take() == before);
        ASSERT_EQ(msgs_.shown().size(), 1u);
        const QString text = msgs_.shown()[0].text;
        EXPECT_TRUE(text.startsWith("The file was not opened:\n")) << text.toStdString();
        if (spoil) {
            EXPECT_EQ(text.section('\n', 1), written.section('\n', 1));
        }
    }
}

TEST_F(FreFileTest, OpenAsksBeforeAnUnlistedVersionAndChangesNothing) {
    const QString good = SaveSample("v200.dat");
    Write(good, QByteArray("V200") + Read(good).mid(4));
    FreshDocument();
    const Snapshot before = Snapshot::Take();
    msgs_.answer(platform::MsgResult::No);
    EXPECT_FALSE(OpenDataFile(good, OpenRefusal));
    ASSERT_EQ(msgs_.shown().size(), 1u);
    EXPECT_EQ(msgs_.shown()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(msgs_.shown()[0].text, BuildVersionMessage("V100", "V200", VersionKindDataFile));
    EXPECT_TRUE(Snapshot::Take() == before);
}

TEST_F(FreFileTest, OpenRefusesWhatIsNotAFile) {
    const struct {
        const char* name;
        QString path;
    } cases[] = {{"missing", Path("nothing.dat")}, {"folder", Path("")}, {"empty path", QString()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FreshDocument();
        const Snapshot before = Snapshot::Take();
        EXPECT_FALSE(OpenDataFile(c.path, OpenRefusal));
        EXPECT_EQ(msgs_.texts(), QStringList{kFileError});
        EXPECT_TRUE(Snapshot::Take() == before);
    }
}

TEST_F(FreFileTest, ChannelFileInCapitalsIsFound) {
    const QString good = SaveSample("Copied.dat");
    ASSERT_TRUE(QFile::rename(Path("Copied.fre"), Path("COPIED.FRE")));
    FreshDocument();
    ASSERT_TRUE(OpenDataFile(good, OpenRefusal));
    EXPECT_EQ(WorkDocument.ChannelCount(BandCB, 3), 80);
}

TEST_F(FreFileTest, LoadedDocumentTakesTheDefaultModelAndItsBandRange) {
    const QString good = SaveSample("model.dat");
    QByteArray d = Read(good);
    d.replace(216, 7, QByteArray("OTHER1\0", 7));
    d[4] = 1;  // band HF
    d[5] = 0;
    Write(good, d);
    FreshDocument();
    App.ModelName = "SOMETHING";
    ASSERT_TRUE(OpenDataFile(good, OpenRefusal));
    EXPECT_EQ(App.ModelName, "ZR9040");
    EXPECT_EQ(App.BandRangeText, "24.7150 - 30.1050 MHz");
    EXPECT_EQ(App.FirmwareVersion, "V100");
    EXPECT_DOUBLE_EQ(BandLowMHz, 24.715);
}

TEST_F(FreFileTest, ModifiedTestSeesEveryStoredField) {
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"transmit frequency", [] { ChannelTable(BandHF, 1, 1).TxFreq = "28600000"; }},
        {"receive frequency", [] { ChannelTable(BandHF, 2, 1).RxFreq = "28310000"; }},
        {"tone type", [] { ChannelTable(BandHF, 1, 1).TxToneType = 1; }},
        {"receive tone", [] { ChannelTable(BandHF, 1, 1).RxCtcss = 4; }},
        {"DCS", [] { ChannelTable(BandHF, 2, 1).RxDcs = 9; }},
        {"roger beep", [] { ChannelTable(BandHF, 1, 1).RogerBeep = 131; }},
        {"ANL", [] { ChannelTable(BandHF, 3, 1).ANL = 1; }},
        {"reserved word", [] { ChannelTable(BandHF, 3, 1).Reserved2 = 1; }},
        {"channel added", [] { AddChannel(9, BandHF, 1, "28.9"); }},
        {"memory entry", [] { MemChannelList(5).MemRefCh = 13; }},
        {"memory band", [] { MemChannelList(70).MemRefBand = 1; }},
        {"emergency", [] { WorkDocument.Emergency.w[30] = 2; }},
        {"dual watch", [] { WorkDocument.DualWatch.w[0] = 5; }},
        {"memory channel set", [] { WorkDocument.MemChannelSet.w[13] = 1; }},
        {"option word at the end", [] { WorkDocument.VoxOnOff = 1; }},
        {"mode enable", [] { WorkDocument.PAEnable = 1; }},
        {"key lock", [] { WorkDocument.KeyLock = 1; }},
        {"mic", [] { WorkDocument.Settings.Mic = 12; }},
        {"public defaults", [] { WorkDocument.Settings.HFPublic[PubANL] = 1; }},
        {"weather channel", [] { WorkDocument.Settings.WeatherChannel[0].FreqMHz = 162.4; }},
        {"option text", [] { WorkDocument.Settings.OptionText = "Other"; }},
        {"group name", [] { WorkDocument.Settings.GroupName(BandHF, 2) = "ZZ"; }},
        {"autodial", [] { WorkDocument.Settings.DtmfAutodial[3] = "123"; }},
        {"roger pattern", [] { WorkDocument.RogerBeep[6].Tone[14].Length = 1; }},
        {"RSSI", [] { WorkDocument.RssiThreshold[11] = 1; }},
        {"count of an unwalked group", [] { WorkDocument.ChannelCount(BandCB, 9) = 1; }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        BuildSampleDocument();
        PrepareSaveImage();
        ASSERT_FALSE(IsDataModified());
        edit();
        EXPECT_TRUE(IsDataModified());
    }
}

TEST_F(FreFileTest, ModifiedTestIgnoresWhatIsNotAnEdit) {
    const std::vector<std::pair<const char*, std::function<void()>>> nonEdits = {
        {"channels swapped", [] { std::swap(ChannelTable(BandHF, 1, 1), ChannelTable(BandHF, 3, 1)); }},
        {"version", [] { WorkDocument.Version = "V999"; }},
        {"band", [] { WorkDocument.Band = BandCB; }},
        {"current group", [] { WorkDocument.CurGroup[1] = 9; }},
        {"last row", [] { WorkDocument.LastRow(BandHF, 3) = 17; }},
        {"stale slot", [] { ChannelTable(BandHF, 50, 1).Mode = 3; }},
        {"name end: NUL or blank", [] { WorkDocument.Settings.GroupName(BandHF, 1) = "A"; }},
        {"autodial end: NUL or blanks", [] { WorkDocument.Settings.DtmfAutodial[2] = ""; }},
    };
    for (const auto& [name, edit] : nonEdits) {
        SCOPED_TRACE(name);
        BuildSampleDocument();
        PrepareSaveImage();
        edit();
        EXPECT_FALSE(IsDataModified());
    }
}

TEST_F(FreFileTest, FindChannelPosWalksOnlyTheUsedSlots) {
    BuildSampleDocument();
    EXPECT_EQ(FindChannelPos(3, BandHF, 1), 2);
    EXPECT_EQ(FindChannelPos(5, BandHF, 1), 3);
    ChannelTable(BandHF, 4, 1).ChNo = 11;  // stale, above the count
    EXPECT_EQ(FindChannelPos(11, BandHF, 1), 0);
    WorkDocument.ChannelCount(BandHF, 2) = -4;
    EXPECT_EQ(FindChannelPos(0, BandHF, 2), 0);
    WorkDocument.ChannelCount(BandHF, 2) = 500;  // never indexes past the table
    EXPECT_EQ(FindChannelPos(12345, BandHF, 2), 0);
    EXPECT_EQ(FindChannelPos(1, 3, 1), 0);
}

TEST_F(FreFileTest, BandTextsAndFileCodes) {
    const struct {
        int band;
        const char* text;
    } types[] = {{0, "28.0000 - 29.6950 MHz"}, {1, "24.7150 - 30.1050 MHz"}, {2, "28.0000 - 29.6990 MHz"},
                 {7, "28.0000 - 29.6990 MHz"}};
    for (const auto& t : types) EXPECT_EQ(BandTypeToText(t.band), t.text);

    const struct {
        const char* text;
        int code;
    } codes[] = {{"24.7150 - 30.1050 MHz", 0}, {"28.0000 - 29.6950 MHz", 1}, {"28.0000 - 29.6990 MHz", 1},
                 {"", 1}, {"24.7150 - 30.1050 MHz ", 1}};
    for (const auto& c : codes) {
        QString model = "  ZR9040 ";
        EXPECT_EQ(BandTextToFileCode(c.text, model), c.code) << c.text;
        EXPECT_EQ(model, "ZR9040");
    }
    EXPECT_EQ(FreFilePath("a.dat"), "a.fre");
    EXPECT_EQ(FreFilePath("/x/B.DAT"), "/x/B.fre");
    EXPECT_EQ(FreFilePath("ab"), "");
}

TEST_F(FreFileTest, HeaderIsFilledFromModelAndBandRange) {
    FileHeader h;
    h.DateText = "20200101";
    App.BandRangeText = "24.7150 - 30.1050 MHz";
    FillFileHeader(h);
    EXPECT_EQ(h.ModelText.str(), std::string("ZR9040\0", 7));
    EXPECT_EQ(h.ModelText6.str(), "ZR9040");
    EXPECT_EQ(h.ModelCode, 248);
    EXPECT_EQ(h.BandCode, 0);
    EXPECT_EQ(h.DateText.str(), "20200101");  // not the header filler's business
    App.BandRangeText = "28.0000 - 29.6990 MHz";
    App.ModelName = "AB";
    FillFileHeader(h);
    EXPECT_EQ(h.BandCode, 1);
    EXPECT_EQ(h.ModelText.str(), std::string("AB\0    ", 7));
    SetDefaultModel();
    EXPECT_EQ(App.ModelName, "ZR9040");
}

TEST_F(FreFileTest, QuietLoadAppliesOnlyACompleteNamedPair) {
    const QString good = SaveSample("tpl.dat");
    const QByteArray dat = Read(good), fre = Read(Path("tpl.fre"));
    QByteArray unnamed = dat;
    unnamed[250 + 968 + 2] = '\0';  // HF group 1 name
    unnamed[250 + 968 + 3] = ' ';

    const struct {
        const char* name;
        QByteArray dat;
        QByteArray fre;
        bool writeFre;
    } rejected[] = {
        {"HF group 1 unnamed", unnamed, fre, true},
        {"short data file", dat.left(2000), fre, true},
        {"short channel file", dat, fre.left(70 * 10), true},
        {"one record appended", dat, fre + fre.right(70), true},
        {"no channel file", dat, QByteArray(), false},
    };
    for (const auto& c : rejected) {
        SCOPED_TRACE(c.name);
        FreshDocument();
        WorkDocument.Settings.Mic = 4;
        QFile::remove(Path("q.fre"));
        Write(Path("q.dat"), c.dat);
        if (c.writeFre) Write(Path("q.fre"), c.fre);
        const Snapshot before = Snapshot::Take();
        EXPECT_FALSE(LoadDataFileQuiet(Path("q.dat")));
        EXPECT_TRUE(Snapshot::Take() == before);
        EXPECT_TRUE(msgs_.shown().empty());
    }
    FreshDocument();
    EXPECT_FALSE(LoadDataFileQuiet(Path("none.dat")));

    // No version or length check for the shipped templates.
    Write(Path("q.dat"), QByteArray("X999") + dat.mid(4) + QByteArray(10, 'z'));
    Write(Path("q.fre"), fre);
    ASSERT_TRUE(LoadDataFileQuiet(Path("q.dat")));
    EXPECT_EQ(WorkDocument.ChannelCount(BandCB, 3), 80);
    EXPECT_FALSE(IsDataModified());
    EXPECT_TRUE(msgs_.shown().empty());
}

// Truncated and random data files: never a crash, never a half-applied document.
TEST_F(FreFileTest, OpenSurvivesTruncatedAndRandomFiles) {
    const QString good = SaveSample("fuzz_src.dat");
    const QByteArray dat = Read(good), fre = Read(Path("fuzz_src.fre"));
    std::mt19937 rng(20240613);
    const auto randomBytes = [&](int n) {
        QByteArray b(n, '\0');
        for (auto& c : b) c = static_cast<char>(rng() & 0xFF);
        return b;
    };
    const QString path = Path("fuzz.dat");
    for (int i = 0; i < 400; ++i) {
        QByteArray d, f;
        switch (i % 4) {
            case 0: d = dat.left(static_cast<int>(rng() % 2900)); f = fre; break;
            case 1: d = dat; f = fre.left(static_cast<int>(rng() % fre.size())); break;
            case 2:  // a plausible head over random counts and channels
                d = QByteArray("V100") + randomBytes(2889);
                d[4] = static_cast<char>(rng() % 3);
                d[5] = 0;
                for (int k = 114; k < 216; k += 2) {
                    d[k] = static_cast<char>(rng() % 3);
                    d[k + 1] = 0;
                }
                f = randomBytes(static_cast<int>(rng() % 20000));
                break;
            default: d = randomBytes(static_cast<int>(rng() % 4000)); f = randomBytes(static_cast<int>(rng() % 4000));
        }
        Write(path, d);
        Write(Path("fuzz.fre"), f);
        const Snapshot before = Snapshot::Take();
        msgs_.answer(platform::MsgResult::No);
        if (OpenDataFile(path, OpenRefusal)) {
            EXPECT_GE(WorkDocument.Band, 0);
            EXPECT_LE(WorkDocument.Band, 2);
            EXPECT_FALSE(IsDataModified());
        } else {
            ASSERT_TRUE(Snapshot::Take() == before) << "round " << i;
        }
        LoadDataFileQuiet(path);
        msgs_.clear();
    }
}

}  // namespace
