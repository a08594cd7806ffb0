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
    <name>SettingsFiles</name>
    <message>
        <source>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</source>
        <translation>La cartella delle impostazioni %1 non può essere usata: %2.
Nessuna impostazione viene letta da essa o salvata in essa.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>altri utenti possono scriverci</translation>
    </message>
    <message>
        <source>no directory is set</source>
        <translation>nessuna cartella è impostata</translation>
    </message>
    <message>
        <source>it cannot be created (%1)</source>
        <translation>non può essere creata (%1)</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Inserire la password di root.</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorizzazione non riuscita.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The installable options were not written: %1</source>
        <translation>Le opzioni installabili non sono state scritte: %1</translation>
    </message>
    <message>
        <source>the queue name or an option is not valid.</source>
        <translation>il nome della coda o un&apos;opzione non è valido.</translation>
    </message>
    <message>
        <source>the queue, an option or a choice is unknown to CUPS.</source>
        <translation>la coda, un&apos;opzione o una scelta è sconosciuta a CUPS.</translation>
    </message>
    <message>
        <source>an option is not one of the printer&apos;s installable options.</source>
        <translation>un&apos;opzione non è tra le opzioni installabili della stampante.</translation>
    </message>
    <message>
        <source>the queue is not one of this maker&apos;s printers.</source>
        <translation>la coda non è una stampante di questo produttore.</translation>
    </message>
    <message>
        <source>lpadmin failed.</source>
        <translation>lpadmin non è riuscito.</translation>
    </message>
    <message>
        <source>the writer&apos;s configuration file is not safe.</source>
        <translation>il file di configurazione del programma di scrittura non è sicuro.</translation>
    </message>
    <message>
        <source>the writer %1 could not be run.</source>
        <translation>non è stato possibile eseguire il programma di scrittura %1.</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>non aggiornato; il nuovo testo è conservato in %1</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>Non è stato possibile aggiornare tutte le impostazioni di stampa delle altre applicazioni:</translation>
    </message>
</context>
</TS>
