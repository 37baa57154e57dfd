#include "ListBoxModel.h"

#include <QMimeData>
#include <QTimer>

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPointer>
#include <vector>

#include "platform/qt/WidgetSync.h"

namespace quillmark::qt {

ListBoxModel::ListBoxModel(ListBox& state, QListView* view, ListBoxCallbacks callbacks)
    : QAbstractListModel(view), state_(state), view_(view), callbacks_(std::move(callbacks)) {
    rows_ = state_.listCount();
    view_->setUniformItemSizes(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setModel(this);
    view_->installEventFilter(this);

    const QPointer<ListBoxModel> self(this);
    state_.setListObserver([self](const ListBoxChange& change) {
        if (self) self->onListChange(change);
    });
    state_.setObserver([self] {
        if (self) applyControl(self->state_, self->view_);
    });
    applyControl(state_, view_);

    QItemSelectionModel* selection = view_->selectionModel();
    connect(selection, &QItemSelectionModel::currentChanged, this, &ListBoxModel::takeSelection);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &ListBoxModel::takeSelection);
    connect(view_, &QAbstractItemView::doubleClicked, this, [this] {
        if (callbacks_.onDoubleClick) callbacks_.onDoubleClick();
    });
    enableDragAndDrop();
    showSelection();
}

void ListBoxModel::enableDragAndDrop() {
    const bool drags = static_cast<bool>(callbacks_.dragText);
    const bool drops = static_cast<bool>(callbacks_.onDrop);
    view_->setDragEnabled(drags);
    view_->setAcceptDrops(drops);
    view_->setDropIndicatorShown(false);
    view_->setDragDropMode(drags && drops ? QAbstractItemView::DragDrop
                           : drags        ? QAbstractItemView::DragOnly
                           : drops        ? QAbstractItemView::DropOnly
                                          : QAbstractItemView::NoDragDrop);
    view_->setDefaultDropAction(Qt::CopyAction);
}

Qt::ItemFlags ListBoxModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractListModel::flags(index);
    if (index.isValid() && callbacks_.dragText) flags |= Qt::ItemIsDragEnabled;
    if (callbacks_.onDrop) flags |= Qt::ItemIsDropEnabled;
    return flags;
}

QStringList ListBoxModel::mimeTypes() const {
    return {QStringLiteral("text/plain")};
}

QMimeData* ListBoxModel::mimeData(const QModelIndexList& /*indexes*/) const {
    if (!callbacks_.dragText) return nullptr;
    auto* data = new QMimeData;  // the drag takes ownership
    data->setText(QString::fromStdString(callbacks_.dragText()));
    return data;
}

Qt::DropActions ListBoxModel::supportedDragActions() const {
    return Qt::CopyAction;
}

Qt::DropActions ListBoxModel::supportedDropActions() const {
    return callbacks_.onDrop ? Qt::CopyAction | Qt::MoveAction : Qt::IgnoreAction;
}

bool ListBoxModel::canDropMimeData(const QMimeData* data, Qt::DropAction /*action*/, int /*row*/,
                                   int /*column*/, const QModelIndex& /*parent*/) const {
    return callbacks_.onDrop && data != nullptr && data->hasText();
}

bool ListBoxModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    // The drop lands on the list as a whole; the list itself decides where
    // the names go, so the view must not move anything.
    const std::string text = data->text().toStdString();
    QTimer::singleShot(0, this, [this, text] { callbacks_.onDrop(text); });
    return false;
}

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const int row = stateRow(index.row());
    if (row < 0 || row >= state_.listCount()) return {};
    return toQString(state_.list(row));
}

int ListBoxModel::stateRow(int row) const {
    if (!announcing_ || row < announcing_->first) return row;
    const int count = announcing_->count;
    if (announcing_->kind == ListBoxChange::Kind::Inserted) return row + count;
    if (announcing_->kind == ListBoxChange::Kind::Removed) {
        return row < announcing_->first + count ? -1 : row - count;
    }
    return row;
}

void ListBoxModel::onListChange(const ListBoxChange& change) {
    const int last = change.first + change.count - 1;
    switch (change.kind) {
        case ListBoxChange::Kind::Inserted:
            if (change.count <= 0 || change.first > rows_) return resetRows();
            showing_ = true;
            announcing_ = change;
            beginInsertRows(QModelIndex(), change.first, last);
            announcing_.reset();
            rows_ += change.count;
            endInsertRows();
            showing_ = false;
            break;
        case ListBoxChange::Kind::Removed:
            if (change.count <= 0 || last >= rows_) return resetRows();
            // Qt moves the current row off a removed one by itself; the state
            // says where it is, so the view's move is not taken.
            showing_ = true;
            announcing_ = change;
            beginRemoveRows(QModelIndex(), change.first, last);
            announcing_.reset();
            rows_ -= change.count;
            endRemoveRows();
            showing_ = false;
            break;
        case ListBoxChange::Kind::Reset:
            return resetRows();
        case ListBoxChange::Kind::Selection:
            if (taking_) return;
            break;
    }
    // Both sides keep their own count; should they ever part, start over.
    if (rows_ != state_.listCount()) return resetRows();
    scheduleShowSelection();
}

void ListBoxModel::resetRows() {
    showing_ = true;
    beginResetModel();
    rows_ = state_.listCount();
    endResetModel();
    showing_ = false;
    scheduleShowSelection();
}

void ListBoxModel::scheduleShowSelection() {
    if (showPending_) return;
    showPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            showPending_ = false;
            showSelection();
        },
        Qt::QueuedConnection);
}

void ListBoxModel::showSelection() {
    showing_ = true;
    view_->setSelectionMode(state_.multiSelect() ? QAbstractItemView::ExtendedSelection
                                                 : QAbstractItemView::SingleSelection);
    QItemSelectionModel* selection = view_->selectionModel();
    const int current = state_.listIndex();
    const QModelIndex currentIndex = current >= 0 ? index(current) : QModelIndex();
    if (!currentIndex.isValid()) {
        // Through the view, which then no longer makes the first row current
        // by itself when keyboard focus comes in: that is no choice of the
        // user's. The selection is set again below.
        view_->setCurrentIndex(QModelIndex());
    } else if (selection->currentIndex() != currentIndex) {
        selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
        view_->scrollTo(currentIndex);
    }
    // Runs of selected rows as ranges: one range for "select all".
    QItemSelection wanted;
    const int count = state_.listCount();
    int runStart = -1;
    for (int row = 0; row <= count; ++row) {
        const bool selected = row < count && state_.selected(row);
        if (selected && runStart < 0) runStart = row;
        if (!selected && runStart >= 0) {
            wanted.select(index(runStart), index(row - 1));
            runStart = -1;
        }
    }
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
    showing_ = false;
}

void ListBoxModel::takeSelection() {
    if (showing_ || taking_) return;
    taking_ = true;
    const QItemSelectionModel* selection = view_->selectionModel();
    const QModelIndex current = selection->currentIndex();
    const int count = state_.listCount();
    std::vector<char> chosen(static_cast<std::size_t>(count), 0);
    for (const QItemSelectionRange& range : selection->selection()) {
        for (int row = range.top(); row <= range.bottom() && row < count; ++row) {
            chosen[static_cast<std::size_t>(row)] = 1;
        }
    }
    const int currentRow = current.isValid() ? current.row() : -1;
    // Making a row current selects it in the state; the loop below then
    // settles every row as the view has it.
    if (currentRow != state_.listIndex()) state_.setListIndex(currentRow);
    for (int row = 0; row < count; ++row) {
        const bool wanted = chosen[static_cast<std::size_t>(row)] != 0;
        if (state_.selected(row) != wanted) state_.setSelected(row, wanted);
    }
    taking_ = false;
    scheduleClick();
}

void ListBoxModel::scheduleClick() {
    // One click per user action, told once the view has finished it: a
    // mouse press moves the current row and the selection one after the other.
    if (clickPending_) return;
    clickPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            clickPending_ = false;
            if (callbacks_.onClick) callbacks_.onClick();
        },
        Qt::QueuedConnection);
}

bool ListBoxModel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress && callbacks_.onKeyDown) {
        const auto* key = static_cast<QKeyEvent*>(event);
        callbacks_.onKeyDown(key->key(), (key->modifiers() & Qt::ShiftModifier) != 0,
                             (key->modifiers() & Qt::ControlModifier) != 0);
    }
    return QAbstractListModel::eventFilter(watched, event);
}

void bind(ListBox& state, QListView* widget, ListBoxCallbacks callbacks) {
    new ListBoxModel(state, widget, std::move(callbacks));
}

}  // namespace quillmark::qt
