#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "files/file_io.h"
#include "shell/qt/main_window.h"
#include "temp_dir.h"

using namespace kestrova;

namespace {

struct FileWindow {
    test_support::TempDir dir;
    App app{dir.path()};
    std::unique_ptr<MainWindow> window;
    FileWindow() {
        app.start();
        window = std::make_unique<MainWindow>(app);
        window->show();
    }
    template <class W>
    W* find(const char* name) {
        return window->centralWidget()->findChild<W*>(QString::fromLatin1(name));
    }
};

}  // namespace

TEST(FilePanelWindow, ListsAreHiddenUntilLoadAndShowTheMovesFolder) {
    FileWindow w;
    auto* drives = w.find<QComboBox>("Drive1");
    auto* folders = w.find<QListView>("Dir1");
    auto* files = w.find<QListView>("File1");
    ASSERT_TRUE(drives && folders && files);
    EXPECT_FALSE(files->isVisible());
    EXPECT_GT(drives->count(), 0);  // the mounted volumes
    w.app.press("Load");
    w.window->sync();
    EXPECT_TRUE(drives->isVisible() && folders->isVisible() && files->isVisible());
    auto* model = qobject_cast<QFileSystemModel*>(files->model());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->filePath(files->rootIndex()).toStdString(), (w.dir.path() / "moves").string());
}

TEST(FilePanelWindow, ClickingAFileLoadsItAndClosesThePanel) {
    FileWindow w;
    w.app.type("Text2", "30");
    w.app.press("Command21");
    w.app.press("save");
    w.app.type("Fname", "short");
    w.app.key_down("Fname", 13);
    w.app.type("Text2", "60");
    w.app.press("Command21");
    w.app.press("Load");
    w.window->sync();
    auto* files = w.find<QListView>("File1");
    auto* model = qobject_cast<QFileSystemModel*>(files->model());
    const QModelIndex root = files->rootIndex();
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == 1; }, 5000));
    const QModelIndex item = model->index(0, 0, root);
    files->scrollTo(item);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualRect(item).center());
    EXPECT_EQ(w.app.state().move.totalframes, 30);
    EXPECT_EQ(w.find<QLineEdit>("Fname")->text().toStdString(), "short");
    EXPECT_FALSE(files->isVisible());
}
