#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a signal of the event loop, so a run stops
// cleanly: its child programs killed, its temporary files gone, its output
// out. Once installed the handler stays, so a second signal cannot cut the
// winding down short. The handler itself only writes one byte.
class Interruption : public QObject
{
    Q_OBJECT

public:
    Interruption();
    ~Interruption() override;

signals:
    void interrupted(int signalNumber);

private:
    QSocketNotifier *m_notifier = nullptr;
};
