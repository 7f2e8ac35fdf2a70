#include "trainer.h"

#include "prompt.h"
#include "input/style.h"
#include "viewslog.h"

#include "dict/dictionary.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"
#include "lang/hebrewtext.h"
#include "lang/languageinfo.h"

#include <QGridLayout>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QRandomGenerator>

namespace {

QString withoutLeadingTo(const QString &text)
{
    return text.startsWith(QLatin1String("to ")) ? text.mid(3) : text;
}

// True when an entry of `same` other than `entry` has the same property.
template <typename Property> bool othersShare(const QList<Entry> &same, const Entry &entry, Property property)
{
    for (const Entry &other : same) {
        if (other.id() != entry.id() && property(other) == property(entry))
            return true;
    }
    return false;
}

} // namespace

Trainer::Trainer(const QString &iconPath, Dictionary *dictionary, QRandomGenerator *random, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_random(random)
    , m_resetButton(new QPushButton(QIcon(iconPath + QStringLiteral("player_start.svg")), tr("Reset")))
    , m_randomButton(new QPushButton(QIcon(iconPath + QStringLiteral("random.svg")), tr("Random")))
    , m_countLabel(new QLabel)
    , m_questionLabel(new QLabel(tr("DictLang:")))
    , m_answerLabel(new QLabel(tr("UserLang:")))
    , m_questionEdit(new QLineEdit)
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), false, true))
    , m_answerEdit(new KeyMappingLineEdit(false, m_keyboard))
{
    setFont(Style::pageFont());
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    m_randomButton->setObjectName(QStringLiteral("randomButton"));
    m_countLabel->setObjectName(QStringLiteral("countLabel"));
    m_questionLabel->setObjectName(QStringLiteral("questionLabel"));
    m_answerLabel->setObjectName(QStringLiteral("answerLabel"));
    m_questionEdit->setObjectName(QStringLiteral("questionEdit"));
    m_answerEdit->setObjectName(QStringLiteral("answerEdit"));
    m_keyboard->setObjectName(QStringLiteral("trainerKeyboard"));

    const QFont small = Style::smallFont();
    auto *top = new QHBoxLayout;
    for (QPushButton *button : {m_resetButton, m_randomButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setFont(small);
        top->addWidget(button);
    }
    top->addStretch();
    m_countLabel->setFont(small);
    m_countLabel->setToolTip(tr("How well this word is known: H->E when the foreign word is asked, E->H when its "
                                "meaning is asked (right answers raise it, -1: never asked)"));
    top->addWidget(m_countLabel);
    m_questionEdit->setReadOnly(true);
    m_questionEdit->setFixedHeight(48);
    m_answerEdit->setFixedHeight(48);
    auto *grid = new QGridLayout;
    grid->addWidget(m_questionLabel, 0, 0);
    grid->addWidget(m_questionEdit, 0, 1);
    grid->addWidget(m_answerLabel, 1, 0);
    grid->addWidget(m_answerEdit, 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(m_keyboard);
    layout->addStretch();

    connect(m_resetButton, &QPushButton::clicked, this, &Trainer::resetWordList);
    connect(m_randomButton, &QPushButton::clicked, this, &Trainer::setRandomMode);
    connect(m_answerEdit, &QLineEdit::returnPressed, this, &Trainer::inputFinished);
    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::resetDone, this, &Trainer::storeReset);
        storeReset();
    }
}

QString Trainer::typeName(int type) const
{
    const QString name = Entry::typeName(type);
    return name.isEmpty() ? Entry::typeName(Entry::TypeUnset) : name;
}

void Trainer::storeReset()
{
    setDirectionLabels(m_hebrewAsked);
    m_keyboard->setLanguage(m_dictionary->type(), true);
    m_questionEdit->clear();
    m_answerEdit->clear();
    // the ids of the old dictionary mean nothing in the new one
    m_wordList.clear();
    m_currentId = -1;
}

void Trainer::setUserLanguage(int index)
{
    m_userLanguage = index;
    setDirectionLabels(m_hebrewAsked);
    if (m_currentId >= 0)
        showQuestion();
}

void Trainer::buildWordList()
{
    m_asked = 0;
    m_right = 0;
    m_wordList = m_dictionary->learnedIds();
    m_countLabel->setText(tr("%1 words.").arg(m_wordList.size()));
    if (!m_randomMode)
        m_wordList = sortByKnowledge(m_wordList);
}

QList<int> Trainer::sortByKnowledge(const QList<int> &ids)
{
    QMap<int, QList<int>> groups;
    for (int id : ids) {
        const Entry e = m_dictionary->entryById(id);
        if (e.learnedForward() < 0 || e.learnedBackward() < 0)
            continue;
        groups[e.learnedForward() + e.learnedBackward()].append(id);
    }
    QList<int> sorted;
    for (QList<int> &group : groups) {
        while (!group.isEmpty())
            sorted.append(group.takeAt(int(m_random->bounded(quint32(group.size())))));
    }
    return sorted;
}

void Trainer::resetWordList()
{
    qCDebug(lcViews) << "RESET";
    m_randomMode = false;
    buildWordList();
    if (m_wordList.isEmpty()) {
        tellHowToMark();
        return;
    }
    m_index = 0;
    showWord();
}

void Trainer::setRandomMode()
{
    m_randomMode = true;
    buildWordList();
    if (m_wordList.isEmpty()) {
        m_currentId = -1;
        tellHowToMark();
        return;
    }
    m_index = int(m_random->bounded(quint32(m_wordList.size())));
    showWord();
}

void Trainer::tellHowToMark()
{
    Prompt::inform(this, tr("No Words to Learn"),
        tr("No word of this dictionary is marked for learning yet. Open a word on the Edit page and press "
           "\"Learn...\" to mark it."));
}

bool Trainer::asksForeignWord(quint32 draw, qint8 forward, qint8 backward)
{
    const float r = float(draw & 1023) / 1023.0f;
    const float v = r + 0.1f * float(forward - backward);
    return v < 0.5f;
}

void Trainer::showWord()
{
    m_currentId = m_wordList[m_index];
    m_current = m_dictionary->entryById(m_currentId);
    m_hebrewAsked = asksForeignWord(m_random->generate(), m_current.learnedForward(), m_current.learnedBackward());
    showQuestion();
}

void Trainer::showQuestion()
{
    QString question;
    if (m_hebrewAsked) {
        question = hintForWord(HebrewText::withoutPoints(m_current.word()), m_current);
    } else {
        question = hintForTranslation(m_current.userTranslation(m_userLanguage, true), m_current);
    }
    m_questionEdit->setText(question);
    setDirectionLabels(m_hebrewAsked);
    Style::setTextColor(m_answerEdit, Style::textColor());
    m_answerEdit->clear();
    m_answerEdit->setFocus(Qt::OtherFocusReason);
    m_answered = false;
    m_countLabel->setText(tr("%1 words, H->E: %2, E->H: %3")
                              .arg(m_wordList.size())
                              .arg(m_current.learnedForward())
                              .arg(m_current.learnedBackward()));
}

void Trainer::setDirectionLabels(bool hebrewAsked)
{
    const QString foreign = (m_dictionary ? m_dictionary->name() : QString()) + u':';
    const QString user
        = (m_dictionary ? LanguageInfo::userLanguageName(m_dictionary->userLanguageCodes().value(m_userLanguage))
                        : QString())
        + u':';
    m_questionLabel->setText(hebrewAsked ? foreign : user);
    m_answerLabel->setText(hebrewAsked ? user : foreign);
    m_answerEdit->setKeyboardMapping(!hebrewAsked);
    m_keyboard->setKeyHintsVisible(!hebrewAsked);
}

QString Trainer::hintForWord(const QString &question, const Entry &entry) const
{
    const QList<Entry> same = m_dictionary->findExact(entry.word());
    if (same.size() <= 1)
        return question;
    if (!othersShare(same, entry, [](const Entry &e) { return e.wordType(); }))
        return question + QStringLiteral(" (%1)").arg(typeName(entry.wordType()));
    if (!othersShare(same, entry, [](const Entry &e) { return e.word(); }))
        return entry.word(); // the points tell the homographs apart
    return question + tr(" (%1 choices)").arg(same.size());
}

QString Trainer::hintForTranslation(const QString &question, const Entry &entry) const
{
    const QStringList meanings = splitMeanings(question);
    if (meanings.size() != 1)
        return question;
    const QList<Entry> same = m_dictionary->findByMeaning(meanings.first());
    if (same.size() <= 1)
        return question;
    if (!othersShare(same, entry, [](const Entry &e) { return e.wordType(); }))
        return question + QStringLiteral(" (%1)").arg(typeName(entry.wordType()));
    if (!othersShare(same, entry, [](const Entry &e) { return e.letterCount(); }))
        return question + tr(" (%1 letters)").arg(entry.letterCount());
    return question + tr(" (%1 choices)").arg(same.size());
}

qint8 Trainer::counterAfter(qint8 counter, bool correct)
{
    if (correct)
        return counter < 100 ? qint8(counter + 1) : counter;
    if (counter > 15)
        return qint8(counter - counter / 10 - 2);
    return counter;
}

void Trainer::checkAnswer()
{
    const bool verb = m_current.wordType() == Entry::Verb;
    // an invisible difference must not make an answer wrong
    QString answer = m_answerEdit->text().trimmed();
    if (verb)
        answer = withoutLeadingTo(answer);
    bool correct = false;
    if (m_hebrewAsked) {
        const QString translation = m_current.userTranslation(m_userLanguage, true);
        // every meaning of a verb may be given with or without its "to"
        for (const QString &meaning : splitMeanings(translation))
            correct = correct || answer == (verb ? withoutLeadingTo(meaning) : meaning);
        m_questionEdit->setText(m_current.word());
        m_answerEdit->setText(translation);
    } else {
        // typed answers carry no points, nor shin and sin dots
        correct = HebrewText::unpointed(answer) == HebrewText::unpointed(m_current.word());
        m_answerEdit->setText(m_current.word());
    }
    Style::setTextColor(m_answerEdit, correct ? Style::foundColor() : Style::notFoundColor());
    m_answered = true;

    qint8 forward = m_current.learnedForward();
    qint8 backward = m_current.learnedBackward();
    qint8 &asked = m_hebrewAsked ? forward : backward;
    asked = counterAfter(asked, correct);
    m_dictionary->setLearnCounters(m_currentId, forward, backward);
    m_wordList.removeAt(m_index);
    ++m_asked;
    m_right += correct ? 1 : 0;
}

void Trainer::inputFinished()
{
    if (m_currentId < 0)
        return; // nothing asked yet
    if (!m_answered) {
        checkAnswer();
        return;
    }
    if (!m_wordList.isEmpty()) {
        m_index = m_randomMode ? int(m_random->bounded(quint32(m_wordList.size()))) : 0;
        showWord();
        return;
    }
    Prompt::inform(this, tr("No more words"),
        tr("No more words in the list.") + u'\n' + tr("%1 asked, %2 right").arg(m_asked).arg(m_right));
}
