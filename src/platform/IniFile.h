// Settings-style text files: "[section]" headers and "key=value" lines.
// Section and key names compare without regard to case, values are trimmed,
// a missing file, section or key reads as the given default. A write replaces
// the value where it stands and keeps every other entry and its comments.
#pragma once

#include <QString>
#include <memory>

namespace platform {

// One file held in memory; changes reach the disk on Save().
class IniFile {
public:
    explicit IniFile(const QString& path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Reads the file; false when it is missing or unreadable (the object then
    // holds no entries, so every read gives its default).
    bool Load();
    bool Exists(const QString& section, const QString& key) const;
    QString Get(const QString& section, const QString& key, const QString& def = QString()) const;
    void Set(const QString& section, const QString& key, const QString& value);
    // Writes the whole file safely; false when it cannot be written (its
    // folder missing, no permission). The old file is left as it was then.
    bool Save();
    const QString& Path() const { return path_; }

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    QString path_;
};

// The value of key in section of file, trimmed; def when the file, the
// section or the key is missing.
QString GetPrivateProfileString(const QString& section, const QString& key, const QString& def,
                                const QString& file);

// Sets key in section of file to value, creating the key, the section or the
// file (when its folder exists) as needed. False when the file cannot be written.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value,
                               const QString& file);

}  // namespace platform
