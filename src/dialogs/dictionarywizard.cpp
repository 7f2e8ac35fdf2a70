#include "dictionarywizard.h"

#include "model/dictionary.h"
#include "files/dictionaryfile.h"
#include "files/dictionarylist.h"
#include "files/filenames.h"
#include "lang/languageinfo.h"
#include "views/prompt.h"
#include "input/style.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

// The code of each language a dictionary can be written in with its letters,
// keyboard and labels; the code is the text before the first blank, and any
// other code of the same language (ar_AE) becomes this one.
const char *const LanguageCodes[] = {"he_IL", "ar_EG", "fa_IR", "ru_RU", "en_US"};

QString supportedCode(const QString &code)
{
    const LanguageInfo *language = LanguageInfo::ofDictionary(code);
    for (const char *known : LanguageCodes) {
        if (language && LanguageInfo::ofDictionary(QString::fromLatin1(known)) == language)
            return QString::fromLatin1(known);
    }
    return code;
}

// A file name made of the dictionary's name: "Biblical Hebrew" -> "biblical_hebrew.dic".
QString fileNameFor(const QString &name)
{
    QString file;
    for (QChar c : name.toLower()) {
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
        if (plain)
            file += c;
        else if (!file.isEmpty() && !file.endsWith(u'_'))
            file += u'_';
    }
    while (file.endsWith(u'_'))
        file.chop(1);
    return file.isEmpty() ? QString() : file + QStringLiteral(".dic");
}

} // namespace

DictionaryWizard::DictionaryWizard(QWidget *parent, DictionaryList *dictionaryList, const QString &dataDirectory)
    : QDialog(parent)
    , m_dictionaryList(dictionaryList)
    , m_dataDirectory(dataDirectory)
    , m_nameEdit(new QLineEdit)
    , m_codeBox(new QComboBox)
    , m_fileEdit(new QLineEdit)
    , m_descriptionEdit(new QLineEdit)
    , m_userLanguageBox(new QComboBox)
    , m_reason(new QLabel)
    , m_createButton(new QPushButton(tr("Create")))
{
    setWindowTitle(tr("New Dictionary"));
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_codeBox->setObjectName(QStringLiteral("codeBox"));
    m_fileEdit->setObjectName(QStringLiteral("fileEdit"));
    m_descriptionEdit->setObjectName(QStringLiteral("descriptionEdit"));
    m_userLanguageBox->setObjectName(QStringLiteral("userLanguageBox"));
    m_reason->setObjectName(QStringLiteral("reasonLabel"));
    m_createButton->setObjectName(QStringLiteral("createButton"));
    m_codeBox->setEditable(true);
    for (const char *code : LanguageCodes)
        m_codeBox->addItem(QStringLiteral("%1 (%2)").arg(
            QLatin1String(code), LanguageInfo::ofDictionary(QString::fromLatin1(code))->name()));
    m_userLanguageBox->setEditable(true);
    for (const LanguageInfo *language : LanguageInfo::userLanguages()) {
        m_codes.append(QString::fromLatin1(language->code));
        m_userLanguageBox->addItem(language->name());
    }
    // the learner's first user language is likely the one the program speaks
    const qsizetype spoken = m_codes.indexOf(QLocale().name().left(2));
    m_userLanguageBox->setCurrentIndex(int(spoken >= 0 ? spoken : m_codes.indexOf(QStringLiteral("en"))));
    Style::setTextColor(m_reason, Style::notFoundColor());

    auto *grid = new QGridLayout;
    const QList<QPair<QString, QWidget *>> rows
        = {{tr("Dictionary Name:"), m_nameEdit}, {tr("Language Code:"), m_codeBox}, {tr("File Name:"), m_fileEdit},
            {tr("Description:"), m_descriptionEdit}, {tr("User Language:"), m_userLanguageBox}};
    for (int i = 0; i < rows.size(); ++i) {
        grid->addWidget(new QLabel(rows[i].first), i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    grid->addWidget(m_reason, int(rows.size()), 0, 1, 2);
    auto *cancel = new QPushButton(tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_createButton);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(m_nameEdit, &QLineEdit::textEdited, this, [this](const QString &name) {
        if (!m_fileEdited)
            m_fileEdit->setText(fileNameFor(name));
    });
    connect(m_fileEdit, &QLineEdit::textEdited, this, [this] { m_fileEdited = true; });
    connect(m_nameEdit, &QLineEdit::textChanged, this, &DictionaryWizard::changed);
    connect(m_fileEdit, &QLineEdit::textChanged, this, &DictionaryWizard::changed);
    connect(m_userLanguageBox, &QComboBox::currentTextChanged, this, &DictionaryWizard::changed);
    connect(m_createButton, &QPushButton::clicked, this, &DictionaryWizard::createLanguage);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    changed();
}

QString DictionaryWizard::problem() const
{
    const QString file = m_fileEdit->text();
    const QString name = m_nameEdit->text().trimmed();
    if (name.isEmpty())
        return tr("Give the dictionary a name.");
    if (m_dictionaryList->names().contains(name, Qt::CaseInsensitive))
        return tr("The list has a dictionary named \"%1\" already.").arg(name);
    if (!FileNames::isPlainDictionaryName(file))
        return tr("The file name must be a plain name ending in \".dic\".");
    if (QFileInfo::exists(QDir(m_dataDirectory).filePath(file)))
        return tr("A file \"%1\" exists already.").arg(file);
    if (m_dictionaryList->containsFile(file))
        return tr("The list has a dictionary \"%1\" already.").arg(file);
    if (m_userLanguageBox->findText(m_userLanguageBox->currentText()) < 0)
        return tr("Choose one of the user languages.");
    return QString();
}

void DictionaryWizard::changed()
{
    const QString reason = problem();
    m_reason->setText(reason);
    m_createButton->setEnabled(reason.isEmpty());
}

void DictionaryWizard::createLanguage()
{
    if (!problem().isEmpty())
        return;
    const QString name = m_nameEdit->text().trimmed();
    const QString code = supportedCode(m_codeBox->currentText().section(u' ', 0, 0));
    const QString file = m_fileEdit->text();
    const QString user = m_codes.value(m_userLanguageBox->findText(m_userLanguageBox->currentText()));
    Dictionary dictionary;
    dictionary.setAttribute(QStringLiteral("NAME"), name);
    dictionary.setAttribute(QStringLiteral("TYPE"), code);
    dictionary.setAttribute(QStringLiteral("USER"), user);
    // the file first: a list record without its file would be worse
    DictionaryFile dictionaryFile(QDir(m_dataDirectory).filePath(file));
    if (!dictionaryFile.save(dictionary)) {
        Prompt::inform(this, tr("New Dictionary"),
            tr("The dictionary could not be written to \"%1\": %2")
                .arg(QDir::toNativeSeparators(dictionaryFile.path()), dictionaryFile.errorString()));
        return;
    }
    m_dictionaryList->addDictionary(name, code, file, m_descriptionEdit->text(), user);
    accept();
}
