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
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Enregistrer les profils</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Sélectionner un profil :</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détail</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Paramètres du fabricant</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The profile could not be deleted.</source>
        <translation>Le profil n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impression privée</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Boîte personnalisée</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Filigrane personnalisé</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finition</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Format d&apos;impression</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Type de support</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Assembler</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livret</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Séparation</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Mode de pliage</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Côté de pliage</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Sens de pliage</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Méthode de pliage</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Sens du pliage en Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Méthode du pliage en Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Côté du pliage en deux</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Méthode du pliage en deux</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Agrafage</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Méthode d&apos;agrafage</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforation</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Recouvrement</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Mode brillant</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimisation CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trame de demi-teintes</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Économie de toner</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>TSL/Balance des couleurs</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Réglage des couleurs</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Réglage monochrome</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Mode couleur</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproduction des couleurs</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversion des couleurs</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimer les gris avec le toner noir</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prévention du moiré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Mode couverture</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Insertion de pages</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalaires pour transparents</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Paramètres du travail</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Comptabilité des travaux</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nom du travail</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notification du travail par e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Connexion utilisateur</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Le profil n&apos;a pas pu être ajouté. Le nombre maximal de 25 profils est atteint.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Le profil n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Vous devez saisir un nom de profil</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Ce nom est réservé</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Ce nom ne peut pas servir de nom de fichier avec les paramètres de langue du système</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Ce nom est réservé</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Ce nom ne peut pas servir de nom de fichier avec les paramètres de langue du système</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Le profil n&apos;a pas pu être modifié.</translation>
    </message>
</context>
</TS>
