<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Fav</source>
        <translation>Pref.</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
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
        <translation>Genere</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>&quot;%1&quot; è più lungo dei %2 caratteri che il ricevitore conserva di un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>«%1» contiene %2, che la tabella dei caratteri del canale non contiene</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>canale TV %1 «%2»</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>canale radio %1 «%2»</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>Il %1 fa riferimento al satellite %2, che non esiste</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>Il %1 fa riferimento al multiplex %2, che non esiste</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>Il %1 fa riferimento al transponder %2 del satellite %3, che non esiste</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>Il %1 fa riferimento al transponder %2 del satellite %3, ma quel transponder appartiene al satellite %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>Il transponder %1 MHz (ID %2) fa riferimento al satellite %3, che non esiste</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>Il %1 fa riferimento al provider %2, che non esiste</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>%1 canali trasmettono il servizio %2 del transponder %3 (satellite %4): %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>I numeri dei canali TV saltano da %1 a %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>Il numero di canale TV %1 è usato da %2 canali</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>I numeri dei canali radio saltano da %1 a %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>Il numero di canale radio %1 è usato da %2 canali</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>Il nome di %1 contiene il byte %2, che il ricevitore non può mostrare</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>satellite «%1»</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>provider «%1»</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>gruppo preferiti «%1»</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>Il nome del %1 contiene il byte %2, che il ricevitore non può mostrare</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>Il nome del %1 viene troncato a «%2»: il ricevitore conserva %3 byte</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>La tabella dei gruppi preferiti ha %1 record, ma il suo blocco flash ne contiene %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>La tabella dei satelliti ha %1 record, ma il suo blocco flash ne contiene %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>La tabella dei provider ha %1 record, ma il suo blocco flash ne contiene %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>La tabella dei transponder ha %1 record, ma il suo blocco flash ne contiene %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>La tabella dei multiplex via cavo ha %1 record, ma il suo blocco flash ne contiene %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>La tabella dei canali ha %1 record, ma il suo blocco flash ne contiene %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>Il gruppo preferiti %1 «%2» supera i %3 gruppi che il ricevitore conserva</translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Gli ID dei transponder hanno raggiunto %1, oltre 255: i nuovi transponder ricevono ID che il ricevitore non può memorizzare</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>%1 non è usato da nessun canale</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Transponder %1 MHz (ID %2) del satellite %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Multiplex via cavo %1 kHz (ID %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modificato</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 rimosso</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 aggiunto</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Satellite %1 «%2»</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Provider %1 «%2»</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Gruppo preferiti %1 «%2»</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>ora bloccato</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>non più bloccato</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>ora criptato</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>non più criptato</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>ora saltato</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>non più saltato</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>aggiunto al gruppo preferiti %1</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>tolto dal gruppo preferiti %1</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>Il %1 è stato spostato su TV %2</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>Il %1 è stato spostato su radio %2</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>Il %1 è stato rinominato in «%2»</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>Il %1: %2</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>Il %1 è stato rimosso</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>Il %1 è stato aggiunto</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Satellite mancante</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Transponder mancante</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Transponder di un altro satellite</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Provider mancante</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Canale doppio</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Buco nella numerazione</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Numero usato due volte</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Carattere non visualizzabile</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nome troppo lungo</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Troppi gruppi preferiti</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Gruppo preferiti non conservato</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Tabella piena</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Transponder inutilizzato</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Multiplex inutilizzato</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>ID transponder esauriti</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestri</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex via cavo</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Gruppi preferiti</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Aggiunto</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Rimosso</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Spostato</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Rinominato</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Attributi modificati</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>Il %1 non ha nome: il ricevitore lo considera uno slot vuoto e lo scarta</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>Il %1 ha solo spazi come nome</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 da %2 a %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multiplex %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, ID transponder %2</translation>
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
        <source>The %1 moved from %2 to %3</source>
        <translation>Il %1 è stato spostato da %2 a %3</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>Il %1 è stato modificato: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>%1 canali TV rinumerati nel loro ordine</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>%1 canali radio rinumerati nel loro ordine</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>Il satellite, transponder o provider di %n canale non è in questa lista: aprire prima il file dei canali del ricevitore.</numerusform>
            <numerusform>Il satellite, transponder o provider di %n canali non è in questa lista: aprire prima il file dei canali del ricevitore.</numerusform>
        </translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Canale senza nome</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>Il ricevitore conserva 1 byte diverso da quanto inviato, nel blocco %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>Il ricevitore conserva %1 byte diversi da quanto inviato, nel blocco %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>Il ricevitore conserva %1 byte diversi da quanto inviato, nei blocchi %2</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>il modello configurato</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>modello %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>come %1 contiene %2 satelliti, %3 transponder o multiplex e %4 canali</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>come %1 non si può leggere</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>come %1 non contiene nulla</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>come %1, %2 dei suoi %3 record non hanno senso</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Questo file sembra un database per %1, non per %2: %3; %4.</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>Il gruppo preferiti %1 contiene %n canale, oltre i %2 gruppi che il ricevitore conserva</numerusform>
            <numerusform>Il gruppo preferiti %1 contiene %n canali, oltre i %2 gruppi che il ricevitore conserva</numerusform>
        </translation>
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
        <translation>Orizzontale</translation>
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
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>I gruppi preferiti %1 superano i %2 gruppi che l&apos;altro modello conserva</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>1 satellite non può essere scritto: l&apos;altro modello non conserva satelliti</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>%1 satelliti non possono essere scritti: l&apos;altro modello non conserva satelliti</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>1 transponder non può essere scritto: l&apos;altro modello non conserva transponder</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>%1 transponder non possono essere scritti: l&apos;altro modello non conserva transponder</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>1 multiplex via cavo non può essere scritto: l&apos;altro modello non conserva multiplex via cavo</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>%1 multiplex via cavo non possono essere scritti: l&apos;altro modello non conserva multiplex via cavo</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>1 multiplex terrestre non può essere scritto: l&apos;altro modello non ha un sintonizzatore terrestre di questo tipo</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>%1 multiplex terrestri non possono essere scritti: l&apos;altro modello non ha un sintonizzatore terrestre di questo tipo</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>La parte terrestre (satellite 1) non può essere scritta: l&apos;altro modello non ha un sintonizzatore terrestre di questo tipo</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Il satellite 1 verrebbe letto come parte terrestre dell&apos;altro modello (satellite 1)</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 transponder del satellite 1 verrebbe letto come parte terrestre dell&apos;altro modello (satellite 1)</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 transponder del satellite 1 verrebbero letti come parte terrestre dell&apos;altro modello (satellite 1)</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 canale del satellite 1 verrebbe letto come parte terrestre dell&apos;altro modello (satellite 1)</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 canali del satellite 1 verrebbero letti come parte terrestre dell&apos;altro modello (satellite 1)</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>1 canale via satellite non può essere scritto: l&apos;altro modello non ha un sintonizzatore satellitare</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>%1 canali via satellite non possono essere scritti: l&apos;altro modello non ha un sintonizzatore satellitare</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>1 canale terrestre non può essere scritto: l&apos;altro modello non ha un sintonizzatore terrestre</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>%1 canali terrestri non possono essere scritti: l&apos;altro modello non ha un sintonizzatore terrestre</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>1 canale via cavo non può essere scritto: l&apos;altro modello non ha un sintonizzatore via cavo</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>%1 canali via cavo non possono essere scritti: l&apos;altro modello non ha un sintonizzatore via cavo</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>1 satellite ha impostazioni del secondo sintonizzatore che l&apos;altro modello, con un solo sintonizzatore, non può conservare</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>%1 satelliti hanno impostazioni del secondo sintonizzatore che l&apos;altro modello, con un solo sintonizzatore, non può conservare</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Impossibile leggere l&apos;intestazione del file. Continuare?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Impossibile aprire il file di versione, oppure non è valido</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Impossibile salvare il file dei canali</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>I dati da inviare sono vuoti o non validi</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>Impossibile scrivere il file di lavoro nella cartella temporanea</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>Impossibile aprire la cartella di lavoro</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>Impossibile aprire la cartella di lavoro: non è un file normale</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>Non è una cartella di lavoro di Excel 97-2003 leggibile</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>La cartella di lavoro è protetta da password</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>La cartella di lavoro ha due fogli «Channel»: non si può stabilire quale sostituire</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>La cartella di lavoro non ha un foglio «Channel»</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>Impossibile scrivere la cartella di lavoro</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>Il foglio dei canali contiene nomi che il ricevitore non può conservare: correggeteli nelle righe indicate, oppure apritelo con i nomi tagliati su misura</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Troppi canali per un foglio di lavoro (al massimo 65535)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>La tabella dei canali contiene un valore che la sua colonna non può accogliere: correggetelo nel file</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>Il file CSV non si legge come tabella dei canali: correggetelo alla riga indicata</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Questa è una cartella di lavoro di Excel 2007 o successivo (.xlsx). Salvatela nel vostro foglio di calcolo come Excel 97-2003 (.xls) o CSV.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Questo è un foglio di calcolo OpenDocument (.ods). Salvatelo nel vostro foglio di calcolo come Excel 97-2003 (.xls) o CSV.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Impossibile copiare canali TV tra i canali radio</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Impossibile copiare canali radio tra i canali TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Impossibile spostare canali TV tra i canali radio</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Impossibile spostare canali radio tra i canali TV</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>Impossibile cambiare il nome del gruppo preferiti: è troppo lungo (al massimo 19 caratteri)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>Il gruppo preferiti non esiste</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>Il nome è vuoto!</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>Il satellite del transponder non esiste</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>Impossibile aggiungere un satellite: gli ID dei satelliti finiscono a 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>Impossibile aggiungere un transponder a questo satellite: gli ID dei transponder finiscono a 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>Impossibile aggiungere un multiplex: gli ID dei multiplex finiscono a 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>Impossibile aggiungere un provider: gli ID dei provider finiscono a 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>Impossibile memorizzare il record</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Un nome di canale è più lungo di quanto il ricevitore conserva: nulla è cambiato</translation>
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
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multiplex %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · transponder %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>Multiplex via cavo</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Multiplex via cavo %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Multiplex, canale RF %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Gruppo preferiti %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Provider %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Genere %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>in attesa del ricevitore</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>invio del blocco %1 di %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verifica in corso</translation>
    </message>
    <message>
        <source>done</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Interrotto</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>Il ricevitore contiene una lista diversa da quella inviata</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>non riuscito</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrotto</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Notizie e informazione</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Intrattenimento</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Bambini</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educazione</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Tempo libero</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Fiction</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Arte e cultura</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Attualità</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Speciale</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Commedia</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Documentari</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>TPID</source>
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
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizzazione</translation>
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
        <translation>Modo TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <translation>Code rate</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Modulaz.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <translation>Interv. guardia</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>MUX</source>
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
        <translation>Modulazione</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertito</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Segno</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID provider</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Transponder / multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
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
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Nessun canale</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Radio %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>TV %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Record %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, accorciato in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Salva per un altro modello</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 non può contenere tutto questo database. Questi elementi non vengono scritti:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>&amp;Salva senza di essi</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Nome provider: %1 (ID: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Aprirlo come database per il modello %1? La finestra lavora poi con il modello %1 fino al prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>non sono tre campi N.;Nome;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>il numero di programma non è un numero da 0 a 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>gli ID non sono tre numeri ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>il nome è vuoto</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>il nome è più lungo di quanto possa essere il nome di un canale</translation>
    </message>
    <message>
        <source>the name holds a character the receiver&apos;s names cannot hold</source>
        <translation>il nome contiene un carattere che i nomi del ricevitore non possono contenere</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>La lista è stata letta come UTF-8.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>La lista è stata letta come Latin-1: i suoi byte non sono UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>La porta seriale è già aperta o scollegata. Controllare il ricevitore</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>Impossibile aprire o preparare il file temporaneo</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Connessione alla porta seriale in corso...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Impossibile inviare il comando di scrittura (script)</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Impossibile inviare il comando di scrittura</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>Invio dei dati non riuscito!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Tutti i dati sono stati ricevuti.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>Chiudere la porta seriale collegata?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Ricezione (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Invio (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Spegnere e riaccendere il ricevitore...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>In attesa del riavvio del ricevitore...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Dati inviati. Attendere un attimo...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Dati inviati. Scrittura in corso...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Tutti i dati sono stati inviati e scritti.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>Impossibile inviare tutti i dati.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>Il ricevitore ha inviato un blocco non richiesto, quindi un blocco potrebbe essere stato preso due volte: non si conserva nulla di quanto ricevuto</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>La connessione con il ricevitore si è interrotta dopo il blocco %1 di %2.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>La connessione con il ricevitore si è interrotta prima del primo blocco.</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, riga %2: %3</translation>
    </message>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>dichiarazioni ed entità non hanno posto in una tabella di transponder</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>elementi annidati più in profondità dei transponder di un satellite</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>la tabella non inizia con &lt;satellites&gt;, &lt;cables&gt; o &lt;locations&gt;</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>un transponder al di fuori di un satellite o di una rete via cavo</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>l&apos;attributo %1 è più lungo di %2 caratteri</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>la posizione %1 non è in decimi di grado da -1800 a 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>più di %1 transponder</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>la frequenza %1 non è una portante satellitare in kHz</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>il symbol rate %1 non è in simboli al secondo</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>manca l&apos;attributo %1</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; non è un numero</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; non è un valore noto al formato</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>la tabella è più grande di qualsiasi tabella di transponder</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>un [CHANNEL] senza FREQUENCY e SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>la riga è più lunga di %1 caratteri</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>la riga contiene un byte che nessun testo contiene</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>«%1» non è CHIAVE = VALORE</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>un valore prima del primo [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 non è un valore noto al formato</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 non è un numero</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 non indica alcuna posizione orbitale: scegliere il satellite da aggiornare</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1 elenca due volte il satellite a %2 (righe %3 e %4): tenerne uno solo</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Né la lista né %1 hanno un satellite a %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>%1 non ha nessun satellite della lista</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Scomparso</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>la frequenza %1 non è una portante via cavo in kHz</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>la frequenza %1 non è una portante via cavo in Hz</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 elenca multiplex via cavo, che questo modello non memorizza</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 elenca %2 reti via cavo: tenere quella di questa lista</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>la frequenza %1 non è una portante terrestre in Hz</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>un [CHANNEL] senza FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 elenca multiplex terrestri, che questo modello non memorizza</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 elenca %2 regioni terrestri: tenere quella di questa lista</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Merge from</source>
        <translation>Unisci da</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Rinumera</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Rimuovi doppioni</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Elimina inutilizzati</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Assegna a un provider</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Togli dai preferiti</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Sposta qui</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Riordina</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Trascina sul satellite</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Trascina sul multiplex</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Trascina sul transponder</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Trascina sul provider</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Aggiungi al gruppo preferiti</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Imposta genere</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Elimina doppioni</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Rinomina con modello</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Ordina e rinumera</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Rimuovi inutilizzati</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Rinomina gruppo preferiti</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Svuota gruppo preferiti</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Elimina gruppo preferiti</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nuovo satellite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nuovo transponder</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nuovo multiplex</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Nuovo provider</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Modifica multiplex</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Modifica provider</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Sposta transponder</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Importa cartella di lavoro</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Applica lista di riferimento</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Aggiorna transponder</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Foglio «%1», riga %2, colonna %3 (%4): «%5» non è un numero</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Foglio «%1», riga %2, colonna %3 (%4): %5 è fuori dall&apos;intervallo da %6 a %7</translation>
    </message>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Riga %1, campo %2: il testo tra virgolette non viene mai chiuso</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Riga %1, campo %2: una virgoletta in un campo che non inizia con una virgoletta</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Riga %1, campo %2: testo dopo la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Riga %1, campo %2: più lungo di %3 caratteri</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>La riga %1 ha %2 campi; la tabella dei canali ne ha %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Riga %1, campo %2 (%3): «%4» non è un numero</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Riga %1, campo %2 (%3): %4 è fuori dall&apos;intervallo da %5 a %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Foglio «%1», riga %2, colonna %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Riga %1, campo %2 (%3): %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Ripristina…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Apri un&apos;immagine conservata da una ricezione o da un invio</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Verifica dopo l&apos;invio</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>Dopo l&apos;invio riceve di nuovo l&apos;immagine e la confronta</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>Rispetto all&apos;ultima immagine ricevuta da questo ricevitore o inviata a esso (%1):</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Cosa cambierà</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Nessuna copia conservata di questo ricevitore corrisponde al suo checksum: l&apos;invio non viene confrontato.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>La copia più recente conservata di questo ricevitore (%1) non corrisponde più al suo checksum; confrontato invece con quella conservata il %2.</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Verifica: ricezione dal ricevitore</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>Impossibile verificare l&apos;invio: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>l&apos;immagine non può essere letta</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Verifica non riuscita</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>Il ricevitore conserva una lista canali diversa da quella inviata:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificato: tutto trasferito correttamente</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>Impossibile conservare una copia dell&apos;immagine: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Questa copia è del modello %1. Aprirla come database per il modello %1? La finestra lavora poi con il modello %1 fino al prossimo avvio.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>La lista ricevuta non è stata aperta; è conservata tra le copie di sicurezza (Ricevitore → Ripristina…).</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Conservato il</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Received</source>
        <translation>Ricevuta</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviata</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Riletta dopo un invio</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
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
        <translation>Checksum %1</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (altro modello)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nuovo...      	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Elimina       	Canc</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Copia         	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Incolla       	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Sposta qui</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Aggiungi al gruppo preferiti</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Blocca...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Salta...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleziona...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Seleziona tutto Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccati</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>Criptati</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Sintonizzatore 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Sintonizzatore 2</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Inverti selezione</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Descrizione...	Invio</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Togli dai preferiti</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>Eliminare %n canale?</numerusform>
            <numerusform>Eliminare %n canali?</numerusform>
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
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Sintonizz.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCheckCommands</name>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Verifica la lista canali rispetto a ciò che il ricevitore può conservare</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Confronta con file…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Mostra cosa cambia da un file dei canali alla lista aperta</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Inviare comunque?</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Cosa cambierà</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Confronta con file</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>File binario (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>Da %1 alla lista canali aperta:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Nessun provider</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Assegna a un provider</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>I canali del provider %1, che non esiste, vanno a:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Filtra canali</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Seleziona tutti i visibili</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Trova doppioni...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Rinomina con modello...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Ordina e rinumera...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Rimuovi inutilizzati...</translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Selezionare prima i canali da rinominare.</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>%n canale doppio eliminato</numerusform>
            <numerusform>%n canali doppi eliminati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>%n record inutilizzato rimosso</numerusform>
            <numerusform>%n record inutilizzati rimossi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>Find duplicates</source>
        <translation>Trova doppioni</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>Il numero più basso</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>HD prima di SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>In chiaro prima di criptato</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>Quello in un gruppo preferiti</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Mantieni:</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Elimina doppioni</translation>
    </message>
    <message>
        <source>same service</source>
        <translation>stesso servizio</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>stesso nome</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Gruppo %1: %2</translation>
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
        <translation>Mantieni</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Nessun doppione.</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>versioni SD e HD di un nome</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>Conta le versioni SD e HD come doppioni</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>%n gruppo spuntato</numerusform>
            <numerusform>%n gruppi spuntati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>%n canale verrà eliminato, uno per gruppo resta.</numerusform>
            <numerusform>%n canali verranno eliminati, uno per gruppo resta.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genere</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Tutti i gruppi preferiti del ricevitore sono in uso: svuotarne o eliminarne uno prima.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Nuovo gruppo...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Rinomina...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>Togliere tutti i canali da %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>Eliminare il gruppo preferiti %1? I suoi canali restano nella lista.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Any frequency</source>
        <translation>Qualsiasi frequenza</translation>
    </message>
    <message>
        <source>Filter channels by name</source>
        <translation>Filtra i canali per nome</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Seleziona tutti i visibili</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder o multiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Gruppo preferiti</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV o radio</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV e radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Solo TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Solo radio</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>Criptati o in chiaro</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Criptati</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>In chiaro</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccati</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Bloccati o no</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>Non bloccati</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltati</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Saltati o no</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>Non saltati</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Tutti i satelliti</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Tutti i provider</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>In un gruppo o no</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>In un gruppo preferiti</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>In nessun gruppo preferiti</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Espressione regolare non valida: %1</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Altri</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Altri (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Rinumera</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>Rimuovi i doppioni spuntati</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Elimina inutilizzati</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Assegna a un provider…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Correggi</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>Nessun errore trovato.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Risultati</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravità</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regola</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n errore</numerusform>
            <numerusform>%n errori</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n avviso</numerusform>
            <numerusform>%n avvisi</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>Invia a più ricevitori</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>Ripeti su questa porta</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>&amp;Aggiungi porta</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>Altra &amp;porta:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Versione del ricevitore</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondi</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>A&amp;vvia</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>Salva &amp;rapporto…</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Spunta le porte dei ricevitori a cui inviare.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>La riga del rapporto non è stata aggiunta al registro nella cartella dei backup: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Nessun ricevitore ha ancora finito: il rapporto è vuoto.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>rapporto.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Il rapporto non è stato salvato: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Guida di Chanforge</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>La guida non è installata accanto al programma.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Provider</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Preferiti</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Preferiti</translation>
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
        <translation> Informazioni multiplex</translation>
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
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex via cavo</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Nuovo...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Elimina	Canc</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Descrizione...	Invio</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>il satellite %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>il transponder %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>il multiplex %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>Eliminare %1 e il suo %n canale?</numerusform>
            <numerusform>Eliminare %1 e i suoi %n canali?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>Eliminare %n satellite e i suoi %1?</numerusform>
            <numerusform>Eliminare %n satelliti e i loro %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>Eliminare %n transponder e i suoi %1?</numerusform>
            <numerusform>Eliminare %n transponder e i loro %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>Eliminare %n multiplex e i suoi %1?</numerusform>
            <numerusform>Eliminare %n multiplex e i loro %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Visibili ora: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Gruppo preferiti</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canali:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV e radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Solo TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Solo radio</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>&amp;Tipi:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Colonne:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>Per &amp;numero</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>Per n&amp;ome</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Ordine:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Colonne per &amp;pagina:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, ristretti dalla barra dei filtri</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Apri una lista canali esistente</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;Salva su file...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Salva su file</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>Esporta tabella &amp;C...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Scrive la tabella dei canali come sorgente C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Chiude il programma</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Ricevi</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Ricevi la lista canali dal ricevitore</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Ricevi</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Invia</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>Invia a &amp;più ricevitori…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Invia la lista a tutte le porte spuntate insieme, ciascuna verificata</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Invia la lista canali al ricevitore</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Configurazione (modello ricevitore)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Scegli il modello di ricevitore</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Aggiorna tutto</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>Colonne &amp;semplici</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>Nasconde le colonne ID e PID</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Ripete l&apos;ultima modifica annullata</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>I tasti della finestra, delle griglie e delle liste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>File &amp;recenti</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Nuovo canale...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Modifica canale...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Sposta qui</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleziona</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccati</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>Criptati</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverti</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Nuovo satellite...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Nuovo transponder...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Nuovo multiplex via cavo...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Nuovo provider...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>Ri&amp;cevitore</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge per %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Ctrl + doppio clic: configurazione · Maiusc + doppio clic: esporta tabella C</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Modello di ricevitore non impostato</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Scorciatoie da tastiera</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Annulla %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Ripeti %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>La lista canali ha modifiche non salvate. Salvarle ora?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Salva dati dei canali</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>File locale (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>File Excel (*.xls)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>La cartella di lavoro contiene solo i canali: salvare in un file dei canali per conservare le altre modifiche</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Carica dati dei canali</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>File binario (*.bin)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Informazioni su Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge versione %1 (build: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Editor di liste canali per ricevitori TV digitali.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Ora è necessario riavviare il programma.</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Salva dati dei canali predefiniti</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>File locale (*.h)</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>La guida per l&apos;operatore: ricevere, modificare, verificare, inviare</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Trova precedente</translation>
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
        <translation>Finestra
  Ctrl+O  Apri    Ctrl+S  Salva su file    Ctrl+R  Ricevi    Ctrl+T  Invia
  Ctrl+Z  Annulla    Ctrl+Y  Ripeti    F5  Aggiorna    Ctrl+P  Stampa    Ctrl+Q  Esci
  F6, Maiusc+F6  riquadro successivo, precedente    Tab, Maiusc+Tab  lista successiva, precedente
Griglie dei canali
  Ctrl+N  Nuovo    Ctrl+C  Copia    Ctrl+V  Incolla    Canc  Elimina    Ctrl+F  Cerca
  F3, Maiusc+F3  canale successivo, precedente con il nome cercato
  Invio o doppio clic  Descrizione    trascinare  sposta, o rilascia su una lista o un gruppo
  Ctrl+Maiusc+F  Filtra canali    Ctrl+H  Rinomina con modello
Liste di satelliti, transponder, cavo e provider
  Ctrl+N  Nuovo    Canc  Elimina    Invio o doppio clic  Descrizione
Barra del titolo o barra degli strumenti
  Ctrl + doppio clic  Configurazione    Maiusc + doppio clic  Esporta tabella C</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>%n canale spostato su %1</numerusform>
            <numerusform>%n canali spostati su %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>%n canale assegnato a %1</numerusform>
            <numerusform>%n canali assegnati a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>%n canale aggiunto a %1</numerusform>
            <numerusform>%n canali aggiunti a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>%n canale impostato su %1</numerusform>
            <numerusform>%n canali impostati su %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>%n canale non spostato: %1 non ha un transponder con la stessa frequenza e polarizzazione</numerusform>
            <numerusform>%n canali non spostati: %1 non ha un transponder con la stessa frequenza e polarizzazione</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>File CSV, separato da virgole (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>File CSV, separato da punto e virgola (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>File CSV, separato da tabulazioni (*.csv)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Riquadro successivo</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Riquadro precedente</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>File HTML (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Stampa la lista canali</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Anteprima di stam&amp;pa...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Mostra la lista canali stampata pagina per pagina</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Scrive la lista canali come documento PDF</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Scrive la lista canali come CSV per fogli di calcolo</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Scrive la lista canali come pagina web</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>Esp&amp;orta</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Impossibile usare la stampante.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Stampa lista canali</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Esporta lista canali</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>Applica lista di ri&amp;ferimento…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Numera, raggruppa, blocca e salta i canali come fa un&apos;altra lista</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>Salva per un altro &amp;modello…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Scrive questa lista canali nel formato di un altro modello di ricevitore</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Lista di riferimento</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Liste di riferimento (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>Il modello di ricevitore a cui appartiene la lista di riferimento:</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Salva per un altro modello: il modello</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Salva per il modello %1: il file</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Scrivi la lista canali per:</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>File locale (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>Salvato per %1. Si apre una volta scelto quel modello nella configurazione.</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>Leggere il riferimento come modello %1?</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>stessa portante e servizio</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>ID di servizio e di flusso</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>nome (incerto)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>nome con o senza HD (incerto)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>preferiti %1 → %2</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>gruppo %1</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloccato</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>sbloccato</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltato</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>non saltato</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>nome «%1»</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Applica lista di riferimento: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Canale abbinato</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Cambia inoltre</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Voci di riferimento</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Canali senza corrispondenza</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Conflitti e note</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>&amp;Inizia da</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Mantienili dopo quelli abbinati</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Eliminali</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>Canali &amp;senza corrispondenza</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>&amp;Chiudi i buchi</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>Prendi i &amp;nomi</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
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
        <translation>eliminato</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Stesso canale</translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>«%1» corrisponde al canale %2 «%3», che «%4» mantiene: non cambia nulla</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Numero occupato</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>«%1» riceve %2: %3 è occupato</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>«%1» vuole %2, occupato da «%3»: riceve %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>«%1» vuole %2, che il canale «%3», lasciato com'è, mantiene: riceve %4</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Gruppo non conservato</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Riga non letta</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>Acc&amp;orcia i nomi per farli stare</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nome troppo lungo</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>&quot;%1&quot; è più lungo di quanto questo ricevitore conserva: rifiutato</translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>Stesso nome dopo il taglio</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>&quot;%1&quot; viene accorciato a &quot;%2&quot;, come un altro nome</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n canale di riferimento:</numerusform>
            <numerusform>%n canali di riferimento:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>%1 abbinati (%2 solo per nome, da controllare; %3 in conflitto), %4 senza corrispondenza.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>%n canale di questa lista senza voce.</numerusform>
            <numerusform>%n canali di questa lista senza voce.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>%n riga esclusa: lì non cambia nulla.</numerusform>
            <numerusform>%n righe escluse: lì non cambia nulla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>Il gruppo preferiti %1 «%2» (%n canale) supera i gruppi che questo ricevitore conserva</numerusform>
            <numerusform>Il gruppo preferiti %1 «%2» (%n canali) supera i gruppi che questo ricevitore conserva</numerusform>
        </translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>escluso: resta com&apos;è</translation>
    </message>
    <message>
        <source>%1, as it is</source>
        <translation>%1, invariato</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>%n nome non può essere memorizzato da questo ricevitore (troppo lungo o con un carattere che la tabella dei caratteri del canale non contiene): spunta «Accorcia i nomi per farli stare», lascia i nomi come sono o escludi quelle righe.</numerusform>
            <numerusform>%n nomi non possono essere memorizzati da questo ricevitore (troppo lunghi o con un carattere che la tabella dei caratteri del canale non contiene): spunta «Accorcia i nomi per farli stare», lascia i nomi come sono o escludi quelle righe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Nome rifiutato</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Caratteri sostituiti</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>«%1» viene memorizzato come «%2»: %n dei suoi caratteri manca nella tabella dei caratteri del canale</numerusform>
            <numerusform>«%1» viene memorizzato come «%2»: %n dei suoi caratteri mancano nella tabella dei caratteri del canale</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Rinomina con modello</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... reinseriscono un gruppo dell&apos;espressione regolare</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Sostituisci con:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Mantieni maiuscole/minuscole</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAIUSCOLO</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minuscolo</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Iniziali Maiuscole</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Nome attuale</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>non resta nulla: rifiutato</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>caratteri che il ricevitore non può mostrare</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Espressione regolare non valida: %1</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Accorcia i nomi per farli stare</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>più lungo di quanto il ricevitore conserva: rifiutato</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>accorciato a &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>dopo il taglio uguale a un&apos;altra riga</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n nome resterebbe vuoto: rinomina rifiutata.</numerusform>
            <numerusform>%n nomi resterebbero vuoti: rinomina rifiutata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>%n nome è più lungo di quanto il ricevitore conserva: rinomina rifiutata.</numerusform>
            <numerusform>%n nomi sono più lunghi di quanto il ricevitore conserva: rinomina rifiutata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Ne conserva %n carattere. Accorciate la sostituzione, spuntate «Accorcia i nomi per farli stare» o escludete quelle righe.</numerusform>
            <numerusform>Ne conserva %n caratteri. Accorciate la sostituzione, spuntate «Accorcia i nomi per farli stare» o escludete quelle righe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>%n nome spuntato cambierà.</numerusform>
            <numerusform>%n nomi spuntati cambieranno.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n nome accorciato a quanto il ricevitore conserva.</numerusform>
            <numerusform>%n nomi accorciati a quanto il ricevitore conserva.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>%n nome contiene caratteri che il ricevitore non può mostrare.</numerusform>
            <numerusform>%n nomi contengono caratteri che il ricevitore non può mostrare.</numerusform>
        </translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>contiene %1, che la tabella dei caratteri del canale non contiene: rifiutato</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>%n nome con caratteri che la tabella dei caratteri del canale non contiene: rinomina rifiutata. Spunta «Accorcia i nomi per farli stare» per memorizzarli come «?», oppure escludi quelle righe.</numerusform>
            <numerusform>%n nomi con caratteri che la tabella dei caratteri del canale non contiene: rinomina rifiutata. Spunta «Accorcia i nomi per farli stare» per memorizzarli come «?», oppure escludi quelle righe.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Canali</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Solo TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Solo radio</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>Nessun canale di nome «%1»</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Ordina e rinumera</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Ogni canale riceve un nuovo numero in quest&apos;ordine; decide per prima la prima chiave spuntata. Trascinare o usare i pulsanti per riordinare.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder o multiplex</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Criptati per ultimi</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>Nessuna lista canali aperta</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Ricevete la lista dal ricevitore tramite il cavo seriale oppure aprite un file dei canali o una cartella di lavoro salvati. La guida spiega ogni passaggio.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Ricevi dal ricevitore...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Apri un file...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Leggi la guida</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>TV %1 di %2 · Radio %3 di %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>Spunta &amp;tutto</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Nessuna spunta</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>A&amp;ggiorna transponder…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Aggiornare i transponder di un satellite da satellites.xml o da una tabella di scansione</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Transponder aggiornati</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Aggiorna transponder</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>&amp;Satellite:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;File…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>Ta&amp;bella:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>Nella lista</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>Nella tabella</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Tabella dei transponder</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Tabelle dei transponder (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tutti i file(*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (tabella di scansione del sistema)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>La lista non ha satelliti.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Scegliere una tabella: satellites.xml o una tabella di scansione DVB.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Tralasciato: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>I transponder sono come li elenca la tabella.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Modificati: %1, nuovi: %2, eliminati: %3.</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multiplex via cavo</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multiplex terrestri</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Tralasciato: riga %1: %2 non cade su nessun canale libero della griglia del paese</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Rimuovi inutilizzati</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Satelliti senza transponder in uso (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Transponder non usati da nessun canale (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Multiplex non usati da nessun canale (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Multiplex via cavo non usati da nessun canale (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Provider non indicati da nessun canale (%1)</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>È tutto in uso.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>%n record verrà rimosso.</numerusform>
            <numerusform>%n record verranno rimossi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>%n satellite resta per un transponder che resta.</numerusform>
            <numerusform>%n satelliti restano per transponder che restano.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>La nuova lingua vale dal prossimo avvio di Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>Impossibile creare il file di lavoro nella cartella temporanea.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Provider:</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>PID video:</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>PID audio:</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>PID PCR:</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>Service ID:</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>CAS</source>
        <translation>Criptato</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Sintonizzatore 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Sintonizzatore 2</translation>
    </message>
    <message>
        <source>The name holds %1, which the channel&apos;s character table cannot hold.</source>
        <translation>Il nome contiene %1, che la tabella dei caratteri del canale non contiene.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Satellite:</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transponder:</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Numero canale:</translation>
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
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbol rate:</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Modulazione:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Modello di ricevitore:</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Elenco colonne:</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Semplice</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Dettagliato</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Mux</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
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
        <translation>Numero logico:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Ricezione dal ricevitore</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Cerca...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nome:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Invio al ricevitore</translation>
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
        <translation>Satellite:</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbol rate:</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>TS ID:</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Deriva:</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarizzazione:</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC:</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>Trasmissione:</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Modulazione:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Deriva</translation>
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
        <translation>Nome satellite:</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Sintonizzatore %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
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
        <translation>Commutazione C/Ku:</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>Frequenza LNB:</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>Frequenza LNB personalizzata:</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>Frequenza LNB C:</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>Frequenza LNB C personalizzata:</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Alimentazione LNB:</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 kHz:</translation>
    </message>
    <message>
        <source>Tone Burst :</source>
        <translation>Tone burst:</translation>
    </message>
    <message>
        <source>DiSEqC :</source>
        <translation>DiSEqC:</translation>
    </message>
    <message>
        <source>Motor Pos :</source>
        <translation>Posizione motore:</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (sintonizzatore %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>Frequenza LNB personalizzata</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>Frequenza LNB C personalizzata</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Posizione motore</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Ancora in attesa. Controllare che il ricevitore sia acceso, mostri il menu di download e sia collegato alla porta scelta.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>PORTA:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>blocco %1 di %2</translation>
    </message>
</context>
<context>
    <name>qpui::DescriptionText</name>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
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
        <source>C Single Solu.(5150,5750)</source>
        <translation>LNB C singolo(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>LNB C standard(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>Tone burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTORE</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Spento</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Acceso</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Frequenza bassa : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Frequenza bassa(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Frequenza alta : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Frequenza alta(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Posizione motore : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Posizione motore(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB basso : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB basso(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB alto : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB alto(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>Commutazione C/Ku : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>Commutazione C/Ku(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>Modalità DiSEqC : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>Modalità DiSEqC(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>Alimentazione LNB : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>Alimentazione LNB(T%1) : %2</translation>
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
        <translation>Tone burst : %1</translation>
    </message>
    <message>
        <source>Tone Burst(T%1) : %2</source>
        <translation>Tone burst(T%1) : %2</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>Nome : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Posizione : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Frequenza   	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Symbol rate 	: %1 kS/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Deriva      	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Polarizzazione	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
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
        <translation>Segnale     	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>Trasmissione      	: %1    		Modulazione     	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Pilota            	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Nome multiplex : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Frequenza : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>Modo trasm. : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>Code rate : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Costell.  : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>Interv. guardia : %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Priorità  : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Sintonizzatore	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Nome canale : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>Service ID : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>PID video : %1</translation>
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
        <translation>Tracce audio	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Sottotitoli : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Televideo  : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>Tipo 	: %1</translation>
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
        <translation>Bloccato	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Saltato	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Provider : %1</translation>
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
        <translation>Ripristina…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 deve essere un numero da %2 a %3.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Posizione</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Questo modello non può contenere il canale</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>La tabella dei satelliti è piena</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Questo modello non memorizza satelliti</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>La tabella dei transponder è piena</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Questo modello non memorizza transponder</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>La tabella dei multiplex è piena</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Questo modello non memorizza multiplex terrestri</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Questo modello non memorizza multiplex via cavo</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>La tabella dei fornitori è piena</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Questo modello non memorizza fornitori</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>La tabella dei canali è piena</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Questo modello non memorizza canali</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Il suo satellite manca nell&apos;altra lista come questo modello la contiene</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Il suo transponder manca nell&apos;altra lista come questo modello la contiene</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Tutti gli ID che questo modello ha per un record simile sono occupati</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>Non resta alcun numero di canale del suo tipo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Già presente</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>Non aggiungibile</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliti</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multiplex</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Fornitori</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>trovato per portante e servizio</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>trovato per ID di servizio e di flusso</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>trovato per nome</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Unisci da %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>Numero qui</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Canali dell&apos;altra lista</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabella</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Record da creare</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>Dopo l&apos;ultimo del loro tipo</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Mantieni i loro numeri dove liberi</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Riempi i vuoti</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>N&amp;umeri dei canali aggiunti</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Tutti i satelliti</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV e radio</translation>
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
        <translation>Mostra s&amp;olo</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>I canali già presenti prendono:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Blocchi e salti</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Preferiti</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>No&amp;mi</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>Da aggiungere: %1. Da aggiornare: %2. Già presenti: %3. Non aggiungibili: %4. Record da creare: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 di %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>Dopo l&apos;applicazione: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cavo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>blocchi e salti</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>preferiti</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>&amp;Unisci da…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Aggiungi i canali di un&apos;altra lista, con i loro satelliti e transponder</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Unisci da</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Liste dei canali (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>Il file dei canali della cartella di lavoro</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>File locale (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>Leggere l&apos;altra lista come modello %1?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>L&apos;altra lista non può essere messa nella disposizione di questo modello.</translation>
    </message>
</context>
</TS>
