#include "input/shiftkey.h"
#include "input/softkey.h"
#include "input/softkeyboard.h"

#include "../guihelpers.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

SoftKey *keyWithText(const SoftKeyboard &keyboard, const QString &text)
{
    for (SoftKey *key : keyboard.keys()) {
        if (key->text() == text)
            return key;
    }
    return nullptr;
}

} // namespace

class TestSoftKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void physicalMapping_data();
    void physicalMapping();
    void layouts_data();
    void layouts();
    void keySendsLowerCaseAndShiftOnce();
    void returnAndBackspaceKeys();
    void newLayoutForgetsOldPhysicalKeys();

private:
    // The line edit the keys type into.
    std::unique_ptr<QLineEdit> m_edit;
};

void TestSoftKeyboard::init()
{
    m_edit = std::make_unique<QLineEdit>();
    m_edit->show();
    m_edit->setFocus();
    QApplication::setActiveWindow(m_edit.get());
}

void TestSoftKeyboard::cleanup()
{
    m_edit.reset();
    SoftKeyboard::setKeyboardLocale(QString());
}

// clang-format off
void TestSoftKeyboard::physicalMapping_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("physical");
    QTest::addColumn<QString>("typed");
    QTest::newRow("US e") << "en_US" << "he_IL" << "e" << QString::fromUtf16(u"\u05E7");
    QTest::newRow("US comma") << "en_US" << "he_IL" << "," << QString::fromUtf16(u"\u05EA");
    QTest::newRow("German z") << "de_DE" << "he_IL" << "z" << QString::fromUtf16(u"\u05D8");
    QTest::newRow("French q") << "fr_FR" << "he_IL" << "q" << QString::fromUtf16(u"\u05E9");
    QTest::newRow("Italian ò") << "it_IT" << "he_IL" << QString::fromUtf16(u"\u00F2") << QString::fromUtf16(u"\u05E3");
    QTest::newRow("British @") << "en_GB" << "fa_IR" << "@" << QString::fromUtf16(u"\u06AF");
    QTest::newRow("Russian is lower case") << "en_US" << "ru_RU" << "q" << QString::fromUtf16(u"\u0439");
    QTest::newRow("upper case is not mapped") << "en_US" << "he_IL" << "E" << QString();
    QTest::newRow("no layout for Arabic") << "en_US" << "ar_EG" << "e" << QString();
}
// clang-format on

void TestSoftKeyboard::physicalMapping()
{
    QFETCH(QString, locale);
    QFETCH(QString, type);
    QFETCH(QString, physical);
    QFETCH(QString, typed);
    SoftKeyboard::setKeyboardLocale(locale);
    SoftKeyboard keyboard(type, false, false);
    QCOMPARE(keyboard.hasPhysicalKey(physical), !typed.isEmpty());
    QCOMPARE(keyboard.pressPhysicalKey(physical), !typed.isEmpty());
    QCOMPARE(m_edit->text(), typed);
}

void TestSoftKeyboard::layouts_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("withPoints");
    QTest::addColumn<int>("keys");
    QTest::newRow("Hebrew") << "he_IL" << false << 32;
    QTest::newRow("Hebrew with points") << "he_IL" << true << 44;
    QTest::newRow("Farsi") << "fa_IR" << false << 34;
    QTest::newRow("Russian") << "ru_RU" << false << 35;
    QTest::newRow("Arabic has no keys") << "ar_EG" << false << 0;
}

// The keys take no focus, and shrink with the keyboard down to its minimum,
// staying inside it, their letters readable beside the hints.
void TestSoftKeyboard::layouts()
{
    QFETCH(QString, type);
    QFETCH(bool, withPoints);
    SoftKeyboard keyboard(type, false, withPoints);
    QTEST(int(keyboard.keys().size()), "keys");
    keyboard.show();
    for (const QSize size : {keyboard.sizeHint(), keyboard.minimumSizeHint()}) {
        keyboard.resize(size);
        for (SoftKey *key : keyboard.keys()) {
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            QVERIFY(keyboard.rect().contains(key->geometry().translated(key->parentWidget()->pos())));
            QVERIFY(key->width() <= size.width() / 10);
            // at its natural size every key shows its physical key beside its letter
            if (size == keyboard.sizeHint())
                QCOMPARE(key->hintFits(), !key->physicalKey().isEmpty());
        }
    }
}

void TestSoftKeyboard::keySendsLowerCaseAndShiftOnce()
{
    SoftKeyboard keyboard(QStringLiteral("ru_RU"), false, false);
    SoftKey *ya = keyWithText(keyboard, QString::fromUtf16(u"\u042F"));
    ShiftKey *shift = keyboard.findChild<ShiftKey *>();
    QVERIFY(ya && shift);
    QCOMPARE(ya->QPushButton::text(), QString::fromUtf16(u"\u042F")); // caption in capitals

    ya->click();
    QCOMPARE(m_edit->text(), QString::fromUtf16(u"\u044F"));
    shift->click();
    QVERIFY(keyboard.isShifted());
    ya->click();
    QCOMPARE(m_edit->text(), QString::fromUtf16(u"\u044F\u042F"));
    QVERIFY(!keyboard.isShifted());
    QVERIFY(!shift->isChecked());
    ya->click();
    QCOMPARE(m_edit->text(), QString::fromUtf16(u"\u044F\u042F\u044F"));
}

void TestSoftKeyboard::returnAndBackspaceKeys()
{
    SoftKeyboard keyboard(QStringLiteral("he_IL"), false, false);
    QSignalSpy returned(m_edit.get(), &QLineEdit::returnPressed);
    typeText(m_edit.get(), QString::fromUtf16(u"\u05D0\u05D1"));
    keyWithText(keyboard, QStringLiteral("\b"))->click();
    QCOMPARE(m_edit->text(), QString::fromUtf16(u"\u05D0"));
    keyWithText(keyboard, QStringLiteral("\r"))->click();
    QCOMPARE(returned.count(), 1);
}

void TestSoftKeyboard::newLayoutForgetsOldPhysicalKeys()
{
    SoftKeyboard::setKeyboardLocale(QStringLiteral("en_US"));
    SoftKeyboard keyboard(QStringLiteral("ru_RU"), false, false);
    QVERIFY(keyboard.hasPhysicalKey(QStringLiteral("[")));
    keyboard.setLanguage(QStringLiteral("he_IL"), false);
    QVERIFY(!keyboard.hasPhysicalKey(QStringLiteral("[")));
    QVERIFY(!keyboard.pressPhysicalKey(QStringLiteral("[")));
    QVERIFY(!keyboard.findChild<ShiftKey *>());
}

QTEST_MAIN(TestSoftKeyboard)
#include "tst_softkeyboard.moc"
