<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Fav</source>
        <extracomment>Column header: the channel&apos;s position in the favourite group shown (a number).</extracomment>
        <translation>Ulub.</translation>
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
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
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
        <translation>Gatunek</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>„%1” zawiera %2, czego tablica znaków kanału nie obsługuje</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>„%1” jest dłuższa niż %2 znaków, które odbiornik zapamiętuje z nazwy</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>kanał TV %1 „%2”</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>kanał radiowy %1 „%2”</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>%1: wskazany satelita %2 nie istnieje</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>%1: wskazany multipleks %2 nie istnieje</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>%1: wskazany transponder %2 satelity %3 nie istnieje</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>%1: wskazany transponder %2 satelity %3 należy w rzeczywistości do satelity %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>Transponder %1 MHz (id %2): wskazany satelita %3 nie istnieje</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>%1: wskazany dostawca %2 nie istnieje</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i %2 więcej</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>Usługę %2 transpondera %3 (satelita %4) nadaje kilka kanałów (%1): %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>Numery kanałów TV przeskakują z %1 na %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>Numer kanału TV %1 ma kilka kanałów (%2)</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>Numery kanałów radiowych przeskakują z %1 na %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>Numer kanału radiowego %1 ma kilka kanałów (%2)</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>Nazwa (%1) zawiera bajt %2, którego odbiornik nie wyświetli</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>%1 — brak nazwy: odbiornik uzna wpis za pustą pozycję i go odrzuci</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>%1 — nazwa składa się tylko ze spacji</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>satelita „%1”</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>dostawca „%1”</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>grupa ulubionych „%1”</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>Nazwa (%1) zawiera bajt %2, którego odbiornik nie wyświetli</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>Nazwa (%1) zostanie skrócona do „%2”: odbiornik zapamiętuje %3 bajtów</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>Tabela grup ulubionych ma wpisów: %1, a jej blok flash mieści: %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>Tabela satelitów ma wpisów: %1, a jej blok flash mieści: %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>Tabela dostawców ma wpisów: %1, a jej blok flash mieści: %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>Tabela transponderów ma wpisów: %1, a jej blok flash mieści: %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>Tabela multipleksów kablowych ma wpisów: %1, a jej blok flash mieści: %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>Tabela kanałów ma wpisów: %1, a jej blok flash mieści: %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>Grupa ulubionych %1 „%2” wykracza poza liczbę grup, które zapamiętuje odbiornik (%3)</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>Grupa ulubionych %1 zawiera %n kanał i wykracza poza liczbę grup, które zapamiętuje odbiornik (%2)</numerusform>
            <numerusform>Grupa ulubionych %1 zawiera %n kanały i wykracza poza liczbę grup, które zapamiętuje odbiornik (%2)</numerusform>
            <numerusform>Grupa ulubionych %1 zawiera %n kanałów i wykracza poza liczbę grup, które zapamiętuje odbiornik (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Identyfikatory transponderów doszły do %1, ponad 255: nowe transpondery dostaną id, których odbiornik nie zapisze</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>%1 — nieużywany przez żaden kanał</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multipleks %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Transponder %1 MHz (id %2) satelity %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Multipleks kablowy %1 kHz (id %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 — zmieniono</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 — usunięto</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 — dodano</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Satelita %1 „%2”</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Dostawca %1 „%2”</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Grupa ulubionych %1 „%2”</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>teraz zablokowany</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>już niezablokowany</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>teraz kodowany</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>już niekodowany</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>teraz pomijany</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>już niepomijany</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>dodany do grupy ulubionych %1</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>usunięty z grupy ulubionych %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 z %2 na %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multipleks %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, id transpondera %2</translation>
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
        <translation>satelita %1</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>%1 — usunięto</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>%1 — dodano</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>%1 — przeniesiono na TV %2</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>%1 — przeniesiono na radio %2</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>%1 — przeniesiono z %2 na %3</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>%1 — zmieniono nazwę na „%2”</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>%1 — zmieniono: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>Przenumerowano kanały TV w ich kolejności: %1</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>Przenumerowano kanały radiowe w ich kolejności: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>Odbiornik ma 1 bajt różny od wysłanego, w bloku %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>Odbiornik ma bajty różne od wysłanych (%1), w bloku %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>Odbiornik ma bajty różne od wysłanych (%1), w blokach %2</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>Satelity, transpondera lub dostawcy %n kanału nie ma w tej bazie: najpierw otwórz plik kanałów odbiornika.</numerusform>
            <numerusform>Satelity, transpondera lub dostawcy %n kanałów nie ma w tej bazie: najpierw otwórz plik kanałów odbiornika.</numerusform>
            <numerusform>Satelity, transpondera lub dostawcy %n kanałów nie ma w tej bazie: najpierw otwórz plik kanałów odbiornika.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Brak satelity</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Brak transpondera</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Transponder innego satelity</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Brak dostawcy</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Zdublowany kanał</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Luka w numeracji</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Numer użyty dwa razy</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Znak niewyświetlany</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Za długa nazwa</translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Kanał bez nazwy</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Za dużo grup ulubionych</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Grupa ulubionych nie zostanie zapisana</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Tabela pełna</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Nieużywany transponder</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Nieużywany multipleks</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>Wyczerpane id transponderów</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multipleksy naziemne</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multipleksy kablowe</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Dostawcy</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Grupy ulubionych</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Dodane</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Usunięte</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmienione</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Przeniesione</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Przemianowane</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Zmienione flagi</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>skonfigurowany model</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>model %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>jako %1 zawiera satelity: %2, transpondery lub multipleksy: %3 i kanały: %4</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>jako %1 nie da się go odczytać</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>jako %1 nie zawiera niczego</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>jako %1 — wpisy bez sensu: %2 z %3</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Ten plik wygląda na bazę, do której pasuje %1, a nie %2: %3; %4.</translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Pozioma</translation>
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
        <translation>Użytkownika</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>Grupy ulubionych %1 wykraczają poza liczbę grup, które zapamiętuje docelowy model (%2)</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>Nie można zapisać 1 satelity: docelowy model nie przechowuje satelitów</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>Nie można zapisać satelitów (%1): docelowy model nie przechowuje satelitów</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>Nie można zapisać 1 transpondera: docelowy model nie przechowuje transponderów</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>Nie można zapisać transponderów (%1): docelowy model nie przechowuje transponderów</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>Nie można zapisać 1 multipleksu kablowego: docelowy model nie przechowuje multipleksów kablowych</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>Nie można zapisać multipleksów kablowych (%1): docelowy model nie przechowuje multipleksów kablowych</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Nie można zapisać 1 multipleksu naziemnego: docelowy model nie ma tunera naziemnego tego rodzaju</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Nie można zapisać multipleksów naziemnych (%1): docelowy model nie ma tunera naziemnego tego rodzaju</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Nie można zapisać części naziemnej (satelita 1): docelowy model nie ma tunera naziemnego tego rodzaju</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Satelita 1 zostałby odczytany jako część naziemna docelowego modelu (satelita 1)</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 transponder satelity 1 zostałby odczytany jako część naziemna docelowego modelu (satelita 1)</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Transpondery satelity 1 (%1) zostałyby odczytane jako część naziemna docelowego modelu (satelita 1)</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 kanał satelity 1 zostałby odczytany jako część naziemna docelowego modelu (satelita 1)</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Kanały satelity 1 (%1) zostałyby odczytane jako część naziemna docelowego modelu (satelita 1)</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>Nie można zapisać 1 kanału z nośnych satelitarnych: docelowy model nie ma tunera satelitarnego</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>Nie można zapisać kanałów z nośnych satelitarnych (%1): docelowy model nie ma tunera satelitarnego</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>Nie można zapisać 1 kanału z nośnych naziemnych: docelowy model nie ma tunera naziemnego</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>Nie można zapisać kanałów z nośnych naziemnych (%1): docelowy model nie ma tunera naziemnego</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>Nie można zapisać 1 kanału z nośnych kablowych: docelowy model nie ma tunera kablowego</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>Nie można zapisać kanałów z nośnych kablowych (%1): docelowy model nie ma tunera kablowego</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>1 satelita ma ustawienia drugiego tunera, których docelowy model, z jednym tunerem, nie zachowa</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>Satelity z ustawieniami drugiego tunera (%1), których docelowy model, z jednym tunerem, nie zachowa</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Nie można odczytać nagłówka pliku. Kontynuować?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Nie można otworzyć pliku wersji lub plik jest nieprawidłowy</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Nie można zapisać pliku kanałów</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Dane do wysłania są puste lub nieprawidłowe</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>Nie można zapisać pliku roboczego w folderze tymczasowym</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>Nie można otworzyć pliku skoroszytu</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>Nie można otworzyć pliku skoroszytu: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>To nie jest czytelny skoroszyt Excel 97-2003</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>Skoroszyt jest chroniony hasłem</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>Skoroszyt ma dwa arkusze „Channel”: nie wiadomo, który zastąpić</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>Skoroszyt nie ma arkusza „Channel”</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>Nie można zapisać pliku skoroszytu</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>Arkusz kanałów zawiera nazwy, których odbiornik nie zapamięta: popraw je we wskazanych wierszach lub otwórz go z nazwami przyciętymi do długości</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Za dużo kanałów na jeden arkusz (najwyżej 65535)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>Arkusz kanałów zawiera wartość, której jej kolumna nie przyjmie: popraw ją w pliku</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>Pliku CSV nie da się odczytać jako arkusza kanałów: popraw go we wskazanym wierszu</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>To jest skoroszyt programu Excel 2007 lub nowszego (.xlsx). Zapisz go w arkuszu kalkulacyjnym jako Excel 97-2003 (.xls) lub CSV.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>To jest arkusz kalkulacyjny OpenDocument (.ods). Zapisz go w arkuszu kalkulacyjnym jako Excel 97-2003 (.xls) lub CSV.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Nie można kopiować z kanałów TV do kanałów radiowych</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Nie można kopiować z kanałów radiowych do kanałów TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Nie można przenosić z kanałów TV do kanałów radiowych</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Nie można przenosić z kanałów radiowych do kanałów TV</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>Nie można zmienić nazwy grupy ulubionych: nazwa jest za długa (najwyżej 19 znaków)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>Grupa ulubionych nie istnieje</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>Nazwa jest pusta!</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Nazwa kanału jest dłuższa, niż zapamiętuje odbiornik: nic nie zmieniono</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>Satelita transpondera nie istnieje</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>Nie można dodać satelity: id satelitów kończą się na 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>Nie można dodać transpondera do tego satelity: id transponderów kończą się na 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>Nie można dodać multipleksu: id multipleksów kończą się na 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>Nie można dodać dostawcy: id nadawców kończą się na 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>Nie udało się zapisać wpisu</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Satelita %1</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multipleks %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · transponder %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>Multipleks kablowy</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Multipleks kablowy %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Multipleks, kanał RF %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Grupa ulubionych %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Dostawca %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Gatunek %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>oczekiwanie na odbiornik</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>wysyłanie bloku %1 z %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>weryfikacja</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gotowe</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>błąd: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Zatrzymano</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>Odbiornik zawiera bazę inną niż wysłana</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>zweryfikowano</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>wysłano</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>błąd</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>zatrzymano</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Wiadomości i publicystyka</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Rozrywka</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Dla dzieci</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Dokument i fakty</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Edukacja</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Styl życia</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Dramat</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Kultura i sztuka</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Aktualności</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Specjalne</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Komedia</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Dokumentalny</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Pozycja</translation>
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
        <translation>Częst.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaryz.</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Częst. (MHz)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Tryb TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <extracomment>Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.</extracomment>
        <translation>Kod. spr.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Modul.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <extracomment>Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.</extracomment>
        <translation>Odst. ochr.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorytet</translation>
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
        <translation>Odwróc.</translation>
    </message>
    <message>
        <source>Mark</source>
        <extracomment>Column header, cable: the multiplex&apos;s marker flag (a check mark), not a brand.</extracomment>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Column header: number (the row&apos;s position), not the word &quot;no&quot;.</extracomment>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID nadawcy</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Liczba</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Transponder / multipleks</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijany</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Kanały TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Kanały radiowe</translation>
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
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Brak kanałów</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Radio %1 „%2”</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>TV %1 „%2”</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Wpis %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, przycięta do „%2”</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Zapisz dla innego modelu</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 nie pomieści wszystkiego z tej bazy. Te elementy nie zostaną zapisane:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>&amp;Zapisz bez nich</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Ten model nie pomieści tego kanału</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>Tabela satelitów jest pełna</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Ten model nie przechowuje satelitów</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>Tabela transponderów jest pełna</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Ten model nie przechowuje transponderów</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>Tabela multipleksów jest pełna</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Ten model nie przechowuje multipleksów naziemnych</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Ten model nie przechowuje multipleksów kablowych</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>Tabela dostawców jest pełna</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Ten model nie przechowuje dostawców</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>Tabela kanałów jest pełna</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Ten model nie przechowuje kanałów</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Jego satelity nie ma w drugiej liście w układzie tego modelu</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Jego transpondera nie ma w drugiej liście w układzie tego modelu</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Wszystkie id, jakie ten model ma dla takiego wpisu, są zajęte</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>Nie został dla niego żaden wolny numer kanału tego rodzaju</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Już jest</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>Nie można dodać</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Nazwa nadawcy: %1 (ID: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Otworzyć ją jako bazę modelu %1? Okno będzie wtedy działać w modelu %1 do następnego uruchomienia.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>to nie trzy pola Pr#;Name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>numer programu nie jest liczbą od 0 do 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>identyfikatory to nie trzy liczby ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>nazwa jest pusta</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>nazwa jest dłuższa, niż może być nazwa kanału</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>Listę odczytano jako UTF-8.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>Listę odczytano jako Latin-1: jej bajty nie są w UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>Port szeregowy jest już otwarty lub rozłączony. Sprawdź stan odbiornika</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>Nie można otworzyć lub przygotować pliku tymczasowego</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Łączenie z portem szeregowym...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Nie udało się wysłać polecenia zapisu (skrypt)</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Nie udało się wysłać polecenia zapisu</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>Wysyłanie danych nie powiodło się!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Odebrano wszystkie dane.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>Zamknąć podłączony port szeregowy?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Odbieranie (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Wysyłanie (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Wyłącz i włącz odbiornik...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>Oczekiwanie na ponowne uruchomienie odbiornika...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Dane wysłane. Chwileczkę...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Dane wysłane. Trwa zapisywanie...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Wszystkie dane wysłane i zapisane.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>Nie udało się wysłać wszystkich danych.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>Połączenie z odbiornikiem zostało przerwane po bloku %1 z %2.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>Połączenie z odbiornikiem zostało przerwane przed pierwszym blokiem.</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>Odbiornik wysłał blok, o który nie proszono, więc jakiś blok mógł zostać przyjęty dwa razy: nic z odebranych danych nie zostaje zachowane</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>deklaracje i encje nie mają miejsca w tabeli transponderów</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>elementy zagnieżdżone głębiej niż transpondery satelity</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>transponder poza satelitą lub siecią kablową</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>atrybut %1 jest za długi (limit znaków: %2)</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>pozycja %1 nie jest podana w dziesiątych częściach stopnia od -1800 do 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>liczba transponderów przekracza %1</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>częstotliwość %1 nie jest nośną satelitarną w kHz</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>symbol rate %1 nie jest podany w symbolach na sekundę</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>częstotliwość %1 nie jest nośną kablową w kHz</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>brak atrybutu %1</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; nie jest liczbą</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; nie jest wartością znaną formatowi</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>tabela jest większa niż jakakolwiek tabela transponderów</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>[CHANNEL] bez FREQUENCY i SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>częstotliwość %1 nie jest nośną kablową w Hz</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>wiersz jest za długi (limit znaków: %1)</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>wiersz zawiera bajt, który nie występuje w żadnym tekście</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>„%1” nie ma postaci KLUCZ = WARTOŚĆ</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>wartość przed pierwszym [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 nie jest wartością znaną formatowi</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 nie jest liczbą</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 zawiera multipleksy kablowe, których ten model nie przechowuje</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 zawiera kilka sieci kablowych (%2): zostaw w nim tylko sieć tej listy</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 nie podaje pozycji orbitalnej: wybierz satelitę do aktualizacji</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1 zawiera satelitę na pozycji %2 dwa razy (wiersze %3 i %4): zostaw jeden z nich</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Ani lista, ani %1 nie ma satelity na pozycji %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>%1 nie zawiera żadnego satelity z listy</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Zmieniony</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Brak w tabeli</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>tabela nie zaczyna się od &lt;satellites&gt;, &lt;cables&gt; ani &lt;locations&gt;</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>częstotliwość %1 nie jest nośną naziemną w Hz</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>[CHANNEL] bez FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 zawiera multipleksy naziemne, których ten model nie przechowuje</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 zawiera kilka regionów naziemnych (%2): zostaw w nim tylko region tej listy</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Renumber</source>
        <translation>Przenumeruj</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Usuń duplikaty</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Usuń nieużywane</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Przypisz do dostawcy</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Usuń z ulubionych</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Przenieś tutaj</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Zmień kolejność</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Przenieś</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>Undo step: channels marked locked (parental lock). Short.</extracomment>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Undo step: channels marked to be skipped when zapping. Short.</extracomment>
        <translation>Pomijaj</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Upuść na satelitę</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Upuść na multipleks</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Upuść na transponder</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Upuść na dostawcę</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Dodaj do grupy ulubionych</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Ustaw gatunek</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Usuń duplikaty</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Zmień nazwy według wzorca</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Sortuj i przenumeruj</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Usuń nieużywane</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Zmień nazwę grupy ulubionych</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Wyczyść grupę ulubionych</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Usuń grupę ulubionych</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Import skoroszytu</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nowy satelita</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nowy transponder</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nowy multipleks</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Nowy dostawca</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Zmień satelitę</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Zmień transponder</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Zmień multipleks</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Zmień dostawcę</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Przenieś transpondery</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Zastosuj listę referencyjną</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Scal z listą</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Aktualizuj transpondery</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Wiersz %1, pole %2: tekst w cudzysłowie nie jest zamknięty</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Wiersz %1, pole %2: cudzysłów wewnątrz pola, które nie zaczyna się od cudzysłowu</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Wiersz %1, pole %2: tekst za zamykającym cudzysłowem</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Wiersz %1, pole %2: dłuższe niż %3 znaków</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>Wiersz %1 ma pól: %2; arkusz kanałów ma: %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Wiersz %1, pole %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Arkusz „%1”, wiersz %2, kolumna %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Wiersz %1, pole %2 (%3): „%4” nie jest liczbą</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Arkusz „%1”, wiersz %2, kolumna %3 (%4): „%5” nie jest liczbą</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Wiersz %1, pole %2 (%3): %4 jest poza zakresem od %5 do %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Arkusz „%1”, wiersz %2, kolumna %3 (%4): %5 jest poza zakresem od %6 do %7</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Przywróć…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Otwórz obraz zachowany przy odbieraniu lub wysyłaniu</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Weryfikuj po wysłaniu</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>Po wysłaniu odbierz obraz z powrotem i porównaj</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>W porównaniu z obrazem ostatnio odebranym z tego odbiornika lub do niego wysłanym (%1):</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Co się zmieni</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Żaden obraz zachowany z tego odbiornika nie pasuje do jego sumy kontrolnej: wysyłanie nie zostanie porównane.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>Najnowszy obraz zachowany z tego odbiornika (%1) nie pasuje już do jego sumy kontrolnej; porównano z obrazem zachowanym %2.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>Odebrana lista nie została otwarta; jest przechowywana wśród kopii zapasowych (Odbiornik → Przywróć…).</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Weryfikacja: odbieranie danych z odbiornika</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>Nie można zweryfikować wysłania: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>nie można odczytać obrazu</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Weryfikacja nie powiodła się</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>Odbiornik zawiera bazę inną niż wysłana:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Zweryfikowano</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>Nie można zachować kopii zapasowej obrazu: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Ta kopia zapasowa pochodzi z modelu %1. Otworzyć ją jako bazę modelu %1? Okno będzie wtedy działać w modelu %1 do następnego uruchomienia.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Received</source>
        <translation>Odebrany</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Wysłany</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Odczytany po wysłaniu</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Zachowano</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
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
        <translation>Model</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (inny model)</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Suma kontrolna %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nowy...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Zmień...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Usuń          	Delete</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Kopiuj        	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Wklej         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Przenieś tutaj</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Dodaj do grupy ulubionych</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Blokada...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Pomijanie...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Zaznacz...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Zaznacz wszystko  Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowane</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Kodowane</translation>
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
        <translation>Odwróć zaznaczenie</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Opis...	Enter</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Usuń z ulubionych</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Usunąć zaznaczone elementy?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>Usunąć %n kanał?</numerusform>
            <numerusform>Usunąć %n kanały?</numerusform>
            <numerusform>Usunąć %n kanałów?</numerusform>
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
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijany</translation>
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
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Sprawdź bazę pod kątem tego, co odbiornik może zapamiętać</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Porównaj z plikiem…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Pokaż, co zmienia się między plikiem kanałów a otwartą bazą</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Wysłać mimo to?</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Porównaj z plikiem</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Plik binarny (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Co się zmieni</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>Z %1 do otwartej bazy:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Brak dostawcy</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Przypisz do dostawcy</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>Kanały dostawcy %1, który nie istnieje, trafią do:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Filtruj kanały</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Zaznacz wszystkie widoczne</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Znajdź duplikaty...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Zmień nazwy według wzorca...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Sortuj i przenumeruj...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Usuń nieużywane...</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>Usunięto %n zdublowany kanał</numerusform>
            <numerusform>Usunięto %n zdublowane kanały</numerusform>
            <numerusform>Usunięto %n zdublowanych kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Najpierw zaznacz kanały, którym chcesz zmienić nazwy.</translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>Usunięto %n nieużywany wpis</numerusform>
            <numerusform>Usunięto %n nieużywane wpisy</numerusform>
            <numerusform>Usunięto %n nieużywanych wpisów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>same service</source>
        <translation>ta sama usługa</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>ta sama nazwa</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>wersje SD i HD jednej nazwy</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Znajdź duplikaty</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>Najniższy numer</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>HD przed SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>Niekodowany przed kodowanym</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>Ten w grupie ulubionych</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Zachowaj:</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>Traktuj wersje SD i HD jako duplikaty</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Usuń duplikaty</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Grupa %1: %2</translation>
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
        <translation>Zachowaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Brak duplikatów.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>Zaznaczono %n grupę</numerusform>
            <numerusform>Zaznaczono %n grupy</numerusform>
            <numerusform>Zaznaczono %n grup</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>%n kanał zostanie usunięty, z każdej grupy zostaje jeden.</numerusform>
            <numerusform>%n kanały zostaną usunięte, z każdej grupy zostaje jeden.</numerusform>
            <numerusform>%n kanałów zostanie usuniętych, z każdej grupy zostaje jeden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Gatunek</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Wszystkie grupy ulubionych, które zapamiętuje odbiornik, są zajęte: najpierw wyczyść lub usuń jedną z nich.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Nowa grupa...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Zmień nazwę...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>Usunąć wszystkie kanały z %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>Usunąć grupę ulubionych %1? Jej kanały pozostaną na liście.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Filter channels by name</source>
        <translation>Filtruj kanały według nazwy</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Wyrażenie reg.</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Zaznacz wszystkie widoczne</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder lub multipleks</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Grupa ulubionych</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV lub radio</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV i radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Tylko TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Tylko radio</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>Kodowane lub nie</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowane</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Filter choice: free-to-air channels (not scrambled), not free of charge.</extracomment>
        <translation>Niekodowane</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowane</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Zablokowane lub nie</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>Niezablokowane</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijane</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Pomijane lub nie</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>Niepomijane</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Dowolny satelita</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Dowolny dostawca</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>W grupie lub nie</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>W grupie ulubionych</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Poza grupami ulubionych</translation>
    </message>
    <message>
        <source>Any frequency</source>
        <translation>Dowolna częstotliwość</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>To nie jest wyrażenie regularne: %1</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Więcej (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Przenumeruj</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>Usuń zaznaczone duplikaty</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Usuń nieużywane</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Przypisz do dostawcy…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>Nie znaleziono błędów.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n błąd</numerusform>
            <numerusform>%n błędy</numerusform>
            <numerusform>%n błędów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n ostrzeżenie</numerusform>
            <numerusform>%n ostrzeżenia</numerusform>
            <numerusform>%n ostrzeżeń</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Waga</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Reguła</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>Wyślij do kilku odbiorników</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>Powtarzaj na tym porcie</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>&amp;Dodaj port</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>&amp;Inny port:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Wersja odbiornika</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloki</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekundy</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>Zapisz &amp;raport…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Zaznacz porty odbiorników, do których wysłać listę.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>Wiersz raportu nie został dopisany do dziennika w folderze kopii zapasowych: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Żaden odbiornik jeszcze nie skończył: raport jest pusty.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>raport.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Raport nie został zapisany: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Instrukcja Chanforge</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>Instrukcja nie jest zainstalowana obok programu.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Dostawca</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Ulubione</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Dostawcy</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Ulubione</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satelita</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Informacje o multipleksie</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Naziemna</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multipleksy</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multipleksy kablowe</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Nowy...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Zmień...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Usuń	Delete</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Opis...	Enter</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satelitę %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>transponder %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multipleks %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Usunąć zaznaczone elementy?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>Usunąć %1 i jego %n kanał?</numerusform>
            <numerusform>Usunąć %1 i jego %n kanały?</numerusform>
            <numerusform>Usunąć %1 i jego %n kanałów?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>Usunąć %n satelitę i należące do niego: %1?</numerusform>
            <numerusform>Usunąć %n satelity i należące do nich: %1?</numerusform>
            <numerusform>Usunąć %n satelitów i należące do nich: %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>Usunąć %n transponder i należące do niego: %1?</numerusform>
            <numerusform>Usunąć %n transpondery i należące do nich: %1?</numerusform>
            <numerusform>Usunąć %n transponderów i należące do nich: %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>Usunąć %n multipleks i należące do niego: %1?</numerusform>
            <numerusform>Usunąć %n multipleksy i należące do nich: %1?</numerusform>
            <numerusform>Usunąć %n multipleksów i należące do nich: %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Teraz widoczne: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Grupa ulubionych</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Kanały:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV i radio</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Tylko TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Tylko radio</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>&amp;Rodzaje:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Kolumny:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>Według &amp;numeru</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>Według n&amp;azwy</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Kolejność:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Kolumn na &amp;stronę:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Otwórz istniejącą bazę</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;Zapisz do pliku...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>Eksportuj tabelę &amp;C...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Zapisz tabelę kanałów jako kod źródłowy C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Odbierz</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Odbierz bazę z odbiornika</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Odbierz</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Wyślij bazę do odbiornika</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Konfiguracja (model odbiornika)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Wybierz model odbiornika</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Odśwież wszystko</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>&amp;Proste kolumny</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>Ukryj kolumny id i PID</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Cofnij ostatnią zmianę</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Ponów ostatnio cofniętą zmianę</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Wyświetl informacje o programie, numer wersji i prawa autorskie</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Instrukcja</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>Instrukcja obsługi: odbieranie, edycja, sprawdzanie, wysyłanie</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Skróty klawiszowe</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>Klawisze okna, tabel i list</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ostatnio o&amp;twierane</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Nowy kanał...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Zmień kanał...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Przenieś tutaj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Zaznacz</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowane</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Kodowane</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Znajdź poprzedni</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>Wpi&amp;sy</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Nowy satelita...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Nowy transponder...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Nowy multipleks kablowy...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Nowy dostawca...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>&amp;Odbiornik</translation>
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
        <translation>Okno
  Ctrl+O  Otwórz    Ctrl+S  Zapisz do pliku    Ctrl+R  Odbierz    Ctrl+T  Wyślij
  Ctrl+Z  Cofnij    Ctrl+Y  Ponów    F5  Odśwież    Ctrl+P  Drukuj    Ctrl+Q  Zakończ
  F6, Shift+F6  następny, poprzedni panel    Tab, Shift+Tab  następna, poprzednia lista
Tabele kanałów
  Ctrl+N  Nowy    Ctrl+C  Kopiuj    Ctrl+V  Wklej    Del  Usuń    Ctrl+F  Szukaj
  F3, Shift+F3  następny, poprzedni kanał o szukanej nazwie
  Enter lub dwuklik  Opis    przeciągnięcie  przeniesienie lub upuszczenie na listę lub grupę
  Ctrl+Shift+F  Filtruj kanały    Ctrl+H  Zmień nazwy według wzorca
Listy satelitów, transponderów, multipleksów kablowych i dostawców
  Ctrl+N  Nowy    Del  Usuń    Enter lub dwuklik  Opis
Pasek tytułu lub pasek narzędzi
  Ctrl + dwuklik  Konfiguracja    Shift + dwuklik  Eksportuj tabelę C</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>Lista kanałów ma niezapisane zmiany. Zapisać je teraz?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Zapisz dane kanałów</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Plik lokalny (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>Plik Excel (*.xls)</translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>Plik CSV, rozdzielany przecinkami (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>Plik CSV, rozdzielany średnikami (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>Plik CSV, rozdzielany tabulatorami (*.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>Skoroszyt zawiera tylko kanały: zapisz do pliku kanałów, aby zachować pozostałe zmiany</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Wczytaj dane kanałów</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Plik binarny (*.bin)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Zapisz domyślne dane kanałów</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>Plik lokalny (*.h)</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge dla %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Ctrl + dwuklik: Konfiguracja · Shift + dwuklik: Eksportuj tabelę C</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>Przeniesiono %n kanał do %1</numerusform>
            <numerusform>Przeniesiono %n kanały do %1</numerusform>
            <numerusform>Przeniesiono %n kanałów do %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>Przypisano %n kanał do %1</numerusform>
            <numerusform>Przypisano %n kanały do %1</numerusform>
            <numerusform>Przypisano %n kanałów do %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>Dodano %n kanał do %1</numerusform>
            <numerusform>Dodano %n kanały do %1</numerusform>
            <numerusform>Dodano %n kanałów do %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>Ustawiono %1 dla %n kanału</numerusform>
            <numerusform>Ustawiono %1 dla %n kanałów</numerusform>
            <numerusform>Ustawiono %1 dla %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>Nie przeniesiono %n kanału: %1 nie ma transpondera o tej samej częstotliwości i polaryzacji</numerusform>
            <numerusform>Nie przeniesiono %n kanałów: %1 nie ma transpondera o tej samej częstotliwości i polaryzacji</numerusform>
            <numerusform>Nie przeniesiono %n kanałów: %1 nie ma transpondera o tej samej częstotliwości i polaryzacji</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, zawężone paskiem filtra</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Nie ustawiono modelu odbiornika</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Skróty klawiszowe</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Cofnij: %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Ponów: %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>O programie Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge wersja %1 (kompilacja: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Edytor list kanałów dla cyfrowych odbiorników TV.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Należy teraz ponownie uruchomić program.</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>Wyślij do ki&amp;lku odbiorników…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Wyślij bazę jednocześnie do wszystkich zaznaczonych portów, z weryfikacją każdego</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>Scal z &amp;listą…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Dodaj kanały innej listy wraz z ich satelitami i transponderami</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Scal z listą</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Listy kanałów (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>Plik kanałów do skoroszytu</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Plik lokalny (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>Odczytać drugą listę jako model %1?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>Drugiej listy nie da się przenieść do układu tego modelu.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satelity</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondery</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multipleksy</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Dostawcy</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>znaleziony po nośnej i usłudze</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>znaleziony po id usługi i strumienia</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>znaleziony po nazwie</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Scal z listą: %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>Numer tutaj</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Kanały drugiej listy</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Wpis</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Wpisy do utworzenia</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>Za ostatnim kanałem tego rodzaju</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Zachowaj ich numery, jeśli wolne</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Wypełnij luki</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>&amp;Numery dodanych kanałów</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Wszystkie satelity</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV i radio</translation>
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
        <translation>Pokaż &amp;tylko</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>Kanały już obecne przejmują:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Blokady i pomijanie</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Ulubione</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>Na&amp;zwy</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>Do dodania: %1. Do aktualizacji: %2. Już są: %3. Nie można dodać: %4. Wpisy do utworzenia: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1: %2 z %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>Po zastosowaniu: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Naziemna</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kablowa</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznana</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>blokady i pomijanie</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>ulubione</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Następny panel</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Poprzedni panel</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>Plik HTML (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Drukuj listę kanałów</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Pod&amp;gląd wydruku...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Pokaż drukowaną listę kanałów strona po stronie</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Zapisz listę kanałów jako dokument PDF</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Zapisz listę kanałów jako CSV dla arkuszy kalkulacyjnych</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Zapisz listę kanałów jako stronę WWW</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>Ek&amp;sport</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Nie można użyć drukarki.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Drukuj listę kanałów</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Eksportuj listę kanałów</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>Zastosuj listę &amp;referencyjną…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Numeruj, grupuj, blokuj i pomijaj kanały tak jak inna lista</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>Zapisz dla &amp;innego modelu…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Zapisz tę bazę w układzie innego modelu odbiornika</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Lista referencyjna</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Listy referencyjne (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>Model odbiornika, dla którego jest baza referencyjna:</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>Odczytać listę referencyjną jako model %1?</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Zapisz dla innego modelu: model</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Zapisz bazę dla:</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Zapisz dla modelu %1: plik</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Plik lokalny (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>Zapisano dla %1. Plik da się otworzyć, gdy ten model zostanie wybrany w konfiguracji.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>ta sama nośna i usługa</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>id usługi i strumienia</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>nazwa (niepewne)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>nazwa z HD lub bez (niepewne)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>grupa %1</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>ulubione %1 → %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>zablokowany</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>odblokowany</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>pomijany</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>niepomijany</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>nazwa „%1”</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Zastosuj listę referencyjną: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencja</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Dopasowany kanał</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metoda</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Zmienia też</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Wpisy referencyjne</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Kanały bez dopasowania</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Co</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Konflikty i uwagi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>&amp;Zacznij od</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Zostaw je za dopasowanymi</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Usuń je</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>Kanały &amp;bez dopasowania</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>Usuń &amp;luki</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>Przejmij &amp;nazwy</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>&amp;Dopasuj nazwy</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n kanał referencyjny:</numerusform>
            <numerusform>%n kanały referencyjne:</numerusform>
            <numerusform>%n kanałów referencyjnych:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>Dopasowane: %1 (tylko po nazwie, do sprawdzenia: %2; w konflikcie: %3), bez dopasowania: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>%n kanał tej listy bez wpisu.</numerusform>
            <numerusform>%n kanały tej listy bez wpisu.</numerusform>
            <numerusform>%n kanałów tej listy bez wpisu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>Pominięto %n wiersz: tam nic się nie zmienia.</numerusform>
            <numerusform>Pominięto %n wiersze: tam nic się nie zmienia.</numerusform>
            <numerusform>Pominięto %n wierszy: tam nic się nie zmienia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>%n nazwy ten odbiornik nie zapamięta (za długa lub ze znakiem, którego nie ma w tablicy znaków kanału): zaznacz „Dopasuj nazwy”, zostaw nazwy bez zmian lub pomiń te wiersze.</numerusform>
            <numerusform>%n nazw ten odbiornik nie zapamięta (za długie lub ze znakiem, którego nie ma w tablicy znaków kanału): zaznacz „Dopasuj nazwy”, zostaw nazwy bez zmian lub pomiń te wiersze.</numerusform>
            <numerusform>%n nazw ten odbiornik nie zapamięta (za długie lub ze znakiem, którego nie ma w tablicy znaków kanału): zaznacz „Dopasuj nazwy”, zostaw nazwy bez zmian lub pomiń te wiersze.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>„%1” pasuje do kanału %2 „%3”, który zachowuje „%4”: nic nie zmienia</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>„%1” chce %2, zajęty przez „%3”: dostaje %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>„%1” chce %2, który zachowuje kanał „%3”, pozostawiony bez zmian: dostaje %4</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>„%1” dostaje %2: %3 jest zajęty</translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>pominięty: zostaje bez zmian</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
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
        <translation>%1, bez zmian</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>usunięty</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Ten sam kanał</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Numer zajęty</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Za długa nazwa</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>„%1” jest dłuższa, niż zapamiętuje ten odbiornik: odrzucono</translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Nazwa odrzucona</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Zastąpione znaki</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>„%1” zostanie zapisana jako „%2”: w tablicy znaków kanału brakuje %n jej znaku</numerusform>
            <numerusform>„%1” zostanie zapisana jako „%2”: w tablicy znaków kanału brakuje %n jej znaków</numerusform>
            <numerusform>„%1” zostanie zapisana jako „%2”: w tablicy znaków kanału brakuje %n jej znaków</numerusform>
        </translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>Ta sama nazwa po przycięciu</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>„%1” zostanie przycięta do „%2”, tak jak inna nazwa</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Grupa nie zostanie zapisana</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>Grupa ulubionych %1 „%2” (%n kanał) wykracza poza grupy, które zapamiętuje ten odbiornik</numerusform>
            <numerusform>Grupa ulubionych %1 „%2” (%n kanały) wykracza poza grupy, które zapamiętuje ten odbiornik</numerusform>
            <numerusform>Grupa ulubionych %1 „%2” (%n kanałów) wykracza poza grupy, które zapamiętuje ten odbiornik</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Wiersz nieodczytany</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Zmień nazwy według wzorca</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... wstawiają z powrotem grupę wyrażenia regularnego</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Zamień na:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Wyrażenie regularne</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Zachowaj wielkość liter</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>WIELKIE LITERY</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>małe litery</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Jak W Tytule</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Dopasuj nazwy</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Obecna nazwa</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwy</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>nic nie zostaje: odrzucono</translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>zawiera %1, czego tablica znaków kanału nie obsługuje: odrzucono</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>dłuższa, niż zapamiętuje odbiornik: odrzucono</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>przycięta do „%1”</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>po przycięciu ta sama nazwa co w innym wierszu</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>znaki, których odbiornik nie wyświetli</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>To nie jest wyrażenie regularne: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n nazwa byłaby pusta: zmiana nazw odrzucona.</numerusform>
            <numerusform>%n nazwy byłyby puste: zmiana nazw odrzucona.</numerusform>
            <numerusform>%n nazw byłoby pustych: zmiana nazw odrzucona.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>%n nazwa ze znakami, których tablica znaków kanału nie obsługuje: zmiana nazw odrzucona. Zaznacz „Dopasuj nazwy”, aby zapisać je jako „?”, lub pomiń te wiersze.</numerusform>
            <numerusform>%n nazwy ze znakami, których tablica znaków kanału nie obsługuje: zmiana nazw odrzucona. Zaznacz „Dopasuj nazwy”, aby zapisać je jako „?”, lub pomiń te wiersze.</numerusform>
            <numerusform>%n nazw ze znakami, których tablica znaków kanału nie obsługuje: zmiana nazw odrzucona. Zaznacz „Dopasuj nazwy”, aby zapisać je jako „?”, lub pomiń te wiersze.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>%n nazwa dłuższa, niż zapamiętuje odbiornik: zmiana nazw odrzucona.</numerusform>
            <numerusform>%n nazwy dłuższe, niż zapamiętuje odbiornik: zmiana nazw odrzucona.</numerusform>
            <numerusform>%n nazw dłuższych, niż zapamiętuje odbiornik: zmiana nazw odrzucona.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Zapamiętuje %n znak. Skróć zamianę, zaznacz „Dopasuj nazwy” lub pomiń te wiersze.</numerusform>
            <numerusform>Zapamiętuje %n znaki. Skróć zamianę, zaznacz „Dopasuj nazwy” lub pomiń te wiersze.</numerusform>
            <numerusform>Zapamiętuje %n znaków. Skróć zamianę, zaznacz „Dopasuj nazwy” lub pomiń te wiersze.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>Zmieni się %n zaznaczona nazwa.</numerusform>
            <numerusform>Zmienią się %n zaznaczone nazwy.</numerusform>
            <numerusform>Zmieni się %n zaznaczonych nazw.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n nazwa przycięta do długości, którą zapamiętuje odbiornik.</numerusform>
            <numerusform>%n nazwy przycięte do długości, którą zapamiętuje odbiornik.</numerusform>
            <numerusform>%n nazw przyciętych do długości, którą zapamiętuje odbiornik.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>%n nazwa ze znakami, których odbiornik nie wyświetli.</numerusform>
            <numerusform>%n nazwy ze znakami, których odbiornik nie wyświetli.</numerusform>
            <numerusform>%n nazw ze znakami, których odbiornik nie wyświetli.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Kanały</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Tylko TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Tylko radio</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Kanały TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Kanały radiowe</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>Brak kanału o nazwie „%1”</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Sortuj i przenumeruj</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Każdy kanał dostanie nowy numer w tej kolejności; pierwszy zaznaczony klucz decyduje najpierw. Przeciągnij lub użyj przycisków, aby zmienić kolejność.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder lub multipleks</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Kodowane na końcu</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>Nie otwarto żadnej listy kanałów</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Odbierz listę z odbiornika przez kabel szeregowy albo otwórz zapisany plik kanałów lub skoroszyt. Instrukcja objaśnia każdy krok.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Odbierz z odbiornika...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Otwórz plik...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Przeczytaj instrukcję</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>TV %1 z %2 · Radio %3 z %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>Zaznacz &amp;wszystkie</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Odznacz wszystkie</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>Aktualizuj tra&amp;nspondery…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Zaktualizuj transpondery satelity na podstawie satellites.xml lub tabeli skanowania</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Zaktualizowano transpondery</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Aktualizuj transpondery</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Multipleksy kablowe</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>&amp;Satelita:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Plik…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>&amp;Tabela:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>Na liście</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>W tabeli</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Tabela transponderów</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Tabele transponderów (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (systemowa tabela skanowania)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>Lista nie zawiera żadnego satelity.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Wybierz tabelę: satellites.xml lub tabelę skanowania DVB.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Pominięto: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>Transpondery są zgodne z tabelą.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Zmienione: %1, nowe: %2, usunięte: %3.</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Multipleksy naziemne</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Pominięto: wiersz %1: %2 nie pada na żaden wolny kanał rastra kraju</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Usuń nieużywane</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Satelity bez używanych transponderów (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Transpondery nieużywane przez żaden kanał (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Multipleksy nieużywane przez żaden kanał (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Multipleksy kablowe nieużywane przez żaden kanał (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Dostawcy niewskazani przez żaden kanał (%1)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>Wszystko jest używane.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>%n wpis zostanie usunięty.</numerusform>
            <numerusform>%n wpisy zostaną usunięte.</numerusform>
            <numerusform>%n wpisów zostanie usuniętych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>%n satelita zostaje ze względu na pozostający transponder.</numerusform>
            <numerusform>%n satelity zostają ze względu na pozostające transpondery.</numerusform>
            <numerusform>%n satelitów zostaje ze względu na pozostające transpondery.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>Nowy język zacznie obowiązywać od następnego uruchomienia Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>Nie można utworzyć pliku roboczego w katalogu tymczasowym.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nazwa :</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Dostawca :</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>Video PID :</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>Audio PID :</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>PCR PID :</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>Service ID :</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Tick box: the channel is scrambled (conditional access). Keep it short.</extracomment>
        <translation>Kodowany</translation>
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
        <translation>Nazwa zawiera %1, czego tablica znaków kanału nie obsługuje.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Satelita :</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transponder :</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Numer kanału :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCableMuxAddUpdate</name>
    <message>
        <source>Mux</source>
        <extracomment>Window title: a cable multiplex (one carrier frequency), a noun.</extracomment>
        <translation>Multipleks</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Częstotliwość :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbol rate :</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Modulacja :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
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
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Model odbiornika :</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Lista kolumn :</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Prosta</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Szczegółowa</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Mux</source>
        <extracomment>Tab title: the multiplex (carrier) the channel is on, a noun.</extracomment>
        <translation>Multipleks</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>Multipleks :</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>Numer logiczny :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Odbiór danych z odbiornika</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Szukaj...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nazwa :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Wysyłanie do odbiornika</translation>
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
        <translation>Satelita :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Częstotliwość :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Symbol rate :</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>TS ID :</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Dryft :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polaryzacja :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>Transmisja :</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Modulacja :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
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
        <translation>Dryft</translation>
    </message>
</context>
<context>
    <name>qpui::CSatelliteEditor</name>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nazwa satelity :</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Pozycja :</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Tuner %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
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
        <translation>Przełącznik C/Ku :</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>Częst. LNB :</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>Częst. LNB własna :</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>Częst. C-LNB :</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>Częst. C-LNB własna :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Zasilanie LNB :</translation>
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
        <translation>Poz. silnika :</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (Tuner %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>Częst. LNB własna</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>Częst. C-LNB własna</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Poz. silnika</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Nadal brak odpowiedzi. Sprawdź, czy odbiornik jest włączony, pokazuje menu pobierania i jest podłączony do wybranego portu.</translation>
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
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>blok %1 z %2</translation>
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
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Częstotliwość dolna : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Częstotliwość dolna(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Częstotliwość górna : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Częstotliwość górna(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Poz. silnika : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Poz. silnika(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB dolna : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB dolna(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB górna : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB górna(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>Przełącznik C/Ku : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>Przełącznik C/Ku(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>Tryb DiSEqC : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>Tryb DiSEqC(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>Zasilanie LNB : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>Zasilanie LNB(T%1) : %2</translation>
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
        <translation>C pojedynczy LNB(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C standard. LNB(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownika</translation>
    </message>
    <message>
        <source>Univ. LNB1(9750,10600)</source>
        <translation>Uniw. LNB1(9750,10600)</translation>
    </message>
    <message>
        <source>Univ. LNB2(9750,10750)</source>
        <translation>Uniw. LNB2(9750,10750)</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>SILNIK</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>Nazwa : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Pozycja : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Częstotliwość 	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Symbol rate 	: %1 ks/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Dryft       	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Polaryzacja 	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>FEC         	: %1</source>
        <translation>FEC         	: %1</translation>
    </message>
    <message>
        <source>Signal      	: %1</source>
        <translation>Sygnał      	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>Transmisja        	: %1    		Modulacja       	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Pilot             	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Nazwa multipleksu : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Częstotliwość : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>Tryb TX   : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>Kod. spr. : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Konstel.  : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>Odst. ochr.: %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Priorytet : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Tuner	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Nazwa kanału : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>Service ID : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>Video PID : %1</translation>
    </message>
    <message>
        <source>Audio PID : %1</source>
        <translation>Audio PID : %1</translation>
    </message>
    <message>
        <source>PCR PID   : %1</source>
        <translation>PCR PID   : %1</translation>
    </message>
    <message>
        <source>Audio	: %1</source>
        <translation>Ścieżki audio	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Napisy     : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Telegazeta : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>Typ  	: %1</translation>
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
        <translation>Blokada	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Pomijanie	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Dostawca : %1</translation>
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
        <translation>Przywróć…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 musi być liczbą od %2 do %3.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Pozycja</translation>
    </message>
</context>
</TS>
