// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fake_services.h"

#include <QStringList>

FakeServices::FakeServices()
{
    platform::setServices(this);
}

FakeServices::~FakeServices()
{
    platform::setServices(nullptr);
}

platform::BoxAnswer FakeServices::showBox(QWidget *, platform::BoxKind kind, const QString &title,
                                          const QString &text, platform::BoxButtons buttons,
                                          const QString &explanation)
{
    boxes.append({kind, title, text, explanation});
    if (onBox)
        onBox(boxes.last());
    if (buttons == platform::BoxButtons::OkCancel && !answers.isEmpty())
        return answers.takeFirst();
    return platform::BoxAnswer::Ok;
}

int FakeServices::random(int n)
{
    if (!scriptedDraws.isEmpty())
        return scriptedDraws.takeFirst();
    return std::uniform_int_distribution<int>(0, n - 1)(engine);
}

int FakeServices::warnings() const
{
    int count = 0;
    for (const RecordedBox &box : boxes)
        count += box.kind == platform::BoxKind::Warning ? 1 : 0;
    return count;
}

QStringList FakeServices::texts() const
{
    QStringList list;
    for (const RecordedBox &box : boxes)
        list << box.text;
    return list;
}
