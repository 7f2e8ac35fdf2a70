#include "input/shiftkey.h"
#include "input/softkey.h"
#include "input/softkeyboard.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "input/keyboardtogglebutton.h"
#include "lang/languageinfo.h"

#include "../guihelpers.h"

#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
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
    void initTestCase();
    void init();
    void cleanup();
    void physicalMapping_data();
    void physicalMapping();
    void layouts_data();
    void layouts();
    void physicalKeysTypeTheirKeys_data();
    void physicalKeysTypeTheirKeys();
    void dictionaryCharactersReachable_data();
    void dictionaryCharactersReachable();
    void shiftLayerOnce_data();
    void shiftLayerOnce();
    void returnAndBackspaceKeys();
    void newLayoutForgetsOldPhysicalKeys();
    void visibilityRemembered();

private:
    // The line edit the keys type into.
    std::unique_ptr<QLineEdit> m_edit;
};

void TestSoftKeyboard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSoftKeyboard::init()
{
    QSettings().clear();
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
    QTest::newRow("British apostrophe") << "en_GB" << "fa_IR" << "'" << QString::fromUtf16(u"\u06AF");
    QTest::newRow("Russian is lower case") << "en_US" << "ru_RU" << "q" << QString::fromUtf16(u"\u0439");
    QTest::newRow("Russian capital by Shift") << "en_US" << "ru_RU" << "Q" << QString::fromUtf16(u"\u0419");
    QTest::newRow("Hebrew has no capitals") << "en_US" << "he_IL" << "E" << QString();
    QTest::newRow("Persian yeh is Farsi yeh") << "en_US" << "fa_IR" << "d" << QString::fromUtf16(u"\u06CC");
    QTest::newRow("Persian heh is plain heh") << "en_US" << "fa_IR" << "i" << QString::fromUtf16(u"\u0647");
    QTest::newRow("Persian alef madda by Shift") << "en_US" << "fa_IR" << "H" << QString::fromUtf16(u"\u0622");
    QTest::newRow("Arabic thal left of 1") << "en_US" << "ar_EG" << "`" << QString::fromUtf16(u"\u0630");
    QTest::newRow("Arabic lam-alef on b") << "en_US" << "ar_EG" << "b" << QString::fromUtf16(u"\u0644\u0627");
    QTest::newRow("Arabic fatha by Shift") << "en_US" << "ar_EG" << "Q" << QString::fromUtf16(u"\u064E");
    QTest::newRow("no layout for English") << "en_US" << "en_US" << "e" << QString();
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
    QTest::newRow("Hebrew with points") << "he_IL" << true << 47;
    QTest::newRow("Farsi") << "fa_IR" << false << 36;
    QTest::newRow("Arabic") << "ar_EG" << false << 38;
    QTest::newRow("Russian") << "ru_RU" << false << 38;
    QTest::newRow("English has no keys") << "en_US" << false << 0;
}

// The keys take no focus, and shrink with the keyboard down to its minimum,
// staying inside it; at their natural size their letters stay readable
// beside the hints.
void TestSoftKeyboard::layouts()
{
    QFETCH(QString, type);
    QFETCH(bool, withPoints);
    SoftKeyboard keyboard(type, false, withPoints);
    QTEST(int(keyboard.keys().size()), "keys");
    keyboard.show();
    for (const QSize size : {QSize(2000, 1000), keyboard.sizeHint(), keyboard.minimumSizeHint()}) {
        keyboard.resize(size);
        for (SoftKey *key : keyboard.keys()) {
            QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            QVERIFY(keyboard.rect().contains(key->geometry().translated(key->parentWidget()->pos())));
            if (size == QSize(2000, 1000))
                QCOMPARE(key->hintFits(), !key->physicalKey().isEmpty());
        }
    }
}

void TestSoftKeyboard::physicalKeysTypeTheirKeys_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"en_US", "en_GB", "de_DE", "fr_FR", "it_IT"})
        QTest::newRow(locale) << locale;
}

// On every keyboard locale each physical key is one key's, and typing it
// (and, shifted, its capital) gives that key's characters.
void TestSoftKeyboard::physicalKeysTypeTheirKeys()
{
    QFETCH(QString, locale);
    SoftKeyboard::setKeyboardLocale(locale);
    for (const char *type : {"he_IL", "fa_IR", "ar_EG", "ru_RU"}) {
        SoftKeyboard keyboard(QString::fromLatin1(type), false, true);
        QSet<QString> seen;
        for (SoftKey *key : keyboard.keys()) {
            const QString physical = key->physicalKey().toLower();
            if (physical.isEmpty())
                continue;
            QVERIFY2(!seen.contains(physical), qPrintable(physical));
            seen.insert(physical);
            m_edit->clear();
            QVERIFY(keyboard.pressPhysicalKey(physical));
            QCOMPARE(m_edit->text(), key->text());
            if (!key->shiftedText().isEmpty() && physical.toUpper() != physical) {
                m_edit->clear();
                QVERIFY(keyboard.pressPhysicalKey(physical.toUpper()));
                QCOMPARE(m_edit->text(), key->shiftedText());
            }
        }
    }
}

void TestSoftKeyboard::dictionaryCharactersReachable_data()
{
    QTest::addColumn<QString>("file");
    for (const char *file : {"hebrew.dic", "russian.dic", "arabic.dic", "farsi.dic"})
        QTest::newRow(file) << file;
}

// Every character of the bundled dictionary's foreign texts (words, plurals,
// stems) is on some layer of its keyboard, and every mark key is named.
void TestSoftKeyboard::dictionaryCharactersReachable()
{
    QFETCH(QString, file);
    Dictionary dictionary;
    QCOMPARE(DictionaryFile(QStringLiteral(VERBALON_BIN_DIR "/") + file).load(dictionary), DictionaryFile::Status::Ok);
    const LanguageInfo *language = LanguageInfo::ofDictionary(dictionary.type());
    SoftKeyboard keyboard(dictionary.type(), false, true);
    QString reachable;
    for (SoftKey *key : keyboard.keys()) {
        reachable += key->text() + key->shiftedText();
        QVERIFY(key->text().size() != 1 || key->text().front().category() != QChar::Mark_NonSpacing
            || !key->toolTip().isEmpty());
    }
    for (int i = 0; i < dictionary.count(); ++i) {
        const Entry entry = dictionary.entryAt(i);
        QStringList texts{entry.word()};
        for (const Entry::KeyedText &text : entry.texts())
            texts.append(text.text);
        for (const QString &text : std::as_const(texts)) {
            if (!language->containsLanguageChars(text))
                continue;
            for (QChar c : text)
                QVERIFY2(reachable.contains(c), qPrintable(text));
        }
    }
}

// clang-format off
void TestSoftKeyboard::shiftLayerOnce_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shifted");
    QTest::newRow("Russian stress mark") << "ru_RU" << "-" << QString::fromUtf16(u"\u0301");
    QTest::newRow("Persian alef madda") << "fa_IR" << QString::fromUtf16(u"\u0627") << QString::fromUtf16(u"\u0622");
    QTest::newRow("Arabic shadda") << "ar_EG" << QString::fromUtf16(u"\u0630") << QString::fromUtf16(u"\u0651");
    QTest::newRow("Arabic no shift layer") << "ar_EG" << QString::fromUtf16(u"\u0639") << QString::fromUtf16(u"\u0639");
}
// clang-format on

// Shift shows the shift layer on the keys and gives one character of it.
void TestSoftKeyboard::shiftLayerOnce()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, shifted);
    SoftKeyboard keyboard(type, false, false);
    SoftKey *softKey = keyWithText(keyboard, key);
    ShiftKey *shift = keyboard.findChild<ShiftKey *>();
    QVERIFY(softKey && shift);
    const QString caption = softKey->QPushButton::text();

    softKey->click();
    shift->click();
    QVERIFY(keyboard.isShifted());
    QVERIFY(softKey->QPushButton::text().endsWith(shifted));
    softKey->click();
    QVERIFY(!keyboard.isShifted());
    QVERIFY(!shift->isChecked());
    QCOMPARE(softKey->QPushButton::text(), caption);
    softKey->click();
    QCOMPARE(m_edit->text(), key + shifted + key);
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

// Hidden on one page, the keyboard of another hides as its page is shown,
// and stays hidden at the next start.
void TestSoftKeyboard::visibilityRemembered()
{
    QWidget lookup;
    auto *lookupKeyboard = new SoftKeyboard(QStringLiteral("he_IL"), false, false, &lookup);
    auto *lookupToggle = new KeyboardToggleButton(lookupKeyboard, &lookup);
    QWidget editor;
    auto *editorKeyboard = new SoftKeyboard(QStringLiteral("he_IL"), false, false, &editor);
    new KeyboardToggleButton(editorKeyboard, &editor);
    lookup.show();
    editor.show();
    QVERIFY(lookupKeyboard->isVisible() && lookupToggle->isChecked());

    lookupToggle->click();
    QVERIFY(!lookupKeyboard->isVisible() && !lookupToggle->isChecked());
    QVERIFY(editorKeyboard->isVisible());
    editor.hide();
    editor.show();
    QVERIFY(!editorKeyboard->isVisible());
    QVERIFY(!SoftKeyboard::visibleBySetting());
}

QTEST_MAIN(TestSoftKeyboard)
#include "tst_softkeyboard.moc"
