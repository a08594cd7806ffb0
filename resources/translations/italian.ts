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
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Salva profili</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Seleziona profilo:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifica...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Dettaglio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Impostazioni fabbrica</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The profile could not be deleted.</source>
        <translation>Impossibile eliminare il profilo.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Stampa riservata</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Casella personalizzata</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Filigrana personalizzata</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finitura</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Formato di stampa</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo di supporto</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Fascicola</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Opuscolo</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separazione</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modalità di piegatura</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lato di piegatura</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Direzione di piegatura</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Metodo di piegatura</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Direzione della piegatura a Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Metodo della piegatura a Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Lato della piegatura a metà</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Metodo della piegatura a metà</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Pinzatura</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Metodo di pinzatura</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Foratura</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modalità lucida</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Ottimizzazione CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retino mezzitoni</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Risparmio toner</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Bilanciamento colore</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Regolazione colore</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Regolazione monocromatica</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modalità colore</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Riproduzione del colore</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversione del colore</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Stampa i grigi con il toner nero</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevenzione dell&apos;effetto moiré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Modalità copertina</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserimento pagine</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalari per lucidi</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Impostazioni lavoro</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilità lavori</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome lavoro</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notifica lavoro via e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Impossibile aggiungere il profilo. È stato raggiunto il numero massimo di 25 profili.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>È necessario immettere un nome di profilo</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Questo nome è riservato</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Questo nome non può essere usato come nome di file con le impostazioni della lingua del sistema</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifica profilo</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Questo nome è riservato</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Questo nome non può essere usato come nome di file con le impostazioni della lingua del sistema</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Impossibile modificare il profilo.</translation>
    </message>
</context>
</TS>
