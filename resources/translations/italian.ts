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
