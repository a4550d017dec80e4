// The text box laid over a grid cell for typing in place. Its key filter drops
// what the box does not take as it is typed; the owner adds a validator for
// every other way in (paste, middle click, drag and drop, input methods). It
// asks to be committed on Enter (and Up or Down) and when the focus leaves it for anything but
// its own pop-up; the owner also commits on close and on deactivation.
#pragma once

#include <QLineEdit>
#include <functional>

namespace platform {

class FlexGrid;

// True when a key would bring text a filtered box does not take: Ctrl+C, Ctrl+V,
// Ctrl+X, characters above 127 and printable characters `accept` refuses;
// control keys pass.
bool DropsKey(const QKeyEvent& event, const std::function<bool(QChar)>& accept);

class GridEditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit GridEditBox(FlexGrid* grid);

    // Printable characters the box takes; others are dropped as typed.
    // Ctrl+C, Ctrl+V, Ctrl+X and characters above 127 are always dropped;
    // control keys pass.
    void setKeyFilter(std::function<bool(QChar)> accept) { accept_ = std::move(accept); }

    // Lays the box over the cell with the text, shows and focuses it.
    void openAt(int row, int col, const QString& text);
    bool isOpen() const { return open_; }
    int editRow() const { return row_; }
    int editCol() const { return col_; }
    // Hides the box (before anything the commit may raise) and gives its text.
    QString takeText();

signals:
    void commitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    FlexGrid* grid_;
    std::function<bool(QChar)> accept_;
    bool open_ = false;
    int row_ = -1;
    int col_ = -1;
};

}  // namespace platform
