#include "dictionarywizard.h"

#include "dict/dictionary.h"
#include "dict/dictionaryfile.h"
#include "dict/dictionarylist.h"
#include "dict/filenames.h"
#include "lang/languageinfo.h"
#include "views/prompt.h"
#include "input/style.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The language codes offered; the code is the text before the first blank.
const char *const LanguageCodes[] = {"ar_AE (Arabic / United Arab Emirates)", "ar_BH (Arabic / Bahrain)",
    "ar_DZ (Arabic / Algeria)", "ar_EG (Arabic / Egypt)", "ar_IQ (Arabic / Iraq)", "ar_JO (Arabic / Jordan)",
    "ar_KW (Arabic / Kuwait)", "ar_LB (Arabic / Lebanon)", "ar_LY (Arabic / Libya)", "ar_MA (Arabic / Morocco)",
    "ar_OM (Arabic / Oman)", "ar_QA (Arabic / Qatar)", "ar_SA (Arabic / Saudi Arabia)", "ar_SD (Arabic / Sudan)",
    "ar_SY (Arabic / Syria)", "ar_TN (Arabic / Tunisia)", "ar_YE (Arabic / Yemen)", "fa_AF (Farsi / Afghanistan) ",
    "fa_IR (Farsi / Iran) ", "he_IL (Hebrew / Israel) ", "ru_RU (Russian / Russia)"};

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
        m_codeBox->addItem(QString::fromLatin1(code));
    m_userLanguageBox->setEditable(true);
    for (const LanguageInfo *language : LanguageInfo::userLanguages()) {
        m_codes.append(QString::fromLatin1(language->code));
        m_userLanguageBox->addItem(language->name());
    }
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
    if (m_nameEdit->text().isEmpty())
        return tr("Give the dictionary a name.");
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
    const QString name = m_nameEdit->text();
    const QString code = m_codeBox->currentText().section(u' ', 0, 0);
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
