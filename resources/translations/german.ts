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
        <translation>Privatdruck</translation>
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
        <translation>Bildverarbeitung</translation>
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
        <translation>Seite des Mittenfalzes</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Methode des Mittenfalzes</translation>
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
        <translation>Grautöne mit schwarzem Toner drucken</translation>
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
        <translation>Seiteneinfügung</translation>
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
        <translation>E-Mail-Benachrichtigung zum Auftrag</translation>
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
</context>
</TS>
