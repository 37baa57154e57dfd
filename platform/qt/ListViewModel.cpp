#include "ListViewModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <algorithm>

#include "platform/qt/WidgetSync.h"

namespace quillmark::qt {

ListViewModel::ListViewModel(ListView& state, QTreeView* view, ListViewCallbacks callbacks)
    : QAbstractTableModel(view), state_(state), view_(view), callbacks_(std::move(callbacks)) {
    columns_ = state_.columns();
    rows_ = state_.count();
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true);
    view_->setSortingEnabled(false);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setModel(this);
    view_->header()->setSectionsClickable(true);

    const QPointer<ListViewModel> self(this);
    state_.setObserver([self] {
        if (self) self->show();
    });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListViewModel::takeSelection);
    connect(view_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (callbacks_.onColumnClick) callbacks_.onColumnClick(column);
    });
    applyControl(state_, view_);
    showSelection();
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(1, static_cast<int>(columns_.size()));
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return toQString(state_.cell(index.row(), index.column()));
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section < 0 || section >= static_cast<int>(columns_.size())) return {};
    return toQString(columns_[static_cast<std::size_t>(section)]);
}

void ListViewModel::show() {
    applyControl(state_, view_);
    // The view already shows the row the user chose.
    if (taking_) return;
    showing_ = true;
    if (columns_ != state_.columns()) {
        beginResetModel();
        columns_ = state_.columns();
        rows_ = state_.count();
        endResetModel();
    } else {
        // Rows are added at the end; any other change (a removal, a sort, a
        // sub-item) rewrites rows in place, which the repaint below shows.
        const int count = state_.count();
        if (count > rows_) {
            beginInsertRows(QModelIndex(), rows_, count - 1);
            rows_ = count;
            endInsertRows();
        } else if (count < rows_) {
            beginRemoveRows(QModelIndex(), count, rows_ - 1);
            rows_ = count;
            endRemoveRows();
        }
        if (rows_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1), {Qt::DisplayRole});
    }
    showing_ = false;
    showSelection();
}

void ListViewModel::showSelection() {
    showing_ = true;
    QItemSelectionModel* selection = view_->selectionModel();
    const int row = state_.selectedIndex();
    if (row < 0) {
        if (selection->hasSelection() || selection->currentIndex().isValid()) selection->clear();
    } else if (selection->currentIndex().row() != row || !selection->isRowSelected(row)) {
        selection->setCurrentIndex(index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view_->scrollTo(index(row, 0));
    }
    showing_ = false;
}

void ListViewModel::takeSelection() {
    if (showing_ || taking_) return;
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? -1 : rows.first().row();
    if (row == state_.selectedIndex()) return;
    taking_ = true;
    state_.setSelectedIndex(row);
    taking_ = false;
    if (callbacks_.onItemClick) callbacks_.onItemClick();
}

void bind(ListView& state, QTreeView* widget, ListViewCallbacks callbacks) {
    new ListViewModel(state, widget, std::move(callbacks));
}

}  // namespace quillmark::qt
