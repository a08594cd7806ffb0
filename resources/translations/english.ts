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
    <name>SettingsFiles</name>
    <message>
        <source>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</source>
        <translation>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>it is not a directory</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>it belongs to another user</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>other users may write to it</translation>
    </message>
    <message>
        <source>no directory is set</source>
        <translation>no directory is set</translation>
    </message>
    <message>
        <source>it cannot be created (%1)</source>
        <translation>it cannot be created (%1)</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Password Prompt</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Please enter the root password.</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Could not authorize.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The installable options were not written: %1</source>
        <translation>The installable options were not written: %1</translation>
    </message>
    <message>
        <source>the queue name or an option is not valid.</source>
        <translation>the queue name or an option is not valid.</translation>
    </message>
    <message>
        <source>the queue, an option or a choice is unknown to CUPS.</source>
        <translation>the queue, an option or a choice is unknown to CUPS.</translation>
    </message>
    <message>
        <source>an option is not one of the printer&apos;s installable options.</source>
        <translation>an option is not one of the printer&apos;s installable options.</translation>
    </message>
    <message>
        <source>the queue is not one of this maker&apos;s printers.</source>
        <translation>the queue is not one of this maker&apos;s printers.</translation>
    </message>
    <message>
        <source>lpadmin failed.</source>
        <translation>lpadmin failed.</translation>
    </message>
    <message>
        <source>the writer&apos;s configuration file is not safe.</source>
        <translation>the writer&apos;s configuration file is not safe.</translation>
    </message>
    <message>
        <source>the writer %1 could not be run.</source>
        <translation>the writer %1 could not be run.</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>not updated; its new text is kept in %1</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>The print settings of other applications could not all be updated:</translation>
    </message>
</context>
</TS>
