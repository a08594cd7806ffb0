<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Installed options</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Root access is required to make changes to installable options</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Error: Printer does not exist or lpstat failed.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
</context>
<context>
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Save Profiles</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Select profile:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
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
        <translation>Close</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Factory Default</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The profile could not be deleted.</source>
        <translation>The profile could not be deleted.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Private print</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Custom box</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Custom watermark</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Black &amp; white</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finishing</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imaging</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Print size</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Media type</translation>
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
        <translation>Collate</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Booklet</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Folding mode</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Folding side</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Folding direction</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Folding method</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Z-Folding direction</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Z-Folding method</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Bi-Folding side</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Bi-Fold folding method</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Staple</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Staple method</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Punch</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Gloss mode</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>CIE optimization</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Halftone screen</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Tonsave</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Color Balance</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Color adjustment</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Monochrome adjustment</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Color mode</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Color reproduction</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Color conversion</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Print grays with black toner</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Moire Prevention</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Cover mode</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Page insert</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Transparency interleaving</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Job settings</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Job accounting</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Job name</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Job e-mail notification</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>User login</translation>
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
        <translation>Description</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>The profile could not be added. A maximum profile count of 25 has been reached.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>The profile could not be saved.</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>You must enter a profile name</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>This name is reserved</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>This name cannot be used as a file name with the system&apos;s language settings</translation>
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
        <translation>Description:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>This name is reserved</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>This name cannot be used as a file name with the system&apos;s language settings</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>The profile could not be changed.</translation>
    </message>
</context>
</TS>
