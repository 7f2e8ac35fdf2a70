#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"

#include "../guihelpers.h"

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

QTEST_MAIN(TestKeyMappingLineEdit)
#include "tst_keymappinglineedit.moc"
