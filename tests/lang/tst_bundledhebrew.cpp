#include "dict/dictionary.h"
#include "dict/dictionaryfile.h"
#include "dict/entry.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <functional>

// The bundled Hebrew dictionary as the build makes it from data/hebrew.tsv:
// one row per rule, each over the entries it applies to, with the share of
// them that must keep it (1 for rules without exception). The entries that
// break a strict rule are named.
class TestBundledHebrew : public QObject
{
    Q_OBJECT

    using Rule = std::function<bool(const Entry &)>;

private slots:
    void initTestCase();
    void rules_data();
    void rules();
    void oneEntryPerWordAndMeaning();

private:
    Dictionary m_dictionary;
};

Q_DECLARE_METATYPE(std::function<bool(const Entry &)>)

namespace {

bool isType(const Entry &e, int type)
{
    return e.wordType() == type;
}

bool isPlainHebrew(const QString &text)
{
    static const QRegularExpression letters(QStringLiteral("^[\\x{05d0}-\\x{05ea}]+( [\\x{05d0}-\\x{05ea}]+)*$"));
    return letters.match(text).hasMatch();
}

QStringList meaningsOf(const Entry &e)
{
    return e.translation().split(QStringLiteral(", "));
}

} // namespace

void TestBundledHebrew::initTestCase()
{
    QCOMPARE(
        DictionaryFile(QStringLiteral(VERBALON_BIN_DIR "/hebrew.dic")).load(m_dictionary), DictionaryFile::Status::Ok);
    QVERIFY2(m_dictionary.count() >= 3000 && m_dictionary.count() <= 4000,
        qPrintable(QString::number(m_dictionary.count())));
}

void TestBundledHebrew::rules_data()
{
    QTest::addColumn<Rule>("appliesTo");
    QTest::addColumn<Rule>("rule");
    QTest::addColumn<double>("share");
    const Rule every = [](const Entry &) { return true; };
    const Rule nouns = [](const Entry &e) { return isType(e, Entry::Noun); };
    const Rule words = [](const Entry &e) { return !e.word().contains(u' '); };
    const Rule verbs = [](const Entry &e) { return isType(e, Entry::Verb); };

    QTest::newRow("a word type") << every << Rule([](const Entry &e) { return e.wordType() != 0; }) << 1.0;
    QTest::newRow("one to four meanings, none empty or unknown") << every << Rule([](const Entry &e) {
        const QStringList meanings = meaningsOf(e);
        return meanings.size() <= 4 && !meanings.contains(QString()) && !meanings.contains(QStringLiteral("???"));
    }) << 1.0;
    QTest::newRow("verbs mean \"to ...\"") << verbs << Rule([](const Entry &e) {
        const QStringList meanings = meaningsOf(e);
        return std::all_of(meanings.cbegin(), meanings.cend(), [](const QString &m) { return m.startsWith("to "); });
    }) << 1.0;
    QTest::newRow("unpointed words") << every << Rule([](const Entry &e) { return isPlainHebrew(e.word()); }) << 1.0;
    QTest::newRow("noun gender") << nouns << Rule([](const Entry &e) {
        return e.flags() & (Entry::FlagMasculine | Entry::FlagFeminine);
    }) << 1.0;
    QTest::newRow("plurals in plain Hebrew") << every << Rule([](const Entry &e) {
        return e.text(Entry::TextPlural).isEmpty() || isPlainHebrew(e.text(Entry::TextPlural));
    }) << 1.0;
    QTest::newRow("infinitives in plain Hebrew, only of verbs") << every << Rule([](const Entry &e) {
        const QString infinitive = e.text(Entry::TextInfinitive);
        return isType(e, Entry::Verb) ? isPlainHebrew(infinitive) && infinitive.startsWith(QChar(0x05DC))
                                      : infinitive.isEmpty();
    }) << 1.0;
    QTest::newRow("most nouns have their plural")
        << Rule([nouns, words](const Entry &e) { return nouns(e) && words(e); })
        << Rule([](const Entry &e) { return !e.text(Entry::TextPlural).isEmpty() || (e.flags() & Entry::FlagPlural); })
        << 0.8;
}

void TestBundledHebrew::rules()
{
    QFETCH(Rule, appliesTo);
    QFETCH(Rule, rule);
    QFETCH(double, share);
    int applies = 0;
    QStringList broken;
    for (int i = 0; i < m_dictionary.count(); ++i) {
        const Entry e = m_dictionary.entryAt(i);
        if (!appliesTo(e))
            continue;
        ++applies;
        if (!rule(e))
            broken.append(e.word() + u' ' + e.translation());
    }
    QVERIFY(applies > 0);
    if (share == 1.0)
        QVERIFY2(broken.isEmpty(), qPrintable(broken.mid(0, 10).join(QStringLiteral("; "))));
    else
        QVERIFY2(applies - broken.size() >= share * applies, qPrintable(QString::number(broken.size())));
}

void TestBundledHebrew::oneEntryPerWordAndMeaning()
{
    QSet<QString> seen;
    for (int i = 0; i < m_dictionary.count(); ++i) {
        const Entry e = m_dictionary.entryAt(i);
        for (const QString &meaning : meaningsOf(e)) {
            const QString key = e.word() + u'\t' + meaning;
            QVERIFY2(!seen.contains(key), qPrintable(e.word() + u' ' + meaning));
            seen.insert(key);
        }
    }
}

QTEST_GUILESS_MAIN(TestBundledHebrew)
#include "tst_bundledhebrew.moc"
