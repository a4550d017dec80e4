// The language dialog: a list of language names; OK applies the choice and
// stores it in the settings file.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace ulbrix {

// The language a chosen name stands for, with the names written in `language`:
// 1 or 2, 0 when the name is none of them.
int LanguageOfName(const QString& name, int language);
// The names the dialog lists: both when the system locale is Chinese, else
// only the first.
QStringList LanguageChoices(int language, int localeLanguage);
// Applies a choice: when it names a language other than the current one,
// ShownLanguage takes the old language and CurrentLanguage the new one.
// Returns true when the language changed.
bool ApplyLanguageChoice(const QString& chosenName);

class FrmSetLanguage : public QDialog {
    Q_OBJECT
public:
    explicit FrmSetLanguage(QWidget* parent = nullptr);

    QComboBox* Combo1() const { return combo_; }

public slots:
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitLanguageForm();
    void SelectCurrentLanguage();

    QLabel* label_ = nullptr;
    QComboBox* combo_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace ulbrix
