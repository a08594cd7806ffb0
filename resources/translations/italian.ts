<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Stampanti</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opzioni Installate</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>L'accesso radice è richiesto per apportare modifiche alle opzioni installate.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Idle</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Errore: la stampante non esiste o lpstat non riuscito.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterTab</name>
    <message>
        <source>The print system (CUPS) cannot be reached, so no printers can be listed.</source>
        <translation>Il sistema di stampa (CUPS) non è raggiungibile, quindi non è possibile elencare le stampanti.</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The printer description (PPD) of the queue %1 could not be read.</source>
        <translation>Non è stato possibile leggere la descrizione della stampante (PPD) della coda %1.</translation>
    </message>
</context>
</TS>
