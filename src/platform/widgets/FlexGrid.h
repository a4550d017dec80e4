// A grid in the vocabulary the editors are written in: rows and columns count
// the fixed header row and column, cells are addressed as a text matrix, there
// is one current cell, widths are in twips (15 to a pixel), and the events are
// entering a cell, a double click, Enter and a right button press.
// Row 0 of a grid with a fixed row is shown in a real column header, so it
// stays in view while the data rows scroll; it is still row 0 of the matrix.
// Out-of-range cell addresses throw std::out_of_range (editor handlers trap it).
#pragma once

#include <QTableWidget>
#include <map>

namespace platform {

class FlexGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int TwipsPerPixel = 15;

    explicit FlexGrid(QWidget* parent = nullptr);

    void setRows(int rows);
    int rows() const { return rowCount(); }
    void setCols(int cols);
    int cols() const { return columnCount(); }
    // The first `n` rows / columns are headers: grey, never current.
    void setFixedRows(int n);
    void setFixedCols(int n);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);

    // The current cell; -1 when there is none.
    int row() const { return currentRow(); }
    int col() const { return currentColumn(); }
    void setRow(int row);
    void setCol(int col);

    void setColWidthTwips(int col, int twips);
    int colWidthTwips(int col) const;
    // Row 0's height is the header's height when row 0 is the header.
    void setRowHeightTwips(int row, int twips);
    void setColAlignment(int col, Qt::Alignment alignment);

    // The cell's rectangle in viewport coordinates (where an in-place box goes);
    // the header row lies just above the viewport.
    QRect cellRect(int row, int col) const;

signals:
    void enterCell(int row, int col);
    void cellDoubleClick(int row, int col);
    void enterPressed();
    void rightMouseDown(int row, int col, QPoint globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void check(int row, int col) const;
    QTableWidgetItem* cell(int row, int col);
    void styleCell(int row, int col, QTableWidgetItem* item) const;
    void restyle();
    bool headerRow() const { return fixedRows_ >= 1 && rowCount() >= 1; }
    // Shows row 0 in the column header and hides it among the data rows.
    void syncHeader();

    int fixedRows_ = 1;
    int fixedCols_ = 1;
    std::map<int, Qt::Alignment> alignment_;
};

}  // namespace platform
