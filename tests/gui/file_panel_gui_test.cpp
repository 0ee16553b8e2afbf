#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileSystemModel>
#include <QListView>
#include <QTest>

#include "started_window.h"
#include "files/controls.h"

using namespace kestrova;

TEST(FilePanelWindow, ListsShowTheMovesFolderOnLoadWithoutHiddenFilesAndClickingAFileLoadsIt) {
    test_support::StartedWindow w;
    auto* drives = w.find<QComboBox>("Drive1");
    auto* folders = w.find<QListView>("Dir1");
    auto* files = w.find<QListView>("File1");
    ASSERT_TRUE(drives && folders && files);
    EXPECT_GT(drives->count(), 0);  // the mounted volumes

    w.set_length(30);
    w.save_as("short");
    test_support::write_bytes(w.moves() / ".short.tmp-Ab12Cd", Bytes{1});  // a save killed half-way
    w.set_length(60);
    w.app.press(ctl::load_move_menu);
    w.window->sync();
    EXPECT_TRUE(drives->isVisible() && folders->isVisible() && files->isVisible());
    auto* model = qobject_cast<QFileSystemModel*>(files->model());
    ASSERT_TRUE(model);
    const QModelIndex root = files->rootIndex();
    EXPECT_EQ(model->filePath(root).toStdString(), w.moves().string());
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) >= 1; }, 5000));
    EXPECT_FALSE(QTest::qWaitFor([&] { return model->rowCount(root) > 1; }, 300));  // the temporary stays hidden
    const QModelIndex item = model->index(0, 0, root);
    files->scrollTo(item);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(item).center());
    EXPECT_EQ(w.move().totalframes, 30);
    EXPECT_FALSE(files->isVisible());
}
