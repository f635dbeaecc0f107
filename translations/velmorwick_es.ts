<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmorwick</source>
        <translation>Acerca de Velmorwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
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
        <translation>Contacto</translation>
    </message>
    <message>
        <source>E-mail: tamsin@velmorwick.example
Support: help@velmorwick.example
Web: www.velmorwick.example
More programs: www.velmorwick.example/programs
Join our mailing list to hear of new versions first!</source>
        <translation>Correo: tamsin@velmorwick.example
Soporte: help@velmorwick.example
Web: www.velmorwick.example
Más programas: www.velmorwick.example/programs
¡Suscríbase para saber de nuevas versiones!</translation>
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
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Also from Velmorwick: Quillmark, the pocket notebook that remembers where you left off. Free to try!</source>
        <translation>También de Velmorwick: Quillmark, el cuaderno de bolsillo que recuerda dónde lo dejó. ¡Pruébelo gratis!</translation>
    </message>
    <message>
        <source>http://www.velmorwick.example/quillmark/</source>
        <translation>http://www.velmorwick.example/quillmark/</translation>
    </message>
    <message>
        <source>Quillmark&apos;s web address</source>
        <translation>Dirección web de Quillmark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
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
        <translation>Añadir una tarea</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>&amp;Tarea:</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n tarea</numerusform>
            <numerusform>%n tareas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfFileStore</name>
    <message>
        <source>The settings file %1 could not be written (%2).</source>
        <translation>No se pudo escribir el archivo de ajustes %1 (%2).</translation>
    </message>
    <message>
        <source>The disk did not confirm that %1 was written (%2); it may be lost if the computer stops now.</source>
        <translation>El disco no confirmó que %1 se escribiera (%2); puede perderse si el equipo se apaga ahora.</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace, so nothing was written.</source>
        <translation>%1 es %2, que Velmorwick no reemplaza; no se escribió nada.</translation>
    </message>
    <message>
        <source>Another program replaced %1 while Velmorwick wrote it (a sync program may be busy with it), so nothing was written. Please try again in a moment.</source>
        <translation>Otro programa reemplazó %1 mientras Velmorwick lo escribía (quizá un programa de sincronización); no se escribió nada. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The folder %1 can be opened by other users, and Velmorwick leaves it as it is because it is shared or reached through a link: they may be able to remove or replace your settings there.</source>
        <translation>Otros usuarios pueden abrir la carpeta %1, y Velmorwick la deja como está porque es compartida o se llega a ella por un enlace: podrían borrar o reemplazar allí sus ajustes.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside. Nothing will be written to it until it is mended or removed.</source>
        <translation>El archivo de ajustes %1 está dañado y no se pudo copiar aparte. No se escribirá nada en él hasta que se repare o se quite.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created (%2).</source>
        <translation>No se pudo crear la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>Another copy of Velmorwick is still writing the settings file %1. Please try again in a moment.</source>
        <translation>Otro Velmorwick sigue escribiendo el archivo de ajustes %1. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings file in it cannot be written.</source>
        <translation>La carpeta %1 es de solo lectura; no se puede escribir el archivo de ajustes que contiene.</translation>
    </message>
    <message>
        <source>its lock file cannot be used: %1</source>
        <translation>su archivo de bloqueo no se puede usar: %1</translation>
    </message>
    <message>
        <source>The version of the private list saved elsewhere could not be kept beside the settings file (%1), so nothing was written.</source>
        <translation>La versión de la lista privada guardada en otro sitio no se pudo conservar junto al archivo de ajustes (%1); no se escribió nada.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so nothing was written to it.</source>
        <translation>El archivo de ajustes %1 es de solo lectura; no se escribió nada en él.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside, so nothing was written to it.</source>
        <translation>El archivo de ajustes %1 está dañado y no se pudo copiar aparte; no se escribió nada en él.</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>Los ajustes cambiaron mientras tanto; no se escribió nada.</translation>
    </message>
    <message>
        <source>The settings file would grow past %1 MB, more than Velmorwick reads back, so nothing was written.</source>
        <translation>El archivo de ajustes superaría los %1 MB, más de lo que Velmorwick vuelve a leer; no se escribió nada.</translation>
    </message>
    <message>
        <source>The version saved elsewhere could not be kept first, as a snapshot (%1) or beside the settings file (%2), so nothing was written.</source>
        <translation>La versión guardada en otro sitio no se pudo conservar antes, ni como instantánea (%1) ni junto al archivo de ajustes (%2); no se escribió nada.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 es %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than any settings file.</source>
        <translation>%1 supera los %2 MB, mucho más que cualquier archivo de ajustes.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>No se puede leer %1 (%2).</translation>
    </message>
    <message>
        <source>it holds no settings of Velmorwick</source>
        <translation>no contiene ajustes de Velmorwick</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>no es texto en UTF-8</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>%1 is not a settings file of Velmorwick (%2); the store was left as it was.</source>
        <translation>%1 no es un archivo de ajustes de Velmorwick (%2); los ajustes quedaron como estaban.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be copied aside (%2), so it was not replaced.</source>
        <translation>No se pudo copiar aparte el archivo de ajustes %1 (%2); no se reemplazó.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauración</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook %1 (%2); they are saved in their list.</source>
        <translation>Las tareas recién marcadas no se pudieron escribir en el registro %1 (%2); están guardadas en su lista.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be read (%2).</source>
        <translation>No se pudo leer el registro %1 (%2).</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Parte del registro %1 estaba dañada y no se pudo leer; se conserva como %2, y uno nuevo sigue con el resto.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Parte del registro %1 estaba dañada y no se pudo leer; el resto sí.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first (%1), so nothing was taken out of it.</source>
        <translation>El registro de este equipo no se pudo copiar aparte antes (%1); no se quitó nada de él.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>No se pudo escribir el registro %1 (%2).</translation>
    </message>
    <message>
        <source>The private list could not be taken out of %1.</source>
        <translation>No se pudo quitar la lista privada de %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: some of it could not be read. A copy of it was kept as %2. Velmorwick goes on with what it could read.</source>
        <translation>El archivo de ajustes %1 está dañado: parte no se pudo leer. Se conservó una copia como %2. Velmorwick sigue con lo que pudo leer.</translation>
    </message>
    <message>
        <source>The settings file %1 holds entries Velmorwick cannot write back exactly as they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 before anything in it is changed.</source>
        <translation>El archivo de ajustes %1 tiene entradas que Velmorwick no puede volver a escribir tal cual (editadas a mano o no en UTF-8). Se conservó una copia como %2 antes de cambiar nada en él.</translation>
    </message>
    <message>
        <source>it is %1, not an ordinary file</source>
        <translation>es %1, no un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than any settings file</source>
        <translation>supera a cualquier archivo de ajustes</translation>
    </message>
    <message>
        <source>a password change is half done, and its key is never kept</source>
        <translation>un cambio de contraseña quedó a medias, y su clave nunca se conserva</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tareas vaciadas</translation>
    </message>
    <message>
        <source>first save of the day</source>
        <translation>primer guardado del día</translation>
    </message>
    <message>
        <source>The snapshot %1 is named after a time more than a day after this computer&apos;s clock: either the clock was ahead when it was kept, or it is behind now. It is kept, and not counted as today&apos;s.</source>
        <translation>La instantánea %1 lleva una hora más de un día posterior al reloj de este equipo: o el reloj iba adelantado cuando se guardó, o ahora va atrasado. Se conserva y no cuenta como la de hoy.</translation>
    </message>
    <message>
        <source>Velmorwick could not keep a snapshot of its settings before this step (%1). The step went on without one; each later step tries again, and you are told again only when a step cannot go on without one.</source>
        <translation>Velmorwick no pudo conservar una instantánea de sus ajustes antes de este paso (%1). El paso siguió sin ella; cada paso posterior lo vuelve a intentar, y solo se le avisará de nuevo cuando un paso no pueda seguir sin ella.</translation>
    </message>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(no se puede leer: %1)</translation>
    </message>
    <message>
        <source>There are no snapshots.</source>
        <translation>No hay instantáneas.</translation>
    </message>
    <message>
        <source>There is no snapshot %1; they are numbered 1 to %2.</source>
        <translation>No existe la instantánea %1; están numeradas del 1 al %2.</translation>
    </message>
    <message>
        <source>Snapshot %1 cannot be read (%2).</source>
        <translation>No se puede leer la instantánea %1 (%2).</translation>
    </message>
    <message>
        <source>Velmorwick could not read %1, a copy of its settings a sync program kept (%2). It is left as it is.</source>
        <translation>Velmorwick no pudo leer %1, una copia de sus ajustes que guardó un programa de sincronización (%2). Se deja como está.</translation>
    </message>
    <message>
        <source>Velmorwick could not merge the copies of its settings a sync program kept (%1): %2. They are left as they are.</source>
        <translation>Velmorwick no pudo combinar las copias de sus ajustes que guardó un programa de sincronización (%1): %2. Se dejan como están.</translation>
    </message>
    <message>
        <source>together they would pass the %1 MB Velmorwick reads</source>
        <translation>juntas superarían los %1 MB que lee Velmorwick</translation>
    </message>
    <message>
        <source>%1 could not be read again to keep it (%2)</source>
        <translation>no se pudo volver a leer %1 para conservarlo (%2)</translation>
    </message>
    <message>
        <source>there was no room to keep what it would replace (%1)</source>
        <translation>no había espacio para conservar lo que se reemplazaría (%1)</translation>
    </message>
    <message>
        <source>the settings file could not be copied aside first (%1)</source>
        <translation>no se pudo copiar aparte antes el archivo de ajustes (%1)</translation>
    </message>
    <message>
        <source>Velmorwick merged %1, a copy of its settings a sync program kept, but could not remove it (%2); it will not be merged again.</source>
        <translation>Velmorwick combinó %1, una copia de sus ajustes que guardó un programa de sincronización, pero no pudo quitarla (%2); no se volverá a combinar.</translation>
    </message>
    <message>
        <source>%1, a copy of Velmorwick&apos;s settings a sync program kept, was saved on a computer whose clock is more than a day ahead. Lists you change here from now on still count as saved after it; please set that computer&apos;s clock.</source>
        <translation>%1, una copia de los ajustes de Velmorwick que guardó un programa de sincronización, se guardó en un equipo cuyo reloj va adelantado más de un día. Las listas que cambie aquí a partir de ahora siguen contando como guardadas después; ajuste el reloj de ese equipo.</translation>
    </message>
    <message>
        <source>%1 looked like a copy of Velmorwick&apos;s settings that a sync program kept, but it holds something else or is damaged, so nothing of it was merged. It is kept whole beside the settings file, in %2, as %3.</source>
        <translation>%1 parecía una copia de los ajustes de Velmorwick que guardó un programa de sincronización, pero contiene otra cosa o está dañada; no se combinó nada de ella. Se conserva entera junto al archivo de ajustes, en %2, como %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the private list kept aside on another computer came with its copy of the settings: %n set(s) taken in; velmorwick put-back puts them into the list.</source>
        <translation>
            <numerusform>Filas de la lista privada apartadas en otro equipo llegaron con su copia de los ajustes: %n conjunto recibido; velmorwick put-back las pone en la lista.</numerusform>
            <numerusform>Filas de la lista privada apartadas en otro equipo llegaron con su copia de los ajustes: %n conjuntos recibidos; velmorwick put-back las pone en la lista.</numerusform>
        </translation>
    </message>
    <message>
        <source>At most %1 sets are kept, the newest, as each asks for its password to be tried: the older ones are only in the versions kept beside the settings file.</source>
        <translation>Se conservan como mucho %1 conjuntos, los más nuevos, ya que cada uno pide su contraseña: los más antiguos solo están en las versiones conservadas junto al archivo de ajustes.</translation>
    </message>
    <message numerus="yes">
        <source>%n more copies</source>
        <translation>
            <numerusform>%n copia más</numerusform>
            <numerusform>%n copias más</numerusform>
        </translation>
    </message>
    <message>
        <source>The versions that lost are kept beside the settings file, in %1.</source>
        <translation>Las versiones perdedoras se conservan junto al archivo de ajustes, en %1.</translation>
    </message>
    <message>
        <source>Tasks changed on both computers, where the later change stands: %1. velmorwick replaced lists the texts it replaced and puts one back.</source>
        <translation>Tareas cambiadas en ambos equipos, donde vale el cambio más reciente: %1. velmorwick replaced lista los textos reemplazados y repone uno.</translation>
    </message>
    <message>
        <source>The version of the private list that lost is kept aside in the settings, encrypted under the password it was saved with: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>La versión perdedora de la lista privada está apartada en los ajustes, cifrada con la contraseña con que se guardó: velmorwick put-back pone sus tareas que faltan en la lista en sus filas vacías.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: every list here was the later one.</source>
        <translation>Se guardaron listas en dos equipos a la vez, y el programa de sincronización conservó ambas versiones. Velmorwick las combinó, cada tarea como se cambió por última vez y el resto como se guardó por última vez: cada lista de aquí era la más reciente.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: %1.</source>
        <translation>Se guardaron listas en dos equipos a la vez, y el programa de sincronización conservó ambas versiones. Velmorwick las combinó, cada tarea como se cambió por última vez y el resto como se guardó por última vez: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files looked like copies of Velmorwick&apos;s settings that a sync program kept, but hold something else or are damaged, so nothing of them was merged. They are kept whole beside the settings file, in %1, as %2.</source>
        <translation>
            <numerusform>%n archivo parecía una copia de los ajustes de Velmorwick que guardó un programa de sincronización, pero contiene otra cosa o está dañado; no se combinó nada de él. Se conserva entero junto al archivo de ajustes, en %1, como %2.</numerusform>
            <numerusform>%n archivos parecían copias de los ajustes de Velmorwick que guardó un programa de sincronización, pero contienen otra cosa o están dañados; no se combinó nada de ellos. Se conservan enteros junto al archivo de ajustes, en %1, como %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n versions that lost are kept beside the settings file, in %1.</source>
        <translation>
            <numerusform>La %n versión perdedora se conserva junto al archivo de ajustes, en %1.</numerusform>
            <numerusform>Las %n versiones perdedoras se conservan junto al archivo de ajustes, en %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoneWindow</name>
    <message>
        <source>Tarnbook - What I Got Done</source>
        <translation>Tarnbook - Lo que hice</translation>
    </message>
    <message>
        <source>Days shown</source>
        <translation>Días mostrados</translation>
    </message>
    <message>
        <source>Tasks done, by day</source>
        <translation>Tareas hechas, por día</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>the last %n days</source>
        <translation>
            <numerusform>el último %n día</numerusform>
            <numerusform>los últimos %n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListStorage</name>
    <message>
        <source>Task %1 is longer than %2 characters; shorten it to save the list.</source>
        <translation>La tarea %1 supera los %2 caracteres; acórtela para guardar la lista.</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tareas vaciadas</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar lista</translation>
    </message>
</context>
<context>
    <name>LogbookFile</name>
    <message>
        <source>The logbook %1 could not be read.</source>
        <translation>No se pudo leer el registro %1.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Parte del registro %1 estaba dañada y no se pudo leer; se conserva como %2, y uno nuevo sigue con el resto.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Parte del registro %1 estaba dañada y no se pudo leer; el resto sí.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first, so nothing was taken out of it.</source>
        <translation>El registro de este equipo no se pudo copiar aparte antes; no se quitó nada de él.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written.</source>
        <translation>No se pudo escribir el registro %1.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>No se pudo escribir el registro %1 (%2).</translation>
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
        <translation>¡Elija el número de tareas!</translation>
    </message>
    <message>
        <source>v3.01</source>
        <translation>v3.01</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>&amp;Clear All Tasks</source>
        <translation>&amp;Vaciar todas las tareas</translation>
    </message>
    <message>
        <source>&amp;Quick Notes</source>
        <translation>Notas &amp;rápidas</translation>
    </message>
    <message>
        <source>Make &amp;Topmost</source>
        <translation>Siempre &amp;encima</translation>
    </message>
    <message>
        <source>Make &amp;Non-topmost</source>
        <translation>&amp;No siempre encima</translation>
    </message>
    <message>
        <source>Reset AutoLoad</source>
        <translation>Restablecer AutoLoad</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimizar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>My &amp;Private List</source>
        <translation>Mi lista &amp;privada</translation>
    </message>
    <message>
        <source>&amp;View My Private List</source>
        <translation>&amp;Ver mi lista privada</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Cambiar contraseña</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Please select number of tasks</source>
        <translation>Elija el número de tareas</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all tasks?</source>
        <translation>¿Seguro que quiere vaciar todas las tareas?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Clear All Tasks</source>
        <translation>Vaciar todas las tareas</translation>
    </message>
    <message>
        <source>The tasks were not cleared.</source>
        <translation>No se vaciaron las tareas.</translation>
    </message>
    <message>
        <source>All Tasks Cleared!</source>
        <translation>¡Todas las tareas vaciadas!</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The reminder could not be switched on again.</source>
        <translation>No se pudo volver a activar el recordatorio.</translation>
    </message>
    <message>
        <source>AutoLoad Window has been reset!</source>
        <translation>¡La ventana AutoLoad se ha restablecido!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n tarea</numerusform>
            <numerusform>%n tareas</numerusform>
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
        <translation>Tarnbook! Nota rápida (fin)</translation>
    </message>
    <message>
        <source>Clear Current Quicknote</source>
        <translation>Vaciar esta nota</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>Notes may go behind other windows here: %1. The README&apos;s &quot;Wayland and scaling&quot; tells what to do.</source>
        <translation>Aquí las notas pueden quedar detrás de otras ventanas: %1. La sección «Wayland and scaling» del README dice qué hacer.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show again</source>
        <translation>&amp;No volver a mostrar</translation>
    </message>
    <message>
        <source>The notice could not be turned off for good.</source>
        <translation>No se pudo desactivar el aviso para siempre.</translation>
    </message>
    <message>
        <source>Do you want to completely exit Tarnbook?</source>
        <translation>¿Quiere salir del todo de Tarnbook?</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>¡Alerta!</translation>
    </message>
</context>
<context>
    <name>PasswordCreateWindow</name>
    <message>
        <source>Create Password</source>
        <translation>Crear contraseña</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Re-enter Password</source>
        <translation>Repetir contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Please create your Private List Password</source>
        <translation>Cree la contraseña de su lista privada</translation>
    </message>
    <message>
        <source>Passwords are blank or do not match</source>
        <translation>Contraseñas vacías o distintas</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>The password was not saved.</source>
        <translation>No se guardó la contraseña.</translation>
    </message>
    <message>
        <source>Password Set!</source>
        <translation>¡Contraseña puesta!</translation>
    </message>
    <message>
        <source>Older copies of your settings (%1: snapshots and copies kept beside them) still open the private list with the earlier password. To take the private list out of them, run: velmorwick snapshots --forget-private. A backup you wrote elsewhere is yours to delete.</source>
        <translation>Copias anteriores de sus ajustes (%1: instantáneas y copias conservadas junto a ellas) aún abren la lista privada con la contraseña anterior. Para quitar de ellas la lista privada, ejecute: velmorwick snapshots --forget-private. Una copia de seguridad que haya escrito en otro sitio la borra usted.</translation>
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
        <translation>¡Contraseña!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Please enter your password below!</source>
        <translation>¡Escriba su contraseña abajo!</translation>
    </message>
    <message>
        <source>Wrong password, please try again</source>
        <translation>Contraseña incorrecta, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>The stored password cannot be checked: it asks for far more work than Velmorwick ever sets, so the settings file may have been altered.</source>
        <translation>La contraseña guardada no se puede comprobar: pide mucho más trabajo del que Velmorwick fija nunca, así que el archivo de ajustes puede haber sido alterado.</translation>
    </message>
    <message>
        <source>The password cannot be checked: %1. Nothing was changed.</source>
        <translation>La contraseña no se puede comprobar: %1. No se cambió nada.</translation>
    </message>
    <message>
        <source>The private list could not be opened, because it could not be saved encrypted. %1</source>
        <translation>No se pudo abrir la lista privada, porque no se pudo guardar cifrada. %1</translation>
    </message>
    <message>
        <source>Password field cannot be blank</source>
        <translation>La contraseña no puede estar vacía</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>The password could not be removed.</source>
        <translation>No se pudo quitar la contraseña.</translation>
    </message>
</context>
<context>
    <name>PrivateVault</name>
    <message>
        <source>The settings file held private tasks in plain text, where this version of Velmorwick never writes them, so they were not taken into your private list: they are kept aside, encrypted, in the settings (section &quot;%1&quot;).</source>
        <translation>El archivo de ajustes tenía tareas privadas en texto claro, donde esta versión de Velmorwick nunca las escribe, así que no se llevaron a su lista privada: están apartadas, cifradas, en los ajustes (sección «%1»).</translation>
    </message>
    <message>
        <source>There was not enough memory to protect it.</source>
        <translation>No había memoria suficiente para protegerla.</translation>
    </message>
    <message>
        <source>There was not enough memory to protect the list meanwhile.</source>
        <translation>No había memoria suficiente para proteger la lista mientras tanto.</translation>
    </message>
    <message>
        <source>password change</source>
        <translation>cambio de contraseña</translation>
    </message>
    <message>
        <source>A password was set meanwhile, by another copy of Velmorwick. Open the private list with that password.</source>
        <translation>Mientras tanto, otro Velmorwick puso una contraseña. Abra la lista privada con esa contraseña.</translation>
    </message>
    <message>
        <source>The private list is locked; open it again with the password.</source>
        <translation>La lista privada está bloqueada; vuelva a abrirla con la contraseña.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it has been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list opens empty.</source>
        <translation>No se pudo leer la lista privada guardada: se ha dañado o alterado. Se conserva tal cual en los ajustes (sección «%1»), y la lista se abre vacía.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it had been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;).</source>
        <translation>No se pudo leer la lista privada guardada: se había dañado o alterado. Se conserva tal cual en los ajustes (sección «%1»).</translation>
    </message>
    <message>
        <source>There was no source of randomness to encrypt it with.</source>
        <translation>No había ninguna fuente de aleatoriedad con que cifrarla.</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere while this list was open (on another computer, in another copy of Velmorwick, or by a restore), so your rows were not saved over the list stored under it.</source>
        <translation>La contraseña de la lista privada se cambió en otro sitio mientras esta lista estaba abierta (en otro equipo, en otro Velmorwick o por una restauración), así que sus filas no se guardaron sobre la lista guardada con ella.</translation>
    </message>
    <message>
        <source>They could not be kept aside either: %1 Copy them before you close this window.</source>
        <translation>Tampoco se pudieron apartar: %1 Cópielas antes de cerrar esta ventana.</translation>
    </message>
    <message>
        <source>They are kept aside, encrypted under the password that opened them (section &quot;%1&quot; of the settings). Close this list and open it again with the current password; to put those rows back into it, run: velmorwick put-back.</source>
        <translation>Están apartadas, cifradas con la contraseña que las abrió (sección «%1» de los ajustes). Cierre esta lista y vuelva a abrirla con la contraseña actual; para volver a poner esas filas, ejecute: velmorwick put-back.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>its cryptography library did not start on this system</source>
        <translation>su biblioteca criptográfica no arrancó en este sistema</translation>
    </message>
    <message>
        <source>The saved private list could not be opened: its key is missing, damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list starts empty.</source>
        <translation>No se pudo abrir la lista privada guardada: su clave falta, está dañada o alterada. Se conserva tal cual en los ajustes (sección «%1»), y la lista empieza vacía.</translation>
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
        <translation>la impresora %1 no aceptó el trabajo</translation>
    </message>
    <message>
        <source>Saved. %1</source>
        <translation>Guardado. %1</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>The folder %1 cannot be used (%2).</source>
        <translation>No se puede usar la carpeta %1 (%2).</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it (%2).</source>
        <translation>%1 se escribió, pero el disco no lo confirmó (%2).</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace.</source>
        <translation>%1 es %2, que Velmorwick no reemplaza.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>No se pudo escribir %1 (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>No se puede leer %1 (%2).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 no existe.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 es %2, no un archivo normal.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes, or grew while it was read.</source>
        <translation>%1 supera los %2 MB, mucho más de lo que Velmorwick escribe nunca, o creció mientras se leía.</translation>
    </message>
    <message>
        <source>a Wayland session lets no program keep a window above others or place it</source>
        <translation>una sesión de Wayland no deja a ningún programa mantener una ventana sobre las demás ni colocarla</translation>
    </message>
    <message>
        <source>the window manager does not keep windows above others</source>
        <translation>el gestor de ventanas no mantiene ventanas sobre las demás</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>%1 is a file Velmorwick keeps for itself.</source>
        <translation>%1 es un archivo que Velmorwick guarda para sí.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes.</source>
        <translation>%1 supera los %2 MB, mucho más de lo que Velmorwick escribe nunca.</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: this Wayland session has no X display (Xwayland) and Qt&apos;s Wayland plugin is not installed; install Debian&apos;s xwayland, or qt6-wayland</source>
        <translation>velmorwick no puede abrir una ventana: esta sesión de Wayland no tiene pantalla X (Xwayland) y el complemento Wayland de Qt no está instalado; instale xwayland o qt6-wayland de Debian</translation>
    </message>
    <message>
        <source>velmorwick needs a graphical session (DISPLAY is not set); to try it without one, run: xvfb-run velmorwick, or QT_QPA_PLATFORM=offscreen velmorwick</source>
        <translation>velmorwick necesita una sesión gráfica (DISPLAY no está definido); para probarlo sin ella, ejecute: xvfb-run velmorwick, o QT_QPA_PLATFORM=offscreen velmorwick</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland plugin is not installed (Debian&apos;s qt6-wayland)</source>
        <translation>el complemento Wayland de Qt no está instalado (qt6-wayland de Debian)</translation>
    </message>
    <message>
        <source>Qt has no plugin named &quot;%1&quot;</source>
        <translation>Qt no tiene ningún complemento llamado «%1»</translation>
    </message>
    <message>
        <source>the X display %1 could not be opened (is it running, and XAUTHORITY set?)</source>
        <translation>no se pudo abrir la pantalla X %1 (¿está en marcha, y está definido XAUTHORITY?)</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 could not be reached</source>
        <translation>no se pudo contactar con el compositor Wayland %1</translation>
    </message>
    <message>
        <source>no window system plugin of Qt&apos;s could start</source>
        <translation>no pudo arrancar ningún complemento de sistema de ventanas de Qt</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: QT_QPA_PLATFORM=%1 cannot be used here: %2</source>
        <translation>velmorwick no puede abrir una ventana: QT_QPA_PLATFORM=%1 no se puede usar aquí: %2</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: %1</source>
        <translation>velmorwick no puede abrir una ventana: %1</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>Los ajustes cambiaron mientras tanto; no se escribió nada.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry.</source>
        <translation>No se pudieron escribir los ajustes en el registro de Windows.</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook (%1); they are saved in their list.</source>
        <translation>Las tareas recién marcadas no se pudieron escribir en el registro de tareas (%1); están guardadas en su lista.</translation>
    </message>
    <message>
        <source>Velmorwick does not keep &quot;%1&quot; in section &quot;%2&quot; of its settings, so nothing was written.</source>
        <translation>Velmorwick no guarda «%1» en la sección «%2» de sus ajustes; no se escribió nada.</translation>
    </message>
    <message>
        <source>This store cannot be copied to a file here.</source>
        <translation>Estos ajustes no se pueden copiar a un archivo aquí.</translation>
    </message>
    <message>
        <source>This store cannot be restored from a file here.</source>
        <translation>Estos ajustes no se pueden restaurar desde un archivo aquí.</translation>
    </message>
    <message>
        <source>This store keeps no snapshots here.</source>
        <translation>Estos ajustes no guardan instantáneas aquí.</translation>
    </message>
    <message>
        <source>This system keeps no logbook of tasks done.</source>
        <translation>Este sistema no lleva un registro de tareas hechas.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un enlace simbólico</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>una tubería</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>a file Velmorwick keeps for itself</source>
        <translation>un archivo que Velmorwick guarda para sí</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>el archivo superaría el tamaño que permite este sistema</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>la carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>el disco informó de un error</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Velmorwick does not follow</source>
        <translation>es un enlace simbólico, que Velmorwick no sigue</translation>
    </message>
    <message>
        <source>it is not a folder of yours that only you can open</source>
        <translation>no es una carpeta suya que solo usted pueda abrir</translation>
    </message>
    <message>
        <source>it is an ordinary file, not a folder</source>
        <translation>es un archivo normal, no una carpeta</translation>
    </message>
    <message>
        <source>it is a pipe, not a folder</source>
        <translation>es una tubería, no una carpeta</translation>
    </message>
    <message>
        <source>it is a device or a socket, not a folder</source>
        <translation>es un dispositivo o un socket, no una carpeta</translation>
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
        <translation>¿Quiere cargar una lista automáticamente la próxima vez que se abra Velmorwick?</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again in the future</source>
        <translation>No volver a recordármelo</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Your choice could not be saved, so nothing changes at the next start.</source>
        <translation>No se pudo guardar su elección; nada cambia en el próximo arranque.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>5 Tasks</source>
        <translation>5 tareas</translation>
    </message>
    <message>
        <source>Replaces each character by its preceeding letter in the aplhabet (a becomes b, f becomes g)</source>
        <translation>Reemplaza cada carácter por la letra anterior del alfabeto (la a pasa a b, la f a g)</translation>
    </message>
    <message>
        <source>10 Tasks</source>
        <translation>10 tareas</translation>
    </message>
    <message>
        <source>Reverses the text</source>
        <translation>Invierte el texto</translation>
    </message>
    <message>
        <source>13 Tasks</source>
        <translation>13 tareas</translation>
    </message>
    <message>
        <source>Every 2 consequetive characters switch places</source>
        <translation>Cada 2 caracteres seguidos se intercambian</translation>
    </message>
    <message>
        <source>15 Tasks</source>
        <translation>15 tareas</translation>
    </message>
    <message>
        <source>Every character is mapped to a hidden character and then replaced!</source>
        <translation>¡Cada carácter se asigna a un carácter oculto y luego se reemplaza!</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes it: your saved lists cannot be shown, and nothing can be saved until it is replaced by an ordinary file.</source>
        <translation>El archivo de ajustes %1 es %2, no un archivo normal. Velmorwick no lo lee ni lo escribe: sus listas guardadas no se pueden mostrar, y no se puede guardar nada hasta que se reemplace por un archivo normal.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it was not read: your saved lists cannot be shown, and nothing can be saved until it is moved away.</source>
        <translation>El archivo de ajustes %1 supera los %2 MB, mucho más de lo que Velmorwick escribe nunca, así que no se leyó: sus listas guardadas no se pueden mostrar, y no se puede guardar nada hasta que se mueva.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2). Your saved lists cannot be shown, and nothing will be saved until the file can be read again.</source>
        <translation>No se puede leer el archivo de ajustes %1 (%2). Sus listas guardadas no se pueden mostrar, y no se guardará nada hasta que el archivo se pueda volver a leer.</translation>
    </message>
</context>
<context>
    <name>TaskListWindow</name>
    <message>
        <source>Today&apos;s Tarnbook!</source>
        <translation>¡Tarnbook de hoy!</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tarea %1</translation>
    </message>
    <message>
        <source>Task %1 done</source>
        <translation>Tarea %1 hecha</translation>
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
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>saved over a version from elsewhere</source>
        <translation>guardada sobre una versión de otro sitio</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tareas vaciadas</translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation>No se guardó la lista.</translation>
    </message>
    <message>
        <source>Changed elsewhere meanwhile and replaced by yours: %1. velmorwick replaced lists what they held, and velmorwick replaced --put-back puts one back.</source>
        <translation>Cambiadas en otro sitio mientras tanto y reemplazadas por las suyas: %1. velmorwick replaced lista lo que tenían, y velmorwick replaced --put-back repone una.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept aside in the settings, encrypted under the password it was saved with, before yours replaced it: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>La versión de esta lista guardada en otro sitio se apartó en los ajustes, cifrada con la contraseña con que se guardó, antes de que la suya la reemplazara: velmorwick put-back pone sus tareas que faltan en la lista en sus filas vacías.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept beside the settings file, as %1, before yours replaced it.</source>
        <translation>La versión de esta lista guardada en otro sitio se conservó junto al archivo de ajustes, como %1, antes de que la suya la reemplazara.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept as a snapshot before yours replaced it (velmorwick snapshots lists it).</source>
        <translation>La versión de esta lista guardada en otro sitio se conservó como instantánea antes de que la suya la reemplazara (velmorwick snapshots la lista).</translation>
    </message>
    <message>
        <source>The saved list could not be cleared; it will come back the next time this list is opened.</source>
        <translation>No se pudo vaciar la lista guardada; volverá la próxima vez que se abra esta lista.</translation>
    </message>
    <message>
        <source>This private list was saved elsewhere under another password, which this window cannot open. Save keeps your rows aside, encrypted; then close the list and open it again with the current password.</source>
        <translation>Esta lista privada se guardó en otro sitio con otra contraseña, que esta ventana no puede abrir. Guardar aparta sus filas, cifradas; luego cierre la lista y vuelva a abrirla con la contraseña actual.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (cambiada en otro sitio)</translation>
    </message>
    <message>
        <source>The list could not be printed: %1.</source>
        <translation>No se pudo imprimir la lista: %1.</translation>
    </message>
    <message>
        <source>My Private Tarnbook!</source>
        <translation>¡Mi Tarnbook privado!</translation>
    </message>
    <message>
        <source>Tarnbook! 3 Tasks</source>
        <translation>Tarnbook! 3 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! Normal Day</source>
        <translation>Tarnbook! Día normal</translation>
    </message>
    <message>
        <source>Tarnbook! 6 Tasks</source>
        <translation>Tarnbook! 6 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! 7 Tasks</source>
        <translation>Tarnbook! 7 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! 8 Tasks</source>
        <translation>Tarnbook! 8 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! 9 Tasks</source>
        <translation>Tarnbook! 9 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! Busy Day</source>
        <translation>Tarnbook! Día ajetreado</translation>
    </message>
    <message>
        <source>Tarnbook! 11 Tasks</source>
        <translation>Tarnbook! 11 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! 12 Tasks</source>
        <translation>Tarnbook! 12 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! 13 Tasks</source>
        <translation>Tarnbook! 13 tareas</translation>
    </message>
    <message>
        <source>Tarnbook! 14 Tasks...</source>
        <translation>Tarnbook! 14 tareas...</translation>
    </message>
    <message>
        <source>Tarnbook! Really Busy Day...</source>
        <translation>Tarnbook! Día muy ajetreado...</translation>
    </message>
</context>
<context>
    <name>addcommand</name>
    <message>
        <source>a task needs some text</source>
        <translation>una tarea necesita algo de texto</translation>
    </message>
    <message>
        <source>a task is one line, without line breaks or control characters</source>
        <translation>una tarea es una línea, sin saltos de línea ni caracteres de control</translation>
    </message>
    <message>
        <source>a task is at most %1 characters</source>
        <translation>una tarea tiene como mucho %1 caracteres</translation>
    </message>
    <message>
        <source>%1; nothing was added.</source>
        <translation>%1; no se añadió nada.</translation>
    </message>
    <message>
        <source>no list opens at start to add to; name one with --list N (3, or 5 to 15).</source>
        <translation>ninguna lista se abre al arrancar a la que añadir; indique una con --list N (3, o 5 a 15).</translation>
    </message>
    <message>
        <source>there is no %1-task list; the lists have 3, or 5 to 15 tasks.</source>
        <translation>no hay una lista de %1 tareas; las listas tienen 3, o 5 a 15 tareas.</translation>
    </message>
    <message>
        <source>the %1-task list is full; nothing was added.</source>
        <translation>la lista de %1 tareas está llena; no se añadió nada.</translation>
    </message>
    <message>
        <source>the %1-task list has room for %2 more; nothing was added.</source>
        <translation>la lista de %1 tareas solo tiene sitio para %2 más; no se añadió nada.</translation>
    </message>
    <message>
        <source>%1 Nothing was added.</source>
        <translation>%1 No se añadió nada.</translation>
    </message>
    <message>
        <source>the %1-task list kept changing meanwhile; nothing was added.</source>
        <translation>la lista de %1 tareas no dejaba de cambiar; no se añadió nada.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Tarnbook, a small to-do list: today&apos;s tasks, a private list and quick notes. Started without options, it opens its windows.</source>
        <translation>Tarnbook, una pequeña lista de tareas: las tareas de hoy, una lista privada y notas rápidas. Iniciado sin opciones, abre sus ventanas.</translation>
    </message>
    <message>
        <source>export: text or json; done: text, json or csv.</source>
        <translation>export: text o json; done: text, json o csv.</translation>
    </message>
    <message>
        <source>done: the last N days (7 if not given).</source>
        <translation>done: los últimos N días (7 si no se indica).</translation>
    </message>
    <message>
        <source>done: from this day on.</source>
        <translation>done: desde este día.</translation>
    </message>
    <message>
        <source>done: take the tasks done before this day away.</source>
        <translation>done: quitar las tareas hechas antes de este día.</translation>
    </message>
    <message>
        <source>done: the tasks unticked again too.</source>
        <translation>done: también las tareas desmarcadas después.</translation>
    </message>
    <message>
        <source>export: the private list too (asks for its password).</source>
        <translation>export: también la lista privada (pide su contraseña).</translation>
    </message>
    <message>
        <source>restore: this snapshot (see velmorwick snapshots).</source>
        <translation>restore: esta instantánea (vea velmorwick snapshots).</translation>
    </message>
    <message>
        <source>add: the list with N tasks (3, or 5 to 15).</source>
        <translation>add: la lista de N tareas (3, o 5 a 15).</translation>
    </message>
    <message>
        <source>snapshots: take the private list out of the copies an older password opens.</source>
        <translation>snapshots: quitar la lista privada de las copias que abre una contraseña anterior.</translation>
    </message>
    <message>
        <source>replaced: put task N back (see velmorwick replaced).</source>
        <translation>replaced: reponer la tarea N (vea velmorwick replaced).</translation>
    </message>
    <message>
        <source>add, export, import, backup, restore, snapshots, put-back, replaced or done.</source>
        <translation>add, export, import, backup, restore, snapshots, put-back, replaced o done.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Orden desconocida: %1</translation>
    </message>
    <message>
        <source>argument %1 is not text in this system&apos;s encoding; nothing was added.</source>
        <translation>el argumento %1 no es texto en la codificación de este sistema; no se añadió nada.</translation>
    </message>
    <message>
        <source>--format and --private belong to export, --snapshot to restore, --list to add, --forget-private to snapshots, --put-back to replaced (see velmorwick --help)</source>
        <translation>--format y --private son de export, --snapshot de restore, --list de add, --forget-private de snapshots, --put-back de replaced (vea velmorwick --help)</translation>
    </message>
    <message>
        <source>--forget-before takes a day as YYYY-MM-DD, not %1</source>
        <translation>--forget-before espera un día como AAAA-MM-DD, no %1</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1</source>
        <translation>--days espera un número de días desde 1</translation>
    </message>
    <message>
        <source>--since takes a day as YYYY-MM-DD, not %1</source>
        <translation>--since espera un día como AAAA-MM-DD, no %1</translation>
    </message>
    <message>
        <source>--put-back takes a number from 1 (see velmorwick replaced)</source>
        <translation>--put-back espera un número desde 1 (vea velmorwick replaced)</translation>
    </message>
    <message>
        <source>--snapshot takes a number from 1, or a time as YYYY-MM-DD HH:MM:SS (see velmorwick snapshots)</source>
        <translation>--snapshot espera un número desde 1, o una hora como AAAA-MM-DD HH:MM:SS (vea velmorwick snapshots)</translation>
    </message>
    <message>
        <source>--list takes the number of tasks of a list: 3, or 5 to 15</source>
        <translation>--list espera el número de tareas de una lista: 3, o 5 a 15</translation>
    </message>
    <message>
        <source>no snapshot was kept at %1 (see velmorwick snapshots)</source>
        <translation>no se guardó ninguna instantánea a las %1 (vea velmorwick snapshots)</translation>
    </message>
</context>
<context>
    <name>datacommands</name>
    <message>
        <source>the private list has no password yet</source>
        <translation>la lista privada aún no tiene contraseña</translation>
    </message>
    <message>
        <source>Password of the private list: </source>
        <translation>Contraseña de la lista privada: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>no se dio ninguna contraseña</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>contraseña incorrecta</translation>
    </message>
    <message>
        <source>the private list could not be saved encrypted: %1</source>
        <translation>no se pudo guardar cifrada la lista privada: %1</translation>
    </message>
    <message>
        <source>the password cannot be checked: %1</source>
        <translation>la contraseña no se puede comprobar: %1</translation>
    </message>
    <message>
        <source>the stored password asks for far more work than Velmorwick ever sets</source>
        <translation>la contraseña guardada pide mucho más trabajo del que Velmorwick fija nunca</translation>
    </message>
    <message>
        <source>export writes to one file at most</source>
        <translation>export escribe en un archivo como mucho</translation>
    </message>
    <message>
        <source>the format is text or json, not %1</source>
        <translation>el formato es text o json, no %1</translation>
    </message>
    <message>
        <source>%1; nothing was exported.</source>
        <translation>%1; no se exportó nada.</translation>
    </message>
    <message>
        <source>the lists could not be written to the standard output</source>
        <translation>no se pudieron escribir las listas en la salida estándar</translation>
    </message>
    <message>
        <source>%1 Nothing was exported.</source>
        <translation>%1 No se exportó nada.</translation>
    </message>
    <message>
        <source>import takes the one file to import</source>
        <translation>import toma el único archivo que importar</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 No se importó nada.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported.</source>
        <translation>%1: %2; no se importó nada.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importación</translation>
    </message>
    <message>
        <source>%1 holds the private list, but %2; nothing was imported.</source>
        <translation>%1 contiene la lista privada, pero %2; no se importó nada.</translation>
    </message>
    <message>
        <source>Imported 1 list from %1.</source>
        <translation>1 lista importada de %1.</translation>
    </message>
    <message>
        <source>backup takes the one file to write</source>
        <translation>backup toma el único archivo que escribir</translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation>Copia de seguridad en %1.</translation>
    </message>
    <message>
        <source>restore --snapshot N takes no file</source>
        <translation>restore --snapshot N no toma ningún archivo</translation>
    </message>
    <message>
        <source>restore takes the one backup to restore</source>
        <translation>restore toma la única copia de seguridad que restaurar</translation>
    </message>
    <message>
        <source>snapshot %1 (%2)</source>
        <translation>instantánea %1 (%2)</translation>
    </message>
    <message>
        <source>%1 The store was left as it was.</source>
        <translation>%1 Los ajustes quedaron como estaban.</translation>
    </message>
    <message>
        <source>the logbook at the end of %1 is damaged; the store was left as it was.</source>
        <translation>el registro al final de %1 está dañado; los ajustes quedaron como estaban.</translation>
    </message>
    <message>
        <source>The logbook in the backup could not be added (%1); the lists were restored.</source>
        <translation>No se pudo añadir el registro de la copia de seguridad (%1); las listas se restauraron.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>%1 restaurado.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2, and as snapshot 1.</source>
        <translation>%1 restaurado; los ajustes que reemplazó se conservan como %2, y como instantánea 1.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2.</source>
        <translation>%1 restaurado; los ajustes que reemplazó se conservan como %2.</translation>
    </message>
    <message>
        <source>No snapshot or kept copy opens the private list with an older password.</source>
        <translation>Ninguna instantánea ni copia conservada abre la lista privada con una contraseña anterior.</translation>
    </message>
    <message>
        <source>The private list was taken out of 1 older copy (a snapshot or kept copy); its day lists stay.</source>
        <translation>Se quitó la lista privada de 1 copia anterior (una instantánea o copia conservada); sus listas del día quedan.</translation>
    </message>
    <message>
        <source>snapshots takes no file</source>
        <translation>snapshots no toma ningún archivo</translation>
    </message>
    <message>
        <source>No snapshots yet: one is kept before each step that takes text away.</source>
        <translation>Aún no hay instantáneas: se conserva una antes de cada paso que quita texto.</translation>
    </message>
    <message>
        <source>Named after a time to come (kept while this computer&apos;s clock was wrong):</source>
        <translation>Con el nombre de una hora futura (guardadas cuando el reloj de este equipo estaba mal):</translation>
    </message>
    <message>
        <source>%1  %2  %3: %4</source>
        <translation>%1  %2  %3: %4</translation>
    </message>
    <message>
        <source>the same as now</source>
        <translation>igual que ahora</translation>
    </message>
    <message>
        <source>differs in %1</source>
        <translation>difiere en %1</translation>
    </message>
    <message>
        <source>put-back takes no file</source>
        <translation>put-back no toma ningún archivo</translation>
    </message>
    <message>
        <source>No rows of the private list are kept aside.</source>
        <translation>No hay filas de la lista privada apartadas.</translation>
    </message>
    <message>
        <source>The private list could not be opened: %1.</source>
        <translation>No se pudo abrir la lista privada: %1.</translation>
    </message>
    <message>
        <source>Password the kept rows were typed under: </source>
        <translation>Contraseña con que se escribieron las filas conservadas: </translation>
    </message>
    <message>
        <source>Put 1 row back into the private list.</source>
        <translation>1 fila repuesta en la lista privada.</translation>
    </message>
    <message>
        <source>Some kept rows stay aside: the password does not open them, or the list has not enough empty rows for them.</source>
        <translation>Algunas filas conservadas siguen apartadas: la contraseña no las abre, o la lista no tiene filas vacías suficientes.</translation>
    </message>
    <message>
        <source>replaced takes no file</source>
        <translation>replaced no toma ningún archivo</translation>
    </message>
    <message>
        <source>No task was replaced by a merge.</source>
        <translation>Ninguna combinación reemplazó una tarea.</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>vaciada</translation>
    </message>
    <message>
        <source>replaced by &quot;%1&quot;</source>
        <translation>reemplazada por «%1»</translation>
    </message>
    <message>
        <source>%1  %2  the %3-task list, task %4: &quot;%5&quot;%6 %7</source>
        <translation>%1  %2  la lista de %3 tareas, tarea %4: «%5»%6 %7</translation>
    </message>
    <message>
        <source> (ticked)</source>
        <translation> (marcada)</translation>
    </message>
    <message>
        <source>There is no replaced task %1 (see velmorwick replaced).</source>
        <translation>No hay tarea reemplazada %1 (vea velmorwick replaced).</translation>
    </message>
    <message>
        <source>The list changed meanwhile; nothing was changed. Try again.</source>
        <translation>La lista cambió mientras tanto; no se cambió nada. Vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Put back into the %1-task list as task %2.</source>
        <translation>Repuesta en la lista de %1 tareas como tarea %2.</translation>
    </message>
    <message>
        <source>done takes no file</source>
        <translation>done no toma ningún archivo</translation>
    </message>
    <message>
        <source>--days and --since cannot go together</source>
        <translation>--days y --since no van juntos</translation>
    </message>
    <message>
        <source>--forget-before goes alone</source>
        <translation>--forget-before va solo</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs.</source>
        <translation>Las tareas hechas antes del %1 se quitaron del registro, en cada equipo al sincronizar.</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs; this computer&apos;s logbook as it was is kept as %2.</source>
        <translation>Las tareas hechas antes del %1 se quitaron del registro, en cada equipo al sincronizar; el registro de este equipo tal como estaba se conserva como %2.</translation>
    </message>
    <message>
        <source>Added to the %1-task list as task %2.</source>
        <translation>Añadida a la lista de %1 tareas como tarea %2.</translation>
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
        <translation>Órdenes (sin pantalla; seguras con las ventanas abiertas):
  add [--list N] [--] TEXTO...
                    Cada TEXTO, una tarea en las primeras filas vacías de la
                    lista de N tareas (3, o 5 a 15; sin --list, la lista que
                    se abre al arrancar), en una escritura: todas o ninguna.
                    Las ventanas abiertas las muestran. Ponga -- antes de un
                    TEXTO que empiece por guion.
  add [--list N]    Sin TEXTO, con pantalla: la ventana Añadir una tarea.
  export [--format text|json] [--private] [ARCHIVO]
                    Cada lista del día guardada, como lista de casillas o
                    JSON, en ARCHIVO o en la salida estándar; --private añade
                    la lista privada cuando se escribe su contraseña.
  import ARCHIVO    Reemplaza las listas que nombra un archivo JSON de export,
                    en una escritura; un archivo con algún error no cambia nada.
  backup ARCHIVO    Escribe en ARCHIVO una copia de todo lo que guarda
                    Velmorwick, legible solo por usted.
  restore ARCHIVO   Pone una copia de seguridad en lugar de todo lo que guarda
                    Velmorwick; lo que reemplaza se conserva al lado (los 5
                    últimos) y como instantánea.
  snapshots         Lista las instantáneas guardadas antes de cada paso que
                    quitó texto (Vaciar lista, Vaciar todas las tareas, un
                    guardado que vació tareas, import, restore, un cambio de
                    contraseña) y en el primer guardado del día: de la más
                    nueva, numeradas desde 1.
  snapshots --forget-private
                    Quita la lista privada de las instantáneas y copias
                    conservadas que aún abre una contraseña anterior (tras un
                    cambio de contraseña); sus listas del día quedan.
  put-back          Repone las filas privadas apartadas (un guardado mientras
                    la contraseña cambiaba en otro sitio, una versión perdedora
                    de una combinación) en las filas vacías de la lista
                    privada, las que le faltan; pide la contraseña actual y
                    luego aquella con que se escribieron.
  replaced          Lista las tareas que reemplazó una combinación (la misma
                    tarea cambiada en dos equipos; vale el cambio más
                    reciente), de la más nueva.
  replaced --put-back N
                    Repone la tarea N de esa lista: en su fila si está vacía o
                    sin cambios, si no en la primera fila vacía.
  done [--days N | --since AAAA-MM-DD] [--all] [--format text|json|csv]
                    Las tareas marcadas y guardadas en cada equipo, por día,
                    de la más nueva: los últimos 7 días, o N, o desde un día;
                    --all añade las desmarcadas después, señaladas.
  done --window     Lo mismo en una ventana, Lo que hice (necesita pantalla).
  done --forget-before AAAA-MM-DD
                    Quita del registro las tareas hechas antes de ese día en
                    cada equipo; el de este equipo se conserva antes.
  restore --snapshot N
                    Repone la instantánea N; los ajustes que reemplaza se
                    conservan a su vez como instantánea, para poder deshacerlo.
</translation>
    </message>
    <message>
        <source>--private belongs to export</source>
        <translation>--private es de export</translation>
    </message>
    <message>
        <source>done --format takes text, json or csv</source>
        <translation>done --format espera text, json o csv</translation>
    </message>
    <message>
        <source>--format belongs to export and done</source>
        <translation>--format es de export y done</translation>
    </message>
    <message>
        <source>--days, --since, --all and --forget-before belong to done</source>
        <translation>--days, --since, --all y --forget-before son de done</translation>
    </message>
    <message>
        <source>--snapshot belongs to restore</source>
        <translation>--snapshot es de restore</translation>
    </message>
    <message>
        <source>--list belongs to add</source>
        <translation>--list es de add</translation>
    </message>
    <message>
        <source>--forget-private belongs to snapshots</source>
        <translation>--forget-private es de snapshots</translation>
    </message>
    <message>
        <source>--put-back belongs to replaced</source>
        <translation>--put-back es de replaced</translation>
    </message>
    <message>
        <source>add takes the text of each task to add (without one it opens a window, which needs a display)</source>
        <translation>add toma el texto de cada tarea que añadir (sin él abre una ventana, que necesita pantalla)</translation>
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
            <numerusform>Se quitó la lista privada de %n copia anterior (instantánea o copia conservada); sus listas del día quedan.</numerusform>
            <numerusform>Se quitó la lista privada de %n copias anteriores (instantáneas y copias conservadas); sus listas del día quedan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n rows back into the private list.</source>
        <translation>
            <numerusform>%n fila repuesta en la lista privada.</numerusform>
            <numerusform>%n filas repuestas en la lista privada.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>donecommand</name>
    <message>
        <source>%1-task list</source>
        <translation>lista de %1 tareas</translation>
    </message>
    <message>
        <source>Nothing done since %1.</source>
        <translation>Nada hecho desde el %1.</translation>
    </message>
    <message>
        <source> (unticked again)</source>
        <translation> (desmarcada después)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing done in the last %n days.</source>
        <translation>
            <numerusform>Nada hecho en el último %n día.</numerusform>
            <numerusform>Nada hecho en los últimos %n días.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keptrows</name>
    <message>
        <source>kept rows put back</source>
        <translation>filas conservadas repuestas</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere meanwhile; open it with the current password and try again.</source>
        <translation>La contraseña de la lista privada se cambió en otro sitio mientras tanto; ábrala con la contraseña actual y vuelva a intentarlo.</translation>
    </message>
</context>
<context>
    <name>listexchange</name>
    <message>
        <source>Private list (%1 tasks)</source>
        <translation>Lista privada (%1 tareas)</translation>
    </message>
    <message>
        <source>%1 tasks</source>
        <translation>%1 tareas</translation>
    </message>
    <message>
        <source>%1 (%2 tasks)</source>
        <translation>%1 (%2 tareas)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1: half a UTF-16 pair (%2) with no other half, which no text can hold</source>
        <translation>%1: media pareja UTF-16 (%2) sin su otra mitad, que ningún texto puede contener</translation>
    </message>
    <message>
        <source>%1: not valid JSON (%2)</source>
        <translation>%1: JSON no válido (%2)</translation>
    </message>
    <message>
        <source>the top: not a list file of Velmorwick (&quot;format&quot; must be &quot;%1&quot;)</source>
        <translation>la raíz: no es un archivo de listas de Velmorwick («format» debe ser «%1»)</translation>
    </message>
    <message>
        <source>version: only version %1 is known</source>
        <translation>version: solo se conoce la versión %1</translation>
    </message>
    <message>
        <source>lists: must be an array</source>
        <translation>lists: debe ser un array</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1: debe ser un objeto</translation>
    </message>
    <message>
        <source>%1.private: must be true or false</source>
        <translation>%1.private: debe ser true o false</translation>
    </message>
    <message>
        <source>%1.tasks: the private list has %2 tasks</source>
        <translation>%1.tasks: la lista privada tiene %2 tareas</translation>
    </message>
    <message>
        <source>%1.tasks: there is no list of %2 tasks (3, or 5 to 15)</source>
        <translation>%1.tasks: no hay una lista de %2 tareas (3, o 5 a 15)</translation>
    </message>
    <message>
        <source>%1: the same list a second time</source>
        <translation>%1: la misma lista por segunda vez</translation>
    </message>
    <message>
        <source>%1.rows: must be an array of exactly %2 rows</source>
        <translation>%1.rows: debe ser un array de exactamente %2 filas</translation>
    </message>
    <message>
        <source>%1.text: must be a string</source>
        <translation>%1.text: debe ser una cadena</translation>
    </message>
    <message>
        <source>%1.text: longer than %2 characters</source>
        <translation>%1.text: más de %2 caracteres</translation>
    </message>
    <message>
        <source>%1.done: must be true or false</source>
        <translation>%1.done: debe ser true o false</translation>
    </message>
</context>
<context>
    <name>replacedrecord</name>
    <message>
        <source>The %1-task list has no empty row for it; nothing was changed.</source>
        <translation>La lista de %1 tareas no tiene fila vacía para ella; no se cambió nada.</translation>
    </message>
    <message>
        <source>put back a replaced task</source>
        <translation>reponer una tarea reemplazada</translation>
    </message>
</context>
<context>
    <name>sealing</name>
    <message>
        <source>there was not enough memory to derive its key (it takes %1 MiB)</source>
        <translation>no había memoria suficiente para derivar su clave (necesita %1 MiB)</translation>
    </message>
</context>
<context>
    <name>storemerge</name>
    <message>
        <source>the %1-task list, task %2</source>
        <translation>la lista de %1 tareas, tarea %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>the %1-task list</source>
        <translation>la lista de %1 tareas</translation>
    </message>
    <message>
        <source>the private list and its password</source>
        <translation>la lista privada y su contraseña</translation>
    </message>
    <message>
        <source>the list to open at start</source>
        <translation>la lista que se abre al arrancar</translation>
    </message>
    <message>
        <source>the reminder&apos;s switch</source>
        <translation>el interruptor del recordatorio</translation>
    </message>
    <message>
        <source>the quick notes&apos; notice</source>
        <translation>el aviso de las notas rápidas</translation>
    </message>
</context>
</TS>
