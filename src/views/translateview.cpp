#include "translateview.h"

#include "input/style.h"

#include "model/dictionary.h"
#include "input/keyboardtogglebutton.h"
#include "input/softkeyboard.h"
#include "lang/entrygrammar.h"
#include "lang/hebrewtext.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextTable>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// other readings shown under a word; more would make its column too wide
constexpr int ShownOtherReadings = 2;
// room around a word's column and between two, in pixels (with some to
// spare for the table's own rounding)
constexpr int ColumnSpacing = 8;
constexpr int ColumnPadding = 8 + ColumnSpacing;
// the width laid out when the page has none yet
constexpr int SmallestWidth = 300;

// A word as the page lays it out: the token with the punctuation around
// it, its gloss, how its entry is said, the other readings; a phrase's
// gloss spans its words.
struct Column
{
    QString token;
    QString gloss;
    QString pronunciation;
    QString others;
    int span = 1;
    bool continuesPhrase = false;
};

// How the entry a reading names is said, where the text writes the entry's
// own form: an inflected or prefixed word is said otherwise.
QString pronunciationOf(const GlossReading &reading, const QString &token, const Dictionary *dictionary)
{
    if (!dictionary || reading.entryId == 0 || !reading.prefixes.isEmpty())
        return QString();
    if (reading.length == 1 && makeSearchKey(token) != makeSearchKey(reading.lemma))
        return QString();
    const Entry entry = dictionary->entryById(reading.entryId);
    return entry.id() != 0 ? EntryGrammar::ofDictionary(dictionary->type()).pronunciation(entry) : QString();
}

bool isWord(const QString &token)
{
    return std::any_of(token.cbegin(), token.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

QList<Column> columnsOf(const QList<GlossedWord> &line, const Dictionary *dictionary)
{
    QList<Column> columns;
    QString before; // punctuation before the line's first word
    for (const GlossedWord &word : line) {
        if (!isWord(word.token)) {
            if (columns.isEmpty())
                before += word.token;
            else
                columns.last().token += word.token;
            continue;
        }
        Column column;
        column.token = before + word.token;
        before.clear();
        if (word.phraseOffset > 0) {
            column.continuesPhrase = true;
            columns.append(column);
            columns[columns.size() - 1 - word.phraseOffset].span = word.phraseOffset + 1;
            continue;
        }
        if (!word.readings.isEmpty()) {
            column.gloss = word.readings.first().text();
            column.pronunciation = pronunciationOf(word.readings.first(), word.token, dictionary);
            QStringList others;
            for (qsizetype i = 1; i < word.readings.size() && i <= ShownOtherReadings; ++i)
                others.append(word.readings[i].text());
            column.others = others.join(QStringLiteral(" / "));
        } else if (!anyHebrewChar(word.token)) {
            column.gloss = word.token; // a number or a foreign word stands for itself
        }
        columns.append(column);
    }
    if (!before.isEmpty())
        columns.append(Column{before, QString(), QString(), QString(), 1, false});
    return columns;
}

// The words a little larger than their glosses.
QFont wordFontOf(const QFont &font)
{
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * 1.2);
    return larger;
}

// The columns cut into rows no wider than `width`; a phrase stays in one row.
QList<QList<Column>> rowsOf(const QList<Column> &columns, int width, const QFont &font, const QFont &small)
{
    const QFontMetrics wordMetrics(wordFontOf(font));
    const QFontMetrics metrics(font);
    const QFontMetrics smallMetrics(small);
    QList<QList<Column>> rows;
    int used = 0;
    for (qsizetype at = 0; at < columns.size();) {
        const qsizetype span = std::min<qsizetype>(columns[at].span, columns.size() - at);
        int tokens = 0;
        int needed = 0;
        for (qsizetype i = at; i < at + span; ++i) {
            const int token = wordMetrics.horizontalAdvance(columns[i].token) + ColumnPadding;
            tokens += token;
            needed = std::max(needed, token);
        }
        needed = std::max({needed, tokens, metrics.horizontalAdvance(columns[at].gloss) + ColumnPadding,
            smallMetrics.horizontalAdvance(columns[at].pronunciation) + ColumnPadding});
        // other readings wrap in their cell rather than widen it much
        needed = std::max(
            needed, std::min(2 * needed, smallMetrics.horizontalAdvance(columns[at].others) + ColumnPadding));
        if (rows.isEmpty() || (used + needed > width && used > 0)) {
            rows.append(QList<Column>());
            used = 0;
        }
        rows.last() += columns.mid(at, span);
        used += needed;
        at += span;
    }
    return rows;
}

void setCell(QTextTable *table, int row, int column, const QString &text, const QTextCharFormat &format)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    cursor.insertText(text, format);
}

// A row of words as a table of three rows (words, glosses, other
// readings), four when a word's pronunciation is known (under the
// glosses), the first word in the rightmost column.
void insertRow(QTextCursor &cursor, const QList<Column> &columns, const QFont &font, const QFont &small)
{
    const int count = int(columns.size());
    const bool pronounced
        = std::any_of(columns.cbegin(), columns.cend(), [](const Column &c) { return !c.pronunciation.isEmpty(); });
    const int othersRow = pronounced ? 3 : 2;
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellPadding(2);
    format.setCellSpacing(ColumnSpacing);
    format.setAlignment(Qt::AlignRight);
    format.setBottomMargin(8);
    QTextTable *table = cursor.insertTable(othersRow + 1, count, format);
    QTextCharFormat word;
    word.setFont(wordFontOf(font));
    QTextCharFormat gloss;
    gloss.setFont(font);
    QTextCharFormat others;
    others.setFont(small);
    others.setForeground(Style::greyColor());
    QTextCharFormat pronunciation;
    pronunciation.setFont(small);
    pronunciation.setFontItalic(true);
    for (int i = 0; i < count; ++i) {
        const int column = count - 1 - i;
        setCell(table, 0, column, columns[i].token, word);
        if (columns[i].continuesPhrase)
            continue;
        // merged before they are filled, so the cell holds one paragraph
        const int span = std::min(columns[i].span, count - i);
        if (span > 1) {
            for (int row = 1; row <= othersRow; ++row)
                table->mergeCells(row, column - span + 1, 1, span);
        }
        setCell(table, 1, column, columns[i].gloss, gloss);
        if (pronounced)
            setCell(table, 2, column, columns[i].pronunciation, pronunciation);
        setCell(table, othersRow, column, columns[i].others, others);
    }
    cursor.movePosition(QTextCursor::End);
}

} // namespace

TranslateView::TranslateView(const QString &iconPath, const English *english, Dictionary *dictionary, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_english(english)
    , m_input(new QTextEdit)
    , m_output(new QTextEdit)
    , m_translateButton(new QPushButton(QIcon(iconPath + QStringLiteral("forward.svg")), tr("Translate")))
    , m_clearButton(new QPushButton(QIcon(iconPath + QStringLiteral("editclear.svg")), tr("Clear")))
    , m_lookupButton(new QPushButton(QIcon(iconPath + QStringLiteral("find.svg")), tr("Lookup / Learn")))
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), false, false))
    , m_keyboardButton(new KeyboardToggleButton(m_keyboard, this))
{
    setFont(Style::pageFont());
    m_input->setObjectName(QStringLiteral("translateInput"));
    m_output->setObjectName(QStringLiteral("translateOutput"));
    m_translateButton->setObjectName(QStringLiteral("translateButton"));
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_lookupButton->setObjectName(QStringLiteral("lookupButton"));
    m_keyboardButton->setObjectName(QStringLiteral("keyboardButton"));
    m_keyboard->setObjectName(QStringLiteral("translateKeyboard"));
    m_output->setReadOnly(true);
    m_output->installEventFilter(this);

    auto *splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_input);
    splitter->addWidget(m_output);
    m_keyboardButton->setIcon(QIcon(iconPath + QStringLiteral("keyboard.svg")));
    m_keyboardButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_clearButton, m_translateButton, m_lookupButton})
        buttons->addWidget(button);
    buttons->addWidget(m_keyboardButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 99);
    layout->addLayout(buttons);
    layout->addWidget(m_keyboard);

    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::contentsChanged, this, [this] { m_translator.reset(); });
        connect(m_dictionary, &Dictionary::resetDone, this, &TranslateView::storeReset);
        storeReset();
    }
    connect(m_clearButton, &QPushButton::clicked, this, &TranslateView::clearInput);
    connect(m_translateButton, &QPushButton::clicked, this, &TranslateView::translate);
    connect(m_lookupButton, &QPushButton::clicked, this, &TranslateView::learnSelection);
}

TranslateView::~TranslateView() = default;

void TranslateView::storeReset()
{
    m_keyboard->setLanguage(m_dictionary->type(), false);
    m_input->clear();
    m_output->clear();
    m_gloss.clear();
}

const PhraseTranslator &TranslateView::translator()
{
    if (!m_translator) {
        m_translator = std::make_unique<PhraseTranslator>(m_dictionary, m_english);
        ++m_indexBuilds;
    }
    return *m_translator;
}

void TranslateView::translate()
{
    m_gloss = translator().glossLines(m_input->toPlainText());
    showGloss();
}

void TranslateView::showGloss()
{
    const int scroll = m_output->verticalScrollBar()->value();
    m_glossWidth = glossWidth();
    const QFont font = m_output->font();
    const QFont small = Style::smallFont();
    m_output->clear();
    QTextCursor cursor(m_output->document());
    for (const QList<GlossedWord> &line : std::as_const(m_gloss)) {
        const QList<Column> columns = columnsOf(line, m_dictionary);
        if (columns.isEmpty()) {
            cursor.insertBlock();
            continue;
        }
        for (const QList<Column> &row : rowsOf(columns, std::max(m_glossWidth, SmallestWidth), font, small))
            insertRow(cursor, row, font, small);
    }
    m_output->verticalScrollBar()->setValue(scroll);
}

// As if the scroll bar were there, so that its coming does not lay the gloss out again.
int TranslateView::glossWidth() const
{
    return m_output->width() - 2 * m_output->frameWidth() - m_output->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        - 2 * int(m_output->document()->documentMargin());
}

bool TranslateView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_output && event->type() == QEvent::Resize && !m_gloss.isEmpty()) {
        if (glossWidth() != m_glossWidth)
            showGloss();
    }
    return QWidget::eventFilter(watched, event);
}

void TranslateView::clearInput()
{
    m_input->clear();
    m_output->clear();
    m_gloss.clear();
    m_input->setFocus(Qt::OtherFocusReason);
}

void TranslateView::learnSelection()
{
    QString word = m_input->textCursor().selectedText();
    if (word.isEmpty())
        word = m_output->textCursor().selectedText();
    if (!word.isEmpty())
        learnWord(word);
}

void TranslateView::learnWord(const QString &word)
{
    if (!m_dictionary)
        return;
    if (!anyHebrewChar(word)) {
        emit showEntries(m_dictionary->findByMeaning(word, 20));
        return;
    }
    QList<Entry> entries = m_dictionary->findExact(word, 20);
    if (entries.isEmpty()) {
        for (int id : translator().entriesOfWord(word))
            entries.append(m_dictionary->entryById(id));
    }
    if (entries.size() > 1)
        emit showEntries(entries);
    else
        emit editEntry(entries.isEmpty() ? Entry(word, QString(), 0) : entries.first());
}
