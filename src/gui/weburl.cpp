#include "gui/weburl.h"

#include "gui/controls.h"

#include <QDesktopServices>
#include <QUrl>

namespace gui {

void openWebAddress(std::string_view address)
{
    QDesktopServices::openUrl(QUrl(decode(address)));
}

} // namespace gui
