// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The test seam: replaces the message boxes (recorded, answered as the test says), the clock,
// the random source (seeded, or scripted draws) and the end of the process (counted, not dying).
#pragma once

#include "platform/platform.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <random>

struct RecordedBox {
    platform::BoxKind kind;
    QString title;
    QString text;
    QString explanation; // offered under "Pourquoi ?"; empty for a plain box
};

class FakeServices : public platform::Services
{
public:
    FakeServices();
    ~FakeServices() override;

    platform::BoxAnswer showBox(QWidget *parent, platform::BoxKind kind, const QString &title,
                                const QString &text, platform::BoxButtons buttons,
                                const QString &explanation) override;
    QDateTime now() override { return clock; }
    void seedRandom() override { ++seeds; }
    int random(int n) override;
    void endProcess() override { ++processEnds; }
    void quit() override { ++quits; }

    QList<RecordedBox> boxes;
    // Answers given to boxes with a Cancel button, in order; Ok once they run out.
    QList<platform::BoxAnswer> answers;
    // Called while a box is "shown", before it answers.
    std::function<void(const RecordedBox &)> onBox;

    QDateTime clock{QDate(2026, 9, 1), QTime(8, 0, 0)};
    // Draws returned first, in order (each must be below the n asked); then the seeded engine.
    QList<int> scriptedDraws;
    std::mt19937 engine{12345u};
    int seeds = 0;
    int processEnds = 0;
    int quits = 0;

    int warnings() const;
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
    QStringList texts() const;
};
