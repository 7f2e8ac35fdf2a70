#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

// A server the tests start on a free loopback port and stop when done.
class TestServer
{
public:
    // A script of ours that prints the port it listens on.
    bool startScript(const QString &script, const QStringList &arguments)
    {
        m_process.start(QStringLiteral("/usr/bin/python3"), QStringList{script} + arguments);
        if (!m_process.waitForReadyRead(20000))
            return false;
        m_port = m_process.readLine().trimmed().toInt();
        return m_port > 0;
    }

    // tinyproxy on a free port, with these extra configuration lines.
    bool startProxy(const QString &folder, const QByteArray &extra)
    {
        m_port = freePort();
        const QString config = QDir(folder).filePath(QStringLiteral("tinyproxy.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("Port " + QByteArray::number(m_port)
            + "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\n"
              "LogLevel Critical\n"
            + extra);
        file.close();
        m_process.start(QStringLiteral("tinyproxy"), {QStringLiteral("-d"), QStringLiteral("-c"), config});
        for (int i = 0; i < 100; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_port));
            if (probe.waitForConnected(100))
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    ~TestServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    int port() const { return m_port; }

private:
    static int freePort()
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        return server.serverPort();
    }

    QProcess m_process;
    int m_port = 0;
};
