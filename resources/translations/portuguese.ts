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
