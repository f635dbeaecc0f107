<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmorwick</source>
        <translation>À propos de Velmorwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>Velmorwick v3.01</source>
        <translation>Velmorwick v3.01</translation>
    </message>
    <message>
        <source>Written by Tamsin Velmorwick</source>
        <translation>Écrit par Tamsin Velmorwick</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>E-mail: tamsin@velmorwick.example
Support: help@velmorwick.example
Web: www.velmorwick.example
More programs: www.velmorwick.example/programs
Join our mailing list to hear of new versions first!</source>
        <translation>E-mail : tamsin@velmorwick.example
Aide : help@velmorwick.example
Web : www.velmorwick.example
Programmes : www.velmorwick.example/programs
Abonnez-vous pour les nouvelles versions !</translation>
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
        <translation>Âge :</translation>
    </message>
    <message>
        <source>Also from Velmorwick: Quillmark, the pocket notebook that remembers where you left off. Free to try!</source>
        <translation>Aussi de Velmorwick : Quillmark, le carnet de poche qui se souvient où vous vous êtes arrêté. Essai gratuit !</translation>
    </message>
    <message>
        <source>http://www.velmorwick.example/quillmark/</source>
        <translation>http://www.velmorwick.example/quillmark/</translation>
    </message>
    <message>
        <source>Quillmark&apos;s web address</source>
        <translation>Adresse web de Quillmark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
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
        <translation>Ajouter une tâche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>&amp;Tâche :</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste :</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n tâche</numerusform>
            <numerusform>%n tâches</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfFileStore</name>
    <message>
        <source>The settings file %1 could not be written (%2).</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>The disk did not confirm that %1 was written (%2); it may be lost if the computer stops now.</source>
        <translation>Le disque n&apos;a pas confirmé l&apos;écriture de %1 (%2) ; il peut être perdu si l&apos;ordinateur s&apos;arrête maintenant.</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace, so nothing was written.</source>
        <translation>%1 est %2, que Velmorwick ne remplace pas ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Another program replaced %1 while Velmorwick wrote it (a sync program may be busy with it), so nothing was written. Please try again in a moment.</source>
        <translation>Un autre programme a remplacé %1 pendant que Velmorwick l&apos;écrivait (peut-être un programme de synchronisation) ; rien n&apos;a été écrit. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The folder %1 can be opened by other users, and Velmorwick leaves it as it is because it is shared or reached through a link: they may be able to remove or replace your settings there.</source>
        <translation>Le dossier %1 peut être ouvert par d&apos;autres utilisateurs, et Velmorwick le laisse tel quel parce qu&apos;il est partagé ou atteint par un lien : ils pourraient y supprimer ou remplacer vos réglages.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside. Nothing will be written to it until it is mended or removed.</source>
        <translation>Le fichier de réglages %1 est endommagé et n&apos;a pas pu être copié à part. Rien n&apos;y sera écrit tant qu&apos;il n&apos;est pas réparé ou retiré.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created (%2).</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé (%2).</translation>
    </message>
    <message>
        <source>Another copy of Velmorwick is still writing the settings file %1. Please try again in a moment.</source>
        <translation>Un autre Velmorwick écrit encore le fichier de réglages %1. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings file in it cannot be written.</source>
        <translation>Le dossier %1 est en lecture seule ; le fichier de réglages qu&apos;il contient ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>its lock file cannot be used: %1</source>
        <translation>son fichier de verrou est inutilisable : %1</translation>
    </message>
    <message>
        <source>The version of the private list saved elsewhere could not be kept beside the settings file (%1), so nothing was written.</source>
        <translation>La version de la liste privée enregistrée ailleurs n&apos;a pas pu être gardée à côté du fichier de réglages (%1) ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so nothing was written to it.</source>
        <translation>Le fichier de réglages %1 est en lecture seule ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside, so nothing was written to it.</source>
        <translation>Le fichier de réglages %1 est endommagé et n&apos;a pas pu être copié à part ; rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>Les réglages ont changé entre-temps ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The settings file would grow past %1 MB, more than Velmorwick reads back, so nothing was written.</source>
        <translation>Le fichier de réglages dépasserait %1 Mo, plus que Velmorwick ne relit ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The version saved elsewhere could not be kept first, as a snapshot (%1) or beside the settings file (%2), so nothing was written.</source>
        <translation>La version enregistrée ailleurs n&apos;a pas pu être gardée d&apos;abord, ni en instantané (%1) ni à côté du fichier de réglages (%2) ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than any settings file.</source>
        <translation>%1 dépasse %2 Mo, bien plus que tout fichier de réglages.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>it holds no settings of Velmorwick</source>
        <translation>il ne contient aucun réglage de Velmorwick</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>ce n&apos;est pas du texte en UTF-8</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>%1 is not a settings file of Velmorwick (%2); the store was left as it was.</source>
        <translation>%1 n&apos;est pas un fichier de réglages de Velmorwick (%2) ; les réglages sont restés tels quels.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be copied aside (%2), so it was not replaced.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être copié à part (%2) ; il n&apos;a pas été remplacé.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>restauration</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook %1 (%2); they are saved in their list.</source>
        <translation>Les tâches qui viennent d&apos;être cochées n&apos;ont pas pu être écrites dans le journal %1 (%2) ; elles sont enregistrées dans leur liste.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be read (%2).</source>
        <translation>Le journal %1 n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Une partie du journal %1 était endommagée et illisible ; il est gardé sous %2, et un nouveau reprend le reste.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Une partie du journal %1 était endommagée et illisible ; le reste a été lu.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first (%1), so nothing was taken out of it.</source>
        <translation>Le journal de cet ordinateur n&apos;a pas pu être copié à part d&apos;abord (%1) ; rien n&apos;en a été retiré.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>Le journal %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>The private list could not be taken out of %1.</source>
        <translation>La liste privée n&apos;a pas pu être retirée de %1.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: some of it could not be read. A copy of it was kept as %2. Velmorwick goes on with what it could read.</source>
        <translation>Le fichier de réglages %1 est endommagé : une partie était illisible. Une copie a été gardée sous %2. Velmorwick continue avec ce qu&apos;il a pu lire.</translation>
    </message>
    <message>
        <source>The settings file %1 holds entries Velmorwick cannot write back exactly as they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 before anything in it is changed.</source>
        <translation>Le fichier de réglages %1 contient des entrées que Velmorwick ne peut pas réécrire à l&apos;identique (modifiées à la main ou pas en UTF-8). Une copie a été gardée sous %2 avant toute modification.</translation>
    </message>
    <message>
        <source>it is %1, not an ordinary file</source>
        <translation>c&apos;est %1, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than any settings file</source>
        <translation>il dépasse tout fichier de réglages</translation>
    </message>
    <message>
        <source>a password change is half done, and its key is never kept</source>
        <translation>un changement de mot de passe est à moitié fait, et sa clé n&apos;est jamais gardée</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tâches vidées</translation>
    </message>
    <message>
        <source>first save of the day</source>
        <translation>premier enregistrement du jour</translation>
    </message>
    <message>
        <source>The snapshot %1 is named after a time more than a day after this computer&apos;s clock: either the clock was ahead when it was kept, or it is behind now. It is kept, and not counted as today&apos;s.</source>
        <translation>L&apos;instantané %1 porte une heure de plus d&apos;un jour après l&apos;horloge de cet ordinateur : soit l&apos;horloge avançait quand il a été gardé, soit elle retarde maintenant. Il est gardé, et ne compte pas pour aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Velmorwick could not keep a snapshot of its settings before this step (%1). The step went on without one; each later step tries again, and you are told again only when a step cannot go on without one.</source>
        <translation>Velmorwick n&apos;a pas pu garder d&apos;instantané de ses réglages avant cette étape (%1). L&apos;étape a continué sans ; chaque étape suivante réessaie, et vous n&apos;êtes prévenu à nouveau que si une étape ne peut pas continuer sans.</translation>
    </message>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(illisible : %1)</translation>
    </message>
    <message>
        <source>There are no snapshots.</source>
        <translation>Il n&apos;y a aucun instantané.</translation>
    </message>
    <message>
        <source>There is no snapshot %1; they are numbered 1 to %2.</source>
        <translation>Il n&apos;y a pas d&apos;instantané %1 ; ils sont numérotés de 1 à %2.</translation>
    </message>
    <message>
        <source>Snapshot %1 cannot be read (%2).</source>
        <translation>L&apos;instantané %1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>Velmorwick could not read %1, a copy of its settings a sync program kept (%2). It is left as it is.</source>
        <translation>Velmorwick n&apos;a pas pu lire %1, une copie de ses réglages gardée par un programme de synchronisation (%2). Elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>Velmorwick could not merge the copies of its settings a sync program kept (%1): %2. They are left as they are.</source>
        <translation>Velmorwick n&apos;a pas pu fusionner les copies de ses réglages gardées par un programme de synchronisation (%1) : %2. Elles sont laissées telles quelles.</translation>
    </message>
    <message>
        <source>together they would pass the %1 MB Velmorwick reads</source>
        <translation>ensemble, elles dépasseraient les %1 Mo que lit Velmorwick</translation>
    </message>
    <message>
        <source>%1 could not be read again to keep it (%2)</source>
        <translation>%1 n&apos;a pas pu être relu pour être gardé (%2)</translation>
    </message>
    <message>
        <source>there was no room to keep what it would replace (%1)</source>
        <translation>il n&apos;y avait pas de place pour garder ce qui serait remplacé (%1)</translation>
    </message>
    <message>
        <source>the settings file could not be copied aside first (%1)</source>
        <translation>le fichier de réglages n&apos;a pas pu être copié à part d&apos;abord (%1)</translation>
    </message>
    <message>
        <source>Velmorwick merged %1, a copy of its settings a sync program kept, but could not remove it (%2); it will not be merged again.</source>
        <translation>Velmorwick a fusionné %1, une copie de ses réglages gardée par un programme de synchronisation, mais n&apos;a pas pu la supprimer (%2) ; elle ne sera plus fusionnée.</translation>
    </message>
    <message>
        <source>%1, a copy of Velmorwick&apos;s settings a sync program kept, was saved on a computer whose clock is more than a day ahead. Lists you change here from now on still count as saved after it; please set that computer&apos;s clock.</source>
        <translation>%1, une copie des réglages de Velmorwick gardée par un programme de synchronisation, a été enregistrée sur un ordinateur dont l&apos;horloge avance de plus d&apos;un jour. Les listes que vous modifiez ici désormais comptent quand même comme enregistrées après ; veuillez régler l&apos;horloge de cet ordinateur.</translation>
    </message>
    <message>
        <source>%1 looked like a copy of Velmorwick&apos;s settings that a sync program kept, but it holds something else or is damaged, so nothing of it was merged. It is kept whole beside the settings file, in %2, as %3.</source>
        <translation>%1 ressemblait à une copie des réglages de Velmorwick gardée par un programme de synchronisation, mais contient autre chose ou est endommagée ; rien n&apos;en a été fusionné. Elle est gardée entière à côté du fichier de réglages, dans %2, sous %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n de plus</numerusform>
            <numerusform>%n de plus</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the private list kept aside on another computer came with its copy of the settings: %n set(s) taken in; velmorwick put-back puts them into the list.</source>
        <translation>
            <numerusform>Des lignes de la liste privée mises de côté sur un autre ordinateur sont venues avec sa copie des réglages : %n lot repris ; velmorwick put-back les remet dans la liste.</numerusform>
            <numerusform>Des lignes de la liste privée mises de côté sur un autre ordinateur sont venues avec sa copie des réglages : %n lots repris ; velmorwick put-back les remet dans la liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>At most %1 sets are kept, the newest, as each asks for its password to be tried: the older ones are only in the versions kept beside the settings file.</source>
        <translation>Au plus %1 lots sont gardés, les plus récents, car chacun demande son mot de passe : les plus anciens ne sont que dans les versions gardées à côté du fichier de réglages.</translation>
    </message>
    <message numerus="yes">
        <source>%n more copies</source>
        <translation>
            <numerusform>%n copie de plus</numerusform>
            <numerusform>%n copies de plus</numerusform>
        </translation>
    </message>
    <message>
        <source>The versions that lost are kept beside the settings file, in %1.</source>
        <translation>Les versions perdantes sont gardées à côté du fichier de réglages, dans %1.</translation>
    </message>
    <message>
        <source>Tasks changed on both computers, where the later change stands: %1. velmorwick replaced lists the texts it replaced and puts one back.</source>
        <translation>Tâches modifiées sur les deux ordinateurs, où la modification la plus récente l&apos;emporte : %1. velmorwick replaced liste les textes remplacés et en remet un.</translation>
    </message>
    <message>
        <source>The version of the private list that lost is kept aside in the settings, encrypted under the password it was saved with: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>La version perdante de la liste privée est mise de côté dans les réglages, chiffrée avec le mot de passe sous lequel elle a été enregistrée : velmorwick put-back remet ses tâches absentes de la liste dans ses lignes vides.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: every list here was the later one.</source>
        <translation>Des listes ont été enregistrées sur deux ordinateurs à la fois, et le programme de synchronisation a gardé les deux versions. Velmorwick les a fusionnées, chaque tâche telle que modifiée en dernier et le reste tel qu&apos;enregistré en dernier : chaque liste ici était la plus récente.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: %1.</source>
        <translation>Des listes ont été enregistrées sur deux ordinateurs à la fois, et le programme de synchronisation a gardé les deux versions. Velmorwick les a fusionnées, chaque tâche telle que modifiée en dernier et le reste tel qu&apos;enregistré en dernier : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files looked like copies of Velmorwick&apos;s settings that a sync program kept, but hold something else or are damaged, so nothing of them was merged. They are kept whole beside the settings file, in %1, as %2.</source>
        <translation>
            <numerusform>%n fichier ressemblait à une copie des réglages de Velmorwick gardée par un programme de synchronisation, mais contient autre chose ou est endommagé ; rien n&apos;en a été fusionné. Il est gardé entier à côté du fichier de réglages, dans %1, sous %2.</numerusform>
            <numerusform>%n fichiers ressemblaient à des copies des réglages de Velmorwick gardées par un programme de synchronisation, mais contiennent autre chose ou sont endommagés ; rien n&apos;en a été fusionné. Ils sont gardés entiers à côté du fichier de réglages, dans %1, sous %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n versions that lost are kept beside the settings file, in %1.</source>
        <translation>
            <numerusform>La %n version perdante est gardée à côté du fichier de réglages, dans %1.</numerusform>
            <numerusform>Les %n versions perdantes sont gardées à côté du fichier de réglages, dans %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoneWindow</name>
    <message>
        <source>Tarnbook - What I Got Done</source>
        <translation>Tarnbook - Ce que j&apos;ai fait</translation>
    </message>
    <message>
        <source>Days shown</source>
        <translation>Jours affichés</translation>
    </message>
    <message>
        <source>Tasks done, by day</source>
        <translation>Tâches faites, par jour</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>the last %n days</source>
        <translation>
            <numerusform>le dernier %n jour</numerusform>
            <numerusform>les %n derniers jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListStorage</name>
    <message>
        <source>Task %1 is longer than %2 characters; shorten it to save the list.</source>
        <translation>La tâche %1 dépasse %2 caractères ; raccourcissez-la pour enregistrer la liste.</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tâches vidées</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
</context>
<context>
    <name>LogbookFile</name>
    <message>
        <source>The logbook %1 could not be read.</source>
        <translation>Le journal %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Une partie du journal %1 était endommagée et illisible ; il est gardé sous %2, et un nouveau reprend le reste.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Une partie du journal %1 était endommagée et illisible ; le reste a été lu.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first, so nothing was taken out of it.</source>
        <translation>Le journal de cet ordinateur n&apos;a pas pu être copié à part d&apos;abord ; rien n&apos;en a été retiré.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written.</source>
        <translation>Le journal %1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>Le journal %1 n&apos;a pas pu être écrit (%2).</translation>
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
        <translation>Choisissez le nombre de tâches !</translation>
    </message>
    <message>
        <source>v3.01</source>
        <translation>v3.01</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
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
        <translation>&amp;Vider toutes les tâches</translation>
    </message>
    <message>
        <source>&amp;Quick Notes</source>
        <translation>Notes &amp;rapides</translation>
    </message>
    <message>
        <source>Make &amp;Topmost</source>
        <translation>&amp;Toujours devant</translation>
    </message>
    <message>
        <source>Make &amp;Non-topmost</source>
        <translation>&amp;Pas toujours devant</translation>
    </message>
    <message>
        <source>Reset AutoLoad</source>
        <translation>Réinitialiser AutoLoad</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Q&amp;uitter</translation>
    </message>
    <message>
        <source>My &amp;Private List</source>
        <translation>Ma liste &amp;privée</translation>
    </message>
    <message>
        <source>&amp;View My Private List</source>
        <translation>&amp;Voir ma liste privée</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>&amp;Changer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Please select number of tasks</source>
        <translation>Veuillez choisir le nombre de tâches</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all tasks?</source>
        <translation>Voulez-vous vraiment vider toutes les tâches ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Clear All Tasks</source>
        <translation>Vider toutes les tâches</translation>
    </message>
    <message>
        <source>The tasks were not cleared.</source>
        <translation>Les tâches n&apos;ont pas été vidées.</translation>
    </message>
    <message>
        <source>All Tasks Cleared!</source>
        <translation>Toutes les tâches sont vidées !</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The reminder could not be switched on again.</source>
        <translation>Le rappel n&apos;a pas pu être réactivé.</translation>
    </message>
    <message>
        <source>AutoLoad Window has been reset!</source>
        <translation>La fenêtre AutoLoad a été réinitialisée !</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n tâche</numerusform>
            <numerusform>%n tâches</numerusform>
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
        <translation>%1 ; %2</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>Tarnbook! Quick Note (Main)</source>
        <translation>Tarnbook! Note rapide (princ.)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (2)</source>
        <translation>Tarnbook! Note rapide (2)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (3)</source>
        <translation>Tarnbook! Note rapide (3)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (4)</source>
        <translation>Tarnbook! Note rapide (4)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (End)</source>
        <translation>Tarnbook! Note rapide (fin)</translation>
    </message>
    <message>
        <source>Clear Current Quicknote</source>
        <translation>Vider cette note</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Notes may go behind other windows here: %1. The README&apos;s &quot;Wayland and scaling&quot; tells what to do.</source>
        <translation>Les notes peuvent passer derrière d&apos;autres fenêtres ici : %1. La section « Wayland and scaling » du README dit quoi faire.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show again</source>
        <translation>&amp;Ne plus afficher</translation>
    </message>
    <message>
        <source>The notice could not be turned off for good.</source>
        <translation>L&apos;avis n&apos;a pas pu être désactivé pour de bon.</translation>
    </message>
    <message>
        <source>Do you want to completely exit Tarnbook?</source>
        <translation>Voulez-vous quitter complètement Tarnbook ?</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Alerte !</translation>
    </message>
</context>
<context>
    <name>PasswordCreateWindow</name>
    <message>
        <source>Create Password</source>
        <translation>Créer le mot de passe</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Re-enter Password</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please create your Private List Password</source>
        <translation>Veuillez créer le mot de passe de votre liste privée</translation>
    </message>
    <message>
        <source>Passwords are blank or do not match</source>
        <translation>Mots de passe vides ou différents</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>The password was not saved.</source>
        <translation>Le mot de passe n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Password Set!</source>
        <translation>Mot de passe défini !</translation>
    </message>
    <message>
        <source>Older copies of your settings (%1: snapshots and copies kept beside them) still open the private list with the earlier password. To take the private list out of them, run: velmorwick snapshots --forget-private. A backup you wrote elsewhere is yours to delete.</source>
        <translation>Des copies plus anciennes de vos réglages (%1 : instantanés et copies gardées à côté) ouvrent encore la liste privée avec l&apos;ancien mot de passe. Pour en retirer la liste privée, lancez : velmorwick snapshots --forget-private. Une sauvegarde écrite ailleurs est à vous de supprimer.</translation>
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
        <translation>Mot de passe !</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Please enter your password below!</source>
        <translation>Veuillez saisir votre mot de passe !</translation>
    </message>
    <message>
        <source>Wrong password, please try again</source>
        <translation>Mot de passe erroné, réessayez</translation>
    </message>
    <message>
        <source>The stored password cannot be checked: it asks for far more work than Velmorwick ever sets, so the settings file may have been altered.</source>
        <translation>Le mot de passe enregistré ne peut pas être vérifié : il demande bien plus de travail que Velmorwick n&apos;en fixe jamais ; le fichier de réglages a donc peut-être été modifié.</translation>
    </message>
    <message>
        <source>The password cannot be checked: %1. Nothing was changed.</source>
        <translation>Le mot de passe ne peut pas être vérifié : %1. Rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>The private list could not be opened, because it could not be saved encrypted. %1</source>
        <translation>La liste privée n&apos;a pas pu être ouverte, car elle n&apos;a pas pu être enregistrée chiffrée. %1</translation>
    </message>
    <message>
        <source>Password field cannot be blank</source>
        <translation>Le mot de passe ne peut pas être vide</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>The password could not be removed.</source>
        <translation>Le mot de passe n&apos;a pas pu être retiré.</translation>
    </message>
</context>
<context>
    <name>PrivateVault</name>
    <message>
        <source>The settings file held private tasks in plain text, where this version of Velmorwick never writes them, so they were not taken into your private list: they are kept aside, encrypted, in the settings (section &quot;%1&quot;).</source>
        <translation>Le fichier de réglages contenait des tâches privées en clair, là où cette version de Velmorwick ne les écrit jamais ; elles n&apos;ont donc pas été reprises dans votre liste privée : elles sont mises de côté, chiffrées, dans les réglages (section « %1 »).</translation>
    </message>
    <message>
        <source>There was not enough memory to protect it.</source>
        <translation>Il n&apos;y avait pas assez de mémoire pour la protéger.</translation>
    </message>
    <message>
        <source>There was not enough memory to protect the list meanwhile.</source>
        <translation>Il n&apos;y avait pas assez de mémoire pour protéger la liste entre-temps.</translation>
    </message>
    <message>
        <source>password change</source>
        <translation>changement de mot de passe</translation>
    </message>
    <message>
        <source>A password was set meanwhile, by another copy of Velmorwick. Open the private list with that password.</source>
        <translation>Un mot de passe a été défini entre-temps, par un autre Velmorwick. Ouvrez la liste privée avec ce mot de passe.</translation>
    </message>
    <message>
        <source>The private list is locked; open it again with the password.</source>
        <translation>La liste privée est verrouillée ; rouvrez-la avec le mot de passe.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it has been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list opens empty.</source>
        <translation>La liste privée enregistrée n&apos;a pas pu être lue : elle a été endommagée ou modifiée. Elle est gardée telle quelle dans les réglages (section « %1 »), et la liste s&apos;ouvre vide.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it had been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;).</source>
        <translation>La liste privée enregistrée n&apos;a pas pu être lue : elle avait été endommagée ou modifiée. Elle est gardée telle quelle dans les réglages (section « %1 »).</translation>
    </message>
    <message>
        <source>There was no source of randomness to encrypt it with.</source>
        <translation>Il n&apos;y avait aucune source d&apos;aléa pour la chiffrer.</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere while this list was open (on another computer, in another copy of Velmorwick, or by a restore), so your rows were not saved over the list stored under it.</source>
        <translation>Le mot de passe de la liste privée a été changé ailleurs pendant que cette liste était ouverte (sur un autre ordinateur, dans un autre Velmorwick ou par une restauration) ; vos lignes n&apos;ont donc pas été écrites sur la liste enregistrée sous ce mot de passe.</translation>
    </message>
    <message>
        <source>They could not be kept aside either: %1 Copy them before you close this window.</source>
        <translation>Elles n&apos;ont pas pu être mises de côté non plus : %1 Copiez-les avant de fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>They are kept aside, encrypted under the password that opened them (section &quot;%1&quot; of the settings). Close this list and open it again with the current password; to put those rows back into it, run: velmorwick put-back.</source>
        <translation>Elles sont mises de côté, chiffrées avec le mot de passe qui les a ouvertes (section « %1 » des réglages). Fermez cette liste et rouvrez-la avec le mot de passe actuel ; pour y remettre ces lignes, lancez : velmorwick put-back.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>its cryptography library did not start on this system</source>
        <translation>sa bibliothèque de cryptographie n&apos;a pas démarré sur ce système</translation>
    </message>
    <message>
        <source>The saved private list could not be opened: its key is missing, damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list starts empty.</source>
        <translation>La liste privée enregistrée n&apos;a pas pu être ouverte : sa clé manque, est endommagée ou modifiée. Elle est gardée telle quelle dans les réglages (section « %1 »), et la liste commence vide.</translation>
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
        <translation>l&apos;imprimante %1 n&apos;a pas accepté la tâche</translation>
    </message>
    <message>
        <source>Saved. %1</source>
        <translation>Enregistré. %1</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>The folder %1 cannot be used (%2).</source>
        <translation>Le dossier %1 ne peut pas être utilisé (%2).</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it (%2).</source>
        <translation>%1 a été écrit, mais le disque ne l&apos;a pas confirmé (%2).</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace.</source>
        <translation>%1 est %2, que Velmorwick ne remplace pas.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>%1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 est %2, pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes, or grew while it was read.</source>
        <translation>%1 dépasse %2 Mo, bien plus que Velmorwick n&apos;écrit jamais, ou a grossi pendant sa lecture.</translation>
    </message>
    <message>
        <source>a Wayland session lets no program keep a window above others or place it</source>
        <translation>une session Wayland ne laisse aucun programme garder une fenêtre au-dessus des autres ni la placer</translation>
    </message>
    <message>
        <source>the window manager does not keep windows above others</source>
        <translation>le gestionnaire de fenêtres ne garde pas de fenêtre au-dessus des autres</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>%1 is a file Velmorwick keeps for itself.</source>
        <translation>%1 est un fichier que Velmorwick garde pour lui-même.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes.</source>
        <translation>%1 dépasse %2 Mo, bien plus que Velmorwick n&apos;écrit jamais.</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: this Wayland session has no X display (Xwayland) and Qt&apos;s Wayland plugin is not installed; install Debian&apos;s xwayland, or qt6-wayland</source>
        <translation>velmorwick ne peut pas ouvrir de fenêtre : cette session Wayland n&apos;a pas d&apos;affichage X (Xwayland) et le module Wayland de Qt n&apos;est pas installé ; installez xwayland ou qt6-wayland de Debian</translation>
    </message>
    <message>
        <source>velmorwick needs a graphical session (DISPLAY is not set); to try it without one, run: xvfb-run velmorwick, or QT_QPA_PLATFORM=offscreen velmorwick</source>
        <translation>velmorwick a besoin d&apos;une session graphique (DISPLAY n&apos;est pas défini) ; pour l&apos;essayer sans, lancez : xvfb-run velmorwick, ou QT_QPA_PLATFORM=offscreen velmorwick</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland plugin is not installed (Debian&apos;s qt6-wayland)</source>
        <translation>le module Wayland de Qt n&apos;est pas installé (qt6-wayland de Debian)</translation>
    </message>
    <message>
        <source>Qt has no plugin named &quot;%1&quot;</source>
        <translation>Qt n&apos;a pas de module nommé « %1 »</translation>
    </message>
    <message>
        <source>the X display %1 could not be opened (is it running, and XAUTHORITY set?)</source>
        <translation>l&apos;affichage X %1 n&apos;a pas pu être ouvert (est-il lancé, et XAUTHORITY est-il défini ?)</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 could not be reached</source>
        <translation>le compositeur Wayland %1 n&apos;a pas pu être joint</translation>
    </message>
    <message>
        <source>no window system plugin of Qt&apos;s could start</source>
        <translation>aucun module de système de fenêtres de Qt n&apos;a pu démarrer</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: QT_QPA_PLATFORM=%1 cannot be used here: %2</source>
        <translation>velmorwick ne peut pas ouvrir de fenêtre : QT_QPA_PLATFORM=%1 est inutilisable ici : %2</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: %1</source>
        <translation>velmorwick ne peut pas ouvrir de fenêtre : %1</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>Les réglages ont changé entre-temps ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry.</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans le registre.</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook (%1); they are saved in their list.</source>
        <translation>Les tâches qui viennent d&apos;être cochées n&apos;ont pas pu être écrites dans le journal (%1) ; elles sont enregistrées dans leur liste.</translation>
    </message>
    <message>
        <source>Velmorwick does not keep &quot;%1&quot; in section &quot;%2&quot; of its settings, so nothing was written.</source>
        <translation>Velmorwick ne garde pas « %1 » dans la section « %2 » de ses réglages ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>This store cannot be copied to a file here.</source>
        <translation>Ces réglages ne peuvent pas être copiés dans un fichier ici.</translation>
    </message>
    <message>
        <source>This store cannot be restored from a file here.</source>
        <translation>Ces réglages ne peuvent pas être restaurés depuis un fichier ici.</translation>
    </message>
    <message>
        <source>This store keeps no snapshots here.</source>
        <translation>Ces réglages ne gardent pas d&apos;instantanés ici.</translation>
    </message>
    <message>
        <source>This system keeps no logbook of tasks done.</source>
        <translation>Ce système ne tient pas de journal des tâches faites.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>un lien symbolique</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a file Velmorwick keeps for itself</source>
        <translation>un fichier que Velmorwick garde pour lui-même</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>le fichier dépasserait la taille que ce système permet</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>le dossier est en lecture seule</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>le disque a signalé une erreur</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Velmorwick does not follow</source>
        <translation>c&apos;est un lien symbolique, que Velmorwick ne suit pas</translation>
    </message>
    <message>
        <source>it is not a folder of yours that only you can open</source>
        <translation>ce n&apos;est pas un dossier à vous que vous seul pouvez ouvrir</translation>
    </message>
    <message>
        <source>it is an ordinary file, not a folder</source>
        <translation>c&apos;est un fichier ordinaire, pas un dossier</translation>
    </message>
    <message>
        <source>it is a pipe, not a folder</source>
        <translation>c&apos;est un tube, pas un dossier</translation>
    </message>
    <message>
        <source>it is a device or a socket, not a folder</source>
        <translation>c&apos;est un périphérique ou un socket, pas un dossier</translation>
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
        <translation>Charger une liste automatiquement au prochain lancement ?</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again in the future</source>
        <translation>Ne plus me le rappeler</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your choice could not be saved, so nothing changes at the next start.</source>
        <translation>Votre choix n&apos;a pas pu être enregistré ; rien ne change au prochain lancement.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>5 Tasks</source>
        <translation>5 tâches</translation>
    </message>
    <message>
        <source>Replaces each character by its preceeding letter in the aplhabet (a becomes b, f becomes g)</source>
        <translation>Remplace chaque caractère par la lettre qui le précède dans l&apos;alphabet (a devient b, f devient g)</translation>
    </message>
    <message>
        <source>10 Tasks</source>
        <translation>10 tâches</translation>
    </message>
    <message>
        <source>Reverses the text</source>
        <translation>Inverse le texte</translation>
    </message>
    <message>
        <source>13 Tasks</source>
        <translation>13 tâches</translation>
    </message>
    <message>
        <source>Every 2 consequetive characters switch places</source>
        <translation>Chaque paire de caractères consécutifs échange ses places</translation>
    </message>
    <message>
        <source>15 Tasks</source>
        <translation>15 tâches</translation>
    </message>
    <message>
        <source>Every character is mapped to a hidden character and then replaced!</source>
        <translation>Chaque caractère est associé à un caractère caché puis remplacé !</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes it: your saved lists cannot be shown, and nothing can be saved until it is replaced by an ordinary file.</source>
        <translation>Le fichier de réglages %1 est %2, pas un fichier ordinaire. Velmorwick ne le lit ni ne l&apos;écrit : vos listes enregistrées ne peuvent pas être affichées, et rien ne peut être enregistré tant qu&apos;il n&apos;est pas remplacé par un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it was not read: your saved lists cannot be shown, and nothing can be saved until it is moved away.</source>
        <translation>Le fichier de réglages %1 dépasse %2 Mo, bien plus que Velmorwick n&apos;écrit jamais ; il n&apos;a pas été lu : vos listes enregistrées ne peuvent pas être affichées, et rien ne peut être enregistré tant qu&apos;il n&apos;est pas déplacé.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2). Your saved lists cannot be shown, and nothing will be saved until the file can be read again.</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu (%2). Vos listes enregistrées ne peuvent pas être affichées, et rien ne sera enregistré tant que le fichier ne sera pas lisible.</translation>
    </message>
</context>
<context>
    <name>TaskListWindow</name>
    <message>
        <source>Today&apos;s Tarnbook!</source>
        <translation>Tarnbook du jour !</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tâche %1</translation>
    </message>
    <message>
        <source>Task %1 done</source>
        <translation>Tâche %1 faite</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Tick all tasks</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Sauver</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Erreur !</translation>
    </message>
    <message>
        <source>saved over a version from elsewhere</source>
        <translation>enregistrée sur une version venue d&apos;ailleurs</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>tâches vidées</translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation>La liste n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Changed elsewhere meanwhile and replaced by yours: %1. velmorwick replaced lists what they held, and velmorwick replaced --put-back puts one back.</source>
        <translation>Modifiées ailleurs entre-temps et remplacées par les vôtres : %1. velmorwick replaced liste leur contenu, et velmorwick replaced --put-back en remet une.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept aside in the settings, encrypted under the password it was saved with, before yours replaced it: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>La version de cette liste enregistrée ailleurs a été mise de côté dans les réglages, chiffrée avec le mot de passe sous lequel elle a été enregistrée, avant que la vôtre la remplace : velmorwick put-back remet ses tâches absentes de la liste dans ses lignes vides.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept beside the settings file, as %1, before yours replaced it.</source>
        <translation>La version de cette liste enregistrée ailleurs a été gardée à côté du fichier de réglages, sous %1, avant que la vôtre la remplace.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept as a snapshot before yours replaced it (velmorwick snapshots lists it).</source>
        <translation>La version de cette liste enregistrée ailleurs a été gardée en instantané avant que la vôtre la remplace (velmorwick snapshots la liste).</translation>
    </message>
    <message>
        <source>The saved list could not be cleared; it will come back the next time this list is opened.</source>
        <translation>La liste enregistrée n&apos;a pas pu être vidée ; elle reviendra à la prochaine ouverture de cette liste.</translation>
    </message>
    <message>
        <source>This private list was saved elsewhere under another password, which this window cannot open. Save keeps your rows aside, encrypted; then close the list and open it again with the current password.</source>
        <translation>Cette liste privée a été enregistrée ailleurs sous un autre mot de passe, que cette fenêtre ne peut pas ouvrir. Enregistrer met vos lignes de côté, chiffrées ; fermez ensuite la liste et rouvrez-la avec le mot de passe actuel.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (modifiée ailleurs)</translation>
    </message>
    <message>
        <source>The list could not be printed: %1.</source>
        <translation>La liste n&apos;a pas pu être imprimée : %1.</translation>
    </message>
    <message>
        <source>My Private Tarnbook!</source>
        <translation>Mon Tarnbook privé !</translation>
    </message>
    <message>
        <source>Tarnbook! 3 Tasks</source>
        <translation>Tarnbook! 3 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! Normal Day</source>
        <translation>Tarnbook! Jour normal</translation>
    </message>
    <message>
        <source>Tarnbook! 6 Tasks</source>
        <translation>Tarnbook! 6 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! 7 Tasks</source>
        <translation>Tarnbook! 7 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! 8 Tasks</source>
        <translation>Tarnbook! 8 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! 9 Tasks</source>
        <translation>Tarnbook! 9 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! Busy Day</source>
        <translation>Tarnbook! Journée chargée</translation>
    </message>
    <message>
        <source>Tarnbook! 11 Tasks</source>
        <translation>Tarnbook! 11 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! 12 Tasks</source>
        <translation>Tarnbook! 12 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! 13 Tasks</source>
        <translation>Tarnbook! 13 tâches</translation>
    </message>
    <message>
        <source>Tarnbook! 14 Tasks...</source>
        <translation>Tarnbook! 14 tâches...</translation>
    </message>
    <message>
        <source>Tarnbook! Really Busy Day...</source>
        <translation>Tarnbook! Journée très chargée...</translation>
    </message>
</context>
<context>
    <name>addcommand</name>
    <message>
        <source>a task needs some text</source>
        <translation>une tâche a besoin de texte</translation>
    </message>
    <message>
        <source>a task is one line, without line breaks or control characters</source>
        <translation>une tâche tient sur une ligne, sans saut de ligne ni caractère de contrôle</translation>
    </message>
    <message>
        <source>a task is at most %1 characters</source>
        <translation>une tâche a au plus %1 caractères</translation>
    </message>
    <message>
        <source>%1; nothing was added.</source>
        <translation>%1 ; rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>no list opens at start to add to; name one with --list N (3, or 5 to 15).</source>
        <translation>aucune liste ne s&apos;ouvre au lancement pour y ajouter ; nommez-en une avec --list N (3, ou 5 à 15).</translation>
    </message>
    <message>
        <source>there is no %1-task list; the lists have 3, or 5 to 15 tasks.</source>
        <translation>il n&apos;y a pas de liste de %1 tâches ; les listes ont 3, ou 5 à 15 tâches.</translation>
    </message>
    <message>
        <source>the %1-task list is full; nothing was added.</source>
        <translation>la liste de %1 tâches est pleine ; rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>the %1-task list has room for %2 more; nothing was added.</source>
        <translation>la liste de %1 tâches n&apos;a de place que pour %2 de plus ; rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>%1 Nothing was added.</source>
        <translation>%1 Rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>the %1-task list kept changing meanwhile; nothing was added.</source>
        <translation>la liste de %1 tâches changeait sans cesse ; rien n&apos;a été ajouté.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Tarnbook, a small to-do list: today&apos;s tasks, a private list and quick notes. Started without options, it opens its windows.</source>
        <translation>Tarnbook, une petite liste de tâches : les tâches du jour, une liste privée et des notes rapides. Lancé sans options, il ouvre ses fenêtres.</translation>
    </message>
    <message>
        <source>export: text or json; done: text, json or csv.</source>
        <translation>export : text ou json ; done : text, json ou csv.</translation>
    </message>
    <message>
        <source>done: the last N days (7 if not given).</source>
        <translation>done : les N derniers jours (7 par défaut).</translation>
    </message>
    <message>
        <source>done: from this day on.</source>
        <translation>done : à partir de ce jour.</translation>
    </message>
    <message>
        <source>done: take the tasks done before this day away.</source>
        <translation>done : retirer les tâches faites avant ce jour.</translation>
    </message>
    <message>
        <source>done: the tasks unticked again too.</source>
        <translation>done : aussi les tâches décochées ensuite.</translation>
    </message>
    <message>
        <source>export: the private list too (asks for its password).</source>
        <translation>export : aussi la liste privée (demande son mot de passe).</translation>
    </message>
    <message>
        <source>restore: this snapshot (see velmorwick snapshots).</source>
        <translation>restore : cet instantané (voir velmorwick snapshots).</translation>
    </message>
    <message>
        <source>add: the list with N tasks (3, or 5 to 15).</source>
        <translation>add : la liste de N tâches (3, ou 5 à 15).</translation>
    </message>
    <message>
        <source>snapshots: take the private list out of the copies an older password opens.</source>
        <translation>snapshots : retirer la liste privée des copies qu&apos;un ancien mot de passe ouvre.</translation>
    </message>
    <message>
        <source>replaced: put task N back (see velmorwick replaced).</source>
        <translation>replaced : remettre la tâche N (voir velmorwick replaced).</translation>
    </message>
    <message>
        <source>add, export, import, backup, restore, snapshots, put-back, replaced or done.</source>
        <translation>add, export, import, backup, restore, snapshots, put-back, replaced ou done.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Commande inconnue : %1</translation>
    </message>
    <message>
        <source>argument %1 is not text in this system&apos;s encoding; nothing was added.</source>
        <translation>l&apos;argument %1 n&apos;est pas du texte dans l&apos;encodage de ce système ; rien n&apos;a été ajouté.</translation>
    </message>
    <message>
        <source>--format and --private belong to export, --snapshot to restore, --list to add, --forget-private to snapshots, --put-back to replaced (see velmorwick --help)</source>
        <translation>--format et --private vont avec export, --snapshot avec restore, --list avec add, --forget-private avec snapshots, --put-back avec replaced (voir velmorwick --help)</translation>
    </message>
    <message>
        <source>--forget-before takes a day as YYYY-MM-DD, not %1</source>
        <translation>--forget-before attend un jour AAAA-MM-JJ, pas %1</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1</source>
        <translation>--days attend un nombre de jours à partir de 1</translation>
    </message>
    <message>
        <source>--since takes a day as YYYY-MM-DD, not %1</source>
        <translation>--since attend un jour AAAA-MM-JJ, pas %1</translation>
    </message>
    <message>
        <source>--put-back takes a number from 1 (see velmorwick replaced)</source>
        <translation>--put-back attend un nombre à partir de 1 (voir velmorwick replaced)</translation>
    </message>
    <message>
        <source>--snapshot takes a number from 1, or a time as YYYY-MM-DD HH:MM:SS (see velmorwick snapshots)</source>
        <translation>--snapshot attend un nombre à partir de 1, ou une heure AAAA-MM-JJ HH:MM:SS (voir velmorwick snapshots)</translation>
    </message>
    <message>
        <source>--list takes the number of tasks of a list: 3, or 5 to 15</source>
        <translation>--list attend le nombre de tâches d&apos;une liste : 3, ou 5 à 15</translation>
    </message>
    <message>
        <source>no snapshot was kept at %1 (see velmorwick snapshots)</source>
        <translation>aucun instantané n&apos;a été gardé à %1 (voir velmorwick snapshots)</translation>
    </message>
</context>
<context>
    <name>datacommands</name>
    <message>
        <source>the private list has no password yet</source>
        <translation>la liste privée n&apos;a pas encore de mot de passe</translation>
    </message>
    <message>
        <source>Password of the private list: </source>
        <translation>Mot de passe de la liste privée : </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>aucun mot de passe n&apos;a été donné</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>mot de passe erroné</translation>
    </message>
    <message>
        <source>the private list could not be saved encrypted: %1</source>
        <translation>la liste privée n&apos;a pas pu être enregistrée chiffrée : %1</translation>
    </message>
    <message>
        <source>the password cannot be checked: %1</source>
        <translation>le mot de passe ne peut pas être vérifié : %1</translation>
    </message>
    <message>
        <source>the stored password asks for far more work than Velmorwick ever sets</source>
        <translation>le mot de passe enregistré demande bien plus de travail que Velmorwick n&apos;en fixe jamais</translation>
    </message>
    <message>
        <source>export writes to one file at most</source>
        <translation>export écrit dans un fichier au plus</translation>
    </message>
    <message>
        <source>the format is text or json, not %1</source>
        <translation>le format est text ou json, pas %1</translation>
    </message>
    <message>
        <source>%1; nothing was exported.</source>
        <translation>%1 ; rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>the lists could not be written to the standard output</source>
        <translation>les listes n&apos;ont pas pu être écrites sur la sortie standard</translation>
    </message>
    <message>
        <source>%1 Nothing was exported.</source>
        <translation>%1 Rien n&apos;a été exporté.</translation>
    </message>
    <message>
        <source>import takes the one file to import</source>
        <translation>import prend le seul fichier à importer</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported.</source>
        <translation>%1 : %2 ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>%1 holds the private list, but %2; nothing was imported.</source>
        <translation>%1 contient la liste privée, mais %2 ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Imported 1 list from %1.</source>
        <translation>1 liste importée depuis %1.</translation>
    </message>
    <message>
        <source>backup takes the one file to write</source>
        <translation>backup prend le seul fichier à écrire</translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation>Sauvegardé dans %1.</translation>
    </message>
    <message>
        <source>restore --snapshot N takes no file</source>
        <translation>restore --snapshot N ne prend pas de fichier</translation>
    </message>
    <message>
        <source>restore takes the one backup to restore</source>
        <translation>restore prend la seule sauvegarde à restaurer</translation>
    </message>
    <message>
        <source>snapshot %1 (%2)</source>
        <translation>instantané %1 (%2)</translation>
    </message>
    <message>
        <source>%1 The store was left as it was.</source>
        <translation>%1 Les réglages sont restés tels quels.</translation>
    </message>
    <message>
        <source>the logbook at the end of %1 is damaged; the store was left as it was.</source>
        <translation>le journal à la fin de %1 est endommagé ; les réglages sont restés tels quels.</translation>
    </message>
    <message>
        <source>The logbook in the backup could not be added (%1); the lists were restored.</source>
        <translation>Le journal de la sauvegarde n&apos;a pas pu être ajouté (%1) ; les listes ont été restaurées.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>%1 restauré.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2, and as snapshot 1.</source>
        <translation>%1 restauré ; les réglages remplacés sont gardés sous %2, et en instantané 1.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2.</source>
        <translation>%1 restauré ; les réglages remplacés sont gardés sous %2.</translation>
    </message>
    <message>
        <source>No snapshot or kept copy opens the private list with an older password.</source>
        <translation>Aucun instantané ni copie gardée n&apos;ouvre la liste privée avec un ancien mot de passe.</translation>
    </message>
    <message>
        <source>The private list was taken out of 1 older copy (a snapshot or kept copy); its day lists stay.</source>
        <translation>La liste privée a été retirée de 1 copie plus ancienne (un instantané ou une copie gardée) ; ses listes du jour restent.</translation>
    </message>
    <message>
        <source>snapshots takes no file</source>
        <translation>snapshots ne prend pas de fichier</translation>
    </message>
    <message>
        <source>No snapshots yet: one is kept before each step that takes text away.</source>
        <translation>Pas encore d&apos;instantané : un est gardé avant chaque étape qui retire du texte.</translation>
    </message>
    <message>
        <source>Named after a time to come (kept while this computer&apos;s clock was wrong):</source>
        <translation>Nommés d&apos;après une heure à venir (gardés quand l&apos;horloge de cet ordinateur était fausse) :</translation>
    </message>
    <message>
        <source>%1  %2  %3: %4</source>
        <translation>%1  %2  %3 : %4</translation>
    </message>
    <message>
        <source>the same as now</source>
        <translation>identique à maintenant</translation>
    </message>
    <message>
        <source>differs in %1</source>
        <translation>diffère dans %1</translation>
    </message>
    <message>
        <source>put-back takes no file</source>
        <translation>put-back ne prend pas de fichier</translation>
    </message>
    <message>
        <source>No rows of the private list are kept aside.</source>
        <translation>Aucune ligne de la liste privée n&apos;est mise de côté.</translation>
    </message>
    <message>
        <source>The private list could not be opened: %1.</source>
        <translation>La liste privée n&apos;a pas pu être ouverte : %1.</translation>
    </message>
    <message>
        <source>Password the kept rows were typed under: </source>
        <translation>Mot de passe sous lequel les lignes gardées ont été saisies : </translation>
    </message>
    <message>
        <source>Put 1 row back into the private list.</source>
        <translation>1 ligne remise dans la liste privée.</translation>
    </message>
    <message>
        <source>Some kept rows stay aside: the password does not open them, or the list has not enough empty rows for them.</source>
        <translation>Des lignes gardées restent de côté : le mot de passe ne les ouvre pas, ou la liste n&apos;a pas assez de lignes vides.</translation>
    </message>
    <message>
        <source>replaced takes no file</source>
        <translation>replaced ne prend pas de fichier</translation>
    </message>
    <message>
        <source>No task was replaced by a merge.</source>
        <translation>Aucune tâche n&apos;a été remplacée par une fusion.</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>vidée</translation>
    </message>
    <message>
        <source>replaced by &quot;%1&quot;</source>
        <translation>remplacée par « %1 »</translation>
    </message>
    <message>
        <source>%1  %2  the %3-task list, task %4: &quot;%5&quot;%6 %7</source>
        <translation>%1  %2  la liste de %3 tâches, tâche %4 : « %5 »%6 %7</translation>
    </message>
    <message>
        <source> (ticked)</source>
        <translation> (cochée)</translation>
    </message>
    <message>
        <source>There is no replaced task %1 (see velmorwick replaced).</source>
        <translation>Il n&apos;y a pas de tâche remplacée %1 (voir velmorwick replaced).</translation>
    </message>
    <message>
        <source>The list changed meanwhile; nothing was changed. Try again.</source>
        <translation>La liste a changé entre-temps ; rien n&apos;a été changé. Réessayez.</translation>
    </message>
    <message>
        <source>Put back into the %1-task list as task %2.</source>
        <translation>Remise dans la liste de %1 tâches comme tâche %2.</translation>
    </message>
    <message>
        <source>done takes no file</source>
        <translation>done ne prend pas de fichier</translation>
    </message>
    <message>
        <source>--days and --since cannot go together</source>
        <translation>--days et --since ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--forget-before goes alone</source>
        <translation>--forget-before va seul</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs.</source>
        <translation>Les tâches faites avant le %1 sont retirées du journal, sur chaque ordinateur à sa synchronisation.</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs; this computer&apos;s logbook as it was is kept as %2.</source>
        <translation>Les tâches faites avant le %1 sont retirées du journal, sur chaque ordinateur à sa synchronisation ; le journal de cet ordinateur tel qu&apos;il était est gardé sous %2.</translation>
    </message>
    <message>
        <source>Added to the %1-task list as task %2.</source>
        <translation>Ajoutée à la liste de %1 tâches comme tâche %2.</translation>
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
        <translation>Commandes (sans affichage ; sûres quand les fenêtres sont ouvertes) :
  add [--list N] [--] TEXTE...
                    Chaque TEXTE une tâche dans les premières lignes vides de
                    la liste de N tâches (3, ou 5 à 15 ; sans --list, la liste
                    qui s&apos;ouvre au lancement), en une écriture : toutes ou
                    aucune. Les fenêtres ouvertes les affichent. Mettez --
                    devant un TEXTE qui commence par un tiret.
  add [--list N]    Sans TEXTE, avec un affichage : la fenêtre Ajouter une tâche.
  export [--format text|json] [--private] [FICHIER]
                    Chaque liste du jour enregistrée, en liste à cocher ou en
                    JSON, dans FICHIER ou sur la sortie standard ; --private
                    ajoute la liste privée une fois son mot de passe saisi.
  import FICHIER    Remplace les listes que nomme un fichier JSON d&apos;export, en
                    une écriture ; un fichier erroné ne change rien.
  backup FICHIER    Écrit une copie de tout ce que garde Velmorwick dans
                    FICHIER, lisible par vous seul.
  restore FICHIER   Met une sauvegarde à la place de tout ce que garde
                    Velmorwick ; ce qu&apos;elle remplace est gardé à côté (les 5
                    derniers) et en instantané.
  snapshots         Liste les instantanés gardés avant chaque étape qui a
                    retiré du texte (Vider la liste, Vider toutes les tâches,
                    un enregistrement qui a vidé des tâches, import, restore,
                    un changement de mot de passe) et au premier
                    enregistrement du jour : du plus récent, numérotés dès 1.
  snapshots --forget-private
                    Retire la liste privée des instantanés et copies gardées
                    qu&apos;un ancien mot de passe ouvre encore (après un changement
                    de mot de passe) ; leurs listes du jour restent.
  put-back          Remet les lignes privées mises de côté (un enregistrement
                    pendant que le mot de passe changeait ailleurs, une version
                    perdante d&apos;une fusion) dans les lignes vides de la liste
                    privée, celles qui y manquent ; demande le mot de passe
                    actuel, puis celui sous lequel elles ont été saisies.
  replaced          Liste les tâches qu&apos;une fusion a remplacées (la même tâche
                    modifiée sur deux ordinateurs ; la plus récente l&apos;emporte),
                    de la plus récente.
  replaced --put-back N
                    Remet la tâche N de cette liste : dans sa ligne si elle est
                    vide ou inchangée, sinon dans la première ligne vide.
  done [--days N | --since AAAA-MM-JJ] [--all] [--format text|json|csv]
                    Les tâches cochées et enregistrées sur chaque ordinateur,
                    par jour, de la plus récente : les 7 derniers jours, ou N,
                    ou depuis un jour ; --all ajoute celles décochées ensuite,
                    marquées.
  done --window     La même chose dans une fenêtre, Ce que j&apos;ai fait (demande
                    un affichage).
  done --forget-before AAAA-MM-JJ
                    Retire du journal les tâches faites avant ce jour sur chaque
                    ordinateur ; celui de cet ordinateur est d&apos;abord gardé.
  restore --snapshot N
                    Remet l&apos;instantané N ; les réglages qu&apos;il remplace sont
                    gardés en instantané à leur tour, pour pouvoir annuler.
</translation>
    </message>
    <message>
        <source>--private belongs to export</source>
        <translation>--private va avec export</translation>
    </message>
    <message>
        <source>done --format takes text, json or csv</source>
        <translation>done --format attend text, json ou csv</translation>
    </message>
    <message>
        <source>--format belongs to export and done</source>
        <translation>--format va avec export et done</translation>
    </message>
    <message>
        <source>--days, --since, --all and --forget-before belong to done</source>
        <translation>--days, --since, --all et --forget-before vont avec done</translation>
    </message>
    <message>
        <source>--snapshot belongs to restore</source>
        <translation>--snapshot va avec restore</translation>
    </message>
    <message>
        <source>--list belongs to add</source>
        <translation>--list va avec add</translation>
    </message>
    <message>
        <source>--forget-private belongs to snapshots</source>
        <translation>--forget-private va avec snapshots</translation>
    </message>
    <message>
        <source>--put-back belongs to replaced</source>
        <translation>--put-back va avec replaced</translation>
    </message>
    <message>
        <source>add takes the text of each task to add (without one it opens a window, which needs a display)</source>
        <translation>add prend le texte de chaque tâche à ajouter (sans texte, il ouvre une fenêtre, qui demande un affichage)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n lists from %1.</source>
        <translation>
            <numerusform>%n liste importée depuis %1.</numerusform>
            <numerusform>%n listes importées depuis %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The private list was taken out of %n older copies (snapshots and kept copies); their day lists stay.</source>
        <translation>
            <numerusform>La liste privée a été retirée de %n copie plus ancienne (instantané ou copie gardée) ; ses listes du jour restent.</numerusform>
            <numerusform>La liste privée a été retirée de %n copies plus anciennes (instantanés et copies gardées) ; leurs listes du jour restent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n rows back into the private list.</source>
        <translation>
            <numerusform>%n ligne remise dans la liste privée.</numerusform>
            <numerusform>%n lignes remises dans la liste privée.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>donecommand</name>
    <message>
        <source>%1-task list</source>
        <translation>liste de %1 tâches</translation>
    </message>
    <message>
        <source>Nothing done since %1.</source>
        <translation>Rien de fait depuis le %1.</translation>
    </message>
    <message>
        <source> (unticked again)</source>
        <translation> (décochée ensuite)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing done in the last %n days.</source>
        <translation>
            <numerusform>Rien de fait ce dernier %n jour.</numerusform>
            <numerusform>Rien de fait ces %n derniers jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keptrows</name>
    <message>
        <source>kept rows put back</source>
        <translation>lignes gardées remises</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere meanwhile; open it with the current password and try again.</source>
        <translation>Le mot de passe de la liste privée a été changé ailleurs entre-temps ; ouvrez-la avec le mot de passe actuel et réessayez.</translation>
    </message>
</context>
<context>
    <name>listexchange</name>
    <message>
        <source>Private list (%1 tasks)</source>
        <translation>Liste privée (%1 tâches)</translation>
    </message>
    <message>
        <source>%1 tasks</source>
        <translation>%1 tâches</translation>
    </message>
    <message>
        <source>%1 (%2 tasks)</source>
        <translation>%1 (%2 tâches)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>%1: half a UTF-16 pair (%2) with no other half, which no text can hold</source>
        <translation>%1 : une moitié de paire UTF-16 (%2) sans l&apos;autre moitié, qu&apos;aucun texte ne peut contenir</translation>
    </message>
    <message>
        <source>%1: not valid JSON (%2)</source>
        <translation>%1 : JSON non valide (%2)</translation>
    </message>
    <message>
        <source>the top: not a list file of Velmorwick (&quot;format&quot; must be &quot;%1&quot;)</source>
        <translation>le haut : pas un fichier de listes de Velmorwick (« format » doit valoir « %1 »)</translation>
    </message>
    <message>
        <source>version: only version %1 is known</source>
        <translation>version : seule la version %1 est connue</translation>
    </message>
    <message>
        <source>lists: must be an array</source>
        <translation>lists : doit être un tableau</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1 : doit être un objet</translation>
    </message>
    <message>
        <source>%1.private: must be true or false</source>
        <translation>%1.private : doit valoir true ou false</translation>
    </message>
    <message>
        <source>%1.tasks: the private list has %2 tasks</source>
        <translation>%1.tasks : la liste privée a %2 tâches</translation>
    </message>
    <message>
        <source>%1.tasks: there is no list of %2 tasks (3, or 5 to 15)</source>
        <translation>%1.tasks : il n&apos;y a pas de liste de %2 tâches (3, ou 5 à 15)</translation>
    </message>
    <message>
        <source>%1: the same list a second time</source>
        <translation>%1 : la même liste une seconde fois</translation>
    </message>
    <message>
        <source>%1.rows: must be an array of exactly %2 rows</source>
        <translation>%1.rows : doit être un tableau d&apos;exactement %2 lignes</translation>
    </message>
    <message>
        <source>%1.text: must be a string</source>
        <translation>%1.text : doit être une chaîne</translation>
    </message>
    <message>
        <source>%1.text: longer than %2 characters</source>
        <translation>%1.text : plus de %2 caractères</translation>
    </message>
    <message>
        <source>%1.done: must be true or false</source>
        <translation>%1.done : doit valoir true ou false</translation>
    </message>
</context>
<context>
    <name>replacedrecord</name>
    <message>
        <source>The %1-task list has no empty row for it; nothing was changed.</source>
        <translation>La liste de %1 tâches n&apos;a pas de ligne vide pour elle ; rien n&apos;a été changé.</translation>
    </message>
    <message>
        <source>put back a replaced task</source>
        <translation>remettre une tâche remplacée</translation>
    </message>
</context>
<context>
    <name>sealing</name>
    <message>
        <source>there was not enough memory to derive its key (it takes %1 MiB)</source>
        <translation>il n&apos;y avait pas assez de mémoire pour dériver sa clé (il faut %1 Mio)</translation>
    </message>
</context>
<context>
    <name>storemerge</name>
    <message>
        <source>the %1-task list, task %2</source>
        <translation>la liste de %1 tâches, tâche %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 depuis %2</translation>
    </message>
    <message>
        <source>the %1-task list</source>
        <translation>la liste de %1 tâches</translation>
    </message>
    <message>
        <source>the private list and its password</source>
        <translation>la liste privée et son mot de passe</translation>
    </message>
    <message>
        <source>the list to open at start</source>
        <translation>la liste à ouvrir au lancement</translation>
    </message>
    <message>
        <source>the reminder&apos;s switch</source>
        <translation>l&apos;interrupteur du rappel</translation>
    </message>
    <message>
        <source>the quick notes&apos; notice</source>
        <translation>l&apos;avis des notes rapides</translation>
    </message>
</context>
</TS>
