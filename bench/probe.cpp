// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace
{

bool wanted()
{
    return qEnvironmentVariableIsSet("KZ_BENCH_PHASES");
}
void reportMemory();

class FirstFrame : public QObject
{
public:
    FirstFrame()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible())
                waiting.insert(w);
        qApp->installEventFilter(this);
        // A window that is never painted must not hang the runner.
        QTimer::singleShot(20000, this, [] { QCoreApplication::exit(3); });
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        // Any paint inside a window counts: the whole window is painted in the same pass.
        if (event->type() == QEvent::Paint && object->isWidgetType() && !waiting.isEmpty()) {
            waiting.remove(static_cast<QWidget *>(object)->window());
            if (waiting.isEmpty())
                QTimer::singleShot(0, this, [] {
                    markPhase("first frame painted");
                    if (wanted())
                        reportMemory();
                    QCoreApplication::exit(0);
                });
        }
        return false;
    }

private:
    QSet<QWidget *> waiting;
};

// Resident memory by mapping: the heap and anonymous memory, and each file mapped in.
void reportMemory()
{
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly))
        return;
    QMap<QString, qint64> byName;
    QString current;
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields[0].contains('-') && !line.startsWith("Rss")) {
            const QString path = fields.size() >= 6 ? QString::fromUtf8(fields[5]) : QString();
            current = path.isEmpty()         ? QStringLiteral("[anonymous]")
                      : path.startsWith('/') ? QFileInfo(path).fileName()
                                             : path;
        } else if (line.startsWith("Rss:") && fields.size() >= 2) {
            byName[current] += fields[1].toLongLong();
        }
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it)
        if (it.value() > 0)
            std::fprintf(stderr, "kz-bench-memory %s %lld\n", qPrintable(it.key()), it.value());
}

} // namespace

void markPhase(const char *name)
{
    if (!wanted())
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const double t0 = qEnvironmentVariable("KZ_BENCH_T0").toDouble();
    std::fprintf(stderr, "kz-bench-phase %s %.3f\n", name,
                 (now.tv_sec * 1e9 + now.tv_nsec - t0) / 1e6);
}

void quitAfterFirstFrame()
{
    new FirstFrame;
}

void reportAtExit()
{
    markPhase("windows destroyed");
}
