// The keyframe table in the window: its headings, the list boxes it replaces
// (kept, hidden), selecting, editing and Delete.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "started_window.h"

using namespace kestrova;
using Window = test_support::StartedWindow;

TEST(KeyframeTableView, ShowsTheKeyframesSelectsEditsOneStepAndDeletes) {
    Window w;
    w.add_keyframe(10, {1, 2, 3, 4, 5});
    w.add_keyframe(90, {6, 7, 8, 9, 10});
    w.window->sync();
    auto* table = w.find<QTableView>("keyframeTable");
    ASSERT_TRUE(table && table->isVisible());
    QAbstractItemModel* m = table->model();
    QStringList headers;
    for (int c = 0; c < m->columnCount(); ++c) headers << m->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"Frame", "Time", "A", "Tilt", "Track", "Focus", "Lens2"}));
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->data(m->index(1, 1)).toString(), "3.56 s");
    EXPECT_FALSE(w.find<QWidget>("Text4")->isVisible());
    EXPECT_EQ(w.text(ctl::keyframe_list_boxes[0]), "10\r\n90\r\n");

    table->selectRow(1);
    EXPECT_EQ(w.find<QLineEdit>("Text1")->text(), "90");
    EXPECT_EQ(w.graph().marked_frame, 90);

    // Moving the keyframe's frame is one step; the row stays selected.
    ASSERT_TRUE(m->setData(m->index(1, 0), "60", Qt::EditRole));
    EXPECT_EQ(m->data(m->index(1, 0)).toString(), "60");
    EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1);
    w.undo();
    EXPECT_EQ(w.move().frame_of(0, 2), 90);
    EXPECT_EQ(w.editing().history().undo_label(), "Add KeyFrame");

    // Delete in a text box edits the text; in the table it deletes the selected keyframe.
    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    w.window->sync();
    auto* box = w.find<QLineEdit>("Text1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(w.move().keyframe_count(), 2);
    table->selectRow(0);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Delete);
    ASSERT_EQ(w.move().keyframe_count(), 1);
    EXPECT_EQ(m->rowCount(), 1);
    // Elsewhere (a button) the window's Delete removes the selected keyframe too.
    table->selectRow(0);
    auto* button = w.find<QPushButton>("Command3");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Delete);
    EXPECT_EQ(w.move().keyframe_count(), 0);
}
