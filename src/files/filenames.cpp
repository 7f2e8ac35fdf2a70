#include "filenames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace FileNames {

namespace { } // namespace

bool isUnprintable(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return false;
    }
}

QString listName()
{
    return QStringLiteral("dicts.dic");
}

Result<> checkPlainName(const QString &name)
{
    const auto fail
        = [](const char *reason) { return Result<>::failure(QCoreApplication::translate("FileNames", reason)); };
    if (!name.endsWith(QLatin1String(".dic")) || name.size() <= 4)
        return fail(QT_TRANSLATE_NOOP("FileNames", "not a dictionary file name (*.dic)"));
    if (name == listName())
        return fail(QT_TRANSLATE_NOOP("FileNames", "the name of the list itself"));
    if (name.size() > 128)
        return fail(QT_TRANSLATE_NOOP("FileNames", "a file name longer than 128 characters"));
    static const QString forbidden = QStringLiteral("/\\:%?#");
    const bool odd
        = std::any_of(name.cbegin(), name.cend(), [](QChar c) { return forbidden.contains(c) || isUnprintable(c); })
        || name.contains(QLatin1String("..")) || name.startsWith(u'.') || name.front().isSpace()
        || name.back().isSpace();
    return odd ? fail(QT_TRANSLATE_NOOP("FileNames", "not a plain file name")) : Result<>();
}

bool isPlainDictionaryName(const QString &name)
{
    return checkPlainName(name).ok();
}

QString pathInFolder(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || !isPlainDictionaryName(name))
        return QString();
    // joined as text, never through QDir: a name that begins with ":" is a
    // resource path to it
    const QString path = QDir::cleanPath(QDir(folder).absolutePath() + u'/' + name);
    if (QFileInfo(path).absolutePath() != QDir::cleanPath(QDir(folder).absolutePath()))
        return QString();
    return path;
}

QUrl fileUrl(const QUrl &base, const QString &name)
{
    QUrl url = base.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment);
    QString path = url.path(QUrl::FullyEncoded);
    if (!path.endsWith(u'/'))
        path += u'/';
    url.setPath(path + QString::fromLatin1(QUrl::toPercentEncoding(name)), QUrl::StrictMode);
    return url;
}

QString display(const QUrl &url)
{
    return printable(url.toDisplayString(QUrl::RemoveUserInfo));
}

QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (isUnprintable(c))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace FileNames
