#include "commands.h"

#include "console.h"
#include "support.h"

#include "merge/datadirectory.h"
#include "train/reviewlogupkeep.h"
#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "lang/english.h"
#include "lang/conjugation.h"
#include "lang/hebrewanalyser.h"
#include "lang/hebrewtext.h"
#include "lang/hebrewtransliteration.h"
#include "lang/phrasetranslator.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

using namespace Cli;

namespace {

QString hexCode(int code)
{
    return QStringLiteral("0x") + QString::number(quint32(code), 16).toUpper().rightJustified(5, u'0');
}

QString describe(const WordMatch &m)
{
    QString out = QStringLiteral("%1:%2:%3").arg(m.wordType).arg(hexCode(m.grammar)).arg(m.entryId);
    // a word the dictionary lacks shows itself; a prefix is known by its type
    if (m.wordType == WordMatch::Unknown)
        out += u':' + m.text;
    return out;
}

QString describe(const Reading &reading)
{
    QStringList parts;
    for (const WordMatch &m : reading)
        parts.append(describe(m));
    return parts.join(QStringLiteral(" + "));
}

QByteArray joinLines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + '\n';
    return out;
}

int runConjugate(const QStringList &args)
{
    int code = 0;
    const auto parsed = parseArguments(QStringLiteral("conjugate"), args, 1, {QStringLiteral("infinitive")}, code);
    if (!parsed)
        return code;
    const QString word = parsed->positional()[0];
    Entry verb(1);
    verb.setWord(word);
    verb.setWordType(Entry::Verb);
    if (parsed->hasOption(QStringLiteral("infinitive")))
        verb.setText(Entry::TextInfinitive, parsed->option(QStringLiteral("infinitive")));
    // code, letters, and where the form has them its points and Latin letters
    QList<QPair<int, QByteArray>> forms;
    for (const Paradigm::Form &form : Conjugation::pointedVerbForms(verb)) {
        QByteArray line = form.text.toUtf8();
        if (!form.pointed.isEmpty()) {
            const auto latin = HebrewTransliteration::transliterate(form.pointed, form.stress);
            line += '\t' + form.pointed.toUtf8() + '\t' + latin.text.toUtf8();
        }
        forms.append({form.code, line});
    }
    std::stable_sort(forms.begin(), forms.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QByteArray out = "Pattern: " + Conjugation::binyanName(Conjugation::readVerb(verb).binyan).toUtf8() + '\n';
    for (const auto &[grammar, form] : std::as_const(forms))
        out += hexCode(grammar).toUtf8() + '\t' + form + '\n';
    Console::write(out);
    return 0;
}

// A stress number from 1 (the last syllable); 0 when the text is no such number.
int stressNumber(const QString &text)
{
    bool ok = false;
    const int stress = text.toInt(&ok);
    return ok && stress >= 1 ? stress : 0;
}

// Standard input's texts in Latin letters, a line each; a line may give its
// stress after a tab. The data builds read a whole dictionary this way in
// one run. A line that cannot be read fails the whole run, naming it, so
// that no output is taken with a gap in it.
int transliterateLines()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return Console::fail(QStringLiteral("cannot read standard input"), Failure);
    const QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i + 1 == lines.size() && lines[i].isEmpty())
            break; // the line feed that ends the last line
        const QStringList fields = lines[i].split(u'\t');
        const int stress = fields.size() > 1 ? stressNumber(fields[1]) : 0;
        if (fields.size() > 2 || (fields.size() == 2 && stress == 0))
            return Console::fail(
                QStringLiteral("line %1: expected a text and a stress from 1, not '%2'").arg(i + 1).arg(lines[i]),
                Failure);
        const HebrewTransliteration::Result result = HebrewTransliteration::transliterate(fields[0], stress);
        if (result.status != HebrewTransliteration::Status::Ok)
            return Console::fail(
                QStringLiteral("line %1: %2: %3").arg(i + 1).arg(fields[0], result.errorString()), Failure);
        out += result.text.toUtf8() + '\n';
    }
    Console::write(out);
    return 0;
}

// A pointed word or text in Latin letters; --stress N stresses the Nth
// syllable from the end of its last word. --batch reads the texts from
// standard input instead.
int runTransliterate(const QStringList &args)
{
    int code = 0;
    const bool batch
        = Arguments(args, {QStringLiteral("stress")}, {QStringLiteral("batch")}).hasOption(QStringLiteral("batch"));
    const auto parsed = parseArguments(QStringLiteral("transliterate"), args, batch ? 0 : 1, {QStringLiteral("stress")},
        code, {QStringLiteral("batch")});
    if (!parsed)
        return code;
    if (batch) {
        if (parsed->hasOption(QStringLiteral("stress")))
            return Console::fail(QStringLiteral("--batch takes each line's stress from the line"), BadArguments);
        return transliterateLines();
    }
    int stress = 0;
    if (parsed->hasOption(QStringLiteral("stress"))) {
        stress = stressNumber(parsed->option(QStringLiteral("stress")));
        if (stress == 0)
            return Console::fail(QStringLiteral("--stress needs a syllable number from 1 (the last), not '%1'")
                                     .arg(parsed->option(QStringLiteral("stress"))),
                BadArguments);
    }
    const QString pointed = parsed->positional()[0];
    const HebrewTransliteration::Result result = HebrewTransliteration::transliterate(pointed, stress);
    if (result.status != HebrewTransliteration::Status::Ok)
        return Console::fail(QStringLiteral("%1: %2").arg(pointed, result.errorString()), Failure);
    Console::writeLine(result.text);
    return 0;
}

// One word's readings a line each; with no word, every word of standard
// input, a line each: the word, then its readings, tab-separated.
int runAnalyse(const QStringList &args)
{
    const bool batch = Arguments(args, {QStringLiteral("flags")}).positional().size() == 1;
    return runOnDictionary(QStringLiteral("analyse"), args, batch ? 1 : 2, {QStringLiteral("flags")},
        [batch](const Arguments &parsed, Dictionary &dictionary, const DictionaryFile &) {
            const QString flagsText = parsed.option(QStringLiteral("flags"));
            bool ok = true;
            const int flags = flagsText.isEmpty() ? 0 : flagsText.toInt(&ok, 0);
            if (!ok)
                return Console::fail(QStringLiteral("--flags needs a number, not '%1'").arg(flagsText), BadArguments);
            const HebrewAnalyser hebrew(&dictionary);
            const auto analyseFlags = HebrewAnalyser::AnalyseFlags::fromInt(flags);
            QByteArray out;
            if (!batch) {
                for (const Reading &reading : hebrew.analyse(parsed.positional()[1], analyseFlags))
                    out += describe(reading).toUtf8() + '\n';
                Console::write(out);
                return 0;
            }
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return Console::fail(QStringLiteral("cannot read standard input"), Failure);
            const QStringList words = QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts);
            for (const QString &word : words) {
                QStringList line{word.trimmed()};
                for (const Reading &reading : hebrew.analyse(line.first(), analyseFlags))
                    line.append(describe(reading));
                out += line.join(u'\t').toUtf8() + '\n';
            }
            Console::write(out);
            return 0;
        });
}

int runIndex(const QStringList &args)
{
    return runOnDictionary(
        QStringLiteral("index"), args, 1, {}, [](const Arguments &, Dictionary &dictionary, const DictionaryFile &) {
            const HebrewAnalyser hebrew(&dictionary);
            QList<QByteArray> lines;
            hebrew.forms().forEach([&lines](QStringView form, const WordMatch &m) {
                lines.append((form.toString() + u'\t' + describe(m)).toUtf8());
            });
            std::sort(lines.begin(), lines.end()); // as UTF-8 bytes, whatever the locale
            for (const PhraseMatch &phrase : hebrew.phrases())
                lines.append(
                    QStringLiteral("phrase\t%1\t%2").arg(phrase.phrase.entryId).arg(describe(phrase.words)).toUtf8());
            Console::write(joinLines(lines));
            return 0;
        });
}

// A reading as the word table shows it: prefixes and word joined by "+"
// (ו+כש+חָזַר, and+when+we returned).
QString withPrefixes(const QStringList &prefixes, const QString &word)
{
    return prefixes.isEmpty() || word.isEmpty() ? word : prefixes.join(u'+') + u'+' + word;
}

// One line per word: the token, the gloss and lemma of its first reading,
// the other readings ("gloss (lemma)", separated by " / ").
QByteArray wordTable(const QList<QList<GlossedWord>> &lines)
{
    QByteArray out;
    for (const QList<GlossedWord> &line : lines) {
        for (const GlossedWord &word : line) {
            if (!std::any_of(word.token.cbegin(), word.token.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
                continue;
            QStringList fields{word.token, QString(), QString(), QString()};
            if (word.readings.isEmpty() && !anyHebrewChar(word.token))
                fields[1] = word.token;
            QStringList others;
            for (qsizetype i = 0; i < word.readings.size(); ++i) {
                const GlossReading &reading = word.readings[i];
                const QString gloss = withPrefixes(reading.prefixGlosses, reading.gloss);
                const QString lemma = withPrefixes(reading.prefixes, reading.lemma);
                if (i == 0) {
                    fields[1] = gloss;
                    fields[2] = lemma;
                } else {
                    others.append(QStringLiteral("%1 (%2)").arg(gloss, lemma));
                }
            }
            fields[3] = others.join(QStringLiteral(" / "));
            out += fields.join(u'\t').toUtf8() + '\n';
        }
    }
    return out;
}

int runTranslate(const QStringList &args)
{
    // --words takes no value, which runOnDictionary's options cannot say
    QStringList rest = args;
    const bool words = rest.removeAll(QStringLiteral("--words")) > 0;
    return runOnDictionary(QStringLiteral("translate"), rest, 1, {QStringLiteral("verbs")},
        [words](const Arguments &parsed, Dictionary &dictionary, const DictionaryFile &) {
            English english;
            if (parsed.hasOption(QStringLiteral("verbs"))) {
                const QString verbs = parsed.option(QStringLiteral("verbs"));
                if (!english.loadVerbs(verbs))
                    return Console::fail(QStringLiteral("%1: cannot read the verb table").arg(verbs), Failure);
            } else {
                // as the program does: the table of the data folder, else the installed one
                QString ignored;
                english.loadVerbs(DataDirectory::findFile(
                    ReviewLogUpkeep::locateDataFolder(&ignored), QStringLiteral("verbs_en.dat")));
            }
            QFile in;
            if (!in.open(stdin, QIODevice::ReadOnly))
                return Console::fail(QStringLiteral("cannot read standard input"), Failure);
            const PhraseTranslator translator(&dictionary, &english);
            const QString text = QString::fromUtf8(in.readAll());
            Console::write(words ? wordTable(translator.glossLines(text)) : translator.translateText(text).toUtf8());
            return 0;
        });
}

} // namespace

QList<Command> hebrewCommands()
{
    return {
        {QStringLiteral("conjugate"), QStringLiteral("conjugate [--infinitive TEXT] WORD"), runConjugate},
        {QStringLiteral("analyse"),
            QStringLiteral("analyse FILE.dic [WORD] [--flags N]  (no WORD: words on standard input)"), runAnalyse},
        {QStringLiteral("index"), QStringLiteral("index FILE.dic"), runIndex},
        {QStringLiteral("transliterate"),
            QStringLiteral(
                "transliterate POINTED [--stress N] | --batch  (N: stressed syllable from the end, 1 = last; "
                "--batch: a text a line on standard input, a tab and N after it if given)"),
            runTransliterate},
        {QStringLiteral("translate"),
            QStringLiteral("translate FILE.dic [--verbs FILE] [--words]  (text on standard input; --words: a line per "
                           "word: token, gloss, lemma, other readings)"),
            runTranslate},
    };
}
