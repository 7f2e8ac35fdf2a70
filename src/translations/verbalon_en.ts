<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AdbJob</name>
    <message numerus="yes">
        <source>adb did not finish within %n seconds</source>
        <translation>
            <numerusform>adb did not finish within %n second</numerusform>
            <numerusform>adb did not finish within %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message numerus="yes">
        <source>%n in all, at most %1 a day</source>
        <translation>
            <numerusform>%n in all, at most %1 a day</numerusform>
            <numerusform>%n in all, at most %1 a day</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DictionaryMerge</name>
    <message numerus="yes">
        <source>start the training of %n respelled words again</source>
        <translation>
            <numerusform>start the training of %n respelled word again</numerusform>
            <numerusform>start the training of %n respelled words again</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message numerus="yes">
        <source>&quot;%1&quot; holds %n words that can be read.</source>
        <translation>
            <numerusform>&quot;%1&quot; holds %n word that can be read.</numerusform>
            <numerusform>&quot;%1&quot; holds %n words that can be read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows cannot be read and are left out:</source>
        <translation>
            <numerusform>%n row cannot be read and is left out:</numerusform>
            <numerusform>%n rows cannot be read and are left out:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstalledUpgrade</name>
    <message numerus="yes">
        <source>%1 took in the installed version (now %n entries); your own words and training are kept, the previous file is %2.</source>
        <translation>
            <numerusform>%1 took in the installed version (now %n entry); your own words and training are kept, the previous file is %2.</numerusform>
            <numerusform>%1 took in the installed version (now %n entries); your own words and training are kept, the previous file is %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Loaded %n words.</source>
        <translation>
            <numerusform>Loaded %n word.</numerusform>
            <numerusform>Loaded %n words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The dictionary file &quot;%1&quot; is damaged: only %n entries could be read. When you save, the damaged file is kept beside it as &quot;%2&quot;.</source>
        <translation>
            <numerusform>The dictionary file &quot;%1&quot; is damaged: only %n entry could be read. When you save, the damaged file is kept beside it as &quot;%2&quot;.</numerusform>
            <numerusform>The dictionary file &quot;%1&quot; is damaged: only %n entries could be read. When you save, the damaged file is kept beside it as &quot;%2&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted &quot;%1&quot;; %n words left. %2 brings it back.</source>
        <translation>
            <numerusform>Deleted &quot;%1&quot;; %n word left. %2 brings it back.</numerusform>
            <numerusform>Deleted &quot;%1&quot;; %n words left. %2 brings it back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is back; %n words.</source>
        <translation>
            <numerusform>&quot;%1&quot; is back; %n word.</numerusform>
            <numerusform>&quot;%1&quot; is back; %n words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %n words to %1.</source>
        <translation>
            <numerusform>Saved %n word to %1.</numerusform>
            <numerusform>Saved %n words to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are marked incomplete.</source>
        <translation>
            <numerusform>%n entry is marked incomplete.</numerusform>
            <numerusform>%n entries are marked incomplete.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The program ended before %n changes to &quot;%1&quot; were saved. Restore them?</source>
        <translation>
            <numerusform>The program ended before %n change to &quot;%1&quot; was saved. Restore it?</numerusform>
            <numerusform>The program ended before %n changes to &quot;%1&quot; were saved. Restore them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stored &quot;%1&quot;; now %n words.</source>
        <translation>
            <numerusform>Stored &quot;%1&quot;; now %n word.</numerusform>
            <numerusform>Stored &quot;%1&quot;; now %n words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n words from %1.</source>
        <translation>
            <numerusform>Imported %n word from %1.</numerusform>
            <numerusform>Imported %n words from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n were there already.</source>
        <translation>
            <numerusform>%n was there already.</numerusform>
            <numerusform>%n were there already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Exported %n words to %1.</source>
        <translation>
            <numerusform>Exported %n word to %1.</numerusform>
            <numerusform>Exported %n words to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message numerus="yes">
        <source>Remembered in the last %1 days: %2% of %n reviews (the aim is %3%).</source>
        <translation>
            <numerusform>Remembered in the last %1 days: %2% of %n review (the aim is %3%).</numerusform>
            <numerusform>Remembered in the last %1 days: %2% of %n reviews (the aim is %3%).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncTable</name>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Trainer</name>
    <message numerus="yes">
        <source>right %n times this way</source>
        <translation>
            <numerusform>right once this way</numerusform>
            <numerusform>right %n times this way</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n times the other way</source>
        <translation>
            <numerusform>once the other way</numerusform>
            <numerusform>%n times the other way</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n questions to go</source>
        <translation>
            <numerusform>%n question to go</numerusform>
            <numerusform>%n questions to go</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Next review in %n days.</source>
        <translation>
            <numerusform>Next review in %n day.</numerusform>
            <numerusform>Next review in %n days.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferJob</name>
    <message numerus="yes">
        <source>no data came for %n seconds</source>
        <translation>
            <numerusform>no data came for %n second</numerusform>
            <numerusform>no data came for %n seconds</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the transfer did not finish within %n seconds</source>
        <translation>
            <numerusform>the transfer did not finish within %n second</numerusform>
            <numerusform>the transfer did not finish within %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferRun</name>
    <message numerus="yes">
        <source>%n entries now as the other side has them (%1)</source>
        <translation>
            <numerusform>%n entry now as the other side has it (%1)</numerusform>
            <numerusform>%n entries now as the other side has them (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries deleted (%1)</source>
        <translation>
            <numerusform>%n entry deleted (%1)</numerusform>
            <numerusform>%n entries deleted (%1)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n respelled, their training begun again (%1)</source>
        <translation>
            <numerusform>%n respelled, its training begun again (%1)</numerusform>
            <numerusform>%n respelled, their training begun again (%1)</numerusform>
        </translation>
    </message>
</context>
</TS>
