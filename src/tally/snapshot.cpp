#include "tally/snapshot.h"

#include "core/text.h"
#include "gui/controls.h"
#include "gui/messagebox.h"
#include "gui/snapshot.h"
#include "ui_mainwindow.h"

#include <QDir>

namespace {

// The file of snapshot number n in folder.
QString snapshotFile(const QString& folder, std::int32_t n)
{
    return QDir(folder).filePath(QStringLiteral("猫眼快照") + gui::decode(text::ofWhole(n)) + QStringLiteral(".bmp"));
}

} // namespace

Snapshot::Snapshot(QWidget& mainWindow, Ui::MainWindow& ui, std::int32_t& counter)
    : mainWindow_(mainWindow), counter_(counter)
{
    QObject::connect(ui.按钮18, &QPushButton::clicked, ui.按钮18, [this] { 按钮18_clicked(); });
}

void Snapshot::按钮18_clicked()
{
    const QImage picture = gui::grabAsShown(&mainWindow_);
    // Counted even when the write fails, so numbers are never reused in a run.
    ++counter_;
    const QString file = snapshotFile(gui::desktopFolder(), counter_);
    if (!gui::saveBmp(picture, file)) {
        gui::messageBox(gui::encode(QStringLiteral("猫眼快照未能保存到文件：\n") + QDir::toNativeSeparators(file)),
                        gui::ErrorIcon, gui::encode(QStringLiteral("猫眼快照")));
    }
}
