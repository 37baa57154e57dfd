#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <optional>

#include "platform/ListBox.h"
#include "platform/qt/Bindings.h"

namespace quillmark::qt {

// The rows of a ListBox for a QListView, following its changes row by row,
// so that a list of many thousand names costs no widget item per name.
// The selection and current row go both ways between state and view.
class ListBoxModel final : public QAbstractListModel {
    Q_OBJECT

public:
    // Becomes the view's model and a child of the view.
    ListBoxModel(ListBox& state, QListView* view, ListBoxCallbacks callbacks);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Dragging out and dropping in, as the callbacks allow.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enableDragAndDrop();
    void onListChange(const ListBoxChange& change);
    void resetRows();
    // The state's selection reaches the view once per pass of the event
    // loop, however many items the logic selects one by one.
    void scheduleShowSelection();
    void showSelection();
    void takeSelection();
    void scheduleClick();
    // The state row behind a view row, -1 for none. The state tells of a
    // change after making it, so while the view hears of it in advance,
    // view rows still count as before.
    int stateRow(int row) const;

    ListBox& state_;
    QListView* view_;
    ListBoxCallbacks callbacks_;
    int rows_ = 0;
    std::optional<ListBoxChange> announcing_;
    // Set while this model moves the view, or the view's choice moves the
    // state, so that neither echoes back.
    bool showing_ = false;
    bool taking_ = false;
    bool showPending_ = false;
    bool clickPending_ = false;
};

}  // namespace quillmark::qt
