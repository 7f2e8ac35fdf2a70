#include "answercheck.h"

#include "model/dictionary.h"

#include <QSet>

#include <algorithm>

namespace {

// An answer of so few letters is another word when one of them is off.
constexpr int MinimumLettersForAlmost = 3;

// The letter a keyboard may type for another of the same sound and use:
// Hebrew final forms, Russian yo, the Arabic alef with hamza or madda, the
// Arabic and Persian yeh and kaf.
QChar foldedLetter(QChar letter)
{
    const QChar c = letter.toLower();
    switch (c.unicode()) {
    case 0x05DA: return QChar(0x05DB); // final kaf
    case 0x05DD: return QChar(0x05DE); // final mem
    case 0x05DF: return QChar(0x05E0); // final nun
    case 0x05E3: return QChar(0x05E4); // final pe
    case 0x05E5: return QChar(0x05E6); // final tsadi
    case 0x0451: return QChar(0x0435); // yo
    case 0x0622:
    case 0x0623:
    case 0x0625: return QChar(0x0627); // alef
    case 0x064A:
    case 0x0649: return QChar(0x06CC); // yeh, alef maksura
    case 0x0643: return QChar(0x06A9); // kaf
    default: return c;
    }
}

QString withoutLeadingTo(const QString &text)
{
    return text.startsWith(QLatin1String("to "), Qt::CaseInsensitive) ? text.mid(3) : text;
}

} // namespace

AnswerCheck::AnswerCheck(const Dictionary &dictionary, int userLanguage)
    : m_dictionary(dictionary)
    , m_userLanguage(userLanguage)
{ }

QString AnswerCheck::folded(const QString &text)
{
    const QString plain = withoutLeadingTo(text.trimmed());
    QString out;
    out.reserve(plain.size());
    for (QChar c : plain) {
        // points, stress marks and the Arabic tatweel are no letters
        if (c.isLetterOrNumber() && c.unicode() != 0x0640)
            out.append(foldedLetter(c));
    }
    return out;
}

bool AnswerCheck::oneLetterOff(QStringView a, QStringView b)
{
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    qsizetype i = 0;
    while (i < a.size() && a[i] == b[i])
        ++i;
    if (i == a.size())
        return b.size() == a.size() + 1;
    // one replaced: the rest agrees; one missing from a: a's rest is b's after it
    return a.size() == b.size() ? a.sliced(i + 1) == b.sliced(i + 1) : a.sliced(i) == b.sliced(i + 1);
}

QStringList AnswerCheck::accepted(const Entry &entry, Direction direction, bool pointsShown) const
{
    QStringList answers;
    if (direction == Direction::Forward) {
        answers = splitMeanings(entry.userTranslation(m_userLanguage, true));
        for (const Entry &homograph : m_dictionary.findExact(entry.word())) {
            if (homograph.id() != entry.id() && (!pointsShown || homograph.word() == entry.word()))
                answers += splitMeanings(homograph.userTranslation(m_userLanguage, true));
        }
    } else {
        answers.append(entry.word());
        // the index knows the first user language's meanings
        if (m_userLanguage == 0) {
            for (const QString &meaning : splitMeanings(entry.translation())) {
                for (const Entry &synonym : m_dictionary.findByMeaning(meaning)) {
                    if (synonym.id() != entry.id())
                        answers.append(synonym.word());
                }
            }
        }
    }
    answers.removeDuplicates();
    return answers;
}

bool AnswerCheck::isAnotherWord(Direction direction, const QString &typed) const
{
    const QString text = typed.trimmed();
    if (direction == Direction::Backward)
        return !m_dictionary.findExact(text, 1).isEmpty();
    return !m_dictionary.findByMeaning(text, 1).isEmpty()
        || !m_dictionary.findByMeaning(QStringLiteral("to ") + text, 1).isEmpty();
}

AnswerCheck::Verdict AnswerCheck::check(
    const Entry &entry, Direction direction, const QString &typed, bool pointsShown) const
{
    const QString answer = folded(typed);
    if (answer.isEmpty())
        return Verdict::Wrong;
    QSet<QString> answers;
    for (const QString &text : accepted(entry, direction, pointsShown))
        answers.insert(folded(text));
    if (answers.contains(answer))
        return Verdict::Right;
    const bool almost = std::any_of(answers.cbegin(), answers.cend(), [&answer](const QString &right) {
        return right.size() >= MinimumLettersForAlmost && AnswerCheck::oneLetterOff(answer, right);
    });
    return almost && !isAnotherWord(direction, typed) ? Verdict::Almost : Verdict::Wrong;
}
