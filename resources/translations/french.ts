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
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publication</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Mode couverture :</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Avant et arrière</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Imprimer sur :</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Intérieur</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Source papier de la couverture avant :</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Source papier de la couverture arrière :</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Insertion de pages :</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Imprimer au recto</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Imprimer au verso</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insérer avant les pages :</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Source papier de la page :</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Intercalaires de transparents :</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Imprimer sur l'intercalaire</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Source papier de l'intercalaire :</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Veuillez saisir une plage de pages.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Veuillez saisir les pages souhaitées.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>Vous pouvez insérer 50 pages au maximum.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page entre 3 et 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>Vous ne pouvez saisir que des numéros de page entre 2 et 511</translation>
    </message>
</context>
</TS>
