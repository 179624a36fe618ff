<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AttemptsFile</name>
    <message>
        <source>it holds a control character</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>obsahuje řídicí znak</translation>
    </message>
    <message>
        <source>it is not a date and time followed by the seconds held</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>nejde o datum a čas, po kterých následují sekundy zádrže</translation>
    </message>
    <message>
        <source>it does not begin with a date and time with its offset from UTC</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>nezačíná datem a časem s posunem vůči UTC</translation>
    </message>
    <message>
        <source>the seconds held are not a whole number from %1 to %2</source>
        <extracomment>Why a line of the personal-best attempts file is left out.</extracomment>
        <translation>sekundy zádrže nejsou celé číslo od %1 do %2</translation>
    </message>
    <message>
        <source>Could not read the attempts in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason it cannot be read.</extracomment>
        <translation>Nelze načíst pokusy z &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open the list again</source>
        <extracomment>Why an attempt could not be removed from the personal-best attempts file.</extracomment>
        <translation>soubor se od načtení změnil; otevřete seznam znovu</translation>
    </message>
</context>
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot tell the audio format of &quot;%1&quot;: name it .wav, .flac, .ogg or .mp3.</source>
        <extracomment>%1 is the output file&apos;s name; .wav, .flac, .ogg and .mp3 are the endings it may have.</extracomment>
        <translation>Nelze určit zvukový formát &quot;%1&quot;: dejte souboru příponu .wav, .flac, .ogg nebo .mp3.</translation>
    </message>
    <message>
        <source>Could not export the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the output file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Trénink nelze exportovat do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1&apos;s hold ends at a contraction, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number.</extracomment>
        <translation>zádrž kola %1 končí kontrakcí, na kterou zvukový soubor nemůže čekat; exportovat lze jen tabulku, jejíž každá zádrž i každý oddech mají pevnou délku</translation>
    </message>
    <message>
        <source>round %1&apos;s rest ends at the breath key, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number; the breath key ends a rest of one breath.</extracomment>
        <translation>oddech kola %1 končí klávesou nádechu, na kterou zvukový soubor nemůže čekat; exportovat lze jen tabulku, jejíž každá zádrž i každý oddech mají pevnou délku</translation>
    </message>
    <message>
        <source>it is not one of the program&apos;s cues</source>
        <extracomment>Why a sound file (&quot;it&quot;) cannot be played as a cue.</extracomment>
        <translation>není to žádný z pokynů programu</translation>
    </message>
    <message>
        <source>the cue &quot;%1&quot; cannot be used: %2</source>
        <extracomment>%1 is a cue&apos;s sound file, %2 why it cannot be used.</extracomment>
        <translation>pokyn &quot;%1&quot; nelze použít: %2</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <extracomment>Why an audio file was not written: the user cancelled its export.</extracomment>
        <translation>export byl zrušen</translation>
    </message>
    <message>
        <source>Exporting the session to %1...</source>
        <extracomment>%1 is the audio file&apos;s name.</extracomment>
        <translation>Export tréninku do %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Loop %1</source>
        <extracomment>The loop display; %1 is the round under way. Must stay short.</extracomment>
        <translation>Série %1</translation>
    </message>
    <message>
        <source>Intro</source>
        <extracomment>The phase display: the breathe-up before the first hold. Must stay short.</extracomment>
        <translation>Úvod</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The phase display: the breath is held (a noun, the phase). Must stay short.</extracomment>
        <translation>Zádrž</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase display: breathing between two holds. Must stay short.</extracomment>
        <translation>Oddech</translation>
    </message>
    <message>
        <source>End!</source>
        <extracomment>The phase display once the session or the test is over. Must stay short.</extracomment>
        <translation>Konec!</translation>
    </message>
    <message>
        <source>PB test</source>
        <extracomment>The loop display during a personal-best test. Must stay short.</extracomment>
        <translation>Test PB</translation>
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
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Pokrač.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start would refuse this table: %1.</source>
        <extracomment>Start: the window&apos;s button that starts a session. %1 is the reason, such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Tlačítko Start by tuto tabulku odmítlo: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the session, %n cues in %1 s of audio, to &quot;%2&quot; in %3 ms.</source>
        <extracomment>%n is how many cues were written, %1 the audio&apos;s length in seconds, %2 the file&apos;s name, %3 how long the export took in milliseconds.</extracomment>
        <translation>
            <numerusform>Trénink exportován: %n pokyn, %1 s zvuku, do &quot;%2&quot; za %3 ms.</numerusform>
            <numerusform>Trénink exportován: %n pokyny, %1 s zvuku, do &quot;%2&quot; za %3 ms.</numerusform>
            <numerusform>Trénink exportován: %n pokynů, %1 s zvuku, do &quot;%2&quot; za %3 ms.</numerusform>
        </translation>
    </message>
    <message>
        <source>--new-table takes %1 or %2 and a personal best as m:ss or seconds, not &quot;%3&quot; and &quot;%4&quot;.</source>
        <extracomment>%1 and %2 are the kinds of table (&quot;co2, o2, ...&quot; and &quot;intervals&quot;), typed as they are in every language; %3 and %4 what was typed for the kind and the personal best.</extracomment>
        <translation>--new-table přijímá %1 nebo %2 a osobní rekord jako m:ss nebo v sekundách, ne &quot;%3&quot; a &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--new-table %1 makes a table of rounds, which a session file cannot hold: name OUT .vtable.</source>
        <extracomment>%1 is the kind of table, such as one-breath, typed as it is in every language. OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>--new-table %1 vytváří tabulku kol, kterou soubor tréninku nepojme: dejte souboru VÝSTUP příponu .vtable.</translation>
    </message>
    <message>
        <source>The table&apos;s cue profile &quot;%1&quot; is not there: %2 plays.</source>
        <extracomment>%1 is the cue profile the table names, %2 the one played instead.</extracomment>
        <translation>Profil pokynů tabulky &quot;%1&quot; neexistuje: hraje %2.</translation>
    </message>
    <message>
        <source>Cue profile: %1</source>
        <extracomment>Before the list of the cues a session plays: %1 is the cue profile&apos;s name.</extracomment>
        <translation>Profil pokynů: %1</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why its session cannot be exported.</extracomment>
        <translation>Nelze exportovat &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not list the cues of &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why the cues of its session cannot be listed.</extracomment>
        <translation>Nelze vypsat pokyny &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>first contraction + %1, at least %2, up to %3</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the least and %3 the most the hold lasts, each like 00:30.</extracomment>
        <translation>první kontrakce + %1, nejméně %2, nejvýše %3</translation>
    </message>
    <message>
        <source>first contraction + %1, up to %2</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the most the hold lasts, each like 00:30.</extracomment>
        <translation>první kontrakce + %1, nejvýše %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, at least %1, up to %2</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the least and %2 the most it lasts, each like 00:30.</extracomment>
        <translation>
            <numerusform>%n kontrakce, nejméně %1, nejvýše %2</numerusform>
            <numerusform>%n kontrakce, nejméně %1, nejvýše %2</numerusform>
            <numerusform>%n kontrakcí, nejméně %1, nejvýše %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, up to %1</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.</extracomment>
        <translation>
            <numerusform>%n kontrakce, nejvýše %1</numerusform>
            <numerusform>%n kontrakce, nejvýše %1</numerusform>
            <numerusform>%n kontrakcí, nejvýše %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cycle %1 (at least %2)</source>
        <extracomment>A rest that lasts until the next hold&apos;s start, a cycle after this hold&apos;s: %1 is the cycle and %2 the shortest the rest lasts, each like 02:00.</extracomment>
        <translation>cyklus %1 (nejméně %2)</translation>
    </message>
    <message>
        <source>one breath (up to %1)</source>
        <extracomment>A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.</extracomment>
        <translation>jeden nádech (nejvýše %1)</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The heading of the column of the holds&apos; lengths in a table&apos;s preview (the noun: a breath hold); best within 5 letters.</extracomment>
        <translation>Zádrž</translation>
    </message>
    <message>
        <source>Intro %1</source>
        <extracomment>The first line of a table&apos;s preview: %1 is the intro&apos;s length, like 00:30.</extracomment>
        <translation>Úvod %1</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The heading of the column of the rounds&apos; numbers in the preview of a table of rounds; best within 5 letters.</extracomment>
        <translation>Kolo</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The heading of the column of the rests&apos; lengths in a table&apos;s preview (the noun); best within 5 letters.</extracomment>
        <translation>Oddech</translation>
    </message>
    <message>
        <source>Total %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is its length as the clock shows it, like 17:15, %2 the same in seconds.</extracomment>
        <translation>Celkem %1 (%2 s)</translation>
    </message>
    <message>
        <source>Total up to %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is the most it can last as the clock shows it, like 41:10, %2 the same in seconds.</extracomment>
        <translation>Celkem nejvýše %1 (%2 s)</translation>
    </message>
    <message>
        <source>Loop</source>
        <extracomment>The heading of the column of the loops&apos; numbers in a table&apos;s preview; best within 5 letters.</extracomment>
        <translation>Série</translation>
    </message>
    <message>
        <source>Session clock</source>
        <extracomment>The heading of the column of what the session clock shows as each hold begins.</extracomment>
        <translation>Hodiny tréninku</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as typed, in quotes: &apos;--bogus&apos;.</extracomment>
        <translation>Neznámá volba %1.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>%1 lists the options as typed, in quotes: &apos;--bogus&apos;, &apos;-x&apos;.</extracomment>
        <translation>Neznámé volby: %1.</translation>
    </message>
    <message>
        <source>Vellorin, a timer for breath-hold training tables with spoken cues.</source>
        <translation>Vellorin, časovač tréninkových tabulek zádrže dechu s mluvenými pokyny.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Zobrazit tuto nápovědu.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Zobrazit verzi.</translation>
    </message>
    <message>
        <source>Print the table of a session file loop by loop, or of a table file (.vtable) round by round.</source>
        <translation>Vypsat tabulku souboru tréninku sérii po sérii, nebo souboru tabulky (.vtable) kolo po kole.</translation>
    </message>
    <message>
        <source>FILE.ses</source>
        <extracomment>The value of an option: a session file, named with its ending .ses.</extracomment>
        <translation>SOUBOR.ses</translation>
    </message>
    <message>
        <source>Export its whole session as audio file OUT; a table file (.vtable) only when its every hold and rest is timed.</source>
        <extracomment>OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>Exportovat celý jeho trénink jako zvukový soubor VÝSTUP; soubor tabulky (.vtable) jen tehdy, má-li každá jeho zádrž i každý oddech pevnou délku.</translation>
    </message>
    <message>
        <source>Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table file when OUT ends in .vtable (one-breath and intervals need no PB), else a session file (co2 and o2).</source>
        <extracomment>%1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2, o2, one-breath and intervals here. KIND, PB and OUT are the values&apos; names in the usage, as the help lists them.</extracomment>
        <translation>Zapsat tabulku DRUH (%1) vytvořenou z osobního rekordu PB (m:ss nebo sekundy) do VÝSTUP: soubor tabulky, končí-li VÝSTUP na .vtable (one-breath a intervals PB nepotřebují), jinak soubor tréninku (co2 a o2).</translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --new-table: the kind of table.</extracomment>
        <translation>DRUH</translation>
    </message>
    <message>
        <source>With --table, print every cue heard instead: its second and its words.</source>
        <translation>S --table místo toho vypsat každý slyšený pokyn: jeho sekundu a jeho slova.</translation>
    </message>
    <message>
        <source>With --table --cues or --export-audio, the cue profile: %1, a profile of yours by name or a .vcues file; else the table&apos;s or your default.</source>
        <extracomment>%1 lists the built-in profiles (classic, guided, ...), typed as they are in every language.</extracomment>
        <translation>S --table --cues nebo --export-audio profil pokynů: %1, váš vlastní profil podle názvu nebo soubor .vcues; jinak profil tabulky nebo váš výchozí.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --profile: a cue profile&apos;s name.</extracomment>
        <translation>NÁZEV</translation>
    </message>
    <message>
        <source>A session file to open; with --export-audio, OUT.</source>
        <translation>Soubor tréninku k otevření; s --export-audio VÝSTUP.</translation>
    </message>
    <message>
        <source>[FILE.ses | OUT]</source>
        <extracomment>The arguments after the options in the usage line: a session file, or with --export-audio the output file.</extracomment>
        <translation>[SOUBOR.ses | VÝSTUP]</translation>
    </message>
    <message>
        <source>--table, --export-audio and --new-table cannot be used together.</source>
        <translation>--table, --export-audio a --new-table nelze použít současně.</translation>
    </message>
    <message>
        <source>--cues goes with --table, and --profile with --table --cues or --export-audio.</source>
        <translation>--cues patří k --table a --profile k --table --cues nebo --export-audio.</translation>
    </message>
    <message>
        <source>--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and intervals may go without the personal best.</source>
        <translation>--new-table DRUH přijímá osobní rekord a VÝSTUP (.ses nebo .vtable); one-breath a intervals se bez osobního rekordu obejdou.</translation>
    </message>
    <message>
        <source>--table takes no other argument.</source>
        <translation>--table nepřijímá žádný další argument.</translation>
    </message>
    <message>
        <source>--export-audio FILE.ses takes one output file, OUT.</source>
        <translation>--export-audio SOUBOR.ses přijímá jeden výstupní soubor, VÝSTUP.</translation>
    </message>
    <message>
        <source>Only one session file can be opened.</source>
        <translation>Otevřít lze jen jeden soubor tréninku.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be represented in this system&apos;s encoding, so Vellorin cannot open or write a file of that name.</source>
        <translation>Název &quot;%1&quot; nelze vyjádřit v kódování tohoto systému, a proto Vellorin nemůže otevřít ani zapsat soubor s tímto názvem.</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>výstup nelze zapsat: %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; given to %2 cannot be used: %3; it is left out.</source>
        <extracomment>Printed after &quot;vellorin: &quot;. %1 is a file name, %2 the option that named it (-stylesheet), %3 the reason, a clause.</extracomment>
        <translation>soubor &quot;%1&quot; zadaný pro %2 nelze použít: %3; vynechává se.</translation>
    </message>
    <message>
        <source>the session did not reach its end</source>
        <translation>trénink nedoběhl do konce</translation>
    </message>
</context>
<context>
    <name>CueProfile</name>
    <message>
        <source>the rest call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the rest, like &quot;two minutes&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>hlášení %1 v oddechu nelze vyslovit</translation>
    </message>
    <message>
        <source>the rest call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the rest, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>hlášení %1 v oddechu nelze odpočítat</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in a hold, like &quot;thirty seconds&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>hlášení %1 v zádrži nelze vyslovit</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in a hold, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>hlášení %1 v zádrži nelze odpočítat</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the session&apos;s last hold; %1 is the call, like 00:25.</extracomment>
        <translation>hlášení %1 v poslední zádrži nelze vyslovit</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the session&apos;s last hold; %1 is the count.</extracomment>
        <translation>hlášení %1 v poslední zádrži nelze odpočítat</translation>
    </message>
    <message>
        <source>the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)</source>
        <extracomment>The elapsed calls say how long a hold has lasted.</extracomment>
        <translation>hlášení uplynulého času musí zaznívat každých 0:30, 1:00, ... až 30:00, nebo nikdy (0)</translation>
    </message>
    <message>
        <source>the last breath must come 0 to 60 seconds before a hold</source>
        <extracomment>The last breath: the cue that asks for the last breath before a hold.</extracomment>
        <translation>poslední nádech musí zaznít 0 až 60 sekund před zádrží</translation>
    </message>
    <message>
        <source>the recovery breaths must be 0 to 3</source>
        <extracomment>The recovery breaths: the breaths called for after a hold.</extracomment>
        <translation>zotavovacích nádechů musí být 0 až 3</translation>
    </message>
    <message>
        <source>a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out</source>
        <extracomment>A paced breath: a breath in and out timed by the cues in a rest.</extracomment>
        <translation>řízený dech musí mít nádech 2 až 20 sekund a výdech 2 až 30 sekund</translation>
    </message>
    <message>
        <source>the paced part of a rest must be 0 to 1:00:00, or all</source>
        <extracomment>The paced part: the end of a rest in which the cues time each breath.</extracomment>
        <translation>řízená část oddechu musí trvat 0 až 1:00:00, nebo celý oddech</translation>
    </message>
</context>
<context>
    <name>CueSound</name>
    <message>
        <source>its sample rate is %1 Hz, not the %2 Hz of the other cues</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 and %2 are sample rates, like 22050.</extracomment>
        <translation>jeho vzorkovací frekvence je %1 Hz, ne %2 Hz jako u ostatních pokynů</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 is the system&apos;s reason.</extracomment>
        <translation>nelze jej načíst: %1</translation>
    </message>
    <message numerus="yes">
        <source>it is not mono (it has %n channels)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; mono: of one channel.</extracomment>
        <translation>
            <numerusform>není mono (má %n kanál)</numerusform>
            <numerusform>není mono (má %n kanály)</numerusform>
            <numerusform>není mono (má %n kanálů)</numerusform>
        </translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not one a cue can have</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>jeho vzorkovací frekvence %1 Hz není pro pokyn přípustná</translation>
    </message>
    <message numerus="yes">
        <source>its samples (format %1, %n bits) are neither integer PCM nor float</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 is the number of its sample format, %n the bits of a sample.</extracomment>
        <translation>
            <numerusform>jeho vzorky (formát %1, %n bit) nejsou ani celočíselné PCM, ani s plovoucí čárkou</numerusform>
            <numerusform>jeho vzorky (formát %1, %n bity) nejsou ani celočíselné PCM, ani s plovoucí čárkou</numerusform>
            <numerusform>jeho vzorky (formát %1, %n bitů) nejsou ani celočíselné PCM, ani s plovoucí čárkou</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>neobsahuje žádný zvuk</translation>
    </message>
    <message>
        <source>it lasts %1 s, longer than the %2 s a cue may last</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 and %2 are lengths in seconds.</extracomment>
        <translation>trvá %1 s, déle než %2 s, které smí pokyn trvat</translation>
    </message>
    <message>
        <source>its float samples are not numbers or go beyond full scale, so they cannot be scaled</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>jeho vzorky s plovoucí čárkou nejsou čísla nebo přesahují plný rozsah, takže je nelze škálovat</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>není to soubor WAV</translation>
    </message>
    <message>
        <source>it is not a WAV file Vellorin can read (no format)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>není to soubor WAV, který Vellorin umí číst (chybí formát)</translation>
    </message>
</context>
<context>
    <name>CueWords</name>
    <message>
        <source>(tick)</source>
        <translation>(tiknutí)</translation>
    </message>
    <message>
        <source>(tone: hold)</source>
        <translation>(tón: zádrž)</translation>
    </message>
    <message>
        <source>(tone: breathe)</source>
        <translation>(tón: dýchej)</translation>
    </message>
    <message>
        <source>(tone: the end)</source>
        <translation>(tón: konec)</translation>
    </message>
    <message>
        <source>(tone: time call)</source>
        <translation>(tón: hlášení času)</translation>
    </message>
    <message>
        <source>(tone: last breath)</source>
        <translation>(tón: poslední nádech)</translation>
    </message>
    <message>
        <source>(soft tone: hold the breath)</source>
        <translation>(jemný tón: zadrž dech)</translation>
    </message>
    <message>
        <source>(soft rising tone: breathe in)</source>
        <translation>(jemný stoupající tón: nádech)</translation>
    </message>
    <message>
        <source>(soft falling tone: breathe out)</source>
        <translation>(jemný klesající tón: výdech)</translation>
    </message>
</context>
<context>
    <name>DamagedLines</name>
    <message>
        <source>Left out line %1 of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the line&apos;s number, %2 the file&apos;s name, %3 why the line was left out.</extracomment>
        <translation>Vynechán řádek %1 souboru &quot;%2&quot;: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3 more.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 the first of the lines&apos; numbers, as a list (&quot;3, 4, 5, 6, 7&quot;), %3 how many more lines there are.</extracomment>
        <translation>
            <numerusform>Vynechán %n řádek souboru &quot;%1&quot;: řádky %2 a ještě %3.</numerusform>
            <numerusform>Vynechány %n řádky souboru &quot;%1&quot;: řádky %2 a ještě %3.</numerusform>
            <numerusform>Vynecháno %n řádků souboru &quot;%1&quot;: řádky %2 a ještě %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 all but the last of the lines&apos; numbers, as a list (&quot;3, 4, 5&quot;), %3 the last one.</extracomment>
        <translation>
            <numerusform>Vynechán %n řádek souboru &quot;%1&quot;: řádky %2 a %3.</numerusform>
            <numerusform>Vynechány %n řádky souboru &quot;%1&quot;: řádky %2 a %3.</numerusform>
            <numerusform>Vynecháno %n řádků souboru &quot;%1&quot;: řádky %2 a %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line&apos;s number, %2 why it was left out.</extracomment>
        <translation>Řádek %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a path cannot be read or written: it names a folder, a device or a pipe.</extracomment>
        <translation>nejde o soubor</translation>
    </message>
    <message>
        <source>its bytes could not be written to the disk</source>
        <extracomment>Why a file (&quot;its&quot;) could not be written.</extracomment>
        <translation>jeho bajty nelze zapsat na disk</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be read; %1 is the most bytes such a file may hold.</extracomment>
        <translation>je větší než %1 bajtů</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tables</source>
        <extracomment>In a file dialog&apos;s list of file types: session files and table files together.</extracomment>
        <translation>Tabulky</translation>
    </message>
    <message>
        <source>Session files</source>
        <translation>Soubory tréninků</translation>
    </message>
    <message>
        <source>Vellorin tables</source>
        <translation>Tabulky Vellorin</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Tables of rounds</source>
        <extracomment>A choice of the sessions shown: those of tables of rounds.</extracomment>
        <translation>Tabulky kol</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <extracomment>A choice of the sessions shown: those of classic tables of six settings.</extracomment>
        <translation>Klasické tabulky</translation>
    </message>
    <message>
        <source>All tables</source>
        <extracomment>A choice of the sessions shown: all of them.</extracomment>
        <translation>Všechny tabulky</translation>
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
        <translation>Průměrná první kontrakce</translation>
    </message>
    <message>
        <source>Range of first contractions</source>
        <translation>Rozsah prvních kontrakcí</translation>
    </message>
    <message>
        <source>First contraction in each hold</source>
        <translation>První kontrakce v každé zádrži</translation>
    </message>
    <message>
        <source>Total time held</source>
        <translation>Celkový čas zádrží</translation>
    </message>
    <message>
        <source>Personal-best attempts</source>
        <translation>Pokusy o osobní rekord</translation>
    </message>
    <message>
        <source>Time held in each session, and personal-best attempts</source>
        <translation>Čas zádrží v každém tréninku a pokusy o osobní rekord</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A column&apos;s heading: the training table a session ran.</extracomment>
        <translation>Tabulka</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Zádrže</translation>
    </message>
    <message>
        <source>Time held</source>
        <translation>Čas zádrží</translation>
    </message>
    <message>
        <source>First contraction</source>
        <translation>První kontrakce</translation>
    </message>
    <message>
        <source>Contractions</source>
        <translation>Kontrakce</translation>
    </message>
    <message>
        <source>Largest heart-rate drop</source>
        <extracomment>A series: per session, the heart rate at a hold&apos;s start less the lowest in it, the largest of the session&apos;s holds.</extracomment>
        <translation>Největší pokles tepové frekvence</translation>
    </message>
    <message>
        <source>Largest heart-rate drop in a hold of each session (heart rate at its start less the lowest)</source>
        <extracomment>The unit of a chart&apos;s values: beats per minute.</extracomment>
        <translation>Největší pokles tepové frekvence v zádrži v každém tréninku (tepová frekvence na začátku zádrže minus nejnižší)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>tepů/min</translation>
    </message>
    <message>
        <source>Lowest SpO2</source>
        <translation>Nejnižší SpO2</translation>
    </message>
    <message>
        <source>Lowest SpO2 in each session</source>
        <extracomment>The unit of a chart&apos;s values: percent.</extracomment>
        <translation>Nejnižší SpO2 v každém tréninku</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Hold %1, second by second</source>
        <extracomment>The title of a chart of one hold; %1 is the hold&apos;s number.</extracomment>
        <translation>Zádrž %1 po sekundách</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Tepová frekvence</translation>
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
        <translation>Je to váš osobní rekord.</translation>
    </message>
    <message>
        <source>No attempt before it could be read.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Žádný dřívější pokus se nepodařilo načíst.</translation>
    </message>
    <message>
        <source>A new personal best: it was %1.</source>
        <extracomment>%1 is the personal best before this attempt, a time like 3:05.</extracomment>
        <translation>Nový osobní rekord: dosavadní byl %1.</translation>
    </message>
    <message>
        <source>It beats the best attempt that could be read, %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Překonává nejlepší načtený pokus, %1.</translation>
    </message>
    <message>
        <source>Your personal best is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Váš osobní rekord je %1.</translation>
    </message>
    <message>
        <source>The best attempt that could be read is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Nejlepší načtený pokus je %1.</translation>
    </message>
    <message>
        <source>The test ended within the first second of the hold: too short for an attempt, so nothing was kept.</source>
        <extracomment>After a personal-best test: nothing was kept in the attempts file.</extracomment>
        <translation>Test skončil během první sekundy zádrže: na pokus to bylo příliš krátké, a tak se nic neuložilo.</translation>
    </message>
    <message>
        <source>You held your breath for %1.</source>
        <extracomment>%1 is the time held, like 3:05.</extracomment>
        <translation>Zádrž trvala %1.</translation>
    </message>
    <message>
        <source>Whether it is a personal best is not known.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold; the attempts file could not be read.</extracomment>
        <translation>Není známo, zda jde o osobní rekord.</translation>
    </message>
    <message>
        <source>The attempt could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the system&apos;s reason it could not be written.</extracomment>
        <translation>Pokus nelze uložit do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Its last hold, %1, is over 80 % of your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s last hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Poslední zádrž tabulky, %1, přesahuje 80 % vašeho osobního rekordu, %2.</translation>
    </message>
    <message>
        <source>Its longest hold, %1, is longer than your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s longest hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Nejdelší zádrž tabulky, %1, je delší než váš osobní rekord, %2.</translation>
    </message>
    <message>
        <source>Train breath-holds only on dry land, sitting or lying, never in or near water, and never alone.</source>
        <translation>Zádrž dechu trénujte jen na suchu, vsedě nebo vleže, nikdy ve vodě ani u vody a nikdy o samotě.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line&apos;s number in the cue profile&apos;s file, %2 what is wrong with it.</extracomment>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time from 0 to %2</source>
        <extracomment>%1 is the value in the file, %2 the longest time it may be, like 1:00.</extracomment>
        <translation>&quot;%1&quot; není čas od 0 do %2</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be spoken</source>
        <extracomment>A call is a time said (written m:ss) or a second counted (a bare number); %1 is the call as the file writes it.</extracomment>
        <translation>hlášení &quot;%1&quot; nelze vyslovit</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be counted (1 to 20)</source>
        <translation>hlášení &quot;%1&quot; nelze odpočítat (1 až 20)</translation>
    </message>
    <message>
        <source>it must be %1 or %2</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; %1 and %2 are the two words the file may hold, kept as they are.</extracomment>
        <translation>musí být %1 nebo %2</translation>
    </message>
    <message>
        <source>the name must be 1 to 100 characters</source>
        <translation>název musí mít 1 až 100 znaků</translation>
    </message>
    <message>
        <source>it must be a whole number from 0 to %1</source>
        <extracomment>Why a value (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>musí být celé číslo od 0 do %1</translation>
    </message>
    <message>
        <source>it must be two counts of seconds, or none</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; none is the word the file holds for no paced breathing, kept as it is.</extracomment>
        <translation>musí to být dva počty sekund, nebo none</translation>
    </message>
    <message>
        <source>it is not &quot;key = value&quot;</source>
        <extracomment>Why a line (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>nemá tvar &quot;klíč = hodnota&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given again</source>
        <extracomment>%1 is a setting&apos;s key in the file, such as rest-calls.</extracomment>
        <translation>&quot;%1&quot; je zadáno znovu</translation>
    </message>
    <message>
        <source>it is not a cue profile</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>není to profil pokynů</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin</source>
        <extracomment>Why a cue profile&apos;s file (&quot;it&quot;) cannot be loaded.</extracomment>
        <translation>zapsala jej novější verze Vellorin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a cue profile</source>
        <extracomment>%1 is a key in the file.</extracomment>
        <translation>&quot;%1&quot; není nastavení profilu pokynů</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key the file must hold, format or name, kept as it is.</extracomment>
        <translation>&quot;%1&quot; chybí</translation>
    </message>
    <message>
        <source>Could not load the cue profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the cue profile&apos;s file name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Nelze načíst profil pokynů &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>není to text v UTF-8</translation>
    </message>
    <message>
        <source>There is no cue profile &quot;%1&quot;: the profiles are %2, or those in &quot;%3&quot;.</source>
        <extracomment>%1 is the name asked for, %2 the built-in profiles&apos; names (&quot;classic, guided, ...&quot;), %3 the folder of the user&apos;s own profiles.</extracomment>
        <translation>Profil pokynů &quot;%1&quot; neexistuje: profily jsou %2, nebo ty ve složce &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>RoundsEditing</name>
    <message numerus="yes">
        <source>%n rounds</source>
        <extracomment>The total below a table&apos;s rounds, while a value is still to mend.</extracomment>
        <translation>
            <numerusform>%n kolo</numerusform>
            <numerusform>%n kola</numerusform>
            <numerusform>%n kol</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is how long the table lasts, like 24:30.</extracomment>
        <translation>
            <numerusform>%n kolo, %1</numerusform>
            <numerusform>%n kola, %1</numerusform>
            <numerusform>%n kol, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is the most the table can last, like 24:30, as a hold or a rest ends at a contraction or a key.</extracomment>
        <translation>
            <numerusform>%n kolo, nejvýše %1</numerusform>
            <numerusform>%n kola, nejvýše %1</numerusform>
            <numerusform>%n kol, nejvýše %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoundsPresets</name>
    <message>
        <source>CO2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>CO2 z PB %1</translation>
    </message>
    <message>
        <source>O2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>O2 z PB %1</translation>
    </message>
    <message>
        <source>Pyramid from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Pyramida z PB %1</translation>
    </message>
    <message>
        <source>Wonka from a PB of %1</source>
        <extracomment>The name of a new table whose holds end after the first contraction (&quot;Wonka&quot; is a name); %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka z PB %1</translation>
    </message>
    <message>
        <source>Wonka by count from a PB of %1</source>
        <extracomment>The name of a new table whose holds end at a count of contractions; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka podle počtu z PB %1</translation>
    </message>
    <message>
        <source>One-breath</source>
        <extracomment>The name of a new table whose rests are one breath each.</extracomment>
        <translation>Jeden nádech</translation>
    </message>
    <message>
        <source>Static intervals</source>
        <extracomment>The name of a new table whose holds start at a fixed interval.</extracomment>
        <translation>Statické intervaly</translation>
    </message>
    <message>
        <source>the personal best must be from 00:01 to %1 for a table of rounds</source>
        <extracomment>%1 is the longest personal best a table is made from, a time like 24:00:00.</extracomment>
        <translation>osobní rekord musí být pro tabulku kol od 00:01 do %1</translation>
    </message>
</context>
<context>
    <name>SensorSamples</name>
    <message>
        <source>its %1 holds no value a sensor gives</source>
        <extracomment>Why a row of a sensor samples file is left out; %1 is a column&apos;s name in the file.</extracomment>
        <translation>pole %1 není hodnota, kterou může senzor poslat</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <extracomment>Why a row of a sensor samples file is left out.</extracomment>
        <translation>byl useknut</translation>
    </message>
    <message>
        <source>its header has no %1</source>
        <extracomment>%1 is a column&apos;s name a sensor samples file must have.</extracomment>
        <translation>jeho záhlaví nemá sloupec %1</translation>
    </message>
    <message>
        <source>it has %1 columns, not %2</source>
        <extracomment>%1 and %2 are counts of columns.</extracomment>
        <translation>počet sloupců je %1, ne %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <extracomment>Why a sensor samples file is not read; %1 is the most bytes it may hold.</extracomment>
        <translation>obsahuje víc než %1 bajtů</translation>
    </message>
    <message>
        <source>Could not read the sensor samples &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>Nelze načíst hodnoty ze senzorů &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not keep the sensors&apos; values in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Hodnoty ze senzorů nelze uložit do &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>An error occured. Please check the values in the input fields.</source>
        <translation>Došlo k chybě. Zkontrolujte hodnoty ve vstupních polích.</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>the training log</source>
        <extracomment>One of Vellorin&apos;s own files, named in &quot;it is the training log Vellorin keeps, not a table&quot; (and so are the other two).</extracomment>
        <translation>tréninkový deník</translation>
    </message>
    <message>
        <source>the personal-best attempts</source>
        <extracomment>One of Vellorin&apos;s own files: the attempts of personal-best tests.</extracomment>
        <translation>pokusy o osobní rekord</translation>
    </message>
    <message>
        <source>the window&apos;s settings</source>
        <extracomment>One of Vellorin&apos;s own files: the window&apos;s size and other settings.</extracomment>
        <translation>nastavení okna</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is %2 Vellorin keeps, not a table.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Nelze načíst &quot;%1&quot;: je to soubor, který vede Vellorin (%2), ne tabulka.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Trénink nelze uložit do &quot;%1&quot;: je to soubor, který vede Vellorin (%2) a který tabulka nesmí nahradit.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files.</extracomment>
        <translation>Tabulku nelze uložit do &quot;%1&quot;: je to soubor, který vede Vellorin (%2) a který tabulka nesmí nahradit.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Trénink nelze uložit do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Tabulku nelze uložit do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a line break, which a session file cannot keep.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;.</extracomment>
        <translation>Trénink nelze uložit: pole &quot;%1&quot; obsahuje zalomení řádku, které soubor tréninku neuchová.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a NUL character, which a session file cannot keep.</source>
        <translation>Trénink nelze uložit: pole &quot;%1&quot; obsahuje znak NUL, který soubor tréninku neuchová.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds characters this system&apos;s encoding cannot keep in a session file.</source>
        <translation>Trénink nelze uložit: pole &quot;%1&quot; obsahuje znaky, které kódování tohoto systému v souboru tréninku neuchová.</translation>
    </message>
    <message>
        <source>Could not find default.ses in session folder. Make sure to safe a session as default.ses to eliminate this warning.</source>
        <translation>Ve složce tréninků nebyl nalezen soubor default.ses. Uložte trénink jako default.ses a toto varování zmizí.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason it cannot be loaded.
----------
%1 is the file&apos;s name, %2 the system&apos;s reason it cannot be read.</extracomment>
        <translation>Nelze načíst &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it holds only %2 of the %3 lines of a session.</source>
        <extracomment>%1 is the file&apos;s name, %2 how many lines it holds, %3 how many a session file has (6).</extracomment>
        <translation>Nelze načíst &quot;%1&quot;: obsahuje jen %2 z %3 řádků tréninku.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: line %2 is longer than %3 characters.</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number, %3 the most characters a line holds.</extracomment>
        <translation>Nelze načíst &quot;%1&quot;: řádek %2 je delší než %3 znaků.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is not a table (line %2 is not text).</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number.</extracomment>
        <translation>Nelze načíst &quot;%1&quot;: není to tabulka (řádek %2 není text).</translation>
    </message>
</context>
<context>
    <name>SessionPlan</name>
    <message>
        <source>the intro lasts more than %1 seconds, the most a table of rounds holds</source>
        <extracomment>%1 is the most seconds a phase of a table of rounds lasts (86400).</extracomment>
        <translation>úvod trvá déle než %1 sekund, což je nejvíc, co tabulka kol pojme</translation>
    </message>
    <message>
        <source>loop %1 lasts more than %2 seconds, the most a hold or a rest of a table of rounds lasts</source>
        <extracomment>%1 is the loop&apos;s number, %2 the most seconds a hold or a rest of a table of rounds lasts (86400).</extracomment>
        <translation>série %1 trvá déle než %2 sekund, což je nejvíc, co smí trvat zádrž nebo oddech tabulky kol</translation>
    </message>
    <message>
        <source>a phase must last at least 1 second</source>
        <extracomment>Why a session under way stops: a hold or rest would be shorter than a second.</extracomment>
        <translation>fáze musí trvat alespoň 1 sekundu</translation>
    </message>
    <message>
        <source>a computed value is not a finite number</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>vypočtená hodnota není konečné číslo</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <extracomment>%1 is the text of a settings field.</extracomment>
        <translation>není to číslo: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a computed number of seconds is out of range</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>vypočtený počet sekund je mimo rozsah</translation>
    </message>
    <message>
        <source>the number of loops must be a whole number from 1 to 32767</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>počet sérií musí být celé číslo od 1 do 32767</translation>
    </message>
    <message>
        <source>the intro must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>úvod musí trvat alespoň 1 sekundu</translation>
    </message>
    <message>
        <source>every hold must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>každá zádrž musí trvat alespoň 1 sekundu</translation>
    </message>
    <message>
        <source>every rest must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>každý oddech musí trvat alespoň 1 sekundu</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not a number: &quot;%2&quot;</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;, %2 its text.</extracomment>
        <translation>pole &quot;%1&quot; není číslo: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field to mend: &quot;%1&quot;. The reason: %2.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;; %2 is a reason such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Pole k opravě: &quot;%1&quot;. Důvod: %2.</translation>
    </message>
    <message>
        <source>the table lasts too long</source>
        <translation>tabulka trvá příliš dlouho</translation>
    </message>
    <message>
        <source>the table cannot be run</source>
        <translation>tabulku nelze spustit</translation>
    </message>
    <message>
        <source>too many loops</source>
        <translation>příliš mnoho sérií</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>no contractions</source>
        <translation>žádné kontrakce</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions</source>
        <translation>
            <numerusform>%n kontrakce</numerusform>
            <numerusform>%n kontrakce</numerusform>
            <numerusform>%n kontrakcí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1</source>
        <extracomment>%1 is the time into the hold of the first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n kontrakce, první v %1</numerusform>
            <numerusform>%n kontrakce, první v %1</numerusform>
            <numerusform>%n kontrakcí, první v %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done</source>
        <translation>žádná dokončená zádrž</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done</source>
        <translation>
            <numerusform>%n dokončená zádrž</numerusform>
            <numerusform>%n dokončené zádrže</numerusform>
            <numerusform>%n dokončených zádrží</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done of %1 begun</source>
        <extracomment>%1 is how many holds were begun.</extracomment>
        <translation>žádná dokončená zádrž ze zahájených: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done of %1 begun</source>
        <translation>
            <numerusform>%n dokončená zádrž ze zahájených: %1</numerusform>
            <numerusform>%n dokončené zádrže ze zahájených: %1</numerusform>
            <numerusform>%n dokončených zádrží ze zahájených: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Session over: %1, %2 held</source>
        <extracomment>%1 tells the holds done (&quot;8 holds done&quot;), %2 the time held in all (&quot;12:30&quot;).</extracomment>
        <translation>Trénink skončil: %1, celkem zadrženo %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1 on average</source>
        <extracomment>%1 is the average time into a hold of its first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n kontrakce, první průměrně v %1</numerusform>
            <numerusform>%n kontrakce, první průměrně v %1</numerusform>
            <numerusform>%n kontrakcí, první průměrně v %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hold %1: %2, %3</source>
        <extracomment>%1 is the hold&apos;s number, %2 the time held, %3 its contractions.</extracomment>
        <translation>Zádrž %1: %2, %3</translation>
    </message>
    <message>
        <source>Hold %1: %2, %3, cut short</source>
        <translation>Zádrž %1: %2, %3, přerušena</translation>
    </message>
    <message>
        <source>Holds %1 to %2: %3 held, %4</source>
        <extracomment>The holds past those listed one by one: %1 and %2 their first and last number, %3 the time held in all, %4 their contractions.</extracomment>
        <translation>Zádrže %1 až %2: celkem zadrženo %3, %4</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Breath-hold session running</source>
        <extracomment>Shown by the desktop as the reason it does not sleep or lock the screen.</extracomment>
        <translation>Probíhá trénink zádrže dechu</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>it must be a JSON object</source>
        <extracomment>Why a table file cannot be loaded: &quot;it&quot; is a value of the file.</extracomment>
        <translation>musí to být objekt JSON</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; chybí</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number of seconds from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; musí být celý počet sekund od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; musí být celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text of at most %2 characters, without control characters</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; musí být text o nejvýše %2 znacích, bez řídicích znaků</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be %1 or %2</source>
        <extracomment>&quot;end&quot; is a key of the table file; %1 and %2 are the words it may hold, quoted (&quot;&quot;time&quot;, &quot;cycle&quot;&quot; and &quot;&quot;breath&quot;&quot;), all kept as they are.</extracomment>
        <translation>&quot;end&quot; musí být %1 nebo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value a table file holds</source>
        <extracomment>%1 is a key found in the file.</extracomment>
        <translation>&quot;%1&quot; není hodnota, kterou soubor tabulky obsahuje</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a place in a table file, such as &quot;round 3, hold&quot;, %2 what is wrong there.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vellorin table file (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <extracomment>&quot;format&quot; is a key of the table file, %1 the word it must hold, kept as they are.</extracomment>
        <translation>není to soubor tabulky Vellorin (jeho &quot;format&quot; není &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin (table format version %1; this one reads version %2)</source>
        <extracomment>%1 and %2 are version numbers of the table file&apos;s format.</extracomment>
        <translation>zapsala jej novější verze Vellorin (verze formátu tabulky %1; tato verze čte verzi %2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <extracomment>&quot;version&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;version&quot; musí být %1</translation>
    </message>
    <message>
        <source>&quot;rounds&quot; must be a list of 1 to %1 rounds</source>
        <extracomment>&quot;rounds&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;rounds&quot; musí být seznam 1 až %1 kol</translation>
    </message>
    <message>
        <source>round %1</source>
        <extracomment>A place in a table file, before what is wrong there: &quot;round 3: ...&quot;.</extracomment>
        <translation>kolo %1</translation>
    </message>
    <message>
        <source>round %1, hold</source>
        <extracomment>A place in a table file, the hold of a round: &quot;round 3, hold: ...&quot;.</extracomment>
        <translation>kolo %1, zádrž</translation>
    </message>
    <message>
        <source>round %1, rest</source>
        <extracomment>A place in a table file, the rest of a round: &quot;round 3, rest: ...&quot;.</extracomment>
        <translation>kolo %1, oddech</translation>
    </message>
    <message>
        <source>it is not a table file (it holds a NUL byte)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>není to soubor tabulky (obsahuje bajt NUL)</translation>
    </message>
    <message>
        <source>it is not a table file (it is not UTF-8 text)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>není to soubor tabulky (není to text v UTF-8)</translation>
    </message>
    <message>
        <source>it is not a table file (it begins with a byte-order mark)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>není to soubor tabulky (začíná značkou pořadí bajtů)</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Nelze načíst &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1: %2</source>
        <extracomment>%1 is a round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>kolo %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>je větší než %1 bajtů</translation>
    </message>
    <message>
        <source>it is not a table file (not JSON: %1 at byte %2)</source>
        <extracomment>%1 is why the JSON cannot be read, such as &quot;unterminated object&quot;, %2 where.</extracomment>
        <translation>není to soubor tabulky (není to JSON: %1 na bajtu %2)</translation>
    </message>
</context>
<context>
    <name>TableProblems</name>
    <message>
        <source>the hold of %1 is longer than your personal best of %2</source>
        <extracomment>%1 is the hold&apos;s length and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>zádrž %1 je delší než váš osobní rekord %2</translation>
    </message>
    <message>
        <source>the cap of %1 is longer than your personal best of %2</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last. %1 is the cap and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>strop %1 je delší než váš osobní rekord %2</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <extracomment>%1 is the round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Kolo %1: %2.</translation>
    </message>
    <message>
        <source>the hold must last from %1 to %2 seconds</source>
        <extracomment>A reason, after &quot;Round 3: &quot; or on its own with a capital first letter.</extracomment>
        <translation>zádrž musí trvat %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the margin after the first contraction must be from %1 to %2 seconds</source>
        <translation>rezerva po první kontrakci musí být %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the number of contractions must be from 1 to %1</source>
        <translation>počet kontrakcí musí být 1 až %1</translation>
    </message>
    <message>
        <source>the cap must be from %1 to %2 seconds</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last.</extracomment>
        <translation>strop musí být %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the minimum must be from %1 to %2 seconds</source>
        <extracomment>The minimum: the shortest a hold that ends at a contraction may last.</extracomment>
        <translation>minimum musí být %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the cap must be at least the minimum</source>
        <translation>strop musí být alespoň roven minimu</translation>
    </message>
    <message>
        <source>the rest must last from %1 to %2 seconds</source>
        <translation>oddech musí trvat %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the cycle must be from %1 to %2 seconds</source>
        <extracomment>The cycle: the time from one hold&apos;s start to the next one&apos;s.</extracomment>
        <translation>cyklus musí být %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the shortest rest of the cycle must be from %1 to %2 seconds</source>
        <translation>nejkratší oddech cyklu musí být %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the longest one-breath rest must be from %1 to %2 seconds</source>
        <translation>nejdelší oddech na jeden nádech musí být %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the name must be at most %1 characters, without control characters</source>
        <translation>název smí mít nejvýše %1 znaků, bez řídicích znaků</translation>
    </message>
    <message>
        <source>the intro must last from %1 to %2 seconds</source>
        <translation>úvod musí trvat %1 až %2 sekund</translation>
    </message>
    <message>
        <source>the cue profile&apos;s name must be at most %1 characters, without control characters</source>
        <translation>název profilu pokynů smí mít nejvýše %1 znaků, bez řídicích znaků</translation>
    </message>
    <message>
        <source>the table must have at least one round</source>
        <translation>tabulka musí mít alespoň jedno kolo</translation>
    </message>
    <message>
        <source>the repeat must be from 1 to %1</source>
        <extracomment>The repeat: how many times in a row the round is run.</extracomment>
        <translation>opakování musí být 1 až %1</translation>
    </message>
    <message numerus="yes">
        <source>the table runs %n rounds with its repeats, more than %1</source>
        <extracomment>%n is how many rounds the table runs, %1 the most a table may run.</extracomment>
        <translation>
            <numerusform>tabulka má s opakováními %n kolo, víc než %1</numerusform>
            <numerusform>tabulka má s opakováními %n kola, víc než %1</numerusform>
            <numerusform>tabulka má s opakováními %n kol, víc než %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts %n seconds in all, more than %1</source>
        <extracomment>%n is how long the table lasts, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>tabulka trvá celkem %n sekundu, víc než %1</numerusform>
            <numerusform>tabulka trvá celkem %n sekundy, víc než %1</numerusform>
            <numerusform>tabulka trvá celkem %n sekund, víc než %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts up to %n seconds in all, more than %1</source>
        <extracomment>%n is the most the table can last, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>tabulka trvá celkem až %n sekundu, víc než %1</numerusform>
            <numerusform>tabulka trvá celkem až %n sekundy, víc než %1</numerusform>
            <numerusform>tabulka trvá celkem až %n sekund, víc než %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrainerMainform</name>
    <message>
        <source>Intro</source>
        <translation>Úvod</translation>
    </message>
    <message>
        <source>Breath hold(max)</source>
        <translation>Zádrž (max)</translation>
    </message>
    <message>
        <source>Increase hold time by</source>
        <translation>Prodloužit zádrž o</translation>
    </message>
    <message>
        <source>Initial rest time</source>
        <translation>Počáteční oddech</translation>
    </message>
    <message>
        <source>Decrease rest by</source>
        <translation>Zkrátit oddech o</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Počet sérií</translation>
    </message>
    <message>
        <source>Session Settings</source>
        <translation>Nastavení tréninku</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Úvod:</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Breath hold(max):</source>
        <translation>Zádrž (max):</translation>
    </message>
    <message>
        <source>Increase hold time by:</source>
        <translation>Prodloužit zádrž o:</translation>
    </message>
    <message>
        <source>Initial rest time:</source>
        <translation>Počáteční oddech:</translation>
    </message>
    <message>
        <source>Decrease rest by:</source>
        <translation>Zkrátit oddech o:</translation>
    </message>
    <message>
        <source> Start</source>
        <translation> Start</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Trénink</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Série 1</translation>
    </message>
    <message>
        <source>Current Sequence</source>
        <translation>Aktuální fáze</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Zádrž</translation>
    </message>
    <message>
        <source>Current loop</source>
        <translation>Aktuální série</translation>
    </message>
    <message>
        <source>Session time left</source>
        <translation>Zbývající čas tréninku</translation>
    </message>
    <message>
        <source>Current phase</source>
        <translation>Aktuální fáze</translation>
    </message>
    <message>
        <source>Phase time left</source>
        <translation>Zbývající čas fáze</translation>
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
        <translation>Každá klávesa funguje bez ohledu na to, co má fokus, i v režimu zatemnění.

Space	spustit trénink, když žádný neběží; pozastavit nebo obnovit běžící
Ctrl+R	vrátit trénink na začátek
Ctrl+O	načíst tabulku
Ctrl+Z	vrátit poslední načtení (nejdřív se vrací psaní v poli)
Ctrl+S	uložit tabulku
Ctrl+E	exportovat trénink jako zvuk
Ctrl+T	test osobního rekordu (Space jej ukončí)
Ctrl+N	nová tabulka z osobního rekordu
Ctrl+B	upravit tabulku kol (novou ze šesti nastavení)
Ctrl+H	historie tréninků
Enter nebo C	během zádrže: označit kontrakci; v oddechu na jeden nádech: nádech proveden
	(jinde v tréninku: jemné &quot;teď ne&quot;)
F11	zatemnění: jen čtyři displeje na celé obrazovce (Esc jej ukončí)
F1	o programu Vellorin a jeho klávesách
Ctrl+Q	ukončit
Enter	kliknout na tlačítko s fokusem, když neběží žádný trénink</translation>
    </message>
</context>
<context>
    <name>TrainingLog</name>
    <message>
        <source>Could not keep the session in the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Trénink nelze uložit do tréninkového deníku &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its %1 is not a whole number from %2 to %3</source>
        <extracomment>Why a row of the training log is left out; %1 is a column&apos;s name in the file, such as held_seconds, kept as it is.</extracomment>
        <translation>pole %1 není celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>the row was cut short</source>
        <extracomment>Why a row of the training log is left out.</extracomment>
        <translation>řádek byl useknut</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a row (&quot;it&quot;) of the training log is left out.</extracomment>
        <translation>je delší než %1 bajtů</translation>
    </message>
    <message numerus="yes">
        <source>it has %n columns, not %1</source>
        <extracomment>%n is how many columns the row has, %1 how many the log expects: a number, or three as &quot;14, 17 or 21&quot;.</extracomment>
        <translation>
            <numerusform>má %n sloupec, ne %1</numerusform>
            <numerusform>má %n sloupce, ne %1</numerusform>
            <numerusform>má %n sloupců, ne %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its session_start is not a date and time</source>
        <extracomment>session_start is a column&apos;s name in the file, kept as it is.</extracomment>
        <translation>pole session_start není datum a čas</translation>
    </message>
    <message>
        <source>its completed is neither yes nor no</source>
        <extracomment>completed is a column&apos;s name in the file, yes and no the words it holds, all kept as they are.</extracomment>
        <translation>pole completed není yes ani no</translation>
    </message>
    <message>
        <source>its kind is neither classic nor rounds</source>
        <extracomment>kind is a column&apos;s name in the file, classic and rounds the words it holds, all kept as they are.</extracomment>
        <translation>pole kind není classic ani rounds</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a hold ends</source>
        <extracomment>%1 is a column&apos;s name in the file, hold or hold_rule, kept as it is.</extracomment>
        <translation>pole %1 není pravidlo, jak zádrž končí</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a rest ends</source>
        <extracomment>%1 is a column&apos;s name in the file, rest or rest_rule, kept as it is.</extracomment>
        <translation>pole %1 není pravidlo, jak oddech končí</translation>
    </message>
    <message>
        <source>the export was stopped</source>
        <extracomment>Why the training log&apos;s copy was not written: the user stopped it.</extracomment>
        <translation>export byl zastaven</translation>
    </message>
    <message>
        <source>it is the training log itself</source>
        <extracomment>Why the training log cannot be exported to the file chosen.</extracomment>
        <translation>je to sám tréninkový deník</translation>
    </message>
    <message>
        <source>Could not read the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the reason it cannot be read.</extracomment>
        <translation>Nelze načíst tréninkový deník &quot;%1&quot;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n bytes, more than the %1 a training log may hold</source>
        <extracomment>%n is the file&apos;s size and %1 the largest a training log may be, both in bytes.</extracomment>
        <translation>
            <numerusform>obsahuje %n bajt, víc než %1, které smí tréninkový deník mít</numerusform>
            <numerusform>obsahuje %n bajty, víc než %1, které smí tréninkový deník mít</numerusform>
            <numerusform>obsahuje %n bajtů, víc než %1, které smí tréninkový deník mít</numerusform>
        </translation>
    </message>
    <message>
        <source>it grew past %1 bytes</source>
        <extracomment>%1 is the largest a training log may be, in bytes.</extracomment>
        <translation>překročil %1 bajtů</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Three numbers of columns a row of the training log may have.</extracomment>
        <translation>%1, %2 nebo %3</translation>
    </message>
    <message>
        <source>its spo2_lowest_second has no spo2_lowest</source>
        <extracomment>spo2_lowest_second and spo2_lowest are columns&apos; names in the file, kept as they are.</extracomment>
        <translation>pole spo2_lowest_second je vyplněno, ale pole spo2_lowest ne</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used; %1 is a number of bytes.</extracomment>
        <translation>je větší než %1 bajtů</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;its&quot;) cannot be written.</extracomment>
        <translation>do jeho složky nelze zapisovat</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be written.</extracomment>
        <translation>nelze jej zapsat</translation>
    </message>
    <message>
        <source>it is not in the INI format</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>není ve formátu INI</translation>
    </message>
    <message>
        <source>The setting could not be kept in &quot;%1&quot;: %2. It holds until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be written.</extracomment>
        <translation>Nastavení nelze uložit do &quot;%1&quot;: %2. Platí do zavření programu Vellorin.</translation>
    </message>
    <message>
        <source>The window&apos;s settings file &quot;%1&quot; cannot be used: %2. The window&apos;s size and the training log switch hold only until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be used. The training log switch turns the keeping of the training log on and off.</extracomment>
        <translation>Soubor nastavení okna &quot;%1&quot; nelze použít: %2. Velikost okna a přepínač tréninkového deníku platí jen do zavření programu Vellorin.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>up to %1</source>
        <extracomment>In the window&apos;s title: the most the table can last, %1 a time like 40:30.</extracomment>
        <translation>nejvýše %1</translation>
    </message>
</context>
<context>
    <name>vellorin::AttemptsDialog</name>
    <message>
        <source>Personal bests</source>
        <translation>Osobní rekordy</translation>
    </message>
    <message>
        <source>Began</source>
        <extracomment>The headings of the list of attempts: when each began, and the time held.</extracomment>
        <translation>Začátek</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Čas zádrže</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Odebrat...</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss nebo sekundy</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Přidat</translation>
    </message>
    <message>
        <source>&amp;Began:</source>
        <translation>&amp;Začátek:</translation>
    </message>
    <message>
        <source>&amp;Held:</source>
        <extracomment>The field of the time held in an attempt.</extracomment>
        <translation>Č&amp;as zádrže:</translation>
    </message>
    <message>
        <source>Your attempts:</source>
        <translation>Vaše pokusy:</translation>
    </message>
    <message>
        <source>A personal best from elsewhere:</source>
        <translation>Osobní rekord odjinud:</translation>
    </message>
    <message>
        <source>Remove the attempt that began %1, held %2? It cannot be brought back.</source>
        <extracomment>%1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).</extracomment>
        <translation>Odebrat pokus zahájený %1, zádrž %2? Nelze jej vrátit zpět.</translation>
    </message>
    <message>
        <source>Could not remove the attempt from &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Pokus nelze odebrat z &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The time held is typed as m:ss (&quot;3:05&quot;) or in seconds (&quot;185&quot;), at least 1 second.</source>
        <translation>Čas zádrže se zadává jako m:ss (&quot;3:05&quot;) nebo v sekundách (&quot;185&quot;), alespoň 1 sekunda.</translation>
    </message>
    <message>
        <source>Could not add the attempt to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Pokus nelze přidat do &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileDialog</name>
    <message>
        <source>Cue profile - Vellorin</source>
        <translation>Profil pokynů - Vellorin</translation>
    </message>
    <message>
        <source>Start &amp;from:</source>
        <extracomment>The built-in profile whose settings fill the fields.</extracomment>
        <translation>V&amp;ýchozí profil:</translation>
    </message>
    <message>
        <source>words</source>
        <extracomment>A profile&apos;s sound: calls spoken in words.</extracomment>
        <translation>slova</translation>
    </message>
    <message>
        <source>tones</source>
        <extracomment>A profile&apos;s sound: tones, no words.</extracomment>
        <translation>tóny</translation>
    </message>
    <message>
        <source>hold</source>
        <extracomment>What a hold begins with: the word &quot;hold&quot;.</extracomment>
        <translation>zadrž dech</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>What a hold begins with: &quot;official top&quot;, as at a freediving competition.</extracomment>
        <translation>top</translation>
    </message>
    <message>
        <source>Pace in &amp;words, not soft tones</source>
        <translation>Řídit dech &amp;slovy, ne jemnými tóny</translation>
    </message>
    <message>
        <source>Say the holds and the time held at the &amp;end</source>
        <translation>Na k&amp;onci ohlásit počet zádrží a celkový čas</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Název:</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Zvuk:</translation>
    </message>
    <message>
        <source>A hold &amp;begins with:</source>
        <translation>Zádrž za&amp;číná:</translation>
    </message>
    <message>
        <source>Calls before a &amp;hold:</source>
        <extracomment>The times called out in each rest, before the hold.</extracomment>
        <translation>Hlášení před zá&amp;drží:</translation>
    </message>
    <message>
        <source>Calls in every h&amp;old:</source>
        <translation>Hlášení v každé zádr&amp;ži:</translation>
    </message>
    <message>
        <source>Calls in the &amp;last hold:</source>
        <translation>Hlášení v &amp;poslední zádrži:</translation>
    </message>
    <message>
        <source>Time held called e&amp;very:</source>
        <translation>Hlásit čas zádrže &amp;každých:</translation>
    </message>
    <message>
        <source>&quot;Last b&amp;reath&quot;, seconds before a hold:</source>
        <translation>&quot;Posledn&amp;í nádech&quot;, sekund před zádrží:</translation>
    </message>
    <message>
        <source>Re&amp;covery breaths after a hold:</source>
        <translation>Zotavovací nád&amp;echy po zádrži:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds &amp;in:</source>
        <translation>Řízené dýchání, sekundy nádec&amp;hu:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds o&amp;ut:</source>
        <translation>Řízené dýchání, sekundy &amp;výdechu:</translation>
    </message>
    <message>
        <source>Pace the last part of a rest (m:ss or all):</source>
        <extracomment>&quot;all&quot; is typed as it is, in English: the profile file&apos;s word for the whole rest.</extracomment>
        <translation>Řídit poslední část oddechu (m:ss nebo all):</translation>
    </message>
    <message>
        <source>Calls are written m:ss to be spoken (0:30 &quot;thirty seconds&quot;) and as a bare number to be counted (5 &quot;five&quot;).</source>
        <extracomment>How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.</extracomment>
        <translation>Hlášení se zapisují jako m:ss, aby se vyslovila (0:30 &quot;třicet sekund&quot;), a jako samotné číslo, aby se odpočítala (5 &quot;pět&quot;).</translation>
    </message>
    <message>
        <source>My %1</source>
        <extracomment>The name proposed for a profile of the user&apos;s own made from a built-in one; %1 is the built-in profile&apos;s key, as &quot;guided&quot;.</extracomment>
        <translation>Můj %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
    <message>
        <source>A hold begins with</source>
        <translation>Zádrž začíná</translation>
    </message>
    <message>
        <source>Calls before a hold</source>
        <translation>Hlášení před zádrží</translation>
    </message>
    <message>
        <source>Calls in every hold</source>
        <translation>Hlášení v každé zádrži</translation>
    </message>
    <message>
        <source>Calls in the last hold</source>
        <translation>Hlášení v poslední zádrži</translation>
    </message>
    <message>
        <source>Time held called every</source>
        <translation>Hlásit čas zádrže každých</translation>
    </message>
    <message>
        <source>Last breath</source>
        <translation>Poslední nádech</translation>
    </message>
    <message>
        <source>Recovery breaths</source>
        <translation>Zotavovací nádechy</translation>
    </message>
    <message>
        <source>Paced breathing</source>
        <translation>Řízené dýchání</translation>
    </message>
    <message>
        <source>Pace the last part of a rest</source>
        <translation>Řídit poslední část oddechu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the profile and why its value cannot be used: &quot;Sound: it must be words or tones&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a built-in profile: choose another name.</source>
        <translation>&quot;%1&quot; je název vestavěného profilu: zvolte jiný název.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is kept in the file of your profile &quot;%2&quot;: choose another name.</source>
        <extracomment>%1 is the name typed, %2 the name of another profile whose file name would be the same.</extracomment>
        <translation>&quot;%1&quot; by se ukládal do souboru vašeho profilu &quot;%2&quot;: zvolte jiný název.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>složku nelze vytvořit</translation>
    </message>
    <message>
        <source>Could not save the cue profile to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Profil pokynů nelze uložit do &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileMenu</name>
    <message>
        <source>Cue &amp;profile</source>
        <translation>&amp;Profil pokynů</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>A built-in cue profile: the cues of the classic timer.</extracomment>
        <translation>Klasický</translation>
    </message>
    <message>
        <source>Guided</source>
        <extracomment>A built-in cue profile: calls that guide the breathing and the holds.</extracomment>
        <translation>S vedením</translation>
    </message>
    <message>
        <source>Competition countdown</source>
        <extracomment>A built-in cue profile: the countdown of a freediving competition.</extracomment>
        <translation>Závodní odpočet</translation>
    </message>
    <message>
        <source>Tones only</source>
        <extracomment>A built-in cue profile: tones, no words.</extracomment>
        <translation>Jen tóny</translation>
    </message>
    <message>
        <source>Your default</source>
        <extracomment>In a table&apos;s list of cue profiles: the profile chosen in Training &gt; Cue profile.</extracomment>
        <translation>Váš výchozí</translation>
    </message>
    <message>
        <source>%1 (not found: your default plays)</source>
        <extracomment>A cue profile a table names that this user does not have; %1 is its name.</extracomment>
        <translation>%1 (nenalezen: hraje váš výchozí)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>A profile file of the user&apos;s that cannot be read; %1 is its file name.</extracomment>
        <translation>%1: nelze načíst</translation>
    </message>
    <message>
        <source>&amp;Edit profile...</source>
        <translation>&amp;Upravit profil...</translation>
    </message>
</context>
<context>
    <name>vellorin::HistoryWindow</name>
    <message>
        <source>%1, %2, %3 held</source>
        <extracomment>The sessions shown and their holds: %1 is &quot;3 sessions&quot;, %2 &quot;6 holds&quot;, %3 the time held in them, as 09:00 or 12:05:00.</extracomment>
        <translation>%1, %2, celkem zadrženo %3</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions</source>
        <translation>
            <numerusform>%n trénink</numerusform>
            <numerusform>%n tréninky</numerusform>
            <numerusform>%n tréninků</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holds</source>
        <translation>
            <numerusform>%n zádrž</numerusform>
            <numerusform>%n zádrže</numerusform>
            <numerusform>%n zádrží</numerusform>
        </translation>
    </message>
    <message>
        <source>History - Vellorin</source>
        <translation>Historie - Vellorin</translation>
    </message>
    <message>
        <source>Reading the training log…</source>
        <translation>Načítání tréninkového deníku…</translation>
    </message>
    <message>
        <source>Export the &amp;log...</source>
        <translation>Exportovat &amp;deník...</translation>
    </message>
    <message>
        <source>Export the &amp;sessions...</source>
        <translation>Exportovat &amp;tréninky...</translation>
    </message>
    <message>
        <source>Tables shown</source>
        <translation>Zobrazené tabulky</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>Ta&amp;bulky:</translation>
    </message>
    <message>
        <source>No sessions: the training log is switched off (Training &gt; Keep a training log).</source>
        <translation>Žádné tréninky: tréninkový deník je vypnutý (Trénování &gt; Vést tréninkový deník).</translation>
    </message>
    <message>
        <source>The training log is switched off (Training &gt; Keep a training log): the sessions you train now are not kept.</source>
        <translation>Tréninkový deník je vypnutý (Trénování &gt; Vést tréninkový deník): tréninky, které teď absolvujete, se neukládají.</translation>
    </message>
    <message>
        <source>No sessions yet: every session you train is kept in the training log &quot;%1&quot;.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Zatím žádné tréninky: každý trénink, který absolvujete, se ukládá do tréninkového deníku &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The training log &quot;%1&quot; holds no sessions yet.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Tréninkový deník &quot;%1&quot; zatím neobsahuje žádné tréninky.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of tables of rounds yet.</source>
        <translation>Tréninkový deník zatím neobsahuje žádné tréninky podle tabulek kol.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of classic tables yet.</source>
        <translation>Tréninkový deník zatím neobsahuje žádné tréninky podle klasických tabulek.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of %1 yet.</source>
        <extracomment>%1 is the name of a table file.</extracomment>
        <translation>Tréninkový deník zatím neobsahuje žádné tréninky podle tabulky %1.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Exportovat tréninky</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Exportovat deník</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Soubory CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Nelze exportovat do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Hold &amp;curve...</source>
        <translation>&amp;Křivka zádrže...</translation>
    </message>
    <message>
        <source>The heart rate and SpO2 second by second in the session&apos;s holds</source>
        <translation>Tepová frekvence a SpO2 po sekundách v zádržích tréninku</translation>
    </message>
</context>
<context>
    <name>vellorin::HoldCurveWindow</name>
    <message>
        <source>Hold curve - Vellorin</source>
        <translation>Křivka zádrže - Vellorin</translation>
    </message>
    <message>
        <source>Reading the sensor samples…</source>
        <translation>Načítání hodnot ze senzorů…</translation>
    </message>
    <message>
        <source>&amp;Hold:</source>
        <translation>&amp;Zádrž:</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>An entry of the list of a session&apos;s holds; %1 is the hold&apos;s number.</extracomment>
        <translation>Zádrž %1</translation>
    </message>
    <message>
        <source>The sensor samples &quot;%1&quot; hold no second of a hold.</source>
        <extracomment>%1 is a sensor samples file&apos;s name.</extracomment>
        <translation>Hodnoty ze senzorů &quot;%1&quot; neobsahují ani jednu sekundu zádrže.</translation>
    </message>
</context>
<context>
    <name>vellorin::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>Jazyk systému (%1)</translation>
    </message>
    <message>
        <source>Vellorin speaks %1 from its next start: its window, messages and spoken cues.</source>
        <extracomment>%1 is the language chosen, named in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Od příštího spuštění bude Vellorin používat jazyk %1: v okně, ve zprávách i v mluvených pokynech.</translation>
    </message>
</context>
<context>
    <name>vellorin::LightsOutView</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large in lights-out while the session is paused.</extracomment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Contraction %1</source>
        <extracomment>Shown a moment after a contraction was marked; %1 is its number in the hold.</extracomment>
        <translation>Kontrakce %1</translation>
    </message>
    <message>
        <source>Contractions: %1</source>
        <translation>Kontrakce: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::PbTableDialog</name>
    <message>
        <source>New table from personal best</source>
        <translation>Nová tabulka z osobního rekordu</translation>
    </message>
    <message>
        <source>&amp;CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Tabulka &amp;CO2: zádrže 50 % vašeho PB, oddechy od 2:00 zkracované o 15 s</translation>
    </message>
    <message>
        <source>&amp;O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Tabulka &amp;O2: oddechy 2:00, zádrže prodlužované o 15 s až na 80 % vašeho PB</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss nebo sekundy</translation>
    </message>
    <message>
        <source>&amp;Fill the fields</source>
        <translation>&amp;Vyplnit pole</translation>
    </message>
    <message>
        <source>&amp;Personal best:</source>
        <translation>&amp;Osobní rekord:</translation>
    </message>
    <message>
        <source>Type your personal best as m:ss or in seconds.</source>
        <translation>Zadejte osobní rekord jako m:ss nebo v sekundách.</translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsEditor</name>
    <message>
        <source>Table of rounds</source>
        <translation>Tabulka kol</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss nebo sekundy</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Přidat</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplikovat</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Odebrat</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Posunout nahoru</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Posunout dolů</translation>
    </message>
    <message>
        <source>&amp;Fill from the six settings</source>
        <extracomment>The six settings: the six fields of the main window that make a classic table.</extracomment>
        <translation>&amp;Vyplnit ze šesti nastavení</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Uložit &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Use this table</source>
        <translation>Použí&amp;t tuto tabulku</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Název:</translation>
    </message>
    <message>
        <source>&amp;Intro:</source>
        <extracomment>The countdown before the first hold of the table.</extracomment>
        <translation>&amp;Úvod:</translation>
    </message>
    <message>
        <source>&amp;What you hear:</source>
        <extracomment>The cue profile the table plays.</extracomment>
        <translation>&amp;Co uslyšíte:</translation>
    </message>
    <message>
        <source>R&amp;ounds:</source>
        <translation>&amp;Kola:</translation>
    </message>
    <message>
        <source>Could not fill the table from the six settings: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Tabulku nelze vyplnit ze šesti nastavení: %1.</translation>
    </message>
    <message>
        <source>Replace the rounds with the six settings&apos; table? The changes you have not saved are lost.</source>
        <translation>Nahradit kola tabulkou ze šesti nastavení? Neuložené změny budou ztraceny.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file name, %2 the name of one of the program&apos;s own files, as &quot;the training log&quot;.</extracomment>
        <translation>Tabulku nelze uložit do &quot;%1&quot;: je to soubor, který vede Vellorin (%2) a který tabulka nesmí nahradit.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Tabulku nelze uložit do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Close the table without saving your changes to it?</source>
        <translation>Zavřít tabulku bez uložení změn?</translation>
    </message>
    <message>
        <source>Save the table of rounds</source>
        <translation>Uložit tabulku kol</translation>
    </message>
    <message>
        <source>Vellorin tables (*.vtable)</source>
        <translation>Tabulky Vellorin (*.vtable)</translation>
    </message>
    <message>
        <source>Hold &amp;length:</source>
        <translation>Dél&amp;ka zádrže:</translation>
    </message>
    <message>
        <source>Mar&amp;gin:</source>
        <extracomment>The time a hold goes on after the first contraction.</extracomment>
        <translation>&amp;Rezerva:</translation>
    </message>
    <message>
        <source>Con&amp;tractions:</source>
        <extracomment>The count of contractions that ends a hold.</extracomment>
        <translation>Kon&amp;trakce:</translation>
    </message>
    <message>
        <source>&amp;Cap:</source>
        <extracomment>The longest a hold may go on.</extracomment>
        <translation>&amp;Strop:</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <extracomment>The shortest a hold may be.</extracomment>
        <translation>&amp;Minimum:</translation>
    </message>
    <message>
        <source>Rest lengt&amp;h:</source>
        <translation>Délka odd&amp;echu:</translation>
    </message>
    <message>
        <source>C&amp;ycle:</source>
        <extracomment>The time from the start of a hold to the start of the next, the rest taking what the hold leaves.</extracomment>
        <translation>C&amp;yklus:</translation>
    </message>
    <message>
        <source>&amp;Floor (shortest rest):</source>
        <translation>Spodní me&amp;z (nejkratší oddech):</translation>
    </message>
    <message>
        <source>Longest &amp;breath:</source>
        <extracomment>The longest a one-breath rest may last.</extracomment>
        <translation>Nejdelší nádec&amp;h:</translation>
    </message>
    <message>
        <source>Re&amp;peat:</source>
        <extracomment>How many times the round is run.</extracomment>
        <translation>Opakov&amp;ání:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>hold</comment>
        <extracomment>A kind of hold: one of a set length.</extracomment>
        <translation>Pevná délka</translation>
    </message>
    <message>
        <source>First contraction + margin</source>
        <extracomment>A kind of hold: it ends a margin after the first contraction.</extracomment>
        <translation>První kontrakce + rezerva</translation>
    </message>
    <message>
        <source>N-th contraction</source>
        <extracomment>A kind of hold: it ends at a given count of contractions.</extracomment>
        <translation>N-tá kontrakce</translation>
    </message>
    <message>
        <source>&amp;Kind of hold:</source>
        <translation>D&amp;ruh zádrže:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>rest</comment>
        <extracomment>A kind of rest: one of a set length.</extracomment>
        <translation>Pevná délka</translation>
    </message>
    <message>
        <source>Cycle</source>
        <extracomment>A kind of rest: it lasts what the hold leaves of a set cycle.</extracomment>
        <translation>Cyklus</translation>
    </message>
    <message>
        <source>One breath</source>
        <extracomment>A kind of rest: a single breath.</extracomment>
        <translation>Jeden nádech</translation>
    </message>
    <message>
        <source>Kind of r&amp;est:</source>
        <translation>Druh odd&amp;echu:</translation>
    </message>
    <message>
        <source>%1. To mend: %2</source>
        <extracomment>A row of the table that cannot be run: its number, and what is wrong with it.</extracomment>
        <translation>%1. K opravě: %2</translation>
    </message>
    <message>
        <source>%1. hold %2, rest %3</source>
        <extracomment>A row of the table: its number, its hold and its rest, as &quot;3. hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. zádrž %2, oddech %3</translation>
    </message>
    <message>
        <source>%1. %2 × hold %3, rest %4</source>
        <extracomment>A row of the table run more than once: its number, how many times it runs, its hold and its rest, as &quot;3. 4 × hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. %2 × zádrž %3, oddech %4</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>How long the whole table takes, as &quot;24:30&quot; or &quot;up to 24:30&quot;.</extracomment>
        <translation>Celkem: %1</translation>
    </message>
    <message numerus="yes">
        <source>And %n more to mend.</source>
        <extracomment>After the first problems of the table: how many more there are.</extracomment>
        <translation>
            <numerusform>A ještě %n k opravě.</numerusform>
            <numerusform>A ještě %n k opravě.</numerusform>
            <numerusform>A ještě %n k opravě.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more holds longer than your personal best.</source>
        <extracomment>After the first holds longer than the personal best: how many more there are.</extracomment>
        <translation>
            <numerusform>A ještě %n zádrž delší než váš osobní rekord.</numerusform>
            <numerusform>A ještě %n zádrže delší než váš osobní rekord.</numerusform>
            <numerusform>A ještě %n zádrží delších než váš osobní rekord.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsPanel</name>
    <message>
        <source>The table&apos;s rounds</source>
        <translation>Kola tabulky</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What comes next in the session, under the lights-out displays; %1 is &quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;.</extracomment>
        <translation>Dále: %1</translation>
    </message>
    <message>
        <source>%1. Hold %2, rest %3</source>
        <extracomment>A round in the list of the table&apos;s rounds: its number, its hold and its rest, as &quot;3. Hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Zádrž %2, oddech %3</translation>
    </message>
    <message>
        <source>%1. Hold %2</source>
        <extracomment>The last round, which has no rest: its number and its hold, as &quot;8. Hold 1:30&quot;.</extracomment>
        <translation>%1. Zádrž %2</translation>
    </message>
    <message>
        <source>The table cannot be run: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Tabulku nelze spustit: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The table&apos;s rounds and how long it takes, as &quot;8 rounds, 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n kolo, %1</numerusform>
            <numerusform>%n kola, %1</numerusform>
            <numerusform>%n kol, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The table&apos;s rounds and the longest it may take, as &quot;8 rounds, up to 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n kolo, nejvýše %1</numerusform>
            <numerusform>%n kola, nejvýše %1</numerusform>
            <numerusform>%n kol, nejvýše %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Round %1 of %2. Next: %3.</source>
        <extracomment>Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes next (&quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;).</extracomment>
        <translation>Kolo %1 z %2. Dále: %3.</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold this long (a time like 1:30).</extracomment>
        <translation>zádrž %1</translation>
    </message>
    <message>
        <source>hold up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold that may end sooner, at most this long (a time like 1:30).</extracomment>
        <translation>zádrž nejvýše %1</translation>
    </message>
    <message>
        <source>rest %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest this long (a time like 2:00).</extracomment>
        <translation>oddech %1</translation>
    </message>
    <message>
        <source>rest up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest that may end sooner, at most this long (a time like 2:00).</extracomment>
        <translation>oddech nejvýše %1</translation>
    </message>
    <message>
        <source>the end</source>
        <extracomment>What comes next, after &quot;Next:&quot;: the end of the session.</extracomment>
        <translation>konec</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorLink</name>
    <message>
        <source>This computer has no Bluetooth adapter, or its system service for Bluetooth (BlueZ) is not running.</source>
        <translation>Tento počítač nemá adaptér Bluetooth, nebo neběží jeho systémová služba pro Bluetooth (BlueZ).</translation>
    </message>
    <message>
        <source>Bluetooth is turned off. Turn it on and scan again.</source>
        <translation>Bluetooth je vypnutý. Zapněte ho a hledejte znovu.</translation>
    </message>
    <message>
        <source>The system does not allow Vellorin to use Bluetooth.</source>
        <translation>Systém nepovoluje programu Vellorin používat Bluetooth.</translation>
    </message>
    <message>
        <source>The scan for sensors failed: %1</source>
        <translation>Hledání senzorů selhalo: %1</translation>
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
        <translation>žádný</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>připojování</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>připojeno</translation>
    </message>
    <message>
        <source>no skin contact</source>
        <translation>bez kontaktu s kůží</translation>
    </message>
    <message>
        <source>finger out</source>
        <translation>bez prstu</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>bez hodnoty</translation>
    </message>
    <message>
        <source>lost, trying again</source>
        <translation>spojení ztraceno, nový pokus</translation>
    </message>
    <message>
        <source>HR %1%2</source>
        <extracomment>The heart rate beside the displays; %1 is beats per minute, %2 the value&apos;s age.</extracomment>
        <translation>TF %1%2</translation>
    </message>
    <message>
        <source>HR -- %1</source>
        <translation>TF -- %1</translation>
    </message>
    <message>
        <source>SpO2 %1 %  PR %2%3</source>
        <extracomment>SpO2 and the oximeter&apos;s pulse rate beside the displays; %3 is the values&apos; age.</extracomment>
        <translation>SpO2 %1 %  puls %2%3</translation>
    </message>
    <message>
        <source>SpO2 -- %1</source>
        <translation>SpO2 -- %1</translation>
    </message>
    <message>
        <source>Sensor values</source>
        <translation>Hodnoty ze senzorů</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorTraining</name>
    <message>
        <source>This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or oximeters. Everything else works as ever.</source>
        <translation>Tato verze programu Vellorin byla sestavena bez Bluetooth, takže nemůže používat senzory tepové frekvence ani oxymetry. Vše ostatní funguje jako dřív.</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorsDialog</name>
    <message>
        <source>Not in use</source>
        <extracomment>The state of a kind of sensor when none is chosen.</extracomment>
        <translation>Nepoužívá se</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Připojování…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Připojeno</translation>
    </message>
    <message>
        <source>No skin contact</source>
        <extracomment>A chest strap that says it does not touch the skin.</extracomment>
        <translation>Bez kontaktu s kůží</translation>
    </message>
    <message>
        <source>Finger out</source>
        <extracomment>An oximeter that says no finger is in it.</extracomment>
        <translation>Prst není vložen</translation>
    </message>
    <message>
        <source>No values for a while</source>
        <extracomment>Linked, but the sensor has sent no value for some seconds.</extracomment>
        <translation>Několik sekund žádné hodnoty</translation>
    </message>
    <message>
        <source>Lost — trying again</source>
        <extracomment>The link to the sensor broke; the program tries to link again by itself.</extracomment>
        <translation>Spojení ztraceno — nový pokus</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Senzory</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Hledat</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Sensors found</source>
        <translation>Nalezené senzory</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The headings of the list of sensors a search found; signal: its strength in dBm.</extracomment>
        <translation>Název</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Druh</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signál</translation>
    </message>
    <message>
        <source>Sensors fou&amp;nd:</source>
        <translation>&amp;Nalezené senzory:</translation>
    </message>
    <message>
        <source>Use as &amp;heart-rate sensor</source>
        <translation>Použít jako senzor &amp;tepové frekvence</translation>
    </message>
    <message>
        <source>Use as heart-rate sensor</source>
        <translation>Použít jako senzor tepové frekvence</translation>
    </message>
    <message>
        <source>Use as &amp;oximeter</source>
        <translation>Použít jako &amp;oxymetr</translation>
    </message>
    <message>
        <source>Use as oximeter</source>
        <translation>Použít jako oxymetr</translation>
    </message>
    <message>
        <source>&amp;End the hold when SpO2 falls to</source>
        <translation>&amp;Ukončit zádrž, když SpO2 klesne na</translation>
    </message>
    <message>
        <source>End the hold when SpO2 falls to</source>
        <translation>Ukončit zádrž, když SpO2 klesne na</translation>
    </message>
    <message>
        <source>SpO2 that ends the hold</source>
        <translation>SpO2, při které zádrž končí</translation>
    </message>
    <message>
        <source> %</source>
        <extracomment>After the SpO2 limit: 80 %.</extracomment>
        <translation> %</translation>
    </message>
    <message>
        <source>A consumer pulse oximeter reads late and low in a breath hold: its reading lags the blood by many seconds, and a cold or squeezed finger reads low. The alarm is a help, not a medical device: never rely on it to keep you safe.</source>
        <extracomment>Said beside the low-SpO2 alarm; the sentence on where to train follows it.</extracomment>
        <translation>Spotřebitelský pulzní oxymetr ukazuje při zádrži dechu hodnoty pozdě a příliš nízké: jeho údaj se za krví opožďuje o mnoho sekund a na studeném nebo stisknutém prstu ukazuje příliš nízké hodnoty. Alarm je pomůcka, ne zdravotnický prostředek: nikdy nespoléhejte na to, že vás ochrání.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zavřít</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Tepová frekvence</translation>
    </message>
    <message>
        <source>Oximeter</source>
        <translation>Oxymetr</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <extracomment>Each kind&apos;s button has its own access key.</extracomment>
        <translation>Za&amp;pomenout</translation>
    </message>
    <message>
        <source>Fo&amp;rget</source>
        <translation>Zapo&amp;menout</translation>
    </message>
    <message>
        <source>Forget the heart-rate sensor</source>
        <translation>Zapomenout senzor tepové frekvence</translation>
    </message>
    <message>
        <source>Forget the oximeter</source>
        <translation>Zapomenout oxymetr</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sensor of the kind is chosen.</extracomment>
        <translation>Žádný</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A sensor&apos;s name and its Bluetooth address: &quot;Polar H10 (AA:BB:CC:DD:EE:FF)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <extracomment>The charge left in the sensor&apos;s battery, in percent.</extracomment>
        <translation>Baterie %1 %</translation>
    </message>
    <message>
        <source>heart rate</source>
        <translation>tepová frekvence</translation>
    </message>
    <message>
        <source>oximeter</source>
        <translation>oxymetr</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the kinds a sensor is, as &quot;heart rate, oximeter&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Za&amp;stavit</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zastavit</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Hledání…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n sensor(s).</source>
        <translation>
            <numerusform>Nalezen %n senzor.</numerusform>
            <numerusform>Nalezeny %n senzory.</numerusform>
            <numerusform>Nalezeno %n senzorů.</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>A sensor that gives no name.</extracomment>
        <translation>(bez názvu)</translation>
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
        <translation>Libovolná klávesa: zpět na displeje</translation>
    </message>
    <message>
        <source>Vellorin: session summary</source>
        <translation>Vellorin: souhrn tréninku</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionsModel</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A session&apos;s mean first contraction (%1) and the range of them (%2 to %3), each a time like 01:05.</extracomment>
        <translation>%1 (%2 až %3)</translation>
    </message>
</context>
<context>
    <name>vellorin::SingleInstance</name>
    <message>
        <source>the lock file &quot;%1&quot; cannot be used: %2; it is left as it is</source>
        <extracomment>A warning: %1 is a file name, %2 the reason, a clause.</extracomment>
        <translation>zamykací soubor &quot;%1&quot; nelze použít: %2; ponechává se, jak je</translation>
    </message>
    <message>
        <source>waiting for the Vellorin window that runs to answer</source>
        <translation>čeká se na odpověď běžícího okna Vellorin</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; cannot be used: %2; this window does not hear later starts, which open windows of their own</source>
        <extracomment>A warning: %1 is the socket&apos;s file name, %2 the reason, a clause. A later start of the program would hand its file to this window through the socket.</extracomment>
        <translation>soket &quot;%1&quot; nelze použít: %2; toto okno neuslyší pozdější spuštění, která otevřou vlastní okna</translation>
    </message>
    <message numerus="yes">
        <source>its path is longer than the %n bytes a socket&apos;s path may have</source>
        <translation>
            <numerusform>jeho cesta je delší než %n bajt, který smí mít cesta soketu</numerusform>
            <numerusform>jeho cesta je delší než %n bajty, které smí mít cesta soketu</numerusform>
            <numerusform>jeho cesta je delší než %n bajtů, které smí mít cesta soketu</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>není to soket</translation>
    </message>
    <message>
        <source>the window listening on it does not take requests</source>
        <translation>okno, které na něm naslouchá, nepřijímá požadavky</translation>
    </message>
</context>
<context>
    <name>vellorin::TrainerMainform</name>
    <message>
        <source>A personal-best test is running. Close Vellorin and end it?</source>
        <translation>Probíhá test osobního rekordu. Zavřít Vellorin a ukončit jej?</translation>
    </message>
    <message>
        <source>A session is running. Close Vellorin and end it?</source>
        <translation>Probíhá trénink. Zavřít Vellorin a ukončit jej?</translation>
    </message>
    <message>
        <source>%1 The classic cues play.</source>
        <extracomment>%1 is why the user&apos;s default cue profile cannot be used, in whole sentences.</extracomment>
        <translation>%1 Hrají klasické pokyny.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Načíst...</translation>
    </message>
    <message>
        <source>&amp;Undo load</source>
        <translation>&amp;Vrátit načtení</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Uložit...</translation>
    </message>
    <message>
        <source>&amp;Export audio...</source>
        <translation>&amp;Exportovat zvuk...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Trénink</translation>
    </message>
    <message>
        <source>&amp;Start	Space</source>
        <translation>&amp;Start	Space</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume	Space</source>
        <translation>&amp;Pauza/Pokračovat	Space</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Lights-out</source>
        <translation>&amp;Zatemnění</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>Tré&amp;nování</translation>
    </message>
    <message>
        <source>&amp;Personal best test...</source>
        <translation>&amp;Test osobního rekordu...</translation>
    </message>
    <message>
        <source>&amp;New table from personal best...</source>
        <translation>&amp;Nová tabulka z osobního rekordu...</translation>
    </message>
    <message>
        <source>Personal &amp;bests...</source>
        <translation>&amp;Osobní rekordy...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historie...</translation>
    </message>
    <message>
        <source>&amp;Keep a training log</source>
        <translation>&amp;Vést tréninkový deník</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>Ta&amp;bulky</translation>
    </message>
    <message>
        <source>&amp;Edit table of rounds...</source>
        <translation>&amp;Upravit tabulku kol...</translation>
    </message>
    <message>
        <source>Use the &amp;six settings</source>
        <translation>Použít &amp;šest nastavení</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klávesy</translation>
    </message>
    <message>
        <source>&amp;About Vellorin</source>
        <translation>&amp;O programu Vellorin</translation>
    </message>
    <message>
        <source>Start: Space. Reset: Ctrl+R.</source>
        <translation>Start: Space. Reset: Ctrl+R.</translation>
    </message>
    <message>
        <source>Pause or resume: Space.</source>
        <translation>Pauza nebo pokračování: Space.</translation>
    </message>
    <message>
        <source>Load a table: Ctrl+O.</source>
        <translation>Načíst tabulku: Ctrl+O.</translation>
    </message>
    <message>
        <source>Save the table: Ctrl+S.</source>
        <translation>Uložit tabulku: Ctrl+S.</translation>
    </message>
    <message>
        <source>Lights-out: double-click or F11.</source>
        <translation>Zatemnění: dvojklik nebo F11.</translation>
    </message>
    <message>
        <source>Vellorin keys</source>
        <translation>Klávesy Vellorin</translation>
    </message>
    <message>
        <source>About Vellorin</source>
        <extracomment>%1 is the version, %2 the safety sentence, %3 the list of keys.</extracomment>
        <translation>O programu Vellorin</translation>
    </message>
    <message>
        <source>Vellorin %1
A timer for breath-hold training tables.

%2

Released under the MIT licence.

%3</source>
        <translation>Vellorin %1
Časovač tréninkových tabulek zádrže dechu.

%2

Vydáno pod licencí MIT.

%3</translation>
    </message>
    <message>
        <source>Export audio</source>
        <translation>Exportovat zvuk</translation>
    </message>
    <message>
        <source>Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</source>
        <translation>Zvukové soubory (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</translation>
    </message>
    <message>
        <source>session</source>
        <comment>the name an export proposes</comment>
        <translation>trénink</translation>
    </message>
    <message>
        <source>New &amp;CO2 table from your PB</source>
        <translation>Nová tabulka &amp;CO2 z vašeho PB</translation>
    </message>
    <message>
        <source>New &amp;O2 table from your PB</source>
        <translation>Nová tabulka &amp;O2 z vašeho PB</translation>
    </message>
    <message>
        <source>New &amp;pyramid from your PB</source>
        <translation>Nová &amp;pyramida z vašeho PB</translation>
    </message>
    <message>
        <source>New &amp;Wonka table (first contraction + 0:30)</source>
        <extracomment>A Wonka table: each hold goes on a set time past the first contraction.</extracomment>
        <translation>Nová tabulka &amp;Wonka (první kontrakce + 0:30)</translation>
    </message>
    <message>
        <source>New Wonka table by &amp;count (10 contractions)</source>
        <extracomment>A Wonka table by count: each hold ends at a count of contractions.</extracomment>
        <translation>Nová tabulka Wonka podle po&amp;čtu (10 kontrakcí)</translation>
    </message>
    <message>
        <source>New &amp;one-breath table (8 x 1:00)</source>
        <extracomment>A table whose rests are one breath each: 8 holds of one minute.</extracomment>
        <translation>Nová tabulka &amp;jednoho nádechu (8 x 1:00)</translation>
    </message>
    <message>
        <source>New static &amp;intervals (10 on a 2:00 cycle)</source>
        <extracomment>Ten holds, one starting every two minutes.</extracomment>
        <translation>Nové statické &amp;intervaly (10 v cyklu 2:00)</translation>
    </message>
    <message>
        <source>No personal best is on record. Your personal best (m:ss or seconds):</source>
        <translation>Není zaznamenán žádný osobní rekord. Váš osobní rekord (m:ss nebo sekundy):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as m:ss or in seconds.</source>
        <translation>&quot;%1&quot; není čas: zadejte jej jako m:ss nebo v sekundách.</translation>
    </message>
    <message>
        <source>Could not make the table: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Tabulku nelze vytvořit: %1.</translation>
    </message>
    <message>
        <source>%1

Use this table all the same?</source>
        <translation>%1

Přesto použít tuto tabulku?</translation>
    </message>
    <message numerus="yes">
        <source>%1

A countdown of %n seconds, then &quot;hold&quot;: hold your breath as long as you safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and every whole minute is spoken.

Start the test?</source>
        <extracomment>%1 is the safety advice, a sentence. &quot;hold&quot; is the word the test says as the hold begins; Space is the key.</extracomment>
        <translation>
            <numerusform>%1

Odpočet trvá %n sekundu, pak zazní &quot;zadrž dech&quot;: zadržte dech tak dlouho, jak to bezpečně zvládnete, a jakmile se nadechnete, stiskněte Space. Každých 30 sekund zazní jemná značka a každá celá minuta se ohlásí.

Spustit test?</numerusform>
            <numerusform>%1

Odpočet trvá %n sekundy, pak zazní &quot;zadrž dech&quot;: zadržte dech tak dlouho, jak to bezpečně zvládnete, a jakmile se nadechnete, stiskněte Space. Každých 30 sekund zazní jemná značka a každá celá minuta se ohlásí.

Spustit test?</numerusform>
            <numerusform>%1

Odpočet trvá %n sekund, pak zazní &quot;zadrž dech&quot;: zadržte dech tak dlouho, jak to bezpečně zvládnete, a jakmile se nadechnete, stiskněte Space. Každých 30 sekund zazní jemná značka a každá celá minuta se ohlásí.

Spustit test?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fill the fields with this table all the same?</source>
        <translation>%1

Přesto vyplnit pole touto tabulkou?</translation>
    </message>
    <message>
        <source>Sen&amp;sors...</source>
        <translation>&amp;Senzory...</translation>
    </message>
    <message>
        <source>SpO2 %1 %: the hold is ended. Breathe.</source>
        <extracomment>Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in percent.</extracomment>
        <translation>SpO2 %1 %: zádrž ukončena. Dýchejte.</translation>
    </message>
</context>
</TS>
