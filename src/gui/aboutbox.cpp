#include "gui/aboutbox.h"

#include "gui/controls.h"

#include <QApplication>
#include <QMessageBox>

namespace gui {

void aboutBox(std::string_view application, std::string_view additional)
{
    const QString name = decode(application);
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8("关于 ") + name, name, QMessageBox::NoButton, nullptr);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(decode(additional));
    if (!qApp->windowIcon().isNull())
        box.setIconPixmap(qApp->windowIcon().pixmap(48, 48));
    box.addButton(QString::fromUtf8("确定"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::ApplicationModal);
    // A box is never the program's last window: shown from the tray while the
    // main window is hidden there, closing it must not end the program.
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.exec();
}

} // namespace gui
