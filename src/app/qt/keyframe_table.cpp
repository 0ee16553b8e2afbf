#include "app/qt/keyframe_table.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "app/app_controls.h"
#include "app/keyframe_table.h"
#include "app/retime_commands.h"

namespace kestrova {

KeyframeTableModel::KeyframeTableModel(AppState& state, std::function<void()> after_edit, QObject* parent)
    : QAbstractTableModel(parent), state_(state), after_edit_(std::move(after_edit)) {
    refresh();
}

int KeyframeTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cells_.size());
}

int KeyframeTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : keyframe_table_columns; }

QVariant KeyframeTableModel::data(const QModelIndex& index, int role) const {
    // The frame's box ticked: the keyframe is pinned, its frame kept by the retimings.
    if (index.isValid() && index.column() == 0 && role == Qt::CheckStateRole)
        return keyframe_pinned(state_, index.row() + 1) ? Qt::Checked : Qt::Unchecked;
    if (index.isValid() && index.column() == 0 && role == Qt::ToolTipRole)
        return QStringLiteral("Tick to pin this keyframe: Fit to rig and Fastest move keep its frame");
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return cells_[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
}

QVariant KeyframeTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return headers_[static_cast<std::size_t>(section)];
}

Qt::ItemFlags KeyframeTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags base = QAbstractTableModel::flags(index);
    if (index.column() == 0) base |= Qt::ItemIsUserCheckable;
    return keyframe_table_editable(index.column()) ? base | Qt::ItemIsEditable : base;
}

bool KeyframeTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (index.isValid() && index.column() == 0 && role == Qt::CheckStateRole) {
        if ((value.toInt() == Qt::Checked) != keyframe_pinned(state_, index.row() + 1)) toggle_pin(state_, index.row() + 1);
        refresh();
        if (after_edit_) after_edit_();
        return true;
    }
    if (!index.isValid() || role != Qt::EditRole) return false;
    edit_keyframe_cell(state_, index.row() + 1, index.column(), value.toString().toStdString());
    refresh();
    if (after_edit_) after_edit_();
    return true;
}

void KeyframeTableModel::refresh() {
    // Called on every clock tick: a glance at the numbers first.
    const MoveModel& move = state_.move;
    std::vector<double> source(state_.axes.pp_rev.begin(), state_.axes.pp_rev.end());
    for (int r = 1; r <= move.keyframe_count(); ++r) {
        source.push_back(move.frame_of(0, r));
        for (int a = 0; a < move_axes; ++a) source.push_back(move.pos_of(a, r));
        source.push_back(keyframe_pinned(state_, r) ? 1 : 0);
    }
    if (source == source_ && !headers_.empty()) {
        bool same_headers = true;
        for (int c = 0; c < keyframe_table_columns && same_headers; ++c)
            same_headers = headers_[static_cast<std::size_t>(c)].toStdString() ==
                           keyframe_table_header(state_.axis_names, state_.axes, c);
        if (same_headers) return;
    }
    source_ = std::move(source);
    std::vector<QString> headers;
    for (int c = 0; c < keyframe_table_columns; ++c)
        headers.push_back(QString::fromStdString(keyframe_table_header(state_.axis_names, state_.axes, c)));
    std::vector<std::vector<QString>> cells(static_cast<std::size_t>(state_.move.keyframe_count()));
    for (std::size_t r = 0; r < cells.size(); ++r)
        for (int c = 0; c < keyframe_table_columns; ++c)
            cells[r].push_back(QString::fromStdString(keyframe_table_cell(state_.move, state_.axes, static_cast<int>(r) + 1, c)));

    if (cells.size() != cells_.size()) {
        beginResetModel();
        cells_ = std::move(cells);
        headers_ = std::move(headers);
        endResetModel();
        return;
    }
    if (headers != headers_) {
        headers_ = std::move(headers);
        emit headerDataChanged(Qt::Horizontal, 0, keyframe_table_columns - 1);
    }
    // The cells or a pin changed (a pin's tick is no text).
    cells_ = std::move(cells);
    emit dataChanged(index(0, 0), index(rowCount() - 1, keyframe_table_columns - 1));
}

KeyframeTable::KeyframeTable(AppState& state, std::function<void()> after_event, QWidget* parent)
    : QTableView(parent), state_(state), after_event_(std::move(after_event)) {
    setObjectName(QString::fromStdString(ctl::keyframe_table.str()));
    model_ = new KeyframeTableModel(state_, [this] { sync(), after_event_(); }, this);
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);  // the frame and its pin: never cut
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);  // the time: never cut
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (syncing_) return;
        const QModelIndexList rows = selectionModel()->selectedRows();
        select_keyframe(state_, rows.isEmpty() ? 0 : rows.first().row() + 1);
        if (after_event_) after_event_();
    });
}

void KeyframeTable::sync() {
    syncing_ = true;
    model_->refresh();
    // The row of the marked keyframe is the selected one (none when it is gone).
    int wanted = -1;
    for (int r = 1; r <= state_.move.keyframe_count() && state_.graph.marked_frame != 0; ++r)
        if (state_.move.frame_of(0, r) == state_.graph.marked_frame) wanted = r - 1;
    const QModelIndexList rows = selectionModel()->selectedRows();
    const int selected = rows.isEmpty() ? -1 : rows.first().row();
    if (wanted < 0 && state_.graph.marked_frame != 0) select_keyframe(state_, 0);  // its keyframe is gone
    if (wanted != selected) {
        if (wanted < 0)
            clearSelection();
        else
            selectRow(wanted);
    }
    syncing_ = false;
}

void KeyframeTable::delete_selected() {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    delete_keyframe_row(state_, rows.first().row() + 1);
    sync();
    if (after_event_) after_event_();
}

bool KeyframeTable::event(QEvent* e) {
    // Delete is the table's own key while it has the focus (not the window's shortcut).
    if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete) {
        e->accept();
        return true;
    }
    return QTableView::event(e);
}

void KeyframeTable::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        delete_selected();
        return;
    }
    QTableView::keyPressEvent(e);
}

}  // namespace kestrova
