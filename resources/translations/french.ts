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
    <name>PrinterTab</name>
    <message>
        <source>The print system (CUPS) cannot be reached, so no printers can be listed.</source>
        <translation>Le système d'impression (CUPS) est injoignable : aucune imprimante ne peut être listée.</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The printer description (PPD) of the queue %1 could not be read.</source>
        <translation>La description d'imprimante (PPD) de la file %1 n'a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Filigrane</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Filigrane/Tampon</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplissage</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Filigrane personnalisé :</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Répéter le filigrane</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super filigrane</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
</context>
</TS>
