#include "core/ModFreFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <memory>
#include <optional>

#include "core/ModEnglishPrint.h"
#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "core/ModelName.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {

// A data file and its channel file, read completely and checked, not yet applied.
struct LoadedPair {
    DocumentImage doc;
    std::vector<ChannelRecord> channels;  // in channel-file order
    std::array<ChannelRecord, MemListSize + 1> mem{};  // 1..96
};

// A count as a walker may use it: never below 0 nor past the table.
int SlotsOf(const DocumentImage& d, int band, int group) {
    return std::clamp<int>(d.ChannelCount(band, group), 0, MaxSlot);
}

// Band, current groups and every walked count within the limits of the
// tables: the editors index the tables with them.
bool CountsValid(const DocumentImage& d) {
    if (d.Band < 0 || d.Band > 2) return false;
    for (int b = 0; b < BandCount; ++b) {
        const int cur = d.CurGroup[static_cast<std::size_t>(b)];
        if (cur < 0 || cur > GroupsOfBand(b)) return false;
    }
    bool valid = true;
    ForEachWalkedGroup([&](int b, int g) {
        const int c = d.ChannelCount(b, g);
        if (c < 0 || c > SlotLimit(b, g)) valid = false;
    });
    return valid;
}

// Every walked slot (b, s, g) of the groups, in channel-file order; the
// counts come from `counts`.
template <class F>
void ForEachWalkedSlot(const DocumentImage& counts, F&& fn) {
    ForEachWalkedGroup([&](int b, int g) {
        for (int s = 1; s <= SlotsOf(counts, b, g); ++s) fn(b, s, g);
    });
}

std::size_t WalkedTotal(const DocumentImage& d) {
    std::size_t total = 0;
    ForEachWalkedSlot(d, [&](int, int, int) { ++total; });
    return total;
}

const QString& LangText(const VerText& t) {
    const int lang = CurrentLanguage == 2 ? 2 : 1;
    return t[static_cast<std::size_t>(lang)];
}

void ShowFileError() { platform::MsgBox(Tr(MsgFileError)); }

void SetCaption() {
    if (WindowHooks.setCaption) WindowHooks.setCaption();
}

// The channel file of a data file. A copy from another system may carry the
// extension in capitals, so any case is accepted when the exact name is missing.
QString ExistingFrePath(const QString& dataPath) {
    const QString exact = FreFilePath(dataPath);
    if (exact.isEmpty()) return {};
    const QFileInfo fi(exact);
    if (fi.isFile()) return exact;
    const QDir dir = fi.absoluteDir();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& n : names)
        if (n.compare(fi.fileName(), Qt::CaseInsensitive) == 0) return dir.filePath(n);
    return {};
}

// Reads the channel file that belongs to `doc` into the pair.
bool ReadChannelFile(const QString& dataPath, LoadedPair& pair) {
    const QString frePath = ExistingFrePath(dataPath);
    if (frePath.isEmpty()) return false;
    QFile f(frePath);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const std::size_t records = WalkedTotal(pair.doc) + MemListSize;
    const qint64 need = static_cast<qint64>(records * ChannelRecordDiskSize);
    // The file has no counts of its own: one record more or less than the
    // data file's counts shifts every later group, so such a pair is refused.
    if (f.size() != need) return false;
    const QByteArray data = f.read(need);
    if (data.size() != need) return false;
    const auto* p = reinterpret_cast<const std::uint8_t*>(data.constData());
    std::size_t at = 0;
    pair.channels.clear();
    pair.channels.reserve(records - MemListSize);
    for (std::size_t i = 0; i + MemListSize < records; ++i, at += ChannelRecordDiskSize)
        pair.channels.push_back(ChannelFromBytes(p + at, ChannelRecordDiskSize));
    for (int n = 1; n <= MemListSize; ++n, at += ChannelRecordDiskSize)
        pair.mem[static_cast<std::size_t>(n)] = ChannelFromBytes(p + at, ChannelRecordDiskSize);
    return true;
}

// Earlier releases saved a work channel of 0 when its group had no channel
// to name (an emptied group). The radio cannot hold 0; it reads as channel 1,
// what a new document and the editors give such a group. Only the groups that
// have a work channel of their own (CB plan 7 shows plan 5's) are touched, so
// a file saved now reads back unchanged.
void RepairZeroWorkChannels(GeneralSettingsRecord& s) {
    for (int b = 0; b < BandCount; ++b) {
        const int last = b == BandCB ? 6 : NamedGroupsOf(b);
        for (int g = 1; g <= last; ++g)
            if (s.WorkChannel(b, g) == 0) s.WorkChannel(b, g) = 1;
    }
}

// The data-file record (at least 2893 bytes) and its channel file, checked.
std::optional<LoadedPair> ReadPair(const QByteArray& record, const QString& dataPath) {
    if (record.size() < static_cast<qsizetype>(DocumentImageDiskSize)) return std::nullopt;
    LoadedPair pair;
    pair.doc = DocumentFromBytes(reinterpret_cast<const std::uint8_t*>(record.constData()),
                                 DocumentImageDiskSize);
    if (!CountsValid(pair.doc)) return std::nullopt;
    if (!ReadChannelFile(dataPath, pair)) return std::nullopt;
    RepairZeroWorkChannels(pair.doc.Settings);
    return pair;
}

// The pair's channels in the slots of a channel table and memory list;
// slots past the counts stay as they were.
void FillTables(const LoadedPair& pair, ChannelTableType& table, MemChannelListType& mem) {
    std::size_t i = 0;
    ForEachWalkedSlot(pair.doc, [&](int b, int s, int g) { table(b, s, g) = pair.channels[i++]; });
    for (int n = 1; n <= MemListSize; ++n) mem(n) = pair.mem[static_cast<std::size_t>(n)];
}

// Saved copies = the pair, then working copies = saved copies.
void ApplyPair(const LoadedPair& pair) {
    SavedDocument = pair.doc;
    FillTables(pair, SavedChannelTable, SavedMemChannelList);
    ApplyLoadedImage();
}

// The refusal text of `check` for the pair as it would be applied; empty when none.
QString CheckPair(const LoadedPair& pair, const DocumentCheck& check) {
    if (!check) return {};
    auto table = std::make_unique<ChannelTableType>();
    auto mem = std::make_unique<MemChannelListType>();
    FillTables(pair, *table, *mem);
    return check(pair.doc, *table, *mem);
}

// Counts out of range cannot come from the editors; repaired before a save so
// the written pair can always be opened again.
void ClampWalkedCounts(DocumentImage& d) {
    ForEachWalkedGroup([&](int b, int g) {
        d.ChannelCount(b, g) = static_cast<Integer>(std::clamp<int>(d.ChannelCount(b, g), 0, SlotLimit(b, g)));
    });
}

std::optional<QByteArray> ReadSmallFile(const QString& path) {
    QFile f(path);
    if (!f.exists()) return QByteArray();
    if (f.size() > 64 * 1024 * 1024 || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

bool WriteWhole(QSaveFile& f, const Bytes& data) {
    if (!f.open(QIODevice::WriteOnly)) return false;
    const auto n = static_cast<qint64>(data.size());
    return f.write(reinterpret_cast<const char*>(data.data()), n) == n;
}

// Both files are written to temporaries first; only then are they renamed
// into place. Should the second rename fail, the first file gets its old
// content back so the pair on disk stays the old one.
bool WritePair(const QString& datPath, const Bytes& dat, const QString& frePath, const Bytes& fre) {
    QSaveFile datFile(datPath);
    QSaveFile freFile(frePath);
    if (!WriteWhole(datFile, dat) || !WriteWhole(freFile, fre)) return false;
    if (testhooks::SaveFault && !testhooks::SaveFault(0)) return false;
    const bool datExisted = QFileInfo::exists(datPath);
    const std::optional<QByteArray> oldDat = ReadSmallFile(datPath);
    if (!datFile.commit()) return false;
    const bool secondOk = (!testhooks::SaveFault || testhooks::SaveFault(1)) && freFile.commit();
    if (secondOk) return true;
    freFile.cancelWriting();
    if (!datExisted) {
        QFile::remove(datPath);
    } else if (oldDat) {
        QSaveFile restore(datPath);
        if (restore.open(QIODevice::WriteOnly) && restore.write(*oldDat) == oldDat->size()) restore.commit();
    }
    return false;
}

// The fields the modified test leaves out, and texts compared as their value.
DocumentImage ComparableForm(const DocumentImage& d) {
    DocumentImage c = d;
    c.Version = FixedText<4>();
    c.Band = 0;
    c.CurGroup = {};
    c.LastRow = {};
    for (auto& name : c.Settings.GroupName.v) name = TrimNull(name);
    for (auto& memory : c.Settings.DtmfAutodial) memory = TrimNull(memory);
    return c;
}

}  // namespace

QString MainCaptionText() {
    return QStringLiteral("Ulbrix[") + App.BandRangeText + QStringLiteral("][") + Tr(CapFileName) +
           QStringLiteral(":") + FileNameFromPath(Doc.DataFilePath) + QStringLiteral("]");
}

QString FreFilePath(const QString& dataPath) {
    if (dataPath.size() < 3) return {};
    return dataPath.left(dataPath.size() - 3) + QStringLiteral("fre");
}

QString BandTypeToText(int band) {
    switch (band) {
        case 0: return QStringLiteral("28.0000 - 29.6950 MHz");
        case 1: return QStringLiteral("24.7150 - 30.1050 MHz");
        default: return QStringLiteral("28.0000 - 29.6990 MHz");
    }
}

int BandTextToFileCode(const QString& bandRangeText, QString& modelName) {
    GetModelCode(modelName);  // trims the model name, as every lookup does
    return bandRangeText == QStringLiteral("24.7150 - 30.1050 MHz") ? 0 : 1;
}

int FindChannelPos(int chNo, int band, int group) {
    if (band < 0 || band > 2 || group < 1 || group > MaxGroup) return 0;
    const int count = SlotsOf(WorkDocument, band, group);
    for (int s = 1; s <= count; ++s)
        if (ChannelTable(band, s, group).ChNo == chNo) return s;
    return 0;
}

Bytes BuildDataFileBytes(const DocumentImage& doc) { return DocumentToBytes(doc); }

Bytes BuildChannelFileBytes(const DocumentImage& doc, const ChannelTableType& table, const MemChannelListType& mem) {
    LayoutWriter w;
    ForEachWalkedSlot(doc, [&](int b, int s, int g) { DescribeChannel(w, table(b, s, g)); });
    for (int n = 1; n <= MemListSize; ++n) DescribeChannel(w, mem(n));
    return w.out;
}

void PrepareSaveImage() {
    FillFileHeader(WorkDocument.Header);
    WorkDocument.Version = std::string("V100");
    SavedDocument = WorkDocument;
    ForEachWalkedSlot(WorkDocument, [](int b, int s, int g) { SavedChannelTable(b, s, g) = ChannelTable(b, s, g); });
    for (int n = 1; n <= MemListSize; ++n) SavedMemChannelList(n) = MemChannelList(n);
}

void ApplyLoadedImage() {
    WorkDocument = SavedDocument;
    App.FirmwareVersion = QString::fromLatin1(TrimNull(WorkDocument.Version));
    SetDefaultModel();
    App.BandRangeText = BandTypeToText(WorkDocument.Band);
    ParseBandRange();
    SetCaption();
    ForEachWalkedSlot(SavedDocument, [](int b, int s, int g) { ChannelTable(b, s, g) = SavedChannelTable(b, s, g); });
    for (int n = 1; n <= MemListSize; ++n) MemChannelList(n) = SavedMemChannelList(n);
}

bool OpenDataFile(const QString& path, const DocumentCheck& check) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) {
        ShowFileError();
        return false;
    }
    const qint64 size = f.size();
    const QByteArray record = f.read(static_cast<qint64>(DocumentImageDiskSize));
    f.close();

    // A file too short to hold a version text is judged by the document's own.
    const std::string version = record.size() >= 4 ? record.left(4).toStdString() : WorkDocument.Version.str();
    if (!IsVersionText(version)) {
        platform::MsgBox(LangText(VerTextUnknownData));
        return false;
    }
    const QString fileVersion = QString::fromLatin1(TrimNull(version));
    if (!IsVersionPairListed(OwnSoftwareVersion, fileVersion)) {
        const auto answer = platform::MsgBox(BuildVersionMessage(OwnSoftwareVersion, fileVersion, VersionKindDataFile),
                                             platform::MsgButtons::YesNo);
        if (answer == platform::MsgResult::Yes) StartMatchingVersion(fileVersion);
        return false;
    }
    if (size != static_cast<qint64>(DocumentImageDiskSize)) {
        platform::MsgBox(LangText(VerTextNoRelease));
        return false;
    }

    std::optional<LoadedPair> pair = ReadPair(record, path);  // a short read fails here
    if (!pair) {
        ShowFileError();
        return false;
    }
    pair->doc.Version = std::string("V100");
    if (const QString refusal = CheckPair(*pair, check); !refusal.isEmpty()) {
        platform::MsgBox(refusal, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
        return false;
    }
    Doc.DataFilePath = path;
    ApplyPair(*pair);
    if (WindowHooks.showOpened) WindowHooks.showOpened();
    SetCaption();
    Doc.Untitled = false;
    return true;
}

QString DataFileNameToWrite(const QString& path) {
    // The channel file name is made from the last three characters; without
    // ".dat" it could name the data file itself.
    if (FileNameFromPath(path).isEmpty() || path.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive)) return path;
    return path + QStringLiteral(".dat");
}

bool SaveDataFile() {
    const QString path = DataFileNameToWrite(Doc.DataFilePath);
    if (FileNameFromPath(path).isEmpty()) {
        ShowFileError();
        return false;
    }

    ClampWalkedCounts(WorkDocument);
    DocumentImage doc = WorkDocument;
    FillFileHeader(doc.Header);
    doc.Version = std::string("V100");
    const Bytes dat = BuildDataFileBytes(doc);
    const Bytes fre = BuildChannelFileBytes(doc, ChannelTable, MemChannelList);
    if (!WritePair(path, dat, FreFilePath(path), fre)) {
        ShowFileError();
        return false;
    }
    Doc.DataFilePath = path;
    PrepareSaveImage();
    Doc.Untitled = false;
    SetCaption();
    return true;
}

bool LoadDataFileQuiet(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return false;
    const QByteArray record = f.read(static_cast<qint64>(DocumentImageDiskSize));
    f.close();
    const std::optional<LoadedPair> pair = ReadPair(record, path);
    if (!pair || TrimNull(pair->doc.Settings.GroupName(BandHF, 1)).empty()) return false;
    ApplyPair(*pair);
    return true;
}

bool IsDataUnchanged() {
    const DocumentImage work = ComparableForm(WorkDocument);
    const DocumentImage saved = ComparableForm(SavedDocument);
    // Counts, header, settings, special channels, patterns and option words.
    if (DocumentToBytes(work) != DocumentToBytes(saved)) return false;

    bool same = true;
    ForEachWalkedSlot(SavedDocument, [&](int b, int s, int g) {
        if (!same) return;
        const ChannelRecord& saved_ch = SavedChannelTable(b, s, g);
        int pos = s;
        if (ChannelTable(b, s, g).ChNo != saved_ch.ChNo) pos = FindChannelPos(saved_ch.ChNo, b, g);
        same = pos != 0 && ChannelToBytes(ChannelTable(b, pos, g)) == ChannelToBytes(saved_ch);
    });
    if (!same) return false;
    for (int n = 1; n <= MemListSize; ++n)
        if (ChannelToBytes(MemChannelList(n)) != ChannelToBytes(SavedMemChannelList(n))) return false;
    return true;
}

bool IsDataModified() { return !IsDataUnchanged(); }

}  // namespace ulbrix
