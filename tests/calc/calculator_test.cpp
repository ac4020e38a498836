// The calculator field driven with real key and mouse events, on two edit
// boxes set up as on the main window, beside a button that can take the focus.
#include "calc/calculator.h"
#include "gui/controls.h"
#include "gui/modalwatch.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <optional>

namespace {

const QString prompt = QStringLiteral("小键盘 - 微型计算器");
const Qt::Alignment leftAligned = Qt::AlignLeft | Qt::AlignVCenter;

QLineEdit* designEdit(QWidget* window, const char* name, QRect geometry, const QString& text)
{
    auto* edit = new QLineEdit(text, window);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setGeometry(geometry);
    edit->setAlignment(Qt::AlignCenter);
    edit->setStyleSheet(QStringLiteral("QLineEdit { color: white; background-color: rgb(255,128,192); }"));
    return edit;
}

// The two edit boxes of the main window and a button that holds the focus at start.
class Field {
public:
    Field()
    {
        window.resize(269, 418);
        other = new QPushButton(QStringLiteral("other"), &window);
        other->setGeometry(208, 388, 60, 25);
        编辑框10 = designEdit(&window, "编辑框10", QRect(3, 389, 150, 25), prompt);
        编辑框14 = designEdit(&window, "编辑框14", QRect(152, 389, 50, 25), QStringLiteral("*"));
        编辑框14->setReadOnly(true);
        calculator.emplace(*编辑框10, *编辑框14);
        other->setFocus();
        window.show();
    }

    // Clicks into the expression field, as the host does before typing.
    void clickIn() { QTest::mouseClick(编辑框10, Qt::LeftButton, {}, QPoint(20, 12)); }
    std::string result() const { return gui::text(编辑框14); }

    std::optional<Calculator> calculator; // declared first: outlives the edit boxes
    QWidget window;
    QPushButton* other = nullptr;
    QLineEdit* 编辑框10 = nullptr;
    QLineEdit* 编辑框14 = nullptr;
};

QTestEventList typed(const QString& characters)
{
    QTestEventList events;
    for (const QChar c : characters)
        events.addKeyClick(c.toLatin1());
    return events;
}

} // namespace

class CalculatorTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithThePromptCentred();
    void keyFilter_data();
    void keyFilter();
    void enterShowsTheValueAndKeepsTheExpression();
    void enterOnAnEmptyField();
    void divisionByZeroShowsTheErrorBox();
    void focusEmptiesTheFieldAndLeavesItLeftAligned();
};

void CalculatorTest::startsWithThePromptCentred()
{
    Field field;
    QVERIFY(QTest::qWaitForWindowActive(&field.window));
    QCOMPARE(field.编辑框10->text(), prompt);
    QCOMPARE(field.编辑框10->alignment(), Qt::AlignCenter);
    QCOMPARE(field.编辑框14->text(), QStringLiteral("*"));
}

void CalculatorTest::keyFilter_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("expected");

    QTest::newRow("main-row digits, -, . and /") << typed("1314-5.2/4") << "1314-5.2/4";

    QTestEventList shifted;
    shifted.addKeyClick('2');
    shifted.addKeyClick(Qt::Key_AsciiCircum, Qt::ShiftModifier);
    shifted.addKeyClick('3');
    shifted.addKeyClick(Qt::Key_Asterisk, Qt::ShiftModifier);
    shifted.addKeyClick(Qt::Key_ParenLeft, Qt::ShiftModifier);
    shifted.addKeyClick('4');
    shifted.addKeyClick(Qt::Key_ParenRight, Qt::ShiftModifier);
    QTest::newRow("Shift+6, Shift+8 and the brackets") << shifted << "2^3*(4)";

    QTestEventList keypad;
    keypad.addKeyClick('1');
    keypad.addKeyClick(Qt::Key_Plus, Qt::KeypadModifier);
    keypad.addKeyClick('2');
    keypad.addKeyClick(Qt::Key_Asterisk, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_7, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_Minus, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_Period, Qt::KeypadModifier);
    keypad.addKeyClick(Qt::Key_Slash, Qt::KeypadModifier);
    QTest::newRow("keypad + and * pass, its digits, -, . and / do not") << keypad << "1+2*";

    QTestEventList plus;
    plus.addKeyClick('1');
    plus.addKeyClick(Qt::Key_Equal);
    plus.addKeyClick(Qt::Key_Plus, Qt::ShiftModifier);
    plus.addKeyClick(Qt::Key_Space);
    plus.addKeyClick(Qt::Key_A);
    plus.addKeyClick(Qt::Key_E, Qt::ShiftModifier);
    QTest::newRow("=, Shift+=, Space and letters are dropped") << plus << "1";

    QTestEventList editing = typed("123");
    editing.addKeyClick(Qt::Key_Left);
    editing.addKeyClick(Qt::Key_Left);
    editing.addKeyClick(Qt::Key_Backspace);
    editing.addKeyClick(Qt::Key_Delete);
    editing.addKeyClick(Qt::Key_Right);
    editing.addKeyClick('4');
    QTest::newRow("arrows, Backspace and Delete edit") << editing << "34";

    QTestEventList homeEnd = typed("12");
    homeEnd.addKeyClick(Qt::Key_Home);
    homeEnd.addKeyClick('3');
    homeEnd.addKeyClick(Qt::Key_End);
    QTest::newRow("Home and End are dropped") << homeEnd << "123";

    // The clipboard holds "99" during the test.
    QTestEventList control = typed("12");
    control.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    control.addKeyClick(Qt::Key_Insert, Qt::ShiftModifier);
    control.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    control.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("paste and select-all shortcuts are dropped") << control << "1";
}

void CalculatorTest::keyFilter()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, expected);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    Field field;
    QVERIFY(QTest::qWaitForWindowActive(&field.window));
    field.clickIn();
    QVERIFY(field.编辑框10->hasFocus());
    keys.simulate(field.编辑框10);
    QCOMPARE(field.编辑框10->text(), expected);
}

void CalculatorTest::enterShowsTheValueAndKeepsTheExpression()
{
    Field field;
    QVERIFY(QTest::qWaitForWindowActive(&field.window));
    field.clickIn();
    QSignalSpy returnPressed(field.编辑框10, &QLineEdit::returnPressed);
    QTest::keyClicks(field.编辑框10, QStringLiteral("1314"));
    QTest::keyClick(field.编辑框10, Qt::Key_Asterisk, Qt::ShiftModifier);
    QTest::keyClicks(field.编辑框10, QStringLiteral("3"));
    QTest::keyClick(field.编辑框10, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClicks(field.编辑框10, QStringLiteral("520"));

    QTest::keyClick(field.编辑框10, Qt::Key_Return);
    QCOMPARE(field.result(), std::string("4462"));
    QCOMPARE(field.编辑框10->text(), QStringLiteral("1314*3+520"));
    QVERIFY(field.编辑框10->hasFocus());

    // A second Enter evaluates the same expression again (keypad Enter too).
    gui::setText(field.编辑框14, "*");
    QTest::keyClick(field.编辑框10, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(field.result(), std::string("4462"));
    QCOMPARE(field.编辑框10->text(), QStringLiteral("1314*3+520"));
    // Enter is taken by the calculator, never passed on to the field.
    QCOMPARE(returnPressed.count(), 0);
}

void CalculatorTest::enterOnAnEmptyField()
{
    Field field;
    QVERIFY(QTest::qWaitForWindowActive(&field.window));
    field.clickIn();
    QTest::keyClick(field.编辑框10, Qt::Key_Return);
    QCOMPARE(field.result(), std::string());
    QCOMPARE(field.编辑框10->text(), QString());
}

void CalculatorTest::divisionByZeroShowsTheErrorBox()
{
    Field field;
    QVERIFY(QTest::qWaitForWindowActive(&field.window));
    field.clickIn();
    QTest::keyClicks(field.编辑框10, QStringLiteral("2+1/0"));

    QString title;
    QString message;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* owner = &field.window;
    std::string resultWhileShown;
    gui::ModalWatch watch([&](QWidget* box) {
        title = box->windowTitle();
        owner = box->parentWidget();
        resultWhileShown = field.result();
        if (auto* messageBox = qobject_cast<QMessageBox*>(box)) {
            message = messageBox->text();
            icon = messageBox->icon();
        }
        QVERIFY(gui::pressButton(box, QStringLiteral("确定")));
    });
    QTest::keyClick(field.编辑框10, Qt::Key_Return);

    QCOMPARE(watch.count(), 1);
    QCOMPARE(title, QStringLiteral("错误！"));
    QCOMPARE(message, QStringLiteral("计算式中有被除数为0的情况，计算不能继续，请检查数据！"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(owner, static_cast<QWidget*>(nullptr));
    // The result box is written once the box is closed, with the empty text.
    QCOMPARE(resultWhileShown, std::string("*"));
    QCOMPARE(field.result(), std::string());
    // The focus comes back to the field, which empties it.
    QTRY_VERIFY(field.编辑框10->hasFocus());
    QTRY_COMPARE(field.编辑框10->text(), QString());
}

void CalculatorTest::focusEmptiesTheFieldAndLeavesItLeftAligned()
{
    Field field;
    QVERIFY(QTest::qWaitForWindowActive(&field.window));
    field.clickIn();
    QCOMPARE(field.编辑框10->text(), QString());
    QCOMPARE(field.编辑框10->alignment(), leftAligned);

    QTest::keyClicks(field.编辑框10, QStringLiteral("12"));
    QTest::keyClick(field.编辑框10, Qt::Key_Return);
    QCOMPARE(field.result(), std::string("12"));

    // Losing the focus keeps the expression; taking it again empties the field.
    QTest::mouseClick(field.other, Qt::LeftButton);
    QTRY_VERIFY(field.other->hasFocus());
    QCOMPARE(field.编辑框10->text(), QStringLiteral("12"));
    field.clickIn();
    QTRY_VERIFY(field.编辑框10->hasFocus());
    QCOMPARE(field.编辑框10->text(), QString());
    QCOMPARE(field.编辑框10->alignment(), leftAligned);
    QCOMPARE(field.result(), std::string("12"));
}

QTEST_MAIN(CalculatorTest)
#include "calculator_test.moc"
