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
    <name>PQXTab</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Keine Benachrichtigung bei Richtlinienkonflikten</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Drucken fortsetzen</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Drucken abbrechen</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Überprüfen</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Server, Port und Anmeldename müssen ausgefüllt werden.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Nach Änderungen müssen Sie auf Überprüfen klicken.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Keine Verbindung zum Server möglich.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Anmeldung fehlgeschlagen. Der eingegebene Benutzername oder das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Die Anmeldedaten für Server und Benutzer wurden authentifiziert und die Richtlinien wurden angewendet.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Anmeldedaten und Richtlinien werden beim Drucken erneut geprüft.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Sie haben keine Berechtigung zum Drucken.</translation>
    </message>
</context>
</TS>
