// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/refusals.h"

#include <QCoreApplication>
#include <QStringList>

QString refusalMessage(Refusal refusal)
{
    switch (refusal) {
    case Refusal::SenderMustSend:
        return QCoreApplication::translate("Refusal", "L'émetteur doit émettre !");
    case Refusal::CheckReceiver:
        return QCoreApplication::translate("Refusal", "Vérifiez le destinataire (et l'expéditeur)");
    case Refusal::OneTickPerRow:
        return QCoreApplication::translate("Refusal", "Une et une seule coche par ligne");
    case Refusal::NotTheSender:
        return QCoreApplication::translate("Refusal", "Ce n'est pas la station émettrice");
    case Refusal::NotTimeForStation:
        return QCoreApplication::translate("Refusal",
                                           "Ce n'est pas le moment de traiter cette station");
    case Refusal::NotTimeForHub:
        return QCoreApplication::translate("Refusal", "Ce n'est pas le moment de traiter ce hub");
    case Refusal::NotTimeForBridge:
        return QCoreApplication::translate("Refusal", "Ce n'est pas le moment de traiter le Pont");
    case Refusal::NoAddressInThisCell:
        return QCoreApplication::translate("Refusal",
                                           "Ce champ ne doit pas contenir d'adresse MAC");
    case Refusal::WrongAddress:
        return QCoreApplication::translate("Refusal", "Une adresse MAC est incorrecte");
    case Refusal::WrongRxLed:
        return QCoreApplication::translate("Refusal", "Au moins une led RX est mal positionnée");
    case Refusal::WrongTxLed:
        return QCoreApplication::translate("Refusal", "Au moins une led TX est mal positionnée");
    case Refusal::TablesNotUpdated:
        return QCoreApplication::translate("Refusal",
                                           "Les tables ne sont pas correctement mises à jour");
    case Refusal::AddressesMisread:
        return QCoreApplication::translate("Refusal", "Adresses mal analysées");
    case Refusal::WrongEmission:
        return QCoreApplication::translate("Refusal", "Décision d'émission incorrecte");
    }
    return QString();
}

namespace
{

// The rule behind each refusal, in the order of `Refusal`.
const char *const RULES[REFUSAL_KINDS] = {
    // SenderMustSend
    QT_TRANSLATE_NOOP("Refusal",
                      "L'émetteur est toujours concerné : c'est lui qui crée la trame et "
                      "l'envoie. Sa ligne est cochée « Traité » quand, après un clic sur "
                      "la station émettrice, la trame est construite et émise."),
    // CheckReceiver
    QT_TRANSLATE_NOOP("Refusal",
                      "Une station copie la trame si elle lui est adressée (son adresse, le "
                      "broadcast ou le multicast) et si elle n'en est pas l'émetteur. Le "
                      "destinataire n'est « Non concerné » que quand une station "
                      "s'envoie une trame à elle-même."),
    // OneTickPerRow
    QT_TRANSLATE_NOOP("Refusal",
                      "Chaque ligne de la fenêtre « Avancement » porte une et une seule "
                      "coche : « Traité », que le programme coche quand l'élément a traité "
                      "la trame, ou « Non concerné », pour un élément que la trame n'a pas "
                      "atteint (par exemple le hub que le pont a isolé en filtrant)."),
    // NotTheSender
    QT_TRANSLATE_NOOP("Refusal", "Tout commence par la station émettrice : rien ne se passe nulle "
                                 "part avant qu'elle ait construit et envoyé la trame."),
    // NotTimeForStation
    QT_TRANSLATE_NOOP("Refusal",
                      "Une station ne traite la trame qu'une fois la trame arrivée sur son "
                      "segment (le pont et le second hub d'abord), et seulement si la "
                      "trame lui est adressée : les autres stations la voient passer mais "
                      "ne la gardent pas."),
    // NotTimeForHub
    QT_TRANSLATE_NOOP("Refusal",
                      "Un hub ne traite la trame que quand elle y entre : venant de la "
                      "station émettrice de son segment, ou venant du pont quand le pont "
                      "l'émet de son côté. Une trame n'atteint un hub que par un câble "
                      "qu'elle a réellement parcouru."),
    // NotTimeForBridge
    QT_TRANSLATE_NOOP("Refusal", "Le pont ne traite la trame qu'après le hub de l'émetteur : la "
                                 "station ne parle pas directement au pont, la trame passe d'abord "
                                 "par son hub."),
    // NoAddressInThisCell
    QT_TRANSLATE_NOOP("Refusal",
                      "Les adresses MAC ne vont que dans l'en-tête de la trame, ses deux "
                      "premières cases : destination puis source. Les « Couches "
                      "supérieures » et le « FCS » n'en contiennent pas."),
    // WrongAddress
    QT_TRANSLATE_NOOP("Refusal",
                      "La trame porte d'abord l'adresse MAC du destinataire, puis celle de "
                      "l'émetteur ; pour un broadcast ou un multicast, l'adresse de "
                      "groupe."),
    // WrongRxLed
    QT_TRANSLATE_NOOP("Refusal",
                      "Un hub reçoit la trame par un seul port, celui par où elle entre : "
                      "une seule led RX est allumée, celle de ce port. Le port du "
                      "destinataire est un port de sortie, pas d'entrée."),
    // WrongTxLed
    QT_TRANSLATE_NOOP("Refusal",
                      "Un hub ne lit aucune adresse : il répète la trame sur tous ses "
                      "autres ports, celui du pont compris, jamais sur son port d'entrée. "
                      "Les leds TX des trois autres ports sont allumées, et seulement "
                      "elles."),
    // TablesNotUpdated
    QT_TRANSLATE_NOOP("Refusal",
                      "Le pont apprend où sont les stations quand elles émettent : il "
                      "écrit l'adresse source de la trame, et seulement dans la table du "
                      "port par où la trame est arrivée. « Effacer » vide une ligne "
                      "écrite en trop."),
    // AddressesMisread
    QT_TRANSLATE_NOOP("Refusal",
                      "Le pont cherche l'adresse du destinataire dans ses tables, telles "
                      "qu'elles sont maintenant (ligne qu'on vient d'écrire comprise), et "
                      "non sur le schéma : il ne connaît une station que s'il l'a apprise. "
                      "Une adresse de groupe n'est jamais dans les tables."),
    // WrongEmission
    QT_TRANSLATE_NOOP("Refusal",
                      "Le pont ne transmet la trame que si le destinataire n'est pas connu "
                      "du côté où elle est arrivée. Connu du même côté : ne pas émettre. "
                      "Connu de l'autre côté, inconnu, adresse de groupe ou trame d'une "
                      "station à elle-même : émettre de l'autre côté. Le pont ne renvoie "
                      "jamais une trame du côté d'où elle vient."),
};

QString rule(Refusal refusal)
{
    return QCoreApplication::translate("Refusal", RULES[int(refusal)]);
}

QString sideName(bool left)
{
    return left ? QCoreApplication::translate("Refusal", "gauche")
                : QCoreApplication::translate("Refusal", "droit");
}

// "Machine 2 (00-C0-B0-08-31-A4)"
QString named(const RefusalContext &c, int row)
{
    return QStringLiteral("%1 (%2)").arg(c.labels[row], c.addresses[row]);
}

// Where the frame stands in its journey.
QString whereIsTheFrame(const RefusalContext &c)
{
    const int sourceHub = hubOfStation(c.source);
    switch (c.phase) {
    case PHASE_NEW:
        return QCoreApplication::translate(
                   "Refusal", "La trame n'est pas encore émise : l'émetteur, %1, doit d'abord la "
                              "construire.")
            .arg(c.labels[c.source]);
    case PHASE_SENT:
        return QCoreApplication::translate(
                   "Refusal", "%1 vient d'émettre la trame : elle entre dans le Hub %2.")
            .arg(c.labels[c.source])
            .arg(sourceHub);
    case PHASE_SOURCE_HUB:
        return QCoreApplication::translate("Refusal",
                                           "Le Hub %1 a répété la trame : elle arrive au pont.")
            .arg(sourceHub);
    case PHASE_BRIDGE:
        return QCoreApplication::translate("Refusal", "Le pont a émis la trame vers le Hub %1.")
            .arg(3 - sourceHub);
    case PHASE_FINAL_SEGMENT:
        return QCoreApplication::translate(
            "Refusal", "La trame a fini de traverser les hubs et le pont : seules les "
                       "stations qui doivent la copier restent à traiter.");
    case PHASE_RECEIVED:
        return QCoreApplication::translate(
            "Refusal", "La trame est arrivée : il reste à terminer dans la fenêtre "
                       "« Avancement ».");
    }
    return QString();
}

QString destinationInTables(const RefusalContext &c)
{
    if (isGroupDestination(c.destination))
        return QCoreApplication::translate(
                   "Refusal", "L'adresse du destinataire, %1, est une adresse de groupe : elle "
                              "n'est dans aucune table.")
            .arg(named(c, c.destination));
    const QString place =
        c.destinationInTables == TableSide::Left
            ? QCoreApplication::translate("Refusal", "est dans la table de gauche")
        : c.destinationInTables == TableSide::Right
            ? QCoreApplication::translate("Refusal", "est dans la table de droite")
            : QCoreApplication::translate("Refusal", "n'est dans aucune table");
    QString text = QCoreApplication::translate("Refusal", "L'adresse du destinataire, %1, %2.")
                       .arg(named(c, c.destination), place);
    if (c.destination == c.source)
        text += QCoreApplication::translate("Refusal", " La trame va de %1 à elle-même.")
                    .arg(c.labels[c.source]);
    return text;
}

QString attempt(Refusal refusal, const RefusalContext &c)
{
    const bool known =
        c.source >= 1 && c.source <= 6 && c.destination >= 1 && c.destination <= DEST_MULTICAST;
    if (!known)
        return QString();
    const QString journey = QCoreApplication::translate("Refusal", "Cette trame va de %1 à %2.")
                                .arg(c.labels[c.source], c.labels[c.destination]);
    const QString clicked =
        c.station >= 1 && c.station <= 6
            ? QCoreApplication::translate("Refusal", "Le clic est tombé sur %1. ")
                  .arg(c.labels[c.station])
            : QString();
    const QString arrival =
        QCoreApplication::translate("Refusal", "La trame est arrivée par le port %1 du pont. ")
            .arg(sideName(isLeftStation(c.source)));
    switch (refusal) {
    case Refusal::SenderMustSend:
        return QCoreApplication::translate("Refusal", "L'émetteur de cet exercice est %1.")
            .arg(c.labels[c.source]);
    case Refusal::CheckReceiver:
        return c.station >= 1 && c.station <= 6
                   ? journey + QCoreApplication::translate("Refusal", " La station traitée est %1.")
                                   .arg(c.labels[c.station])
                   : journey;
    case Refusal::OneTickPerRow:
        return c.rowsWithoutOneTick.isEmpty()
                   ? QString()
                   : QCoreApplication::translate("Refusal", "Ligne à revoir : %1.")
                         .arg(c.rowsWithoutOneTick.join(QStringLiteral(", ")));
    case Refusal::NotTheSender:
        return clicked +
               QCoreApplication::translate("Refusal", "L'émetteur de cet exercice est %1.")
                   .arg(c.labels[c.source]);
    case Refusal::NotTimeForStation:
        return clicked + journey + QLatin1Char(' ') + whereIsTheFrame(c);
    case Refusal::NotTimeForHub:
    case Refusal::NotTimeForBridge:
        return whereIsTheFrame(c);
    case Refusal::NoAddressInThisCell:
        return QString();
    case Refusal::WrongAddress:
        return QCoreApplication::translate("Refusal", "Cette trame va de %1 à %2.")
            .arg(named(c, c.source), named(c, c.destination));
    case Refusal::WrongRxLed:
    case Refusal::WrongTxLed: {
        if (c.hub < 1 || c.hub > 2 || c.entryPort < 1 || c.entryPort > 4)
            return QString();
        const QString by =
            c.entryPort == BRIDGE_PORT[c.hub]
                ? QCoreApplication::translate("Refusal", "celui du pont")
                : QCoreApplication::translate("Refusal", "celui de %1").arg(c.labels[c.source]);
        return QCoreApplication::translate("Refusal",
                                           "La trame entre dans le Hub %1 par le port %2 (%3).")
            .arg(c.hub)
            .arg(c.entryPort)
            .arg(by);
    }
    case Refusal::TablesNotUpdated:
        return QCoreApplication::translate(
                   "Refusal", "L'adresse source, %1, est arrivée par le port %2 du pont.")
            .arg(named(c, c.source), sideName(isLeftStation(c.source)));
    case Refusal::AddressesMisread:
        return destinationInTables(c);
    case Refusal::WrongEmission:
        return arrival + destinationInTables(c);
    }
    return QString();
}

} // namespace

QString refusalExplanation(Refusal refusal, const RefusalContext &context)
{
    const QString facts = attempt(refusal, context);
    return facts.isEmpty() ? rule(refusal) : rule(refusal) + QStringLiteral("\n\n") + facts;
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
    return lines.isEmpty() ? QCoreApplication::translate("Refusal", "Aucune erreur")
                           : lines.join(QLatin1Char('\n'));
}
