// The two About boxes: the Chinese one (with a system information button)
// and the English one.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace ulbrix {

// The program's version numbers.
constexpr int AppVersionMajor = 1;
constexpr int AppVersionMinor = 0;
constexpr int AppVersionRevision = 0;
// "1.0.0"
QString AppVersionText();

// The text shown when no system information tool can be started.
inline const QString SysInfoUnavailableText = QStringLiteral("此时系统信息不可用");

class AboutBoxBase : public QDialog {
    Q_OBJECT
public:
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;

public slots:
    void cmdOK_Click() { accept(); }

protected:
    AboutBoxBase(QWidget* parent, const QString& name, const QString& caption);
    // Lays the controls out; `extraButton` (may be nullptr) goes below OK.
    void layoutBox(QPushButton* extraButton);
};

// Shown when the language is not English.
class frmAbout : public AboutBoxBase {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
    QPushButton* cmdSysInfo = nullptr;

public slots:
    void cmdSysInfo_Click() { StartSysInfo(); }
    // This system offers no system information tool of the kind the box
    // starts: it says so.
    void StartSysInfo();
};

// Shown when the language is English.
class FrmAbout2 : public AboutBoxBase {
    Q_OBJECT
public:
    explicit FrmAbout2(QWidget* parent = nullptr);
};

}  // namespace ulbrix
