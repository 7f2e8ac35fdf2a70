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
               "!SECTION NOTES\n"
               "run, ran, run\n"
               "swim, swam\n"
               "sing, sang, sung, extra\n"
               "make, maked, maked\n"
               "make, made, made\n"
               "bake, , baked\n");
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
    QTest::newRow("two fields ignored") << "swim" << "swimed";
    QTest::newRow("four fields ignored") << "sing" << "singed";
    QTest::newRow("empty past falls back") << "bake" << "baked";
    QTest::newRow("regular in e") << "dance" << "danced";
    QTest::newRow("regular") << "walk" << "walked";
}
// clang-format on

void TestEnglish::pastTense()
{
    QFETCH(QString, verb);
    QFETCH(QString, past);
    QCOMPARE(m_english.pastTense(verb), past);
}

void TestEnglish::conjugate_data()
{
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");
    QTest::newRow("one word stays") << "write" << int(Past) << "write";
    QTest::newRow("to, past") << "to write" << 0x10404 << "wrote";
    QTest::newRow("to, past regular in e") << "to bake" << int(Past) << "baked";
    QTest::newRow("to, future") << "to write" << 0x41005 << "will write";
    QTest::newRow("to, infinitive") << "to write" << int(Infinitive) << "to write";
    QTest::newRow("to, present before future") << "to write" << int(Present | Future) << "write";
    QTest::newRow("to, imperative") << "to write" << 0x80005 << "write";
    QTest::newRow("to be, past") << "to be excited" << int(Past) << "was excited";
    QTest::newRow("be, past") << "be born" << 0x11005 << "was born";
    QTest::newRow("be, present") << "be born" << 0x20005 << "is borning";
    QTest::newRow("be, future") << "be born" << int(Future) << "will be born";
    QTest::newRow("be, other") << "be born" << 0x80005 << "born";
    QTest::newRow("other first word, past") << "wash oneself" << int(Past) << "oneself";
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
    QTest::newRow("bus") << "bus" << int(Plural) << "buses";
    QTest::newRow("box") << "box" << int(Plural) << "boxs";
    QTest::newRow("book") << "book" << int(Plural) << "books";
    QTest::newRow("singular") << "book" << int(Singular | Masculine) << "book";
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
