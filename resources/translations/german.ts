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
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Wasserzeichen/Stempel</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Eigenes Wasserzeichen:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Wasserzeichen wiederholen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super-Wasserzeichen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Auftragseinstellungen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Zugangscode:</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Boxnummer</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Kennwort:</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Auftragsabrechnung</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Bestimmte Konto-ID verwenden</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Konto-ID auswählen</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Konto-ID-Liste</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Auftragsname</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Auftragsname:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Von der Anwendung festgelegt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Auftragsnamen überschreiben:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Auftragsname + Datum und Uhrzeit verwenden</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Vorhandene Datei ersetzen</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Auftragsbenachrichtigung per E-Mail</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>Konto-ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>Konto-ID:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Neue Konto-ID</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Konto-ID bearbeiten</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Konto-ID-Fehler</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>Die Konto-ID muss 1 bis 8 Ziffern lang sein</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Diese Konto-ID ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Vertraulicher Druck</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Benutzerdefinierte Box</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Probedruck und Anhalten</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Der Zugangscode muss 4 Ziffern lang sein.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Geben Sie eine Nummer der benutzerdefinierten Box zwischen 1 und 1000 ein.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>Das Feld für den benutzerdefinierten Auftragsnamen erfordert einen Namen mit höchstens 128 Zeichen.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Sie müssen der Liste eine Konto-ID hinzufügen.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (") character.</source>
        <translation>Der Wert darf kein doppeltes Anführungszeichen (") enthalten.</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Der Benutzername muss mindestens ein Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: user@example.com</source>
        <translation>Geben Sie die E-Mail-Adresse in einem gültigen Format ein.
Beispiel: user@example.com</translation>
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
