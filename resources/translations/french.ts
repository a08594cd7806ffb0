<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Options Installée</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>L'accès racine est nécessaire pour apporter des modifications aux options enregistrées.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Idle</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Erreur : imprimante inexistante ou échec de lpstat.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Actif</translation>
    </message>
</context>
<context>
    <name>PQXTab</name>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nom d'utilisateur de connexion</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Aucune notification des conflits avec les règles</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Poursuivre l'impression</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Annuler l'impression</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Les champs Serveur, Port et Nom d'utilisateur de connexion doivent être renseignés.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Vous devez cliquer sur Vérifier après avoir effectué des modifications.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Impossible de se connecter au serveur.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Échec de la connexion. Le nom d'utilisateur ou le mot de passe saisi est incorrect.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Les identifiants du serveur et de l'utilisateur ont été authentifiés et les règles ont été appliquées.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Les identifiants et les règles seront à nouveau vérifiés lors de l'impression.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Vous n'avez pas l'autorisation d'imprimer.</translation>
    </message>
</context>
</TS>
