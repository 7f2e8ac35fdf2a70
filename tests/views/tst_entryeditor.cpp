#include "views/entryeditor.h"

#include "input/keymappinglineedit.h"

#include "../guihelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A store of that language with a noun and a verb.
// A store with a noun and a verb, filled in one reset as a file loads.
void makeStore(Dictionary &dict, const QString &type, const QString &user)
{
    dict.clear();
    Entry noun = makeEntry(5, QString::fromUtf8("מִילָּה"), Entry::Noun, 10 | Entry::FlagIsName, "word");
    noun.setText(Entry::TextPlural, QString::fromUtf8("מִילִּים"));
    noun.setText(Entry::TextUserBase + 1, "Wort");
    noun.setText(Entry::TextUserBase + 2, "mot");
    noun.setText(Entry::TextLegacy, "legacy");
    Entry verb = makeEntry(6, QString::fromUtf8("כָּתַב"), Entry::Verb, 0, "to write");
    verb.setText(Entry::TextInfinitive, QString::fromUtf8("לִכְתּוֹב"));
    verb.setLearnCounters(3, 4);
    EntryArena entries;
    entries.add(noun);
    entries.add(verb);
    dict.fill({{"NAME", "Test"}, {"TYPE", type}, {"USER", user}}, std::move(entries));
}

} // namespace

class TestEntryEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entryFromTheForm_data();
    void entryFromTheForm();
    void storedAsShown();
    void languageFields_data();
    void languageFields();
    void pronunciationsFromThePoints();
    void returnWalksThroughTheFields();
    void typingMarksUnstoredChanges();
    void learnQuestion_data();
    void learnQuestion();

private:
    template <typename T> T *child(const char *name) const { return ::child<T>(m_widget.get(), name); }

    Dictionary m_dictionary;
    std::unique_ptr<EntryEditor> m_widget;
};

void TestEntryEditor::init()
{
    makeStore(m_dictionary, "he_IL", "en,de,fr");
    m_widget = std::make_unique<EntryEditor>(&m_dictionary);
    m_widget->show();
    QApplication::setActiveWindow(m_widget.get());
}

void TestEntryEditor::cleanup()
{
    m_widget.reset();
}

// clang-format off
void TestEntryEditor::entryFromTheForm_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("sub");
    QTest::addColumn<bool>("name");
    QTest::addColumn<bool>("incomplete");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QList<quint32>>("keys");
    QTest::newRow("unset") << "he_IL" << 0 << -1 << false << false << "" << 0 << QList<quint32>{};
    QTest::newRow("masculine noun") << "he_IL" << 1 << 0 << false << false << "" << 5 << QList<quint32>{};
    QTest::newRow("feminine plural name") << "he_IL" << 1 << 3 << true << false << "pl" << (10 | 512) << QList<quint32>{3};
    QTest::newRow("transitive verb with infinitive") << "he_IL" << 2 << 1 << false << false << "inf" << 64 << QList<quint32>{2};
    QTest::newRow("intransitive verb") << "he_IL" << 2 << 2 << false << true << "" << (128 | 256) << QList<quint32>{};
    QTest::newRow("feminine adjective") << "he_IL" << 3 << 1 << false << false << "" << 6 << QList<quint32>{};
    QTest::newRow("adverb: no extra text stored") << "he_IL" << 4 << -1 << false << false << "typed" << 0 << QList<quint32>{};
    QTest::newRow("neuter noun") << "ru_RU" << 1 << 2 << false << false << "" << 4 << QList<quint32>{};
    QTest::newRow("neuter plural noun") << "ru_RU" << 1 << 5 << false << false << "" << 8 << QList<quint32>{};
    QTest::newRow("feminine plural, with neuter") << "ru_RU" << 1 << 4 << false << false << "" << 10 << QList<quint32>{};
}
// clang-format on

void TestEntryEditor::entryFromTheForm()
{
    QFETCH(QString, language);
    QFETCH(int, type);
    QFETCH(int, sub);
    QFETCH(bool, name);
    QFETCH(bool, incomplete);
    QFETCH(QString, extra);
    QFETCH(int, flags);
    QFETCH(QList<quint32>, keys);
    if (language != m_dictionary.type()) {
        makeStore(m_dictionary, language, "en");
    }
    m_widget->newEntry();
    child<QLineEdit>("wordEdit")->setText(QString::fromUtf8("אָב"));
    child<QComboBox>("typeCombo")->setCurrentIndex(type);
    if (sub >= 0)
        child<QComboBox>("subCombo")->setCurrentIndex(sub);
    child<QCheckBox>("nameBox")->setChecked(name);
    child<QCheckBox>("incompleteBox")->setChecked(incomplete);
    child<QLineEdit>("extraEdit")->setText(extra);
    child<QLineEdit>("translationEdit0")->setText("father");

    const Entry e = m_widget->entry();
    QCOMPARE(e.id(), 0);
    QCOMPARE(e.wordType(), type);
    QCOMPARE(e.flags(), quint32(flags));
    QCOMPARE(e.translation(), QStringLiteral("father"));
    QList<quint32> actual;
    for (const Entry::KeyedText &t : e.texts())
        actual.append(t.key);
    QCOMPARE(actual, keys);
    if (!keys.isEmpty())
        QCOMPARE(e.text(keys.first()), extra);
    QVERIFY(!m_widget->hasUnstoredChanges()); // filled in by the program, not typed

    // read back, the stored entry shows the same choices
    Entry stored = e;
    stored.setId(9);
    m_widget->setEntry(stored);
    QCOMPARE(child<QComboBox>("typeCombo")->currentIndex(), type);
    if (sub >= 0)
        QCOMPARE(child<QComboBox>("subCombo")->currentIndex(), sub);
    QCOMPARE(child<QCheckBox>("nameBox")->isChecked(), name);
    QCOMPARE(m_widget->entry().flags(), e.flags());
    QCOMPARE(m_widget->entry().texts(), e.texts());
}

// An entry is stored as the form shows it: its id, the flags, the texts
// the form holds; the texts it does not show stay as they were.
void TestEntryEditor::storedAsShown()
{
    m_widget->setEntry(m_dictionary.entryById(5));
    child<QLineEdit>("translationEdit2")->clear();
    const Entry e = m_widget->entry();
    QCOMPARE(e.id(), 5);
    QCOMPARE(e.flags(), quint32(Entry::FlagPlural | Entry::FlagFeminine | Entry::FlagIsName));
    QCOMPARE(e.text(Entry::TextPlural), QString::fromUtf8("מִילִּים"));
    QCOMPARE(e.text(Entry::TextUserBase + 1), QStringLiteral("Wort"));
    QVERIFY(!e.hasText(Entry::TextUserBase + 2));
    QCOMPARE(e.text(Entry::TextLegacy), QStringLiteral("legacy"));
}

// clang-format off
void TestEntryEditor::languageFields_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QStringList>("shown"); // the language's inputs for the type
    QTest::addColumn<QList<quint32>>("kept"); // of the texts 4..11 every entry below has
    QTest::newRow("hebrew noun") << "he_IL" << 1 << 5 << QStringList{"pronunciationEdit"} << QList<quint32>{4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("russian noun") << "ru_RU" << 1 << 6 << QStringList{"genitiveEdit"} << QList<quint32>{4, 5, 7, 8, 9, 10, 11};
    QTest::newRow("russian verb, aspects") << "ru_RU" << 2 << 1024 + 2048 + 64 << QStringList{"partnerEdit", "aspectCombo"} << QList<quint32>{4, 6, 7, 8, 9, 10, 11};
    QTest::newRow("arabic noun") << "ar_EG" << 1 << 5 << QStringList{"pronunciationEdit", "rootEdit"} << QList<quint32>{4, 5, 6, 7, 10, 11};
    QTest::newRow("arabic verb") << "ar_EG" << 2 << 128 << QStringList{"pronunciationEdit", "rootEdit", "presentEdit", "verbalNounEdit"} << QList<quint32>{4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("persian verb") << "fa_IR" << 2 << 0 << QStringList{"pronunciationEdit", "pastEdit", "presentEdit"} << QList<quint32>{4, 5, 6, 7, 8, 9, 10, 11};
    QTest::newRow("persian adverb") << "fa_IR" << 4 << 0 << QStringList{"pronunciationEdit"} << QList<quint32>{4, 5, 6, 7, 9, 11};
}
// clang-format on

// Each language's inputs for the type shown and no others; an entry comes
// back with what they show, the texts of the language's inputs for other
// types dropped, any other text kept.
void TestEntryEditor::languageFields()
{
    QFETCH(QString, language);
    QFETCH(int, type);
    QFETCH(int, flags);
    QFETCH(QStringList, shown);
    QFETCH(QList<quint32>, kept);
    makeStore(m_dictionary, language, "en");
    Entry e = makeEntry(7, "w", type, quint32(flags), "meaning");
    for (quint32 key = Entry::TextPronunciation; key <= Entry::TextFrequency; ++key)
        e.setText(key, QString::number(key));
    m_widget->setEntry(e);
    const QStringList inputs = {"pronunciationEdit", "genitiveEdit", "partnerEdit", "rootEdit", "presentEdit",
        "verbalNounEdit", "pastEdit", "aspectCombo"};
    QStringList visible;
    for (const QString &name : inputs) {
        auto *input = m_widget->findChild<QWidget *>(name);
        if (input && input->isVisibleTo(m_widget.get()))
            visible.append(name);
    }
    QCOMPARE(QSet<QString>(visible.cbegin(), visible.cend()), QSet<QString>(shown.cbegin(), shown.cend()));
    const Entry back = m_widget->entry();
    QCOMPARE(back.flags(), quint32(flags));
    QList<quint32> keys;
    for (const Entry::KeyedText &t : back.texts()) {
        keys.append(t.key);
        QCOMPARE(t.text, QString::number(t.key));
    }
    std::sort(keys.begin(), keys.end());
    QCOMPARE(keys, kept);
    // an emptied input stores nothing, a typed one what is typed
    auto *first = child<QLineEdit>(qPrintable(shown.first()));
    first->clear();
    QCOMPARE(m_widget->entry().texts().size(), back.texts().size() - 1);
    first->setText("typed");
    const QList<Entry::KeyedText> typed = m_widget->entry().texts();
    QVERIFY(std::any_of(typed.cbegin(), typed.cend(), [](const Entry::KeyedText &t) { return t.text == "typed"; }));
}

// A pointed Hebrew word, plural or infinitive reads aloud from its points:
// shown beside the plural and in the empty pronunciation input.
void TestEntryEditor::pronunciationsFromThePoints()
{
    m_widget->setEntry(m_dictionary.entryById(5));
    QCOMPARE(child<QLabel>("extraPronunciationLabel")->text(), u8("milím"));
    auto *pronunciation = child<QLineEdit>("pronunciationEdit");
    QCOMPARE(pronunciation->placeholderText(), u8("milá"));
    QVERIFY(pronunciation->text().isEmpty());
    child<QLineEdit>("wordEdit")->setText(u8("כֶּלֶב"));
    QCOMPARE(pronunciation->placeholderText(), u8("kélev"));
    QVERIFY(!m_widget->entry().hasText(Entry::TextPronunciation));
}

void TestEntryEditor::returnWalksThroughTheFields()
{
    QSignalSpy done(m_widget.get(), &EntryEditor::doneEnter);
    m_widget->newEntry();
    auto *word = child<QLineEdit>("wordEdit");
    QVERIFY(word->hasFocus());
    word->setText(QString::fromUtf8("אָב"));
    // a type without extra text goes straight to the translation
    QTest::keyClick(word, Qt::Key_Return);
    QVERIFY(child<QLineEdit>("translationEdit0")->hasFocus());
    child<QComboBox>("typeCombo")->setCurrentIndex(Entry::Noun);
    const char *walk[] = {"wordEdit", "extraEdit", "translationEdit0", "translationEdit1", "translationEdit2"};
    for (int i = 0; i + 1 < 5; ++i) {
        QTest::keyClick(child<QLineEdit>(walk[i]), Qt::Key_Return);
        QVERIFY2(child<QLineEdit>(walk[i + 1])->hasFocus(), walk[i + 1]);
    }
    QCOMPARE(done.count(), 0);
    QTest::keyClick(child<QLineEdit>("translationEdit2"), Qt::Key_Return);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().at(0).toString(), QString::fromUtf8("אָב"));
    QVERIFY(!child<QLineEdit>("translationEdit3")->isEnabled());
}

void TestEntryEditor::typingMarksUnstoredChanges()
{
    m_widget->setEntry(m_dictionary.entryById(6));
    QVERIFY(!m_widget->hasUnstoredChanges());
    QTest::keyClicks(child<QLineEdit>("translationEdit0"), "x");
    QVERIFY(m_widget->hasUnstoredChanges());
    m_widget->revert();
    QVERIFY(!m_widget->hasUnstoredChanges());
    QCOMPARE(child<QLineEdit>("translationEdit0")->text(), QStringLiteral("to write"));
    // a new entry with only a language's own text typed holds something
    m_widget->newEntry();
    QTest::keyClicks(child<QLineEdit>("pronunciationEdit"), "x");
    QVERIFY(m_widget->hasUnstoredChanges());
}

void TestEntryEditor::learnQuestion_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<Prompt::Choice>("answer");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("chosen"); // the counters asked for the stored entry, -2 for none
    QTest::newRow("practise") << 5 << Prompt::Choice::Practise << "Learn: 0 / 0" << 0;
    QTest::newRow("don't practise") << 6 << Prompt::Choice::DontPractise << "Learn: NO" << -1;
    QTest::newRow("cancel") << 6 << Prompt::Choice::Cancel << "Learn: 3 / 4" << -2;
    QTest::newRow("new entry: form only") << 0 << Prompt::Choice::Practise << "Learn: 0 / 0" << -2;
}

// The editor asks for the counters it wants; it writes no store itself.
void TestEntryEditor::learnQuestion()
{
    QFETCH(int, id);
    QFETCH(Prompt::Choice, answer);
    QFETCH(QString, button);
    QFETCH(int, chosen);
    PromptScript script;
    script.answers = {answer};
    if (id == 0)
        m_widget->newEntry();
    else
        m_widget->setEntry(m_dictionary.entryById(id));
    QSignalSpy asked(m_widget.get(), &EntryEditor::learnCountersChosen);
    child<QPushButton>("learnButton")->click();
    QCOMPARE(script.titles(), QStringList{"Practise"});
    QCOMPARE(child<QPushButton>("learnButton")->text(), button);
    QCOMPARE(asked.size(), chosen == -2 ? 0 : 1);
    if (chosen != -2)
        QCOMPARE(
            asked.first(), QVariantList({id, QVariant::fromValue(qint8(chosen)), QVariant::fromValue(qint8(chosen))}));
    if (id == 0)
        QCOMPARE(m_widget->entry().learnedForward(), qint8(0));
}

QTEST_MAIN(TestEntryEditor)
#include "tst_entryeditor.moc"
