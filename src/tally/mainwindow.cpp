#include "tally/mainwindow.h"

#include "cat/opencatgame.h"
#include "gui/controls.h"
#include "gui/windows.h"
#include "shell/programstate.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

namespace {

// "楷体" and SimSun with the CJK fonts that stand in for them off Windows.
const QStringList kaiTi{QStringLiteral("楷体"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN")};
const QStringList simSun{QStringLiteral("SimSun"), QStringLiteral("AR PL UMing CN")};

QFont pixelFont(const QStringList& families, int pixels, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setBold(QWidget* control)
{
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
}

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , state_(state)
    , panels_(setupForm())
    , tally_(ui_, 时钟2_)
    , banner_(ui_, 时钟4_, state.bannerText)
    , tray_(*this, ui_)
    , snapshot_(*this, ui_, state.snapshotCounter)
    , calculator_(*ui_.编辑框10, *ui_.编辑框14)
{
    connect(ui_.按钮35, &QPushButton::clicked, this, [this] { 按钮35_clicked(); });
    时钟2_.setObjectName(QStringLiteral("时钟2"));
    时钟3_.setObjectName(QStringLiteral("时钟3"));
    时钟4_.setObjectName(QStringLiteral("时钟4"));
    时钟4_.setInterval(500);
    created();
    gui::centreOnScreen(this);
}

Ui::MainWindow& MainWindow::setupForm()
{
    // The Windows dialog font (SimSun, 12 pixels) for every control that names
    // none: the texts are sized for it. Set before the controls exist, so
    // their texts are laid out once, in this font.
    setFont(pixelFont(simSun, 12, false));
    ui_.setupUi(this);
    setFixedSize(269, 418);
    setupLook();
    setupSettingsTabs();
    return ui_;
}

// A minimise is the "position changed" event the tray reacts to.
void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        tray_.mainWindowStateChanged();
}

// An open cat game keeps the program running after the main window closes;
// the program then ends with the game window.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (catWindow_ && catWindow_->isVisible())
        catWindow_->setAttribute(Qt::WA_QuitOnClose, true);
    QWidget::closeEvent(event);
}

void MainWindow::按钮35_clicked()
{
    openCatGame(catWindow_, state_.cat, state_.random, *this);
}

void MainWindow::setupLook()
{
    setWindowIcon(QIcon(QStringLiteral(":/pictures/heart.png")));
    ui_.图片框1->setPixmap(QPixmap(QStringLiteral(":/pictures/loudspeaker.png")));
    ui_.图形按钮1->setIcon(QIcon(QStringLiteral(":/pictures/portrait.png")));
    ui_.图形按钮1->setIconSize(QSize(90, 90));

    ui_.标签1->setFont(pixelFont(kaiTi, 16, true));
    // A style sheet cuts these off from the window's font.
    for (QWidget* styled : {ui_.编辑框10, ui_.编辑框14, ui_.编辑框18})
        styled->setFont(pixelFont(simSun, 12, false));

    const QColor red(Qt::red);
    for (QWidget* total : {ui_.编辑框1, ui_.编辑框2, ui_.编辑框7}) {
        total->setFont(pixelFont(simSun, 24, true));
        setColour(total, QPalette::Text, red);
    }
    for (QWidget* members : {ui_.编辑框5, ui_.编辑框6}) {
        members->setFont(pixelFont(simSun, 15, true));
        setColour(members, QPalette::Text, red);
    }
    for (QWidget* team : {ui_.分组框1, ui_.分组框2, ui_.分组框7}) {
        setBold(team);
        setColour(team, QPalette::WindowText, red);
    }
    for (QWidget* row : {ui_.分组框8, ui_.分组框9})
        setColour(row, QPalette::WindowText, QColor(255, 128, 192));

    // Five lines in 60 pixels: the platform's default font is too tall for them.
    ui_.标签15->setFont(pixelFont(simSun, 11, false));

    QFont adFont = ui_.编辑框15->font();
    adFont.setPixelSize(19);
    ui_.编辑框15->setFont(adFont);

    ui_.超级列表框1->header()->setStretchLastSection(false);
    ui_.超级列表框1->setColumnWidth(0, 75);
    ui_.超级列表框1->setColumnWidth(1, 150);
}

// The tab strip sits over a page stack that spans the whole control, so the
// pages' controls keep their places relative to the control's corner.
void MainWindow::setupSettingsTabs()
{
    for (const char16_t* caption : {u"皮肤设置", u"公会广告", u"联系作者", u"小游戏"})
        ui_.选择夹1标签->addTab(QString::fromUtf16(caption));
    ui_.选择夹1标签->setUsesScrollButtons(false);
    ui_.选择夹1标签->setCurrentIndex(0);
    ui_.选择夹1页->setCurrentIndex(0);
    connect(ui_.选择夹1标签, &QTabBar::currentChanged, ui_.选择夹1页, &QStackedWidget::setCurrentIndex);
}

void MainWindow::created()
{
    时钟2_.setInterval(1000);
    时钟3_.setInterval(1000);
    时钟2_.start();
    时钟3_.start();
    时钟4_.start();

    tray_.install();

    if (gui::setTip(ui_.按钮16, gui::encode(QStringLiteral("输入内容点击此按钮内容即可在顶部小喇叭位置滚动出来"))) == 1) {
        gui::setTip(ui_.按钮17, gui::encode(QStringLiteral("输入双方队伍名字后点击此按钮即可将队伍名转换为您设置的名字")));
        gui::setTip(ui_.按钮20, gui::encode(QStringLiteral("点击打开更多设置，各种小游戏尽在其中")));
    }
    gui::setTip(ui_.单选框5, gui::encode(QStringLiteral("初级装逼仅支持10-99之间充值")));
    gui::setTip(ui_.单选框6, gui::encode(QStringLiteral("高级装逼仅支持100-999之间充值")));
    gui::setTip(ui_.单选框7, gui::encode(QStringLiteral("终极装逼，慎用！")));
}
