#include "arguments.h"

Arguments::Arguments(const QStringList &args, const QSet<QString> &valueOptions, const QSet<QString> &flags)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            m_positional.append(arg);
            continue;
        }
        const QString name = arg.mid(2);
        if (flags.contains(name)) {
            m_options.insert(name, QString());
            continue;
        }
        if (!valueOptions.contains(name)) {
            m_error = QStringLiteral("unknown option %1").arg(arg);
            return;
        }
        if (i + 1 >= args.size()) {
            m_error = QStringLiteral("option %1 needs a value").arg(arg);
            return;
        }
        m_options.insert(name, args[++i]);
    }
}
