#include "lang/english.h"
#include "lang/grammarcode.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace GrammarCode;

namespace {

WordMatch grammar(int code)
{
    return WordMatch{2, code, 1, QString()};
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pastTense_data();
    void pastTense();
    void presentParticiple_data();
    void presentParticiple();
    void conjugate_data();
    void conjugate();
    void pluralForm_data();
    void pluralForm();

private:
    QTemporaryDir m_dir;
    English m_english;
};

void TestEnglish::initTestCase()
{
    QFile file(m_dir.filePath("verbs.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("go, ignored, before any section\n"
               "# comment\n"
               "!SECTION TRIPLES\n"
               "  go , went , gone  \r\n"
               "\n"
               "write, wrote, written\n"
               "be, was, been\n"
               "admit, admitted, admitted\n"
               "!SECTION NOTES\n"
               "run, ran, run\n"
               "swim, swam\n"
               "sing, sang, sung, extra\n"
               "make, maked, maked\n"
               "make, made, made\n"
               "bake, , baked\n"
               "!SECTION PLURALS\n"
               "child, children\n"
               "tomato, tomatoes\n"
               "sheep, sheep, extra\n");
    file.close();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown section.*NOTES"));
    QVERIFY(m_english.loadVerbs(file.fileName()));
}

// clang-format off
void TestEnglish::pastTense_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("past");
    QTest::newRow("from the table, trimmed") << "go" << "went";
    QTest::newRow("unknown section keeps triples") << "run" << "ran";
    QTest::newRow("later line wins") << "make" << "made";
    QTest::newRow("two fields ignored") << "sing" << "singed";
    QTest::newRow("empty past falls back") << "bake" << "baked";
    QTest::newRow("regular in e") << "dance" << "danced";
    QTest::newRow("regular") << "walk" << "walked";
    QTest::newRow("consonant and y") << "cry" << "cried";
    QTest::newRow("vowel and y") << "play" << "played";
    QTest::newRow("short verb doubles") << "stop" << "stopped";
    QTest::newRow("two vowels do not double") << "rain" << "rained";
    QTest::newRow("w, x, y never double") << "fix" << "fixed";
    QTest::newRow("longer verb does not double") << "visit" << "visited";
    QTest::newRow("longer verb the table doubles") << "admit" << "admitted";
}
// clang-format on

void TestEnglish::pastTense()
{
    QFETCH(QString, verb);
    QFETCH(QString, past);
    QCOMPARE(m_english.pastTense(verb), past);
}

// clang-format off
void TestEnglish::presentParticiple_data()
{
    QTest::addColumn<QString>("verb");
    QTest::addColumn<QString>("participle");
    QTest::newRow("regular") << "walk" << "walking";
    QTest::newRow("silent e") << "make" << "making";
    QTest::newRow("double e stays") << "see" << "seeing";
    QTest::newRow("ie") << "lie" << "lying";
    QTest::newRow("be") << "be" << "being";
    QTest::newRow("short verb doubles") << "run" << "running";
    QTest::newRow("y stays") << "cry" << "crying";
    QTest::newRow("doubled as the table's past") << "admit" << "admitting";
}
// clang-format on

void TestEnglish::presentParticiple()
{
    QFETCH(QString, verb);
    QFETCH(QString, participle);
    QCOMPARE(m_english.presentParticiple(verb), participle);
}

void TestEnglish::conjugate_data()
{
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");
    QTest::newRow("one word stays") << "write" << int(Past) << "write";
    QTest::newRow("to, past, first person") << "to write" << 0x10404 << "I wrote";
    QTest::newRow("to, past, third person") << "to cry" << 0x11005 << "cried";
    QTest::newRow("to, past, several words") << "to pick up" << 0x11008 << "picked up";
    QTest::newRow("to, future, we") << "to write" << 0x40408 << "we will write";
    QTest::newRow("to, future, third person") << "to write" << 0x41005 << "will write";
    QTest::newRow("to, infinitive") << "to write" << int(Infinitive) << "to write";
    QTest::newRow("to, present") << "to run" << 0x20005 << "running";
    QTest::newRow("to, imperative") << "to write" << 0x80005 << "write";
    QTest::newRow("to be, past plural") << "to be excited" << 0x11008 << "were excited";
    QTest::newRow("to be, past, you") << "to be" << 0x10804 << "you were";
    QTest::newRow("be, past") << "be born" << 0x11005 << "was born";
    QTest::newRow("be, present") << "be born" << 0x20005 << "is born";
    QTest::newRow("be, present plural") << "be born" << 0x20009 << "are born";
    QTest::newRow("be, future") << "be born" << int(Future) << "will be born";
    QTest::newRow("be, imperative") << "be born" << 0x80005 << "be born";
    QTest::newRow("other first word stays") << "wash oneself" << int(Past) << "wash oneself";
}

void TestEnglish::conjugate()
{
    QFETCH(QString, meaning);
    QFETCH(int, code);
    QFETCH(QString, result);
    QCOMPARE(m_english.conjugate(meaning, grammar(code)), result);
}

void TestEnglish::pluralForm_data()
{
    QTest::addColumn<QString>("noun");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");
    QTest::newRow("s") << "book" << int(Plural) << "books";
    QTest::newRow("s, es after s") << "bus" << int(Plural) << "buses";
    QTest::newRow("x") << "box" << int(Plural) << "boxes";
    QTest::newRow("ch") << "church" << int(Plural) << "churches";
    QTest::newRow("consonant and y") << "baby" << int(Plural) << "babies";
    QTest::newRow("vowel and y") << "day" << int(Plural) << "days";
    QTest::newRow("from the table") << "child" << int(Plural) << "children";
    QTest::newRow("o from the table") << "tomato" << int(Plural) << "tomatoes";
    QTest::newRow("o by the rule") << "photo" << int(Plural) << "photos";
    QTest::newRow("three fields ignored") << "sheep" << int(Plural) << "sheeps";
    QTest::newRow("last word") << "bell pepper" << int(Plural) << "bell peppers";
    QTest::newRow("head before of") << "cup of tea" << int(Plural) << "cups of tea";
    QTest::newRow("singular") << "baby" << int(Singular | Masculine) << "baby";
}

void TestEnglish::pluralForm()
{
    QFETCH(QString, noun);
    QFETCH(int, code);
    QFETCH(QString, result);
    QCOMPARE(m_english.pluralForm(noun, grammar(code)), result);
}

QTEST_GUILESS_MAIN(TestEnglish)
#include "tst_english.moc"
