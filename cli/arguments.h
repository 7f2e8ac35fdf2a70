#pragma once

#include <QMap>
#include <QSet>
#include <QStringList>

// The arguments of one command: "--name VALUE" options and "--flag" flags taken from anywhere in
// the list, the rest kept in order as positional arguments.
class Arguments
{
public:
    // valueOptions: names (without "--") that take a value; flags: names
    // that take none. Any other word starting with "--" is an error.
    Arguments(const QStringList &args, const QSet<QString> &valueOptions, const QSet<QString> &flags = {});

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    const QStringList &positional() const { return m_positional; }
    bool hasOption(const QString &name) const { return m_options.contains(name); }
    QString option(const QString &name) const { return m_options.value(name); }

private:
    QStringList m_positional;
    QMap<QString, QString> m_options;
    QString m_error;
};
