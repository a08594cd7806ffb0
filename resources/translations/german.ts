<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>BookletTab</name>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Broschüre</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Broschürenfalz</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Bindung links</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Bindung rechts</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Endverarbeitung</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Trennung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Aufträge versetzen</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Kopien drehen</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Wickelfalz</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Anzahl der Blätter</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Z-Falz</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Planfalz</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Halbfalz</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Lochen</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Lochmethode:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Heften:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Heftposition:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Heftmethode</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Mediengröße</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lange Kante</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Kurze Kante</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Druckformat</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Druckqualität</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Überfüllung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Vollfarbe</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Grautöne mit Schwarztoner drucken</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moiré-Vermeidung</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Tonersparmodus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Glanzmodus</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halbtonraster</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Farbwiedergabe</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Farbkonvertierung</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE-Optimierung</translation>
    </message>
    <message>
        <source>600 dpi</source>
        <translation>600 dpi</translation>
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
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Auftragsabrechnung</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Bestimmte Konto-ID</translation>
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
        <translation>Name + Datum und Uhrzeit</translation>
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
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Der Wert darf kein doppeltes Anführungszeichen (&quot;) enthalten.</translation>
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
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Rechtliche Hinweise</translation>
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
    <message>
        <source>Enter a host name or an IP address as server, without a port or anything else.</source>
        <translation>Geben Sie als Server einen Hostnamen oder eine IP-Adresse ein, ohne Port oder sonstige Angaben.</translation>
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
    <message>
        <source>Please enter your own password.</source>
        <translation>Bitte geben Sie Ihr eigenes Passwort ein.</translation>
    </message>
    <message>
        <source>sudo does not allow you to run %1 as root. Choose su and enter the root password, or ask the administrator for a sudo rule (see the README).</source>
        <translation>sudo erlaubt Ihnen nicht, %1 als root auszuführen. Wählen Sie su und geben Sie das Root-Passwort ein, oder bitten Sie den Administrator um eine sudo-Regel (siehe README).</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>nicht aktualisiert; der neue Text ist in %1 aufbewahrt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
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
        <translation>Root-Zugriff wird benötigt, um Änderungen an installierbaren Optionen vorzunehmen.</translation>
    </message>
    <message>
        <source>The print system (CUPS) cannot be reached, so no printers can be listed.</source>
        <translation>Das Drucksystem (CUPS) ist nicht erreichbar, daher können keine Drucker aufgelistet werden.</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Profile speichern</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Profil auswählen:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The profile could not be deleted.</source>
        <translation>Das Profil konnte nicht gelöscht werden.</translation>
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
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Benutzerdefiniertes Wasserzeichen</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Endverarbeitung</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publikation</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Wasserzeichen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Druckformat</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Broschüre</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Trennung</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Falzmodus</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Falzseite</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Falzrichtung</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Falzmethode</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Z-Falzrichtung</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Z-Falzmethode</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Seite des Halbfalzes</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Methode des Halbfalzes</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Heften</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Heftmethode</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Lochen</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Überfüllung</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Glanzmodus</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE-Optimierung</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halbtonraster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Tonersparmodus</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Farbbalance</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Farbanpassung</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Monochrom-Anpassung</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Farbmodus</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Farbwiedergabe</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Farbkonvertierung</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Grautöne mit Schwarztoner drucken</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moiré-Vermeidung</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Deckblattmodus</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Seiten einfügen</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Folienzwischenblätter</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Auftragseinstellungen</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Auftragsabrechnung</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Auftragsname</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Auftragsbenachrichtigung per E-Mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Benutzeranmeldung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Profil bearbeiten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Dieser Name ist reserviert</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Dieser Name kann mit den Spracheinstellungen des Systems nicht als Dateiname verwendet werden</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Das Profil konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>A profile named %1 already exists. Replace it?</source>
        <translation>Ein Profil namens %1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Das Profil konnte nicht hinzugefügt werden. Die Höchstzahl von 25 Profilen ist erreicht.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Das Profil konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Sie müssen einen Profilnamen eingeben</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Dieser Name ist reserviert</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Dieser Name kann mit den Spracheinstellungen des Systems nicht als Dateiname verwendet werden</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publikation</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Deckblattmodus:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Vorderseite</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Vorder- und Rückseite</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Bedrucken:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Außen</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Innen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Papierquelle für vorderes Deckblatt:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Papierquelle für hinteres Deckblatt:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Seiten einfügen:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Vorderseite bedrucken</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Rückseite bedrucken</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Vor Seiten einfügen:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Papierquelle für Seite:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Folienzwischenblätter:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Zwischenblatt bedrucken</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Papierquelle für Zwischenblatt:</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Bitte geben Sie einen Seitenbereich ein.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Bitte geben Sie die gewünschten Seiten ein.</translation>
    </message>
    <message>
        <source>Please end the list with a page or a range such as 10-12.</source>
        <translation>Bitte beenden Sie die Liste mit einer Seite oder einem Bereich wie 10-12.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Sie können höchstens 50 Seiten einfügen.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Sie können nur Seitenzahlen zwischen 3 und 511 eingeben</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Sie können nur Seitenzahlen zwischen 2 und 511 eingeben</translation>
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
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
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
    <message>
        <source>The settings directory %1 cannot be used: %2.
Your settings and profiles are saved in %3 instead.</source>
        <translation>Der Einstellungsordner %1 kann nicht verwendet werden: %2.
Ihre Einstellungen und Profile werden stattdessen in %3 gespeichert.</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The printer description (PPD) of the queue %1 could not be read.</source>
        <translation>Die Druckerbeschreibung (PPD) der Warteschlange %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>Die Druckeinstellungen anderer Anwendungen konnten nicht alle aktualisiert werden:</translation>
    </message>
    <message>
        <source>Ordovan</source>
        <translation>Ordovan</translation>
    </message>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Bitte führen Sie %1 nicht als root aus.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Die installierten Drucker scheinen sich geändert zu haben.
Die Liste wird neu geladen.</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Fehler: Der Drucker existiert nicht, oder lpoptions ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Fehler: Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Wählen Sie einen Drucker aus.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Passwortabfrage</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Einstellungen übernommen.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written: a profile named %1 stands in its place. Give the profile another name to keep this queue&apos;s settings.</source>
        <translation>Fehler: Die Einstellungsdatei konnte nicht geschrieben werden: Ein Profil namens %1 steht an ihrer Stelle. Geben Sie dem Profil einen anderen Namen, um die Einstellungen dieser Warteschlange zu behalten.</translation>
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
        <translation>Benutzerdefiniertes Wasserzeichen:</translation>
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
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (Farbton, Sättigung und Helligkeit)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Farbbalance</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Farbtonanpassung</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Farbstufen</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Anpassungseinstellungen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
</context>
<context>
    <name>vcurl</name>
    <message>
        <source>The server must be a host name or an IP address, and the port a number from 1 to 65535.</source>
        <translation>Der Server muss ein Hostname oder eine IP-Adresse sein und der Port eine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The server did not complete the login within %1 seconds.</source>
        <translation>Der Server hat die Anmeldung nicht innerhalb von %1 Sekunden abgeschlossen.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %1 KiB.</source>
        <translation>Die Antwort des Servers ist größer als %1 KiB.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate names another host: %1.</source>
        <translation>Das Zertifikat des Servers nennt einen anderen Host: %1.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted: %1.</source>
        <translation>Dem Zertifikat des Servers wird nicht vertraut: %1.</translation>
    </message>
    <message>
        <source>The README&apos;s section &quot;The print-management server&apos;s certificate&quot; tells the administrator how to make the system trust it.</source>
        <translation>Der Abschnitt „The print-management server&apos;s certificate“ der README beschreibt, wie der Administrator das System dem Zertifikat vertrauen lässt.</translation>
    </message>
</context>
</TS>
