// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refusals.h"

#include <QStringList>

QString refusalMessage(Refusal refusal)
{
    switch (refusal) {
    case Refusal::SenderMustSend:
        return QStringLiteral("L'émetteur doit émettre !");
    case Refusal::CheckReceiver:
        return QStringLiteral("Vérifiez le destinataire (et l'expéditeur)");
    case Refusal::OneTickPerRow:
        return QStringLiteral("Une et une seule coche par ligne");
    case Refusal::NotTheSender:
        return QStringLiteral("Ce n'est pas la station émettrice");
    case Refusal::NotTimeForStation:
        return QStringLiteral("Ce n'est pas le moment de traiter cette station");
    case Refusal::NotTimeForHub:
        return QStringLiteral("Ce n'est pas le moment de traiter ce hub");
    case Refusal::NotTimeForBridge:
        return QStringLiteral("Ce n'est pas le moment de traiter le Pont");
    case Refusal::NoAddressInThisCell:
        return QStringLiteral("Ce champ ne doit pas contenir d'adresse MAC");
    case Refusal::WrongAddress:
        return QStringLiteral("Une adresse MAC est incorrecte");
    case Refusal::WrongRxLed:
        return QStringLiteral("Au moins une led RX est mal positionnée");
    case Refusal::WrongTxLed:
        return QStringLiteral("Au moins une led TX est mal positionnée");
    case Refusal::TablesNotUpdated:
        return QStringLiteral("Les tables ne sont pas correctement mises à jour");
    case Refusal::AddressesMisread:
        return QStringLiteral("Adresses mal analysées");
    case Refusal::WrongEmission:
        return QStringLiteral("Décision d'émission incorrecte");
    }
    return QString();
}

void RefusalTally::count(Refusal refusal, std::uint16_t total)
{
    if (total < UINT16_MAX)
        ++shown[int(refusal)];
}

QString RefusalTally::summary() const
{
    QStringList lines;
    for (int kind = 0; kind < REFUSAL_KINDS; ++kind)
        if (shown[kind] > 0)
            lines << QStringLiteral("%1 × %2").arg(shown[kind]).arg(refusalMessage(Refusal(kind)));
    return lines.isEmpty() ? QStringLiteral("Aucune erreur") : lines.join(QLatin1Char('\n'));
}
