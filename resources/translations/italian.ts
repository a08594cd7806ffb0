<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Legal notices</source>
        <translation>Note legali</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
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
        <translation>Opuscolo</translation>
    </message>
    <message>
        <source>Booklet fold</source>
        <translation>Piegatura opuscolo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Left edge binding</source>
        <translation>Rilegatura a sinistra</translation>
    </message>
    <message>
        <source>Right edge binding</source>
        <translation>Rilegatura a destra</translation>
    </message>
</context>
<context>
    <name>FinishingTab</name>
    <message>
        <source>Finishing</source>
        <translation>Finitura</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separazione</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Offset jobs</source>
        <translation>Sfalsa lavori</translation>
    </message>
    <message>
        <source>Rotate copies</source>
        <translation>Ruota copie</translation>
    </message>
    <message>
        <source>Tri-Fold</source>
        <translation>Piegatura in tre</translation>
    </message>
    <message>
        <source>Print side</source>
        <translation>Lato di stampa</translation>
    </message>
    <message>
        <source>Direction of fold</source>
        <translation>Direzione di piegatura</translation>
    </message>
    <message>
        <source>Number of sheets</source>
        <translation>Numero di fogli</translation>
    </message>
    <message>
        <source>Z-Fold</source>
        <translation>Piegatura a Z</translation>
    </message>
    <message>
        <source>Engineering Fold</source>
        <translation>Piegatura tecnica</translation>
    </message>
    <message>
        <source>Bi-Fold</source>
        <translation>Piegatura in due</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforazione</translation>
    </message>
    <message>
        <source>Punch Method:</source>
        <translation>Metodo di perforazione:</translation>
    </message>
    <message>
        <source>Staple:</source>
        <translation>Pinzatura:</translation>
    </message>
    <message>
        <source>Staple location:</source>
        <translation>Posizione della pinzatura:</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Metodo di pinzatura</translation>
    </message>
</context>
<context>
    <name>GeneralTab</name>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Media size</source>
        <translation>Formato supporto</translation>
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
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Long edge</source>
        <translation>Lato lungo</translation>
    </message>
    <message>
        <source>Short edge</source>
        <translation>Lato corto</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Formato di stampa</translation>
    </message>
</context>
<context>
    <name>HelpDialog</name>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>ImagingTab</name>
    <message>
        <source>Imaging</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Print quality</source>
        <translation>Qualità di stampa</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>A colori</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Bianco e nero</translation>
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
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Risparmio toner</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modalità lucida</translation>
    </message>
    <message>
        <source>Adjustment</source>
        <translation>Regolazione</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Impostazioni...</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retino dei mezzitoni</translation>
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
        <source>CIE optimization</source>
        <translation>Ottimizzazione CIE</translation>
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
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Impostazioni lavoro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Codice di accesso</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Codice di accesso:</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Numero casella</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilità lavori</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Usa un ID account specifico</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Seleziona ID account</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Elenco ID account</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Accesso utente</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome lavoro</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nome lavoro:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definito dall&apos;applicazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Sovrascrivi nome lavoro:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Usa nome lavoro + data e ora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Sostituisci il file esistente</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notifica lavoro via e-mail</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID account</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID account:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrizione:</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nuovo ID account</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Modifica ID account</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Errore ID account</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>L&apos;ID account deve essere composto da 1 a 8 cifre</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Questo ID account esiste già.</translation>
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
        <source>Proof and hold</source>
        <translation>Prova e attesa</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>Il codice di accesso deve essere composto da 4 cifre.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Immettere un numero di casella personalizzata compreso tra 1 e 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>Il campo del nome lavoro personalizzato richiede un nome di massimo 128 caratteri.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>È necessario aggiungere un ID account all&apos;elenco.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (&quot;) character.</source>
        <translation>Il valore non può contenere il carattere virgolette doppie (&quot;).</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Il nome utente deve contenere almeno un carattere.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: user@example.com</source>
        <translation>Immettere l&apos;indirizzo e-mail in un formato valido.
Ad esempio: user@example.com</translation>
    </message>
</context>
<context>
    <name>LicenseDialog</name>
    <message>
        <source>Legal Notices</source>
        <translation>Note legali</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nome utente di accesso</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Nessuna notifica per i conflitti con i criteri</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continua la stampa</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annulla la stampa</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>È necessario compilare i campi Server, Porta e Nome utente di accesso.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Dopo aver apportato modifiche è necessario fare clic su Verifica.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossibile connettersi al server.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Accesso non riuscito. Il nome utente o la password inseriti non sono corretti.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Le credenziali del server e dell&apos;utente sono state autenticate e i criteri sono stati applicati.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Le credenziali e i criteri verranno controllati di nuovo durante la stampa.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Non si dispone dell&apos;autorizzazione per stampare.</translation>
    </message>
    <message>
        <source>Enter a host name or an IP address as server, without a port or anything else.</source>
        <translation>Inserire come server un nome host o un indirizzo IP, senza porta né altro.</translation>
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
    <message>
        <source>Please enter your own password.</source>
        <translation>Inserire la propria password.</translation>
    </message>
    <message>
        <source>sudo does not allow you to run %1 as root. Choose su and enter the root password, or ask the administrator for a sudo rule (see the README).</source>
        <translation>sudo non consente di eseguire %1 come root. Scegliere su e inserire la password di root, oppure chiedere all&apos;amministratore una regola sudo (vedere il README).</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>non aggiornato; il nuovo testo è conservato in %1</translation>
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
        <translation>Opzioni installate</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>L&apos;accesso root è necessario per modificare le opzioni installabili.</translation>
    </message>
    <message>
        <source>The print system (CUPS) cannot be reached, so no printers can be listed.</source>
        <translation>Il sistema di stampa (CUPS) non è raggiungibile, quindi non è possibile elencare le stampanti.</translation>
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
        <translation>Lato della piegatura in due</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Metodo della piegatura in due</translation>
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
        <translation>Perforazione</translation>
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
        <translation>Retino dei mezzitoni</translation>
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
        <translation>Interfoglio lucidi</translation>
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
    <message>
        <source>A profile named %1 already exists. Replace it?</source>
        <translation>Esiste già un profilo di nome %1. Sostituirlo?</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
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
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Pubblicazione</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Modalità copertina:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Anteriore</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Anteriore e posteriore</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Stampa su:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Esterno</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Interno</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Posteriore</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Origine carta per copertina anteriore:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Origine carta per copertina posteriore:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Inserimento pagine:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Stampa sul fronte</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Stampa sul retro</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Inserisci prima delle pagine:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Origine carta per pagina:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Interfoglio lucidi:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Stampa sull&apos;interfoglio</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Origine carta per interfoglio:</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Digitare un intervallo di pagine.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Inserire le pagine desiderate.</translation>
    </message>
    <message>
        <source>Please end the list with a page or a range such as 10-12.</source>
        <translation>Terminare l&apos;elenco con una pagina o un intervallo come 10-12.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>È possibile inserire al massimo 50 pagine.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>È possibile inserire solo numeri di pagina tra 3 e 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>È possibile inserire solo numeri di pagina tra 2 e 511</translation>
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
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivato</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
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
    <message>
        <source>The settings directory %1 cannot be used: %2.
Your settings and profiles are saved in %3 instead.</source>
        <translation>La cartella delle impostazioni %1 non può essere usata: %2.
Le impostazioni e i profili vengono salvati invece in %3.</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The printer description (PPD) of the queue %1 could not be read.</source>
        <translation>Non è stato possibile leggere la descrizione della stampante (PPD) della coda %1.</translation>
    </message>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>Non è stato possibile aggiornare tutte le impostazioni di stampa delle altre applicazioni:</translation>
    </message>
    <message>
        <source>Ordovan</source>
        <translation>Ordovan</translation>
    </message>
    <message>
        <source>Please do not run %1 as root.</source>
        <translation>Non eseguire %1 come root.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>It looks like your installed printers have changed.
Reloading list now.</source>
        <translation>Sembra che le stampanti installate siano cambiate.
L&apos;elenco viene ricaricato.</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpoptions failed.</source>
        <translation>Errore: la stampante non esiste o lpoptions non è riuscito.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written.</source>
        <translation>Errore: impossibile scrivere il file delle impostazioni.</translation>
    </message>
    <message>
        <source>Select a printer.</source>
        <translation>Selezionare una stampante.</translation>
    </message>
    <message>
        <source>Password Prompt</source>
        <translation>Richiesta password</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>Impostazioni applicate.</translation>
    </message>
    <message>
        <source>Error: The settings file could not be written: a profile named %1 stands in its place. Give the profile another name to keep this queue&apos;s settings.</source>
        <translation>Errore: impossibile scrivere il file delle impostazioni: al suo posto si trova un profilo di nome %1. Rinominare il profilo per conservare le impostazioni di questa coda.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrana</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Filigrana/Timbro</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Riempimento</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Filigrana personalizzata:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Ripeti filigrana</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super filigrana</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>adjustmentDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>HSL(hue, saturation and lightness)</source>
        <translation>HSL (tonalità, saturazione e luminosità)</translation>
    </message>
    <message>
        <source>Color balance</source>
        <translation>Bilanciamento del colore</translation>
    </message>
    <message>
        <source>Hue Adjustment</source>
        <translation>Regolazione della tonalità</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Lightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Color levels</source>
        <translation>Livelli di colore</translation>
    </message>
</context>
<context>
    <name>monoDialog</name>
    <message>
        <source>Adjustment Settings</source>
        <translation>Impostazioni di regolazione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
</context>
<context>
    <name>vcurl</name>
    <message>
        <source>The server must be a host name or an IP address, and the port a number from 1 to 65535.</source>
        <translation>Il server deve essere un nome host o un indirizzo IP e la porta un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>The server did not complete the login within %1 seconds.</source>
        <translation>Il server non ha completato l&apos;accesso entro %1 secondi.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %1 KiB.</source>
        <translation>La risposta del server supera %1 KiB.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate names another host: %1.</source>
        <translation>Il certificato del server indica un altro host: %1.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not trusted: %1.</source>
        <translation>Il certificato del server non è attendibile: %1.</translation>
    </message>
    <message>
        <source>The README&apos;s section &quot;The print-management server&apos;s certificate&quot; tells the administrator how to make the system trust it.</source>
        <translation>La sezione &quot;The print-management server&apos;s certificate&quot; del README spiega all&apos;amministratore come far sì che il sistema consideri attendibile il certificato.</translation>
    </message>
</context>
</TS>
