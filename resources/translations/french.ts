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
    <name>SettingsFiles</name>
    <message>
        <source>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</source>
        <translation>Le dossier de réglages %1 est inutilisable : %2.
Aucun réglage n&apos;y est lu ni enregistré.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>d&apos;autres utilisateurs peuvent y écrire</translation>
    </message>
    <message>
        <source>no directory is set</source>
        <translation>aucun dossier n&apos;est défini</translation>
    </message>
    <message>
        <source>it cannot be created (%1)</source>
        <translation>il ne peut pas être créé (%1)</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Demande de mot de passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Veuillez saisir le mot de passe root.</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Autorisation impossible.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The installable options were not written: %1</source>
        <translation>Les options installables n&apos;ont pas été enregistrées : %1</translation>
    </message>
    <message>
        <source>the queue name or an option is not valid.</source>
        <translation>le nom de la file ou une option n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>the queue, an option or a choice is unknown to CUPS.</source>
        <translation>la file, une option ou un choix est inconnu de CUPS.</translation>
    </message>
    <message>
        <source>an option is not one of the printer&apos;s installable options.</source>
        <translation>une option ne fait pas partie des options installables de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>the queue is not one of this maker&apos;s printers.</source>
        <translation>la file n&apos;est pas une imprimante de ce fabricant.</translation>
    </message>
    <message>
        <source>lpadmin failed.</source>
        <translation>lpadmin a échoué.</translation>
    </message>
    <message>
        <source>the writer&apos;s configuration file is not safe.</source>
        <translation>le fichier de configuration du programme d&apos;écriture n&apos;est pas sûr.</translation>
    </message>
    <message>
        <source>the writer %1 could not be run.</source>
        <translation>le programme d&apos;écriture %1 n&apos;a pas pu être lancé.</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>non mis à jour ; son nouveau texte est conservé dans %1</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>Les réglages d&apos;impression des autres applications n&apos;ont pas tous pu être mis à jour :</translation>
    </message>
</context>
</TS>
