<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>Fav</source>
        <extracomment>Column header: the channel&apos;s position in the favourite group shown (a number).</extracomment>
        <translation>Изб.</translation>
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
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
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
        <translation>Жанр</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>«%1» содержит %2, которого нет в кодовой таблице канала</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>«%1» длиннее %2 символов, которые ресивер сохраняет из названия</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>ТВ-канал %1 «%2»</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>радиоканал %1 «%2»</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>%1: указанный спутник %2 не существует</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>%1: указанный мультиплекс %2 не существует</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>%1: указанный транспондер %2 спутника %3 не существует</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>%1: указан транспондер %2 спутника %3, но этот транспондер относится к спутнику %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>Транспондер %1 МГц (id %2): указанный спутник %3 не существует</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>%1: указанный провайдер %2 не существует</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>Услугу %2 транспондера %3 (спутник %4) передают несколько каналов (%1): %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>Номера ТВ-каналов перескакивают с %1 на %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>Номер ТВ-канала %1 занят несколькими каналами (%2)</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>Номера радиоканалов перескакивают с %1 на %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>Номер радиоканала %1 занят несколькими каналами (%2)</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>Название (%1) содержит байт %2, который ресивер не может показать</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>%1 — нет названия: ресивер примет запись за пустую ячейку и отбросит её</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>%1 — название состоит только из пробелов</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>спутник «%1»</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>провайдер «%1»</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>группа избранного «%1»</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>Название (%1) содержит байт %2, который ресивер не может показать</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>Название (%1) обрезается до «%2»: ресивер хранит байтов: %3</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>В таблице групп избранного записей: %1, а её флеш-блок вмещает: %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>В таблице спутников записей: %1, а её флеш-блок вмещает: %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>В таблице провайдеров записей: %1, а её флеш-блок вмещает: %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>В таблице транспондеров записей: %1, а её флеш-блок вмещает: %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>В таблице кабельных мультиплексов записей: %1, а её флеш-блок вмещает: %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>В таблице каналов записей: %1, а её флеш-блок вмещает: %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>Группа избранного %1 «%2» выходит за число групп, которые хранит ресивер (%3)</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>Группа избранного %1 содержит %n канал и выходит за число групп, которые хранит ресивер (%2)</numerusform>
            <numerusform>Группа избранного %1 содержит %n канала и выходит за число групп, которые хранит ресивер (%2)</numerusform>
            <numerusform>Группа избранного %1 содержит %n каналов и выходит за число групп, которые хранит ресивер (%2)</numerusform>
        </translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Идентификаторы транспондеров дошли до %1, больше 255: новые транспондеры получат id, которые ресивер не сможет сохранить</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>%1 — не используется ни одним каналом</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Мультиплекс %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Транспондер %1 МГц (id %2) спутника %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Кабельный мультиплекс %1 кГц (id %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 — изменено</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 — удалено</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 — добавлено</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Спутник %1 «%2»</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Провайдер %1 «%2»</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Группа избранного %1 «%2»</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>теперь заблокирован</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>больше не заблокирован</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>теперь кодированный</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>больше не кодированный</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>теперь пропускается</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>больше не пропускается</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>добавлен в группу избранного %1</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>удалён из группы избранного %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 с %2 на %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>мультиплекс %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, id транспондера %2</translation>
    </message>
    <message>
        <source>%1, %2 MHz H</source>
        <translation>%1, %2 МГц H</translation>
    </message>
    <message>
        <source>%1, %2 MHz V</source>
        <translation>%1, %2 МГц V</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>спутник %1</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>%1 — удалено</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>%1 — добавлено</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>%1 — перемещено на ТВ %2</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>%1 — перемещено на радио %2</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>%1 — перемещено с %2 на %3</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>%1 — переименовано в «%2»</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>%1 — изменено: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>ТВ-каналы перенумерованы по порядку: %1</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>Радиоканалы перенумерованы по порядку: %1</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>В ресивере 1 байт отличается от отправленного, в блоке %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>В ресивере байты отличаются от отправленных (%1), в блоке %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>В ресивере байты отличаются от отправленных (%1), в блоках %2</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>Спутника, транспондера или провайдера %n канала нет в этой базе: сначала откройте файл каналов ресивера.</numerusform>
            <numerusform>Спутника, транспондера или провайдера %n каналов нет в этой базе: сначала откройте файл каналов ресивера.</numerusform>
            <numerusform>Спутника, транспондера или провайдера %n каналов нет в этой базе: сначала откройте файл каналов ресивера.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Нет спутника</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Нет транспондера</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Транспондер другого спутника</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Нет провайдера</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Дубликат канала</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Пропуск в номерах</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Номер занят дважды</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Символ не отображается</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Слишком длинное название</translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Канал без названия</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Слишком много групп избранного</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Группа избранного не сохранится</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Таблица заполнена</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Неиспользуемый транспондер</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Неиспользуемый мультиплекс</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>Id транспондеров исчерпаны</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Эфирные мультиплексы</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Кабельные мультиплексы</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Группы избранного</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Добавлено</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Перемещено</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Переименовано</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Изменены флаги</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>настроенная модель</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>модель %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>как %1 содержит спутников: %2, транспондеров или мультиплексов: %3 и каналов: %4</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>как %1 не читается</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>как %1 ничего не содержит</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>как %1 — бессмысленных записей: %2 из %3</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Этот файл похож на базу, для которой подходит %1, а не %2: %3; %4.</translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>Вертикальная</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтальная</translation>
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
        <translation>Пользовательский</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>Группы избранного %1 выходят за число групп, которые хранит целевая модель (%2)</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>Невозможно записать 1 спутник: целевая модель не хранит спутники</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>Невозможно записать спутники (%1): целевая модель не хранит спутники</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>Невозможно записать 1 транспондер: целевая модель не хранит транспондеры</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>Невозможно записать транспондеры (%1): целевая модель не хранит транспондеры</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>Невозможно записать 1 кабельный мультиплекс: целевая модель не хранит кабельные мультиплексы</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>Невозможно записать кабельные мультиплексы (%1): целевая модель не хранит кабельные мультиплексы</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Невозможно записать 1 эфирный мультиплекс: у целевой модели нет эфирного тюнера такого типа</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Невозможно записать эфирные мультиплексы (%1): у целевой модели нет эфирного тюнера такого типа</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>Невозможно записать эфирную часть (спутник 1): у целевой модели нет эфирного тюнера такого типа</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Спутник 1 будет прочитан как эфирная часть целевой модели (спутник 1)</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 транспондер спутника 1 будет прочитан как эфирная часть целевой модели (спутник 1)</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Транспондеры спутника 1 (%1) будут прочитаны как эфирная часть целевой модели (спутник 1)</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 канал спутника 1 будет прочитан как эфирная часть целевой модели (спутник 1)</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>Каналы спутника 1 (%1) будут прочитаны как эфирная часть целевой модели (спутник 1)</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>Невозможно записать 1 канал на спутниковых несущих: у целевой модели нет спутникового тюнера</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>Невозможно записать каналы на спутниковых несущих (%1): у целевой модели нет спутникового тюнера</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>Невозможно записать 1 канал на эфирных несущих: у целевой модели нет эфирного тюнера</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>Невозможно записать каналы на эфирных несущих (%1): у целевой модели нет эфирного тюнера</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>Невозможно записать 1 канал на кабельных несущих: у целевой модели нет кабельного тюнера</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>Невозможно записать каналы на кабельных несущих (%1): у целевой модели нет кабельного тюнера</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>У 1 спутника есть настройки второго тюнера, которые целевая модель с одним тюнером не сохранит</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>Спутники с настройками второго тюнера (%1), которые целевая модель с одним тюнером не сохранит</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>Не удаётся прочитать заголовок файла. Продолжить?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>Не удаётся открыть файл версии, или он неверен</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>Не удаётся сохранить файл каналов</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Данные для отправки пусты или неверны</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>Не удаётся записать рабочий файл во временную папку</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>Не удаётся открыть файл книги</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>Не удаётся открыть файл книги: это не обычный файл</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>Это не читаемая книга Excel 97-2003</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>Книга защищена паролем</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>В книге два листа «Channel»: неясно, какой заменить</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>В книге нет листа «Channel»</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>Не удаётся записать файл книги</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>Лист каналов содержит названия, которые ресивер не сохранит: исправьте их в указанных строках или откройте лист с подогнанными названиями</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Слишком много каналов для одного листа (не более 65535)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>Лист каналов содержит значение, недопустимое для его столбца: исправьте его в файле</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>CSV-файл не читается как лист каналов: исправьте его в указанной строке</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Это книга Excel 2007 или новее (.xlsx). Сохраните её в своей программе электронных таблиц как Excel 97-2003 (.xls) или CSV.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Это таблица OpenDocument (.ods). Сохраните её в своей программе электронных таблиц как Excel 97-2003 (.xls) или CSV.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>Нельзя копировать из ТВ-каналов в радиоканалы</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>Нельзя копировать из радиоканалов в ТВ-каналы</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>Нельзя перемещать из ТВ-каналов в радиоканалы</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>Нельзя перемещать из радиоканалов в ТВ-каналы</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>Не удаётся изменить название группы избранного: слишком длинное (не более 19 символов)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>Группа избранного не существует</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>Название пустое!</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Название канала длиннее, чем хранит ресивер: ничего не изменено</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>Спутник транспондера не существует</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>Невозможно добавить спутник: id спутников заканчиваются на 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>Невозможно добавить транспондер к этому спутнику: id транспондеров заканчиваются на 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>Невозможно добавить мультиплекс: id мультиплексов заканчиваются на 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>Невозможно добавить провайдера: id вещателей заканчиваются на 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>Не удалось сохранить запись</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Спутник %1</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Мультиплекс %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · транспондер %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>Кабельный мультиплекс</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Кабельный мультиплекс %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Мультиплекс, ТВК %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Группа избранного %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Провайдер %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Жанр %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>ожидание ресивера</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>отправка блока %1 из %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>проверка</translation>
    </message>
    <message>
        <source>done</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>ошибка: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>В ресивере база, отличающаяся от отправленной</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>проверено</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>отправлено</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлено</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Фильмы</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Новости и факты</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Развлечения</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Спорт</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Детские</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Познавательные</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Образование</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Образ жизни</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Драма</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Искусство</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Актуальное</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Особые</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Комедия</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Документальные</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>Индекс</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Позиция</translation>
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
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Симв.</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляр.</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Част. (МГц)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Реж. TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <extracomment>Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.</extracomment>
        <translation>Ск. код.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Модул.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <extracomment>Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.</extracomment>
        <translation>Защ. инт.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
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
        <translation>Модул.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Инверсия</translation>
    </message>
    <message>
        <source>Mark</source>
        <extracomment>Column header, cable: the multiplex&apos;s marker flag (a check mark), not a brand.</extracomment>
        <translation>Метка</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Column header: number (the row&apos;s position), not the word &quot;no&quot;.</extracomment>
        <translation>№</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID вещателя</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Кол-во</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Транспондер / мультиплекс</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодир.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблок.</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>ТВ-каналы</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Радиоканалы</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Нет каналов</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Радио %1 «%2»</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>ТВ %1 «%2»</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Запись %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, обрезано до «%2»</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Сохранить для другой модели</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 не может вместить всё из этой базы. Не будут записаны:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>&amp;Сохранить без них</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Эта модель не может вместить канал</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>Таблица спутников заполнена</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Эта модель не хранит спутники</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>Таблица транспондеров заполнена</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Эта модель не хранит транспондеры</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>Таблица мультиплексов заполнена</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Эта модель не хранит эфирные мультиплексы</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Эта модель не хранит кабельные мультиплексы</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>Таблица провайдеров заполнена</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Эта модель не хранит провайдеров</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>Таблица каналов заполнена</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Эта модель не хранит каналы</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Его спутника нет в другом списке в формате этой модели</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Его транспондера нет в другом списке в формате этой модели</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Все id, которые есть у этой модели для такой записи, заняты</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>Для него не осталось свободного номера канала этого типа</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Уже есть</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>Нельзя добавить</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Название вещателя: %1 (ID: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Открыть как базу модели %1? Тогда окно будет работать с моделью %1 до следующего запуска.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>не три поля Pr#;Name;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>номер программы — не число от 0 до 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>идентификаторы — не три числа ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>название пустое</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>название длиннее, чем может быть название канала</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>Список прочитан как UTF-8.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>Список прочитан как Latin-1: его байты не в UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>Последовательный порт уже открыт или отключён. Проверьте состояние ресивера</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>Не удаётся открыть или подготовить временный файл</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Подключение к последовательному порту...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Не удалось отправить команду записи (скрипт)</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Не удалось отправить команду записи</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>Ошибка отправки данных!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Все данные получены.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>Закрыть подключённый последовательный порт?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Приём (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Отправка (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Выключите и включите ресивер...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>Ожидание перезагрузки ресивера...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Данные отправлены. Подождите...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Данные отправлены. Идёт запись...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Все данные отправлены и записаны.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>Не удалось отправить все данные.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>Связь с ресивером прервалась после блока %1 из %2.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>Связь с ресивером прервалась до первого блока.</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>Ресивер прислал блок, который не запрашивался, поэтому какой-то блок мог быть принят дважды: полученные данные не сохраняются</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>объявлениям и сущностям не место в таблице транспондеров</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>элементы вложены глубже, чем транспондеры спутника</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>транспондер вне спутника или кабельной сети</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>атрибут %1 длиннее %2 символов</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>позиция %1 задана не в десятых долях градуса от -1800 до 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>более %1 транспондеров</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>частота %1 не является спутниковой несущей в кГц</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>символьная скорость %1 задана не в символах в секунду</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>частота %1 не является кабельной несущей в кГц</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>нет атрибута %1</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; — не число</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; — значение, неизвестное формату</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>таблица больше любой таблицы транспондеров</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>[CHANNEL] без FREQUENCY и SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>частота %1 не является кабельной несущей в Гц</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>строка длиннее %1 символов</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>строка содержит байт, которого не бывает в тексте</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>«%1» не имеет вида КЛЮЧ = ЗНАЧЕНИЕ</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>значение перед первым [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 — значение, неизвестное формату</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 — не число</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 содержит кабельные мультиплексы, которые эта модель не хранит</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 содержит несколько кабельных сетей (%2): оставьте в нём только сеть этого списка</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 не указывает орбитальную позицию: выберите спутник для обновления</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1 дважды содержит спутник на позиции %2 (строки %3 и %4): оставьте один из них</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Ни в списке, ни в %1 нет спутника на позиции %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>В %1 нет ни одного спутника из списка</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Нет в таблице</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>таблица не начинается с &lt;satellites&gt;, &lt;cables&gt; или &lt;locations&gt;</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>частота %1 не является эфирной несущей в Гц</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>[CHANNEL] без FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 содержит эфирные мультиплексы, которые эта модель не хранит</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 содержит несколько эфирных регионов (%2): оставьте в нём только регион этого списка</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Renumber</source>
        <translation>Перенумеровать</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Удалить дубликаты</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Удалить неиспользуемые</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Назначить провайдера</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Убрать из избранного</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Переместить сюда</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Изменить порядок</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Переместить</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>Undo step: channels marked locked (parental lock). Short.</extracomment>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Undo step: channels marked to be skipped when zapping. Short.</extracomment>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Перенос на спутник</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Перенос на мультиплекс</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Перенос на транспондер</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Перенос на провайдера</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Добавить в группу избранного</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Задать жанр</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Удалить дубликаты</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Переименовать по шаблону</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Сортировать и перенумеровать</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Удалить неиспользуемые</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Переименовать группу избранного</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Очистить группу избранного</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Удалить группу избранного</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Импорт книги</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Новый спутник</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Новый транспондер</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Новый мультиплекс</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Новый провайдер</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Изменить спутник</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Изменить транспондер</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Изменить мультиплекс</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Изменить провайдера</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Переместить транспондеры</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Применить эталонный список</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Объединить со списком</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Обновить транспондеры</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Строка %1, поле %2: текст в кавычках не закрыт</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Строка %1, поле %2: кавычка внутри поля, которое не начинается с кавычки</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Строка %1, поле %2: текст после закрывающей кавычки</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Строка %1, поле %2: длиннее %3 символов</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>В строке %1 полей: %2; в листе каналов: %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Строка %1, поле %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Лист «%1», строка %2, столбец %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Строка %1, поле %2 (%3): «%4» — не число</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Лист «%1», строка %2, столбец %3 (%4): «%5» — не число</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Строка %1, поле %2 (%3): %4 вне диапазона от %5 до %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Лист «%1», строка %2, столбец %3 (%4): %5 вне диапазона от %6 до %7</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Восстановить…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Открыть образ, сохранённый при приёме или отправке</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Проверять после отправки</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>После отправки получить образ обратно и сравнить</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>По сравнению с образом, последним полученным с этого ресивера или отправленным на него (%1):</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Что изменится</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Ни один образ, сохранённый с этого ресивера, не совпадает с его контрольной суммой: отправка не сравнивается.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>Новейший образ, сохранённый с этого ресивера (%1), больше не совпадает с его контрольной суммой; вместо него сравнение с образом от %2.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>Полученный список не открыт; он хранится среди резервных копий (Ресивер → Восстановить…).</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Проверка: приём данных с ресивера</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>Не удаётся проверить отправку: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>образ не читается</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Проверка не пройдена</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>В ресивере база, отличающаяся от отправленной:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Проверено</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>Не удаётся сохранить резервную копию образа: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Эта резервная копия — от модели %1. Открыть её как базу модели %1? Тогда окно будет работать с моделью %1 до следующего запуска.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Received</source>
        <translation>Получено</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Отправлено</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Считано после отправки</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Сохранено</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (другая модель)</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Контр. сумма %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Создать...     	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Удалить       	Delete</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Копировать    	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Вставить      	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Переместить сюда</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Добавить в группу избранного</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Блокировка...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Пропуск...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Выделить...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Выделить все  Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокированные</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Кодированные</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Тюнер 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Тюнер 2</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Обратить выделение</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Описание...	Enter</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Убрать из избранного</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Удалить выделенные элементы?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>Удалить %n канал?</numerusform>
            <numerusform>Удалить %n канала?</numerusform>
            <numerusform>Удалить %n каналов?</numerusform>
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
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускается</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Тюнер</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCheckCommands</name>
    <message>
        <source>Check</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Проверить базу на то, что ресивер может сохранить</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Сравнить с файлом…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Показать, что меняется от файла каналов к открытой базе</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>Всё равно отправить?</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Сравнить с файлом</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Двоичный файл (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Что изменится</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>От %1 к открытой базе:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Нет провайдера</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Назначить провайдера</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>Каналы несуществующего провайдера %1 перейдут к:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Фильтр каналов</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Выделить все показанные</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Найти дубликаты...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Переименовать по шаблону...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Сортировать и перенумеровать...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Удалить неиспользуемые...</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>Удалён %n дубликат канала</numerusform>
            <numerusform>Удалено %n дубликата каналов</numerusform>
            <numerusform>Удалено %n дубликатов каналов</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Сначала выделите каналы для переименования.</translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>Удалена %n неиспользуемая запись</numerusform>
            <numerusform>Удалено %n неиспользуемые записи</numerusform>
            <numerusform>Удалено %n неиспользуемых записей</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>same service</source>
        <translation>та же услуга</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>то же название</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>SD- и HD-версии одного названия</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Найти дубликаты</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>Наименьший номер</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>HD вместо SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>Открытый вместо кодированного</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>Тот, что в группе избранного</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Оставить:</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>Считать SD- и HD-версии дубликатами</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Удалить дубликаты</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Группа %1: %2</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Дубликатов нет.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>Отмечена %n группа</numerusform>
            <numerusform>Отмечено %n группы</numerusform>
            <numerusform>Отмечено %n групп</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>Будет удалён %n канал, из каждой группы остаётся один.</numerusform>
            <numerusform>Будет удалено %n канала, из каждой группы остаётся один.</numerusform>
            <numerusform>Будет удалено %n каналов, из каждой группы остаётся один.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Все группы избранного, которые хранит ресивер, заняты: сначала очистите или удалите одну из них.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Новая группа...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Переименовать...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>Убрать все каналы из %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>Удалить группу избранного %1? Её каналы останутся в списке.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Filter channels by name</source>
        <translation>Фильтр каналов по названию</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Рег. выражение</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Выделить все показанные</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Транспондер или мультиплекс</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Группа избранного</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>ТВ или радио</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>ТВ и радио</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Только ТВ</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Только радио</translation>
    </message>
    <message>
        <source>Scrambled or free</source>
        <translation>Кодированные или нет</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодированные</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Filter choice: free-to-air channels (not scrambled), not free of charge.</extracomment>
        <translation>Открытые</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокированные</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Заблокированные или нет</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>Не заблокированные</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускаемые</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Пропускаемые или нет</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>Не пропускаемые</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Любой спутник</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Любой провайдер</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>В группе или нет</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>В группе избранного</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>Вне групп избранного</translation>
    </message>
    <message>
        <source>Any frequency</source>
        <translation>Любая частота</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Не регулярное выражение: %1</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Ещё (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Перенумеровать</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>Удалить отмеченные дубликаты</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Удалить неиспользуемые</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Назначить провайдера…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Исправить</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>Ошибок не найдено.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n ошибка</numerusform>
            <numerusform>%n ошибки</numerusform>
            <numerusform>%n ошибок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Важность</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Правило</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>Отправить на несколько ресиверов</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>Повторять на этом порту</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>&amp;Добавить порт</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>Д&amp;ругой порт:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Версия ресивера</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Блоки</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Запустить</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>Со&amp;хранить отчёт…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Отметьте порты ресиверов, на которые нужно отправить список.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>Строка отчёта не добавлена в журнал в папке резервных копий: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Ни один ресивер ещё не закончил: отчёт пуст.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>отчёт.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>Отчёт не сохранён: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Руководство Chanforge</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>Руководство не установлено рядом с программой.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Провайдер</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Избранное</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Избранное</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Спутник</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Сведения о мультиплексе</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Эфирное</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Мультиплексы</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Кабельные мультиплексы</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Создать...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Изменить...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Удалить	Delete</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Описание...	Enter</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>спутник %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>транспондер %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>мультиплекс %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>Удалить выделенные элементы?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>Удалить %1 и его %n канал?</numerusform>
            <numerusform>Удалить %1 и его %n канала?</numerusform>
            <numerusform>Удалить %1 и его %n каналов?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>Удалить %n спутник и относящиеся к нему: %1?</numerusform>
            <numerusform>Удалить %n спутника и относящиеся к ним: %1?</numerusform>
            <numerusform>Удалить %n спутников и относящиеся к ним: %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>Удалить %n транспондер и относящиеся к нему: %1?</numerusform>
            <numerusform>Удалить %n транспондера и относящиеся к ним: %1?</numerusform>
            <numerusform>Удалить %n транспондеров и относящиеся к ним: %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>Удалить %n мультиплекс и относящиеся к нему: %1?</numerusform>
            <numerusform>Удалить %n мультиплекса и относящиеся к ним: %1?</numerusform>
            <numerusform>Удалить %n мультиплексов и относящиеся к ним: %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n канал</numerusform>
            <numerusform>%n канала</numerusform>
            <numerusform>%n каналов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Сейчас показаны: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Группа избранного</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Каналы:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>ТВ и радио</translation>
    </message>
    <message>
        <source>TV only</source>
        <translation>Только ТВ</translation>
    </message>
    <message>
        <source>Radio only</source>
        <translation>Только радио</translation>
    </message>
    <message>
        <source>&amp;Kinds:</source>
        <translation>&amp;Типы:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Столбцы:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>По &amp;номеру</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>По н&amp;азванию</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Порядок:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Столбцов на &amp;страницу:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Открыть существующую базу</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;Сохранить в файл...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>Экспорт &amp;таблицы C...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Записать таблицу каналов как исходный код на C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Получить</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Получить базу с ресивера</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Получить</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Отправить</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Отправить базу на ресивер</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Конфигурация (модель ресивера)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Выбрать модель ресивера</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Обновить всё</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>&amp;Простые столбцы</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>Скрыть столбцы id и PID</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Повторить последнее отменённое изменение</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показать сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>Руководство оператора: приём, правка, проверка, отправка</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Сочетания клавиш</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>Клавиши окна, таблиц и списков</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Недавние файлы</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Новый канал...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Изменить канал...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Переместить сюда</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Выделить</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокированные</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Кодированные</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Обратить</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Найти ранее</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>&amp;Записи</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Новый спутник...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Новый транспондер...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Новый кабельный мультиплекс...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Новый провайдер...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>&amp;Ресивер</translation>
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
        <translation>Окно
  Ctrl+O  Открыть    Ctrl+S  Сохранить в файл    Ctrl+R  Получить    Ctrl+T  Отправить
  Ctrl+Z  Отменить    Ctrl+Y  Повторить    F5  Обновить    Ctrl+P  Печать    Ctrl+Q  Выход
  F6, Shift+F6  следующая, предыдущая панель    Tab, Shift+Tab  следующий, предыдущий список
Таблицы каналов
  Ctrl+N  Создать    Ctrl+C  Копировать    Ctrl+V  Вставить    Del  Удалить    Ctrl+F  Поиск
  F3, Shift+F3  следующий, предыдущий канал с искомым названием
  Enter или двойной щелчок  Описание    перетаскивание  перемещение или перенос на список или группу
  Ctrl+Shift+F  Фильтр каналов    Ctrl+H  Переименовать по шаблону
Списки спутников, транспондеров, кабельных мультиплексов и провайдеров
  Ctrl+N  Создать    Del  Удалить    Enter или двойной щелчок  Описание
Заголовок окна или панель инструментов
  Ctrl + двойной щелчок  Конфигурация    Shift + двойной щелчок  Экспорт таблицы C</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Список</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>В списке каналов есть несохранённые изменения. Сохранить их сейчас?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Сохранить данные каналов</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Локальный файл (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>Файл Excel (*.xls)</translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>Файл CSV, разделитель — запятая (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>Файл CSV, разделитель — точка с запятой (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>Файл CSV, разделитель — табуляция (*.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>Книга содержит только каналы: сохраните в файл каналов, чтобы сохранить остальные изменения</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Загрузить данные каналов</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Двоичный файл (*.bin)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Сохранить стандартные данные каналов</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>Локальный файл (*.h)</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge для %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Ctrl + двойной щелчок: Конфигурация · Shift + двойной щелчок: Экспорт таблицы C</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>%n канал перемещён в %1</numerusform>
            <numerusform>%n канала перемещено в %1</numerusform>
            <numerusform>%n каналов перемещено в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>%n канал назначен: %1</numerusform>
            <numerusform>%n канала назначено: %1</numerusform>
            <numerusform>%n каналов назначено: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>%n канал добавлен в %1</numerusform>
            <numerusform>%n канала добавлено в %1</numerusform>
            <numerusform>%n каналов добавлено в %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>%n каналу задано: %1</numerusform>
            <numerusform>%n каналам задано: %1</numerusform>
            <numerusform>%n каналам задано: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>%n канал не перемещён: у %1 нет транспондера с той же частотой и поляризацией</numerusform>
            <numerusform>%n канала не перемещено: у %1 нет транспондера с той же частотой и поляризацией</numerusform>
            <numerusform>%n каналов не перемещено: у %1 нет транспондера с той же частотой и поляризацией</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, с учётом панели фильтра</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Модель ресивера не задана</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Отменить: %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Повторить: %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>О программе Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge версии %1 (сборка: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Редактор списков каналов для цифровых ТВ-ресиверов.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Теперь нужно перезапустить программу.</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>Отправить на &amp;несколько ресиверов…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Отправить базу сразу на все отмеченные порты, с проверкой каждого</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>О&amp;бъединить со списком…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Добавить каналы другого списка вместе с их спутниками и транспондерами</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Объединить со списком</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Списки каналов (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>Файл каналов к книге</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Локальный файл (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>Прочитать другой список как модель %1?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>Другой список не удаётся перенести в формат этой модели.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Транспондеры</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Мультиплексы</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Провайдеры</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>найден по несущей и услуге</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>найден по id услуги и потока</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>найден по названию</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Объединить со списком: %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>Номер здесь</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Каналы другого списка</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Таблица</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Создаваемые записи</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>После последнего канала того же типа</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Сохранить их номера, если свободны</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Заполнить пропуски</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>&amp;Номера добавленных каналов</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Все спутники</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>ТВ и радио</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Show &amp;only</source>
        <translation>Показать &amp;только</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>Уже имеющиеся каналы получают:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Блокировки и пропуски</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Избранное</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>Назв&amp;ания</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>Добавить: %1. Обновить: %2. Уже есть: %3. Нельзя добавить: %4. Создаваемые записи: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1: %2 из %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>После применения: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Эфир</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Кабель</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>блокировки и пропуски</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>избранное</translation>
    </message>
    <message>
        <source>name</source>
        <translation>название</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Следующая панель</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Предыдущая панель</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>Файл HTML (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Напечатать список каналов</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>П&amp;редпросмотр...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Показать печатный список каналов постранично</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Записать список каналов как документ PDF</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Записать список каналов как CSV для электронных таблиц</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Записать список каналов как веб-страницу</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>&amp;Экспорт</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>Принтер недоступен.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Печать списка каналов</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Предпросмотр печати</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Экспорт списка каналов</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>Прим&amp;енить эталонный список…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Нумеровать, группировать, блокировать и пропускать каналы, как в другом списке</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>Сохранить для &amp;другой модели…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Записать эту базу в формате другой модели ресивера</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Эталонный список</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Эталонные списки (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>Модель ресивера, для которой эталонная база:</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>Прочитать эталон как модель %1?</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Сохранить для другой модели: модель</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Записать базу для:</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Сохранить для модели %1: файл</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Локальный файл (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>Сохранено для %1. Файл откроется, когда эта модель будет выбрана в конфигурации.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>та же несущая и услуга</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>id услуги и потока</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>название (неточно)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>название с HD или без (неточно)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>группа %1</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>избранное %1 → %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>заблокирован</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>разблокирован</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>пропускается</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>не пропускается</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>название «%1»</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Применить эталонный список: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Эталон</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Сопоставленный канал</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Способ</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <source>After</source>
        <translation>После</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Также меняет</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Записи эталона</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Каналы без соответствия</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Конфликты и примечания</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>&amp;Начать с</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Оставить после сопоставленных</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Удалить их</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>Каналы &amp;без соответствия</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>&amp;Убрать пропуски</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>&amp;Взять названия</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>&amp;Подогнать названия</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n эталонный канал:</numerusform>
            <numerusform>%n эталонных канала:</numerusform>
            <numerusform>%n эталонных каналов:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>Сопоставлено: %1 (только по названию, проверьте: %2; в конфликте: %3), без соответствия: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>%n канал этого списка без записи.</numerusform>
            <numerusform>%n канала этого списка без записи.</numerusform>
            <numerusform>%n каналов этого списка без записи.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>Пропущена %n строка: там ничего не меняется.</numerusform>
            <numerusform>Пропущено %n строки: там ничего не меняется.</numerusform>
            <numerusform>Пропущено %n строк: там ничего не меняется.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>%n название этот ресивер не сохранит (слишком длинное или с символом, которого нет в кодовой таблице канала): отметьте «Подогнать названия», оставьте названия как есть или пропустите эти строки.</numerusform>
            <numerusform>%n названия этот ресивер не сохранит (слишком длинные или с символом, которого нет в кодовой таблице канала): отметьте «Подогнать названия», оставьте названия как есть или пропустите эти строки.</numerusform>
            <numerusform>%n названий этот ресивер не сохранит (слишком длинные или с символом, которого нет в кодовой таблице канала): отметьте «Подогнать названия», оставьте названия как есть или пропустите эти строки.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>«%1» соответствует каналу %2 «%3», который сохраняет «%4»: ничего не меняет</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>«%1» хочет %2, занятый «%3»: получает %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>«%1» хочет %2, который сохраняет оставленный без изменений канал «%3»: получает %4</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>«%1» получает %2: %3 занят</translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>пропущен: остаётся как есть</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>%1, as it is</source>
        <translation>%1, как есть</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>удалён</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Тот же канал</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Номер занят</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Слишком длинное название</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>«%1» длиннее, чем хранит этот ресивер: отклонено</translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Название отклонено</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Символы заменены</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>«%1» сохраняется как «%2»: в кодовой таблице канала нет %n его символа</numerusform>
            <numerusform>«%1» сохраняется как «%2»: в кодовой таблице канала нет %n его символов</numerusform>
            <numerusform>«%1» сохраняется как «%2»: в кодовой таблице канала нет %n его символов</numerusform>
        </translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>То же название после обрезки</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>«%1» обрезается до «%2», как и другое название</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Группа не сохранится</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>Группа избранного %1 «%2» (%n канал) выходит за число групп, которые хранит этот ресивер</numerusform>
            <numerusform>Группа избранного %1 «%2» (%n канала) выходит за число групп, которые хранит этот ресивер</numerusform>
            <numerusform>Группа избранного %1 «%2» (%n каналов) выходит за число групп, которые хранит этот ресивер</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Строка не прочитана</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Переименовать по шаблону</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... подставляют группу регулярного выражения</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Заменить на:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>С учётом регистра</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Сохранять регистр</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>ВЕРХНИЙ РЕГИСТР</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>нижний регистр</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Как В Заголовке</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Подогнать названия</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Текущее название</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Новое название</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>ничего не осталось: отклонено</translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>содержит %1, которого нет в кодовой таблице канала: отклонено</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>длиннее, чем хранит ресивер: отклонено</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>обрезано до «%1»</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>после обрезки совпадает с названием в другой строке</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>символы, которые ресивер не может показать</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>Не регулярное выражение: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n название осталось бы пустым: переименование отклонено.</numerusform>
            <numerusform>%n названия остались бы пустыми: переименование отклонено.</numerusform>
            <numerusform>%n названий остались бы пустыми: переименование отклонено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>%n название с символами, которых нет в кодовой таблице канала: переименование отклонено. Отметьте «Подогнать названия», чтобы сохранить их как «?», или пропустите эти строки.</numerusform>
            <numerusform>%n названия с символами, которых нет в кодовой таблице канала: переименование отклонено. Отметьте «Подогнать названия», чтобы сохранить их как «?», или пропустите эти строки.</numerusform>
            <numerusform>%n названий с символами, которых нет в кодовой таблице канала: переименование отклонено. Отметьте «Подогнать названия», чтобы сохранить их как «?», или пропустите эти строки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>%n название длиннее, чем хранит ресивер: переименование отклонено.</numerusform>
            <numerusform>%n названия длиннее, чем хранит ресивер: переименование отклонено.</numerusform>
            <numerusform>%n названий длиннее, чем хранит ресивер: переименование отклонено.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Он хранит %n символ. Сократите замену, отметьте «Подогнать названия» или пропустите эти строки.</numerusform>
            <numerusform>Он хранит %n символа. Сократите замену, отметьте «Подогнать названия» или пропустите эти строки.</numerusform>
            <numerusform>Он хранит %n символов. Сократите замену, отметьте «Подогнать названия» или пропустите эти строки.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>Изменится %n отмеченное название.</numerusform>
            <numerusform>Изменятся %n отмеченных названия.</numerusform>
            <numerusform>Изменятся %n отмеченных названий.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n название обрезано до длины, которую хранит ресивер.</numerusform>
            <numerusform>%n названия обрезаны до длины, которую хранит ресивер.</numerusform>
            <numerusform>%n названий обрезаны до длины, которую хранит ресивер.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>%n название с символами, которые ресивер не может показать.</numerusform>
            <numerusform>%n названия с символами, которые ресивер не может показать.</numerusform>
            <numerusform>%n названий с символами, которые ресивер не может показать.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Каналы</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>TV Only</source>
        <translation>Только ТВ</translation>
    </message>
    <message>
        <source>Radio Only</source>
        <translation>Только радио</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>ТВ-каналы</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Радиоканалы</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>Нет канала с названием «%1»</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Сортировать и перенумеровать</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Каждый канал получит новый номер в этом порядке; первый отмеченный ключ решает в первую очередь. Перетаскивайте или используйте кнопки, чтобы изменить порядок.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Транспондер или мультиплекс</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Провайдер</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Кодированные в конце</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>Список каналов не открыт</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Получите список с ресивера по последовательному кабелю или откройте сохранённый файл каналов или книгу. Руководство объясняет каждый шаг.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Получить с ресивера...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Открыть файл...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Читать руководство</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>ТВ %1 из %2 · Радио %3 из %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>Отметить вс&amp;е</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Снять все отметки</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>Обновить тр&amp;анспондеры…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Обновить транспондеры спутника по satellites.xml или таблице сканирования</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Транспондеры обновлены</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Обновить транспондеры</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Кабельные мультиплексы</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>Сп&amp;утник:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Файл…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>&amp;Таблица:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>В списке</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>В таблице</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Таблица транспондеров</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Таблицы транспондеров (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (системная таблица сканирования)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>В списке нет спутников.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Выберите таблицу: satellites.xml или таблицу сканирования DVB.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Пропущено: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>Транспондеры соответствуют таблице.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Изменённых: %1, новых: %2, удалённых: %3.</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Эфирные мультиплексы</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Пропущено: строка %1: %2 не попадает ни на один свободный канал сетки страны</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Удалить неиспользуемые</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Спутники без используемых транспондеров (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Транспондеры, не используемые каналами (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Мультиплексы, не используемые каналами (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Кабельные мультиплексы, не используемые каналами (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Провайдеры, не указанные ни одним каналом (%1)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>Всё используется.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>Будет удалена %n запись.</numerusform>
            <numerusform>Будут удалены %n записи.</numerusform>
            <numerusform>Будет удалено %n записей.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>%n спутник оставлен ради остающегося транспондера.</numerusform>
            <numerusform>%n спутника оставлены ради остающихся транспондеров.</numerusform>
            <numerusform>%n спутников оставлены ради остающихся транспондеров.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>Новый язык будет использоваться со следующего запуска Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>Не удаётся создать рабочий файл во временном каталоге.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Название :</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Провайдер :</translation>
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
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Tick box: the channel is scrambled (conditional access). Keep it short.</extracomment>
        <translation>Кодир.</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Тюнер 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Тюнер 2</translation>
    </message>
    <message>
        <source>The name holds %1, which the channel&apos;s character table cannot hold.</source>
        <translation>Название содержит %1, которого нет в кодовой таблице канала.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Спутник :</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Транспондер :</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Номер канала :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCableMuxAddUpdate</name>
    <message>
        <source>Mux</source>
        <extracomment>Window title: a cable multiplex (one carrier frequency), a noun.</extracomment>
        <translation>Мультиплекс</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Частота :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Символьная скорость :</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Модуляция :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьная скорость</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Модель ресивера :</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Набор столбцов :</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Простой</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Подробный</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Mux</source>
        <extracomment>Tab title: the multiplex (carrier) the channel is on, a noun.</extracomment>
        <translation>Мультиплекс</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>Мультиплекс :</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>Логический номер :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>name</source>
        <translation>название</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Приём данных с ресивера</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Название :</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Отправка данных на ресивер</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgTPAddUpdate</name>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Спутник :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Частота :</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Символьная скорость :</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>TS ID :</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Дрейф :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Поляризация :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>Передача :</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Модуляция :</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьная скорость</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>TS ID</translation>
    </message>
    <message>
        <source>Drift</source>
        <translation>Дрейф</translation>
    </message>
</context>
<context>
    <name>qpui::CSatelliteEditor</name>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Название спутника :</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Позиция :</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Тюнер %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
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
        <translation>Переключатель C/Ku :</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>Частота LNB :</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>Частота LNB (своя) :</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>Частота C-LNB :</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>Частота C-LNB (своя) :</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Питание LNB :</translation>
    </message>
    <message>
        <source>22 KHz :</source>
        <translation>22 кГц :</translation>
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
        <translation>Позиция мотора :</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (Тюнер %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>Частота LNB (своя)</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>Частота C-LNB (своя)</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Позиция мотора</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Ответа всё ещё нет. Проверьте, что ресивер включён, показывает меню загрузки и подключён к выбранному порту.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>ПОРТ :</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>блок %1 из %2</translation>
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
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Верхняя</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Нижняя</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Нижняя частота : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Нижняя частота(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Верхняя частота : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Верхняя частота(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Позиция мотора : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Позиция мотора(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB нижн. : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB нижн.(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB верхн. : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB верхн.(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>Переключатель C/Ku : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>Переключатель C/Ku(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>Режим DiSEqC : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>Режим DiSEqC(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>Питание LNB : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>Питание LNB(T%1) : %2</translation>
    </message>
    <message>
        <source>22KHz : %1</source>
        <translation>22 кГц : %1</translation>
    </message>
    <message>
        <source>22KHz(T%1) : %2</source>
        <translation>22 кГц(T%1) : %2</translation>
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
        <translation>C одиночный LNB(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>C станд. LNB(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользовательский</translation>
    </message>
    <message>
        <source>Univ. LNB1(9750,10600)</source>
        <translation>Унив. LNB1(9750,10600)</translation>
    </message>
    <message>
        <source>Univ. LNB2(9750,10750)</source>
        <translation>Унив. LNB2(9750,10750)</translation>
    </message>
    <message>
        <source>Tone Burst</source>
        <translation>Tone Burst</translation>
    </message>
    <message>
        <source>MOTOR</source>
        <translation>МОТОР</translation>
    </message>
    <message>
        <source>Name : %1 (ID : %2)</source>
        <translation>Название : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Позиция : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Частота     	: %1 МГц</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Симв. скор. 	: %1 кСим/с</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>TS ID       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Дрейф       	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Поляризация 	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтальная</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертикальная</translation>
    </message>
    <message>
        <source>FEC         	: %1</source>
        <translation>FEC         	: %1</translation>
    </message>
    <message>
        <source>Signal      	: %1</source>
        <translation>Сигнал      	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>Передача          	: %1    		Модуляция       	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Пилот             	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Название мультиплекса : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Частота : %1 МГц</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>Реж. TX   : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>Ск. код.  : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Созвезд.  : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>Защ. инт. : %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Приоритет : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Тюнер	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Название канала : %1</translation>
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
        <translation>Аудио	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Субтитры   : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Телетекст  : %1</translation>
    </message>
    <message>
        <source>Type 	: %1</source>
        <translation>Тип  	: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>CAS  	: %1</source>
        <translation>CAS  	: %1</translation>
    </message>
    <message>
        <source>Lock 	: %1</source>
        <translation>Блокировка	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Пропуск	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Провайдер : %1</translation>
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
        <translation>Восстановить…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 должно быть числом от %2 до %3.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Позиция</translation>
    </message>
</context>
</TS>
