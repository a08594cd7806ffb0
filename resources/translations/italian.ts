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
        <translation>Definito dall'applicazione</translation>
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
        <translation>L'ID account deve essere composto da 1 a 8 cifre</translation>
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
        <translation>È necessario aggiungere un ID account all'elenco.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (") character.</source>
        <translation>Il valore non può contenere il carattere virgolette doppie (").</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>Il nome utente deve contenere almeno un carattere.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: user@example.com</source>
        <translation>Immettere l'indirizzo e-mail in un formato valido.
Ad esempio: user@example.com</translation>
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
        <translation>Le credenziali del server e dell'utente sono state autenticate e i criteri sono stati applicati.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Le credenziali e i criteri verranno controllati di nuovo durante la stampa.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Non si dispone dell'autorizzazione per stampare.</translation>
    </message>
</context>
</TS>
