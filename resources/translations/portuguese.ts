<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>PrinterTab</name>
    <message>
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Impressoras</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Installed options</source>
        <translation>Opções Instalada</translation>
    </message>
    <message>
        <source>Root access is required to make changes to installable options</source>
        <translation>É necessário o acesso à raiz para efetuar alterações às opções instaladas.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Idle</source>
        <translation>Ocioso</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimindo</translation>
    </message>
    <message>
        <source>Error: Printer does not exist or lpstat failed.</source>
        <translation>Erro: Impressora não existe ou ocorreu falha no lpstat.</translation>
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
        <translation>Marca d'água</translation>
    </message>
    <message>
        <source>Watermark/Stamp</source>
        <translation>Marca d'água/Carimbo</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ângulo</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Preenchimento</translation>
    </message>
    <message>
        <source>Custom watermark:</source>
        <translation>Marca d'água personalizada:</translation>
    </message>
    <message>
        <source>Repeat watermark</source>
        <translation>Repetir marca d'água</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Super watermark</source>
        <translation>Super marca d'água</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
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
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configurações do trabalho</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Access code</source>
        <translation>Código de acesso</translation>
    </message>
    <message>
        <source>Access code:</source>
        <translation>Código de acesso:</translation>
    </message>
    <message>
        <source>Box number</source>
        <translation>Número da caixa</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidade de trabalhos</translation>
    </message>
    <message>
        <source>Use specific account ID</source>
        <translation>Usar um ID de conta específico</translation>
    </message>
    <message>
        <source>Select account ID</source>
        <translation>Selecionar ID de conta</translation>
    </message>
    <message>
        <source>Account ID List</source>
        <translation>Lista de IDs de conta</translation>
    </message>
    <message>
        <source>User Login</source>
        <translation>Login do usuário</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome do trabalho</translation>
    </message>
    <message>
        <source>Job name:</source>
        <translation>Nome do trabalho:</translation>
    </message>
    <message>
        <source>Application defined</source>
        <translation>Definido pelo aplicativo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Overwrite job name:</source>
        <translation>Substituir nome do trabalho:</translation>
    </message>
    <message>
        <source>Use job name + date and time</source>
        <translation>Usar nome do trabalho + data e hora</translation>
    </message>
    <message>
        <source>Replace existing file</source>
        <translation>Substituir arquivo existente</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificação do trabalho por e-mail</translation>
    </message>
    <message>
        <source>Account ID</source>
        <translation>ID de conta</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Account ID:</source>
        <translation>ID de conta:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>New Account ID</source>
        <translation>Novo ID de conta</translation>
    </message>
    <message>
        <source>Edit Account ID</source>
        <translation>Editar ID de conta</translation>
    </message>
    <message>
        <source>Account ID Error</source>
        <translation>Erro de ID de conta</translation>
    </message>
    <message>
        <source>Account ID must be 1 to 8 numbers in length</source>
        <translation>O ID de conta deve ter de 1 a 8 dígitos</translation>
    </message>
    <message>
        <source>This Account ID already exists.</source>
        <translation>Este ID de conta já existe.</translation>
    </message>
    <message>
        <source>Private print</source>
        <translation>Impressão privada</translation>
    </message>
    <message>
        <source>Custom box</source>
        <translation>Caixa personalizada</translation>
    </message>
    <message>
        <source>Proof and hold</source>
        <translation>Prova e retenção</translation>
    </message>
    <message>
        <source>Access code must be 4 numbers in length.</source>
        <translation>O código de acesso deve ter 4 dígitos.</translation>
    </message>
    <message>
        <source>Enter a custom box number between 1 and 1000.</source>
        <translation>Digite um número de caixa personalizada entre 1 e 1000.</translation>
    </message>
    <message>
        <source>The custom job name field requires a name within a 128 character limit.</source>
        <translation>O campo de nome de trabalho personalizado requer um nome com no máximo 128 caracteres.</translation>
    </message>
    <message>
        <source>You must add an account ID to the list.</source>
        <translation>Você deve adicionar um ID de conta à lista.</translation>
    </message>
    <message>
        <source>Value cannot contain the double quote (") character.</source>
        <translation>O valor não pode conter o caractere aspas duplas (").</translation>
    </message>
    <message>
        <source>User name must be at least one character long.</source>
        <translation>O nome de usuário deve ter pelo menos um caractere.</translation>
    </message>
    <message>
        <source>Enter the e-mail address in a valid format.
For example: user@example.com</source>
        <translation>Digite o endereço de e-mail em um formato válido.
Por exemplo: user@example.com</translation>
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
        <translation>Porta</translation>
    </message>
    <message>
        <source>Login user name</source>
        <translation>Nome de usuário de login</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>No notifications for policy conflicts</source>
        <translation>Sem notificações de conflitos de políticas</translation>
    </message>
    <message>
        <source>Continue printing</source>
        <translation>Continuar a impressão</translation>
    </message>
    <message>
        <source>Cancel printing</source>
        <translation>Cancelar a impressão</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Server, Port, and Login user information must be filled out.</source>
        <translation>As informações de Servidor, Porta e Nome de usuário de login devem ser preenchidas.</translation>
    </message>
    <message>
        <source>You must click Verify after making changes.</source>
        <translation>Você deve clicar em Verificar depois de fazer alterações.</translation>
    </message>
    <message>
        <source>Unable to connect to the server.</source>
        <translation>Não foi possível conectar ao servidor.</translation>
    </message>
    <message>
        <source>Login failed. The user name or password you entered is incorrect.</source>
        <translation>Falha no login. O nome de usuário ou a senha informados estão incorretos.</translation>
    </message>
    <message>
        <source>Server and user credentials have been authenticated and policies have been applied.</source>
        <translation>As credenciais do servidor e do usuário foram autenticadas e as políticas foram aplicadas.</translation>
    </message>
    <message>
        <source>Credentials and policies will be checked again during printing.</source>
        <translation>As credenciais e as políticas serão verificadas novamente durante a impressão.</translation>
    </message>
    <message>
        <source>You do not have permission to print.</source>
        <translation>Você não tem permissão para imprimir.</translation>
    </message>
</context>
</TS>
