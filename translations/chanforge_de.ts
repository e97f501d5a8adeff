<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Fav</translation>
    </message>
    <message>
        <source>SatID</source>
        <translation>SatID</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <source>CH#</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>VPID</source>
        <translation>VPID</translation>
    </message>
    <message>
        <source>APID</source>
        <translation>APID</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>„%1“ ist länger als die %2 Zeichen, die der Receiver von einem Namen speichert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>„%1“ enthält %2, das die Zeichentabelle des Kanals nicht kennt</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>TV-Sender %1 „%2“</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>Radiosender %1 „%2“</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>%1 verweist auf Satellit %2, den es nicht gibt</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>%1 verweist auf Multiplex %2, den es nicht gibt</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>%1 verweist auf Transponder %2 von Satellit %3, den es nicht gibt</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>%1 verweist auf Transponder %2 von Satellit %3, dieser Transponder gehört aber zu Satellit %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>Transponder %1 MHz (ID %2) verweist auf Satellit %3, den es nicht gibt</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>%1 verweist auf Anbieter %2, den es nicht gibt</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>%1 Sender übertragen Dienst %2 von Transponder %3 (Satellit %4): %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>Die TV-Sendernummern springen von %1 auf %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>TV-Sendernummer %1 ist an %2 Sender vergeben</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>Die Radio-Sendernummern springen von %1 auf %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>Radio-Sendernummer %1 ist an %2 Sender vergeben</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>Der Name von %1 enthält das Byte %2, das der Receiver nicht anzeigen kann</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>Satellit „%1“</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>Anbieter „%1“</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>Favoritenliste „%1“</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>Der Name von %1 enthält das Byte %2, das der Receiver nicht anzeigen kann</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>Der Name von %1 wird auf „%2“ gekürzt: Der Receiver speichert %3 Bytes</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>Die Tabelle der Favoritenlisten hat %1 Einträge, ihr Flash-Block fasst aber nur %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>Die Satellitentabelle hat %1 Einträge, ihr Flash-Block fasst aber nur %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>Die Anbietertabelle hat %1 Einträge, ihr Flash-Block fasst aber nur %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>Die Transpondertabelle hat %1 Einträge, ihr Flash-Block fasst aber nur %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>Die Tabelle der Kabel-Multiplexe hat %1 Einträge, ihr Flash-Block fasst aber nur %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>Die Sendertabelle hat %1 Einträge, ihr Flash-Block fasst aber nur %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>Favoritenliste %1 „%2“ liegt jenseits der %3 Listen, die der Receiver speichert</translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Die Transponder-IDs haben %1 erreicht, mehr als 255: Neue Transponder erhalten IDs, die der Receiver nicht speichern kann</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>%1 wird von keinem Sender genutzt</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Transponder %1 MHz (ID %2) von Satellit %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Kabel-Multiplex %1 kHz (ID %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Satellit %1 „%2“</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Anbieter %1 „%2“</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Favoritenliste %1 „%2“</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>jetzt gesperrt</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>nicht mehr gesperrt</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>jetzt verschlüsselt</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>nicht mehr verschlüsselt</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>jetzt übersprungen</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>nicht mehr übersprungen</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>zu Favoritenliste %1 hinzugefügt</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>aus Favoritenliste %1 entfernt</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>%1 auf TV %2 verschoben</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>%1 auf Radio %2 verschoben</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>%1 in „%2“ umbenannt</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Satellit fehlt</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Transponder fehlt</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Transponder eines anderen Satelliten</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Anbieter fehlt</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Doppelter Sender</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Lücke in der Nummerierung</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Nummer doppelt vergeben</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Zeichen nicht darstellbar</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Zu viele Favoritenlisten</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Favoritenliste nicht gespeichert</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Tabelle voll</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Ungenutzter Transponder</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Ungenutzter Multiplex</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>Transponder-IDs aufgebraucht</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Terrestrische Multiplexe</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favoritenlisten</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Merkmale geändert</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>%1 hat keinen Namen: Der Receiver hält ihn für einen leeren Platz und verwirft ihn</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>%1 hat nur Leerzeichen als Namen</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 nach %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, Transponder-ID %2</translation>
    </message>
    <message>
        <source>%1, %2 MHz H</source>
        <translation>%1, %2 MHz H</translation>
    </message>
    <message>
        <source>%1, %2 MHz V</source>
        <translation>%1, %2 MHz V</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>%1 von %2 nach %3 verschoben</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>%1 geändert: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>%1 TV-Sender in ihrer Reihenfolge neu nummeriert</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>%1 Radiosender in ihrer Reihenfolge neu nummeriert</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>Der Satellit, Transponder oder Anbieter von %n Sender fehlt in dieser Senderliste: Öffnen Sie zuerst die Senderdatei des Receivers.</numerusform>
            <numerusform>Der Satellit, Transponder oder Anbieter von %n Sendern fehlt in dieser Senderliste: Öffnen Sie zuerst die Senderdatei des Receivers.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Sender ohne Namen</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>Der Receiver hält 1 Byte, das vom Gesendeten abweicht, in Block %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>Der Receiver hält %1 Bytes, die vom Gesendeten abweichen, in Block %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>Der Receiver hält %1 Bytes, die vom Gesendeten abweichen, in den Blöcken %2</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>das eingestellte Modell</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>Modell %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>als %1 enthält sie %2 Satelliten, %3 Transponder oder Multiplexe und %4 Sender</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>als %1 ist sie nicht lesbar</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>als %1 enthält sie nichts</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>als %1 ergeben %2 ihrer %3 Einträge keinen Sinn</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Diese Datei sieht nach einer Datenbank für %1 aus, nicht für %2: %3; %4.</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>Favoritenliste %1 enthält %n Sender, jenseits der %2 Listen, die der Receiver speichert</numerusform>
            <numerusform>Favoritenliste %1 enthält %n Sender, jenseits der %2 Listen, die der Receiver speichert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>C Single Solu.(5150,5750)</source>
        <translation>C Single Solu.(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C Norm. LNBF(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>Die Favoritenlisten %1 liegen jenseits der %2 Listen, die das andere Modell speichert</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>1 Satellit kann nicht geschrieben werden: Das andere Modell speichert keine Satelliten</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>%1 Satelliten können nicht geschrieben werden: Das andere Modell speichert keine Satelliten</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>1 Transponder kann nicht geschrieben werden: Das andere Modell speichert keine Transponder</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>%1 Transponder können nicht geschrieben werden: Das andere Modell speichert keine Transponder</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>1 Kabel-Multiplex kann nicht geschrieben werden: Das andere Modell speichert keine Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>%1 Kabel-Multiplexe können nicht geschrieben werden: Das andere Modell speichert keine Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>1 terrestrischer Multiplex kann nicht geschrieben werden: Das andere Modell hat keinen terrestrischen Tuner dieser Art</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>%1 terrestrische Multiplexe können nicht geschrieben werden: Das andere Modell hat keinen terrestrischen Tuner dieser Art</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Die terrestrische Seite (Satellit 1) kann nicht geschrieben werden: Das andere Modell hat keinen terrestrischen Tuner dieser Art</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Satellit 1 würde als terrestrische Seite des anderen Modells (Satellit 1) gelesen</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 Transponder von Satellit 1 würde als terrestrische Seite des anderen Modells (Satellit 1) gelesen</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 Transponder von Satellit 1 würden als terrestrische Seite des anderen Modells (Satellit 1) gelesen</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 Sender von Satellit 1 würde als terrestrische Seite des anderen Modells (Satellit 1) gelesen</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 Sender von Satellit 1 würden als terrestrische Seite des anderen Modells (Satellit 1) gelesen</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>1 Sender auf Satellitenfrequenzen kann nicht geschrieben werden: Das andere Modell hat keinen Satellitentuner</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>%1 Sender auf Satellitenfrequenzen können nicht geschrieben werden: Das andere Modell hat keinen Satellitentuner</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>1 terrestrischer Sender kann nicht geschrieben werden: Das andere Modell hat keinen terrestrischen Tuner</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>%1 terrestrische Sender können nicht geschrieben werden: Das andere Modell hat keinen terrestrischen Tuner</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>1 Kabelsender kann nicht geschrieben werden: Das andere Modell hat keinen Kabeltuner</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>%1 Kabelsender können nicht geschrieben werden: Das andere Modell hat keinen Kabeltuner</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>1 Satellit hat Einstellungen für den zweiten Tuner, die das andere Modell mit nur einem Tuner nicht speichern kann</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>%1 Satelliten haben Einstellungen für den zweiten Tuner, die das andere Modell mit nur einem Tuner nicht speichern kann</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Der Dateikopf kann nicht gelesen werden. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Die Versionsdatei kann nicht geöffnet werden oder ist ungültig</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Die Senderdatei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Die zu sendenden Daten sind leer oder ungültig</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>Die Arbeitsdatei im temporären Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>Die Arbeitsmappe kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>Die Arbeitsmappe kann nicht geöffnet werden: keine reguläre Datei</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>Keine lesbare Arbeitsmappe von Excel 97-2003</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>Die Arbeitsmappe ist kennwortgeschützt</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>Die Arbeitsmappe hat zwei Tabellen „Channel“: Welche ersetzt werden soll, ist nicht zu erkennen</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>Die Arbeitsmappe hat keine Tabelle „Channel“</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>Die Arbeitsmappe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>Die Sendertabelle enthält Namen, die der Receiver nicht speichern kann: Korrigieren Sie sie in den genannten Zeilen, oder öffnen Sie sie mit passend gekürzten Namen</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Zu viele Sender für eine Tabelle (höchstens 65535)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>Die Sendertabelle enthält einen Wert, den ihre Spalte nicht aufnehmen kann: Korrigieren Sie ihn in der Datei</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>Die CSV-Datei lässt sich nicht als Sendertabelle lesen: Korrigieren Sie sie in der genannten Zeile</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Dies ist eine Arbeitsmappe von Excel 2007 oder neuer (.xlsx). Speichern Sie sie in Ihrer Tabellenkalkulation als Excel 97-2003 (.xls) oder CSV.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Dies ist eine OpenDocument-Tabellenkalkulation (.ods). Speichern Sie sie in Ihrer Tabellenkalkulation als Excel 97-2003 (.xls) oder CSV.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>TV-Sender können nicht zu Radiosendern kopiert werden</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Radiosender können nicht zu TV-Sendern kopiert werden</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>TV-Sender können nicht zu Radiosendern verschoben werden</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Radiosender können nicht zu TV-Sendern verschoben werden</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>Der Name der Favoritenliste kann nicht geändert werden: Er ist zu lang (höchstens 19 Zeichen)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>Die Favoritenliste existiert nicht</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>Der Name ist leer!</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>Der Satellit des Transponders existiert nicht</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>Kein weiterer Satellit möglich: Die Satelliten-IDs enden bei 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>Kein weiterer Transponder für diesen Satelliten möglich: Die Transponder-IDs enden bei 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>Kein weiterer Multiplex möglich: Die Multiplex-IDs enden bei 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>Kein weiterer Anbieter möglich: Die Anbieter-IDs enden bei 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>Der Eintrag konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Ein Sendername ist länger, als der Receiver speichert: Nichts wurde geändert</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · Transponder %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>Kabel-Multiplex</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Kabel-Multiplex %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Multiplex, Kanal %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Favoritenliste %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Sender</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Anbieter %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Genre %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>warte auf den Receiver</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>sende Block %1 von %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>prüfe</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>Der Receiver enthält eine andere Senderliste als die gesendete</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>geprüft</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>angehalten</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Nachrichten und Information</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drama</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Kultur</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Zeitgeschehen</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spezial</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comedy</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Dokumentarfilm</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>TPID</source>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS-ID</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>Sat-ID</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Freq. (MHz)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Coderate</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Schutzint.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>MUX</source>
        <translation>MUX</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>NET-ID</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>ORG-NID</translation>
    </message>
    <message>
        <source>Const</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertiert</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>Anbieter-ID</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Transponder / Multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Keine Sender</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Radio %1 „%2“</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>TV %1 „%2“</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, gekürzt auf „%2“</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Für ein anderes Modell speichern</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 kann nicht alles aus dieser Senderliste aufnehmen. Diese Einträge werden nicht geschrieben:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>Ohne sie &amp;speichern</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Anbietername: %1 (ID: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Als Datenbank für Modell %1 öffnen? Das Fenster arbeitet dann bis zum nächsten Start mit Modell %1.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>nicht drei Felder Nr.;Name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>die Programmnummer ist keine Zahl von 0 bis 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>die IDs sind nicht drei Zahlen ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>der Name ist länger, als ein Sendername sein kann</translation>
    </message>
    <message>
        <source>the name holds a character the receiver&apos;s names cannot hold</source>
        <translation>der Name enthält ein Zeichen, das die Namen des Receivers nicht fassen</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>Die Liste wurde als UTF-8 gelesen.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>Die Liste wurde als Latin-1 gelesen: ihre Bytes sind kein UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>Die serielle Schnittstelle ist bereits geöffnet oder getrennt. Bitte den Receiver prüfen</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>Die temporäre Datei kann nicht geöffnet oder vorbereitet werden</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Verbindung zur seriellen Schnittstelle wird hergestellt ...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Der Schreibbefehl (Skript) konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Der Schreibbefehl konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>Senden der Daten fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Alle Daten vollständig empfangen.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>Soll die verbundene serielle Schnittstelle geschlossen werden?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Empfange (%.2f%%) ...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Sende (%.2f%%) ...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Receiver aus- und wieder einschalten ...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>Warte auf den Neustart des Receivers ...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Daten gesendet. Einen Moment bitte ...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Daten gesendet. Sie werden gespeichert ...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Alle Daten gesendet und gespeichert.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>Nicht alle Daten konnten gesendet werden.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>Der Receiver hat einen Block gesendet, nach dem nicht gefragt wurde; ein Block kann daher doppelt übernommen worden sein: nichts Empfangenes wird behalten</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>Die Verbindung zum Receiver ist nach Block %1 von %2 abgebrochen.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>Die Verbindung zum Receiver ist vor dem ersten Block abgebrochen.</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>Deklarationen und Entitäten haben in einer Transpondertabelle nichts zu suchen</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>Elemente tiefer verschachtelt als die Transponder eines Satelliten</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>die Tabelle beginnt nicht mit &lt;satellites&gt;, &lt;cables&gt; oder &lt;locations&gt;</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>ein Transponder außerhalb eines Satelliten oder Kabelnetzes</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>das Attribut %1 ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>die Position %1 ist keine Angabe in Zehntelgrad von -1800 bis 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>mehr als %1 Transponder</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>die Frequenz %1 ist kein Satellitenträger in kHz</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>die Symbolrate %1 ist nicht in Symbolen pro Sekunde angegeben</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>das Attribut %1 fehlt</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; ist kein Wert, den das Format kennt</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>die Tabelle ist größer als jede Transpondertabelle</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>ein [CHANNEL] ohne FREQUENCY und SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>die Zeile ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>die Zeile enthält ein Byte, das in keinem Text vorkommt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>„%1“ ist nicht SCHLÜSSEL = WERT</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>ein Wert vor dem ersten [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 ist kein Wert, den das Format kennt</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 nennt keine Orbitposition: Wählen Sie den Satelliten, der aktualisiert werden soll</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1 führt den Satelliten auf %2 zweimal auf (Zeilen %3 und %4): Behalten Sie einen davon</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Weder die Liste noch %1 hat einen Satelliten auf %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>%1 hat keinen Satelliten der Liste</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Entfallen</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>die Frequenz %1 ist kein Kabelträger in kHz</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>die Frequenz %1 ist kein Kabelträger in Hz</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 führt Kabel-Multiplexe auf, die dieses Modell nicht speichert</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 führt %2 Kabelnetze auf: Behalten Sie das dieser Liste</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>die Frequenz %1 ist kein terrestrischer Träger in Hz</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>ein [CHANNEL] ohne FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 führt terrestrische Multiplexe auf, die dieses Modell nicht speichert</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 führt %2 terrestrische Regionen auf: Behalten Sie die dieser Liste</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Merge from</source>
        <translation>Zusammenführen aus</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Ungenutzte löschen</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Einem Anbieter zuordnen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Hierher verschieben</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Umsortieren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Auf Satellit ablegen</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Auf Multiplex ablegen</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Auf Transponder ablegen</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Auf Anbieter ablegen</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Zur Favoritenliste hinzufügen</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Genre festlegen</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Doppelte löschen</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Nach Muster umbenennen</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Sortieren und neu nummerieren</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Ungenutzte entfernen</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Favoritenliste umbenennen</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Favoritenliste leeren</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Favoritenliste löschen</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Neuer Satellit</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Neuer Transponder</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Neuer Multiplex</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Neuer Anbieter</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Satellit ändern</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Transponder ändern</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Multiplex ändern</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Anbieter ändern</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Transponder verschieben</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Arbeitsmappe importieren</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Referenzliste anwenden</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Tabelle „%1“, Zeile %2, Spalte %3 (%4): „%5“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Tabelle „%1“, Zeile %2, Spalte %3 (%4): %5 liegt außerhalb von %6 bis %7</translation>
    </message>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Zeile %1, Feld %2: Der Text in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Zeile %1, Feld %2: ein Anführungszeichen in einem Feld, das nicht mit einem beginnt</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Zeile %1, Feld %2: Text nach dem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Zeile %1, Feld %2: länger als %3 Zeichen</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>Zeile %1 hat %2 Felder; die Sendertabelle hat %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Zeile %1, Feld %2 (%3): „%4“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Zeile %1, Feld %2 (%3): %4 liegt außerhalb von %5 bis %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Tabelle „%1“, Zeile %2, Spalte %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Zeile %1, Feld %2 (%3): %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen …</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Ein beim Empfangen oder Senden gesichertes Abbild öffnen</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Nach dem Senden prüfen</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>Nach dem Senden das Abbild zurückempfangen und vergleichen</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>Gegenüber dem zuletzt von diesem Receiver empfangenen oder an ihn gesendeten Abbild (%1):</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Was sich ändert</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Keine aufbewahrte Kopie dieses Receivers stimmt mit ihrer Prüfsumme überein: Das Senden wird nicht verglichen.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>Die neueste aufbewahrte Kopie dieses Receivers (%1) stimmt nicht mehr mit ihrer Prüfsumme überein; stattdessen mit der vom %2 verglichen.</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Prüfen: Empfangen vom Receiver</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>Das Senden kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>das Abbild kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Prüfung fehlgeschlagen</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>Der Receiver speichert eine Senderliste, die von der gesendeten abweicht:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft: alles richtig übertragen</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>Vom Abbild kann keine Sicherung angelegt werden: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Diese Sicherung stammt von Modell %1. Als Datenbank für Modell %1 öffnen? Das Fenster arbeitet dann bis zum nächsten Start mit Modell %1.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>Die empfangene Liste wurde nicht geöffnet; sie ist bei den Sicherungen aufbewahrt (Receiver → Wiederherstellen …).</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Gesichert am</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Nach dem Senden zurückgelesen</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Prüfsumme %1</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (anderes Modell)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Neu ...       	Strg+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Ändern ...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Löschen       	Entf</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Kopieren      	Strg+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Einfügen      	Strg+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Hierher verschieben</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Zur Favoritenliste hinzufügen</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Sperren ...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Überspringen ...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Auswählen ...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Alle auswählen  Strg+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrte</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>Verschlüsselte</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen ...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Beschreibung ...	Eingabe</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Sollen die ausgewählten Einträge gelöscht werden?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>%n Sender löschen?</numerusform>
            <numerusform>%n Sender löschen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGridModel</name>
    <message>
        <source>CAS</source>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Tuner</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCheckCommands</name>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Die Senderliste auf das prüfen, was der Receiver speichern kann</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Mit Datei vergleichen …</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Zeigen, was sich von einer Senderdatei zur geöffneten Senderliste ändert</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Trotzdem senden?</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Was sich ändert</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Binärdatei (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>Von %1 zur geöffneten Senderliste:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Kein Anbieter</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Einem Anbieter zuordnen</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>Die Sender von Anbieter %1, den es nicht gibt, kommen zu:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Sender filtern</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Alle angezeigten auswählen</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Doppelte suchen ...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Nach Muster umbenennen ...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Sortieren und neu nummerieren ...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Ungenutzte entfernen ...</translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Bitte zuerst die umzubenennenden Sender auswählen.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>%n doppelter Sender gelöscht</numerusform>
            <numerusform>%n doppelte Sender gelöscht</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>%n ungenutzter Eintrag entfernt</numerusform>
            <numerusform>%n ungenutzte Einträge entfernt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>Find duplicates</source>
        <translation>Doppelte suchen</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>Die niedrigste Nummer</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>HD vor SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>Frei empfangbar vor verschlüsselt</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>Den in einer Favoritenliste</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Behalten:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Doppelte löschen</translation>
    </message>
    <message>
        <source>same service</source>
        <translation>gleicher Dienst</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>gleicher Name</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Gruppe %1: %2</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Keine Doppelten.</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>SD- und HD-Fassung eines Namens</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>SD- und HD-Fassungen als doppelt zählen</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>%n Gruppe angekreuzt</numerusform>
            <numerusform>%n Gruppen angekreuzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>%n Sender wird gelöscht, je einer pro Gruppe bleibt.</numerusform>
            <numerusform>%n Sender werden gelöscht, je einer pro Gruppe bleibt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Alle Favoritenlisten des Receivers sind belegt: Bitte zuerst eine leeren oder löschen.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Neue Liste ...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen ...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>Alle Sender aus %1 herausnehmen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>Die Favoritenliste %1 löschen? Ihre Sender bleiben in der Liste.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Any frequency</source>
        <translation>Jede Frequenz</translation>
    </message>
    <message>
        <source>Filter channels by name</source>
        <translation>Sender nach Namen filtern</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Reg. Ausdruck</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Alle angezeigten auswählen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder oder Multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Favoritenliste</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV oder Radio</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV und Radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Nur TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Nur Radio</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>Verschlüsselt oder frei</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Frei empfangbar</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Gesperrt oder nicht</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>Nicht gesperrt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Übersprungen oder nicht</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>Nicht übersprungen</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Alle Satelliten</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Alle Anbieter</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>In einer Liste oder nicht</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>In einer Favoritenliste</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>In keiner Favoritenliste</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Kein regulärer Ausdruck: %1</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Weitere</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Weitere (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Neu nummerieren</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>Angehakte Doppelte entfernen</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Ungenutzte löschen</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Einem Anbieter zuordnen …</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Beheben</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>Keine Fehler gefunden.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Befunde</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Schwere</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>An mehrere Receiver senden</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>An diesem Anschluss wiederholen</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>Anschluss &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>&amp;Anderer Anschluss:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Receiver-Version</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Anha&amp;lten</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>&amp;Bericht speichern …</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Haken Sie die Anschlüsse der Receiver an, an die gesendet werden soll.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>Die Berichtszeile wurde nicht in das Protokoll im Sicherungsordner eingetragen: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Noch kein Receiver ist fertig: Der Bericht ist leer.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>bericht.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Der Bericht wurde nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Chanforge-Anleitung</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>Die Anleitung ist nicht neben dem Programm installiert.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Anbieter</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoriten</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satellit</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multiplex-Informationen</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multiplexe</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kabel-Multiplexe</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Neu ...	Strg+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Ändern ...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Löschen	Entf</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Beschreibung ...	Eingabe</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>Satellit %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>Transponder %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Sollen die ausgewählten Einträge gelöscht werden?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>%1 und seinen %n Sender löschen?</numerusform>
            <numerusform>%1 und seine %n Sender löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>%n Satellit und seine %1 löschen?</numerusform>
            <numerusform>%n Satelliten und ihre %1 löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>%n Transponder und seine %1 löschen?</numerusform>
            <numerusform>%n Transponder und ihre %1 löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>%n Multiplex und seine %1 löschen?</numerusform>
            <numerusform>%n Multiplexe und ihre %1 löschen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n Sender</numerusform>
            <numerusform>%n Sender</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Sender</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Jetzt angezeigt: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Favoritenliste</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Sender:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV und Radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Nur TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Nur Radio</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>&amp;Arten:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Spalten:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>Nach &amp;Nummer</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>Nach Na&amp;me</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Reihenfolge:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Spalten pro Sei&amp;te:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, durch die Filterleiste eingegrenzt</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen ...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Eine vorhandene Senderliste öffnen</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;Speichern als Datei ...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Als Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>C-Tabelle &amp;exportieren ...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Die Sendertabelle als C-Quelltext schreiben</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Das Programm schließen</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Empfangen</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Senderliste vom Receiver empfangen</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>Sen&amp;den</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>An &amp;mehrere Receiver senden …</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Die Senderliste an alle angehakten Anschlüsse zugleich senden, jeden geprüft</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Senderliste an den Receiver senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Konfiguration (Receivermodell) ...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Das Receivermodell wählen</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Alles aktualisieren</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>&amp;Einfache Spalten</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>ID- und PID-Spalten ausblenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederholen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>Die Tasten des Fensters, der Tabellen und Listen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Neuer Sender ...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Sender ändern ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Hierher verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrte</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>Verschlüsselte</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Suchen ...</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>&amp;Einträge</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Neuer Satellit ...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Neuer Transponder ...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Neuer Kabel-Multiplex ...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Neuer Anbieter ...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>&amp;Receiver</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge für %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Strg + Doppelklick: Konfiguration · Umschalt + Doppelklick: C-Tabelle exportieren</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Receivermodell nicht festgelegt</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>%1 rückgängig machen (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>%1 wiederholen (Strg+Y)</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>Die Senderliste hat ungespeicherte Änderungen. Jetzt speichern?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Senderdaten speichern</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Lokale Datei (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>Excel-Datei (*.xls)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>Die Arbeitsmappe enthält nur die Sender: Als Senderdatei speichern, um die übrigen Änderungen zu behalten</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Senderdaten laden</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Binärdatei (*.bin)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Über Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge Version %1 (Build: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Senderlisten-Editor für digitale TV-Receiver.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Das Programm muss jetzt neu gestartet werden.</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Standard-Senderdaten speichern</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>Lokale Datei (*.h)</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>Die Anleitung für den Betrieb: Empfangen, Bearbeiten, Prüfen, Senden</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Window
  Ctrl+O  Open    Ctrl+S  Save to file    Ctrl+R  Receive    Ctrl+T  Send
  Ctrl+Z  Undo    Ctrl+Y  Redo    F5  Refresh    Ctrl+P  Print    Ctrl+Q  Quit
  F6, Shift+F6  next, previous pane    Tab, Shift+Tab  next, previous list
Channel grids
  Ctrl+N  New    Ctrl+C  Copy    Ctrl+V  Paste    Del  Delete    Ctrl+F  Search
  F3, Shift+F3  next, previous channel named as searched
  Enter or double click  Description    drag  move, or drop on a list or group
  Ctrl+Shift+F  Filter channels    Ctrl+H  Rename by pattern
Satellite, transponder, cable and provider lists
  Ctrl+N  New    Del  Delete    Enter or double click  Description
Title bar or toolbar
  Ctrl + double click  Configuration    Shift + double click  Export C table</source>
        <translation>Fenster
  Strg+O  Öffnen    Strg+S  Als Datei speichern    Strg+R  Empfangen    Strg+T  Senden
  Strg+Z  Rückgängig    Strg+Y  Wiederholen    F5  Aktualisieren    Strg+P  Drucken    Strg+Q  Beenden
  F6, Umschalt+F6  nächster, vorheriger Bereich    Tab, Umschalt+Tab  nächste, vorherige Liste
Sendertabellen
  Strg+N  Neu    Strg+C  Kopieren    Strg+V  Einfügen    Entf  Löschen    Strg+F  Suchen
  F3, Umschalt+F3  nächster, vorheriger Sender mit dem gesuchten Namen
  Eingabe oder Doppelklick  Beschreibung    Ziehen  verschieben oder auf Liste oder Gruppe ablegen
  Strg+Umschalt+F  Sender filtern    Strg+H  Nach Muster umbenennen
Satelliten-, Transponder-, Kabel- und Anbieterlisten
  Strg+N  Neu    Entf  Löschen    Eingabe oder Doppelklick  Beschreibung
Titelleiste oder Werkzeugleiste
  Strg + Doppelklick  Konfiguration    Umschalt + Doppelklick  C-Tabelle exportieren</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>%n Sender nach %1 verschoben</numerusform>
            <numerusform>%n Sender nach %1 verschoben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>%n Sender %1 zugeordnet</numerusform>
            <numerusform>%n Sender %1 zugeordnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>%n Sender zu %1 hinzugefügt</numerusform>
            <numerusform>%n Sender zu %1 hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>%n Sender auf %1 gesetzt</numerusform>
            <numerusform>%n Sender auf %1 gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>%n Sender nicht verschoben: %1 hat keinen Transponder mit derselben Frequenz und Polarisation</numerusform>
            <numerusform>%n Sender nicht verschoben: %1 hat keinen Transponder mit derselben Frequenz und Polarisation</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>CSV-Datei, durch Komma getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>CSV-Datei, durch Semikolon getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>CSV-Datei, durch Tabulator getrennt (*.csv)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Nächster Bereich</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Vorheriger Bereich</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>HTML-Datei (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken ...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Die Senderliste drucken</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau ...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Die gedruckte Senderliste Seite für Seite zeigen</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF ...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Die Senderliste als PDF-Dokument schreiben</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV ...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Die Senderliste als CSV für Tabellenkalkulationen schreiben</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML ...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Die Senderliste als Webseite schreiben</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Der Drucker kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Senderliste drucken</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Senderliste exportieren</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>&amp;Referenzliste anwenden …</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Die Sender so nummerieren, gruppieren, sperren und überspringen wie eine andere Liste</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>Für ein &amp;anderes Modell speichern …</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Diese Senderliste im Format eines anderen Receivermodells schreiben</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Referenzliste</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Referenzlisten (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>Das Receivermodell, für das die Referenz-Senderliste ist:</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Für ein anderes Modell speichern: das Modell</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Für Modell %1 speichern: die Datei</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Die Senderliste schreiben für:</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Lokale Datei (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>Für %1 gespeichert. Die Datei lässt sich öffnen, sobald dieses Modell in der Konfiguration gewählt ist.</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>Die Referenz als Modell %1 lesen?</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>gleicher Träger und Dienst</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>Dienst- und Stream-IDs</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>Name (unsicher)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>Name mit oder ohne HD (unsicher)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>Favoriten %1 → %2</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>Liste %1</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>entsperrt</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>nicht übersprungen</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>Name „%1“</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Referenzliste anwenden: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Zugeordneter Sender</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Ändert außerdem</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Referenzeinträge</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Sender ohne Zuordnung</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Konflikte und Hinweise</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>&amp;Beginnen bei</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Nach den zugeordneten behalten</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>Sender &amp;ohne Zuordnung</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>&amp;Lücken schließen</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>&amp;Namen übernehmen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Gleicher Sender</translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>„%1“ entspricht Sender %2 „%3“, den „%4“ behält: er ändert nichts</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Nummer belegt</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>„%1“ erhält %2: %3 ist belegt</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>„%1“ möchte %2, belegt von „%3“: er erhält %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>„%1“ möchte %2, die der unverändert gelassene Sender „%3“ behält: er erhält %4</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Liste nicht gespeichert</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Zeile nicht gelesen</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>Namen passend &amp;kürzen</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>„%1“ ist länger, als dieser Receiver speichert: abgelehnt</translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>Nach dem Kürzen gleicher Name</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>„%1“ wird auf „%2“ gekürzt, wie ein anderer Name</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n Referenzsender:</numerusform>
            <numerusform>%n Referenzsender:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>%1 zugeordnet (%2 nur über den Namen, bitte prüfen; %3 im Konflikt), %4 ohne Zuordnung.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>%n Sender dieser Liste ohne Eintrag.</numerusform>
            <numerusform>%n Sender dieser Liste ohne Eintrag.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>%n Zeile ausgelassen: dort ändert sich nichts.</numerusform>
            <numerusform>%n Zeilen ausgelassen: dort ändert sich nichts.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>Favoritenliste %1 „%2“ (%n Sender) liegt jenseits der Listen, die dieser Receiver speichert</numerusform>
            <numerusform>Favoritenliste %1 „%2“ (%n Sender) liegt jenseits der Listen, die dieser Receiver speichert</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>ausgelassen: bleibt, wie er ist</translation>
    </message>
    <message>
        <source>%1, as it is</source>
        <translation>%1, unverändert</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>%n Name kann dieser Receiver nicht speichern (zu lang oder mit einem Zeichen, das die Zeichentabelle des Kanals nicht kennt): „Namen passend kürzen“ ankreuzen, die Namen lassen, wie sie sind, oder diese Zeilen auslassen.</numerusform>
            <numerusform>%n Namen kann dieser Receiver nicht speichern (zu lang oder mit einem Zeichen, das die Zeichentabelle des Kanals nicht kennt): „Namen passend kürzen“ ankreuzen, die Namen lassen, wie sie sind, oder diese Zeilen auslassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Name abgelehnt</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Zeichen ersetzt</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>„%1“ wird als „%2“ gespeichert: %n seiner Zeichen fehlt in der Zeichentabelle des Kanals</numerusform>
            <numerusform>„%1“ wird als „%2“ gespeichert: %n seiner Zeichen fehlen in der Zeichentabelle des Kanals</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Nach Muster umbenennen</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... setzen eine Gruppe des regulären Ausdrucks wieder ein</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Ersetzen durch:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Schreibweise beibehalten</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>GROSSBUCHSTABEN</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>kleinbuchstaben</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Erster Buchstabe Groß</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Name jetzt</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>nichts übrig: abgelehnt</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>Zeichen, die der Receiver nicht anzeigen kann</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Kein regulärer Ausdruck: %1</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Namen passend kürzen</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>länger, als der Receiver speichert: abgelehnt</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>gekürzt auf „%1“</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>nach dem Kürzen gleich wie eine andere Zeile</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n Name bliebe leer: Umbenennen abgelehnt.</numerusform>
            <numerusform>%n Namen blieben leer: Umbenennen abgelehnt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>%n Name ist länger, als der Receiver speichert: Umbenennen abgelehnt.</numerusform>
            <numerusform>%n Namen sind länger, als der Receiver speichert: Umbenennen abgelehnt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Er speichert %n Zeichen. Ersetzung kürzen, „Namen passend kürzen“ ankreuzen oder diese Zeilen auslassen.</numerusform>
            <numerusform>Er speichert %n Zeichen. Ersetzung kürzen, „Namen passend kürzen“ ankreuzen oder diese Zeilen auslassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>%n angekreuzter Name ändert sich.</numerusform>
            <numerusform>%n angekreuzte Namen ändern sich.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n Name wird auf das gekürzt, was der Receiver speichert.</numerusform>
            <numerusform>%n Namen werden auf das gekürzt, was der Receiver speichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>%n Name enthält Zeichen, die der Receiver nicht anzeigen kann.</numerusform>
            <numerusform>%n Namen enthalten Zeichen, die der Receiver nicht anzeigen kann.</numerusform>
        </translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>enthält %1, das die Zeichentabelle des Kanals nicht kennt: abgelehnt</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>%n Name mit Zeichen, die die Zeichentabelle des Kanals nicht kennt: Umbenennen abgelehnt. „Namen passend kürzen“ ankreuzen, um sie als „?“ zu speichern, oder diese Zeilen auslassen.</numerusform>
            <numerusform>%n Namen mit Zeichen, die die Zeichentabelle des Kanals nicht kennt: Umbenennen abgelehnt. „Namen passend kürzen“ ankreuzen, um sie als „?“ zu speichern, oder diese Zeilen auslassen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Sender</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Nur TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Nur Radio</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>Kein Sender mit dem Namen „%1“</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Sortieren und neu nummerieren</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Jeder Sender erhält in dieser Reihenfolge eine neue Nummer; der erste angehakte Schlüssel entscheidet zuerst. Zum Umordnen ziehen oder die Schaltflächen benutzen.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder oder Multiplex</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Verschlüsselte zuletzt</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>Keine Senderliste geöffnet</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Empfangen Sie die Senderliste über das serielle Kabel vom Receiver oder öffnen Sie eine gespeicherte Senderdatei oder Arbeitsmappe. Die Anleitung erklärt jeden Schritt.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Vom Receiver empfangen ...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Datei öffnen ...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Anleitung lesen</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>TV %1 von %2 · Radio %3 von %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>Alle &amp;ankreuzen</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Keine ankreuzen</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>&amp;Transponder aktualisieren …</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Die Transponder eines Satelliten nach satellites.xml oder einer Suchlauftabelle aktualisieren</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Transponder aktualisiert</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Transponder aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>&amp;Satellit:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Datei …</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>&amp;Tabelle:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>In der Liste</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>In der Tabelle</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Transpondertabelle</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Transpondertabellen (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (Suchlauftabelle des Systems)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>Die Liste hat keinen Satelliten.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Wählen Sie eine Tabelle: satellites.xml oder eine DVB-Suchlauftabelle.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>Die Transponder sind so, wie die Tabelle sie aufführt.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Geändert: %1, neu: %2, gelöscht: %3.</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Terrestrische Multiplexe</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Ausgelassen: Zeile %1: %2 liegt auf keinem freien Kanal des Kanalrasters des Landes</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Ungenutzte entfernen</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Satelliten ohne genutzte Transponder (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Transponder, die kein Sender nutzt (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Multiplexe, die kein Sender nutzt (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Kabel-Multiplexe, die kein Sender nutzt (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Anbieter, die kein Sender nennt (%1)</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>Alles wird genutzt.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>%n Eintrag wird entfernt.</numerusform>
            <numerusform>%n Einträge werden entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>%n Satellit bleibt für einen Transponder, der bleibt.</numerusform>
            <numerusform>%n Satelliten bleiben für Transponder, die bleiben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>Die Arbeitsdatei kann im temporären Ordner nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Anbieter:</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>Video-PID:</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>Audio-PID:</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>PCR-PID:</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>Service-ID:</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>The name holds %1, which the channel&apos;s character table cannot hold.</source>
        <translation>Der Name enthält %1, das die Zeichentabelle des Kanals nicht kennt.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transponder:</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Sendernummer:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCableMuxAddUpdate</name>
    <message>
        <source>Mux</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Modulation:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Receivermodell:</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Spaltenliste:</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Ausführlich</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Mux</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Sender</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>Multiplex:</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>Logische Nummer:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Empfangen vom Receiver</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Suchen ...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Senden an den Receiver</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgTPAddUpdate</name>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellit:</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequenz:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbolrate:</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>TS-ID:</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Drift:</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarisation:</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC:</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>Übertragung:</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Modulation:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS-ID</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Drift</translation>
    </message>
</context>
<context>
    <name>qpui::CSatelliteEditor</name>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Satellitenname:</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Tuner %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>SAT A</source>
        <translation>SAT A</translation>
    </message>
    <message>
        <source>SAT B</source>
        <translation>SAT B</translation>
    </message>
    <message>
        <source>C/Ku switch :</source>
        <translation>C/Ku-Umschaltung:</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>LNB-Frequenz:</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>LNB-Frequenz (eigene):</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>C-LNB-Frequenz:</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>C-LNB-Frequenz (eigene):</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>LNB-Versorgung:</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 kHz:</translation>
    </message>
    <message>
        <source>Tone Burst :</source>
        <translation>Tone Burst:</translation>
    </message>
    <message>
        <source>DiSEqC :</source>
        <translation>DiSEqC:</translation>
    </message>
    <message>
        <source>Motor Pos :</source>
        <translation>Motorposition:</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (Tuner %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>LNB-Frequenz (eigene)</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>C-LNB-Frequenz (eigene)</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Motorposition</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Noch keine Antwort. Bitte prüfen, ob der Receiver eingeschaltet ist, sein Download-Menü zeigt und an der gewählten Schnittstelle angeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>Schnittstelle:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>Block %1 von %2</translation>
    </message>
</context>
<context>
    <name>qpui::DescriptionText</name>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Univ. LNB1(9750,10600)</source>
        <translation>Univ. LNB1(9750,10600)</translation>
    </message>
    <message>
        <source>Univ. LNB2(9750,10750)</source>
        <translation>Univ. LNB2(9750,10750)</translation>
    </message>
    <message>
        <source>C Single Solu.(5150,5750)</source>
        <translation>C-Einzel-LNB(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C-Standard-LNB(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTOR</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Untere Frequenz : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Untere Frequenz(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Obere Frequenz : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Obere Frequenz(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Motorposition : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Motorposition(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB unten : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB unten(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB oben : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB oben(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>C/Ku-Umschaltung : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>C/Ku-Umschaltung(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>DiSEqC-Modus : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>DiSEqC-Modus(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>LNB-Versorgung : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>LNB-Versorgung(T%1) : %2</translation>
    </message>
    <message>
        <source>22KHz : %1</source>
        <translation>22 kHz : %1</translation>
    </message>
    <message>
        <source>22KHz(T%1) : %2</source>
        <translation>22 kHz(T%1) : %2</translation>
    </message>
    <message>
        <source>Tone Burst : %1</source>
        <translation>Tone Burst : %1</translation>
    </message>
    <message>
        <source>Tone Burst(T%1) : %2</source>
        <translation>Tone Burst(T%1) : %2</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>Name : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Position : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Frequenz    	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Symbolrate  	: %1 kS/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS-ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Drift       	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Polarisation	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>FEC         	: %1</source>
        <translation>FEC         	: %1</translation>
    </message>
    <message>
        <source>Signal      	: %1</source>
        <translation>Signal      	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>Übertragung       	: %1    		Modulation      	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Pilotton          	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Multiplex-Name : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Frequenz : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>Übertr.-Modus : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>Coderate  : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Konstell. : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>Schutzint.: %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Priorität : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Tuner	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Sendername : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>Service-ID : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>Video-PID : %1</translation>
    </message>
    <message>
        <source>Audio PID : %1</source>
        <translation>Audio-PID : %1</translation>
    </message>
    <message>
        <source>PCR PID   : %1</source>
        <translation>PCR-PID   : %1</translation>
    </message>
    <message>
        <source>Audio	: %1</source>
        <translation>Tonspuren	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Untertitel : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Videotext  : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>Art  	: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>CAS  	: %1</source>
        <translation>CAS  	: %1</translation>
    </message>
    <message>
        <source>Lock 	: %1</source>
        <translation>Gesperrt	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Übersprungen	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Anbieter : %1</translation>
    </message>
</context>
<context>
    <name>qpui::MessageBox</name>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen …</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 muss eine Zahl von %2 bis %3 sein.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Dieses Modell kann den Kanal nicht aufnehmen</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>Die Satellitentabelle ist voll</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Dieses Modell speichert keine Satelliten</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>Die Transpondertabelle ist voll</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Dieses Modell speichert keine Transponder</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>Die Multiplextabelle ist voll</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Dieses Modell speichert keine terrestrischen Multiplexe</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Dieses Modell speichert keine Kabel-Multiplexe</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>Die Anbietertabelle ist voll</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Dieses Modell speichert keine Anbieter</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>Die Kanaltabelle ist voll</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Dieses Modell speichert keine Kanäle</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Sein Satellit fehlt in der anderen Liste, wie dieses Modell sie aufnimmt</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Sein Transponder fehlt in der anderen Liste, wie dieses Modell sie aufnimmt</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Alle IDs, die dieses Modell für einen solchen Eintrag hat, sind vergeben</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>Für ihn ist keine Kanalnummer seiner Art mehr frei</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Schon vorhanden</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>Nicht hinzufügbar</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multiplexe</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>gefunden über Träger und Dienst</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>gefunden über Dienst- und Stream-IDs</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>gefunden über den Namen</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Zusammenführen aus %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>Nummer hier</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Kanäle der anderen Liste</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Anzulegende Einträge</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>Nach dem letzten ihrer Art</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Ihre Nummern behalten, wo frei</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Lücken füllen</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>N&amp;ummern der hinzugefügten Kanäle</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Alle Satelliten</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV und Radio</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Show &amp;only</source>
        <translation>Nur &amp;zeigen</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>Schon vorhandene Kanäle übernehmen:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Sperren und Überspringen</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Favoriten</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>Na&amp;men</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>Hinzuzufügen: %1. Zu aktualisieren: %2. Schon vorhanden: %3. Nicht hinzufügbar: %4. Anzulegende Einträge: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 von %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>Nach dem Anwenden: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestrisch</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kabel</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>Sperren und Überspringen</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>Zusa&amp;mmenführen aus …</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Die Kanäle einer anderen Liste mit ihren Satelliten und Transpondern hinzufügen</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Zusammenführen aus</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Kanallisten (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>Die Kanaldatei zur Arbeitsmappe</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Lokale Datei (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>Die andere Liste als Modell %1 lesen?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>Die andere Liste lässt sich nicht in die Aufteilung dieses Modells bringen.</translation>
    </message>
</context>
</TS>
