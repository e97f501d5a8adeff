<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Fav</source>
        <extracomment>Column header: the channel&apos;s position in the favourite group shown (a number).</extracomment>
        <translation>Fav</translation>
    </message>
    <message>
        <source>SatID</source>
        <extracomment>Column header: id of the channel&apos;s satellite record. Keep it short.</extracomment>
        <translation>SatID</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the channel&apos;s transponder (carrier) record.</extracomment>
        <translation>TPID</translation>
    </message>
    <message>
        <source>CH#</source>
        <extracomment>Column header: channel number (the receiver&apos;s programme number).</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>VPID</source>
        <extracomment>Column header: video packet id (PID) of the stream; usually kept as is.</extracomment>
        <translation>VPID</translation>
    </message>
    <message>
        <source>APID</source>
        <extracomment>Column header: audio packet id (PID) of the stream; usually kept as is.</extracomment>
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
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>« %1 » contient %2, que la table de caractères de la chaîne ne connaît pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>« %1 » dépasse les %2 caractères que le récepteur garde d&apos;un nom</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>chaîne TV %1 « %2 »</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>chaîne radio %1 « %2 »</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>La %1 désigne le satellite %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>La %1 désigne le multiplex %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>La %1 désigne le transpondeur %2 du satellite %3, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>La %1 désigne le transpondeur %2 du satellite %3, mais ce transpondeur appartient au satellite %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>Le transpondeur %1 MHz (id %2) désigne le satellite %3, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>La %1 désigne le fournisseur %2, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>%1 chaînes diffusent le service %2 du transpondeur %3 (satellite %4) : %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>Les numéros des chaînes TV sautent de %1 à %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>Le numéro de chaîne TV %1 est pris par %2 chaînes</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>Les numéros des chaînes radio sautent de %1 à %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>Le numéro de chaîne radio %1 est pris par %2 chaînes</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>Le nom de la %1 contient l&apos;octet %2, que le récepteur ne peut pas afficher</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>La %1 n&apos;a pas de nom : le récepteur la prend pour un emplacement vide et la supprime</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>La %1 n&apos;a que des espaces pour nom</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>satellite « %1 »</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>fournisseur « %1 »</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>groupe de favoris « %1 »</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>Le nom du %1 contient l&apos;octet %2, que le récepteur ne peut pas afficher</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>Le nom du %1 est coupé en « %2 » : le récepteur garde %3 octets</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>La table des groupes de favoris a %1 entrées, mais son bloc flash n&apos;en contient que %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>La table des satellites a %1 entrées, mais son bloc flash n&apos;en contient que %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>La table des fournisseurs a %1 entrées, mais son bloc flash n&apos;en contient que %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>La table des transpondeurs a %1 entrées, mais son bloc flash n&apos;en contient que %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>La table des multiplex câble a %1 entrées, mais son bloc flash n&apos;en contient que %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>La table des chaînes a %1 entrées, mais son bloc flash n&apos;en contient que %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>Le groupe de favoris %1 « %2 » est au-delà des %3 groupes que garde le récepteur</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>Le groupe de favoris %1 contient %n chaîne, au-delà des %2 groupes que garde le récepteur</numerusform>
            <numerusform>Le groupe de favoris %1 contient %n chaînes, au-delà des %2 groupes que garde le récepteur</numerusform>
        </translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Les id de transpondeur ont atteint %1, au-delà de 255 : les nouveaux transpondeurs reçoivent des id que le récepteur ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>%1 n&apos;est utilisé par aucune chaîne</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Transpondeur %1 MHz (id %2) du satellite %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Multiplex câble %1 kHz (id %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modifié</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 supprimé</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 ajouté</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Satellite %1 « %2 »</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Fournisseur %1 « %2 »</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Groupe de favoris %1 « %2 »</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>désormais verrouillée</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>plus verrouillée</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>désormais cryptée</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>plus cryptée</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>désormais sautée</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>plus sautée</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>ajoutée au groupe de favoris %1</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>retirée du groupe de favoris %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 à %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multiplex %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, id de transpondeur %2</translation>
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
        <translation>satellite %1</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>La %1 supprimée</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>La %1 ajoutée</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>La %1 déplacée en TV %2</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>La %1 déplacée en radio %2</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>La %1 déplacée de %2 à %3</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>La %1 renommée en « %2 »</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>La %1 : %2</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>La %1 modifiée : %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>%1 chaînes TV renumérotées dans leur ordre</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>%1 chaînes radio renumérotées dans leur ordre</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>Le récepteur contient 1 octet qui diffère de ce qui a été envoyé, dans le bloc %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>Le récepteur contient %1 octets qui diffèrent de ce qui a été envoyé, dans le bloc %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>Le récepteur contient %1 octets qui diffèrent de ce qui a été envoyé, dans les blocs %2</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>Le satellite, le transpondeur ou le fournisseur de %n chaîne manque dans cette liste : ouvrez d&apos;abord le fichier de chaînes du récepteur.</numerusform>
            <numerusform>Le satellite, le transpondeur ou le fournisseur de %n chaînes manque dans cette liste : ouvrez d&apos;abord le fichier de chaînes du récepteur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Satellite manquant</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Transpondeur manquant</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Transpondeur d&apos;un autre satellite</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Fournisseur manquant</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Chaîne en double</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Trou dans la numérotation</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Numéro pris deux fois</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Caractère non affiché</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Chaîne sans nom</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Trop de groupes de favoris</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Groupe de favoris non gardé</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Table pleine</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Transpondeur inutilisé</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Multiplex inutilisé</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>Id de transpondeur épuisés</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestres</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex câble</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Groupes de favoris</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajouté</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renommé</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Attributs modifiés</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>modèle configuré</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>modèle %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>en tant que %1, il contient %2 satellites, %3 transpondeurs ou multiplex et %4 chaînes</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>en tant que %1, il est illisible</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>en tant que %1, il ne contient rien</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>en tant que %1, %2 de ses %3 entrées n&apos;ont pas de sens</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Ce fichier ressemble à une liste de chaînes du %1, pas du %2 : %3 ; %4.</translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
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
        <translation>Utilisateur</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>Les groupes de favoris %1 sont au-delà des %2 groupes que garde l&apos;autre modèle</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>1 satellite ne peut pas être écrit : l&apos;autre modèle ne garde aucun satellite</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>%1 satellites ne peuvent pas être écrits : l&apos;autre modèle ne garde aucun satellite</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>1 transpondeur ne peut pas être écrit : l&apos;autre modèle ne garde aucun transpondeur</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>%1 transpondeurs ne peuvent pas être écrits : l&apos;autre modèle ne garde aucun transpondeur</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>1 multiplex câble ne peut pas être écrit : l&apos;autre modèle ne garde aucun multiplex câble</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>%1 multiplex câble ne peuvent pas être écrits : l&apos;autre modèle ne garde aucun multiplex câble</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>1 multiplex terrestre ne peut pas être écrit : l&apos;autre modèle n&apos;a pas de tuner terrestre de ce type</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>%1 multiplex terrestres ne peuvent pas être écrits : l&apos;autre modèle n&apos;a pas de tuner terrestre de ce type</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>La partie terrestre (satellite 1) ne peut pas être écrite : l&apos;autre modèle n&apos;a pas de tuner terrestre de ce type</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Le satellite 1 serait lu comme la partie terrestre de l&apos;autre modèle (satellite 1)</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 transpondeur du satellite 1 serait lu comme la partie terrestre de l&apos;autre modèle (satellite 1)</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 transpondeurs du satellite 1 seraient lus comme la partie terrestre de l&apos;autre modèle (satellite 1)</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 chaîne du satellite 1 serait lue comme la partie terrestre de l&apos;autre modèle (satellite 1)</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 chaînes du satellite 1 seraient lues comme la partie terrestre de l&apos;autre modèle (satellite 1)</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>1 chaîne sur des fréquences satellite ne peut pas être écrite : l&apos;autre modèle n&apos;a pas de tuner satellite</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>%1 chaînes sur des fréquences satellite ne peuvent pas être écrites : l&apos;autre modèle n&apos;a pas de tuner satellite</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>1 chaîne terrestre ne peut pas être écrite : l&apos;autre modèle n&apos;a pas de tuner terrestre</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>%1 chaînes terrestres ne peuvent pas être écrites : l&apos;autre modèle n&apos;a pas de tuner terrestre</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>1 chaîne câble ne peut pas être écrite : l&apos;autre modèle n&apos;a pas de tuner câble</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>%1 chaînes câble ne peuvent pas être écrites : l&apos;autre modèle n&apos;a pas de tuner câble</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>1 satellite a des réglages du second tuner que l&apos;autre modèle, à un seul tuner, ne peut pas garder</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>%1 satellites ont des réglages du second tuner que l&apos;autre modèle, à un seul tuner, ne peut pas garder</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Impossible de lire l&apos;en-tête du fichier. Continuer ?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Impossible d&apos;ouvrir le fichier de version, ou fichier non valide</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Impossible d&apos;enregistrer le fichier de chaînes</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Les données à envoyer sont vides ou non valides</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>Impossible d&apos;écrire le fichier de travail dans le dossier temporaire</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>Impossible d&apos;ouvrir le classeur</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>Impossible d&apos;ouvrir le classeur : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>Pas un classeur Excel 97-2003 lisible</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>Le classeur est protégé par un mot de passe</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>Le classeur a deux feuilles « Channel » : impossible de savoir laquelle remplacer</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>Le classeur n&apos;a pas de feuille « Channel »</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>Impossible d&apos;écrire le classeur</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>La feuille des chaînes contient des noms que le récepteur ne peut pas garder : corrigez-les dans les lignes indiquées, ou ouvrez-la avec les noms raccourcis</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Trop de chaînes pour une feuille (65535 au plus)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>La feuille des chaînes contient une valeur que sa colonne ne peut pas recevoir : corrigez-la dans le fichier</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>Le fichier CSV ne se lit pas comme la feuille des chaînes : corrigez-le à la ligne indiquée</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Ceci est un classeur Excel 2007 ou plus récent (.xlsx). Enregistrez-le en Excel 97-2003 (.xls) ou en CSV dans votre tableur.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Ceci est une feuille de calcul OpenDocument (.ods). Enregistrez-la en Excel 97-2003 (.xls) ou en CSV dans votre tableur.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Impossible de copier des chaînes TV vers les chaînes radio</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Impossible de copier des chaînes radio vers les chaînes TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Impossible de déplacer des chaînes TV vers les chaînes radio</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Impossible de déplacer des chaînes radio vers les chaînes TV</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>Impossible de renommer le groupe de favoris : nom trop long (19 caractères au plus)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>Le groupe de favoris n&apos;existe pas</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>Le nom est vide !</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Un nom de chaîne est plus long que ce que garde le récepteur : rien n&apos;a été modifié</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>Le satellite du transpondeur n&apos;existe pas</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>Impossible d&apos;ajouter un satellite : les id de satellite s&apos;arrêtent à 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>Impossible d&apos;ajouter un transpondeur à ce satellite : les id de transpondeur s&apos;arrêtent à 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>Impossible d&apos;ajouter un multiplex : les id de multiplex s&apos;arrêtent à 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>Impossible d&apos;ajouter un fournisseur : les id de fournisseur s&apos;arrêtent à 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>L&apos;entrée n&apos;a pas pu être enregistrée</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Satellite %1</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · transpondeur %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>Multiplex câble</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Multiplex câble %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Multiplex, canal %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Groupe de favoris %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Fournisseur %1</translation>
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
        <translation>attente du récepteur</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>envoi du bloc %1 sur %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>vérification</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>Le récepteur contient une liste différente de celle envoyée</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>vérifié</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Actualités et information</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Divertissement</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Jeunesse</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Fiction</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Arts</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Actualité</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Spécial</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Humour</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Documentaire</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the transponder (carrier) record.</extracomment>
        <translation>TPID</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>Sat ID</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Fréq.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Débit symb.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Fréq. (MHz)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>C.R.</source>
        <extracomment>Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.</extracomment>
        <translation>Rend.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>G.I.</source>
        <extracomment>Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.</extracomment>
        <translation>Int. garde</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>MUX</source>
        <extracomment>Column header, cable: number of the multiplex (the carrier), not a verb.</extracomment>
        <translation>MUX</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>NET ID</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>ORG NID</translation>
    </message>
    <message>
        <source>Const</source>
        <extracomment>Column header, cable: constellation (QAM order, e.g. 64 QAM). Abbreviate.</extracomment>
        <translation>Modul.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inversé</translation>
    </message>
    <message>
        <source>Mark</source>
        <extracomment>Column header, cable: the multiplex&apos;s marker flag (a check mark), not a brand.</extracomment>
        <translation>Marque</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Column header: number (the row&apos;s position), not the word &quot;no&quot;.</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID fournisseur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Transpondeur / multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Sautée</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
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
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Aucune chaîne</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Radio %1 « %2 »</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>TV %1 « %2 »</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Entrée %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, coupé en « %2 »</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Enregistrer pour un autre modèle</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 ne peut pas contenir tout ce que contient cette liste. Ces éléments ne sont pas écrits :</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>&amp;Enregistrer sans eux</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Ce modèle ne peut pas accueillir la chaîne</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>La table des satellites est pleine</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Ce modèle ne garde aucun satellite</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>La table des transpondeurs est pleine</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Ce modèle ne garde aucun transpondeur</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>La table des multiplex est pleine</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Ce modèle ne garde aucun multiplex terrestre</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Ce modèle ne garde aucun multiplex câble</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>La table des fournisseurs est pleine</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Ce modèle ne garde aucun fournisseur</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>La table des chaînes est pleine</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Ce modèle ne garde aucune chaîne</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Son satellite manque dans l&apos;autre liste lue au format de ce modèle</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Son transpondeur manque dans l&apos;autre liste lue au format de ce modèle</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Tous les id que ce modèle prévoit pour une telle entrée sont pris</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>Plus aucun numéro de chaîne de son type n&apos;est libre pour elle</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Déjà présente</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>Impossible à ajouter</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Nom du fournisseur : %1 (ID : %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>L&apos;ouvrir comme une liste du modèle %1 ? La fenêtre travaille alors en modèle %1 jusqu&apos;au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>pas trois champs N°;Nom;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>le numéro de programme n&apos;est pas un nombre de 0 à 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>les id ne sont pas trois nombres ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>le nom est vide</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>le nom est plus long que ne peut l&apos;être un nom de chaîne</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>La liste a été lue en UTF-8.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>La liste a été lue en Latin-1 : ses octets ne sont pas de l&apos;UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>Port série déjà ouvert ou déconnecté. Vérifiez l&apos;état du récepteur</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>Impossible d&apos;ouvrir ou de préparer le fichier temporaire</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Connexion au port série...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Échec de l&apos;envoi de la commande d&apos;écriture (script)</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Échec de l&apos;envoi de la commande d&apos;écriture</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>Échec de l&apos;envoi des données !</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Toutes les données ont été reçues.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>Fermer le port série connecté ?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Réception (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Envoi (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Éteignez puis rallumez le récepteur...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>Attente du redémarrage du récepteur...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Données envoyées. Un instant...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Données envoyées. Écriture en cours...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Toutes les données ont été envoyées et écrites.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>Toutes les données n&apos;ont pas pu être envoyées.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>La connexion au récepteur a été perdue après le bloc %1 sur %2.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>La connexion au récepteur a été perdue avant le premier bloc.</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>Le récepteur a envoyé un bloc non demandé, un bloc a donc pu être pris deux fois : rien de ce qui a été reçu n&apos;est gardé</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>les déclarations et entités n&apos;ont pas leur place dans une table de transpondeurs</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>éléments imbriqués plus profondément que les transpondeurs d&apos;un satellite</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>un transpondeur hors d&apos;un satellite ou d&apos;un réseau câblé</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>l&apos;attribut %1 dépasse %2 caractères</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>la position %1 n&apos;est pas en dixièmes de degré de -1800 à 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>plus de %1 transpondeurs</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>la fréquence %1 n&apos;est pas une porteuse satellite en kHz</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>le débit symbole %1 n&apos;est pas en symboles par seconde</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>la fréquence %1 n&apos;est pas une porteuse câble en kHz</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>l&apos;attribut %1 manque</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; n&apos;est pas une valeur connue du format</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>la table est plus grande que toute table de transpondeurs</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>un [CHANNEL] sans FREQUENCY ni SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>la fréquence %1 n&apos;est pas une porteuse câble en Hz</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>la ligne dépasse %1 caractères</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>la ligne contient un octet qu&apos;aucun texte ne contient</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>« %1 » n&apos;est pas de la forme CLÉ = VALEUR</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>une valeur avant le premier [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 n&apos;est pas une valeur connue du format</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 liste des multiplex câble, que ce modèle ne garde pas</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 liste %2 réseaux câblés : gardez celui de cette liste</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 n&apos;indique aucune position orbitale : choisissez le satellite à mettre à jour</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1 liste deux fois le satellite à %2 (lignes %3 et %4) : gardez-en un seul</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Ni la liste ni %1 n&apos;ont de satellite à %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>%1 n&apos;a aucun satellite de la liste</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Disparu</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>la table ne commence pas par &lt;satellites&gt;, &lt;cables&gt; ou &lt;locations&gt;</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>la fréquence %1 n&apos;est pas une porteuse terrestre en Hz</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>un [CHANNEL] sans FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 liste des multiplex terrestres, que ce modèle ne garde pas</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 liste %2 régions terrestres : gardez celle de cette liste</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Supprimer les doublons</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Supprimer les inutilisés</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Attribuer à un fournisseur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Déplacer ici</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Réordonner</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>Undo step: channels marked locked (parental lock). Short.</extracomment>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Undo step: channels marked to be skipped when zapping. Short.</extracomment>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Déposer sur le satellite</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Déposer sur le multiplex</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Déposer sur le transpondeur</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Déposer sur le fournisseur</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Ajouter au groupe de favoris</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Définir le genre</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Supprimer les doublons</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Renommer selon un motif</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Trier et renuméroter</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Retirer les inutilisés</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Renommer le groupe de favoris</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Vider le groupe de favoris</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Supprimer le groupe de favoris</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Import de classeur</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nouveau satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nouveau transpondeur</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nouveau multiplex</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Nouveau fournisseur</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Modifier le multiplex</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Modifier le fournisseur</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Déplacer les transpondeurs</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Appliquer une liste de référence</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Fusionner avec</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Mettre à jour les transpondeurs</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Ligne %1, champ %2 : le texte entre guillemets n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Ligne %1, champ %2 : un guillemet dans un champ qui ne commence pas par un guillemet</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Ligne %1, champ %2 : du texte après le guillemet fermant</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Ligne %1, champ %2 : plus de %3 caractères</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>La ligne %1 a %2 champs ; la feuille des chaînes en a %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Ligne %1, champ %2 (%3) : %4</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Feuille « %1 », ligne %2, colonne %3 (%4) : %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Ligne %1, champ %2 (%3) : « %4 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Feuille « %1 », ligne %2, colonne %3 (%4) : « %5 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Ligne %1, champ %2 (%3) : %4 est hors de l&apos;intervalle %5 à %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Feuille « %1 », ligne %2, colonne %3 (%4) : %5 est hors de l&apos;intervalle %6 à %7</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Restaurer…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Ouvrir une image gardée lors d&apos;une réception ou d&apos;un envoi</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Vérifier après l&apos;envoi</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>Recevoir de nouveau l&apos;image après un envoi et la comparer</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>Par rapport à l&apos;image reçue de ce récepteur ou envoyée à celui-ci en dernier (%1) :</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Ce qui va changer</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Aucune image gardée de ce récepteur ne correspond à sa somme de contrôle : l&apos;envoi n&apos;est pas comparé.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>La plus récente image gardée de ce récepteur (%1) ne correspond plus à sa somme de contrôle ; comparé à celle gardée le %2 à la place.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>La liste reçue n&apos;a pas été ouverte ; elle est gardée parmi les sauvegardes (Récepteur → Restaurer…).</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Vérification : réception depuis le récepteur</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>Impossible de vérifier l&apos;envoi : %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>l&apos;image est illisible</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Échec de la vérification</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>Le récepteur contient une liste qui diffère de celle envoyée :</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>Impossible de garder une sauvegarde de l&apos;image : %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Cette sauvegarde est du modèle %1. L&apos;ouvrir comme une liste du modèle %1 ? La fenêtre travaille alors en modèle %1 jusqu&apos;au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Received</source>
        <translation>Reçue</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyée</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Relue après un envoi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Gardée le</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
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
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (autre modèle)</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Somme de contrôle %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nouveau...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Supprimer     	Suppr</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Copier        	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Coller        	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Déplacer ici</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Ajouter au groupe de favoris</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Verrouiller...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Sauter...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Sélectionner...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Tout sélectionner  Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillées</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Cryptées</translation>
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
        <translation>Inverser la sélection</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Description...	Entrée</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Supprimer les éléments sélectionnés ?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>Supprimer %n chaîne ?</numerusform>
            <numerusform>Supprimer %n chaînes ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGridModel</name>
    <message>
        <source>CAS</source>
        <extracomment>Column tip: scrambled (conditional access).</extracomment>
        <translation>CAS</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Sautée</translation>
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
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Vérifier la liste par rapport à ce que le récepteur peut garder</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Comparer avec un fichier…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Montrer ce qui change d&apos;un fichier de chaînes à la liste ouverte</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Envoyer quand même ?</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Fichier binaire (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Ce qui va changer</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>De %1 à la liste ouverte :</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Aucun fournisseur</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Attribuer à un fournisseur</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>Les chaînes du fournisseur %1, qui n&apos;existe pas, vont à :</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Filtrer les chaînes</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Sélectionner tout ce qui est affiché</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Chercher les doublons...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Renommer selon un motif...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Trier et renuméroter...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Retirer les inutilisés...</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>%n chaîne en double supprimée</numerusform>
            <numerusform>%n chaînes en double supprimées</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Sélectionnez d&apos;abord les chaînes à renommer.</translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>%n entrée inutilisée retirée</numerusform>
            <numerusform>%n entrées inutilisées retirées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>same service</source>
        <translation>même service</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>même nom</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>versions SD et HD d&apos;un nom</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Chercher les doublons</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>Le plus petit numéro</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>HD plutôt que SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>En clair plutôt que cryptée</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>Celle d&apos;un groupe de favoris</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Garder :</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>Compter les versions SD et HD comme doublons</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Supprimer les doublons</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Groupe %1 : %2</translation>
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
        <translation>Garder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Aucun doublon.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>%n groupe coché</numerusform>
            <numerusform>%n groupes cochés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>%n chaîne sera supprimée, une de chaque groupe est gardée.</numerusform>
            <numerusform>%n chaînes seront supprimées, une de chaque groupe est gardée.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Tous les groupes de favoris du récepteur sont utilisés : videz-en ou supprimez-en un d&apos;abord.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Nouveau groupe...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>Retirer toutes les chaînes de %1 ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>Supprimer le groupe de favoris %1 ? Ses chaînes restent dans la liste.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Filter channels by name</source>
        <translation>Filtrer les chaînes par nom</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expr. régulière</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Sélectionner tout ce qui est affiché</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transpondeur ou multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Groupe de favoris</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV ou radio</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV et radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>TV seule</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Radio seule</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>Cryptées ou en clair</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptées</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Filter choice: free-to-air channels (not scrambled), not free of charge.</extracomment>
        <translation>En clair</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillées</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Verrouillées ou non</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>Non verrouillées</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Sautées</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Sautées ou non</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>Non sautées</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Tous les satellites</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Tous les fournisseurs</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>Dans un groupe ou non</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>Dans un groupe de favoris</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Dans aucun groupe de favoris</translation>
    </message>
    <message>
        <source>Any frequency</source>
        <translation>Toute fréquence</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Pas une expression régulière : %1</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Plus (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>Retirer les doublons cochés</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Supprimer les inutilisés</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Attribuer à un fournisseur…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corriger</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>Aucun défaut trouvé.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravité</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>Envoyer à plusieurs récepteurs</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>Répéter sur ce port</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>&amp;Ajouter un port</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>Autre p&amp;ort :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Version du récepteur</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>Enregistrer le &amp;rapport…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Cochez les ports des récepteurs auxquels envoyer.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>La ligne du rapport n&apos;a pas été ajoutée au journal du dossier de sauvegarde : %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Aucun récepteur n&apos;a encore terminé : le rapport est vide.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>rapport.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Le rapport n&apos;a pas été enregistré : %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Guide de Chanforge</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>Le guide n&apos;est pas installé à côté du programme.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Fournisseurs</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoris</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satellite</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Infos multiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex câble</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Nouveau...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Supprimer	Suppr</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Description...	Entrée</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satellite %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>transpondeur %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multiplex %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Supprimer les éléments sélectionnés ?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>Supprimer %1 et sa %n chaîne ?</numerusform>
            <numerusform>Supprimer %1 et ses %n chaînes ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>Supprimer %n satellite et ses %1 ?</numerusform>
            <numerusform>Supprimer %n satellites et leurs %1 ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>Supprimer %n transpondeur et ses %1 ?</numerusform>
            <numerusform>Supprimer %n transpondeurs et leurs %1 ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>Supprimer %n multiplex et ses %1 ?</numerusform>
            <numerusform>Supprimer %n multiplex et leurs %1 ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n chaîne</numerusform>
            <numerusform>%n chaînes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Liste de chaînes</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Affichées : %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Groupe de favoris</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Chaînes :</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV et radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>TV seule</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Radio seule</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>&amp;Types :</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Colonnes :</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>Par &amp;numéro</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>Par n&amp;om</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Ordre :</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Colonnes par &amp;page :</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Ouvrir une liste existante</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;Enregistrer dans un fichier...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Enregistrer dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>Exporter la &amp;table C...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Écrire la table des chaînes en source C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Recevoir</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Recevoir la liste depuis le récepteur</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recevoir</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Envoyer</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Envoyer la liste au récepteur</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Configuration (modèle de récepteur)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Choisir le modèle de récepteur</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Tout actualiser</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>Colonnes &amp;simples</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>Masquer les colonnes d&apos;id et de PID</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>Le guide d&apos;utilisation : recevoir, modifier, vérifier, envoyer</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>Les touches de la fenêtre, des grilles et des listes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Nouvelle chaîne...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Modifier la chaîne...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Déplacer ici</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillées</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Cryptées</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>E&amp;ntrées</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Nouveau satellite...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Nouveau transpondeur...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Nouveau multiplex câble...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Nouveau fournisseur...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>&amp;Récepteur</translation>
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
        <translation>Fenêtre
  Ctrl+O  Ouvrir    Ctrl+S  Enregistrer dans un fichier    Ctrl+R  Recevoir    Ctrl+T  Envoyer
  Ctrl+Z  Annuler    Ctrl+Y  Rétablir    F5  Actualiser    Ctrl+P  Imprimer    Ctrl+Q  Quitter
  F6, Maj+F6  volet suivant, précédent    Tab, Maj+Tab  liste suivante, précédente
Grilles de chaînes
  Ctrl+N  Nouveau    Ctrl+C  Copier    Ctrl+V  Coller    Suppr  Supprimer    Ctrl+F  Rechercher
  F3, Maj+F3  chaîne suivante, précédente portant le nom recherché
  Entrée ou double-clic  Description    glisser  déplacer, ou déposer sur une liste ou un groupe
  Ctrl+Maj+F  Filtrer les chaînes    Ctrl+H  Renommer selon un motif
Listes des satellites, transpondeurs, multiplex câble et fournisseurs
  Ctrl+N  Nouveau    Suppr  Supprimer    Entrée ou double-clic  Description
Barre de titre ou barre d&apos;outils
  Ctrl + double-clic  Configuration    Maj + double-clic  Exporter la table C</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>La liste de chaînes a des modifications non enregistrées. Les enregistrer maintenant ?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Enregistrer les données des chaînes</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Fichier local (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>Fichier Excel (*.xls)</translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>Fichier CSV, séparé par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>Fichier CSV, séparé par des points-virgules (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>Fichier CSV, séparé par des tabulations (*.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>Le classeur ne contient que les chaînes : enregistrez dans un fichier de chaînes pour garder les autres modifications</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Charger les données des chaînes</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Fichier binaire (*.bin)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Enregistrer les données de chaînes par défaut</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>Fichier local (*.h)</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge pour %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Ctrl + double-clic : Configuration · Maj + double-clic : Exporter la table C</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>%n chaîne déplacée vers %1</numerusform>
            <numerusform>%n chaînes déplacées vers %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>%n chaîne attribuée à %1</numerusform>
            <numerusform>%n chaînes attribuées à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>%n chaîne ajoutée à %1</numerusform>
            <numerusform>%n chaînes ajoutées à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>%n chaîne réglée sur %1</numerusform>
            <numerusform>%n chaînes réglées sur %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>%n chaîne non déplacée : %1 n&apos;a pas de transpondeur de même fréquence et polarisation</numerusform>
            <numerusform>%n chaînes non déplacées : %1 n&apos;a pas de transpondeur de même fréquence et polarisation</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, restreint par la barre de filtre</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Modèle de récepteur non défini</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Annuler %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Rétablir %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>À propos de Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge version %1 (build : %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Éditeur de listes de chaînes pour récepteurs TV numériques.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Vous devez maintenant redémarrer ce programme.</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>Envoyer à &amp;plusieurs récepteurs…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Envoyer la liste à tous les ports cochés à la fois, chacun vérifié</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>Fusio&amp;nner avec…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Ajouter les chaînes d&apos;une autre liste, avec leurs satellites et transpondeurs</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Fusionner avec</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Listes de chaînes (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>Le fichier de chaînes du classeur</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Fichier local (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>Lire l&apos;autre liste comme modèle %1 ?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>L&apos;autre liste ne peut pas être mise au format de ce modèle.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondeurs</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fournisseurs</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>trouvée par porteuse et service</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>trouvée par id de service et de flux</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>trouvée par nom</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Fusionner avec %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>N° ici</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Chaînes de l&apos;autre liste</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Entrées à créer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>Après la dernière de leur type</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Garder leurs numéros s&apos;ils sont libres</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Combler les trous</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>N&amp;uméros des chaînes ajoutées</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Tous les satellites</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV et radio</translation>
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
        <translation>Afficher &amp;seulement</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>Les chaînes déjà présentes reprennent :</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Verrouillages et sauts</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Favoris</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>&amp;Noms</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>À ajouter : %1. À mettre à jour : %2. Déjà présentes : %3. Impossible à ajouter : %4. Entrées à créer : %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 sur %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>Après application : %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Câble</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>verrouillages et sauts</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>favoris</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Volet suivant</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Volet précédent</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>Fichier HTML (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Imprimer la liste des chaînes</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Aperç&amp;u avant impression...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Montrer la liste des chaînes imprimée page par page</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Écrire la liste des chaînes en document PDF</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Écrire la liste des chaînes en CSV pour les tableurs</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Écrire la liste des chaînes en page web</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>L&apos;imprimante ne peut pas être utilisée.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Imprimer la liste des chaînes</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exporter la liste des chaînes</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>Appliquer une liste de ré&amp;férence…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Numéroter, grouper, verrouiller et sauter les chaînes comme le fait une autre liste</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>Enregistrer pour un &amp;autre modèle…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Écrire cette liste au format d&apos;un autre modèle de récepteur</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Liste de référence</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Listes de référence (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>Le modèle de récepteur de la liste de référence :</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>Lire la référence comme modèle %1 ?</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Enregistrer pour un autre modèle : le modèle</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Écrire la liste pour :</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Enregistrer pour le modèle %1 : le fichier</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Fichier local (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>Enregistré pour %1. Le fichier s&apos;ouvre une fois ce modèle choisi dans la configuration.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>même porteuse et même service</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>id de service et de flux</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>nom (incertain)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>nom avec ou sans HD (incertain)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>groupe %1</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>favoris %1 → %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillée</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>déverrouillée</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>sautée</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>non sautée</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>nom « %1 »</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Appliquer une liste de référence : %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Chaîne associée</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Change aussi</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Entrées de référence</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Chaînes sans correspondance</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Conflits et remarques</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>Numéroter à &amp;partir de</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Les garder après les chaînes associées</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Les supprimer</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>Chaînes &amp;sans correspondance</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>Combler les &amp;trous</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>Reprendre les &amp;noms</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>&amp;Raccourcir les noms</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n chaîne de référence :</numerusform>
            <numerusform>%n chaînes de référence :</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>%1 associées (%2 par le nom seul, à vérifier ; %3 en conflit), %4 sans correspondance.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>%n chaîne de cette liste sans entrée.</numerusform>
            <numerusform>%n chaînes de cette liste sans entrée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>%n ligne laissée de côté : rien n&apos;y change.</numerusform>
            <numerusform>%n lignes laissées de côté : rien n&apos;y change.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>%n nom que ce récepteur ne peut pas garder (trop long, ou avec un caractère absent de la table de caractères de la chaîne) : cochez « Raccourcir les noms », laissez les noms tels quels ou laissez ces lignes de côté.</numerusform>
            <numerusform>%n noms que ce récepteur ne peut pas garder (trop longs, ou avec un caractère absent de la table de caractères de la chaîne) : cochez « Raccourcir les noms », laissez les noms tels quels ou laissez ces lignes de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>« %1 » correspond à la chaîne %2 « %3 », que « %4 » garde : cela ne change rien</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>« %1 » veut %2, pris par « %3 » : elle reçoit %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>« %1 » veut %2, que garde la chaîne « %3 », laissée telle quelle : elle reçoit %4</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>« %1 » reçoit %2 : %3 est pris</translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>laissée de côté : reste telle quelle</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
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
        <source>%1, as it is</source>
        <translation>%1, tel quel</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Même chaîne</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Numéro pris</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>« %1 » est plus long que ce que garde ce récepteur : refusé</translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Nom refusé</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Caractères remplacés</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>« %1 » est enregistré comme « %2 » : la table de caractères de la chaîne ne connaît pas %n de ses caractères</numerusform>
            <numerusform>« %1 » est enregistré comme « %2 » : la table de caractères de la chaîne ne connaît pas %n de ses caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>Même nom après la coupe</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>« %1 » est coupé en « %2 », comme un autre nom</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Groupe non gardé</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>Le groupe de favoris %1 « %2 » (%n chaîne) est au-delà des groupes que garde ce récepteur</numerusform>
            <numerusform>Le groupe de favoris %1 « %2 » (%n chaînes) est au-delà des groupes que garde ce récepteur</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Ligne non lue</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Renommer selon un motif</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... réinsèrent un groupe de l&apos;expression régulière</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Remplacer par :</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Garder la casse</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAJUSCULES</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minuscules</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Première Lettre En Majuscule</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Raccourcir les noms</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Nom actuel</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>il ne reste rien : refusé</translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>contient %1, que la table de caractères de la chaîne ne connaît pas : refusé</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>plus long que ce que garde le récepteur : refusé</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>coupé en « %1 »</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>le même nom qu&apos;une autre ligne après la coupe</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>caractères que le récepteur ne peut pas afficher</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Pas une expression régulière : %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n nom resterait vide : renommage refusé.</numerusform>
            <numerusform>%n noms resteraient vides : renommage refusé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>%n nom avec des caractères que la table de caractères de la chaîne ne connaît pas : renommage refusé. Cochez « Raccourcir les noms » pour les enregistrer comme « ? », ou laissez ces lignes de côté.</numerusform>
            <numerusform>%n noms avec des caractères que la table de caractères de la chaîne ne connaît pas : renommage refusé. Cochez « Raccourcir les noms » pour les enregistrer comme « ? », ou laissez ces lignes de côté.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>%n nom plus long que ce que garde le récepteur : renommage refusé.</numerusform>
            <numerusform>%n noms plus longs que ce que garde le récepteur : renommage refusé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Il garde %n caractère. Raccourcissez le remplacement, cochez « Raccourcir les noms » ou laissez ces lignes de côté.</numerusform>
            <numerusform>Il garde %n caractères. Raccourcissez le remplacement, cochez « Raccourcir les noms » ou laissez ces lignes de côté.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>%n nom coché va changer.</numerusform>
            <numerusform>%n noms cochés vont changer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n nom raccourci à ce que garde le récepteur.</numerusform>
            <numerusform>%n noms raccourcis à ce que garde le récepteur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>%n nom avec des caractères que le récepteur ne peut pas afficher.</numerusform>
            <numerusform>%n noms avec des caractères que le récepteur ne peut pas afficher.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Chaînes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>TV seule</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Radio seule</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>Aucune chaîne nommée « %1 »</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Trier et renuméroter</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Chaque chaîne reçoit un nouveau numéro dans cet ordre ; la première clé cochée décide en premier. Faites glisser ou utilisez les boutons pour réordonner.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transpondeur ou multiplex</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Cryptées à la fin</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>Aucune liste de chaînes ouverte</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Recevez la liste depuis le récepteur par le câble série, ou ouvrez un fichier de chaînes ou un classeur enregistré. Le guide explique chaque étape.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Recevoir depuis le récepteur...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Lire le guide</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>TV %1 sur %2 · Radio %3 sur %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>Tout &amp;cocher</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>Tout &amp;décocher</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>&amp;Mettre à jour les transpondeurs…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Mettre à jour les transpondeurs d&apos;un satellite d&apos;après satellites.xml ou une table de scan</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Transpondeurs mis à jour</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Mettre à jour les transpondeurs</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex câble</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>&amp;Satellite :</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Fichier…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>&amp;Table :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>Dans la liste</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>Dans la table</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Table de transpondeurs</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Tables de transpondeurs (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (table de scan du système)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>La liste n&apos;a aucun satellite.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Choisissez une table : satellites.xml ou une table de scan DVB.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Omis : %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>Les transpondeurs sont tels que la table les liste.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Modifiés : %1, nouveaux : %2, supprimés : %3.</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestres</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Omis : ligne %1 : %2 n&apos;est sur aucun canal libre de la grille du pays</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Retirer les inutilisés</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Satellites sans transpondeur utilisé (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Transpondeurs qu&apos;aucune chaîne n&apos;utilise (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Multiplex qu&apos;aucune chaîne n&apos;utilise (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Multiplex câble qu&apos;aucune chaîne n&apos;utilise (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Fournisseurs qu&apos;aucune chaîne ne désigne (%1)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>Tout est utilisé.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>%n entrée sera retirée.</numerusform>
            <numerusform>%n entrées seront retirées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>%n satellite gardé pour un transpondeur qui reste.</numerusform>
            <numerusform>%n satellites gardés pour des transpondeurs qui restent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>La nouvelle langue s&apos;applique au prochain démarrage de Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>Impossible de créer le fichier de travail dans le dossier temporaire.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Fournisseur :</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>PID vidéo :</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>PID audio :</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>PID PCR :</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>ID service :</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Tick box: the channel is scrambled (conditional access). Keep it short.</extracomment>
        <translation>Cryptée</translation>
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
        <translation>Le nom contient %1, que la table de caractères de la chaîne ne connaît pas.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transpondeur :</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Numéro de chaîne :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCableMuxAddUpdate</name>
    <message>
        <source>Mux</source>
        <extracomment>Window title: a cable multiplex (one carrier frequency), a noun.</extracomment>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Débit symbole :</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Modulation :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Modèle de récepteur :</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Colonnes :</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détaillé</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Mux</source>
        <extracomment>Tab title: the multiplex (carrier) the channel is on, a noun.</extracomment>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Chaîne</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>Multiplex :</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>Numéro logique :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Réception depuis le récepteur</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Envoi vers le récepteur</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgTPAddUpdate</name>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Débit symbole :</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>TS ID :</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Dérive :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarisation :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>Transmission :</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Modulation :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Dérive</translation>
    </message>
</context>
<context>
    <name>qpui::CSatelliteEditor</name>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nom du satellite :</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Tuner %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
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
        <translation>Commutation C/Ku :</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>Fréq. LNB :</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>Fréq. LNB perso. :</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>Fréq. LNB C :</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>Fréq. LNB C perso. :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Alim. LNB :</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 kHz :</translation>
    </message>
    <message>
        <source>Tone Burst :</source>
        <translation>Tone Burst :</translation>
    </message>
    <message>
        <source>DiSEqC :</source>
        <translation>DiSEqC :</translation>
    </message>
    <message>
        <source>Motor Pos :</source>
        <translation>Position moteur :</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (Tuner %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>Fréq. LNB perso.</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>Fréq. LNB C perso.</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Position moteur</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Toujours en attente. Vérifiez que le récepteur est allumé, affiche son menu de téléchargement et est relié au port choisi.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>PORT :</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>bloc %1 sur %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>qpui::DescriptionText</name>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Fréquence basse : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Fréquence basse(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Fréquence haute : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Fréquence haute(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Position moteur : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Position moteur(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB bas : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB bas(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB haut : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB haut(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>Commutation C/Ku : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>Commutation C/Ku(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>Mode DiSEqC : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>Mode DiSEqC(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>Alim. LNB : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>Alim. LNB(T%1) : %2</translation>
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
        <source>C Single Solu.(5150,5750)</source>
        <translation>C LNB unique(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C LNB standard(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Univ. LNB1(9750,10600)</source>
        <translation>LNB univ. 1(9750,10600)</translation>
    </message>
    <message>
        <source>Univ. LNB2(9750,10750)</source>
        <translation>LNB univ. 2(9750,10750)</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTEUR</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>Nom : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Position : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Fréquence   	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Débit symb. 	: %1 kS/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Dérive      	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Polarisation	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
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
        <translation>Transmission      	: %1    		Modulation      	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Pilote            	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Nom du multiplex : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Fréquence : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>Mode Tx   : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>Rend.     : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Const.    : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>Int. garde: %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Priorité  : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Tuner	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Nom de la chaîne : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>ID service : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>PID vidéo : %1</translation>
    </message>
    <message>
        <source>Audio PID : %1</source>
        <translation>PID audio : %1</translation>
    </message>
    <message>
        <source>PCR PID   : %1</source>
        <translation>PID PCR   : %1</translation>
    </message>
    <message>
        <source>Audio	: %1</source>
        <translation>Audio	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Sous-titres : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Télétexte  : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>Type 	: %1</translation>
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
        <translation>Verrouillée	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Sautée	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Fournisseur : %1</translation>
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
        <translation>Restaurer…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 doit être un nombre de %2 à %3.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Position</translation>
    </message>
</context>
</TS>
