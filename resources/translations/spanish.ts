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
    <name>WatermarkTab</name>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Marca de agua/Sello</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Relleno</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Marca de agua personalizada:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repetir marca de agua</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super marca de agua</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>JobTab</name>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configuración del trabajo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Código de acceso:</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Número de buzón</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidad de trabajos</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Usar un ID de cuenta específico</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Seleccionar ID de cuenta</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Lista de ID de cuenta</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Inicio de sesión de usuario</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nombre del trabajo</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nombre del trabajo:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definido por la aplicación</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Sobrescribir nombre del trabajo:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Usar nombre del trabajo + fecha y hora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Reemplazar archivo existente</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificación del trabajo por correo electrónico</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de cuenta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de cuenta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Nuevo ID de cuenta</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Editar ID de cuenta</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Error de ID de cuenta</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>El ID de cuenta debe tener entre 1 y 8 dígitos</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Este ID de cuenta ya existe.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impresión privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Buzón personalizado</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prueba y retención</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>El código de acceso debe tener 4 dígitos.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Introduzca un número de buzón personalizado entre 1 y 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>El campo del nombre de trabajo personalizado requiere un nombre de 128 caracteres como máximo.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Debe añadir un ID de cuenta a la lista.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (") character.</source>
        <translation>El valor no puede contener el carácter de comillas dobles (").</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>El nombre de usuario debe tener al menos un carácter.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: user@example.com</source>
        <translation>Introduzca la dirección de correo electrónico en un formato válido.
Por ejemplo: user@example.com</translation>
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
