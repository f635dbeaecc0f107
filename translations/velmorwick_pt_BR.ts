<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmorwick</source>
        <translation>Sobre o Velmorwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info do &amp;sistema</translation>
    </message>
    <message>
        <source>Velmorwick v3.01</source>
        <translation>Velmorwick v3.01</translation>
    </message>
    <message>
        <source>Written by Tamsin Velmorwick</source>
        <translation>Escrito por Tamsin Velmorwick</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>E-mail: tamsin@velmorwick.example
Support: help@velmorwick.example
Web: www.velmorwick.example
More programs: www.velmorwick.example/programs
Join our mailing list to hear of new versions first!</source>
        <translation>E-mail: tamsin@velmorwick.example
Suporte: help@velmorwick.example
Web: www.velmorwick.example
Mais programas: www.velmorwick.example/programs
Assine nossa lista e saiba antes das novidades!</translation>
    </message>
    <message>
        <source>www.velmorwick.example</source>
        <translation>www.velmorwick.example</translation>
    </message>
    <message>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Idade:</translation>
    </message>
    <message>
        <source>Also from Velmorwick: Quillmark, the pocket notebook that remembers where you left off. Free to try!</source>
        <translation>Também da Velmorwick: Quillmark, o caderno de bolso que lembra onde você parou. Experimente grátis!</translation>
    </message>
    <message>
        <source>http://www.velmorwick.example/quillmark/</source>
        <translation>http://www.velmorwick.example/quillmark/</translation>
    </message>
    <message>
        <source>Quillmark&apos;s web address</source>
        <translation>Endereço web do Quillmark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
</context>
<context>
    <name>AddTaskWindow</name>
    <message>
        <source>Add a Task</source>
        <translation>Adicionar uma tarefa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>&amp;Tarefa:</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n tarefa</numerusform>
            <numerusform>%n tarefas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfFileStore</name>
    <message>
        <source>The settings file %1 could not be written (%2).</source>
        <translation>Não foi possível gravar o arquivo de configurações %1 (%2).</translation>
    </message>
    <message>
        <source>The disk did not confirm that %1 was written (%2); it may be lost if the computer stops now.</source>
        <translation>O disco não confirmou que %1 foi gravado (%2); ele pode se perder se o computador parar agora.</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace, so nothing was written.</source>
        <translation>%1 é %2, que o Velmorwick não substitui; nada foi gravado.</translation>
    </message>
    <message>
        <source>Another program replaced %1 while Velmorwick wrote it (a sync program may be busy with it), so nothing was written. Please try again in a moment.</source>
        <translation>Outro programa substituiu %1 enquanto o Velmorwick o gravava (talvez um programa de sincronização); nada foi gravado. Tente de novo em instantes.</translation>
    </message>
    <message>
        <source>The folder %1 can be opened by other users, and Velmorwick leaves it as it is because it is shared or reached through a link: they may be able to remove or replace your settings there.</source>
        <translation>A pasta %1 pode ser aberta por outros usuários, e o Velmorwick a deixa como está porque ela é compartilhada ou acessada por um link: eles podem apagar ou substituir suas configurações ali.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside. Nothing will be written to it until it is mended or removed.</source>
        <translation>O arquivo de configurações %1 está danificado e não pôde ser copiado à parte. Nada será gravado nele até que seja consertado ou removido.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created (%2).</source>
        <translation>Não foi possível criar a pasta %1 (%2).</translation>
    </message>
    <message>
        <source>Another copy of Velmorwick is still writing the settings file %1. Please try again in a moment.</source>
        <translation>Outro Velmorwick ainda está gravando o arquivo de configurações %1. Tente de novo em instantes.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings file in it cannot be written.</source>
        <translation>A pasta %1 é somente leitura; o arquivo de configurações nela não pode ser gravado.</translation>
    </message>
    <message>
        <source>its lock file cannot be used: %1</source>
        <translation>seu arquivo de trava não pode ser usado: %1</translation>
    </message>
    <message>
        <source>The version of the private list saved elsewhere could not be kept beside the settings file (%1), so nothing was written.</source>
        <translation>A versão da lista privada salva em outro lugar não pôde ser guardada ao lado do arquivo de configurações (%1); nada foi gravado.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so nothing was written to it.</source>
        <translation>O arquivo de configurações %1 é somente leitura; nada foi gravado nele.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside, so nothing was written to it.</source>
        <translation>O arquivo de configurações %1 está danificado e não pôde ser copiado à parte; nada foi gravado nele.</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>As configurações mudaram nesse meio-tempo; nada foi gravado.</translation>
    </message>
    <message>
        <source>The settings file would grow past %1 MB, more than Velmorwick reads back, so nothing was written.</source>
        <translation>O arquivo de configurações passaria de %1 MB, mais do que o Velmorwick lê de volta; nada foi gravado.</translation>
    </message>
    <message>
        <source>The version saved elsewhere could not be kept first, as a snapshot (%1) or beside the settings file (%2), so nothing was written.</source>
        <translation>A versão salva em outro lugar não pôde ser guardada antes, nem como instantâneo (%1) nem ao lado do arquivo de configurações (%2); nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 é %2, não um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than any settings file.</source>
        <translation>%1 passa de %2 MB, muito mais que qualquer arquivo de configurações.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>Não é possível ler %1 (%2).</translation>
    </message>
    <message>
        <source>it holds no settings of Velmorwick</source>
        <translation>ele não contém configurações do Velmorwick</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>não é texto em UTF-8</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>ele está danificado</translation>
    </message>
    <message>
        <source>%1 is not a settings file of Velmorwick (%2); the store was left as it was.</source>
        <translation>%1 não é um arquivo de configurações do Velmorwick (%2); as configurações ficaram como estavam.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be copied aside (%2), so it was not replaced.</source>
        <translation>Não foi possível copiar à parte o arquivo de configurações %1 (%2); ele não foi substituído.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauração</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook %1 (%2); they are saved in their list.</source>
        <translation>As tarefas recém-marcadas não puderam ser gravadas no diário %1 (%2); elas estão salvas na sua lista.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be read (%2).</source>
        <translation>Não foi possível ler o diário %1 (%2).</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Parte do diário %1 estava danificada e não pôde ser lida; ele está guardado como %2, e um novo continua com o resto.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Parte do diário %1 estava danificada e não pôde ser lida; o resto foi lido.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first (%1), so nothing was taken out of it.</source>
        <translation>O diário deste computador não pôde ser copiado à parte antes (%1); nada foi tirado dele.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>Não foi possível gravar o diário %1 (%2).</translation>
    </message>
    <message>
        <source>The private list could not be taken out of %1.</source>
        <translation>Não foi possível tirar a lista privada de %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: some of it could not be read. A copy of it was kept as %2. Velmorwick goes on with what it could read.</source>
        <translation>O arquivo de configurações %1 está danificado: parte dele não pôde ser lida. Uma cópia foi guardada como %2. O Velmorwick continua com o que conseguiu ler.</translation>
    </message>
    <message>
        <source>The settings file %1 holds entries Velmorwick cannot write back exactly as they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 before anything in it is changed.</source>
        <translation>O arquivo de configurações %1 tem entradas que o Velmorwick não consegue regravar exatamente como estão (editadas à mão ou fora de UTF-8). Uma cópia foi guardada como %2 antes de qualquer mudança nele.</translation>
    </message>
    <message>
        <source>it is %1, not an ordinary file</source>
        <translation>é %1, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is larger than any settings file</source>
        <translation>é maior que qualquer arquivo de configurações</translation>
    </message>
    <message>
        <source>a password change is half done, and its key is never kept</source>
        <translation>uma troca de senha ficou pela metade, e sua chave nunca é guardada</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tarefas esvaziadas</translation>
    </message>
    <message>
        <source>first save of the day</source>
        <translation>primeiro salvamento do dia</translation>
    </message>
    <message>
        <source>The snapshot %1 is named after a time more than a day after this computer&apos;s clock: either the clock was ahead when it was kept, or it is behind now. It is kept, and not counted as today&apos;s.</source>
        <translation>O instantâneo %1 tem um horário mais de um dia depois do relógio deste computador: ou o relógio estava adiantado quando ele foi guardado, ou está atrasado agora. Ele é mantido e não conta como o de hoje.</translation>
    </message>
    <message>
        <source>Velmorwick could not keep a snapshot of its settings before this step (%1). The step went on without one; each later step tries again, and you are told again only when a step cannot go on without one.</source>
        <translation>O Velmorwick não conseguiu guardar um instantâneo das configurações antes desta etapa (%1). A etapa seguiu sem ele; cada etapa seguinte tenta de novo, e você só é avisado de novo quando uma etapa não puder seguir sem ele.</translation>
    </message>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(não pode ser lido: %1)</translation>
    </message>
    <message>
        <source>There are no snapshots.</source>
        <translation>Não há instantâneos.</translation>
    </message>
    <message>
        <source>There is no snapshot %1; they are numbered 1 to %2.</source>
        <translation>Não há instantâneo %1; eles são numerados de 1 a %2.</translation>
    </message>
    <message>
        <source>Snapshot %1 cannot be read (%2).</source>
        <translation>Não é possível ler o instantâneo %1 (%2).</translation>
    </message>
    <message>
        <source>Velmorwick could not read %1, a copy of its settings a sync program kept (%2). It is left as it is.</source>
        <translation>O Velmorwick não conseguiu ler %1, uma cópia das configurações que um programa de sincronização guardou (%2). Ela fica como está.</translation>
    </message>
    <message>
        <source>Velmorwick could not merge the copies of its settings a sync program kept (%1): %2. They are left as they are.</source>
        <translation>O Velmorwick não conseguiu mesclar as cópias das configurações que um programa de sincronização guardou (%1): %2. Elas ficam como estão.</translation>
    </message>
    <message>
        <source>together they would pass the %1 MB Velmorwick reads</source>
        <translation>juntas elas passariam dos %1 MB que o Velmorwick lê</translation>
    </message>
    <message>
        <source>%1 could not be read again to keep it (%2)</source>
        <translation>não foi possível ler %1 de novo para guardá-lo (%2)</translation>
    </message>
    <message>
        <source>there was no room to keep what it would replace (%1)</source>
        <translation>não havia espaço para guardar o que seria substituído (%1)</translation>
    </message>
    <message>
        <source>the settings file could not be copied aside first (%1)</source>
        <translation>não foi possível copiar à parte antes o arquivo de configurações (%1)</translation>
    </message>
    <message>
        <source>Velmorwick merged %1, a copy of its settings a sync program kept, but could not remove it (%2); it will not be merged again.</source>
        <translation>O Velmorwick mesclou %1, uma cópia das configurações que um programa de sincronização guardou, mas não conseguiu removê-la (%2); ela não será mesclada de novo.</translation>
    </message>
    <message>
        <source>%1, a copy of Velmorwick&apos;s settings a sync program kept, was saved on a computer whose clock is more than a day ahead. Lists you change here from now on still count as saved after it; please set that computer&apos;s clock.</source>
        <translation>%1, uma cópia das configurações do Velmorwick que um programa de sincronização guardou, foi salva num computador cujo relógio está adiantado mais de um dia. As listas que você mudar aqui daqui em diante ainda contam como salvas depois dela; acerte o relógio daquele computador.</translation>
    </message>
    <message>
        <source>%1 looked like a copy of Velmorwick&apos;s settings that a sync program kept, but it holds something else or is damaged, so nothing of it was merged. It is kept whole beside the settings file, in %2, as %3.</source>
        <translation>%1 parecia uma cópia das configurações do Velmorwick que um programa de sincronização guardou, mas contém outra coisa ou está danificada; nada dela foi mesclado. Ela está guardada inteira ao lado do arquivo de configurações, em %2, como %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the private list kept aside on another computer came with its copy of the settings: %n set(s) taken in; velmorwick put-back puts them into the list.</source>
        <translation>
            <numerusform>Linhas da lista privada postas de lado em outro computador vieram com a cópia das configurações dele: %n conjunto recebido; velmorwick put-back as coloca na lista.</numerusform>
            <numerusform>Linhas da lista privada postas de lado em outro computador vieram com a cópia das configurações dele: %n conjuntos recebidos; velmorwick put-back as coloca na lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>At most %1 sets are kept, the newest, as each asks for its password to be tried: the older ones are only in the versions kept beside the settings file.</source>
        <translation>No máximo %1 conjuntos são guardados, os mais novos, pois cada um pede sua senha: os mais antigos ficam só nas versões guardadas ao lado do arquivo de configurações.</translation>
    </message>
    <message numerus="yes">
        <source>%n more copies</source>
        <translation>
            <numerusform>mais %n cópia</numerusform>
            <numerusform>mais %n cópias</numerusform>
        </translation>
    </message>
    <message>
        <source>The versions that lost are kept beside the settings file, in %1.</source>
        <translation>As versões que perderam estão guardadas ao lado do arquivo de configurações, em %1.</translation>
    </message>
    <message>
        <source>Tasks changed on both computers, where the later change stands: %1. velmorwick replaced lists the texts it replaced and puts one back.</source>
        <translation>Tarefas mudadas nos dois computadores, em que vale a mudança mais recente: %1. velmorwick replaced lista os textos substituídos e devolve um.</translation>
    </message>
    <message>
        <source>The version of the private list that lost is kept aside in the settings, encrypted under the password it was saved with: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>A versão da lista privada que perdeu está posta de lado nas configurações, criptografada com a senha com que foi salva: velmorwick put-back coloca as tarefas dela que faltam na lista nas linhas vazias.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: every list here was the later one.</source>
        <translation>Listas foram salvas em dois computadores ao mesmo tempo, e o programa de sincronização guardou as duas versões. O Velmorwick as mesclou, cada tarefa como foi mudada por último e o resto como foi salvo por último: cada lista aqui era a mais recente.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: %1.</source>
        <translation>Listas foram salvas em dois computadores ao mesmo tempo, e o programa de sincronização guardou as duas versões. O Velmorwick as mesclou, cada tarefa como foi mudada por último e o resto como foi salvo por último: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files looked like copies of Velmorwick&apos;s settings that a sync program kept, but hold something else or are damaged, so nothing of them was merged. They are kept whole beside the settings file, in %1, as %2.</source>
        <translation>
            <numerusform>%n arquivo parecia uma cópia das configurações do Velmorwick que um programa de sincronização guardou, mas contém outra coisa ou está danificado; nada dele foi mesclado. Ele está guardado inteiro ao lado do arquivo de configurações, em %1, como %2.</numerusform>
            <numerusform>%n arquivos pareciam cópias das configurações do Velmorwick que um programa de sincronização guardou, mas contêm outra coisa ou estão danificados; nada deles foi mesclado. Eles estão guardados inteiros ao lado do arquivo de configurações, em %1, como %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n versions that lost are kept beside the settings file, in %1.</source>
        <translation>
            <numerusform>A %n versão que perdeu está guardada ao lado do arquivo de configurações, em %1.</numerusform>
            <numerusform>As %n versões que perderam estão guardadas ao lado do arquivo de configurações, em %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 e mais %n</numerusform>
            <numerusform>%1 e mais %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoneWindow</name>
    <message>
        <source>Tarnbook - What I Got Done</source>
        <translation>Tarnbook - O que eu fiz</translation>
    </message>
    <message>
        <source>Days shown</source>
        <translation>Dias mostrados</translation>
    </message>
    <message>
        <source>Tasks done, by day</source>
        <translation>Tarefas feitas, por dia</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message numerus="yes">
        <source>the last %n days</source>
        <translation>
            <numerusform>o último %n dia</numerusform>
            <numerusform>os últimos %n dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListStorage</name>
    <message>
        <source>Task %1 is longer than %2 characters; shorten it to save the list.</source>
        <translation>A tarefa %1 passa de %2 caracteres; encurte-a para salvar a lista.</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tarefas esvaziadas</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
    </message>
</context>
<context>
    <name>LogbookFile</name>
    <message>
        <source>The logbook %1 could not be read.</source>
        <translation>Não foi possível ler o diário %1.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Parte do diário %1 estava danificada e não pôde ser lida; ele está guardado como %2, e um novo continua com o resto.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Parte do diário %1 estava danificada e não pôde ser lida; o resto foi lido.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first, so nothing was taken out of it.</source>
        <translation>O diário deste computador não pôde ser copiado à parte antes; nada foi tirado dele.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written.</source>
        <translation>Não foi possível gravar o diário %1.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>Não foi possível gravar o diário %1 (%2).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmorwick! v3.0</source>
        <translation>Velmorwick! v3.0</translation>
    </message>
    <message>
        <source>Choose number of tasks to begin!</source>
        <translation>Escolha o número de tarefas!</translation>
    </message>
    <message>
        <source>v3.01</source>
        <translation>v3.01</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Clear All Tasks</source>
        <translation>&amp;Limpar todas as tarefas</translation>
    </message>
    <message>
        <source>&amp;Quick Notes</source>
        <translation>Notas &amp;rápidas</translation>
    </message>
    <message>
        <source>Make &amp;Topmost</source>
        <translation>Sempre &amp;na frente</translation>
    </message>
    <message>
        <source>Make &amp;Non-topmost</source>
        <translation>Nã&amp;o sempre na frente</translation>
    </message>
    <message>
        <source>Reset AutoLoad</source>
        <translation>Redefinir AutoLoad</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>My &amp;Private List</source>
        <translation>Minha lista &amp;privada</translation>
    </message>
    <message>
        <source>&amp;View My Private List</source>
        <translation>&amp;Ver minha lista privada</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Trocar senha</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Please select number of tasks</source>
        <translation>Escolha o número de tarefas</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all tasks?</source>
        <translation>Tem certeza de que quer limpar todas as tarefas?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Clear All Tasks</source>
        <translation>Limpar todas as tarefas</translation>
    </message>
    <message>
        <source>The tasks were not cleared.</source>
        <translation>As tarefas não foram limpas.</translation>
    </message>
    <message>
        <source>All Tasks Cleared!</source>
        <translation>Todas as tarefas limpas!</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The reminder could not be switched on again.</source>
        <translation>Não foi possível religar o lembrete.</translation>
    </message>
    <message>
        <source>AutoLoad Window has been reset!</source>
        <translation>A janela AutoLoad foi redefinida!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n tarefa</numerusform>
            <numerusform>%n tarefas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamedList</name>
    <message>
        <source>%1, %2</source>
        <extracomment>Two names of a list in a sentence: the list so far, then the next name.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two texts of a list that may hold commas themselves: the list so far, then the next text.</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>Tarnbook! Quick Note (Main)</source>
        <translation>Tarnbook! Nota rápida (principal)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (2)</source>
        <translation>Tarnbook! Nota rápida (2)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (3)</source>
        <translation>Tarnbook! Nota rápida (3)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (4)</source>
        <translation>Tarnbook! Nota rápida (4)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (End)</source>
        <translation>Tarnbook! Nota rápida (fim)</translation>
    </message>
    <message>
        <source>Clear Current Quicknote</source>
        <translation>Limpar esta nota</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Nova nota</translation>
    </message>
    <message>
        <source>Notes may go behind other windows here: %1. The README&apos;s &quot;Wayland and scaling&quot; tells what to do.</source>
        <translation>Aqui as notas podem ficar atrás de outras janelas: %1. A seção “Wayland and scaling” do README diz o que fazer.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show again</source>
        <translation>&amp;Não mostrar de novo</translation>
    </message>
    <message>
        <source>The notice could not be turned off for good.</source>
        <translation>Não foi possível desligar o aviso de vez.</translation>
    </message>
    <message>
        <source>Do you want to completely exit Tarnbook?</source>
        <translation>Quer sair de vez do Tarnbook?</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Alerta!</translation>
    </message>
</context>
<context>
    <name>PasswordCreateWindow</name>
    <message>
        <source>Create Password</source>
        <translation>Criar senha</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>Re-enter Password</source>
        <translation>Repita a senha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please create your Private List Password</source>
        <translation>Crie a senha da sua lista privada</translation>
    </message>
    <message>
        <source>Passwords are blank or do not match</source>
        <translation>Senhas vazias ou diferentes</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>The password was not saved.</source>
        <translation>A senha não foi salva.</translation>
    </message>
    <message>
        <source>Password Set!</source>
        <translation>Senha definida!</translation>
    </message>
    <message>
        <source>Older copies of your settings (%1: snapshots and copies kept beside them) still open the private list with the earlier password. To take the private list out of them, run: velmorwick snapshots --forget-private. A backup you wrote elsewhere is yours to delete.</source>
        <translation>Cópias mais antigas das suas configurações (%1: instantâneos e cópias guardadas ao lado) ainda abrem a lista privada com a senha anterior. Para tirar a lista privada delas, execute: velmorwick snapshots --forget-private. Um backup que você gravou em outro lugar é você quem apaga.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
</context>
<context>
    <name>PasswordEntryWindow</name>
    <message>
        <source>Enter Password!</source>
        <translation>Digite a senha!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Trocar senha</translation>
    </message>
    <message>
        <source>Please enter your password below!</source>
        <translation>Digite sua senha abaixo!</translation>
    </message>
    <message>
        <source>Wrong password, please try again</source>
        <translation>Senha errada, tente de novo</translation>
    </message>
    <message>
        <source>The stored password cannot be checked: it asks for far more work than Velmorwick ever sets, so the settings file may have been altered.</source>
        <translation>A senha salva não pode ser verificada: ela pede muito mais trabalho do que o Velmorwick jamais define, então o arquivo de configurações pode ter sido alterado.</translation>
    </message>
    <message>
        <source>The password cannot be checked: %1. Nothing was changed.</source>
        <translation>A senha não pode ser verificada: %1. Nada foi mudado.</translation>
    </message>
    <message>
        <source>The private list could not be opened, because it could not be saved encrypted. %1</source>
        <translation>Não foi possível abrir a lista privada, porque ela não pôde ser salva criptografada. %1</translation>
    </message>
    <message>
        <source>Password field cannot be blank</source>
        <translation>A senha não pode ficar em branco</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>The password could not be removed.</source>
        <translation>Não foi possível remover a senha.</translation>
    </message>
</context>
<context>
    <name>PrivateVault</name>
    <message>
        <source>The settings file held private tasks in plain text, where this version of Velmorwick never writes them, so they were not taken into your private list: they are kept aside, encrypted, in the settings (section &quot;%1&quot;).</source>
        <translation>O arquivo de configurações tinha tarefas privadas em texto puro, onde esta versão do Velmorwick nunca as grava, então elas não foram levadas à sua lista privada: estão postas de lado, criptografadas, nas configurações (seção “%1”).</translation>
    </message>
    <message>
        <source>There was not enough memory to protect it.</source>
        <translation>Não havia memória suficiente para protegê-la.</translation>
    </message>
    <message>
        <source>There was not enough memory to protect the list meanwhile.</source>
        <translation>Não havia memória suficiente para proteger a lista nesse meio-tempo.</translation>
    </message>
    <message>
        <source>password change</source>
        <translation>troca de senha</translation>
    </message>
    <message>
        <source>A password was set meanwhile, by another copy of Velmorwick. Open the private list with that password.</source>
        <translation>Nesse meio-tempo uma senha foi definida, por outro Velmorwick. Abra a lista privada com essa senha.</translation>
    </message>
    <message>
        <source>The private list is locked; open it again with the password.</source>
        <translation>A lista privada está trancada; abra-a de novo com a senha.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it has been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list opens empty.</source>
        <translation>Não foi possível ler a lista privada salva: ela foi danificada ou alterada. Ela fica como estava nas configurações (seção “%1”), e a lista abre vazia.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it had been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;).</source>
        <translation>Não foi possível ler a lista privada salva: ela tinha sido danificada ou alterada. Ela fica como estava nas configurações (seção “%1”).</translation>
    </message>
    <message>
        <source>There was no source of randomness to encrypt it with.</source>
        <translation>Não havia fonte de aleatoriedade para criptografá-la.</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere while this list was open (on another computer, in another copy of Velmorwick, or by a restore), so your rows were not saved over the list stored under it.</source>
        <translation>A senha da lista privada foi trocada em outro lugar enquanto esta lista estava aberta (em outro computador, em outro Velmorwick ou por uma restauração), então suas linhas não foram salvas por cima da lista guardada com ela.</translation>
    </message>
    <message>
        <source>They could not be kept aside either: %1 Copy them before you close this window.</source>
        <translation>Elas também não puderam ser postas de lado: %1 Copie-as antes de fechar esta janela.</translation>
    </message>
    <message>
        <source>They are kept aside, encrypted under the password that opened them (section &quot;%1&quot; of the settings). Close this list and open it again with the current password; to put those rows back into it, run: velmorwick put-back.</source>
        <translation>Elas estão postas de lado, criptografadas com a senha que as abriu (seção “%1” das configurações). Feche esta lista e abra-a de novo com a senha atual; para recolocar essas linhas, execute: velmorwick put-back.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>its cryptography library did not start on this system</source>
        <translation>sua biblioteca de criptografia não iniciou neste sistema</translation>
    </message>
    <message>
        <source>The saved private list could not be opened: its key is missing, damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list starts empty.</source>
        <translation>Não foi possível abrir a lista privada salva: sua chave falta, está danificada ou alterada. Ela fica como estava nas configurações (seção “%1”), e a lista começa vazia.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the printer %1 did not accept the job</source>
        <translation>a impressora %1 não aceitou o trabalho</translation>
    </message>
    <message>
        <source>Saved. %1</source>
        <translation>Salvo. %1</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>The folder %1 cannot be used (%2).</source>
        <translation>Não é possível usar a pasta %1 (%2).</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it (%2).</source>
        <translation>%1 foi gravado, mas o disco não confirmou (%2).</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace.</source>
        <translation>%1 é %2, que o Velmorwick não substitui.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>Não foi possível gravar %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>Não é possível ler %1 (%2).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 não existe.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 é %2, não um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes, or grew while it was read.</source>
        <translation>%1 passa de %2 MB, muito mais do que o Velmorwick jamais grava, ou cresceu enquanto era lido.</translation>
    </message>
    <message>
        <source>a Wayland session lets no program keep a window above others or place it</source>
        <translation>uma sessão Wayland não deixa nenhum programa manter uma janela acima das outras nem posicioná-la</translation>
    </message>
    <message>
        <source>the window manager does not keep windows above others</source>
        <translation>o gerenciador de janelas não mantém janelas acima das outras</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>um link</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>%1 is a file Velmorwick keeps for itself.</source>
        <translation>%1 é um arquivo que o Velmorwick mantém para si.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes.</source>
        <translation>%1 passa de %2 MB, muito mais do que o Velmorwick jamais grava.</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: this Wayland session has no X display (Xwayland) and Qt&apos;s Wayland plugin is not installed; install Debian&apos;s xwayland, or qt6-wayland</source>
        <translation>velmorwick não consegue abrir uma janela: esta sessão Wayland não tem tela X (Xwayland) e o plugin Wayland do Qt não está instalado; instale o xwayland ou o qt6-wayland do Debian</translation>
    </message>
    <message>
        <source>velmorwick needs a graphical session (DISPLAY is not set); to try it without one, run: xvfb-run velmorwick, or QT_QPA_PLATFORM=offscreen velmorwick</source>
        <translation>velmorwick precisa de uma sessão gráfica (DISPLAY não está definido); para testá-lo sem uma, execute: xvfb-run velmorwick, ou QT_QPA_PLATFORM=offscreen velmorwick</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland plugin is not installed (Debian&apos;s qt6-wayland)</source>
        <translation>o plugin Wayland do Qt não está instalado (qt6-wayland do Debian)</translation>
    </message>
    <message>
        <source>Qt has no plugin named &quot;%1&quot;</source>
        <translation>o Qt não tem plugin chamado “%1”</translation>
    </message>
    <message>
        <source>the X display %1 could not be opened (is it running, and XAUTHORITY set?)</source>
        <translation>não foi possível abrir a tela X %1 (ela está rodando, e XAUTHORITY está definido?)</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 could not be reached</source>
        <translation>não foi possível alcançar o compositor Wayland %1</translation>
    </message>
    <message>
        <source>no window system plugin of Qt&apos;s could start</source>
        <translation>nenhum plugin de sistema de janelas do Qt conseguiu iniciar</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: QT_QPA_PLATFORM=%1 cannot be used here: %2</source>
        <translation>velmorwick não consegue abrir uma janela: QT_QPA_PLATFORM=%1 não pode ser usado aqui: %2</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: %1</source>
        <translation>velmorwick não consegue abrir uma janela: %1</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>As configurações mudaram nesse meio-tempo; nada foi gravado.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry.</source>
        <translation>Não foi possível gravar as configurações no registro do Windows.</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook (%1); they are saved in their list.</source>
        <translation>As tarefas recém-marcadas não puderam ser gravadas no diário (%1); elas estão salvas na sua lista.</translation>
    </message>
    <message>
        <source>Velmorwick does not keep &quot;%1&quot; in section &quot;%2&quot; of its settings, so nothing was written.</source>
        <translation>O Velmorwick não guarda “%1” na seção “%2” das configurações; nada foi gravado.</translation>
    </message>
    <message>
        <source>This store cannot be copied to a file here.</source>
        <translation>Estas configurações não podem ser copiadas para um arquivo aqui.</translation>
    </message>
    <message>
        <source>This store cannot be restored from a file here.</source>
        <translation>Estas configurações não podem ser restauradas de um arquivo aqui.</translation>
    </message>
    <message>
        <source>This store keeps no snapshots here.</source>
        <translation>Estas configurações não guardam instantâneos aqui.</translation>
    </message>
    <message>
        <source>This system keeps no logbook of tasks done.</source>
        <translation>Este sistema não mantém um diário de tarefas feitas.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>um link simbólico</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>um pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>a file Velmorwick keeps for itself</source>
        <translation>um arquivo que o Velmorwick mantém para si</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>o arquivo ficaria maior do que este sistema permite</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é somente leitura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>a pasta é somente leitura</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>o disco informou um erro</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Velmorwick does not follow</source>
        <translation>é um link simbólico, que o Velmorwick não segue</translation>
    </message>
    <message>
        <source>it is not a folder of yours that only you can open</source>
        <translation>não é uma pasta sua que só você pode abrir</translation>
    </message>
    <message>
        <source>it is an ordinary file, not a folder</source>
        <translation>é um arquivo comum, não uma pasta</translation>
    </message>
    <message>
        <source>it is a pipe, not a folder</source>
        <translation>é um pipe, não uma pasta</translation>
    </message>
    <message>
        <source>it is a device or a socket, not a folder</source>
        <translation>é um dispositivo ou socket, não uma pasta</translation>
    </message>
</context>
<context>
    <name>ReminderWindow</name>
    <message>
        <source>AutoLoad</source>
        <translation>AutoLoad</translation>
    </message>
    <message>
        <source>You can choose to load a list automatically the next time Velmorwick is run?</source>
        <translation>Quer carregar uma lista automaticamente da próxima vez que o Velmorwick abrir?</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again in the future</source>
        <translation>Não me lembrar de novo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your choice could not be saved, so nothing changes at the next start.</source>
        <translation>Não foi possível salvar sua escolha; nada muda na próxima abertura.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>5 Tasks</source>
        <translation>5 tarefas</translation>
    </message>
    <message>
        <source>Replaces each character by its preceeding letter in the aplhabet (a becomes b, f becomes g)</source>
        <translation>Troca cada caractere pela letra anterior do alfabeto (a vira b, f vira g)</translation>
    </message>
    <message>
        <source>10 Tasks</source>
        <translation>10 tarefas</translation>
    </message>
    <message>
        <source>Reverses the text</source>
        <translation>Inverte o texto</translation>
    </message>
    <message>
        <source>13 Tasks</source>
        <translation>13 tarefas</translation>
    </message>
    <message>
        <source>Every 2 consequetive characters switch places</source>
        <translation>Cada 2 caracteres seguidos trocam de lugar</translation>
    </message>
    <message>
        <source>15 Tasks</source>
        <translation>15 tarefas</translation>
    </message>
    <message>
        <source>Every character is mapped to a hidden character and then replaced!</source>
        <translation>Cada caractere é associado a um caractere oculto e depois substituído!</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes it: your saved lists cannot be shown, and nothing can be saved until it is replaced by an ordinary file.</source>
        <translation>O arquivo de configurações %1 é %2, não um arquivo comum. O Velmorwick não o lê nem grava: suas listas salvas não podem ser mostradas, e nada pode ser salvo até ele ser substituído por um arquivo comum.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it was not read: your saved lists cannot be shown, and nothing can be saved until it is moved away.</source>
        <translation>O arquivo de configurações %1 passa de %2 MB, muito mais do que o Velmorwick jamais grava, então não foi lido: suas listas salvas não podem ser mostradas, e nada pode ser salvo até ele ser movido.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2). Your saved lists cannot be shown, and nothing will be saved until the file can be read again.</source>
        <translation>Não é possível ler o arquivo de configurações %1 (%2). Suas listas salvas não podem ser mostradas, e nada será salvo até o arquivo poder ser lido de novo.</translation>
    </message>
</context>
<context>
    <name>TaskListWindow</name>
    <message>
        <source>Today&apos;s Tarnbook!</source>
        <translation>Tarnbook de hoje!</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tarefa %1</translation>
    </message>
    <message>
        <source>Task %1 done</source>
        <translation>Tarefa %1 feita</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Tick all tasks</source>
        <translation>Marcar todas</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erro!</translation>
    </message>
    <message>
        <source>saved over a version from elsewhere</source>
        <translation>salva por cima de uma versão de outro lugar</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tarefas esvaziadas</translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation>A lista não foi salva.</translation>
    </message>
    <message>
        <source>Changed elsewhere meanwhile and replaced by yours: %1. velmorwick replaced lists what they held, and velmorwick replaced --put-back puts one back.</source>
        <translation>Mudadas em outro lugar nesse meio-tempo e substituídas pelas suas: %1. velmorwick replaced lista o que elas tinham, e velmorwick replaced --put-back devolve uma.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept aside in the settings, encrypted under the password it was saved with, before yours replaced it: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>A versão desta lista salva em outro lugar foi posta de lado nas configurações, criptografada com a senha com que foi salva, antes de a sua substituí-la: velmorwick put-back coloca as tarefas dela que faltam na lista nas linhas vazias.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept beside the settings file, as %1, before yours replaced it.</source>
        <translation>A versão desta lista salva em outro lugar foi guardada ao lado do arquivo de configurações, como %1, antes de a sua substituí-la.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept as a snapshot before yours replaced it (velmorwick snapshots lists it).</source>
        <translation>A versão desta lista salva em outro lugar foi guardada como instantâneo antes de a sua substituí-la (velmorwick snapshots a lista).</translation>
    </message>
    <message>
        <source>The saved list could not be cleared; it will come back the next time this list is opened.</source>
        <translation>Não foi possível limpar a lista salva; ela voltará na próxima vez que esta lista for aberta.</translation>
    </message>
    <message>
        <source>This private list was saved elsewhere under another password, which this window cannot open. Save keeps your rows aside, encrypted; then close the list and open it again with the current password.</source>
        <translation>Esta lista privada foi salva em outro lugar com outra senha, que esta janela não consegue abrir. Salvar põe suas linhas de lado, criptografadas; depois feche a lista e abra-a de novo com a senha atual.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (mudada em outro lugar)</translation>
    </message>
    <message>
        <source>The list could not be printed: %1.</source>
        <translation>Não foi possível imprimir a lista: %1.</translation>
    </message>
    <message>
        <source>My Private Tarnbook!</source>
        <translation>Meu Tarnbook privado!</translation>
    </message>
    <message>
        <source>Tarnbook! 3 Tasks</source>
        <translation>Tarnbook! 3 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! Normal Day</source>
        <translation>Tarnbook! Dia normal</translation>
    </message>
    <message>
        <source>Tarnbook! 6 Tasks</source>
        <translation>Tarnbook! 6 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! 7 Tasks</source>
        <translation>Tarnbook! 7 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! 8 Tasks</source>
        <translation>Tarnbook! 8 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! 9 Tasks</source>
        <translation>Tarnbook! 9 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! Busy Day</source>
        <translation>Tarnbook! Dia cheio</translation>
    </message>
    <message>
        <source>Tarnbook! 11 Tasks</source>
        <translation>Tarnbook! 11 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! 12 Tasks</source>
        <translation>Tarnbook! 12 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! 13 Tasks</source>
        <translation>Tarnbook! 13 tarefas</translation>
    </message>
    <message>
        <source>Tarnbook! 14 Tasks...</source>
        <translation>Tarnbook! 14 tarefas...</translation>
    </message>
    <message>
        <source>Tarnbook! Really Busy Day...</source>
        <translation>Tarnbook! Dia muito cheio...</translation>
    </message>
</context>
<context>
    <name>addcommand</name>
    <message>
        <source>a task needs some text</source>
        <translation>uma tarefa precisa de algum texto</translation>
    </message>
    <message>
        <source>a task is one line, without line breaks or control characters</source>
        <translation>uma tarefa é uma linha, sem quebras de linha nem caracteres de controle</translation>
    </message>
    <message>
        <source>a task is at most %1 characters</source>
        <translation>uma tarefa tem no máximo %1 caracteres</translation>
    </message>
    <message>
        <source>%1; nothing was added.</source>
        <translation>%1; nada foi adicionado.</translation>
    </message>
    <message>
        <source>no list opens at start to add to; name one with --list N (3, or 5 to 15).</source>
        <translation>nenhuma lista abre na inicialização para receber tarefas; indique uma com --list N (3, ou 5 a 15).</translation>
    </message>
    <message>
        <source>there is no %1-task list; the lists have 3, or 5 to 15 tasks.</source>
        <translation>não existe lista de %1 tarefas; as listas têm 3, ou 5 a 15 tarefas.</translation>
    </message>
    <message>
        <source>the %1-task list is full; nothing was added.</source>
        <translation>a lista de %1 tarefas está cheia; nada foi adicionado.</translation>
    </message>
    <message>
        <source>the %1-task list has room for %2 more; nothing was added.</source>
        <translation>a lista de %1 tarefas só tem espaço para mais %2; nada foi adicionado.</translation>
    </message>
    <message>
        <source>%1 Nothing was added.</source>
        <translation>%1 Nada foi adicionado.</translation>
    </message>
    <message>
        <source>the %1-task list kept changing meanwhile; nothing was added.</source>
        <translation>a lista de %1 tarefas não parava de mudar; nada foi adicionado.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Tarnbook, a small to-do list: today&apos;s tasks, a private list and quick notes. Started without options, it opens its windows.</source>
        <translation>Tarnbook, uma pequena lista de tarefas: as tarefas de hoje, uma lista privada e notas rápidas. Iniciado sem opções, ele abre suas janelas.</translation>
    </message>
    <message>
        <source>export: text or json; done: text, json or csv.</source>
        <translation>export: text ou json; done: text, json ou csv.</translation>
    </message>
    <message>
        <source>done: the last N days (7 if not given).</source>
        <translation>done: os últimos N dias (7 se não for dado).</translation>
    </message>
    <message>
        <source>done: from this day on.</source>
        <translation>done: a partir deste dia.</translation>
    </message>
    <message>
        <source>done: take the tasks done before this day away.</source>
        <translation>done: tirar as tarefas feitas antes deste dia.</translation>
    </message>
    <message>
        <source>done: the tasks unticked again too.</source>
        <translation>done: também as tarefas desmarcadas depois.</translation>
    </message>
    <message>
        <source>export: the private list too (asks for its password).</source>
        <translation>export: também a lista privada (pede a senha dela).</translation>
    </message>
    <message>
        <source>restore: this snapshot (see velmorwick snapshots).</source>
        <translation>restore: este instantâneo (veja velmorwick snapshots).</translation>
    </message>
    <message>
        <source>add: the list with N tasks (3, or 5 to 15).</source>
        <translation>add: a lista de N tarefas (3, ou 5 a 15).</translation>
    </message>
    <message>
        <source>snapshots: take the private list out of the copies an older password opens.</source>
        <translation>snapshots: tirar a lista privada das cópias que uma senha antiga abre.</translation>
    </message>
    <message>
        <source>replaced: put task N back (see velmorwick replaced).</source>
        <translation>replaced: devolver a tarefa N (veja velmorwick replaced).</translation>
    </message>
    <message>
        <source>add, export, import, backup, restore, snapshots, put-back, replaced or done.</source>
        <translation>add, export, import, backup, restore, snapshots, put-back, replaced ou done.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Comando desconhecido: %1</translation>
    </message>
    <message>
        <source>argument %1 is not text in this system&apos;s encoding; nothing was added.</source>
        <translation>o argumento %1 não é texto na codificação deste sistema; nada foi adicionado.</translation>
    </message>
    <message>
        <source>--format and --private belong to export, --snapshot to restore, --list to add, --forget-private to snapshots, --put-back to replaced (see velmorwick --help)</source>
        <translation>--format e --private são de export, --snapshot de restore, --list de add, --forget-private de snapshots, --put-back de replaced (veja velmorwick --help)</translation>
    </message>
    <message>
        <source>--forget-before takes a day as YYYY-MM-DD, not %1</source>
        <translation>--forget-before espera um dia como AAAA-MM-DD, não %1</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1</source>
        <translation>--days espera um número de dias a partir de 1</translation>
    </message>
    <message>
        <source>--since takes a day as YYYY-MM-DD, not %1</source>
        <translation>--since espera um dia como AAAA-MM-DD, não %1</translation>
    </message>
    <message>
        <source>--put-back takes a number from 1 (see velmorwick replaced)</source>
        <translation>--put-back espera um número a partir de 1 (veja velmorwick replaced)</translation>
    </message>
    <message>
        <source>--snapshot takes a number from 1, or a time as YYYY-MM-DD HH:MM:SS (see velmorwick snapshots)</source>
        <translation>--snapshot espera um número a partir de 1, ou um horário como AAAA-MM-DD HH:MM:SS (veja velmorwick snapshots)</translation>
    </message>
    <message>
        <source>--list takes the number of tasks of a list: 3, or 5 to 15</source>
        <translation>--list espera o número de tarefas de uma lista: 3, ou 5 a 15</translation>
    </message>
    <message>
        <source>no snapshot was kept at %1 (see velmorwick snapshots)</source>
        <translation>nenhum instantâneo foi guardado às %1 (veja velmorwick snapshots)</translation>
    </message>
</context>
<context>
    <name>datacommands</name>
    <message>
        <source>the private list has no password yet</source>
        <translation>a lista privada ainda não tem senha</translation>
    </message>
    <message>
        <source>Password of the private list: </source>
        <translation>Senha da lista privada: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>nenhuma senha foi dada</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>senha errada</translation>
    </message>
    <message>
        <source>the private list could not be saved encrypted: %1</source>
        <translation>não foi possível salvar a lista privada criptografada: %1</translation>
    </message>
    <message>
        <source>the password cannot be checked: %1</source>
        <translation>a senha não pode ser verificada: %1</translation>
    </message>
    <message>
        <source>the stored password asks for far more work than Velmorwick ever sets</source>
        <translation>a senha salva pede muito mais trabalho do que o Velmorwick jamais define</translation>
    </message>
    <message>
        <source>export writes to one file at most</source>
        <translation>export grava em no máximo um arquivo</translation>
    </message>
    <message>
        <source>the format is text or json, not %1</source>
        <translation>o formato é text ou json, não %1</translation>
    </message>
    <message>
        <source>%1; nothing was exported.</source>
        <translation>%1; nada foi exportado.</translation>
    </message>
    <message>
        <source>the lists could not be written to the standard output</source>
        <translation>não foi possível gravar as listas na saída padrão</translation>
    </message>
    <message>
        <source>%1 Nothing was exported.</source>
        <translation>%1 Nada foi exportado.</translation>
    </message>
    <message>
        <source>import takes the one file to import</source>
        <translation>import recebe o único arquivo a importar</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Nada foi importado.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported.</source>
        <translation>%1: %2; nada foi importado.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importação</translation>
    </message>
    <message>
        <source>%1 holds the private list, but %2; nothing was imported.</source>
        <translation>%1 contém a lista privada, mas %2; nada foi importado.</translation>
    </message>
    <message>
        <source>Imported 1 list from %1.</source>
        <translation>1 lista importada de %1.</translation>
    </message>
    <message>
        <source>backup takes the one file to write</source>
        <translation>backup recebe o único arquivo a gravar</translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation>Backup gravado em %1.</translation>
    </message>
    <message>
        <source>restore --snapshot N takes no file</source>
        <translation>restore --snapshot N não recebe arquivo</translation>
    </message>
    <message>
        <source>restore takes the one backup to restore</source>
        <translation>restore recebe o único backup a restaurar</translation>
    </message>
    <message>
        <source>snapshot %1 (%2)</source>
        <translation>instantâneo %1 (%2)</translation>
    </message>
    <message>
        <source>%1 The store was left as it was.</source>
        <translation>%1 As configurações ficaram como estavam.</translation>
    </message>
    <message>
        <source>the logbook at the end of %1 is damaged; the store was left as it was.</source>
        <translation>o diário no fim de %1 está danificado; as configurações ficaram como estavam.</translation>
    </message>
    <message>
        <source>The logbook in the backup could not be added (%1); the lists were restored.</source>
        <translation>Não foi possível adicionar o diário do backup (%1); as listas foram restauradas.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>%1 restaurado.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2, and as snapshot 1.</source>
        <translation>%1 restaurado; as configurações que ele substituiu estão guardadas como %2, e como instantâneo 1.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2.</source>
        <translation>%1 restaurado; as configurações que ele substituiu estão guardadas como %2.</translation>
    </message>
    <message>
        <source>No snapshot or kept copy opens the private list with an older password.</source>
        <translation>Nenhum instantâneo ou cópia guardada abre a lista privada com uma senha antiga.</translation>
    </message>
    <message>
        <source>The private list was taken out of 1 older copy (a snapshot or kept copy); its day lists stay.</source>
        <translation>A lista privada foi tirada de 1 cópia mais antiga (um instantâneo ou cópia guardada); as listas do dia dela ficam.</translation>
    </message>
    <message>
        <source>snapshots takes no file</source>
        <translation>snapshots não recebe arquivo</translation>
    </message>
    <message>
        <source>No snapshots yet: one is kept before each step that takes text away.</source>
        <translation>Ainda não há instantâneos: um é guardado antes de cada etapa que tira texto.</translation>
    </message>
    <message>
        <source>Named after a time to come (kept while this computer&apos;s clock was wrong):</source>
        <translation>Com nome de um horário futuro (guardados quando o relógio deste computador estava errado):</translation>
    </message>
    <message>
        <source>%1  %2  %3: %4</source>
        <translation>%1  %2  %3: %4</translation>
    </message>
    <message>
        <source>the same as now</source>
        <translation>igual a agora</translation>
    </message>
    <message>
        <source>differs in %1</source>
        <translation>difere em %1</translation>
    </message>
    <message>
        <source>put-back takes no file</source>
        <translation>put-back não recebe arquivo</translation>
    </message>
    <message>
        <source>No rows of the private list are kept aside.</source>
        <translation>Nenhuma linha da lista privada está posta de lado.</translation>
    </message>
    <message>
        <source>The private list could not be opened: %1.</source>
        <translation>Não foi possível abrir a lista privada: %1.</translation>
    </message>
    <message>
        <source>Password the kept rows were typed under: </source>
        <translation>Senha com que as linhas guardadas foram digitadas: </translation>
    </message>
    <message>
        <source>Put 1 row back into the private list.</source>
        <translation>1 linha devolvida à lista privada.</translation>
    </message>
    <message>
        <source>Some kept rows stay aside: the password does not open them, or the list has not enough empty rows for them.</source>
        <translation>Algumas linhas guardadas continuam de lado: a senha não as abre, ou a lista não tem linhas vazias suficientes.</translation>
    </message>
    <message>
        <source>replaced takes no file</source>
        <translation>replaced não recebe arquivo</translation>
    </message>
    <message>
        <source>No task was replaced by a merge.</source>
        <translation>Nenhuma tarefa foi substituída por uma mesclagem.</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>limpa</translation>
    </message>
    <message>
        <source>replaced by &quot;%1&quot;</source>
        <translation>substituída por “%1”</translation>
    </message>
    <message>
        <source>%1  %2  the %3-task list, task %4: &quot;%5&quot;%6 %7</source>
        <translation>%1  %2  a lista de %3 tarefas, tarefa %4: “%5”%6 %7</translation>
    </message>
    <message>
        <source> (ticked)</source>
        <translation> (marcada)</translation>
    </message>
    <message>
        <source>There is no replaced task %1 (see velmorwick replaced).</source>
        <translation>Não há tarefa substituída %1 (veja velmorwick replaced).</translation>
    </message>
    <message>
        <source>The list changed meanwhile; nothing was changed. Try again.</source>
        <translation>A lista mudou nesse meio-tempo; nada foi mudado. Tente de novo.</translation>
    </message>
    <message>
        <source>Put back into the %1-task list as task %2.</source>
        <translation>Devolvida à lista de %1 tarefas como tarefa %2.</translation>
    </message>
    <message>
        <source>done takes no file</source>
        <translation>done não recebe arquivo</translation>
    </message>
    <message>
        <source>--days and --since cannot go together</source>
        <translation>--days e --since não vão juntos</translation>
    </message>
    <message>
        <source>--forget-before goes alone</source>
        <translation>--forget-before vai sozinho</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs.</source>
        <translation>As tarefas feitas antes de %1 foram tiradas do diário, em cada computador ao sincronizar.</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs; this computer&apos;s logbook as it was is kept as %2.</source>
        <translation>As tarefas feitas antes de %1 foram tiradas do diário, em cada computador ao sincronizar; o diário deste computador como estava está guardado como %2.</translation>
    </message>
    <message>
        <source>Added to the %1-task list as task %2.</source>
        <translation>Adicionada à lista de %1 tarefas como tarefa %2.</translation>
    </message>
    <message>
        <source>Commands (no display needed; safe while the windows are open):
  add [--list N] [--] TEXT...
                    Each TEXT a task in the first empty rows of the N-task
                    list (3, or 5 to 15; without --list, the list that opens
                    at start), in one write: all or none. Open windows show
                    them. Put -- before a TEXT that starts with a dash.
  add [--list N]    Without a TEXT, on a display: the Add a Task window.
  export [--format text|json] [--private] [FILE]
                    Every saved day list, as a checklist or JSON, to FILE or
                    the standard output; --private adds the private list once
                    its password is typed.
  import FILE       Replaces the lists a JSON file from export names, in one
                    write; a file with anything wrong in it changes nothing.
  backup FILE       Writes a copy of everything Velmorwick keeps to FILE,
                    readable by you alone.
  restore FILE      Puts a backup in place of everything Velmorwick keeps;
                    what it replaces is kept beside it (the last 5) and as a
                    snapshot.
  snapshots         Lists the snapshots kept before each step that took text
                    away (Clear List, Clear All Tasks, a save that emptied
                    tasks, import, restore, a password change) and at the
                    first save of a day: newest first, numbered from 1.
  snapshots --forget-private
                    Takes the private list out of the snapshots and kept
                    copies that an older password still opens (after a
                    password change); their day lists stay.
  put-back          Puts private rows kept aside (a Save while the password
                    was changed elsewhere, a version that lost a merge)
                    back into the private list&apos;s empty rows, those it
                    lacks; asks for the password now, then the one they
                    were typed under.
  replaced          Lists the tasks a merge replaced (the same task changed on
                    two computers; the later change stands), newest first.
  replaced --put-back N
                    Puts task N of that list back: into its row if that is
                    empty or unchanged since, otherwise the first empty row.
  done [--days N | --since YYYY-MM-DD] [--all] [--format text|json|csv]
                    The tasks ticked and saved on every computer, by day,
                    newest first: the last 7 days, or N, or since a day;
                    --all adds those unticked again, marked.
  done --window     The same in a window, What I Got Done (needs a display).
  done --forget-before YYYY-MM-DD
                    Takes the tasks done before that day out of the logbook
                    on every computer; this computer&apos;s as it was is kept.
  restore --snapshot N
                    Puts snapshot N back; the store it replaces is kept as a
                    snapshot in its turn, so a restore can be taken back.
</source>
        <translation>Comandos (sem tela; seguros com as janelas abertas):
  add [--list N] [--] TEXTO...
                    Cada TEXTO, uma tarefa nas primeiras linhas vazias da
                    lista de N tarefas (3, ou 5 a 15; sem --list, a lista que
                    abre na inicialização), numa só gravação: todas ou
                    nenhuma. As janelas abertas as mostram. Ponha -- antes de
                    um TEXTO que começa com hífen.
  add [--list N]    Sem TEXTO, com tela: a janela Adicionar uma tarefa.
  export [--format text|json] [--private] [ARQUIVO]
                    Cada lista do dia salva, como checklist ou JSON, em
                    ARQUIVO ou na saída padrão; --private acrescenta a lista
                    privada quando a senha dela é digitada.
  import ARQUIVO    Substitui as listas que um arquivo JSON do export nomeia,
                    numa só gravação; um arquivo com algum erro não muda nada.
  backup ARQUIVO    Grava em ARQUIVO uma cópia de tudo o que o Velmorwick
                    guarda, legível só por você.
  restore ARQUIVO   Põe um backup no lugar de tudo o que o Velmorwick guarda;
                    o que ele substitui fica guardado ao lado (os últimos 5)
                    e como instantâneo.
  snapshots         Lista os instantâneos guardados antes de cada etapa que
                    tirou texto (Limpar lista, Limpar todas as tarefas, um
                    salvamento que esvaziou tarefas, import, restore, uma
                    troca de senha) e no primeiro salvamento do dia: do mais
                    novo, numerados a partir de 1.
  snapshots --forget-private
                    Tira a lista privada dos instantâneos e cópias guardadas
                    que uma senha antiga ainda abre (após uma troca de senha);
                    as listas do dia deles ficam.
  put-back          Devolve as linhas privadas postas de lado (um salvamento
                    enquanto a senha era trocada em outro lugar, uma versão
                    que perdeu uma mesclagem) às linhas vazias da lista
                    privada, as que faltam nela; pede a senha atual e depois
                    aquela com que foram digitadas.
  replaced          Lista as tarefas que uma mesclagem substituiu (a mesma
                    tarefa mudada em dois computadores; vale a mudança mais
                    recente), da mais nova.
  replaced --put-back N
                    Devolve a tarefa N dessa lista: à sua linha se ela estiver
                    vazia ou inalterada, senão à primeira linha vazia.
  done [--days N | --since AAAA-MM-DD] [--all] [--format text|json|csv]
                    As tarefas marcadas e salvas em cada computador, por dia,
                    da mais nova: os últimos 7 dias, ou N, ou desde um dia;
                    --all acrescenta as desmarcadas depois, indicadas.
  done --window     O mesmo numa janela, O que eu fiz (precisa de tela).
  done --forget-before AAAA-MM-DD
                    Tira do diário as tarefas feitas antes desse dia em cada
                    computador; o deste computador é guardado antes.
  restore --snapshot N
                    Devolve o instantâneo N; as configurações que ele
                    substitui ficam guardadas como instantâneo, para que a
                    restauração possa ser desfeita.
</translation>
    </message>
    <message>
        <source>--private belongs to export</source>
        <translation>--private é de export</translation>
    </message>
    <message>
        <source>done --format takes text, json or csv</source>
        <translation>done --format espera text, json ou csv</translation>
    </message>
    <message>
        <source>--format belongs to export and done</source>
        <translation>--format é de export e done</translation>
    </message>
    <message>
        <source>--days, --since, --all and --forget-before belong to done</source>
        <translation>--days, --since, --all e --forget-before são de done</translation>
    </message>
    <message>
        <source>--snapshot belongs to restore</source>
        <translation>--snapshot é de restore</translation>
    </message>
    <message>
        <source>--list belongs to add</source>
        <translation>--list é de add</translation>
    </message>
    <message>
        <source>--forget-private belongs to snapshots</source>
        <translation>--forget-private é de snapshots</translation>
    </message>
    <message>
        <source>--put-back belongs to replaced</source>
        <translation>--put-back é de replaced</translation>
    </message>
    <message>
        <source>add takes the text of each task to add (without one it opens a window, which needs a display)</source>
        <translation>add recebe o texto de cada tarefa a adicionar (sem ele abre uma janela, que precisa de tela)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n lists from %1.</source>
        <translation>
            <numerusform>%n lista importada de %1.</numerusform>
            <numerusform>%n listas importadas de %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The private list was taken out of %n older copies (snapshots and kept copies); their day lists stay.</source>
        <translation>
            <numerusform>A lista privada foi tirada de %n cópia mais antiga (instantâneo ou cópia guardada); as listas do dia dela ficam.</numerusform>
            <numerusform>A lista privada foi tirada de %n cópias mais antigas (instantâneos e cópias guardadas); as listas do dia delas ficam.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n rows back into the private list.</source>
        <translation>
            <numerusform>%n linha devolvida à lista privada.</numerusform>
            <numerusform>%n linhas devolvidas à lista privada.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>donecommand</name>
    <message>
        <source>%1-task list</source>
        <translation>lista de %1 tarefas</translation>
    </message>
    <message>
        <source>Nothing done since %1.</source>
        <translation>Nada feito desde %1.</translation>
    </message>
    <message>
        <source> (unticked again)</source>
        <translation> (desmarcada depois)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing done in the last %n days.</source>
        <translation>
            <numerusform>Nada feito no último %n dia.</numerusform>
            <numerusform>Nada feito nos últimos %n dias.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keptrows</name>
    <message>
        <source>kept rows put back</source>
        <translation>linhas guardadas devolvidas</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere meanwhile; open it with the current password and try again.</source>
        <translation>A senha da lista privada foi trocada em outro lugar nesse meio-tempo; abra-a com a senha atual e tente de novo.</translation>
    </message>
</context>
<context>
    <name>listexchange</name>
    <message>
        <source>Private list (%1 tasks)</source>
        <translation>Lista privada (%1 tarefas)</translation>
    </message>
    <message>
        <source>%1 tasks</source>
        <translation>%1 tarefas</translation>
    </message>
    <message>
        <source>%1 (%2 tasks)</source>
        <translation>%1 (%2 tarefas)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>%1: half a UTF-16 pair (%2) with no other half, which no text can hold</source>
        <translation>%1: meio par UTF-16 (%2) sem a outra metade, que nenhum texto pode conter</translation>
    </message>
    <message>
        <source>%1: not valid JSON (%2)</source>
        <translation>%1: JSON inválido (%2)</translation>
    </message>
    <message>
        <source>the top: not a list file of Velmorwick (&quot;format&quot; must be &quot;%1&quot;)</source>
        <translation>o topo: não é um arquivo de listas do Velmorwick (“format” deve ser “%1”)</translation>
    </message>
    <message>
        <source>version: only version %1 is known</source>
        <translation>version: só a versão %1 é conhecida</translation>
    </message>
    <message>
        <source>lists: must be an array</source>
        <translation>lists: deve ser um array</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1: deve ser um objeto</translation>
    </message>
    <message>
        <source>%1.private: must be true or false</source>
        <translation>%1.private: deve ser true ou false</translation>
    </message>
    <message>
        <source>%1.tasks: the private list has %2 tasks</source>
        <translation>%1.tasks: a lista privada tem %2 tarefas</translation>
    </message>
    <message>
        <source>%1.tasks: there is no list of %2 tasks (3, or 5 to 15)</source>
        <translation>%1.tasks: não existe lista de %2 tarefas (3, ou 5 a 15)</translation>
    </message>
    <message>
        <source>%1: the same list a second time</source>
        <translation>%1: a mesma lista uma segunda vez</translation>
    </message>
    <message>
        <source>%1.rows: must be an array of exactly %2 rows</source>
        <translation>%1.rows: deve ser um array de exatamente %2 linhas</translation>
    </message>
    <message>
        <source>%1.text: must be a string</source>
        <translation>%1.text: deve ser uma string</translation>
    </message>
    <message>
        <source>%1.text: longer than %2 characters</source>
        <translation>%1.text: mais de %2 caracteres</translation>
    </message>
    <message>
        <source>%1.done: must be true or false</source>
        <translation>%1.done: deve ser true ou false</translation>
    </message>
</context>
<context>
    <name>replacedrecord</name>
    <message>
        <source>The %1-task list has no empty row for it; nothing was changed.</source>
        <translation>A lista de %1 tarefas não tem linha vazia para ela; nada foi mudado.</translation>
    </message>
    <message>
        <source>put back a replaced task</source>
        <translation>devolver uma tarefa substituída</translation>
    </message>
</context>
<context>
    <name>sealing</name>
    <message>
        <source>there was not enough memory to derive its key (it takes %1 MiB)</source>
        <translation>não havia memória suficiente para derivar sua chave (são precisos %1 MiB)</translation>
    </message>
</context>
<context>
    <name>storemerge</name>
    <message>
        <source>the %1-task list, task %2</source>
        <translation>a lista de %1 tarefas, tarefa %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>the %1-task list</source>
        <translation>a lista de %1 tarefas</translation>
    </message>
    <message>
        <source>the private list and its password</source>
        <translation>a lista privada e sua senha</translation>
    </message>
    <message>
        <source>the list to open at start</source>
        <translation>a lista que abre na inicialização</translation>
    </message>
    <message>
        <source>the reminder&apos;s switch</source>
        <translation>o interruptor do lembrete</translation>
    </message>
    <message>
        <source>the quick notes&apos; notice</source>
        <translation>o aviso das notas rápidas</translation>
    </message>
</context>
</TS>
