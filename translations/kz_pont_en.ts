<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
        <source>Cliquer sur les éléments du réseau, ou au clavier :
1 à 6 : stations 1 à 6
G : Hub 1 (à gauche)
D : Hub 2 (à droite)
P : Pont</source>
        <translation>Click the elements of the network, or with the keyboard:
1 to 6: stations 1 to 6
G: Hub 1 (on the left)
D: Hub 2 (on the right)
P: Bridge</translation>
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
</context>
</TS>
