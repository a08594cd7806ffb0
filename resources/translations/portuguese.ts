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
    <name>ProfileDialog</name>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Save Profiles</source>
        <translation>Salvar perfis</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Select profile:</source>
        <translation>Selecionar perfil:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalhe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Padrão de fábrica</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The profile could not be deleted.</source>
        <translation>Não foi possível excluir o perfil.</translation>
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
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Custom watermark</source>
        <translation>Marca d&apos;água personalizada</translation>
    </message>
    <message>
        <source>Black &amp; white</source>
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Acabamento</translation>
    </message>
    <message>
        <source>Imaging</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Publishing</source>
        <translation>Publicação</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabalho</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>Marca d&apos;água</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Tamanho de impressão</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de mídia</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Agrupar</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Booklet</source>
        <translation>Livreto</translation>
    </message>
    <message>
        <source>Separation</source>
        <translation>Separação</translation>
    </message>
    <message>
        <source>Folding mode</source>
        <translation>Modo de dobra</translation>
    </message>
    <message>
        <source>Folding side</source>
        <translation>Lado da dobra</translation>
    </message>
    <message>
        <source>Folding direction</source>
        <translation>Direção da dobra</translation>
    </message>
    <message>
        <source>Folding method</source>
        <translation>Método de dobra</translation>
    </message>
    <message>
        <source>Z-Folding direction</source>
        <translation>Direção da dobra em Z</translation>
    </message>
    <message>
        <source>Z-Folding method</source>
        <translation>Método da dobra em Z</translation>
    </message>
    <message>
        <source>Bi-Folding side</source>
        <translation>Lado da dobra ao meio</translation>
    </message>
    <message>
        <source>Bi-Fold folding method</source>
        <translation>Método da dobra ao meio</translation>
    </message>
    <message>
        <source>Staple</source>
        <translation>Grampear</translation>
    </message>
    <message>
        <source>Staple method</source>
        <translation>Método de grampeamento</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Perfurar</translation>
    </message>
    <message>
        <source>Trapping</source>
        <translation>Trapping</translation>
    </message>
    <message>
        <source>Gloss mode</source>
        <translation>Modo brilho</translation>
    </message>
    <message>
        <source>CIE optimization</source>
        <translation>Otimização CIE</translation>
    </message>
    <message>
        <source>Halftone screen</source>
        <translation>Retícula de meio-tom</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Tonsave</source>
        <translation>Economia de toner</translation>
    </message>
    <message>
        <source>HSL/Color Balance</source>
        <translation>HSL/Balanço de cores</translation>
    </message>
    <message>
        <source>Color adjustment</source>
        <translation>Ajuste de cores</translation>
    </message>
    <message>
        <source>Monochrome adjustment</source>
        <translation>Ajuste monocromático</translation>
    </message>
    <message>
        <source>Color mode</source>
        <translation>Modo de cor</translation>
    </message>
    <message>
        <source>Color reproduction</source>
        <translation>Reprodução de cores</translation>
    </message>
    <message>
        <source>Color conversion</source>
        <translation>Conversão de cores</translation>
    </message>
    <message>
        <source>VIR</source>
        <translation>VIR</translation>
    </message>
    <message>
        <source>Print grays with black toner</source>
        <translation>Imprimir cinzas com toner preto</translation>
    </message>
    <message>
        <source>Moire Prevention</source>
        <translation>Prevenção de moiré</translation>
    </message>
    <message>
        <source>Cover mode</source>
        <translation>Modo de capa</translation>
    </message>
    <message>
        <source>Page insert</source>
        <translation>Inserção de páginas</translation>
    </message>
    <message>
        <source>Transparency interleaving</source>
        <translation>Intercalação de transparências</translation>
    </message>
    <message>
        <source>Job settings</source>
        <translation>Configurações do trabalho</translation>
    </message>
    <message>
        <source>Job accounting</source>
        <translation>Contabilidade de trabalhos</translation>
    </message>
    <message>
        <source>Job name</source>
        <translation>Nome do trabalho</translation>
    </message>
    <message>
        <source>Job e-mail notification</source>
        <translation>Notificação do trabalho por e-mail</translation>
    </message>
    <message>
        <source>User login</source>
        <translation>Login do usuário</translation>
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
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Salvar perfil</translation>
    </message>
    <message>
        <source>The profile could not be added. A maximum profile count of 25 has been reached.</source>
        <translation>Não foi possível adicionar o perfil. O número máximo de 25 perfis foi atingido.</translation>
    </message>
    <message>
        <source>The profile could not be saved.</source>
        <translation>Não foi possível salvar o perfil.</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Você deve inserir um nome de perfil</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Este nome está reservado</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Este nome não pode ser usado como nome de arquivo com as configurações de idioma do sistema</translation>
    </message>
</context>
<context>
    <name>ProfileEditDialog</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>This name is reserved</source>
        <translation>Este nome está reservado</translation>
    </message>
    <message>
        <source>This name cannot be used as a file name with the system&apos;s language settings</source>
        <translation>Este nome não pode ser usado como nome de arquivo com as configurações de idioma do sistema</translation>
    </message>
    <message>
        <source>The profile could not be changed.</source>
        <translation>Não foi possível alterar o perfil.</translation>
    </message>
</context>
</TS>
