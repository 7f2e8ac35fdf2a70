#include "entryeditor.h"

#include "conjugationdialog.h"
#include "prompt.h"
#include "input/style.h"

#include "model/dictionary.h"
#include "input/keymappinglineedit.h"
#include "input/softkeyboard.h"
#include "lang/languageinfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QFrame *horizontalLine()
{
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

EntryEditor::EntryEditor(Dictionary *dictionary, QWidget *parent)
    : QWidget(parent)
    , m_dictionary(dictionary)
    , m_keyboard(new SoftKeyboard(dictionary ? dictionary->type() : QString(), true, true))
    , m_wordEdit(new KeyMappingLineEdit(true, m_keyboard))
    , m_typeCombo(new QComboBox)
    , m_subCombo(new QComboBox)
    , m_incompleteBox(new QCheckBox(tr("Incomplete!")))
    , m_nameBox(new QCheckBox(QStringLiteral("---")))
    , m_moreButton(new QPushButton(tr("More...")))
    , m_learnButton(new QPushButton(tr("Learn...")))
    , m_wordLabel(new QLabel)
    , m_extraLabel(new QLabel(tr("Extra:")))
    , m_extraEdit(new KeyMappingLineEdit(true, m_keyboard))
{
    m_verbKinds = {QString(), tr("trans."), tr("intr.")};
    setFont(Style::pageFont());

    m_wordEdit->setObjectName(QStringLiteral("wordEdit"));
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_subCombo->setObjectName(QStringLiteral("subCombo"));
    m_incompleteBox->setObjectName(QStringLiteral("incompleteBox"));
    m_nameBox->setObjectName(QStringLiteral("nameBox"));
    m_moreButton->setObjectName(QStringLiteral("moreButton"));
    m_learnButton->setObjectName(QStringLiteral("learnButton"));
    m_extraEdit->setObjectName(QStringLiteral("extraEdit"));
    m_keyboard->setObjectName(QStringLiteral("wordKeyboard"));

    m_wordEdit->setFixedHeight(48);
    m_typeCombo->setFont(Style::comboFont());
    for (int type = 0; type < Entry::WordTypeCount; ++type)
        m_typeCombo->addItem(Entry::typeName(type));
    m_subCombo->setFont(Style::comboFont());
    m_nameBox->setEnabled(false);
    m_extraEdit->setAlignment(Qt::AlignLeft);
    m_extraEdit->setFixedHeight(48);

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    grid->addWidget(m_wordLabel, 0, 0);
    grid->addWidget(m_wordEdit, 0, 1);
    grid->addWidget(new QLabel(tr("Type:")), 1, 0);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_typeCombo);
    typeRow->addWidget(m_subCombo);
    typeRow->addWidget(m_incompleteBox);
    typeRow->addWidget(m_nameBox);
    typeRow->addStretch();
    typeRow->addWidget(m_learnButton);
    grid->addLayout(typeRow, 1, 1);
    grid->addWidget(m_extraLabel, 2, 0);
    auto *extraRow = new QHBoxLayout;
    extraRow->addWidget(m_extraEdit);
    extraRow->addWidget(m_moreButton);
    grid->addLayout(extraRow, 2, 1);
    grid->addWidget(horizontalLine(), 3, 0, 1, 3);
    // the four translations two by two: the page fits a 600-pixel screen
    auto *translations = new QGridLayout;
    translations->setVerticalSpacing(4);
    for (int i = 0; i < 4; ++i) {
        m_translationLabels[i] = new QLabel;
        m_translationEdits[i] = new QLineEdit;
        m_translationEdits[i]->setObjectName(QStringLiteral("translationEdit%1").arg(i));
        m_translationEdits[i]->setAlignment(Qt::AlignLeft);
        m_translationEdits[i]->setEnabled(i == 0);
        m_translationLabels[i]->setBuddy(m_translationEdits[i]);
        translations->addWidget(m_translationLabels[i], i / 2, 2 * (i % 2));
        translations->addWidget(m_translationEdits[i], i / 2, 2 * (i % 2) + 1);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(translations);
    layout->addWidget(horizontalLine());
    layout->addWidget(m_keyboard);

    connect(m_wordEdit, &QLineEdit::textEdited, this, &EntryEditor::wordEdited);
    // only what the user does counts as an edit, not what setEntry fills in
    for (QLineEdit *edit : {static_cast<QLineEdit *>(m_wordEdit), static_cast<QLineEdit *>(m_extraEdit)})
        connect(edit, &QLineEdit::textEdited, this, &EntryEditor::markEdited);
    for (QLineEdit *edit : m_translationEdits)
        connect(edit, &QLineEdit::textEdited, this, &EntryEditor::markEdited);
    for (QComboBox *box : {m_typeCombo, m_subCombo})
        connect(box, &QComboBox::activated, this, &EntryEditor::markEdited);
    for (QCheckBox *box : {m_incompleteBox, m_nameBox})
        connect(box, &QCheckBox::clicked, this, &EntryEditor::markEdited);
    // Return skips the extra field where the type has none
    connect(m_wordEdit, &QLineEdit::returnPressed, this, [this] {
        (m_extraEdit->isEnabled() ? static_cast<QWidget *>(m_extraEdit) : m_translationEdits[0])->setFocus();
    });
    connect(m_extraEdit, &QLineEdit::returnPressed, this, [this] { m_translationEdits[0]->setFocus(); });
    connect(m_typeCombo, &QComboBox::currentIndexChanged, this, &EntryEditor::wordTypeChanged);
    connect(m_moreButton, &QPushButton::clicked, this, &EntryEditor::clickedMore);
    connect(m_learnButton, &QPushButton::clicked, this, &EntryEditor::editLearn);
    if (m_dictionary) {
        connect(m_dictionary, &Dictionary::resetDone, this, &EntryEditor::storeReset);
        storeReset();
    }
}

bool EntryEditor::hasNeuter() const
{
    const LanguageInfo *language = m_dictionary ? LanguageInfo::ofDictionary(m_dictionary->type()) : nullptr;
    return language && language->neuterGender;
}

QStringList EntryEditor::genderNames() const
{
    if (hasNeuter())
        return {tr("male"), tr("female"), tr("neuter"), tr("male pl."), tr("fem. pl."), tr("neu. pl.")};
    return {tr("male"), tr("female"), tr("male pl."), tr("fem. pl.")};
}

int EntryEditor::genderIndex(quint32 flags, bool withNeuter)
{
    const bool plural = flags & Entry::FlagPlural;
    const bool feminine = flags & Entry::FlagFeminine;
    if (!withNeuter)
        return (plural ? 2 : 0) + (feminine ? 1 : 0);
    // neuter has no gender bit of its own: neither masculine nor feminine
    const int gender = feminine ? 1 : (flags & Entry::FlagMasculine) ? 0 : 2;
    return (plural ? 3 : 0) + gender;
}

quint32 EntryEditor::genderFlags(int index, bool withNeuter)
{
    if (index < 0)
        index = 0;
    if (!withNeuter) {
        return ((index & 2) ? Entry::FlagPlural : Entry::FlagSingular)
            | ((index & 1) ? Entry::FlagFeminine : Entry::FlagMasculine);
    }
    const quint32 number = index >= 3 ? Entry::FlagPlural : Entry::FlagSingular;
    static const quint32 genders[] = {Entry::FlagMasculine, Entry::FlagFeminine, 0};
    return number | genders[index % 3];
}

void EntryEditor::storeReset()
{
    updateLanguageRows();
    m_wordLabel->setText(m_dictionary->name() + u':');
    m_keyboard->setLanguage(m_dictionary->type(), true);
    clearFields();
    // the gender list depends on the language; refill the choices for the type shown
    wordTypeChanged(m_typeCombo->currentIndex());
}

void EntryEditor::setEntry(const Entry &entry)
{
    m_current = entry;
    m_wordEdit->setText(entry.word());
    wordTypeChanged(entry.wordType());
    for (int i = 0; i < 4; ++i)
        m_translationEdits[i]->setText(entry.userTranslation(i, false));
    m_incompleteBox->setChecked(entry.hasFlag(Entry::FlagIncomplete));
    m_moreButton->setEnabled(entry.wordType() == Entry::Verb);
    updateLearnButton();
    m_wordEdit->setFocus(Qt::OtherFocusReason);
    m_edited = false;
}

void EntryEditor::newEntry()
{
    m_wordEdit->setReadOnly(false);
    m_extraEdit->setReadOnly(false);
    m_translationEdits[0]->setReadOnly(false);
    setEntry(Entry(0));
}

void EntryEditor::clearFields()
{
    m_current = Entry(0);
    m_wordEdit->clear();
    m_extraEdit->clear();
    for (QLineEdit *edit : m_translationEdits)
        edit->clear();
    m_wordEdit->setFocus(Qt::OtherFocusReason);
    m_edited = false;
}

void EntryEditor::updateLanguageRows()
{
    const QStringList codes = m_dictionary->userLanguageCodes();
    const int n = int(codes.size());
    for (int i = 0; i < 4; ++i) {
        m_translationLabels[i]->setText(i < n ? LanguageInfo::userLanguageName(codes[i]) + u':' : QString());
        if (i > 0)
            m_translationEdits[i]->setEnabled(i < n);
        disconnect(m_translationEdits[i], &QLineEdit::returnPressed, nullptr, nullptr);
    }
    // Return walks to the next used translation; in the last one it ends the entry
    for (int i = 0; i < 3; ++i) {
        if (i + 1 < n)
            connect(m_translationEdits[i], &QLineEdit::returnPressed, m_translationEdits[i + 1],
                [edit = m_translationEdits[i + 1]] { edit->setFocus(); });
        else
            connect(m_translationEdits[i], &QLineEdit::returnPressed, this, &EntryEditor::returnBottom);
    }
    if (n > 3)
        connect(m_translationEdits[3], &QLineEdit::returnPressed, this, &EntryEditor::returnBottom);
}

void EntryEditor::wordTypeChanged(int type)
{
    {
        const QSignalBlocker blocker(m_typeCombo);
        m_typeCombo->setCurrentIndex(type);
    }
    m_subCombo->clear();
    const quint32 flags = m_current.flags();
    const bool nominal = type == Entry::Noun || type == Entry::Adjective;
    if (nominal) {
        m_subCombo->addItems(genderNames());
        m_subCombo->setCurrentIndex(genderIndex(flags, hasNeuter()));
        m_extraLabel->setText(tr("Plural:"));
        m_extraEdit->setText(m_current.text(Entry::TextPlural));
        m_extraKey = Entry::TextPlural;
    } else if (type == Entry::Verb) {
        m_subCombo->addItems(m_verbKinds);
        m_subCombo->setCurrentIndex((flags & Entry::FlagIntransitive) ? 2 : (flags & Entry::FlagTransitive) ? 1 : 0);
        m_extraLabel->setText(tr("Infinitive:"));
        m_extraEdit->setText(m_current.text(Entry::TextInfinitive));
        m_extraKey = Entry::TextInfinitive;
    } else {
        // other types have no extra text: what is typed there is not stored
        m_extraLabel->setText(tr("--- :"));
        m_extraEdit->clear();
        m_extraKey = 0;
    }
    m_extraEdit->setEnabled(m_extraKey != 0);
    m_nameBox->setText(nominal ? tr("Is Name") : QStringLiteral("---"));
    m_nameBox->setChecked(nominal && m_current.hasFlag(Entry::FlagIsName));
    m_nameBox->setEnabled(nominal);
}

bool EntryEditor::hasUnstoredChanges() const
{
    if (!m_edited || m_current.id() != 0)
        return m_edited;
    const auto filled = [](const QLineEdit *edit) { return !edit->text().trimmed().isEmpty(); };
    return filled(m_wordEdit) || (m_extraEdit->isEnabled() && filled(m_extraEdit))
        || std::any_of(std::begin(m_translationEdits), std::end(m_translationEdits), filled);
}

Entry EntryEditor::entry() const
{
    Entry e(m_wordEdit->text(), m_translationEdits[0]->text(), 0);
    // a type the list cannot show (from an odd file) is kept as it was
    const int type = m_typeCombo->currentIndex() >= 0 ? m_typeCombo->currentIndex() : m_current.wordType();
    const int sub = m_subCombo->currentIndex();
    e.setWordType(type);
    quint32 flags = 0;
    if (type == Entry::Verb) {
        flags = sub == 1 ? quint32(Entry::FlagTransitive) : sub == 2 ? quint32(Entry::FlagIntransitive) : 0u;
    } else if (type == Entry::Noun || type == Entry::Adjective) {
        flags = genderFlags(sub, hasNeuter());
        if (m_nameBox->isChecked())
            flags |= Entry::FlagIsName;
    }
    if (m_incompleteBox->isChecked())
        flags |= Entry::FlagIncomplete;
    e.setFlags(flags);
    if (m_extraKey != 0 && !m_extraEdit->text().isEmpty())
        e.setText(m_extraKey, m_extraEdit->text());
    for (int k = 1; k < 4; ++k) {
        const QString text = m_translationEdits[k]->text();
        if (text.isEmpty())
            e.removeText(Entry::TextUserBase + k);
        else
            e.setText(Entry::TextUserBase + k, text);
    }
    e.setLearnCounters(m_current.learnedForward(), m_current.learnedBackward());
    e.setId(m_current.id());
    return e;
}

void EntryEditor::editLearn()
{
    const Prompt::Choice answer = Prompt::ask(this,
        Prompt::Request{QMessageBox::Question, tr("Practise"), tr("Practise this word in the trainer?"),
            {{Prompt::Choice::Practise, tr("&Practise")}, {Prompt::Choice::DontPractise, tr("&Don't Practise")},
                {Prompt::Choice::Cancel, tr("&Cancel")}},
            Prompt::Choice::Practise, Prompt::Choice::Cancel});
    if (answer == Prompt::Choice::Practise || answer == Prompt::Choice::DontPractise) {
        // marked: asked from the first counter on; not: never asked
        const qint8 value = answer == Prompt::Choice::Practise ? 0 : -1;
        m_current.setLearnCounters(value, value);
        if (m_current.id() >= 1)
            emit learnCountersChosen(m_current.id(), value, value);
    }
    updateLearnButton();
}

void EntryEditor::updateLearnButton()
{
    if (!m_current.isLearned())
        m_learnButton->setText(tr("Learn: NO"));
    else
        m_learnButton->setText(tr("Learn: %1 / %2").arg(m_current.learnedForward()).arg(m_current.learnedBackward()));
}

void EntryEditor::clickedMore()
{
    if (m_current.wordType() != Entry::Verb)
        return;
    ConjugationDialog dialog(this);
    dialog.setEntry(m_current);
    Prompt::runDialog(&dialog);
}

void EntryEditor::returnBottom()
{
    emit doneEnter(m_wordEdit->text());
}
