#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "model/entry.h"

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

// Hebrew letters with their points (vowels, dagesh, shin and sin dots),
// each word carrying some, words one blank apart.
bool isPointedHebrew(const QString &text)
{
    static const QRegularExpression word(
        QStringLiteral("^[\\x{05d0}-\\x{05ea}\\x{05b0}-\\x{05bc}\\x{05c1}\\x{05c2}\\x{05c7}]+$"));
    const QStringList words = text.split(u' ');
    return std::all_of(words.cbegin(), words.cend(),
        [](const QString &w) { return word.match(w).hasMatch() && makeSearchKey(w).size() < w.size(); });
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
    QVERIFY2(m_dictionary.count() >= 4000 && m_dictionary.count() <= 5000,
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
    QTest::newRow("pointed words") << every << Rule([](const Entry &e) { return isPointedHebrew(e.word()); }) << 1.0;
    QTest::newRow("noun gender") << nouns << Rule([](const Entry &e) {
        return e.flags() & (Entry::FlagMasculine | Entry::FlagFeminine);
    }) << 1.0;
    QTest::newRow("pointed plurals") << every << Rule([](const Entry &e) {
        return e.text(Entry::TextPlural).isEmpty() || isPointedHebrew(e.text(Entry::TextPlural));
    }) << 1.0;
    QTest::newRow("pointed infinitives, only of verbs") << every << Rule([](const Entry &e) {
        const QString infinitive = e.text(Entry::TextInfinitive);
        return isType(e, Entry::Verb) ? isPointedHebrew(infinitive) && infinitive.startsWith(QChar(0x05DC))
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
