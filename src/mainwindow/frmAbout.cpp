#include "mainwindow/frmAbout.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/MsgBox.h"

namespace ulbrix {

QString AppVersionText() {
    return QStringLiteral("%1.%2.%3").arg(AppVersionMajor).arg(AppVersionMinor).arg(AppVersionRevision);
}

AboutBoxBase::AboutBoxBase(QWidget* parent, const QString& name, const QString& caption) : QDialog(parent) {
    setObjectName(name);
    setWindowTitle(caption);
    auto label = [this](const char* objectName) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(objectName));
        return l;
    };
    picIcon = label("picIcon");
    picIcon->setPixmap(QPixmap(QStringLiteral(":/mainwindow/icons/ulbrix64.png")));
    lblTitle = label("lblTitle");
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = label("lblVersion");
    Label1 = label("Label1");
    lblDescription = label("lblDescription");
    lblDisclaimer = label("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBoxBase::cmdOK_Click);
    // Form_Load: the application title.
    lblTitle->setText(QStringLiteral("Ulbrix"));
}

void AboutBoxBase::layoutBox(QPushButton* extraButton) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(Label1, 2, 1);
    grid->addWidget(lblDescription, 3, 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 4, 0, 1, 3);
    grid->addWidget(lblDisclaimer, 5, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    if (extraButton) buttons->addWidget(extraButton);
    buttons->addStretch(1);
    grid->addLayout(buttons, 5, 2);
    grid->setColumnStretch(1, 1);
    lblDisclaimer->setMinimumWidth(300);
    setFixedSize(sizeHint());
}

frmAbout::frmAbout(QWidget* parent) : AboutBoxBase(parent, QStringLiteral("frmAbout"), QStringLiteral("关于 Ulbrix")) {
    lblVersion->setText(QStringLiteral("版本 ") + AppVersionText());
    Label1->setText(QStringLiteral("用于 Ulbrix 机型"));
    lblDescription->setText(QStringLiteral("Ulbrix 对讲机编程软件 "));
    lblDisclaimer->setText(QStringLiteral("本软件直接改写对讲机的存储器。写入对讲机之前，请先把现有数据读出并保存为数据文件。"));
    cmdOK->setText(QStringLiteral("确定(&O)"));
    cmdSysInfo = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    layoutBox(cmdSysInfo);
}

void frmAbout::StartSysInfo() { platform::MsgBox(SysInfoUnavailableText, platform::MsgButtons::Ok); }

FrmAbout2::FrmAbout2(QWidget* parent) : AboutBoxBase(parent, QStringLiteral("FrmAbout2"), QStringLiteral("About Ulbrix")) {
    lblVersion->setText(QStringLiteral("Version ") + AppVersionText());
    Label1->setText(QStringLiteral("FOR Ulbrix RADIO"));
    lblDescription->setText(QStringLiteral("Ulbrix RADIO PROGRAMMING SOFTWARE"));
    lblDisclaimer->setText(QStringLiteral(
        "This program rewrites the radio's memory directly. Before writing to a radio, read its present "
        "data and keep it in a data file."));
    cmdOK->setText(QStringLiteral("&OK"));
    layoutBox(nullptr);
}

}  // namespace ulbrix
