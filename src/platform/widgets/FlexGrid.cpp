#include "platform/widgets/FlexGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <stdexcept>

namespace platform {

FlexGrid::FlexGrid(QWidget* parent) : QTableWidget(parent) {
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (r >= 0 && c >= 0) emit enterCell(r, c);
    });
    connect(this, &QTableWidget::cellDoubleClicked, this, &FlexGrid::cellDoubleClick);
}

void FlexGrid::check(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        throw std::out_of_range("grid cell index");
}

void FlexGrid::styleCell(int row, int col, QTableWidgetItem* item) const {
    const bool fixed = row < fixedRows_ || col < fixedCols_;
    item->setFlags(fixed ? Qt::ItemIsEnabled : (Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    item->setBackground(fixed ? palette().button() : QBrush());
    auto it = alignment_.find(col);
    item->setTextAlignment(it != alignment_.end() ? it->second : (Qt::AlignLeft | Qt::AlignVCenter));
}

QTableWidgetItem* FlexGrid::cell(int row, int col) {
    check(row, col);
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        styleCell(row, col, it);
        setItem(row, col, it);
    }
    return it;
}

void FlexGrid::restyle() {
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c)) styleCell(r, c, it);
    syncHeader();
}

void FlexGrid::syncHeader() {
    const bool on = headerRow();
    horizontalHeader()->setVisible(on);
    if (rowCount() >= 1) setRowHidden(0, on);
    if (!on) return;
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* it = item(0, c);
        auto* label = new QTableWidgetItem(it ? it->text() : QString());
        label->setTextAlignment(Qt::AlignCenter);
        setHorizontalHeaderItem(c, label);
    }
}

void FlexGrid::setRows(int rows) {
    setRowCount(std::max(rows, 0));
    restyle();
}

void FlexGrid::setCols(int cols) {
    setColumnCount(std::max(cols, 0));
    restyle();
}

void FlexGrid::setFixedRows(int n) {
    fixedRows_ = std::max(n, 0);
    restyle();
}

void FlexGrid::setFixedCols(int n) {
    fixedCols_ = std::max(n, 0);
    restyle();
}

QString FlexGrid::textMatrix(int row, int col) const {
    check(row, col);
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    cell(row, col)->setText(text);
    if (row == 0 && headerRow()) {
        if (QTableWidgetItem* label = horizontalHeaderItem(col)) label->setText(text);
        else syncHeader();
    }
}

void FlexGrid::setRow(int row) {
    const int c = currentColumn() >= 0 ? currentColumn() : std::min(fixedCols_, columnCount() - 1);
    check(row, c);
    setCurrentCell(row, c);
}

void FlexGrid::setCol(int col) {
    const int r = currentRow() >= 0 ? currentRow() : std::min(fixedRows_, rowCount() - 1);
    check(r, col);
    setCurrentCell(r, col);
}

void FlexGrid::setColWidthTwips(int col, int twips) {
    check(0, col);
    setColumnWidth(col, std::max(twips, 0) / TwipsPerPixel);
}

int FlexGrid::colWidthTwips(int col) const {
    check(0, col);
    return columnWidth(col) * TwipsPerPixel;
}

void FlexGrid::setRowHeightTwips(int row, int twips) {
    check(row, 0);
    const int pixels = std::max(twips, 0) / TwipsPerPixel;
    if (row == 0 && headerRow()) horizontalHeader()->setFixedHeight(pixels);
    setRowHeight(row, pixels);
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment) {
    alignment_[col] = alignment;
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* it = item(r, col)) it->setTextAlignment(alignment);
}

QRect FlexGrid::cellRect(int row, int col) const {
    check(row, col);
    if (row == 0 && headerRow()) {
        const int h = horizontalHeader()->height();
        return {columnViewportPosition(col), -h, columnWidth(col), h};
    }
    return {columnViewportPosition(col), rowViewportPosition(row), columnWidth(col), rowHeight(row)};
}

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        const QPoint p = event->position().toPoint();
        emit rightMouseDown(rowAt(p.y()), columnAt(p.x()), event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

}  // namespace platform
