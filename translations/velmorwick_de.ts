<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutWindow</name>
    <message>
        <source>About Velmorwick</source>
        <translation>Über Velmorwick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Velmorwick v3.01</source>
        <translation>Velmorwick v3.01</translation>
    </message>
    <message>
        <source>Written by Tamsin Velmorwick</source>
        <translation>Geschrieben von Tamsin Velmorwick</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>E-mail: tamsin@velmorwick.example
Support: help@velmorwick.example
Web: www.velmorwick.example
More programs: www.velmorwick.example/programs
Join our mailing list to hear of new versions first!</source>
        <translation>E-Mail: tamsin@velmorwick.example
Hilfe: help@velmorwick.example
Web: www.velmorwick.example
Mehr Programme: www.velmorwick.example/programs
Über unsere Liste hören Sie zuerst von Neuem!</translation>
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
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Also from Velmorwick: Quillmark, the pocket notebook that remembers where you left off. Free to try!</source>
        <translation>Auch von Velmorwick: Quillmark, das Notizbuch für die Tasche, das weiß, wo Sie aufgehört haben. Kostenlos testen!</translation>
    </message>
    <message>
        <source>http://www.velmorwick.example/quillmark/</source>
        <translation>http://www.velmorwick.example/quillmark/</translation>
    </message>
    <message>
        <source>Quillmark&apos;s web address</source>
        <translation>Webadresse von Quillmark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
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
        <translation>Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>&amp;Aufgabe:</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste:</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n Aufgabe</numerusform>
            <numerusform>%n Aufgaben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfFileStore</name>
    <message>
        <source>The settings file %1 could not be written (%2).</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The disk did not confirm that %1 was written (%2); it may be lost if the computer stops now.</source>
        <translation>Die Festplatte hat nicht bestätigt, dass %1 geschrieben wurde (%2); die Datei kann verloren gehen, wenn der Computer jetzt ausgeht.</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace, so nothing was written.</source>
        <translation>%1 ist %2, was Velmorwick nicht ersetzt; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Another program replaced %1 while Velmorwick wrote it (a sync program may be busy with it), so nothing was written. Please try again in a moment.</source>
        <translation>Ein anderes Programm hat %1 ersetzt, während Velmorwick die Datei schrieb (vielleicht ein Sync-Programm); es wurde nichts geschrieben. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The folder %1 can be opened by other users, and Velmorwick leaves it as it is because it is shared or reached through a link: they may be able to remove or replace your settings there.</source>
        <translation>Der Ordner %1 kann von anderen Benutzern geöffnet werden, und Velmorwick lässt ihn so, weil er geteilt ist oder über einen Link erreicht wird: Andere können Ihre Einstellungen dort womöglich löschen oder ersetzen.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside. Nothing will be written to it until it is mended or removed.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt und konnte nicht beiseitekopiert werden. Bis sie repariert oder entfernt ist, wird nichts in sie geschrieben.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created (%2).</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source>Another copy of Velmorwick is still writing the settings file %1. Please try again in a moment.</source>
        <translation>Ein anderes Velmorwick schreibt noch die Einstellungsdatei %1. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The folder %1 is read-only, so the settings file in it cannot be written.</source>
        <translation>Der Ordner %1 ist schreibgeschützt; die Einstellungsdatei darin kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>its lock file cannot be used: %1</source>
        <translation>ihre Sperrdatei ist nicht nutzbar: %1</translation>
    </message>
    <message>
        <source>The version of the private list saved elsewhere could not be kept beside the settings file (%1), so nothing was written.</source>
        <translation>Die anderswo gespeicherte Fassung der privaten Liste konnte nicht neben der Einstellungsdatei aufbewahrt werden (%1); es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The settings file %1 is read-only, so nothing was written to it.</source>
        <translation>Die Einstellungsdatei %1 ist schreibgeschützt; es wurde nichts in sie geschrieben.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged and could not be copied aside, so nothing was written to it.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt und konnte nicht beiseitekopiert werden; es wurde nichts in sie geschrieben.</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>Die Einstellungen haben sich inzwischen geändert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The settings file would grow past %1 MB, more than Velmorwick reads back, so nothing was written.</source>
        <translation>Die Einstellungsdatei würde größer als %1 MB, mehr als Velmorwick wieder einliest; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The version saved elsewhere could not be kept first, as a snapshot (%1) or beside the settings file (%2), so nothing was written.</source>
        <translation>Die anderswo gespeicherte Fassung konnte nicht zuerst aufbewahrt werden, weder als Schnappschuss (%1) noch neben der Einstellungsdatei (%2); es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 ist %2, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than any settings file.</source>
        <translation>%1 ist größer als %2 MB, weit mehr als jede Einstellungsdatei.</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>it holds no settings of Velmorwick</source>
        <translation>sie enthält keine Einstellungen von Velmorwick</translation>
    </message>
    <message>
        <source>it is not text in UTF-8</source>
        <translation>sie ist kein Text in UTF-8</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>%1 is not a settings file of Velmorwick (%2); the store was left as it was.</source>
        <translation>%1 ist keine Einstellungsdatei von Velmorwick (%2); der Speicher blieb, wie er war.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be copied aside (%2), so it was not replaced.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht beiseitekopiert werden (%2); sie wurde nicht ersetzt.</translation>
    </message>
    <message>
        <source>restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook %1 (%2); they are saved in their list.</source>
        <translation>Die eben abgehakten Aufgaben konnten nicht ins Logbuch %1 geschrieben werden (%2); in ihrer Liste sind sie gespeichert.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be read (%2).</source>
        <translation>Das Logbuch %1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Ein Teil des Logbuchs %1 war beschädigt und nicht lesbar; es ist als %2 aufbewahrt, und ein neues führt den Rest fort.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Ein Teil des Logbuchs %1 war beschädigt und nicht lesbar; der Rest wurde gelesen.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first (%1), so nothing was taken out of it.</source>
        <translation>Das Logbuch dieses Computers konnte nicht zuerst beiseitekopiert werden (%1); es wurde nichts daraus entfernt.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>Das Logbuch %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The private list could not be taken out of %1.</source>
        <translation>Die private Liste konnte nicht aus %1 entfernt werden.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged: some of it could not be read. A copy of it was kept as %2. Velmorwick goes on with what it could read.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt: Ein Teil war nicht lesbar. Eine Kopie wurde als %2 aufbewahrt. Velmorwick arbeitet mit dem weiter, was lesbar war.</translation>
    </message>
    <message>
        <source>The settings file %1 holds entries Velmorwick cannot write back exactly as they are (edited by hand, or not in UTF-8). A copy of it was kept as %2 before anything in it is changed.</source>
        <translation>Die Einstellungsdatei %1 enthält Einträge, die Velmorwick nicht genau so zurückschreiben kann (von Hand bearbeitet oder nicht in UTF-8). Eine Kopie wurde als %2 aufbewahrt, bevor darin etwas geändert wird.</translation>
    </message>
    <message>
        <source>it is %1, not an ordinary file</source>
        <translation>sie ist %1, keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than any settings file</source>
        <translation>sie ist größer als jede Einstellungsdatei</translation>
    </message>
    <message>
        <source>a password change is half done, and its key is never kept</source>
        <translation>eine Passwortänderung ist halb erledigt, und ihr Schlüssel wird nie aufbewahrt</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>Aufgaben geleert</translation>
    </message>
    <message>
        <source>first save of the day</source>
        <translation>erstes Speichern des Tages</translation>
    </message>
    <message>
        <source>The snapshot %1 is named after a time more than a day after this computer&apos;s clock: either the clock was ahead when it was kept, or it is behind now. It is kept, and not counted as today&apos;s.</source>
        <translation>Der Schnappschuss %1 trägt eine Zeit, die mehr als einen Tag nach der Uhr dieses Computers liegt: Entweder ging die Uhr beim Aufbewahren vor, oder sie geht jetzt nach. Er bleibt erhalten und zählt nicht als der von heute.</translation>
    </message>
    <message>
        <source>Velmorwick could not keep a snapshot of its settings before this step (%1). The step went on without one; each later step tries again, and you are told again only when a step cannot go on without one.</source>
        <translation>Velmorwick konnte vor diesem Schritt keinen Schnappschuss seiner Einstellungen aufbewahren (%1). Der Schritt lief ohne ihn weiter; jeder spätere Schritt versucht es erneut, und Sie erfahren es erst wieder, wenn ein Schritt ohne ihn nicht weitergehen kann.</translation>
    </message>
    <message>
        <source>(cannot be read: %1)</source>
        <translation>(nicht lesbar: %1)</translation>
    </message>
    <message>
        <source>There are no snapshots.</source>
        <translation>Es gibt keine Schnappschüsse.</translation>
    </message>
    <message>
        <source>There is no snapshot %1; they are numbered 1 to %2.</source>
        <translation>Es gibt keinen Schnappschuss %1; sie sind von 1 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>Snapshot %1 cannot be read (%2).</source>
        <translation>Schnappschuss %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Velmorwick could not read %1, a copy of its settings a sync program kept (%2). It is left as it is.</source>
        <translation>Velmorwick konnte %1, eine von einem Sync-Programm aufbewahrte Kopie seiner Einstellungen, nicht lesen (%2). Sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Velmorwick could not merge the copies of its settings a sync program kept (%1): %2. They are left as they are.</source>
        <translation>Velmorwick konnte die von einem Sync-Programm aufbewahrten Kopien seiner Einstellungen nicht zusammenführen (%1): %2. Sie bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>together they would pass the %1 MB Velmorwick reads</source>
        <translation>zusammen wären sie größer als die %1 MB, die Velmorwick liest</translation>
    </message>
    <message>
        <source>%1 could not be read again to keep it (%2)</source>
        <translation>%1 konnte zum Aufbewahren nicht erneut gelesen werden (%2)</translation>
    </message>
    <message>
        <source>there was no room to keep what it would replace (%1)</source>
        <translation>es war kein Platz, um aufzubewahren, was ersetzt würde (%1)</translation>
    </message>
    <message>
        <source>the settings file could not be copied aside first (%1)</source>
        <translation>die Einstellungsdatei konnte nicht zuerst beiseitekopiert werden (%1)</translation>
    </message>
    <message>
        <source>Velmorwick merged %1, a copy of its settings a sync program kept, but could not remove it (%2); it will not be merged again.</source>
        <translation>Velmorwick hat %1, eine von einem Sync-Programm aufbewahrte Kopie seiner Einstellungen, zusammengeführt, konnte sie aber nicht entfernen (%2); sie wird nicht noch einmal zusammengeführt.</translation>
    </message>
    <message>
        <source>%1, a copy of Velmorwick&apos;s settings a sync program kept, was saved on a computer whose clock is more than a day ahead. Lists you change here from now on still count as saved after it; please set that computer&apos;s clock.</source>
        <translation>%1, eine von einem Sync-Programm aufbewahrte Kopie der Einstellungen von Velmorwick, wurde auf einem Computer gespeichert, dessen Uhr mehr als einen Tag vorgeht. Listen, die Sie hier ab jetzt ändern, gelten trotzdem als danach gespeichert; bitte stellen Sie die Uhr jenes Computers.</translation>
    </message>
    <message>
        <source>%1 looked like a copy of Velmorwick&apos;s settings that a sync program kept, but it holds something else or is damaged, so nothing of it was merged. It is kept whole beside the settings file, in %2, as %3.</source>
        <translation>%1 sah aus wie eine von einem Sync-Programm aufbewahrte Kopie der Einstellungen von Velmorwick, enthält aber etwas anderes oder ist beschädigt; nichts davon wurde zusammengeführt. Sie ist vollständig neben der Einstellungsdatei aufbewahrt, in %2, als %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Rows of the private list kept aside on another computer came with its copy of the settings: %n set(s) taken in; velmorwick put-back puts them into the list.</source>
        <translation>
            <numerusform>Zeilen der privaten Liste, die auf einem anderen Computer beiseitegelegt wurden, kamen mit dessen Kopie der Einstellungen: %n Satz übernommen; velmorwick put-back fügt sie in die Liste ein.</numerusform>
            <numerusform>Zeilen der privaten Liste, die auf einem anderen Computer beiseitegelegt wurden, kamen mit dessen Kopie der Einstellungen: %n Sätze übernommen; velmorwick put-back fügt sie in die Liste ein.</numerusform>
        </translation>
    </message>
    <message>
        <source>At most %1 sets are kept, the newest, as each asks for its password to be tried: the older ones are only in the versions kept beside the settings file.</source>
        <translation>Höchstens %1 Sätze werden aufbewahrt, die neuesten, da jeder nach seinem Passwort fragt: Die älteren gibt es nur in den Fassungen neben der Einstellungsdatei.</translation>
    </message>
    <message numerus="yes">
        <source>%n more copies</source>
        <translation>
            <numerusform>%n weitere Kopie</numerusform>
            <numerusform>%n weitere Kopien</numerusform>
        </translation>
    </message>
    <message>
        <source>The versions that lost are kept beside the settings file, in %1.</source>
        <translation>Die unterlegenen Fassungen sind neben der Einstellungsdatei aufbewahrt, in %1.</translation>
    </message>
    <message>
        <source>Tasks changed on both computers, where the later change stands: %1. velmorwick replaced lists the texts it replaced and puts one back.</source>
        <translation>Auf beiden Computern geänderte Aufgaben, bei denen die spätere Änderung gilt: %1. velmorwick replaced zeigt die ersetzten Texte und setzt einen davon zurück.</translation>
    </message>
    <message>
        <source>The version of the private list that lost is kept aside in the settings, encrypted under the password it was saved with: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>Die unterlegene Fassung der privaten Liste ist in den Einstellungen beiseitegelegt, verschlüsselt mit dem Passwort, unter dem sie gespeichert wurde: velmorwick put-back fügt ihre Aufgaben, die der Liste fehlen, in deren leere Zeilen ein.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: every list here was the later one.</source>
        <translation>Listen wurden gleichzeitig auf zwei Computern gespeichert, und das Sync-Programm hat beide Fassungen behalten. Velmorwick hat sie zusammengeführt, jede Aufgabe so, wie sie zuletzt geändert wurde, und den Rest so, wie er zuletzt gespeichert wurde: Jede Liste hier war die spätere.</translation>
    </message>
    <message>
        <source>Lists were saved on two computers at once, and the sync program kept both versions. Velmorwick merged them, each task as it was changed last and the rest as saved last: %1.</source>
        <translation>Listen wurden gleichzeitig auf zwei Computern gespeichert, und das Sync-Programm hat beide Fassungen behalten. Velmorwick hat sie zusammengeführt, jede Aufgabe so, wie sie zuletzt geändert wurde, und den Rest so, wie er zuletzt gespeichert wurde: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n files looked like copies of Velmorwick&apos;s settings that a sync program kept, but hold something else or are damaged, so nothing of them was merged. They are kept whole beside the settings file, in %1, as %2.</source>
        <translation>
            <numerusform>%n Datei sah aus wie eine von einem Sync-Programm aufbewahrte Kopie der Einstellungen von Velmorwick, enthält aber etwas anderes oder ist beschädigt; nichts davon wurde zusammengeführt. Sie ist vollständig neben der Einstellungsdatei aufbewahrt, in %1, als %2.</numerusform>
            <numerusform>%n Dateien sahen aus wie von einem Sync-Programm aufbewahrte Kopien der Einstellungen von Velmorwick, enthalten aber etwas anderes oder sind beschädigt; nichts davon wurde zusammengeführt. Sie sind vollständig neben der Einstellungsdatei aufbewahrt, in %1, als %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n versions that lost are kept beside the settings file, in %1.</source>
        <translation>
            <numerusform>Die %n unterlegene Fassung ist neben der Einstellungsdatei aufbewahrt, in %1.</numerusform>
            <numerusform>Die %n unterlegenen Fassungen sind neben der Einstellungsdatei aufbewahrt, in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DoneWindow</name>
    <message>
        <source>Tarnbook - What I Got Done</source>
        <translation>Tarnbook - Was ich erledigt habe</translation>
    </message>
    <message>
        <source>Days shown</source>
        <translation>Angezeigte Tage</translation>
    </message>
    <message>
        <source>Tasks done, by day</source>
        <translation>Erledigte Aufgaben, nach Tag</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>the last %n days</source>
        <translation>
            <numerusform>der letzte %n Tag</numerusform>
            <numerusform>die letzten %n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListStorage</name>
    <message>
        <source>Task %1 is longer than %2 characters; shorten it to save the list.</source>
        <translation>Aufgabe %1 ist länger als %2 Zeichen; kürzen Sie sie, um die Liste zu speichern.</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>Aufgaben geleert</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
</context>
<context>
    <name>LogbookFile</name>
    <message>
        <source>The logbook %1 could not be read.</source>
        <translation>Das Logbuch %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; it is kept as %2, and a new one goes on with the rest.</source>
        <translation>Ein Teil des Logbuchs %1 war beschädigt und nicht lesbar; es ist als %2 aufbewahrt, und ein neues führt den Rest fort.</translation>
    </message>
    <message>
        <source>Part of the logbook %1 was damaged and could not be read; the rest was.</source>
        <translation>Ein Teil des Logbuchs %1 war beschädigt und nicht lesbar; der Rest wurde gelesen.</translation>
    </message>
    <message>
        <source>This computer&apos;s logbook could not be copied aside first, so nothing was taken out of it.</source>
        <translation>Das Logbuch dieses Computers konnte nicht zuerst beiseitekopiert werden; es wurde nichts daraus entfernt.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written.</source>
        <translation>Das Logbuch %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The logbook %1 could not be written (%2).</source>
        <translation>Das Logbuch %1 konnte nicht geschrieben werden (%2).</translation>
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
        <translation>Wählen Sie die Zahl der Aufgaben!</translation>
    </message>
    <message>
        <source>v3.01</source>
        <translation>v3.01</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Menu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Clear All Tasks</source>
        <translation>&amp;Alle Aufgaben leeren</translation>
    </message>
    <message>
        <source>&amp;Quick Notes</source>
        <translation>&amp;Kurznotizen</translation>
    </message>
    <message>
        <source>Make &amp;Topmost</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Make &amp;Non-topmost</source>
        <translation>&amp;Nicht im Vordergrund</translation>
    </message>
    <message>
        <source>Reset AutoLoad</source>
        <translation>AutoLoad zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>My &amp;Private List</source>
        <translation>Meine &amp;private Liste</translation>
    </message>
    <message>
        <source>&amp;View My Private List</source>
        <translation>Private Liste &amp;ansehen</translation>
    </message>
    <message>
        <source>&amp;Change Password</source>
        <translation>Passwort ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Please select number of tasks</source>
        <translation>Bitte wählen Sie die Zahl der Aufgaben</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all tasks?</source>
        <translation>Wollen Sie wirklich alle Aufgaben leeren?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Clear All Tasks</source>
        <translation>Alle Aufgaben leeren</translation>
    </message>
    <message>
        <source>The tasks were not cleared.</source>
        <translation>Die Aufgaben wurden nicht geleert.</translation>
    </message>
    <message>
        <source>All Tasks Cleared!</source>
        <translation>Alle Aufgaben geleert!</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The reminder could not be switched on again.</source>
        <translation>Die Erinnerung konnte nicht wieder eingeschaltet werden.</translation>
    </message>
    <message>
        <source>AutoLoad Window has been reset!</source>
        <translation>Das AutoLoad-Fenster wurde zurückgesetzt!</translation>
    </message>
    <message numerus="yes">
        <source>%n Tasks</source>
        <translation>
            <numerusform>%n To-do</numerusform>
            <numerusform>%n To-dos</numerusform>
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
        <translation>Tarnbook! Kurznotiz (Haupt)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (2)</source>
        <translation>Tarnbook! Kurznotiz (2)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (3)</source>
        <translation>Tarnbook! Kurznotiz (3)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (4)</source>
        <translation>Tarnbook! Kurznotiz (4)</translation>
    </message>
    <message>
        <source>Tarnbook! Quick Note (End)</source>
        <translation>Tarnbook! Kurznotiz (Ende)</translation>
    </message>
    <message>
        <source>Clear Current Quicknote</source>
        <translation>Diese Kurznotiz leeren</translation>
    </message>
    <message>
        <source>New QuickNote</source>
        <translation>Neue Kurznotiz</translation>
    </message>
    <message>
        <source>Notes may go behind other windows here: %1. The README&apos;s &quot;Wayland and scaling&quot; tells what to do.</source>
        <translation>Notizen können hier hinter anderen Fenstern verschwinden: %1. Der Abschnitt „Wayland and scaling“ der README sagt, was zu tun ist.</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show again</source>
        <translation>&amp;Nicht mehr zeigen</translation>
    </message>
    <message>
        <source>The notice could not be turned off for good.</source>
        <translation>Der Hinweis konnte nicht dauerhaft abgeschaltet werden.</translation>
    </message>
    <message>
        <source>Do you want to completely exit Tarnbook?</source>
        <translation>Wollen Sie Tarnbook ganz beenden?</translation>
    </message>
    <message>
        <source>Alert!</source>
        <translation>Achtung!</translation>
    </message>
</context>
<context>
    <name>PasswordCreateWindow</name>
    <message>
        <source>Create Password</source>
        <translation>Passwort anlegen</translation>
    </message>
    <message>
        <source>Enter Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Re-enter Password</source>
        <translation>Passwort wiederholen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Please create your Private List Password</source>
        <translation>Bitte legen Sie das Passwort Ihrer privaten Liste an</translation>
    </message>
    <message>
        <source>Passwords are blank or do not match</source>
        <translation>Passwörter leer oder verschieden</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>The password was not saved.</source>
        <translation>Das Passwort wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Password Set!</source>
        <translation>Passwort gesetzt!</translation>
    </message>
    <message>
        <source>Older copies of your settings (%1: snapshots and copies kept beside them) still open the private list with the earlier password. To take the private list out of them, run: velmorwick snapshots --forget-private. A backup you wrote elsewhere is yours to delete.</source>
        <translation>Ältere Kopien Ihrer Einstellungen (%1: Schnappschüsse und daneben aufbewahrte Kopien) öffnen die private Liste noch mit dem früheren Passwort. Um die private Liste daraus zu entfernen, führen Sie aus: velmorwick snapshots --forget-private. Eine Sicherung, die Sie anderswo geschrieben haben, löschen Sie selbst.</translation>
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
        <translation>Passwort!</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Please enter your password below!</source>
        <translation>Bitte geben Sie Ihr Passwort ein!</translation>
    </message>
    <message>
        <source>Wrong password, please try again</source>
        <translation>Falsches Passwort, bitte noch einmal</translation>
    </message>
    <message>
        <source>The stored password cannot be checked: it asks for far more work than Velmorwick ever sets, so the settings file may have been altered.</source>
        <translation>Das gespeicherte Passwort kann nicht geprüft werden: Es verlangt weit mehr Arbeit, als Velmorwick je einstellt; die Einstellungsdatei wurde also womöglich verändert.</translation>
    </message>
    <message>
        <source>The password cannot be checked: %1. Nothing was changed.</source>
        <translation>Das Passwort kann nicht geprüft werden: %1. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The private list could not be opened, because it could not be saved encrypted. %1</source>
        <translation>Die private Liste konnte nicht geöffnet werden, weil sie nicht verschlüsselt gespeichert werden konnte. %1</translation>
    </message>
    <message>
        <source>Password field cannot be blank</source>
        <translation>Das Passwortfeld darf nicht leer sein</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>The password could not be removed.</source>
        <translation>Das Passwort konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>PrivateVault</name>
    <message>
        <source>The settings file held private tasks in plain text, where this version of Velmorwick never writes them, so they were not taken into your private list: they are kept aside, encrypted, in the settings (section &quot;%1&quot;).</source>
        <translation>Die Einstellungsdatei enthielt private Aufgaben im Klartext, wo diese Version von Velmorwick sie nie schreibt; sie wurden daher nicht in Ihre private Liste übernommen: Sie sind verschlüsselt in den Einstellungen beiseitegelegt (Abschnitt „%1“).</translation>
    </message>
    <message>
        <source>There was not enough memory to protect it.</source>
        <translation>Es war nicht genug Speicher frei, um sie zu schützen.</translation>
    </message>
    <message>
        <source>There was not enough memory to protect the list meanwhile.</source>
        <translation>Es war nicht genug Speicher frei, um die Liste solange zu schützen.</translation>
    </message>
    <message>
        <source>password change</source>
        <translation>Passwortänderung</translation>
    </message>
    <message>
        <source>A password was set meanwhile, by another copy of Velmorwick. Open the private list with that password.</source>
        <translation>Inzwischen wurde ein Passwort gesetzt, von einem anderen Velmorwick. Öffnen Sie die private Liste mit diesem Passwort.</translation>
    </message>
    <message>
        <source>The private list is locked; open it again with the password.</source>
        <translation>Die private Liste ist gesperrt; öffnen Sie sie wieder mit dem Passwort.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it has been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list opens empty.</source>
        <translation>Die gespeicherte private Liste konnte nicht gelesen werden: Sie wurde beschädigt oder verändert. Sie bleibt in den Einstellungen, wie sie war (Abschnitt „%1“), und die Liste öffnet sich leer.</translation>
    </message>
    <message>
        <source>The saved private list could not be read: it had been damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;).</source>
        <translation>Die gespeicherte private Liste konnte nicht gelesen werden: Sie war beschädigt oder verändert worden. Sie bleibt in den Einstellungen, wie sie war (Abschnitt „%1“).</translation>
    </message>
    <message>
        <source>There was no source of randomness to encrypt it with.</source>
        <translation>Es gab keine Zufallsquelle, um sie zu verschlüsseln.</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere while this list was open (on another computer, in another copy of Velmorwick, or by a restore), so your rows were not saved over the list stored under it.</source>
        <translation>Das Passwort der privaten Liste wurde anderswo geändert, während diese Liste offen war (auf einem anderen Computer, in einem anderen Velmorwick oder durch eine Wiederherstellung); Ihre Zeilen wurden daher nicht über die darunter gespeicherte Liste geschrieben.</translation>
    </message>
    <message>
        <source>They could not be kept aside either: %1 Copy them before you close this window.</source>
        <translation>Sie konnten auch nicht beiseitegelegt werden: %1 Kopieren Sie sie, bevor Sie dieses Fenster schließen.</translation>
    </message>
    <message>
        <source>They are kept aside, encrypted under the password that opened them (section &quot;%1&quot; of the settings). Close this list and open it again with the current password; to put those rows back into it, run: velmorwick put-back.</source>
        <translation>Sie sind beiseitegelegt, verschlüsselt mit dem Passwort, das sie geöffnet hat (Abschnitt „%1“ der Einstellungen). Schließen Sie diese Liste und öffnen Sie sie mit dem aktuellen Passwort; um diese Zeilen wieder einzufügen, führen Sie aus: velmorwick put-back.</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>its cryptography library did not start on this system</source>
        <translation>seine Kryptografie-Bibliothek ist auf diesem System nicht gestartet</translation>
    </message>
    <message>
        <source>The saved private list could not be opened: its key is missing, damaged or altered. It is kept as it was in the settings (section &quot;%1&quot;), and the list starts empty.</source>
        <translation>Die gespeicherte private Liste konnte nicht geöffnet werden: Ihr Schlüssel fehlt, ist beschädigt oder verändert. Sie bleibt in den Einstellungen, wie sie war (Abschnitt „%1“), und die Liste beginnt leer.</translation>
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
        <translation>der Drucker %1 hat den Auftrag nicht angenommen</translation>
    </message>
    <message>
        <source>Saved. %1</source>
        <translation>Gespeichert. %1</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>The folder %1 cannot be used (%2).</source>
        <translation>Der Ordner %1 kann nicht verwendet werden (%2).</translation>
    </message>
    <message>
        <source>%1 was written, but the disk did not confirm it (%2).</source>
        <translation>%1 wurde geschrieben, aber die Festplatte hat es nicht bestätigt (%2).</translation>
    </message>
    <message>
        <source>%1 is %2, which Velmorwick does not replace.</source>
        <translation>%1 ist %2, was Velmorwick nicht ersetzt.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2).</source>
        <translation>%1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2).</source>
        <translation>%1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 is %2, not an ordinary file.</source>
        <translation>%1 ist %2, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes, or grew while it was read.</source>
        <translation>%1 ist größer als %2 MB, weit mehr, als Velmorwick je schreibt, oder wuchs beim Lesen.</translation>
    </message>
    <message>
        <source>a Wayland session lets no program keep a window above others or place it</source>
        <translation>in einer Wayland-Sitzung darf kein Programm ein Fenster über anderen halten oder es platzieren</translation>
    </message>
    <message>
        <source>the window manager does not keep windows above others</source>
        <translation>der Fenstermanager hält keine Fenster über anderen</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>ein Link</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>%1 is a file Velmorwick keeps for itself.</source>
        <translation>%1 ist eine Datei, die Velmorwick für sich selbst führt.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than Velmorwick ever writes.</source>
        <translation>%1 ist größer als %2 MB, weit mehr, als Velmorwick je schreibt.</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: this Wayland session has no X display (Xwayland) and Qt&apos;s Wayland plugin is not installed; install Debian&apos;s xwayland, or qt6-wayland</source>
        <translation>velmorwick kann kein Fenster öffnen: Diese Wayland-Sitzung hat keine X-Anzeige (Xwayland), und Qts Wayland-Plugin ist nicht installiert; installieren Sie Debians xwayland oder qt6-wayland</translation>
    </message>
    <message>
        <source>velmorwick needs a graphical session (DISPLAY is not set); to try it without one, run: xvfb-run velmorwick, or QT_QPA_PLATFORM=offscreen velmorwick</source>
        <translation>velmorwick braucht eine grafische Sitzung (DISPLAY ist nicht gesetzt); um es ohne zu testen, führen Sie aus: xvfb-run velmorwick, oder QT_QPA_PLATFORM=offscreen velmorwick</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland plugin is not installed (Debian&apos;s qt6-wayland)</source>
        <translation>Qts Wayland-Plugin ist nicht installiert (Debians qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no plugin named &quot;%1&quot;</source>
        <translation>Qt hat kein Plugin namens „%1“</translation>
    </message>
    <message>
        <source>the X display %1 could not be opened (is it running, and XAUTHORITY set?)</source>
        <translation>die X-Anzeige %1 konnte nicht geöffnet werden (läuft sie, und ist XAUTHORITY gesetzt?)</translation>
    </message>
    <message>
        <source>the Wayland compositor %1 could not be reached</source>
        <translation>der Wayland-Compositor %1 war nicht erreichbar</translation>
    </message>
    <message>
        <source>no window system plugin of Qt&apos;s could start</source>
        <translation>kein Fenstersystem-Plugin von Qt konnte starten</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: QT_QPA_PLATFORM=%1 cannot be used here: %2</source>
        <translation>velmorwick kann kein Fenster öffnen: QT_QPA_PLATFORM=%1 ist hier nicht nutzbar: %2</translation>
    </message>
    <message>
        <source>velmorwick cannot open a window: %1</source>
        <translation>velmorwick kann kein Fenster öffnen: %1</translation>
    </message>
    <message>
        <source>The settings changed meanwhile, so nothing was written.</source>
        <translation>Die Einstellungen haben sich inzwischen geändert; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The settings could not be written to the registry.</source>
        <translation>Die Einstellungen konnten nicht in die Registry geschrieben werden.</translation>
    </message>
    <message>
        <source>The tasks just ticked could not be written to the logbook (%1); they are saved in their list.</source>
        <translation>Die eben abgehakten Aufgaben konnten nicht ins Logbuch geschrieben werden (%1); in ihrer Liste sind sie gespeichert.</translation>
    </message>
    <message>
        <source>Velmorwick does not keep &quot;%1&quot; in section &quot;%2&quot; of its settings, so nothing was written.</source>
        <translation>Velmorwick führt „%1“ nicht im Abschnitt „%2“ seiner Einstellungen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>This store cannot be copied to a file here.</source>
        <translation>Dieser Speicher kann hier nicht in eine Datei kopiert werden.</translation>
    </message>
    <message>
        <source>This store cannot be restored from a file here.</source>
        <translation>Dieser Speicher kann hier nicht aus einer Datei wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>This store keeps no snapshots here.</source>
        <translation>Dieser Speicher führt hier keine Schnappschüsse.</translation>
    </message>
    <message>
        <source>This system keeps no logbook of tasks done.</source>
        <translation>Dieses System führt kein Logbuch erledigter Aufgaben.</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>ein symbolischer Link</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a file Velmorwick keeps for itself</source>
        <translation>eine Datei, die Velmorwick für sich selbst führt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>the file would be larger than this system allows</source>
        <translation>die Datei würde größer, als dieses System erlaubt</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>die Festplatte ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder is read-only</source>
        <translation>der Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk reported an error</source>
        <translation>die Festplatte meldete einen Fehler</translation>
    </message>
    <message>
        <source>it is a symbolic link, which Velmorwick does not follow</source>
        <translation>es ist ein symbolischer Link, dem Velmorwick nicht folgt</translation>
    </message>
    <message>
        <source>it is not a folder of yours that only you can open</source>
        <translation>es ist kein Ordner, den nur Sie öffnen können</translation>
    </message>
    <message>
        <source>it is an ordinary file, not a folder</source>
        <translation>es ist eine gewöhnliche Datei, kein Ordner</translation>
    </message>
    <message>
        <source>it is a pipe, not a folder</source>
        <translation>es ist eine Pipe, kein Ordner</translation>
    </message>
    <message>
        <source>it is a device or a socket, not a folder</source>
        <translation>es ist ein Gerät oder Socket, kein Ordner</translation>
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
        <translation>Soll Velmorwick beim nächsten Start eine Liste automatisch laden?</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again in the future</source>
        <translation>Künftig nicht mehr erinnern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Your choice could not be saved, so nothing changes at the next start.</source>
        <translation>Ihre Wahl konnte nicht gespeichert werden; beim nächsten Start ändert sich nichts.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>5 Tasks</source>
        <translation>5 Aufgaben</translation>
    </message>
    <message>
        <source>Replaces each character by its preceeding letter in the aplhabet (a becomes b, f becomes g)</source>
        <translation>Ersetzt jedes Zeichen durch den vorigen Buchstaben im Alphabet (a wird zu b, f zu g)</translation>
    </message>
    <message>
        <source>10 Tasks</source>
        <translation>10 Aufgaben</translation>
    </message>
    <message>
        <source>Reverses the text</source>
        <translation>Kehrt den Text um</translation>
    </message>
    <message>
        <source>13 Tasks</source>
        <translation>13 Aufgaben</translation>
    </message>
    <message>
        <source>Every 2 consequetive characters switch places</source>
        <translation>Je 2 aufeinanderfolgende Zeichen tauschen die Plätze</translation>
    </message>
    <message>
        <source>15 Tasks</source>
        <translation>15 Aufgaben</translation>
    </message>
    <message>
        <source>Every character is mapped to a hidden character and then replaced!</source>
        <translation>Jedes Zeichen wird einem verborgenen Zeichen zugeordnet und dann ersetzt!</translation>
    </message>
</context>
<context>
    <name>StoreFile</name>
    <message>
        <source>The settings file %1 is %2, not an ordinary file. Velmorwick neither reads nor writes it: your saved lists cannot be shown, and nothing can be saved until it is replaced by an ordinary file.</source>
        <translation>Die Einstellungsdatei %1 ist %2, keine gewöhnliche Datei. Velmorwick liest und schreibt sie nicht: Ihre gespeicherten Listen können nicht angezeigt werden, und nichts kann gespeichert werden, bis sie durch eine gewöhnliche Datei ersetzt ist.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MB, far more than Velmorwick ever writes, so it was not read: your saved lists cannot be shown, and nothing can be saved until it is moved away.</source>
        <translation>Die Einstellungsdatei %1 ist größer als %2 MB, weit mehr, als Velmorwick je schreibt; sie wurde nicht gelesen: Ihre gespeicherten Listen können nicht angezeigt werden, und nichts kann gespeichert werden, bis sie verschoben ist.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2). Your saved lists cannot be shown, and nothing will be saved until the file can be read again.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden (%2). Ihre gespeicherten Listen können nicht angezeigt werden, und nichts wird gespeichert, bis die Datei wieder lesbar ist.</translation>
    </message>
</context>
<context>
    <name>TaskListWindow</name>
    <message>
        <source>Today&apos;s Tarnbook!</source>
        <translation>Tarnbook für heute!</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Aufgabe %1</translation>
    </message>
    <message>
        <source>Task %1 done</source>
        <translation>Aufgabe %1 erledigt</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Tick all tasks</source>
        <translation>Alle Aufgaben abhaken</translation>
    </message>
    <message>
        <source>&amp;Print List</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>saved over a version from elsewhere</source>
        <translation>über eine Fassung von anderswo gespeichert</translation>
    </message>
    <message>
        <source>tasks emptied</source>
        <translation>Aufgaben geleert</translation>
    </message>
    <message>
        <source>The list was not saved.</source>
        <translation>Die Liste wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Changed elsewhere meanwhile and replaced by yours: %1. velmorwick replaced lists what they held, and velmorwick replaced --put-back puts one back.</source>
        <translation>Inzwischen anderswo geändert und durch Ihre ersetzt: %1. velmorwick replaced zeigt, was dort stand, und velmorwick replaced --put-back setzt einen Eintrag zurück.</translation>
    </message>
    <message>
        <source>Velmorwick</source>
        <translation>Velmorwick</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept aside in the settings, encrypted under the password it was saved with, before yours replaced it: velmorwick put-back puts its tasks that the list lacks into its empty rows.</source>
        <translation>Die anderswo gespeicherte Fassung dieser Liste wurde in den Einstellungen beiseitegelegt, verschlüsselt mit dem Passwort, unter dem sie gespeichert wurde, bevor Ihre sie ersetzte: velmorwick put-back fügt ihre Aufgaben, die der Liste fehlen, in deren leere Zeilen ein.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept beside the settings file, as %1, before yours replaced it.</source>
        <translation>Die anderswo gespeicherte Fassung dieser Liste wurde neben der Einstellungsdatei aufbewahrt, als %1, bevor Ihre sie ersetzte.</translation>
    </message>
    <message>
        <source>The version of this list saved elsewhere was kept as a snapshot before yours replaced it (velmorwick snapshots lists it).</source>
        <translation>Die anderswo gespeicherte Fassung dieser Liste wurde als Schnappschuss aufbewahrt, bevor Ihre sie ersetzte (velmorwick snapshots zeigt ihn).</translation>
    </message>
    <message>
        <source>The saved list could not be cleared; it will come back the next time this list is opened.</source>
        <translation>Die gespeicherte Liste konnte nicht geleert werden; sie kommt beim nächsten Öffnen dieser Liste wieder.</translation>
    </message>
    <message>
        <source>This private list was saved elsewhere under another password, which this window cannot open. Save keeps your rows aside, encrypted; then close the list and open it again with the current password.</source>
        <translation>Diese private Liste wurde anderswo unter einem anderen Passwort gespeichert, das dieses Fenster nicht öffnen kann. Speichern legt Ihre Zeilen verschlüsselt beiseite; schließen Sie dann die Liste und öffnen Sie sie mit dem aktuellen Passwort.</translation>
    </message>
    <message>
        <source>%1 (changed elsewhere)</source>
        <translation>%1 (anderswo geändert)</translation>
    </message>
    <message>
        <source>The list could not be printed: %1.</source>
        <translation>Die Liste konnte nicht gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>My Private Tarnbook!</source>
        <translation>Mein privates Tarnbook!</translation>
    </message>
    <message>
        <source>Tarnbook! 3 Tasks</source>
        <translation>Tarnbook! 3 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! Normal Day</source>
        <translation>Tarnbook! Alltag</translation>
    </message>
    <message>
        <source>Tarnbook! 6 Tasks</source>
        <translation>Tarnbook! 6 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! 7 Tasks</source>
        <translation>Tarnbook! 7 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! 8 Tasks</source>
        <translation>Tarnbook! 8 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! 9 Tasks</source>
        <translation>Tarnbook! 9 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! Busy Day</source>
        <translation>Tarnbook! Voller Tag</translation>
    </message>
    <message>
        <source>Tarnbook! 11 Tasks</source>
        <translation>Tarnbook! 11 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! 12 Tasks</source>
        <translation>Tarnbook! 12 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! 13 Tasks</source>
        <translation>Tarnbook! 13 Aufgaben</translation>
    </message>
    <message>
        <source>Tarnbook! 14 Tasks...</source>
        <translation>Tarnbook! 14 Aufgaben...</translation>
    </message>
    <message>
        <source>Tarnbook! Really Busy Day...</source>
        <translation>Tarnbook! Sehr voller Tag...</translation>
    </message>
</context>
<context>
    <name>addcommand</name>
    <message>
        <source>a task needs some text</source>
        <translation>eine Aufgabe braucht etwas Text</translation>
    </message>
    <message>
        <source>a task is one line, without line breaks or control characters</source>
        <translation>eine Aufgabe ist eine Zeile, ohne Zeilenumbrüche oder Steuerzeichen</translation>
    </message>
    <message>
        <source>a task is at most %1 characters</source>
        <translation>eine Aufgabe hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>%1; nothing was added.</source>
        <translation>%1; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>no list opens at start to add to; name one with --list N (3, or 5 to 15).</source>
        <translation>beim Start öffnet sich keine Liste, zu der hinzugefügt werden könnte; nennen Sie eine mit --list N (3 oder 5 bis 15).</translation>
    </message>
    <message>
        <source>there is no %1-task list; the lists have 3, or 5 to 15 tasks.</source>
        <translation>es gibt keine Liste mit %1 Aufgaben; die Listen haben 3 oder 5 bis 15 Aufgaben.</translation>
    </message>
    <message>
        <source>the %1-task list is full; nothing was added.</source>
        <translation>die Liste mit %1 Aufgaben ist voll; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>the %1-task list has room for %2 more; nothing was added.</source>
        <translation>die Liste mit %1 Aufgaben hat nur noch Platz für %2; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 Nothing was added.</source>
        <translation>%1 Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>the %1-task list kept changing meanwhile; nothing was added.</source>
        <translation>die Liste mit %1 Aufgaben änderte sich ständig; es wurde nichts hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>commandline</name>
    <message>
        <source>Tarnbook, a small to-do list: today&apos;s tasks, a private list and quick notes. Started without options, it opens its windows.</source>
        <translation>Tarnbook, eine kleine Aufgabenliste: die Aufgaben von heute, eine private Liste und Kurznotizen. Ohne Optionen gestartet, öffnet es seine Fenster.</translation>
    </message>
    <message>
        <source>export: text or json; done: text, json or csv.</source>
        <translation>export: text oder json; done: text, json oder csv.</translation>
    </message>
    <message>
        <source>done: the last N days (7 if not given).</source>
        <translation>done: die letzten N Tage (ohne Angabe 7).</translation>
    </message>
    <message>
        <source>done: from this day on.</source>
        <translation>done: ab diesem Tag.</translation>
    </message>
    <message>
        <source>done: take the tasks done before this day away.</source>
        <translation>done: die vor diesem Tag erledigten Aufgaben entfernen.</translation>
    </message>
    <message>
        <source>done: the tasks unticked again too.</source>
        <translation>done: auch die wieder ent-abgehakten Aufgaben.</translation>
    </message>
    <message>
        <source>export: the private list too (asks for its password).</source>
        <translation>export: auch die private Liste (fragt nach ihrem Passwort).</translation>
    </message>
    <message>
        <source>restore: this snapshot (see velmorwick snapshots).</source>
        <translation>restore: dieser Schnappschuss (siehe velmorwick snapshots).</translation>
    </message>
    <message>
        <source>add: the list with N tasks (3, or 5 to 15).</source>
        <translation>add: die Liste mit N Aufgaben (3 oder 5 bis 15).</translation>
    </message>
    <message>
        <source>snapshots: take the private list out of the copies an older password opens.</source>
        <translation>snapshots: die private Liste aus den Kopien entfernen, die ein älteres Passwort öffnet.</translation>
    </message>
    <message>
        <source>replaced: put task N back (see velmorwick replaced).</source>
        <translation>replaced: Aufgabe N zurücksetzen (siehe velmorwick replaced).</translation>
    </message>
    <message>
        <source>add, export, import, backup, restore, snapshots, put-back, replaced or done.</source>
        <translation>add, export, import, backup, restore, snapshots, put-back, replaced oder done.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>argument %1 is not text in this system&apos;s encoding; nothing was added.</source>
        <translation>Argument %1 ist kein Text in der Kodierung dieses Systems; es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>--format and --private belong to export, --snapshot to restore, --list to add, --forget-private to snapshots, --put-back to replaced (see velmorwick --help)</source>
        <translation>--format und --private gehören zu export, --snapshot zu restore, --list zu add, --forget-private zu snapshots, --put-back zu replaced (siehe velmorwick --help)</translation>
    </message>
    <message>
        <source>--forget-before takes a day as YYYY-MM-DD, not %1</source>
        <translation>--forget-before erwartet einen Tag als JJJJ-MM-TT, nicht %1</translation>
    </message>
    <message>
        <source>--days takes a number of days from 1</source>
        <translation>--days erwartet eine Zahl von Tagen ab 1</translation>
    </message>
    <message>
        <source>--since takes a day as YYYY-MM-DD, not %1</source>
        <translation>--since erwartet einen Tag als JJJJ-MM-TT, nicht %1</translation>
    </message>
    <message>
        <source>--put-back takes a number from 1 (see velmorwick replaced)</source>
        <translation>--put-back erwartet eine Zahl ab 1 (siehe velmorwick replaced)</translation>
    </message>
    <message>
        <source>--snapshot takes a number from 1, or a time as YYYY-MM-DD HH:MM:SS (see velmorwick snapshots)</source>
        <translation>--snapshot erwartet eine Zahl ab 1 oder eine Zeit als JJJJ-MM-TT HH:MM:SS (siehe velmorwick snapshots)</translation>
    </message>
    <message>
        <source>--list takes the number of tasks of a list: 3, or 5 to 15</source>
        <translation>--list erwartet die Zahl der Aufgaben einer Liste: 3 oder 5 bis 15</translation>
    </message>
    <message>
        <source>no snapshot was kept at %1 (see velmorwick snapshots)</source>
        <translation>um %1 wurde kein Schnappschuss aufbewahrt (siehe velmorwick snapshots)</translation>
    </message>
</context>
<context>
    <name>datacommands</name>
    <message>
        <source>the private list has no password yet</source>
        <translation>die private Liste hat noch kein Passwort</translation>
    </message>
    <message>
        <source>Password of the private list: </source>
        <translation>Passwort der privaten Liste: </translation>
    </message>
    <message>
        <source>no password was given</source>
        <translation>es wurde kein Passwort eingegeben</translation>
    </message>
    <message>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <source>the private list could not be saved encrypted: %1</source>
        <translation>die private Liste konnte nicht verschlüsselt gespeichert werden: %1</translation>
    </message>
    <message>
        <source>the password cannot be checked: %1</source>
        <translation>das Passwort kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>the stored password asks for far more work than Velmorwick ever sets</source>
        <translation>das gespeicherte Passwort verlangt weit mehr Arbeit, als Velmorwick je einstellt</translation>
    </message>
    <message>
        <source>export writes to one file at most</source>
        <translation>export schreibt in höchstens eine Datei</translation>
    </message>
    <message>
        <source>the format is text or json, not %1</source>
        <translation>das Format ist text oder json, nicht %1</translation>
    </message>
    <message>
        <source>%1; nothing was exported.</source>
        <translation>%1; es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>the lists could not be written to the standard output</source>
        <translation>die Listen konnten nicht auf die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>%1 Nothing was exported.</source>
        <translation>%1 Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>import takes the one file to import</source>
        <translation>import erwartet die eine zu importierende Datei</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported.</source>
        <translation>%1: %2; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>%1 holds the private list, but %2; nothing was imported.</source>
        <translation>%1 enthält die private Liste, aber %2; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Imported 1 list from %1.</source>
        <translation>1 Liste aus %1 importiert.</translation>
    </message>
    <message>
        <source>backup takes the one file to write</source>
        <translation>backup erwartet die eine zu schreibende Datei</translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation>Gesichert in %1.</translation>
    </message>
    <message>
        <source>restore --snapshot N takes no file</source>
        <translation>restore --snapshot N erwartet keine Datei</translation>
    </message>
    <message>
        <source>restore takes the one backup to restore</source>
        <translation>restore erwartet die eine wiederherzustellende Sicherung</translation>
    </message>
    <message>
        <source>snapshot %1 (%2)</source>
        <translation>Schnappschuss %1 (%2)</translation>
    </message>
    <message>
        <source>%1 The store was left as it was.</source>
        <translation>%1 Der Speicher blieb, wie er war.</translation>
    </message>
    <message>
        <source>the logbook at the end of %1 is damaged; the store was left as it was.</source>
        <translation>das Logbuch am Ende von %1 ist beschädigt; der Speicher blieb, wie er war.</translation>
    </message>
    <message>
        <source>The logbook in the backup could not be added (%1); the lists were restored.</source>
        <translation>Das Logbuch der Sicherung konnte nicht übernommen werden (%1); die Listen wurden wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>%1 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2, and as snapshot 1.</source>
        <translation>%1 wiederhergestellt; der ersetzte Speicher ist als %2 aufbewahrt und als Schnappschuss 1.</translation>
    </message>
    <message>
        <source>Restored %1; the store it replaced is kept as %2.</source>
        <translation>%1 wiederhergestellt; der ersetzte Speicher ist als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>No snapshot or kept copy opens the private list with an older password.</source>
        <translation>Kein Schnappschuss und keine aufbewahrte Kopie öffnet die private Liste mit einem älteren Passwort.</translation>
    </message>
    <message>
        <source>The private list was taken out of 1 older copy (a snapshot or kept copy); its day lists stay.</source>
        <translation>Die private Liste wurde aus 1 älteren Kopie entfernt (einem Schnappschuss oder einer aufbewahrten Kopie); ihre Tageslisten bleiben.</translation>
    </message>
    <message>
        <source>snapshots takes no file</source>
        <translation>snapshots erwartet keine Datei</translation>
    </message>
    <message>
        <source>No snapshots yet: one is kept before each step that takes text away.</source>
        <translation>Noch keine Schnappschüsse: Vor jedem Schritt, der Text entfernt, wird einer aufbewahrt.</translation>
    </message>
    <message>
        <source>Named after a time to come (kept while this computer&apos;s clock was wrong):</source>
        <translation>Nach einer künftigen Zeit benannt (aufbewahrt, als die Uhr dieses Computers falsch ging):</translation>
    </message>
    <message>
        <source>%1  %2  %3: %4</source>
        <translation>%1  %2  %3: %4</translation>
    </message>
    <message>
        <source>the same as now</source>
        <translation>wie jetzt</translation>
    </message>
    <message>
        <source>differs in %1</source>
        <translation>anders in %1</translation>
    </message>
    <message>
        <source>put-back takes no file</source>
        <translation>put-back erwartet keine Datei</translation>
    </message>
    <message>
        <source>No rows of the private list are kept aside.</source>
        <translation>Es sind keine Zeilen der privaten Liste beiseitegelegt.</translation>
    </message>
    <message>
        <source>The private list could not be opened: %1.</source>
        <translation>Die private Liste konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Password the kept rows were typed under: </source>
        <translation>Passwort, unter dem die aufbewahrten Zeilen getippt wurden: </translation>
    </message>
    <message>
        <source>Put 1 row back into the private list.</source>
        <translation>1 Zeile in die private Liste zurückgesetzt.</translation>
    </message>
    <message>
        <source>Some kept rows stay aside: the password does not open them, or the list has not enough empty rows for them.</source>
        <translation>Einige aufbewahrte Zeilen bleiben beiseite: Das Passwort öffnet sie nicht, oder die Liste hat nicht genug leere Zeilen für sie.</translation>
    </message>
    <message>
        <source>replaced takes no file</source>
        <translation>replaced erwartet keine Datei</translation>
    </message>
    <message>
        <source>No task was replaced by a merge.</source>
        <translation>Keine Aufgabe wurde durch eine Zusammenführung ersetzt.</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>geleert</translation>
    </message>
    <message>
        <source>replaced by &quot;%1&quot;</source>
        <translation>ersetzt durch „%1“</translation>
    </message>
    <message>
        <source>%1  %2  the %3-task list, task %4: &quot;%5&quot;%6 %7</source>
        <translation>%1  %2  die Liste mit %3 Aufgaben, Aufgabe %4: „%5“%6 %7</translation>
    </message>
    <message>
        <source> (ticked)</source>
        <translation> (abgehakt)</translation>
    </message>
    <message>
        <source>There is no replaced task %1 (see velmorwick replaced).</source>
        <translation>Es gibt keine ersetzte Aufgabe %1 (siehe velmorwick replaced).</translation>
    </message>
    <message>
        <source>The list changed meanwhile; nothing was changed. Try again.</source>
        <translation>Die Liste hat sich inzwischen geändert; es wurde nichts geändert. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Put back into the %1-task list as task %2.</source>
        <translation>In die Liste mit %1 Aufgaben zurückgesetzt als Aufgabe %2.</translation>
    </message>
    <message>
        <source>done takes no file</source>
        <translation>done erwartet keine Datei</translation>
    </message>
    <message>
        <source>--days and --since cannot go together</source>
        <translation>--days und --since gehen nicht zusammen</translation>
    </message>
    <message>
        <source>--forget-before goes alone</source>
        <translation>--forget-before steht allein</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs.</source>
        <translation>Die vor dem %1 erledigten Aufgaben sind aus dem Logbuch entfernt, auf jedem Computer, sobald er synchronisiert.</translation>
    </message>
    <message>
        <source>The tasks done before %1 are out of the logbook, on every computer as it syncs; this computer&apos;s logbook as it was is kept as %2.</source>
        <translation>Die vor dem %1 erledigten Aufgaben sind aus dem Logbuch entfernt, auf jedem Computer, sobald er synchronisiert; das bisherige Logbuch dieses Computers ist als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>Added to the %1-task list as task %2.</source>
        <translation>Zur Liste mit %1 Aufgaben hinzugefügt als Aufgabe %2.</translation>
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
        <translation>Befehle (ohne Anzeige nutzbar; sicher, während die Fenster offen sind):
  add [--list N] [--] TEXT...
                    Jeder TEXT eine Aufgabe in den ersten leeren Zeilen der
                    Liste mit N Aufgaben (3 oder 5 bis 15; ohne --list die
                    Liste, die beim Start öffnet), in einem Schreibvorgang:
                    alle oder keine. Offene Fenster zeigen sie. Setzen Sie --
                    vor einen TEXT, der mit einem Bindestrich beginnt.
  add [--list N]    Ohne TEXT, mit Anzeige: das Fenster Aufgabe hinzufügen.
  export [--format text|json] [--private] [DATEI]
                    Jede gespeicherte Tagesliste, als Checkliste oder JSON,
                    in DATEI oder auf die Standardausgabe; --private fügt die
                    private Liste hinzu, sobald ihr Passwort getippt ist.
  import DATEI      Ersetzt die Listen, die eine JSON-Datei aus export nennt,
                    in einem Schreibvorgang; eine fehlerhafte Datei ändert
                    nichts.
  backup DATEI      Schreibt eine Kopie von allem, was Velmorwick führt, in
                    DATEI, nur für Sie lesbar.
  restore DATEI     Setzt eine Sicherung an die Stelle von allem, was
                    Velmorwick führt; das Ersetzte wird daneben aufbewahrt
                    (die letzten 5) und als Schnappschuss.
  snapshots         Zeigt die Schnappschüsse, die vor jedem Schritt, der Text
                    entfernte (Liste leeren, Alle Aufgaben leeren, ein
                    Speichern, das Aufgaben leerte, import, restore, eine
                    Passwortänderung), und beim ersten Speichern des Tages
                    aufbewahrt wurden: neueste zuerst, ab 1 nummeriert.
  snapshots --forget-private
                    Entfernt die private Liste aus den Schnappschüssen und
                    aufbewahrten Kopien, die ein älteres Passwort noch öffnet
                    (nach einer Passwortänderung); ihre Tageslisten bleiben.
  put-back          Setzt beiseitegelegte private Zeilen (ein Speichern,
                    während das Passwort anderswo geändert wurde, eine bei
                    einer Zusammenführung unterlegene Fassung) in die leeren
                    Zeilen der privaten Liste, soweit sie ihr fehlen; fragt
                    nach dem jetzigen Passwort, dann nach dem, unter dem sie
                    getippt wurden.
  replaced          Zeigt die Aufgaben, die eine Zusammenführung ersetzt hat
                    (dieselbe Aufgabe auf zwei Computern geändert; die
                    spätere Änderung gilt), neueste zuerst.
  replaced --put-back N
                    Setzt Aufgabe N dieser Liste zurück: in ihre Zeile, wenn
                    diese leer oder unverändert ist, sonst in die erste leere.
  done [--days N | --since JJJJ-MM-TT] [--all] [--format text|json|csv]
                    Die auf jedem Computer abgehakten und gespeicherten
                    Aufgaben, nach Tag, neueste zuerst: die letzten 7 Tage,
                    oder N, oder seit einem Tag; --all zeigt auch die wieder
                    ent-abgehakten, markiert.
  done --window     Dasselbe in einem Fenster, Was ich erledigt habe (braucht
                    eine Anzeige).
  done --forget-before JJJJ-MM-TT
                    Entfernt die vor diesem Tag erledigten Aufgaben aus dem
                    Logbuch auf jedem Computer; das dieses Computers wird
                    vorher aufbewahrt.
  restore --snapshot N
                    Setzt Schnappschuss N zurück; der ersetzte Speicher wird
                    seinerseits als Schnappschuss aufbewahrt, sodass sich
                    eine Wiederherstellung zurücknehmen lässt.
</translation>
    </message>
    <message>
        <source>--private belongs to export</source>
        <translation>--private gehört zu export</translation>
    </message>
    <message>
        <source>done --format takes text, json or csv</source>
        <translation>done --format erwartet text, json oder csv</translation>
    </message>
    <message>
        <source>--format belongs to export and done</source>
        <translation>--format gehört zu export und done</translation>
    </message>
    <message>
        <source>--days, --since, --all and --forget-before belong to done</source>
        <translation>--days, --since, --all und --forget-before gehören zu done</translation>
    </message>
    <message>
        <source>--snapshot belongs to restore</source>
        <translation>--snapshot gehört zu restore</translation>
    </message>
    <message>
        <source>--list belongs to add</source>
        <translation>--list gehört zu add</translation>
    </message>
    <message>
        <source>--forget-private belongs to snapshots</source>
        <translation>--forget-private gehört zu snapshots</translation>
    </message>
    <message>
        <source>--put-back belongs to replaced</source>
        <translation>--put-back gehört zu replaced</translation>
    </message>
    <message>
        <source>add takes the text of each task to add (without one it opens a window, which needs a display)</source>
        <translation>add erwartet den Text jeder hinzuzufügenden Aufgabe (ohne Text öffnet es ein Fenster, das eine Anzeige braucht)</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n lists from %1.</source>
        <translation>
            <numerusform>%n Liste aus %1 importiert.</numerusform>
            <numerusform>%n Listen aus %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The private list was taken out of %n older copies (snapshots and kept copies); their day lists stay.</source>
        <translation>
            <numerusform>Die private Liste wurde aus %n älteren Kopie entfernt (Schnappschuss oder aufbewahrte Kopie); ihre Tageslisten bleiben.</numerusform>
            <numerusform>Die private Liste wurde aus %n älteren Kopien entfernt (Schnappschüssen und aufbewahrten Kopien); ihre Tageslisten bleiben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n rows back into the private list.</source>
        <translation>
            <numerusform>%n Zeile in die private Liste zurückgesetzt.</numerusform>
            <numerusform>%n Zeilen in die private Liste zurückgesetzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>donecommand</name>
    <message>
        <source>%1-task list</source>
        <translation>Liste mit %1 Aufgaben</translation>
    </message>
    <message>
        <source>Nothing done since %1.</source>
        <translation>Nichts erledigt seit %1.</translation>
    </message>
    <message>
        <source> (unticked again)</source>
        <translation> (wieder ent-abgehakt)</translation>
    </message>
    <message numerus="yes">
        <source>Nothing done in the last %n days.</source>
        <translation>
            <numerusform>Nichts erledigt am letzten %n Tag.</numerusform>
            <numerusform>Nichts erledigt in den letzten %n Tagen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>keptrows</name>
    <message>
        <source>kept rows put back</source>
        <translation>aufbewahrte Zeilen zurückgesetzt</translation>
    </message>
    <message>
        <source>The private list&apos;s password was changed elsewhere meanwhile; open it with the current password and try again.</source>
        <translation>Das Passwort der privaten Liste wurde inzwischen anderswo geändert; öffnen Sie sie mit dem aktuellen Passwort und versuchen Sie es noch einmal.</translation>
    </message>
</context>
<context>
    <name>listexchange</name>
    <message>
        <source>Private list (%1 tasks)</source>
        <translation>Private Liste (%1 Aufgaben)</translation>
    </message>
    <message>
        <source>%1 tasks</source>
        <translation>%1 Aufgaben</translation>
    </message>
    <message>
        <source>%1 (%2 tasks)</source>
        <translation>%1 (%2 Aufgaben)</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>%1: half a UTF-16 pair (%2) with no other half, which no text can hold</source>
        <translation>%1: ein halbes UTF-16-Paar (%2) ohne zweite Hälfte, das kein Text enthalten kann</translation>
    </message>
    <message>
        <source>%1: not valid JSON (%2)</source>
        <translation>%1: kein gültiges JSON (%2)</translation>
    </message>
    <message>
        <source>the top: not a list file of Velmorwick (&quot;format&quot; must be &quot;%1&quot;)</source>
        <translation>oben: keine Listendatei von Velmorwick („format“ muss „%1“ sein)</translation>
    </message>
    <message>
        <source>version: only version %1 is known</source>
        <translation>version: nur Version %1 ist bekannt</translation>
    </message>
    <message>
        <source>lists: must be an array</source>
        <translation>lists: muss ein Array sein</translation>
    </message>
    <message>
        <source>%1: must be an object</source>
        <translation>%1: muss ein Objekt sein</translation>
    </message>
    <message>
        <source>%1.private: must be true or false</source>
        <translation>%1.private: muss true oder false sein</translation>
    </message>
    <message>
        <source>%1.tasks: the private list has %2 tasks</source>
        <translation>%1.tasks: die private Liste hat %2 Aufgaben</translation>
    </message>
    <message>
        <source>%1.tasks: there is no list of %2 tasks (3, or 5 to 15)</source>
        <translation>%1.tasks: es gibt keine Liste mit %2 Aufgaben (3 oder 5 bis 15)</translation>
    </message>
    <message>
        <source>%1: the same list a second time</source>
        <translation>%1: dieselbe Liste ein zweites Mal</translation>
    </message>
    <message>
        <source>%1.rows: must be an array of exactly %2 rows</source>
        <translation>%1.rows: muss ein Array von genau %2 Zeilen sein</translation>
    </message>
    <message>
        <source>%1.text: must be a string</source>
        <translation>%1.text: muss ein String sein</translation>
    </message>
    <message>
        <source>%1.text: longer than %2 characters</source>
        <translation>%1.text: länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1.done: must be true or false</source>
        <translation>%1.done: muss true oder false sein</translation>
    </message>
</context>
<context>
    <name>replacedrecord</name>
    <message>
        <source>The %1-task list has no empty row for it; nothing was changed.</source>
        <translation>Die Liste mit %1 Aufgaben hat keine leere Zeile dafür; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>put back a replaced task</source>
        <translation>eine ersetzte Aufgabe zurücksetzen</translation>
    </message>
</context>
<context>
    <name>sealing</name>
    <message>
        <source>there was not enough memory to derive its key (it takes %1 MiB)</source>
        <translation>es war nicht genug Speicher frei, um seinen Schlüssel abzuleiten (das braucht %1 MiB)</translation>
    </message>
</context>
<context>
    <name>storemerge</name>
    <message>
        <source>the %1-task list, task %2</source>
        <translation>die Liste mit %1 Aufgaben, Aufgabe %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>the %1-task list</source>
        <translation>die Liste mit %1 Aufgaben</translation>
    </message>
    <message>
        <source>the private list and its password</source>
        <translation>die private Liste und ihr Passwort</translation>
    </message>
    <message>
        <source>the list to open at start</source>
        <translation>die Liste, die beim Start öffnet</translation>
    </message>
    <message>
        <source>the reminder&apos;s switch</source>
        <translation>der Schalter der Erinnerung</translation>
    </message>
    <message>
        <source>the quick notes&apos; notice</source>
        <translation>der Hinweis der Kurznotizen</translation>
    </message>
</context>
</TS>
