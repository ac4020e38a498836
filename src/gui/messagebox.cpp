#include "gui/messagebox.h"

#include "gui/controls.h"

#include <QMessageBox>

namespace gui {

void messageBox(std::string_view text, int flags, std::string_view title)
{
    // The icon bits of a Windows message box: 16 error, 32 question,
    // 48 warning, 64 information.
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0) {
    case ErrorIcon: icon = QMessageBox::Critical; break;
    case 32: icon = QMessageBox::Question; break;
    case 48: icon = QMessageBox::Warning; break;
    case InformationIcon: icon = QMessageBox::Information; break;
    }
    // No owner: the box is a window of its own, modal for the whole program.
    QMessageBox box(icon, decode(title), decode(text), QMessageBox::NoButton, nullptr);
    box.addButton(QString::fromUtf8("确定"), QMessageBox::AcceptRole);
    box.setWindowModality(Qt::ApplicationModal);
    // A box is never the program's last window: shown from the tray while the
    // main window is hidden there, closing it must not end the program.
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.exec();
}

} // namespace gui
