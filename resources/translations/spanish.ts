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
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Guardar perfiles</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Seleccionar perfil:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Valor predeterminado de fábrica</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The profile could not be deleted.</source>
        <translation>No se pudo eliminar el perfil.</translation>
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
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Marca de agua personalizada</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Acabado</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicación</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca de agua</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamaño de impresión</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de soporte</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Folleto</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modo de plegado</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lado de plegado</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Dirección de plegado</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Método de plegado</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Dirección del plegado en Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Método del plegado en Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Lado del plegado por la mitad</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Método del plegado por la mitad</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Grapar</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grapado</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perforar</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Reventado</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brillo</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Optimización CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Trama de semitonos</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Ahorro de tóner</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Equilibrio de color</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Ajuste de color</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Ajuste monocromo</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modo de color</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reproducción del color</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversión del color</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir grises con tóner negro</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevención de muaré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Modo de portada</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserción de páginas</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalado de transparencias</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Ajustes del trabajo</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidad de trabajos</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nombre del trabajo</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificación del trabajo por correo electrónico</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Inicio de sesión del usuario</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>ProfileSaveDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>No se pudo añadir el perfil. Se ha alcanzado el número máximo de 25 perfiles.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>No se pudo guardar el perfil.</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Debe introducir un nombre de perfil</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Este nombre está reservado</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Este nombre no se puede usar como nombre de archivo con la configuración de idioma del sistema</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Este nombre está reservado</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Este nombre no se puede usar como nombre de archivo con la configuración de idioma del sistema</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>No se pudo modificar el perfil.</translation>
    </message>
</context>
</TS>
