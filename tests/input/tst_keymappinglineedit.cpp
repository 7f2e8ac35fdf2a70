#include "input/keymappingbutton.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"

#include "../guihelpers.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

class TestKeyMappingLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void typing_data();
    void typing();
    void focusShowsHintsOnlyWithMapping();
    void switchKeys_data();
    void switchKeys();
    void buttonFollowsMapping();
};

void TestKeyMappingLineEdit::initTestCase()
{
    SoftKeyboard::setKeyboardLocale(QStringLiteral("en_US"));
}

void TestKeyMappingLineEdit::cleanupTestCase()
{
    SoftKeyboard::setKeyboardLocale(QString());
}

// clang-format off
void TestKeyMappingLineEdit::typing_data()
{
    QTest::addColumn<bool>("mapping");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("mapped letters") << true << "shalom" << QString::fromUtf16(u"\u05D3\u05D9\u05E9\u05DA\u05DD\u05E6");
    QTest::newRow("the same letter twice, quickly") << true << "ee" << QString::fromUtf16(u"\u05E7\u05E7");
    QTest::newRow("upper case passes") << true << "E" << "E";
    QTest::newRow("digits pass") << true << "12" << "12";
    QTest::newRow("mapping off") << false << "shalom" << "shalom";
}
// clang-format on

void TestKeyMappingLineEdit::typing()
{
    QFETCH(bool, mapping);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    SoftKeyboard keyboard(QStringLiteral("he_IL"), false, false);
    KeyMappingLineEdit edit(mapping, &keyboard);
    edit.show();
    edit.setFocus();
    QApplication::setActiveWindow(&edit);
    for (QChar c : keys)
        pressKey(&edit, c.isLetter() ? Qt::Key_A + (c.toUpper().unicode() - 'A') : Qt::Key_0 + (c.unicode() - '0'),
            QString(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(edit.text(), text);
}

void TestKeyMappingLineEdit::focusShowsHintsOnlyWithMapping()
{
    SoftKeyboard keyboard(QStringLiteral("he_IL"), false, false);
    KeyMappingLineEdit mapped(true, &keyboard);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&mapped, &in);
    QVERIFY(keyboard.keyHintsVisible());
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&mapped, &out);
    QVERIFY(!keyboard.keyHintsVisible());

    KeyMappingLineEdit plain(false, &keyboard);
    QApplication::sendEvent(&plain, &in);
    QVERIFY(!keyboard.keyHintsVisible());
    keyboard.setKeyHintsVisible(true);
    QApplication::sendEvent(&plain, &out);
    QVERIFY(keyboard.keyHintsVisible());
}

void TestKeyMappingLineEdit::switchKeys_data()
{
    QTest::addColumn<int>("switchKey");
    QTest::addColumn<int>("between");
    QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << 0;
    QTest::newRow("AltGr alone") << int(Qt::Key_AltGr) << 0;
    QTest::newRow("Ctrl+V pastes") << int(Qt::Key_Control) << int(Qt::Key_V);
    QTest::newRow("Ctrl+Z undoes") << int(Qt::Key_Control) << int(Qt::Key_Z);
    QTest::newRow("Ctrl+S is the window's") << int(Qt::Key_Control) << int(Qt::Key_S);
}

// Only Ctrl or AltGr pressed and released alone switches the mapping; the
// shortcuts leave it, the window's own (Ctrl+S) too.
void TestKeyMappingLineEdit::switchKeys()
{
    QFETCH(int, switchKey);
    QFETCH(int, between);
    SoftKeyboard keyboard(QStringLiteral("he_IL"), false, false);
    QWidget window;
    auto *edit = new KeyMappingLineEdit(true, &keyboard, &window);
    auto *save = new QAction(&window);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    window.addAction(save);
    QSignalSpy saved(save, &QAction::triggered);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // QTest::keyPress cannot name AltGr
    const Qt::KeyboardModifiers held = switchKey == Qt::Key_Control ? Qt::ControlModifier : Qt::NoModifier;
    QTest::sendKeyEvent(QTest::Press, edit, Qt::Key(switchKey), QString(), held);
    if (between)
        QTest::keyClick(edit, Qt::Key(between), held);
    QTest::sendKeyEvent(QTest::Release, edit, Qt::Key(switchKey), QString(), Qt::NoModifier);
    QCOMPARE(edit->keyboardMapping(), between != 0);
    QCOMPARE(saved.size(), between == Qt::Key_S ? 1 : 0);
}

// The button names the script the keys type, the user's own letters while
// the mapping is off, and switches on a click; without a layout it hides.
void TestKeyMappingLineEdit::buttonFollowsMapping()
{
    SoftKeyboard keyboard(QStringLiteral("ru_RU"), false, false);
    QWidget window;
    auto *edit = new KeyMappingLineEdit(true, &keyboard, &window);
    auto *button = new KeyMappingButton(edit, &window);
    window.show();
    QCOMPARE(button->text(), QString::fromUtf16(u"\u0420\u0423"));
    button->click();
    QVERIFY(!edit->keyboardMapping());
    QCOMPARE(button->text(), QStringLiteral("EN"));
    edit->setKeyboardMapping(true);
    keyboard.setLanguage(QStringLiteral("fa_IR"), false);
    QCOMPARE(button->text(), QString::fromUtf16(u"\u0641\u0627"));
    QVERIFY(button->isVisible());
    keyboard.setLanguage(QStringLiteral("en_US"), false);
    QVERIFY(!button->isVisible());
}

QTEST_MAIN(TestKeyMappingLineEdit)
#include "tst_keymappinglineedit.moc"
