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
    <name>SettingsFiles</name>
    <message>
        <source>The settings directory %1 cannot be used: %2.
No settings are read from it or saved in it.</source>
        <translation>A pasta de configurações %1 não pode ser usada: %2.
Nenhuma configuração é lida dela nem guardada nela.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>ela não existe</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>é uma ligação simbólica</translation>
    </message>
    <message>
        <source>it is not a directory</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertence a outro utilizador</translation>
    </message>
    <message>
        <source>other users may write to it</source>
        <translation>outros utilizadores podem escrever nela</translation>
    </message>
    <message>
        <source>no directory is set</source>
        <translation>nenhuma pasta está definida</translation>
    </message>
    <message>
        <source>it cannot be created (%1)</source>
        <translation>ela não pode ser criada (%1)</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Password Prompt</source>
        <translation>Pedido de palavra-passe</translation>
    </message>
    <message>
        <source>Please enter the root password.</source>
        <translation>Introduza a palavra-passe de root.</translation>
    </message>
    <message>
        <source>Could not authorize.</source>
        <translation>Não foi possível autorizar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The installable options were not written: %1</source>
        <translation>As opções instaláveis não foram gravadas: %1</translation>
    </message>
    <message>
        <source>the queue name or an option is not valid.</source>
        <translation>o nome da fila ou uma opção não é válido.</translation>
    </message>
    <message>
        <source>the queue, an option or a choice is unknown to CUPS.</source>
        <translation>a fila, uma opção ou uma escolha é desconhecida do CUPS.</translation>
    </message>
    <message>
        <source>an option is not one of the printer&apos;s installable options.</source>
        <translation>uma opção não é uma das opções instaláveis da impressora.</translation>
    </message>
    <message>
        <source>the queue is not one of this maker&apos;s printers.</source>
        <translation>a fila não é uma impressora deste fabricante.</translation>
    </message>
    <message>
        <source>lpadmin failed.</source>
        <translation>o lpadmin falhou.</translation>
    </message>
    <message>
        <source>the writer&apos;s configuration file is not safe.</source>
        <translation>o ficheiro de configuração do programa de escrita não é seguro.</translation>
    </message>
    <message>
        <source>the writer %1 could not be run.</source>
        <translation>não foi possível executar o programa de escrita %1.</translation>
    </message>
</context>
<context>
    <name>PrintSettingsSync</name>
    <message>
        <source>not updated; its new text is kept in %1</source>
        <translation>não atualizado; o novo texto fica guardado em %1</translation>
    </message>
</context>
<context>
    <name>VelDialog</name>
    <message>
        <source>The print settings of other applications could not all be updated:</source>
        <translation>Não foi possível atualizar todas as configurações de impressão de outras aplicações:</translation>
    </message>
</context>
</TS>
