#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define SI_NO_CONVERSION  // byte strings only; no wide-character interface
#define SI_IMPLEMENTATION  // the template bodies, instantiated here
#include <SimpleIni.h>
#pragma GCC diagnostic pop

namespace platform {

struct IniFile::Impl {
    // Byte strings, section and key names without regard to case (the "A"
    // variant; the "CaseA" one compares case-sensitively), one value per key.
    CSimpleIniA ini{false, false, false};
    bool crlf = false;  // the file as read ended its lines with CR LF
};

IniFile::IniFile(const QString& path) : d_(std::make_unique<Impl>()), path_(path) {
    d_->ini.SetSpaces(false);  // "key=value", as the files are shipped
}

IniFile::~IniFile() = default;

bool IniFile::Load() {
    d_->ini.Reset();
    d_->crlf = false;
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = f.readAll();
    const qsizetype firstEnd = data.indexOf('\n');
    d_->crlf = firstEnd > 0 && data.at(firstEnd - 1) == '\r';
    return d_->ini.LoadData(data.constData(), static_cast<size_t>(data.size())) >= 0;
}

bool IniFile::Exists(const QString& section, const QString& key) const {
    return d_->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr) != nullptr;
}

QString IniFile::Get(const QString& section, const QString& key, const QString& def) const {
    const char* v = d_->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    if (!v) return def;
    return QString::fromUtf8(v).trimmed();
}

void IniFile::Set(const QString& section, const QString& key, const QString& value) {
    d_->ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                     value.trimmed().toUtf8().constData());
}

bool IniFile::Save() {
    if (!QFileInfo(QFileInfo(path_).absolutePath()).isDir()) return false;
    std::string out;
    if (d_->ini.Save(out) < 0) return false;
    // Lines keep the ending the file had, so a rewrite changes only the values.
    if (d_->crlf) {
        std::string withCr;
        withCr.reserve(out.size() + out.size() / 8);
        for (char c : out) {
            if (c == '\n') withCr.push_back('\r');
            withCr.push_back(c);
        }
        out.swap(withCr);
    }
    // A whole new file or the old one untouched, never half of each; a folder
    // that allows no new files still lets an existing file be rewritten.
    QSaveFile f(path_);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(out.data(), static_cast<qint64>(out.size())) != static_cast<qint64>(out.size())) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& file) {
    IniFile ini(file);
    ini.Load();
    return ini.Get(section, key, def);
}

bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file) {
    IniFile ini(file);
    // An unreadable existing file must not be replaced by one holding only this key.
    if (!ini.Load() && QFileInfo::exists(file)) return false;
    ini.Set(section, key, value);
    return ini.Save();
}

}  // namespace platform
