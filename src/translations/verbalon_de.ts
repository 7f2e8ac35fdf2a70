<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdbJob</name>
    <message numerus="yes">
        <source>adb did not finish within %n seconds</source>
        <translation>
            <numerusform>adb ist nicht innerhalb von %n Sekunde fertig geworden</numerusform>
            <numerusform>adb ist nicht innerhalb von %n Sekunden fertig geworden</numerusform>
        </translation>
    </message>
    <message>
        <source>adb failed (exit code %1)</source>
        <translation>adb ist gescheitert (Rückgabewert %1)</translation>
    </message>
    <message>
        <source>the program adb cannot be started: install the Android platform tools (package &quot;adb&quot;) or name the program in VERBALON_ADB</source>
        <translation>das Programm adb lässt sich nicht starten: Installieren Sie die Android-Plattformwerkzeuge (Paket „adb“) oder nennen Sie das Programm in VERBALON_ADB</translation>
    </message>
</context>
<context>
    <name>AuthDialog</name>
    <message>
        <source>Enter Username &amp; Password</source>
        <translation>Benutzername und Passwort eingeben</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>The proxy %1 asks for your user name and password.</source>
        <translation>Der Proxy %1 fragt nach Ihrem Benutzernamen und Passwort.</translation>
    </message>
    <message>
        <source>The server %1 asks for your user name and password.</source>
        <translation>Der Server %1 fragt nach Ihrem Benutzernamen und Passwort.</translation>
    </message>
    <message>
        <source>They were not accepted; please try again.</source>
        <translation>Sie wurden nicht angenommen; bitte versuchen Sie es noch einmal.</translation>
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
        <source>&amp;Remember in the desktop&apos;s password store</source>
        <translation>Im Passwortspeicher des Desktops &amp;merken</translation>
    </message>
</context>
<context>
    <name>BackupFiles</name>
    <message>
        <source>cannot keep a copy as &quot;%1&quot;: %2</source>
        <translation>eine Kopie als „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>cannot keep a copy as &quot;%1&quot;</source>
        <translation>eine Kopie als „%1“ lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>The damaged file could not be kept as &quot;%1&quot;, so it was not replaced.</source>
        <translation>Die beschädigte Datei konnte nicht als „%1“ aufbewahrt werden, darum wurde sie nicht ersetzt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file of this folder</source>
        <translation>„%1“ ist keine gewöhnliche Datei dieses Ordners</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message numerus="yes">
        <source>%n in all, at most %1 a day</source>
        <translation>
            <numerusform>%n insgesamt, höchstens %1 an einem Tag</numerusform>
            <numerusform>%n insgesamt, höchstens %1 an einem Tag</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeJournal</name>
    <message>
        <source>cannot be renamed to %1</source>
        <translation>kann nicht in %1 umbenannt werden</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>ConjugationDialog</name>
    <message>
        <source>WARNING: auto-generated conjugation may be incorrect!</source>
        <translation>ACHTUNG: Die erzeugte Konjugation kann Fehler enthalten!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Conjugation of %1</source>
        <translation>Konjugation von %1</translation>
    </message>
</context>
<context>
    <name>ConjugationView</name>
    <message>
        <source>Pattern:</source>
        <translation>Muster:</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Zukunft</translation>
    </message>
    <message>
        <source>Past</source>
        <translation>Vergangenheit</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Gegenwart</translation>
    </message>
    <message>
        <source>Imperative</source>
        <translation>Befehlsform</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>line %1: a quote opened here is never closed; the rest of the file cannot be read</source>
        <translation>Zeile %1: ein hier geöffnetes Anführungszeichen wird nie geschlossen; der Rest der Datei kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>DataDirectory</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>DeviceSyncRun</name>
    <message>
        <source>no temporary folder for the sync</source>
        <translation>kein temporärer Ordner für den Abgleich</translation>
    </message>
    <message>
        <source>Reading &apos;%1&apos; from USB...</source>
        <translation>Lese &apos;%1&apos; über USB...</translation>
    </message>
    <message>
        <source>Writing &apos;%1&apos; to USB...</source>
        <translation>Schreibe &apos;%1&apos; über USB...</translation>
    </message>
    <message>
        <source>copied onto the phone</source>
        <translation>auf das Telefon kopiert</translation>
    </message>
    <message>
        <source>Sync completed.</source>
        <translation>Abgleich abgeschlossen.</translation>
    </message>
    <message>
        <source>the copy from the device cannot be read: %1</source>
        <translation>die Kopie vom Gerät kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>The dictionary has used every entry number; no entry can be added.</source>
        <translation>Das Wörterbuch hat alle Eintragsnummern verbraucht; es kann kein Eintrag hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>DictionaryCodec</name>
    <message>
        <source>Not a dictionary file (version &quot;%1&quot;).</source>
        <translation>Keine Wörterbuchdatei (Version „%1“).</translation>
    </message>
    <message>
        <source>It holds more than %1 entries.</source>
        <translation>Sie enthält mehr als %1 Einträge.</translation>
    </message>
</context>
<context>
    <name>DictionaryDocument</name>
    <message>
        <source>The changes left could not be read from %1.</source>
        <translation>Die zurückgebliebenen Änderungen konnten nicht aus %1 gelesen werden.</translation>
    </message>
</context>
<context>
    <name>DictionaryFile</name>
    <message>
        <source>The dictionary already holds entries.</source>
        <translation>Das Wörterbuch enthält bereits Einträge.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The dictionary has no file name.</source>
        <translation>Das Wörterbuch hat keinen Dateinamen.</translation>
    </message>
    <message>
        <source>The file cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
</context>
<context>
    <name>DictionaryList</name>
    <message>
        <source>the list of dictionaries is larger than %1 MiB</source>
        <translation>die Liste der Wörterbücher ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>what came is no list of dictionaries</source>
        <translation>was ankam, ist keine Liste von Wörterbüchern</translation>
    </message>
    <message>
        <source>the list of dictionaries has a line longer than %1 characters</source>
        <translation>die Liste der Wörterbücher hat eine Zeile mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>a record of the list of dictionaries has more than %1 keys</source>
        <translation>ein Eintrag der Liste der Wörterbücher hat mehr als %1 Schlüssel</translation>
    </message>
</context>
<context>
    <name>DictionaryManager</name>
    <message>
        <source>Current Dictionary</source>
        <translation>Aktuelles Wörterbuch</translation>
    </message>
    <message>
        <source>Dictionary Manager</source>
        <translation>Wörterbuchverwaltung</translation>
    </message>
    <message>
        <source>1st User Language:</source>
        <translation>1. Benutzersprache:</translation>
    </message>
    <message>
        <source>2nd User Language:</source>
        <translation>2. Benutzersprache:</translation>
    </message>
    <message>
        <source>3rd User Language:</source>
        <translation>3. Benutzersprache:</translation>
    </message>
    <message>
        <source>4th User Language:</source>
        <translation>4. Benutzersprache:</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Settings for &apos;%1&apos;</source>
        <translation>Einstellungen für „%1“</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be read; its user languages stay as they were.</source>
        <translation>„%1“ kann nicht gelesen werden; seine Benutzersprachen bleiben unverändert.</translation>
    </message>
    <message>
        <source>User languages can only be added after the existing ones; &apos;%1&apos; keeps %2.</source>
        <translation>Benutzersprachen können nur hinten angefügt werden; „%1“ behält %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; could not be saved: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The list of dictionaries could not be saved.</source>
        <translation>Die Liste der Wörterbücher konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Delete Dictionary</source>
        <translation>Wörterbuch löschen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Each user language can be chosen once; &apos;%1&apos; keeps %2.</source>
        <translation>Jede Benutzersprache kann nur einmal gewählt werden; &apos;%1&apos; behält %2.</translation>
    </message>
    <message>
        <source>Delete the dictionary &apos;%1&apos; (file %2)? The file is kept as %2.bak.</source>
        <translation>Das Wörterbuch &apos;%1&apos; (Datei %2) löschen? Die Datei bleibt als %2.bak erhalten.</translation>
    </message>
</context>
<context>
    <name>DictionaryMerge</name>
    <message>
        <source>no free entry number left for the local entries</source>
        <translation>für die eigenen Einträge ist keine freie Eintragsnummer mehr übrig</translation>
    </message>
    <message>
        <source>it holds an entry number that cannot be used (%1)</source>
        <translation>sie enthält eine unbrauchbare Eintragsnummer (%1)</translation>
    </message>
    <message>
        <source>it holds entry number %1 twice</source>
        <translation>sie enthält die Eintragsnummer %1 zweimal</translation>
    </message>
    <message>
        <source>delete %1 of its %2 entries (%3 of them trained or edited by you)</source>
        <translation>%1 seiner %2 Einträge löschen (%3 davon von Ihnen geübt oder bearbeitet)</translation>
    </message>
    <message numerus="yes">
        <source>start the training of %n respelled words again</source>
        <translation>
            <numerusform>das Üben von %n neu geschriebenen Wort neu beginnen</numerusform>
            <numerusform>das Üben von %n neu geschriebenen Wörtern neu beginnen</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
</context>
<context>
    <name>DictionaryModel</name>
    <message>
        <source> (f)</source>
        <translation> (f)</translation>
    </message>
    <message>
        <source> (m)</source>
        <translation> (m)</translation>
    </message>
    <message>
        <source> (tr.)</source>
        <translation> (tr.)</translation>
    </message>
    <message>
        <source> (intr.)</source>
        <translation> (intr.)</translation>
    </message>
    <message>
        <source>User Language</source>
        <translation>Benutzersprache</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Foreign</source>
        <translation>Fremdsprache</translation>
    </message>
</context>
<context>
    <name>DictionaryTable</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>This file cannot be taken: %1</source>
        <translation>Diese Datei kann nicht übernommen werden: %1</translation>
    </message>
</context>
<context>
    <name>DictionaryUpdate</name>
    <message>
        <source>the received file is not a dictionary</source>
        <translation>die empfangene Datei ist kein Wörterbuch</translation>
    </message>
    <message>
        <source>the received dictionary is incomplete</source>
        <translation>das empfangene Wörterbuch ist unvollständig</translation>
    </message>
    <message>
        <source>the received dictionary is damaged: %1</source>
        <translation>das empfangene Wörterbuch ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the local copy cannot be read, so it was not replaced: %1</source>
        <translation>die eigene Kopie lässt sich nicht lesen, darum wurde sie nicht ersetzt: %1</translation>
    </message>
    <message>
        <source>the received dictionary holds more than %1 entries, more than any dictionary is sent with</source>
        <translation>das empfangene Wörterbuch enthält mehr als %1 Einträge, mehr als mit irgendeinem Wörterbuch gesendet wird</translation>
    </message>
</context>
<context>
    <name>DictionaryWizard</name>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>New Dictionary</source>
        <translation>Neues Wörterbuch</translation>
    </message>
    <message>
        <source>Dictionary Name:</source>
        <translation>Name des Wörterbuchs:</translation>
    </message>
    <message>
        <source>Language Code:</source>
        <translation>Sprachcode:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>User Language:</source>
        <translation>Benutzersprache:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Give the dictionary a name.</source>
        <translation>Geben Sie dem Wörterbuch einen Namen.</translation>
    </message>
    <message>
        <source>The file name must be a plain name ending in &quot;.dic&quot;.</source>
        <translation>Der Dateiname muss ein einfacher Name sein, der auf „.dic“ endet.</translation>
    </message>
    <message>
        <source>A file &quot;%1&quot; exists already.</source>
        <translation>Eine Datei „%1“ gibt es schon.</translation>
    </message>
    <message>
        <source>The list has a dictionary &quot;%1&quot; already.</source>
        <translation>Die Liste enthält schon ein Wörterbuch „%1“.</translation>
    </message>
    <message>
        <source>Choose one of the user languages.</source>
        <translation>Wählen Sie eine der Benutzersprachen.</translation>
    </message>
    <message>
        <source>The dictionary could not be written to &quot;%1&quot;: %2</source>
        <translation>Das Wörterbuch konnte nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The list has a dictionary named &quot;%1&quot; already.</source>
        <translation>Die Liste hat schon ein Wörterbuch namens „%1“.</translation>
    </message>
</context>
<context>
    <name>Drill</name>
    <message>
        <source> (%1 choices)</source>
        <translation> (%1 Möglichkeiten)</translation>
    </message>
    <message>
        <source> (%1 letters)</source>
        <translation> (%1 Buchstaben)</translation>
    </message>
</context>
<context>
    <name>Entry</name>
    <message>
        <source>???</source>
        <translation>???</translation>
    </message>
    <message>
        <source>Noun</source>
        <translation>Subst.</translation>
    </message>
    <message>
        <source>Verb</source>
        <translation>Verb</translation>
    </message>
    <message>
        <source>Adj.</source>
        <translation>Adj.</translation>
    </message>
    <message>
        <source>Adv.</source>
        <translation>Adv.</translation>
    </message>
    <message>
        <source>Num.</source>
        <translation>Zahlw.</translation>
    </message>
    <message>
        <source>Pers.</source>
        <translation>Pron.</translation>
    </message>
    <message>
        <source>Conj.</source>
        <translation>Konj.</translation>
    </message>
    <message>
        <source>Prep.</source>
        <translation>Präp.</translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>Incomplete!</source>
        <translation>Unvollständig!</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mehr...</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Lernen...</translation>
    </message>
    <message>
        <source>Extra:</source>
        <translation>Extra:</translation>
    </message>
    <message>
        <source>trans.</source>
        <translation>trans.</translation>
    </message>
    <message>
        <source>intr.</source>
        <translation>intr.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Wortart:</translation>
    </message>
    <message>
        <source>male</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>female</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>neuter</source>
        <translation>sächlich</translation>
    </message>
    <message>
        <source>male pl.</source>
        <translation>männl. Pl.</translation>
    </message>
    <message>
        <source>fem. pl.</source>
        <translation>weibl. Pl.</translation>
    </message>
    <message>
        <source>neu. pl.</source>
        <translation>sächl. Pl.</translation>
    </message>
    <message>
        <source>Plural:</source>
        <translation>Plural:</translation>
    </message>
    <message>
        <source>Infinitive:</source>
        <translation>Infinitiv:</translation>
    </message>
    <message>
        <source>--- :</source>
        <translation>--- :</translation>
    </message>
    <message>
        <source>Is Name</source>
        <translation>Eigenname</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Learn: NO</source>
        <translation>Lernen: NEIN</translation>
    </message>
    <message>
        <source>Learn: %1 / %2</source>
        <translation>Lernen: %1 / %2</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Practise this word in the trainer?</source>
        <translation>Dieses Wort im Trainer üben?</translation>
    </message>
    <message>
        <source>&amp;Practise</source>
        <translation>&amp;Üben</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Practise</source>
        <translation>&amp;Nicht üben</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>not a dictionary file name (*.dic)</source>
        <translation>kein Dateiname eines Wörterbuchs (*.dic)</translation>
    </message>
    <message>
        <source>the name of the list itself</source>
        <translation>der Name der Liste selbst</translation>
    </message>
    <message>
        <source>a file name longer than 128 characters</source>
        <translation>ein Dateiname mit mehr als 128 Zeichen</translation>
    </message>
    <message>
        <source>not a plain file name</source>
        <translation>kein schlichter Dateiname</translation>
    </message>
</context>
<context>
    <name>FtpJob</name>
    <message>
        <source>the server refused the login</source>
        <translation>der Server hat die Anmeldung abgelehnt</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>the server refused the connection</source>
        <translation>der Server hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>the server was not found (%1)</source>
        <translation>der Server wurde nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>the upload failed</source>
        <translation>das Hochladen ist gescheitert</translation>
    </message>
    <message>
        <source>the uploaded file could not be renamed</source>
        <translation>die hochgeladene Datei ließ sich nicht umbenennen</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not valid FTP</source>
        <translation>die Antwort des Servers ist kein gültiges FTP</translation>
    </message>
    <message>
        <source>the server refused the transfer (%1)</source>
        <translation>der Server hat die Übertragung abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the server&apos;s answer was too long</source>
        <translation>die Antwort des Servers war zu lang</translation>
    </message>
</context>
<context>
    <name>HttpJob</name>
    <message>
        <source>the proxy</source>
        <translation>der Proxy</translation>
    </message>
    <message>
        <source>the proxy %1</source>
        <translation>der Proxy %1</translation>
    </message>
    <message>
        <source>the server refused the connection</source>
        <translation>der Server hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the server was not found (%1)</source>
        <translation>der Server wurde nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>the server did not answer in time</source>
        <translation>der Server hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>no secure connection could be made</source>
        <translation>es ließ sich keine sichere Verbindung herstellen</translation>
    </message>
    <message>
        <source>the network is not available</source>
        <translation>das Netzwerk ist nicht verfügbar</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Umleitungen</translation>
    </message>
    <message>
        <source>the server redirected to an insecure address</source>
        <translation>der Server hat auf eine unsichere Adresse umgeleitet</translation>
    </message>
    <message>
        <source>%1 refused the connection</source>
        <translation>%1 hat die Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>%1 closed the connection</source>
        <translation>%1 hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>%1 was not found</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1 did not answer in time</source>
        <translation>%1 hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>%1 asks for a user name and password</source>
        <translation>%1 verlangt einen Benutzernamen und ein Passwort</translation>
    </message>
    <message>
        <source>the server asks for a user name and password</source>
        <translation>der Server verlangt einen Benutzernamen und ein Passwort</translation>
    </message>
    <message>
        <source>the address is not one of HTTP or HTTPS (%1)</source>
        <translation>die Adresse ist keine HTTP- oder HTTPS-Adresse (%1)</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not valid HTTP</source>
        <translation>die Antwort des Servers ist kein gültiges HTTP</translation>
    </message>
    <message>
        <source>access denied (HTTP 403)</source>
        <translation>Zugriff verweigert (HTTP 403)</translation>
    </message>
    <message>
        <source>not found (HTTP 404)</source>
        <translation>nicht gefunden (HTTP 404)</translation>
    </message>
    <message>
        <source>server error (HTTP %1)</source>
        <translation>Serverfehler (HTTP %1)</translation>
    </message>
    <message>
        <source>the server refused the request (HTTP %1)</source>
        <translation>der Server hat die Anfrage abgelehnt (HTTP %1)</translation>
    </message>
    <message>
        <source>the transfer failed (%1)</source>
        <translation>die Übertragung ist gescheitert (%1)</translation>
    </message>
    <message>
        <source>the server sent the file compressed (%1), which was not asked for</source>
        <translation>der Server hat die Datei komprimiert gesendet (%1), ohne dass danach gefragt wurde</translation>
    </message>
    <message>
        <source>the server redirected to an address that is not one of HTTP or HTTPS (%1)</source>
        <translation>der Server hat auf eine Adresse umgeleitet, die weder HTTP noch HTTPS ist (%1)</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Make a &amp;new dictionary of them</source>
        <translation>Ein &amp;neues Wörterbuch daraus machen</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; holds %n words that can be read.</source>
        <translation>
            <numerusform>„%1“ enthält %n lesbares Wort.</numerusform>
            <numerusform>„%1“ enthält %n lesbare Wörter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be read and are left out:</source>
        <translation>
            <numerusform>%n Zeile kann nicht gelesen werden und bleibt weg:</numerusform>
            <numerusform>%n Zeilen können nicht gelesen werden und bleiben weg:</numerusform>
        </translation>
    </message>
    <message>
        <source>Add them to the open dictionary</source>
        <translation>Zum geöffneten Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add them to &quot;%1&quot; as new entries</source>
        <translation>Als neue Einträge zu „%1“ &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The first rows:</source>
        <translation>Die ersten Zeilen:</translation>
    </message>
</context>
<context>
    <name>InstalledUpgrade</name>
    <message>
        <source>%1 could not take in the installed version: %2</source>
        <translation>%1 konnte die installierte Fassung nicht übernehmen: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 took in the installed version (now %n entries); your own words and training are kept, the previous file is %2.</source>
        <translation>
            <numerusform>%1 hat die installierte Fassung übernommen (jetzt %n Eintrag); Ihre eigenen Wörter und Ihr Training bleiben erhalten, die vorige Datei ist %2.</numerusform>
            <numerusform>%1 hat die installierte Fassung übernommen (jetzt %n Einträge); Ihre eigenen Wörter und Ihr Training bleiben erhalten, die vorige Datei ist %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>KeyMappingButton</name>
    <message>
        <source>Your keys type the letters of the on-screen keyboard. Ctrl alone or a click switches.</source>
        <translation>Ihre Tasten tippen die Buchstaben der Bildschirmtastatur. Strg allein oder ein Klick schaltet um.</translation>
    </message>
    <message>
        <source>Your keys type their own letters. Ctrl alone or a click switches.</source>
        <translation>Ihre Tasten tippen ihre eigenen Buchstaben. Strg allein oder ein Klick schaltet um.</translation>
    </message>
</context>
<context>
    <name>KeyboardToggleButton</name>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Shows or hides the on-screen keyboard</source>
        <translation>Zeigt oder verbirgt die Bildschirmtastatur</translation>
    </message>
</context>
<context>
    <name>LanguageInfo</name>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Farsi</source>
        <translation>Persisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
</context>
<context>
    <name>LoginPrompts</name>
    <message>
        <source>Delete Entries?</source>
        <translation>Einträge löschen?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Keep My File</source>
        <translation>Meine Datei &amp;behalten</translation>
    </message>
    <message>
        <source>The update of &quot;%1&quot; would %2, among them: %3

Your file is kept as a backup either way. Update anyway?</source>
        <translation>Die Aktualisierung von „%1“ würde %2, darunter: %3

Ihre Datei wird in jedem Fall als Sicherung aufbewahrt. Trotzdem aktualisieren?</translation>
    </message>
</context>
<context>
    <name>Lookup</name>
    <message>
        <source>the</source>
        <translation>der/die/das</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>like</source>
        <translation>wie</translation>
    </message>
    <message>
        <source>to</source>
        <translation>zu</translation>
    </message>
    <message>
        <source>from</source>
        <translation>von</translation>
    </message>
    <message>
        <source>that</source>
        <translation>dass</translation>
    </message>
    <message>
        <source>when</source>
        <translation>als</translation>
    </message>
    <message>
        <source>since</source>
        <translation>seit</translation>
    </message>
    <message>
        <source>we</source>
        <translation>wir</translation>
    </message>
    <message>
        <source>I</source>
        <translation>ich</translation>
    </message>
    <message>
        <source>you, f. pl.</source>
        <translation>ihr, f.</translation>
    </message>
    <message>
        <source>you, pl.</source>
        <translation>ihr</translation>
    </message>
    <message>
        <source>you, f.</source>
        <translation>du, f.</translation>
    </message>
    <message>
        <source>you, m.</source>
        <translation>du, m.</translation>
    </message>
    <message>
        <source>they</source>
        <translation>sie (Pl.)</translation>
    </message>
    <message>
        <source>she</source>
        <translation>sie</translation>
    </message>
    <message>
        <source>he</source>
        <translation>er</translation>
    </message>
    <message>
        <source>f. pl.</source>
        <translation>f. Pl.</translation>
    </message>
    <message>
        <source>m. pl.</source>
        <translation>m. Pl.</translation>
    </message>
    <message>
        <source>f. sg.</source>
        <translation>f. Sg.</translation>
    </message>
    <message>
        <source>m. sg.</source>
        <translation>m. Sg.</translation>
    </message>
    <message>
        <source>infinitive</source>
        <translation>Infinitiv</translation>
    </message>
    <message>
        <source>past</source>
        <translation>Vergangenheit</translation>
    </message>
    <message>
        <source>present</source>
        <translation>Gegenwart</translation>
    </message>
    <message>
        <source>future</source>
        <translation>Zukunft</translation>
    </message>
    <message>
        <source>imperative</source>
        <translation>Befehlsform</translation>
    </message>
    <message>
        <source>plural</source>
        <translation>Plural</translation>
    </message>
    <message>
        <source>feminine</source>
        <translation>weiblich</translation>
    </message>
</context>
<context>
    <name>LookupView</name>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Lookup:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>How the word reads as a form of an entry; click to open the entry</source>
        <translation>Wie das Wort als Form eines Eintrags gelesen wird; ein Klick öffnet den Eintrag</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Verbalon %1</source>
        <translation>Verbalon %1</translation>
    </message>
    <message>
        <source>&amp;Lookup</source>
        <translation>&amp;Nachschlagen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Trainer</source>
        <translation>&amp;Trainer</translation>
    </message>
    <message>
        <source>&amp;Tavlona</source>
        <translation>Ta&amp;vlona</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Dictionaries</source>
        <translation>&amp;Wörterbücher</translation>
    </message>
    <message>
        <source>&amp;Update from Network</source>
        <translation>&amp;Aktualisieren aus dem Netz</translation>
    </message>
    <message>
        <source>&amp;Android Sync. (USB)</source>
        <translation>A&amp;ndroid-Abgleich (USB)</translation>
    </message>
    <message>
        <source>&amp;Export Masters (FTP)</source>
        <translation>Als Master &amp;exportieren (FTP)</translation>
    </message>
    <message>
        <source>&amp;Manage...</source>
        <translation>&amp;Verwalten...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About &amp;Verbalon</source>
        <translation>Über &amp;Verbalon</translation>
    </message>
    <message>
        <source>New Word</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>Delete Word</source>
        <translation>Wort löschen</translation>
    </message>
    <message>
        <source>List Incomplete</source>
        <translation>Unvollständige zeigen</translation>
    </message>
    <message>
        <source>Current Foreign Language</source>
        <translation>Aktuelle Fremdsprache</translation>
    </message>
    <message>
        <source>Current User Language</source>
        <translation>Aktuelle Benutzersprache</translation>
    </message>
    <message>
        <source>Save Dictionary</source>
        <translation>Wörterbuch speichern</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The dictionary &quot;%1&quot; has changes that are not saved. Save them now?</source>
        <translation>Das Wörterbuch „%1“ hat ungespeicherte Änderungen. Jetzt speichern?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Unstored Changes</source>
        <translation>Nicht übernommene Änderungen</translation>
    </message>
    <message>
        <source>The word editor holds changes that are not stored yet. Store them now?</source>
        <translation>Im Wort-Editor stehen Änderungen, die noch nicht übernommen sind. Jetzt übernehmen?</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>Über&amp;nehmen</translation>
    </message>
    <message>
        <source>The dictionary file &quot;%1&quot; does not exist. It will be created when you save.</source>
        <translation>Die Wörterbuchdatei „%1“ existiert nicht. Sie wird beim Speichern angelegt.</translation>
    </message>
    <message numerus="yes">
        <source>The dictionary file &quot;%1&quot; is damaged: only %n entries could be read. When you save, the damaged file is kept beside it as &quot;%2&quot;.</source>
        <translation>
            <numerusform>Die Wörterbuchdatei „%1“ ist beschädigt: nur %n Eintrag konnte gelesen werden. Beim Speichern wird die beschädigte Datei daneben als „%2“ aufbewahrt.</numerusform>
            <numerusform>Die Wörterbuchdatei „%1“ ist beschädigt: nur %n Einträge konnten gelesen werden. Beim Speichern wird die beschädigte Datei daneben als „%2“ aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The dictionary file &quot;%1&quot; cannot be read (%2). No entries were loaded.</source>
        <translation>Die Wörterbuchdatei „%1“ kann nicht gelesen werden (%2). Es wurden keine Einträge geladen.</translation>
    </message>
    <message>
        <source>Dictionary File</source>
        <translation>Wörterbuchdatei</translation>
    </message>
    <message>
        <source>Word Exists</source>
        <translation>Wort vorhanden</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Store Word</source>
        <translation>Wort übernehmen</translation>
    </message>
    <message>
        <source>The dictionary could not be saved to &quot;%1&quot;: %2</source>
        <translation>Das Wörterbuch konnte nicht nach „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>About Verbalon</source>
        <translation>Über Verbalon</translation>
    </message>
    <message>
        <source>&lt;b&gt;Verbalon Version %1&lt;/b&gt;&lt;br/&gt;&lt;br/&gt;A dictionary and vocabulary trainer for learners of Hebrew, Farsi, Arabic and Russian.&lt;br/&gt;&lt;br/&gt;Licence: GNU General Public License, version 3 or later.&lt;br/&gt;&lt;br/&gt;More info at: </source>
        <translation>&lt;b&gt;Verbalon Version %1&lt;/b&gt;&lt;br/&gt;&lt;br/&gt;Ein Wörterbuch und Vokabeltrainer für alle, die Hebräisch, Persisch, Arabisch oder Russisch lernen.&lt;br/&gt;&lt;br/&gt;Lizenz: GNU General Public License, Version 3 oder neuer.&lt;br/&gt;&lt;br/&gt;Mehr unter: </translation>
    </message>
    <message>
        <source>No Dictionaries</source>
        <translation>Keine Wörterbücher</translation>
    </message>
    <message>
        <source>&lt;b&gt;No dictionaries found!&lt;/b&gt;&lt;br/&gt;&lt;br/&gt;Use &apos;Dictionaries -&gt; Update from Network&apos; to download dictionaries or &apos;Dictionaries -&gt; Manage...&apos; to create a new dictionary from scratch.</source>
        <translation>&lt;b&gt;Keine Wörterbücher gefunden!&lt;/b&gt;&lt;br/&gt;&lt;br/&gt;Mit „Wörterbücher -&gt; Aktualisieren aus dem Netz“ laden Sie Wörterbücher herunter, mit „Wörterbücher -&gt; Verwalten...“ legen Sie ein neues Wörterbuch an.</translation>
    </message>
    <message>
        <source>Undo Delete</source>
        <translation>Löschen rückgängig</translation>
    </message>
    <message numerus="yes">
        <source>Loaded %n words.</source>
        <translation>
            <numerusform>%n Wort geladen.</numerusform>
            <numerusform>%n Wörter geladen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The dictionary has this word already. Add it anyway?</source>
        <translation>Das Wörterbuch hat dieses Wort schon. Trotzdem hinzufügen?</translation>
    </message>
    <message numerus="yes">
        <source>Deleted &quot;%1&quot;; %n words left. %2 brings it back.</source>
        <translation>
            <numerusform>„%1“ gelöscht; %n Wort übrig. %2 holt es zurück.</numerusform>
            <numerusform>„%1“ gelöscht; %n Wörter übrig. %2 holt es zurück.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is back; %n words.</source>
        <translation>
            <numerusform>„%1“ ist zurück; %n Wort.</numerusform>
            <numerusform>„%1“ ist zurück; %n Wörter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n words to %1.</source>
        <translation>
            <numerusform>%n Wort in %1 gespeichert.</numerusform>
            <numerusform>%n Wörter in %1 gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>No entry is marked incomplete.</source>
        <translation>Kein Eintrag ist als unvollständig markiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries are marked incomplete.</source>
        <translation>
            <numerusform>%n Eintrag ist als unvollständig markiert.</numerusform>
            <numerusform>%n Einträge sind als unvollständig markiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The bundled dictionaries are built from:</source>
        <translation>Die mitgelieferten Wörterbücher sind erstellt aus:</translation>
    </message>
    <message>
        <source>Their data is licensed under CC BY-SA 4.0, the GNU AGPL and GPL version 3 or later, MIT and CC BY 4.0; see the CREDITS file of the data.</source>
        <translation>Ihre Daten stehen unter CC BY-SA 4.0, der GNU AGPL und GPL Version 3 oder später, MIT und CC BY 4.0; siehe die Datei CREDITS der Daten.</translation>
    </message>
    <message>
        <source>Unsaved Changes Found</source>
        <translation>Ungespeicherte Änderungen gefunden</translation>
    </message>
    <message>
        <source>Changes to &quot;%1&quot; were not saved before the program ended, but the file has changed since, so they cannot be restored. They are kept in &quot;%2&quot;.</source>
        <translation>Änderungen an „%1“ wurden nicht gespeichert, bevor das Programm endete; die Datei hat sich seitdem geändert, daher können sie nicht wiederhergestellt werden. Sie sind in „%2“ aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>The program ended before %n changes to &quot;%1&quot; were saved. Restore them?</source>
        <translation>
            <numerusform>Das Programm endete, bevor %n Änderung an „%1“ gespeichert war. Wiederherstellen?</numerusform>
            <numerusform>Das Programm endete, bevor %n Änderungen an „%1“ gespeichert waren. Wiederherstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Your changes are not safe from a crash until you save: %1</source>
        <translation>Ihre Änderungen sind erst nach dem Speichern vor einem Absturz sicher: %1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Import Words...</source>
        <translation>Wörter &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Words...</source>
        <translation>Wörter &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Keyboard</source>
        <translation>&amp;Tastatur zeigen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Delete Word: no dictionary is open</source>
        <translation>Wort löschen: kein Wörterbuch ist geöffnet</translation>
    </message>
    <message>
        <source>Delete Word: select a word in the table first</source>
        <translation>Wort löschen: zuerst ein Wort in der Tabelle wählen</translation>
    </message>
    <message>
        <source>Delete Word: open a stored word first</source>
        <translation>Wort löschen: zuerst ein gespeichertes Wort öffnen</translation>
    </message>
    <message>
        <source>Delete Word: words are deleted on the Lookup and Edit pages</source>
        <translation>Wort löschen: Wörter werden auf den Seiten Nachschlagen und Bearbeiten gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>Stored &quot;%1&quot;; now %n words.</source>
        <translation>
            <numerusform>„%1“ gespeichert; jetzt %n Wort.</numerusform>
            <numerusform>„%1“ gespeichert; jetzt %n Wörter.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?</source>
        <translation>„%1“ löschen?</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Import Words</source>
        <translation>Wörter importieren</translation>
    </message>
    <message>
        <source>Word lists (*.tsv *.csv *.txt);;All files (*)</source>
        <translation>Wortlisten (*.tsv *.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Reading the words of &quot;%1&quot;...</source>
        <translation>Die Wörter aus „%1“ werden gelesen...</translation>
    </message>
    <message>
        <source>The words of &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Wörter aus „%1“ können nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n words from %1.</source>
        <translation>
            <numerusform>%n Wort aus %1 importiert.</numerusform>
            <numerusform>%n Wörter aus %1 importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were there already.</source>
        <translation>
            <numerusform>%n war schon da.</numerusform>
            <numerusform>%n waren schon da.</numerusform>
        </translation>
    </message>
    <message>
        <source>The columns of languages the dictionary lacks are left out: %1.</source>
        <translation>Die Spalten von Sprachen, die das Wörterbuch nicht hat, bleiben weg: %1.</translation>
    </message>
    <message>
        <source>The list of dictionaries could not be saved.</source>
        <translation>Die Liste der Wörterbücher konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Spreadsheet, comma-separated (*.csv)</source>
        <translation>Tabellenkalkulation, kommagetrennt (*.csv)</translation>
    </message>
    <message>
        <source>Export Words</source>
        <translation>Wörter exportieren</translation>
    </message>
    <message>
        <source>Tab-separated, as the command-line tool imports (*.tsv)</source>
        <translation>Tabulatorgetrennt, wie das Kommandozeilenwerkzeug importiert (*.tsv)</translation>
    </message>
    <message>
        <source>Writing the words to &quot;%1&quot;...</source>
        <translation>Die Wörter werden nach „%1“ geschrieben...</translation>
    </message>
    <message numerus="yes">
        <source>Exported %n words to %1.</source>
        <translation>
            <numerusform>%n Wort nach %1 exportiert.</numerusform>
            <numerusform>%n Wörter nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>The export was stopped; %1 was not written.</source>
        <translation>Der Export wurde angehalten; %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>The words could not be written to &quot;%1&quot;: %2</source>
        <translation>Die Wörter konnten nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>MasterExportRun</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lese %1...</translation>
    </message>
    <message>
        <source>the local file cannot be read</source>
        <translation>die eigene Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Schreibe %1...</translation>
    </message>
    <message>
        <source>Export completed.</source>
        <translation>Export abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>No word was due for review in the last %1 days, so nothing tells yet how much you remember (the aim is %2%).</source>
        <translation>In den letzten %1 Tagen war kein Wort zur Wiederholung fällig, daher lässt sich noch nicht sagen, wie viel Sie behalten (das Ziel ist %2 %).</translation>
    </message>
    <message numerus="yes">
        <source>Remembered in the last %1 days: %2% of %n reviews (the aim is %3%).</source>
        <translation>
            <numerusform>Behalten in den letzten %1 Tagen: %2 % von %n Wiederholung (das Ziel ist %3 %).</numerusform>
            <numerusform>Behalten in den letzten %1 Tagen: %2 % von %n Wiederholungen (das Ziel ist %3 %).</numerusform>
        </translation>
    </message>
    <message>
        <source>Words to learn: %1 new, %2 learning, %3 known.</source>
        <translation>Wörter zum Lernen: %1 neu, %2 im Lernen, %3 gekonnt.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Days trained in a row: %1.</source>
        <translation>Tage in Folge geübt: %1.</translation>
    </message>
    <message>
        <source>The share of words you want to remember when they come up: a higher one brings them back sooner and more often.</source>
        <translation>Der Anteil der Wörter, den Sie behalten möchten, wenn sie wieder drankommen: ein höherer bringt sie früher und öfter zurück.</translation>
    </message>
    <message>
        <source>Share to remember:</source>
        <translation>Anteil zu behalten:</translation>
    </message>
    <message>
        <source>New words a day:</source>
        <translation>Neue Wörter pro Tag:</translation>
    </message>
    <message>
        <source>Reviews in the last %1 days:</source>
        <translation>Wiederholungen in den letzten %1 Tagen:</translation>
    </message>
    <message>
        <source>Reviews due in the next %1 days:</source>
        <translation>Fällige Wiederholungen in den nächsten %1 Tagen:</translation>
    </message>
</context>
<context>
    <name>ProxySettings</name>
    <message>
        <source>Proxy Host:</source>
        <translation>Proxy-Server:</translation>
    </message>
    <message>
        <source>Proxy Port:</source>
        <translation>Proxy-Port:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Set Proxy</source>
        <translation>Proxy setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Passwort merken</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is a link to a file in another folder</source>
        <translation>sie ist eine Verknüpfung zu einer Datei in einem anderen Ordner</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>ReviewHistory</name>
    <message>
        <source>the review log %1 cannot be read, so nothing is added to it</source>
        <translation>das Übungsprotokoll %1 kann nicht gelesen werden, daher wird nichts hinzugefügt</translation>
    </message>
</context>
<context>
    <name>ReviewLog</name>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no review of an entry: id %1, rating %2</source>
        <translation>keine Abfrage eines Eintrags: Nummer %1, Bewertung %2</translation>
    </message>
    <message>
        <source>no entry ids: %1 to %2</source>
        <translation>keine Eintragsnummern: %1 zu %2</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no correction of a review: id %1, rating %2</source>
        <translation>keine Korrektur einer Abfrage: Nummer %1, Bewertung %2</translation>
    </message>
</context>
<context>
    <name>ReviewLogUpkeep</name>
    <message>
        <source>%1 cannot be removed</source>
        <translation>%1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>The training history of %1 could not follow the new entry numbers: %2</source>
        <translation>Der Übungsverlauf von %1 konnte den neuen Eintragsnummern nicht folgen: %2</translation>
    </message>
</context>
<context>
    <name>ShiftKey</name>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
</context>
<context>
    <name>SoftKeyboard</name>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Return: takes what was typed</source>
        <translation>Eingabe: übernimmt das Getippte</translation>
    </message>
    <message>
        <source>Backspace: deletes the letter before the cursor</source>
        <translation>Rücktaste: löscht den Buchstaben vor dem Cursor</translation>
    </message>
    <message>
        <source>Sheva</source>
        <translation>Schwa</translation>
    </message>
    <message>
        <source>Hataf segol</source>
        <translation>Chatef Segol</translation>
    </message>
    <message>
        <source>Hataf patah</source>
        <translation>Chatef Patach</translation>
    </message>
    <message>
        <source>Hataf qamats</source>
        <translation>Chatef Kamez</translation>
    </message>
    <message>
        <source>Hiriq</source>
        <translation>Chirek</translation>
    </message>
    <message>
        <source>Tsere</source>
        <translation>Zere</translation>
    </message>
    <message>
        <source>Segol</source>
        <translation>Segol</translation>
    </message>
    <message>
        <source>Patah</source>
        <translation>Patach</translation>
    </message>
    <message>
        <source>Qamats</source>
        <translation>Kamez</translation>
    </message>
    <message>
        <source>Holam</source>
        <translation>Cholem</translation>
    </message>
    <message>
        <source>Qubuts</source>
        <translation>Kubbuz</translation>
    </message>
    <message>
        <source>Dagesh</source>
        <translation>Dagesch</translation>
    </message>
    <message>
        <source>Shin dot</source>
        <translation>Schin-Punkt</translation>
    </message>
    <message>
        <source>Sin dot</source>
        <translation>Sin-Punkt</translation>
    </message>
    <message>
        <source>Qamats qatan</source>
        <translation>Kamez chatuf</translation>
    </message>
    <message>
        <source>Fathatan (tanwin)</source>
        <translation>Fathatan (Tanwin)</translation>
    </message>
    <message>
        <source>Dammatan (tanwin)</source>
        <translation>Dammatan (Tanwin)</translation>
    </message>
    <message>
        <source>Kasratan (tanwin)</source>
        <translation>Kasratan (Tanwin)</translation>
    </message>
    <message>
        <source>Fatha</source>
        <translation>Fatha</translation>
    </message>
    <message>
        <source>Damma</source>
        <translation>Damma</translation>
    </message>
    <message>
        <source>Kasra</source>
        <translation>Kasra</translation>
    </message>
    <message>
        <source>Shadda</source>
        <translation>Schadda</translation>
    </message>
    <message>
        <source>Sukun</source>
        <translation>Sukun</translation>
    </message>
    <message>
        <source>Madda</source>
        <translation>Madda</translation>
    </message>
    <message>
        <source>Hamza above</source>
        <translation>Hamza oben</translation>
    </message>
    <message>
        <source>Superscript alif</source>
        <translation>Hochgestelltes Alif</translation>
    </message>
    <message>
        <source>Stress mark</source>
        <translation>Betonungszeichen</translation>
    </message>
    <message>
        <source>Zero-width non-joiner (half space)</source>
        <translation>Bindehemmer (Halbleerzeichen)</translation>
    </message>
    <message>
        <source>Shift: %1</source>
        <translation>Umschalt: %1</translation>
    </message>
</context>
<context>
    <name>SyncTable</name>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>done</source>
        <translation>erledigt</translation>
    </message>
    <message>
        <source>done: %1</source>
        <translation>erledigt: %1</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... und %n weitere</numerusform>
            <numerusform>... und %n weitere</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Trainer</name>
    <message>
        <source>Reset</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>DictLang:</source>
        <translation>Fremdsprache:</translation>
    </message>
    <message>
        <source>UserLang:</source>
        <translation>Benutzersprache:</translation>
    </message>
    <message>
        <source>No more words</source>
        <translation>Keine Wörter mehr</translation>
    </message>
    <message>
        <source>%1 asked, %2 right</source>
        <translation>%1 gefragt, %2 richtig</translation>
    </message>
    <message>
        <source>No Words to Learn</source>
        <translation>Keine Wörter zum Lernen</translation>
    </message>
    <message>
        <source>No word of this dictionary is marked for learning yet. Open a word on the Edit page and press &quot;Learn...&quot; to mark it.</source>
        <translation>In diesem Wörterbuch ist noch kein Wort zum Lernen markiert. Öffnen Sie ein Wort auf der Seite „Bearbeiten“ und drücken Sie „Lernen...“, um es zu markieren.</translation>
    </message>
    <message>
        <source>No more words in the list.</source>
        <translation>Keine Wörter mehr in der Liste.</translation>
    </message>
    <message>
        <source>never asked this way</source>
        <translation>in dieser Richtung nie gefragt</translation>
    </message>
    <message>
        <source>never asked the other way</source>
        <translation>in der anderen Richtung nie gefragt</translation>
    </message>
    <message numerus="yes">
        <source>right %n times this way</source>
        <translation>
            <numerusform>in dieser Richtung %n-mal richtig</numerusform>
            <numerusform>in dieser Richtung %n-mal richtig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times the other way</source>
        <translation>
            <numerusform>%n-mal in der anderen</numerusform>
            <numerusform>%n-mal in der anderen</numerusform>
        </translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Fortschritt...</translation>
    </message>
    <message>
        <source>I was &amp;right</source>
        <translation>Ich lag &amp;richtig</translation>
    </message>
    <message>
        <source>I was &amp;wrong</source>
        <translation>Ich lag &amp;falsch</translation>
    </message>
    <message>
        <source>Eas&amp;y</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>The words due for review, then today&apos;s new words</source>
        <translation>Die zur Wiederholung fälligen Wörter, dann die neuen Wörter des Tages</translation>
    </message>
    <message>
        <source>Every word to learn, the least known first</source>
        <translation>Jedes Wort zum Lernen, das am wenigsten gekonnte zuerst</translation>
    </message>
    <message>
        <source>Every word to learn, in any order</source>
        <translation>Jedes Wort zum Lernen, in beliebiger Reihenfolge</translation>
    </message>
    <message>
        <source>How often this word was answered right, the way it is asked now and the other way (a wrong answer takes some of it back)</source>
        <translation>Wie oft dieses Wort richtig beantwortet wurde, in der jetzt gefragten Richtung und in der anderen (eine falsche Antwort nimmt davon etwas zurück)</translation>
    </message>
    <message>
        <source>The answer was right after all: it counts as known</source>
        <translation>Die Antwort war doch richtig: sie zählt als gewusst</translation>
    </message>
    <message>
        <source>The answer was not really known: the word comes back sooner</source>
        <translation>Die Antwort war nicht wirklich gewusst: das Wort kommt früher wieder</translation>
    </message>
    <message>
        <source>The answer came at once: the word comes back later</source>
        <translation>Die Antwort kam sofort: das Wort kommt später wieder</translation>
    </message>
    <message>
        <source>Training History</source>
        <translation>Übungsverlauf</translation>
    </message>
    <message>
        <source>The training history cannot be read, so answers are not kept this time: %1</source>
        <translation>Der Übungsverlauf kann nicht gelesen werden, daher werden die Antworten diesmal nicht aufbewahrt: %1</translation>
    </message>
    <message>
        <source>Nothing is due now. &quot;Reset&quot; or &quot;Random&quot; asks every word to learn.</source>
        <translation>Jetzt ist nichts fällig. „Neu beginnen“ oder „Zufällig“ fragt jedes Wort zum Lernen.</translation>
    </message>
    <message>
        <source>No word is marked for learning yet.</source>
        <translation>Noch kein Wort ist zum Lernen markiert.</translation>
    </message>
    <message numerus="yes">
        <source>%n questions to go</source>
        <translation>
            <numerusform>noch %n Frage</numerusform>
            <numerusform>noch %n Fragen</numerusform>
        </translation>
    </message>
    <message>
        <source>Almost: one letter is off. Try once more.</source>
        <translation>Fast: ein Buchstabe stimmt nicht. Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>You typed: %1</source>
        <translation>Ihre Eingabe: %1</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>Right, and easy.</source>
        <translation>Richtig, und leicht.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Right at the second try.</source>
        <translation>Richtig im zweiten Versuch.</translation>
    </message>
    <message>
        <source>Almost right: one letter is off.</source>
        <translation>Fast richtig: ein Buchstabe stimmt nicht.</translation>
    </message>
    <message>
        <source>Wrong.</source>
        <translation>Falsch.</translation>
    </message>
    <message>
        <source>Practice: this word was reviewed this way today already.</source>
        <translation>Übung: dieses Wort wurde heute in dieser Richtung schon wiederholt.</translation>
    </message>
    <message numerus="yes">
        <source>Next review in %n days.</source>
        <translation>
            <numerusform>Nächste Wiederholung in %n Tag.</numerusform>
            <numerusform>Nächste Wiederholung in %n Tagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer could not be written to the training history: %1</source>
        <translation>Die Antwort konnte nicht in den Übungsverlauf geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Due now: %1, today: %2, tomorrow: %3</source>
        <translation>Jetzt fällig: %1, heute: %2, morgen: %3</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Update Error</source>
        <translation>Fehler beim Aktualisieren</translation>
    </message>
    <message>
        <source>Export Error</source>
        <translation>Fehler beim Exportieren</translation>
    </message>
    <message>
        <source>Sync. Failed</source>
        <translation>Abgleich gescheitert</translation>
    </message>
    <message>
        <source>Update from Network</source>
        <translation>Aus dem Netz aktualisieren</translation>
    </message>
    <message>
        <source>Export as Master Dictionaries</source>
        <translation>Als Master-Wörterbücher exportieren</translation>
    </message>
    <message>
        <source>Android Sync. (USB)</source>
        <translation>Android-Abgleich (USB)</translation>
    </message>
    <message>
        <source>Click &apos;Get List&apos; to get dictionaries available...</source>
        <translation>Klicken Sie auf &apos;Liste holen&apos;, um die verfügbaren Wörterbücher zu sehen...</translation>
    </message>
    <message>
        <source>Click &apos;Get List&apos; to read remote list of dictionaries...</source>
        <translation>Klicken Sie auf &apos;Liste holen&apos;, um die entfernte Liste der Wörterbücher zu lesen...</translation>
    </message>
    <message>
        <source>Click &apos;Get List&apos; to get dictionaries to sync...</source>
        <translation>Klicken Sie auf &apos;Liste holen&apos;, um die abzugleichenden Wörterbücher zu sehen...</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Quelle:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Fortschritt:</translation>
    </message>
    <message>
        <source>Set Proxy...</source>
        <translation>Proxy einstellen...</translation>
    </message>
    <message>
        <source>Get List</source>
        <translation>Liste holen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Sync. Data</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Select dictionaries for update.</source>
        <translation>Wählen Sie die zu aktualisierenden Wörterbücher.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>Die Liste ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The phone holds no dictionaries of Verbalon yet: the ones you tick are copied onto it.</source>
        <translation>Auf dem Telefon sind noch keine Wörterbücher von Verbalon: die angehakten werden darauf kopiert.</translation>
    </message>
    <message>
        <source>Select dictionaries to sync; one the phone lacks is copied onto it.</source>
        <translation>Wählen Sie die abzugleichenden Wörterbücher; eines, das dem Telefon fehlt, wird darauf kopiert.</translation>
    </message>
    <message>
        <source>Select dictionaries to export; the ones the server lacks are added to its list.</source>
        <translation>Wählen Sie die zu exportierenden Wörterbücher; die dem Server fehlenden kommen in seine Liste.</translation>
    </message>
    <message>
        <source>the address of a dictionary server, such as http://example.org/verbalon/data</source>
        <translation>die Adresse eines Wörterbuch-Servers, etwa http://example.org/verbalon/data</translation>
    </message>
    <message>
        <source>the FTP folder of the master copies, such as ftp://example.org/verbalon/data</source>
        <translation>der FTP-Ordner der Master-Kopien, etwa ftp://example.org/verbalon/data</translation>
    </message>
</context>
<context>
    <name>TransferJob</name>
    <message>
        <source>the file is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message numerus="yes">
        <source>no data came for %n seconds</source>
        <translation>
            <numerusform>%n Sekunde lang kamen keine Daten</numerusform>
            <numerusform>%n Sekunden lang kamen keine Daten</numerusform>
        </translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the transfer was slower than %1 bytes a second</source>
        <translation>die Übertragung war langsamer als %1 Bytes pro Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>the transfer did not finish within %n seconds</source>
        <translation>
            <numerusform>die Übertragung war nicht innerhalb von %n Sekunde fertig</numerusform>
            <numerusform>die Übertragung war nicht innerhalb von %n Sekunden fertig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message>
        <source>another exchange is running in this data folder</source>
        <translation>in diesem Datenordner läuft schon ein anderer Austausch</translation>
    </message>
    <message>
        <source>The list could not be read: %1</source>
        <translation>Die Liste ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>not an address of HTTP, HTTPS or FTP: %1</source>
        <translation>keine HTTP-, HTTPS- oder FTP-Adresse: %1</translation>
    </message>
    <message>
        <source>Finished; these could not be transferred (the Result column says why): %1</source>
        <translation>Fertig; diese konnten nicht übertragen werden (die Spalte „Ergebnis“ sagt, warum): %1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries now as the other side has them (%1)</source>
        <translation>
            <numerusform>%n Eintrag jetzt wie auf der anderen Seite (%1)</numerusform>
            <numerusform>%n Einträge jetzt wie auf der anderen Seite (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries deleted (%1)</source>
        <translation>
            <numerusform>%n Eintrag gelöscht (%1)</numerusform>
            <numerusform>%n Einträge gelöscht (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>not changed: the update would %1, and that was not confirmed</source>
        <translation>nicht geändert: die Aktualisierung würde %1, und das wurde nicht bestätigt</translation>
    </message>
    <message>
        <source>the data folder cannot be written to (%1)</source>
        <translation>in den Datenordner kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>another exchange is running in this data folder (on %1)</source>
        <translation>in diesem Datenordner läuft schon ein anderer Austausch (auf %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n respelled, their training begun again (%1)</source>
        <translation>
            <numerusform>%n neu geschrieben, das Üben beginnt neu (%1)</numerusform>
            <numerusform>%n neu geschrieben, das Üben beginnt neu (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>added: %1</source>
        <translation>hinzugefügt: %1</translation>
    </message>
    <message>
        <source>replaced: %1 (yours: %2)</source>
        <translation>ersetzt: %1 (Ihres: %2)</translation>
    </message>
    <message>
        <source>deleted: %1 (%2)</source>
        <translation>gelöscht: %1 (%2)</translation>
    </message>
    <message>
        <source>training begun again: %1</source>
        <translation>Üben beginnt neu: %1</translation>
    </message>
    <message>
        <source>The training history of %1 could not follow the update: %2</source>
        <translation>Der Übungsverlauf von %1 konnte der Aktualisierung nicht folgen: %2</translation>
    </message>
</context>
<context>
    <name>TranslateView</name>
    <message>
        <source>Translate</source>
        <translation>Übersetzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Lookup / Learn</source>
        <translation>Nachschlagen / Lernen</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
</context>
<context>
    <name>UpdateRun</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lese %1...</translation>
    </message>
    <message>
        <source>the list of dictionaries could not be saved</source>
        <translation>die Liste der Wörterbücher ließ sich nicht speichern</translation>
    </message>
    <message>
        <source>Update completed.</source>
        <translation>Aktualisierung abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>WordImport</name>
    <message>
        <source>The file has no header line naming the columns.</source>
        <translation>Die Datei hat keine Kopfzeile, die die Spalten benennt.</translation>
    </message>
    <message>
        <source>The header line cannot be read: %1</source>
        <translation>Die Kopfzeile kann nicht gelesen werden: %1</translation>
    </message>
</context>
</TS>
