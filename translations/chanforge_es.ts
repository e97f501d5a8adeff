<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Fav</source>
        <extracomment>Column header: the channel&apos;s position in the favourite group shown (a number).</extracomment>
        <translation>Fav</translation>
    </message>
    <message>
        <source>SatID</source>
        <extracomment>Column header: id of the channel&apos;s satellite record. Keep it short.</extracomment>
        <translation>IDSat</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the channel&apos;s transponder (carrier) record.</extracomment>
        <translation>IDTP</translation>
    </message>
    <message>
        <source>CH#</source>
        <extracomment>Column header: channel number (the receiver&apos;s programme number).</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>Género</translation>
    </message>
</context>
<context>
    <name>ChannelName</name>
    <message>
        <source>&quot;%1&quot; holds %2, which the channel&apos;s character table cannot hold</source>
        <translation>«%1» contiene %2, que la tabla de caracteres del canal no admite</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than the %2 characters the receiver keeps of a name</source>
        <translation>«%1» supera los %2 caracteres que el receptor guarda de un nombre</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>TV channel %1 &quot;%2&quot;</source>
        <translation>canal de TV %1 «%2»</translation>
    </message>
    <message>
        <source>radio channel %1 &quot;%2&quot;</source>
        <translation>emisora de radio %1 «%2»</translation>
    </message>
    <message>
        <source>The %1 names satellite %2, which does not exist</source>
        <translation>%1 remite al satélite %2, que no existe</translation>
    </message>
    <message>
        <source>The %1 names multiplex %2, which does not exist</source>
        <translation>%1 remite al múltiplex %2, que no existe</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, which does not exist</source>
        <translation>%1 remite al transpondedor %2 del satélite %3, que no existe</translation>
    </message>
    <message>
        <source>The %1 names transponder %2 of satellite %3, but that transponder belongs to satellite %4</source>
        <translation>%1 remite al transpondedor %2 del satélite %3, pero ese transpondedor pertenece al satélite %4</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) names satellite %3, which does not exist</source>
        <translation>El transpondedor de %1 MHz (ID %2) remite al satélite %3, que no existe</translation>
    </message>
    <message>
        <source>The %1 names provider %2, which does not exist</source>
        <translation>%1 remite al proveedor %2, que no existe</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1 channels carry service %2 of transponder %3 (satellite %4): %5</source>
        <translation>%1 canales emiten el servicio %2 del transpondedor %3 (satélite %4): %5</translation>
    </message>
    <message>
        <source>TV channel numbers jump from %1 to %2</source>
        <translation>La numeración de los canales de TV salta de %1 a %2</translation>
    </message>
    <message>
        <source>TV channel number %1 is used by %2 channels</source>
        <translation>El número de canal de TV %1 lo usan %2 canales</translation>
    </message>
    <message>
        <source>Radio channel numbers jump from %1 to %2</source>
        <translation>La numeración de las emisoras de radio salta de %1 a %2</translation>
    </message>
    <message>
        <source>Radio channel number %1 is used by %2 channels</source>
        <translation>El número de emisora de radio %1 lo usan %2 emisoras</translation>
    </message>
    <message>
        <source>The name of %1 holds byte %2, which the receiver cannot show</source>
        <translation>El nombre de %1 contiene el byte %2, que el receptor no puede mostrar</translation>
    </message>
    <message>
        <source>The %1 has no name: the receiver takes it for an empty slot and drops it</source>
        <translation>%1 no tiene nombre: el receptor lo toma por una posición vacía y lo descarta</translation>
    </message>
    <message>
        <source>The %1 has only blanks for a name</source>
        <translation>%1 solo tiene espacios como nombre</translation>
    </message>
    <message>
        <source>satellite &quot;%1&quot;</source>
        <translation>satélite «%1»</translation>
    </message>
    <message>
        <source>provider &quot;%1&quot;</source>
        <translation>proveedor «%1»</translation>
    </message>
    <message>
        <source>favourite group &quot;%1&quot;</source>
        <translation>grupo de favoritos «%1»</translation>
    </message>
    <message>
        <source>The name of the %1 holds byte %2, which the receiver cannot show</source>
        <translation>El nombre de %1 contiene el byte %2, que el receptor no puede mostrar</translation>
    </message>
    <message>
        <source>The name of the %1 is cut to &quot;%2&quot;: the receiver keeps %3 bytes</source>
        <translation>El nombre de %1 se recorta a «%2»: el receptor guarda %3 bytes</translation>
    </message>
    <message>
        <source>The favourite group table has %1 records, but its flash block holds %2</source>
        <translation>La tabla de grupos de favoritos tiene %1 registros, pero su bloque de flash admite %2</translation>
    </message>
    <message>
        <source>The satellite table has %1 records, but its flash block holds %2</source>
        <translation>La tabla de satélites tiene %1 registros, pero su bloque de flash admite %2</translation>
    </message>
    <message>
        <source>The provider table has %1 records, but its flash block holds %2</source>
        <translation>La tabla de proveedores tiene %1 registros, pero su bloque de flash admite %2</translation>
    </message>
    <message>
        <source>The transponder table has %1 records, but its flash block holds %2</source>
        <translation>La tabla de transpondedores tiene %1 registros, pero su bloque de flash admite %2</translation>
    </message>
    <message>
        <source>The cable multiplex table has %1 records, but its flash block holds %2</source>
        <translation>La tabla de múltiplex de cable tiene %1 registros, pero su bloque de flash admite %2</translation>
    </message>
    <message>
        <source>The channel table has %1 records, but its flash block holds %2</source>
        <translation>La tabla de canales tiene %1 registros, pero su bloque de flash admite %2</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot; is past the %3 groups the receiver keeps</source>
        <translation>El grupo de favoritos %1 «%2» queda fuera de los %3 grupos que guarda el receptor</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 holds %n channel(s), past the %2 groups the receiver keeps</source>
        <translation>
            <numerusform>El grupo de favoritos %1 contiene %n canal y queda fuera de los %2 grupos que guarda el receptor</numerusform>
            <numerusform>El grupo de favoritos %1 contiene %n canales y queda fuera de los %2 grupos que guarda el receptor</numerusform>
        </translation>
    </message>
    <message>
        <source>Transponder ids have reached %1, past 255: new transponders get ids the receiver cannot store</source>
        <translation>Los ID de transpondedor han llegado a %1, por encima de 255: los transpondedores nuevos reciben ID que el receptor no puede guardar</translation>
    </message>
    <message>
        <source>%1 is used by no channel</source>
        <translation>Ningún canal usa %1</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Múltiplex %1</translation>
    </message>
    <message>
        <source>Transponder %1 MHz (id %2) of satellite %3</source>
        <translation>Transpondedor de %1 MHz (ID %2) del satélite %3</translation>
    </message>
    <message>
        <source>Cable multiplex %1 kHz (id %2)</source>
        <translation>Múltiplex de cable de %1 kHz (ID %2)</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 modificado</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 eliminado</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 añadido</translation>
    </message>
    <message>
        <source>Satellite %1 &quot;%2&quot;</source>
        <translation>Satélite %1 «%2»</translation>
    </message>
    <message>
        <source>Provider %1 &quot;%2&quot;</source>
        <translation>Proveedor %1 «%2»</translation>
    </message>
    <message>
        <source>Favourite group %1 &quot;%2&quot;</source>
        <translation>Grupo de favoritos %1 «%2»</translation>
    </message>
    <message>
        <source>now locked</source>
        <translation>ahora bloqueado</translation>
    </message>
    <message>
        <source>no longer locked</source>
        <translation>ya no está bloqueado</translation>
    </message>
    <message>
        <source>now scrambled</source>
        <translation>ahora codificado</translation>
    </message>
    <message>
        <source>no longer scrambled</source>
        <translation>ya no está codificado</translation>
    </message>
    <message>
        <source>now skipped</source>
        <translation>ahora se omite</translation>
    </message>
    <message>
        <source>no longer skipped</source>
        <translation>ya no se omite</translation>
    </message>
    <message>
        <source>added to favourite group %1</source>
        <translation>añadido al grupo de favoritos %1</translation>
    </message>
    <message>
        <source>removed from favourite group %1</source>
        <translation>quitado del grupo de favoritos %1</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>múltiplex %1</translation>
    </message>
    <message>
        <source>%1, transponder id %2</source>
        <translation>%1, ID de transpondedor %2</translation>
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
        <translation>satélite %1</translation>
    </message>
    <message>
        <source>The %1 removed</source>
        <translation>%1 eliminado</translation>
    </message>
    <message>
        <source>The %1 added</source>
        <translation>%1 añadido</translation>
    </message>
    <message>
        <source>The %1 moved to TV %2</source>
        <translation>%1 movido a TV %2</translation>
    </message>
    <message>
        <source>The %1 moved to radio %2</source>
        <translation>%1 movido a radio %2</translation>
    </message>
    <message>
        <source>The %1 moved from %2 to %3</source>
        <translation>%1 movido de %2 a %3</translation>
    </message>
    <message>
        <source>The %1 renamed to &quot;%2&quot;</source>
        <translation>%1 renombrado a «%2»</translation>
    </message>
    <message>
        <source>The %1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 changed: %2</source>
        <translation>%1 modificado: %2</translation>
    </message>
    <message>
        <source>%1 TV channels renumbered in their order</source>
        <translation>%1 canales de TV renumerados en su orden</translation>
    </message>
    <message>
        <source>%1 radio channels renumbered in their order</source>
        <translation>%1 emisoras de radio renumeradas en su orden</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The receiver holds 1 byte that differs from what was sent, in block %1</source>
        <translation>El receptor contiene 1 byte distinto de lo enviado, en el bloque %1</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in block %2</source>
        <translation>El receptor contiene %1 bytes distintos de lo enviado, en el bloque %2</translation>
    </message>
    <message>
        <source>The receiver holds %1 bytes that differ from what was sent, in blocks %2</source>
        <translation>El receptor contiene %1 bytes distintos de lo enviado, en los bloques %2</translation>
    </message>
    <message numerus="yes">
        <source>The satellite, transponder or provider of %n channel(s) is not in this database: open the receiver&apos;s channel file first.</source>
        <translation>
            <numerusform>El satélite, el transpondedor o el proveedor de %n canal no está en esta lista de canales: abra primero el archivo de canales del receptor.</numerusform>
            <numerusform>El satélite, el transpondedor o el proveedor de %n canales no está en esta lista de canales: abra primero el archivo de canales del receptor.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Missing satellite</source>
        <translation>Falta el satélite</translation>
    </message>
    <message>
        <source>Missing transponder</source>
        <translation>Falta el transpondedor</translation>
    </message>
    <message>
        <source>Transponder of another satellite</source>
        <translation>Transpondedor de otro satélite</translation>
    </message>
    <message>
        <source>Missing provider</source>
        <translation>Falta el proveedor</translation>
    </message>
    <message>
        <source>Duplicate channel</source>
        <translation>Canal duplicado</translation>
    </message>
    <message>
        <source>Gap in the numbers</source>
        <translation>Hueco en la numeración</translation>
    </message>
    <message>
        <source>Number used twice</source>
        <translation>Número repetido</translation>
    </message>
    <message>
        <source>Character not shown</source>
        <translation>Carácter no visible</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>Channel without a name</source>
        <translation>Canal sin nombre</translation>
    </message>
    <message>
        <source>Too many favourite groups</source>
        <translation>Demasiados grupos de favoritos</translation>
    </message>
    <message>
        <source>Favourite group not kept</source>
        <translation>Grupo de favoritos no guardado</translation>
    </message>
    <message>
        <source>Table full</source>
        <translation>Tabla llena</translation>
    </message>
    <message>
        <source>Unused transponder</source>
        <translation>Transpondedor sin usar</translation>
    </message>
    <message>
        <source>Unused multiplex</source>
        <translation>Múltiplex sin usar</translation>
    </message>
    <message>
        <source>Transponder ids used up</source>
        <translation>ID de transpondedor agotados</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Múltiplex terrestres</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Múltiplex de cable</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Favourite groups</source>
        <translation>Grupos de favoritos</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadido</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Eliminado</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Movido</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renombrado</translation>
    </message>
    <message>
        <source>Flags changed</source>
        <translation>Atributos modificados</translation>
    </message>
    <message>
        <source>the configured model</source>
        <translation>el modelo configurado</translation>
    </message>
    <message>
        <source>model %1</source>
        <translation>el modelo %1</translation>
    </message>
    <message>
        <source>as %1 it holds %2 satellites, %3 transponders or multiplexes and %4 channels</source>
        <translation>como %1 contiene %2 satélites, %3 transpondedores o múltiplex y %4 canales</translation>
    </message>
    <message>
        <source>as %1 it cannot be read</source>
        <translation>como %1 no se puede leer</translation>
    </message>
    <message>
        <source>as %1 it holds nothing</source>
        <translation>como %1 no contiene nada</translation>
    </message>
    <message>
        <source>as %1, %2 of its %3 records make no sense</source>
        <translation>como %1, %2 de sus %3 registros no tienen sentido</translation>
    </message>
    <message>
        <source>This file looks like a %1 database, not %2: %3; %4.</source>
        <translation>Este archivo parece una base de datos de %1, no de %2: %3; %4.</translation>
    </message>
</context>
<context>
    <name>ComboValues</name>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
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
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>Convert</name>
    <message>
        <source>Favourite groups %1 are past the %2 groups the other model keeps</source>
        <translation>Los grupos de favoritos %1 quedan fuera de los %2 grupos que guarda el otro modelo</translation>
    </message>
    <message>
        <source>1 satellite cannot be written: the other model keeps no satellites</source>
        <translation>No se puede escribir 1 satélite: el otro modelo no guarda satélites</translation>
    </message>
    <message>
        <source>%1 satellites cannot be written: the other model keeps no satellites</source>
        <translation>No se pueden escribir %1 satélites: el otro modelo no guarda satélites</translation>
    </message>
    <message>
        <source>1 transponder cannot be written: the other model keeps no transponders</source>
        <translation>No se puede escribir 1 transpondedor: el otro modelo no guarda transpondedores</translation>
    </message>
    <message>
        <source>%1 transponders cannot be written: the other model keeps no transponders</source>
        <translation>No se pueden escribir %1 transpondedores: el otro modelo no guarda transpondedores</translation>
    </message>
    <message>
        <source>1 cable multiplex cannot be written: the other model keeps no cable multiplexes</source>
        <translation>No se puede escribir 1 múltiplex de cable: el otro modelo no guarda múltiplex de cable</translation>
    </message>
    <message>
        <source>%1 cable multiplexes cannot be written: the other model keeps no cable multiplexes</source>
        <translation>No se pueden escribir %1 múltiplex de cable: el otro modelo no guarda múltiplex de cable</translation>
    </message>
    <message>
        <source>1 terrestrial multiplex cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>No se puede escribir 1 múltiplex terrestre: el otro modelo no tiene un sintonizador terrestre de este tipo</translation>
    </message>
    <message>
        <source>%1 terrestrial multiplexes cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>No se pueden escribir %1 múltiplex terrestres: el otro modelo no tiene un sintonizador terrestre de este tipo</translation>
    </message>
    <message>
        <source>The terrestrial side (satellite 1) cannot be written: the other model has no terrestrial tuner of this kind</source>
        <translation>No se puede escribir la parte terrestre (satélite 1): el otro modelo no tiene un sintonizador terrestre de este tipo</translation>
    </message>
    <message>
        <source>Satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>El satélite 1 se leería como la parte terrestre (satélite 1) del otro modelo</translation>
    </message>
    <message>
        <source>1 transponder of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 transpondedor del satélite 1 se leería como la parte terrestre (satélite 1) del otro modelo</translation>
    </message>
    <message>
        <source>%1 transponders of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 transpondedores del satélite 1 se leerían como la parte terrestre (satélite 1) del otro modelo</translation>
    </message>
    <message>
        <source>1 channel of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>1 canal del satélite 1 se leería como la parte terrestre (satélite 1) del otro modelo</translation>
    </message>
    <message>
        <source>%1 channels of satellite 1 would be read as the other model&apos;s terrestrial side (satellite 1)</source>
        <translation>%1 canales del satélite 1 se leerían como la parte terrestre (satélite 1) del otro modelo</translation>
    </message>
    <message>
        <source>1 channel on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>No se puede escribir 1 canal de satélite: el otro modelo no tiene sintonizador de satélite</translation>
    </message>
    <message>
        <source>%1 channels on satellite carriers cannot be written: the other model has no satellite tuner</source>
        <translation>No se pueden escribir %1 canales de satélite: el otro modelo no tiene sintonizador de satélite</translation>
    </message>
    <message>
        <source>1 channel on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>No se puede escribir 1 canal terrestre: el otro modelo no tiene sintonizador terrestre</translation>
    </message>
    <message>
        <source>%1 channels on terrestrial carriers cannot be written: the other model has no terrestrial tuner</source>
        <translation>No se pueden escribir %1 canales terrestres: el otro modelo no tiene sintonizador terrestre</translation>
    </message>
    <message>
        <source>1 channel on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>No se puede escribir 1 canal de cable: el otro modelo no tiene sintonizador de cable</translation>
    </message>
    <message>
        <source>%1 channels on cable carriers cannot be written: the other model has no cable tuner</source>
        <translation>No se pueden escribir %1 canales de cable: el otro modelo no tiene sintonizador de cable</translation>
    </message>
    <message>
        <source>1 satellite has second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>1 satélite tiene ajustes del segundo sintonizador que el otro modelo, con un solo sintonizador, no puede guardar</translation>
    </message>
    <message>
        <source>%1 satellites have second-tuner settings the other model, with one tuner, cannot keep</source>
        <translation>%1 satélites tienen ajustes del segundo sintonizador que el otro modelo, con un solo sintonizador, no puede guardar</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Cannot read file header. Continue?</source>
        <translation>No se puede leer la cabecera del archivo. ¿Continuar?</translation>
    </message>
    <message>
        <source>Cannot open or invalid version file</source>
        <translation>No se puede abrir el archivo de versión o no es válido</translation>
    </message>
    <message>
        <source>Cannot save channel file</source>
        <translation>No se puede guardar el archivo de canales</translation>
    </message>
    <message>
        <source>Upload data is empty or invalid</source>
        <translation>Los datos que se van a enviar están vacíos o no son válidos</translation>
    </message>
    <message>
        <source>Cannot write the work file in the temporary folder</source>
        <translation>No se puede escribir el archivo de trabajo en la carpeta temporal</translation>
    </message>
    <message>
        <source>Cannot open the workbook file</source>
        <translation>No se puede abrir el libro</translation>
    </message>
    <message>
        <source>Cannot open the workbook file: not a regular file</source>
        <translation>No se puede abrir el libro: no es un archivo normal</translation>
    </message>
    <message>
        <source>Not a readable Excel 97-2003 workbook</source>
        <translation>No es un libro de Excel 97-2003 legible</translation>
    </message>
    <message>
        <source>The workbook is password-protected</source>
        <translation>El libro está protegido con contraseña</translation>
    </message>
    <message>
        <source>The workbook has two sheets &quot;Channel&quot;: cannot tell which to replace</source>
        <translation>El libro tiene dos hojas &quot;Channel&quot;: no se sabe cuál sustituir</translation>
    </message>
    <message>
        <source>The workbook has no sheet &quot;Channel&quot;</source>
        <translation>El libro no tiene ninguna hoja &quot;Channel&quot;</translation>
    </message>
    <message>
        <source>Cannot write the workbook file</source>
        <translation>No se puede escribir el libro</translation>
    </message>
    <message>
        <source>The channel sheet holds names the receiver cannot keep: correct them in the rows named, or open it with the names cut to fit</source>
        <translation>La hoja de canales contiene nombres que el receptor no puede guardar: corríjalos en las filas indicadas o ábrala con los nombres recortados</translation>
    </message>
    <message>
        <source>Too many channels for one worksheet (at most 65535)</source>
        <translation>Demasiados canales para una hoja (65535 como máximo)</translation>
    </message>
    <message>
        <source>The channel sheet holds a value its column cannot take: correct it in the file</source>
        <translation>La hoja de canales contiene un valor que su columna no admite: corríjalo en el archivo</translation>
    </message>
    <message>
        <source>The CSV file does not read as the channel sheet: correct it at the line named</source>
        <translation>El archivo CSV no se puede leer como hoja de canales: corríjalo en la línea indicada</translation>
    </message>
    <message>
        <source>This is an Excel 2007 or later workbook (.xlsx). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Es un libro de Excel 2007 o posterior (.xlsx). Guárdelo como Excel 97-2003 (.xls) o CSV en su hoja de cálculo.</translation>
    </message>
    <message>
        <source>This is an OpenDocument spreadsheet (.ods). Save it as Excel 97-2003 (.xls) or CSV in your spreadsheet program.</source>
        <translation>Es una hoja de cálculo OpenDocument (.ods). Guárdela como Excel 97-2003 (.xls) o CSV en su hoja de cálculo.</translation>
    </message>
</context>
<context>
    <name>EditResult</name>
    <message>
        <source>Cannot copy from TV channels to Radio channels</source>
        <translation>No se puede copiar de canales de TV a emisoras de radio</translation>
    </message>
    <message>
        <source>Cannot copy from Radio channels to TV channels</source>
        <translation>No se puede copiar de emisoras de radio a canales de TV</translation>
    </message>
    <message>
        <source>Cannot move from TV channels to Radio channels</source>
        <translation>No se puede mover de canales de TV a emisoras de radio</translation>
    </message>
    <message>
        <source>Cannot Move from Radio channels to TV channels</source>
        <translation>No se puede mover de emisoras de radio a canales de TV</translation>
    </message>
    <message>
        <source>Cannot change Favorite name. mismatch string size (at most 19 characters)</source>
        <translation>No se puede cambiar el nombre del grupo de favoritos: es demasiado largo (19 caracteres como máximo)</translation>
    </message>
    <message>
        <source>Favorite group does not exist</source>
        <translation>El grupo de favoritos no existe</translation>
    </message>
    <message>
        <source>Name string is empty!</source>
        <translation>¡El nombre está vacío!</translation>
    </message>
    <message>
        <source>A channel name is longer than the receiver keeps: nothing changed</source>
        <translation>Un nombre de canal es más largo de lo que guarda el receptor: no se ha cambiado nada</translation>
    </message>
    <message>
        <source>The transponder&apos;s satellite does not exist</source>
        <translation>El satélite del transpondedor no existe</translation>
    </message>
    <message>
        <source>Cannot add a satellite: satellite IDs end at 255</source>
        <translation>No se puede añadir un satélite: los ID de satélite terminan en 255</translation>
    </message>
    <message>
        <source>Cannot add a transponder to this satellite: transponder IDs end at 255</source>
        <translation>No se puede añadir un transpondedor a este satélite: los ID de transpondedor terminan en 255</translation>
    </message>
    <message>
        <source>Cannot add a Mux: Mux IDs end at 255</source>
        <translation>No se puede añadir un múltiplex: los ID de múltiplex terminan en 255</translation>
    </message>
    <message>
        <source>Cannot add a provider: broadcast IDs end at 65535</source>
        <translation>No se puede añadir un proveedor: los ID de proveedor terminan en 65535</translation>
    </message>
    <message>
        <source>The record could not be stored</source>
        <translation>No se ha podido guardar el registro</translation>
    </message>
</context>
<context>
    <name>FilterText</name>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Satellite %1</source>
        <translation>Satélite %1</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Multiplex %1</source>
        <translation>Múltiplex %1</translation>
    </message>
    <message>
        <source>%1 · transponder %2 %3</source>
        <translation>%1 · transpondedor %2 %3</translation>
    </message>
    <message>
        <source>Cable multiplex</source>
        <translation>Múltiplex de cable</translation>
    </message>
    <message>
        <source>Cable multiplex %1</source>
        <translation>Múltiplex de cable %1</translation>
    </message>
    <message>
        <source>Multiplex, RF channel %1</source>
        <translation>Múltiplex, canal RF %1</translation>
    </message>
    <message>
        <source>Favourite group %1</source>
        <translation>Grupo de favoritos %1</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Provider %1</source>
        <translation>Proveedor %1</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Género %1</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>waiting for the receiver</source>
        <translation>esperando al receptor</translation>
    </message>
    <message>
        <source>sending block %1 of %2</source>
        <translation>enviando el bloque %1 de %2</translation>
    </message>
    <message>
        <source>verifying</source>
        <translation>verificando</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent</source>
        <translation>El receptor contiene una lista de canales distinta de la enviada</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>error</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
</context>
<context>
    <name>Genres</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>News and Factual</source>
        <translation>Noticias e información</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entretenimiento</translation>
    </message>
    <message>
        <source>Sport</source>
        <translation>Deportes</translation>
    </message>
    <message>
        <source>Children&apos;s</source>
        <translation>Infantil</translation>
    </message>
    <message>
        <source>Factual</source>
        <translation>Divulgación</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>Lifestyle</source>
        <translation>Estilo de vida</translation>
    </message>
    <message>
        <source>Drama</source>
        <translation>Drama</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Cultura</translation>
    </message>
    <message>
        <source>Current Affairs</source>
        <translation>Actualidad</translation>
    </message>
    <message>
        <source>Special</source>
        <translation>Especial</translation>
    </message>
    <message>
        <source>Comedy</source>
        <translation>Comedia</translation>
    </message>
    <message>
        <source>Documentary</source>
        <translation>Documental</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>TPID</source>
        <extracomment>Column header: id of the transponder (carrier) record.</extracomment>
        <translation>IDTP</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
    </message>
    <message>
        <source>Sat ID</source>
        <translation>ID sat</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frec.</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolos</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaridad</translation>
    </message>
    <message>
        <source>FEC</source>
        <extracomment>Column header: forward error correction (code rate, e.g. 3/4); usually kept as is.</extracomment>
        <translation>FEC</translation>
    </message>
    <message>
        <source>Freq.(MHz)</source>
        <translation>Frec. (MHz)</translation>
    </message>
    <message>
        <source>TX Mod</source>
        <translation>Modo TX</translation>
    </message>
    <message>
        <source>C.R.</source>
        <extracomment>Column header, terrestrial multiplex: code rate (e.g. 2/3). Abbreviate.</extracomment>
        <translation>T.C.</translation>
    </message>
    <message>
        <source>Const.</source>
        <translation>Const.</translation>
    </message>
    <message>
        <source>G.I.</source>
        <extracomment>Column header, terrestrial multiplex: guard interval (e.g. 1/32). Abbreviate.</extracomment>
        <translation>I.G.</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>MUX</source>
        <extracomment>Column header, cable: number of the multiplex (the carrier), not a verb.</extracomment>
        <translation>MUX</translation>
    </message>
    <message>
        <source>NET ID</source>
        <translation>ID red</translation>
    </message>
    <message>
        <source>ORG NID</source>
        <translation>ONID</translation>
    </message>
    <message>
        <source>Const</source>
        <extracomment>Column header, cable: constellation (QAM order, e.g. 64 QAM). Abbreviate.</extracomment>
        <translation>Const.</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertido</translation>
    </message>
    <message>
        <source>Mark</source>
        <extracomment>Column header, cable: the multiplex&apos;s marker flag (a check mark), not a brand.</extracomment>
        <translation>Marca</translation>
    </message>
    <message>
        <source>NO</source>
        <extracomment>Column header: number (the row&apos;s position), not the word &quot;no&quot;.</extracomment>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Broadcast ID</source>
        <translation>ID proveedor</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
</context>
<context>
    <name>ListPrint</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Transponder / multiplex</source>
        <translation>Transpondedor / múltiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Emisoras de radio</translation>
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
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>No channels</source>
        <translation>Sin canales</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>Radio %1 &quot;%2&quot;</source>
        <translation>Radio %1 «%2»</translation>
    </message>
    <message>
        <source>TV %1 &quot;%2&quot;</source>
        <translation>TV %1 «%2»</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Registro %1</translation>
    </message>
    <message>
        <source>%1, cut to &quot;%2&quot;</source>
        <translation>%1, recortado a «%2»</translation>
    </message>
    <message>
        <source>Save for another model</source>
        <translation>Guardar para otro modelo</translation>
    </message>
    <message>
        <source>%1 cannot hold everything of this database. These are not written:</source>
        <translation>%1 no puede contener todo lo de esta lista de canales. Esto no se escribe:</translation>
    </message>
    <message>
        <source>&amp;Save without them</source>
        <translation>&amp;Guardar sin ellos</translation>
    </message>
</context>
<context>
    <name>Merge</name>
    <message>
        <source>This model cannot hold the channel</source>
        <translation>Este modelo no puede guardar el canal</translation>
    </message>
    <message>
        <source>The satellite table is full</source>
        <translation>La tabla de satélites está llena</translation>
    </message>
    <message>
        <source>This model keeps no satellites</source>
        <translation>Este modelo no guarda satélites</translation>
    </message>
    <message>
        <source>The transponder table is full</source>
        <translation>La tabla de transpondedores está llena</translation>
    </message>
    <message>
        <source>This model keeps no transponders</source>
        <translation>Este modelo no guarda transpondedores</translation>
    </message>
    <message>
        <source>The multiplex table is full</source>
        <translation>La tabla de múltiplex está llena</translation>
    </message>
    <message>
        <source>This model keeps no terrestrial multiplexes</source>
        <translation>Este modelo no guarda múltiplex terrestres</translation>
    </message>
    <message>
        <source>This model keeps no cable multiplexes</source>
        <translation>Este modelo no guarda múltiplex de cable</translation>
    </message>
    <message>
        <source>The provider table is full</source>
        <translation>La tabla de proveedores está llena</translation>
    </message>
    <message>
        <source>This model keeps no providers</source>
        <translation>Este modelo no guarda proveedores</translation>
    </message>
    <message>
        <source>The channel table is full</source>
        <translation>La tabla de canales está llena</translation>
    </message>
    <message>
        <source>This model keeps no channels</source>
        <translation>Este modelo no guarda canales</translation>
    </message>
    <message>
        <source>Its satellite is not in the other list as this model holds it</source>
        <translation>Su satélite no está en la otra lista tal como la guarda este modelo</translation>
    </message>
    <message>
        <source>Its transponder is not in the other list as this model holds it</source>
        <translation>Su transpondedor no está en la otra lista tal como la guarda este modelo</translation>
    </message>
    <message>
        <source>Every id this model has for such a record is taken</source>
        <translation>Todos los ID que este modelo tiene para un registro así están ocupados</translation>
    </message>
    <message>
        <source>No channel number of its kind is left for it</source>
        <translation>No le queda ningún número de canal de su tipo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Already here</source>
        <translation>Ya presente</translation>
    </message>
    <message>
        <source>Cannot add</source>
        <translation>No se puede añadir</translation>
    </message>
</context>
<context>
    <name>NetworkEdits</name>
    <message>
        <source>Broadcast Name : %1 (ID : %2)</source>
        <translation>Nombre del proveedor: %1 (ID: %2)</translation>
    </message>
</context>
<context>
    <name>OtherModel</name>
    <message>
        <source>Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>¿Abrirla como base de datos del modelo %1? La ventana trabajará entonces con el modelo %1 hasta el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>Reference</name>
    <message>
        <source>not three fields Pr#;Name;ONID-TSID-SID</source>
        <translation>no son tres campos N.º;Nombre;ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the program number is not a number from 0 to 65535</source>
        <translation>el número de programa no es un número de 0 a 65535</translation>
    </message>
    <message>
        <source>the ids are not three numbers ONID-TSID-SID</source>
        <translation>los ID no son tres números ONID-TSID-SID</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>el nombre está vacío</translation>
    </message>
    <message>
        <source>the name is longer than a channel name can be</source>
        <translation>el nombre es más largo de lo que puede ser un nombre de canal</translation>
    </message>
    <message>
        <source>The list was read as UTF-8.</source>
        <translation>La lista se ha leído como UTF-8.</translation>
    </message>
    <message>
        <source>The list was read as Latin-1: its bytes are not UTF-8.</source>
        <translation>La lista se ha leído como Latin-1: sus bytes no son UTF-8.</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Already Serial Port opened or disconnected. Check STB status</source>
        <translation>El puerto serie ya está abierto o desconectado. Compruebe el receptor</translation>
    </message>
    <message>
        <source>Cannot open temporary file or initialize</source>
        <translation>No se puede abrir o preparar el archivo temporal</translation>
    </message>
    <message>
        <source>Connecting to Serial.....</source>
        <translation>Conectando al puerto serie...</translation>
    </message>
    <message>
        <source>Send fail write(script) command</source>
        <translation>Error al enviar la orden de escritura (script)</translation>
    </message>
    <message>
        <source>Send fail write command</source>
        <translation>Error al enviar la orden de escritura</translation>
    </message>
    <message>
        <source>Data send fail!!...</source>
        <translation>¡Error al enviar los datos!</translation>
    </message>
    <message>
        <source>Received all data completely.</source>
        <translation>Se han recibido todos los datos.</translation>
    </message>
    <message>
        <source>Would you like to close connected serial port ?</source>
        <translation>¿Desea cerrar el puerto serie conectado?</translation>
    </message>
    <message>
        <source>Downloading (%.2f%%)......  </source>
        <translation>Recibiendo (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Uploading (%.2f%%)......  </source>
        <translation>Enviando (%.2f%%)...  </translation>
    </message>
    <message>
        <source>Turn off STB and on...</source>
        <translation>Apague y encienda el receptor...</translation>
    </message>
    <message>
        <source>Waiting reboot STB...</source>
        <translation>Esperando al reinicio del receptor...</translation>
    </message>
    <message>
        <source>Data upload complete. Wait a second...</source>
        <translation>Datos enviados. Espere un momento...</translation>
    </message>
    <message>
        <source>Data upload complete. Writing data...</source>
        <translation>Datos enviados. Guardando los datos...</translation>
    </message>
    <message>
        <source>Sent and wrote all data completely.</source>
        <translation>Se han enviado y guardado todos los datos.</translation>
    </message>
    <message>
        <source>Fail to send all data.</source>
        <translation>No se han podido enviar todos los datos.</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost after block %1 of %2.</source>
        <translation>Se ha perdido la conexión con el receptor tras el bloque %1 de %2.</translation>
    </message>
    <message>
        <source>The connection to the receiver was lost before the first block.</source>
        <translation>Se ha perdido la conexión con el receptor antes del primer bloque.</translation>
    </message>
    <message>
        <source>The receiver sent a block it was not asked for, so a block may have been taken twice: nothing received is kept</source>
        <translation>El receptor ha enviado un bloque que no se le pidió, así que un bloque puede haberse tomado dos veces: no se conserva nada de lo recibido</translation>
    </message>
</context>
<context>
    <name>Transponders</name>
    <message>
        <source>declarations and entities have no place in a transponder table</source>
        <translation>las declaraciones y entidades no tienen cabida en una tabla de transpondedores</translation>
    </message>
    <message>
        <source>elements nested deeper than a satellite&apos;s transponders</source>
        <translation>elementos anidados a más profundidad que los transpondedores de un satélite</translation>
    </message>
    <message>
        <source>a transponder outside a satellite or cable network</source>
        <translation>un transpondedor fuera de un satélite o de una red de cable</translation>
    </message>
    <message>
        <source>the attribute %1 is longer than %2 characters</source>
        <translation>el atributo %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>the position %1 is not tenths of a degree from -1800 to 1800</source>
        <translation>la posición %1 no está en décimas de grado de -1800 a 1800</translation>
    </message>
    <message>
        <source>more than %1 transponders</source>
        <translation>más de %1 transpondedores</translation>
    </message>
    <message>
        <source>the frequency %1 is not a satellite carrier in kHz</source>
        <translation>la frecuencia %1 no es una portadora de satélite en kHz</translation>
    </message>
    <message>
        <source>the symbol rate %1 is not in symbols per second</source>
        <translation>la tasa de símbolos %1 no está en símbolos por segundo</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in kHz</source>
        <translation>la frecuencia %1 no es una portadora de cable en kHz</translation>
    </message>
    <message>
        <source>the attribute %1 is missing</source>
        <translation>falta el atributo %1</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a number</source>
        <translation>%1=&quot;%2&quot; no es un número</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is not a value the format knows</source>
        <translation>%1=&quot;%2&quot; no es un valor que el formato conozca</translation>
    </message>
    <message>
        <source>the table is larger than any transponder table</source>
        <translation>la tabla es mayor que cualquier tabla de transpondedores</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY and SYMBOL_RATE</source>
        <translation>un [CHANNEL] sin FREQUENCY ni SYMBOL_RATE</translation>
    </message>
    <message>
        <source>the frequency %1 is not a cable carrier in Hz</source>
        <translation>la frecuencia %1 no es una portadora de cable en Hz</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters</source>
        <translation>la línea tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>the line holds a byte no text holds</source>
        <translation>la línea contiene un byte que no aparece en ningún texto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not KEY = VALUE</source>
        <translation>«%1» no es CLAVE = VALOR</translation>
    </message>
    <message>
        <source>a value before the first [CHANNEL]</source>
        <translation>un valor antes del primer [CHANNEL]</translation>
    </message>
    <message>
        <source>%1 = %2 is not a value the format knows</source>
        <translation>%1 = %2 no es un valor que el formato conozca</translation>
    </message>
    <message>
        <source>%1 = %2 is not a number</source>
        <translation>%1 = %2 no es un número</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 lists cable multiplexes, which this model does not keep</source>
        <translation>%1 contiene múltiplex de cable, que este modelo no guarda</translation>
    </message>
    <message>
        <source>%1 lists %2 cable networks: keep the one of this list</source>
        <translation>%1 contiene %2 redes de cable: conserve la de esta lista</translation>
    </message>
    <message>
        <source>%1 names no orbital position: choose the satellite to update</source>
        <translation>%1 no indica ninguna posición orbital: elija el satélite que desea actualizar</translation>
    </message>
    <message>
        <source>%1 lists the satellite at %2 twice (lines %3 and %4): keep one of them</source>
        <translation>%1 contiene dos veces el satélite en %2 (líneas %3 y %4): conserve uno de ellos</translation>
    </message>
    <message>
        <source>Neither the list nor %1 has a satellite at %2</source>
        <translation>Ni la lista ni %1 tienen un satélite en %2</translation>
    </message>
    <message>
        <source>%1 has no satellite of the list</source>
        <translation>%1 no tiene ningún satélite de la lista</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Desaparecido</translation>
    </message>
    <message>
        <source>the table does not begin with &lt;satellites&gt;, &lt;cables&gt; or &lt;locations&gt;</source>
        <translation>la tabla no empieza por &lt;satellites&gt;, &lt;cables&gt; ni &lt;locations&gt;</translation>
    </message>
    <message>
        <source>the frequency %1 is not a terrestrial carrier in Hz</source>
        <translation>la frecuencia %1 no es una portadora terrestre en Hz</translation>
    </message>
    <message>
        <source>a [CHANNEL] without FREQUENCY</source>
        <translation>un [CHANNEL] sin FREQUENCY</translation>
    </message>
    <message>
        <source>%1 lists terrestrial multiplexes, which this model does not keep</source>
        <translation>%1 contiene múltiplex terrestres, que este modelo no guarda</translation>
    </message>
    <message>
        <source>%1 lists %2 terrestrial regions: keep the one of this list</source>
        <translation>%1 contiene %2 regiones terrestres: conserve la de esta lista</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Remove duplicates</source>
        <translation>Quitar duplicados</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Borrar sin usar</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Asignar a un proveedor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Mover aquí</translation>
    </message>
    <message>
        <source>Reorder</source>
        <translation>Reordenar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Lock</source>
        <extracomment>Undo step: channels marked locked (parental lock). Short.</extracomment>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Skip</source>
        <extracomment>Undo step: channels marked to be skipped when zapping. Short.</extracomment>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Drop on satellite</source>
        <translation>Soltar en satélite</translation>
    </message>
    <message>
        <source>Drop on multiplex</source>
        <translation>Soltar en múltiplex</translation>
    </message>
    <message>
        <source>Drop on transponder</source>
        <translation>Soltar en transpondedor</translation>
    </message>
    <message>
        <source>Drop on provider</source>
        <translation>Soltar en proveedor</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Añadir a grupo de favoritos</translation>
    </message>
    <message>
        <source>Set genre</source>
        <translation>Asignar género</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Borrar duplicados</translation>
    </message>
    <message>
        <source>Rename by pattern</source>
        <translation>Renombrar por patrón</translation>
    </message>
    <message>
        <source>Sort and renumber</source>
        <translation>Ordenar y renumerar</translation>
    </message>
    <message>
        <source>Remove unused</source>
        <translation>Quitar sin usar</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Renombrar grupo de favoritos</translation>
    </message>
    <message>
        <source>Clear favourite group</source>
        <translation>Vaciar grupo de favoritos</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Borrar grupo de favoritos</translation>
    </message>
    <message>
        <source>Workbook import</source>
        <translation>Importar libro</translation>
    </message>
    <message>
        <source>New satellite</source>
        <translation>Nuevo satélite</translation>
    </message>
    <message>
        <source>New transponder</source>
        <translation>Nuevo transpondedor</translation>
    </message>
    <message>
        <source>New multiplex</source>
        <translation>Nuevo múltiplex</translation>
    </message>
    <message>
        <source>New provider</source>
        <translation>Nuevo proveedor</translation>
    </message>
    <message>
        <source>Update satellite</source>
        <translation>Modificar satélite</translation>
    </message>
    <message>
        <source>Update transponder</source>
        <translation>Modificar transpondedor</translation>
    </message>
    <message>
        <source>Update multiplex</source>
        <translation>Modificar múltiplex</translation>
    </message>
    <message>
        <source>Update provider</source>
        <translation>Modificar proveedor</translation>
    </message>
    <message>
        <source>Move transponders</source>
        <translation>Mover transpondedores</translation>
    </message>
    <message>
        <source>Apply reference list</source>
        <translation>Aplicar lista de referencia</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Fusionar desde</translation>
    </message>
    <message>
        <source>Update transponders</source>
        <translation>Actualizar transpondedores</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>Line %1, field %2: the quoted text is never closed</source>
        <translation>Línea %1, campo %2: el texto entre comillas no se cierra nunca</translation>
    </message>
    <message>
        <source>Line %1, field %2: a quote inside a field that does not start with one</source>
        <translation>Línea %1, campo %2: comillas dentro de un campo que no empieza por comillas</translation>
    </message>
    <message>
        <source>Line %1, field %2: text after the closing quote</source>
        <translation>Línea %1, campo %2: texto tras las comillas de cierre</translation>
    </message>
    <message>
        <source>Line %1, field %2: longer than %3 characters</source>
        <translation>Línea %1, campo %2: más de %3 caracteres</translation>
    </message>
    <message>
        <source>Line %1 has %2 fields; the channel sheet has %3</source>
        <translation>La línea %1 tiene %2 campos; la hoja de canales tiene %3</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4</source>
        <translation>Línea %1, campo %2 (%3): %4</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5</source>
        <translation>Hoja «%1», fila %2, columna %3 (%4): %5</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): &quot;%4&quot; is not a number</source>
        <translation>Línea %1, campo %2 (%3): «%4» no es un número</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): &quot;%5&quot; is not a number</source>
        <translation>Hoja «%1», fila %2, columna %3 (%4): «%5» no es un número</translation>
    </message>
    <message>
        <source>Line %1, field %2 (%3): %4 is outside %5 to %6</source>
        <translation>Línea %1, campo %2 (%3): %4 está fuera del intervalo de %5 a %6</translation>
    </message>
    <message>
        <source>Sheet &quot;%1&quot;, row %2, column %3 (%4): %5 is outside %6 to %7</source>
        <translation>Hoja «%1», fila %2, columna %3 (%4): %5 está fuera del intervalo de %6 a %7</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupCommands</name>
    <message>
        <source>Restore…</source>
        <translation>Restaurar…</translation>
    </message>
    <message>
        <source>Open an image kept from a receive or a send</source>
        <translation>Abrir una imagen guardada al recibir o enviar</translation>
    </message>
    <message>
        <source>Verify after send</source>
        <translation>Verificar tras enviar</translation>
    </message>
    <message>
        <source>Receive the image back after a send and compare it</source>
        <translation>Tras enviar, recibir de nuevo la imagen y compararla</translation>
    </message>
    <message>
        <source>Against the image last received from or sent to this receiver (%1):</source>
        <translation>Respecto a la última imagen recibida de este receptor o enviada a él (%1):</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Qué cambiará</translation>
    </message>
    <message>
        <source>No image kept from this receiver matches its checksum: the send is not compared.</source>
        <translation>Ninguna imagen guardada de este receptor coincide con su suma de control: el envío no se compara.</translation>
    </message>
    <message>
        <source>The newest image kept from this receiver (%1) no longer matches its checksum; compared with the one kept %2 instead.</source>
        <translation>La imagen más reciente guardada de este receptor (%1) ya no coincide con su suma de control; se ha comparado en su lugar con la guardada el %2.</translation>
    </message>
    <message>
        <source>The received list was not opened; it is kept among the backups (Receiver → Restore…).</source>
        <translation>La lista recibida no se ha abierto; se conserva entre las copias de seguridad (Receptor → Restaurar…).</translation>
    </message>
    <message>
        <source>Verify: Receive data from STB</source>
        <translation>Verificar: recibir datos del receptor</translation>
    </message>
    <message>
        <source>Cannot verify the send: %1</source>
        <translation>No se puede verificar el envío: %1</translation>
    </message>
    <message>
        <source>the image cannot be read</source>
        <translation>no se puede leer la imagen</translation>
    </message>
    <message>
        <source>Verification failed</source>
        <translation>Verificación fallida</translation>
    </message>
    <message>
        <source>The receiver holds a database that differs from the one sent:</source>
        <translation>El receptor contiene una lista de canales distinta de la enviada:</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificado: todo se ha transferido bien</translation>
    </message>
    <message>
        <source>Cannot keep a backup of the image: %1</source>
        <translation>No se puede guardar una copia de seguridad de la imagen: %1</translation>
    </message>
    <message>
        <source>This backup is of model %1. Open it as a model %1 database? The window then works in model %1 until the next start.</source>
        <translation>Esta copia de seguridad es del modelo %1. ¿Abrirla como base de datos del modelo %1? La ventana trabajará entonces con el modelo %1 hasta el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CBackupsDialog</name>
    <message>
        <source>Received</source>
        <translation>Recibida</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviada</translation>
    </message>
    <message>
        <source>Read back after a send</source>
        <translation>Releída tras un envío</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Kept</source>
        <translation>Guardada el</translation>
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
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>%1 (another model)</source>
        <translation>%1 (otro modelo)</translation>
    </message>
    <message>
        <source>Checksum %1</source>
        <translation>Suma de control %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChangesDialog</name>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CChannelGrid</name>
    <message>
        <source>New...        	Ctrl+N</source>
        <translation>Nuevo...      	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modificar...</translation>
    </message>
    <message>
        <source>Delete        	Delete</source>
        <translation>Borrar        	Supr</translation>
    </message>
    <message>
        <source>Copy          	Ctrl+C</source>
        <translation>Copiar        	Ctrl+C</translation>
    </message>
    <message>
        <source>Paste         	Ctrl+V</source>
        <translation>Pegar         	Ctrl+V</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Mover aquí</translation>
    </message>
    <message>
        <source>Add to favourite group</source>
        <translation>Añadir a grupo de favoritos</translation>
    </message>
    <message>
        <source>Lock...</source>
        <translation>Bloquear...</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Skip...</source>
        <translation>Omitir...</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Seleccionar...</translation>
    </message>
    <message>
        <source>Select All      Ctrl+A</source>
        <translation>Seleccionar todo  Ctrl+A</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueados</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Codificados</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Sintonizador 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Sintonizador 2</translation>
    </message>
    <message>
        <source>Invert selection</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Descripción...	Intro</translation>
    </message>
    <message>
        <source>Remove from FAV</source>
        <translation>Quitar de favoritos</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>¿Desea borrar los elementos seleccionados?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)?</source>
        <translation>
            <numerusform>¿Borrar %n canal?</numerusform>
            <numerusform>¿Borrar %n canales?</numerusform>
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
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Tuner</source>
        <translation>Sintonizador</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCheckCommands</name>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Check the database against what the receiver holds</source>
        <translation>Comprobar la lista de canales frente a lo que puede guardar el receptor</translation>
    </message>
    <message>
        <source>Compare with file…</source>
        <translation>Comparar con archivo…</translation>
    </message>
    <message>
        <source>Show what changes from a channel file to the open database</source>
        <translation>Mostrar qué cambia de un archivo de canales a la lista abierta</translation>
    </message>
    <message>
        <source>Send anyway?</source>
        <translation>¿Enviar de todos modos?</translation>
    </message>
    <message>
        <source>Compare with file</source>
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Archivo binario (*.bin)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Qué cambiará</translation>
    </message>
    <message>
        <source>From %1 to the open database:</source>
        <translation>De %1 a la lista abierta:</translation>
    </message>
    <message>
        <source>%1 (ID %2)</source>
        <translation>%1 (ID %2)</translation>
    </message>
    <message>
        <source>No provider</source>
        <translation>Sin proveedor</translation>
    </message>
    <message>
        <source>Assign to a provider</source>
        <translation>Asignar a un proveedor</translation>
    </message>
    <message>
        <source>The channels of provider %1, which does not exist, go to:</source>
        <translation>Los canales del proveedor %1, que no existe, pasan a:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CCurateCommands</name>
    <message>
        <source>Filter channels</source>
        <translation>Filtrar canales</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Seleccionar los mostrados</translation>
    </message>
    <message>
        <source>Find duplicates...</source>
        <translation>Buscar duplicados...</translation>
    </message>
    <message>
        <source>Rename by pattern...</source>
        <translation>Renombrar por patrón...</translation>
    </message>
    <message>
        <source>Sort and renumber...</source>
        <translation>Ordenar y renumerar...</translation>
    </message>
    <message>
        <source>Remove unused...</source>
        <translation>Quitar sin usar...</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate channel(s) deleted</source>
        <translation>
            <numerusform>%n canal duplicado borrado</numerusform>
            <numerusform>%n canales duplicados borrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Select the channels to rename first.</source>
        <translation>Seleccione primero los canales que quiere renombrar.</translation>
    </message>
    <message numerus="yes">
        <source>%n unused record(s) removed</source>
        <translation>
            <numerusform>%n registro sin usar quitado</numerusform>
            <numerusform>%n registros sin usar quitados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CDuplicatesDialog</name>
    <message>
        <source>same service</source>
        <translation>mismo servicio</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>mismo nombre</translation>
    </message>
    <message>
        <source>SD and HD versions of a name</source>
        <translation>versiones SD y HD de un nombre</translation>
    </message>
    <message>
        <source>Find duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>The lowest number</source>
        <translation>El número más bajo</translation>
    </message>
    <message>
        <source>HD over SD</source>
        <translation>HD antes que SD</translation>
    </message>
    <message>
        <source>Free-to-air over scrambled</source>
        <translation>En abierto antes que codificado</translation>
    </message>
    <message>
        <source>The one in a favourite group</source>
        <translation>El de un grupo de favoritos</translation>
    </message>
    <message>
        <source>Keep:</source>
        <translation>Conservar:</translation>
    </message>
    <message>
        <source>Count SD and HD versions as duplicates</source>
        <translation>Contar las versiones SD y HD como duplicados</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Delete duplicates</source>
        <translation>Borrar duplicados</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Grupo %1: %2</translation>
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
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No duplicates.</source>
        <translation>Sin duplicados.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s) ticked</source>
        <translation>
            <numerusform>%n grupo marcado</numerusform>
            <numerusform>%n grupos marcados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) will be deleted, one of each group kept.</source>
        <translation>
            <numerusform>Se borrará %n canal; se conserva uno de cada grupo.</numerusform>
            <numerusform>Se borrarán %n canales; se conserva uno de cada grupo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFAVTreeCtrl</name>
    <message>
        <source>Favorite</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Every favourite group the receiver keeps is in use: clear or delete one first.</source>
        <translation>Todos los grupos de favoritos que guarda el receptor están en uso: vacíe o borre uno primero.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>New group...</source>
        <translation>Nuevo grupo...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Take every channel out of %1?</source>
        <translation>¿Sacar todos los canales de %1?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete the favourite group %1? Its channels stay in the list.</source>
        <translation>¿Borrar el grupo de favoritos %1? Sus canales siguen en la lista.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFilterBar</name>
    <message>
        <source>Filter channels by name</source>
        <translation>Filtrar canales por nombre</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expr. regular</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Select all shown</source>
        <translation>Seleccionar los mostrados</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transpondedor o múltiplex</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Grupo de favoritos</translation>
    </message>
    <message>
        <source>TV or radio</source>
        <translation>TV o radio</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV y radio</translation>
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
        <translation>Codificado o en abierto</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>Filter choice: free-to-air channels (not scrambled), not free of charge.</extracomment>
        <translation>En abierto</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Locked or not</source>
        <translation>Bloqueado o no</translation>
    </message>
    <message>
        <source>Not locked</source>
        <translation>No bloqueado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Skipped or not</source>
        <translation>Omitido o no</translation>
    </message>
    <message>
        <source>Not skipped</source>
        <translation>No omitido</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Cualquier satélite</translation>
    </message>
    <message>
        <source>Any provider</source>
        <translation>Cualquier proveedor</translation>
    </message>
    <message>
        <source>In a group or not</source>
        <translation>En un grupo o no</translation>
    </message>
    <message>
        <source>In a favourite group</source>
        <translation>En un grupo de favoritos</translation>
    </message>
    <message>
        <source>In no favourite group</source>
        <translation>En ningún grupo de favoritos</translation>
    </message>
    <message>
        <source>Any frequency</source>
        <translation>Cualquier frecuencia</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>No es una expresión regular: %1</translation>
    </message>
    <message>
        <source>More (%1)</source>
        <translation>Más (%1)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFindingsDock</name>
    <message>
        <source>Renumber</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Remove ticked duplicates</source>
        <translation>Quitar duplicados marcados</translation>
    </message>
    <message>
        <source>Delete unused</source>
        <translation>Borrar sin usar</translation>
    </message>
    <message>
        <source>Assign to a provider…</source>
        <translation>Asignar a un proveedor…</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corregir</translation>
    </message>
    <message>
        <source>No faults found.</source>
        <translation>No se han encontrado fallos.</translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n advertencia</numerusform>
            <numerusform>%n advertencias</numerusform>
        </translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CFleetDialog</name>
    <message>
        <source>Send to several receivers</source>
        <translation>Enviar a varios receptores</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Repeat on this port</source>
        <translation>Repetir en este puerto</translation>
    </message>
    <message>
        <source>&amp;Add port</source>
        <translation>&amp;Añadir puerto</translation>
    </message>
    <message>
        <source>&amp;Other port:</source>
        <translation>Otro &amp;puerto:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Receiver version</source>
        <translation>Versión del receptor</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Segundos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Save &amp;report…</source>
        <translation>Guardar in&amp;forme…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Tick the ports of the receivers to send to.</source>
        <translation>Marque los puertos de los receptores a los que enviar.</translation>
    </message>
    <message>
        <source>The report row was not added to the log in the backup folder: %1</source>
        <translation>La fila del informe no se ha añadido al registro de la carpeta de copias de seguridad: %1</translation>
    </message>
    <message>
        <source>No receiver has finished yet: the report is empty.</source>
        <translation>Ningún receptor ha terminado todavía: el informe está vacío.</translation>
    </message>
    <message>
        <source>Save report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>report.csv</source>
        <translation>informe.csv</translation>
    </message>
    <message>
        <source>The report was not saved: %1</source>
        <translation>No se ha guardado el informe: %1</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CGuideWindow</name>
    <message>
        <source>Chanforge Guide</source>
        <translation>Guía de Chanforge</translation>
    </message>
    <message>
        <source>The guide is not installed beside the program.</source>
        <translation>La guía no está instalada junto al programa.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftBottomView</name>
    <message>
        <source> Provider</source>
        <translation> Proveedor</translation>
    </message>
    <message>
        <source> Favorite</source>
        <translation> Favoritos</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CLeftTopView</name>
    <message>
        <source> Satellite</source>
        <translation> Satélite</translation>
    </message>
    <message>
        <source> Mux information</source>
        <translation> Información del múltiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Múltiplex</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Múltiplex de cable</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListCommands</name>
    <message>
        <source>New...	Ctrl+N</source>
        <translation>Nuevo...	Ctrl+N</translation>
    </message>
    <message>
        <source>Update...</source>
        <translation>Modificar...</translation>
    </message>
    <message>
        <source>Delete	Delete</source>
        <translation>Borrar	Supr</translation>
    </message>
    <message>
        <source>Description...	Enter</source>
        <translation>Descripción...	Intro</translation>
    </message>
    <message>
        <source>satellite %1</source>
        <translation>satélite %1</translation>
    </message>
    <message>
        <source>transponder %1 %2</source>
        <translation>transpondedor %1 %2</translation>
    </message>
    <message>
        <source>multiplex %1</source>
        <translation>múltiplex %1</translation>
    </message>
    <message>
        <source>Would you like to delete selected item?</source>
        <translation>¿Desea borrar los elementos seleccionados?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %1 and its %n channel(s)?</source>
        <translation>
            <numerusform>¿Borrar %1 y su %n canal?</numerusform>
            <numerusform>¿Borrar %1 y sus %n canales?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n satellites and their %1?</source>
        <translation>
            <numerusform>¿Borrar %n satélite y sus %1?</numerusform>
            <numerusform>¿Borrar %n satélites y sus %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n transponders and their %1?</source>
        <translation>
            <numerusform>¿Borrar %n transpondedor y sus %1?</numerusform>
            <numerusform>¿Borrar %n transpondedores y sus %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n multiplexes and their %1?</source>
        <translation>
            <numerusform>¿Borrar %n múltiplex y sus %1?</numerusform>
            <numerusform>¿Borrar %n múltiplex y sus %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CListOptionsDialog</name>
    <message>
        <source>Channel list</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>Shown now: %1</source>
        <translation>Mostrados ahora: %1</translation>
    </message>
    <message>
        <source>Favourite group</source>
        <translation>Grupo de favoritos</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canales:</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV y radio</translation>
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
        <translation>&amp;Tipos:</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Columnas:</translation>
    </message>
    <message>
        <source>By &amp;number</source>
        <translation>Por &amp;número</translation>
    </message>
    <message>
        <source>By n&amp;ame</source>
        <translation>Por n&amp;ombre</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>Orden:</translation>
    </message>
    <message>
        <source>Columns per &amp;page:</source>
        <translation>Columnas por &amp;página:</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMainFrame</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Open existing database</source>
        <translation>Abrir una lista de canales existente</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>&amp;Save to file...</source>
        <translation>&amp;Guardar en archivo...</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>&amp;Export C table...</source>
        <translation>Exportar tabla &amp;C...</translation>
    </message>
    <message>
        <source>Write the channel table as C source</source>
        <translation>Escribir la tabla de canales como código fuente C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Recibir</translation>
    </message>
    <message>
        <source>Receive DB from STB</source>
        <translation>Recibir la lista de canales del receptor</translation>
    </message>
    <message>
        <source>Receive</source>
        <translation>Recibir</translation>
    </message>
    <message>
        <source>Sen&amp;d</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Send DB to STB</source>
        <translation>Enviar la lista de canales al receptor</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>&amp;Configuration (receiver model)...</source>
        <translation>&amp;Configuración (modelo de receptor)...</translation>
    </message>
    <message>
        <source>Choose the receiver model</source>
        <translation>Elegir el modelo de receptor</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Ac&amp;tualizar</translation>
    </message>
    <message>
        <source>Refresh all</source>
        <translation>Actualizar todo</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>&amp;Simple columns</source>
        <translation>Columnas &amp;simples</translation>
    </message>
    <message>
        <source>Hide the id and PID columns</source>
        <translation>Ocultar las columnas de ID y PID</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the change undone last</source>
        <translation>Rehacer el último cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostrar información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>&amp;Guide</source>
        <translation>&amp;Guía</translation>
    </message>
    <message>
        <source>The operator&apos;s guide: receiving, editing, checking, sending</source>
        <translation>La guía de uso: recibir, editar, comprobar, enviar</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>The keys of the window, grids and lists</source>
        <translation>Las teclas de la ventana, las tablas y las listas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir reci&amp;ente</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>New channel...</source>
        <translation>Nuevo canal...</translation>
    </message>
    <message>
        <source>Update channel...</source>
        <translation>Modificar canal...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Move here</source>
        <translation>Mover aquí</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueados</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Menu item: select the scrambled channels (conditional access).</extracomment>
        <translation>Codificados</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Buscar anterior</translation>
    </message>
    <message>
        <source>Re&amp;cords</source>
        <translation>Re&amp;gistros</translation>
    </message>
    <message>
        <source>New satellite...</source>
        <translation>Nuevo satélite...</translation>
    </message>
    <message>
        <source>New transponder...</source>
        <translation>Nuevo transpondedor...</translation>
    </message>
    <message>
        <source>New cable multiplex...</source>
        <translation>Nuevo múltiplex de cable...</translation>
    </message>
    <message>
        <source>New provider...</source>
        <translation>Nuevo proveedor...</translation>
    </message>
    <message>
        <source>&amp;Receiver</source>
        <translation>Recep&amp;tor</translation>
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
        <translation>Ventana
  Ctrl+O  Abrir    Ctrl+S  Guardar en archivo    Ctrl+R  Recibir    Ctrl+T  Enviar
  Ctrl+Z  Deshacer    Ctrl+Y  Rehacer    F5  Actualizar    Ctrl+P  Imprimir    Ctrl+Q  Salir
  F6, Mayús+F6  panel siguiente, anterior    Tab, Mayús+Tab  lista siguiente, anterior
Tablas de canales
  Ctrl+N  Nuevo    Ctrl+C  Copiar    Ctrl+V  Pegar    Supr  Borrar    Ctrl+F  Buscar
  F3, Mayús+F3  canal siguiente, anterior con el nombre buscado
  Intro o doble clic  Descripción    arrastrar  mover, o soltar en una lista o grupo
  Ctrl+Mayús+F  Filtrar canales    Ctrl+H  Renombrar por patrón
Listas de satélites, transpondedores, cable y proveedores
  Ctrl+N  Nuevo    Supr  Borrar    Intro o doble clic  Descripción
Barra de título o barra de herramientas
  Ctrl + doble clic  Configuración    Mayús + doble clic  Exportar tabla C</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>The channel list has unsaved changes. Save them now?</source>
        <translation>La lista de canales tiene cambios sin guardar. ¿Guardarlos ahora?</translation>
    </message>
    <message>
        <source>Save Channel Data</source>
        <translation>Guardar datos de canales</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Archivo local (*.bin)</translation>
    </message>
    <message>
        <source>Excel file (*.xls)</source>
        <translation>Archivo de Excel (*.xls)</translation>
    </message>
    <message>
        <source>CSV file, comma-separated (*.csv)</source>
        <translation>Archivo CSV separado por comas (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, semicolon-separated (*.csv)</source>
        <translation>Archivo CSV separado por punto y coma (*.csv)</translation>
    </message>
    <message>
        <source>CSV file, tab-separated (*.csv)</source>
        <translation>Archivo CSV separado por tabuladores (*.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>The workbook holds the channels only: save to a channel file to keep the other changes</source>
        <translation>El libro contiene solo los canales: guarde en un archivo de canales para conservar los demás cambios</translation>
    </message>
    <message>
        <source>Load Channel Data</source>
        <translation>Cargar datos de canales</translation>
    </message>
    <message>
        <source>Binary file (*.bin)</source>
        <translation>Archivo binario (*.bin)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Default Channel Data</source>
        <translation>Guardar datos de canales predeterminados</translation>
    </message>
    <message>
        <source>Local file (*.h)</source>
        <translation>Archivo local (*.h)</translation>
    </message>
    <message>
        <source>Chanforge for %1</source>
        <translation>Chanforge para %1</translation>
    </message>
    <message>
        <source>Chanforge</source>
        <translation>Chanforge</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Ctrl + double click: Configuration · Shift + double click: Export C table</source>
        <translation>Ctrl + doble clic: Configuración · Mayús + doble clic: Exportar tabla C</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) moved to %1</source>
        <translation>
            <numerusform>%n canal movido a %1</numerusform>
            <numerusform>%n canales movidos a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) given to %1</source>
        <translation>
            <numerusform>%n canal asignado a %1</numerusform>
            <numerusform>%n canales asignados a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) added to %1</source>
        <translation>
            <numerusform>%n canal añadido a %1</numerusform>
            <numerusform>%n canales añadidos a %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) set to %1</source>
        <translation>
            <numerusform>%n canal puesto en %1</numerusform>
            <numerusform>%n canales puestos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) not moved: %1 has no transponder of the same frequency and polarisation</source>
        <translation>
            <numerusform>%n canal no movido: %1 no tiene ningún transpondedor con la misma frecuencia y polaridad</numerusform>
            <numerusform>%n canales no movidos: %1 no tiene ningún transpondedor con la misma frecuencia y polaridad</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, narrowed by the filter bar</source>
        <translation>%1, acotado por la barra de filtro</translation>
    </message>
    <message>
        <source>Receiver model not set</source>
        <translation>Modelo de receptor no definido</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Undo %1 (Ctrl+Z)</source>
        <translation>Deshacer %1 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo %1 (Ctrl+Y)</source>
        <translation>Rehacer %1 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>About Chanforge</source>
        <translation>Acerca de Chanforge</translation>
    </message>
    <message>
        <source>Chanforge Version %1 (build: %2)</source>
        <translation>Chanforge versión %1 (compilación: %2)</translation>
    </message>
    <message>
        <source>Channel list editor for digital TV receivers.</source>
        <translation>Editor de listas de canales para receptores de TV digital.</translation>
    </message>
    <message>
        <source>You have to restart this program now.</source>
        <translation>Debe reiniciar el programa ahora.</translation>
    </message>
    <message>
        <source>Send to se&amp;veral receivers…</source>
        <translation>Enviar a &amp;varios receptores…</translation>
    </message>
    <message>
        <source>Send DB to every ticked port at once, each verified</source>
        <translation>Enviar la lista de canales a todos los puertos marcados a la vez, verificando cada uno</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeCommands</name>
    <message>
        <source>&amp;Merge from…</source>
        <translation>&amp;Fusionar desde…</translation>
    </message>
    <message>
        <source>Add the channels of another list, with their satellites and transponders</source>
        <translation>Añadir los canales de otra lista, con sus satélites y transpondedores</translation>
    </message>
    <message>
        <source>Merge from</source>
        <translation>Fusionar desde</translation>
    </message>
    <message>
        <source>Channel lists (*.bin *.xls *.csv)</source>
        <translation>Listas de canales (*.bin *.xls *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>The channel file of the workbook</source>
        <translation>El archivo de canales del libro</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Archivo local (*.bin)</translation>
    </message>
    <message>
        <source>Read the other list as model %1?</source>
        <translation>¿Leer la otra lista como modelo %1?</translation>
    </message>
    <message>
        <source>The other list cannot be put into this model&apos;s layout.</source>
        <translation>La otra lista no se puede adaptar al formato de este modelo.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CMergeDialog</name>
    <message>
        <source>Satellites</source>
        <translation>Satélites</translation>
    </message>
    <message>
        <source>Transponders</source>
        <translation>Transpondedores</translation>
    </message>
    <message>
        <source>Multiplexes</source>
        <translation>Múltiplex</translation>
    </message>
    <message>
        <source>Providers</source>
        <translation>Proveedores</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>found by carrier and service</source>
        <translation>encontrado por portadora y servicio</translation>
    </message>
    <message>
        <source>found by service and stream ids</source>
        <translation>encontrado por ID de servicio y de flujo</translation>
    </message>
    <message>
        <source>found by name</source>
        <translation>encontrado por el nombre</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Fusionar desde %1</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Number here</source>
        <translation>N.º aquí</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Channels of the other list</source>
        <translation>Canales de la otra lista</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Records to create</source>
        <translation>Registros que crear</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>After the last of their kind</source>
        <translation>Tras el último de su tipo</translation>
    </message>
    <message>
        <source>Keep their numbers where free</source>
        <translation>Conservar sus números si están libres</translation>
    </message>
    <message>
        <source>Fill the gaps</source>
        <translation>Rellenar los huecos</translation>
    </message>
    <message>
        <source>Added channels&apos; n&amp;umbers</source>
        <translation>&amp;Números de los canales añadidos</translation>
    </message>
    <message>
        <source>All satellites</source>
        <translation>Todos los satélites</translation>
    </message>
    <message>
        <source>TV and radio</source>
        <translation>TV y radio</translation>
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
        <translation>&amp;Mostrar solo</translation>
    </message>
    <message>
        <source>Channels already here take:</source>
        <translation>Los canales ya presentes toman:</translation>
    </message>
    <message>
        <source>&amp;Locks and skips</source>
        <translation>&amp;Bloqueos y omisiones</translation>
    </message>
    <message>
        <source>&amp;Favourites</source>
        <translation>&amp;Favoritos</translation>
    </message>
    <message>
        <source>Na&amp;mes</source>
        <translation>N&amp;ombres</translation>
    </message>
    <message>
        <source>To add: %1. To update: %2. Already here: %3. Cannot add: %4. Records to create: %5.</source>
        <translation>Por añadir: %1. Por actualizar: %2. Ya presentes: %3. No se pueden añadir: %4. Registros que crear: %5.</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
    <message>
        <source>After Apply: %1.</source>
        <translation>Tras aplicar: %1.</translation>
    </message>
    <message>
        <source>Terrestrial</source>
        <translation>Terrestre</translation>
    </message>
    <message>
        <source>Cable</source>
        <translation>Cable</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>locks and skips</source>
        <translation>bloqueos y omisiones</translation>
    </message>
    <message>
        <source>favourites</source>
        <translation>favoritos</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPaneCycle</name>
    <message>
        <source>Next pane</source>
        <translation>Panel siguiente</translation>
    </message>
    <message>
        <source>Previous pane</source>
        <translation>Panel anterior</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CPrintCommands</name>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>HTML file (*.html)</source>
        <translation>Archivo HTML (*.html)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print the channel list</source>
        <translation>Imprimir la lista de canales</translation>
    </message>
    <message>
        <source>Print pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>Show the printed channel list page by page</source>
        <translation>Mostrar la lista de canales impresa página a página</translation>
    </message>
    <message>
        <source>&amp;PDF...</source>
        <translation>&amp;PDF...</translation>
    </message>
    <message>
        <source>Write the channel list as a PDF document</source>
        <translation>Escribir la lista de canales como documento PDF</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Write the channel list as CSV for spreadsheets</source>
        <translation>Escribir la lista de canales como CSV para hojas de cálculo</translation>
    </message>
    <message>
        <source>&amp;HTML...</source>
        <translation>&amp;HTML...</translation>
    </message>
    <message>
        <source>Write the channel list as a web page</source>
        <translation>Escribir la lista de canales como página web</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>No se puede usar la impresora.</translation>
    </message>
    <message>
        <source>Print channel list</source>
        <translation>Imprimir lista de canales</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canales</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceCommands</name>
    <message>
        <source>Apply re&amp;ference list…</source>
        <translation>Aplicar lista de &amp;referencia…</translation>
    </message>
    <message>
        <source>Number, group, lock and skip the channels as another list does</source>
        <translation>Numerar, agrupar, bloquear y omitir los canales como lo hace otra lista</translation>
    </message>
    <message>
        <source>Save for &amp;another model…</source>
        <translation>Guardar para &amp;otro modelo…</translation>
    </message>
    <message>
        <source>Write this database in the layout of another receiver model</source>
        <translation>Escribir esta lista de canales con el formato de otro modelo de receptor</translation>
    </message>
    <message>
        <source>Reference list</source>
        <translation>Lista de referencia</translation>
    </message>
    <message>
        <source>Reference lists (*.bin *.xls *.txt *.csv)</source>
        <translation>Listas de referencia (*.bin *.xls *.txt *.csv)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>The receiver model the reference database is for:</source>
        <translation>El modelo de receptor al que pertenece la lista de referencia:</translation>
    </message>
    <message>
        <source>Read the reference as model %1?</source>
        <translation>¿Leer la referencia como modelo %1?</translation>
    </message>
    <message>
        <source>Save for another model: the model</source>
        <translation>Guardar para otro modelo: el modelo</translation>
    </message>
    <message>
        <source>Write the database for:</source>
        <translation>Escribir la lista de canales para:</translation>
    </message>
    <message>
        <source>Save for model %1: the file</source>
        <translation>Guardar para el modelo %1: el archivo</translation>
    </message>
    <message>
        <source>Local file (*.bin)</source>
        <translation>Archivo local (*.bin)</translation>
    </message>
    <message>
        <source>Saved for %1. It opens once that model is chosen in the configuration.</source>
        <translation>Guardado para %1. Se podrá abrir cuando ese modelo esté elegido en la configuración.</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CReferenceDialog</name>
    <message>
        <source>same carrier and service</source>
        <translation>misma portadora y servicio</translation>
    </message>
    <message>
        <source>service and stream ids</source>
        <translation>ID de servicio y de flujo</translation>
    </message>
    <message>
        <source>name (uncertain)</source>
        <translation>nombre (dudoso)</translation>
    </message>
    <message>
        <source>name with or without HD (uncertain)</source>
        <translation>nombre con o sin HD (dudoso)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>group %1</source>
        <translation>grupo %1</translation>
    </message>
    <message>
        <source>favourites %1 → %2</source>
        <translation>favoritos %1 → %2</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
    <message>
        <source>unlocked</source>
        <translation>desbloqueado</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>omitido</translation>
    </message>
    <message>
        <source>not skipped</source>
        <translation>no omitido</translation>
    </message>
    <message>
        <source>name “%1”</source>
        <translation>nombre “%1”</translation>
    </message>
    <message>
        <source>Apply reference list: %1</source>
        <translation>Aplicar lista de referencia: %1</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Matched channel</source>
        <translation>Canal asignado</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Also changes</source>
        <translation>Cambia además</translation>
    </message>
    <message>
        <source>Reference entries</source>
        <translation>Entradas de referencia</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Channels without a match</source>
        <translation>Canales sin coincidencia</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Conflicts and notes</source>
        <translation>Conflictos y notas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>&amp;Start at</source>
        <translation>&amp;Empezar en</translation>
    </message>
    <message>
        <source>Keep them after the matched ones</source>
        <translation>Dejarlos tras los asignados</translation>
    </message>
    <message>
        <source>Delete them</source>
        <translation>Borrarlos</translation>
    </message>
    <message>
        <source>Channels &amp;without a match</source>
        <translation>Canales &amp;sin coincidencia</translation>
    </message>
    <message>
        <source>&amp;Close gaps</source>
        <translation>&amp;Cerrar huecos</translation>
    </message>
    <message>
        <source>Take the &amp;names</source>
        <translation>Tomar los &amp;nombres</translation>
    </message>
    <message>
        <source>C&amp;ut names to fit</source>
        <translation>Rec&amp;ortar nombres que no quepan</translation>
    </message>
    <message numerus="yes">
        <source>%n reference channel(s):</source>
        <translation>
            <numerusform>%n canal de referencia:</numerusform>
            <numerusform>%n canales de referencia:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 matched (%2 by name only, to check; %3 in conflict), %4 without a match.</source>
        <translation>%1 asignados (%2 solo por el nombre, para revisar; %3 en conflicto), %4 sin coincidencia.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of this list without an entry.</source>
        <translation>
            <numerusform>%n canal de esta lista sin entrada.</numerusform>
            <numerusform>%n canales de esta lista sin entrada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) left out: nothing changes there.</source>
        <translation>
            <numerusform>%n línea omitida: ahí no cambia nada.</numerusform>
            <numerusform>%n líneas omitidas: ahí no cambia nada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) this receiver cannot keep (too long, or holding a character the channel&apos;s character table lacks): tick &quot;Cut names to fit&quot;, leave the names as they are or leave those lines out.</source>
        <translation>
            <numerusform>%n nombre que este receptor no puede guardar (demasiado largo o con un carácter que falta en la tabla de caracteres del canal): marque &quot;Recortar nombres que no quepan&quot;, deje los nombres como están u omita esas líneas.</numerusform>
            <numerusform>%n nombres que este receptor no puede guardar (demasiado largos o con un carácter que falta en la tabla de caracteres del canal): marque &quot;Recortar nombres que no quepan&quot;, deje los nombres como están u omita esas líneas.</numerusform>
        </translation>
    </message>
    <message>
        <source>“%1” matches channel %2 “%3”, which “%4” keeps: it changes nothing</source>
        <translation>“%1” corresponde al canal %2 “%3”, que “%4” conserva: no cambia nada</translation>
    </message>
    <message>
        <source>“%1” wants %2, taken by “%3”: it gets %4</source>
        <translation>“%1” quiere el %2, ocupado por “%3”: recibe el %4</translation>
    </message>
    <message>
        <source>“%1” wants %2, which channel “%3” keeps, left as it is: it gets %4</source>
        <translation>“%1” quiere el %2, que conserva el canal “%3”, dejado como está: recibe el %4</translation>
    </message>
    <message>
        <source>“%1” gets %2: %3 is taken</source>
        <translation>“%1” recibe el %2: el %3 está ocupado</translation>
    </message>
    <message>
        <source>left out: stays as it is</source>
        <translation>omitida: se queda como está</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
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
        <translation>%1, sin cambios</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>borrado</translation>
    </message>
    <message>
        <source>Same channel</source>
        <translation>Mismo canal</translation>
    </message>
    <message>
        <source>Number taken</source>
        <translation>Número ocupado</translation>
    </message>
    <message>
        <source>Name too long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>“%1” is longer than this receiver keeps: refused</source>
        <translation>“%1” es más largo de lo que guarda este receptor: rechazado</translation>
    </message>
    <message>
        <source>Name refused</source>
        <translation>Nombre rechazado</translation>
    </message>
    <message>
        <source>Characters replaced</source>
        <translation>Caracteres sustituidos</translation>
    </message>
    <message numerus="yes">
        <source>“%1” is stored as “%2”: the channel&apos;s character table lacks %n of its character(s)</source>
        <translation>
            <numerusform>“%1” se guarda como “%2”: a la tabla de caracteres del canal le falta %n de sus caracteres</numerusform>
            <numerusform>“%1” se guarda como “%2”: a la tabla de caracteres del canal le faltan %n de sus caracteres</numerusform>
        </translation>
    </message>
    <message>
        <source>Same name after the cut</source>
        <translation>Mismo nombre tras recortar</translation>
    </message>
    <message>
        <source>“%1” is cut to “%2”, as another name is</source>
        <translation>“%1” se recorta a “%2”, igual que otro nombre</translation>
    </message>
    <message>
        <source>Group not kept</source>
        <translation>Grupo no guardado</translation>
    </message>
    <message numerus="yes">
        <source>Favourite group %1 “%2” (%n channel(s)) is past the groups this receiver keeps</source>
        <translation>
            <numerusform>El grupo de favoritos %1 “%2” (%n canal) queda fuera de los grupos que guarda este receptor</numerusform>
            <numerusform>El grupo de favoritos %1 “%2” (%n canales) queda fuera de los grupos que guarda este receptor</numerusform>
        </translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Line not read</source>
        <translation>Línea no leída</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRenameDialog</name>
    <message>
        <source>Rename by pattern</source>
        <translation>Renombrar por patrón</translation>
    </message>
    <message>
        <source>\1, \2 ... put back a group of a regular expression</source>
        <translation>\1, \2 ... reinsertan un grupo de la expresión regular</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Replace with:</source>
        <translation>Sustituir por:</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>Keep the case</source>
        <translation>Mantener mayúsculas</translation>
    </message>
    <message>
        <source>UPPER CASE</source>
        <translation>MAYÚSCULAS</translation>
    </message>
    <message>
        <source>lower case</source>
        <translation>minúsculas</translation>
    </message>
    <message>
        <source>Title Case</source>
        <translation>Primera Letra En Mayúscula</translation>
    </message>
    <message>
        <source>Cut names to fit</source>
        <translation>Recortar nombres que no quepan</translation>
    </message>
    <message>
        <source>Name now</source>
        <translation>Nombre actual</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>nothing left: refused</source>
        <translation>no queda nada: rechazado</translation>
    </message>
    <message>
        <source>holds %1, which the channel&apos;s character table cannot hold: refused</source>
        <translation>contiene %1, que la tabla de caracteres del canal no admite: rechazado</translation>
    </message>
    <message>
        <source>longer than the receiver keeps: refused</source>
        <translation>más largo de lo que guarda el receptor: rechazado</translation>
    </message>
    <message>
        <source>cut to &quot;%1&quot;</source>
        <translation>recortado a «%1»</translation>
    </message>
    <message>
        <source>the same name as another row after the cut</source>
        <translation>el mismo nombre que otra fila tras recortar</translation>
    </message>
    <message>
        <source>characters the receiver cannot show</source>
        <translation>caracteres que el receptor no puede mostrar</translation>
    </message>
    <message>
        <source>Not a regular expression: %1</source>
        <translation>No es una expresión regular: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) would be left empty: rename refused.</source>
        <translation>
            <numerusform>%n nombre quedaría vacío: renombrado rechazado.</numerusform>
            <numerusform>%n nombres quedarían vacíos: renombrado rechazado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the channel&apos;s character table cannot hold: rename refused. Tick &quot;Cut names to fit&quot; to store them as &apos;?&apos;, or leave those lines out.</source>
        <translation>
            <numerusform>%n nombre con caracteres que la tabla de caracteres del canal no admite: renombrado rechazado. Marque &quot;Recortar nombres que no quepan&quot; para guardarlos como &apos;?&apos; u omita esas líneas.</numerusform>
            <numerusform>%n nombres con caracteres que la tabla de caracteres del canal no admite: renombrado rechazado. Marque &quot;Recortar nombres que no quepan&quot; para guardarlos como &apos;?&apos; u omita esas líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) longer than the receiver keeps: rename refused.</source>
        <translation>
            <numerusform>%n nombre es más largo de lo que guarda el receptor: renombrado rechazado.</numerusform>
            <numerusform>%n nombres son más largos de lo que guarda el receptor: renombrado rechazado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It keeps %n character(s). Shorten the replacement, tick &quot;Cut names to fit&quot; or leave those lines out.</source>
        <translation>
            <numerusform>Guarda %n carácter. Acorte el reemplazo, marque &quot;Recortar nombres que no quepan&quot; u omita esas líneas.</numerusform>
            <numerusform>Guarda %n caracteres. Acorte el reemplazo, marque &quot;Recortar nombres que no quepan&quot; u omita esas líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ticked name(s) will change.</source>
        <translation>
            <numerusform>Cambiará %n nombre marcado.</numerusform>
            <numerusform>Cambiarán %n nombres marcados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) cut to what the receiver keeps.</source>
        <translation>
            <numerusform>%n nombre recortado a lo que guarda el receptor.</numerusform>
            <numerusform>%n nombres recortados a lo que guarda el receptor.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) with characters the receiver cannot show.</source>
        <translation>
            <numerusform>%n nombre con caracteres que el receptor no puede mostrar.</numerusform>
            <numerusform>%n nombres con caracteres que el receptor no puede mostrar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::CRightView</name>
    <message>
        <source> Channels</source>
        <translation> Canales</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
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
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Emisoras de radio</translation>
    </message>
    <message>
        <source>No channel named &quot;%1&quot;</source>
        <translation>Ningún canal se llama «%1»</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CSortKeysDialog</name>
    <message>
        <source>Sort and renumber</source>
        <translation>Ordenar y renumerar</translation>
    </message>
    <message>
        <source>Every channel gets a new number in this order; the first key ticked decides first. Drag or use the buttons to reorder.</source>
        <translation>Cada canal recibe un número nuevo en este orden; la primera clave marcada decide primero. Arrastre o use los botones para reordenar.</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder or multiplex</source>
        <translation>Transpondedor o múltiplex</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Proveedor</translation>
    </message>
    <message>
        <source>Scrambled last</source>
        <translation>Codificados al final</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStartHint</name>
    <message>
        <source>No channel list is open</source>
        <translation>No hay ninguna lista de canales abierta</translation>
    </message>
    <message>
        <source>Receive the list from the receiver over the serial cable, or open a channel file or workbook you saved. The guide explains each step.</source>
        <translation>Reciba la lista del receptor por el cable serie o abra un archivo de canales o un libro que haya guardado. La guía explica cada paso.</translation>
    </message>
    <message>
        <source>Receive from the receiver...</source>
        <translation>Recibir del receptor...</translation>
    </message>
    <message>
        <source>Open a file...</source>
        <translation>Abrir un archivo...</translation>
    </message>
    <message>
        <source>Read the guide</source>
        <translation>Leer la guía</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CStatusLine</name>
    <message>
        <source>TV %1 of %2 · Radio %3 of %4</source>
        <translation>TV %1 de %2 · Radio %3 de %4</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTickBoxes</name>
    <message>
        <source>Tick &amp;all</source>
        <translation>Marcar &amp;todos</translation>
    </message>
    <message>
        <source>Tick &amp;none</source>
        <translation>&amp;Desmarcar todos</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderCommands</name>
    <message>
        <source>Update tra&amp;nsponders…</source>
        <translation>Act&amp;ualizar transpondedores…</translation>
    </message>
    <message>
        <source>Bring a satellite&apos;s transponders up to date from satellites.xml or a scan table</source>
        <translation>Poner al día los transpondedores de un satélite a partir de satellites.xml o de una tabla de búsqueda</translation>
    </message>
    <message>
        <source>Transponders updated</source>
        <translation>Transpondedores actualizados</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CTransponderUpdateDialog</name>
    <message>
        <source>Update transponders</source>
        <translation>Actualizar transpondedores</translation>
    </message>
    <message>
        <source>Cable multiplexes</source>
        <translation>Múltiplex de cable</translation>
    </message>
    <message>
        <source>&amp;Satellite:</source>
        <translation>&amp;Satélite:</translation>
    </message>
    <message>
        <source>&amp;File…</source>
        <translation>&amp;Archivo…</translation>
    </message>
    <message>
        <source>Ta&amp;ble:</source>
        <translation>Ta&amp;bla:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>In the list</source>
        <translation>En la lista</translation>
    </message>
    <message>
        <source>In the table</source>
        <translation>En la tabla</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Transponder table</source>
        <translation>Tabla de transpondedores</translation>
    </message>
    <message>
        <source>Transponder tables (*.xml *E *W)</source>
        <translation>Tablas de transpondedores (*.xml *E *W)</translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>%1 (scan table of the system)</source>
        <translation>%1 (tabla de búsqueda del sistema)</translation>
    </message>
    <message>
        <source>The list has no satellite.</source>
        <translation>La lista no tiene ningún satélite.</translation>
    </message>
    <message>
        <source>Choose a table: satellites.xml or a DVB scan table.</source>
        <translation>Elija una tabla: satellites.xml o una tabla de búsqueda DVB.</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Omitido: %1</translation>
    </message>
    <message>
        <source>The transponders are as the table lists them.</source>
        <translation>Los transpondedores están tal como los indica la tabla.</translation>
    </message>
    <message>
        <source>Changed: %1, new: %2, deleted: %3.</source>
        <translation>Modificados: %1, nuevos: %2, borrados: %3.</translation>
    </message>
    <message>
        <source>Terrestrial multiplexes</source>
        <translation>Múltiplex terrestres</translation>
    </message>
    <message>
        <source>Left out: line %1: %2 is on no free channel of the country&apos;s raster</source>
        <translation>Omitido: línea %1: %2 no cae en ningún canal libre de la parrilla del país</translation>
    </message>
</context>
<context>
    <name>chanforge::app::CUnusedDialog</name>
    <message>
        <source>Remove unused</source>
        <translation>Quitar sin usar</translation>
    </message>
    <message>
        <source>Satellites without transponders in use (%1)</source>
        <translation>Satélites sin transpondedores en uso (%1)</translation>
    </message>
    <message>
        <source>Transponders no channel uses (%1)</source>
        <translation>Transpondedores que ningún canal usa (%1)</translation>
    </message>
    <message>
        <source>Multiplexes no channel uses (%1)</source>
        <translation>Múltiplex que ningún canal usa (%1)</translation>
    </message>
    <message>
        <source>Cable multiplexes no channel uses (%1)</source>
        <translation>Múltiplex de cable que ningún canal usa (%1)</translation>
    </message>
    <message>
        <source>Providers no channel names (%1)</source>
        <translation>Proveedores que ningún canal indica (%1)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Everything is in use.</source>
        <translation>Todo está en uso.</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) will be removed.</source>
        <translation>
            <numerusform>Se quitará %n registro.</numerusform>
            <numerusform>Se quitarán %n registros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n satellite(s) kept for a transponder that stays.</source>
        <translation>
            <numerusform>Se conserva %n satélite por un transpondedor que se queda.</numerusform>
            <numerusform>Se conservan %n satélites por transpondedores que se quedan.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chanforge::app::Languages</name>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The new language is used from the next start of Chanforge.</source>
        <translation>El nuevo idioma se usará a partir del próximo inicio de Chanforge.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cannot create the work file in the temporary directory.</source>
        <translation>No se puede crear el archivo de trabajo en la carpeta temporal.</translation>
    </message>
</context>
<context>
    <name>qpui::CChannelEditorBase</name>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Provider :</source>
        <translation>Proveedor:</translation>
    </message>
    <message>
        <source>Video PID :</source>
        <translation>PID de vídeo:</translation>
    </message>
    <message>
        <source>Audio PID :</source>
        <translation>PID de audio:</translation>
    </message>
    <message>
        <source>PCR PID :</source>
        <translation>PID de PCR:</translation>
    </message>
    <message>
        <source>Service ID :</source>
        <translation>ID de servicio:</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>CAS</source>
        <extracomment>Tick box: the channel is scrambled (conditional access). Keep it short.</extracomment>
        <translation>Codif.</translation>
    </message>
    <message>
        <source>Tuner 1</source>
        <translation>Sintonizador 1</translation>
    </message>
    <message>
        <source>Tuner 2</source>
        <translation>Sintonizador 2</translation>
    </message>
    <message>
        <source>The name holds %1, which the channel&apos;s character table cannot hold.</source>
        <translation>El nombre contiene %1, que la tabla de caracteres del canal no admite.</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCHAddUpdate</name>
    <message>
        <source>Satellite :</source>
        <translation>Satélite:</translation>
    </message>
    <message>
        <source>Transponder :</source>
        <translation>Transpondedor:</translation>
    </message>
    <message>
        <source>Channel Number :</source>
        <translation>Número de canal:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgCableMuxAddUpdate</name>
    <message>
        <source>Mux</source>
        <extracomment>Window title: a cable multiplex (one carrier frequency), a noun.</extracomment>
        <translation>Múltiplex</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Tasa de símbolos:</translation>
    </message>
    <message>
        <source>Constellation :</source>
        <translation>Constelación:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgConfiguration</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Product type :</source>
        <translation>Modelo de receptor:</translation>
    </message>
    <message>
        <source>Column list :</source>
        <translation>Lista de columnas:</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detallada</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgDescription</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Mux</source>
        <extracomment>Tab title: the multiplex (carrier) the channel is on, a noun.</extracomment>
        <translation>Múltiplex</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgMuxCHAddUpdate</name>
    <message>
        <source>Mux :</source>
        <translation>Múltiplex:</translation>
    </message>
    <message>
        <source>Logical Number :</source>
        <translation>Número lógico:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgProviderName</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgRecvDataFromSTB</name>
    <message>
        <source>Receive data from STB</source>
        <translation>Recibir datos del receptor</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSearchName</name>
    <message>
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgSendDataToSTB</name>
    <message>
        <source>Send data to STB</source>
        <translation>Enviar datos al receptor</translation>
    </message>
</context>
<context>
    <name>qpui::CDlgTPAddUpdate</name>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satélite:</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Symbol Rate :</source>
        <translation>Tasa de símbolos:</translation>
    </message>
    <message>
        <source>TS ID :</source>
        <translation>ID TS:</translation>
    </message>
    <message>
        <source>Drift :</source>
        <translation>Deriva:</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polaridad:</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC:</translation>
    </message>
    <message>
        <source>Transmission :</source>
        <translation>Transmisión:</translation>
    </message>
    <message>
        <source>Modulation :</source>
        <translation>Modulación:</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
    </message>
    <message>
        <source>TS ID</source>
        <translation>ID TS</translation>
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
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Satellite Name :</source>
        <translation>Nombre del satélite:</translation>
    </message>
    <message>
        <source>Degree :</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source> Tuner %1 </source>
        <translation> Sintonizador %1 </translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
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
        <translation>Conmutación C/Ku:</translation>
    </message>
    <message>
        <source>LNB Freq :</source>
        <translation>Frec. LNB:</translation>
    </message>
    <message>
        <source>LNB Freq-Custom :</source>
        <translation>Frec. LNB personalizada:</translation>
    </message>
    <message>
        <source>C-LNB Freq :</source>
        <translation>Frec. LNB C:</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom :</source>
        <translation>Frec. LNB C personalizada:</translation>
    </message>
    <message>
        <source>LNB Power :</source>
        <translation>Alimentación LNB:</translation>
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
        <translation>Posición motor:</translation>
    </message>
    <message>
        <source> (Tuner %1)</source>
        <translation> (Sintonizador %1)</translation>
    </message>
    <message>
        <source>LNB Freq-Custom</source>
        <translation>Frec. LNB personalizada</translation>
    </message>
    <message>
        <source>C-LNB Freq Custom</source>
        <translation>Frec. LNB C personalizada</translation>
    </message>
    <message>
        <source>Motor Pos</source>
        <translation>Posición motor</translation>
    </message>
</context>
<context>
    <name>qpui::CSilenceHint</name>
    <message>
        <source>Still waiting. Check that the receiver is switched on, shows its download menu and is connected to the chosen port.</source>
        <translation>Todavía esperando. Compruebe que el receptor está encendido, muestra su menú de descarga y está conectado al puerto elegido.</translation>
    </message>
</context>
<context>
    <name>qpui::CTransferDialog</name>
    <message>
        <source>PORT :</source>
        <translation>PUERTO:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>block %1 of %2</source>
        <translation>bloque %1 de %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>qpui::DescriptionText</name>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Low Frequency : %1</source>
        <translation>Frecuencia baja : %1</translation>
    </message>
    <message>
        <source>Low Frequency(T%1) : %2</source>
        <translation>Frecuencia baja(T%1) : %2</translation>
    </message>
    <message>
        <source>High Frequency : %1</source>
        <translation>Frecuencia alta : %1</translation>
    </message>
    <message>
        <source>High Frequency(T%1) : %2</source>
        <translation>Frecuencia alta(T%1) : %2</translation>
    </message>
    <message>
        <source>Motor Pos : %1</source>
        <translation>Posición motor : %1</translation>
    </message>
    <message>
        <source>MotorPos(T%1) : %2</source>
        <translation>Posición motor(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Low : %1</source>
        <translation>LNB baja : %1</translation>
    </message>
    <message>
        <source>LNB Low(T%1) : %2</source>
        <translation>LNB baja(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB High : %1</source>
        <translation>LNB alta : %1</translation>
    </message>
    <message>
        <source>LNB High(T%1) : %2</source>
        <translation>LNB alta(T%1) : %2</translation>
    </message>
    <message>
        <source>C/Ku switch : %1</source>
        <translation>Conmutación C/Ku : %1</translation>
    </message>
    <message>
        <source>C/Ku switch(T%1) : %2</source>
        <translation>Conmutación C/Ku(T%1) : %2</translation>
    </message>
    <message>
        <source>DiSEqC Mode : %1</source>
        <translation>Modo DiSEqC : %1</translation>
    </message>
    <message>
        <source>DiSEqC Mode(T%1) : %2</source>
        <translation>Modo DiSEqC(T%1) : %2</translation>
    </message>
    <message>
        <source>LNB Power : %1</source>
        <translation>Alimentación LNB : %1</translation>
    </message>
    <message>
        <source>LNB Power(T%1) : %2</source>
        <translation>Alimentación LNB(T%1) : %2</translation>
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
        <translation>LNB C simple(5150,5750)</translation>
    </message>
    <message>
        <source>C Norm. LNBF(5150)</source>
        <translation>LNB C normal(5150)</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Univ. LNB1(9750,10600)</source>
        <translation>LNB univ.1(9750,10600)</translation>
    </message>
    <message>
        <source>Univ. LNB2(9750,10750)</source>
        <translation>LNB univ.2(9750,10750)</translation>
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
        <translation>Nombre : %1 (ID : %2)</translation>
    </message>
    <message>
        <source>Degree : %1</source>
        <translation>Posición : %1</translation>
    </message>
    <message>
        <source>Frequency   	: %1 MHz</source>
        <translation>Frecuencia  	: %1 MHz</translation>
    </message>
    <message>
        <source>Symbol Rate 	: %1 Ks/s</source>
        <translation>Tasa símb.  	: %1 kS/s</translation>
    </message>
    <message>
        <source>TS ID       	: %1</source>
        <translation>ID TS       	: %1</translation>
    </message>
    <message>
        <source>Drift       	: %1</source>
        <translation>Deriva      	: %1</translation>
    </message>
    <message>
        <source>Polarity    	: %1</source>
        <translation>Polaridad   	: %1</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>FEC         	: %1</source>
        <translation>FEC         	: %1</translation>
    </message>
    <message>
        <source>Signal      	: %1</source>
        <translation>Señal       	: %1</translation>
    </message>
    <message>
        <source>Transmission      	: %1    		Modulation      	: %2</source>
        <translation>Transmisión       	: %1    		Modulación      	: %2</translation>
    </message>
    <message>
        <source>Pilot             	: %1</source>
        <translation>Piloto            	: %1</translation>
    </message>
    <message>
        <source>Mux Name : %1</source>
        <translation>Nombre del múltiplex : %1</translation>
    </message>
    <message>
        <source>Frequency : %1 MHz</source>
        <translation>Frecuencia : %1 MHz</translation>
    </message>
    <message>
        <source>Tx Mod.   : %1</source>
        <translation>Modo TX   : %1</translation>
    </message>
    <message>
        <source>C.R.      : %1</source>
        <translation>T.C.      : %1</translation>
    </message>
    <message>
        <source>Const.    : %1</source>
        <translation>Const.    : %1</translation>
    </message>
    <message>
        <source>G.I.      : %1</source>
        <translation>I.G.      : %1</translation>
    </message>
    <message>
        <source>Priority  : %1</source>
        <translation>Prioridad : %1</translation>
    </message>
    <message>
        <source>Tuner	: %1</source>
        <translation>Sintonizador	: %1</translation>
    </message>
    <message>
        <source>Channel Name : %1</source>
        <translation>Nombre del canal : %1</translation>
    </message>
    <message>
        <source>Service ID : %1</source>
        <translation>ID de servicio : %1</translation>
    </message>
    <message>
        <source>Video PID : %1</source>
        <translation>PID de vídeo : %1</translation>
    </message>
    <message>
        <source>Audio PID : %1</source>
        <translation>PID de audio : %1</translation>
    </message>
    <message>
        <source>PCR PID   : %1</source>
        <translation>PID de PCR   : %1</translation>
    </message>
    <message>
        <source>Audio	: %1</source>
        <translation>Audio	: %1</translation>
    </message>
    <message>
        <source>Subtitle   : %1</source>
        <translation>Subtítulos : %1</translation>
    </message>
    <message>
        <source>Teletext   : %1</source>
        <translation>Teletexto  : %1</translation>
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
        <translation>Bloqueo	: %1</translation>
    </message>
    <message>
        <source>Skip 	: %1</source>
        <translation>Omitir	: %1</translation>
    </message>
    <message>
        <source>Provider : %1</source>
        <translation>Proveedor : %1</translation>
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
        <translation>Restaurar…</translation>
    </message>
</context>
<context>
    <name>qpui::NumberEdits</name>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 debe ser un número de %2 a %3.</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Posición</translation>
    </message>
</context>
</TS>
