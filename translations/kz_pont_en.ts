<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Guide</name>
    <message>
        <source>Guide de KZ Pont</source>
        <translation>KZ Pont guide</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>L&apos;émetteur doit émettre !</source>
        <translation>The sender must send!</translation>
    </message>
    <message>
        <source>Vérifiez le destinataire (et l&apos;expéditeur)</source>
        <translation>Check the receiver (and the sender)</translation>
    </message>
    <message>
        <source>Une et une seule coche par ligne</source>
        <translation>One and only one tick per row</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas la station émettrice</source>
        <translation>This is not the sending station</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas le moment de traiter cette station</source>
        <translation>This is not the time to handle this station</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas le moment de traiter ce hub</source>
        <translation>This is not the time to handle this hub</translation>
    </message>
    <message>
        <source>Ce n&apos;est pas le moment de traiter le Pont</source>
        <translation>This is not the time to handle the bridge</translation>
    </message>
    <message>
        <source>Ce champ ne doit pas contenir d&apos;adresse MAC</source>
        <translation>This field must not hold a MAC address</translation>
    </message>
    <message>
        <source>Une adresse MAC est incorrecte</source>
        <translation>A MAC address is wrong</translation>
    </message>
    <message>
        <source>Au moins une led RX est mal positionnée</source>
        <translation>At least one RX LED is set wrong</translation>
    </message>
    <message>
        <source>Au moins une led TX est mal positionnée</source>
        <translation>At least one TX LED is set wrong</translation>
    </message>
    <message>
        <source>Les tables ne sont pas correctement mises à jour</source>
        <translation>The tables are not updated correctly</translation>
    </message>
    <message>
        <source>Adresses mal analysées</source>
        <translation>Addresses misread</translation>
    </message>
    <message>
        <source>Décision d&apos;émission incorrecte</source>
        <translation>Wrong sending decision</translation>
    </message>
    <message>
        <source>Aucune erreur</source>
        <translation>No errors</translation>
    </message>
    <message>
        <source>L&apos;émetteur est toujours concerné : c&apos;est lui qui crée la trame et l&apos;envoie. Sa ligne est cochée « Traité » quand, après un clic sur la station émettrice, la trame est construite et émise.</source>
        <translation>The sender is always involved: it makes the frame and sends it. Its row is ticked “Done” when, after a click on the sending station, the frame is built and sent.</translation>
    </message>
    <message>
        <source>Une station copie la trame si elle lui est adressée (son adresse, le broadcast ou le multicast) et si elle n&apos;en est pas l&apos;émetteur. Le destinataire n&apos;est « Non concerné » que quand une station s&apos;envoie une trame à elle-même.</source>
        <translation>A station copies the frame if it is addressed to it (its address, the broadcast or the multicast) and if it is not its sender. The receiver is “Not involved” only when a station sends a frame to itself.</translation>
    </message>
    <message>
        <source>Chaque ligne de la fenêtre « Avancement » porte une et une seule coche : « Traité », que le programme coche quand l&apos;élément a traité la trame, ou « Non concerné », pour un élément que la trame n&apos;a pas atteint (par exemple le hub que le pont a isolé en filtrant).</source>
        <translation>Each row of the “Progress” window carries one and only one tick: “Done”, which the program ticks when the element has handled the frame, or “Not involved”, for an element the frame has not reached (for example the hub the bridge kept apart by filtering).</translation>
    </message>
    <message>
        <source>Tout commence par la station émettrice : rien ne se passe nulle part avant qu&apos;elle ait construit et envoyé la trame.</source>
        <translation>Everything starts with the sending station: nothing happens anywhere before it has built and sent the frame.</translation>
    </message>
    <message>
        <source>Une station ne traite la trame qu&apos;une fois la trame arrivée sur son segment (le pont et le second hub d&apos;abord), et seulement si la trame lui est adressée : les autres stations la voient passer mais ne la gardent pas.</source>
        <translation>A station handles the frame only once the frame has reached its segment (the bridge and the second hub first), and only if the frame is addressed to it: the other stations see it go by but do not keep it.</translation>
    </message>
    <message>
        <source>Un hub ne traite la trame que quand elle y entre : venant de la station émettrice de son segment, ou venant du pont quand le pont l&apos;émet de son côté. Une trame n&apos;atteint un hub que par un câble qu&apos;elle a réellement parcouru.</source>
        <translation>A hub handles the frame only when it enters it: from the sending station of its segment, or from the bridge when the bridge sends it on its side. A frame reaches a hub only through a cable it has really travelled.</translation>
    </message>
    <message>
        <source>Le pont ne traite la trame qu&apos;après le hub de l&apos;émetteur : la station ne parle pas directement au pont, la trame passe d&apos;abord par son hub.</source>
        <translation>The bridge handles the frame only after the sender&apos;s hub: the station does not talk to the bridge directly, the frame goes through its hub first.</translation>
    </message>
    <message>
        <source>Les adresses MAC ne vont que dans l&apos;en-tête de la trame, ses deux premières cases : destination puis source. Les « Couches supérieures » et le « FCS » n&apos;en contiennent pas.</source>
        <translation>MAC addresses go only into the frame&apos;s header, its first two cells: destination then source. The “Upper layers” and the “FCS” hold none.</translation>
    </message>
    <message>
        <source>La trame porte d&apos;abord l&apos;adresse MAC du destinataire, puis celle de l&apos;émetteur ; pour un broadcast ou un multicast, l&apos;adresse de groupe.</source>
        <translation>The frame carries first the receiver&apos;s MAC address, then the sender&apos;s; for a broadcast or a multicast, the group address.</translation>
    </message>
    <message>
        <source>Un hub reçoit la trame par un seul port, celui par où elle entre : une seule led RX est allumée, celle de ce port. Le port du destinataire est un port de sortie, pas d&apos;entrée.</source>
        <translation>A hub receives the frame through one port only, the one it enters by: one RX LED only is on, that of this port. The receiver&apos;s port is a way out, not in.</translation>
    </message>
    <message>
        <source>Un hub ne lit aucune adresse : il répète la trame sur tous ses autres ports, celui du pont compris, jamais sur son port d&apos;entrée. Les leds TX des trois autres ports sont allumées, et seulement elles.</source>
        <translation>A hub reads no address: it repeats the frame on all its other ports, the bridge&apos;s included, never on the port it came in by. The TX LEDs of the three other ports are on, and only they.</translation>
    </message>
    <message>
        <source>Le pont apprend où sont les stations quand elles émettent : il écrit l&apos;adresse source de la trame, et seulement dans la table du port par où la trame est arrivée. « Effacer » vide une ligne écrite en trop.</source>
        <translation>The bridge learns where the stations are when they send: it writes the frame&apos;s source address, and only into the table of the port the frame came in by. “Clear” empties a row written by mistake.</translation>
    </message>
    <message>
        <source>Le pont cherche l&apos;adresse du destinataire dans ses tables, telles qu&apos;elles sont maintenant (ligne qu&apos;on vient d&apos;écrire comprise), et non sur le schéma : il ne connaît une station que s&apos;il l&apos;a apprise. Une adresse de groupe n&apos;est jamais dans les tables.</source>
        <translation>The bridge looks for the receiver&apos;s address in its tables, as they are now (the row just written included), not on the diagram: it knows a station only if it has learnt it. A group address is never in the tables.</translation>
    </message>
    <message>
        <source>Le pont ne transmet la trame que si le destinataire n&apos;est pas connu du côté où elle est arrivée. Connu du même côté : ne pas émettre. Connu de l&apos;autre côté, inconnu, adresse de groupe ou trame d&apos;une station à elle-même : émettre de l&apos;autre côté. Le pont ne renvoie jamais une trame du côté d&apos;où elle vient.</source>
        <translation>The bridge passes the frame on only if the receiver is not known on the side it came in by. Known on the same side: do not send. Known on the other side, unknown, a group address or a frame from a station to itself: send on the other side. The bridge never sends a frame back to the side it comes from.</translation>
    </message>
    <message>
        <source>gauche</source>
        <translation>left</translation>
    </message>
    <message>
        <source>droit</source>
        <translation>right</translation>
    </message>
    <message>
        <source>La trame n&apos;est pas encore émise : l&apos;émetteur, %1, doit d&apos;abord la construire.</source>
        <translation>The frame is not sent yet: the sender, %1, must build it first.</translation>
    </message>
    <message>
        <source>%1 vient d&apos;émettre la trame : elle entre dans le Hub %2.</source>
        <translation>%1 has just sent the frame: it enters Hub %2.</translation>
    </message>
    <message>
        <source>Le Hub %1 a répété la trame : elle arrive au pont.</source>
        <translation>Hub %1 has repeated the frame: it reaches the bridge.</translation>
    </message>
    <message>
        <source>Le pont a émis la trame vers le Hub %1.</source>
        <translation>The bridge has sent the frame towards Hub %1.</translation>
    </message>
    <message>
        <source>La trame a fini de traverser les hubs et le pont : seules les stations qui doivent la copier restent à traiter.</source>
        <translation>The frame has gone through the hubs and the bridge: only the stations that must copy it are left to handle.</translation>
    </message>
    <message>
        <source>La trame est arrivée : il reste à terminer dans la fenêtre « Avancement ».</source>
        <translation>The frame has arrived: what is left is to finish in the “Progress” window.</translation>
    </message>
    <message>
        <source>L&apos;adresse du destinataire, %1, est une adresse de groupe : elle n&apos;est dans aucune table.</source>
        <translation>The receiver&apos;s address, %1, is a group address: it is in no table.</translation>
    </message>
    <message>
        <source>est dans la table de gauche</source>
        <translation>is in the left table</translation>
    </message>
    <message>
        <source>est dans la table de droite</source>
        <translation>is in the right table</translation>
    </message>
    <message>
        <source>n&apos;est dans aucune table</source>
        <translation>is in no table</translation>
    </message>
    <message>
        <source>L&apos;adresse du destinataire, %1, %2.</source>
        <translation>The receiver&apos;s address, %1, %2.</translation>
    </message>
    <message>
        <source> La trame va de %1 à elle-même.</source>
        <translation> The frame goes from %1 to itself.</translation>
    </message>
    <message>
        <source>Cette trame va de %1 à %2.</source>
        <translation>This frame goes from %1 to %2.</translation>
    </message>
    <message>
        <source>Le clic est tombé sur %1. </source>
        <translation>The click fell on %1. </translation>
    </message>
    <message>
        <source>La trame est arrivée par le port %1 du pont. </source>
        <translation>The frame came in by the bridge&apos;s %1 port. </translation>
    </message>
    <message>
        <source>L&apos;émetteur de cet exercice est %1.</source>
        <translation>The sender of this exercise is %1.</translation>
    </message>
    <message>
        <source> La station traitée est %1.</source>
        <translation> The station handled is %1.</translation>
    </message>
    <message>
        <source>Ligne à revoir : %1.</source>
        <translation>Row to look at again: %1.</translation>
    </message>
    <message>
        <source>celui du pont</source>
        <translation>the bridge&apos;s</translation>
    </message>
    <message>
        <source>celui de %1</source>
        <translation>that of %1</translation>
    </message>
    <message>
        <source>La trame entre dans le Hub %1 par le port %2 (%3).</source>
        <translation>The frame enters Hub %1 by port %2 (%3).</translation>
    </message>
    <message>
        <source>L&apos;adresse source, %1, est arrivée par le port %2 du pont.</source>
        <translation>The source address, %1, came in by the bridge&apos;s %2 port.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>adresses MAC</source>
        <translation>MAC addresses</translation>
    </message>
    <message>
        <source>Machine %1</source>
        <translation>Station %1</translation>
    </message>
    <message>
        <source>Broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>M.cast NETBEUI</source>
        <translation>M.cast NETBEUI</translation>
    </message>
    <message>
        <source>Pont gauche</source>
        <translation>Bridge (left)</translation>
    </message>
    <message>
        <source>Pont droite</source>
        <translation>Bridge (right)</translation>
    </message>
</context>
<context>
    <name>TAdressesMAC</name>
    <message>
        <source>Adresses MAC</source>
        <translation>MAC addresses</translation>
    </message>
    <message>
        <source>adresses MAC</source>
        <translation>MAC addresses</translation>
    </message>
</context>
<context>
    <name>TPrincipale</name>
    <message>
        <source>KZ Pont  -  Le pont transparent entre deux segments Ethernet</source>
        <translation>KZ Pont  -  The transparent bridge between two Ethernet segments</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Nouveau</source>
        <translation>New</translation>
    </message>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Emission d&apos;une trame  de  : </source>
        <translation>Sending a frame  from  : </translation>
    </message>
    <message>
        <source>vers</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Note :       Les 6 machines  utilisent entre autres  le &quot;protocole&quot; Netbeui </source>
        <translation>Note :       The 6 stations  use among others  the Netbeui &quot;protocol&quot; </translation>
    </message>
    <message>
        <source>Cliquer,  dans l&apos;ordre,  sur chaque élément actif concerné</source>
        <translation>Click,  in order,  each active element involved</translation>
    </message>
    <message>
        <source>Station émettrice</source>
        <translation>Sending station</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Réseau</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Ni exercice imposé ni exercice aléatoire
Fichier d&apos;exercices incorrect</source>
        <translation>Neither set exercises nor random exercises
Wrong exercise file</translation>
    </message>
    <message>
        <source>Le fichier %1 
 n&apos;est pas accessible</source>
        <translation>The file %1 
 cannot be read</translation>
    </message>
    <message>
        <source>TOUS LES EXERCICES ONT ETE TRAITES en %1</source>
        <translation>ALL THE EXERCISES WERE DONE in %1</translation>
    </message>
    <message>
        <source>Terminer ?</source>
        <translation>Quit?</translation>
    </message>
    <message>
        <source>Cliquer sur les éléments du réseau, ou au clavier :
1 à 6 : stations 1 à 6
G : Hub 1 (à gauche)
D : Hub 2 (à droite)
P : Pont
F1 : le guide</source>
        <translation>Click the elements of the network, or with the keyboard:
1 to 6: stations 1 to 6
G: Hub 1 (on the left)
D: Hub 2 (on the right)
P: Bridge
F1: the guide (in French)</translation>
    </message>
    <message>
        <source>émission</source>
        <translation>sent</translation>
    </message>
    <message>
        <source>répétition</source>
        <translation>repeated</translation>
    </message>
    <message>
        <source>aucune trame</source>
        <translation>no frame</translation>
    </message>
    <message>
        <source> et </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Traité : oui. </source>
        <translation>Done: yes. </translation>
    </message>
    <message>
        <source>Traité : non. </source>
        <translation>Done: no. </translation>
    </message>
    <message>
        <source>Câble : </source>
        <translation>Cable: </translation>
    </message>
    <message>
        <source>port %1 : %2</source>
        <translation>port %1: %2</translation>
    </message>
    <message>
        <source>Câbles : </source>
        <translation>Cables: </translation>
    </message>
    <message>
        <source>Pont</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Câble gauche : </source>
        <translation>Left cable: </translation>
    </message>
    <message>
        <source>, câble droit : </source>
        <translation>, right cable: </translation>
    </message>
</context>
<context>
    <name>Tapropos</name>
    <message>
        <source>Version 1.3.7  janvier 2000</source>
        <translation>Version 1.3.7  January 2000</translation>
    </message>
    <message>
        <source>© 2026 les auteurs de KZ Pont</source>
        <translation>© 2026 the KZ Pont authors</translation>
    </message>
    <message>
        <source>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure.</source>
        <translation>Free software under the GNU GPL, version 3 or later.</translation>
    </message>
    <message>
        <source>Sans aucune garantie. La licence est jointe au programme.</source>
        <translation>Without any warranty. The licence comes with the program.</translation>
    </message>
    <message>
        <source>Merci aux élèves et aux professeurs qui l&apos;ont essayé.</source>
        <translation>Thanks to the students and teachers who tried it.</translation>
    </message>
</context>
<context>
    <name>Tf_Station_emettrice</name>
    <message>
        <source>Station émettrice</source>
        <translation>Sending station</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Terminé</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Adresses connues ( en cache )</source>
        <translation>Known addresses ( cached )</translation>
    </message>
    <message>
        <source>Copier l&apos;adresse dans la trame</source>
        <translation>Copy the address into the frame</translation>
    </message>
    <message>
        <source>Compléter la Trame à émettre  avec les adresses</source>
        <translation>Fill in the frame to send  with the addresses</translation>
    </message>
    <message>
        <source>Couches supérieures</source>
        <translation>Upper layers</translation>
    </message>
</context>
<context>
    <name>Tf_avance</name>
    <message>
        <source>Avancement. ex 1</source>
        <translation>Progress. ex 1</translation>
    </message>
    <message>
        <source>Non concerné</source>
        <translation>Not involved</translation>
    </message>
    <message>
        <source>Traité</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>émetteur</source>
        <translation>sender</translation>
    </message>
    <message>
        <source>destinataire</source>
        <translation>receiver</translation>
    </message>
    <message>
        <source>Hub1</source>
        <translation>Hub1</translation>
    </message>
    <message>
        <source>Hub2</source>
        <translation>Hub2</translation>
    </message>
    <message>
        <source>Pont</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>émetteur traité</source>
        <translation>sender done</translation>
    </message>
    <message>
        <source>destinataire traité</source>
        <translation>receiver done</translation>
    </message>
    <message>
        <source>Hub1 traité</source>
        <translation>Hub1 done</translation>
    </message>
    <message>
        <source>Hub2 traité</source>
        <translation>Hub2 done</translation>
    </message>
    <message>
        <source>Pont traité</source>
        <translation>Bridge done</translation>
    </message>
    <message>
        <source>Fin du traitement de la trame</source>
        <translation>End of frame processing</translation>
    </message>
    <message>
        <source>Avancement. Ex = %1  (%2)</source>
        <translation>Progress. Ex = %1  (%2)</translation>
    </message>
    <message>
        <source>Cumul erreurs = %1</source>
        <translation>Total errors = %1</translation>
    </message>
    <message>
        <source>Vous avez mené à bien cette transmission
Utilisez le menu Nouveau</source>
        <translation>You have carried out this transmission
Use the New menu</translation>
    </message>
</context>
<context>
    <name>Tf_destination</name>
    <message>
        <source>Réception de la trame</source>
        <translation>Receiving the frame</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Station qui reçoit la trame</source>
        <translation>Station receiving the frame</translation>
    </message>
    <message>
        <source>Copier la trame en mémoire</source>
        <translation>Copy the frame into memory</translation>
    </message>
    <message>
        <source>Terminé</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Trame reçue</source>
        <translation>Received frame</translation>
    </message>
</context>
<context>
    <name>Tf_hub</name>
    <message>
        <source>Cliquer sur les leds, ou au clavier : touches 1 à 8 pour allumer ou éteindre la led 1 à 8.
Leds impaires : RX, leds paires : TX ; 1 et 2 : port 1, 3 et 4 : port 2, 5 et 6 : port 3, 7 et 8 : port 4.</source>
        <translation>Click the LEDs, or with the keyboard: keys 1 to 8 switch LED 1 to 8 on or off.
Odd LEDs: RX, even LEDs: TX; 1 and 2: port 1, 3 and 4: port 2, 5 and 6: port 3, 7 and 8: port 4.</translation>
    </message>
    <message>
        <source>Toutes les leds sont éteintes</source>
        <translation>Every LED is off</translation>
    </message>
    <message>
        <source>Leds allumées : </source>
        <translation>LEDs on: </translation>
    </message>
    <message>
        <source>%1 du port %2</source>
        <translation>%1 of port %2</translation>
    </message>
    <message>
        <source>Panneau des leds du Hub %1</source>
        <translation>LED panel of Hub %1</translation>
    </message>
    <message>
        <source>Cliquer  sur  les  leds  actives</source>
        <translation>Click  the  active  LEDs</translation>
    </message>
    <message>
        <source>Terminé</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Fonction du Hub 1</source>
        <translation>Hub 1 at work</translation>
    </message>
    <message>
        <source>Fonction du Hub 2</source>
        <translation>Hub 2 at work</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 port %2</translation>
    </message>
</context>
<context>
    <name>Tf_pont</name>
    <message>
        <source>Pont.     Analyser la trame reçue   1) et 2)       et en déduire l&apos;action 3)</source>
        <translation>Bridge.     Analyse the received frame   1) and 2)       and deduce action 3)</translation>
    </message>
    <message>
        <source>Tables d&apos;adresses du pont</source>
        <translation>Address tables of the bridge</translation>
    </message>
    <message>
        <source>Table associée au port gauche</source>
        <translation>Table of the left port</translation>
    </message>
    <message>
        <source>Table associée au port droit</source>
        <translation>Table of the right port</translation>
    </message>
    <message>
        <source>Commutateur Ethernet</source>
        <translation>Ethernet switch</translation>
    </message>
    <message>
        <source>&lt;-         Effacer         -&gt;</source>
        <translation>&lt;-         Clear         -&gt;</translation>
    </message>
    <message>
        <source>Mise à jour table gauche</source>
        <translation>Update left table</translation>
    </message>
    <message>
        <source>1 ) à l&apos;aide de champs de la trame ( à choisir )</source>
        <translation>1 ) using fields of the frame ( to choose )</translation>
    </message>
    <message>
        <source>Mise à jour table droite</source>
        <translation>Update right table</translation>
    </message>
    <message>
        <source>Trame reçue</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>2 )   Destinataire dans table </source>
        <translation>2 )   Receiver in table </translation>
    </message>
    <message>
        <source>gauche</source>
        <translation>left</translation>
    </message>
    <message>
        <source>aucune</source>
        <translation>none</translation>
    </message>
    <message>
        <source>droite</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Destination=Source</source>
        <translation>Destination=Source</translation>
    </message>
    <message>
        <source>3 )  Emettre </source>
        <translation>3 )  Send </translation>
    </message>
    <message>
        <source>à gauche</source>
        <translation>left</translation>
    </message>
    <message>
        <source>ne pas émettre</source>
        <translation>do not send</translation>
    </message>
    <message>
        <source>à droite</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Terminé</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>adresses MAC</source>
        <translation>MAC addresses</translation>
    </message>
    <message>
        <source>Effacer</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>controls</name>
    <message>
        <source> Couches LLC et supérieures</source>
        <translation> LLC and upper layers</translation>
    </message>
    <message>
        <source>Trame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Adresse MAC de destination</source>
        <translation>Destination MAC address</translation>
    </message>
    <message>
        <source>Adresse MAC source</source>
        <translation>Source MAC address</translation>
    </message>
    <message>
        <source>Champ longueur</source>
        <translation>Length field</translation>
    </message>
    <message>
        <source>Données des couches supérieures</source>
        <translation>Upper layers data</translation>
    </message>
    <message>
        <source>Séquence de contrôle de la trame</source>
        <translation>Frame check sequence</translation>
    </message>
</context>
<context>
    <name>pictures</name>
    <message>
        <source>Commutateur Ethernet</source>
        <translation>Ethernet switch</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Pourquoi ?</source>
        <translation>Why?</translation>
    </message>
</context>
</TS>
