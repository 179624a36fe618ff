<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AttemptsFile</name>
    <message>
        <source>it holds a control character</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>zawiera znak sterujący</translation>
    </message>
    <message>
        <source>it is not a date and time followed by the seconds held</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>nie zawiera daty i godziny, po których następuje liczba sekund bezdechu</translation>
    </message>
    <message>
        <source>it does not begin with a date and time with its offset from UTC</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>nie zaczyna się od daty i godziny z przesunięciem względem UTC</translation>
    </message>
    <message>
        <source>the seconds held are not a whole number from %1 to %2</source>
        <extracomment>Why a line of the personal-best attempts file is left out.</extracomment>
        <translation>liczba sekund bezdechu nie jest liczbą całkowitą od %1 do %2</translation>
    </message>
    <message>
        <source>Could not read the attempts in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason it cannot be read.</extracomment>
        <translation>Nie można odczytać prób z &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open the list again</source>
        <extracomment>Why an attempt could not be removed from the personal-best attempts file.</extracomment>
        <translation>plik zmienił się od czasu odczytu; otwórz listę ponownie</translation>
    </message>
</context>
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot tell the audio format of &quot;%1&quot;: name it .wav, .flac, .ogg or .mp3.</source>
        <extracomment>%1 is the output file&apos;s name; .wav, .flac, .ogg and .mp3 are the endings it may have.</extracomment>
        <translation>Nie można rozpoznać formatu dźwięku pliku &quot;%1&quot;: nadaj mu rozszerzenie .wav, .flac, .ogg lub .mp3.</translation>
    </message>
    <message>
        <source>Could not export the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the output file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Nie można wyeksportować sesji do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1&apos;s hold ends at a contraction, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number.</extracomment>
        <translation>bezdech rundy %1 kończy się na skurczu, na który plik dźwiękowy nie może czekać; wyeksportować można tylko tabelę, w której każdy bezdech i każda przerwa mają ustalony czas</translation>
    </message>
    <message>
        <source>round %1&apos;s rest ends at the breath key, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number; the breath key ends a rest of one breath.</extracomment>
        <translation>przerwa rundy %1 kończy się klawiszem oddechu, na który plik dźwiękowy nie może czekać; wyeksportować można tylko tabelę, w której każdy bezdech i każda przerwa mają ustalony czas</translation>
    </message>
    <message>
        <source>it is not one of the program&apos;s cues</source>
        <extracomment>Why a sound file (&quot;it&quot;) cannot be played as a cue.</extracomment>
        <translation>nie jest jednym z komunikatów programu</translation>
    </message>
    <message>
        <source>the cue &quot;%1&quot; cannot be used: %2</source>
        <extracomment>%1 is a cue&apos;s sound file, %2 why it cannot be used.</extracomment>
        <translation>komunikatu &quot;%1&quot; nie można użyć: %2</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <extracomment>Why an audio file was not written: the user cancelled its export.</extracomment>
        <translation>eksport został anulowany</translation>
    </message>
    <message>
        <source>Exporting the session to %1...</source>
        <extracomment>%1 is the audio file&apos;s name.</extracomment>
        <translation>Eksportowanie sesji do %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Loop %1</source>
        <extracomment>The loop display; %1 is the round under way. Must stay short.</extracomment>
        <translation>Seria %1</translation>
    </message>
    <message>
        <source>Intro</source>
        <extracomment>The phase display: the breathe-up before the first hold. Must stay short.</extracomment>
        <translation>Wstęp</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The phase display: the breath is held (a noun, the phase). Must stay short.</extracomment>
        <translation>Bezdech</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase display: breathing between two holds. Must stay short.</extracomment>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>End!</source>
        <extracomment>The phase display once the session or the test is over. Must stay short.</extracomment>
        <translation>Koniec!</translation>
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
        <translation>Wznów</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start would refuse this table: %1.</source>
        <extracomment>Start: the window&apos;s button that starts a session. %1 is the reason, such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Przycisk Start odrzuciłby tę tabelę: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the session, %n cues in %1 s of audio, to &quot;%2&quot; in %3 ms.</source>
        <extracomment>%n is how many cues were written, %1 the audio&apos;s length in seconds, %2 the file&apos;s name, %3 how long the export took in milliseconds.</extracomment>
        <translation>
            <numerusform>Wyeksportowano sesję (%n komunikat, %1 s dźwięku) do &quot;%2&quot; w %3 ms.</numerusform>
            <numerusform>Wyeksportowano sesję (%n komunikaty, %1 s dźwięku) do &quot;%2&quot; w %3 ms.</numerusform>
            <numerusform>Wyeksportowano sesję (%n komunikatów, %1 s dźwięku) do &quot;%2&quot; w %3 ms.</numerusform>
        </translation>
    </message>
    <message>
        <source>--new-table takes %1 or %2 and a personal best as m:ss or seconds, not &quot;%3&quot; and &quot;%4&quot;.</source>
        <extracomment>%1 and %2 are the kinds of table (&quot;co2, o2, ...&quot; and &quot;intervals&quot;), typed as they are in every language; %3 and %4 what was typed for the kind and the personal best.</extracomment>
        <translation>--new-table przyjmuje %1 lub %2 oraz rekord życiowy jako m:ss lub w sekundach, a nie &quot;%3&quot; i &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--new-table %1 makes a table of rounds, which a session file cannot hold: name OUT .vtable.</source>
        <extracomment>%1 is the kind of table, such as one-breath, typed as it is in every language. OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>--new-table %1 tworzy tabelę rund, której plik sesji nie pomieści: nadaj plikowi WYJŚCIE rozszerzenie .vtable.</translation>
    </message>
    <message>
        <source>The table&apos;s cue profile &quot;%1&quot; is not there: %2 plays.</source>
        <extracomment>%1 is the cue profile the table names, %2 the one played instead.</extracomment>
        <translation>Profil komunikatów tabeli &quot;%1&quot; nie istnieje: odtwarzany jest %2.</translation>
    </message>
    <message>
        <source>Cue profile: %1</source>
        <extracomment>Before the list of the cues a session plays: %1 is the cue profile&apos;s name.</extracomment>
        <translation>Profil komunikatów: %1</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why its session cannot be exported.</extracomment>
        <translation>Nie można wyeksportować &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not list the cues of &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why the cues of its session cannot be listed.</extracomment>
        <translation>Nie można wypisać komunikatów &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>first contraction + %1, at least %2, up to %3</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the least and %3 the most the hold lasts, each like 00:30.</extracomment>
        <translation>pierwszy skurcz + %1, co najmniej %2, najwyżej %3</translation>
    </message>
    <message>
        <source>first contraction + %1, up to %2</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the most the hold lasts, each like 00:30.</extracomment>
        <translation>pierwszy skurcz + %1, najwyżej %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, at least %1, up to %2</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the least and %2 the most it lasts, each like 00:30.</extracomment>
        <translation>
            <numerusform>%n skurcz, co najmniej %1, najwyżej %2</numerusform>
            <numerusform>%n skurcze, co najmniej %1, najwyżej %2</numerusform>
            <numerusform>%n skurczów, co najmniej %1, najwyżej %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, up to %1</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.</extracomment>
        <translation>
            <numerusform>%n skurcz, najwyżej %1</numerusform>
            <numerusform>%n skurcze, najwyżej %1</numerusform>
            <numerusform>%n skurczów, najwyżej %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cycle %1 (at least %2)</source>
        <extracomment>A rest that lasts until the next hold&apos;s start, a cycle after this hold&apos;s: %1 is the cycle and %2 the shortest the rest lasts, each like 02:00.</extracomment>
        <translation>cykl %1 (co najmniej %2)</translation>
    </message>
    <message>
        <source>one breath (up to %1)</source>
        <extracomment>A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.</extracomment>
        <translation>jeden oddech (najwyżej %1)</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The heading of the column of the holds&apos; lengths in a table&apos;s preview (the noun: a breath hold); best within 5 letters.</extracomment>
        <translation>Bezdech</translation>
    </message>
    <message>
        <source>Intro %1</source>
        <extracomment>The first line of a table&apos;s preview: %1 is the intro&apos;s length, like 00:30.</extracomment>
        <translation>Wstęp %1</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The heading of the column of the rounds&apos; numbers in the preview of a table of rounds; best within 5 letters.</extracomment>
        <translation>Runda</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The heading of the column of the rests&apos; lengths in a table&apos;s preview (the noun); best within 5 letters.</extracomment>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Total %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is its length as the clock shows it, like 17:15, %2 the same in seconds.</extracomment>
        <translation>Razem %1 (%2 s)</translation>
    </message>
    <message>
        <source>Total up to %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is the most it can last as the clock shows it, like 41:10, %2 the same in seconds.</extracomment>
        <translation>Razem najwyżej %1 (%2 s)</translation>
    </message>
    <message>
        <source>Loop</source>
        <extracomment>The heading of the column of the loops&apos; numbers in a table&apos;s preview; best within 5 letters.</extracomment>
        <translation>Seria</translation>
    </message>
    <message>
        <source>Session clock</source>
        <extracomment>The heading of the column of what the session clock shows as each hold begins.</extracomment>
        <translation>Zegar sesji</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as typed, in quotes: &apos;--bogus&apos;.</extracomment>
        <translation>Nieznana opcja %1.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>%1 lists the options as typed, in quotes: &apos;--bogus&apos;, &apos;-x&apos;.</extracomment>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Vellorin, a timer for breath-hold training tables with spoken cues.</source>
        <translation>Vellorin – czasomierz do tabel treningu bezdechu z komunikatami głosowymi.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Wyświetl tę pomoc.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Wyświetl wersję.</translation>
    </message>
    <message>
        <source>Print the table of a session file loop by loop, or of a table file (.vtable) round by round.</source>
        <translation>Wypisz tabelę pliku sesji seria po serii albo pliku tabeli (.vtable) runda po rundzie.</translation>
    </message>
    <message>
        <source>FILE.ses</source>
        <extracomment>The value of an option: a session file, named with its ending .ses.</extracomment>
        <translation>PLIK.ses</translation>
    </message>
    <message>
        <source>Export its whole session as audio file OUT; a table file (.vtable) only when its every hold and rest is timed.</source>
        <extracomment>OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>Wyeksportuj całą jego sesję jako plik dźwiękowy WYJŚCIE; plik tabeli (.vtable) tylko wtedy, gdy każdy jego bezdech i każda przerwa mają ustalony czas.</translation>
    </message>
    <message>
        <source>Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table file when OUT ends in .vtable (one-breath and intervals need no PB), else a session file (co2 and o2).</source>
        <extracomment>%1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2, o2, one-breath and intervals here. KIND, PB and OUT are the values&apos; names in the usage, as the help lists them.</extracomment>
        <translation>Zapisz tabelę RODZAJ (%1) utworzoną z rekordu życiowego PB (m:ss lub sekundy) do WYJŚCIE: plik tabeli, gdy WYJŚCIE kończy się na .vtable (one-breath i intervals nie potrzebują PB), w przeciwnym razie plik sesji (co2 i o2).</translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --new-table: the kind of table.</extracomment>
        <translation>RODZAJ</translation>
    </message>
    <message>
        <source>With --table, print every cue heard instead: its second and its words.</source>
        <translation>Z --table zamiast tego wypisz każdy słyszany komunikat: jego sekundę i jego słowa.</translation>
    </message>
    <message>
        <source>With --table --cues or --export-audio, the cue profile: %1, a profile of yours by name or a .vcues file; else the table&apos;s or your default.</source>
        <extracomment>%1 lists the built-in profiles (classic, guided, ...), typed as they are in every language.</extracomment>
        <translation>Z --table --cues lub --export-audio: profil komunikatów – %1, własny profil podany z nazwy lub plik .vcues; w przeciwnym razie profil tabeli lub domyślny.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --profile: a cue profile&apos;s name.</extracomment>
        <translation>NAZWA</translation>
    </message>
    <message>
        <source>A session file to open; with --export-audio, OUT.</source>
        <translation>Plik sesji do otwarcia; z --export-audio – WYJŚCIE.</translation>
    </message>
    <message>
        <source>[FILE.ses | OUT]</source>
        <extracomment>The arguments after the options in the usage line: a session file, or with --export-audio the output file.</extracomment>
        <translation>[PLIK.ses | WYJŚCIE]</translation>
    </message>
    <message>
        <source>--table, --export-audio and --new-table cannot be used together.</source>
        <translation>--table, --export-audio i --new-table nie mogą być użyte razem.</translation>
    </message>
    <message>
        <source>--cues goes with --table, and --profile with --table --cues or --export-audio.</source>
        <translation>--cues działa z --table, a --profile z --table --cues lub --export-audio.</translation>
    </message>
    <message>
        <source>--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and intervals may go without the personal best.</source>
        <translation>--new-table RODZAJ przyjmuje rekord życiowy i WYJŚCIE (.ses lub .vtable); one-breath i intervals mogą obejść się bez rekordu życiowego.</translation>
    </message>
    <message>
        <source>--table takes no other argument.</source>
        <translation>--table nie przyjmuje innych argumentów.</translation>
    </message>
    <message>
        <source>--export-audio FILE.ses takes one output file, OUT.</source>
        <translation>--export-audio PLIK.ses przyjmuje jeden plik wyjściowy, WYJŚCIE.</translation>
    </message>
    <message>
        <source>Only one session file can be opened.</source>
        <translation>Można otworzyć tylko jeden plik sesji.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be represented in this system&apos;s encoding, so Vellorin cannot open or write a file of that name.</source>
        <translation>Nazwy &quot;%1&quot; nie da się zapisać w kodowaniu tego systemu, więc Vellorin nie może otworzyć ani zapisać pliku o tej nazwie.</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>nie można zapisać wyjścia: %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; given to %2 cannot be used: %3; it is left out.</source>
        <extracomment>Printed after &quot;vellorin: &quot;. %1 is a file name, %2 the option that named it (-stylesheet), %3 the reason, a clause.</extracomment>
        <translation>plik &quot;%1&quot; podany dla %2 nie nadaje się do użycia: %3; zostaje pominięty.</translation>
    </message>
    <message>
        <source>the session did not reach its end</source>
        <translation>sesja nie dobiegła końca</translation>
    </message>
</context>
<context>
    <name>CueProfile</name>
    <message>
        <source>the rest call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the rest, like &quot;two minutes&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>zapowiedzi %1 w przerwie nie da się wypowiedzieć</translation>
    </message>
    <message>
        <source>the rest call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the rest, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>zapowiedzi %1 w przerwie nie da się odliczyć</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in a hold, like &quot;thirty seconds&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>zapowiedzi %1 w bezdechu nie da się wypowiedzieć</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in a hold, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>zapowiedzi %1 w bezdechu nie da się odliczyć</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the session&apos;s last hold; %1 is the call, like 00:25.</extracomment>
        <translation>zapowiedzi %1 w ostatnim bezdechu nie da się wypowiedzieć</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the session&apos;s last hold; %1 is the count.</extracomment>
        <translation>zapowiedzi %1 w ostatnim bezdechu nie da się odliczyć</translation>
    </message>
    <message>
        <source>the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)</source>
        <extracomment>The elapsed calls say how long a hold has lasted.</extracomment>
        <translation>zapowiedzi upływu czasu muszą padać co 0:30, 1:00, ... do 30:00 albo wcale (0)</translation>
    </message>
    <message>
        <source>the last breath must come 0 to 60 seconds before a hold</source>
        <extracomment>The last breath: the cue that asks for the last breath before a hold.</extracomment>
        <translation>ostatni wdech musi paść od 0 do 60 sekund przed bezdechem</translation>
    </message>
    <message>
        <source>the recovery breaths must be 0 to 3</source>
        <extracomment>The recovery breaths: the breaths called for after a hold.</extracomment>
        <translation>liczba oddechów regeneracyjnych musi wynosić od 0 do 3</translation>
    </message>
    <message>
        <source>a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out</source>
        <extracomment>A paced breath: a breath in and out timed by the cues in a rest.</extracomment>
        <translation>oddech w rytmie musi mieć od 2 do 20 sekund wdechu i od 2 do 30 sekund wydechu</translation>
    </message>
    <message>
        <source>the paced part of a rest must be 0 to 1:00:00, or all</source>
        <extracomment>The paced part: the end of a rest in which the cues time each breath.</extracomment>
        <translation>część przerwy z oddychaniem w rytmie musi trwać od 0 do 1:00:00 albo całą przerwę</translation>
    </message>
</context>
<context>
    <name>CueSound</name>
    <message>
        <source>its sample rate is %1 Hz, not the %2 Hz of the other cues</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 and %2 are sample rates, like 22050.</extracomment>
        <translation>jego częstotliwość próbkowania to %1 Hz, a nie %2 Hz jak w pozostałych komunikatach</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 is the system&apos;s reason.</extracomment>
        <translation>nie można go odczytać: %1</translation>
    </message>
    <message numerus="yes">
        <source>it is not mono (it has %n channels)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; mono: of one channel.</extracomment>
        <translation>
            <numerusform>nie jest mono (ma %n kanał)</numerusform>
            <numerusform>nie jest mono (ma %n kanały)</numerusform>
            <numerusform>nie jest mono (ma %n kanałów)</numerusform>
        </translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not one a cue can have</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>jego częstotliwość próbkowania %1 Hz jest niedozwolona dla komunikatu</translation>
    </message>
    <message numerus="yes">
        <source>its samples (format %1, %n bits) are neither integer PCM nor float</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 is the number of its sample format, %n the bits of a sample.</extracomment>
        <translation>
            <numerusform>jego próbki (format %1, %n bit) nie są ani całkowitoliczbowym PCM, ani zmiennoprzecinkowe</numerusform>
            <numerusform>jego próbki (format %1, %n bity) nie są ani całkowitoliczbowym PCM, ani zmiennoprzecinkowe</numerusform>
            <numerusform>jego próbki (format %1, %n bitów) nie są ani całkowitoliczbowym PCM, ani zmiennoprzecinkowe</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>nie zawiera dźwięku</translation>
    </message>
    <message>
        <source>it lasts %1 s, longer than the %2 s a cue may last</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 and %2 are lengths in seconds.</extracomment>
        <translation>trwa %1 s, dłużej niż %2 s, które może trwać komunikat</translation>
    </message>
    <message>
        <source>its float samples are not numbers or go beyond full scale, so they cannot be scaled</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>jego próbki zmiennoprzecinkowe nie są liczbami lub wykraczają poza pełną skalę, więc nie da się ich przeskalować</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>nie jest plikiem WAV</translation>
    </message>
    <message>
        <source>it is not a WAV file Vellorin can read (no format)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>nie jest plikiem WAV, który Vellorin potrafi odczytać (brak formatu)</translation>
    </message>
</context>
<context>
    <name>CueWords</name>
    <message>
        <source>(tick)</source>
        <translation>(tyknięcie)</translation>
    </message>
    <message>
        <source>(tone: hold)</source>
        <translation>(sygnał: bezdech)</translation>
    </message>
    <message>
        <source>(tone: breathe)</source>
        <translation>(sygnał: oddychaj)</translation>
    </message>
    <message>
        <source>(tone: the end)</source>
        <translation>(sygnał: koniec)</translation>
    </message>
    <message>
        <source>(tone: time call)</source>
        <translation>(sygnał: zapowiedź czasu)</translation>
    </message>
    <message>
        <source>(tone: last breath)</source>
        <translation>(sygnał: ostatni wdech)</translation>
    </message>
    <message>
        <source>(soft tone: hold the breath)</source>
        <translation>(cichy sygnał: wstrzymaj oddech)</translation>
    </message>
    <message>
        <source>(soft rising tone: breathe in)</source>
        <translation>(cichy rosnący sygnał: wdech)</translation>
    </message>
    <message>
        <source>(soft falling tone: breathe out)</source>
        <translation>(cichy opadający sygnał: wydech)</translation>
    </message>
</context>
<context>
    <name>DamagedLines</name>
    <message>
        <source>Left out line %1 of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the line&apos;s number, %2 the file&apos;s name, %3 why the line was left out.</extracomment>
        <translation>Pominięto wiersz %1 pliku &quot;%2&quot;: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3 more.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 the first of the lines&apos; numbers, as a list (&quot;3, 4, 5, 6, 7&quot;), %3 how many more lines there are.</extracomment>
        <translation>
            <numerusform>Pominięto %n wiersz pliku &quot;%1&quot;: wiersze %2 i jeszcze %3.</numerusform>
            <numerusform>Pominięto %n wiersze pliku &quot;%1&quot;: wiersze %2 i jeszcze %3.</numerusform>
            <numerusform>Pominięto %n wierszy pliku &quot;%1&quot;: wiersze %2 i jeszcze %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 all but the last of the lines&apos; numbers, as a list (&quot;3, 4, 5&quot;), %3 the last one.</extracomment>
        <translation>
            <numerusform>Pominięto %n wiersz pliku &quot;%1&quot;: wiersze %2 i %3.</numerusform>
            <numerusform>Pominięto %n wiersze pliku &quot;%1&quot;: wiersze %2 i %3.</numerusform>
            <numerusform>Pominięto %n wierszy pliku &quot;%1&quot;: wiersze %2 i %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line&apos;s number, %2 why it was left out.</extracomment>
        <translation>Wiersz %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a path cannot be read or written: it names a folder, a device or a pipe.</extracomment>
        <translation>nie jest plikiem</translation>
    </message>
    <message>
        <source>its bytes could not be written to the disk</source>
        <extracomment>Why a file (&quot;its&quot;) could not be written.</extracomment>
        <translation>nie udało się zapisać jego bajtów na dysku</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be read; %1 is the most bytes such a file may hold.</extracomment>
        <translation>jest większy niż %1 bajtów</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tables</source>
        <extracomment>In a file dialog&apos;s list of file types: session files and table files together.</extracomment>
        <translation>Tabele</translation>
    </message>
    <message>
        <source>Session files</source>
        <translation>Pliki sesji</translation>
    </message>
    <message>
        <source>Vellorin tables</source>
        <translation>Tabele Vellorin</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Tables of rounds</source>
        <extracomment>A choice of the sessions shown: those of tables of rounds.</extracomment>
        <translation>Tabele rund</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <extracomment>A choice of the sessions shown: those of classic tables of six settings.</extracomment>
        <translation>Tabele klasyczne</translation>
    </message>
    <message>
        <source>All tables</source>
        <extracomment>A choice of the sessions shown: all of them.</extracomment>
        <translation>Wszystkie tabele</translation>
    </message>
    <message>
        <source>d MMM hh:mm</source>
        <extracomment>The dates under a chart of sessions a few days apart, as a Qt date format: d the day, MMM the month&apos;s short name, hh:mm the time of day.</extracomment>
        <translation>d MMM hh:mm</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The dates under a chart, as a Qt date format: d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>d MMM yyyy</translation>
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
        <translation>Średni pierwszy skurcz</translation>
    </message>
    <message>
        <source>Range of first contractions</source>
        <translation>Zakres pierwszych skurczów</translation>
    </message>
    <message>
        <source>First contraction in each hold</source>
        <translation>Pierwszy skurcz w każdym bezdechu</translation>
    </message>
    <message>
        <source>Total time held</source>
        <translation>Łączny czas bezdechu</translation>
    </message>
    <message>
        <source>Personal-best attempts</source>
        <translation>Próby rekordu życiowego</translation>
    </message>
    <message>
        <source>Time held in each session, and personal-best attempts</source>
        <translation>Czas bezdechu w każdej sesji i próby rekordu życiowego</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A column&apos;s heading: the training table a session ran.</extracomment>
        <translation>Tabela</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Bezdechy</translation>
    </message>
    <message>
        <source>Time held</source>
        <translation>Czas bezdechu</translation>
    </message>
    <message>
        <source>First contraction</source>
        <translation>Pierwszy skurcz</translation>
    </message>
    <message>
        <source>Contractions</source>
        <translation>Skurcze</translation>
    </message>
    <message>
        <source>Largest heart-rate drop</source>
        <extracomment>A series: per session, the heart rate at a hold&apos;s start less the lowest in it, the largest of the session&apos;s holds.</extracomment>
        <translation>Największy spadek tętna</translation>
    </message>
    <message>
        <source>Largest heart-rate drop in a hold of each session (heart rate at its start less the lowest)</source>
        <extracomment>The unit of a chart&apos;s values: beats per minute.</extracomment>
        <translation>Największy spadek tętna w bezdechu w każdej sesji (tętno na początku bezdechu minus najniższe)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>ud./min</translation>
    </message>
    <message>
        <source>Lowest SpO2</source>
        <translation>Najniższe SpO2</translation>
    </message>
    <message>
        <source>Lowest SpO2 in each session</source>
        <extracomment>The unit of a chart&apos;s values: percent.</extracomment>
        <translation>Najniższe SpO2 w każdej sesji</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Hold %1, second by second</source>
        <extracomment>The title of a chart of one hold; %1 is the hold&apos;s number.</extracomment>
        <translation>Bezdech %1, sekunda po sekundzie</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Tętno</translation>
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
        <translation>To Twój rekord życiowy.</translation>
    </message>
    <message>
        <source>No attempt before it could be read.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Nie udało się odczytać żadnej wcześniejszej próby.</translation>
    </message>
    <message>
        <source>A new personal best: it was %1.</source>
        <extracomment>%1 is the personal best before this attempt, a time like 3:05.</extracomment>
        <translation>Nowy rekord życiowy: poprzedni wynosił %1.</translation>
    </message>
    <message>
        <source>It beats the best attempt that could be read, %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>To więcej niż najlepsza odczytana próba, %1.</translation>
    </message>
    <message>
        <source>Your personal best is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Twój rekord życiowy to %1.</translation>
    </message>
    <message>
        <source>The best attempt that could be read is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Najlepsza odczytana próba to %1.</translation>
    </message>
    <message>
        <source>The test ended within the first second of the hold: too short for an attempt, so nothing was kept.</source>
        <extracomment>After a personal-best test: nothing was kept in the attempts file.</extracomment>
        <translation>Test zakończył się w pierwszej sekundzie bezdechu: to za krótko na próbę, więc nic nie zapisano.</translation>
    </message>
    <message>
        <source>You held your breath for %1.</source>
        <extracomment>%1 is the time held, like 3:05.</extracomment>
        <translation>Bezdech trwał %1.</translation>
    </message>
    <message>
        <source>Whether it is a personal best is not known.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold; the attempts file could not be read.</extracomment>
        <translation>Nie wiadomo, czy to rekord życiowy.</translation>
    </message>
    <message>
        <source>The attempt could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the system&apos;s reason it could not be written.</extracomment>
        <translation>Nie można zapisać próby w &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Its last hold, %1, is over 80 % of your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s last hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Ostatni bezdech tabeli, %1, przekracza 80% Twojego rekordu życiowego, %2.</translation>
    </message>
    <message>
        <source>Its longest hold, %1, is longer than your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s longest hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Najdłuższy bezdech tabeli, %1, jest dłuższy niż Twój rekord życiowy, %2.</translation>
    </message>
    <message>
        <source>Train breath-holds only on dry land, sitting or lying, never in or near water, and never alone.</source>
        <translation>Trenuj bezdechy wyłącznie na suchym lądzie, na siedząco lub na leżąco, nigdy w wodzie ani w jej pobliżu i nigdy w pojedynkę.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line&apos;s number in the cue profile&apos;s file, %2 what is wrong with it.</extracomment>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time from 0 to %2</source>
        <extracomment>%1 is the value in the file, %2 the longest time it may be, like 1:00.</extracomment>
        <translation>&quot;%1&quot; nie jest czasem od 0 do %2</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be spoken</source>
        <extracomment>A call is a time said (written m:ss) or a second counted (a bare number); %1 is the call as the file writes it.</extracomment>
        <translation>zapowiedzi &quot;%1&quot; nie da się wypowiedzieć</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be counted (1 to 20)</source>
        <translation>zapowiedzi &quot;%1&quot; nie da się odliczyć (od 1 do 20)</translation>
    </message>
    <message>
        <source>it must be %1 or %2</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; %1 and %2 are the two words the file may hold, kept as they are.</extracomment>
        <translation>musi mieć wartość %1 lub %2</translation>
    </message>
    <message>
        <source>the name must be 1 to 100 characters</source>
        <translation>nazwa musi mieć od 1 do 100 znaków</translation>
    </message>
    <message>
        <source>it must be a whole number from 0 to %1</source>
        <extracomment>Why a value (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>musi być liczbą całkowitą od 0 do %1</translation>
    </message>
    <message>
        <source>it must be two counts of seconds, or none</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; none is the word the file holds for no paced breathing, kept as it is.</extracomment>
        <translation>musi zawierać dwie liczby sekund albo none</translation>
    </message>
    <message>
        <source>it is not &quot;key = value&quot;</source>
        <extracomment>Why a line (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>nie ma postaci &quot;klucz = wartość&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given again</source>
        <extracomment>%1 is a setting&apos;s key in the file, such as rest-calls.</extracomment>
        <translation>&quot;%1&quot; podano ponownie</translation>
    </message>
    <message>
        <source>it is not a cue profile</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>nie jest profilem komunikatów</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin</source>
        <extracomment>Why a cue profile&apos;s file (&quot;it&quot;) cannot be loaded.</extracomment>
        <translation>został zapisany przez nowszą wersję Vellorin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a cue profile</source>
        <extracomment>%1 is a key in the file.</extracomment>
        <translation>&quot;%1&quot; nie jest ustawieniem profilu komunikatów</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key the file must hold, format or name, kept as it is.</extracomment>
        <translation>brak &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Could not load the cue profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the cue profile&apos;s file name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Nie można wczytać profilu komunikatów &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>nie jest tekstem UTF-8</translation>
    </message>
    <message>
        <source>There is no cue profile &quot;%1&quot;: the profiles are %2, or those in &quot;%3&quot;.</source>
        <extracomment>%1 is the name asked for, %2 the built-in profiles&apos; names (&quot;classic, guided, ...&quot;), %3 the folder of the user&apos;s own profiles.</extracomment>
        <translation>Nie ma profilu komunikatów &quot;%1&quot;: dostępne profile to %2 oraz profile w &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>RoundsEditing</name>
    <message numerus="yes">
        <source>%n rounds</source>
        <extracomment>The total below a table&apos;s rounds, while a value is still to mend.</extracomment>
        <translation>
            <numerusform>%n runda</numerusform>
            <numerusform>%n rundy</numerusform>
            <numerusform>%n rund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is how long the table lasts, like 24:30.</extracomment>
        <translation>
            <numerusform>%n runda, %1</numerusform>
            <numerusform>%n rundy, %1</numerusform>
            <numerusform>%n rund, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is the most the table can last, like 24:30, as a hold or a rest ends at a contraction or a key.</extracomment>
        <translation>
            <numerusform>%n runda, najwyżej %1</numerusform>
            <numerusform>%n rundy, najwyżej %1</numerusform>
            <numerusform>%n rund, najwyżej %1</numerusform>
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
        <translation>Piramida z PB %1</translation>
    </message>
    <message>
        <source>Wonka from a PB of %1</source>
        <extracomment>The name of a new table whose holds end after the first contraction (&quot;Wonka&quot; is a name); %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka z PB %1</translation>
    </message>
    <message>
        <source>Wonka by count from a PB of %1</source>
        <extracomment>The name of a new table whose holds end at a count of contractions; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka wg liczby skurczów z PB %1</translation>
    </message>
    <message>
        <source>One-breath</source>
        <extracomment>The name of a new table whose rests are one breath each.</extracomment>
        <translation>Jeden oddech</translation>
    </message>
    <message>
        <source>Static intervals</source>
        <extracomment>The name of a new table whose holds start at a fixed interval.</extracomment>
        <translation>Interwały statyczne</translation>
    </message>
    <message>
        <source>the personal best must be from 00:01 to %1 for a table of rounds</source>
        <extracomment>%1 is the longest personal best a table is made from, a time like 24:00:00.</extracomment>
        <translation>rekord życiowy musi wynosić od 00:01 do %1, aby utworzyć tabelę rund</translation>
    </message>
</context>
<context>
    <name>SensorSamples</name>
    <message>
        <source>its %1 holds no value a sensor gives</source>
        <extracomment>Why a row of a sensor samples file is left out; %1 is a column&apos;s name in the file.</extracomment>
        <translation>pole %1 nie zawiera wartości, jaką może podać czujnik</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <extracomment>Why a row of a sensor samples file is left out.</extracomment>
        <translation>został ucięty</translation>
    </message>
    <message>
        <source>its header has no %1</source>
        <extracomment>%1 is a column&apos;s name a sensor samples file must have.</extracomment>
        <translation>jego nagłówek nie ma kolumny %1</translation>
    </message>
    <message>
        <source>it has %1 columns, not %2</source>
        <extracomment>%1 and %2 are counts of columns.</extracomment>
        <translation>liczba kolumn to %1, a nie %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <extracomment>Why a sensor samples file is not read; %1 is the most bytes it may hold.</extracomment>
        <translation>zawiera więcej niż %1 bajtów</translation>
    </message>
    <message>
        <source>Could not read the sensor samples &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>Nie można wczytać odczytów czujników &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not keep the sensors&apos; values in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można zapisać odczytów czujników w &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>An error occured. Please check the values in the input fields.</source>
        <translation>Wystąpił błąd. Sprawdź wartości w polach.</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>the training log</source>
        <extracomment>One of Vellorin&apos;s own files, named in &quot;it is the training log Vellorin keeps, not a table&quot; (and so are the other two).</extracomment>
        <translation>dziennik treningów</translation>
    </message>
    <message>
        <source>the personal-best attempts</source>
        <extracomment>One of Vellorin&apos;s own files: the attempts of personal-best tests.</extracomment>
        <translation>próby rekordu życiowego</translation>
    </message>
    <message>
        <source>the window&apos;s settings</source>
        <extracomment>One of Vellorin&apos;s own files: the window&apos;s size and other settings.</extracomment>
        <translation>ustawienia okna</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is %2 Vellorin keeps, not a table.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Nie można wczytać &quot;%1&quot;: to plik prowadzony przez Vellorin (%2), a nie tabela.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Nie można zapisać sesji do &quot;%1&quot;: to plik prowadzony przez Vellorin (%2), którego tabela nie może zastąpić.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files.</extracomment>
        <translation>Nie można zapisać tabeli do &quot;%1&quot;: to plik prowadzony przez Vellorin (%2), którego tabela nie może zastąpić.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Nie można zapisać sesji do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Nie można zapisać tabeli do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a line break, which a session file cannot keep.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;.</extracomment>
        <translation>Nie można zapisać sesji: pole &quot;%1&quot; zawiera znak końca wiersza, którego plik sesji nie może przechować.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a NUL character, which a session file cannot keep.</source>
        <translation>Nie można zapisać sesji: pole &quot;%1&quot; zawiera znak NUL, którego plik sesji nie może przechować.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds characters this system&apos;s encoding cannot keep in a session file.</source>
        <translation>Nie można zapisać sesji: pole &quot;%1&quot; zawiera znaki, których przy kodowaniu tego systemu nie da się zapisać w pliku sesji.</translation>
    </message>
    <message>
        <source>Could not find default.ses in session folder. Make sure to safe a session as default.ses to eliminate this warning.</source>
        <translation>Nie znaleziono pliku default.ses w folderze sesji. Zapisz sesję jako default.ses, aby to ostrzeżenie przestało się pojawiać.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason it cannot be loaded.
----------
%1 is the file&apos;s name, %2 the system&apos;s reason it cannot be read.</extracomment>
        <translation>Nie można wczytać &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it holds only %2 of the %3 lines of a session.</source>
        <extracomment>%1 is the file&apos;s name, %2 how many lines it holds, %3 how many a session file has (6).</extracomment>
        <translation>Nie można wczytać &quot;%1&quot;: zawiera tylko %2 z %3 wierszy sesji.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: line %2 is longer than %3 characters.</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number, %3 the most characters a line holds.</extracomment>
        <translation>Nie można wczytać &quot;%1&quot;: wiersz %2 jest dłuższy niż %3 znaków.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is not a table (line %2 is not text).</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number.</extracomment>
        <translation>Nie można wczytać &quot;%1&quot;: to nie jest tabela (wiersz %2 nie jest tekstem).</translation>
    </message>
</context>
<context>
    <name>SessionPlan</name>
    <message>
        <source>the intro lasts more than %1 seconds, the most a table of rounds holds</source>
        <extracomment>%1 is the most seconds a phase of a table of rounds lasts (86400).</extracomment>
        <translation>wstęp trwa dłużej niż %1 sekund, a tyle najwyżej dopuszcza tabela rund</translation>
    </message>
    <message>
        <source>loop %1 lasts more than %2 seconds, the most a hold or a rest of a table of rounds lasts</source>
        <extracomment>%1 is the loop&apos;s number, %2 the most seconds a hold or a rest of a table of rounds lasts (86400).</extracomment>
        <translation>seria %1 trwa dłużej niż %2 sekund, a tyle najwyżej może trwać bezdech lub przerwa w tabeli rund</translation>
    </message>
    <message>
        <source>a phase must last at least 1 second</source>
        <extracomment>Why a session under way stops: a hold or rest would be shorter than a second.</extracomment>
        <translation>faza musi trwać co najmniej 1 sekundę</translation>
    </message>
    <message>
        <source>a computed value is not a finite number</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>obliczona wartość nie jest liczbą skończoną</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <extracomment>%1 is the text of a settings field.</extracomment>
        <translation>to nie jest liczba: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a computed number of seconds is out of range</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>obliczona liczba sekund jest poza zakresem</translation>
    </message>
    <message>
        <source>the number of loops must be a whole number from 1 to 32767</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>liczba serii musi być liczbą całkowitą od 1 do 32767</translation>
    </message>
    <message>
        <source>the intro must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>wstęp musi trwać co najmniej 1 sekundę</translation>
    </message>
    <message>
        <source>every hold must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>każdy bezdech musi trwać co najmniej 1 sekundę</translation>
    </message>
    <message>
        <source>every rest must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>każda przerwa musi trwać co najmniej 1 sekundę</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not a number: &quot;%2&quot;</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;, %2 its text.</extracomment>
        <translation>pole &quot;%1&quot; nie jest liczbą: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field to mend: &quot;%1&quot;. The reason: %2.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;; %2 is a reason such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Pole do poprawienia: &quot;%1&quot;. Powód: %2.</translation>
    </message>
    <message>
        <source>the table lasts too long</source>
        <translation>tabela trwa zbyt długo</translation>
    </message>
    <message>
        <source>the table cannot be run</source>
        <translation>tabeli nie można uruchomić</translation>
    </message>
    <message>
        <source>too many loops</source>
        <translation>zbyt wiele serii</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>no contractions</source>
        <translation>brak skurczów</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions</source>
        <translation>
            <numerusform>%n skurcz</numerusform>
            <numerusform>%n skurcze</numerusform>
            <numerusform>%n skurczów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1</source>
        <extracomment>%1 is the time into the hold of the first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n skurcz, pierwszy po %1</numerusform>
            <numerusform>%n skurcze, pierwszy po %1</numerusform>
            <numerusform>%n skurczów, pierwszy po %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done</source>
        <translation>brak ukończonych bezdechów</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done</source>
        <translation>
            <numerusform>%n ukończony bezdech</numerusform>
            <numerusform>%n ukończone bezdechy</numerusform>
            <numerusform>%n ukończonych bezdechów</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done of %1 begun</source>
        <extracomment>%1 is how many holds were begun.</extracomment>
        <translation>brak ukończonych bezdechów z rozpoczętych: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done of %1 begun</source>
        <translation>
            <numerusform>%n ukończony bezdech z rozpoczętych: %1</numerusform>
            <numerusform>%n ukończone bezdechy z rozpoczętych: %1</numerusform>
            <numerusform>%n ukończonych bezdechów z rozpoczętych: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Session over: %1, %2 held</source>
        <extracomment>%1 tells the holds done (&quot;8 holds done&quot;), %2 the time held in all (&quot;12:30&quot;).</extracomment>
        <translation>Koniec sesji: %1, czas bezdechu %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1 on average</source>
        <extracomment>%1 is the average time into a hold of its first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n skurcz, pierwszy średnio po %1</numerusform>
            <numerusform>%n skurcze, pierwszy średnio po %1</numerusform>
            <numerusform>%n skurczów, pierwszy średnio po %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hold %1: %2, %3</source>
        <extracomment>%1 is the hold&apos;s number, %2 the time held, %3 its contractions.</extracomment>
        <translation>Bezdech %1: %2, %3</translation>
    </message>
    <message>
        <source>Hold %1: %2, %3, cut short</source>
        <translation>Bezdech %1: %2, %3, przerwany</translation>
    </message>
    <message>
        <source>Holds %1 to %2: %3 held, %4</source>
        <extracomment>The holds past those listed one by one: %1 and %2 their first and last number, %3 the time held in all, %4 their contractions.</extracomment>
        <translation>Bezdechy od %1 do %2: czas bezdechu %3, %4</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Breath-hold session running</source>
        <extracomment>Shown by the desktop as the reason it does not sleep or lock the screen.</extracomment>
        <translation>Trwa sesja treningu bezdechu</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>it must be a JSON object</source>
        <extracomment>Why a table file cannot be loaded: &quot;it&quot; is a value of the file.</extracomment>
        <translation>musi być obiektem JSON</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>brak &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number of seconds from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; musi być całkowitą liczbą sekund od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; musi być liczbą całkowitą od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text of at most %2 characters, without control characters</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; musi być tekstem o długości najwyżej %2 znaków, bez znaków sterujących</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be %1 or %2</source>
        <extracomment>&quot;end&quot; is a key of the table file; %1 and %2 are the words it may hold, quoted (&quot;&quot;time&quot;, &quot;cycle&quot;&quot; and &quot;&quot;breath&quot;&quot;), all kept as they are.</extracomment>
        <translation>&quot;end&quot; musi mieć wartość %1 lub %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value a table file holds</source>
        <extracomment>%1 is a key found in the file.</extracomment>
        <translation>&quot;%1&quot; nie jest wartością, którą zawiera plik tabeli</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a place in a table file, such as &quot;round 3, hold&quot;, %2 what is wrong there.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vellorin table file (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <extracomment>&quot;format&quot; is a key of the table file, %1 the word it must hold, kept as they are.</extracomment>
        <translation>nie jest plikiem tabeli Vellorin (jego &quot;format&quot; to nie &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin (table format version %1; this one reads version %2)</source>
        <extracomment>%1 and %2 are version numbers of the table file&apos;s format.</extracomment>
        <translation>został zapisany przez nowszą wersję Vellorin (wersja formatu tabeli %1; ta wersja odczytuje wersję %2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <extracomment>&quot;version&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;version&quot; musi mieć wartość %1</translation>
    </message>
    <message>
        <source>&quot;rounds&quot; must be a list of 1 to %1 rounds</source>
        <extracomment>&quot;rounds&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;rounds&quot; musi być listą od 1 do %1 rund</translation>
    </message>
    <message>
        <source>round %1</source>
        <extracomment>A place in a table file, before what is wrong there: &quot;round 3: ...&quot;.</extracomment>
        <translation>runda %1</translation>
    </message>
    <message>
        <source>round %1, hold</source>
        <extracomment>A place in a table file, the hold of a round: &quot;round 3, hold: ...&quot;.</extracomment>
        <translation>runda %1, bezdech</translation>
    </message>
    <message>
        <source>round %1, rest</source>
        <extracomment>A place in a table file, the rest of a round: &quot;round 3, rest: ...&quot;.</extracomment>
        <translation>runda %1, przerwa</translation>
    </message>
    <message>
        <source>it is not a table file (it holds a NUL byte)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>nie jest plikiem tabeli (zawiera bajt NUL)</translation>
    </message>
    <message>
        <source>it is not a table file (it is not UTF-8 text)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>nie jest plikiem tabeli (nie jest tekstem UTF-8)</translation>
    </message>
    <message>
        <source>it is not a table file (it begins with a byte-order mark)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>nie jest plikiem tabeli (zaczyna się od znacznika kolejności bajtów)</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Nie można wczytać &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1: %2</source>
        <extracomment>%1 is a round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>runda %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>jest większy niż %1 bajtów</translation>
    </message>
    <message>
        <source>it is not a table file (not JSON: %1 at byte %2)</source>
        <extracomment>%1 is why the JSON cannot be read, such as &quot;unterminated object&quot;, %2 where.</extracomment>
        <translation>nie jest plikiem tabeli (to nie jest JSON: %1 w bajcie %2)</translation>
    </message>
</context>
<context>
    <name>TableProblems</name>
    <message>
        <source>the hold of %1 is longer than your personal best of %2</source>
        <extracomment>%1 is the hold&apos;s length and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>bezdech %1 jest dłuższy niż Twój rekord życiowy %2</translation>
    </message>
    <message>
        <source>the cap of %1 is longer than your personal best of %2</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last. %1 is the cap and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>limit %1 jest dłuższy niż Twój rekord życiowy %2</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <extracomment>%1 is the round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Runda %1: %2.</translation>
    </message>
    <message>
        <source>the hold must last from %1 to %2 seconds</source>
        <extracomment>A reason, after &quot;Round 3: &quot; or on its own with a capital first letter.</extracomment>
        <translation>bezdech musi trwać od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the margin after the first contraction must be from %1 to %2 seconds</source>
        <translation>margines po pierwszym skurczu musi wynosić od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the number of contractions must be from 1 to %1</source>
        <translation>liczba skurczów musi wynosić od 1 do %1</translation>
    </message>
    <message>
        <source>the cap must be from %1 to %2 seconds</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last.</extracomment>
        <translation>limit musi wynosić od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the minimum must be from %1 to %2 seconds</source>
        <extracomment>The minimum: the shortest a hold that ends at a contraction may last.</extracomment>
        <translation>minimum musi wynosić od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the cap must be at least the minimum</source>
        <translation>limit musi być co najmniej równy minimum</translation>
    </message>
    <message>
        <source>the rest must last from %1 to %2 seconds</source>
        <translation>przerwa musi trwać od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the cycle must be from %1 to %2 seconds</source>
        <extracomment>The cycle: the time from one hold&apos;s start to the next one&apos;s.</extracomment>
        <translation>cykl musi wynosić od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the shortest rest of the cycle must be from %1 to %2 seconds</source>
        <translation>najkrótsza przerwa cyklu musi wynosić od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the longest one-breath rest must be from %1 to %2 seconds</source>
        <translation>najdłuższa przerwa na jeden oddech musi wynosić od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the name must be at most %1 characters, without control characters</source>
        <translation>nazwa może mieć najwyżej %1 znaków, bez znaków sterujących</translation>
    </message>
    <message>
        <source>the intro must last from %1 to %2 seconds</source>
        <translation>wstęp musi trwać od %1 do %2 sekund</translation>
    </message>
    <message>
        <source>the cue profile&apos;s name must be at most %1 characters, without control characters</source>
        <translation>nazwa profilu komunikatów może mieć najwyżej %1 znaków, bez znaków sterujących</translation>
    </message>
    <message>
        <source>the table must have at least one round</source>
        <translation>tabela musi mieć co najmniej jedną rundę</translation>
    </message>
    <message>
        <source>the repeat must be from 1 to %1</source>
        <extracomment>The repeat: how many times in a row the round is run.</extracomment>
        <translation>liczba powtórzeń musi wynosić od 1 do %1</translation>
    </message>
    <message numerus="yes">
        <source>the table runs %n rounds with its repeats, more than %1</source>
        <extracomment>%n is how many rounds the table runs, %1 the most a table may run.</extracomment>
        <translation>
            <numerusform>tabela z powtórzeniami ma %n rundę, więcej niż %1</numerusform>
            <numerusform>tabela z powtórzeniami ma %n rundy, więcej niż %1</numerusform>
            <numerusform>tabela z powtórzeniami ma %n rund, więcej niż %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts %n seconds in all, more than %1</source>
        <extracomment>%n is how long the table lasts, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>tabela trwa łącznie %n sekundę, więcej niż %1</numerusform>
            <numerusform>tabela trwa łącznie %n sekundy, więcej niż %1</numerusform>
            <numerusform>tabela trwa łącznie %n sekund, więcej niż %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts up to %n seconds in all, more than %1</source>
        <extracomment>%n is the most the table can last, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>tabela trwa łącznie najwyżej %n sekundę, więcej niż %1</numerusform>
            <numerusform>tabela trwa łącznie najwyżej %n sekundy, więcej niż %1</numerusform>
            <numerusform>tabela trwa łącznie najwyżej %n sekund, więcej niż %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrainerMainform</name>
    <message>
        <source>Intro</source>
        <translation>Wstęp</translation>
    </message>
    <message>
        <source>Breath hold(max)</source>
        <translation>Bezdech (maks.)</translation>
    </message>
    <message>
        <source>Increase hold time by</source>
        <translation>Wydłużaj bezdech o</translation>
    </message>
    <message>
        <source>Initial rest time</source>
        <translation>Pierwsza przerwa</translation>
    </message>
    <message>
        <source>Decrease rest by</source>
        <translation>Skracaj przerwę o</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Liczba serii</translation>
    </message>
    <message>
        <source>Session Settings</source>
        <translation>Ustawienia sesji</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Wstęp</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sek.</translation>
    </message>
    <message>
        <source>Breath hold(max):</source>
        <translation>Bezdech (maks.):</translation>
    </message>
    <message>
        <source>Increase hold time by:</source>
        <translation>Wydłużaj bezdech o:</translation>
    </message>
    <message>
        <source>Initial rest time:</source>
        <translation>Pierwsza przerwa:</translation>
    </message>
    <message>
        <source>Decrease rest by:</source>
        <translation>Skracaj przerwę o:</translation>
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
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesja</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Seria 1</translation>
    </message>
    <message>
        <source>Current Sequence</source>
        <translation>Bieżąca faza</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Bezdech</translation>
    </message>
    <message>
        <source>Current loop</source>
        <translation>Bieżąca seria</translation>
    </message>
    <message>
        <source>Session time left</source>
        <translation>Pozostały czas sesji</translation>
    </message>
    <message>
        <source>Current phase</source>
        <translation>Bieżąca faza</translation>
    </message>
    <message>
        <source>Phase time left</source>
        <translation>Pozostały czas fazy</translation>
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
        <translation>Każdy klawisz działa niezależnie od tego, co ma fokus, również w trybie zaciemnienia.

Space	uruchom sesję, gdy żadna nie trwa; wstrzymaj lub wznów trwającą
Ctrl+R	zresetuj sesję do początku
Ctrl+O	otwórz tabelę
Ctrl+Z	cofnij ostatnie otwarcie (najpierw cofane jest pisanie w polu)
Ctrl+S	zapisz tabelę
Ctrl+E	wyeksportuj sesję jako dźwięk
Ctrl+T	test rekordu życiowego (Space go kończy)
Ctrl+N	nowa tabela z rekordu życiowego
Ctrl+B	edytuj tabelę rund (nową z sześciu ustawień)
Ctrl+H	historia treningów
Enter lub C	podczas bezdechu: zaznacz skurcz; w przerwie na jeden oddech: oddech wzięty
	(w innych chwilach sesji: cichy sygnał &quot;nie teraz&quot;)
F11	zaciemnienie: same cztery wyświetlacze na pełnym ekranie (Esc wychodzi)
F1	o programie Vellorin i jego klawiszach
Ctrl+Q	zakończ
Enter	kliknij przycisk z fokusem, gdy nie trwa żadna sesja</translation>
    </message>
</context>
<context>
    <name>TrainingLog</name>
    <message>
        <source>Could not keep the session in the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Nie można zapisać sesji w dzienniku treningów &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its %1 is not a whole number from %2 to %3</source>
        <extracomment>Why a row of the training log is left out; %1 is a column&apos;s name in the file, such as held_seconds, kept as it is.</extracomment>
        <translation>pole %1 nie jest liczbą całkowitą od %2 do %3</translation>
    </message>
    <message>
        <source>the row was cut short</source>
        <extracomment>Why a row of the training log is left out.</extracomment>
        <translation>wiersz został ucięty</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a row (&quot;it&quot;) of the training log is left out.</extracomment>
        <translation>jest dłuższy niż %1 bajtów</translation>
    </message>
    <message numerus="yes">
        <source>it has %n columns, not %1</source>
        <extracomment>%n is how many columns the row has, %1 how many the log expects: a number, or three as &quot;14, 17 or 21&quot;.</extracomment>
        <translation>
            <numerusform>ma %n kolumnę, a nie %1</numerusform>
            <numerusform>ma %n kolumny, a nie %1</numerusform>
            <numerusform>ma %n kolumn, a nie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its session_start is not a date and time</source>
        <extracomment>session_start is a column&apos;s name in the file, kept as it is.</extracomment>
        <translation>pole session_start nie jest datą i godziną</translation>
    </message>
    <message>
        <source>its completed is neither yes nor no</source>
        <extracomment>completed is a column&apos;s name in the file, yes and no the words it holds, all kept as they are.</extracomment>
        <translation>pole completed nie ma wartości yes ani no</translation>
    </message>
    <message>
        <source>its kind is neither classic nor rounds</source>
        <extracomment>kind is a column&apos;s name in the file, classic and rounds the words it holds, all kept as they are.</extracomment>
        <translation>pole kind nie ma wartości classic ani rounds</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a hold ends</source>
        <extracomment>%1 is a column&apos;s name in the file, hold or hold_rule, kept as it is.</extracomment>
        <translation>pole %1 nie jest regułą zakończenia bezdechu</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a rest ends</source>
        <extracomment>%1 is a column&apos;s name in the file, rest or rest_rule, kept as it is.</extracomment>
        <translation>pole %1 nie jest regułą zakończenia przerwy</translation>
    </message>
    <message>
        <source>the export was stopped</source>
        <extracomment>Why the training log&apos;s copy was not written: the user stopped it.</extracomment>
        <translation>eksport został zatrzymany</translation>
    </message>
    <message>
        <source>it is the training log itself</source>
        <extracomment>Why the training log cannot be exported to the file chosen.</extracomment>
        <translation>to jest sam dziennik treningów</translation>
    </message>
    <message>
        <source>Could not read the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the reason it cannot be read.</extracomment>
        <translation>Nie można odczytać dziennika treningów &quot;%1&quot;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n bytes, more than the %1 a training log may hold</source>
        <extracomment>%n is the file&apos;s size and %1 the largest a training log may be, both in bytes.</extracomment>
        <translation>
            <numerusform>zawiera %n bajt, więcej niż %1, które może zawierać dziennik treningów</numerusform>
            <numerusform>zawiera %n bajty, więcej niż %1, które może zawierać dziennik treningów</numerusform>
            <numerusform>zawiera %n bajtów, więcej niż %1, które może zawierać dziennik treningów</numerusform>
        </translation>
    </message>
    <message>
        <source>it grew past %1 bytes</source>
        <extracomment>%1 is the largest a training log may be, in bytes.</extracomment>
        <translation>przekroczył %1 bajtów</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Three numbers of columns a row of the training log may have.</extracomment>
        <translation>%1, %2 lub %3</translation>
    </message>
    <message>
        <source>its spo2_lowest_second has no spo2_lowest</source>
        <extracomment>spo2_lowest_second and spo2_lowest are columns&apos; names in the file, kept as they are.</extracomment>
        <translation>pole spo2_lowest_second jest wypełnione, a pole spo2_lowest nie</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used; %1 is a number of bytes.</extracomment>
        <translation>jest większy niż %1 bajtów</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;its&quot;) cannot be written.</extracomment>
        <translation>nie można zapisywać w jego folderze</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be written.</extracomment>
        <translation>nie można go zapisać</translation>
    </message>
    <message>
        <source>it is not in the INI format</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>nie jest w formacie INI</translation>
    </message>
    <message>
        <source>The setting could not be kept in &quot;%1&quot;: %2. It holds until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be written.</extracomment>
        <translation>Nie można zapisać ustawienia w &quot;%1&quot;: %2. Obowiązuje ono do zamknięcia Vellorin.</translation>
    </message>
    <message>
        <source>The window&apos;s settings file &quot;%1&quot; cannot be used: %2. The window&apos;s size and the training log switch hold only until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be used. The training log switch turns the keeping of the training log on and off.</extracomment>
        <translation>Pliku ustawień okna &quot;%1&quot; nie można użyć: %2. Rozmiar okna i przełącznik dziennika treningów obowiązują tylko do zamknięcia Vellorin.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>up to %1</source>
        <extracomment>In the window&apos;s title: the most the table can last, %1 a time like 40:30.</extracomment>
        <translation>najwyżej %1</translation>
    </message>
</context>
<context>
    <name>vellorin::AttemptsDialog</name>
    <message>
        <source>Personal bests</source>
        <translation>Rekordy życiowe</translation>
    </message>
    <message>
        <source>Began</source>
        <extracomment>The headings of the list of attempts: when each began, and the time held.</extracomment>
        <translation>Początek</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Czas bezdechu</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Usuń...</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss lub sekundy</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Began:</source>
        <translation>&amp;Początek:</translation>
    </message>
    <message>
        <source>&amp;Held:</source>
        <extracomment>The field of the time held in an attempt.</extracomment>
        <translation>&amp;Czas bezdechu:</translation>
    </message>
    <message>
        <source>Your attempts:</source>
        <translation>Twoje próby:</translation>
    </message>
    <message>
        <source>A personal best from elsewhere:</source>
        <translation>Rekord życiowy z innego źródła:</translation>
    </message>
    <message>
        <source>Remove the attempt that began %1, held %2? It cannot be brought back.</source>
        <extracomment>%1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).</extracomment>
        <translation>Usunąć próbę rozpoczętą %1, czas bezdechu %2? Nie będzie można jej przywrócić.</translation>
    </message>
    <message>
        <source>Could not remove the attempt from &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Nie można usunąć próby z &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The time held is typed as m:ss (&quot;3:05&quot;) or in seconds (&quot;185&quot;), at least 1 second.</source>
        <translation>Czas bezdechu wpisuje się jako m:ss (&quot;3:05&quot;) lub w sekundach (&quot;185&quot;), co najmniej 1 sekunda.</translation>
    </message>
    <message>
        <source>Could not add the attempt to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Nie można dodać próby do &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileDialog</name>
    <message>
        <source>Cue profile - Vellorin</source>
        <translation>Profil komunikatów - Vellorin</translation>
    </message>
    <message>
        <source>Start &amp;from:</source>
        <extracomment>The built-in profile whose settings fill the fields.</extracomment>
        <translation>Zacznij &amp;od:</translation>
    </message>
    <message>
        <source>words</source>
        <extracomment>A profile&apos;s sound: calls spoken in words.</extracomment>
        <translation>słowa</translation>
    </message>
    <message>
        <source>tones</source>
        <extracomment>A profile&apos;s sound: tones, no words.</extracomment>
        <translation>sygnały</translation>
    </message>
    <message>
        <source>hold</source>
        <extracomment>What a hold begins with: the word &quot;hold&quot;.</extracomment>
        <translation>wstrzymaj oddech</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>What a hold begins with: &quot;official top&quot;, as at a freediving competition.</extracomment>
        <translation>top</translation>
    </message>
    <message>
        <source>Pace in &amp;words, not soft tones</source>
        <translation>Rytm oddechu &amp;słowami, nie cichymi sygnałami</translation>
    </message>
    <message>
        <source>Say the holds and the time held at the &amp;end</source>
        <translation>Na &amp;końcu podaj liczbę bezdechów i łączny czas bezdechu</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Dźwięk:</translation>
    </message>
    <message>
        <source>A hold &amp;begins with:</source>
        <translation>Bezdech &amp;zaczyna się od:</translation>
    </message>
    <message>
        <source>Calls before a &amp;hold:</source>
        <extracomment>The times called out in each rest, before the hold.</extracomment>
        <translation>Zapowiedzi przed &amp;bezdechem:</translation>
    </message>
    <message>
        <source>Calls in every h&amp;old:</source>
        <translation>Zapowiedzi w każdym bezd&amp;echu:</translation>
    </message>
    <message>
        <source>Calls in the &amp;last hold:</source>
        <translation>Zapowiedzi w ostatni&amp;m bezdechu:</translation>
    </message>
    <message>
        <source>Time held called e&amp;very:</source>
        <translation>Czas bezdechu podawany &amp;co:</translation>
    </message>
    <message>
        <source>&quot;Last b&amp;reath&quot;, seconds before a hold:</source>
        <translation>&quot;Ostatni &amp;wdech&quot;, sekund przed bezdechem:</translation>
    </message>
    <message>
        <source>Re&amp;covery breaths after a hold:</source>
        <translation>Oddechy &amp;regeneracyjne po bezdechu:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds &amp;in:</source>
        <translation>Oddychanie w rytmie, sekundy wdec&amp;hu:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds o&amp;ut:</source>
        <translation>Oddychanie w rytmie, sekundy w&amp;ydechu:</translation>
    </message>
    <message>
        <source>Pace the last part of a rest (m:ss or all):</source>
        <extracomment>&quot;all&quot; is typed as it is, in English: the profile file&apos;s word for the whole rest.</extracomment>
        <translation>Rytm oddechu w końcowej części przerwy (m:ss lub all):</translation>
    </message>
    <message>
        <source>Calls are written m:ss to be spoken (0:30 &quot;thirty seconds&quot;) and as a bare number to be counted (5 &quot;five&quot;).</source>
        <extracomment>How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.</extracomment>
        <translation>Zapowiedzi zapisuje się jako m:ss, aby zostały wypowiedziane (0:30 &quot;trzydzieści sekund&quot;), albo jako samą liczbę, aby zostały odliczone (5 &quot;pięć&quot;).</translation>
    </message>
    <message>
        <source>My %1</source>
        <extracomment>The name proposed for a profile of the user&apos;s own made from a built-in one; %1 is the built-in profile&apos;s key, as &quot;guided&quot;.</extracomment>
        <translation>Mój %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>A hold begins with</source>
        <translation>Bezdech zaczyna się od</translation>
    </message>
    <message>
        <source>Calls before a hold</source>
        <translation>Zapowiedzi przed bezdechem</translation>
    </message>
    <message>
        <source>Calls in every hold</source>
        <translation>Zapowiedzi w każdym bezdechu</translation>
    </message>
    <message>
        <source>Calls in the last hold</source>
        <translation>Zapowiedzi w ostatnim bezdechu</translation>
    </message>
    <message>
        <source>Time held called every</source>
        <translation>Czas bezdechu podawany co</translation>
    </message>
    <message>
        <source>Last breath</source>
        <translation>Ostatni wdech</translation>
    </message>
    <message>
        <source>Recovery breaths</source>
        <translation>Oddechy regeneracyjne</translation>
    </message>
    <message>
        <source>Paced breathing</source>
        <translation>Oddychanie w rytmie</translation>
    </message>
    <message>
        <source>Pace the last part of a rest</source>
        <translation>Rytm oddechu w końcowej części przerwy</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the profile and why its value cannot be used: &quot;Sound: it must be words or tones&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a built-in profile: choose another name.</source>
        <translation>&quot;%1&quot; to nazwa wbudowanego profilu: wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is kept in the file of your profile &quot;%2&quot;: choose another name.</source>
        <extracomment>%1 is the name typed, %2 the name of another profile whose file name would be the same.</extracomment>
        <translation>&quot;%1&quot; byłby przechowywany w pliku Twojego profilu &quot;%2&quot;: wybierz inną nazwę.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>Could not save the cue profile to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Nie można zapisać profilu komunikatów do &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileMenu</name>
    <message>
        <source>Cue &amp;profile</source>
        <translation>&amp;Profil komunikatów</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>A built-in cue profile: the cues of the classic timer.</extracomment>
        <translation>Klasyczny</translation>
    </message>
    <message>
        <source>Guided</source>
        <extracomment>A built-in cue profile: calls that guide the breathing and the holds.</extracomment>
        <translation>Prowadzony</translation>
    </message>
    <message>
        <source>Competition countdown</source>
        <extracomment>A built-in cue profile: the countdown of a freediving competition.</extracomment>
        <translation>Odliczanie zawodnicze</translation>
    </message>
    <message>
        <source>Tones only</source>
        <extracomment>A built-in cue profile: tones, no words.</extracomment>
        <translation>Tylko sygnały</translation>
    </message>
    <message>
        <source>Your default</source>
        <extracomment>In a table&apos;s list of cue profiles: the profile chosen in Training &gt; Cue profile.</extracomment>
        <translation>Twój domyślny</translation>
    </message>
    <message>
        <source>%1 (not found: your default plays)</source>
        <extracomment>A cue profile a table names that this user does not have; %1 is its name.</extracomment>
        <translation>%1 (nie znaleziono: odtwarzany jest Twój domyślny)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>A profile file of the user&apos;s that cannot be read; %1 is its file name.</extracomment>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>&amp;Edit profile...</source>
        <translation>&amp;Edytuj profil...</translation>
    </message>
</context>
<context>
    <name>vellorin::HistoryWindow</name>
    <message>
        <source>%1, %2, %3 held</source>
        <extracomment>The sessions shown and their holds: %1 is &quot;3 sessions&quot;, %2 &quot;6 holds&quot;, %3 the time held in them, as 09:00 or 12:05:00.</extracomment>
        <translation>%1, %2, czas bezdechu %3</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions</source>
        <translation>
            <numerusform>%n sesja</numerusform>
            <numerusform>%n sesje</numerusform>
            <numerusform>%n sesji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holds</source>
        <translation>
            <numerusform>%n bezdech</numerusform>
            <numerusform>%n bezdechy</numerusform>
            <numerusform>%n bezdechów</numerusform>
        </translation>
    </message>
    <message>
        <source>History - Vellorin</source>
        <translation>Historia - Vellorin</translation>
    </message>
    <message>
        <source>Reading the training log…</source>
        <translation>Odczytywanie dziennika treningów…</translation>
    </message>
    <message>
        <source>Export the &amp;log...</source>
        <translation>Eksportuj &amp;dziennik...</translation>
    </message>
    <message>
        <source>Export the &amp;sessions...</source>
        <translation>Eksportuj &amp;sesje...</translation>
    </message>
    <message>
        <source>Tables shown</source>
        <translation>Wyświetlane tabele</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Tabele:</translation>
    </message>
    <message>
        <source>No sessions: the training log is switched off (Training &gt; Keep a training log).</source>
        <translation>Brak sesji: dziennik treningów jest wyłączony (Trening &gt; Prowadź dziennik treningów).</translation>
    </message>
    <message>
        <source>The training log is switched off (Training &gt; Keep a training log): the sessions you train now are not kept.</source>
        <translation>Dziennik treningów jest wyłączony (Trening &gt; Prowadź dziennik treningów): sesje trenowane teraz nie są zapisywane.</translation>
    </message>
    <message>
        <source>No sessions yet: every session you train is kept in the training log &quot;%1&quot;.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Jeszcze brak sesji: każda trenowana sesja jest zapisywana w dzienniku treningów &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The training log &quot;%1&quot; holds no sessions yet.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Dziennik treningów &quot;%1&quot; nie zawiera jeszcze żadnych sesji.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of tables of rounds yet.</source>
        <translation>Dziennik treningów nie zawiera jeszcze żadnych sesji tabel rund.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of classic tables yet.</source>
        <translation>Dziennik treningów nie zawiera jeszcze żadnych sesji tabel klasycznych.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of %1 yet.</source>
        <extracomment>%1 is the name of a table file.</extracomment>
        <translation>Dziennik treningów nie zawiera jeszcze żadnych sesji tabeli %1.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Eksportuj sesje</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Eksportuj dziennik</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Nie można wyeksportować do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Hold &amp;curve...</source>
        <translation>&amp;Krzywa bezdechu...</translation>
    </message>
    <message>
        <source>The heart rate and SpO2 second by second in the session&apos;s holds</source>
        <translation>Tętno i SpO2 sekunda po sekundzie w bezdechach sesji</translation>
    </message>
</context>
<context>
    <name>vellorin::HoldCurveWindow</name>
    <message>
        <source>Hold curve - Vellorin</source>
        <translation>Krzywa bezdechu - Vellorin</translation>
    </message>
    <message>
        <source>Reading the sensor samples…</source>
        <translation>Wczytywanie odczytów czujników…</translation>
    </message>
    <message>
        <source>&amp;Hold:</source>
        <translation>&amp;Bezdech:</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>An entry of the list of a session&apos;s holds; %1 is the hold&apos;s number.</extracomment>
        <translation>Bezdech %1</translation>
    </message>
    <message>
        <source>The sensor samples &quot;%1&quot; hold no second of a hold.</source>
        <extracomment>%1 is a sensor samples file&apos;s name.</extracomment>
        <translation>Odczyty czujników &quot;%1&quot; nie zawierają ani jednej sekundy bezdechu.</translation>
    </message>
</context>
<context>
    <name>vellorin::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>Język systemu (%1)</translation>
    </message>
    <message>
        <source>Vellorin speaks %1 from its next start: its window, messages and spoken cues.</source>
        <extracomment>%1 is the language chosen, named in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Od następnego uruchomienia Vellorin będzie używać języka: %1 – w oknie, wiadomościach i komunikatach głosowych.</translation>
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
        <translation>Skurcz %1</translation>
    </message>
    <message>
        <source>Contractions: %1</source>
        <translation>Skurcze: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::PbTableDialog</name>
    <message>
        <source>New table from personal best</source>
        <translation>Nowa tabela z rekordu życiowego</translation>
    </message>
    <message>
        <source>&amp;CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Tabela &amp;CO2: bezdechy po 50% Twojego PB, przerwy od 2:00 skracane o 15 s</translation>
    </message>
    <message>
        <source>&amp;O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>Tabela &amp;O2: przerwy po 2:00, bezdechy wydłużane o 15 s do 80% Twojego PB</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss lub sekundy</translation>
    </message>
    <message>
        <source>&amp;Fill the fields</source>
        <translation>&amp;Wypełnij pola</translation>
    </message>
    <message>
        <source>&amp;Personal best:</source>
        <translation>&amp;Rekord życiowy:</translation>
    </message>
    <message>
        <source>Type your personal best as m:ss or in seconds.</source>
        <translation>Wpisz rekord życiowy jako m:ss lub w sekundach.</translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsEditor</name>
    <message>
        <source>Table of rounds</source>
        <translation>Tabela rund</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss lub sekundy</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Powiel</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>&amp;Fill from the six settings</source>
        <extracomment>The six settings: the six fields of the main window that make a classic table.</extracomment>
        <translation>&amp;Wypełnij z sześciu ustawień</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Use this table</source>
        <translation>U&amp;żyj tej tabeli</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Intro:</source>
        <extracomment>The countdown before the first hold of the table.</extracomment>
        <translation>Ws&amp;tęp:</translation>
    </message>
    <message>
        <source>&amp;What you hear:</source>
        <extracomment>The cue profile the table plays.</extracomment>
        <translation>Co &amp;słychać:</translation>
    </message>
    <message>
        <source>R&amp;ounds:</source>
        <translation>&amp;Rundy:</translation>
    </message>
    <message>
        <source>Could not fill the table from the six settings: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Nie można wypełnić tabeli z sześciu ustawień: %1.</translation>
    </message>
    <message>
        <source>Replace the rounds with the six settings&apos; table? The changes you have not saved are lost.</source>
        <translation>Zastąpić rundy tabelą z sześciu ustawień? Niezapisane zmiany zostaną utracone.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file name, %2 the name of one of the program&apos;s own files, as &quot;the training log&quot;.</extracomment>
        <translation>Nie można zapisać tabeli do &quot;%1&quot;: to plik prowadzony przez Vellorin (%2), którego tabela nie może zastąpić.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Nie można zapisać tabeli do &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Close the table without saving your changes to it?</source>
        <translation>Zamknąć tabelę bez zapisywania zmian?</translation>
    </message>
    <message>
        <source>Save the table of rounds</source>
        <translation>Zapisz tabelę rund</translation>
    </message>
    <message>
        <source>Vellorin tables (*.vtable)</source>
        <translation>Tabele Vellorin (*.vtable)</translation>
    </message>
    <message>
        <source>Hold &amp;length:</source>
        <translation>Długość &amp;bezdechu:</translation>
    </message>
    <message>
        <source>Mar&amp;gin:</source>
        <extracomment>The time a hold goes on after the first contraction.</extracomment>
        <translation>&amp;Margines:</translation>
    </message>
    <message>
        <source>Con&amp;tractions:</source>
        <extracomment>The count of contractions that ends a hold.</extracomment>
        <translation>S&amp;kurcze:</translation>
    </message>
    <message>
        <source>&amp;Cap:</source>
        <extracomment>The longest a hold may go on.</extracomment>
        <translation>&amp;Limit:</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <extracomment>The shortest a hold may be.</extracomment>
        <translation>M&amp;inimum:</translation>
    </message>
    <message>
        <source>Rest lengt&amp;h:</source>
        <translation>Długość prz&amp;erwy:</translation>
    </message>
    <message>
        <source>C&amp;ycle:</source>
        <extracomment>The time from the start of a hold to the start of the next, the rest taking what the hold leaves.</extracomment>
        <translation>&amp;Cykl:</translation>
    </message>
    <message>
        <source>&amp;Floor (shortest rest):</source>
        <translation>D&amp;olna granica (najkrótsza przerwa):</translation>
    </message>
    <message>
        <source>Longest &amp;breath:</source>
        <extracomment>The longest a one-breath rest may last.</extracomment>
        <translation>Najdłuższy odd&amp;ech:</translation>
    </message>
    <message>
        <source>Re&amp;peat:</source>
        <extracomment>How many times the round is run.</extracomment>
        <translation>Powtórzeni&amp;a:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>hold</comment>
        <extracomment>A kind of hold: one of a set length.</extracomment>
        <translation>Ustalony czas</translation>
    </message>
    <message>
        <source>First contraction + margin</source>
        <extracomment>A kind of hold: it ends a margin after the first contraction.</extracomment>
        <translation>Pierwszy skurcz + margines</translation>
    </message>
    <message>
        <source>N-th contraction</source>
        <extracomment>A kind of hold: it ends at a given count of contractions.</extracomment>
        <translation>N-ty skurcz</translation>
    </message>
    <message>
        <source>&amp;Kind of hold:</source>
        <translation>Rodzaj bezd&amp;echu:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>rest</comment>
        <extracomment>A kind of rest: one of a set length.</extracomment>
        <translation>Ustalony czas</translation>
    </message>
    <message>
        <source>Cycle</source>
        <extracomment>A kind of rest: it lasts what the hold leaves of a set cycle.</extracomment>
        <translation>Cykl</translation>
    </message>
    <message>
        <source>One breath</source>
        <extracomment>A kind of rest: a single breath.</extracomment>
        <translation>Jeden oddech</translation>
    </message>
    <message>
        <source>Kind of r&amp;est:</source>
        <translation>Rodzaj p&amp;rzerwy:</translation>
    </message>
    <message>
        <source>%1. To mend: %2</source>
        <extracomment>A row of the table that cannot be run: its number, and what is wrong with it.</extracomment>
        <translation>%1. Do poprawienia: %2</translation>
    </message>
    <message>
        <source>%1. hold %2, rest %3</source>
        <extracomment>A row of the table: its number, its hold and its rest, as &quot;3. hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. bezdech %2, przerwa %3</translation>
    </message>
    <message>
        <source>%1. %2 × hold %3, rest %4</source>
        <extracomment>A row of the table run more than once: its number, how many times it runs, its hold and its rest, as &quot;3. 4 × hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. %2 × bezdech %3, przerwa %4</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>How long the whole table takes, as &quot;24:30&quot; or &quot;up to 24:30&quot;.</extracomment>
        <translation>Razem: %1</translation>
    </message>
    <message numerus="yes">
        <source>And %n more to mend.</source>
        <extracomment>After the first problems of the table: how many more there are.</extracomment>
        <translation>
            <numerusform>I jeszcze %n do poprawienia.</numerusform>
            <numerusform>I jeszcze %n do poprawienia.</numerusform>
            <numerusform>I jeszcze %n do poprawienia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more holds longer than your personal best.</source>
        <extracomment>After the first holds longer than the personal best: how many more there are.</extracomment>
        <translation>
            <numerusform>I jeszcze %n bezdech dłuższy niż Twój rekord życiowy.</numerusform>
            <numerusform>I jeszcze %n bezdechy dłuższe niż Twój rekord życiowy.</numerusform>
            <numerusform>I jeszcze %n bezdechów dłuższych niż Twój rekord życiowy.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsPanel</name>
    <message>
        <source>The table&apos;s rounds</source>
        <translation>Rundy tabeli</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What comes next in the session, under the lights-out displays; %1 is &quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;.</extracomment>
        <translation>Dalej: %1</translation>
    </message>
    <message>
        <source>%1. Hold %2, rest %3</source>
        <extracomment>A round in the list of the table&apos;s rounds: its number, its hold and its rest, as &quot;3. Hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Bezdech %2, przerwa %3</translation>
    </message>
    <message>
        <source>%1. Hold %2</source>
        <extracomment>The last round, which has no rest: its number and its hold, as &quot;8. Hold 1:30&quot;.</extracomment>
        <translation>%1. Bezdech %2</translation>
    </message>
    <message>
        <source>The table cannot be run: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Tabeli nie można uruchomić: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The table&apos;s rounds and how long it takes, as &quot;8 rounds, 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n runda, %1</numerusform>
            <numerusform>%n rundy, %1</numerusform>
            <numerusform>%n rund, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The table&apos;s rounds and the longest it may take, as &quot;8 rounds, up to 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n runda, najwyżej %1</numerusform>
            <numerusform>%n rundy, najwyżej %1</numerusform>
            <numerusform>%n rund, najwyżej %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Round %1 of %2. Next: %3.</source>
        <extracomment>Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes next (&quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;).</extracomment>
        <translation>Runda %1 z %2. Dalej: %3.</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold this long (a time like 1:30).</extracomment>
        <translation>bezdech %1</translation>
    </message>
    <message>
        <source>hold up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold that may end sooner, at most this long (a time like 1:30).</extracomment>
        <translation>bezdech najwyżej %1</translation>
    </message>
    <message>
        <source>rest %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest this long (a time like 2:00).</extracomment>
        <translation>przerwa %1</translation>
    </message>
    <message>
        <source>rest up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest that may end sooner, at most this long (a time like 2:00).</extracomment>
        <translation>przerwa najwyżej %1</translation>
    </message>
    <message>
        <source>the end</source>
        <extracomment>What comes next, after &quot;Next:&quot;: the end of the session.</extracomment>
        <translation>koniec</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorLink</name>
    <message>
        <source>This computer has no Bluetooth adapter, or its system service for Bluetooth (BlueZ) is not running.</source>
        <translation>Ten komputer nie ma adaptera Bluetooth albo nie działa jego usługa systemowa Bluetooth (BlueZ).</translation>
    </message>
    <message>
        <source>Bluetooth is turned off. Turn it on and scan again.</source>
        <translation>Bluetooth jest wyłączony. Włącz go i wyszukaj ponownie.</translation>
    </message>
    <message>
        <source>The system does not allow Vellorin to use Bluetooth.</source>
        <translation>System nie pozwala programowi Vellorin używać Bluetooth.</translation>
    </message>
    <message>
        <source>The scan for sensors failed: %1</source>
        <translation>Wyszukiwanie czujników nie powiodło się: %1</translation>
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
        <translation>brak</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>łączenie</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>połączono</translation>
    </message>
    <message>
        <source>no skin contact</source>
        <translation>brak kontaktu ze skórą</translation>
    </message>
    <message>
        <source>finger out</source>
        <translation>brak palca</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>brak wartości</translation>
    </message>
    <message>
        <source>lost, trying again</source>
        <translation>rozłączono, ponawianie</translation>
    </message>
    <message>
        <source>HR %1%2</source>
        <extracomment>The heart rate beside the displays; %1 is beats per minute, %2 the value&apos;s age.</extracomment>
        <translation>Tętno %1%2</translation>
    </message>
    <message>
        <source>HR -- %1</source>
        <translation>Tętno -- %1</translation>
    </message>
    <message>
        <source>SpO2 %1 %  PR %2%3</source>
        <extracomment>SpO2 and the oximeter&apos;s pulse rate beside the displays; %3 is the values&apos; age.</extracomment>
        <translation>SpO2 %1%  puls %2%3</translation>
    </message>
    <message>
        <source>SpO2 -- %1</source>
        <translation>SpO2 -- %1</translation>
    </message>
    <message>
        <source>Sensor values</source>
        <translation>Odczyty czujników</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorTraining</name>
    <message>
        <source>This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or oximeters. Everything else works as ever.</source>
        <translation>Ta wersja programu Vellorin została zbudowana bez Bluetooth, więc nie może korzystać z czujników tętna ani pulsoksymetrów. Wszystko inne działa jak dotąd.</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorsDialog</name>
    <message>
        <source>Not in use</source>
        <extracomment>The state of a kind of sensor when none is chosen.</extracomment>
        <translation>Nieużywany</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Łączenie…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>No skin contact</source>
        <extracomment>A chest strap that says it does not touch the skin.</extracomment>
        <translation>Brak kontaktu ze skórą</translation>
    </message>
    <message>
        <source>Finger out</source>
        <extracomment>An oximeter that says no finger is in it.</extracomment>
        <translation>Brak palca</translation>
    </message>
    <message>
        <source>No values for a while</source>
        <extracomment>Linked, but the sensor has sent no value for some seconds.</extracomment>
        <translation>Od kilku sekund brak wartości</translation>
    </message>
    <message>
        <source>Lost — trying again</source>
        <extracomment>The link to the sensor broke; the program tries to link again by itself.</extracomment>
        <translation>Utracono połączenie — ponawianie</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Czujniki</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Sensors found</source>
        <translation>Znalezione czujniki</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The headings of the list of sensors a search found; signal: its strength in dBm.</extracomment>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sygnał</translation>
    </message>
    <message>
        <source>Sensors fou&amp;nd:</source>
        <translation>Znalezione &amp;czujniki:</translation>
    </message>
    <message>
        <source>Use as &amp;heart-rate sensor</source>
        <translation>Użyj jako czujnika &amp;tętna</translation>
    </message>
    <message>
        <source>Use as heart-rate sensor</source>
        <translation>Użyj jako czujnika tętna</translation>
    </message>
    <message>
        <source>Use as &amp;oximeter</source>
        <translation>Użyj jako &amp;pulsoksymetru</translation>
    </message>
    <message>
        <source>Use as oximeter</source>
        <translation>Użyj jako pulsoksymetru</translation>
    </message>
    <message>
        <source>&amp;End the hold when SpO2 falls to</source>
        <translation>Zakończ &amp;bezdech, gdy SpO2 spadnie do</translation>
    </message>
    <message>
        <source>End the hold when SpO2 falls to</source>
        <translation>Zakończ bezdech, gdy SpO2 spadnie do</translation>
    </message>
    <message>
        <source>SpO2 that ends the hold</source>
        <translation>SpO2 kończące bezdech</translation>
    </message>
    <message>
        <source> %</source>
        <extracomment>After the SpO2 limit: 80 %.</extracomment>
        <translation>%</translation>
    </message>
    <message>
        <source>A consumer pulse oximeter reads late and low in a breath hold: its reading lags the blood by many seconds, and a cold or squeezed finger reads low. The alarm is a help, not a medical device: never rely on it to keep you safe.</source>
        <extracomment>Said beside the low-SpO2 alarm; the sentence on where to train follows it.</extracomment>
        <translation>Pulsoksymetr do użytku domowego podczas bezdechu pokazuje wynik z opóźnieniem i zaniżony: jego odczyt o wiele sekund pozostaje w tyle za stanem krwi, a zimny lub ściśnięty palec daje zaniżony odczyt. Alarm jest pomocą, a nie wyrobem medycznym: nigdy nie polegaj na nim w kwestii swojego bezpieczeństwa.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Tętno</translation>
    </message>
    <message>
        <source>Oximeter</source>
        <translation>Pulsoksymetr</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <extracomment>Each kind&apos;s button has its own access key.</extracomment>
        <translation>&amp;Zapomnij</translation>
    </message>
    <message>
        <source>Fo&amp;rget</source>
        <translation>Zap&amp;omnij</translation>
    </message>
    <message>
        <source>Forget the heart-rate sensor</source>
        <translation>Zapomnij czujnik tętna</translation>
    </message>
    <message>
        <source>Forget the oximeter</source>
        <translation>Zapomnij pulsoksymetr</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sensor of the kind is chosen.</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A sensor&apos;s name and its Bluetooth address: &quot;Polar H10 (AA:BB:CC:DD:EE:FF)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Battery %1 %</source>
        <extracomment>The charge left in the sensor&apos;s battery, in percent.</extracomment>
        <translation>Bateria %1%</translation>
    </message>
    <message>
        <source>heart rate</source>
        <translation>tętno</translation>
    </message>
    <message>
        <source>oximeter</source>
        <translation>pulsoksymetr</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the kinds a sensor is, as &quot;heart rate, oximeter&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Zat&amp;rzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Wyszukiwanie…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n sensor(s).</source>
        <translation>
            <numerusform>Znaleziono %n czujnik.</numerusform>
            <numerusform>Znaleziono %n czujniki.</numerusform>
            <numerusform>Znaleziono %n czujników.</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>A sensor that gives no name.</extracomment>
        <translation>(bez nazwy)</translation>
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
        <translation>Dowolny klawisz: powrót do wyświetlaczy</translation>
    </message>
    <message>
        <source>Vellorin: session summary</source>
        <translation>Vellorin: podsumowanie sesji</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionsModel</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A session&apos;s mean first contraction (%1) and the range of them (%2 to %3), each a time like 01:05.</extracomment>
        <translation>%1 (od %2 do %3)</translation>
    </message>
</context>
<context>
    <name>vellorin::SingleInstance</name>
    <message>
        <source>the lock file &quot;%1&quot; cannot be used: %2; it is left as it is</source>
        <extracomment>A warning: %1 is a file name, %2 the reason, a clause.</extracomment>
        <translation>pliku blokady &quot;%1&quot; nie można użyć: %2; pozostaje bez zmian</translation>
    </message>
    <message>
        <source>waiting for the Vellorin window that runs to answer</source>
        <translation>oczekiwanie na odpowiedź działającego okna Vellorin</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; cannot be used: %2; this window does not hear later starts, which open windows of their own</source>
        <extracomment>A warning: %1 is the socket&apos;s file name, %2 the reason, a clause. A later start of the program would hand its file to this window through the socket.</extracomment>
        <translation>gniazda &quot;%1&quot; nie można użyć: %2; to okno nie odbiera późniejszych uruchomień, które otworzą własne okna</translation>
    </message>
    <message numerus="yes">
        <source>its path is longer than the %n bytes a socket&apos;s path may have</source>
        <translation>
            <numerusform>jego ścieżka jest dłuższa niż %n bajt dopuszczalny dla ścieżki gniazda</numerusform>
            <numerusform>jego ścieżka jest dłuższa niż %n bajty dopuszczalne dla ścieżki gniazda</numerusform>
            <numerusform>jego ścieżka jest dłuższa niż %n bajtów dopuszczalnych dla ścieżki gniazda</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>nie jest gniazdem</translation>
    </message>
    <message>
        <source>the window listening on it does not take requests</source>
        <translation>okno, które na nim nasłuchuje, nie przyjmuje żądań</translation>
    </message>
</context>
<context>
    <name>vellorin::TrainerMainform</name>
    <message>
        <source>A personal-best test is running. Close Vellorin and end it?</source>
        <translation>Trwa test rekordu życiowego. Zamknąć Vellorin i go zakończyć?</translation>
    </message>
    <message>
        <source>A session is running. Close Vellorin and end it?</source>
        <translation>Trwa sesja. Zamknąć Vellorin i ją zakończyć?</translation>
    </message>
    <message>
        <source>%1 The classic cues play.</source>
        <extracomment>%1 is why the user&apos;s default cue profile cannot be used, in whole sentences.</extracomment>
        <translation>%1 Odtwarzane są klasyczne komunikaty.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Undo load</source>
        <translation>&amp;Cofnij otwarcie</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>&amp;Export audio...</source>
        <translation>&amp;Eksportuj dźwięk...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Sesja</translation>
    </message>
    <message>
        <source>&amp;Start	Space</source>
        <translation>&amp;Start	Space</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume	Space</source>
        <translation>&amp;Pauza/Wznów	Space</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>&amp;Lights-out</source>
        <translation>&amp;Zaciemnienie</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>&amp;Trening</translation>
    </message>
    <message>
        <source>&amp;Personal best test...</source>
        <translation>&amp;Test rekordu życiowego...</translation>
    </message>
    <message>
        <source>&amp;New table from personal best...</source>
        <translation>&amp;Nowa tabela z rekordu życiowego...</translation>
    </message>
    <message>
        <source>Personal &amp;bests...</source>
        <translation>&amp;Rekordy życiowe...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>&amp;Keep a training log</source>
        <translation>Prowadź &amp;dziennik treningów</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>Ta&amp;bele</translation>
    </message>
    <message>
        <source>&amp;Edit table of rounds...</source>
        <translation>&amp;Edytuj tabelę rund...</translation>
    </message>
    <message>
        <source>Use the &amp;six settings</source>
        <translation>Użyj &amp;sześciu ustawień</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klawisze</translation>
    </message>
    <message>
        <source>&amp;About Vellorin</source>
        <translation>&amp;O programie Vellorin</translation>
    </message>
    <message>
        <source>Start: Space. Reset: Ctrl+R.</source>
        <translation>Start: Space. Reset: Ctrl+R.</translation>
    </message>
    <message>
        <source>Pause or resume: Space.</source>
        <translation>Pauza lub wznowienie: Space.</translation>
    </message>
    <message>
        <source>Load a table: Ctrl+O.</source>
        <translation>Otwórz tabelę: Ctrl+O.</translation>
    </message>
    <message>
        <source>Save the table: Ctrl+S.</source>
        <translation>Zapisz tabelę: Ctrl+S.</translation>
    </message>
    <message>
        <source>Lights-out: double-click or F11.</source>
        <translation>Zaciemnienie: dwuklik lub F11.</translation>
    </message>
    <message>
        <source>Vellorin keys</source>
        <translation>Klawisze Vellorin</translation>
    </message>
    <message>
        <source>About Vellorin</source>
        <extracomment>%1 is the version, %2 the safety sentence, %3 the list of keys.</extracomment>
        <translation>O programie Vellorin</translation>
    </message>
    <message>
        <source>Vellorin %1
A timer for breath-hold training tables.

%2

Released under the MIT licence.

%3</source>
        <translation>Vellorin %1
Czasomierz do tabel treningu bezdechu.

%2

Udostępniany na licencji MIT.

%3</translation>
    </message>
    <message>
        <source>Export audio</source>
        <translation>Eksportuj dźwięk</translation>
    </message>
    <message>
        <source>Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</source>
        <translation>Pliki dźwiękowe (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</translation>
    </message>
    <message>
        <source>session</source>
        <comment>the name an export proposes</comment>
        <translation>sesja</translation>
    </message>
    <message>
        <source>New &amp;CO2 table from your PB</source>
        <translation>Nowa tabela &amp;CO2 z Twojego PB</translation>
    </message>
    <message>
        <source>New &amp;O2 table from your PB</source>
        <translation>Nowa tabela &amp;O2 z Twojego PB</translation>
    </message>
    <message>
        <source>New &amp;pyramid from your PB</source>
        <translation>Nowa &amp;piramida z Twojego PB</translation>
    </message>
    <message>
        <source>New &amp;Wonka table (first contraction + 0:30)</source>
        <extracomment>A Wonka table: each hold goes on a set time past the first contraction.</extracomment>
        <translation>Nowa tabela &amp;Wonka (pierwszy skurcz + 0:30)</translation>
    </message>
    <message>
        <source>New Wonka table by &amp;count (10 contractions)</source>
        <extracomment>A Wonka table by count: each hold ends at a count of contractions.</extracomment>
        <translation>Nowa tabela Wonka wg &amp;liczby skurczów (10 skurczów)</translation>
    </message>
    <message>
        <source>New &amp;one-breath table (8 x 1:00)</source>
        <extracomment>A table whose rests are one breath each: 8 holds of one minute.</extracomment>
        <translation>Nowa tabela &amp;jednego oddechu (8 x 1:00)</translation>
    </message>
    <message>
        <source>New static &amp;intervals (10 on a 2:00 cycle)</source>
        <extracomment>Ten holds, one starting every two minutes.</extracomment>
        <translation>Nowe &amp;interwały statyczne (10 w cyklu 2:00)</translation>
    </message>
    <message>
        <source>No personal best is on record. Your personal best (m:ss or seconds):</source>
        <translation>Nie zapisano jeszcze rekordu życiowego. Twój rekord życiowy (m:ss lub sekundy):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as m:ss or in seconds.</source>
        <translation>&quot;%1&quot; nie jest czasem: wpisz go jako m:ss lub w sekundach.</translation>
    </message>
    <message>
        <source>Could not make the table: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Nie można utworzyć tabeli: %1.</translation>
    </message>
    <message>
        <source>%1

Use this table all the same?</source>
        <translation>%1

Mimo to użyć tej tabeli?</translation>
    </message>
    <message numerus="yes">
        <source>%1

A countdown of %n seconds, then &quot;hold&quot;: hold your breath as long as you safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and every whole minute is spoken.

Start the test?</source>
        <extracomment>%1 is the safety advice, a sentence. &quot;hold&quot; is the word the test says as the hold begins; Space is the key.</extracomment>
        <translation>
            <numerusform>%1

Odliczanie trwa %n sekundę, potem pada &quot;wstrzymaj oddech&quot;: wstrzymaj oddech tak długo, jak możesz to zrobić bezpiecznie, i naciśnij Space, gdy zaczniesz oddychać. Co 30 sekund rozlega się cichy sygnał, a każda pełna minuta jest zapowiadana.

Rozpocząć test?</numerusform>
            <numerusform>%1

Odliczanie trwa %n sekundy, potem pada &quot;wstrzymaj oddech&quot;: wstrzymaj oddech tak długo, jak możesz to zrobić bezpiecznie, i naciśnij Space, gdy zaczniesz oddychać. Co 30 sekund rozlega się cichy sygnał, a każda pełna minuta jest zapowiadana.

Rozpocząć test?</numerusform>
            <numerusform>%1

Odliczanie trwa %n sekund, potem pada &quot;wstrzymaj oddech&quot;: wstrzymaj oddech tak długo, jak możesz to zrobić bezpiecznie, i naciśnij Space, gdy zaczniesz oddychać. Co 30 sekund rozlega się cichy sygnał, a każda pełna minuta jest zapowiadana.

Rozpocząć test?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fill the fields with this table all the same?</source>
        <translation>%1

Mimo to wypełnić pola tą tabelą?</translation>
    </message>
    <message>
        <source>Sen&amp;sors...</source>
        <translation>&amp;Czujniki...</translation>
    </message>
    <message>
        <source>SpO2 %1 %: the hold is ended. Breathe.</source>
        <extracomment>Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in percent.</extracomment>
        <translation>SpO2 %1%: bezdech zakończony. Oddychaj.</translation>
    </message>
</context>
</TS>
