#include "platform/widgets/StringGrid.h"

#include "platform/widgets/Elide.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

// The view's rows are the grid's rows below the fixed one; cells hold the
// text for accessibility, the delegate draws them.
class StringGridModel : public QAbstractTableModel {
public:
    explicit StringGridModel(TStringGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : std::max(0, grid_->RowCount() - grid_->FixedRows());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : grid_->ColCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const int row = index.row() + grid_->FixedRows();
        if (role == Qt::ToolTipRole)
            return grid_->CutCellText(index.column(), row);
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        return ToQString(grid_->Cell(index.column(), row));
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        if (o != Qt::Horizontal || grid_->FixedRows() == 0)
            return {};
        if (role == Qt::ToolTipRole)
            return grid_->CutCellText(section, 0);
        if (role == Qt::DisplayRole)
            return ToQString(grid_->Cell(section, 0));
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex&) const override {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    void Reset() {
        beginResetModel();
        endResetModel();
    }
    void CellChanged(int col, int viewRow) {
        if (viewRow < 0)
            emit headerDataChanged(Qt::Horizontal, col, col);
        else
            emit dataChanged(index(viewRow, col), index(viewRow, col));
    }

private:
    TStringGrid* grid_;
};

class StringGridDelegate : public QStyledItemDelegate {
public:
    explicit StringGridDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const int col = index.column();
        const int row = index.row() + grid_->FixedRows();
        TGridDrawState state = 0;
        // A grid without any text (an empty list) has nothing to select and
        // shows no current cell.
        if (row == grid_->Row() &&
            (col == grid_->Col() || grid_->selectionBehavior() == QAbstractItemView::SelectRows) &&
            grid_->HasText())
            state |= gdSelected | (grid_->hasFocus() ? gdFocused : 0);
        painter->save();
        painter->setClipRect(option.rect);
        QPainterCanvas canvas(*painter);
        const QRect r = option.rect;
        grid_->PaintCellAt(canvas, col, row, {r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                           state);
        painter->restore();
    }

private:
    TStringGrid* grid_;
};

// The fixed first row, drawn like the other cells.
class StringGridHeader : public QHeaderView {
public:
    explicit StringGridHeader(TStringGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {
        setSectionResizeMode(QHeaderView::Fixed);
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(0);
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        painter->save();
        const int line = grid_->gridLines_ ? 1 : 0;
        const QRect cell(rect.left(), rect.top(), rect.width() - line, rect.height() - line);
        painter->fillRect(rect, ToQColor(clGray));
        painter->setClipRect(cell);
        QPainterCanvas canvas(*painter);
        grid_->PaintCellAt(canvas, logicalIndex, 0,
                           {cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1}, gdFixed);
        painter->restore();
    }

private:
    TStringGrid* grid_;
};

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent), model_(new StringGridModel(this)) {
    setHorizontalHeader(new StringGridHeader(this));
    setModel(model_);
    setItemDelegate(new StringGridDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab moves the focus on to the next control, not to the next cell.
    setTabKeyNavigation(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex&) { emit Click(); });
    connect(this, &QTableView::doubleClicked, this,
            [this](const QModelIndex&) { emit DblClick(); });
    Resize();
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::Resize() {
    cells_.resize(static_cast<std::size_t>(rowCount_));
    for (auto& r : cells_)
        r.resize(static_cast<std::size_t>(colCount_));
    colWidths_.resize(static_cast<std::size_t>(colCount_), defaultColWidth_);
    rowHeights_.resize(static_cast<std::size_t>(rowCount_), defaultRowHeight_);
    col_ = std::clamp(col_, 0, std::max(0, colCount_ - 1));
    row_ = std::clamp(row_, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    model_->Reset();
    ApplySizes();
    SetCurrent(col_, row_);
}

void TStringGrid::ApplySizes() {
    const int line = gridLines_ ? 1 : 0;
    for (int c = 0; c < colCount_; ++c) {
        const int w = colWidths_[static_cast<std::size_t>(c)];
        setColumnHidden(c, w <= 0);
        if (w > 0)
            horizontalHeader()->resizeSection(c, w + line);
    }
    // Rows come at the default height; only the others are resized, since
    // each resize costs a pass over all the rows above it.
    QHeaderView* rows = verticalHeader();
    rows->setDefaultSectionSize(defaultRowHeight_ + line);
    for (int r = fixedRows_; r < rowCount_; ++r) {
        const int height = rowHeights_[static_cast<std::size_t>(r)] + line;
        if (rows->sectionSize(ViewRow(r)) != height)
            rows->resizeSection(ViewRow(r), height);
    }
    if (fixedRows_ > 0 && rowCount_ > 0) {
        horizontalHeader()->setFixedHeight(rowHeights_[0] + line);
        horizontalHeader()->show();
    } else {
        horizontalHeader()->hide();
    }
}

void TStringGrid::SetColCount(int n) {
    colCount_ = std::max(1, n);
    Resize();
}

void TStringGrid::SetRowCount(int n) {
    rowCount_ = std::max(fixedRows_ + 1, n);
    Resize();
}

void TStringGrid::SetFixedRows(int n) {
    fixedRows_ = std::clamp(n, 0, 1);
    rowCount_ = std::max(rowCount_, fixedRows_ + 1);
    Resize();
}

AnsiString TStringGrid::Cell(int col, int row) const {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return {};
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void TStringGrid::SetCell(int col, int row, const AnsiString& text) {
    if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_)
        return;
    cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = text;
    // A grid out of sight is drawn afresh when it shows; filling a long
    // list before it shows costs no notice per cell.
    if (!isVisible())
        return;
    model_->CellChanged(col, row < fixedRows_ ? -1 : ViewRow(row));
    // Whether the current cell shows as selected depends on every cell.
    RepaintSoon();
}

void TStringGrid::ClearCells(int firstRow) {
    for (int row = std::max(firstRow, 0); row < rowCount_; ++row)
        for (int col = 0; col < colCount_; ++col)
            SetCell(col, row, "");
}

void TStringGrid::RepaintSoon() {
    if (repaintQueued_)
        return;
    repaintQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintQueued_ = false;
            viewport()->update();
        },
        Qt::QueuedConnection);
}

bool TStringGrid::HasText() const {
    return std::any_of(cells_.begin() + fixedRows_, cells_.end(), [](const auto& row) {
        return std::any_of(row.begin(), row.end(), [](const AnsiString& t) { return !t.empty(); });
    });
}

int TStringGrid::ColWidth(int col) const {
    return col >= 0 && col < colCount_ ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void TStringGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= colCount_)
        return;
    colWidths_[static_cast<std::size_t>(col)] = std::max(0, width);
    ApplySizes();
}

void TStringGrid::SetDefaultColWidth(int width) {
    defaultColWidth_ = width;
    std::fill(colWidths_.begin(), colWidths_.end(), width);
    ApplySizes();
}

int TStringGrid::RowHeight(int row) const {
    return row >= 0 && row < rowCount_ ? rowHeights_[static_cast<std::size_t>(row)] : 0;
}

void TStringGrid::SetDefaultRowHeight(int height) {
    defaultRowHeight_ = height;
    std::fill(rowHeights_.begin(), rowHeights_.end(), height);
    ApplySizes();
}

void TStringGrid::SetCurrent(int col, int row) {
    if (col < 0 || col >= colCount_ || row < fixedRows_ || row >= rowCount_)
        return;
    col_ = col;
    row_ = row;
    syncing_ = true;
    const QModelIndex index = model_->index(ViewRow(row), col);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
    viewport()->update();
}

void TStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!syncing_ && current.isValid()) {
        col_ = current.column();
        row_ = current.row() + fixedRows_;
    }
    viewport()->update();
}

void TStringGrid::SetGridLines(bool on) {
    gridLines_ = on;
    setShowGrid(on);
    ApplySizes();
}

void TStringGrid::SetRowSelect(bool on) {
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void TStringGrid::SetColor(TColor c) {
    color_ = c;
    // The area beyond the last cells in the same fixed colour as the cells.
    if (c >= 0) {
        QPalette p = palette();
        p.setColor(QPalette::Base, ToQColor(c));
        setPalette(p);
    }
    Repaint();
}

void TStringGrid::SetFontColor(TColor c) {
    fontColor_ = c;
    Repaint();
}

TFont TStringGrid::GridFont() const {
    return FromQFont(font(), fontColor_);
}

TRect TStringGrid::CellRect(int col, int row) const {
    if (row < fixedRows_) {
        // The fixed row lies in the header, above the viewport.
        const int x = horizontalHeader()->sectionViewportPosition(col);
        return {x, 0, x + ColWidth(col), RowHeight(row)};
    }
    const QRect r = visualRect(model_->index(ViewRow(row), col));
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

void TStringGrid::PaintCell(TCanvas& canvas, int col, int row, TGridDrawState state) {
    PaintCellAt(canvas, col, row, CellRect(col, row), state);
}

void TStringGrid::PaintCellAt(TCanvas& canvas, int col, int row, const TRect& rect,
                              TGridDrawState state) {
    canvas.Font = GridFont();
    canvas.Brush = {row < fixedRows_ ? clBtnFace : color_, bsSolid};
    if (defaultDrawing_) {
        if (state & gdSelected) {
            canvas.Brush.Color = clHighlight;
            canvas.Font.Color = clHighlightText;
        }
        canvas.FillRect(rect);
        canvas.TextOut(rect.Left + kTextMargin, rect.Top + kTextMargin,
                       FromQString(ElidedText(ToQFont(canvas.Font), ToQString(Cell(col, row)),
                                              rect.Width() - 2 * kTextMargin)));
        return;
    }
    TCanvas* previous = canvas_;
    canvas_ = &canvas;
    emit DrawCell(col, row, rect, state);
    canvas_ = previous;
}

QVariant TStringGrid::CutCellText(int col, int row) const {
    // What an owner-drawing handler shows of a cell is its own affair.
    if (!defaultDrawing_)
        return {};
    const QString text = ToQString(Cell(col, row));
    if (ElidedText(ToQFont(GridFont()), text, ColWidth(col) - 2 * kTextMargin) == text)
        return {};
    return text;
}

void TStringGrid::Repaint() {
    viewport()->update();
    horizontalHeader()->viewport()->update();
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    emit KeyDown(key);
    if (key == 0)
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit Click();
        return;
    }
    const int col = col_, row = row_;
    QTableView::keyPressEvent(event);
    if (col_ != col || row_ != row)
        emit KeyboardMove();
}
