<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AttemptsFile</name>
    <message>
        <source>it holds a control character</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>sie enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it is not a date and time followed by the seconds held</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>sie besteht nicht aus Datum und Uhrzeit, gefolgt von den gehaltenen Sekunden</translation>
    </message>
    <message>
        <source>it does not begin with a date and time with its offset from UTC</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>sie beginnt nicht mit Datum und Uhrzeit samt Abweichung von UTC</translation>
    </message>
    <message>
        <source>the seconds held are not a whole number from %1 to %2</source>
        <extracomment>Why a line of the personal-best attempts file is left out.</extracomment>
        <translation>die gehaltenen Sekunden sind keine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>Could not read the attempts in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason it cannot be read.</extracomment>
        <translation>Die Versuche in &quot;%1&quot; konnten nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open the list again</source>
        <extracomment>Why an attempt could not be removed from the personal-best attempts file.</extracomment>
        <translation>die Datei wurde seit dem Lesen geändert; öffnen Sie die Liste erneut</translation>
    </message>
</context>
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot tell the audio format of &quot;%1&quot;: name it .wav, .flac, .ogg or .mp3.</source>
        <extracomment>%1 is the output file&apos;s name; .wav, .flac, .ogg and .mp3 are the endings it may have.</extracomment>
        <translation>Das Audioformat von &quot;%1&quot; ist nicht erkennbar: Geben Sie der Datei die Endung .wav, .flac, .ogg oder .mp3.</translation>
    </message>
    <message>
        <source>Could not export the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the output file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Die Sitzung konnte nicht nach &quot;%1&quot; exportiert werden: %2.</translation>
    </message>
    <message>
        <source>round %1&apos;s hold ends at a contraction, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number.</extracomment>
        <translation>das Anhalten in Runde %1 endet bei einer Kontraktion, auf die eine Audiodatei nicht warten kann; nur eine Tabelle, in der jedes Anhalten und jede Pause eine feste Dauer hat, kann exportiert werden</translation>
    </message>
    <message>
        <source>round %1&apos;s rest ends at the breath key, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number; the breath key ends a rest of one breath.</extracomment>
        <translation>die Pause in Runde %1 endet mit der Atemtaste, auf die eine Audiodatei nicht warten kann; nur eine Tabelle, in der jedes Anhalten und jede Pause eine feste Dauer hat, kann exportiert werden</translation>
    </message>
    <message>
        <source>it is not one of the program&apos;s cues</source>
        <extracomment>Why a sound file (&quot;it&quot;) cannot be played as a cue.</extracomment>
        <translation>sie ist keine der Ansagen des Programms</translation>
    </message>
    <message>
        <source>the cue &quot;%1&quot; cannot be used: %2</source>
        <extracomment>%1 is a cue&apos;s sound file, %2 why it cannot be used.</extracomment>
        <translation>die Ansage &quot;%1&quot; kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <extracomment>Why an audio file was not written: the user cancelled its export.</extracomment>
        <translation>der Export wurde abgebrochen</translation>
    </message>
    <message>
        <source>Exporting the session to %1...</source>
        <extracomment>%1 is the audio file&apos;s name.</extracomment>
        <translation>Die Sitzung wird nach %1 exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Loop %1</source>
        <extracomment>The loop display; %1 is the round under way. Must stay short.</extracomment>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Intro</source>
        <extracomment>The phase display: the breathe-up before the first hold. Must stay short.</extracomment>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The phase display: the breath is held (a noun, the phase). Must stay short.</extracomment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase display: breathing between two holds. Must stay short.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>End!</source>
        <extracomment>The phase display once the session or the test is over. Must stay short.</extracomment>
        <translation>Ende!</translation>
    </message>
    <message>
        <source>PB test</source>
        <extracomment>The loop display during a personal-best test. Must stay short.</extracomment>
        <translation>PB-Test</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a session.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that stops a session and sets it back to its start.</extracomment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start would refuse this table: %1.</source>
        <extracomment>Start: the window&apos;s button that starts a session. %1 is the reason, such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Start würde diese Tabelle ablehnen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the session, %n cues in %1 s of audio, to &quot;%2&quot; in %3 ms.</source>
        <extracomment>%n is how many cues were written, %1 the audio&apos;s length in seconds, %2 the file&apos;s name, %3 how long the export took in milliseconds.</extracomment>
        <translation>
            <numerusform>Die Sitzung mit %n Ansage in %1 s Audio wurde in %3 ms nach &quot;%2&quot; exportiert.</numerusform>
            <numerusform>Die Sitzung mit %n Ansagen in %1 s Audio wurde in %3 ms nach &quot;%2&quot; exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>--new-table takes %1 or %2 and a personal best as m:ss or seconds, not &quot;%3&quot; and &quot;%4&quot;.</source>
        <extracomment>%1 and %2 are the kinds of table (&quot;co2, o2, ...&quot; and &quot;intervals&quot;), typed as they are in every language; %3 and %4 what was typed for the kind and the personal best.</extracomment>
        <translation>--new-table erwartet %1 oder %2 und eine persönliche Bestzeit als m:ss oder in Sekunden, nicht &quot;%3&quot; und &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--new-table %1 makes a table of rounds, which a session file cannot hold: name OUT .vtable.</source>
        <extracomment>%1 is the kind of table, such as one-breath, typed as it is in every language. OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>--new-table %1 erzeugt eine Rundentabelle, die eine Sitzungsdatei nicht aufnehmen kann: Geben Sie ZIEL die Endung .vtable.</translation>
    </message>
    <message>
        <source>The table&apos;s cue profile &quot;%1&quot; is not there: %2 plays.</source>
        <extracomment>%1 is the cue profile the table names, %2 the one played instead.</extracomment>
        <translation>Das Ansageprofil &quot;%1&quot; der Tabelle ist nicht vorhanden: Stattdessen wird %2 gespielt.</translation>
    </message>
    <message>
        <source>Cue profile: %1</source>
        <extracomment>Before the list of the cues a session plays: %1 is the cue profile&apos;s name.</extracomment>
        <translation>Ansageprofil: %1</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why its session cannot be exported.</extracomment>
        <translation>&quot;%1&quot; konnte nicht exportiert werden: %2.</translation>
    </message>
    <message>
        <source>Could not list the cues of &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why the cues of its session cannot be listed.</extracomment>
        <translation>Die Ansagen von &quot;%1&quot; konnten nicht aufgelistet werden: %2.</translation>
    </message>
    <message>
        <source>first contraction + %1, at least %2, up to %3</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the least and %3 the most the hold lasts, each like 00:30.</extracomment>
        <translation>erste Kontraktion + %1, mindestens %2, höchstens %3</translation>
    </message>
    <message>
        <source>first contraction + %1, up to %2</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the most the hold lasts, each like 00:30.</extracomment>
        <translation>erste Kontraktion + %1, höchstens %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, at least %1, up to %2</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the least and %2 the most it lasts, each like 00:30.</extracomment>
        <translation>
            <numerusform>%n Kontraktion, mindestens %1, höchstens %2</numerusform>
            <numerusform>%n Kontraktionen, mindestens %1, höchstens %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, up to %1</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.</extracomment>
        <translation>
            <numerusform>%n Kontraktion, höchstens %1</numerusform>
            <numerusform>%n Kontraktionen, höchstens %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cycle %1 (at least %2)</source>
        <extracomment>A rest that lasts until the next hold&apos;s start, a cycle after this hold&apos;s: %1 is the cycle and %2 the shortest the rest lasts, each like 02:00.</extracomment>
        <translation>Zyklus %1 (mindestens %2)</translation>
    </message>
    <message>
        <source>one breath (up to %1)</source>
        <extracomment>A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.</extracomment>
        <translation>ein Atemzug (höchstens %1)</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The heading of the column of the holds&apos; lengths in a table&apos;s preview (the noun: a breath hold); best within 5 letters.</extracomment>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Intro %1</source>
        <extracomment>The first line of a table&apos;s preview: %1 is the intro&apos;s length, like 00:30.</extracomment>
        <translation>Intro %1</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The heading of the column of the rounds&apos; numbers in the preview of a table of rounds; best within 5 letters.</extracomment>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The heading of the column of the rests&apos; lengths in a table&apos;s preview (the noun); best within 5 letters.</extracomment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Total %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is its length as the clock shows it, like 17:15, %2 the same in seconds.</extracomment>
        <translation>Gesamt %1 (%2 s)</translation>
    </message>
    <message>
        <source>Total up to %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is the most it can last as the clock shows it, like 41:10, %2 the same in seconds.</extracomment>
        <translation>Gesamt bis zu %1 (%2 s)</translation>
    </message>
    <message>
        <source>Loop</source>
        <extracomment>The heading of the column of the loops&apos; numbers in a table&apos;s preview; best within 5 letters.</extracomment>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Session clock</source>
        <extracomment>The heading of the column of what the session clock shows as each hold begins.</extracomment>
        <translation>Sitzungsuhr</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as typed, in quotes: &apos;--bogus&apos;.</extracomment>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>%1 lists the options as typed, in quotes: &apos;--bogus&apos;, &apos;-x&apos;.</extracomment>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Vellorin, a timer for breath-hold training tables with spoken cues.</source>
        <translation>Vellorin, ein Timer für Trainingstabellen zum Atemanhalten, mit gesprochenen Ansagen.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Die Version anzeigen.</translation>
    </message>
    <message>
        <source>Print the table of a session file loop by loop, or of a table file (.vtable) round by round.</source>
        <translation>Die Tabelle einer Sitzungsdatei oder einer Tabellendatei (.vtable) Runde für Runde ausgeben.</translation>
    </message>
    <message>
        <source>FILE.ses</source>
        <extracomment>The value of an option: a session file, named with its ending .ses.</extracomment>
        <translation>DATEI.ses</translation>
    </message>
    <message>
        <source>Export its whole session as audio file OUT; a table file (.vtable) only when its every hold and rest is timed.</source>
        <extracomment>OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>Die ganze Sitzung der Datei als Audiodatei ZIEL exportieren; eine Tabellendatei (.vtable) nur, wenn jedes Anhalten und jede Pause darin eine feste Dauer hat.</translation>
    </message>
    <message>
        <source>Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table file when OUT ends in .vtable (one-breath and intervals need no PB), else a session file (co2 and o2).</source>
        <extracomment>%1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2, o2, one-breath and intervals here. KIND, PB and OUT are the values&apos; names in the usage, as the help lists them.</extracomment>
        <translation>Tabelle der ART (%1) aus der persönlichen Bestzeit PB (m:ss oder Sekunden) nach ZIEL schreiben: eine Tabellendatei, wenn ZIEL auf .vtable endet (one-breath und intervals brauchen keine PB), sonst eine Sitzungsdatei (co2 und o2).</translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --new-table: the kind of table.</extracomment>
        <translation>ART</translation>
    </message>
    <message>
        <source>With --table, print every cue heard instead: its second and its words.</source>
        <translation>Mit --table stattdessen jede zu hörende Ansage ausgeben: ihre Sekunde und ihre Worte.</translation>
    </message>
    <message>
        <source>With --table --cues or --export-audio, the cue profile: %1, a profile of yours by name or a .vcues file; else the table&apos;s or your default.</source>
        <extracomment>%1 lists the built-in profiles (classic, guided, ...), typed as they are in every language.</extracomment>
        <translation>Mit --table --cues oder --export-audio das Ansageprofil: %1, ein eigenes Profil über seinen Namen oder eine .vcues-Datei; sonst das der Tabelle oder Ihr Standardprofil.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --profile: a cue profile&apos;s name.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>A session file to open; with --export-audio, OUT.</source>
        <translation>Eine zu öffnende Sitzungsdatei; mit --export-audio ZIEL.</translation>
    </message>
    <message>
        <source>[FILE.ses | OUT]</source>
        <extracomment>The arguments after the options in the usage line: a session file, or with --export-audio the output file.</extracomment>
        <translation>[DATEI.ses | ZIEL]</translation>
    </message>
    <message>
        <source>--table, --export-audio and --new-table cannot be used together.</source>
        <translation>--table, --export-audio und --new-table können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>--cues goes with --table, and --profile with --table --cues or --export-audio.</source>
        <translation>--cues gehört zu --table, und --profile zu --table --cues oder --export-audio.</translation>
    </message>
    <message>
        <source>--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and intervals may go without the personal best.</source>
        <translation>--new-table ART erwartet eine persönliche Bestzeit und ZIEL (.ses oder .vtable); one-breath und intervals kommen ohne die persönliche Bestzeit aus.</translation>
    </message>
    <message>
        <source>--table takes no other argument.</source>
        <translation>--table nimmt kein weiteres Argument.</translation>
    </message>
    <message>
        <source>--export-audio FILE.ses takes one output file, OUT.</source>
        <translation>--export-audio DATEI.ses erwartet genau eine Ausgabedatei, ZIEL.</translation>
    </message>
    <message>
        <source>Only one session file can be opened.</source>
        <translation>Es kann nur eine Sitzungsdatei geöffnet werden.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be represented in this system&apos;s encoding, so Vellorin cannot open or write a file of that name.</source>
        <translation>Der Name &quot;%1&quot; lässt sich in der Zeichenkodierung dieses Systems nicht darstellen, daher kann Vellorin keine Datei dieses Namens öffnen oder schreiben.</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>die Ausgabe konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; given to %2 cannot be used: %3; it is left out.</source>
        <extracomment>Printed after &quot;vellorin: &quot;. %1 is a file name, %2 the option that named it (-stylesheet), %3 the reason, a clause.</extracomment>
        <translation>die an %2 übergebene Datei &quot;%1&quot; kann nicht verwendet werden: %3; sie wird übergangen.</translation>
    </message>
    <message>
        <source>the session did not reach its end</source>
        <translation>die Sitzung hat ihr Ende nicht erreicht</translation>
    </message>
</context>
<context>
    <name>CueProfile</name>
    <message>
        <source>the rest call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the rest, like &quot;two minutes&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>die Zeitansage %1 in der Pause kann nicht gesprochen werden</translation>
    </message>
    <message>
        <source>the rest call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the rest, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>die Zeitansage %1 in der Pause kann nicht gezählt werden</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in a hold, like &quot;thirty seconds&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>die Zeitansage %1 beim Anhalten kann nicht gesprochen werden</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in a hold, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>die Zeitansage %1 beim Anhalten kann nicht gezählt werden</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the session&apos;s last hold; %1 is the call, like 00:25.</extracomment>
        <translation>die Zeitansage %1 beim letzten Anhalten kann nicht gesprochen werden</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the session&apos;s last hold; %1 is the count.</extracomment>
        <translation>die Zeitansage %1 beim letzten Anhalten kann nicht gezählt werden</translation>
    </message>
    <message>
        <source>the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)</source>
        <extracomment>The elapsed calls say how long a hold has lasted.</extracomment>
        <translation>die Ansagen der Haltezeit müssen alle 0:30, 1:00, ... bis 30:00 kommen oder nie (0)</translation>
    </message>
    <message>
        <source>the last breath must come 0 to 60 seconds before a hold</source>
        <extracomment>The last breath: the cue that asks for the last breath before a hold.</extracomment>
        <translation>der letzte Atemzug muss 0 bis 60 Sekunden vor dem Anhalten kommen</translation>
    </message>
    <message>
        <source>the recovery breaths must be 0 to 3</source>
        <extracomment>The recovery breaths: the breaths called for after a hold.</extracomment>
        <translation>es müssen 0 bis 3 Erholungsatemzüge sein</translation>
    </message>
    <message>
        <source>a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out</source>
        <extracomment>A paced breath: a breath in and out timed by the cues in a rest.</extracomment>
        <translation>bei einem getakteten Atemzug muss das Einatmen 2 bis 20 Sekunden und das Ausatmen 2 bis 30 Sekunden dauern</translation>
    </message>
    <message>
        <source>the paced part of a rest must be 0 to 1:00:00, or all</source>
        <extracomment>The paced part: the end of a rest in which the cues time each breath.</extracomment>
        <translation>der getaktete Teil einer Pause muss 0 bis 1:00:00 dauern oder &quot;all&quot; (die ganze Pause) sein</translation>
    </message>
</context>
<context>
    <name>CueSound</name>
    <message>
        <source>its sample rate is %1 Hz, not the %2 Hz of the other cues</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 and %2 are sample rates, like 22050.</extracomment>
        <translation>ihre Abtastrate beträgt %1 Hz, nicht %2 Hz wie bei den anderen Ansagen</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 is the system&apos;s reason.</extracomment>
        <translation>sie kann nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>it is not mono (it has %n channels)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; mono: of one channel.</extracomment>
        <translation>
            <numerusform>sie ist nicht mono (sie hat %n Kanal)</numerusform>
            <numerusform>sie ist nicht mono (sie hat %n Kanäle)</numerusform>
        </translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not one a cue can have</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>ihre Abtastrate von %1 Hz ist für eine Ansage nicht zulässig</translation>
    </message>
    <message numerus="yes">
        <source>its samples (format %1, %n bits) are neither integer PCM nor float</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 is the number of its sample format, %n the bits of a sample.</extracomment>
        <translation>
            <numerusform>ihre Samples (Format %1, %n Bit) sind weder Ganzzahl-PCM noch Gleitkomma</numerusform>
            <numerusform>ihre Samples (Format %1, %n Bit) sind weder Ganzzahl-PCM noch Gleitkomma</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>sie enthält keinen Ton</translation>
    </message>
    <message>
        <source>it lasts %1 s, longer than the %2 s a cue may last</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 and %2 are lengths in seconds.</extracomment>
        <translation>sie dauert %1 s, länger als die %2 s, die eine Ansage dauern darf</translation>
    </message>
    <message>
        <source>its float samples are not numbers or go beyond full scale, so they cannot be scaled</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>ihre Gleitkomma-Samples sind keine Zahlen oder überschreiten die Vollaussteuerung und lassen sich daher nicht skalieren</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>sie ist keine WAV-Datei</translation>
    </message>
    <message>
        <source>it is not a WAV file Vellorin can read (no format)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>sie ist keine WAV-Datei, die Vellorin lesen kann (kein Format)</translation>
    </message>
</context>
<context>
    <name>CueWords</name>
    <message>
        <source>(tick)</source>
        <translation>(Tick)</translation>
    </message>
    <message>
        <source>(tone: hold)</source>
        <translation>(Ton: Anhalten)</translation>
    </message>
    <message>
        <source>(tone: breathe)</source>
        <translation>(Ton: Atmen)</translation>
    </message>
    <message>
        <source>(tone: the end)</source>
        <translation>(Ton: Ende)</translation>
    </message>
    <message>
        <source>(tone: time call)</source>
        <translation>(Ton: Zeitansage)</translation>
    </message>
    <message>
        <source>(tone: last breath)</source>
        <translation>(Ton: letzter Atemzug)</translation>
    </message>
    <message>
        <source>(soft tone: hold the breath)</source>
        <translation>(leiser Ton: Luft anhalten)</translation>
    </message>
    <message>
        <source>(soft rising tone: breathe in)</source>
        <translation>(leiser steigender Ton: einatmen)</translation>
    </message>
    <message>
        <source>(soft falling tone: breathe out)</source>
        <translation>(leiser fallender Ton: ausatmen)</translation>
    </message>
</context>
<context>
    <name>DamagedLines</name>
    <message>
        <source>Left out line %1 of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the line&apos;s number, %2 the file&apos;s name, %3 why the line was left out.</extracomment>
        <translation>Zeile %1 von &quot;%2&quot; ausgelassen: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3 more.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 the first of the lines&apos; numbers, as a list (&quot;3, 4, 5, 6, 7&quot;), %3 how many more lines there are.</extracomment>
        <translation>
            <numerusform>%n Zeile von &quot;%1&quot; ausgelassen: Zeilen %2 und %3 weitere.</numerusform>
            <numerusform>%n Zeilen von &quot;%1&quot; ausgelassen: Zeilen %2 und %3 weitere.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 all but the last of the lines&apos; numbers, as a list (&quot;3, 4, 5&quot;), %3 the last one.</extracomment>
        <translation>
            <numerusform>%n Zeile von &quot;%1&quot; ausgelassen: Zeilen %2 und %3.</numerusform>
            <numerusform>%n Zeilen von &quot;%1&quot; ausgelassen: Zeilen %2 und %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line&apos;s number, %2 why it was left out.</extracomment>
        <translation>Zeile %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a path cannot be read or written: it names a folder, a device or a pipe.</extracomment>
        <translation>es handelt sich nicht um eine Datei</translation>
    </message>
    <message>
        <source>its bytes could not be written to the disk</source>
        <extracomment>Why a file (&quot;its&quot;) could not be written.</extracomment>
        <translation>die Daten konnten nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be read; %1 is the most bytes such a file may hold.</extracomment>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tables</source>
        <extracomment>In a file dialog&apos;s list of file types: session files and table files together.</extracomment>
        <translation>Tabellen</translation>
    </message>
    <message>
        <source>Session files</source>
        <translation>Sitzungsdateien</translation>
    </message>
    <message>
        <source>Vellorin tables</source>
        <translation>Vellorin-Tabellen</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Tables of rounds</source>
        <extracomment>A choice of the sessions shown: those of tables of rounds.</extracomment>
        <translation>Rundentabellen</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <extracomment>A choice of the sessions shown: those of classic tables of six settings.</extracomment>
        <translation>Klassische Tabellen</translation>
    </message>
    <message>
        <source>All tables</source>
        <extracomment>A choice of the sessions shown: all of them.</extracomment>
        <translation>Alle Tabellen</translation>
    </message>
    <message>
        <source>d MMM hh:mm</source>
        <extracomment>The dates under a chart of sessions a few days apart, as a Qt date format: d the day, MMM the month&apos;s short name, hh:mm the time of day.</extracomment>
        <translation>d. MMM hh:mm</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The dates under a chart, as a Qt date format: d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>s</source>
        <extracomment>The unit of a chart&apos;s values: seconds.
----------
The unit under a chart of one hold: seconds since it began.</extracomment>
        <translation>s</translation>
    </message>
    <message>
        <source>Mean first contraction</source>
        <translation>Mittlere erste Kontraktion</translation>
    </message>
    <message>
        <source>Range of first contractions</source>
        <translation>Spanne der ersten Kontraktionen</translation>
    </message>
    <message>
        <source>First contraction in each hold</source>
        <translation>Erste Kontraktion je Anhaltephase</translation>
    </message>
    <message>
        <source>Total time held</source>
        <translation>Gesamte Haltezeit</translation>
    </message>
    <message>
        <source>Personal-best attempts</source>
        <translation>Bestzeit-Versuche</translation>
    </message>
    <message>
        <source>Time held in each session, and personal-best attempts</source>
        <translation>Haltezeit je Sitzung und Bestzeit-Versuche</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A column&apos;s heading: the training table a session ran.</extracomment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Anhaltephasen</translation>
    </message>
    <message>
        <source>Time held</source>
        <translation>Haltezeit</translation>
    </message>
    <message>
        <source>First contraction</source>
        <translation>Erste Kontraktion</translation>
    </message>
    <message>
        <source>Contractions</source>
        <translation>Kontraktionen</translation>
    </message>
    <message>
        <source>Largest heart-rate drop</source>
        <extracomment>A series: per session, the heart rate at a hold&apos;s start less the lowest in it, the largest of the session&apos;s holds.</extracomment>
        <translation>Größter Herzfrequenzabfall</translation>
    </message>
    <message>
        <source>Largest heart-rate drop in a hold of each session (heart rate at its start less the lowest)</source>
        <extracomment>The unit of a chart&apos;s values: beats per minute.</extracomment>
        <translation>Größter Herzfrequenzabfall in einer Anhaltephase je Sitzung (Herzfrequenz zu Beginn minus die niedrigste)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>S/min</translation>
    </message>
    <message>
        <source>Lowest SpO2</source>
        <translation>Niedrigster SpO2-Wert</translation>
    </message>
    <message>
        <source>Lowest SpO2 in each session</source>
        <extracomment>The unit of a chart&apos;s values: percent.</extracomment>
        <translation>Niedrigster SpO2-Wert je Sitzung</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Hold %1, second by second</source>
        <extracomment>The title of a chart of one hold; %1 is the hold&apos;s number.</extracomment>
        <translation>Anhaltephase %1, Sekunde für Sekunde</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Herzfrequenz</translation>
    </message>
    <message>
        <source>SpO2</source>
        <translation>SpO2</translation>
    </message>
</context>
<context>
    <name>PersonalBest</name>
    <message>
        <source>It is your personal best.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Das ist Ihre persönliche Bestzeit.</translation>
    </message>
    <message>
        <source>No attempt before it could be read.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Es konnte kein früherer Versuch gelesen werden.</translation>
    </message>
    <message>
        <source>A new personal best: it was %1.</source>
        <extracomment>%1 is the personal best before this attempt, a time like 3:05.</extracomment>
        <translation>Eine neue persönliche Bestzeit: Bisher waren es %1.</translation>
    </message>
    <message>
        <source>It beats the best attempt that could be read, %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Das übertrifft den besten lesbaren Versuch, %1.</translation>
    </message>
    <message>
        <source>Your personal best is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Ihre persönliche Bestzeit liegt bei %1.</translation>
    </message>
    <message>
        <source>The best attempt that could be read is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Der beste lesbare Versuch liegt bei %1.</translation>
    </message>
    <message>
        <source>The test ended within the first second of the hold: too short for an attempt, so nothing was kept.</source>
        <extracomment>After a personal-best test: nothing was kept in the attempts file.</extracomment>
        <translation>Der Test endete in der ersten Sekunde des Anhaltens: zu kurz für einen Versuch, daher wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>You held your breath for %1.</source>
        <extracomment>%1 is the time held, like 3:05.</extracomment>
        <translation>Sie haben die Luft %1 lang angehalten.</translation>
    </message>
    <message>
        <source>Whether it is a personal best is not known.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold; the attempts file could not be read.</extracomment>
        <translation>Ob das eine persönliche Bestzeit ist, ist nicht bekannt.</translation>
    </message>
    <message>
        <source>The attempt could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the system&apos;s reason it could not be written.</extracomment>
        <translation>Der Versuch konnte nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Its last hold, %1, is over 80 % of your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s last hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Das letzte Anhalten der Tabelle, %1, liegt über 80 % Ihrer persönlichen Bestzeit von %2.</translation>
    </message>
    <message>
        <source>Its longest hold, %1, is longer than your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s longest hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Das längste Anhalten der Tabelle, %1, ist länger als Ihre persönliche Bestzeit von %2.</translation>
    </message>
    <message>
        <source>Train breath-holds only on dry land, sitting or lying, never in or near water, and never alone.</source>
        <translation>Trainieren Sie das Atemanhalten nur an Land, im Sitzen oder Liegen, niemals im Wasser oder in Wassernähe und niemals allein.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line&apos;s number in the cue profile&apos;s file, %2 what is wrong with it.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time from 0 to %2</source>
        <extracomment>%1 is the value in the file, %2 the longest time it may be, like 1:00.</extracomment>
        <translation>&quot;%1&quot; ist keine Zeit von 0 bis %2</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be spoken</source>
        <extracomment>A call is a time said (written m:ss) or a second counted (a bare number); %1 is the call as the file writes it.</extracomment>
        <translation>die Zeitansage &quot;%1&quot; kann nicht gesprochen werden</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be counted (1 to 20)</source>
        <translation>die Zeitansage &quot;%1&quot; kann nicht gezählt werden (1 bis 20)</translation>
    </message>
    <message>
        <source>it must be %1 or %2</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; %1 and %2 are the two words the file may hold, kept as they are.</extracomment>
        <translation>der Wert muss %1 oder %2 sein</translation>
    </message>
    <message>
        <source>the name must be 1 to 100 characters</source>
        <translation>der Name muss 1 bis 100 Zeichen lang sein</translation>
    </message>
    <message>
        <source>it must be a whole number from 0 to %1</source>
        <extracomment>Why a value (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>der Wert muss eine ganze Zahl von 0 bis %1 sein</translation>
    </message>
    <message>
        <source>it must be two counts of seconds, or none</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; none is the word the file holds for no paced breathing, kept as it is.</extracomment>
        <translation>der Wert muss aus zwei Sekundenangaben bestehen oder none lauten</translation>
    </message>
    <message>
        <source>it is not &quot;key = value&quot;</source>
        <extracomment>Why a line (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>sie hat nicht die Form &quot;key = value&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given again</source>
        <extracomment>%1 is a setting&apos;s key in the file, such as rest-calls.</extracomment>
        <translation>&quot;%1&quot; ist doppelt angegeben</translation>
    </message>
    <message>
        <source>it is not a cue profile</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>sie ist kein Ansageprofil</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin</source>
        <extracomment>Why a cue profile&apos;s file (&quot;it&quot;) cannot be loaded.</extracomment>
        <translation>sie wurde von einer neueren Vellorin-Version geschrieben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a cue profile</source>
        <extracomment>%1 is a key in the file.</extracomment>
        <translation>&quot;%1&quot; ist keine Einstellung eines Ansageprofils</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key the file must hold, format or name, kept as it is.</extracomment>
        <translation>&quot;%1&quot; fehlt</translation>
    </message>
    <message>
        <source>Could not load the cue profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the cue profile&apos;s file name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Das Ansageprofil &quot;%1&quot; konnte nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>There is no cue profile &quot;%1&quot;: the profiles are %2, or those in &quot;%3&quot;.</source>
        <extracomment>%1 is the name asked for, %2 the built-in profiles&apos; names (&quot;classic, guided, ...&quot;), %3 the folder of the user&apos;s own profiles.</extracomment>
        <translation>Es gibt kein Ansageprofil &quot;%1&quot;: Die Profile sind %2 oder die in &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>RoundsEditing</name>
    <message numerus="yes">
        <source>%n rounds</source>
        <extracomment>The total below a table&apos;s rounds, while a value is still to mend.</extracomment>
        <translation>
            <numerusform>%n Runde</numerusform>
            <numerusform>%n Runden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is how long the table lasts, like 24:30.</extracomment>
        <translation>
            <numerusform>%n Runde, %1</numerusform>
            <numerusform>%n Runden, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is the most the table can last, like 24:30, as a hold or a rest ends at a contraction or a key.</extracomment>
        <translation>
            <numerusform>%n Runde, bis zu %1</numerusform>
            <numerusform>%n Runden, bis zu %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoundsPresets</name>
    <message>
        <source>CO2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>CO2 aus einer PB von %1</translation>
    </message>
    <message>
        <source>O2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>O2 aus einer PB von %1</translation>
    </message>
    <message>
        <source>Pyramid from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Pyramide aus einer PB von %1</translation>
    </message>
    <message>
        <source>Wonka from a PB of %1</source>
        <extracomment>The name of a new table whose holds end after the first contraction (&quot;Wonka&quot; is a name); %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka aus einer PB von %1</translation>
    </message>
    <message>
        <source>Wonka by count from a PB of %1</source>
        <extracomment>The name of a new table whose holds end at a count of contractions; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka nach Anzahl aus einer PB von %1</translation>
    </message>
    <message>
        <source>One-breath</source>
        <extracomment>The name of a new table whose rests are one breath each.</extracomment>
        <translation>Ein Atemzug</translation>
    </message>
    <message>
        <source>Static intervals</source>
        <extracomment>The name of a new table whose holds start at a fixed interval.</extracomment>
        <translation>Statische Intervalle</translation>
    </message>
    <message>
        <source>the personal best must be from 00:01 to %1 for a table of rounds</source>
        <extracomment>%1 is the longest personal best a table is made from, a time like 24:00:00.</extracomment>
        <translation>die persönliche Bestzeit muss für eine Rundentabelle zwischen 00:01 und %1 liegen</translation>
    </message>
</context>
<context>
    <name>SensorSamples</name>
    <message>
        <source>its %1 holds no value a sensor gives</source>
        <extracomment>Why a row of a sensor samples file is left out; %1 is a column&apos;s name in the file.</extracomment>
        <translation>ihre Spalte %1 enthält keinen Wert, den ein Sensor liefert</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <extracomment>Why a row of a sensor samples file is left out.</extracomment>
        <translation>sie ist unvollständig</translation>
    </message>
    <message>
        <source>its header has no %1</source>
        <extracomment>%1 is a column&apos;s name a sensor samples file must have.</extracomment>
        <translation>ihre Kopfzeile hat keine Spalte %1</translation>
    </message>
    <message>
        <source>it has %1 columns, not %2</source>
        <extracomment>%1 and %2 are counts of columns.</extracomment>
        <translation>sie hat %1 Spalten, nicht %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <extracomment>Why a sensor samples file is not read; %1 is the most bytes it may hold.</extracomment>
        <translation>sie umfasst mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>Could not read the sensor samples &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>Die Sensorwerte &quot;%1&quot; konnten nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not keep the sensors&apos; values in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Die Sensorwerte konnten nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>An error occured. Please check the values in the input fields.</source>
        <translation>Ein Fehler ist aufgetreten. Bitte prüfen Sie die Werte in den Eingabefeldern.</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>the training log</source>
        <extracomment>One of Vellorin&apos;s own files, named in &quot;it is the training log Vellorin keeps, not a table&quot; (and so are the other two).</extracomment>
        <translation>das Trainingsprotokoll</translation>
    </message>
    <message>
        <source>the personal-best attempts</source>
        <extracomment>One of Vellorin&apos;s own files: the attempts of personal-best tests.</extracomment>
        <translation>die Bestzeit-Versuche</translation>
    </message>
    <message>
        <source>the window&apos;s settings</source>
        <extracomment>One of Vellorin&apos;s own files: the window&apos;s size and other settings.</extracomment>
        <translation>die Fenstereinstellungen</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is %2 Vellorin keeps, not a table.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geladen werden: Es handelt sich um %2 von Vellorin, nicht um eine Tabelle.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Die Sitzung konnte nicht in &quot;%1&quot; gespeichert werden: Es handelt sich um %2 von Vellorin, und das darf eine Tabelle nicht ersetzen.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files.</extracomment>
        <translation>Die Tabelle konnte nicht in &quot;%1&quot; gespeichert werden: Es handelt sich um %2 von Vellorin, und das darf eine Tabelle nicht ersetzen.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Die Sitzung konnte nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Die Tabelle konnte nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a line break, which a session file cannot keep.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;.</extracomment>
        <translation>Die Sitzung konnte nicht gespeichert werden: Das Feld &quot;%1&quot; enthält einen Zeilenumbruch, den eine Sitzungsdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a NUL character, which a session file cannot keep.</source>
        <translation>Die Sitzung konnte nicht gespeichert werden: Das Feld &quot;%1&quot; enthält ein NUL-Zeichen, das eine Sitzungsdatei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds characters this system&apos;s encoding cannot keep in a session file.</source>
        <translation>Die Sitzung konnte nicht gespeichert werden: Das Feld &quot;%1&quot; enthält Zeichen, die die Zeichenkodierung dieses Systems nicht in einer Sitzungsdatei speichern kann.</translation>
    </message>
    <message>
        <source>Could not find default.ses in session folder. Make sure to safe a session as default.ses to eliminate this warning.</source>
        <translation>default.ses wurde im Sitzungsordner nicht gefunden. Speichern Sie eine Sitzung als default.ses, damit diese Warnung nicht mehr erscheint.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason it cannot be loaded.
----------
%1 is the file&apos;s name, %2 the system&apos;s reason it cannot be read.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it holds only %2 of the %3 lines of a session.</source>
        <extracomment>%1 is the file&apos;s name, %2 how many lines it holds, %3 how many a session file has (6).</extracomment>
        <translation>&quot;%1&quot; konnte nicht geladen werden: Die Datei enthält nur %2 der %3 Zeilen einer Sitzung.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: line %2 is longer than %3 characters.</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number, %3 the most characters a line holds.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geladen werden: Zeile %2 ist länger als %3 Zeichen.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is not a table (line %2 is not text).</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geladen werden: Es handelt sich nicht um eine Tabelle (Zeile %2 ist kein Text).</translation>
    </message>
</context>
<context>
    <name>SessionPlan</name>
    <message>
        <source>the intro lasts more than %1 seconds, the most a table of rounds holds</source>
        <extracomment>%1 is the most seconds a phase of a table of rounds lasts (86400).</extracomment>
        <translation>das Intro dauert länger als %1 Sekunden, das Höchstmaß einer Rundentabelle</translation>
    </message>
    <message>
        <source>loop %1 lasts more than %2 seconds, the most a hold or a rest of a table of rounds lasts</source>
        <extracomment>%1 is the loop&apos;s number, %2 the most seconds a hold or a rest of a table of rounds lasts (86400).</extracomment>
        <translation>Runde %1 dauert länger als %2 Sekunden, die Höchstdauer eines Anhaltens oder einer Pause in einer Rundentabelle</translation>
    </message>
    <message>
        <source>a phase must last at least 1 second</source>
        <extracomment>Why a session under way stops: a hold or rest would be shorter than a second.</extracomment>
        <translation>eine Phase muss mindestens 1 Sekunde dauern</translation>
    </message>
    <message>
        <source>a computed value is not a finite number</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>ein berechneter Wert ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <extracomment>%1 is the text of a settings field.</extracomment>
        <translation>keine Zahl: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a computed number of seconds is out of range</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>eine berechnete Sekundenzahl liegt außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>the number of loops must be a whole number from 1 to 32767</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>die Anzahl der Runden muss eine ganze Zahl von 1 bis 32767 sein</translation>
    </message>
    <message>
        <source>the intro must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>das Intro muss mindestens 1 Sekunde dauern</translation>
    </message>
    <message>
        <source>every hold must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>jedes Anhalten muss mindestens 1 Sekunde dauern</translation>
    </message>
    <message>
        <source>every rest must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>jede Pause muss mindestens 1 Sekunde dauern</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not a number: &quot;%2&quot;</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;, %2 its text.</extracomment>
        <translation>das Feld &quot;%1&quot; enthält keine Zahl: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field to mend: &quot;%1&quot;. The reason: %2.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;; %2 is a reason such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Zu korrigierendes Feld: &quot;%1&quot;. Grund: %2.</translation>
    </message>
    <message>
        <source>the table lasts too long</source>
        <translation>die Tabelle dauert zu lange</translation>
    </message>
    <message>
        <source>the table cannot be run</source>
        <translation>die Tabelle kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>too many loops</source>
        <translation>zu viele Runden</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>no contractions</source>
        <translation>keine Kontraktionen</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions</source>
        <translation>
            <numerusform>%n Kontraktion</numerusform>
            <numerusform>%n Kontraktionen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1</source>
        <extracomment>%1 is the time into the hold of the first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n Kontraktion, die erste bei %1</numerusform>
            <numerusform>%n Kontraktionen, die erste bei %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done</source>
        <translation>keine Anhaltephase geschafft</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done</source>
        <translation>
            <numerusform>%n Anhaltephase geschafft</numerusform>
            <numerusform>%n Anhaltephasen geschafft</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done of %1 begun</source>
        <extracomment>%1 is how many holds were begun.</extracomment>
        <translation>keine von %1 begonnenen Anhaltephasen geschafft</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done of %1 begun</source>
        <translation>
            <numerusform>%n von %1 begonnenen Anhaltephasen geschafft</numerusform>
            <numerusform>%n von %1 begonnenen Anhaltephasen geschafft</numerusform>
        </translation>
    </message>
    <message>
        <source>Session over: %1, %2 held</source>
        <extracomment>%1 tells the holds done (&quot;8 holds done&quot;), %2 the time held in all (&quot;12:30&quot;).</extracomment>
        <translation>Sitzung beendet: %1, %2 gehalten</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1 on average</source>
        <extracomment>%1 is the average time into a hold of its first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n Kontraktion, die erste im Mittel bei %1</numerusform>
            <numerusform>%n Kontraktionen, die erste im Mittel bei %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hold %1: %2, %3</source>
        <extracomment>%1 is the hold&apos;s number, %2 the time held, %3 its contractions.</extracomment>
        <translation>Anhaltephase %1: %2, %3</translation>
    </message>
    <message>
        <source>Hold %1: %2, %3, cut short</source>
        <translation>Anhaltephase %1: %2, %3, vorzeitig beendet</translation>
    </message>
    <message>
        <source>Holds %1 to %2: %3 held, %4</source>
        <extracomment>The holds past those listed one by one: %1 and %2 their first and last number, %3 the time held in all, %4 their contractions.</extracomment>
        <translation>Anhaltephasen %1 bis %2: %3 gehalten, %4</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Breath-hold session running</source>
        <extracomment>Shown by the desktop as the reason it does not sleep or lock the screen.</extracomment>
        <translation>Sitzung zum Atemanhalten läuft</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>it must be a JSON object</source>
        <extracomment>Why a table file cannot be loaded: &quot;it&quot; is a value of the file.</extracomment>
        <translation>der Wert muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number of seconds from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; muss eine ganze Zahl von Sekunden von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text of at most %2 characters, without control characters</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; muss ein Text von höchstens %2 Zeichen ohne Steuerzeichen sein</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be %1 or %2</source>
        <extracomment>&quot;end&quot; is a key of the table file; %1 and %2 are the words it may hold, quoted (&quot;&quot;time&quot;, &quot;cycle&quot;&quot; and &quot;&quot;breath&quot;&quot;), all kept as they are.</extracomment>
        <translation>&quot;end&quot; muss %1 oder %2 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value a table file holds</source>
        <extracomment>%1 is a key found in the file.</extracomment>
        <translation>&quot;%1&quot; ist kein Wert, den eine Tabellendatei enthält</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a place in a table file, such as &quot;round 3, hold&quot;, %2 what is wrong there.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vellorin table file (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <extracomment>&quot;format&quot; is a key of the table file, %1 the word it must hold, kept as they are.</extracomment>
        <translation>sie ist keine Vellorin-Tabellendatei (ihr &quot;format&quot; ist nicht &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin (table format version %1; this one reads version %2)</source>
        <extracomment>%1 and %2 are version numbers of the table file&apos;s format.</extracomment>
        <translation>sie wurde von einer neueren Vellorin-Version geschrieben (Tabellenformat Version %1; diese Version liest Version %2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <extracomment>&quot;version&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;version&quot; muss %1 sein</translation>
    </message>
    <message>
        <source>&quot;rounds&quot; must be a list of 1 to %1 rounds</source>
        <extracomment>&quot;rounds&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;rounds&quot; muss eine Liste von 1 bis %1 Runden sein</translation>
    </message>
    <message>
        <source>round %1</source>
        <extracomment>A place in a table file, before what is wrong there: &quot;round 3: ...&quot;.</extracomment>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>round %1, hold</source>
        <extracomment>A place in a table file, the hold of a round: &quot;round 3, hold: ...&quot;.</extracomment>
        <translation>Runde %1, Anhalten</translation>
    </message>
    <message>
        <source>round %1, rest</source>
        <extracomment>A place in a table file, the rest of a round: &quot;round 3, rest: ...&quot;.</extracomment>
        <translation>Runde %1, Pause</translation>
    </message>
    <message>
        <source>it is not a table file (it holds a NUL byte)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>sie ist keine Tabellendatei (sie enthält ein NUL-Byte)</translation>
    </message>
    <message>
        <source>it is not a table file (it is not UTF-8 text)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>sie ist keine Tabellendatei (sie ist kein UTF-8-Text)</translation>
    </message>
    <message>
        <source>it is not a table file (it begins with a byte-order mark)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>sie ist keine Tabellendatei (sie beginnt mit einer Byte-Order-Mark)</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 the reason it cannot be loaded.</extracomment>
        <translation>&quot;%1&quot; konnte nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>round %1: %2</source>
        <extracomment>%1 is a round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Runde %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>it is not a table file (not JSON: %1 at byte %2)</source>
        <extracomment>%1 is why the JSON cannot be read, such as &quot;unterminated object&quot;, %2 where.</extracomment>
        <translation>sie ist keine Tabellendatei (kein JSON: %1 bei Byte %2)</translation>
    </message>
</context>
<context>
    <name>TableProblems</name>
    <message>
        <source>the hold of %1 is longer than your personal best of %2</source>
        <extracomment>%1 is the hold&apos;s length and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>das Anhalten von %1 ist länger als Ihre persönliche Bestzeit von %2</translation>
    </message>
    <message>
        <source>the cap of %1 is longer than your personal best of %2</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last. %1 is the cap and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>die Obergrenze von %1 ist länger als Ihre persönliche Bestzeit von %2</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <extracomment>%1 is the round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Runde %1: %2.</translation>
    </message>
    <message>
        <source>the hold must last from %1 to %2 seconds</source>
        <extracomment>A reason, after &quot;Round 3: &quot; or on its own with a capital first letter.</extracomment>
        <translation>das Anhalten muss %1 bis %2 Sekunden dauern</translation>
    </message>
    <message>
        <source>the margin after the first contraction must be from %1 to %2 seconds</source>
        <translation>der Nachlauf nach der ersten Kontraktion muss %1 bis %2 Sekunden betragen</translation>
    </message>
    <message>
        <source>the number of contractions must be from 1 to %1</source>
        <translation>die Anzahl der Kontraktionen muss 1 bis %1 betragen</translation>
    </message>
    <message>
        <source>the cap must be from %1 to %2 seconds</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last.</extracomment>
        <translation>die Obergrenze muss %1 bis %2 Sekunden betragen</translation>
    </message>
    <message>
        <source>the minimum must be from %1 to %2 seconds</source>
        <extracomment>The minimum: the shortest a hold that ends at a contraction may last.</extracomment>
        <translation>das Minimum muss %1 bis %2 Sekunden betragen</translation>
    </message>
    <message>
        <source>the cap must be at least the minimum</source>
        <translation>die Obergrenze darf nicht unter dem Minimum liegen</translation>
    </message>
    <message>
        <source>the rest must last from %1 to %2 seconds</source>
        <translation>die Pause muss %1 bis %2 Sekunden dauern</translation>
    </message>
    <message>
        <source>the cycle must be from %1 to %2 seconds</source>
        <extracomment>The cycle: the time from one hold&apos;s start to the next one&apos;s.</extracomment>
        <translation>der Zyklus muss %1 bis %2 Sekunden betragen</translation>
    </message>
    <message>
        <source>the shortest rest of the cycle must be from %1 to %2 seconds</source>
        <translation>die kürzeste Pause des Zyklus muss %1 bis %2 Sekunden betragen</translation>
    </message>
    <message>
        <source>the longest one-breath rest must be from %1 to %2 seconds</source>
        <translation>die längste Ein-Atemzug-Pause muss %1 bis %2 Sekunden betragen</translation>
    </message>
    <message>
        <source>the name must be at most %1 characters, without control characters</source>
        <translation>der Name darf höchstens %1 Zeichen lang sein und keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the intro must last from %1 to %2 seconds</source>
        <translation>das Intro muss %1 bis %2 Sekunden dauern</translation>
    </message>
    <message>
        <source>the cue profile&apos;s name must be at most %1 characters, without control characters</source>
        <translation>der Name des Ansageprofils darf höchstens %1 Zeichen lang sein und keine Steuerzeichen enthalten</translation>
    </message>
    <message>
        <source>the table must have at least one round</source>
        <translation>die Tabelle muss mindestens eine Runde haben</translation>
    </message>
    <message>
        <source>the repeat must be from 1 to %1</source>
        <extracomment>The repeat: how many times in a row the round is run.</extracomment>
        <translation>die Wiederholungen müssen 1 bis %1 betragen</translation>
    </message>
    <message numerus="yes">
        <source>the table runs %n rounds with its repeats, more than %1</source>
        <extracomment>%n is how many rounds the table runs, %1 the most a table may run.</extracomment>
        <translation>
            <numerusform>die Tabelle umfasst mit ihren Wiederholungen %n Runde, mehr als %1</numerusform>
            <numerusform>die Tabelle umfasst mit ihren Wiederholungen %n Runden, mehr als %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts %n seconds in all, more than %1</source>
        <extracomment>%n is how long the table lasts, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>die Tabelle dauert insgesamt %n Sekunde, mehr als %1</numerusform>
            <numerusform>die Tabelle dauert insgesamt %n Sekunden, mehr als %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts up to %n seconds in all, more than %1</source>
        <extracomment>%n is the most the table can last, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>die Tabelle dauert insgesamt bis zu %n Sekunde, mehr als %1</numerusform>
            <numerusform>die Tabelle dauert insgesamt bis zu %n Sekunden, mehr als %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrainerMainform</name>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Breath hold(max)</source>
        <translation>Anhalten (max)</translation>
    </message>
    <message>
        <source>Increase hold time by</source>
        <translation>Anhalten länger um</translation>
    </message>
    <message>
        <source>Initial rest time</source>
        <translation>Erste Pause</translation>
    </message>
    <message>
        <source>Decrease rest by</source>
        <translation>Pause kürzer um</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Session Settings</source>
        <translation>Sitzungseinstellungen</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Intro:</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Breath hold(max):</source>
        <translation>Anhalten (max):</translation>
    </message>
    <message>
        <source>Increase hold time by:</source>
        <translation>Anhalten länger um:</translation>
    </message>
    <message>
        <source>Initial rest time:</source>
        <translation>Erste Pause:</translation>
    </message>
    <message>
        <source>Decrease rest by:</source>
        <translation>Pause kürzer um:</translation>
    </message>
    <message>
        <source> Start</source>
        <translation> Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Runde 1</translation>
    </message>
    <message>
        <source>Current Sequence</source>
        <translation>Aktuelle Phase</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Current loop</source>
        <translation>Aktuelle Runde</translation>
    </message>
    <message>
        <source>Session time left</source>
        <translation>Restzeit der Sitzung</translation>
    </message>
    <message>
        <source>Current phase</source>
        <translation>Aktuelle Phase</translation>
    </message>
    <message>
        <source>Phase time left</source>
        <translation>Restzeit der Phase</translation>
    </message>
    <message>
        <source>Every key works whatever has the focus, also in the lights-out view.

Space	start a session when none runs; pause or resume one that runs
Ctrl+R	reset the session to its beginning
Ctrl+O	load a table
Ctrl+Z	undo the last load (typing in a field is undone first)
Ctrl+S	save the table
Ctrl+E	export the session as audio
Ctrl+T	a personal-best test (Space ends it)
Ctrl+N	a new table from your personal best
Ctrl+B	edit the table of rounds (a new one from the six settings)
Ctrl+H	the training history
Enter or C	during a hold: mark a contraction; in a one-breath rest: the breath is taken
	(elsewhere in a session: a soft &quot;not now&quot;)
F11	lights-out: the four displays alone, full screen (Esc leaves)
F1	about Vellorin and its keys
Ctrl+Q	quit
Enter	click the focused button, when no session runs</source>
        <translation>Jede Taste wirkt, egal was den Fokus hat, auch in der Licht-aus-Ansicht.

Space	eine Sitzung starten, wenn keine läuft; eine laufende pausieren oder fortsetzen
Ctrl+R	die Sitzung auf ihren Anfang zurücksetzen
Ctrl+O	eine Tabelle laden
Ctrl+Z	das letzte Laden rückgängig machen (Eingaben in einem Feld zuerst)
Ctrl+S	die Tabelle speichern
Ctrl+E	die Sitzung als Audio exportieren
Ctrl+T	ein Bestzeit-Test (Space beendet ihn)
Ctrl+N	eine neue Tabelle aus Ihrer persönlichen Bestzeit
Ctrl+B	die Rundentabelle bearbeiten (eine neue aus den sechs Einstellungen)
Ctrl+H	der Trainingsverlauf
Enter oder C	beim Anhalten: eine Kontraktion markieren; in einer Ein-Atemzug-Pause: der Atemzug ist genommen
	(sonst in einer Sitzung: ein leises &quot;jetzt nicht&quot;)
F11	Licht aus: nur die vier Anzeigen, im Vollbild (Esc verlässt es)
F1	über Vellorin und seine Tasten
Ctrl+Q	beenden
Enter	die Schaltfläche mit dem Fokus auslösen, wenn keine Sitzung läuft</translation>
    </message>
</context>
<context>
    <name>TrainingLog</name>
    <message>
        <source>Could not keep the session in the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Die Sitzung konnte nicht im Trainingsprotokoll &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>its %1 is not a whole number from %2 to %3</source>
        <extracomment>Why a row of the training log is left out; %1 is a column&apos;s name in the file, such as held_seconds, kept as it is.</extracomment>
        <translation>ihre Spalte %1 ist keine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>the row was cut short</source>
        <extracomment>Why a row of the training log is left out.</extracomment>
        <translation>die Zeile ist unvollständig</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a row (&quot;it&quot;) of the training log is left out.</extracomment>
        <translation>sie ist länger als %1 Bytes</translation>
    </message>
    <message numerus="yes">
        <source>it has %n columns, not %1</source>
        <extracomment>%n is how many columns the row has, %1 how many the log expects: a number, or three as &quot;14, 17 or 21&quot;.</extracomment>
        <translation>
            <numerusform>sie hat %n Spalte, nicht %1</numerusform>
            <numerusform>sie hat %n Spalten, nicht %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its session_start is not a date and time</source>
        <extracomment>session_start is a column&apos;s name in the file, kept as it is.</extracomment>
        <translation>ihre Spalte session_start ist kein Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>its completed is neither yes nor no</source>
        <extracomment>completed is a column&apos;s name in the file, yes and no the words it holds, all kept as they are.</extracomment>
        <translation>ihre Spalte completed ist weder yes noch no</translation>
    </message>
    <message>
        <source>its kind is neither classic nor rounds</source>
        <extracomment>kind is a column&apos;s name in the file, classic and rounds the words it holds, all kept as they are.</extracomment>
        <translation>ihre Spalte kind ist weder classic noch rounds</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a hold ends</source>
        <extracomment>%1 is a column&apos;s name in the file, hold or hold_rule, kept as it is.</extracomment>
        <translation>ihre Spalte %1 ist keine Regel dafür, wie ein Anhalten endet</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a rest ends</source>
        <extracomment>%1 is a column&apos;s name in the file, rest or rest_rule, kept as it is.</extracomment>
        <translation>ihre Spalte %1 ist keine Regel dafür, wie eine Pause endet</translation>
    </message>
    <message>
        <source>the export was stopped</source>
        <extracomment>Why the training log&apos;s copy was not written: the user stopped it.</extracomment>
        <translation>der Export wurde gestoppt</translation>
    </message>
    <message>
        <source>it is the training log itself</source>
        <extracomment>Why the training log cannot be exported to the file chosen.</extracomment>
        <translation>es ist das Trainingsprotokoll selbst</translation>
    </message>
    <message>
        <source>Could not read the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the reason it cannot be read.</extracomment>
        <translation>Das Trainingsprotokoll &quot;%1&quot; konnte nicht gelesen werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n bytes, more than the %1 a training log may hold</source>
        <extracomment>%n is the file&apos;s size and %1 the largest a training log may be, both in bytes.</extracomment>
        <translation>
            <numerusform>es umfasst %n Byte, mehr als die %1, die ein Trainingsprotokoll umfassen darf</numerusform>
            <numerusform>es umfasst %n Bytes, mehr als die %1, die ein Trainingsprotokoll umfassen darf</numerusform>
        </translation>
    </message>
    <message>
        <source>it grew past %1 bytes</source>
        <extracomment>%1 is the largest a training log may be, in bytes.</extracomment>
        <translation>es ist über %1 Bytes hinaus gewachsen</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Three numbers of columns a row of the training log may have.</extracomment>
        <translation>%1, %2 oder %3</translation>
    </message>
    <message>
        <source>its spo2_lowest_second has no spo2_lowest</source>
        <extracomment>spo2_lowest_second and spo2_lowest are columns&apos; names in the file, kept as they are.</extracomment>
        <translation>ihre Spalte spo2_lowest_second hat keinen Wert spo2_lowest</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used; %1 is a number of bytes.</extracomment>
        <translation>sie ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;its&quot;) cannot be written.</extracomment>
        <translation>ihr Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be written.</extracomment>
        <translation>sie kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>it is not in the INI format</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>sie ist nicht im INI-Format</translation>
    </message>
    <message>
        <source>The setting could not be kept in &quot;%1&quot;: %2. It holds until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be written.</extracomment>
        <translation>Die Einstellung konnte nicht in &quot;%1&quot; gespeichert werden: %2. Sie gilt, bis Vellorin beendet wird.</translation>
    </message>
    <message>
        <source>The window&apos;s settings file &quot;%1&quot; cannot be used: %2. The window&apos;s size and the training log switch hold only until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be used. The training log switch turns the keeping of the training log on and off.</extracomment>
        <translation>Die Einstellungsdatei des Fensters &quot;%1&quot; kann nicht verwendet werden: %2. Die Fenstergröße und der Schalter für das Trainingsprotokoll gelten nur, bis Vellorin beendet wird.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>up to %1</source>
        <extracomment>In the window&apos;s title: the most the table can last, %1 a time like 40:30.</extracomment>
        <translation>bis zu %1</translation>
    </message>
</context>
<context>
    <name>vellorin::AttemptsDialog</name>
    <message>
        <source>Personal bests</source>
        <translation>Persönliche Bestzeiten</translation>
    </message>
    <message>
        <source>Began</source>
        <extracomment>The headings of the list of attempts: when each began, and the time held.</extracomment>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Gehalten</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Entfernen...</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss oder Sekunden</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Began:</source>
        <translation>&amp;Beginn:</translation>
    </message>
    <message>
        <source>&amp;Held:</source>
        <extracomment>The field of the time held in an attempt.</extracomment>
        <translation>&amp;Gehalten:</translation>
    </message>
    <message>
        <source>Your attempts:</source>
        <translation>Ihre Versuche:</translation>
    </message>
    <message>
        <source>A personal best from elsewhere:</source>
        <translation>Eine anderswo erzielte persönliche Bestzeit:</translation>
    </message>
    <message>
        <source>Remove the attempt that began %1, held %2? It cannot be brought back.</source>
        <extracomment>%1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).</extracomment>
        <translation>Den Versuch vom %1 (gehalten: %2) entfernen? Er kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Could not remove the attempt from &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Der Versuch konnte nicht aus &quot;%1&quot; entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The time held is typed as m:ss (&quot;3:05&quot;) or in seconds (&quot;185&quot;), at least 1 second.</source>
        <translation>Die Haltezeit wird als m:ss (&quot;3:05&quot;) oder in Sekunden (&quot;185&quot;) eingegeben, mindestens 1 Sekunde.</translation>
    </message>
    <message>
        <source>Could not add the attempt to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Der Versuch konnte nicht zu &quot;%1&quot; hinzugefügt werden: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileDialog</name>
    <message>
        <source>Cue profile - Vellorin</source>
        <translation>Ansageprofil - Vellorin</translation>
    </message>
    <message>
        <source>Start &amp;from:</source>
        <extracomment>The built-in profile whose settings fill the fields.</extracomment>
        <translation>&amp;Basierend auf:</translation>
    </message>
    <message>
        <source>words</source>
        <extracomment>A profile&apos;s sound: calls spoken in words.</extracomment>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>tones</source>
        <extracomment>A profile&apos;s sound: tones, no words.</extracomment>
        <translation>Töne</translation>
    </message>
    <message>
        <source>hold</source>
        <extracomment>What a hold begins with: the word &quot;hold&quot;.</extracomment>
        <translation>Luft anhalten</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>What a hold begins with: &quot;official top&quot;, as at a freediving competition.</extracomment>
        <translation>Official Top</translation>
    </message>
    <message>
        <source>Pace in &amp;words, not soft tones</source>
        <translation>Takt in &amp;Worten statt leisen Tönen</translation>
    </message>
    <message>
        <source>Say the holds and the time held at the &amp;end</source>
        <translation>Anhaltephasen und Haltezeit am Ende an&amp;sagen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Klang:</translation>
    </message>
    <message>
        <source>A hold &amp;begins with:</source>
        <translation>Anhalten be&amp;ginnt mit:</translation>
    </message>
    <message>
        <source>Calls before a &amp;hold:</source>
        <extracomment>The times called out in each rest, before the hold.</extracomment>
        <translation>Zeitansagen vor dem &amp;Anhalten:</translation>
    </message>
    <message>
        <source>Calls in every h&amp;old:</source>
        <translation>Zeitansagen bei &amp;jedem Anhalten:</translation>
    </message>
    <message>
        <source>Calls in the &amp;last hold:</source>
        <translation>Zeitansagen beim &amp;letzten Anhalten:</translation>
    </message>
    <message>
        <source>Time held called e&amp;very:</source>
        <translation>&amp;Haltezeit ansagen alle:</translation>
    </message>
    <message>
        <source>&quot;Last b&amp;reath&quot;, seconds before a hold:</source>
        <translation>&quot;Letzter A&amp;temzug&quot;, Sekunden vor dem Anhalten:</translation>
    </message>
    <message>
        <source>Re&amp;covery breaths after a hold:</source>
        <translation>E&amp;rholungsatemzüge nach dem Anhalten:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds &amp;in:</source>
        <translation>Getaktete Atmung, Sekunden &amp;ein:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds o&amp;ut:</source>
        <translation>Getaktete Atmung, Sekunden a&amp;us:</translation>
    </message>
    <message>
        <source>Pace the last part of a rest (m:ss or all):</source>
        <extracomment>&quot;all&quot; is typed as it is, in English: the profile file&apos;s word for the whole rest.</extracomment>
        <translation>Letzten Teil der Pause takten (m:ss oder all):</translation>
    </message>
    <message>
        <source>Calls are written m:ss to be spoken (0:30 &quot;thirty seconds&quot;) and as a bare number to be counted (5 &quot;five&quot;).</source>
        <extracomment>How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.</extracomment>
        <translation>Zeitansagen werden als m:ss geschrieben, um gesprochen zu werden (0:30 &quot;dreißig Sekunden&quot;), und als bloße Zahl, um gezählt zu werden (5 &quot;fünf&quot;).</translation>
    </message>
    <message>
        <source>My %1</source>
        <extracomment>The name proposed for a profile of the user&apos;s own made from a built-in one; %1 is the built-in profile&apos;s key, as &quot;guided&quot;.</extracomment>
        <translation>Mein %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Klang</translation>
    </message>
    <message>
        <source>A hold begins with</source>
        <translation>Anhalten beginnt mit</translation>
    </message>
    <message>
        <source>Calls before a hold</source>
        <translation>Zeitansagen vor dem Anhalten</translation>
    </message>
    <message>
        <source>Calls in every hold</source>
        <translation>Zeitansagen bei jedem Anhalten</translation>
    </message>
    <message>
        <source>Calls in the last hold</source>
        <translation>Zeitansagen beim letzten Anhalten</translation>
    </message>
    <message>
        <source>Time held called every</source>
        <translation>Haltezeit ansagen alle</translation>
    </message>
    <message>
        <source>Last breath</source>
        <translation>Letzter Atemzug</translation>
    </message>
    <message>
        <source>Recovery breaths</source>
        <translation>Erholungsatemzüge</translation>
    </message>
    <message>
        <source>Paced breathing</source>
        <translation>Getaktete Atmung</translation>
    </message>
    <message>
        <source>Pace the last part of a rest</source>
        <translation>Letzten Teil der Pause takten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the profile and why its value cannot be used: &quot;Sound: it must be words or tones&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a built-in profile: choose another name.</source>
        <translation>&quot;%1&quot; ist der Name eines eingebauten Profils: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is kept in the file of your profile &quot;%2&quot;: choose another name.</source>
        <extracomment>%1 is the name typed, %2 the name of another profile whose file name would be the same.</extracomment>
        <translation>&quot;%1&quot; würde in der Datei Ihres Profils &quot;%2&quot; gespeichert: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not save the cue profile to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Das Ansageprofil konnte nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileMenu</name>
    <message>
        <source>Cue &amp;profile</source>
        <translation>&amp;Ansageprofil</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>A built-in cue profile: the cues of the classic timer.</extracomment>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Guided</source>
        <extracomment>A built-in cue profile: calls that guide the breathing and the holds.</extracomment>
        <translation>Geführt</translation>
    </message>
    <message>
        <source>Competition countdown</source>
        <extracomment>A built-in cue profile: the countdown of a freediving competition.</extracomment>
        <translation>Wettkampf-Countdown</translation>
    </message>
    <message>
        <source>Tones only</source>
        <extracomment>A built-in cue profile: tones, no words.</extracomment>
        <translation>Nur Töne</translation>
    </message>
    <message>
        <source>Your default</source>
        <extracomment>In a table&apos;s list of cue profiles: the profile chosen in Training &gt; Cue profile.</extracomment>
        <translation>Ihr Standard</translation>
    </message>
    <message>
        <source>%1 (not found: your default plays)</source>
        <extracomment>A cue profile a table names that this user does not have; %1 is its name.</extracomment>
        <translation>%1 (nicht gefunden: Ihr Standard wird gespielt)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>A profile file of the user&apos;s that cannot be read; %1 is its file name.</extracomment>
        <translation>%1: nicht lesbar</translation>
    </message>
    <message>
        <source>&amp;Edit profile...</source>
        <translation>Profil &amp;bearbeiten...</translation>
    </message>
</context>
<context>
    <name>vellorin::HistoryWindow</name>
    <message>
        <source>%1, %2, %3 held</source>
        <extracomment>The sessions shown and their holds: %1 is &quot;3 sessions&quot;, %2 &quot;6 holds&quot;, %3 the time held in them, as 09:00 or 12:05:00.</extracomment>
        <translation>%1, %2, %3 gehalten</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions</source>
        <translation>
            <numerusform>%n Sitzung</numerusform>
            <numerusform>%n Sitzungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holds</source>
        <translation>
            <numerusform>%n Anhaltephase</numerusform>
            <numerusform>%n Anhaltephasen</numerusform>
        </translation>
    </message>
    <message>
        <source>History - Vellorin</source>
        <translation>Verlauf - Vellorin</translation>
    </message>
    <message>
        <source>Reading the training log…</source>
        <translation>Das Trainingsprotokoll wird gelesen…</translation>
    </message>
    <message>
        <source>Export the &amp;log...</source>
        <translation>&amp;Protokoll exportieren...</translation>
    </message>
    <message>
        <source>Export the &amp;sessions...</source>
        <translation>&amp;Sitzungen exportieren...</translation>
    </message>
    <message>
        <source>Tables shown</source>
        <translation>Angezeigte Tabellen</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Tabellen:</translation>
    </message>
    <message>
        <source>No sessions: the training log is switched off (Training &gt; Keep a training log).</source>
        <translation>Keine Sitzungen: Das Trainingsprotokoll ist ausgeschaltet (Training &gt; Trainingsprotokoll führen).</translation>
    </message>
    <message>
        <source>The training log is switched off (Training &gt; Keep a training log): the sessions you train now are not kept.</source>
        <translation>Das Trainingsprotokoll ist ausgeschaltet (Training &gt; Trainingsprotokoll führen): Die Sitzungen, die Sie jetzt trainieren, werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>No sessions yet: every session you train is kept in the training log &quot;%1&quot;.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Noch keine Sitzungen: Jede Sitzung, die Sie trainieren, wird im Trainingsprotokoll &quot;%1&quot; gespeichert.</translation>
    </message>
    <message>
        <source>The training log &quot;%1&quot; holds no sessions yet.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Das Trainingsprotokoll &quot;%1&quot; enthält noch keine Sitzungen.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of tables of rounds yet.</source>
        <translation>Das Trainingsprotokoll enthält noch keine Sitzungen mit Rundentabellen.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of classic tables yet.</source>
        <translation>Das Trainingsprotokoll enthält noch keine Sitzungen mit klassischen Tabellen.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of %1 yet.</source>
        <extracomment>%1 is the name of a table file.</extracomment>
        <translation>Das Trainingsprotokoll enthält noch keine Sitzungen mit %1.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Sitzungen exportieren</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Protokoll exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Export nach &quot;%1&quot; nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Hold &amp;curve...</source>
        <translation>Anhalte&amp;kurve...</translation>
    </message>
    <message>
        <source>The heart rate and SpO2 second by second in the session&apos;s holds</source>
        <translation>Herzfrequenz und SpO2 Sekunde für Sekunde in den Anhaltephasen der Sitzung</translation>
    </message>
</context>
<context>
    <name>vellorin::HoldCurveWindow</name>
    <message>
        <source>Hold curve - Vellorin</source>
        <translation>Anhaltekurve - Vellorin</translation>
    </message>
    <message>
        <source>Reading the sensor samples…</source>
        <translation>Die Sensorwerte werden gelesen…</translation>
    </message>
    <message>
        <source>&amp;Hold:</source>
        <translation>&amp;Anhaltephase:</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>An entry of the list of a session&apos;s holds; %1 is the hold&apos;s number.</extracomment>
        <translation>Anhaltephase %1</translation>
    </message>
    <message>
        <source>The sensor samples &quot;%1&quot; hold no second of a hold.</source>
        <extracomment>%1 is a sensor samples file&apos;s name.</extracomment>
        <translation>Die Sensorwerte &quot;%1&quot; enthalten keine Sekunde einer Anhaltephase.</translation>
    </message>
</context>
<context>
    <name>vellorin::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>Sprache des Systems (%1)</translation>
    </message>
    <message>
        <source>Vellorin speaks %1 from its next start: its window, messages and spoken cues.</source>
        <extracomment>%1 is the language chosen, named in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Vellorin spricht ab dem nächsten Start %1: in seinem Fenster, seinen Meldungen und gesprochenen Ansagen.</translation>
    </message>
</context>
<context>
    <name>vellorin::LightsOutView</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large in lights-out while the session is paused.</extracomment>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Contraction %1</source>
        <extracomment>Shown a moment after a contraction was marked; %1 is its number in the hold.</extracomment>
        <translation>Kontraktion %1</translation>
    </message>
    <message>
        <source>Contractions: %1</source>
        <translation>Kontraktionen: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::PbTableDialog</name>
    <message>
        <source>New table from personal best</source>
        <translation>Neue Tabelle aus persönlicher Bestzeit</translation>
    </message>
    <message>
        <source>&amp;CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>&amp;CO2-Tabelle: Anhalten mit 50 % Ihrer PB, Pausen ab 2:00, je 15 s kürzer</translation>
    </message>
    <message>
        <source>&amp;O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>&amp;O2-Tabelle: Pausen von 2:00, Anhalten je 15 s länger bis 80 % Ihrer PB</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss oder Sekunden</translation>
    </message>
    <message>
        <source>&amp;Fill the fields</source>
        <translation>Felder &amp;ausfüllen</translation>
    </message>
    <message>
        <source>&amp;Personal best:</source>
        <translation>&amp;Persönliche Bestzeit:</translation>
    </message>
    <message>
        <source>Type your personal best as m:ss or in seconds.</source>
        <translation>Geben Sie Ihre persönliche Bestzeit als m:ss oder in Sekunden ein.</translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsEditor</name>
    <message>
        <source>Table of rounds</source>
        <translation>Rundentabelle</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss oder Sekunden</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>&amp;Fill from the six settings</source>
        <extracomment>The six settings: the six fields of the main window that make a classic table.</extracomment>
        <translation>Aus den sechs Einstellungen &amp;füllen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Use this table</source>
        <translation>Diese Tabelle &amp;verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Intro:</source>
        <extracomment>The countdown before the first hold of the table.</extracomment>
        <translation>&amp;Intro:</translation>
    </message>
    <message>
        <source>&amp;What you hear:</source>
        <extracomment>The cue profile the table plays.</extracomment>
        <translation>Was Sie h&amp;ören:</translation>
    </message>
    <message>
        <source>R&amp;ounds:</source>
        <translation>&amp;Runden:</translation>
    </message>
    <message>
        <source>Could not fill the table from the six settings: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Die Tabelle konnte nicht aus den sechs Einstellungen gefüllt werden: %1.</translation>
    </message>
    <message>
        <source>Replace the rounds with the six settings&apos; table? The changes you have not saved are lost.</source>
        <translation>Die Runden durch die Tabelle der sechs Einstellungen ersetzen? Nicht gespeicherte Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file name, %2 the name of one of the program&apos;s own files, as &quot;the training log&quot;.</extracomment>
        <translation>Die Tabelle konnte nicht in &quot;%1&quot; gespeichert werden: Es handelt sich um %2 von Vellorin, und das darf eine Tabelle nicht ersetzen.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Die Tabelle konnte nicht in &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Close the table without saving your changes to it?</source>
        <translation>Die Tabelle schließen, ohne Ihre Änderungen zu speichern?</translation>
    </message>
    <message>
        <source>Save the table of rounds</source>
        <translation>Rundentabelle speichern</translation>
    </message>
    <message>
        <source>Vellorin tables (*.vtable)</source>
        <translation>Vellorin-Tabellen (*.vtable)</translation>
    </message>
    <message>
        <source>Hold &amp;length:</source>
        <translation>Anha&amp;ltedauer:</translation>
    </message>
    <message>
        <source>Mar&amp;gin:</source>
        <extracomment>The time a hold goes on after the first contraction.</extracomment>
        <translation>Na&amp;chlauf:</translation>
    </message>
    <message>
        <source>Con&amp;tractions:</source>
        <extracomment>The count of contractions that ends a hold.</extracomment>
        <translation>&amp;Kontraktionen:</translation>
    </message>
    <message>
        <source>&amp;Cap:</source>
        <extracomment>The longest a hold may go on.</extracomment>
        <translation>&amp;Obergrenze:</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <extracomment>The shortest a hold may be.</extracomment>
        <translation>&amp;Minimum:</translation>
    </message>
    <message>
        <source>Rest lengt&amp;h:</source>
        <translation>&amp;Pausendauer:</translation>
    </message>
    <message>
        <source>C&amp;ycle:</source>
        <extracomment>The time from the start of a hold to the start of the next, the rest taking what the hold leaves.</extracomment>
        <translation>&amp;Zyklus:</translation>
    </message>
    <message>
        <source>&amp;Floor (shortest rest):</source>
        <translation>Unter&amp;grenze (kürzeste Pause):</translation>
    </message>
    <message>
        <source>Longest &amp;breath:</source>
        <extracomment>The longest a one-breath rest may last.</extracomment>
        <translation>L&amp;ängster Atemzug:</translation>
    </message>
    <message>
        <source>Re&amp;peat:</source>
        <extracomment>How many times the round is run.</extracomment>
        <translation>&amp;Wiederholungen:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>hold</comment>
        <extracomment>A kind of hold: one of a set length.</extracomment>
        <translation>Feste Dauer</translation>
    </message>
    <message>
        <source>First contraction + margin</source>
        <extracomment>A kind of hold: it ends a margin after the first contraction.</extracomment>
        <translation>Erste Kontraktion + Nachlauf</translation>
    </message>
    <message>
        <source>N-th contraction</source>
        <extracomment>A kind of hold: it ends at a given count of contractions.</extracomment>
        <translation>N-te Kontraktion</translation>
    </message>
    <message>
        <source>&amp;Kind of hold:</source>
        <translation>Ar&amp;t des Anhaltens:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>rest</comment>
        <extracomment>A kind of rest: one of a set length.</extracomment>
        <translation>Feste Dauer</translation>
    </message>
    <message>
        <source>Cycle</source>
        <extracomment>A kind of rest: it lasts what the hold leaves of a set cycle.</extracomment>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>One breath</source>
        <extracomment>A kind of rest: a single breath.</extracomment>
        <translation>Ein Atemzug</translation>
    </message>
    <message>
        <source>Kind of r&amp;est:</source>
        <translation>&amp;Art der Pause:</translation>
    </message>
    <message>
        <source>%1. To mend: %2</source>
        <extracomment>A row of the table that cannot be run: its number, and what is wrong with it.</extracomment>
        <translation>%1. Zu beheben: %2</translation>
    </message>
    <message>
        <source>%1. hold %2, rest %3</source>
        <extracomment>A row of the table: its number, its hold and its rest, as &quot;3. hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Anhalten %2, Pause %3</translation>
    </message>
    <message>
        <source>%1. %2 × hold %3, rest %4</source>
        <extracomment>A row of the table run more than once: its number, how many times it runs, its hold and its rest, as &quot;3. 4 × hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. %2 × Anhalten %3, Pause %4</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>How long the whole table takes, as &quot;24:30&quot; or &quot;up to 24:30&quot;.</extracomment>
        <translation>Gesamt: %1</translation>
    </message>
    <message numerus="yes">
        <source>And %n more to mend.</source>
        <extracomment>After the first problems of the table: how many more there are.</extracomment>
        <translation>
            <numerusform>Und %n weiteres Problem zu beheben.</numerusform>
            <numerusform>Und %n weitere Probleme zu beheben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more holds longer than your personal best.</source>
        <extracomment>After the first holds longer than the personal best: how many more there are.</extracomment>
        <translation>
            <numerusform>Und %n weitere Anhaltephase länger als Ihre persönliche Bestzeit.</numerusform>
            <numerusform>Und %n weitere Anhaltephasen länger als Ihre persönliche Bestzeit.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsPanel</name>
    <message>
        <source>The table&apos;s rounds</source>
        <translation>Die Runden der Tabelle</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What comes next in the session, under the lights-out displays; %1 is &quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;.</extracomment>
        <translation>Als Nächstes: %1</translation>
    </message>
    <message>
        <source>%1. Hold %2, rest %3</source>
        <extracomment>A round in the list of the table&apos;s rounds: its number, its hold and its rest, as &quot;3. Hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Anhalten %2, Pause %3</translation>
    </message>
    <message>
        <source>%1. Hold %2</source>
        <extracomment>The last round, which has no rest: its number and its hold, as &quot;8. Hold 1:30&quot;.</extracomment>
        <translation>%1. Anhalten %2</translation>
    </message>
    <message>
        <source>The table cannot be run: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Die Tabelle kann nicht ausgeführt werden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The table&apos;s rounds and how long it takes, as &quot;8 rounds, 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n Runde, %1</numerusform>
            <numerusform>%n Runden, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The table&apos;s rounds and the longest it may take, as &quot;8 rounds, up to 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n Runde, bis zu %1</numerusform>
            <numerusform>%n Runden, bis zu %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Round %1 of %2. Next: %3.</source>
        <extracomment>Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes next (&quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;).</extracomment>
        <translation>Runde %1 von %2. Als Nächstes: %3.</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold this long (a time like 1:30).</extracomment>
        <translation>Anhalten %1</translation>
    </message>
    <message>
        <source>hold up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold that may end sooner, at most this long (a time like 1:30).</extracomment>
        <translation>Anhalten bis zu %1</translation>
    </message>
    <message>
        <source>rest %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest this long (a time like 2:00).</extracomment>
        <translation>Pause %1</translation>
    </message>
    <message>
        <source>rest up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest that may end sooner, at most this long (a time like 2:00).</extracomment>
        <translation>Pause bis zu %1</translation>
    </message>
    <message>
        <source>the end</source>
        <extracomment>What comes next, after &quot;Next:&quot;: the end of the session.</extracomment>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorLink</name>
    <message>
        <source>This computer has no Bluetooth adapter, or its system service for Bluetooth (BlueZ) is not running.</source>
        <translation>Dieser Computer hat keinen Bluetooth-Adapter, oder sein Systemdienst für Bluetooth (BlueZ) läuft nicht.</translation>
    </message>
    <message>
        <source>Bluetooth is turned off. Turn it on and scan again.</source>
        <translation>Bluetooth ist ausgeschaltet. Schalten Sie es ein und suchen Sie erneut.</translation>
    </message>
    <message>
        <source>The system does not allow Vellorin to use Bluetooth.</source>
        <translation>Das System erlaubt Vellorin nicht, Bluetooth zu verwenden.</translation>
    </message>
    <message>
        <source>The scan for sensors failed: %1</source>
        <translation>Die Suche nach Sensoren ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorPanel</name>
    <message>
        <source> (%1 s)</source>
        <extracomment>The age of the last value a sensor sent, in whole seconds.</extracomment>
        <translation> (%1 s)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>verbindet</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>verbunden</translation>
    </message>
    <message>
        <source>no skin contact</source>
        <translation>kein Hautkontakt</translation>
    </message>
    <message>
        <source>finger out</source>
        <translation>kein Finger</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>kein Wert</translation>
    </message>
    <message>
        <source>lost, trying again</source>
        <translation>getrennt, neuer Versuch</translation>
    </message>
    <message>
        <source>HR %1%2</source>
        <extracomment>The heart rate beside the displays; %1 is beats per minute, %2 the value&apos;s age.</extracomment>
        <translation>HF %1%2</translation>
    </message>
    <message>
        <source>HR -- %1</source>
        <translation>HF -- %1</translation>
    </message>
    <message>
        <source>SpO2 %1 %  PR %2%3</source>
        <extracomment>SpO2 and the oximeter&apos;s pulse rate beside the displays; %3 is the values&apos; age.</extracomment>
        <translation>SpO2 %1 %  Puls %2%3</translation>
    </message>
    <message>
        <source>SpO2 -- %1</source>
        <translation>SpO2 -- %1</translation>
    </message>
    <message>
        <source>Sensor values</source>
        <translation>Sensorwerte</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorTraining</name>
    <message>
        <source>This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or oximeters. Everything else works as ever.</source>
        <translation>Dieses Vellorin wurde ohne Bluetooth erstellt und kann daher keine Herzfrequenzsensoren oder Oximeter verwenden. Alles andere funktioniert wie gewohnt.</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorsDialog</name>
    <message>
        <source>Not in use</source>
        <extracomment>The state of a kind of sensor when none is chosen.</extracomment>
        <translation>Nicht verwendet</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Verbindung wird hergestellt…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>No skin contact</source>
        <extracomment>A chest strap that says it does not touch the skin.</extracomment>
        <translation>Kein Hautkontakt</translation>
    </message>
    <message>
        <source>Finger out</source>
        <extracomment>An oximeter that says no finger is in it.</extracomment>
        <translation>Kein Finger eingelegt</translation>
    </message>
    <message>
        <source>No values for a while</source>
        <extracomment>Linked, but the sensor has sent no value for some seconds.</extracomment>
        <translation>Seit einer Weile keine Werte</translation>
    </message>
    <message>
        <source>Lost — trying again</source>
        <extracomment>The link to the sensor broke; the program tries to link again by itself.</extracomment>
        <translation>Verbindung verloren — neuer Versuch</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Sensors found</source>
        <translation>Gefundene Sensoren</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The headings of the list of sensors a search found; signal: its strength in dBm.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Sensors fou&amp;nd:</source>
        <translation>&amp;Gefundene Sensoren:</translation>
    </message>
    <message>
        <source>Use as &amp;heart-rate sensor</source>
        <translation>Als &amp;Herzfrequenzsensor verwenden</translation>
    </message>
    <message>
        <source>Use as heart-rate sensor</source>
        <translation>Als Herzfrequenzsensor verwenden</translation>
    </message>
    <message>
        <source>Use as &amp;oximeter</source>
        <translation>Als &amp;Oximeter verwenden</translation>
    </message>
    <message>
        <source>Use as oximeter</source>
        <translation>Als Oximeter verwenden</translation>
    </message>
    <message>
        <source>&amp;End the hold when SpO2 falls to</source>
        <translation>Anhalten &amp;beenden bei SpO2 von höchstens</translation>
    </message>
    <message>
        <source>End the hold when SpO2 falls to</source>
        <translation>Anhalten beenden bei SpO2 von höchstens</translation>
    </message>
    <message>
        <source>SpO2 that ends the hold</source>
        <translation>SpO2-Wert, der das Anhalten beendet</translation>
    </message>
    <message>
        <source> %</source>
        <extracomment>After the SpO2 limit: 80 %.</extracomment>
        <translation> %</translation>
    </message>
    <message>
        <source>A consumer pulse oximeter reads late and low in a breath hold: its reading lags the blood by many seconds, and a cold or squeezed finger reads low. The alarm is a help, not a medical device: never rely on it to keep you safe.</source>
        <extracomment>Said beside the low-SpO2 alarm; the sentence on where to train follows it.</extracomment>
        <translation>Ein Pulsoximeter für den Hausgebrauch zeigt beim Atemanhalten zu spät und zu niedrig an: Sein Messwert hinkt dem Blut um viele Sekunden hinterher, und ein kalter oder eingeklemmter Finger ergibt zu niedrige Werte. Der Alarm ist eine Hilfe, kein Medizinprodukt: Verlassen Sie sich nie darauf, dass er Sie schützt.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Herzfrequenz</translation>
    </message>
    <message>
        <source>Oximeter</source>
        <translation>Oximeter</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <extracomment>Each kind&apos;s button has its own access key.</extracomment>
        <translation>&amp;Vergessen</translation>
    </message>
    <message>
        <source>Fo&amp;rget</source>
        <translation>Verg&amp;essen</translation>
    </message>
    <message>
        <source>Forget the heart-rate sensor</source>
        <translation>Herzfrequenzsensor vergessen</translation>
    </message>
    <message>
        <source>Forget the oximeter</source>
        <translation>Oximeter vergessen</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sensor of the kind is chosen.</extracomment>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A sensor&apos;s name and its Bluetooth address: &quot;Polar H10 (AA:BB:CC:DD:EE:FF)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <extracomment>The charge left in the sensor&apos;s battery, in percent.</extracomment>
        <translation>Akku %1 %</translation>
    </message>
    <message>
        <source>heart rate</source>
        <translation>Herzfrequenz</translation>
    </message>
    <message>
        <source>oximeter</source>
        <translation>Oximeter</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the kinds a sensor is, as &quot;heart rate, oximeter&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Suche läuft…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n sensor(s).</source>
        <translation>
            <numerusform>%n Sensor gefunden.</numerusform>
            <numerusform>%n Sensoren gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>A sensor that gives no name.</extracomment>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1 dBm</source>
        <extracomment>A sensor&apos;s signal strength in dBm; a value nearer 0 is stronger.</extracomment>
        <translation>%1 dBm</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionStateView</name>
    <message>
        <source>Any key: back to the displays</source>
        <translation>Beliebige Taste: zurück zu den Anzeigen</translation>
    </message>
    <message>
        <source>Vellorin: session summary</source>
        <translation>Vellorin: Zusammenfassung der Sitzung</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionsModel</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A session&apos;s mean first contraction (%1) and the range of them (%2 to %3), each a time like 01:05.</extracomment>
        <translation>%1 (%2 bis %3)</translation>
    </message>
</context>
<context>
    <name>vellorin::SingleInstance</name>
    <message>
        <source>the lock file &quot;%1&quot; cannot be used: %2; it is left as it is</source>
        <extracomment>A warning: %1 is a file name, %2 the reason, a clause.</extracomment>
        <translation>die Sperrdatei &quot;%1&quot; kann nicht verwendet werden: %2; sie bleibt unverändert</translation>
    </message>
    <message>
        <source>waiting for the Vellorin window that runs to answer</source>
        <translation>warten auf die Antwort des laufenden Vellorin-Fensters</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; cannot be used: %2; this window does not hear later starts, which open windows of their own</source>
        <extracomment>A warning: %1 is the socket&apos;s file name, %2 the reason, a clause. A later start of the program would hand its file to this window through the socket.</extracomment>
        <translation>der Socket &quot;%1&quot; kann nicht verwendet werden: %2; dieses Fenster bemerkt spätere Starts nicht, die daher eigene Fenster öffnen</translation>
    </message>
    <message numerus="yes">
        <source>its path is longer than the %n bytes a socket&apos;s path may have</source>
        <translation>
            <numerusform>sein Pfad ist länger als das %n Byte, das der Pfad eines Sockets haben darf</numerusform>
            <numerusform>sein Pfad ist länger als die %n Bytes, die der Pfad eines Sockets haben darf</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>es handelt sich nicht um einen Socket</translation>
    </message>
    <message>
        <source>the window listening on it does not take requests</source>
        <translation>das Fenster, das daran lauscht, nimmt keine Anfragen an</translation>
    </message>
</context>
<context>
    <name>vellorin::TrainerMainform</name>
    <message>
        <source>A personal-best test is running. Close Vellorin and end it?</source>
        <translation>Ein Bestzeit-Test läuft. Vellorin schließen und den Test beenden?</translation>
    </message>
    <message>
        <source>A session is running. Close Vellorin and end it?</source>
        <translation>Eine Sitzung läuft. Vellorin schließen und die Sitzung beenden?</translation>
    </message>
    <message>
        <source>%1 The classic cues play.</source>
        <extracomment>%1 is why the user&apos;s default cue profile cannot be used, in whole sentences.</extracomment>
        <translation>%1 Es werden die klassischen Ansagen gespielt.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Laden...</translation>
    </message>
    <message>
        <source>&amp;Undo load</source>
        <translation>Laden &amp;rückgängig</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Export audio...</source>
        <translation>Audio &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sitzung</translation>
    </message>
    <message>
        <source>&amp;Start	Space</source>
        <translation>&amp;Start	Space</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume	Space</source>
        <translation>&amp;Pause/Weiter	Space</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Lights-out</source>
        <translation>&amp;Licht aus</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Training</translation>
    </message>
    <message>
        <source>&amp;Personal best test...</source>
        <translation>&amp;Bestzeit-Test...</translation>
    </message>
    <message>
        <source>&amp;New table from personal best...</source>
        <translation>&amp;Neue Tabelle aus persönlicher Bestzeit...</translation>
    </message>
    <message>
        <source>Personal &amp;bests...</source>
        <translation>&amp;Persönliche Bestzeiten...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Keep a training log</source>
        <translation>Trainingsprotokoll &amp;führen</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>Ta&amp;bellen</translation>
    </message>
    <message>
        <source>&amp;Edit table of rounds...</source>
        <translation>Rundentabelle &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Use the &amp;six settings</source>
        <translation>Die &amp;sechs Einstellungen verwenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;About Vellorin</source>
        <translation>&amp;Über Vellorin</translation>
    </message>
    <message>
        <source>Start: Space. Reset: Ctrl+R.</source>
        <translation>Start: Space. Reset: Ctrl+R.</translation>
    </message>
    <message>
        <source>Pause or resume: Space.</source>
        <translation>Pausieren oder fortsetzen: Space.</translation>
    </message>
    <message>
        <source>Load a table: Ctrl+O.</source>
        <translation>Eine Tabelle laden: Ctrl+O.</translation>
    </message>
    <message>
        <source>Save the table: Ctrl+S.</source>
        <translation>Die Tabelle speichern: Ctrl+S.</translation>
    </message>
    <message>
        <source>Lights-out: double-click or F11.</source>
        <translation>Licht aus: Doppelklick oder F11.</translation>
    </message>
    <message>
        <source>Vellorin keys</source>
        <translation>Vellorin-Tasten</translation>
    </message>
    <message>
        <source>About Vellorin</source>
        <extracomment>%1 is the version, %2 the safety sentence, %3 the list of keys.</extracomment>
        <translation>Über Vellorin</translation>
    </message>
    <message>
        <source>Vellorin %1
A timer for breath-hold training tables.

%2

Released under the MIT licence.

%3</source>
        <translation>Vellorin %1
Ein Timer für Trainingstabellen zum Atemanhalten.

%2

Veröffentlicht unter der MIT-Lizenz.

%3</translation>
    </message>
    <message>
        <source>Export audio</source>
        <translation>Audio exportieren</translation>
    </message>
    <message>
        <source>Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</source>
        <translation>Audiodateien (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</translation>
    </message>
    <message>
        <source>session</source>
        <comment>the name an export proposes</comment>
        <translation>sitzung</translation>
    </message>
    <message>
        <source>New &amp;CO2 table from your PB</source>
        <translation>Neue &amp;CO2-Tabelle aus Ihrer PB</translation>
    </message>
    <message>
        <source>New &amp;O2 table from your PB</source>
        <translation>Neue &amp;O2-Tabelle aus Ihrer PB</translation>
    </message>
    <message>
        <source>New &amp;pyramid from your PB</source>
        <translation>Neue &amp;Pyramide aus Ihrer PB</translation>
    </message>
    <message>
        <source>New &amp;Wonka table (first contraction + 0:30)</source>
        <extracomment>A Wonka table: each hold goes on a set time past the first contraction.</extracomment>
        <translation>Neue &amp;Wonka-Tabelle (erste Kontraktion + 0:30)</translation>
    </message>
    <message>
        <source>New Wonka table by &amp;count (10 contractions)</source>
        <extracomment>A Wonka table by count: each hold ends at a count of contractions.</extracomment>
        <translation>Neue Wonka-Tabelle nach &amp;Anzahl (10 Kontraktionen)</translation>
    </message>
    <message>
        <source>New &amp;one-breath table (8 x 1:00)</source>
        <extracomment>A table whose rests are one breath each: 8 holds of one minute.</extracomment>
        <translation>Neue &amp;Ein-Atemzug-Tabelle (8 x 1:00)</translation>
    </message>
    <message>
        <source>New static &amp;intervals (10 on a 2:00 cycle)</source>
        <extracomment>Ten holds, one starting every two minutes.</extracomment>
        <translation>Neue statische &amp;Intervalle (10 im 2:00-Zyklus)</translation>
    </message>
    <message>
        <source>No personal best is on record. Your personal best (m:ss or seconds):</source>
        <translation>Es ist keine persönliche Bestzeit gespeichert. Ihre persönliche Bestzeit (m:ss oder Sekunden):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as m:ss or in seconds.</source>
        <translation>&quot;%1&quot; ist keine Zeit: Geben Sie sie als m:ss oder in Sekunden ein.</translation>
    </message>
    <message>
        <source>Could not make the table: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Die Tabelle konnte nicht erstellt werden: %1.</translation>
    </message>
    <message>
        <source>%1

Use this table all the same?</source>
        <translation>%1

Diese Tabelle trotzdem verwenden?</translation>
    </message>
    <message numerus="yes">
        <source>%1

A countdown of %n seconds, then &quot;hold&quot;: hold your breath as long as you safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and every whole minute is spoken.

Start the test?</source>
        <extracomment>%1 is the safety advice, a sentence. &quot;hold&quot; is the word the test says as the hold begins; Space is the key.</extracomment>
        <translation>
            <numerusform>%1

Ein Countdown von %n Sekunde, dann &quot;Luft anhalten&quot;: Halten Sie die Luft so lange an, wie es sicher möglich ist, und drücken Sie Space, sobald Sie atmen. Alle 30 Sekunden ertönt ein leises Signal, und jede volle Minute wird angesagt.

Test starten?</numerusform>
            <numerusform>%1

Ein Countdown von %n Sekunden, dann &quot;Luft anhalten&quot;: Halten Sie die Luft so lange an, wie es sicher möglich ist, und drücken Sie Space, sobald Sie atmen. Alle 30 Sekunden ertönt ein leises Signal, und jede volle Minute wird angesagt.

Test starten?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fill the fields with this table all the same?</source>
        <translation>%1

Die Felder trotzdem mit dieser Tabelle füllen?</translation>
    </message>
    <message>
        <source>Sen&amp;sors...</source>
        <translation>&amp;Sensoren...</translation>
    </message>
    <message>
        <source>SpO2 %1 %: the hold is ended. Breathe.</source>
        <extracomment>Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in percent.</extracomment>
        <translation>SpO2 %1 %: Anhalten beendet. Atmen Sie.</translation>
    </message>
</context>
</TS>
