<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>Fav</source>
        <extracomment>Column header: the channel&apos;s position in the favourite group shown (a number).</extracomment>
        <translation>Fav</translation>
    </message>
    <message>
        <source>SatID</source>
        <extracomment>Column header: id of the channel&apos;s satellite record. Keep it short.</extracomment>
        <translation>UyduID</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the channel&apos;s transponder (carrier) record.</extracomment>
        <translation>TPID</translation>
    </message>
    <message>
        <source>CH#</source>
        <extracomment>Column header: channel number (the receiver&apos;s programme number).</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
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
        <translation>Tür</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>“%1” içinde %2 var; kanalın karakter tablosunda bu karakter yok</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>“%1”, alıcının bir addan sakladığı %2 karakterden uzun</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>TV kanalı %1 “%2”</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>radyo kanalı %1 “%2”</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>%1 için belirtilen uydu %2 mevcut değil</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>%1 için belirtilen multipleks %2 mevcut değil</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>%1 için belirtilen transponder %2 (uydu %3) mevcut değil</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>%1 için uydu %3 üzerindeki transponder %2 belirtilmiş, ancak bu transponder uydu %4 üzerinde</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>Transponder %1 MHz (id %2) için belirtilen uydu %3 mevcut değil</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>%1 için belirtilen sağlayıcı %2 mevcut değil</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ve %2 tane daha</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>%1 kanal, transponder %3 (uydu %4) üzerindeki %2 servisini taşıyor: %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>TV kanal numaraları %1 numarasından %2 numarasına atlıyor</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>TV kanal numarası %1, %2 kanal tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>Radyo kanal numaraları %1 numarasından %2 numarasına atlıyor</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>Radyo kanal numarası %1, %2 kanal tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>%1 adı, alıcının gösteremediği %2 baytını içeriyor</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>%1 adsız: alıcı onu boş bir yer sayar ve siler</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>%1 adı yalnızca boşluklardan oluşuyor</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>uydu “%1”</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>sağlayıcı “%1”</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>favori grubu “%1”</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>%1 adı, alıcının gösteremediği %2 baytını içeriyor</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>%1 adı “%2” olarak kısaltılıyor: alıcı %3 bayt saklıyor</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>Favori grubu tablosunda %1 kayıt var, ancak flash bloğu yalnızca %2 kayıt alıyor</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>Uydu tablosunda %1 kayıt var, ancak flash bloğu yalnızca %2 kayıt alıyor</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>Sağlayıcı tablosunda %1 kayıt var, ancak flash bloğu yalnızca %2 kayıt alıyor</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>Transponder tablosunda %1 kayıt var, ancak flash bloğu yalnızca %2 kayıt alıyor</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>Kablo multipleks tablosunda %1 kayıt var, ancak flash bloğu yalnızca %2 kayıt alıyor</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>Kanal tablosunda %1 kayıt var, ancak flash bloğu yalnızca %2 kayıt alıyor</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>Favori grubu %1 “%2”, alıcının sakladığı %3 grubun ötesinde</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>Favori grubu %1, %n kanal içeriyor ve alıcının sakladığı %2 grubun ötesinde</numerusform>
        </translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Transponder id&apos;leri %1 değerine ulaştı, 255&apos;i aştı: yeni transponderler alıcının saklayamayacağı id&apos;ler alıyor</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>%1 hiçbir kanal tarafından kullanılmıyor</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Multipleks %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Transponder %1 MHz (id %2), uydu %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Kablo multipleksi %1 kHz (id %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 değişti</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 kaldırıldı</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Uydu %1 “%2”</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Sağlayıcı %1 “%2”</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Favori grubu %1 “%2”</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>artık kilitli</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>artık kilitli değil</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>artık şifreli</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>artık şifreli değil</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>artık atlanıyor</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>artık atlanmıyor</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>%1 favori grubuna eklendi</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>%1 favori grubundan çıkarıldı</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>multipleks %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, transponder id %2</translation>
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
        <translation>uydu %1</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>%1 kaldırıldı</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>%1 eklendi</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>%1 TV %2 konumuna taşındı</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>%1 radyo %2 konumuna taşındı</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>%1 %2 konumundan %3 konumuna taşındı</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>%1 yeni adı: “%2”</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>%1 değişti: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>%1 TV kanalı sırasına göre yeniden numaralandı</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>%1 radyo kanalı sırasına göre yeniden numaralandı</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>Alıcıda, blok %1 içinde gönderilenden farklı 1 bayt var</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>Alıcıda, blok %2 içinde gönderilenden farklı %1 bayt var</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>Alıcıda, %2 bloklarında gönderilenden farklı %1 bayt var</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>%n kanalın uydusu, transponderi veya sağlayıcısı bu listede yok: önce alıcının kanal dosyasını açın.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Eksik uydu</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Eksik transponder</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Başka uydunun transponderi</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Eksik sağlayıcı</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Yinelenen kanal</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Numaralarda boşluk</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Numara iki kez kullanılmış</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Gösterilemeyen karakter</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Ad çok uzun</translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Adsız kanal</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Çok fazla favori grubu</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Favori grubu saklanmıyor</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Tablo dolu</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Kullanılmayan transponder</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Kullanılmayan multipleks</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>Transponder id&apos;leri tükendi</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Karasal multipleksler</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kablo multipleksleri</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Sağlayıcılar</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Favori grupları</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Eklendi</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Kaldırıldı</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Değişti</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Taşındı</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Bayraklar değişti</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>ayarlı model</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>model %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>%1 olarak %2 uydu, %3 transponder veya multipleks ve %4 kanal içeriyor</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>%1 olarak okunamıyor</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>%1 olarak hiçbir şey içermiyor</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>%1 olarak %3 kaydından %2 tanesi anlamsız</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Bu dosya %2 için değil, %1 için bir kanal listesine benziyor: %3; %4.</translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
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
        <translation>Kullanıcı</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>Favori grupları %1, diğer modelin sakladığı %2 grubun ötesinde</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>1 uydu yazılamıyor: diğer model uydu saklamıyor</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>%1 uydu yazılamıyor: diğer model uydu saklamıyor</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>1 transponder yazılamıyor: diğer model transponder saklamıyor</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>%1 transponder yazılamıyor: diğer model transponder saklamıyor</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>1 kablo multipleksi yazılamıyor: diğer model kablo multipleksi saklamıyor</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>%1 kablo multipleksi yazılamıyor: diğer model kablo multipleksi saklamıyor</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>1 karasal multipleks yazılamıyor: diğer modelde bu türde karasal tuner yok</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>%1 karasal multipleks yazılamıyor: diğer modelde bu türde karasal tuner yok</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Karasal taraf (uydu 1) yazılamıyor: diğer modelde bu türde karasal tuner yok</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Uydu 1, diğer modelin karasal tarafı (uydu 1) olarak okunur</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Uydu 1&apos;in 1 transponderi, diğer modelin karasal tarafı (uydu 1) olarak okunur</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Uydu 1&apos;in %1 transponderi, diğer modelin karasal tarafı (uydu 1) olarak okunur</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Uydu 1&apos;in 1 kanalı, diğer modelin karasal tarafı (uydu 1) olarak okunur</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Uydu 1&apos;in %1 kanalı, diğer modelin karasal tarafı (uydu 1) olarak okunur</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>Uydu frekanslarındaki 1 kanal yazılamıyor: diğer modelde uydu tuneri yok</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>Uydu frekanslarındaki %1 kanal yazılamıyor: diğer modelde uydu tuneri yok</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>Karasal frekanslardaki 1 kanal yazılamıyor: diğer modelde karasal tuner yok</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>Karasal frekanslardaki %1 kanal yazılamıyor: diğer modelde karasal tuner yok</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>Kablo frekanslarındaki 1 kanal yazılamıyor: diğer modelde kablo tuneri yok</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>Kablo frekanslarındaki %1 kanal yazılamıyor: diğer modelde kablo tuneri yok</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>1 uydunun, tek tunerli diğer modelin saklayamayacağı ikinci tuner ayarları var</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>%1 uydunun, tek tunerli diğer modelin saklayamayacağı ikinci tuner ayarları var</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Dosya başlığı okunamıyor. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Sürüm dosyası açılamıyor veya geçersiz</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Kanal dosyası kaydedilemiyor</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Gönderilecek veri boş veya geçersiz</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>Çalışma dosyası geçici klasöre yazılamıyor</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>Çalışma kitabı açılamıyor</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>Çalışma kitabı açılamıyor: normal bir dosya değil</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>Okunabilir bir Excel 97-2003 çalışma kitabı değil</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>Çalışma kitabı parola korumalı</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>Çalışma kitabında iki “Channel” sayfası var: hangisinin değiştirileceği anlaşılamıyor</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>Çalışma kitabında “Channel” sayfası yok</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>Çalışma kitabı yazılamıyor</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>Kanal sayfasında alıcının saklayamayacağı adlar var: bunları belirtilen satırlarda düzeltin veya sayfayı adlar kısaltılmış olarak açın</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Bir sayfa için çok fazla kanal (en çok 65535)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>Kanal sayfasında, sütununun alamayacağı bir değer var: bunu dosyada düzeltin</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>CSV dosyası kanal sayfası olarak okunamıyor: belirtilen satırda düzeltin</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Bu bir Excel 2007 veya sonrası çalışma kitabı (.xlsx). Hesap tablosu programınızda Excel 97-2003 (.xls) veya CSV olarak kaydedin.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Bu bir OpenDocument hesap tablosu (.ods). Hesap tablosu programınızda Excel 97-2003 (.xls) veya CSV olarak kaydedin.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>TV kanallarından radyo kanallarına kopyalanamaz</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Radyo kanallarından TV kanallarına kopyalanamaz</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>TV kanallarından radyo kanallarına taşınamaz</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Radyo kanallarından TV kanallarına taşınamaz</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>Favori grubunun adı değiştirilemiyor: ad çok uzun (en çok 19 karakter)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>Favori grubu mevcut değil</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>Ad boş!</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Bir kanal adı alıcının sakladığından uzun: hiçbir şey değişmedi</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>Transponderin uydusu mevcut değil</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>Uydu eklenemiyor: uydu id&apos;leri 255&apos;te bitiyor</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>Bu uyduya transponder eklenemiyor: transponder id&apos;leri 255&apos;te bitiyor</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>Multipleks eklenemiyor: multipleks id&apos;leri 255&apos;te bitiyor</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>Sağlayıcı eklenemiyor: sağlayıcı id&apos;leri 65535&apos;te bitiyor</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>Kayıt saklanamadı</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Uydu %1</translation>
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
        <translation>Kablo multipleksi</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Kablo multipleksi %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Multipleks, kanal %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Favori grubu %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tüm kanallar</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Sağlayıcı %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Tür %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>alıcı bekleniyor</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>blok %1 / %2 gönderiliyor</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>doğrulanıyor</translation>
    </message>
    <message>
        <source>done</source>
        <translation>bitti</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>başarısız: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Durduruldu</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>Alıcıdaki liste gönderilenden farklı</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>doğrulandı</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gönderildi</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>başarısız</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>durduruldu</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Haber ve bilgi</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Eğlence</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Spor</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Çocuk</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Bilgi</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Eğitim</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Yaşam</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Dram</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Sanat</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Güncel olaylar</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Özel</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Komedi</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Belgesel</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>Sıra</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Konum</translation>
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
        <translation>Uydu ID</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frek.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Sembol</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarite</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Frek.(MHz)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>İlet. modu</translation>
    </message>
    <message>
        <source>C.R.</source>
        <extracomment>Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.</extracomment>
        <translation>K.O.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Modül.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <extracomment>Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.</extracomment>
        <translation>K.A.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Öncelik</translation>
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
        <translation>Modül.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Ters</translation>
    </message>
    <message>
        <source>Mark</source>
        <extracomment>Column header, cable: the multiplex&apos;s marker flag (a check mark), not a brand.</extracomment>
        <translation>İşaret</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Column header: number (the row&apos;s position), not the word &quot;no&quot;.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>Sağlayıcı ID</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Sayı</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Transponder / multipleks</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Kanal yok</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Radyo %1 “%2”</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>TV %1 “%2”</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Kayıt %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, “%2” olarak kısaltıldı</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Başka bir model için kaydet</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 bu listenin tamamını alamıyor. Şunlar yazılmıyor:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>Bunlar olmadan &amp;kaydet</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Bu model kanalı alamıyor</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>Uydu tablosu dolu</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Bu model uydu saklamıyor</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>Transponder tablosu dolu</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Bu model transponder saklamıyor</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>Multipleks tablosu dolu</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Bu model karasal multipleks saklamıyor</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Bu model kablo multipleksi saklamıyor</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>Sağlayıcı tablosu dolu</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Bu model sağlayıcı saklamıyor</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>Kanal tablosu dolu</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Bu model kanal saklamıyor</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Uydusu, bu modelin düzeninde okunan diğer listede yok</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Transponderi, bu modelin düzeninde okunan diğer listede yok</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Bu modelin böyle bir kayıt için ayırdığı tüm id&apos;ler dolu</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>Türünde boş kanal numarası kalmadı</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Zaten var</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>Eklenemez</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Sağlayıcı adı: %1 (ID: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Model %1 kanal listesi olarak açılsın mı? Pencere bir sonraki başlatmaya kadar model %1 ile çalışır.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>üç alan değil: No;Ad;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>program numarası 0 ile 65535 arasında bir sayı değil</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>id&apos;ler ONID-TSID-SID biçiminde üç sayı değil</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>ad boş</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>ad, bir kanal adının olabileceğinden uzun</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>Liste UTF-8 olarak okundu.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>Liste Latin-1 olarak okundu: baytları UTF-8 değil.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>Seri port zaten açık veya bağlantı kesik. Alıcının durumunu denetleyin</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>Geçici dosya açılamıyor veya hazırlanamıyor</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Seri porta bağlanılıyor...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Yazma (betik) komutu gönderilemedi</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Yazma komutu gönderilemedi</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>Veri gönderilemedi!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Tüm veriler eksiksiz alındı.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>Bağlı seri port kapatılsın mı?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Alınıyor (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Gönderiliyor (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Alıcıyı kapatıp yeniden açın...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>Alıcının yeniden başlaması bekleniyor...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Veriler gönderildi. Lütfen bekleyin...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Veriler gönderildi. Yazılıyor...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Tüm veriler eksiksiz gönderildi ve yazıldı.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>Verilerin tümü gönderilemedi.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>Alıcıyla bağlantı, blok %1 / %2 sonrasında koptu.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>Alıcıyla bağlantı, ilk bloktan önce koptu.</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>Alıcı istenmeyen bir blok gönderdi; bir blok iki kez alınmış olabilir: alınan hiçbir şey saklanmıyor</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>bir transponder tablosunda bildirimlere ve varlıklara yer yok</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>bir uydunun transponderlerinden daha derine yuvalanmış öğeler</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>uydu veya kablo ağı dışında bir transponder</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>%1 özniteliği %2 karakterden uzun</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>%1 konumu -1800 ile 1800 arasında onda bir derece cinsinden değil</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>%1 transponderden fazla</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>%1 frekansı kHz cinsinden bir uydu taşıyıcısı değil</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>%1 sembol oranı saniyede sembol cinsinden değil</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>%1 frekansı kHz cinsinden bir kablo taşıyıcısı değil</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>%1 özniteliği eksik</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; bir sayı değil</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; biçimin tanıdığı bir değer değil</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>tablo her transponder tablosundan büyük</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>FREQUENCY ve SYMBOL_RATE içermeyen bir [CHANNEL]</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>%1 frekansı Hz cinsinden bir kablo taşıyıcısı değil</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>satır %1 karakterden uzun</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>satırda hiçbir metinde bulunmayan bir bayt var</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>“%1” ANAHTAR = DEĞER biçiminde değil</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>ilk [CHANNEL] öncesinde bir değer</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 biçimin tanıdığı bir değer değil</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 bir sayı değil</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 kablo multipleksleri listeliyor, bu model bunları saklamıyor</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 %2 kablo ağı listeliyor: bu listedekini tutun</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 bir yörünge konumu belirtmiyor: güncellenecek uyduyu seçin</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1, %2 konumundaki uyduyu iki kez listeliyor (satır %3 ve %4): birini tutun</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Ne listede ne de %1 içinde %2 konumunda uydu var</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>%1 içinde listedeki uydulardan hiçbiri yok</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Değişti</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Kalktı</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>tablo &lt;satellites&gt;, &lt;cables&gt; veya &lt;locations&gt; ile başlamıyor</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>%1 frekansı Hz cinsinden bir karasal taşıyıcı değil</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>FREQUENCY içermeyen bir [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 karasal multipleksler listeliyor, bu model bunları saklamıyor</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 %2 karasal bölge listeliyor: bu listedekini tutun</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Renumber</source>
        <translation>Yeniden numarala</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Yinelenenleri kaldır</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Kullanılmayanları sil</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Bir sağlayıcıya ata</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Favorilerden çıkar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Buraya taşı</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Yeniden sırala</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>Undo step: channels marked locked (parental lock). Short.</extracomment>
        <translation>Kilitle</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Undo step: channels marked to be skipped when zapping. Short.</extracomment>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Uyduya bırak</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Multiplekse bırak</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Transpondere bırak</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Sağlayıcıya bırak</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Favori grubuna ekle</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Tür belirle</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Yinelenenleri sil</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Desene göre yeniden adlandır</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Sırala ve yeniden numarala</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Kullanılmayanları kaldır</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Favori grubunu yeniden adlandır</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Favori grubunu boşalt</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Favori grubunu sil</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Çalışma kitabı içe aktarma</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Yeni uydu</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Yeni transponder</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Yeni multipleks</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Yeni sağlayıcı</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Uyduyu güncelle</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Transponderi güncelle</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Multipleksi güncelle</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Sağlayıcıyı güncelle</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Transponderleri taşı</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Referans listesi uygula</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Başka listeyle birleştir</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Transponderleri güncelle</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Satır %1, alan %2: tırnak içindeki metin hiç kapanmıyor</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Satır %1, alan %2: tırnakla başlamayan bir alanda tırnak işareti</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Satır %1, alan %2: kapanış tırnağından sonra metin</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Satır %1, alan %2: %3 karakterden uzun</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>Satır %1 içinde %2 alan var; kanal sayfasında %3 alan var</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Satır %1, alan %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Sayfa “%1”, satır %2, sütun %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Satır %1, alan %2 (%3): “%4” bir sayı değil</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Sayfa “%1”, satır %2, sütun %3 (%4): “%5” bir sayı değil</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Satır %1, alan %2 (%3): %4, %5 ile %6 aralığının dışında</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Sayfa “%1”, satır %2, sütun %3 (%4): %5, %6 ile %7 aralığının dışında</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Geri yükle…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Bir alma veya gönderme sırasında saklanan imajı aç</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Gönderdikten sonra doğrula</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>Gönderdikten sonra imajı geri al ve karşılaştır</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>Bu alıcıdan en son alınan veya ona en son gönderilen imaja (%1) göre:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Neler değişecek</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Bu alıcıdan saklanan hiçbir imaj sağlama toplamıyla uyuşmuyor: gönderim karşılaştırılmıyor.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>Bu alıcıdan saklanan en yeni imaj (%1) artık sağlama toplamıyla uyuşmuyor; bunun yerine %2 tarihinde saklananla karşılaştırıldı.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>Alınan liste açılmadı; yedekler arasında saklanıyor (Alıcı → Geri yükle…).</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Doğrulama: alıcıdan veri al</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>Gönderim doğrulanamıyor: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>imaj okunamıyor</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Doğrulama başarısız</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>Alıcıdaki liste gönderilenden farklı:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Doğrulandı</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>İmajın yedeği saklanamıyor: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Bu yedek model %1 için. Model %1 kanal listesi olarak açılsın mı? Pencere bir sonraki başlatmaya kadar model %1 ile çalışır.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Received</source>
        <translation>Alındı</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gönderildi</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Gönderimden sonra geri okundu</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Saklanma</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (başka model)</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Sağlama toplamı %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değişiklik</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Yeni...        	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Güncelle...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Sil           	Delete</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Kopyala       	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Yapıştır      	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Buraya taşı</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Favori grubuna ekle</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Kilitle...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Atla...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seç...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Tümünü seç      Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli olanlar</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Şifreli olanlar</translation>
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
        <translation>Seçimi tersine çevir</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Ara...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Açıklama...	Enter</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Favorilerden çıkar</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Seçili öğeler silinsin mi?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>%n kanal silinsin mi?</numerusform>
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
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
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
        <translation>Denetle</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Listeyi alıcının saklayabileceklerine göre denetle</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Dosyayla karşılaştır…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Bir kanal dosyasından açık listeye neyin değiştiğini göster</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Yine de gönderilsin mi?</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Dosyayla karşılaştır</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>İkili dosya (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Neler değişecek</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>%1 dosyasından açık listeye:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Sağlayıcı yok</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Bir sağlayıcıya ata</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>Var olmayan sağlayıcı %1 altındaki kanalların atanacağı sağlayıcı:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Kanalları süz</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Görünenlerin tümünü seç</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Yinelenenleri bul...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Desene göre yeniden adlandır...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Sırala ve yeniden numarala...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Kullanılmayanları kaldır...</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>%n yinelenen kanal silindi</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Önce yeniden adlandırılacak kanalları seçin.</translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>%n kullanılmayan kayıt kaldırıldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>same service</source>
        <translation>aynı servis</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>aynı ad</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>bir adın SD ve HD sürümleri</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Yinelenenleri bul</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>En küçük numara</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>SD yerine HD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>Şifreli yerine şifresiz</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>Bir favori grubunda olan</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Sakla:</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>SD ve HD sürümlerini yinelenen say</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numara</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Yinelenenleri sil</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Grup %1: %2</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Sakla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Yinelenen yok.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>%n grup işaretli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>%n kanal silinecek, her gruptan biri saklanır.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Alıcının sakladığı tüm favori grupları kullanımda: önce birini boşaltın veya silin.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Yeni grup...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Yeniden adlandır...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Boşalt</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>%1 içindeki tüm kanallar çıkarılsın mı?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>%1 favori grubu silinsin mi? Kanalları listede kalır.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Filter channels by name</source>
        <translation>Kanalları ada göre süz</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Düzenli ifade</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Diğer</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Görünenlerin tümünü seç</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder veya multipleks</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Favori grubu</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV veya radyo</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV ve radyo</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Yalnızca TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Yalnızca radyo</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>Şifreli veya şifresiz</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Filter choice: free-to-air channels (not scrambled), not free of charge.</extracomment>
        <translation>Şifresiz</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Kilitli veya değil</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>Kilitsiz</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanan</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Atlanan veya değil</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>Atlanmayan</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Tüm uydular</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Tüm sağlayıcılar</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>Grupta olan veya olmayan</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>Bir favori grubunda</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Hiçbir favori grubunda değil</translation>
    </message>
    <message>
        <source>Any frequency</source>
        <translation>Tüm frekanslar</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Düzenli ifade değil: %1</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Diğer (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Yeniden numarala</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>İşaretli yinelenenleri kaldır</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Kullanılmayanları sil</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Bir sağlayıcıya ata…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Düzelt</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>Hata bulunmadı.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n hata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n uyarı</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Bulgular</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Önem</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Kural</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>İleti</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>Birden çok alıcıya gönder</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>Bu portta yinele</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>Port &amp;ekle</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>&amp;Diğer port:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Saat</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Alıcı sürümü</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blok</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Saniye</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Başlat</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>D&amp;urdur</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>&amp;Raporu kaydet…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Gönderilecek alıcıların portlarını işaretleyin.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>Rapor satırı yedek klasöründeki günlüğe eklenemedi: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Henüz hiçbir alıcı bitirmedi: rapor boş.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Raporu kaydet</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>rapor.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Rapor kaydedilemedi: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Chanforge Kılavuzu</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>Kılavuz programın yanına kurulmamış.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Sağlayıcı</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favori</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Sağlayıcılar</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriler</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Uydu</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Multipleks bilgisi</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Karasal</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multipleksler</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kablo multipleksleri</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Yeni...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Güncelle...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Sil	Delete</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Açıklama...	Enter</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>uydu %1</translation>
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
        <translation>Seçili öğeler silinsin mi?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>%1 ve %n kanalı silinsin mi?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>%n uydu ve %1 silinsin mi?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>%n transponder ve %1 silinsin mi?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>%n multipleks ve %1 silinsin mi?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n kanal</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Kanal listesi</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tüm kanallar</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Şu an görünen: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Favori grubu</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Kanallar:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV ve radyo</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Yalnızca TV</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Yalnızca radyo</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>&amp;Tipler:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Sütunlar:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>&amp;Numaraya göre</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>&amp;Ada göre</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Sıra:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Sayfa başına &amp;sütun:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Var olan bir listeyi aç</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Dosya aç</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>Dosyaya &amp;kaydet...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Dosyaya kaydet</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>&amp;C tablosunu dışa aktar...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Kanal tablosunu C kaynak kodu olarak yaz</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Programı kapat</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Alıcıdan al</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Listeyi alıcıdan al</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>Alıcıya &amp;gönder</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Listeyi alıcıya gönder</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gönder</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Yapılandırma (alıcı modeli)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Alıcı modelini seç</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Yenile</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Tümünü yenile</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Yenile</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>&amp;Basit sütunlar</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>ID ve PID sütunlarını gizle</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Son değişikliği geri al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Son geri alınan değişikliği yinele</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Program bilgilerini, sürüm numarasını ve telif hakkını göster</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>Kıla&amp;vuz</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>Kullanım kılavuzu: alma, düzenleme, denetleme, gönderme</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Klavye kısayolları</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>Pencerenin, tabloların ve listelerin tuşları</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Son açılanlar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Yeni kanal...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Kanalı güncelle...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Buraya taşı</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seç</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli olanlar</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Şifreli olanlar</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Tersine çevir</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Ara...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Sonrakini bul</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Öncekini bul</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>&amp;Kayıtlar</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Yeni uydu...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Yeni transponder...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Yeni kablo multipleksi...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Yeni sağlayıcı...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>&amp;Alıcı</translation>
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
        <translation>Pencere
  Ctrl+O  Aç    Ctrl+S  Dosyaya kaydet    Ctrl+R  Alıcıdan al    Ctrl+T  Alıcıya gönder
  Ctrl+Z  Geri al    Ctrl+Y  Yinele    F5  Yenile    Ctrl+P  Yazdır    Ctrl+Q  Çıkış
  F6, Shift+F6  sonraki, önceki bölme    Tab, Shift+Tab  sonraki, önceki liste
Kanal tabloları
  Ctrl+N  Yeni    Ctrl+C  Kopyala    Ctrl+V  Yapıştır    Del  Sil    Ctrl+F  Ara
  F3, Shift+F3  aranan adı taşıyan sonraki, önceki kanal
  Enter veya çift tıklama  Açıklama    sürükleme  taşı veya bir listeye ya da gruba bırak
  Ctrl+Shift+F  Kanalları süz    Ctrl+H  Desene göre yeniden adlandır
Uydu, transponder, kablo ve sağlayıcı listeleri
  Ctrl+N  Yeni    Del  Sil    Enter veya çift tıklama  Açıklama
Başlık çubuğu veya araç çubuğu
  Ctrl + çift tıklama  Yapılandırma    Shift + çift tıklama  C tablosunu dışa aktar</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>Kanal listesinde kaydedilmemiş değişiklikler var. Şimdi kaydedilsin mi?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Kanal verilerini kaydet</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Yerel dosya (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>Excel dosyası (*.xls)</translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>CSV dosyası, virgülle ayrılmış (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>CSV dosyası, noktalı virgülle ayrılmış (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>CSV dosyası, sekmeyle ayrılmış (*.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>Çalışma kitabı yalnızca kanalları içerir: diğer değişiklikleri korumak için bir kanal dosyasına kaydedin</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Kanal verilerini yükle</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>İkili dosya (*.bin)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV dosyası (*.csv)</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Varsayılan kanal verilerini kaydet</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>Yerel dosya (*.h)</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge - %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Ctrl + çift tıklama: Yapılandırma · Shift + çift tıklama: C tablosunu dışa aktar</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>%n kanal taşındı: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>%n kanal atandı: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>%n kanal eklendi: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>%n kanal ayarlandı: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>%n kanal taşınmadı: %1 üzerinde aynı frekans ve polariteye sahip transponder yok</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, süzgeç çubuğuyla daraltılmış</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Alıcı modeli ayarlanmamış</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Klavye kısayolları</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Geri al: %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Yinele: %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Chanforge hakkında</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge sürüm %1 (derleme: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Dijital TV alıcıları için kanal listesi düzenleyicisi.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Bu programı şimdi yeniden başlatmanız gerekiyor.</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>&amp;Birden çok alıcıya gönder…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Listeyi işaretli tüm portlara aynı anda gönder, her birini doğrula</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>Başka &amp;listeyle birleştir…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Başka bir listenin kanallarını uyduları ve transponderleriyle birlikte ekle</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Başka listeyle birleştir</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Kanal listeleri (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>Çalışma kitabının kanal dosyası</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Yerel dosya (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>Diğer liste model %1 olarak okunsun mu?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>Diğer liste bu modelin düzenine getirilemiyor.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Uydular</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transponderler</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Multipleksler</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Sağlayıcılar</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>taşıyıcı ve servisle bulundu</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>servis ve akış id&apos;leriyle bulundu</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>adla bulundu</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>%1 ile birleştir</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>İşlem</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>Buradaki no</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Diğer listenin kanalları</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Oluşturulacak kayıtlar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>Türünün sonuncusundan sonra</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Boşsa numaralarını koru</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Boşlukları doldur</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>Eklenen kanalların &amp;numaraları</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Tüm uydular</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV ve radyo</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Show &amp;only</source>
        <translation>Yalnızca &amp;göster</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>Zaten var olan kanallar şunları alır:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Kilitler ve atlamalar</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Favoriler</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>&amp;Adlar</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>Eklenecek: %1. Güncellenecek: %2. Zaten var: %3. Eklenemez: %4. Oluşturulacak kayıtlar: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 / %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>Uyguladıktan sonra: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Karasal</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Kablo</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>kilitler ve atlamalar</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>favoriler</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ad</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Sonraki bölme</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Önceki bölme</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF dosyası (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV dosyası (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>HTML dosyası (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Yazdır...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Kanal listesini yazdır</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>Baskı ö&amp;nizleme...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Yazdırılacak kanal listesini sayfa sayfa göster</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Kanal listesini PDF belgesi olarak yaz</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Kanal listesini hesap tabloları için CSV olarak yaz</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Kanal listesini web sayfası olarak yaz</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Dışa aktar</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Yazıcı kullanılamıyor.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Kanal listesini yazdır</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Baskı önizleme</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Kanal listesini dışa aktar</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tüm dosyalar (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>&amp;Referans listesi uygula…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Kanalları başka bir listedeki gibi numarala, grupla, kilitle ve atla</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>&amp;Başka model için kaydet…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Bu listeyi başka bir alıcı modelinin düzeninde yaz</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Referans listesi</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Referans listeleri (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>Referans listesinin ait olduğu alıcı modeli:</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>Referans model %1 olarak okunsun mu?</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Başka model için kaydet: model</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Listenin yazılacağı model:</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Model %1 için kaydet: dosya</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Yerel dosya (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>%1 için kaydedildi. Dosya, yapılandırmada bu model seçildiğinde açılır.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>aynı taşıyıcı ve servis</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>servis ve akış id&apos;leri</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>ad (belirsiz)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>HD ile veya HD olmadan ad (belirsiz)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>grup %1</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>favoriler %1 → %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>kilitli</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>kilidi açık</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>atlanan</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>atlanmayan</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>ad “%1”</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Referans listesi uygula: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referans</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Eşleşen kanal</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Yöntem</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Önce</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Sonra</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Ayrıca değişen</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Referans girdileri</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Eşleşmeyen kanallar</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Çakışmalar ve notlar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>&amp;Başlangıç</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Eşleşenlerin ardında tut</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>&amp;Eşleşmeyen kanallar</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>Boşlukları &amp;kapat</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>&amp;Adları al</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>Adları &amp;sığdır</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n referans kanalı:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>%1 eşleşti (%2 yalnızca adla, denetlenmeli; %3 çakışmada), %4 eşleşmedi.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>Bu listede girdisi olmayan %n kanal.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>%n satır dışarıda bırakıldı: orada hiçbir şey değişmez.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>Bu alıcının saklayamayacağı %n ad var (çok uzun veya kanalın karakter tablosunda olmayan bir karakter içeriyor): “Adları sığdır” seçeneğini işaretleyin, adları olduğu gibi bırakın veya bu satırları dışarıda bırakın.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>“%1”, “%4” tarafından tutulan %2 “%3” kanalıyla eşleşiyor: hiçbir şey değiştirmez</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>“%1” %2 istiyor, bu “%3” tarafından alınmış: %4 alır</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>“%1” %2 istiyor, olduğu gibi bırakılan “%3” kanalı bunu tutuyor: %4 alır</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>“%1” %2 alır: %3 dolu</translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>dışarıda bırakıldı: olduğu gibi kalır</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>%1, as it is</source>
        <translation>%1, olduğu gibi</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>silindi</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Aynı kanal</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Numara dolu</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Ad çok uzun</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>“%1” bu alıcının sakladığından uzun: reddedildi</translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Ad reddedildi</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Karakterler değiştirildi</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>“%1”, “%2” olarak saklanıyor: kanalın karakter tablosunda %n karakteri yok</numerusform>
        </translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>Kısaltma sonrası aynı ad</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>“%1”, başka bir ad gibi “%2” olarak kısaltılıyor</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Grup saklanmıyor</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>Favori grubu %1 “%2” (%n kanal), bu alıcının sakladığı grupların ötesinde</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Metin</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Satır okunmadı</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Satır %1: %2</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Desene göre yeniden adlandır</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... düzenli ifadenin bir grubunu geri koyar</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Bul:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Şununla değiştir:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Düzenli ifade</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Büyük/küçük harf duyarlı</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Harf durumunu koru</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>BÜYÜK HARF</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>küçük harf</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Baş Harfler Büyük</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Adları sığdır</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Şimdiki ad</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Yeni ad</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden adlandır</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>hiçbir şey kalmıyor: reddedildi</translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>kanalın karakter tablosunda olmayan %1 içeriyor: reddedildi</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>alıcının sakladığından uzun: reddedildi</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>“%1” olarak kısaltıldı</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>kısaltma sonrası başka bir satırla aynı ad</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>alıcının gösteremediği karakterler</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Düzenli ifade değil: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n ad boş kalırdı: yeniden adlandırma reddedildi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>Kanalın karakter tablosunda olmayan karakterler içeren %n ad: yeniden adlandırma reddedildi. Bunları “?” olarak saklamak için “Adları sığdır” seçeneğini işaretleyin veya bu satırları dışarıda bırakın.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>Alıcının sakladığından uzun %n ad: yeniden adlandırma reddedildi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Alıcı %n karakter saklar. Yeni metni kısaltın, “Adları sığdır” seçeneğini işaretleyin veya bu satırları dışarıda bırakın.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>İşaretli %n ad değişecek.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n ad alıcının sakladığı uzunluğa kısaltıldı.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>Alıcının gösteremediği karakterler içeren %n ad.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Kanallar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tümü</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Yalnızca TV</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Yalnızca radyo</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>“%1” adlı kanal yok</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Sırala ve yeniden numarala</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Her kanal bu sıraya göre yeni bir numara alır; önce ilk işaretli anahtar belirler. Sırayı değiştirmek için sürükleyin veya düğmeleri kullanın.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transponder veya multipleks</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Şifreliler sonda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Yukarı</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Aşağı</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>Açık kanal listesi yok</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Listeyi seri kabloyla alıcıdan alın veya kaydettiğiniz bir kanal dosyasını ya da çalışma kitabını açın. Kılavuz her adımı açıklar.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Alıcıdan al...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Dosya aç...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Kılavuzu oku</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>TV %1 / %2 · Radyo %3 / %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>&amp;Tümünü işaretle</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Hiçbirini işaretleme</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>&amp;Transponderleri güncelle…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Bir uydunun transponderlerini satellites.xml veya bir tarama tablosuna göre güncelle</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Transponderler güncellendi</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Transponderleri güncelle</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Kablo multipleksleri</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>&amp;Uydu:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Dosya…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>Tab&amp;lo:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değişiklik</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>Listede</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>Tabloda</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Transponder tablosu</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Transponder tabloları (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (sistemin tarama tablosu)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>Listede uydu yok.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Bir tablo seçin: satellites.xml veya bir DVB tarama tablosu.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Dışarıda bırakılan: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>Transponderler tablonun listelediği gibi.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Değişen: %1, yeni: %2, silinen: %3.</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Karasal multipleksler</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Dışarıda bırakılan: satır %1: %2 ülkenin kanal planında hiçbir boş kanala düşmüyor</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Kullanılmayanları kaldır</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Kullanılan transponderi olmayan uydular (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Hiçbir kanalın kullanmadığı transponderler (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Hiçbir kanalın kullanmadığı multipleksler (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Hiçbir kanalın kullanmadığı kablo multipleksleri (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Hiçbir kanalın belirtmediği sağlayıcılar (%1)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>Her şey kullanımda.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>%n kayıt kaldırılacak.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>Kalan transponderler için %n uydu saklandı.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Sistem dili</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>Yeni dil, Chanforge bir sonraki başlatıldığında kullanılır.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>Çalışma dosyası geçici klasörde oluşturulamıyor.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Ad:</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Sağlayıcı:</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>Video PID:</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>Ses PID:</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>PCR PID:</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>Servis ID:</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Tick box: the channel is scrambled (conditional access). Keep it short.</extracomment>
        <translation>Şifreli</translation>
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
        <translation>Ad, kanalın karakter tablosunda olmayan %1 içeriyor.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Uydu:</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transponder:</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Kanal numarası:</translation>
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
        <translation>Frekans:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Sembol oranı:</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Modülasyon:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol oranı</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Yapılandırma</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Alıcı modeli:</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Sütun listesi:</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Basit</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Ayrıntılı</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Mux</source>
        <extracomment>Tab title: the multiplex (carrier) the channel is on, a noun.</extracomment>
        <translation>Multipleks</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>Multipleks:</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>Mantıksal numara:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ad</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Alıcıdan veri al</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Ara...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Ad:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Alıcıya veri gönder</translation>
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
        <translation>Uydu:</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frekans:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Sembol oranı:</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>TS ID:</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Kayma:</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarite:</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC:</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>İletim:</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Modülasyon:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol oranı</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Kayma</translation>
    </message>
</context>
<context>
    <name>qpui::CSatelliteEditor</name>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Uydu adı:</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Konum:</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Tuner %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
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
        <translation>C/Ku anahtarı:</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>LNB frek.:</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>LNB frek. (özel):</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>C-LNB frek.:</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>C-LNB frek. (özel):</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>LNB gücü:</translation>
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
        <translation>Motor konumu:</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (Tuner %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>LNB frek. (özel)</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>C-LNB frek. (özel)</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Motor konumu</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Hâlâ bekleniyor. Alıcının açık olduğunu, indirme menüsünü gösterdiğini ve seçilen porta bağlı olduğunu denetleyin.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>PORT:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Bağlan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>blok %1 / %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>qpui::DescriptionText</name>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Yüksek</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Düşük</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Yok</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Alt frekans : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Alt frekans(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Üst frekans : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Üst frekans(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Motor konumu : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Motor konumu(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB alt : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB alt(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB üst : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB üst(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>C/Ku anahtarı : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>C/Ku anahtarı(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>DiSEqC modu : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>DiSEqC modu(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>LNB gücü : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>LNB gücü(T%1) : %2</translation>
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
        <translation>C tekli LNB(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C standart LNB(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Kullanıcı</translation>
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
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>MOTOR</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>Ad : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Konum : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Frekans     	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Sembol oranı	: %1 kS/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Kayma       	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Polarite    	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>FEC         	: %1</source>
        <translation>FEC         	: %1</translation>
    </message>
    <message>
        <source>Signal      	: %1</source>
        <translation>Sinyal      	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>İletim            	: %1    		Modülasyon      	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Pilot             	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Multipleks adı : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Frekans : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>İlet. modu : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>K.O.      : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Modül.    : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>K.A.      : %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Öncelik   : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Tuner	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Kanal adı : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>Servis ID : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>Video PID : %1</translation>
    </message>
    <message>
        <source>Audio PID : %1</source>
        <translation>Ses PID : %1</translation>
    </message>
    <message>
        <source>PCR PID   : %1</source>
        <translation>PCR PID   : %1</translation>
    </message>
    <message>
        <source>Audio	: %1</source>
        <translation>Ses	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Altyazı    : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Teletekst  : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>Tip  	: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>CAS  	: %1</source>
        <translation>CAS  	: %1</translation>
    </message>
    <message>
        <source>Lock 	: %1</source>
        <translation>Kilit	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Atla 	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Sağlayıcı : %1</translation>
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
        <translation>Geri yükle…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1, %2 ile %3 arasında bir sayı olmalı.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Konum</translation>
    </message>
</context>
</TS>
