#include "platform/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace platform {

namespace {

struct LcidCodePage {
    int lcid;
    int cp;
};

constexpr LcidCodePage Table[] = {
    {0x409, 1252}, {0x809, 1252}, {0x407, 1252}, {0x40C, 1252}, {0x410, 1252}, {0x40A, 1252},
    {0x413, 1252}, {0x416, 1252}, {0x816, 1252}, {0x41D, 1252}, {0x406, 1252}, {0x414, 1252},
    {0x804, 936},  {0x1004, 936}, {0x404, 950},  {0xC04, 950},  {0x1404, 950}, {0x411, 932},
    {0x412, 949},  {0x419, 1251}, {0x422, 1251}, {0x402, 1251}, {0x415, 1250}, {0x405, 1250},
    {0x40E, 1250}, {0x41B, 1250}, {0x424, 1250}, {0x41A, 1250}, {0x418, 1250}, {0x408, 1253},
    {0x41F, 1254}, {0x40D, 1255}, {0x401, 1256}, {0x425, 1257}, {0x426, 1257}, {0x427, 1257},
    {0x42A, 1258}, {0x41E, 874},
};

// Runs bytes through one iconv conversion; false on any character it cannot
// convert or an unknown code page.
bool Convert(const char* to, const char* from, const QByteArray& in, QByteArray& out) {
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string input(in.constData(), static_cast<std::size_t>(in.size()));
    char* src = input.data();
    std::size_t srcLeft = input.size();
    std::string buffer(input.size() * 4 + 16, '\0');
    char* dst = buffer.data();
    std::size_t dstLeft = buffer.size();
    bool ok = true;
    while (srcLeft > 0) {
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) {
                const std::size_t used = buffer.size() - dstLeft;
                buffer.resize(buffer.size() * 2);
                dst = buffer.data() + used;
                dstLeft = buffer.size() - used;
                continue;
            }
            ok = false;  // EILSEQ or EINVAL: no form in the target, or a cut sequence
            break;
        }
    }
    if (ok && iconv(cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<std::size_t>(-1)) ok = false;
    iconv_close(cd);
    if (ok) out = QByteArray(buffer.data(), static_cast<qsizetype>(buffer.size() - dstLeft));
    return ok;
}

QByteArray CodePageName(int cp) { return "CP" + QByteArray::number(cp); }

// The five bytes that code page 1252 leaves without a character. Windows maps
// each to the control character of the same code and back; iconv refuses them.
bool IsUnassigned1252(unsigned code) {
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

// iconv on the runs between the unassigned codes of 1252, the codes
// themselves kept as they are: `isGap` tells such a unit, `convertRun`
// converts the units between two of them, `appendGap` adds a gap unit.
template <class Unit, class Out, class IsGap, class Convert1, class Append>
bool SplitAtGaps(const Unit& in, Out& out, IsGap isGap, Convert1 convertRun, Append appendGap) {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= in.size(); ++i) {
        if (i < in.size() && !isGap(in[i])) continue;
        if (i > start && !convertRun(in.mid(start, i - start), out)) return false;
        if (i < in.size()) appendGap(in[i], out);
        start = i + 1;
    }
    return true;
}

}  // namespace

int AnsiCodePageForLcid(const QString& lcidHex) {
    bool ok = false;
    const int lcid = lcidHex.trimmed().toInt(&ok, 16);
    if (ok)
        for (const auto& e : Table)
            if (e.lcid == lcid) return e.cp;
    return 1252;
}

QByteArray ToCodePage(const QString& text, int cp, bool* ok) {
    const QByteArray name = CodePageName(cp);
    const auto run = [&](const QString& part, QByteArray& out) {
        QByteArray bytes;
        if (!Convert(name.constData(), "UTF-8", part.toUtf8(), bytes)) return false;
        out += bytes;
        return true;
    };
    QByteArray out;
    bool good = false;
    if (cp == 1252) {
        good = SplitAtGaps(
            text, out, [](QChar c) { return IsUnassigned1252(c.unicode()); }, run,
            [](QChar c, QByteArray& o) { o += static_cast<char>(c.unicode()); });
    } else {
        good = run(text, out);
    }
    if (ok) *ok = good;
    return good ? out : QByteArray();
}

QString FromCodePage(const QByteArray& bytes, int cp, bool* ok) {
    const QByteArray name = CodePageName(cp);
    const auto run = [&](const QByteArray& part, QString& out) {
        QByteArray utf8;
        if (!Convert("UTF-8", name.constData(), part, utf8)) return false;
        out += QString::fromUtf8(utf8);
        return true;
    };
    QString out;
    bool good = false;
    if (cp == 1252) {
        good = SplitAtGaps(
            bytes, out, [](char c) { return IsUnassigned1252(static_cast<unsigned char>(c)); }, run,
            [](char c, QString& o) { o += QChar(static_cast<char16_t>(static_cast<unsigned char>(c))); });
    } else {
        good = run(bytes, out);
    }
    if (ok) *ok = good;
    return good ? out : QString();
}

QString FromCodePageByteWise(const QByteArray& bytes, int cp) {
    QString out;
    for (const char c : bytes) {
        bool ok = false;
        const QString one = FromCodePage(QByteArray(1, c), cp, &ok);
        out += (ok && one.size() == 1) ? one : QString(QChar::fromLatin1(c));
    }
    return out;
}

}  // namespace platform
