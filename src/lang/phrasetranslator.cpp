#include "phrasetranslator.h"

#include "english.h"
#include "grammarcode.h"
#include "hebrewtext.h"
#include "langlog.h"

#include "dict/dictionary.h"

namespace {

bool isSentenceEnd(QChar c)
{
    return c == u'.' || c == u'?' || c == u'!' || c == u':' || c == u';';
}

// Upper-cases the first letter; a full stop before any letter leaves the text alone.
QString capitalized(QString text)
{
    for (QChar &c : text) {
        if (c == u'.')
            break;
        if (c.isLetter()) {
            c = c.toUpper();
            break;
        }
    }
    return text;
}

class Tokenizer
{
public:
    QList<QStringList> run(const QString &text);

private:
    void closeToken()
    {
        if (!m_token.isEmpty())
            m_sentence.append(m_token);
        m_token.clear();
        m_wordMode = true;
    }
    void closeSentence()
    {
        m_sentences.append(m_sentence);
        m_sentence.clear();
    }

    QList<QStringList> m_sentences;
    QStringList m_sentence;
    QString m_token;
    bool m_wordMode = true;
};

QList<QStringList> Tokenizer::run(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const bool hasNext = i + 1 < text.size();
        // marks (points, cantillation) belong to the word they stand in
        if (ch.isLetter() || HebrewText::isMark(ch)) {
            if (!m_wordMode && !m_token.isEmpty())
                closeToken();
            m_token += ch;
        } else if (ch.isSpace()) {
            closeToken();
            if (ch == u'\n') {
                closeSentence();
                m_sentences.append(QStringList());
            }
        } else if (isSentenceEnd(ch)) {
            if (hasNext && text[i + 1].isDigit()) {
                m_token += ch; // decimal point, clock time
                continue;
            }
            closeToken();
            m_sentence.append(QString(ch));
            closeSentence();
        } else {
            if (m_wordMode && !m_token.isEmpty()) {
                const bool quote = ch == u'"' || ch == u'\'';
                // gershayim and geresh inside a word, geresh at its end
                if (quote && hasNext && text[i + 1].isLetter()) {
                    m_token += ch;
                    continue;
                }
                if (ch == u'\'' && hasNext && !text[i + 1].isLetter()) {
                    m_token += ch;
                    continue;
                }
                closeToken();
            }
            m_token += ch;
            m_wordMode = false;
        }
    }
    if (!m_token.isEmpty())
        m_sentence.append(m_token);
    if (!m_sentence.isEmpty())
        m_sentences.append(m_sentence);
    return m_sentences;
}

} // namespace

PhraseTranslator::PhraseTranslator(const Dictionary *dictionary, const English *english)
    : m_dictionary(dictionary)
    , m_english(english)
    , m_hebrew(dictionary)
{
    for (const PhraseMatch &phrase : m_hebrew.phrases()) {
        if (phrase.words.first().entryId != 0)
            m_phraseIndex.insert(phrase.words.first().entryId, phrase);
    }
    qCDebug(lcLang) << "MultiPhrases:" << m_phraseIndex.size();
}

QList<int> PhraseTranslator::entriesOfWord(const QString &word) const
{
    QList<int> ids;
    for (const Reading &reading : m_hebrew.analyse(HebrewText::withoutMarks(word))) {
        const int id = reading.isEmpty() ? 0 : reading.last().entryId;
        if (id != 0 && !ids.contains(id))
            ids.append(id);
    }
    return ids;
}

QList<QStringList> PhraseTranslator::tokenize(const QString &text)
{
    return Tokenizer().run(text);
}

QList<PhraseTranslator::Alternatives> PhraseTranslator::analyseSentence(const QStringList &tokens) const
{
    QList<Alternatives> positions;
    for (const QString &token : tokens) {
        if (!anyHebrewChar(token)) {
            positions.append(Alternatives{Reading{WordMatch{WordMatch::Unknown, 0, 0, token}}});
            continue;
        }
        Alternatives readings = m_hebrew.analyse(HebrewText::withoutMarks(token));
        // an unknown word is shown as it was written, marks and all
        if (readings.size() == 1 && readings[0].size() == 1 && readings[0][0].entryId == 0
            && readings[0][0].wordType == WordMatch::Unknown) {
            readings[0][0].text = token;
        }
        positions.append(readings);
    }
    return positions;
}

// Words with one reading each join the run before them: a sentence of
// unambiguous words becomes a single reading, where phrases can be found.
void PhraseTranslator::mergeSingleAlternatives(QList<Alternatives> &positions)
{
    QList<Alternatives> merged;
    merged.reserve(positions.size());
    for (Alternatives &position : positions) {
        if (!merged.isEmpty() && merged.last().size() == 1 && position.size() == 1)
            merged.last()[0] += position[0];
        else
            merged.append(std::move(position));
    }
    positions = std::move(merged);
}

void PhraseTranslator::matchPhrases(QList<Alternatives> &positions) const
{
    for (Alternatives &alternatives : positions) {
        for (Reading &s : alternatives)
            s = withPhrases(s);
    }
}

// Each position but the last may start a phrase: the words a phrase covers
// give way to the phrase's own match. The reading is copied once, so a long
// sentence costs no more than its length.
Reading PhraseTranslator::withPhrases(const Reading &s) const
{
    const qsizetype n = s.size();
    Reading out;
    out.reserve(n);
    qsizetype i = 0;
    while (i < n - 1) {
        WordMatch head = s[i];
        qsizetype rest = i + 1;
        for (auto it = m_phraseIndex.constFind(s[i].entryId); it != m_phraseIndex.cend() && it.key() == s[i].entryId;
             ++it) {
            const PhraseMatch &candidate = it.value();
            const qsizetype k = candidate.words.size();
            if (k > 1 + n - rest)
                continue;
            bool matches = head.entryId == candidate.words[0].entryId;
            for (qsizetype m = 1; m < k && matches; ++m)
                matches = s[rest + m - 1].entryId == candidate.words[m].entryId;
            if (!matches)
                continue;
            qCDebug(lcLang) << "matched"
                            << m_dictionary->entryById(candidate.phrase.entryId).userTranslation(m_userLanguage, false)
                            << ":" << k << "words";
            head = candidate.phrase;
            rest += k - 1;
        }
        out.append(head);
        i = rest;
    }
    for (; i < n; ++i)
        out.append(s[i]);
    return out;
}

QString PhraseTranslator::describeMatch(const WordMatch &match) const
{
    // a prefix the dictionary lacks adds nothing; an unknown word stays itself
    if (match.entryId == 0)
        return match.wordType == WordMatch::Unknown ? match.text : QString();
    const Entry entry = m_dictionary->entryById(match.entryId);
    const QStringList meanings = splitMeanings(entry.userTranslation(m_userLanguage, false));
    if (meanings.isEmpty())
        return QString();
    const QString &first = meanings.first();
    if (match.wordType == Entry::Noun && (match.grammar & GrammarCode::Plural) && !entry.hasFlag(Entry::FlagPlural)) {
        return m_english ? m_english->pluralForm(first, match) : first;
    }
    if (match.wordType == Entry::Verb)
        return m_english ? m_english->conjugate(first, match) : first;
    return first;
}

QString PhraseTranslator::describeAlternative(const Reading &reading) const
{
    QStringList pieces;
    for (const WordMatch &match : reading) {
        // a prefix letter missing from the dictionary adds nothing, not a gap
        const QString piece = describeMatch(match);
        if (!piece.isEmpty())
            pieces.append(piece);
    }
    return pieces.join(u' ');
}

QString PhraseTranslator::translateSentence(const QStringList &tokens) const
{
    QList<Alternatives> positions = analyseSentence(tokens);
    mergeSingleAlternatives(positions);
    matchPhrases(positions);
    QStringList lines;
    for (const Alternatives &alternatives : std::as_const(positions)) {
        if (alternatives.isEmpty())
            continue;
        QStringList described;
        for (const Reading &reading : alternatives)
            described.append(describeAlternative(reading));
        lines.append(described.join(QStringLiteral(" / ")));
    }
    return lines.join(u'\n');
}

QString PhraseTranslator::translateText(const QString &text) const
{
    QString result;
    const QList<QStringList> sentences = tokenize(text);
    for (const QStringList &sentence : sentences) {
        if (sentence.isEmpty()) {
            result += u'\n';
            continue;
        }
        result += capitalized(translateSentence(sentence)) + QStringLiteral("\n-------------------\n");
    }
    return result.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));
}
