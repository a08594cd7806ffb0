<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impresoras</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opciones Instalada</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>Se requiere acceso al directorio raíz para hacer cambios a las opciones instaladas.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Error: la impresora no existe o falló lpstat.</translation>
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
    <name>SettingsFiles</name>
    <message>
        <source>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</source>
        <translation>La carpeta de ajustes %1 no se puede usar: %2.
No se lee ni se guarda en ella ningún ajuste.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>otros usuarios pueden escribir en ella</translation>
    </message>
    <message>
        <source>no directory is set</source>
        <translation>no hay ninguna carpeta definida</translation>
    </message>
    <message>
        <source>it cannot be created (%1)</source>
        <translation>no se puede crear (%1)</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Solicitud de contraseña</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Introduzca la contraseña de root.</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>No se pudo autorizar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The installable options were not written: %1</source>
        <translation>Las opciones instalables no se han escrito: %1</translation>
    </message>
    <message>
        <source>the queue name or an option is not valid.</source>
        <translation>el nombre de la cola o una opción no es válido.</translation>
    </message>
    <message>
        <source>the queue, an option or a choice is unknown to CUPS.</source>
        <translation>CUPS no conoce la cola, una opción o una elección.</translation>
    </message>
    <message>
        <source>an option is not one of the printer&apos;s installable options.</source>
        <translation>una opción no es una de las opciones instalables de la impresora.</translation>
    </message>
    <message>
        <source>the queue is not one of this maker&apos;s printers.</source>
        <translation>la cola no es una impresora de este fabricante.</translation>
    </message>
    <message>
        <source>lpadmin failed.</source>
        <translation>lpadmin ha fallado.</translation>
    </message>
    <message>
        <source>the writer&apos;s configuration file is not safe.</source>
        <translation>el archivo de configuración del programa de escritura no es seguro.</translation>
    </message>
    <message>
        <source>the writer %1 could not be run.</source>
        <translation>no se pudo ejecutar el programa de escritura %1.</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>no actualizado; su nuevo texto se conserva en %1</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>No se pudieron actualizar todos los ajustes de impresión de otras aplicaciones:</translation>
    </message>
</context>
</TS>
