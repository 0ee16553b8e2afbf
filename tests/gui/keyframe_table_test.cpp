// The keyframe table in the window: headings with units, the hidden list boxes,
// selecting, a typed position as one step, Delete in and outside the table.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "started_window.h"

using namespace kestrova;

TEST(KeyframeTableView, ShowsSelectsEditsInOneStepAndDeletes) {
    test_support::StartedWindow w;
    w.axes().unit[1] = "°", w.axes().pp_rev[1] = 8;
    w.add_keyframe(10, {1, 2, 3, 4, 5});
    w.add_keyframe(90, {6, 7, 8, 9, 10});
    w.window->sync();
    auto* table = w.find<QTableView>("keyframeTable");
    QAbstractItemModel* m = table->model();
    QStringList headers;
    for (int c = 0; c < m->columnCount(); ++c) headers << m->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"Frame", "Time", "A", "Tilt (°)", "Track", "Focus", "Lens2"}));
    EXPECT_EQ(m->data(m->index(1, 1)).toString() + m->data(m->index(1, 3)).toString(), "3.56 s0.88");
    EXPECT_FALSE(w.find<QWidget>("Text4")->isVisible());
    EXPECT_EQ(w.text(ctl::keyframe_list_boxes[0]), "10\r\n90\r\n");

    table->selectRow(1);
    EXPECT_EQ(w.find<QLineEdit>("Text1")->text(), "90");
    EXPECT_EQ(w.graph().marked_frame, 90);
    ASSERT_TRUE(m->setData(m->index(1, 3), "-10", Qt::EditRole));  // degrees
    EXPECT_EQ(w.move().pos_of(1, 2), -80);
    w.undo();
    EXPECT_EQ(w.move().pos_of(1, 2), 7);

    w.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    for (auto [focus, left] : {std::pair<QWidget*, int>{w.find<QLineEdit>("Text1"), 2}, {table, 1}, {w.find<QWidget>("Command3"), 0}}) {
        table->selectRow(0);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Delete);
        EXPECT_EQ(w.move().keyframe_count(), left);
        EXPECT_EQ(m->rowCount(), left);
    }
}
