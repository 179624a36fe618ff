<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>AttemptsFile</name>
    <message>
        <source>it holds a control character</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>se sisältää ohjausmerkin</translation>
    </message>
    <message>
        <source>it is not a date and time followed by the seconds held</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>se ei ole päivämäärä ja kellonaika, joita seuraavat pidätetyt sekunnit</translation>
    </message>
    <message>
        <source>it does not begin with a date and time with its offset from UTC</source>
        <extracomment>Why a line (&quot;it&quot;) of the personal-best attempts file is left out.</extracomment>
        <translation>se ei ala päivämäärällä ja kellonajalla, jossa on poikkeama UTC:stä</translation>
    </message>
    <message>
        <source>the seconds held are not a whole number from %1 to %2</source>
        <extracomment>Why a line of the personal-best attempts file is left out.</extracomment>
        <translation>pidätetyt sekunnit eivät ole kokonaisluku väliltä %1–%2</translation>
    </message>
    <message>
        <source>Could not read the attempts in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason it cannot be read.</extracomment>
        <translation>Yrityksiä ei voitu lukea tiedostosta &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the file has changed since it was read; open the list again</source>
        <extracomment>Why an attempt could not be removed from the personal-best attempts file.</extracomment>
        <translation>tiedosto on muuttunut lukemisen jälkeen; avaa luettelo uudelleen</translation>
    </message>
</context>
<context>
    <name>AudioExport</name>
    <message>
        <source>Cannot tell the audio format of &quot;%1&quot;: name it .wav, .flac, .ogg or .mp3.</source>
        <extracomment>%1 is the output file&apos;s name; .wav, .flac, .ogg and .mp3 are the endings it may have.</extracomment>
        <translation>Tiedoston &quot;%1&quot; äänimuotoa ei voi päätellä: anna sille pääte .wav, .flac, .ogg tai .mp3.</translation>
    </message>
    <message>
        <source>Could not export the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the output file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Harjoitusta ei voitu viedä tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>round %1&apos;s hold ends at a contraction, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number.</extracomment>
        <translation>kierroksen %1 pidätys päättyy supistukseen, jota äänitiedosto ei voi odottaa; vain taulukon, jonka jokainen pidätys ja lepo on ajastettu, voi viedä</translation>
    </message>
    <message>
        <source>round %1&apos;s rest ends at the breath key, which an audio file cannot wait for; only a table whose every hold and rest is timed can be exported</source>
        <extracomment>%1 is the round&apos;s number; the breath key ends a rest of one breath.</extracomment>
        <translation>kierroksen %1 lepo päättyy hengitysnäppäimeen, jota äänitiedosto ei voi odottaa; vain taulukon, jonka jokainen pidätys ja lepo on ajastettu, voi viedä</translation>
    </message>
    <message>
        <source>it is not one of the program&apos;s cues</source>
        <extracomment>Why a sound file (&quot;it&quot;) cannot be played as a cue.</extracomment>
        <translation>se ei ole mikään ohjelman äänimerkeistä</translation>
    </message>
    <message>
        <source>the cue &quot;%1&quot; cannot be used: %2</source>
        <extracomment>%1 is a cue&apos;s sound file, %2 why it cannot be used.</extracomment>
        <translation>äänimerkkiä &quot;%1&quot; ei voi käyttää: %2</translation>
    </message>
    <message>
        <source>the export was cancelled</source>
        <extracomment>Why an audio file was not written: the user cancelled its export.</extracomment>
        <translation>vienti peruttiin</translation>
    </message>
    <message>
        <source>Exporting the session to %1...</source>
        <extracomment>%1 is the audio file&apos;s name.</extracomment>
        <translation>Viedään harjoitusta tiedostoon %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>Caption</name>
    <message>
        <source>Loop %1</source>
        <extracomment>The loop display; %1 is the round under way. Must stay short.</extracomment>
        <translation>Sarja %1</translation>
    </message>
    <message>
        <source>Intro</source>
        <extracomment>The phase display: the breathe-up before the first hold. Must stay short.</extracomment>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The phase display: the breath is held (a noun, the phase). Must stay short.</extracomment>
        <translation>Pidätys</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The phase display: breathing between two holds. Must stay short.</extracomment>
        <translation>Lepo</translation>
    </message>
    <message>
        <source>End!</source>
        <extracomment>The phase display once the session or the test is over. Must stay short.</extracomment>
        <translation>Loppu!</translation>
    </message>
    <message>
        <source>PB test</source>
        <extracomment>The loop display during a personal-best test. Must stay short.</extracomment>
        <translation>PB-testi</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The button that starts a session.</extracomment>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>The button that stops a session and sets it back to its start.</extracomment>
        <translation>Nollaa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Jatka</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Start would refuse this table: %1.</source>
        <extracomment>Start: the window&apos;s button that starts a session. %1 is the reason, such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Aloita-painike hylkäisi tämän taulukon: %1.</translation>
    </message>
    <message numerus="yes">
        <source>Exported the session, %n cues in %1 s of audio, to &quot;%2&quot; in %3 ms.</source>
        <extracomment>%n is how many cues were written, %1 the audio&apos;s length in seconds, %2 the file&apos;s name, %3 how long the export took in milliseconds.</extracomment>
        <translation>
            <numerusform>Harjoitus vietiin tiedostoon &quot;%2&quot;: %n äänimerkki, %1 s ääntä, aikaa kului %3 ms.</numerusform>
            <numerusform>Harjoitus vietiin tiedostoon &quot;%2&quot;: %n äänimerkkiä, %1 s ääntä, aikaa kului %3 ms.</numerusform>
        </translation>
    </message>
    <message>
        <source>--new-table takes %1 or %2 and a personal best as m:ss or seconds, not &quot;%3&quot; and &quot;%4&quot;.</source>
        <extracomment>%1 and %2 are the kinds of table (&quot;co2, o2, ...&quot; and &quot;intervals&quot;), typed as they are in every language; %3 and %4 what was typed for the kind and the personal best.</extracomment>
        <translation>--new-table vaatii lajin %1 tai %2 ja ennätyksen muodossa m:ss tai sekunteina, ei &quot;%3&quot; ja &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>--new-table %1 makes a table of rounds, which a session file cannot hold: name OUT .vtable.</source>
        <extracomment>%1 is the kind of table, such as one-breath, typed as it is in every language. OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>--new-table %1 tekee kierrostaulukon, jota harjoitustiedosto ei voi sisältää: anna tiedostolle OUT pääte .vtable.</translation>
    </message>
    <message>
        <source>The table&apos;s cue profile &quot;%1&quot; is not there: %2 plays.</source>
        <extracomment>%1 is the cue profile the table names, %2 the one played instead.</extracomment>
        <translation>Taulukon ääniprofiilia &quot;%1&quot; ei ole: käytetään profiilia %2.</translation>
    </message>
    <message>
        <source>Cue profile: %1</source>
        <extracomment>Before the list of the cues a session plays: %1 is the cue profile&apos;s name.</extracomment>
        <translation>Ääniprofiili: %1</translation>
    </message>
    <message>
        <source>Could not export &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why its session cannot be exported.</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu viedä: %2.</translation>
    </message>
    <message>
        <source>Could not list the cues of &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 why the cues of its session cannot be listed.</extracomment>
        <translation>Tiedoston &quot;%1&quot; äänimerkkejä ei voitu luetella: %2.</translation>
    </message>
    <message>
        <source>first contraction + %1, at least %2, up to %3</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the least and %3 the most the hold lasts, each like 00:30.</extracomment>
        <translation>ensimmäinen supistus + %1, vähintään %2, enintään %3</translation>
    </message>
    <message>
        <source>first contraction + %1, up to %2</source>
        <extracomment>A hold that ends a time after its first contraction: %1 is that time, %2 the most the hold lasts, each like 00:30.</extracomment>
        <translation>ensimmäinen supistus + %1, enintään %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, at least %1, up to %2</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the least and %2 the most it lasts, each like 00:30.</extracomment>
        <translation>
            <numerusform>%n supistus, vähintään %1, enintään %2</numerusform>
            <numerusform>%n supistusta, vähintään %1, enintään %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, up to %1</source>
        <extracomment>A hold that ends at its %n-th contraction: %1 is the most it lasts, like 03:00.</extracomment>
        <translation>
            <numerusform>%n supistus, enintään %1</numerusform>
            <numerusform>%n supistusta, enintään %1</numerusform>
        </translation>
    </message>
    <message>
        <source>cycle %1 (at least %2)</source>
        <extracomment>A rest that lasts until the next hold&apos;s start, a cycle after this hold&apos;s: %1 is the cycle and %2 the shortest the rest lasts, each like 02:00.</extracomment>
        <translation>sykli %1 (vähintään %2)</translation>
    </message>
    <message>
        <source>one breath (up to %1)</source>
        <extracomment>A rest of one breath, ended by a key: %1 is the most it lasts, like 00:10.</extracomment>
        <translation>yksi hengitys (enintään %1)</translation>
    </message>
    <message>
        <source>Hold</source>
        <extracomment>The heading of the column of the holds&apos; lengths in a table&apos;s preview (the noun: a breath hold); best within 5 letters.</extracomment>
        <translation>Pid.</translation>
    </message>
    <message>
        <source>Intro %1</source>
        <extracomment>The first line of a table&apos;s preview: %1 is the intro&apos;s length, like 00:30.</extracomment>
        <translation>Alku %1</translation>
    </message>
    <message>
        <source>Round</source>
        <extracomment>The heading of the column of the rounds&apos; numbers in the preview of a table of rounds; best within 5 letters.</extracomment>
        <translation>Kier.</translation>
    </message>
    <message>
        <source>Rest</source>
        <extracomment>The heading of the column of the rests&apos; lengths in a table&apos;s preview (the noun); best within 5 letters.</extracomment>
        <translation>Lepo</translation>
    </message>
    <message>
        <source>Total %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is its length as the clock shows it, like 17:15, %2 the same in seconds.</extracomment>
        <translation>Yhteensä %1 (%2 s)</translation>
    </message>
    <message>
        <source>Total up to %1 (%2 s)</source>
        <extracomment>The last line of a table&apos;s preview: %1 is the most it can last as the clock shows it, like 41:10, %2 the same in seconds.</extracomment>
        <translation>Yhteensä enintään %1 (%2 s)</translation>
    </message>
    <message>
        <source>Loop</source>
        <extracomment>The heading of the column of the loops&apos; numbers in a table&apos;s preview; best within 5 letters.</extracomment>
        <translation>Sarja</translation>
    </message>
    <message>
        <source>Session clock</source>
        <extracomment>The heading of the column of what the session clock shows as each hold begins.</extracomment>
        <translation>Harjoituskello</translation>
    </message>
    <message>
        <source>Unknown option %1.</source>
        <extracomment>%1 is the option as typed, in quotes: &apos;--bogus&apos;.</extracomment>
        <translation>Tuntematon valitsin %1.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <extracomment>%1 lists the options as typed, in quotes: &apos;--bogus&apos;, &apos;-x&apos;.</extracomment>
        <translation>Tuntemattomat valitsimet: %1.</translation>
    </message>
    <message>
        <source>Vellorin, a timer for breath-hold training tables with spoken cues.</source>
        <translation>Vellorin, ajastin hengityksen pidätyksen harjoitustaulukoille puhutuin äänimerkein.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Näytä tämä ohje.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Näytä versio.</translation>
    </message>
    <message>
        <source>Print the table of a session file loop by loop, or of a table file (.vtable) round by round.</source>
        <translation>Tulosta harjoitustiedoston taulukko sarja sarjalta tai taulukkotiedoston (.vtable) taulukko kierros kierrokselta.</translation>
    </message>
    <message>
        <source>FILE.ses</source>
        <extracomment>The value of an option: a session file, named with its ending .ses.</extracomment>
        <translation>TIEDOSTO.ses</translation>
    </message>
    <message>
        <source>Export its whole session as audio file OUT; a table file (.vtable) only when its every hold and rest is timed.</source>
        <extracomment>OUT is the output file&apos;s name in the usage, as the help lists it.</extracomment>
        <translation>Vie sen koko harjoitus äänitiedostoksi OUT; taulukkotiedostosta (.vtable) vain, jos sen jokainen pidätys ja lepo on ajastettu.</translation>
    </message>
    <message>
        <source>Write table KIND (%1) made from personal best PB (m:ss or seconds) to OUT: a table file when OUT ends in .vtable (one-breath and intervals need no PB), else a session file (co2 and o2).</source>
        <extracomment>%1 lists the kinds (co2, o2, ...), typed as they are in every language, as are co2, o2, one-breath and intervals here. KIND, PB and OUT are the values&apos; names in the usage, as the help lists them.</extracomment>
        <translation>Kirjoita tiedostoon OUT taulukko LAJI (%1), joka tehdään ennätyksestä PB (m:ss tai sekunteina): taulukkotiedosto, kun OUT päättyy .vtable (one-breath ja intervals eivät tarvitse ennätystä), muuten harjoitustiedosto (co2 ja o2).</translation>
    </message>
    <message>
        <source>KIND</source>
        <extracomment>The value of --new-table: the kind of table.</extracomment>
        <translation>LAJI</translation>
    </message>
    <message>
        <source>With --table, print every cue heard instead: its second and its words.</source>
        <translation>Tulosta --table-valitsimen kanssa sen sijaan jokainen kuuluva äänimerkki: sen sekunti ja sanat.</translation>
    </message>
    <message>
        <source>With --table --cues or --export-audio, the cue profile: %1, a profile of yours by name or a .vcues file; else the table&apos;s or your default.</source>
        <extracomment>%1 lists the built-in profiles (classic, guided, ...), typed as they are in every language.</extracomment>
        <translation>Ääniprofiili --table --cues- tai --export-audio-valitsimien kanssa: %1, oma profiilisi nimeltä tai .vcues-tiedosto; muuten taulukon profiili tai oletusprofiilisi.</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>The value of --profile: a cue profile&apos;s name.</extracomment>
        <translation>NIMI</translation>
    </message>
    <message>
        <source>A session file to open; with --export-audio, OUT.</source>
        <translation>Avattava harjoitustiedosto; --export-audio-valitsimen kanssa OUT.</translation>
    </message>
    <message>
        <source>[FILE.ses | OUT]</source>
        <extracomment>The arguments after the options in the usage line: a session file, or with --export-audio the output file.</extracomment>
        <translation>[TIEDOSTO.ses | OUT]</translation>
    </message>
    <message>
        <source>--table, --export-audio and --new-table cannot be used together.</source>
        <translation>Valitsimia --table, --export-audio ja --new-table ei voi käyttää yhdessä.</translation>
    </message>
    <message>
        <source>--cues goes with --table, and --profile with --table --cues or --export-audio.</source>
        <translation>--cues käy vain valitsimen --table kanssa ja --profile vain valitsimien --table --cues tai --export-audio kanssa.</translation>
    </message>
    <message>
        <source>--new-table KIND takes a personal best and OUT (.ses or .vtable); one-breath and intervals may go without the personal best.</source>
        <translation>--new-table LAJI vaatii ennätyksen ja tiedoston OUT (.ses tai .vtable); one-breath ja intervals käyvät ilman ennätystä.</translation>
    </message>
    <message>
        <source>--table takes no other argument.</source>
        <translation>--table ei ota muita argumentteja.</translation>
    </message>
    <message>
        <source>--export-audio FILE.ses takes one output file, OUT.</source>
        <translation>--export-audio TIEDOSTO.ses vaatii yhden tulostiedoston, OUT.</translation>
    </message>
    <message>
        <source>Only one session file can be opened.</source>
        <translation>Vain yhden harjoitustiedoston voi avata.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be represented in this system&apos;s encoding, so Vellorin cannot open or write a file of that name.</source>
        <translation>Nimeä &quot;%1&quot; ei voi esittää tämän järjestelmän merkistökoodauksessa, joten Vellorin ei voi avata eikä kirjoittaa sen nimistä tiedostoa.</translation>
    </message>
    <message>
        <source>the output could not be written: %1</source>
        <translation>tulostetta ei voitu kirjoittaa: %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; given to %2 cannot be used: %3; it is left out.</source>
        <extracomment>Printed after &quot;vellorin: &quot;. %1 is a file name, %2 the option that named it (-stylesheet), %3 the reason, a clause.</extracomment>
        <translation>valitsimelle %2 annettua tiedostoa &quot;%1&quot; ei voi käyttää: %3; se jätetään pois.</translation>
    </message>
    <message>
        <source>the session did not reach its end</source>
        <translation>harjoitus ei päässyt loppuun</translation>
    </message>
</context>
<context>
    <name>CueProfile</name>
    <message>
        <source>the rest call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the rest, like &quot;two minutes&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>levon ilmoitusta %1 ei voi sanoa ääneen</translation>
    </message>
    <message>
        <source>the rest call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the rest, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>levon ilmoitusta %1 ei voi laskea</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in a hold, like &quot;thirty seconds&quot;; %1 is the call, like 00:25.</extracomment>
        <translation>pidätyksen ilmoitusta %1 ei voi sanoa ääneen</translation>
    </message>
    <message>
        <source>the hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in a hold, like &quot;five&quot;; %1 is the count.</extracomment>
        <translation>pidätyksen ilmoitusta %1 ei voi laskea</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be spoken</source>
        <extracomment>A call is a time said in the session&apos;s last hold; %1 is the call, like 00:25.</extracomment>
        <translation>viimeisen pidätyksen ilmoitusta %1 ei voi sanoa ääneen</translation>
    </message>
    <message>
        <source>the last hold call %1 cannot be counted</source>
        <extracomment>A call is a second counted in the session&apos;s last hold; %1 is the count.</extracomment>
        <translation>viimeisen pidätyksen ilmoitusta %1 ei voi laskea</translation>
    </message>
    <message>
        <source>the elapsed calls must come every 0:30, 1:00, ... up to 30:00, or never (0)</source>
        <extracomment>The elapsed calls say how long a hold has lasted.</extracomment>
        <translation>kuluneen ajan ilmoitusten välin on oltava 0:30, 1:00, ... enintään 30:00 tai ei koskaan (0)</translation>
    </message>
    <message>
        <source>the last breath must come 0 to 60 seconds before a hold</source>
        <extracomment>The last breath: the cue that asks for the last breath before a hold.</extracomment>
        <translation>viimeisen sisäänhengityksen on tultava 0–60 sekuntia ennen pidätystä</translation>
    </message>
    <message>
        <source>the recovery breaths must be 0 to 3</source>
        <extracomment>The recovery breaths: the breaths called for after a hold.</extracomment>
        <translation>palautumishengityksiä on oltava 0–3</translation>
    </message>
    <message>
        <source>a paced breath must be 2 to 20 seconds in and 2 to 30 seconds out</source>
        <extracomment>A paced breath: a breath in and out timed by the cues in a rest.</extracomment>
        <translation>tahditetun hengityksen on oltava sisään 2–20 sekuntia ja ulos 2–30 sekuntia</translation>
    </message>
    <message>
        <source>the paced part of a rest must be 0 to 1:00:00, or all</source>
        <extracomment>The paced part: the end of a rest in which the cues time each breath.</extracomment>
        <translation>levon tahditetun osan on oltava 0–1:00:00 tai all (koko lepo)</translation>
    </message>
</context>
<context>
    <name>CueSound</name>
    <message>
        <source>its sample rate is %1 Hz, not the %2 Hz of the other cues</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 and %2 are sample rates, like 22050.</extracomment>
        <translation>sen näytteenottotaajuus on %1 Hz eikä muiden äänimerkkien %2 Hz</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 is the system&apos;s reason.</extracomment>
        <translation>sitä ei voi lukea: %1</translation>
    </message>
    <message numerus="yes">
        <source>it is not mono (it has %n channels)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; mono: of one channel.</extracomment>
        <translation>
            <numerusform>se ei ole mono (siinä on %n kanava)</numerusform>
            <numerusform>se ei ole mono (siinä on %n kanavaa)</numerusform>
        </translation>
    </message>
    <message>
        <source>its sample rate of %1 Hz is not one a cue can have</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>sen näytteenottotaajuus %1 Hz ei käy äänimerkille</translation>
    </message>
    <message numerus="yes">
        <source>its samples (format %1, %n bits) are neither integer PCM nor float</source>
        <extracomment>Why a cue&apos;s sound file cannot be used; %1 is the number of its sample format, %n the bits of a sample.</extracomment>
        <translation>
            <numerusform>sen näytteet (muoto %1, %n bitti) eivät ole kokonaisluku-PCM:ää eivätkä liukulukuja</numerusform>
            <numerusform>sen näytteet (muoto %1, %n bittiä) eivät ole kokonaisluku-PCM:ää eivätkä liukulukuja</numerusform>
        </translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>siinä ei ole ääntä</translation>
    </message>
    <message>
        <source>it lasts %1 s, longer than the %2 s a cue may last</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used; %1 and %2 are lengths in seconds.</extracomment>
        <translation>se kestää %1 s, pidempään kuin äänimerkin enimmäiskesto %2 s</translation>
    </message>
    <message>
        <source>its float samples are not numbers or go beyond full scale, so they cannot be scaled</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>sen liukulukunäytteet eivät ole lukuja tai ylittävät täyden skaalan, joten niitä ei voi skaalata</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>se ei ole WAV-tiedosto</translation>
    </message>
    <message>
        <source>it is not a WAV file Vellorin can read (no format)</source>
        <extracomment>Why a cue&apos;s sound file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>se ei ole WAV-tiedosto, jota Vellorin osaa lukea (ei muotoa)</translation>
    </message>
</context>
<context>
    <name>CueWords</name>
    <message>
        <source>(tick)</source>
        <translation>(tikitys)</translation>
    </message>
    <message>
        <source>(tone: hold)</source>
        <translation>(merkkiääni: pidätä)</translation>
    </message>
    <message>
        <source>(tone: breathe)</source>
        <translation>(merkkiääni: hengitä)</translation>
    </message>
    <message>
        <source>(tone: the end)</source>
        <translation>(merkkiääni: loppu)</translation>
    </message>
    <message>
        <source>(tone: time call)</source>
        <translation>(merkkiääni: aikailmoitus)</translation>
    </message>
    <message>
        <source>(tone: last breath)</source>
        <translation>(merkkiääni: viimeinen sisäänhengitys)</translation>
    </message>
    <message>
        <source>(soft tone: hold the breath)</source>
        <translation>(pehmeä merkkiääni: pidätä hengitystä)</translation>
    </message>
    <message>
        <source>(soft rising tone: breathe in)</source>
        <translation>(pehmeä nouseva merkkiääni: hengitä sisään)</translation>
    </message>
    <message>
        <source>(soft falling tone: breathe out)</source>
        <translation>(pehmeä laskeva merkkiääni: hengitä ulos)</translation>
    </message>
</context>
<context>
    <name>DamagedLines</name>
    <message>
        <source>Left out line %1 of &quot;%2&quot;: %3.</source>
        <extracomment>%1 is the line&apos;s number, %2 the file&apos;s name, %3 why the line was left out.</extracomment>
        <translation>Tiedoston &quot;%2&quot; rivi %1 jätettiin pois: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3 more.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 the first of the lines&apos; numbers, as a list (&quot;3, 4, 5, 6, 7&quot;), %3 how many more lines there are.</extracomment>
        <translation>
            <numerusform>Tiedostosta &quot;%1&quot; jätettiin pois %n rivi: rivit %2 ja %3 muuta.</numerusform>
            <numerusform>Tiedostosta &quot;%1&quot; jätettiin pois %n riviä: rivit %2 ja %3 muuta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Left out %n lines of &quot;%1&quot;: lines %2 and %3.</source>
        <extracomment>%n is how many lines were left out, %1 the file&apos;s name, %2 all but the last of the lines&apos; numbers, as a list (&quot;3, 4, 5&quot;), %3 the last one.</extracomment>
        <translation>
            <numerusform>Tiedostosta &quot;%1&quot; jätettiin pois %n rivi: rivit %2 ja %3.</numerusform>
            <numerusform>Tiedostosta &quot;%1&quot; jätettiin pois %n riviä: rivit %2 ja %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <extracomment>%1 is a line&apos;s number, %2 why it was left out.</extracomment>
        <translation>Rivi %1: %2.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>it is not a file</source>
        <extracomment>Why a path cannot be read or written: it names a folder, a device or a pipe.</extracomment>
        <translation>se ei ole tiedosto</translation>
    </message>
    <message>
        <source>its bytes could not be written to the disk</source>
        <extracomment>Why a file (&quot;its&quot;) could not be written.</extracomment>
        <translation>sen tavuja ei voitu kirjoittaa levylle</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be read; %1 is the most bytes such a file may hold.</extracomment>
        <translation>se on suurempi kuin %1 tavua</translation>
    </message>
</context>
<context>
    <name>FileDialog</name>
    <message>
        <source>Tables</source>
        <extracomment>In a file dialog&apos;s list of file types: session files and table files together.</extracomment>
        <translation>Taulukot</translation>
    </message>
    <message>
        <source>Session files</source>
        <translation>Harjoitustiedostot</translation>
    </message>
    <message>
        <source>Vellorin tables</source>
        <translation>Vellorin-taulukot</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Tables of rounds</source>
        <extracomment>A choice of the sessions shown: those of tables of rounds.</extracomment>
        <translation>Kierrostaulukot</translation>
    </message>
    <message>
        <source>Classic tables</source>
        <extracomment>A choice of the sessions shown: those of classic tables of six settings.</extracomment>
        <translation>Klassiset taulukot</translation>
    </message>
    <message>
        <source>All tables</source>
        <extracomment>A choice of the sessions shown: all of them.</extracomment>
        <translation>Kaikki taulukot</translation>
    </message>
    <message>
        <source>d MMM hh:mm</source>
        <extracomment>The dates under a chart of sessions a few days apart, as a Qt date format: d the day, MMM the month&apos;s short name, hh:mm the time of day.</extracomment>
        <translation>d.M. hh:mm</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>The dates under a chart, as a Qt date format: d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>d.M.yyyy</translation>
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
        <translation>Ensimmäisen supistuksen keskiarvo</translation>
    </message>
    <message>
        <source>Range of first contractions</source>
        <translation>Ensimmäisten supistusten vaihteluväli</translation>
    </message>
    <message>
        <source>First contraction in each hold</source>
        <translation>Ensimmäinen supistus kussakin pidätyksessä</translation>
    </message>
    <message>
        <source>Total time held</source>
        <translation>Pidätysaika yhteensä</translation>
    </message>
    <message>
        <source>Personal-best attempts</source>
        <translation>Ennätysyritykset</translation>
    </message>
    <message>
        <source>Time held in each session, and personal-best attempts</source>
        <translation>Pidätysaika kussakin harjoituksessa ja ennätysyritykset</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>Table</source>
        <extracomment>A column&apos;s heading: the training table a session ran.</extracomment>
        <translation>Taulukko</translation>
    </message>
    <message>
        <source>Holds</source>
        <translation>Pidätykset</translation>
    </message>
    <message>
        <source>Time held</source>
        <translation>Pidätysaika</translation>
    </message>
    <message>
        <source>First contraction</source>
        <translation>Ensimmäinen supistus</translation>
    </message>
    <message>
        <source>Contractions</source>
        <translation>Supistukset</translation>
    </message>
    <message>
        <source>Largest heart-rate drop</source>
        <extracomment>A series: per session, the heart rate at a hold&apos;s start less the lowest in it, the largest of the session&apos;s holds.</extracomment>
        <translation>Suurin sykkeen lasku</translation>
    </message>
    <message>
        <source>Largest heart-rate drop in a hold of each session (heart rate at its start less the lowest)</source>
        <extracomment>The unit of a chart&apos;s values: beats per minute.</extracomment>
        <translation>Suurin sykkeen lasku pidätyksen aikana kussakin harjoituksessa (syke pidätyksen alussa miinus alin)</translation>
    </message>
    <message>
        <source>bpm</source>
        <translation>lyöntiä/min</translation>
    </message>
    <message>
        <source>Lowest SpO2</source>
        <translation>Alin SpO2</translation>
    </message>
    <message>
        <source>Lowest SpO2 in each session</source>
        <extracomment>The unit of a chart&apos;s values: percent.</extracomment>
        <translation>Alin SpO2 kussakin harjoituksessa</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Hold %1, second by second</source>
        <extracomment>The title of a chart of one hold; %1 is the hold&apos;s number.</extracomment>
        <translation>Pidätys %1 sekunti sekunnilta</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Syke</translation>
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
        <translation>Se on ennätyksesi.</translation>
    </message>
    <message>
        <source>No attempt before it could be read.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold.</extracomment>
        <translation>Aiempia yrityksiä ei voitu lukea.</translation>
    </message>
    <message>
        <source>A new personal best: it was %1.</source>
        <extracomment>%1 is the personal best before this attempt, a time like 3:05.</extracomment>
        <translation>Uusi ennätys: edellinen oli %1.</translation>
    </message>
    <message>
        <source>It beats the best attempt that could be read, %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Se ylittää parhaan luetun yrityksen, %1.</translation>
    </message>
    <message>
        <source>Your personal best is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Ennätyksesi on %1.</translation>
    </message>
    <message>
        <source>The best attempt that could be read is %1.</source>
        <extracomment>%1 is a time like 3:05.</extracomment>
        <translation>Paras luettu yritys on %1.</translation>
    </message>
    <message>
        <source>The test ended within the first second of the hold: too short for an attempt, so nothing was kept.</source>
        <extracomment>After a personal-best test: nothing was kept in the attempts file.</extracomment>
        <translation>Testi päättyi pidätyksen ensimmäisen sekunnin aikana: liian lyhyt yritykseksi, joten mitään ei tallennettu.</translation>
    </message>
    <message>
        <source>You held your breath for %1.</source>
        <extracomment>%1 is the time held, like 3:05.</extracomment>
        <translation>Pidätit hengitystä %1.</translation>
    </message>
    <message>
        <source>Whether it is a personal best is not known.</source>
        <extracomment>After &quot;You held your breath for 3:05.&quot;: &quot;it&quot; is that hold; the attempts file could not be read.</extracomment>
        <translation>Ei tiedetä, onko se ennätys.</translation>
    </message>
    <message>
        <source>The attempt could not be kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the system&apos;s reason it could not be written.</extracomment>
        <translation>Yritystä ei voitu tallentaa tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Its last hold, %1, is over 80 % of your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s last hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Sen viimeinen pidätys, %1, on yli 80 % ennätyksestäsi, %2.</translation>
    </message>
    <message>
        <source>Its longest hold, %1, is longer than your personal best, %2.</source>
        <extracomment>%1 is the table&apos;s longest hold and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>Sen pisin pidätys, %1, on pidempi kuin ennätyksesi, %2.</translation>
    </message>
    <message>
        <source>Train breath-holds only on dry land, sitting or lying, never in or near water, and never alone.</source>
        <translation>Harjoittele hengityksen pidättämistä vain kuivalla maalla istuen tai maaten, älä koskaan vedessä tai veden lähellä äläkä koskaan yksin.</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line&apos;s number in the cue profile&apos;s file, %2 what is wrong with it.</extracomment>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time from 0 to %2</source>
        <extracomment>%1 is the value in the file, %2 the longest time it may be, like 1:00.</extracomment>
        <translation>&quot;%1&quot; ei ole aika väliltä 0–%2</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be spoken</source>
        <extracomment>A call is a time said (written m:ss) or a second counted (a bare number); %1 is the call as the file writes it.</extracomment>
        <translation>ilmoitusta &quot;%1&quot; ei voi sanoa ääneen</translation>
    </message>
    <message>
        <source>the call &quot;%1&quot; cannot be counted (1 to 20)</source>
        <translation>ilmoitusta &quot;%1&quot; ei voi laskea (1–20)</translation>
    </message>
    <message>
        <source>it must be %1 or %2</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; %1 and %2 are the two words the file may hold, kept as they are.</extracomment>
        <translation>sen on oltava %1 tai %2</translation>
    </message>
    <message>
        <source>the name must be 1 to 100 characters</source>
        <translation>nimen on oltava 1–100 merkkiä</translation>
    </message>
    <message>
        <source>it must be a whole number from 0 to %1</source>
        <extracomment>Why a value (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>sen on oltava kokonaisluku väliltä 0–%1</translation>
    </message>
    <message>
        <source>it must be two counts of seconds, or none</source>
        <extracomment>Why a value (&quot;it&quot;) is refused; none is the word the file holds for no paced breathing, kept as it is.</extracomment>
        <translation>sen on oltava kaksi sekuntimäärää tai none</translation>
    </message>
    <message>
        <source>it is not &quot;key = value&quot;</source>
        <extracomment>Why a line (&quot;it&quot;) of a cue profile&apos;s file is refused.</extracomment>
        <translation>se ei ole muotoa &quot;avain = arvo&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given again</source>
        <extracomment>%1 is a setting&apos;s key in the file, such as rest-calls.</extracomment>
        <translation>&quot;%1&quot; annetaan uudelleen</translation>
    </message>
    <message>
        <source>it is not a cue profile</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>se ei ole ääniprofiili</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin</source>
        <extracomment>Why a cue profile&apos;s file (&quot;it&quot;) cannot be loaded.</extracomment>
        <translation>sen on kirjoittanut uudempi Vellorin</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting of a cue profile</source>
        <extracomment>%1 is a key in the file.</extracomment>
        <translation>&quot;%1&quot; ei ole ääniprofiilin asetus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key the file must hold, format or name, kept as it is.</extracomment>
        <translation>&quot;%1&quot; puuttuu</translation>
    </message>
    <message>
        <source>Could not load the cue profile &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the cue profile&apos;s file name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Ääniprofiilia &quot;%1&quot; ei voitu ladata: %2.</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a cue profile.</extracomment>
        <translation>se ei ole UTF-8-tekstiä</translation>
    </message>
    <message>
        <source>There is no cue profile &quot;%1&quot;: the profiles are %2, or those in &quot;%3&quot;.</source>
        <extracomment>%1 is the name asked for, %2 the built-in profiles&apos; names (&quot;classic, guided, ...&quot;), %3 the folder of the user&apos;s own profiles.</extracomment>
        <translation>Ääniprofiilia &quot;%1&quot; ei ole: profiilit ovat %2 tai kansion &quot;%3&quot; profiilit.</translation>
    </message>
</context>
<context>
    <name>RoundsEditing</name>
    <message numerus="yes">
        <source>%n rounds</source>
        <extracomment>The total below a table&apos;s rounds, while a value is still to mend.</extracomment>
        <translation>
            <numerusform>%n kierros</numerusform>
            <numerusform>%n kierrosta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is how long the table lasts, like 24:30.</extracomment>
        <translation>
            <numerusform>%n kierros, %1</numerusform>
            <numerusform>%n kierrosta, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The total below a table&apos;s rounds; %1 is the most the table can last, like 24:30, as a hold or a rest ends at a contraction or a key.</extracomment>
        <translation>
            <numerusform>%n kierros, enintään %1</numerusform>
            <numerusform>%n kierrosta, enintään %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoundsPresets</name>
    <message>
        <source>CO2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>CO2 (PB %1)</translation>
    </message>
    <message>
        <source>O2 from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>O2 (PB %1)</translation>
    </message>
    <message>
        <source>Pyramid from a PB of %1</source>
        <extracomment>The name of a new table; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Pyramidi (PB %1)</translation>
    </message>
    <message>
        <source>Wonka from a PB of %1</source>
        <extracomment>The name of a new table whose holds end after the first contraction (&quot;Wonka&quot; is a name); %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka (PB %1)</translation>
    </message>
    <message>
        <source>Wonka by count from a PB of %1</source>
        <extracomment>The name of a new table whose holds end at a count of contractions; %1 is the personal best it is made from, like 03:00.</extracomment>
        <translation>Wonka supistusmäärällä (PB %1)</translation>
    </message>
    <message>
        <source>One-breath</source>
        <extracomment>The name of a new table whose rests are one breath each.</extracomment>
        <translation>Yksi hengitys</translation>
    </message>
    <message>
        <source>Static intervals</source>
        <extracomment>The name of a new table whose holds start at a fixed interval.</extracomment>
        <translation>Staattiset intervallit</translation>
    </message>
    <message>
        <source>the personal best must be from 00:01 to %1 for a table of rounds</source>
        <extracomment>%1 is the longest personal best a table is made from, a time like 24:00:00.</extracomment>
        <translation>kierrostaulukon ennätyksen on oltava 00:01–%1</translation>
    </message>
</context>
<context>
    <name>SensorSamples</name>
    <message>
        <source>its %1 holds no value a sensor gives</source>
        <extracomment>Why a row of a sensor samples file is left out; %1 is a column&apos;s name in the file.</extracomment>
        <translation>sen sarakkeessa %1 ei ole arvoa, jonka anturi voisi antaa</translation>
    </message>
    <message>
        <source>it was cut short</source>
        <extracomment>Why a row of a sensor samples file is left out.</extracomment>
        <translation>se katkesi kesken</translation>
    </message>
    <message>
        <source>its header has no %1</source>
        <extracomment>%1 is a column&apos;s name a sensor samples file must have.</extracomment>
        <translation>sen otsikkorivillä ei ole saraketta %1</translation>
    </message>
    <message>
        <source>it has %1 columns, not %2</source>
        <extracomment>%1 and %2 are counts of columns.</extracomment>
        <translation>sarakkeita on %1, ei %2</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <extracomment>Why a sensor samples file is not read; %1 is the most bytes it may hold.</extracomment>
        <translation>siinä on yli %1 tavua</translation>
    </message>
    <message>
        <source>Could not read the sensor samples &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 why it cannot be read.</extracomment>
        <translation>Anturilukemia tiedostosta &quot;%1&quot; ei voitu lukea: %2.</translation>
    </message>
    <message>
        <source>Could not keep the sensors&apos; values in &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a sensor samples file&apos;s name, %2 the system&apos;s reason.</extracomment>
        <translation>Anturien arvoja ei voitu tallentaa tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>SessionController</name>
    <message>
        <source>An error occured. Please check the values in the input fields.</source>
        <translation>Tapahtui virhe. Tarkista syöttökenttien arvot.</translation>
    </message>
</context>
<context>
    <name>SessionFile</name>
    <message>
        <source>the training log</source>
        <extracomment>One of Vellorin&apos;s own files, named in &quot;it is the training log Vellorin keeps, not a table&quot; (and so are the other two).</extracomment>
        <translation>harjoituspäiväkirja</translation>
    </message>
    <message>
        <source>the personal-best attempts</source>
        <extracomment>One of Vellorin&apos;s own files: the attempts of personal-best tests.</extracomment>
        <translation>ennätysyritysten tiedosto</translation>
    </message>
    <message>
        <source>the window&apos;s settings</source>
        <extracomment>One of Vellorin&apos;s own files: the window&apos;s size and other settings.</extracomment>
        <translation>ikkunan asetukset</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is %2 Vellorin keeps, not a table.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu ladata: se on Vellorinin oma tiedosto (%2), ei taulukko.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files, such as &quot;the training log&quot;.</extracomment>
        <translation>Harjoitusta ei voitu tallentaa tiedostoon &quot;%1&quot;: se on Vellorinin oma tiedosto (%2), jota taulukko ei saa korvata.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file&apos;s name, %2 one of Vellorin&apos;s own files.</extracomment>
        <translation>Taulukkoa ei voitu tallentaa tiedostoon &quot;%1&quot;: se on Vellorinin oma tiedosto (%2), jota taulukko ei saa korvata.</translation>
    </message>
    <message>
        <source>Could not save the session to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Harjoitusta ei voitu tallentaa tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the reason it could not be written.</extracomment>
        <translation>Taulukkoa ei voitu tallentaa tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a line break, which a session file cannot keep.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;.</extracomment>
        <translation>Harjoitusta ei voitu tallentaa: kentässä &quot;%1&quot; on rivinvaihto, jota harjoitustiedosto ei voi säilyttää.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds a NUL character, which a session file cannot keep.</source>
        <translation>Harjoitusta ei voitu tallentaa: kentässä &quot;%1&quot; on NUL-merkki, jota harjoitustiedosto ei voi säilyttää.</translation>
    </message>
    <message>
        <source>Could not save the session: the field &quot;%1&quot; holds characters this system&apos;s encoding cannot keep in a session file.</source>
        <translation>Harjoitusta ei voitu tallentaa: kentässä &quot;%1&quot; on merkkejä, joita tämän järjestelmän merkistökoodaus ei voi säilyttää harjoitustiedostossa.</translation>
    </message>
    <message>
        <source>Could not find default.ses in session folder. Make sure to safe a session as default.ses to eliminate this warning.</source>
        <translation>Tiedostoa default.ses ei löytynyt harjoituskansiosta. Tallenna harjoitus nimellä default.ses, niin tämä varoitus poistuu.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason it cannot be loaded.
----------
%1 is the file&apos;s name, %2 the system&apos;s reason it cannot be read.</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu ladata: %2.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it holds only %2 of the %3 lines of a session.</source>
        <extracomment>%1 is the file&apos;s name, %2 how many lines it holds, %3 how many a session file has (6).</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu ladata: siinä on vain %2 harjoituksen %3 rivistä.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: line %2 is longer than %3 characters.</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number, %3 the most characters a line holds.</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu ladata: rivi %2 on pidempi kuin %3 merkkiä.</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: it is not a table (line %2 is not text).</source>
        <extracomment>%1 is the file&apos;s name, %2 a line&apos;s number.</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu ladata: se ei ole taulukko (rivi %2 ei ole tekstiä).</translation>
    </message>
</context>
<context>
    <name>SessionPlan</name>
    <message>
        <source>the intro lasts more than %1 seconds, the most a table of rounds holds</source>
        <extracomment>%1 is the most seconds a phase of a table of rounds lasts (86400).</extracomment>
        <translation>alku kestää yli %1 sekuntia, mikä on kierrostaulukon enimmäiskesto</translation>
    </message>
    <message>
        <source>loop %1 lasts more than %2 seconds, the most a hold or a rest of a table of rounds lasts</source>
        <extracomment>%1 is the loop&apos;s number, %2 the most seconds a hold or a rest of a table of rounds lasts (86400).</extracomment>
        <translation>sarja %1 kestää yli %2 sekuntia, mikä on kierrostaulukon pidätyksen tai levon enimmäiskesto</translation>
    </message>
    <message>
        <source>a phase must last at least 1 second</source>
        <extracomment>Why a session under way stops: a hold or rest would be shorter than a second.</extracomment>
        <translation>vaiheen on kestettävä vähintään 1 sekunti</translation>
    </message>
    <message>
        <source>a computed value is not a finite number</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>laskettu arvo ei ole äärellinen luku</translation>
    </message>
    <message>
        <source>not a number: &quot;%1&quot;</source>
        <extracomment>%1 is the text of a settings field.</extracomment>
        <translation>ei ole luku: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a computed number of seconds is out of range</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>laskettu sekuntimäärä on sallitun alueen ulkopuolella</translation>
    </message>
    <message>
        <source>the number of loops must be a whole number from 1 to 32767</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>sarjojen määrän on oltava kokonaisluku väliltä 1–32767</translation>
    </message>
    <message>
        <source>the intro must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>alun on kestettävä vähintään 1 sekunti</translation>
    </message>
    <message>
        <source>every hold must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>jokaisen pidätyksen on kestettävä vähintään 1 sekunti</translation>
    </message>
    <message>
        <source>every rest must last at least 1 second</source>
        <extracomment>A reason Start refuses the settings, shown after &quot;The reason: &quot;.</extracomment>
        <translation>jokaisen levon on kestettävä vähintään 1 sekunti</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is not a number: &quot;%2&quot;</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;, %2 its text.</extracomment>
        <translation>kenttä &quot;%1&quot; ei ole luku: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The field to mend: &quot;%1&quot;. The reason: %2.</source>
        <extracomment>%1 is a settings field&apos;s name, such as &quot;Initial rest time&quot;; %2 is a reason such as &quot;every hold must last at least 1 second&quot;.</extracomment>
        <translation>Korjattava kenttä: &quot;%1&quot;. Syy: %2.</translation>
    </message>
    <message>
        <source>the table lasts too long</source>
        <translation>taulukko kestää liian kauan</translation>
    </message>
    <message>
        <source>the table cannot be run</source>
        <translation>taulukkoa ei voi ajaa</translation>
    </message>
    <message>
        <source>too many loops</source>
        <translation>liian monta sarjaa</translation>
    </message>
</context>
<context>
    <name>SessionSummary</name>
    <message>
        <source>no contractions</source>
        <translation>ei supistuksia</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions</source>
        <translation>
            <numerusform>%n supistus</numerusform>
            <numerusform>%n supistusta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1</source>
        <extracomment>%1 is the time into the hold of the first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n supistus, ensimmäinen kohdassa %1</numerusform>
            <numerusform>%n supistusta, ensimmäinen kohdassa %1</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done</source>
        <translation>ei suoritettuja pidätyksiä</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done</source>
        <translation>
            <numerusform>%n pidätys suoritettu</numerusform>
            <numerusform>%n pidätystä suoritettu</numerusform>
        </translation>
    </message>
    <message>
        <source>no holds done of %1 begun</source>
        <extracomment>%1 is how many holds were begun.</extracomment>
        <translation>ei suoritettuja pidätyksiä %1 aloitetusta</translation>
    </message>
    <message numerus="yes">
        <source>%n holds done of %1 begun</source>
        <translation>
            <numerusform>%n pidätys suoritettu %1 aloitetusta</numerusform>
            <numerusform>%n pidätystä suoritettu %1 aloitetusta</numerusform>
        </translation>
    </message>
    <message>
        <source>Session over: %1, %2 held</source>
        <extracomment>%1 tells the holds done (&quot;8 holds done&quot;), %2 the time held in all (&quot;12:30&quot;).</extracomment>
        <translation>Harjoitus päättyi: %1, pidätysaika %2</translation>
    </message>
    <message numerus="yes">
        <source>%n contractions, the first at %1 on average</source>
        <extracomment>%1 is the average time into a hold of its first contraction (&quot;01:45&quot;).</extracomment>
        <translation>
            <numerusform>%n supistus, ensimmäinen keskimäärin kohdassa %1</numerusform>
            <numerusform>%n supistusta, ensimmäinen keskimäärin kohdassa %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Hold %1: %2, %3</source>
        <extracomment>%1 is the hold&apos;s number, %2 the time held, %3 its contractions.</extracomment>
        <translation>Pidätys %1: %2, %3</translation>
    </message>
    <message>
        <source>Hold %1: %2, %3, cut short</source>
        <translation>Pidätys %1: %2, %3, keskeytetty</translation>
    </message>
    <message>
        <source>Holds %1 to %2: %3 held, %4</source>
        <extracomment>The holds past those listed one by one: %1 and %2 their first and last number, %3 the time held in all, %4 their contractions.</extracomment>
        <translation>Pidätykset %1–%2: pidätysaika %3, %4</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Breath-hold session running</source>
        <extracomment>Shown by the desktop as the reason it does not sleep or lock the screen.</extracomment>
        <translation>Hengityksen pidätysharjoitus käynnissä</translation>
    </message>
</context>
<context>
    <name>TableFile</name>
    <message>
        <source>it must be a JSON object</source>
        <extracomment>Why a table file cannot be loaded: &quot;it&quot; is a value of the file.</extracomment>
        <translation>sen on oltava JSON-objekti</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is missing</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>&quot;%1&quot; puuttuu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number of seconds from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>arvon &quot;%1&quot; on oltava kokonainen sekuntimäärä väliltä %2–%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a whole number from %2 to %3</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>arvon &quot;%1&quot; on oltava kokonaisluku väliltä %2–%3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a text of at most %2 characters, without control characters</source>
        <extracomment>%1 is a key of the table file, kept as it is.</extracomment>
        <translation>arvon &quot;%1&quot; on oltava enintään %2 merkin teksti ilman ohjausmerkkejä</translation>
    </message>
    <message>
        <source>&quot;end&quot; must be %1 or %2</source>
        <extracomment>&quot;end&quot; is a key of the table file; %1 and %2 are the words it may hold, quoted (&quot;&quot;time&quot;, &quot;cycle&quot;&quot; and &quot;&quot;breath&quot;&quot;), all kept as they are.</extracomment>
        <translation>arvon &quot;end&quot; on oltava %1 tai %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a value a table file holds</source>
        <extracomment>%1 is a key found in the file.</extracomment>
        <translation>&quot;%1&quot; ei ole taulukkotiedoston arvo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a place in a table file, such as &quot;round 3, hold&quot;, %2 what is wrong there.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is not a Vellorin table file (its &quot;format&quot; is not &quot;%1&quot;)</source>
        <extracomment>&quot;format&quot; is a key of the table file, %1 the word it must hold, kept as they are.</extracomment>
        <translation>se ei ole Vellorin-taulukkotiedosto (sen &quot;format&quot; ei ole &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Vellorin (table format version %1; this one reads version %2)</source>
        <extracomment>%1 and %2 are version numbers of the table file&apos;s format.</extracomment>
        <translation>sen on kirjoittanut uudempi Vellorin (taulukkomuodon versio %1; tämä lukee versiota %2)</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be %1</source>
        <extracomment>&quot;version&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>arvon &quot;version&quot; on oltava %1</translation>
    </message>
    <message>
        <source>&quot;rounds&quot; must be a list of 1 to %1 rounds</source>
        <extracomment>&quot;rounds&quot; is a key of the table file, kept as it is.</extracomment>
        <translation>arvon &quot;rounds&quot; on oltava 1–%1 kierroksen luettelo</translation>
    </message>
    <message>
        <source>round %1</source>
        <extracomment>A place in a table file, before what is wrong there: &quot;round 3: ...&quot;.</extracomment>
        <translation>kierros %1</translation>
    </message>
    <message>
        <source>round %1, hold</source>
        <extracomment>A place in a table file, the hold of a round: &quot;round 3, hold: ...&quot;.</extracomment>
        <translation>kierros %1, pidätys</translation>
    </message>
    <message>
        <source>round %1, rest</source>
        <extracomment>A place in a table file, the rest of a round: &quot;round 3, rest: ...&quot;.</extracomment>
        <translation>kierros %1, lepo</translation>
    </message>
    <message>
        <source>it is not a table file (it holds a NUL byte)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>se ei ole taulukkotiedosto (siinä on NUL-tavu)</translation>
    </message>
    <message>
        <source>it is not a table file (it is not UTF-8 text)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>se ei ole taulukkotiedosto (se ei ole UTF-8-tekstiä)</translation>
    </message>
    <message>
        <source>it is not a table file (it begins with a byte-order mark)</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>se ei ole taulukkotiedosto (se alkaa tavujärjestysmerkillä)</translation>
    </message>
    <message>
        <source>Could not load &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the table file&apos;s name, %2 the reason it cannot be loaded.</extracomment>
        <translation>Tiedostoa &quot;%1&quot; ei voitu ladata: %2.</translation>
    </message>
    <message>
        <source>round %1: %2</source>
        <extracomment>%1 is a round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>kierros %1: %2</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why a file (&quot;it&quot;) cannot be loaded as a table file.</extracomment>
        <translation>se on suurempi kuin %1 tavua</translation>
    </message>
    <message>
        <source>it is not a table file (not JSON: %1 at byte %2)</source>
        <extracomment>%1 is why the JSON cannot be read, such as &quot;unterminated object&quot;, %2 where.</extracomment>
        <translation>se ei ole taulukkotiedosto (ei JSONia: %1 tavun %2 kohdalla)</translation>
    </message>
</context>
<context>
    <name>TableProblems</name>
    <message>
        <source>the hold of %1 is longer than your personal best of %2</source>
        <extracomment>%1 is the hold&apos;s length and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>pidätys %1 on pidempi kuin ennätyksesi %2</translation>
    </message>
    <message>
        <source>the cap of %1 is longer than your personal best of %2</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last. %1 is the cap and %2 the personal best, each a time like 03:05.</extracomment>
        <translation>yläraja %1 on pidempi kuin ennätyksesi %2</translation>
    </message>
    <message>
        <source>Round %1: %2.</source>
        <extracomment>%1 is the round&apos;s number in the table, %2 a reason such as &quot;the cap must be at least the minimum&quot;.</extracomment>
        <translation>Kierros %1: %2.</translation>
    </message>
    <message>
        <source>the hold must last from %1 to %2 seconds</source>
        <extracomment>A reason, after &quot;Round 3: &quot; or on its own with a capital first letter.</extracomment>
        <translation>pidätyksen on kestettävä %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the margin after the first contraction must be from %1 to %2 seconds</source>
        <translation>ensimmäisen supistuksen jälkeisen lisäajan on oltava %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the number of contractions must be from 1 to %1</source>
        <translation>supistusten määrän on oltava 1–%1</translation>
    </message>
    <message>
        <source>the cap must be from %1 to %2 seconds</source>
        <extracomment>The cap: the longest a hold that ends at a contraction may last.</extracomment>
        <translation>ylärajan on oltava %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the minimum must be from %1 to %2 seconds</source>
        <extracomment>The minimum: the shortest a hold that ends at a contraction may last.</extracomment>
        <translation>alarajan on oltava %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the cap must be at least the minimum</source>
        <translation>ylärajan on oltava vähintään alaraja</translation>
    </message>
    <message>
        <source>the rest must last from %1 to %2 seconds</source>
        <translation>levon on kestettävä %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the cycle must be from %1 to %2 seconds</source>
        <extracomment>The cycle: the time from one hold&apos;s start to the next one&apos;s.</extracomment>
        <translation>syklin on oltava %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the shortest rest of the cycle must be from %1 to %2 seconds</source>
        <translation>syklin lyhimmän levon on oltava %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the longest one-breath rest must be from %1 to %2 seconds</source>
        <translation>pisimmän yhden hengityksen levon on oltava %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the name must be at most %1 characters, without control characters</source>
        <translation>nimessä saa olla enintään %1 merkkiä, ei ohjausmerkkejä</translation>
    </message>
    <message>
        <source>the intro must last from %1 to %2 seconds</source>
        <translation>alun on kestettävä %1–%2 sekuntia</translation>
    </message>
    <message>
        <source>the cue profile&apos;s name must be at most %1 characters, without control characters</source>
        <translation>ääniprofiilin nimessä saa olla enintään %1 merkkiä, ei ohjausmerkkejä</translation>
    </message>
    <message>
        <source>the table must have at least one round</source>
        <translation>taulukossa on oltava vähintään yksi kierros</translation>
    </message>
    <message>
        <source>the repeat must be from 1 to %1</source>
        <extracomment>The repeat: how many times in a row the round is run.</extracomment>
        <translation>toistojen on oltava 1–%1</translation>
    </message>
    <message numerus="yes">
        <source>the table runs %n rounds with its repeats, more than %1</source>
        <extracomment>%n is how many rounds the table runs, %1 the most a table may run.</extracomment>
        <translation>
            <numerusform>taulukossa on toistoineen %n kierros, yli %1</numerusform>
            <numerusform>taulukossa on toistoineen %n kierrosta, yli %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts %n seconds in all, more than %1</source>
        <extracomment>%n is how long the table lasts, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>taulukko kestää yhteensä %n sekunnin, yli %1</numerusform>
            <numerusform>taulukko kestää yhteensä %n sekuntia, yli %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the table lasts up to %n seconds in all, more than %1</source>
        <extracomment>%n is the most the table can last, %1 the most a session may last, both in seconds.</extracomment>
        <translation>
            <numerusform>taulukko kestää yhteensä enintään %n sekunnin, yli %1</numerusform>
            <numerusform>taulukko kestää yhteensä enintään %n sekuntia, yli %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrainerMainform</name>
    <message>
        <source>Intro</source>
        <translation>Alku</translation>
    </message>
    <message>
        <source>Breath hold(max)</source>
        <translation>Pidätys (maks.)</translation>
    </message>
    <message>
        <source>Increase hold time by</source>
        <translation>Pidätyksen lisäys</translation>
    </message>
    <message>
        <source>Initial rest time</source>
        <translation>Ensimmäinen lepo</translation>
    </message>
    <message>
        <source>Decrease rest by</source>
        <translation>Levon vähennys</translation>
    </message>
    <message>
        <source>Loops</source>
        <translation>Sarjat</translation>
    </message>
    <message>
        <source>Session Settings</source>
        <translation>Harjoituksen asetukset</translation>
    </message>
    <message>
        <source>Intro:</source>
        <translation>Alku:</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Breath hold(max):</source>
        <translation>Pidätys (maks.):</translation>
    </message>
    <message>
        <source>Increase hold time by:</source>
        <translation>Pidätyksen lisäys:</translation>
    </message>
    <message>
        <source>Initial rest time:</source>
        <translation>Ensimmäinen lepo:</translation>
    </message>
    <message>
        <source>Decrease rest by:</source>
        <translation>Levon vähennys:</translation>
    </message>
    <message>
        <source> Start</source>
        <translation> Aloita</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tall.</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Harjoitus</translation>
    </message>
    <message>
        <source>Loop 1</source>
        <translation>Sarja 1</translation>
    </message>
    <message>
        <source>Current Sequence</source>
        <translation>Harjoituksen kulku</translation>
    </message>
    <message>
        <source>Holding</source>
        <translation>Pidätys</translation>
    </message>
    <message>
        <source>Current loop</source>
        <translation>Nykyinen sarja</translation>
    </message>
    <message>
        <source>Session time left</source>
        <translation>Harjoitusaikaa jäljellä</translation>
    </message>
    <message>
        <source>Current phase</source>
        <translation>Nykyinen vaihe</translation>
    </message>
    <message>
        <source>Phase time left</source>
        <translation>Vaiheen aikaa jäljellä</translation>
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
        <translation>Kaikki näppäimet toimivat kohdistuksesta riippumatta, myös pimennystilassa.

Space	aloita harjoitus, kun mikään ei ole käynnissä; keskeytä tai jatka käynnissä olevaa
Ctrl+R	palauta harjoitus alkuun
Ctrl+O	lataa taulukko
Ctrl+Z	kumoa viimeisin lataus (kenttään kirjoitettu kumotaan ensin)
Ctrl+S	tallenna taulukko
Ctrl+E	vie harjoitus äänenä
Ctrl+T	ennätystesti (Space lopettaa sen)
Ctrl+N	uusi taulukko ennätyksestäsi
Ctrl+B	muokkaa kierrostaulukkoa (uusi kuudesta asetuksesta)
Ctrl+H	harjoitushistoria
Enter tai C	pidätyksen aikana: merkitse supistus; yhden hengityksen levossa: hengitys on otettu
	(muualla harjoituksessa: pehmeä &quot;ei nyt&quot;)
F11	pimennys: pelkät neljä näyttöä koko näytöllä (Esc poistuu)
F1	tietoja Vellorinista ja sen näppäimistä
Ctrl+Q	lopeta
Enter	napsauta kohdistettua painiketta, kun harjoitus ei ole käynnissä</translation>
    </message>
</context>
<context>
    <name>TrainingLog</name>
    <message>
        <source>Could not keep the session in the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the system&apos;s reason.</extracomment>
        <translation>Harjoitusta ei voitu tallentaa harjoituspäiväkirjaan &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>its %1 is not a whole number from %2 to %3</source>
        <extracomment>Why a row of the training log is left out; %1 is a column&apos;s name in the file, such as held_seconds, kept as it is.</extracomment>
        <translation>sen sarake %1 ei ole kokonaisluku väliltä %2–%3</translation>
    </message>
    <message>
        <source>the row was cut short</source>
        <extracomment>Why a row of the training log is left out.</extracomment>
        <translation>rivi katkesi kesken</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <extracomment>Why a row (&quot;it&quot;) of the training log is left out.</extracomment>
        <translation>se on pidempi kuin %1 tavua</translation>
    </message>
    <message numerus="yes">
        <source>it has %n columns, not %1</source>
        <extracomment>%n is how many columns the row has, %1 how many the log expects: a number, or three as &quot;14, 17 or 21&quot;.</extracomment>
        <translation>
            <numerusform>siinä on %n sarake, ei %1</numerusform>
            <numerusform>siinä on %n saraketta, ei %1</numerusform>
        </translation>
    </message>
    <message>
        <source>its session_start is not a date and time</source>
        <extracomment>session_start is a column&apos;s name in the file, kept as it is.</extracomment>
        <translation>sen session_start ei ole päivämäärä ja kellonaika</translation>
    </message>
    <message>
        <source>its completed is neither yes nor no</source>
        <extracomment>completed is a column&apos;s name in the file, yes and no the words it holds, all kept as they are.</extracomment>
        <translation>sen completed ei ole yes eikä no</translation>
    </message>
    <message>
        <source>its kind is neither classic nor rounds</source>
        <extracomment>kind is a column&apos;s name in the file, classic and rounds the words it holds, all kept as they are.</extracomment>
        <translation>sen kind ei ole classic eikä rounds</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a hold ends</source>
        <extracomment>%1 is a column&apos;s name in the file, hold or hold_rule, kept as it is.</extracomment>
        <translation>sen %1 ei ole sääntö pidätyksen päättymiselle</translation>
    </message>
    <message>
        <source>its %1 is not a rule of how a rest ends</source>
        <extracomment>%1 is a column&apos;s name in the file, rest or rest_rule, kept as it is.</extracomment>
        <translation>sen %1 ei ole sääntö levon päättymiselle</translation>
    </message>
    <message>
        <source>the export was stopped</source>
        <extracomment>Why the training log&apos;s copy was not written: the user stopped it.</extracomment>
        <translation>vienti keskeytettiin</translation>
    </message>
    <message>
        <source>it is the training log itself</source>
        <extracomment>Why the training log cannot be exported to the file chosen.</extracomment>
        <translation>se on itse harjoituspäiväkirja</translation>
    </message>
    <message>
        <source>Could not read the training log &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the training log&apos;s file name, %2 the reason it cannot be read.</extracomment>
        <translation>Harjoituspäiväkirjaa &quot;%1&quot; ei voitu lukea: %2.</translation>
    </message>
    <message numerus="yes">
        <source>it holds %n bytes, more than the %1 a training log may hold</source>
        <extracomment>%n is the file&apos;s size and %1 the largest a training log may be, both in bytes.</extracomment>
        <translation>
            <numerusform>siinä on %n tavu, enemmän kuin harjoituspäiväkirjan enimmäiskoko %1</numerusform>
            <numerusform>siinä on %n tavua, enemmän kuin harjoituspäiväkirjan enimmäiskoko %1</numerusform>
        </translation>
    </message>
    <message>
        <source>it grew past %1 bytes</source>
        <extracomment>%1 is the largest a training log may be, in bytes.</extracomment>
        <translation>se kasvoi yli %1 tavun</translation>
    </message>
    <message>
        <source>%1, %2 or %3</source>
        <extracomment>Three numbers of columns a row of the training log may have.</extracomment>
        <translation>%1, %2 tai %3</translation>
    </message>
    <message>
        <source>its spo2_lowest_second has no spo2_lowest</source>
        <extracomment>spo2_lowest_second and spo2_lowest are columns&apos; names in the file, kept as they are.</extracomment>
        <translation>sen sarakkeessa spo2_lowest_second on arvo, mutta sarakkeessa spo2_lowest ei</translation>
    </message>
</context>
<context>
    <name>WindowSettings</name>
    <message>
        <source>it is larger than %1 bytes</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used; %1 is a number of bytes.</extracomment>
        <translation>se on suurempi kuin %1 tavua</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;its&quot;) cannot be written.</extracomment>
        <translation>sen kansioon ei voi kirjoittaa</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be written.</extracomment>
        <translation>siihen ei voi kirjoittaa</translation>
    </message>
    <message>
        <source>it is not in the INI format</source>
        <extracomment>Why the window&apos;s settings file (&quot;it&quot;) cannot be used.</extracomment>
        <translation>se ei ole INI-muodossa</translation>
    </message>
    <message>
        <source>The setting could not be kept in &quot;%1&quot;: %2. It holds until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be written.</extracomment>
        <translation>Asetusta ei voitu tallentaa tiedostoon &quot;%1&quot;: %2. Se on voimassa, kunnes Vellorin suljetaan.</translation>
    </message>
    <message>
        <source>The window&apos;s settings file &quot;%1&quot; cannot be used: %2. The window&apos;s size and the training log switch hold only until Vellorin closes.</source>
        <extracomment>%1 is the settings file&apos;s name, %2 the reason it cannot be used. The training log switch turns the keeping of the training log on and off.</extracomment>
        <translation>Ikkunan asetustiedostoa &quot;%1&quot; ei voi käyttää: %2. Ikkunan koko ja harjoituspäiväkirjan valinta ovat voimassa vain, kunnes Vellorin suljetaan.</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>up to %1</source>
        <extracomment>In the window&apos;s title: the most the table can last, %1 a time like 40:30.</extracomment>
        <translation>enintään %1</translation>
    </message>
</context>
<context>
    <name>vellorin::AttemptsDialog</name>
    <message>
        <source>Personal bests</source>
        <translation>Ennätykset</translation>
    </message>
    <message>
        <source>Began</source>
        <extracomment>The headings of the list of attempts: when each began, and the time held.</extracomment>
        <translation>Alkoi</translation>
    </message>
    <message>
        <source>Held</source>
        <translation>Kesto</translation>
    </message>
    <message>
        <source>&amp;Remove...</source>
        <translation>&amp;Poista...</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss tai sekunteina</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lisää</translation>
    </message>
    <message>
        <source>&amp;Began:</source>
        <translation>&amp;Alkoi:</translation>
    </message>
    <message>
        <source>&amp;Held:</source>
        <extracomment>The field of the time held in an attempt.</extracomment>
        <translation>&amp;Kesto:</translation>
    </message>
    <message>
        <source>Your attempts:</source>
        <translation>Yrityksesi:</translation>
    </message>
    <message>
        <source>A personal best from elsewhere:</source>
        <translation>Muualla saavutettu ennätys:</translation>
    </message>
    <message>
        <source>Remove the attempt that began %1, held %2? It cannot be brought back.</source>
        <extracomment>%1 is when the attempt began (2024-05-01 07:30), %2 the time held (03:05).</extracomment>
        <translation>Poistetaanko yritys, joka alkoi %1 ja kesti %2? Sitä ei voi palauttaa.</translation>
    </message>
    <message>
        <source>Could not remove the attempt from &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Yritystä ei voitu poistaa tiedostosta &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The time held is typed as m:ss (&quot;3:05&quot;) or in seconds (&quot;185&quot;), at least 1 second.</source>
        <translation>Pidätysaika kirjoitetaan muodossa m:ss (&quot;3:05&quot;) tai sekunteina (&quot;185&quot;), vähintään 1 sekunti.</translation>
    </message>
    <message>
        <source>Could not add the attempt to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the attempts file&apos;s name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Yritystä ei voitu lisätä tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileDialog</name>
    <message>
        <source>Cue profile - Vellorin</source>
        <translation>Ääniprofiili - Vellorin</translation>
    </message>
    <message>
        <source>Start &amp;from:</source>
        <extracomment>The built-in profile whose settings fill the fields.</extracomment>
        <translation>Lähtö&amp;kohta:</translation>
    </message>
    <message>
        <source>words</source>
        <extracomment>A profile&apos;s sound: calls spoken in words.</extracomment>
        <translation>sanat</translation>
    </message>
    <message>
        <source>tones</source>
        <extracomment>A profile&apos;s sound: tones, no words.</extracomment>
        <translation>merkkiäänet</translation>
    </message>
    <message>
        <source>hold</source>
        <extracomment>What a hold begins with: the word &quot;hold&quot;.</extracomment>
        <translation>pidätä</translation>
    </message>
    <message>
        <source>top</source>
        <extracomment>What a hold begins with: &quot;official top&quot;, as at a freediving competition.</extracomment>
        <translation>top</translation>
    </message>
    <message>
        <source>Pace in &amp;words, not soft tones</source>
        <translation>Tahdista &amp;sanoin, ei pehmein merkkiäänin</translation>
    </message>
    <message>
        <source>Say the holds and the time held at the &amp;end</source>
        <translation>Kerro pidätykset ja pidätysaika &amp;lopussa</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nimi:</translation>
    </message>
    <message>
        <source>&amp;Sound:</source>
        <translation>&amp;Ääni:</translation>
    </message>
    <message>
        <source>A hold &amp;begins with:</source>
        <translation>Pidätys &amp;alkaa:</translation>
    </message>
    <message>
        <source>Calls before a &amp;hold:</source>
        <extracomment>The times called out in each rest, before the hold.</extracomment>
        <translation>Ilmoitukset ennen pi&amp;dätystä:</translation>
    </message>
    <message>
        <source>Calls in every h&amp;old:</source>
        <translation>Ilmoitukset j&amp;okaisessa pidätyksessä:</translation>
    </message>
    <message>
        <source>Calls in the &amp;last hold:</source>
        <translation>Ilmoitukset &amp;viimeisessä pidätyksessä:</translation>
    </message>
    <message>
        <source>Time held called e&amp;very:</source>
        <translation>Pidätysajan il&amp;moitusväli:</translation>
    </message>
    <message>
        <source>&quot;Last b&amp;reath&quot;, seconds before a hold:</source>
        <translation>&quot;Viimeinen sisään&amp;hengitys&quot;, sekuntia ennen pidätystä:</translation>
    </message>
    <message>
        <source>Re&amp;covery breaths after a hold:</source>
        <translation>&amp;Palautumishengitykset pidätyksen jälkeen:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds &amp;in:</source>
        <translation>Tahditettu hengitys, sekuntia s&amp;isään:</translation>
    </message>
    <message>
        <source>Paced breathing, seconds o&amp;ut:</source>
        <translation>Tahditettu hengitys, sekuntia &amp;ulos:</translation>
    </message>
    <message>
        <source>Pace the last part of a rest (m:ss or all):</source>
        <extracomment>&quot;all&quot; is typed as it is, in English: the profile file&apos;s word for the whole rest.</extracomment>
        <translation>Tahdista levon loppuosa (m:ss tai all):</translation>
    </message>
    <message>
        <source>Calls are written m:ss to be spoken (0:30 &quot;thirty seconds&quot;) and as a bare number to be counted (5 &quot;five&quot;).</source>
        <extracomment>How the calls are typed: a time m:ss is spoken as a time, a bare number is counted.</extracomment>
        <translation>Ilmoitukset kirjoitetaan muodossa m:ss sanottaviksi (0:30 &quot;kolmekymmentä sekuntia&quot;) ja pelkkänä numerona laskettaviksi (5 &quot;viisi&quot;).</translation>
    </message>
    <message>
        <source>My %1</source>
        <extracomment>The name proposed for a profile of the user&apos;s own made from a built-in one; %1 is the built-in profile&apos;s key, as &quot;guided&quot;.</extracomment>
        <translation>Oma %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ääni</translation>
    </message>
    <message>
        <source>A hold begins with</source>
        <translation>Pidätys alkaa</translation>
    </message>
    <message>
        <source>Calls before a hold</source>
        <translation>Ilmoitukset ennen pidätystä</translation>
    </message>
    <message>
        <source>Calls in every hold</source>
        <translation>Ilmoitukset jokaisessa pidätyksessä</translation>
    </message>
    <message>
        <source>Calls in the last hold</source>
        <translation>Ilmoitukset viimeisessä pidätyksessä</translation>
    </message>
    <message>
        <source>Time held called every</source>
        <translation>Pidätysajan ilmoitusväli</translation>
    </message>
    <message>
        <source>Last breath</source>
        <translation>Viimeinen sisäänhengitys</translation>
    </message>
    <message>
        <source>Recovery breaths</source>
        <translation>Palautumishengitykset</translation>
    </message>
    <message>
        <source>Paced breathing</source>
        <translation>Tahditettu hengitys</translation>
    </message>
    <message>
        <source>Pace the last part of a rest</source>
        <translation>Tahdista levon loppuosa</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the profile and why its value cannot be used: &quot;Sound: it must be words or tones&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the name of a built-in profile: choose another name.</source>
        <translation>&quot;%1&quot; on valmiin profiilin nimi: valitse toinen nimi.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is kept in the file of your profile &quot;%2&quot;: choose another name.</source>
        <extracomment>%1 is the name typed, %2 the name of another profile whose file name would be the same.</extracomment>
        <translation>&quot;%1&quot; tallentuisi oman profiilisi &quot;%2&quot; tiedostoon: valitse toinen nimi.</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>kansiota ei voi luoda</translation>
    </message>
    <message>
        <source>Could not save the cue profile to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Ääniprofiilia ei voitu tallentaa tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>vellorin::CueProfileMenu</name>
    <message>
        <source>Cue &amp;profile</source>
        <translation>&amp;Ääniprofiili</translation>
    </message>
    <message>
        <source>Classic</source>
        <extracomment>A built-in cue profile: the cues of the classic timer.</extracomment>
        <translation>Klassinen</translation>
    </message>
    <message>
        <source>Guided</source>
        <extracomment>A built-in cue profile: calls that guide the breathing and the holds.</extracomment>
        <translation>Ohjattu</translation>
    </message>
    <message>
        <source>Competition countdown</source>
        <extracomment>A built-in cue profile: the countdown of a freediving competition.</extracomment>
        <translation>Kilpailulähtölaskenta</translation>
    </message>
    <message>
        <source>Tones only</source>
        <extracomment>A built-in cue profile: tones, no words.</extracomment>
        <translation>Vain merkkiäänet</translation>
    </message>
    <message>
        <source>Your default</source>
        <extracomment>In a table&apos;s list of cue profiles: the profile chosen in Training &gt; Cue profile.</extracomment>
        <translation>Oletusprofiilisi</translation>
    </message>
    <message>
        <source>%1 (not found: your default plays)</source>
        <extracomment>A cue profile a table names that this user does not have; %1 is its name.</extracomment>
        <translation>%1 (ei löydy: oletusprofiilisi soi)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>A profile file of the user&apos;s that cannot be read; %1 is its file name.</extracomment>
        <translation>%1: ei voi lukea</translation>
    </message>
    <message>
        <source>&amp;Edit profile...</source>
        <translation>&amp;Muokkaa profiilia...</translation>
    </message>
</context>
<context>
    <name>vellorin::HistoryWindow</name>
    <message>
        <source>%1, %2, %3 held</source>
        <extracomment>The sessions shown and their holds: %1 is &quot;3 sessions&quot;, %2 &quot;6 holds&quot;, %3 the time held in them, as 09:00 or 12:05:00.</extracomment>
        <translation>%1, %2, pidätysaika %3</translation>
    </message>
    <message numerus="yes">
        <source>%n sessions</source>
        <translation>
            <numerusform>%n harjoitus</numerusform>
            <numerusform>%n harjoitusta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n holds</source>
        <translation>
            <numerusform>%n pidätys</numerusform>
            <numerusform>%n pidätystä</numerusform>
        </translation>
    </message>
    <message>
        <source>History - Vellorin</source>
        <translation>Historia - Vellorin</translation>
    </message>
    <message>
        <source>Reading the training log…</source>
        <translation>Luetaan harjoituspäiväkirjaa…</translation>
    </message>
    <message>
        <source>Export the &amp;log...</source>
        <translation>Vie &amp;päiväkirja...</translation>
    </message>
    <message>
        <source>Export the &amp;sessions...</source>
        <translation>Vie &amp;harjoitukset...</translation>
    </message>
    <message>
        <source>Tables shown</source>
        <translation>Näytettävät taulukot</translation>
    </message>
    <message>
        <source>&amp;Tables:</source>
        <translation>&amp;Taulukot:</translation>
    </message>
    <message>
        <source>No sessions: the training log is switched off (Training &gt; Keep a training log).</source>
        <translation>Ei harjoituksia: harjoituspäiväkirja on pois päältä (Harjoittelu &gt; Pidä harjoituspäiväkirjaa).</translation>
    </message>
    <message>
        <source>The training log is switched off (Training &gt; Keep a training log): the sessions you train now are not kept.</source>
        <translation>Harjoituspäiväkirja on pois päältä (Harjoittelu &gt; Pidä harjoituspäiväkirjaa): nyt tekemiäsi harjoituksia ei tallenneta.</translation>
    </message>
    <message>
        <source>No sessions yet: every session you train is kept in the training log &quot;%1&quot;.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Ei vielä harjoituksia: jokainen tekemäsi harjoitus tallennetaan harjoituspäiväkirjaan &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The training log &quot;%1&quot; holds no sessions yet.</source>
        <extracomment>%1 is the training log&apos;s file name.</extracomment>
        <translation>Harjoituspäiväkirjassa &quot;%1&quot; ei ole vielä harjoituksia.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of tables of rounds yet.</source>
        <translation>Harjoituspäiväkirjassa ei ole vielä kierrostaulukoiden harjoituksia.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of classic tables yet.</source>
        <translation>Harjoituspäiväkirjassa ei ole vielä klassisten taulukoiden harjoituksia.</translation>
    </message>
    <message>
        <source>The training log holds no sessions of %1 yet.</source>
        <extracomment>%1 is the name of a table file.</extracomment>
        <translation>Harjoituspäiväkirjassa ei ole vielä taulukon %1 harjoituksia.</translation>
    </message>
    <message>
        <source>Export the sessions</source>
        <translation>Vie harjoitukset</translation>
    </message>
    <message>
        <source>Export the log</source>
        <translation>Vie päiväkirja</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-tiedostot (*.csv)</translation>
    </message>
    <message>
        <source>Could not export to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Vienti tiedostoon &quot;%1&quot; epäonnistui: %2.</translation>
    </message>
    <message>
        <source>Hold &amp;curve...</source>
        <translation>Pidätys&amp;käyrä...</translation>
    </message>
    <message>
        <source>The heart rate and SpO2 second by second in the session&apos;s holds</source>
        <translation>Syke ja SpO2 sekunti sekunnilta harjoituksen pidätyksissä</translation>
    </message>
</context>
<context>
    <name>vellorin::HoldCurveWindow</name>
    <message>
        <source>Hold curve - Vellorin</source>
        <translation>Pidätyskäyrä - Vellorin</translation>
    </message>
    <message>
        <source>Reading the sensor samples…</source>
        <translation>Luetaan anturilukemia…</translation>
    </message>
    <message>
        <source>&amp;Hold:</source>
        <translation>&amp;Pidätys:</translation>
    </message>
    <message>
        <source>Hold %1</source>
        <extracomment>An entry of the list of a session&apos;s holds; %1 is the hold&apos;s number.</extracomment>
        <translation>Pidätys %1</translation>
    </message>
    <message>
        <source>The sensor samples &quot;%1&quot; hold no second of a hold.</source>
        <extracomment>%1 is a sensor samples file&apos;s name.</extracomment>
        <translation>Tiedoston &quot;%1&quot; anturilukemissa ei ole yhtään pidätyksen sekuntia.</translation>
    </message>
</context>
<context>
    <name>vellorin::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Kieli</translation>
    </message>
    <message>
        <source>The system&apos;s language (%1)</source>
        <translation>Järjestelmän kieli (%1)</translation>
    </message>
    <message>
        <source>Vellorin speaks %1 from its next start: its window, messages and spoken cues.</source>
        <extracomment>%1 is the language chosen, named in that language (&quot;Deutsch&quot;).</extracomment>
        <translation>Seuraavasta käynnistyksestä alkaen Vellorin käyttää kieltä %1: ikkunassa, viesteissä ja puhutuissa äänimerkeissä.</translation>
    </message>
</context>
<context>
    <name>vellorin::LightsOutView</name>
    <message>
        <source>Paused</source>
        <extracomment>Shown large in lights-out while the session is paused.</extracomment>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Contraction %1</source>
        <extracomment>Shown a moment after a contraction was marked; %1 is its number in the hold.</extracomment>
        <translation>Supistus %1</translation>
    </message>
    <message>
        <source>Contractions: %1</source>
        <translation>Supistuksia: %1</translation>
    </message>
</context>
<context>
    <name>vellorin::PbTableDialog</name>
    <message>
        <source>New table from personal best</source>
        <translation>Uusi taulukko ennätyksestä</translation>
    </message>
    <message>
        <source>&amp;CO2 table: holds of 50 % of your PB, rests from 2:00 down by 15 s</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>&amp;CO2-taulukko: pidätykset 50 % PB:stäsi, lepoajat alkaen 2:00, lyhenevät 15 s kerrallaan</translation>
    </message>
    <message>
        <source>&amp;O2 table: rests of 2:00, holds up by 15 s to 80 % of your PB</source>
        <extracomment>PB: personal best, the longest breath-hold. 2:00 is two minutes; s: seconds.</extracomment>
        <translation>&amp;O2-taulukko: lepoajat 2:00, pidätykset pitenevät 15 s kerrallaan 80 %:iin PB:stäsi</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss tai sekunteina</translation>
    </message>
    <message>
        <source>&amp;Fill the fields</source>
        <translation>&amp;Täytä kentät</translation>
    </message>
    <message>
        <source>&amp;Personal best:</source>
        <translation>&amp;Ennätys:</translation>
    </message>
    <message>
        <source>Type your personal best as m:ss or in seconds.</source>
        <translation>Kirjoita ennätyksesi muodossa m:ss tai sekunteina.</translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsEditor</name>
    <message>
        <source>Table of rounds</source>
        <translation>Kierrostaulukko</translation>
    </message>
    <message>
        <source>m:ss or seconds</source>
        <extracomment>How a time is typed: minutes and seconds like 3:05, or a number of seconds.</extracomment>
        <translation>m:ss tai sekunteina</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lisää</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Monista</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Poista</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Siirrä ylös</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Siirrä alas</translation>
    </message>
    <message>
        <source>&amp;Fill from the six settings</source>
        <extracomment>The six settings: the six fields of the main window that make a classic table.</extracomment>
        <translation>&amp;Täytä kuudesta asetuksesta</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Sa&amp;ve as...</source>
        <translation>Tallenna nim&amp;ellä...</translation>
    </message>
    <message>
        <source>&amp;Use this table</source>
        <translation>&amp;Käytä tätä taulukkoa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nimi:</translation>
    </message>
    <message>
        <source>&amp;Intro:</source>
        <extracomment>The countdown before the first hold of the table.</extracomment>
        <translation>&amp;Alku:</translation>
    </message>
    <message>
        <source>&amp;What you hear:</source>
        <extracomment>The cue profile the table plays.</extracomment>
        <translation>&amp;Mitä kuulet:</translation>
    </message>
    <message>
        <source>R&amp;ounds:</source>
        <translation>Kie&amp;rrokset:</translation>
    </message>
    <message>
        <source>Could not fill the table from the six settings: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Taulukkoa ei voitu täyttää kuudesta asetuksesta: %1.</translation>
    </message>
    <message>
        <source>Replace the rounds with the six settings&apos; table? The changes you have not saved are lost.</source>
        <translation>Korvataanko kierrokset kuuden asetuksen taulukolla? Tallentamattomat muutokset menetetään.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: it is %2 Vellorin keeps, which a table must not replace.</source>
        <extracomment>%1 is a file name, %2 the name of one of the program&apos;s own files, as &quot;the training log&quot;.</extracomment>
        <translation>Taulukkoa ei voitu tallentaa tiedostoon &quot;%1&quot;: se on Vellorinin oma tiedosto (%2), jota taulukko ei saa korvata.</translation>
    </message>
    <message>
        <source>Could not save the table to &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file name, %2 the reason, a clause without a full stop.</extracomment>
        <translation>Taulukkoa ei voitu tallentaa tiedostoon &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Close the table without saving your changes to it?</source>
        <translation>Suljetaanko taulukko tallentamatta siihen tehtyjä muutoksia?</translation>
    </message>
    <message>
        <source>Save the table of rounds</source>
        <translation>Tallenna kierrostaulukko</translation>
    </message>
    <message>
        <source>Vellorin tables (*.vtable)</source>
        <translation>Vellorin-taulukot (*.vtable)</translation>
    </message>
    <message>
        <source>Hold &amp;length:</source>
        <translation>Pidätyksen &amp;kesto:</translation>
    </message>
    <message>
        <source>Mar&amp;gin:</source>
        <extracomment>The time a hold goes on after the first contraction.</extracomment>
        <translation>Lisä&amp;aika:</translation>
    </message>
    <message>
        <source>Con&amp;tractions:</source>
        <extracomment>The count of contractions that ends a hold.</extracomment>
        <translation>Supis&amp;tukset:</translation>
    </message>
    <message>
        <source>&amp;Cap:</source>
        <extracomment>The longest a hold may go on.</extracomment>
        <translation>&amp;Yläraja:</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <extracomment>The shortest a hold may be.</extracomment>
        <translation>Ala&amp;raja:</translation>
    </message>
    <message>
        <source>Rest lengt&amp;h:</source>
        <translation>Levon k&amp;esto:</translation>
    </message>
    <message>
        <source>C&amp;ycle:</source>
        <extracomment>The time from the start of a hold to the start of the next, the rest taking what the hold leaves.</extracomment>
        <translation>S&amp;ykli:</translation>
    </message>
    <message>
        <source>&amp;Floor (shortest rest):</source>
        <translation>&amp;Lyhin lepo:</translation>
    </message>
    <message>
        <source>Longest &amp;breath:</source>
        <extracomment>The longest a one-breath rest may last.</extracomment>
        <translation>Pisin &amp;hengitys:</translation>
    </message>
    <message>
        <source>Re&amp;peat:</source>
        <extracomment>How many times the round is run.</extracomment>
        <translation>T&amp;oistot:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>hold</comment>
        <extracomment>A kind of hold: one of a set length.</extracomment>
        <translation>Ajastettu</translation>
    </message>
    <message>
        <source>First contraction + margin</source>
        <extracomment>A kind of hold: it ends a margin after the first contraction.</extracomment>
        <translation>Ensimmäinen supistus + lisäaika</translation>
    </message>
    <message>
        <source>N-th contraction</source>
        <extracomment>A kind of hold: it ends at a given count of contractions.</extracomment>
        <translation>N:s supistus</translation>
    </message>
    <message>
        <source>&amp;Kind of hold:</source>
        <translation>Pidätyksen la&amp;ji:</translation>
    </message>
    <message>
        <source>Timed</source>
        <comment>rest</comment>
        <extracomment>A kind of rest: one of a set length.</extracomment>
        <translation>Ajastettu</translation>
    </message>
    <message>
        <source>Cycle</source>
        <extracomment>A kind of rest: it lasts what the hold leaves of a set cycle.</extracomment>
        <translation>Sykli</translation>
    </message>
    <message>
        <source>One breath</source>
        <extracomment>A kind of rest: a single breath.</extracomment>
        <translation>Yksi hengitys</translation>
    </message>
    <message>
        <source>Kind of r&amp;est:</source>
        <translation>Levon laj&amp;i:</translation>
    </message>
    <message>
        <source>%1. To mend: %2</source>
        <extracomment>A row of the table that cannot be run: its number, and what is wrong with it.</extracomment>
        <translation>%1. Korjattavaa: %2</translation>
    </message>
    <message>
        <source>%1. hold %2, rest %3</source>
        <extracomment>A row of the table: its number, its hold and its rest, as &quot;3. hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. pidätys %2, lepo %3</translation>
    </message>
    <message>
        <source>%1. %2 × hold %3, rest %4</source>
        <extracomment>A row of the table run more than once: its number, how many times it runs, its hold and its rest, as &quot;3. 4 × hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. %2 × pidätys %3, lepo %4</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>How long the whole table takes, as &quot;24:30&quot; or &quot;up to 24:30&quot;.</extracomment>
        <translation>Yhteensä: %1</translation>
    </message>
    <message numerus="yes">
        <source>And %n more to mend.</source>
        <extracomment>After the first problems of the table: how many more there are.</extracomment>
        <translation>
            <numerusform>Ja vielä %n korjattava.</numerusform>
            <numerusform>Ja vielä %n korjattavaa.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more holds longer than your personal best.</source>
        <extracomment>After the first holds longer than the personal best: how many more there are.</extracomment>
        <translation>
            <numerusform>Ja vielä %n ennätystäsi pidempi pidätys.</numerusform>
            <numerusform>Ja vielä %n ennätystäsi pidempää pidätystä.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellorin::RoundsPanel</name>
    <message>
        <source>The table&apos;s rounds</source>
        <translation>Taulukon kierrokset</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <extracomment>What comes next in the session, under the lights-out displays; %1 is &quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;.</extracomment>
        <translation>Seuraavaksi: %1</translation>
    </message>
    <message>
        <source>%1. Hold %2, rest %3</source>
        <extracomment>A round in the list of the table&apos;s rounds: its number, its hold and its rest, as &quot;3. Hold 1:30, rest 2:00&quot;.</extracomment>
        <translation>%1. Pidätys %2, lepo %3</translation>
    </message>
    <message>
        <source>%1. Hold %2</source>
        <extracomment>The last round, which has no rest: its number and its hold, as &quot;8. Hold 1:30&quot;.</extracomment>
        <translation>%1. Pidätys %2</translation>
    </message>
    <message>
        <source>The table cannot be run: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Taulukkoa ei voi suorittaa: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, %1</source>
        <extracomment>The table&apos;s rounds and how long it takes, as &quot;8 rounds, 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n kierros, %1</numerusform>
            <numerusform>%n kierrosta, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rounds, up to %1</source>
        <extracomment>The table&apos;s rounds and the longest it may take, as &quot;8 rounds, up to 24:30&quot;.</extracomment>
        <translation>
            <numerusform>%n kierros, enintään %1</numerusform>
            <numerusform>%n kierrosta, enintään %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Round %1 of %2. Next: %3.</source>
        <extracomment>Where the session is: %1 the round under way, %2 the rounds in all, %3 what comes next (&quot;hold 1:30&quot;, &quot;rest up to 2:00&quot; or &quot;the end&quot;).</extracomment>
        <translation>Kierros %1/%2. Seuraavaksi: %3.</translation>
    </message>
    <message>
        <source>hold %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold this long (a time like 1:30).</extracomment>
        <translation>pidätys %1</translation>
    </message>
    <message>
        <source>hold up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a breath-hold that may end sooner, at most this long (a time like 1:30).</extracomment>
        <translation>pidätys enintään %1</translation>
    </message>
    <message>
        <source>rest %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest this long (a time like 2:00).</extracomment>
        <translation>lepo %1</translation>
    </message>
    <message>
        <source>rest up to %1</source>
        <extracomment>What comes next, after &quot;Next:&quot;: a rest that may end sooner, at most this long (a time like 2:00).</extracomment>
        <translation>lepo enintään %1</translation>
    </message>
    <message>
        <source>the end</source>
        <extracomment>What comes next, after &quot;Next:&quot;: the end of the session.</extracomment>
        <translation>loppu</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorLink</name>
    <message>
        <source>This computer has no Bluetooth adapter, or its system service for Bluetooth (BlueZ) is not running.</source>
        <translation>Tässä tietokoneessa ei ole Bluetooth-sovitinta, tai sen Bluetooth-järjestelmäpalvelu (BlueZ) ei ole käynnissä.</translation>
    </message>
    <message>
        <source>Bluetooth is turned off. Turn it on and scan again.</source>
        <translation>Bluetooth on pois päältä. Kytke se päälle ja hae uudelleen.</translation>
    </message>
    <message>
        <source>The system does not allow Vellorin to use Bluetooth.</source>
        <translation>Järjestelmä ei salli Vellorinin käyttää Bluetoothia.</translation>
    </message>
    <message>
        <source>The scan for sensors failed: %1</source>
        <translation>Anturien haku epäonnistui: %1</translation>
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
        <translation>ei valittu</translation>
    </message>
    <message>
        <source>connecting</source>
        <translation>yhdistetään</translation>
    </message>
    <message>
        <source>connected</source>
        <translation>yhdistetty</translation>
    </message>
    <message>
        <source>no skin contact</source>
        <translation>ei ihokontaktia</translation>
    </message>
    <message>
        <source>finger out</source>
        <translation>ei sormea</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>ei arvoa</translation>
    </message>
    <message>
        <source>lost, trying again</source>
        <translation>yhteys katkesi, yritetään uudelleen</translation>
    </message>
    <message>
        <source>HR %1%2</source>
        <extracomment>The heart rate beside the displays; %1 is beats per minute, %2 the value&apos;s age.</extracomment>
        <translation>Syke %1%2</translation>
    </message>
    <message>
        <source>HR -- %1</source>
        <translation>Syke -- %1</translation>
    </message>
    <message>
        <source>SpO2 %1 %  PR %2%3</source>
        <extracomment>SpO2 and the oximeter&apos;s pulse rate beside the displays; %3 is the values&apos; age.</extracomment>
        <translation>SpO2 %1 %  pulssi %2%3</translation>
    </message>
    <message>
        <source>SpO2 -- %1</source>
        <translation>SpO2 -- %1</translation>
    </message>
    <message>
        <source>Sensor values</source>
        <translation>Anturilukemat</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorTraining</name>
    <message>
        <source>This Vellorin was built without Bluetooth, so it cannot use heart-rate sensors or oximeters. Everything else works as ever.</source>
        <translation>Tämä Vellorin on käännetty ilman Bluetoothia, joten se ei voi käyttää sykeantureita eikä pulssioksimetrejä. Kaikki muu toimii kuten ennenkin.</translation>
    </message>
</context>
<context>
    <name>vellorin::SensorsDialog</name>
    <message>
        <source>Not in use</source>
        <extracomment>The state of a kind of sensor when none is chosen.</extracomment>
        <translation>Ei käytössä</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Yhdistetään…</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Yhdistetty</translation>
    </message>
    <message>
        <source>No skin contact</source>
        <extracomment>A chest strap that says it does not touch the skin.</extracomment>
        <translation>Ei ihokontaktia</translation>
    </message>
    <message>
        <source>Finger out</source>
        <extracomment>An oximeter that says no finger is in it.</extracomment>
        <translation>Sormi ei ole paikallaan</translation>
    </message>
    <message>
        <source>No values for a while</source>
        <extracomment>Linked, but the sensor has sent no value for some seconds.</extracomment>
        <translation>Ei arvoja muutamaan sekuntiin</translation>
    </message>
    <message>
        <source>Lost — trying again</source>
        <extracomment>The link to the sensor broke; the program tries to link again by itself.</extracomment>
        <translation>Yhteys katkesi — yritetään uudelleen</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Anturit</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Hae</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hae</translation>
    </message>
    <message>
        <source>Sensors found</source>
        <translation>Löydetyt anturit</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>The headings of the list of sensors a search found; signal: its strength in dBm.</extracomment>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tyyppi</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signaali</translation>
    </message>
    <message>
        <source>Sensors fou&amp;nd:</source>
        <translation>Löy&amp;detyt anturit:</translation>
    </message>
    <message>
        <source>Use as &amp;heart-rate sensor</source>
        <translation>Käytä syke&amp;anturina</translation>
    </message>
    <message>
        <source>Use as heart-rate sensor</source>
        <translation>Käytä sykeanturina</translation>
    </message>
    <message>
        <source>Use as &amp;oximeter</source>
        <translation>Käytä pulssi&amp;oksimetrinä</translation>
    </message>
    <message>
        <source>Use as oximeter</source>
        <translation>Käytä pulssioksimetrinä</translation>
    </message>
    <message>
        <source>&amp;End the hold when SpO2 falls to</source>
        <translation>&amp;Lopeta pidätys, kun SpO2 laskee tasolle</translation>
    </message>
    <message>
        <source>End the hold when SpO2 falls to</source>
        <translation>Lopeta pidätys, kun SpO2 laskee tasolle</translation>
    </message>
    <message>
        <source>SpO2 that ends the hold</source>
        <translation>SpO2, jolla pidätys päättyy</translation>
    </message>
    <message>
        <source> %</source>
        <extracomment>After the SpO2 limit: 80 %.</extracomment>
        <translation> %</translation>
    </message>
    <message>
        <source>A consumer pulse oximeter reads late and low in a breath hold: its reading lags the blood by many seconds, and a cold or squeezed finger reads low. The alarm is a help, not a medical device: never rely on it to keep you safe.</source>
        <extracomment>Said beside the low-SpO2 alarm; the sentence on where to train follows it.</extracomment>
        <translation>Kuluttajille tarkoitettu pulssioksimetri näyttää hengityksen pidätyksessä myöhässä ja liian matalia lukemia: sen lukema jää monta sekuntia jälkeen veren tilasta, ja kylmä tai puristuksissa oleva sormi antaa liian matalia lukemia. Hälytys on apuväline, ei lääkinnällinen laite: älä koskaan luota siihen turvallisuutesi takaajana.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Heart rate</source>
        <translation>Syke</translation>
    </message>
    <message>
        <source>Oximeter</source>
        <translation>Pulssioksimetri</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <extracomment>Each kind&apos;s button has its own access key.</extracomment>
        <translation>&amp;Unohda</translation>
    </message>
    <message>
        <source>Fo&amp;rget</source>
        <translation>U&amp;nohda</translation>
    </message>
    <message>
        <source>Forget the heart-rate sensor</source>
        <translation>Unohda sykeanturi</translation>
    </message>
    <message>
        <source>Forget the oximeter</source>
        <translation>Unohda pulssioksimetri</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No sensor of the kind is chosen.</extracomment>
        <translation>Ei valittu</translation>
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
        <translation>syke</translation>
    </message>
    <message>
        <source>oximeter</source>
        <translation>pulssioksimetri</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the kinds a sensor is, as &quot;heart rate, oximeter&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Pysäytä</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Pysäytä</translation>
    </message>
    <message>
        <source>Searching…</source>
        <translation>Haetaan…</translation>
    </message>
    <message numerus="yes">
        <source>Found %n sensor(s).</source>
        <translation>
            <numerusform>Löytyi %n anturi.</numerusform>
            <numerusform>Löytyi %n anturia.</numerusform>
        </translation>
    </message>
    <message>
        <source>(no name)</source>
        <extracomment>A sensor that gives no name.</extracomment>
        <translation>(ei nimeä)</translation>
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
        <translation>Mikä tahansa näppäin: takaisin näyttöihin</translation>
    </message>
    <message>
        <source>Vellorin: session summary</source>
        <translation>Vellorin: harjoituksen yhteenveto</translation>
    </message>
</context>
<context>
    <name>vellorin::SessionsModel</name>
    <message>
        <source>%1 (%2 to %3)</source>
        <extracomment>A session&apos;s mean first contraction (%1) and the range of them (%2 to %3), each a time like 01:05.</extracomment>
        <translation>%1 (%2–%3)</translation>
    </message>
</context>
<context>
    <name>vellorin::SingleInstance</name>
    <message>
        <source>the lock file &quot;%1&quot; cannot be used: %2; it is left as it is</source>
        <extracomment>A warning: %1 is a file name, %2 the reason, a clause.</extracomment>
        <translation>lukitustiedostoa &quot;%1&quot; ei voi käyttää: %2; se jätetään ennalleen</translation>
    </message>
    <message>
        <source>waiting for the Vellorin window that runs to answer</source>
        <translation>odotetaan käynnissä olevan Vellorin-ikkunan vastausta</translation>
    </message>
    <message>
        <source>the socket &quot;%1&quot; cannot be used: %2; this window does not hear later starts, which open windows of their own</source>
        <extracomment>A warning: %1 is the socket&apos;s file name, %2 the reason, a clause. A later start of the program would hand its file to this window through the socket.</extracomment>
        <translation>pistoketta &quot;%1&quot; ei voi käyttää: %2; tämä ikkuna ei kuule myöhempiä käynnistyksiä, jotka avaavat omat ikkunansa</translation>
    </message>
    <message numerus="yes">
        <source>its path is longer than the %n bytes a socket&apos;s path may have</source>
        <translation>
            <numerusform>sen polku on pidempi kuin pistokkeen polun enimmäispituus %n tavu</numerusform>
            <numerusform>sen polku on pidempi kuin pistokkeen polun enimmäispituus %n tavua</numerusform>
        </translation>
    </message>
    <message>
        <source>it is not a socket</source>
        <translation>se ei ole pistoke</translation>
    </message>
    <message>
        <source>the window listening on it does not take requests</source>
        <translation>sitä kuunteleva ikkuna ei ota vastaan pyyntöjä</translation>
    </message>
</context>
<context>
    <name>vellorin::TrainerMainform</name>
    <message>
        <source>A personal-best test is running. Close Vellorin and end it?</source>
        <translation>Ennätystesti on käynnissä. Suljetaanko Vellorin ja lopetetaanko testi?</translation>
    </message>
    <message>
        <source>A session is running. Close Vellorin and end it?</source>
        <translation>Harjoitus on käynnissä. Suljetaanko Vellorin ja lopetetaanko harjoitus?</translation>
    </message>
    <message>
        <source>%1 The classic cues play.</source>
        <extracomment>%1 is why the user&apos;s default cue profile cannot be used, in whole sentences.</extracomment>
        <translation>%1 Klassiset äänimerkit soivat.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Lataa...</translation>
    </message>
    <message>
        <source>&amp;Undo load</source>
        <translation>&amp;Kumoa lataus</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Tallenna...</translation>
    </message>
    <message>
        <source>&amp;Export audio...</source>
        <translation>&amp;Vie äänenä...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Lo&amp;peta</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>&amp;Harjoitus</translation>
    </message>
    <message>
        <source>&amp;Start	Space</source>
        <translation>&amp;Aloita	Space</translation>
    </message>
    <message>
        <source>&amp;Pause/Resume	Space</source>
        <translation>&amp;Tauko/Jatka	Space</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Nollaa</translation>
    </message>
    <message>
        <source>&amp;Lights-out</source>
        <translation>&amp;Pimennys</translation>
    </message>
    <message>
        <source>&amp;Training</source>
        <translation>Ha&amp;rjoittelu</translation>
    </message>
    <message>
        <source>&amp;Personal best test...</source>
        <translation>&amp;Ennätystesti...</translation>
    </message>
    <message>
        <source>&amp;New table from personal best...</source>
        <translation>&amp;Uusi taulukko ennätyksestä...</translation>
    </message>
    <message>
        <source>Personal &amp;bests...</source>
        <translation>E&amp;nnätykset...</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>&amp;Keep a training log</source>
        <translation>&amp;Pidä harjoituspäiväkirjaa</translation>
    </message>
    <message>
        <source>Ta&amp;bles</source>
        <translation>Tau&amp;lukot</translation>
    </message>
    <message>
        <source>&amp;Edit table of rounds...</source>
        <translation>&amp;Muokkaa kierrostaulukkoa...</translation>
    </message>
    <message>
        <source>Use the &amp;six settings</source>
        <translation>Käytä &amp;kuutta asetusta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Näppäimet</translation>
    </message>
    <message>
        <source>&amp;About Vellorin</source>
        <translation>&amp;Tietoja Vellorinista</translation>
    </message>
    <message>
        <source>Start: Space. Reset: Ctrl+R.</source>
        <translation>Aloita: Space. Nollaa: Ctrl+R.</translation>
    </message>
    <message>
        <source>Pause or resume: Space.</source>
        <translation>Tauko tai jatka: Space.</translation>
    </message>
    <message>
        <source>Load a table: Ctrl+O.</source>
        <translation>Lataa taulukko: Ctrl+O.</translation>
    </message>
    <message>
        <source>Save the table: Ctrl+S.</source>
        <translation>Tallenna taulukko: Ctrl+S.</translation>
    </message>
    <message>
        <source>Lights-out: double-click or F11.</source>
        <translation>Pimennys: kaksoisnapsautus tai F11.</translation>
    </message>
    <message>
        <source>Vellorin keys</source>
        <translation>Vellorinin näppäimet</translation>
    </message>
    <message>
        <source>About Vellorin</source>
        <extracomment>%1 is the version, %2 the safety sentence, %3 the list of keys.</extracomment>
        <translation>Tietoja Vellorinista</translation>
    </message>
    <message>
        <source>Vellorin %1
A timer for breath-hold training tables.

%2

Released under the MIT licence.

%3</source>
        <translation>Vellorin %1
Ajastin hengityksen pidätyksen harjoitustaulukoille.

%2

Julkaistu MIT-lisenssillä.

%3</translation>
    </message>
    <message>
        <source>Export audio</source>
        <translation>Vie äänenä</translation>
    </message>
    <message>
        <source>Audio files (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</source>
        <translation>Äänitiedostot (*.mp3 *.ogg *.flac *.wav);;MP3 (*.mp3);;Ogg Vorbis (*.ogg);;FLAC (*.flac);;WAV (*.wav)</translation>
    </message>
    <message>
        <source>session</source>
        <comment>the name an export proposes</comment>
        <translation>harjoitus</translation>
    </message>
    <message>
        <source>New &amp;CO2 table from your PB</source>
        <translation>Uusi &amp;CO2-taulukko PB:stäsi</translation>
    </message>
    <message>
        <source>New &amp;O2 table from your PB</source>
        <translation>Uusi &amp;O2-taulukko PB:stäsi</translation>
    </message>
    <message>
        <source>New &amp;pyramid from your PB</source>
        <translation>Uusi &amp;pyramidi PB:stäsi</translation>
    </message>
    <message>
        <source>New &amp;Wonka table (first contraction + 0:30)</source>
        <extracomment>A Wonka table: each hold goes on a set time past the first contraction.</extracomment>
        <translation>Uusi &amp;Wonka-taulukko (ensimmäinen supistus + 0:30)</translation>
    </message>
    <message>
        <source>New Wonka table by &amp;count (10 contractions)</source>
        <extracomment>A Wonka table by count: each hold ends at a count of contractions.</extracomment>
        <translation>Uusi Wonka-taulukko supistus&amp;määrällä (10 supistusta)</translation>
    </message>
    <message>
        <source>New &amp;one-breath table (8 x 1:00)</source>
        <extracomment>A table whose rests are one breath each: 8 holds of one minute.</extracomment>
        <translation>Uusi &amp;yhden hengityksen taulukko (8 x 1:00)</translation>
    </message>
    <message>
        <source>New static &amp;intervals (10 on a 2:00 cycle)</source>
        <extracomment>Ten holds, one starting every two minutes.</extracomment>
        <translation>Uudet staattiset &amp;intervallit (10, sykli 2:00)</translation>
    </message>
    <message>
        <source>No personal best is on record. Your personal best (m:ss or seconds):</source>
        <translation>Ennätystä ei ole tallennettu. Ennätyksesi (m:ss tai sekunteina):</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time: type it as m:ss or in seconds.</source>
        <translation>&quot;%1&quot; ei ole aika: kirjoita se muodossa m:ss tai sekunteina.</translation>
    </message>
    <message>
        <source>Could not make the table: %1.</source>
        <extracomment>%1 is the reason, a clause without a full stop.</extracomment>
        <translation>Taulukkoa ei voitu tehdä: %1.</translation>
    </message>
    <message>
        <source>%1

Use this table all the same?</source>
        <translation>%1

Käytetäänkö tätä taulukkoa silti?</translation>
    </message>
    <message numerus="yes">
        <source>%1

A countdown of %n seconds, then &quot;hold&quot;: hold your breath as long as you safely can, and press Space when you breathe. A soft mark sounds every 30 seconds and every whole minute is spoken.

Start the test?</source>
        <extracomment>%1 is the safety advice, a sentence. &quot;hold&quot; is the word the test says as the hold begins; Space is the key.</extracomment>
        <translation>
            <numerusform>%1

%n sekunnin lähtölaskenta, sitten &quot;pidätä&quot;: pidätä hengitystä niin kauan kuin turvallisesti pystyt ja paina Space, kun hengität. Pehmeä merkki kuuluu 30 sekunnin välein ja jokainen täysi minuutti sanotaan ääneen.

Aloitetaanko testi?</numerusform>
            <numerusform>%1

%n sekunnin lähtölaskenta, sitten &quot;pidätä&quot;: pidätä hengitystä niin kauan kuin turvallisesti pystyt ja paina Space, kun hengität. Pehmeä merkki kuuluu 30 sekunnin välein ja jokainen täysi minuutti sanotaan ääneen.

Aloitetaanko testi?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fill the fields with this table all the same?</source>
        <translation>%1

Täytetäänkö kentät silti tällä taulukolla?</translation>
    </message>
    <message>
        <source>Sen&amp;sors...</source>
        <translation>&amp;Anturit...</translation>
    </message>
    <message>
        <source>SpO2 %1 %: the hold is ended. Breathe.</source>
        <extracomment>Shown large under the displays as the low-SpO2 alarm ends a hold; %1 is the SpO2 in percent.</extracomment>
        <translation>SpO2 %1 %: pidätys lopetettu. Hengitä.</translation>
    </message>
</context>
</TS>
