#pragma once

#include <QAbstractTableModel>
#include <QTreeView>
#include <string>
#include <vector>

#include "platform/ListView.h"
#include "platform/qt/Bindings.h"

namespace quillmark::qt {

// The rows and columns of a ListView for a QTreeView. The state tells only
// that something changed, so every change updates the row count at the end
// and repaints what shows; the rows keep the state's order.
class ListViewModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // Becomes the view's model and a child of the view.
    ListViewModel(ListView& state, QTreeView* view, ListViewCallbacks callbacks);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void show();
    void showSelection();
    void takeSelection();

    ListView& state_;
    QTreeView* view_;
    ListViewCallbacks callbacks_;
    std::vector<std::string> columns_;
    int rows_ = 0;
    // Set while this model moves the view, or the view's choice moves the
    // state, so that neither echoes back.
    bool showing_ = false;
    bool taking_ = false;
};

}  // namespace quillmark::qt
