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
    <name>PQXTab</name>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nombre de usuario de inicio de sesión</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Sin notificaciones de conflictos con las directivas</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continuar la impresión</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancelar la impresión</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>Debe completar los campos Servidor, Puerto y Nombre de usuario de inicio de sesión.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Debe hacer clic en Verificar después de realizar cambios.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>No se puede conectar con el servidor.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Error de inicio de sesión. El nombre de usuario o la contraseña que ha introducido no son correctos.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>Se han autenticado las credenciales del servidor y del usuario y se han aplicado las directivas.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>Las credenciales y las directivas se volverán a comprobar durante la impresión.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>No tiene permiso para imprimir.</translation>
    </message>
</context>
</TS>
