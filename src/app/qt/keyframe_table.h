// The keyframe table of the main window: one row per keyframe, edited in
// place. It shows the App's state and forwards selection, edits and Delete
// to the keyframe table's commands (app/keyframe_table.h).
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QTableView>
#include <functional>
#include <vector>

#include "app/app_state.h"

namespace kestrova {

class KeyframeTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `after_edit` shows the edit's side effects (status, chart, undo menu).
    KeyframeTableModel(AppState& state, std::function<void()> after_edit, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Take the keyframes, names and units again, telling the view what changed.
    void refresh();

private:
    AppState& state_;
    std::function<void()> after_edit_;
    // What the texts were made from: frames and positions of the rows in use,
    // the names, units and pulses per unit; the texts are made again only when it changes.
    std::vector<double> source_;
    std::vector<std::vector<QString>> cells_;  // [row][column]
    std::vector<QString> headers_;
};

class KeyframeTable : public QTableView {
    Q_OBJECT
public:
    // `after_event` shows the side effects of a selection or a deletion.
    KeyframeTable(AppState& state, std::function<void()> after_event, QWidget* parent = nullptr);

    // Show the move again; the keyframe marked on the chart is the selected row.
    void sync();
    // Del KeyFrame at the selected row's frame.
    void delete_selected();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppState& state_;
    std::function<void()> after_event_;
    KeyframeTableModel* model_;
    bool syncing_ = false;
};

}  // namespace kestrova
