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
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Watermark</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Watermark/Stamp</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
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
        <translation>Fill</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Custom watermark:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repeat watermark</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super watermark</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>PublishingTab</name>
    <message>
        <source>Publishing</source>
        <translation>Publishing</translation>
    </message>
    <message>
        <source>Cover mode:</source>
        <translation>Cover mode:</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>Front and back</source>
        <translation>Front and back</translation>
    </message>
    <message>
        <source>Print onto:</source>
        <translation>Print onto:</translation>
    </message>
    <message>
        <source>Outside</source>
        <translation>Outside</translation>
    </message>
    <message>
        <source>Inside</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Paper source for front cover:</source>
        <translation>Paper source for front cover:</translation>
    </message>
    <message>
        <source>Paper source for back cover:</source>
        <translation>Paper source for back cover:</translation>
    </message>
    <message>
        <source>Page insert:</source>
        <translation>Page insert:</translation>
    </message>
    <message>
        <source>Print onto front</source>
        <translation>Print onto front</translation>
    </message>
    <message>
        <source>Print onto back</source>
        <translation>Print onto back</translation>
    </message>
    <message>
        <source>Insert before pages:</source>
        <translation>Insert before pages:</translation>
    </message>
    <message>
        <source>Paper source for page:</source>
        <translation>Paper source for page:</translation>
    </message>
    <message>
        <source>Transparency interleaving:</source>
        <translation>Transparency interleaving:</translation>
    </message>
    <message>
        <source>Print onto backing</source>
        <translation>Print onto backing</translation>
    </message>
    <message>
        <source>Paper source for backing:</source>
        <translation>Paper source for backing:</translation>
    </message>
    <message>
        <source>Please type a page range.</source>
        <translation>Please type a page range.</translation>
    </message>
    <message>
        <source>Please enter your specified pages.</source>
        <translation>Please enter your specified pages.</translation>
    </message>
    <message>
        <source>You can only insert up to 50 pages.</source>
        <translation>You can only insert up to 50 pages.</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 3 and 511</source>
        <translation>You can only enter page numbers between 3 and 511</translation>
    </message>
    <message>
        <source>You can only enter page numbers between 2 and 511</source>
        <translation>You can only enter page numbers between 2 and 511</translation>
    </message>
</context>
</TS>
