<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installierte Optionen</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Root-Zugriff wird benötigt, um Änderungen an installierten Optionen vorzunehmen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Fehler: Drucker existiert nicht oder lpstat-Fehler.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</source>
        <translation>Der Einstellungsordner %1 kann nicht verwendet werden: %2.
Es werden keine Einstellungen daraus gelesen oder darin gespeichert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>er existiert nicht</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>er ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>andere Benutzer dürfen darin schreiben</translation>
    </message>
    <message>
        <source>no directory is set</source>
        <translation>es ist kein Ordner festgelegt</translation>
    </message>
    <message>
        <source>it cannot be created (%1)</source>
        <translation>er kann nicht angelegt werden (%1)</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Passwortabfrage</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Bitte geben Sie das Root-Passwort ein.</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The installable options were not written: %1</source>
        <translation>Die installierbaren Optionen wurden nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>the queue name or an option is not valid.</source>
        <translation>der Name der Warteschlange oder eine Option ist ungültig.</translation>
    </message>
    <message>
        <source>the queue, an option or a choice is unknown to CUPS.</source>
        <translation>die Warteschlange, eine Option oder eine Auswahl ist CUPS unbekannt.</translation>
    </message>
    <message>
        <source>an option is not one of the printer&apos;s installable options.</source>
        <translation>eine Option gehört nicht zu den installierbaren Optionen des Druckers.</translation>
    </message>
    <message>
        <source>the queue is not one of this maker&apos;s printers.</source>
        <translation>die Warteschlange ist kein Drucker dieses Herstellers.</translation>
    </message>
    <message>
        <source>lpadmin failed.</source>
        <translation>lpadmin ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>the writer&apos;s configuration file is not safe.</source>
        <translation>die Konfigurationsdatei des Schreibprogramms ist nicht sicher.</translation>
    </message>
    <message>
        <source>the writer %1 could not be run.</source>
        <translation>das Schreibprogramm %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>nicht aktualisiert; der neue Text ist in %1 aufbewahrt</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>Die Druckeinstellungen anderer Anwendungen konnten nicht alle aktualisiert werden:</translation>
    </message>
</context>
</TS>
