// The optional-features window: every radio-wide option of the working
// document as a list, a check box or a text box. A pick is stored at once;
// there is no OK and no Cancel. The controls come from the option tables
// (OptionRules.h): one loop each builds, captions, fills, shows and stores them.
#pragma once

#include <QLineEdit>
#include <map>
#include <vector>

#include "editors/EditorBase.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;

namespace ulbrix {

struct OptionRow;
struct TextRow;

// The one text box of the window: a key filter and a validator for the same
// set of characters, no context menu, no drops, and a commit request on
// Enter and when it loses the focus.
class OptTextBox : public QLineEdit {
    Q_OBJECT
public:
    // allowed: the printable characters that pass; nullptr (or "") lets any pass.
    OptTextBox(const char* allowed, int maxLength, QWidget* parent = nullptr);
    // Shows a value; the box then has nothing to commit.
    void showValue(const QString& text);

signals:
    void commitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString allowed_;  // empty: any character passes
};

class FrmOptFeatures : public EditorBase {
    Q_OBJECT
public:
    explicit FrmOptFeatures(QWidget* parent = nullptr);

    // Commits every text box the user has typed into and not yet committed.
    void commitPendingEdit() override;

    // The Roger lists rebuilt from the valid patterns, the stored values shown.
    Q_INVOKABLE void ShowRB();
    // Lists refilled and the document shown again.
    Q_INVOKABLE void ReShowData();
    // The autodial-memory lists rebuilt.
    Q_INVOKABLE void ShowDTMF();
    // Stores what control `id` shows (save ids of the option tables).
    void SaveOptFeat(int id);

    QComboBox* list(int id) const;
    QCheckBox* check(int id) const;
    OptTextBox* textBox(const QString& objectName) const;

    QSize sizeHint() const override;

private:
    void buildWindow();
    QWidget* makeControl(const OptionRow& row, QWidget* parent);
    void refill(const OptionRow& row);
    void FillOptLists();
    void SetOptCaptions();
    void ShowOptData();
    void showRow(const OptionRow& row);
    void pick(const OptionRow& row, int index);
    void commitText(OptTextBox* box, const TextRow& row);
    void applyLimitEnables();
    void applyKeyEnables();
    void applyVoxEnables();
    void reopenChannelEditor();

    std::map<int, QComboBox*> lists_;
    std::map<int, QCheckBox*> checks_;
    std::vector<std::pair<const TextRow*, OptTextBox*>> texts_;
    std::vector<std::pair<QGroupBox*, QString>> frames_;  // frame, caption key
};

}  // namespace ulbrix
