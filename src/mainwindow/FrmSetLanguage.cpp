#include "mainwindow/FrmSetLanguage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "core/ModEnglish.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"

namespace ulbrix {

namespace {
int validLanguage(int l) { return l == 2 ? 2 : 1; }
}  // namespace

int LanguageOfName(const QString& name, int language) {
    const int l = validLanguage(language);
    if (name == CapLanguageName.Item(1, l)) return 1;
    if (name == CapLanguageName.Item(2, l)) return 2;
    return 0;
}

QStringList LanguageChoices(int language, int localeLanguage) {
    const int l = validLanguage(language);
    QStringList names{CapLanguageName.Item(1, l)};
    if (localeLanguage != 1) names << CapLanguageName.Item(2, l);
    return names;
}

bool ApplyLanguageChoice(const QString& chosenName) {
    const int chosen = LanguageOfName(chosenName, App.CurrentLanguage);
    if (chosen == 0 || chosen == App.CurrentLanguage) return false;
    App.ShownLanguage = App.CurrentLanguage;
    App.CurrentLanguage = chosen;
    return true;
}

FrmSetLanguage::FrmSetLanguage(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmSetLanguage"));
    setWindowTitle(QStringLiteral("语言设置"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setEditable(false);
    combo_->setMinimumWidth(160);
    combo_->installEventFilter(this);
    ok_ = new QPushButton(QStringLiteral("确定(&O)"), this);
    ok_->setObjectName(QStringLiteral("Command1"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("取消(&C)"), this);
    cancel_->setObjectName(QStringLiteral("Command2"));
    connect(ok_, &QPushButton::clicked, this, &FrmSetLanguage::Command1_Click);
    connect(cancel_, &QPushButton::clicked, this, &FrmSetLanguage::Command2_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(combo_, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    grid->addLayout(buttons, 1, 0, 1, 2);
    setFixedSize(sizeHint());

    // Form_Load
    InitLanguageForm();
    SelectCurrentLanguage();
    setFixedSize(sizeHint());
}

void FrmSetLanguage::InitLanguageForm() {
    combo_->clear();
    setWindowTitle(Tr(CapLanguageSetup));
    label_->setText(Tr(CapLanguageMode));
    combo_->addItems(LanguageChoices(App.CurrentLanguage, App.LocaleLanguage));
    SetOkCancelCaptions12(this);
}

void FrmSetLanguage::SelectCurrentLanguage() {
    const int l = validLanguage(App.CurrentLanguage);
    // The current language's own name; when the list lacks it (Chinese chosen
    // on a system whose locale is not Chinese) nothing is selected, and OK
    // then changes nothing.
    combo_->setCurrentIndex(combo_->findText(CapLanguageName.Item(l, l)));
}

void FrmSetLanguage::Command1_Click() {
    ApplyLanguageChoice(combo_->currentText());
    // Written also when nothing changed; a file that cannot be written still
    // leaves the language changed for this run.
    WriteSetting(QStringLiteral("CurrentLanguage"), QString::number(App.CurrentLanguage));
    accept();
}

void FrmSetLanguage::Command2_Click() { reject(); }

bool FrmSetLanguage::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the list moves on to the next control.
    if (watched == combo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ulbrix
